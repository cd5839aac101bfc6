#pragma once
// What a screen reader is told about a widget, read through Qt's
// accessibility interface as an assistive technology reads it.

#include <QAccessible>
#include <QWidget>

namespace gsm::test {

inline QString AccessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// A control a screen reader passes over: hidden from it as from the eye.
inline bool AccessiblyInvisible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return !iface || iface->state().invisible;
}

} // namespace gsm::test
