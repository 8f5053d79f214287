#include "ui/editor/DatosTarvinelUi.h"

#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/RadioGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

// The tab "Datos AFP - APVI - APVC".

using namespace formfields;
using namespace formgrid;

QWidget *DatosTarvinelUi::buildAfp(QWidget *parent)
{
    auto *page = new QWidget(parent);
    auto *column = pageColumn(page);

    makeFields(page, TabAfp);
    RGFormaPagoAPVI = control<RadioGroup>("RGFormaPagoAPVI");
    RGFormaPAgoAPVC = control<RadioGroup>("RGFormaPAgoAPVC");

    placedGroup(page, column, QStringLiteral("Datos de la AFP"), TabAfp, 0);

    const auto apvGroup = [this, page](const QString &title, int index, RadioGroup *forma) {
        auto *box = group(page, title);
        Pairs p(box);
        placeFields(p, TabAfp, index);
        p.whole(2, 0, forma);
        p.grid()->setColumnStretch(1, 1);
        return box;
    };
    auto *apv = new QHBoxLayout;
    apv->setSpacing(6);
    apv->addWidget(apvGroup(QStringLiteral("Datos APVI"), 1, RGFormaPagoAPVI), 1);
    apv->addWidget(apvGroup(QStringLiteral("Datos APVC"), 2, RGFormaPAgoAPVC), 1);
    column->addLayout(apv);
    column->addStretch(1);
    return page;
}
