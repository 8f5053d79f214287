#pragma once

class QWidget;

// Centres a window over the program's main window: the outermost window among its parents (the
// screen's centre when it has none). Call it when the window is shown, once its size is known.
void centreOnMainWindow(QWidget &window);
