#pragma once

#include "platform/Boxes.h"
#include "util/AppError.h"

#include <utility>

class QWidget;

// The one error boundary of the windows: an AppError ends the user's action with the error box over
// the window and never crosses a Qt signal frame. One idiom everywhere:
// - a slot is connected through guardedAction(), with a member handler or with a lambda:
//     connect(button, &QPushButton::clicked, this, guardedAction(this, &W::BitBtn1Click));
// - a function that Qt calls itself (an event handler, an overridden reject() or done(), an event
//   filter) wraps its body in guarded();
// - the handlers themselves never guard: they let an AppError go.

// Runs `action`; answers true when it ran to its end, false when an AppError stopped it (after the
// box has been shown over `parent`).
template <typename Action> bool guarded(QWidget *parent, Action &&action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const AppError &error) {
        boxes::error(parent, error.message());
        return false;
    }
}

// A slot that runs `handler` of `window` through guarded(), with the signal's arguments.
template <typename Window, typename... Args>
auto guardedAction(Window *window, void (Window::*handler)(Args...))
{
    return [window, handler](Args... args) { guarded(window, [&] { (window->*handler)(args...); }); };
}

// A slot that runs `work` through guarded() with the box over `parent`:
// guardedAction(this, [this, item] { CodeMenuItemClick(item); }).
template <typename Work> auto guardedAction(QWidget *parent, Work work)
{
    return [parent, work = std::move(work)] { guarded(parent, work); };
}
