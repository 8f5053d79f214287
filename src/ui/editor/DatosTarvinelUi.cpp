#include "ui/editor/DatosTarvinelUi.h"

#include "ui/editor/DatosTarvinelFields.h"
#include "ui/editor/PageControl.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/FormFields.h"
#include "ui/widgets/FormGrid.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/UpperCaseEdit.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <array>

using datosfields::Kind;

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

QString formatOf(datosfields::Format format)
{
    switch (format) {
    case datosfields::Format::Whole:
        return formfields::wholeFormat();
    case datosfields::Format::TwoDecimals:
        return formfields::twoDecimalsFormat();
    case datosfields::Format::Days:
        return formfields::daysFormat();
    }
    return formfields::wholeFormat();
}

bool placedByTable(Kind kind)
{
    return kind == Kind::Amount || kind == Kind::Text || kind == Kind::Date || kind == Kind::Code
           || kind == Kind::Count;
}

void make(QWidget *page, const datosfields::Field &f)
{
    using namespace formfields;
    switch (f.kind) {
    case Kind::Amount: {
        CurrencyEdit *box = amount(page, f.control, formatOf(f.shape.format), f.shape.digits);
        if (f.shape.maximum > 0)
            box->setRange(0, f.shape.maximum);
        if (f.shape.limit > 0)
            box->setCharLimit(f.shape.limit);
        return;
    }
    case Kind::Text:
        textBox(page, f.control, f.shape.limit);
        return;
    case Kind::Date:
        dateBox(page, f.control);
        return;
    case Kind::Code:
        codeBox(page, f.control);
        return;
    case Kind::Count:
        countBox(page, f.control, f.shape.limit);
        return;
    case Kind::CheckCharacter:
        checkCharacter(page, f.control);
        return;
    case Kind::Rut:
        picture(page, f.control, PictureEdit::Picture::Digits);
        return;
    case Kind::Period:
        picture(page, f.control, PictureEdit::Picture::MonthYear);
        return;
    case Kind::Choice: {
        const QStringList choices = QString::fromUtf16(f.shape.choices).split(QLatin1Char('|'));
        radioGroup(page, f.control, QString::fromUtf16(f.shape.caption), choices, int(choices.size()));
        return;
    }
    }
}

} // namespace

void DatosTarvinelUi::setupUi(QDialog *form)
{
    m_form = form;
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
    QList<QWidget *> order{PageControl1};
    for (int tab = 0; tab < datosfields::kTabCount; ++tab) {
        for (const datosfields::Field &f : datosfields::tab(tab))
            order << control<QWidget>(f.control);
    }
    order << BitBtn1 << BitBtn2;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void DatosTarvinelUi::makeFields(QWidget *page, Tab tab)
{
    for (const datosfields::Field &f : datosfields::tab(tab))
        make(page, f);
}

void DatosTarvinelUi::placeFields(formgrid::Pairs &pairs, Tab tab, int group) const
{
    for (const datosfields::Field &f : datosfields::tab(tab)) {
        if (!placedByTable(f.kind) || f.cell.group != group)
            continue;
        QLabel *label = pairs.pair(f.cell.row, f.cell.column, QString::fromUtf16(f.label),
                                   control<QWidget>(f.control), f.cell.span);
        if (f.shape.wrapLabel)
            formgrid::wrapped(label);
    }
}

formgrid::Pairs DatosTarvinelUi::placedGroup(QWidget *page, QVBoxLayout *column, const QString &title,
                                             Tab tab, int group) const
{
    auto *box = formgrid::group(page, title);
    formgrid::Pairs pairs(box);
    placeFields(pairs, tab, group);
    column->addWidget(box);
    return pairs;
}
