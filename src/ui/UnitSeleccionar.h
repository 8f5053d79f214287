#pragma once

#include "model/LineLayout.h"

#include <QDialog>

class QPushButton;
class RadioGroup;

// The format dialog: the user names the layout of the declaration file and "&Aceptar" loads it into
// a new listing window, shown modally above this dialog. The dialog stays open beneath it, and the
// layout chosen here is the one the listing writes the file back in. Nothing is kept between
// openings: each new dialog starts with "105 Campos por Posición".
class TFrmSeleccionar : public QDialog {
    Q_OBJECT

public:
    explicit TFrmSeleccionar(QWidget *parent = nullptr);

    // Item 0 of the radio group is the fixed-position layout, any other the separator layout.
    linelayout::Layout layout() const;

private:
    // The load procedure: reminder, file dialog, reading, listing window.
    void BitBtn1Click();
    void BitBtn2Click();

    void buildControls();

    RadioGroup *RadioGroup1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
};
