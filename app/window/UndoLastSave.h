#pragma once
// "Undo last save": puts back what the device held before the newest save
// to this port, by this window or by the command-line tool, once the device
// is seen to hold what that save left and the user agrees to what changes
// back. Offered in the context menus of the settings and number grids and
// by Ctrl+Shift+Z anywhere in the window.

#include "backup/AutomaticBackups.h"
#include "changes/WritePlan.h"
#include "protocol/Area.h"

#include <QObject>
#include <QString>

#include <functional>

class BackedUpWrite;
class QAction;
class QWidget;
class StringGrid;

// How the undo names itself in the backup it takes.
inline constexpr const char* kUndoCommand = "Undo last save";

// "Undo last save? This changes back 3 settings."
QString UndoQuestion(const gsm::changes::WritePlan& plan);

class UndoLastSave : public QObject {
    Q_OBJECT

public:
    // `show` puts pages the device now holds into their sheet.
    UndoLastSave(QWidget* window, BackedUpWrite& write, std::function<QString()> portName,
                 std::function<void(gsm::Area, const gsm::Pages&)> show, QObject* parent = nullptr);

    // Owned by the window, which takes its shortcut.
    QAction* Action() const { return m_action; }
    // The grid's context menu offers the undo.
    void OfferIn(StringGrid& grid);

    void onUndoLastSaveTriggered();

private:
    bool Approve(const gsm::backup::FoundBackup& found, const gsm::backup::DeviceNow& device,
                 const gsm::changes::WritePlan& plan);

    QWidget* m_window;
    BackedUpWrite& m_write;
    std::function<QString()> m_portName;
    std::function<void(gsm::Area, const gsm::Pages&)> m_show;
    QAction* m_action;
};
