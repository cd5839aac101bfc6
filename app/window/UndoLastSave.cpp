#include "UndoLastSave.h"

#include "BackedUpWrite.h"
#include "MessageBoxes.h"
#include "app/widgets/StringGrid.h"
#include "backup/Restorable.h"
#include "l10n/Composed.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include <memory>

namespace backup = gsm::backup;
namespace changes = gsm::changes;

namespace {

QString Counted(int n, const char* one, const char* many) {
    //: A count and what is counted: "3 settings"
    return UndoLastSave::tr("%1 %2").arg(n).arg(UndoLastSave::tr(n == 1 ? one : many));
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString UndoQuestion(const changes::WritePlan& plan) {
    QStringList parts;
    if (const int settings = changes::ThingsChanged(plan.changes, gsm::Area::Settings))
        parts << Counted(settings, QT_TRANSLATE_NOOP("UndoLastSave", "setting"),
                         QT_TRANSLATE_NOOP("UndoLastSave", "settings"));
    if (const int entries = changes::ThingsChanged(plan.changes, gsm::Area::Numbers))
        parts << Counted(entries, QT_TRANSLATE_NOOP("UndoLastSave", "number entry"),
                         QT_TRANSLATE_NOOP("UndoLastSave", "number entries"));
    // Bytes that carry no setting or entry differ, and nothing else.
    if (parts.isEmpty())
        parts << Counted(plan.pagesDiffering, QT_TRANSLATE_NOOP("UndoLastSave", "page"),
                         QT_TRANSLATE_NOOP("UndoLastSave", "pages"));
    //: %1 lists what changes back: "3 settings and 2 number entries"
    return UndoLastSave::tr("Undo last save? This changes back %1.")
        .arg(parts.join(UndoLastSave::tr(" and ")));
}

UndoLastSave::UndoLastSave(QWidget* window, BackedUpWrite& write, std::function<QString()> portName,
                           std::function<void(gsm::Area, const gsm::Pages&)> show, QObject* parent)
    : QObject(parent), m_window(window), m_write(write), m_portName(std::move(portName)),
      m_show(std::move(show)), m_action(new QAction(tr("&Undo last save"), window)) {
    m_action->setObjectName(QStringLiteral("undoLastSaveAction"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_action->setShortcutContext(Qt::WindowShortcut);
    m_action->setToolTip(tr("Put back what the device held before the last save (Ctrl+Shift+Z)"));
    connect(m_action, &QAction::triggered, this, &UndoLastSave::onUndoLastSaveTriggered);
}

void UndoLastSave::OfferIn(StringGrid& grid) {
    auto* menu = new QMenu(&grid);
    menu->setObjectName(grid.objectName() + QStringLiteral("_menu"));
    //: Accessible name of a grid's context menu; %1 is the grid's name
    menu->setAccessibleName(tr("%1 menu").arg(grid.accessibleName()));
    menu->setToolTipsVisible(true);
    menu->addAction(m_action);
    grid.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&grid, &QWidget::customContextMenuRequested, menu,
            [menu, &grid](const QPoint& at) { menu->popup(grid.viewport()->mapToGlobal(at)); });
}

void UndoLastSave::onUndoLastSaveTriggered() {
    const QString port = m_portName();
    const QString folder = backup::DefaultBackupFolder();
    std::optional<backup::FoundBackup> found = backup::NewestAutomaticBackup(folder, port);
    if (!found) {
        ShowMessage(m_window, tr("Nothing to undo: there is no backup of a save to %1 in %2")
                                  .arg(port, Shown(folder)));
        return;
    }
    const backup::AreasOrError restorable = backup::RestorableAreas(found->backup);
    if (!restorable.areas) {
        ShowMessage(m_window,
                    tr("Not undone, nothing sent: %1: %2")
                        .arg(Shown(found->path), gsm::l10n::ShownComposed(restorable.error)));
        return;
    }
    auto kept = std::make_shared<const backup::FoundBackup>(std::move(*found));
    BackedUpWriteJob job;
    job.command = QString::fromLatin1(kUndoCommand);
    job.wanted = *restorable.areas;
    job.approve = [this, kept](const backup::DeviceNow& device, const changes::WritePlan& plan) {
        return Approve(*kept, device, plan);
    };
    // The sheets show what the device holds now, as a read would.
    job.written = [this, wanted = job.wanted] {
        for (const auto& [area, pages] : wanted)
            m_show(area, pages);
    };
    m_write.Start(std::move(job));
}

bool UndoLastSave::Approve(const backup::FoundBackup& found, const backup::DeviceNow& device,
                           const changes::WritePlan& plan) {
    if (const QString refusal = backup::UndoRefusal(found.backup, device); !refusal.isEmpty()) {
        const QString command = found.backup.write ? found.backup.write->command : QString();
        ShowMessage(m_window,
                    tr("Not undone, nothing sent: %1 (%2 \"%3\")")
                        .arg(gsm::l10n::ShownComposed(refusal), Shown(found.path), command));
        return false;
    }
    if (!plan.Changed()) {
        ShowMessage(
            m_window,
            tr("Nothing to undo: the device holds what %1 holds already").arg(Shown(found.path)));
        return false;
    }
    return ConfirmUndo(m_window, UndoQuestion(plan), BackupStatusText(found.path));
}
