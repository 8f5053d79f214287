#pragma once

#include "platform/Platform.h"

#include <QString>

// The confirmation question: caption "Atención", question icon, OK and Cancel with Cancel
// preselected. A non-empty `segundo` follows `mensaje` after a line feed and a carriage return (in
// that order). Answers the button pressed; closing the box counts as Cancel. Without a parent the
// box belongs to the active window.
platform::Answer Confirmar(const QString &mensaje, const QString &segundo = QString(),
                           QWidget *parent = nullptr);
