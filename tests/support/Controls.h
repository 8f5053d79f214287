#pragma once

#include <QLatin1StringView>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// The control of `window` with that object name and class; a test that names a control the window
// lacks ends at once, naming it, rather than crashing on a null pointer later.
template <typename T> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1StringView(name));
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::abort();
    }
    return found;
}
