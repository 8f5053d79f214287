#include "ui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnMainWindow(QWidget &window)
{
    const QWidget *main = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    while (main && main->parentWidget())
        main = main->parentWidget()->window();
    QRect area;
    if (main)
        area = main->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}
