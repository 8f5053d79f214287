#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help viewer: the help file AYUDA.HLP (an HTML document beside the executable) in a
// text browser that opens at the file's contents page. Links lead to its sections; "Atrás" and
// "Adelante" (or Alt+Left and Alt+Right) go through the pages seen, "Contenido" back to the start;
// the arrow and page keys scroll, Esc closes.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(const QString &helpFile, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }

    // Shows the contents page of the program's help file modally over `parent`. A file that is not
    // there or cannot be read is named in a note instead.
    static void showContents(QWidget *parent);

private:
    QTextBrowser *m_browser;
};
