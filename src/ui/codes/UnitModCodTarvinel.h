#pragma once

#include "codes/EditedCodeTable.h"

#include <QByteArray>
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class UpperCaseEdit;

// The code-table editor: the entries of one section of Tarvinel.cfg in the list `ListBox1`, to
// modify, add and delete. `SeccionCodigos` is the section, `AnchoCodigo` the width of its codes; the
// caller sets the caption. An entry is stored when the focus leaves the description field with both
// fields filled (Enter there does it), and every change is written to the file at once.
class TFrmModCodTarvinel : public QDialog {
    Q_OBJECT

public:
    TFrmModCodTarvinel(QByteArray SeccionCodigos, int AnchoCodigo, QWidget *parent = nullptr);
    ~TFrmModCodTarvinel() override;

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BitBtn1Click(); // "&Modificar", and a double-click on the list
    void BitBtn3Click(); // "&Agregar"
    void BitBtn4Click(); // "&Eliminar"
    void BitBtn5Click(); // "A&yuda"
    void EdCodigoExit();
    void EdGlosaExit();

    void buildControls();
    void fillList(int currentRow);
    void startEditing();

    QByteArray m_section;
    EditedCodeTable m_table;
    bool m_closing = false;
    UpperCaseEdit *EdCodigo = nullptr;
    UpperCaseEdit *EdGlosa = nullptr;
    QListWidget *ListBox1 = nullptr;
};
