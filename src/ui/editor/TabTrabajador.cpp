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

// The tab "Datos Trabajador".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildTrabajador(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    EdRut = picture(page, "EdRut", PictureEdit::Picture::Digits);
    EdDV = checkCharacter(page, "EdDV");
    RGpSexo = radioGroup(page, "RGpSexo", QStringLiteral("Sexo"),
                         {QStringLiteral("Femenino"), QStringLiteral("Masculino")}, 2);
    EdApepat = textBox(page, "EdApepat", 30);
    EdApeMat = textBox(page, "EdApeMat", 30);
    EdNombres = textBox(page, "EdNombres", 30);
    RGNacionalidad = radioGroup(page, "RGNacionalidad", QStringLiteral("Nacionalidad"),
                                {QStringLiteral("Chilena"), QStringLiteral("Extranjera")}, 2);

    auto *upper = panel(page);
    Pairs top(upper);
    top.pair(0, 0, QStringLiteral("RUT"), EdRut, twoFields(EdRut, QStringLiteral("DV"), EdDV));
    top.pair(1, 0, QStringLiteral("Apellido Paterno"), EdApepat);
    top.pair(2, 0, QStringLiteral("Apellido Materno"), EdApeMat);
    top.pair(3, 0, QStringLiteral("Nombres"), EdNombres);
    top.whole(0, 1, RGpSexo, 1, 2);
    top.whole(2, 1, RGNacionalidad, 1, 2);
    top.grid()->setColumnStretch(1, 1);
    column->addWidget(upper);

    CBxTipoPago = codeBox(page, "CBxTipoPago");
    EdPerDesde = picture(page, "EdPerDesde", PictureEdit::Picture::MonthYear);
    EdPerHasta = picture(page, "EdPerHasta", PictureEdit::Picture::MonthYear);
    RGpRegPrevi = radioGroup(page, "RGpRegPrevi", QStringLiteral("Reg. Previsional"),
                             {QStringLiteral("AFP"), QStringLiteral("INP"), QStringLiteral("SIP")}, 3);
    CBxTTrabajador = codeBox(page, "CBxTTrabajador");
    CuEdDiasTrab = amount(page, "CuEdDiasTrab", daysFormat());
    CuEdDiasTrab->setRange(0, 30);
    CBxTipoLinea = codeBox(page, "CBxTipoLinea");
    CBxMovPersonal = codeBox(page, "CBxMovPersonal");
    DEdMovDesde = dateBox(page, "DEdMovDesde");
    DEdMovHasta = dateBox(page, "DEdMovHasta");
    CBxTramoFam = codeBox(page, "CBxTramoFam");
    EdCargasSimples = countBox(page, "EdCargasSimples", 2);
    EdCargasMater = countBox(page, "EdCargasMater", 0);
    EdCargasInva = countBox(page, "EdCargasInva", 0);
    CuEdAsigFamiliar = amount(page, "CuEdAsigFamiliar");
    CuEdAsigRetro = amount(page, "CuEdAsigRetro");
    CuEdReintegro = amount(page, "CuEdReintegro");
    RGSubsiTrabajador = radioGroup(page, "RGSubsiTrabajador", QStringLiteral("Subsidio Trabajador Joven"),
                                   {QStringLiteral("Si"), QStringLiteral("No")}, 2);

    auto *lower = panel(page);
    Pairs low(lower);
    low.pair(0, 0, QStringLiteral("Tipo de Pago"), CBxTipoPago, 2);
    low.whole(0, 2, RGpRegPrevi, 1, 2);
    auto *periodo = new QHBoxLayout;
    periodo->setSpacing(kSpacing);
    periodo->addWidget(buddyLabel(QStringLiteral("Desde"), EdPerDesde));
    periodo->addLayout(twoFields(EdPerDesde, QStringLiteral("Hasta"), EdPerHasta));
    low.pair(1, 0, QStringLiteral("Período Remuneraciones"), EdPerDesde, periodo, 2);
    low.pair(2, 0, QStringLiteral("Tipo Trabajador"), CBxTTrabajador);
    low.pair(2, 1, QStringLiteral("Días Trab."), CuEdDiasTrab);
    low.pair(3, 0, QStringLiteral("Tipo de Línea"), CBxTipoLinea, 2);
    low.pair(4, 0, QStringLiteral("Cod. Mov. Personal"), CBxMovPersonal);
    low.pair(4, 1, QStringLiteral("Desde"), DEdMovDesde);
    low.pair(4, 2, QStringLiteral("Hasta"), DEdMovHasta);
    low.pair(5, 0, QStringLiteral("Tramo Asig. Familiar"), CBxTramoFam);
    low.pair(6, 0, QStringLiteral("N° Cargas Simples"), EdCargasSimples);
    low.pair(7, 0, QStringLiteral("N° Cargas Mater."), EdCargasMater);
    low.pair(8, 0, QStringLiteral("N° Cargas Inval."), EdCargasInva);
    low.pair(6, 1, QStringLiteral("Asig. Familiar"), CuEdAsigFamiliar);
    low.pair(7, 1, QStringLiteral("Asig. Fam. Retroactiva"), CuEdAsigRetro);
    low.pair(8, 1, QStringLiteral("Reintegro Car. Fam."), CuEdReintegro);
    low.whole(6, 2, RGSubsiTrabajador, 1, 2);
    low.grid()->setColumnStretch(1, 1);
    column->addWidget(lower);
    column->addStretch(1);
    return page;
}
