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

// The tab "Datos AFP - APVI - APVC".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildAfp(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    CBxAfp = codeBox(page, "CBxAfp");
    CuEdImpoAFP = amount(page, "CuEdImpoAFP");
    CuEdCotizaAfp = amount(page, "CuEdCotizaAfp");
    CuEdAporteSIS = amount(page, "CuEdAporteSIS");
    CuEdAhorroAfp = amount(page, "CuEdAhorroAfp");
    CuEdRentaImpSust = amount(page, "CuEdRentaImpSust");
    CuEdTasaPacSust = amount(page, "CuEdTasaPacSust");
    CuEdAporteIndemSust = amount(page, "CuEdAporteIndemSust", wholeFormat(), 9);
    CuEdPeriSust = amount(page, "CuEdPeriSust");
    DEdPerDesdeSust = dateBox(page, "DEdPerDesdeSust");
    DEdPerHastaSust = dateBox(page, "DEdPerHastaSust");
    EdTrabPesado = textBox(page, "EdTrabPesado", 40);
    CuEdPorTrabPesado = amount(page, "CuEdPorTrabPesado", twoDecimalsFormat());
    CuEdPorTrabPesado->setRange(0, 99);
    CuEdCotTrabPesado = amount(page, "CuEdCotTrabPesado");

    auto *afp = group(page, QStringLiteral("Datos de la AFP"));
    Pairs a(afp);
    a.pair(0, 0, QStringLiteral("Nombre AFP"), CBxAfp, 2);
    a.pair(1, 0, QStringLiteral("Imponible AFP"), CuEdImpoAFP);
    a.pair(1, 1, QStringLiteral("Cot. Obligatoria"), CuEdCotizaAfp);
    a.pair(1, 2, QStringLiteral("Aporte SIS"), CuEdAporteSIS);
    a.pair(2, 0, QStringLiteral("Ahorro Vol."), CuEdAhorroAfp);
    a.pair(2, 1, QStringLiteral("Renta Imp. Sust."), CuEdRentaImpSust);
    a.pair(2, 2, QStringLiteral("Tasa Pac. Sust."), CuEdTasaPacSust);
    a.pair(3, 0, QStringLiteral("Aporte Indem. Sust."), CuEdAporteIndemSust);
    a.pair(3, 1, QStringLiteral("N° Períodos Sust."), CuEdPeriSust);
    a.pair(4, 0, QStringLiteral("Período Desde (Sust.)"), DEdPerDesdeSust);
    a.pair(4, 1, QStringLiteral("Período Hasta (Sust.)"), DEdPerHastaSust);
    a.pair(5, 0, QStringLiteral("Puesto de Trabajo Pesado"), EdTrabPesado, 3);
    a.pair(6, 0, QStringLiteral("% Cot. Trab. Pesado"), CuEdPorTrabPesado);
    a.pair(6, 1, QStringLiteral("Cot. Trab. Pesado"), CuEdCotTrabPesado);
    column->addWidget(afp);

    CBxApvi = codeBox(page, "CBxApvi");
    EdContratoApvi = textBox(page, "EdContratoApvi", 20);
    RGFormaPagoAPVI = radioGroup(page, "RGFormaPagoAPVI", QStringLiteral("Forma Pago APVI"),
                                 {QStringLiteral("Directa"), QStringLiteral("Indirecta")}, 2);
    CuEdCotAPVI = amount(page, "CuEdCotAPVI");
    CuEdDepConveniAPVI = amount(page, "CuEdDepConveniAPVI");
    CBxAPVC = codeBox(page, "CBxAPVC");
    EdContratoAPVC = textBox(page, "EdContratoAPVC", 20);
    RGFormaPAgoAPVC = radioGroup(page, "RGFormaPAgoAPVC", QStringLiteral("Forma PAgo APVC"),
                                 {QStringLiteral("Directa"), QStringLiteral("Indirecta")}, 2);
    CuEdCotAPVC = amount(page, "CuEdCotAPVC");
    CuEdCotEmpleador = amount(page, "CuEdCotEmpleador");

    const auto apvGroup = [page](const QString &title, const QString &suffix, CodeComboBox *institucion,
                                 UpperCaseEdit *contrato, RadioGroup *forma, CurrencyEdit *cotizacion,
                                 const QString &otroLabel, CurrencyEdit *otro) {
        auto *box = group(page, title);
        Pairs p(box);
        p.pair(0, 0, QStringLiteral("Institución ") + suffix, institucion);
        p.pair(1, 0, QStringLiteral("N° Contrato ") + suffix, contrato);
        p.whole(2, 0, forma);
        p.pair(3, 0, QStringLiteral("Cotización ") + suffix, cotizacion);
        p.pair(4, 0, otroLabel, otro);
        p.grid()->setColumnStretch(1, 1);
        return box;
    };
    auto *apv = new QHBoxLayout;
    apv->setSpacing(6);
    apv->addWidget(apvGroup(QStringLiteral("Datos APVI"), QStringLiteral("APVI"), CBxApvi, EdContratoApvi,
                            RGFormaPagoAPVI, CuEdCotAPVI, QStringLiteral("Cot.Dep.Convenidos"),
                            CuEdDepConveniAPVI),
                   1);
    apv->addWidget(apvGroup(QStringLiteral("Datos APVC"), QStringLiteral("APVC"), CBxAPVC, EdContratoAPVC,
                            RGFormaPAgoAPVC, CuEdCotAPVC, QStringLiteral("Cot. Empleador"), CuEdCotEmpleador),
                   1);
    column->addLayout(apv);
    column->addStretch(1);
    return page;
}
