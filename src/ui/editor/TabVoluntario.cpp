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

// The tab "Datos Afi. Voluntario - INP - Salud".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildVoluntario(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    PFRutAfiVol = picture(page, "PFRutAfiVol", PictureEdit::Picture::Digits);
    EdDVAfiVol = checkCharacter(page, "EdDVAfiVol");
    EdApePatVolun = textBox(page, "EdApePatVolun", 30);
    EdApeMatVolun = textBox(page, "EdApeMatVolun", 30);
    EdNombreVolun = textBox(page, "EdNombreVolun", 30);
    CBxMovVolun = codeBox(page, "CBxMovVolun");
    DEdDesdeVolun = dateBox(page, "DEdDesdeVolun");
    DEdHastaVolun = dateBox(page, "DEdHastaVolun");
    CBxAfpVolun = codeBox(page, "CBxAfpVolun");
    CuEdCapiVolun = amount(page, "CuEdCapiVolun");
    CuEdAhoVolun = amount(page, "CuEdAhoVolun");
    CuEdPerCotizaVolun = amount(page, "CuEdPerCotizaVolun", daysFormat());
    CuEdPerCotizaVolun->setRange(0, 30);

    auto *volun = group(page, QStringLiteral("Datos Afiliado Voluntario"));
    Pairs v(volun);
    v.pair(0, 0, QStringLiteral("RUT"), PFRutAfiVol,
           twoFields(PFRutAfiVol, QStringLiteral("DV"), EdDVAfiVol));
    v.pair(0, 1, QStringLiteral("Apellido Paterno"), EdApePatVolun, 2);
    v.pair(1, 0, QStringLiteral("Apellido Materno"), EdApeMatVolun);
    v.pair(1, 1, QStringLiteral("Nombres"), EdNombreVolun, 2);
    v.pair(2, 0, QStringLiteral("Cod. Mov. Personal"), CBxMovVolun);
    v.pair(2, 1, QStringLiteral("Desde"), DEdDesdeVolun);
    v.pair(2, 2, QStringLiteral("Hasta"), DEdHastaVolun);
    v.pair(3, 0, QStringLiteral("Nombre AFP"), CBxAfpVolun);
    v.pair(3, 1, QStringLiteral("Mto. Capitalización"), CuEdCapiVolun);
    v.pair(3, 2, QStringLiteral("Mto. Ahorro"), CuEdAhoVolun);
    v.pair(4, 0, QStringLiteral("N° Per. Cotiza."), CuEdPerCotizaVolun);
    v.grid()->setColumnStretch(1, 1);
    column->addWidget(volun);

    CBxCodCajaReg = codeBox(page, "CBxCodCajaReg");
    CuEdTasaCaja = amount(page, "CuEdTasaCaja", twoDecimalsFormat());
    CuedImpoFonasa = amount(page, "CuedImpoFonasa");
    CuEdCotizaInp = amount(page, "CuEdCotizaInp");
    CBxCodCajaDesa = codeBox(page, "CBxCodCajaDesa");
    CuEdTasaDesa = amount(page, "CuEdTasaDesa", twoDecimalsFormat());
    CuEdCotizaDesa = amount(page, "CuEdCotizaDesa");
    CuEdRentaImpDes = amount(page, "CuEdRentaImpDes");
    CuEdCotFonasa = amount(page, "CuEdCotFonasa");
    CuEdAccidentes = amount(page, "CuEdAccidentes");
    CuEdLey = amount(page, "CuEdLey");
    CuEdDescCargas = amount(page, "CuEdDescCargas");
    CuEdBonoGob = amount(page, "CuEdBonoGob");

    auto *inp = group(page, QStringLiteral("Datos INP - ISL - Fonasa"));
    Pairs n(inp);
    n.pair(0, 0, QStringLiteral("Cód. Ex-caja Régimen"), CBxCodCajaReg, 2);
    n.pair(0, 2, QStringLiteral("Tasa Ex-caja"), CuEdTasaCaja);
    n.pair(1, 0, QStringLiteral("Impon. Fonasa"), CuedImpoFonasa);
    n.pair(1, 1, QStringLiteral("Cotización INP"), CuEdCotizaInp);
    wrapped(n.pair(2, 0, QStringLiteral("Cód. Ex-caja Régimen Desahucio"), CBxCodCajaDesa, 2));
    n.pair(2, 2, QStringLiteral("Tasa Desahucio"), CuEdTasaDesa);
    n.pair(3, 0, QStringLiteral("Cot. Desahucio"), CuEdCotizaDesa);
    n.pair(3, 1, QStringLiteral("Renta Imp. Desahucio"), CuEdRentaImpDes);
    n.pair(3, 2, QStringLiteral("Cot. Fonasa"), CuEdCotFonasa);
    n.pair(4, 0, QStringLiteral("Cot. Acc. Trabajo"), CuEdAccidentes);
    n.pair(4, 1, QStringLiteral("Bonif. Ley 15.386"), CuEdLey);
    n.pair(4, 2, QStringLiteral("Desc. Cargas Fam."), CuEdDescCargas);
    n.pair(5, 0, QStringLiteral("Bonos Gobierno"), CuEdBonoGob);
    column->addWidget(inp);

    CBxIsapre = codeBox(page, "CBxIsapre");
    // FUN numbers run to ten digits.
    CuEdNumeroFun = amount(page, "CuEdNumeroFun", wholeFormat(), 10);
    CuedImpoSalud = amount(page, "CuedImpoSalud");
    RGpMonedaPlan = radioGroup(page, "RGpMonedaPlan", QStringLiteral("Moneda Plan Pactado"),
                               {QStringLiteral("Pesos"), QStringLiteral("UF")}, 2);
    CuEdCotPactada = amount(page, "CuEdCotPactada");
    CuEdCotizaIsap = amount(page, "CuEdCotizaIsap");
    CuEdCotAdicio = amount(page, "CuEdCotAdicio");
    CuEdMontoGes = amount(page, "CuEdMontoGes");

    auto *salud = group(page, QStringLiteral("Datos Institución de Salud"));
    Pairs s(salud);
    wrapped(s.pair(0, 0, QStringLiteral("Cód. Institución de Salud"), CBxIsapre, 2));
    s.pair(0, 2, QStringLiteral("Numero FUN"), CuEdNumeroFun);
    s.pair(1, 0, QStringLiteral("Imponible"), CuedImpoSalud);
    s.whole(1, 1, RGpMonedaPlan, 1, 2);
    s.pair(1, 2, QStringLiteral("Cot. Pactada"), CuEdCotPactada);
    s.pair(2, 0, QStringLiteral("Cotización Isapre"), CuEdCotizaIsap);
    s.pair(2, 2, QStringLiteral("Cot. Adic. Vol."), CuEdCotAdicio);
    s.pair(3, 0, QStringLiteral("Monto GES"), CuEdMontoGes);
    column->addWidget(salud);
    alignColumns({v.grid(), n.grid(), s.grid()});
    column->addStretch(1);
    return page;
}
