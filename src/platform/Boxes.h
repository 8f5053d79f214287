#pragma once

#include "platform/Platform.h"

// The three kinds of box the program shows, each always the same way.
namespace boxes {

// A note: the text and an OK button, captioned with the program's title.
void note(QWidget *parent, const QString &text);
// A question: caption "Atención", question icon, OK and Cancel with Cancel preselected.
// True when the user pressed OK.
bool question(QWidget *parent, const QString &text);
// The error box: the message with a full stop added when it has none, the program's title as
// caption, an error icon and OK.
void error(QWidget *parent, const QString &message);

} // namespace boxes
