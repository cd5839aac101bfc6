#include "MessageBoxes.h"

#include "WindowPlacement.h"
#include "l10n/Composed.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

QString MainWindowCaption(QWidget* parent) {
    return parent ? parent->window()->windowTitle() : QString();
}

void MoveToConfirmPosition(QMessageBox& box) {
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = screen->geometry().size();
    box.move(ConfirmDialogTopLeft(size.width(), size.height()));
}

} // namespace

void ShowMessage(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, QString(), gsm::l10n::ShownComposed(text), QMessageBox::Ok,
                    parent);
    if (!details.isEmpty())
        box.setInformativeText(gsm::l10n::ShownComposed(details));
    box.exec();
}

void ShowTitledMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, MainWindowCaption(parent), gsm::l10n::ShownComposed(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

bool ConfirmRead(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::NoButton, parent);
    QPushButton* confirm = box.addButton(
        QCoreApplication::translate("MessageBoxes", kConfirmCaption), QMessageBox::AcceptRole);
    QPushButton* refuse = box.addButton(QCoreApplication::translate("MessageBoxes", kRefuseCaption),
                                        QMessageBox::RejectRole);
    box.setDefaultButton(confirm);
    box.setEscapeButton(refuse);
    MoveToConfirmPosition(box);
    box.exec();
    return box.clickedButton() == confirm;
}

bool ConfirmWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString(), text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    return box.exec() == QMessageBox::Ok;
}

bool ConfirmStop(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool ConfirmUndo(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setInformativeText(details);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
