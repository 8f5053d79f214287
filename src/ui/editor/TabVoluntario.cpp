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

    Pairs v = placedGroup(page, column, QStringLiteral("Datos Afiliado Voluntario"), TabVoluntario, 0);
    v.pair(0, 0, QStringLiteral("RUT"), PFRutAfiVol,
           twoFields(PFRutAfiVol, QStringLiteral("DV"), control<UpperCaseEdit>("EdDVAfiVol")));
    v.grid()->setColumnStretch(1, 1);

    const Pairs n = placedGroup(page, column, QStringLiteral("Datos INP - ISL - Fonasa"), TabVoluntario, 1);
    Pairs s = placedGroup(page, column, QStringLiteral("Datos Institución de Salud"), TabVoluntario, 2);
    s.whole(1, 1, RGpMonedaPlan, 1, 2);
    alignColumns({v.grid(), n.grid(), s.grid()});
    column->addStretch(1);
    return page;
}
