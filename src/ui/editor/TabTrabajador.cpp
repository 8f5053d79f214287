#include "ui/editor/DatosTarvinelUi.h"

#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QFrame>
#include <QGridLayout>
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

    makeFields(page, TabTrabajador);
    EdRut = control<PictureEdit>("EdRut");
    RGpSexo = control<RadioGroup>("RGpSexo");
    RGNacionalidad = control<RadioGroup>("RGNacionalidad");
    EdPerDesde = control<PictureEdit>("EdPerDesde");
    EdPerHasta = control<PictureEdit>("EdPerHasta");
    RGpRegPrevi = control<RadioGroup>("RGpRegPrevi");
    RGSubsiTrabajador = control<RadioGroup>("RGSubsiTrabajador");

    auto *upper = panel(page);
    Pairs top(upper);
    top.pair(0, 0, QStringLiteral("RUT"), EdRut,
             twoFields(EdRut, QStringLiteral("DV"), control<UpperCaseEdit>("EdDV")));
    placeFields(top, TabTrabajador, 0);
    top.whole(0, 1, RGpSexo, 1, 2);
    top.whole(2, 1, RGNacionalidad, 1, 2);
    top.grid()->setColumnStretch(1, 1);
    column->addWidget(upper);

    auto *lower = panel(page);
    Pairs low(lower);
    placeFields(low, TabTrabajador, 1);
    low.whole(0, 2, RGpRegPrevi, 1, 2);
    auto *periodo = new QHBoxLayout;
    periodo->setSpacing(kSpacing);
    periodo->addWidget(buddyLabel(QStringLiteral("Desde"), EdPerDesde));
    periodo->addLayout(twoFields(EdPerDesde, QStringLiteral("Hasta"), EdPerHasta));
    low.pair(1, 0, QStringLiteral("Período Remuneraciones"), EdPerDesde, periodo, 2);
    low.whole(6, 2, RGSubsiTrabajador, 1, 2);
    low.grid()->setColumnStretch(1, 1);
    column->addWidget(lower);
    column->addStretch(1);
    return page;
}
