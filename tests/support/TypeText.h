#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

// Types `text` into `target` one character at a time, as key events that carry the character.
// QTest::keyClicks sends Latin-1 only; here "ñ" and "ß" are the keys of a Spanish or German
// keyboard, and a character beyond Latin-1 comes as an unknown key with its text, as from an input
// method.
inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        const int code = c.unicode() < 0x100 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}
