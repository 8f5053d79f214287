#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// The export's progress window: borderless, yellow, centred on the screen, with the bar
// `ProgressBar1` and the labels "Exportando" (`Label1`), the count of lines written (`Label2`) and
// "/" with the total (`Label3`). The export runs on the one user-interface thread without returning
// to the event loop, so the window paints itself whenever the count moves on.
class Tf_progreso : public QWidget {
    Q_OBJECT

public:
    explicit Tf_progreso(QWidget *parent = nullptr);

    // Sets the bar's maximum and `Label3` to "/" and the total.
    void setTotal(int lines);
    // Shows the window centred on the screen and paints it.
    void showCentred();
    // Moves the bar and the count to `lines`. Painted at once, but not more often than the eye can
    // follow, and always when the total is reached.
    void setWritten(int lines);

private:
    void paintNow();

    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QElapsedTimer m_sincePaint;
};
