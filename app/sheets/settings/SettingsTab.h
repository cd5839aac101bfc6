#pragma once
// Reading and saving the basic settings from the Basic Settings sheet: the
// grid and its lists are the settings; the buttons move them to and from the
// device, two pages, through the device client. A save is backed up first
// and writes only the pages that differ.

#include "SettingsSheet.h"
#include "app/widgets/GridCells.h"
#include "protocol/DeviceClient.h"
#include "settings/SettingsCodec.h"
#include "text/CodePage.h"

#include <QObject>
#include <QString>

#include <functional>

class BackedUpWrite;
class DeviceReporter;

inline constexpr const char* kFirstPageText = QT_TRANSLATE_NOOP("SettingsTab", "The first page");
inline constexpr const char* kSecondPageText = QT_TRANSLATE_NOOP("SettingsTab", "The second page");
// How a save names itself in its backup.
inline constexpr const char* kSaveSettingsCommand = "Save Settings";

class SettingsTab : public QObject {
    Q_OBJECT

public:
    // `setPanelText` writes the status panel directly, without starting the status timer.
    SettingsTab(const SettingsSheet& sheet, gsm::DeviceClient& client, DeviceReporter& reporter,
                BackedUpWrite& write, std::function<void(const QString&)> setPanelText,
                const gsm::CodePage& codePage, QObject* parent = nullptr);

    // Headers, captions, descriptions, start values and the lists' start
    // indexes. The lists stay hidden until the grid paints their cells.
    void FillSettingsGrid();

    void onReadSettingsClicked();
    void onSaveSettingsClicked();

    // Reads both pages; the user has confirmed.
    void StartRead();
    // Checks every setting first; a refusal names the setting and sends nothing.
    bool StartSave();
    // A page read from the device, shown in the grid and its lists.
    void ShowSettingsPage(int page, const gsm::Page& bytes);
    // Both pages the device holds, shown as a read shows them, without its
    // progress: the device took them by other means than a read.
    void ShowDevicePages(const gsm::Pages& pages);

    gsm::settings::SettingsCodec& Codec() { return m_codec; }
    ComboLists& Lists() { return m_lists; }

private:
    void ShowProgressAfter(const gsm::settings::PageField& f);
    void Tell(const std::string& text);

    SettingsSheet m_sheet;
    gsm::DeviceClient& m_client;
    DeviceReporter& m_reporter;
    BackedUpWrite& m_write;
    std::function<void(const QString&)> m_setPanelText;
    GridCells m_cells;
    ComboLists m_lists;
    const gsm::CodePage& m_codePage;
    gsm::settings::SettingsCodec m_codec;
};
