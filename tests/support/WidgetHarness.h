#pragma once

#include "TypeText.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// A shown, active window holding an edit, the widget under test and another edit, in that tab
// order, so that tests can move the focus in and out of the widget as a user does.
class WidgetHarness {
public:
    explicit WidgetHarness(QWidget *widget)
    {
        // The tab order is the order in which the widgets join the window.
        auto *layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        layout->addWidget(before);
        layout->addWidget(widget);
        after = new QLineEdit(&window);
        layout->addWidget(after);
        before->setObjectName(QStringLiteral("before"));
        after->setObjectName(QStringLiteral("after"));
        window.show();
        window.activateWindow();
        m_ready = QTest::qWaitForWindowActive(&window);
    }

    bool ready() const { return m_ready; }

    static QWidget *focus() { return QApplication::focusWidget(); }

    // Focus on the edit before the widget, then Tab: the widget gets a TabFocusReason focus.
    void tabIn()
    {
        before->setFocus(Qt::OtherFocusReason);
        key(Qt::Key_Tab);
    }

    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), key, modifiers);
    }

    QWidget window;
    QLineEdit *before = nullptr;
    QLineEdit *after = nullptr;

private:
    bool m_ready = false;
};
