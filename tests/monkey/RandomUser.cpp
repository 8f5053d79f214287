#include "RandomUser.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <array>

namespace {

enum ClickKind { Single, Double, Right };

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

constexpr std::array kKeys{
    KeyPress{Qt::Key_Return, Qt::NoModifier, "Enter"},
    KeyPress{Qt::Key_Return, Qt::ShiftModifier, "Shift+Enter"},
    KeyPress{Qt::Key_Tab, Qt::NoModifier, "Tab"},
    KeyPress{Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    KeyPress{Qt::Key_Escape, Qt::NoModifier, "Esc"},
    KeyPress{Qt::Key_Up, Qt::NoModifier, "Up"},
    KeyPress{Qt::Key_Down, Qt::NoModifier, "Down"},
    KeyPress{Qt::Key_Left, Qt::NoModifier, "Left"},
    KeyPress{Qt::Key_Right, Qt::NoModifier, "Right"},
    KeyPress{Qt::Key_Home, Qt::NoModifier, "Home"},
    KeyPress{Qt::Key_End, Qt::NoModifier, "End"},
    KeyPress{Qt::Key_Home, Qt::ControlModifier, "Ctrl+Home"},
    KeyPress{Qt::Key_End, Qt::ControlModifier, "Ctrl+End"},
    KeyPress{Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    KeyPress{Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    KeyPress{Qt::Key_Delete, Qt::NoModifier, "Delete"},
    KeyPress{Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    KeyPress{Qt::Key_F1, Qt::NoModifier, "F1"},
    KeyPress{Qt::Key_F2, Qt::NoModifier, "F2"},
    KeyPress{Qt::Key_F8, Qt::NoModifier, "F8"},
    KeyPress{Qt::Key_F12, Qt::NoModifier, "F12"},
    KeyPress{Qt::Key_F10, Qt::ShiftModifier, "Shift+F10"},
    KeyPress{Qt::Key_Menu, Qt::NoModifier, "Menu"},
    KeyPress{Qt::Key_Space, Qt::NoModifier, "Space"},
    KeyPress{Qt::Key_S, Qt::ControlModifier, "Ctrl+S"},
    KeyPress{Qt::Key_F, Qt::ControlModifier, "Ctrl+F"},
    KeyPress{Qt::Key_A, Qt::AltModifier, "Alt+letter"}, // the letter is drawn when pressed
};

// Letters of cp1252 a clerk types: plain, accented, the ñ, and the few signs of names and codes.
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789012345678901234567890123456789"
                                         ";;; ..,,//-ñÑáéíóúÁÉÍÓÚüÜ€ºª'");

// Where keys go: the focused widget of the front window, as the desktop delivers them.
QWidget *keyReceiver(QWidget *mainWindow)
{
    QWidget *window = RandomUser::frontWindow(mainWindow);
    if (!window)
        return nullptr;
    QWidget *focus = window->focusWidget();
    return focus && focus->isVisible() ? focus : window;
}

// The key code the desktop gives a typed character: its capital for letters of Latin-1.
Qt::Key keyOf(QChar character)
{
    const char16_t upper = character.toUpper().unicode();
    return upper < 0x100 ? Qt::Key(upper) : Qt::Key_unknown;
}

bool reachable(const QWidget *widget, const QWidget &window)
{
    return widget->isVisible() && widget->isEnabled() && widget->window() == &window && widget->width() > 0
           && widget->height() > 0;
}

QString nameOf(const QWidget *widget)
{
    const QString name = widget->objectName();
    return QString::fromLatin1(widget->metaObject()->className())
           + (name.isEmpty() ? QString() : QLatin1Char(' ') + name);
}

void clickAt(QWidget *widget, QPoint pos, int kind)
{
    switch (kind) {
    case Single:
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
        break;
    case Double:
        QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, pos);
        break;
    default: {
        QPointer<QWidget> target(widget);
        QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, pos);
        if (target) {
            QContextMenuEvent menu(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
            QApplication::sendEvent(widget, &menu);
        }
    }
    }
}

const char *kindName(int kind)
{
    return kind == Single ? "click" : kind == Double ? "double click" : "right click";
}

} // namespace

QWidget *RandomUser::frontWindow(QWidget *mainWindow)
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return mainWindow && mainWindow->isVisible() ? mainWindow : nullptr;
}

void RandomUser::tell(const QString &what) const
{
    if (announce)
        announce(what);
}

void RandomUser::act(QWidget *mainWindow)
{
    QWidget *window = frontWindow(mainWindow);
    if (!window)
        return tell(QStringLiteral("nothing: no window"));
    // A user's click or key goes to the window in front, which the desktop makes active.
    if (!window->isActiveWindow() && !QApplication::activePopupWidget())
        window->activateWindow();
    const int roll = below(100);
    if (roll < 38)
        return pressKey(mainWindow);
    if (roll < 53)
        return typeText(mainWindow);
    if (roll < 83)
        return click(*window, Single);
    if (roll < 88)
        return click(*window, Double);
    if (roll < 92)
        return click(*window, Right);
    if (roll < 98)
        return chooseInCombo(*window);
    tell(QStringLiteral("close ") + nameOf(window));
    window->close();
}

void RandomUser::pressKey(QWidget *mainWindow)
{
    KeyPress press = kKeys[std::size_t(below(int(kKeys.size())))];
    QString name = QString::fromLatin1(press.name);
    if (press.modifiers == Qt::AltModifier) {
        const int letter = below(26);
        press.key = Qt::Key(Qt::Key_A + letter);
        name = QStringLiteral("Alt+") + QChar(u'A' + letter);
    }
    QWidget *receiver = keyReceiver(mainWindow);
    if (!receiver)
        return tell(QStringLiteral("nothing: no window"));
    tell(name + QStringLiteral(" on ") + nameOf(receiver));
    QTest::keyClick(receiver, press.key, press.modifiers);
}

QString RandomUser::randomText()
{
    const int length = chance(10) ? 60 + below(400) : 1 + below(8);
    QString text;
    for (int i = 0; i < length; ++i)
        text += kAlphabet.at(below(int(kAlphabet.size())));
    return text;
}

void RandomUser::typeText(QWidget *mainWindow)
{
    const QString text = randomText();
    QWidget *first = keyReceiver(mainWindow);
    if (!first)
        return tell(QStringLiteral("nothing: no window"));
    tell(QStringLiteral("type \"%1\" on %2").arg(text, nameOf(first)));
    for (const QChar character : text) {
        // Each key goes where the focus is now: a key may move it, open a window or close one.
        QWidget *receiver = keyReceiver(mainWindow);
        if (!receiver)
            break;
        QTest::sendKeyEvent(QTest::Click, receiver, keyOf(character), QString(character), Qt::NoModifier);
    }
}

void RandomUser::click(QWidget &window, int kind)
{
    if (chance(40) && clickCell(window, kind))
        return;
    QList<QWidget *> widgets;
    const bool buttonsFirst = chance(40);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (reachable(widget, window) && (!buttonsFirst || qobject_cast<QAbstractButton *>(widget)))
            widgets << widget;
    }
    if (widgets.isEmpty())
        widgets << &window;
    QWidget *widget = widgets.at(below(int(widgets.size())));
    const QPoint pos(below(widget->width()), below(widget->height()));
    tell(QStringLiteral("%1 %2 at %3,%4")
             .arg(QLatin1String(kindName(kind)), nameOf(widget))
             .arg(pos.x())
             .arg(pos.y()));
    clickAt(widget, pos, kind);
}

bool RandomUser::clickCell(QWidget &window, int kind)
{
    QList<QAbstractItemView *> views;
    for (QAbstractItemView *view : window.findChildren<QAbstractItemView *>()) {
        if (reachable(view, window) && view->model() && view->model()->rowCount(view->rootIndex()) > 0
            && view->model()->columnCount(view->rootIndex()) > 0)
            views << view;
    }
    if (views.isEmpty())
        return false;
    QAbstractItemView *view = views.at(below(int(views.size())));
    const QAbstractItemModel &model = *view->model();
    // A cell on the screen: the rows and columns the viewport shows, found through the model.
    QList<QModelIndex> shown;
    const QRect area = view->viewport()->rect();
    const int rows = model.rowCount(view->rootIndex());
    const int columns = model.columnCount(view->rootIndex());
    for (int row = 0; row < rows && shown.size() < 4000; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model.index(row, column, view->rootIndex());
            if (area.intersects(view->visualRect(index)))
                shown << index;
        }
    }
    if (shown.isEmpty())
        return false;
    const QModelIndex index = shown.at(below(int(shown.size())));
    tell(QStringLiteral("%1 cell %2,%3 of %4")
             .arg(QLatin1String(kindName(kind)))
             .arg(index.row())
             .arg(index.column())
             .arg(nameOf(view)));
    clickAt(view->viewport(), view->visualRect(index).center(), kind);
    return true;
}

void RandomUser::chooseInCombo(QWidget &window)
{
    QList<QComboBox *> combos;
    for (QComboBox *combo : window.findChildren<QComboBox *>()) {
        if (reachable(combo, window))
            combos << combo;
    }
    if (combos.isEmpty())
        return click(window, Single);
    QComboBox *combo = combos.at(below(int(combos.size())));
    if (combo->count() == 0)
        return click(*combo, Single);
    const int entry = below(combo->count());
    tell(QStringLiteral("choose entry %1 of %2").arg(entry).arg(nameOf(combo)));
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    const QModelIndex index = combo->model()->index(entry, combo->modelColumn(), combo->rootModelIndex());
    if (list->isVisible()) {
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(index).center());
    }
    if (list->isVisible())
        combo->hidePopup();
}
