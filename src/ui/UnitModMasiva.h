#pragma once

#include <QDialog>

class CodeComboBox;
class PictureEdit;
class QLabel;
class QPushButton;
class RadioGroup;
class RecordTable;

// The mass modification "Modificación Masiva": one new value into one field of every line of
// `table`. The five options of `RadioGroup1` take a code in `CBox1` (payment type, CCAF, mutual;
// their lists read from Tarvinel.cfg afresh on each choice) or a period "mm/yyyy" in `OvcPF`
// (first or last month of the declared period, kept while switching between the two). "&Aceptar"
// asks for a missing code or period and otherwise writes the value and closes the dialog; with no
// option chosen it closes and changes nothing. "&Cancelar" changes nothing.
class TFrmModMasiva : public QDialog {
    Q_OBJECT

public:
    explicit TFrmModMasiva(RecordTable &table, QWidget *parent = nullptr);

    void RadioGroup1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    RadioGroup *RadioGroup1;
    QLabel *Label1;
    CodeComboBox *CBox1;
    QLabel *Label2;
    PictureEdit *OvcPF;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    RecordTable &m_table;
};
