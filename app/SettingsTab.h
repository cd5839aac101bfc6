#pragma once
// Reading and saving the basic settings from the Basic Settings sheet: the
// grid and its lists are the settings; the buttons move them to and from the
// device through the page codec.

#include "CodePage.h"
#include "Commands.h"
#include "GridCells.h"
#include "SettingsCodec.h"
#include "SettingsSheet.h"
#include "SettingsTransfer.h"

#include <QObject>
#include <QString>

#include <functional>

#include "Receiver.h"

// The window's progress bar and status panel.
struct SettingsReporting {
    std::function<void(quint16 percent)> setProgress;
    // Writes the status panel directly, without starting the status timer.
    std::function<void(const QString&)> setPanelText;
};

class SettingsTab : public QObject {
    Q_OBJECT

public:
    SettingsTab(const SettingsSheet& sheet, gsm::DeviceLink& link, gsm::TBasicInf& basic,
                SettingsReporting reporting, const gsm::CodePage& codePage,
                QObject* parent = nullptr);

    // Headers, captions, descriptions, start values and the lists' start
    // indexes. The lists stay hidden until the grid paints their cells.
    void FillSettingsGrid();
    // The receive path hands read replies and accepted writes of the settings area to this sheet.
    void AttachTo(gsm::PageHandlers& handlers);

    void btn21Click();
    void btn22Click();

    gsm::settings::SettingsTransfer& Transfer() { return m_transfer; }
    gsm::settings::SettingsCodec& Codec() { return m_codec; }
    ComboLists& Lists() { return m_lists; }

private:
    void Tell(const std::string& text);

    SettingsSheet m_sheet;
    SettingsReporting m_reporting;
    GridCells m_cells;
    ComboLists m_lists;
    gsm::settings::SettingsCodec m_codec;
    gsm::settings::SettingsTransfer m_transfer;
};
