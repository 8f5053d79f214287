#include "ui/UnitBuscar.h"

#include "model/TableOperations.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The window is 187 x 107 with its frame: this is its client area under a common frame.
constexpr QSize clientSize(179, 80);
constexpr int rutDigits = 9;

} // namespace

TFrmBuscar::TFrmBuscar(RecordTable &table, QWidget *parent)
    : QDialog(parent, dialogkit::windowFlags()), m_table(table)
{
    dialogkit::setUp(*this, "FrmBuscar", QStringLiteral("Buscar Rut"));

    OvcERut = formfields::picture(this, "OvcERut", PictureEdit::Picture::Digits);
    OvcERut->setMaxLength(rutDigits);
    QLabel *label = formgrid::buddyLabel(QStringLiteral("RUT"), OvcERut);

    BitBtn1 = dialogkit::button(this, "BitBtn1", QStringLiteral("&Aceptar"), QStyle::SP_DialogOkButton);
    BitBtn2 = dialogkit::button(this, "BitBtn2", QStringLiteral("&Cancelar"), QStyle::SP_DialogCancelButton);
    connect(BitBtn1, &QPushButton::clicked, this, guardedAction(this, &TFrmBuscar::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, guardedAction(this, &TFrmBuscar::BitBtn2Click));

    auto *field = new QHBoxLayout;
    field->addStretch(1);
    field->addWidget(label);
    field->addWidget(OvcERut);
    field->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(field);
    outer->addLayout(buttons);

    setTabOrder(OvcERut, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    OvcERut->setFocus();
    setFixedSize(sizeHint().expandedTo(clientSize));
}

void TFrmBuscar::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnMainWindow(*this);
}

void TFrmBuscar::BitBtn1Click()
{
    // Nine digits at most, so the number is exact.
    const double rut = OvcERut->value().toDouble();
    if (tableops::locateRut(m_table, rut)) {
        accept();
        return;
    }
    boxes::note(this, QStringLiteral("Rut no encontrado"));
    OvcERut->setFocus();
}

void TFrmBuscar::BitBtn2Click()
{
    reject();
}
