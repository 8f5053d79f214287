#include "model/LineLayout.h"

#include "model/RecordTable.h"
#include "util/TextUtils.h"

#include <algorithm>
#include <cstring>

namespace linelayout {

namespace {

constexpr char kBlankDate[] = "          ";

void appendFixedField(QByteArray &line, QByteArrayView text, const LineField &field)
{
    switch (field.compose) {
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
        appendFixedField(line, text, catalogue::field(index + 1).line);
        return;
    }
    if (index > 0)
        line += kSeparator;
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
char *putFixedField(char *at, QByteArrayView text, const LineField &field)
{
    switch (field.compose) {
    case FixedRule::ZeroPadded:
    case FixedRule::RightAligned: {
        // Counted by hand: a library count costs more than the few characters of a field.
        qsizetype blanks = 0;
        for (const char c : text)
            blanks += c == ' ';
        at = fill(at, field.compose == FixedRule::ZeroPadded ? '0' : ' ',
                  field.width - (text.size() - blanks));
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
bool putWholeAmount(char *&at, double value, const LineField &field)
{
    if (field.compose != FixedRule::ZeroPadded || !isWholeBelow(value, field.width))
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

QByteArrayView refusedInText(Layout layout)
{
    return layout == Layout::Separated ? QByteArrayView(";") : QByteArrayView();
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
    const auto &fields = catalogue::fields();
    for (int i = 0; i < catalogue::kLineFieldCount; ++i) {
        if (layout == Layout::Fixed) {
            const LineField &field = fields[std::size_t(i + 1)].line;
            const StoredValue value = stored.value(i + 1);
            if (value.kind == FieldKind::Text)
                at = putFixedField(at, value.text, field);
            else if (!value.isSet || !putWholeAmount(at, value.number, field))
                at = putFixedField(at, table.textViewAt(row, i + 1, buffer), field);
            continue;
        }
        const QByteArrayView text = table.textViewAt(row, i + 1, buffer);
        if (i > 0)
            *at++ = kSeparator;
        at = put(at, text.isEmpty() && isMovementDate(i) ? QByteArrayView(" ") : text);
    }
    out.resize(start + (at - begin));
}

int firstSeparatorField(const RecordTable &table, int row)
{
    const RowView stored = table.rowView(row);
    for (int number = 1; number <= catalogue::kLineFieldCount; ++number) {
        const StoredValue value = stored.value(number);
        if (value.kind == FieldKind::Text && value.text.contains(kSeparator))
            return number;
    }
    return 0;
}

int firstMisfitField(const RecordTable &table, int row)
{
    const RowView stored = table.rowView(row);
    const auto &fields = catalogue::fields();
    for (int number = 1; number <= catalogue::kLineFieldCount; ++number) {
        const LineField &f = fields[std::size_t(number)].line;
        const StoredValue value = stored.value(number);
        switch (f.compose) {
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
            if (f.compose == FixedRule::DateOrZero && zero)
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
        const auto &fields = catalogue::fields();
        for (int i = 0; i < catalogue::kLineFieldCount; ++i) {
            const LineField &f = fields[std::size_t(i + 1)].line;
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
        while (at != end && *at != kSeparator)
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
