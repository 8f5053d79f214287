#pragma once

#include <QDialog>

// The About box: the program's name and version, a picture button that opens the maker's web site
// and "&Aceptar". F12, whichever control has the focus, names the program's author.
class TFrmAcercade : public QDialog {
    Q_OBJECT

public:
    explicit TFrmAcercade(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void SpeedButton1Click();
};
