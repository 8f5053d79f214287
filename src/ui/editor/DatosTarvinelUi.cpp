#include "ui/editor/DatosTarvinelUi.h"

#include "ui/editor/PageControl.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QList>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

const std::array<const char16_t *, 4> kTabTitles = {
    u"Datos Trabajador",
    u"Datos AFP - APVI - APVC",
    u"Datos Afi. Voluntario - INP - Salud",
    u"Datos CCAF - Mutual - Cesantía - Centro Costo",
};

QPushButton *button(QDialog *form, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, form);
    button->setObjectName(QLatin1String(name));
    // No window of the program has a default button: Enter moves to the next field.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Cancelar")) + 40);
    return button;
}

} // namespace

void DatosTarvinelUi::setupUi(QDialog *form)
{
    PageControl1 = new PageControl(form);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addPage(buildTrabajador(form), QString::fromUtf16(kTabTitles[TabTrabajador]));
    PageControl1->addPage(buildAfp(form), QString::fromUtf16(kTabTitles[TabAfp]));
    PageControl1->addPage(buildVoluntario(form), QString::fromUtf16(kTabTitles[TabVoluntario]));
    PageControl1->addPage(buildCcaf(form), QString::fromUtf16(kTabTitles[TabCcaf]));

    BitBtn1 = button(form, QStringLiteral("&Aceptar"), "BitBtn1");
    BitBtn2 = button(form, QStringLiteral("&Cancelar"), "BitBtn2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(12);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(6, 6, 6, 8);
    layout->setSpacing(8);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);

    orderTabs();
}

void DatosTarvinelUi::orderTabs()
{
    // One line per tab, in the order of its tables.
    // clang-format off
    const QList<QWidget *> order = {
        PageControl1,
        EdRut, EdDV, RGpSexo, EdApepat, EdApeMat, EdNombres, RGNacionalidad, CBxTipoPago, EdPerDesde, EdPerHasta,
        RGpRegPrevi, CBxTTrabajador, CuEdDiasTrab, CBxTipoLinea, CBxMovPersonal, DEdMovDesde, DEdMovHasta,
        CBxTramoFam, EdCargasSimples, EdCargasMater, EdCargasInva, CuEdAsigFamiliar, CuEdAsigRetro, CuEdReintegro,
        RGSubsiTrabajador,
        CBxAfp, CuEdImpoAFP, CuEdCotizaAfp, CuEdAporteSIS, CuEdAhorroAfp, CuEdRentaImpSust, CuEdTasaPacSust,
        CuEdAporteIndemSust, CuEdPeriSust, DEdPerDesdeSust, DEdPerHastaSust, EdTrabPesado, CuEdPorTrabPesado,
        CuEdCotTrabPesado, CBxApvi, EdContratoApvi, RGFormaPagoAPVI, CuEdCotAPVI, CuEdDepConveniAPVI, CBxAPVC,
        EdContratoAPVC, RGFormaPAgoAPVC, CuEdCotAPVC, CuEdCotEmpleador,
        PFRutAfiVol, EdDVAfiVol, EdApePatVolun, EdApeMatVolun, EdNombreVolun, CBxMovVolun, DEdDesdeVolun,
        DEdHastaVolun, CBxAfpVolun, CuEdCapiVolun, CuEdAhoVolun, CuEdPerCotizaVolun, CBxCodCajaReg, CuEdTasaCaja,
        CuedImpoFonasa, CuEdCotizaInp, CBxCodCajaDesa, CuEdTasaDesa, CuEdCotizaDesa, CuEdRentaImpDes, CuEdCotFonasa,
        CuEdAccidentes, CuEdLey, CuEdDescCargas, CuEdBonoGob, CBxIsapre, CuEdNumeroFun, CuedImpoSalud, RGpMonedaPlan,
        CuEdCotPactada, CuEdCotizaIsap, CuEdCotAdicio, CuEdMontoGes,
        CBxCodigoCcaf, CuEdImpoCCAF, CuEdCredPerso, CuEdDescDental, CuEdDescLeas, CuEdSeguroVida, CuEdOtrosDesc,
        CuEdCotizaCCAF, CuEdCarFamCcaf, CuEdOtrosCCAF1, CuEdOtrosCCAF2, CuEdBonoGobCCAF, EdSucurCCAF, CBxMutual,
        CuEdImpoMutual, CuEdCotMutual, CuEdSucursal, CuEdImpoCesantia, CuEdAporteTrab, CuEdAporteEmp, EdRutPagSub,
        EdDVPagSub, EdCentroCosto,
        BitBtn1, BitBtn2};
    // clang-format on
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
