#include "ui/editor/DatosTarvinelUi.h"

#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

// The tab "Datos CCAF - Mutual - Cesantía - Centro Costo".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildCcaf(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    CBxCodigoCcaf = codeBox(page, "CBxCodigoCcaf");
    CuEdImpoCCAF = amount(page, "CuEdImpoCCAF");
    CuEdCredPerso = amount(page, "CuEdCredPerso");
    CuEdDescDental = amount(page, "CuEdDescDental");
    CuEdDescLeas = amount(page, "CuEdDescLeas");
    CuEdSeguroVida = amount(page, "CuEdSeguroVida");
    CuEdOtrosDesc = amount(page, "CuEdOtrosDesc");
    CuEdCotizaCCAF = amount(page, "CuEdCotizaCCAF");
    CuEdCarFamCcaf = amount(page, "CuEdCarFamCcaf");
    CuEdOtrosCCAF1 = amount(page, "CuEdOtrosCCAF1");
    CuEdOtrosCCAF2 = amount(page, "CuEdOtrosCCAF2");
    CuEdBonoGobCCAF = amount(page, "CuEdBonoGobCCAF");
    EdSucurCCAF = textBox(page, "EdSucurCCAF", 20);

    auto *ccaf = group(page, QStringLiteral("Datos CCAF"));
    Pairs c(ccaf);
    c.pair(0, 0, QStringLiteral("Código CCAF"), CBxCodigoCcaf, 2);
    c.pair(1, 0, QStringLiteral("Imponible"), CuEdImpoCCAF);
    c.pair(1, 1, QStringLiteral("Créd. Personales"), CuEdCredPerso);
    c.pair(1, 2, QStringLiteral("Desc. Dental"), CuEdDescDental);
    c.pair(2, 0, QStringLiteral("Desc. por Leassing"), CuEdDescLeas);
    c.pair(2, 1, QStringLiteral("Seguro de Vida"), CuEdSeguroVida);
    c.pair(2, 2, QStringLiteral("Otros Desc."), CuEdOtrosDesc);
    c.pair(3, 0, QStringLiteral("Cotización a CCAF"), CuEdCotizaCCAF);
    c.pair(3, 1, QStringLiteral("Cargas Fam."), CuEdCarFamCcaf);
    c.pair(3, 2, QStringLiteral("Otros Desc. 1"), CuEdOtrosCCAF1);
    c.pair(4, 0, QStringLiteral("Otros Desc. 2"), CuEdOtrosCCAF2);
    c.pair(4, 1, QStringLiteral("Bono Gobierno"), CuEdBonoGobCCAF);
    c.pair(5, 0, QStringLiteral("Sucursal CCAF"), EdSucurCCAF, 2);
    column->addWidget(ccaf);

    CBxMutual = codeBox(page, "CBxMutual");
    CuEdImpoMutual = amount(page, "CuEdImpoMutual");
    CuEdCotMutual = amount(page, "CuEdCotMutual");
    CuEdSucursal = amount(page, "CuEdSucursal");
    CuEdSucursal->setCharLimit(3);

    auto *mutual = group(page, QStringLiteral("Datos Mutual de Seguridad"));
    Pairs m(mutual);
    m.pair(0, 0, QStringLiteral("Código Mutual"), CBxMutual, 2);
    m.pair(1, 0, QStringLiteral("Imponible"), CuEdImpoMutual);
    m.pair(1, 1, QStringLiteral("Cot. Mutual"), CuEdCotMutual);
    m.pair(1, 2, QStringLiteral("Sucursal"), CuEdSucursal);
    column->addWidget(mutual);

    CuEdImpoCesantia = amount(page, "CuEdImpoCesantia");
    CuEdAporteTrab = amount(page, "CuEdAporteTrab");
    CuEdAporteEmp = amount(page, "CuEdAporteEmp");

    auto *cesantia = group(page, QStringLiteral("Datos Adm. Fondos de Cesantía"));
    Pairs s(cesantia);
    s.pair(0, 0, QStringLiteral("Imponible Seg. Cesantía"), CuEdImpoCesantia);
    s.pair(0, 1, QStringLiteral("Aporte Trabajador"), CuEdAporteTrab);
    s.pair(0, 2, QStringLiteral("Aporte Empleador"), CuEdAporteEmp);
    column->addWidget(cesantia);

    EdRutPagSub = picture(page, "EdRutPagSub", PictureEdit::Picture::Digits);
    EdDVPagSub = checkCharacter(page, "EdDVPagSub");
    EdCentroCosto = textBox(page, "EdCentroCosto", 20);

    auto *pagador = group(page, QStringLiteral("Datos Pagador de Subsidios"));
    Pairs p(pagador);
    auto *rut = new QHBoxLayout;
    rut->setSpacing(4);
    rut->addWidget(EdRutPagSub);
    // The short raised bar between the RUT and its check character stands for the hyphen.
    auto *hyphen = new QFrame(page);
    hyphen->setFrameShape(QFrame::HLine);
    hyphen->setFrameShadow(QFrame::Raised);
    hyphen->setFixedWidth(8);
    rut->addWidget(hyphen);
    rut->addWidget(EdDVPagSub);
    rut->addStretch(1);
    p.pair(0, 0, QStringLiteral("RUT"), EdRutPagSub, rut);
    p.grid()->setColumnStretch(1, 1);

    auto *centro = group(page, QStringLiteral("Datos Centro de Costo, Sucursal o Región"));
    Pairs k(centro);
    k.pair(0, 0, QStringLiteral("Centro Costo"), EdCentroCosto);
    k.grid()->setColumnStretch(1, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(pagador, 1);
    bottom->addWidget(centro, 2);
    column->addLayout(bottom);
    alignColumns({c.grid(), m.grid(), s.grid()});
    column->addStretch(1);
    return page;
}
