#include "model/LineLayout.h"

#include "model/RecordTable.h"
#include "util/TextUtils.h"

#include <algorithm>
#include <cstring>

namespace linelayout {

namespace {

constexpr std::array<FixedField, catalogue::kLineFieldCount> kFixedFields = {{
    {1, 11, FixedRule::ZeroPadded},     // 1 rut
    {12, 1, FixedRule::AsStored},       // 2 dv
    {13, 30, FixedRule::SpacePadded},   // 3 ape_pat
    {43, 30, FixedRule::SpacePadded},   // 4 ape_mat
    {73, 30, FixedRule::SpacePadded},   // 5 nombres
    {103, 1, FixedRule::AsStored},      // 6 sexo
    {104, 1, FixedRule::AsStored},      // 7 nacion
    {105, 2, FixedRule::ZeroPadded},    // 8 tipo_pago
    {107, 6, FixedRule::ZeroPadded},    // 9 remu_desde
    {113, 6, FixedRule::ZeroPadded},    // 10 remu_hasta
    {119, 3, FixedRule::AsStored},      // 11 reg_previ
    {122, 1, FixedRule::AsStored},      // 12 tipo_trab
    {123, 2, FixedRule::ZeroPadded},    // 13 dias_trab
    {125, 2, FixedRule::ZeroPadded},    // 14 tipo_linea
    {127, 2, FixedRule::ZeroPadded},    // 15 cod_mov
    {129, 10, FixedRule::DateOrZero},   // 16 Fecha_Desde
    {139, 10, FixedRule::DateOrZero},   // 17 Fecha_Hasta
    {149, 1, FixedRule::AsStored},      // 18 Tramo_Fam
    {150, 2, FixedRule::ZeroPadded},    // 19 num_car_sim
    {152, 1, FixedRule::AsStored},      // 20 num_car_mat
    {153, 1, FixedRule::AsStored},      // 21 num_car_inv
    {154, 6, FixedRule::ZeroPadded},    // 22 asig_fam
    {160, 6, FixedRule::ZeroPadded},    // 23 asig_fam_ret
    {166, 6, FixedRule::ZeroPadded},    // 24 reint_cargas
    {172, 1, FixedRule::AsStored},      // 25 sub_trab_jov
    {173, 2, FixedRule::ZeroPadded},    // 26 nom_AFP
    {175, 8, FixedRule::ZeroPadded},    // 27 impo_afp
    {183, 8, FixedRule::ZeroPadded},    // 28 cot_obli_afp
    {191, 8, FixedRule::ZeroPadded},    // 29 aporte_sis
    {199, 8, FixedRule::ZeroPadded},    // 30 ahorro_afp
    {207, 8, FixedRule::ZeroPadded},    // 31 sust_afp
    {215, 5, FixedRule::ZeroPadded},    // 32 tasa_pac_afp
    {220, 9, FixedRule::ZeroPadded},    // 33 aporte_indem
    {229, 2, FixedRule::ZeroPadded},    // 34 num_per_sust
    {231, 10, FixedRule::RightAligned}, // 35 per_desde_sust
    {241, 10, FixedRule::RightAligned}, // 36 per_hasta_sust
    {251, 40, FixedRule::SpacePadded},  // 37 trab_pesado
    {291, 5, FixedRule::ZeroPadded},    // 38 porc_trab_pesado
    {296, 6, FixedRule::ZeroPadded},    // 39 cot_trab_pesado
    {302, 3, FixedRule::ZeroPadded},    // 40 inst_apvi
    {305, 20, FixedRule::SpacePadded},  // 41 num_contra_apvi
    {325, 1, FixedRule::AsStored},      // 42 forma_pago_apvi
    {326, 8, FixedRule::ZeroPadded},    // 43 cotiza_apvi
    {334, 8, FixedRule::ZeroPadded},    // 44 cot_dep_conv
    {342, 3, FixedRule::ZeroPadded},    // 45 inst_apvc
    {345, 20, FixedRule::SpacePadded},  // 46 num_contra_apvc
    {365, 1, FixedRule::AsStored},      // 47 forma_pago_apvc
    {366, 8, FixedRule::ZeroPadded},    // 48 cotiza_apvc
    {374, 8, FixedRule::ZeroPadded},    // 49 cot_emp_apvc
    {382, 11, FixedRule::ZeroPadded},   // 50 rut_afi_volun
    {393, 1, FixedRule::SpacePadded},   // 51 dv_afi_volun
    {394, 30, FixedRule::SpacePadded},  // 52 ape_pat_volun
    {424, 30, FixedRule::SpacePadded},  // 53 ape_mat_volun
    {454, 30, FixedRule::SpacePadded},  // 54 nombre_volun
    {484, 2, FixedRule::ZeroPadded},    // 55 cod_mov_per_volun
    {486, 10, FixedRule::Date},         // 56 fec_desde_volun
    {496, 10, FixedRule::Date},         // 57 fec_hasta_volun
    {506, 2, FixedRule::ZeroPadded},    // 58 cod_afp_volun
    {508, 8, FixedRule::ZeroPadded},    // 59 monto_cap_volun
    {516, 8, FixedRule::ZeroPadded},    // 60 monto_aho_vol
    {524, 2, FixedRule::ZeroPadded},    // 61 num_per_cotiza
    {526, 4, FixedRule::ZeroPadded},    // 62 cod_ex_caja
    {530, 5, FixedRule::ZeroPadded},    // 63 tasa_ex_caja
    {535, 8, FixedRule::ZeroPadded},    // 64 renta_imp_fonasa
    {543, 8, FixedRule::ZeroPadded},    // 65 cot_INP
    {551, 8, FixedRule::ZeroPadded},    // 66 Renta_imp_des
    {559, 4, FixedRule::ZeroPadded},    // 67 cod_ex_caja_des
    {563, 5, FixedRule::ZeroPadded},    // 68 tasa_ex_caja_des
    {568, 8, FixedRule::ZeroPadded},    // 69 cot_desahucio
    {576, 8, FixedRule::ZeroPadded},    // 70 cotiza_fonasa
    {584, 8, FixedRule::ZeroPadded},    // 71 cot_acc_trab_inp
    {592, 8, FixedRule::ZeroPadded},    // 72 boni_ley
    {600, 8, FixedRule::ZeroPadded},    // 73 desc_cargas_fam_inp
    {608, 8, FixedRule::ZeroPadded},    // 74 bonos_gob
    {616, 2, FixedRule::ZeroPadded},    // 75 cod_inst_salud
    {618, 16, FixedRule::SpacePadded},  // 76 num_FUN
    {634, 8, FixedRule::ZeroPadded},    // 77 impo_isapre
    {642, 1, FixedRule::ZeroPadded},    // 78 moneda_plan
    {643, 8, FixedRule::ZeroPadded},    // 79 cot_pactada
    {651, 8, FixedRule::ZeroPadded},    // 80 cot_obli_isa
    {659, 8, FixedRule::ZeroPadded},    // 81 cot_ad_vol
    {667, 8, FixedRule::ZeroPadded},    // 82 monto_ges
    {675, 2, FixedRule::ZeroPadded},    // 83 cod_CCAF
    {677, 8, FixedRule::ZeroPadded},    // 84 impo_ccaf
    {685, 8, FixedRule::ZeroPadded},    // 85 Cred_per_CCAF
    {693, 8, FixedRule::ZeroPadded},    // 86 Desc_Dental
    {701, 8, FixedRule::ZeroPadded},    // 87 desc_leassing
    {709, 8, FixedRule::ZeroPadded},    // 88 desc_seg_vida
    {717, 8, FixedRule::ZeroPadded},    // 89 otros_desc_ccaf
    {725, 8, FixedRule::ZeroPadded},    // 90 cot_CCAF
    {733, 8, FixedRule::ZeroPadded},    // 91 Desc_Car_fam
    {741, 8, FixedRule::ZeroPadded},    // 92 otros_desc_ccaf1
    {749, 8, FixedRule::ZeroPadded},    // 93 otros_desc_ccaf2
    {757, 8, FixedRule::ZeroPadded},    // 94 bono_gob_ccaf
    {765, 20, FixedRule::SpacePadded},  // 95 cod_sucur_ccaf
    {785, 2, FixedRule::ZeroPadded},    // 96 cod_mutual
    {787, 8, FixedRule::ZeroPadded},    // 97 impo_mutual
    {795, 8, FixedRule::ZeroPadded},    // 98 cotiza_mutual
    {803, 3, FixedRule::ZeroPadded},    // 99 sucur_mutual
    {806, 8, FixedRule::ZeroPadded},    // 100 Renta_impo_SC
    {814, 8, FixedRule::ZeroPadded},    // 101 Aporte_trab_SC
    {822, 8, FixedRule::ZeroPadded},    // 102 aporte_emp_SC
    {830, 11, FixedRule::ZeroPadded},   // 103 rut_pag_subs
    {841, 1, FixedRule::RightAligned},  // 104 dv_pag_subs
    {842, 20, FixedRule::SpacePadded},  // 105 centro_costo
}};

constexpr char kBlankDate[] = "          ";

void appendFixedField(QByteArray &line, QByteArrayView text, const FixedField &field)
{
    switch (field.rule) {
    case FixedRule::ZeroPadded:
        appendRellenaIzquierda(line, text, "0", field.width);
        break;
    case FixedRule::RightAligned:
        appendRellenaIzquierda(line, text, " ", field.width);
        break;
    case FixedRule::SpacePadded:
        appendRellenaDerecha(line, text, " ", field.width);
        break;
    case FixedRule::AsStored:
        line += text;
        break;
    case FixedRule::DateOrZero:
        line += text.isEmpty() || text == "0" ? QByteArrayView(kBlankDate) : text;
        break;
    case FixedRule::Date:
        line += text.isEmpty() ? QByteArrayView(kBlankDate) : text;
        break;
    }
}

// Fields 16 and 17, the dates of a personnel movement, are written as one blank when empty.
bool isMovementDate(int index)
{
    return index == 15 || index == 16;
}

// Appends field `index` (0 for field 1) of a line being composed.
void appendField(QByteArray &line, QByteArrayView text, int index, Layout layout)
{
    if (layout == Layout::Fixed) {
        appendFixedField(line, text, kFixedFields[std::size_t(index)]);
        return;
    }
    if (index > 0)
        line += ';';
    line += text.isEmpty() && isMovementDate(index) ? QByteArrayView(" ") : text;
}

// No line is longer: a field's text has at most 40 characters (a number's general text fewer), and
// what a rule adds is at most the field's width, 40 at most; then the separators.
constexpr qsizetype kMaxComposedLength = catalogue::kLineFieldCount * 80 + catalogue::kLineFieldCount;

char *put(char *at, QByteArrayView text)
{
    if (!text.isEmpty())
        std::memcpy(at, text.data(), std::size_t(text.size()));
    return at + text.size();
}

char *fill(char *at, char c, qsizetype count)
{
    if (count <= 0)
        return at;
    std::memset(at, c, std::size_t(count));
    return at + count;
}

// The same as appendFixedField(), into a buffer with room for it.
char *putFixedField(char *at, QByteArrayView text, const FixedField &field)
{
    switch (field.rule) {
    case FixedRule::ZeroPadded:
    case FixedRule::RightAligned: {
        // Counted by hand: a library count costs more than the few characters of a field.
        qsizetype blanks = 0;
        for (const char c : text)
            blanks += c == ' ';
        at = fill(at, field.rule == FixedRule::ZeroPadded ? '0' : ' ', field.width - (text.size() - blanks));
        if (blanks == 0)
            return put(at, text);
        for (const char c : text) {
            if (c != ' ')
                *at++ = c;
        }
        return at;
    }
    case FixedRule::SpacePadded:
        return fill(put(at, text), ' ', field.width - text.size());
    case FixedRule::AsStored:
        return put(at, text);
    case FixedRule::DateOrZero:
        return put(at, text.isEmpty() || text == "0" ? QByteArrayView(kBlankDate) : text);
    case FixedRule::Date:
        return put(at, text.isEmpty() ? QByteArrayView(kBlankDate) : text);
    }
    return at;
}

// Whether `value` is a whole number of at most `width` digits, which its general text shows as
// digits alone: nearly every amount of a line.
bool isWholeBelow(double value, int width)
{
    static constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (width >= int(kPowersOfTen.size()) || !(value >= 0 && value < kPowersOfTen[std::size_t(width)]))
        return false;
    return double(static_cast<quint64>(value)) == value;
}

// A zero-padded field holding a whole amount that fits it, written digit by digit from its end:
// what putFixedField() writes for its general text.
bool putWholeAmount(char *&at, double value, const FixedField &field)
{
    if (field.rule != FixedRule::ZeroPadded || !isWholeBelow(value, field.width))
        return false;
    auto whole = static_cast<quint64>(value);
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char *digit = at + field.width;
    for (; whole >= 100; whole /= 100) {
        digit -= 2;
        std::memcpy(digit, kPairs + 2 * (whole % 100), 2);
    }
    if (whole >= 10) {
        digit -= 2;
        std::memcpy(digit, kPairs + 2 * whole, 2);
    } else {
        *--digit = char('0' + whole);
    }
    std::memset(at, '0', std::size_t(digit - at));
    at += field.width;
    return true;
}

QByteArray newLine(Layout layout)
{
    QByteArray line;
    line.reserve(layout == Layout::Fixed ? kFixedLineLength : 512);
    return line;
}

} // namespace

const FixedField &fixedField(int number)
{
    return kFixedFields.at(std::size_t(number - 1));
}

FieldTexts rowTexts(const RecordTable &table, int row)
{
    FieldTexts texts;
    for (int i = 0; i < catalogue::kLineFieldCount; ++i)
        texts[std::size_t(i)] = table.textAt(row, i + 1);
    return texts;
}

QByteArray compose(const FieldTexts &texts, Layout layout)
{
    QByteArray line = newLine(layout);
    for (int i = 0; i < catalogue::kLineFieldCount; ++i)
        appendField(line, texts[std::size_t(i)], i, layout);
    return line;
}

QByteArray composeRow(const RecordTable &table, int row, Layout layout)
{
    QByteArray line;
    appendRow(line, table, row, layout);
    return line;
}

void appendRow(QByteArray &out, const RecordTable &table, int row, Layout layout)
{
    const qsizetype start = out.size();
    out.resize(start + kMaxComposedLength);
    char *const begin = out.data() + start;
    char *at = begin;
    char buffer[32];
    const RowView stored = table.rowView(row);
    for (int i = 0; i < catalogue::kLineFieldCount; ++i) {
        if (layout == Layout::Fixed) {
            const FixedField &field = kFixedFields[std::size_t(i)];
            const StoredValue value = stored.value(i + 1);
            if (value.kind == FieldKind::Text)
                at = putFixedField(at, value.text, field);
            else if (!value.isSet || !putWholeAmount(at, value.number, field))
                at = putFixedField(at, table.textViewAt(row, i + 1, buffer), field);
            continue;
        }
        const QByteArrayView text = table.textViewAt(row, i + 1, buffer);
        if (i > 0)
            *at++ = ';';
        at = put(at, text.isEmpty() && isMovementDate(i) ? QByteArrayView(" ") : text);
    }
    out.resize(start + (at - begin));
}

int firstSeparatorField(const RecordTable &table, int row)
{
    const RowView stored = table.rowView(row);
    for (int number = 1; number <= catalogue::kLineFieldCount; ++number) {
        const StoredValue value = stored.value(number);
        if (value.kind == FieldKind::Text && value.text.contains(';'))
            return number;
    }
    return 0;
}

int firstMisfitField(const RecordTable &table, int row)
{
    const RowView stored = table.rowView(row);
    for (int number = 1; number <= catalogue::kLineFieldCount; ++number) {
        const FixedField &f = kFixedFields[std::size_t(number - 1)];
        const StoredValue value = stored.value(number);
        switch (f.rule) {
        case FixedRule::ZeroPadded:
        case FixedRule::RightAligned:
        case FixedRule::SpacePadded:
            // Filled out to the width; a stored text never exceeds it, only a number can.
            if (value.kind != FieldKind::Text && !isWholeBelow(value.number, f.width)
                && textLength(value) > f.width)
                return number;
            break;
        case FixedRule::AsStored:
            if (textLength(value) != f.width)
                return number;
            break;
        case FixedRule::DateOrZero:
        case FixedRule::Date: {
            const int length = textLength(value);
            if (length == 0 || length == f.width)
                break;
            const bool zero =
                value.kind == FieldKind::Text ? value.text == "0" : value.isSet && value.number == 0;
            if (f.rule == FixedRule::DateOrZero && zero)
                break;
            return number;
        }
        }
    }
    return 0;
}

FieldViews cut(QByteArrayView line, Layout layout)
{
    FieldViews texts;
    if (layout == Layout::Fixed) {
        for (int i = 0; i < catalogue::kLineFieldCount; ++i) {
            const FixedField &f = kFixedFields[std::size_t(i)];
            const qsizetype from = f.start - 1;
            if (from < line.size())
                texts[std::size_t(i)] = line.sliced(from, std::min<qsizetype>(f.width, line.size() - from));
        }
        return texts;
    }
    // The separator cursor stays on the last ";" found, so a short line repeats its last part. Fields
    // are a few characters long: a plain scan beats a library search started for each.
    const char *at = line.data();
    const char *const end = at + line.size();
    const char *start = at;
    for (int i = 0; i < catalogue::kLineFieldCount; ++i) {
        while (at != end && *at != ';')
            ++at;
        if (at == end) {
            const QByteArrayView rest(start, end);
            for (; i < catalogue::kLineFieldCount; ++i)
                texts[std::size_t(i)] = rest;
            break;
        }
        texts[std::size_t(i)] = QByteArrayView(start, at);
        start = ++at;
    }
    return texts;
}

} // namespace linelayout
