#include "app/JDGMessage.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include <optional>

namespace {

const char *const enterActsAsTabProperty = "enterActsAsTab";

QPointer<JDGMessage> &instance()
{
    static QPointer<JDGMessage> filter;
    return filter;
}

// Qt's ready-made dialogs are not the program's windows: Enter keeps accepting them.
bool inPlatformDialog(const QWidget *widget)
{
    static const char *const classNames[] = {
        "QFileDialog",          "QMessageBox",      "QInputDialog",       "QColorDialog",
        "QFontDialog",          "QErrorMessage",    "QProgressDialog",    "QWizard",
        "QAbstractPrintDialog", "QPageSetupDialog", "QPrintPreviewDialog"};
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        for (const char *name : classNames) {
            if (w->inherits(name))
                return true;
        }
        if (w->isWindow())
            break;
    }
    return false;
}

// Grids, list boxes and their cell editors keep Enter (a cell editor commits on it), as do tab bars.
bool inViewOrTabBar(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTabBar *>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

// "enterActsAsTab" set on the focus widget, or on a composite box that hands its focus to it,
// decides; nullopt when neither sets it.
std::optional<bool> declaredEnterActsAsTab(const QWidget *focus)
{
    for (const QWidget *w = focus; w; w = w->parentWidget()) {
        if (w != focus && w->focusProxy() != focus)
            break;
        const QVariant value = w->property(enterActsAsTabProperty);
        if (value.isValid())
            return value.toBool();
        if (w->isWindow())
            break;
    }
    return std::nullopt;
}

bool isDataEntry(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
           || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QCheckBox *>(widget)
           || qobject_cast<const QRadioButton *>(widget);
}

bool isPushOrToolButton(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QToolButton *>(widget);
}

// The date box itself, or the one whose inner line edit has the focus.
QDateTimeEdit *dateTimeEditOf(QWidget *widget)
{
    if (auto *edit = qobject_cast<QDateTimeEdit *>(widget))
        return edit;
    if (qobject_cast<QLineEdit *>(widget))
        return qobject_cast<QDateTimeEdit *>(widget->parentWidget());
    return nullptr;
}

void sendTab(QWidget *focus, bool backward)
{
    // A date box spends Tab on stepping through its sections; from its last (or, backwards, its
    // first) section Tab leaves the box, as Enter must.
    if (QDateTimeEdit *dateEdit = dateTimeEditOf(focus); dateEdit && dateEdit->sectionCount() > 0)
        dateEdit->setCurrentSectionIndex(backward ? 0 : dateEdit->sectionCount() - 1);
    // A key event's key cannot be changed in place: a new Tab goes to the control instead.
    QKeyEvent tab(QEvent::KeyPress, backward ? Qt::Key_Backtab : Qt::Key_Tab,
                  backward ? Qt::ShiftModifier : Qt::NoModifier, backward ? QString() : QStringLiteral("\t"));
    QCoreApplication::sendEvent(focus, &tab);
}

void removeDefaultButtons(QWidget *window)
{
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        // Buttons of a child window (a box not shown yet) belong to that window.
        if (button->window() != window)
            continue;
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

} // namespace

JDGMessage::JDGMessage(QObject *parent) : QObject(parent) {}

void JDGMessage::install()
{
    if (instance())
        return;
    instance() = new JDGMessage(qApp);
    qApp->installEventFilter(instance());
}

bool JDGMessage::isInstalled()
{
    return !instance().isNull();
}

bool JDGMessage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // A QDialogButtonBox makes its first accept button default on its own Show, which comes
        // before the window's; the window's Show is the last word.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && !inPlatformDialog(widget))
            removeDefaultButtons(widget);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    // Only the delivery to the focus widget counts, not the propagation of an ignored event.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || watched != focus)
        return false;
    return handleEnter(focus, key);
}

bool JDGMessage::handleEnter(QWidget *focus, const QKeyEvent &event)
{
    const Qt::KeyboardModifiers others = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others != Qt::NoModifier)
        return false;
    // Combo lists and calendars take Enter as their choice.
    if (QApplication::activePopupWidget())
        return false;
    if (inPlatformDialog(focus) || inViewOrTabBar(focus))
        return false;

    const std::optional<bool> declared = declaredEnterActsAsTab(focus);
    if (declared.has_value()) {
        if (!*declared)
            return false;
    } else if (isPushOrToolButton(focus)) {
        // No button is default, so Qt no longer presses the focused one: the filter does.
        static_cast<QAbstractButton *>(focus)->click();
        return true;
    } else if (!isDataEntry(focus)) {
        return false;
    }
    sendTab(focus, event.modifiers().testFlag(Qt::ShiftModifier));
    return true;
}
