#pragma once

#include <QString>
#include <QUrl>

#include <chrono>

namespace platform {

// Runs the desktop's opener `program` with `url` and answers whether it opened the address: true
// when it ends with exit status 0; false when it cannot start, ends with another status (as
// xdg-open does when no browser is found) or is killed. Some openers run the browser in the
// foreground and end only when it closes: one still running after `patience` counts as having
// opened the address and is left to run. Meanwhile windows are repainted but take no input.
bool openWithOpener(const QString &program, const QUrl &url, std::chrono::milliseconds patience);

} // namespace platform
