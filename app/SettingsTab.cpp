#include "SettingsTab.h"

#include "MessageBoxes.h"
#include "Receiver.h"
#include "SettingsCatalogue.h"

#include <QPushButton>

namespace settings = gsm::settings;

SettingsTab::SettingsTab(const SettingsSheet& sheet, gsm::DeviceLink& link, gsm::TBasicInf& basic,
                         SettingsReporting reporting, const gsm::CodePage& codePage,
                         QObject* parent)
    : QObject(parent), m_sheet(sheet), m_reporting(std::move(reporting)),
      m_cells(*sheet.strngrd_write), m_lists(sheet.lists), m_codec(m_cells, m_lists, codePage),
      m_transfer(
          link, basic, m_codec,
          settings::TransferUi{[this](std::uint16_t percent) { m_reporting.setProgress(percent); },
                               [this](const std::string& text) {
                                   m_reporting.setPanelText(QString::fromStdString(text));
                               },
                               [this](const std::string& text) { Tell(text); }}) {
    connect(m_sheet.btn21, &QPushButton::clicked, this, &SettingsTab::btn21Click);
    connect(m_sheet.btn22, &QPushButton::clicked, this, &SettingsTab::btn22Click);
}

void SettingsTab::FillSettingsGrid() {
    settings::WriteStartGrid(m_cells);
    for (const settings::ChoiceList& list : settings::ChoiceLists())
        m_lists.SetItemIndex(list.row, list.startIndex);
}

void SettingsTab::AttachTo(gsm::PageHandlers& handlers) {
    handlers.decodeSettingsPage = [this](const gsm::ReplyPage&) {
        m_transfer.DecodeSettingsPage();
    };
    handlers.settingsSaveStep = [this](const gsm::ReplyPage&) { m_transfer.SaveStep(); };
}

void SettingsTab::btn21Click() {
    if (!ConfirmRead(m_sheet.ts1, QString::fromUtf8(settings::kReadConfirmation)))
        return;
    m_transfer.StartRead();
}

void SettingsTab::btn22Click() {
    m_transfer.StartSave();
}

void SettingsTab::Tell(const std::string& text) {
    ShowMessage(m_sheet.ts1, QString::fromStdString(text));
}
