#pragma once

#include <QString>

#include <functional>
#include <random>

class QWidget;

// A user who does anything at all to the window in front: presses a key, types a text, clicks or
// double-clicks a widget or a grid cell, picks an entry of a combo box, or closes the window. Only
// what a user can reach is used: the widgets on the screen, the cells of a view through its model,
// the entries of a combo through its list.
class RandomUser {
public:
    explicit RandomUser(std::mt19937_64 &random) : m_random(random) {}

    // Told what the user is about to do, before it is done (it may open a window that is driven
    // by further steps before it returns).
    std::function<void(const QString &)> announce;

    // The window that takes the user's input now: an open pop-up, else the top modal window, else
    // `mainWindow`.
    static QWidget *frontWindow(QWidget *mainWindow);

    // Does one thing to the front window. The window may be gone when this returns.
    void act(QWidget *mainWindow);

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    void pressKey(QWidget *mainWindow);
    void typeText(QWidget *mainWindow);
    void click(QWidget &window, int kind);
    bool clickCell(QWidget &window, int kind);
    void chooseInCombo(QWidget &window);
    QString randomText();
    void tell(const QString &what) const;

    std::mt19937_64 &m_random;
};
