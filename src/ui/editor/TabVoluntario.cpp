#include "ui/editor/DatosTarvinelUi.h"

#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

// The tab "Datos Afi. Voluntario - INP - Salud".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildVoluntario(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    makeFields(page, TabVoluntario);
    PFRutAfiVol = control<PictureEdit>("PFRutAfiVol");
    RGpMonedaPlan = control<RadioGroup>("RGpMonedaPlan");

    auto *volun = group(page, QStringLiteral("Datos Afiliado Voluntario"));
    Pairs v(volun);
    v.pair(0, 0, QStringLiteral("RUT"), PFRutAfiVol,
           twoFields(PFRutAfiVol, QStringLiteral("DV"), control<UpperCaseEdit>("EdDVAfiVol")));
    placeFields(v, TabVoluntario, 0);
    v.grid()->setColumnStretch(1, 1);
    column->addWidget(volun);

    auto *inp = group(page, QStringLiteral("Datos INP - ISL - Fonasa"));
    Pairs n(inp);
    placeFields(n, TabVoluntario, 1);
    column->addWidget(inp);

    auto *salud = group(page, QStringLiteral("Datos Institución de Salud"));
    Pairs s(salud);
    placeFields(s, TabVoluntario, 2);
    s.whole(1, 1, RGpMonedaPlan, 1, 2);
    column->addWidget(salud);
    alignColumns({v.grid(), n.grid(), s.grid()});
    column->addStretch(1);
    return page;
}
