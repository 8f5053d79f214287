#pragma once

#include "platform/Boxes.h"
#include "util/AppError.h"

#include <utility>

class QWidget;

// The one error boundary of the windows. Every action handler (button, menu item, key) runs its
// work through guarded(): an AppError ends the action with the error box over `parent` and never
// crosses a Qt signal frame. Answers true when the action ran to its end.
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

// A slot for connect() that runs `handler` of `window` through guarded(), so that the handler itself
// may let an AppError go: connect(button, &QPushButton::clicked, this, guardedAction(this, &W::Click)).
template <typename Window, typename... Args>
auto guardedAction(Window *window, void (Window::*handler)(Args...))
{
    return [window, handler](Args... args) { guarded(window, [&] { (window->*handler)(args...); }); };
}

// The same for work that is not a member handler: guardedAction(this, [this, item] { open(item); }).
template <typename Work> auto guardedAction(QWidget *parent, Work work)
{
    return [parent, work = std::move(work)] { guarded(parent, work); };
}
