// What the Qt windows' tests share: finding a control by its table name, showing a window,
// typing as a keyboard does, the announcer's interface and whether Form1 shows a worksheet.
#pragma once

#include "qt/accessibility.h"
#include "window/form1_layout.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace velmorand {

// The control of that name in the window; a missing one ends the test program.
template <class T = QWidget> T* Control(const QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (widget == nullptr)
        qFatal("no control %s", name);
    return widget;
}

// Shown and active, as on the desktop: false if it never became active.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// keyClicks takes Latin-1 only; Cyrillic arrives as key events carrying their text.
inline void TypeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

// The field's text rubbed out with the keyboard and `text` typed in its place.
inline void Retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    TypeText(field, text);
}

// The window's announcer as a screen reader finds it, or nullptr.
inline QAccessibleInterface* AnnouncerOf(const QWidget* window) {
    for (QObject* child : window->children())
        if (auto* found = dynamic_cast<Announcer*>(child))
            return QAccessible::queryAccessibleInterface(found);
    return nullptr;
}

// What of `sheet` the Form1 window does not show, as "Text3 shows '12'", or "" when every
// control of the table that shows a text shows it and Run is shown exactly when it may run.
inline QString Unshown(const QWidget* window, const Worksheet& sheet) {
    for (const ControlRow& row : Form1Layout()) {
        if (!row.Shows)
            continue;
        const auto* label = qobject_cast<QLabel*>(Control(window, row.Name));
        const QString shown = label ? label->text() : Control<QLineEdit>(window, row.Name)->text();
        if (shown != QString::fromStdString(FieldText(sheet, *row.Shows)))
            return QStringLiteral("%1 shows '%2'").arg(QLatin1String(row.Name), shown);
    }
    if (Control(window, "Command1")->isVisible() != sheet.RunVisible)
        return QStringLiteral("Run is shown: %1").arg(!sheet.RunVisible);
    return {};
}

} // namespace velmorand
