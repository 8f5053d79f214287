#pragma once

#include <QDialog>

class PictureEdit;
class QPushButton;
class RecordTable;

// The RUT search "Buscar Rut": makes the line of an employee's RUT (the body, without the check
// character) the current line of `table`. "&Aceptar" closes the dialog when a line's `rut` is the
// number in `OvcERut` (an empty field is 0); otherwise it says "Rut no encontrado", gives the field
// the focus back and stays open. "&Cancelar" closes it and leaves the current line. No field of the
// table changes.
class TFrmBuscar : public QDialog {
    Q_OBJECT

public:
    explicit TFrmBuscar(RecordTable &table, QWidget *parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();

    PictureEdit *OvcERut;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    RecordTable &m_table;
};
