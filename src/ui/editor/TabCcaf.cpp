#include "ui/editor/DatosTarvinelUi.h"

#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

// The tab "Datos CCAF - Mutual - Cesantía - Centro Costo".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildCcaf(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    makeFields(page, TabCcaf);
    EdRutPagSub = control<PictureEdit>("EdRutPagSub");

    const Pairs c = placedGroup(page, column, QStringLiteral("Datos CCAF"), TabCcaf, 0);
    const Pairs m = placedGroup(page, column, QStringLiteral("Datos Mutual de Seguridad"), TabCcaf, 1);
    const Pairs s = placedGroup(page, column, QStringLiteral("Datos Adm. Fondos de Cesantía"), TabCcaf, 2);

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
    rut->addWidget(control<UpperCaseEdit>("EdDVPagSub"));
    rut->addStretch(1);
    p.pair(0, 0, QStringLiteral("RUT"), EdRutPagSub, rut);
    p.grid()->setColumnStretch(1, 1);

    auto *centro = group(page, QStringLiteral("Datos Centro de Costo, Sucursal o Región"));
    Pairs k(centro);
    placeFields(k, TabCcaf, 4);
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
