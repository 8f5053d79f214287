#include "io/DeclarationReader.h"

#include "io/IoErrorMessage.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Regional.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace declaration {

namespace {

// How a field's text becomes its value, by the letters of the field-rule table.
enum class Rule {
    T,   // the text unchanged, cut to the field's size
    S,   // strict number reading, the number stored; 0 when unreadable
    I,   // strict integer reading, its digits stored; "0" when unreadable
    I00, // as I, with "00" when unreadable
    G,   // strict number reading, its general text stored; "0" when unreadable
    P,   // as G, after every "." became the regional decimal separator
    Z,   // the regional conversion into `nacion`, no fallback
    R,   // the regional conversion into a floating field; 0 when refused
    E,   // the text unchanged, "0" for the empty text
};

struct FieldRules {
    Rule fixed;
    Rule separated;
};

// Indexed by field number - 1.
constexpr std::array<FieldRules, catalogue::kLineFieldCount> kRules = {{
    {Rule::S, Rule::S},   // 1 rut
    {Rule::T, Rule::T},   // 2 dv
    {Rule::T, Rule::T},   // 3 ape_pat
    {Rule::T, Rule::T},   // 4 ape_mat
    {Rule::T, Rule::T},   // 5 nombres
    {Rule::T, Rule::T},   // 6 sexo
    {Rule::Z, Rule::Z},   // 7 nacion
    {Rule::I00, Rule::T}, // 8 tipo_pago
    {Rule::T, Rule::T},   // 9 remu_desde
    {Rule::T, Rule::T},   // 10 remu_hasta
    {Rule::T, Rule::T},   // 11 reg_previ
    {Rule::I, Rule::E},   // 12 tipo_trab
    {Rule::I00, Rule::E}, // 13 dias_trab
    {Rule::T, Rule::T},   // 14 tipo_linea
    {Rule::I00, Rule::T}, // 15 cod_mov
    {Rule::T, Rule::T},   // 16 Fecha_Desde
    {Rule::T, Rule::T},   // 17 Fecha_Hasta
    {Rule::T, Rule::T},   // 18 Tramo_Fam
    {Rule::I, Rule::T},   // 19 num_car_sim
    {Rule::I, Rule::T},   // 20 num_car_mat
    {Rule::I, Rule::T},   // 21 num_car_inv
    {Rule::I, Rule::R},   // 22 asig_fam
    {Rule::I, Rule::R},   // 23 asig_fam_ret
    {Rule::I, Rule::R},   // 24 reint_cargas
    {Rule::T, Rule::T},   // 25 sub_trab_jov
    {Rule::I, Rule::T},   // 26 nom_AFP
    {Rule::I, Rule::R},   // 27 impo_afp
    {Rule::G, Rule::R},   // 28 cot_obli_afp
    {Rule::G, Rule::R},   // 29 aporte_sis
    {Rule::G, Rule::R},   // 30 ahorro_afp
    {Rule::G, Rule::R},   // 31 sust_afp
    {Rule::P, Rule::T},   // 32 tasa_pac_afp
    {Rule::G, Rule::R},   // 33 aporte_indem
    {Rule::I, Rule::T},   // 34 num_per_sust
    {Rule::T, Rule::T},   // 35 per_desde_sust
    {Rule::T, Rule::T},   // 36 per_hasta_sust
    {Rule::T, Rule::T},   // 37 trab_pesado
    {Rule::G, Rule::R},   // 38 porc_trab_pesado
    {Rule::G, Rule::R},   // 39 cot_trab_pesado
    {Rule::I, Rule::T},   // 40 inst_apvi
    {Rule::T, Rule::T},   // 41 num_contra_apvi
    {Rule::I, Rule::T},   // 42 forma_pago_apvi
    {Rule::G, Rule::R},   // 43 cotiza_apvi
    {Rule::G, Rule::R},   // 44 cot_dep_conv
    {Rule::I, Rule::T},   // 45 inst_apvc
    {Rule::T, Rule::T},   // 46 num_contra_apvc
    {Rule::I, Rule::T},   // 47 forma_pago_apvc
    {Rule::G, Rule::R},   // 48 cotiza_apvc
    {Rule::G, Rule::R},   // 49 cot_emp_apvc
    {Rule::G, Rule::T},   // 50 rut_afi_volun
    {Rule::T, Rule::T},   // 51 dv_afi_volun
    {Rule::T, Rule::T},   // 52 ape_pat_volun
    {Rule::T, Rule::T},   // 53 ape_mat_volun
    {Rule::T, Rule::T},   // 54 nombre_volun
    {Rule::T, Rule::T},   // 55 cod_mov_per_volun
    {Rule::T, Rule::T},   // 56 fec_desde_volun
    {Rule::T, Rule::T},   // 57 fec_hasta_volun
    {Rule::G, Rule::T},   // 58 cod_afp_volun
    {Rule::G, Rule::R},   // 59 monto_cap_volun
    {Rule::G, Rule::R},   // 60 monto_aho_vol
    {Rule::G, Rule::T},   // 61 num_per_cotiza
    {Rule::I, Rule::T},   // 62 cod_ex_caja
    {Rule::P, Rule::R},   // 63 tasa_ex_caja
    {Rule::G, Rule::R},   // 64 renta_imp_fonasa
    {Rule::G, Rule::R},   // 65 cot_INP
    {Rule::G, Rule::R},   // 66 Renta_imp_des
    {Rule::I, Rule::T},   // 67 cod_ex_caja_des
    {Rule::P, Rule::R},   // 68 tasa_ex_caja_des
    {Rule::G, Rule::R},   // 69 cot_desahucio
    {Rule::G, Rule::R},   // 70 cotiza_fonasa
    {Rule::G, Rule::R},   // 71 cot_acc_trab_inp
    {Rule::G, Rule::R},   // 72 boni_ley
    {Rule::G, Rule::R},   // 73 desc_cargas_fam_inp
    {Rule::G, Rule::R},   // 74 bonos_gob
    {Rule::I, Rule::T},   // 75 cod_inst_salud
    {Rule::T, Rule::T},   // 76 num_FUN
    {Rule::G, Rule::R},   // 77 impo_isapre
    {Rule::I, Rule::T},   // 78 moneda_plan
    {Rule::P, Rule::R},   // 79 cot_pactada
    {Rule::G, Rule::R},   // 80 cot_obli_isa
    {Rule::G, Rule::R},   // 81 cot_ad_vol
    {Rule::G, Rule::R},   // 82 monto_ges
    {Rule::I, Rule::T},   // 83 cod_CCAF
    {Rule::G, Rule::R},   // 84 impo_ccaf
    {Rule::G, Rule::R},   // 85 Cred_per_CCAF
    {Rule::G, Rule::R},   // 86 Desc_Dental
    {Rule::G, Rule::R},   // 87 desc_leassing
    {Rule::G, Rule::R},   // 88 desc_seg_vida
    {Rule::G, Rule::R},   // 89 otros_desc_ccaf
    {Rule::G, Rule::R},   // 90 cot_CCAF
    {Rule::G, Rule::R},   // 91 Desc_Car_fam
    {Rule::G, Rule::R},   // 92 otros_desc_ccaf1
    {Rule::G, Rule::R},   // 93 otros_desc_ccaf2
    {Rule::G, Rule::R},   // 94 bono_gob_ccaf
    {Rule::T, Rule::T},   // 95 cod_sucur_ccaf
    {Rule::I, Rule::T},   // 96 cod_mutual
    {Rule::G, Rule::R},   // 97 impo_mutual
    {Rule::G, Rule::R},   // 98 cotiza_mutual
    {Rule::I, Rule::T},   // 99 sucur_mutual
    {Rule::G, Rule::R},   // 100 Renta_impo_SC
    {Rule::G, Rule::R},   // 101 Aporte_trab_SC
    {Rule::G, Rule::R},   // 102 aporte_emp_SC
    {Rule::G, Rule::T},   // 103 rut_pag_subs
    {Rule::T, Rule::T},   // 104 dv_pag_subs
    {Rule::T, Rule::T},   // 105 centro_costo
}};

constexpr qsizetype kBlockSize = 1 << 16;
constexpr char kCtrlZ = 26;

// Rules I, G and P give a text (the number's digits or general text, or the fallback): a text field
// stores that text, a floating field the number the regional conversion reads from it. That number
// is the one read in the first place whenever it has at most 15 significant digits, as every number
// of a fixed-position field has (11 characters at most), so the floating field takes it directly and
// the text is never made. Subnormal numbers, which lose digits, take the long way.
void storeNumber(RecordTable &table, const PendingRowWriter &row, int position, bool read, double value)
{
    const FieldKind kind = catalogue::field(position).kind;
    if (kind == FieldKind::Floating && (!read || value == 0 || std::isnormal(value))) {
        row.setFloating(position, read ? value + 0.0 : 0.0); // + 0.0: a general text has no "-0"
        return;
    }
    char buffer[32];
    const QByteArrayView text =
        read ? QByteArrayView(buffer, regional::writeGeneralText(value, buffer)) : QByteArrayView("0");
    if (kind == FieldKind::Text)
        row.setText(position, text);
    else
        table.field(position).setLoose(text.toByteArray());
}

void storeStrictNumber(RecordTable &table, const PendingRowWriter &row, int position, QByteArrayView text)
{
    double value = 0;
    const bool read = regional::strictNumber(text, value);
    storeNumber(table, row, position, read, value);
}

void storeInteger(const PendingRowWriter &row, int position, QByteArrayView text, QByteArrayView fallback)
{
    qint32 value = 0;
    const bool read = regional::strictInteger(text, value);
    if (catalogue::field(position).kind == FieldKind::Floating) {
        row.setFloating(position, double(value));
        return;
    }
    if (!read) {
        row.setText(position, fallback);
        return;
    }
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    row.setText(position, QByteArrayView(digits, end - digits));
}

// The fields after the last ";" of a short separated line all hold the same rest of the line, which
// may be megabytes long: it is read as a number once, not once for every field.
class RegionalReadings {
public:
    // The number, 0 when refused.
    double read(QByteArrayView text)
    {
        if (!m_known || text.data() != m_text.data() || text.size() != m_text.size()) {
            m_known = true;
            m_text = text;
            m_value = 0;
            regional::regionalNumber(text, m_value);
        }
        return m_value;
    }

private:
    bool m_known = false;
    QByteArrayView m_text;
    double m_value = 0;
};

// Every rule meets fields of one kind only (rules S, R: floating; T, E: text; Z: `nacion`), as the
// rule table gives them, so the row is written directly but for `nacion` and rare numbers.
void storeField(RecordTable &table, const PendingRowWriter &row, int position, Rule rule, QByteArrayView text,
                RegionalReadings &readings)
{
    switch (rule) {
    case Rule::T:
        row.setText(position, text);
        break;
    case Rule::S: {
        double value = 0;
        regional::strictNumber(text, value);
        row.setFloating(position, value);
        break;
    }
    case Rule::I:
        storeInteger(row, position, text, "0");
        break;
    case Rule::I00:
        storeInteger(row, position, text, "00");
        break;
    case Rule::G:
        storeStrictNumber(table, row, position, text);
        break;
    case Rule::P: {
        // ReemplazaCaracter(text, ".", decimal separator), on the stack: a fixed-position field is
        // at most 40 characters.
        char replaced[64];
        const qsizetype size = std::min<qsizetype>(text.size(), sizeof replaced);
        std::replace_copy(text.begin(), text.begin() + size, replaced, '.', regional::separators().decimal);
        storeStrictNumber(table, row, position, QByteArrayView(replaced, size));
        break;
    }
    case Rule::Z:
        table.field(position).setLoose(text.toByteArray());
        break;
    case Rule::R:
        row.setFloating(position, readings.read(text));
        break;
    case Rule::E:
        row.setText(position, text.isEmpty() ? QByteArrayView("0") : text);
        break;
    }
}

void storeRow(QByteArrayView line, linelayout::Layout layout, qint32 number, RecordTable &table)
{
    table.append();
    table.pendingRowWriter().setInteger(catalogue::kLinea, number);
    storeLine(line, layout, table);
    table.post();
}

} // namespace

LineReader::LineReader(QIODevice &device) : m_device(device) {}

bool LineReader::fill()
{
    m_buffer.resize(m_blockSize);
    errno = 0;
    const qint64 count = m_device.read(m_buffer.data(), m_blockSize);
    if (count < 0)
        throw AppError(ioerror::message(errno != 0 ? errno : EIO));
    m_buffer.resize(count);
    m_pos = 0;
    // A device that fills its block has more to give: the block grows to the full size.
    if (count == m_blockSize && m_blockSize < kBlockSize)
        m_blockSize *= 2;
    return count > 0;
}

bool LineReader::next(QByteArray &line)
{
    line.resize(0);
    while (!m_end) {
        if (m_pos == m_buffer.size() && !fill()) {
            m_end = true;
            break;
        }
        if (m_afterCr) {
            m_afterCr = false;
            if (m_buffer.at(m_pos) == '\n') {
                ++m_pos;
                continue;
            }
        }
        const char *begin = m_buffer.constData() + m_pos;
        const char *end = m_buffer.constData() + m_buffer.size();
        const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', std::size_t(end - begin)));
        const char *lineEnd = cr ? cr : end;
        const auto *ctrlZ =
            static_cast<const char *>(std::memchr(begin, kCtrlZ, std::size_t(lineEnd - begin)));
        const char *stop = ctrlZ ? ctrlZ : lineEnd;
        line.append(begin, stop - begin);
        m_pos += stop - begin;
        if (stop == end)
            continue;
        if (*stop == kCtrlZ) {
            m_end = true;
            break;
        }
        ++m_pos;
        m_afterCr = true;
        return true;
    }
    // Ctrl+Z or the end right after a line end gives no further line.
    return !line.isEmpty();
}

void storeLine(QByteArrayView line, linelayout::Layout layout, RecordTable &table)
{
    const linelayout::FieldViews texts = linelayout::cut(line, layout);
    const bool fixed = layout == linelayout::Layout::Fixed;
    const PendingRowWriter row = table.pendingRowWriter();
    RegionalReadings readings;
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const FieldRules &rules = kRules[std::size_t(n - 1)];
        storeField(table, row, n, fixed ? rules.fixed : rules.separated, texts[std::size_t(n - 1)], readings);
    }
}

void read(QIODevice &device, linelayout::Layout layout, RecordTable &table)
{
    SuspendedDisplay suspended(table);
    table.open();
    LineReader lines(device);
    QByteArray line;
    qint32 number = 1;
    int emptyLines = 0; // not yet stored: they are dropped when nothing but empty lines follows
    while (lines.next(line)) {
        if (line.isEmpty()) {
            ++emptyLines;
            continue;
        }
        for (; emptyLines > 0; --emptyLines)
            storeRow(QByteArrayView(), layout, number++, table);
        storeRow(line, layout, number++, table);
    }
}

void read(const QString &path, linelayout::Layout layout, RecordTable &table)
{
    // Opening a folder succeeds on some systems and only reading it fails; refuse it first.
    if (QFileInfo(path).isDir())
        throw AppError(ioerror::message(EISDIR));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int cause = errno;
        // A file that does not exist is how a user starts a declaration from nothing.
        if (cause == ENOENT || cause == ENOTDIR || (cause == 0 && !QFileInfo::exists(path))) {
            table.open();
            return;
        }
        throw AppError(ioerror::message(cause != 0 ? cause : EIO));
    }
    read(file, layout, table);
}

} // namespace declaration
