#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// The main window: the workflow in a few lines, "&Editar Archivo" to open the format dialog and
// "&Salir"; F1 shows the help file. The only window that exists from start-up; closing it ends the program.
// Creating it installs the Enter-key convention (JDGMessage) and sets the help file.
class TFrmPrincipal : public QWidget {
    Q_OBJECT

public:
    explicit TFrmPrincipal(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void ExStaticText1Click();

    void buildControls();
    void layOutInstructions(const QList<QLabel *> &labels, QLabel *link);
};
