#pragma once

#include <QFont>

// The font of every window of the program: 8-point sans serif, the families tried in order of
// likeness to the standard dialog font the window sizes were measured for.
QFont windowFont();
