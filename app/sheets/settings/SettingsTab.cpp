#include "SettingsTab.h"

#include "app/window/BackedUpWrite.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MessageBoxes.h"
#include "l10n/Shown.h"
#include "messages/OperationTexts.h"
#include "settings/SettingsCatalogue.h"

#include <QPushButton>

namespace settings = gsm::settings;

namespace {

// Progress shown as a read reaches these settings.
struct Milestone {
    int row;
    quint16 percent;
};
constexpr Milestone kReadMilestones[] = {
    {settings::row::kNotifyRelayOn, 40},
    {settings::row::kApn, 50},
    {settings::row::kGprsUser, 90},
    {settings::row::kGprsPassword, 100},
};
constexpr quint16 kFirstPageStarted = 25;

} // namespace

SettingsTab::SettingsTab(const SettingsSheet& sheet, gsm::DeviceClient& client,
                         DeviceReporter& reporter, BackedUpWrite& write,
                         std::function<void(const QString&)> setPanelText,
                         const gsm::CodePage& codePage, QObject* parent)
    : QObject(parent), m_sheet(sheet), m_client(client), m_reporter(reporter), m_write(write),
      m_setPanelText(std::move(setPanelText)), m_cells(*sheet.settingsGrid), m_lists(sheet.lists),
      m_codePage(codePage), m_codec(m_cells, m_lists, codePage) {
    connect(m_sheet.readSettingsButton, &QPushButton::clicked, this,
            &SettingsTab::onReadSettingsClicked);
    connect(m_sheet.saveSettingsButton, &QPushButton::clicked, this,
            &SettingsTab::onSaveSettingsClicked);
}

void SettingsTab::FillSettingsGrid() {
    settings::WriteStartGrid(m_cells);
    for (const settings::ChoiceList& list : settings::ChoiceLists())
        m_lists.SetItemIndex(list.row, list.startIndex);
}

void SettingsTab::onReadSettingsClicked() {
    if (ConfirmRead(m_sheet.settingsPage,
                    gsm::l10n::Shown("DeviceTexts", gsm::message::kReadSettingsQuestion)))
        StartRead();
}

void SettingsTab::onSaveSettingsClicked() {
    StartSave();
}

void SettingsTab::StartRead() {
    m_client.ReadArea(gsm::Area::Settings,
                      {.read =
                           [this](int page, const gsm::Page& bytes) {
                               m_reporter.PageAnswered(gsm::OperationKind::Read,
                                                       gsm::Area::Settings, page);
                               ShowSettingsPage(page, bytes);
                           }},
                      [this](const gsm::OperationResult& result) { m_reporter.Ended(result); });
}

bool SettingsTab::StartSave() {
    // The grid and its lists become one record, which must pass before any
    // page is encoded: nothing is sent when any setting is refused.
    const settings::CellSettings taken = settings::SettingsFromGrid(m_cells, m_lists);
    if (const auto error = settings::FirstRefusal(taken, m_codePage)) {
        Tell(error->Message());
        return false;
    }
    const settings::EncodedSettings encoded = settings::EncodeSettings(taken.settings, m_codePage);
    if (encoded.error) {
        Tell(encoded.error->Message());
        return false;
    }
    m_write.Start({.command = QString::fromLatin1(kSaveSettingsCommand),
                   .wanted = {{gsm::Area::Settings,
                               gsm::Pages(encoded.pages.begin(), encoded.pages.end())}}});
    return true;
}

void SettingsTab::ShowSettingsPage(int page, const gsm::Page& bytes) {
    if (page == 1) {
        m_reporter.SetProgress(kFirstPageStarted);
        m_setPanelText(tr(kFirstPageText));
    } else {
        m_setPanelText(tr(kSecondPageText));
    }
    m_codec.DecodeSettingsPage(page, bytes,
                               [this](const settings::PageField& f) { ShowProgressAfter(f); });
    if (page == settings::kPageCount)
        m_setPanelText(QString());
}

void SettingsTab::ShowDevicePages(const gsm::Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        m_codec.DecodeSettingsPage(page, pages[static_cast<std::size_t>(page - 1)]);
}

void SettingsTab::ShowProgressAfter(const settings::PageField& f) {
    for (const Milestone& m : kReadMilestones)
        if (m.row == f.row)
            m_reporter.SetProgress(m.percent);
}

void SettingsTab::Tell(const std::string& text) {
    ShowMessage(m_sheet.settingsPage, QString::fromStdString(text));
}
