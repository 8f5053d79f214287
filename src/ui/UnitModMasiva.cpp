#include "ui/UnitModMasiva.h"

#include "codes/CodeSections.h"
#include "codes/CodeTableFile.h"
#include "model/TableOperations.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/FormFields.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/WindowPlacement.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using tableops::MassOption;

namespace {

constexpr int comboWidth = 145;

// The code table of an option that takes a code.
CodeTable codeTableOf(MassOption option)
{
    switch (option) {
    case MassOption::CodigoCcaf:
        return CodeTable::Ccaf;
    case MassOption::CodigoMutual:
        return CodeTable::Mutual;
    default:
        return CodeTable::TipoPago;
    }
}

} // namespace

TFrmModMasiva::TFrmModMasiva(RecordTable &table, QWidget *parent)
    : QDialog(parent, dialogkit::windowFlags()), m_table(table)
{
    dialogkit::setUp(*this, "FrmModMasiva", QStringLiteral("Modificación Masiva"));

    // In the order of tableops::MassOption.
    RadioGroup1 = formfields::radioGroup(this, "RadioGroup1", QStringLiteral("Modificar..."),
                                         {QStringLiteral("Tipo Pago"), QStringLiteral("Código CCAF"),
                                          QStringLiteral("Código Mutual"), QStringLiteral("Periodo Desde"),
                                          QStringLiteral("Periodo Hasta")},
                                         2);

    auto *Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = new QLabel(QStringLiteral("Ingrese valor"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    CBox1 = formfields::codeBox(Panel1, "CBox1");
    CBox1->setFixedWidth(comboWidth);
    Label2 = new QLabel(QStringLiteral("mm/aaaa"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    OvcPF = formfields::picture(Panel1, "OvcPF", PictureEdit::Picture::MonthYear);
    // The panel keeps its height whichever input shows.
    QSizePolicy hint = Label2->sizePolicy();
    hint.setRetainSizeWhenHidden(true);
    Label2->setSizePolicy(hint);
    auto *inputs = new QGridLayout(Panel1);
    inputs->addWidget(Label2, 0, 1);
    inputs->addWidget(Label1, 1, 0);
    inputs->addWidget(CBox1, 1, 1, Qt::AlignLeft);
    inputs->addWidget(OvcPF, 1, 1, Qt::AlignLeft);
    inputs->setColumnStretch(1, 1);
    for (QWidget *input :
         {static_cast<QWidget *>(CBox1), static_cast<QWidget *>(OvcPF), static_cast<QWidget *>(Label2)})
        input->hide();

    auto *Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    BitBtn1 = dialogkit::button(Panel2, "BitBtn1", QStringLiteral("&Aceptar"), QStyle::SP_DialogOkButton);
    BitBtn2 =
        dialogkit::button(Panel2, "BitBtn2", QStringLiteral("&Cancelar"), QStyle::SP_DialogCancelButton);
    auto *buttons = new QHBoxLayout(Panel2);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(RadioGroup1);
    outer->addWidget(Panel1);
    outer->addWidget(Panel2);

    connect(RadioGroup1, &RadioGroup::itemIndexChanged, this,
            guardedAction(this, &TFrmModMasiva::RadioGroup1Click));
    connect(BitBtn1, &QPushButton::clicked, this, guardedAction(this, &TFrmModMasiva::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, guardedAction(this, &TFrmModMasiva::BitBtn2Click));

    setTabOrder(RadioGroup1, CBox1);
    setTabOrder(CBox1, OvcPF);
    setTabOrder(OvcPF, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setFixedSize(sizeHint());
}

void TFrmModMasiva::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnMainWindow(*this);
}

void TFrmModMasiva::RadioGroup1Click()
{
    CBox1->setEntries({});
    const int item = RadioGroup1->itemIndex();
    if (item < 0)
        return;
    const auto option = MassOption(item);
    const bool code = tableops::takesCode(option);
    if (code) {
        // Read on every choice: the code-table editor may have changed the file meanwhile.
        CBox1->setEntries(
            readSection(programinfo::codeTableFilePath(), codesections::name(codeTableOf(option))));
    }
    CBox1->setVisible(code);
    OvcPF->setVisible(!code);
    Label2->setVisible(!code);
}

void TFrmModMasiva::BitBtn1Click()
{
    const int item = RadioGroup1->itemIndex();
    if (item < 0) {
        accept();
        return;
    }
    const auto option = MassOption(item);
    QByteArray entered;
    if (tableops::takesCode(option)) {
        if (CBox1->currentText().isEmpty()) {
            boxes::note(this, QStringLiteral("Debe ingresar el nuevo código"));
            CBox1->setFocus();
            return;
        }
        entered = CBox1->currentBytes();
    } else {
        if (OvcPF->isEmpty()) {
            boxes::note(this, QStringLiteral("Debe ingresar la nueva fecha"));
            OvcPF->setFocus();
            return;
        }
        entered = cp1252::fromUnicode(OvcPF->value());
    }
    tableops::modifyEveryLine(m_table, option, entered);
    accept();
}

void TFrmModMasiva::BitBtn2Click()
{
    reject();
}
