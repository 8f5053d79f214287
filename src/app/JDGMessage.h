#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The program-wide Enter-key convention, one event filter on the application.
//
// In the data-entry controls of the program's own windows (line edits, spin and date boxes, combo
// boxes, check boxes, radio buttons) Enter acts as Tab and Shift+Enter as Shift+Tab; the control
// never receives the Enter. A custom box joins in with the dynamic property "enterActsAsTab" set
// true (on itself, or on a composite whose focus proxy it is); set false, a control keeps its
// Enter. A focused push or tool button is pressed by Enter. Item views (grids, list boxes) and their cell
// editors, tab bars, open popups and Qt's own dialogs (file, message, input, colour...) keep their
// ordinary Enter. Key releases, characters and Alt or Ctrl combinations pass unchanged.
//
// Because Enter presses the focused button, no program window has a default button: when a program
// window is shown the filter switches off autoDefault and default on all of its push buttons.
class JDGMessage : public QObject {
    Q_OBJECT

public:
    // Installs the filter on the application once; later calls do nothing. It lives as long as qApp.
    static void install();
    static bool isInstalled();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit JDGMessage(QObject *parent);

    bool handleEnter(QWidget *focus, const QKeyEvent &event);
};
