#include "ui/editor/UnitDatosTarvinel.h"

#include "codes/CodeLookup.h"
#include "codes/CodeTableFile.h"
#include "model/RecordTable.h"
#include "platform/ActionGuard.h"
#include "platform/Boxes.h"
#include "ui/editor/PageControl.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/FormFields.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "ui/widgets/WindowFont.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/ProgramInfo.h"
#include "util/TextUtils.h"

#include <QPushButton>
#include <QShowEvent>

#include <cmath>

namespace {

const char *const kMovVolunBuiltIn = "10 Cese Cotiza. Afiliado Voluntario";

QString toScreen(QByteArrayView bytes)
{
    return cp1252::toUnicode(bytes);
}

QByteArray bytes(const QString &text)
{
    return cp1252::fromUnicode(text);
}

// The code of a combo box's text, cut to the width of its table.
std::optional<double> codeIn(const CodeComboBox *box, CodeTable table)
{
    return codelookup::codeOf(box->currentBytes(), codesections::width(table));
}

// Cancels the table's pending line when it goes out of scope unposted, so that nothing of a refused
// save stays: an inserted line is dropped, an edited one gets its old values back.
class CancelUnposted {
public:
    explicit CancelUnposted(RecordTable &table) : m_table(table) {}
    CancelUnposted(const CancelUnposted &) = delete;
    CancelUnposted &operator=(const CancelUnposted &) = delete;
    ~CancelUnposted()
    {
        if (m_table.isPending())
            m_table.cancel();
    }

private:
    RecordTable &m_table;
};

} // namespace

TFrmDatosTarvinel::TFrmDatosTarvinel(RecordTable &table, bool ModoAgregar, QWidget *parent, QDate today)
    : QDialog(parent), m_table(table), m_ModoAgregar(ModoAgregar), m_today(today)
{
    setWindowTitle(QStringLiteral("Modificar Datos"));
    setWindowFlags(dialogkit::windowFlags());
    // Before any control is made: their widths are measured in it.
    setFont(windowFont());
    m_ui.setupUi(this);
    m_bindings = datosbindings::plainBindings(m_ui);

    connect(m_ui.PageControl1, &PageControl::currentChanged, this,
            [this] { guarded(this, [this] { PageControl1Change(); }); });
    connect(m_ui.BitBtn1, &QPushButton::clicked, this, &TFrmDatosTarvinel::BitBtn1Click);
    connect(m_ui.BitBtn2, &QPushButton::clicked, this, &TFrmDatosTarvinel::BitBtn2Click);

    // The designed size, grown with the font's resolution and to whatever the controls need.
    const qreal scale = logicalDpiY() / 96.0;
    resize(QSize(qRound(544 * scale), qRound(505 * scale)).expandedTo(minimumSizeHint()));

    FormCreate();
}

TFrmDatosTarvinel::~TFrmDatosTarvinel() = default;

void TFrmDatosTarvinel::FormCreate()
{
    m_ui.PageControl1->setCurrentIndex(DatosTarvinelUi::TabTrabajador);

    const QString path = programinfo::codeTableFilePath();
    for (int i = 0; i < codesections::kCount; ++i)
        m_codes[std::size_t(i)] = readSection(path, QByteArrayView(codesections::at(i).name));
    for (const datosbindings::CodeBinding &code : datosbindings::codeBindings(m_ui))
        code.box->setEntries(entriesOf(code.box, code.table));

    // The start states of the screen.
    m_ui.RGpSexo->setItemIndex(-1);
    m_ui.RGNacionalidad->setItemIndex(0);
    m_ui.RGpRegPrevi->setItemIndex(0);
    m_ui.RGSubsiTrabajador->setItemIndex(1);
    m_ui.RGFormaPagoAPVI->setItemIndex(-1);
    m_ui.RGFormaPAgoAPVC->setItemIndex(-1);
    m_ui.RGpMonedaPlan->setItemIndex(-1);

    for (int i = 0; i < m_ui.PageControl1->count(); ++i)
        m_ui.PageControl1->setTabHighlighted(i, true);
    PageControl1Change();
}

void TFrmDatosTarvinel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        guarded(this, [this] { FormShow(); });
    }
}

void TFrmDatosTarvinel::FormShow()
{
    m_period = entryconversions::periodOf(m_today.isValid() ? m_today : QDate::currentDate());
    if (m_ModoAgregar)
        loadDefaults();
    else
        loadFromLine();
    m_ui.EdRut->setFocus(Qt::OtherFocusReason);
}

void TFrmDatosTarvinel::PageControl1Change()
{
    for (int i = 0; i < m_ui.PageControl1->count(); ++i)
        m_ui.PageControl1->setTabHighlighted(i, i != m_ui.PageControl1->currentIndex());
}

void TFrmDatosTarvinel::loadDefaults()
{
    m_ui.RGpSexo->setItemIndex(0);
    codeBox("CBxTipoPago")->setCurrentIndex(0);
    m_ui.EdPerDesde->setValue(toScreen(entryconversions::periodValue(m_period)));
    m_ui.EdPerHasta->setValue(QString());
    codeBox("CBxTTrabajador")->setCurrentIndex(0);
    codeBox("CBxMovPersonal")->setCurrentIndex(0);
    codeBox("CBxTramoFam")->setCurrentIndex(3);
    for (UpperCaseEdit *count :
         {textBox("EdCargasSimples"), textBox("EdCargasMater"), textBox("EdCargasInva")})
        count->setText(QStringLiteral("0"));
    codeBox("CBxAfp")->setCurrentIndex(0);
    codeBox("CBxCodCajaReg")->setCurrentIndex(0);
    codeBox("CBxCodCajaDesa")->setCurrentIndex(0);
    codeBox("CBxIsapre")->setCurrentIndex(5);
    m_ui.RGpMonedaPlan->setItemIndex(0);
    codeBox("CBxCodigoCcaf")->setCurrentIndex(5);
    codeBox("CBxMutual")->setCurrentIndex(3);
    codeBox("CBxApvi")->setCurrentIndex(0);
}

CodeComboBox *TFrmDatosTarvinel::codeBox(const char *name) const
{
    return m_ui.control<CodeComboBox>(name);
}

UpperCaseEdit *TFrmDatosTarvinel::textBox(const char *name) const
{
    return m_ui.control<UpperCaseEdit>(name);
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
    if (box != codeBox("CBxMovVolun"))
        return codes(table);
    return QList<QByteArray>{QByteArray(kMovVolunBuiltIn)} + codes(table);
}

void TFrmDatosTarvinel::loadFromLine()
{
    const auto text = [this](const char *name) { return toScreen(field(name).asText()); };

    for (const datosbindings::Binding &binding : std::as_const(m_bindings))
        datosbindings::show(binding, field(binding.field));
    for (const datosbindings::CodeBinding &code : datosbindings::codeBindings(m_ui))
        showCode(code.box, code.table, code.field);

    m_ui.EdRut->setValue(text("rut"));
    m_ui.PFRutAfiVol->setValue(text("rut_afi_volun"));
    m_ui.EdRutPagSub->setValue(text("rut_pag_subs"));
    m_ui.EdPerDesde->setValue(text("remu_desde"));
    // A single blank is an open period: the box keeps its empty mask.
    if (field("remu_hasta").asText() != " ")
        m_ui.EdPerHasta->setValue(text("remu_hasta"));
    textBox("EdCargasSimples")->setStoredText(text("num_car_sim"));
    textBox("EdCargasMater")->setStoredText(text("num_car_mat"));
    textBox("EdCargasInva")->setStoredText(text("num_car_inv"));

    m_ui.RGpSexo->setItemIndex(field("sexo").asText() == "F" ? 0 : 1);
    m_ui.RGNacionalidad->setItemIndex(field("nacion").asText() == "1" ? 1 : 0);
    // The old public regime is written IPS by this program and INP by the service's own tables.
    m_storedRegimen = field("reg_previ").asText();
    const bool publico = m_storedRegimen == "IPS" || m_storedRegimen == "INP";
    m_ui.RGpRegPrevi->setItemIndex(m_storedRegimen == "AFP" ? 0 : publico ? 1 : 2);
    m_ui.RGSubsiTrabajador->setItemIndex(field("sub_trab_jov").asText() == "S" ? 0 : 1);
    m_ui.RGFormaPagoAPVI->setItemIndex(field("forma_pago_apvi").asText() == "2" ? 1 : 0);
    m_ui.RGFormaPAgoAPVC->setItemIndex(field("forma_pago_apvc").asText() == "2" ? 1 : 0);
    try {
        m_ui.RGpMonedaPlan->setItemIndex(field("moneda_plan").asNumber() == 1 ? 0 : 1);
    } catch (const AppError &) {
        m_ui.RGpMonedaPlan->setItemIndex(-1);
    }

    // A fraction of a UF must show; a negative one too, so any fraction counts.
    try {
        const double pactada = field("cot_pactada").asNumber();
        if (pactada != std::trunc(pactada))
            m_ui.control<CurrencyEdit>("CuEdCotPactada")->setDisplayFormat(formfields::twoDecimalsFormat());
    } catch (const AppError &) {
        // Not a number: the box shows 0, as a whole number.
    }
}

bool TFrmDatosTarvinel::checkEntries()
{
    const auto fail = [this](const QString &message, QWidget *focus) {
        refuse(Stop{DatosTarvinelUi::TabTrabajador, message, focus});
        return false;
    };
    if (m_ui.EdRut->value().isEmpty())
        return fail(QStringLiteral("Debe ingresar el rut del empleado"), m_ui.EdRut);
    if (textBox("EdDV")->text().isEmpty())
        return fail(QStringLiteral("Debe ingresar el digito verificador del Rut"), textBox("EdDV"));
    if (!ValidaRut(bytes(m_ui.EdRut->value() + textBox("EdDV")->text())))
        return fail(QStringLiteral("El Digito verificador no corresponde al Rut"), textBox("EdDV"));
    if (textBox("EdApepat")->text().isEmpty())
        return fail(QStringLiteral("Ingrese el apellido paterno"), textBox("EdApepat"));
    if (textBox("EdApeMat")->text().isEmpty())
        return fail(QStringLiteral("Ingrese el apellido materno"), textBox("EdApeMat"));
    if (textBox("EdNombres")->text().isEmpty())
        return fail(QStringLiteral("Ingrese el nombre del empleado"), textBox("EdNombres"));
    if (entryconversions::tooManyCargasSimples(bytes(textBox("EdCargasSimples")->text())))
        return fail(QStringLiteral("El número de cargas simples no puede ser mayor a 13"),
                    textBox("EdCargasSimples"));
    return true;
}

void TFrmDatosTarvinel::refuse(const Stop &stop)
{
    if (stop.tab >= 0)
        m_ui.PageControl1->setCurrentIndex(stop.tab);
    boxes::note(this, stop.message);
    if (stop.focus)
        stop.focus->setFocus(Qt::OtherFocusReason);
}

std::optional<TFrmDatosTarvinel::Stop> TFrmDatosTarvinel::copyToLine()
{
    const auto setText = [this](const char *name, const QByteArray &value) { field(name).setText(value); };
    // Stores the code of a box; false when its text holds none.
    const auto setCode = [this](const char *name, const CodeComboBox *box, CodeTable table) {
        const std::optional<double> code = codeIn(box, table);
        if (code)
            field(name).setNumber(*code);
        return code.has_value();
    };
    const auto choice = [](const RadioGroup *group, int index, const char *chosen, const char *other) {
        return QByteArray(group->itemIndex() == index ? chosen : other);
    };
    const auto period = [](const PictureEdit *box) { return QuitaCaracter(bytes(box->value()), "/"); };
    const auto onTrabajador = [](const char16_t *message, QWidget *focus) {
        return Stop{DatosTarvinelUi::TabTrabajador, QString::fromUtf16(message), focus};
    };
    const Stop montoEnBlanco{-1, QStringLiteral("No debe haber un monto en blanco"), nullptr};

    for (const datosbindings::Binding &binding : std::as_const(m_bindings))
        datosbindings::store(binding, field(binding.field));

    // The rest in the order of their rules, so that the first stop met is the one shown.
    setText("rut", bytes(m_ui.EdRut->value()));
    setText("sexo", choice(m_ui.RGpSexo, 0, "F", "M"));
    setText("nacion", choice(m_ui.RGNacionalidad, 1, "1", "0"));
    if (!setCode("tipo_pago", codeBox("CBxTipoPago"), CodeTable::TipoPago))
        return onTrabajador(u"El Tipo de Pago está vacio", codeBox("CBxTipoPago"));
    setText("remu_desde", period(m_ui.EdPerDesde));
    setText("remu_hasta", m_ui.EdPerHasta->value() == PictureEdit::emptyMonthYear()
                              ? QByteArray("000000")
                              : period(m_ui.EdPerHasta));
    const int regimen = m_ui.RGpRegPrevi->itemIndex();
    const QByteArray publico = m_storedRegimen == "INP" ? m_storedRegimen : QByteArray("IPS");
    setText("reg_previ", regimen == 0 ? QByteArray("AFP") : regimen == 1 ? publico : QByteArray("SIP"));
    if (!setCode("tipo_trab", codeBox("CBxTTrabajador"), CodeTable::TipoTrabajador))
        return onTrabajador(u"El Tipo de Trabajador no debe quedar en blanco", codeBox("CBxTTrabajador"));
    setText("tipo_linea", codeBox("CBxTipoLinea")->currentBytes());
    if (!setCode("cod_mov", codeBox("CBxMovPersonal"), CodeTable::MovimientoPersonal))
        return onTrabajador(u"El Código Movimiento Personal no debe quedar en blanco",
                            codeBox("CBxMovPersonal"));
    setText("Tramo_Fam", codeBox("CBxTramoFam")->currentBytes().left(1));
    // A count that is not a number ends the save with the conversion's error.
    field("num_car_sim").setNumber(entryconversions::countValue(bytes(textBox("EdCargasSimples")->text())));
    field("num_car_mat").setNumber(entryconversions::countValue(bytes(textBox("EdCargasMater")->text())));
    field("num_car_inv").setNumber(entryconversions::countValue(bytes(textBox("EdCargasInva")->text())));
    setText("sub_trab_jov", choice(m_ui.RGSubsiTrabajador, 0, "S", "N"));
    if (!setCode("nom_AFP", codeBox("CBxAfp"), CodeTable::NombreAfp))
        return montoEnBlanco;

    const int apvWidth = codesections::width(CodeTable::Apv);
    setText("inst_apvi", codeBox("CBxApvi")->currentBytes().left(apvWidth));
    setText("forma_pago_apvi", choice(m_ui.RGFormaPagoAPVI, 0, "1", "2"));
    setText("inst_apvc", codeBox("CBxAPVC")->currentBytes().left(apvWidth));
    setText("forma_pago_apvc", choice(m_ui.RGFormaPAgoAPVC, 0, "1", "2"));

    setText("rut_afi_volun", bytes(m_ui.PFRutAfiVol->value()));
    // Without a code the stored one stays.
    setCode("cod_mov_per_volun", codeBox("CBxMovVolun"), CodeTable::MovimientoVoluntario);
    setText("cod_afp_volun",
            codeBox("CBxAfpVolun")->currentBytes().left(codesections::width(CodeTable::NombreAfp)));
    if (!setCode("cod_ex_caja", codeBox("CBxCodCajaReg"), CodeTable::CodigoCaja)
        || !setCode("cod_ex_caja_des", codeBox("CBxCodCajaDesa"), CodeTable::CodigoCaja)
        || !setCode("cod_inst_salud", codeBox("CBxIsapre"), CodeTable::Isapres))
        return montoEnBlanco;
    field("moneda_plan").setInteger(m_ui.RGpMonedaPlan->itemIndex() == 0 ? 1 : 2);
    if (!setCode("cod_CCAF", codeBox("CBxCodigoCcaf"), CodeTable::Ccaf)
        || !setCode("cod_mutual", codeBox("CBxMutual"), CodeTable::Mutual))
        return montoEnBlanco;
    setText("rut_pag_subs", m_ui.EdRutPagSub->isEmpty() ? QByteArray("0") : bytes(m_ui.EdRutPagSub->value()));
    return std::nullopt;
}

bool TFrmDatosTarvinel::save()
{
    if (!checkEntries())
        return false;
    std::optional<Stop> stop;
    {
        const CancelUnposted pending(m_table);
        if (m_ModoAgregar)
            m_table.insert();
        else
            m_table.edit();
        stop = copyToLine();
        if (!stop) {
            // Every field of the line was in front of the clerk: what the reader saw of its
            // length no longer holds.
            m_table.markLineReviewed();
            m_table.post();
        }
    }
    if (stop) {
        refuse(*stop);
        return false;
    }
    return true;
}

void TFrmDatosTarvinel::BitBtn1Click()
{
    bool saved = false;
    guarded(this, [this, &saved] { saved = save(); });
    if (saved)
        accept();
}

void TFrmDatosTarvinel::BitBtn2Click()
{
    guarded(this, [this] { reject(); });
}
