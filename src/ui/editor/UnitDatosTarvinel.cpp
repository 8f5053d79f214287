#include "ui/editor/UnitDatosTarvinel.h"

#include "codes/CodeTableFile.h"
#include "model/RecordTable.h"
#include "platform/Boxes.h"
#include "ui/editor/PageControl.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "ui/widgets/WindowFont.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"
#include "util/TextUtils.h"

#include <QAbstractItemView>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString kWhole = QStringLiteral(",0;-,0");
const QString kTwoDecimals = QStringLiteral(",0.00;-,0.00");
const QString kDays = QStringLiteral(",0;-$,0");

const QString kEmptyPeriod = PictureEdit::emptyMonthYear();

QString toScreen(QByteArrayView bytes)
{
    return cp1252::toUnicode(bytes);
}

QByteArray bytes(const QString &text)
{
    return cp1252::fromUnicode(text);
}

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Fields are as wide as what they hold, measured in the editor's font, so that columns stay even.
int widthFor(const QWidget *widget, const char *sample, int extra)
{
    return widget->fontMetrics().horizontalAdvance(QLatin1String(sample)) + extra;
}

UpperCaseEdit *textBox(QWidget *parent, const char *name, int limit)
{
    auto *edit = named(new UpperCaseEdit(limit, parent), name);
    edit->setMinimumWidth(widthFor(edit, "MMMMMMMM", 12));
    return edit;
}

UpperCaseEdit *checkCharacter(QWidget *parent, const char *name)
{
    auto *edit = named(new UpperCaseEdit(1, parent), name);
    edit->setFixedWidth(widthFor(edit, "MM", 10));
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

UpperCaseEdit *countBox(QWidget *parent, const char *name, int limit)
{
    auto *edit = named(new UpperCaseEdit(limit, parent), name);
    edit->setFixedWidth(widthFor(edit, "9999", 12));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

PictureEdit *picture(QWidget *parent, const char *name, PictureEdit::Picture kind)
{
    auto *edit = named(new PictureEdit(kind, parent), name);
    edit->setFixedWidth(kind == PictureEdit::Picture::Digits ? widthFor(edit, "99999999999", 12)
                                                             : widthFor(edit, "99/99999", 12));
    return edit;
}

CurrencyEdit *amount(QWidget *parent, const char *name, const QString &format = kWhole)
{
    auto *edit = named(new CurrencyEdit(parent), name);
    edit->setDisplayFormat(format);
    edit->setFixedWidth(widthFor(edit, "999.999.999", 12));
    return edit;
}

DateEdit *dateBox(QWidget *parent, const char *name)
{
    auto *edit = named(new DateEdit(parent), name);
    // Room for the calendar button at the right.
    edit->setFixedWidth(widthFor(edit, "99/99/99999", 12 + edit->fontMetrics().height() + 8));
    return edit;
}

CodeComboBox *codeBox(QWidget *parent, const char *name)
{
    auto *box = named(new CodeComboBox(parent), name);
    // Long descriptions must not widen the window: the list pops up as wide as it needs.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    box->view()->setTextElideMode(Qt::ElideNone);
    return box;
}

RadioGroup *radioGroup(QWidget *parent, const char *name, const QString &caption, const QStringList &items,
                       int columns)
{
    auto *group = named(new RadioGroup(caption, items, columns, parent), name);
    if (QLayout *buttons = group->layout())
        buttons->setContentsMargins(8, 2, 8, 2);
    return group;
}

constexpr int kSpacing = 6;

QVBoxLayout *pageColumn(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    column->setSpacing(kSpacing);
    return column;
}

QFrame *panel(QWidget *page)
{
    auto *frame = new QFrame(page);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QGroupBox *group(QWidget *page, const QString &title)
{
    return new QGroupBox(title, page);
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

// A long label on two lines keeps its column as narrow as the others.
void wrapped(QLabel *label)
{
    label->setWordWrap(true);
    const int width = label->fontMetrics().horizontalAdvance(label->text()) * 2 / 3;
    label->setFixedWidth(width);
    // The grid sizes its rows from height hints, not from heights for a width.
    label->setMinimumHeight(label->heightForWidth(width));
}

// A grid of label and field pairs; pair column c takes grid columns 2c (label) and 2c + 1 (field).
class Pairs {
public:
    explicit Pairs(QWidget *owner) : m_grid(new QGridLayout(owner))
    {
        m_grid->setContentsMargins(8, 4, 8, 6);
        m_grid->setHorizontalSpacing(kSpacing);
        m_grid->setVerticalSpacing(3);
    }

    QGridLayout *grid() const { return m_grid; }

    // A field spanning `span` pair columns also takes the cells of the pairs it covers.
    QLabel *pair(int row, int column, const QString &text, QWidget *field, int span = 1)
    {
        QLabel *label = buddyLabel(text, field);
        m_grid->addWidget(label, row, 2 * column);
        const Qt::Alignment align = field->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed
                                        ? Qt::AlignLeft | Qt::AlignVCenter
                                        : Qt::Alignment();
        m_grid->addWidget(field, row, 2 * column + 1, 1, 2 * span - 1, align);
        return label;
    }
    // A label for `buddy` and, in the field cell, a row of fields that holds it.
    QLabel *pair(int row, int column, const QString &text, QWidget *buddy, QLayout *fields, int span = 1)
    {
        QLabel *label = buddyLabel(text, buddy);
        m_grid->addWidget(label, row, 2 * column);
        m_grid->addLayout(fields, row, 2 * column + 1, 1, 2 * span - 1);
        return label;
    }
    // A widget over the label and field cells of `span` pair columns.
    void whole(int row, int column, QWidget *widget, int span = 1, int rows = 1)
    {
        m_grid->addWidget(widget, row, 2 * column, rows, 2 * span);
    }

private:
    QGridLayout *m_grid;
};

// Two fields side by side in one field cell, the second with a label of its own: "[] Hasta []".
QHBoxLayout *twoFields(QWidget *first, const QString &secondLabel, QWidget *second)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    row->addWidget(first);
    row->addWidget(buddyLabel(secondLabel, second));
    row->addWidget(second);
    row->addStretch(1);
    return row;
}

// The group boxes of one tab line their columns up: each column as wide as its widest cell in any
// of them.
void alignColumns(const QList<QGridLayout *> &grids)
{
    QList<int> widths;
    for (const QGridLayout *grid : grids) {
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            if (columnSpan != 1)
                continue;
            const QLayoutItem *item = grid->itemAt(i);
            const int width = item->widget() && item->widget()->maximumWidth() < QWIDGETSIZE_MAX
                                  ? std::min(item->sizeHint().width(), item->widget()->maximumWidth())
                                  : item->sizeHint().width();
            if (widths.size() <= column)
                widths.resize(column + 1);
            widths[column] = std::max(widths[column], width);
        }
    }
    // Only an empty column after the last takes the room to spare, so that no column of one grid
    // grows without the same column of the others.
    for (QGridLayout *grid : grids) {
        for (int column = 0; column < widths.size(); ++column) {
            grid->setColumnMinimumWidth(column, widths[column]);
            grid->setColumnStretch(column, 0);
        }
        grid->setColumnStretch(int(widths.size()), 1);
    }
}

const std::array<const char16_t *, 4> kTabTitles = {
    u"Datos Trabajador",
    u"Datos AFP - APVI - APVC",
    u"Datos Afi. Voluntario - INP - Salud",
    u"Datos CCAF - Mutual - Cesantía - Centro Costo",
};

const char *const kMovVolunBuiltIn = "10 Cese Cotiza. Afiliado Voluntario";

// Read as a number; a text field that does not read leaves the box at 0.
double numberOf(const FieldRef &field)
{
    try {
        return field.asNumber();
    } catch (const AppError &) {
        return 0;
    }
}

} // namespace

TFrmDatosTarvinel::TFrmDatosTarvinel(RecordTable &table, bool addMode, QWidget *parent, QDate today)
    : QDialog(parent), m_table(table), m_addMode(addMode), m_today(today)
{
    setWindowTitle(QStringLiteral("Modificar Datos"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Before any control is made: their widths are measured in it.
    setFont(windowFont());

    PageControl1 = named(new PageControl(this), "PageControl1");
    PageControl1->addPage(buildTrabajador(), QString::fromUtf16(kTabTitles[TabTrabajador]));
    PageControl1->addPage(buildAfp(), QString::fromUtf16(kTabTitles[TabAfp]));
    PageControl1->addPage(buildVoluntario(), QString::fromUtf16(kTabTitles[TabVoluntario]));
    PageControl1->addPage(buildCcaf(), QString::fromUtf16(kTabTitles[TabCcaf]));
    connect(PageControl1, &PageControl::currentChanged, this, &TFrmDatosTarvinel::PageControl1Change);

    BitBtn1 = named(new QPushButton(QStringLiteral("&Aceptar"), this), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("&Cancelar"), this), "BitBtn2");
    for (QPushButton *button : {BitBtn1, BitBtn2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Cancelar")) + 40);
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TFrmDatosTarvinel::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFrmDatosTarvinel::BitBtn2Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(12);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);

    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(6, 6, 6, 8);
    form->setSpacing(8);
    form->addWidget(PageControl1, 1);
    form->addLayout(buttons);

    orderTabs();

    // The designed size, grown with the font's resolution and to whatever the controls need.
    const qreal scale = logicalDpiY() / 96.0;
    resize(QSize(qRound(544 * scale), qRound(505 * scale)).expandedTo(minimumSizeHint()));

    FormCreate();
}

TFrmDatosTarvinel::~TFrmDatosTarvinel() = default;

QWidget *TFrmDatosTarvinel::buildTrabajador()
{
    auto *page = new QWidget(this);
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
    CuEdDiasTrab = amount(page, "CuEdDiasTrab", kDays);
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

QWidget *TFrmDatosTarvinel::buildAfp()
{
    auto *page = new QWidget(this);
    auto *column = pageColumn(page);

    CBxAfp = codeBox(page, "CBxAfp");
    CuEdImpoAFP = amount(page, "CuEdImpoAFP");
    CuEdCotizaAfp = amount(page, "CuEdCotizaAfp");
    CuEdAporteSIS = amount(page, "CuEdAporteSIS");
    CuEdAhorroAfp = amount(page, "CuEdAhorroAfp");
    CuEdRentaImpSust = amount(page, "CuEdRentaImpSust");
    CuEdTasaPacSust = amount(page, "CuEdTasaPacSust");
    CuEdAporteIndemSust = amount(page, "CuEdAporteIndemSust");
    CuEdPeriSust = amount(page, "CuEdPeriSust");
    DEdPerDesdeSust = dateBox(page, "DEdPerDesdeSust");
    DEdPerHastaSust = dateBox(page, "DEdPerHastaSust");
    EdTrabPesado = textBox(page, "EdTrabPesado", 40);
    CuEdPorTrabPesado = amount(page, "CuEdPorTrabPesado", kTwoDecimals);
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

QWidget *TFrmDatosTarvinel::buildVoluntario()
{
    auto *page = new QWidget(this);
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
    CuEdPerCotizaVolun = amount(page, "CuEdPerCotizaVolun", kDays);
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
    CuEdTasaCaja = amount(page, "CuEdTasaCaja", kTwoDecimals);
    CuedImpoFonasa = amount(page, "CuedImpoFonasa");
    CuEdCotizaInp = amount(page, "CuEdCotizaInp");
    CBxCodCajaDesa = codeBox(page, "CBxCodCajaDesa");
    CuEdTasaDesa = amount(page, "CuEdTasaDesa", kTwoDecimals);
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
    CuEdNumeroFun = amount(page, "CuEdNumeroFun");
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

QWidget *TFrmDatosTarvinel::buildCcaf()
{
    auto *page = new QWidget(this);
    auto *column = pageColumn(page);

    CBxCodigoCcaf = codeBox(page, "CBxCodigoCcaf");
    CuEdImpoCCAF = amount(page, "CuEdImpoCCAF");
    CuEdCredPerso = amount(page, "CuEdCredPerso");
    CuEdDescDental = amount(page, "CuEdDescDental");
    CuEdDescLeas = amount(page, "CuEdDescLeas");
    CuEdSeguroVida = amount(page, "CuEdSeguroVida");
    CuEdOtrosDesc = amount(page, "CuEdOtrosDesc");
    CuEdCotizaCCAF = amount(page, "CuEdCotizaCCAF");
    CuEdCarFamCcaf = amount(page, "CuEdCarFamCcaf");
    CuEdOtrosCCAF1 = amount(page, "CuEdOtrosCCAF1");
    CuEdOtrosCCAF2 = amount(page, "CuEdOtrosCCAF2");
    CuEdBonoGobCCAF = amount(page, "CuEdBonoGobCCAF");
    EdSucurCCAF = textBox(page, "EdSucurCCAF", 20);

    auto *ccaf = group(page, QStringLiteral("Datos CCAF"));
    Pairs c(ccaf);
    c.pair(0, 0, QStringLiteral("Código CCAF"), CBxCodigoCcaf, 2);
    c.pair(1, 0, QStringLiteral("Imponible"), CuEdImpoCCAF);
    c.pair(1, 1, QStringLiteral("Créd. Personales"), CuEdCredPerso);
    c.pair(1, 2, QStringLiteral("Desc. Dental"), CuEdDescDental);
    c.pair(2, 0, QStringLiteral("Desc. por Leassing"), CuEdDescLeas);
    c.pair(2, 1, QStringLiteral("Seguro de Vida"), CuEdSeguroVida);
    c.pair(2, 2, QStringLiteral("Otros Desc."), CuEdOtrosDesc);
    c.pair(3, 0, QStringLiteral("Cotización a CCAF"), CuEdCotizaCCAF);
    c.pair(3, 1, QStringLiteral("Cargas Fam."), CuEdCarFamCcaf);
    c.pair(3, 2, QStringLiteral("Otros Desc. 1"), CuEdOtrosCCAF1);
    c.pair(4, 0, QStringLiteral("Otros Desc. 2"), CuEdOtrosCCAF2);
    c.pair(4, 1, QStringLiteral("Bono Gobierno"), CuEdBonoGobCCAF);
    c.pair(5, 0, QStringLiteral("Sucursal CCAF"), EdSucurCCAF, 2);
    column->addWidget(ccaf);

    CBxMutual = codeBox(page, "CBxMutual");
    CuEdImpoMutual = amount(page, "CuEdImpoMutual");
    CuEdCotMutual = amount(page, "CuEdCotMutual");
    CuEdSucursal = amount(page, "CuEdSucursal");
    CuEdSucursal->setCharLimit(3);

    auto *mutual = group(page, QStringLiteral("Datos Mutual de Seguridad"));
    Pairs m(mutual);
    m.pair(0, 0, QStringLiteral("Código Mutual"), CBxMutual, 2);
    m.pair(1, 0, QStringLiteral("Imponible"), CuEdImpoMutual);
    m.pair(1, 1, QStringLiteral("Cot. Mutual"), CuEdCotMutual);
    m.pair(1, 2, QStringLiteral("Sucursal"), CuEdSucursal);
    column->addWidget(mutual);

    CuEdImpoCesantia = amount(page, "CuEdImpoCesantia");
    CuEdAporteTrab = amount(page, "CuEdAporteTrab");
    CuEdAporteEmp = amount(page, "CuEdAporteEmp");

    auto *cesantia = group(page, QStringLiteral("Datos Adm. Fondos de Cesantía"));
    Pairs s(cesantia);
    s.pair(0, 0, QStringLiteral("Imponible Seg. Cesantía"), CuEdImpoCesantia);
    s.pair(0, 1, QStringLiteral("Aporte Trabajador"), CuEdAporteTrab);
    s.pair(0, 2, QStringLiteral("Aporte Empleador"), CuEdAporteEmp);
    column->addWidget(cesantia);

    EdRutPagSub = picture(page, "EdRutPagSub", PictureEdit::Picture::Digits);
    EdDVPagSub = checkCharacter(page, "EdDVPagSub");
    EdCentroCosto = textBox(page, "EdCentroCosto", 20);

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
    rut->addWidget(EdDVPagSub);
    rut->addStretch(1);
    p.pair(0, 0, QStringLiteral("RUT"), EdRutPagSub, rut);
    p.grid()->setColumnStretch(1, 1);

    auto *centro = group(page, QStringLiteral("Datos Centro de Costo, Sucursal o Región"));
    Pairs k(centro);
    k.pair(0, 0, QStringLiteral("Centro Costo"), EdCentroCosto);
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

void TFrmDatosTarvinel::orderTabs()
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

void TFrmDatosTarvinel::FormCreate()
{
    PageControl1->setCurrentIndex(TabTrabajador);

    const QString path = programinfo::codeTableFilePath();
    for (int i = 0; i < codesections::kCount; ++i)
        m_codes[std::size_t(i)] = readSection(path, QByteArrayView(codesections::at(i).name));

    const auto entries = [this](CodeTable table) { return codes(table); };
    CBxTipoPago->setEntries(entries(CodeTable::TipoPago));
    CBxTTrabajador->setEntries(entries(CodeTable::TipoTrabajador));
    CBxMovPersonal->setEntries(entries(CodeTable::MovimientoPersonal));
    CBxTramoFam->setEntries(entries(CodeTable::TramoFamiliar));
    CBxAfp->setEntries(entries(CodeTable::NombreAfp));
    CBxAfpVolun->setEntries(entries(CodeTable::NombreAfp));
    CBxCodCajaReg->setEntries(entries(CodeTable::CodigoCaja));
    CBxCodCajaDesa->setEntries(entries(CodeTable::CodigoCaja));
    CBxIsapre->setEntries(entries(CodeTable::Isapres));
    CBxCodigoCcaf->setEntries(entries(CodeTable::Ccaf));
    CBxMutual->setEntries(entries(CodeTable::Mutual));
    CBxApvi->setEntries(entries(CodeTable::Apv));
    CBxAPVC->setEntries(entries(CodeTable::Apv));
    CBxMovVolun->setEntries(entriesOf(CBxMovVolun, CodeTable::MovimientoVoluntario));
    CBxTipoLinea->setEntries(entries(CodeTable::TipoLinea));

    // The start states of the screen.
    RGpSexo->setItemIndex(-1);
    RGNacionalidad->setItemIndex(0);
    RGpRegPrevi->setItemIndex(0);
    RGSubsiTrabajador->setItemIndex(1);
    RGFormaPagoAPVI->setItemIndex(-1);
    RGFormaPAgoAPVC->setItemIndex(-1);
    RGpMonedaPlan->setItemIndex(-1);

    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->setTabHighlighted(i, true);
    PageControl1Change();
}

void TFrmDatosTarvinel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        FormShow();
    }
}

void TFrmDatosTarvinel::FormShow()
{
    m_period = editorcodes::periodOf(m_today.isValid() ? m_today : QDate::currentDate());
    if (m_addMode)
        loadDefaults();
    else
        loadFromLine();
    EdRut->setFocus(Qt::OtherFocusReason);
}

void TFrmDatosTarvinel::PageControl1Change()
{
    for (int i = 0; i < PageControl1->count(); ++i)
        PageControl1->setTabHighlighted(i, i != PageControl1->currentIndex());
}

void TFrmDatosTarvinel::loadDefaults()
{
    RGpSexo->setItemIndex(0);
    CBxTipoPago->setCurrentIndex(0);
    EdPerDesde->setValue(toScreen(editorcodes::periodValue(m_period)));
    EdPerHasta->setValue(QString());
    CBxTTrabajador->setCurrentIndex(0);
    CBxMovPersonal->setCurrentIndex(0);
    CBxTramoFam->setCurrentIndex(3);
    for (UpperCaseEdit *count : {EdCargasSimples, EdCargasMater, EdCargasInva})
        count->setText(QStringLiteral("0"));
    CBxAfp->setCurrentIndex(0);
    CBxCodCajaReg->setCurrentIndex(0);
    CBxCodCajaDesa->setCurrentIndex(0);
    CBxIsapre->setCurrentIndex(5);
    RGpMonedaPlan->setItemIndex(0);
    CBxCodigoCcaf->setCurrentIndex(5);
    CBxMutual->setCurrentIndex(3);
    CBxApvi->setCurrentIndex(0);
}

FieldRef TFrmDatosTarvinel::field(const char *name)
{
    return m_table.fieldByName(QByteArrayView(name));
}

void TFrmDatosTarvinel::showCode(CodeComboBox *box, CodeTable table, const char *name)
{
    QByteArray entry;
    try {
        if (table == CodeTable::TramoFamiliar)
            BuscaCodigoTexto(codes(table), codesections::width(table), field(name).asText(), entry);
        else
            BuscaCodigo(entriesOf(box, table), codesections::width(table), field(name).asText(), entry);
    } catch (const AppError &) {
        entry.clear(); // an unreadable code, stored or in the table, shows no entry
    }
    const int index =
        entry.isEmpty() ? -1 : box->findText(toScreen(entry), Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(toScreen(entry));
}

QList<QByteArray> TFrmDatosTarvinel::entriesOf(const CodeComboBox *box, CodeTable table) const
{
    if (box != CBxMovVolun)
        return codes(table);
    return QList<QByteArray>{QByteArray(kMovVolunBuiltIn)} + codes(table);
}

void TFrmDatosTarvinel::loadFromLine()
{
    const auto text = [this](const char *name) { return toScreen(field(name).asText()); };
    const auto textInto = [&](UpperCaseEdit *box, const char *name) { box->setText(text(name)); };
    const auto numberInto = [this](CurrencyEdit *box, const char *name) {
        box->setValue(numberOf(field(name)));
    };
    const auto dateInto = [this](DateEdit *box, const char *name) {
        box->setDate(editorcodes::storedDate(field(name).asText()));
    };

    EdRut->setValue(text("rut"));
    textInto(EdDV, "dv");
    RGpSexo->setItemIndex(field("sexo").asText() == "F" ? 0 : 1);
    textInto(EdApepat, "ape_pat");
    textInto(EdApeMat, "ape_mat");
    textInto(EdNombres, "nombres");
    RGNacionalidad->setItemIndex(field("nacion").asText() == "1" ? 1 : 0);

    showCode(CBxTipoPago, CodeTable::TipoPago, "tipo_pago");
    EdPerDesde->setValue(text("remu_desde"));
    // A single blank is an open period: the box keeps its empty mask.
    if (field("remu_hasta").asText() != " ")
        EdPerHasta->setValue(text("remu_hasta"));
    const QByteArray regimen = field("reg_previ").asText();
    RGpRegPrevi->setItemIndex(regimen == "AFP" ? 0 : regimen == "IPS" ? 1 : 2);
    showCode(CBxTTrabajador, CodeTable::TipoTrabajador, "tipo_trab");
    numberInto(CuEdDiasTrab, "dias_trab");
    showCode(CBxTipoLinea, CodeTable::TipoLinea, "tipo_linea");
    showCode(CBxMovPersonal, CodeTable::MovimientoPersonal, "cod_mov");
    dateInto(DEdMovDesde, "Fecha_Desde");
    dateInto(DEdMovHasta, "Fecha_Hasta");
    showCode(CBxTramoFam, CodeTable::TramoFamiliar, "Tramo_Fam");
    textInto(EdCargasSimples, "num_car_sim");
    textInto(EdCargasMater, "num_car_mat");
    textInto(EdCargasInva, "num_car_inv");
    numberInto(CuEdAsigFamiliar, "asig_fam");
    numberInto(CuEdAsigRetro, "asig_fam_ret");
    numberInto(CuEdReintegro, "reint_cargas");
    RGSubsiTrabajador->setItemIndex(field("sub_trab_jov").asText() == "S" ? 0 : 1);

    showCode(CBxAfp, CodeTable::NombreAfp, "nom_AFP");
    numberInto(CuEdImpoAFP, "impo_afp");
    numberInto(CuEdCotizaAfp, "cot_obli_afp");
    numberInto(CuEdAporteSIS, "aporte_sis");
    numberInto(CuEdAhorroAfp, "ahorro_afp");
    numberInto(CuEdRentaImpSust, "sust_afp");
    numberInto(CuEdTasaPacSust, "tasa_pac_afp");
    numberInto(CuEdAporteIndemSust, "aporte_indem");
    numberInto(CuEdPeriSust, "num_per_sust");
    dateInto(DEdPerDesdeSust, "per_desde_sust");
    dateInto(DEdPerHastaSust, "per_hasta_sust");
    textInto(EdTrabPesado, "trab_pesado");
    numberInto(CuEdPorTrabPesado, "porc_trab_pesado");
    numberInto(CuEdCotTrabPesado, "cot_trab_pesado");
    showCode(CBxApvi, CodeTable::Apv, "inst_apvi");
    textInto(EdContratoApvi, "num_contra_apvi");
    RGFormaPagoAPVI->setItemIndex(field("forma_pago_apvi").asText() == "2" ? 1 : 0);
    numberInto(CuEdCotAPVI, "cotiza_apvi");
    numberInto(CuEdDepConveniAPVI, "cot_dep_conv");
    showCode(CBxAPVC, CodeTable::Apv, "inst_apvc");
    textInto(EdContratoAPVC, "num_contra_apvc");
    RGFormaPAgoAPVC->setItemIndex(field("forma_pago_apvc").asText() == "2" ? 1 : 0);
    numberInto(CuEdCotAPVC, "cotiza_apvc");
    numberInto(CuEdCotEmpleador, "cot_emp_apvc");

    PFRutAfiVol->setValue(text("rut_afi_volun"));
    textInto(EdDVAfiVol, "dv_afi_volun");
    textInto(EdApePatVolun, "ape_pat_volun");
    textInto(EdApeMatVolun, "ape_mat_volun");
    textInto(EdNombreVolun, "nombre_volun");
    // Looked up like the other codes. Showing the built-in entry for any stored code would store its
    // 10 over every other code when the line is accepted; an unknown code now shows an empty box,
    // which saving leaves as it was.
    showCode(CBxMovVolun, CodeTable::MovimientoVoluntario, "cod_mov_per_volun");
    dateInto(DEdDesdeVolun, "fec_desde_volun");
    dateInto(DEdHastaVolun, "fec_hasta_volun");
    showCode(CBxAfpVolun, CodeTable::NombreAfp, "cod_afp_volun");
    numberInto(CuEdCapiVolun, "monto_cap_volun");
    numberInto(CuEdAhoVolun, "monto_aho_vol");
    numberInto(CuEdPerCotizaVolun, "num_per_cotiza");
    showCode(CBxCodCajaReg, CodeTable::CodigoCaja, "cod_ex_caja");
    numberInto(CuEdTasaCaja, "tasa_ex_caja");
    numberInto(CuedImpoFonasa, "renta_imp_fonasa");
    numberInto(CuEdCotizaInp, "cot_INP");
    showCode(CBxCodCajaDesa, CodeTable::CodigoCaja, "cod_ex_caja_des");
    numberInto(CuEdTasaDesa, "tasa_ex_caja_des");
    numberInto(CuEdCotizaDesa, "cot_desahucio");
    numberInto(CuEdRentaImpDes, "Renta_imp_des");
    numberInto(CuEdCotFonasa, "cotiza_fonasa");
    numberInto(CuEdAccidentes, "cot_acc_trab_inp");
    numberInto(CuEdLey, "boni_ley");
    numberInto(CuEdDescCargas, "desc_cargas_fam_inp");
    numberInto(CuEdBonoGob, "bonos_gob");
    showCode(CBxIsapre, CodeTable::Isapres, "cod_inst_salud");
    numberInto(CuEdNumeroFun, "num_FUN");
    numberInto(CuedImpoSalud, "impo_isapre");
    try {
        RGpMonedaPlan->setItemIndex(field("moneda_plan").asNumber() == 1 ? 0 : 1);
    } catch (const AppError &) {
        RGpMonedaPlan->setItemIndex(-1);
    }
    const double pactada = numberOf(field("cot_pactada"));
    // A fraction of a UF must show; a negative one too, so any fraction counts.
    if (pactada != std::trunc(pactada))
        CuEdCotPactada->setDisplayFormat(kTwoDecimals);
    CuEdCotPactada->setValue(pactada);
    numberInto(CuEdCotizaIsap, "cot_obli_isa");
    numberInto(CuEdCotAdicio, "cot_ad_vol");
    numberInto(CuEdMontoGes, "monto_ges");

    showCode(CBxCodigoCcaf, CodeTable::Ccaf, "cod_CCAF");
    numberInto(CuEdImpoCCAF, "impo_ccaf");
    numberInto(CuEdCredPerso, "Cred_per_CCAF");
    numberInto(CuEdDescDental, "Desc_Dental");
    numberInto(CuEdDescLeas, "desc_leassing");
    numberInto(CuEdSeguroVida, "desc_seg_vida");
    numberInto(CuEdOtrosDesc, "otros_desc_ccaf");
    numberInto(CuEdCotizaCCAF, "cot_CCAF");
    numberInto(CuEdCarFamCcaf, "Desc_Car_fam");
    numberInto(CuEdOtrosCCAF1, "otros_desc_ccaf1");
    numberInto(CuEdOtrosCCAF2, "otros_desc_ccaf2");
    numberInto(CuEdBonoGobCCAF, "bono_gob_ccaf");
    textInto(EdSucurCCAF, "cod_sucur_ccaf");
    showCode(CBxMutual, CodeTable::Mutual, "cod_mutual");
    numberInto(CuEdImpoMutual, "impo_mutual");
    numberInto(CuEdCotMutual, "cotiza_mutual");
    numberInto(CuEdSucursal, "sucur_mutual");
    numberInto(CuEdImpoCesantia, "Renta_impo_SC");
    numberInto(CuEdAporteTrab, "Aporte_trab_SC");
    numberInto(CuEdAporteEmp, "aporte_emp_SC");
    EdRutPagSub->setValue(text("rut_pag_subs"));
    textInto(EdDVPagSub, "dv_pag_subs");
    textInto(EdCentroCosto, "centro_costo");
}

bool TFrmDatosTarvinel::checkEntries()
{
    const auto fail = [this](const QString &message, QWidget *focus) {
        refuse(Stop{TabTrabajador, message, focus});
        return false;
    };
    if (EdRut->value().isEmpty())
        return fail(QStringLiteral("Debe ingresar el rut del empleado"), EdRut);
    if (EdDV->text().isEmpty())
        return fail(QStringLiteral("Debe ingresar el digito verificador del Rut"), EdDV);
    if (!ValidaRut(bytes(EdRut->value() + EdDV->text())))
        return fail(QStringLiteral("El Digito verificador no corresponde al Rut"), EdDV);
    if (EdApepat->text().isEmpty())
        return fail(QStringLiteral("Ingrese el apellido paterno"), EdApepat);
    if (EdApeMat->text().isEmpty())
        return fail(QStringLiteral("Ingrese el apellido materno"), EdApeMat);
    if (EdNombres->text().isEmpty())
        return fail(QStringLiteral("Ingrese el nombre del empleado"), EdNombres);
    if (editorcodes::tooManyCargasSimples(bytes(EdCargasSimples->text())))
        return fail(QStringLiteral("El número de cargas simples no puede ser mayor a 13"), EdCargasSimples);
    return true;
}

void TFrmDatosTarvinel::refuse(const Stop &stop)
{
    if (stop.tab >= 0)
        PageControl1->setCurrentIndex(stop.tab);
    boxes::note(this, stop.message);
    if (stop.focus)
        stop.focus->setFocus(Qt::OtherFocusReason);
}

double TFrmDatosTarvinel::code(CodeComboBox *box, CodeTable table, const Stop &stop) const
{
    const std::optional<double> value = editorcodes::codeOf(box->currentBytes(), codesections::width(table));
    if (!value)
        throw stop;
    return *value;
}

void TFrmDatosTarvinel::copyToLine()
{
    const auto setText = [this](const char *name, const QByteArray &value) { field(name).setText(value); };
    const auto textFrom = [this](const char *name, const QLineEdit *box) {
        field(name).setText(bytes(box->text()));
    };
    const auto numberFrom = [this](const char *name, const CurrencyEdit *box) {
        field(name).setNumber(box->value());
    };
    const auto dateFrom = [this](const char *name, const DateEdit *box) {
        // An empty box leaves the stored date as it was.
        if (!box->isEmpty())
            field(name).setText(bytes(box->text()));
    };
    const auto choice = [](const RadioGroup *group, int index, const char *chosen, const char *other) {
        return QByteArray(group->itemIndex() == index ? chosen : other);
    };
    const auto period = [](const PictureEdit *box) { return QuitaCaracter(bytes(box->value()), "/"); };
    const Stop montoEnBlanco{-1, QStringLiteral("No debe haber un monto en blanco"), nullptr};

    setText("rut", bytes(EdRut->value()));
    textFrom("dv", EdDV);
    textFrom("ape_pat", EdApepat);
    textFrom("ape_mat", EdApeMat);
    textFrom("nombres", EdNombres);
    setText("sexo", choice(RGpSexo, 0, "F", "M"));
    setText("nacion", choice(RGNacionalidad, 1, "1", "0"));

    field("tipo_pago")
        .setNumber(code(CBxTipoPago, CodeTable::TipoPago,
                        Stop{TabTrabajador, QStringLiteral("El Tipo de Pago está vacio"), CBxTipoPago}));
    setText("remu_desde", period(EdPerDesde));
    setText("remu_hasta", EdPerHasta->value() == kEmptyPeriod ? QByteArray("000000") : period(EdPerHasta));
    setText("reg_previ", RGpRegPrevi->itemIndex() == 0   ? QByteArray("AFP")
                         : RGpRegPrevi->itemIndex() == 1 ? QByteArray("IPS")
                                                         : QByteArray("SIP"));
    field("tipo_trab")
        .setNumber(code(CBxTTrabajador, CodeTable::TipoTrabajador,
                        Stop{TabTrabajador, QStringLiteral("El Tipo de Trabajador no debe quedar en blanco"),
                             CBxTTrabajador}));
    numberFrom("dias_trab", CuEdDiasTrab);
    setText("tipo_linea", CBxTipoLinea->currentBytes());
    field("cod_mov").setNumber(
        code(CBxMovPersonal, CodeTable::MovimientoPersonal,
             Stop{TabTrabajador, QStringLiteral("El Código Movimiento Personal no debe quedar en blanco"),
                  CBxMovPersonal}));
    dateFrom("Fecha_Desde", DEdMovDesde);
    dateFrom("Fecha_Hasta", DEdMovHasta);
    setText("Tramo_Fam", CBxTramoFam->currentBytes().left(1));
    field("num_car_sim").setNumber(editorcodes::countValue(bytes(EdCargasSimples->text())));
    field("num_car_mat").setNumber(editorcodes::countValue(bytes(EdCargasMater->text())));
    field("num_car_inv").setNumber(editorcodes::countValue(bytes(EdCargasInva->text())));

    numberFrom("asig_fam", CuEdAsigFamiliar);
    numberFrom("asig_fam_ret", CuEdAsigRetro);
    numberFrom("reint_cargas", CuEdReintegro);
    setText("sub_trab_jov", choice(RGSubsiTrabajador, 0, "S", "N"));
    field("nom_AFP").setNumber(code(CBxAfp, CodeTable::NombreAfp, montoEnBlanco));
    numberFrom("impo_afp", CuEdImpoAFP);
    numberFrom("cot_obli_afp", CuEdCotizaAfp);
    numberFrom("aporte_sis", CuEdAporteSIS);
    numberFrom("ahorro_afp", CuEdAhorroAfp);
    numberFrom("sust_afp", CuEdRentaImpSust);
    numberFrom("tasa_pac_afp", CuEdTasaPacSust);
    numberFrom("aporte_indem", CuEdAporteIndemSust);
    numberFrom("num_per_sust", CuEdPeriSust);
    dateFrom("per_desde_sust", DEdPerDesdeSust);
    dateFrom("per_hasta_sust", DEdPerHastaSust);
    textFrom("trab_pesado", EdTrabPesado);
    numberFrom("porc_trab_pesado", CuEdPorTrabPesado);
    numberFrom("cot_trab_pesado", CuEdCotTrabPesado);

    setText("inst_apvi", CBxApvi->currentBytes().left(codesections::width(CodeTable::Apv)));
    textFrom("num_contra_apvi", EdContratoApvi);
    setText("forma_pago_apvi", choice(RGFormaPagoAPVI, 0, "1", "2"));
    numberFrom("cotiza_apvi", CuEdCotAPVI);
    numberFrom("cot_dep_conv", CuEdDepConveniAPVI);
    setText("inst_apvc", CBxAPVC->currentBytes().left(codesections::width(CodeTable::Apv)));
    textFrom("num_contra_apvc", EdContratoAPVC);
    setText("forma_pago_apvc", choice(RGFormaPAgoAPVC, 0, "1", "2"));
    numberFrom("cotiza_apvc", CuEdCotAPVC);
    numberFrom("cot_emp_apvc", CuEdCotEmpleador);

    setText("rut_afi_volun", bytes(PFRutAfiVol->value()));
    textFrom("dv_afi_volun", EdDVAfiVol);
    textFrom("ape_pat_volun", EdApePatVolun);
    textFrom("ape_mat_volun", EdApeMatVolun);
    textFrom("nombre_volun", EdNombreVolun);
    // Without a code the stored one stays.
    if (const auto movimiento = editorcodes::codeOf(CBxMovVolun->currentBytes(),
                                                    codesections::width(CodeTable::MovimientoVoluntario)))
        field("cod_mov_per_volun").setNumber(*movimiento);
    dateFrom("fec_desde_volun", DEdDesdeVolun);
    dateFrom("fec_hasta_volun", DEdHastaVolun);
    setText("cod_afp_volun", CBxAfpVolun->currentBytes().left(codesections::width(CodeTable::NombreAfp)));
    numberFrom("monto_cap_volun", CuEdCapiVolun);
    numberFrom("monto_aho_vol", CuEdAhoVolun);
    numberFrom("num_per_cotiza", CuEdPerCotizaVolun);
    field("cod_ex_caja").setNumber(code(CBxCodCajaReg, CodeTable::CodigoCaja, montoEnBlanco));
    numberFrom("tasa_ex_caja", CuEdTasaCaja);
    numberFrom("renta_imp_fonasa", CuedImpoFonasa);
    numberFrom("cot_INP", CuEdCotizaInp);
    numberFrom("Renta_imp_des", CuEdRentaImpDes);
    field("cod_ex_caja_des").setNumber(code(CBxCodCajaDesa, CodeTable::CodigoCaja, montoEnBlanco));
    numberFrom("tasa_ex_caja_des", CuEdTasaDesa);
    numberFrom("cot_desahucio", CuEdCotizaDesa);
    numberFrom("cotiza_fonasa", CuEdCotFonasa);
    numberFrom("cot_acc_trab_inp", CuEdAccidentes);
    numberFrom("boni_ley", CuEdLey);
    numberFrom("desc_cargas_fam_inp", CuEdDescCargas);
    numberFrom("bonos_gob", CuEdBonoGob);
    field("cod_inst_salud").setNumber(code(CBxIsapre, CodeTable::Isapres, montoEnBlanco));
    numberFrom("num_FUN", CuEdNumeroFun);
    numberFrom("impo_isapre", CuedImpoSalud);
    field("moneda_plan").setInteger(RGpMonedaPlan->itemIndex() == 0 ? 1 : 2);
    numberFrom("cot_pactada", CuEdCotPactada);
    numberFrom("cot_obli_isa", CuEdCotizaIsap);
    numberFrom("cot_ad_vol", CuEdCotAdicio);
    numberFrom("monto_ges", CuEdMontoGes);
    field("cod_CCAF").setNumber(code(CBxCodigoCcaf, CodeTable::Ccaf, montoEnBlanco));
    numberFrom("impo_ccaf", CuEdImpoCCAF);
    numberFrom("Cred_per_CCAF", CuEdCredPerso);
    numberFrom("Desc_Dental", CuEdDescDental);
    numberFrom("desc_leassing", CuEdDescLeas);
    numberFrom("desc_seg_vida", CuEdSeguroVida);
    numberFrom("otros_desc_ccaf", CuEdOtrosDesc);
    numberFrom("cot_CCAF", CuEdCotizaCCAF);
    numberFrom("Desc_Car_fam", CuEdCarFamCcaf);
    numberFrom("otros_desc_ccaf1", CuEdOtrosCCAF1);
    numberFrom("otros_desc_ccaf2", CuEdOtrosCCAF2);
    numberFrom("bono_gob_ccaf", CuEdBonoGobCCAF);
    textFrom("cod_sucur_ccaf", EdSucurCCAF);
    field("cod_mutual").setNumber(code(CBxMutual, CodeTable::Mutual, montoEnBlanco));
    numberFrom("impo_mutual", CuEdImpoMutual);
    numberFrom("cotiza_mutual", CuEdCotMutual);
    numberFrom("sucur_mutual", CuEdSucursal);

    numberFrom("Renta_impo_SC", CuEdImpoCesantia);
    numberFrom("Aporte_trab_SC", CuEdAporteTrab);
    numberFrom("aporte_emp_SC", CuEdAporteEmp);
    setText("rut_pag_subs", EdRutPagSub->isEmpty() ? QByteArray("0") : bytes(EdRutPagSub->value()));
    textFrom("dv_pag_subs", EdDVPagSub);
    textFrom("centro_costo", EdCentroCosto);
}

void TFrmDatosTarvinel::BitBtn1Click()
{
    if (!checkEntries())
        return;
    // Nothing of a refused save may stay in the table: every way out but the post cancels the
    // pending line, which drops an inserted line or gives an edited one its old values back.
    const auto abandon = [this] {
        if (m_table.isPending())
            m_table.cancel();
    };
    try {
        if (m_addMode)
            m_table.insert();
        else
            m_table.edit();
        copyToLine();
        m_table.post();
    } catch (const Stop &stop) {
        abandon();
        refuse(stop);
        return;
    } catch (const AppError &error) {
        abandon();
        boxes::error(this, error.message());
        return;
    } catch (...) {
        abandon();
        throw;
    }
    accept();
}

void TFrmDatosTarvinel::BitBtn2Click()
{
    reject();
}
