#include "util/Regional.h"

#include "util/Cp1252.h"

#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace regional {

namespace {

char byteOf(const QString &symbol, char fallback)
{
    const QByteArray bytes = cp1252::fromUnicode(symbol);
    return bytes.size() == 1 && bytes[0] != '?' ? bytes[0] : fallback;
}

Separators readSeparators(const QLocale &locale)
{
    Separators s;
    s.decimal = byteOf(locale.decimalPoint(), '.');
    s.group = byteOf(locale.groupSeparator(), s.decimal == ',' ? '.' : ',');
    return s;
}

Separators &kept()
{
    static Separators separators = readSeparators(QLocale());
    return separators;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Eight digits at once, for the eight-character amounts of which a declaration line is mostly made.
// Answers false, reading nothing, when any of the eight is not a digit.
bool readEightDigits(const char *p, quint64 &mantissa)
{
    if constexpr (std::endian::native != std::endian::little) {
        return false;
    } else {
        quint64 chunk;
        std::memcpy(&chunk, p, sizeof chunk);
        // Every byte within '0'..'9': its high half is 3, and adding 6 keeps it 3.
        if ((chunk & 0xF0F0F0F0F0F0F0F0) != 0x3030303030303030
            || ((chunk + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) != 0x3030303030303030)
            return false;
        chunk -= 0x3030303030303030;
        chunk = chunk * 10 + (chunk >> 8); // pairs of digits
        chunk = ((chunk & 0x000000FF000000FF) * (100 + (quint64(1000000) << 32))
                 + ((chunk >> 16) & 0x000000FF000000FF) * (1 + (quint64(10000) << 32)))
                >> 32;
        mantissa = mantissa * 100000000 + chunk;
        return true;
    }
}

// The ASCII form of a number being read, on the stack for any number a declaration holds.
using PlainNumber = QVarLengthArray<char, 64>;

// Parses the plain ASCII form "[-]digits[.digits][e[+-]digits]" built by the readers below.
bool parseNormalised(const PlainNumber &plain, double &value)
{
    double parsed = 0;
    const char *begin = plain.constData();
    const char *end = begin + plain.size();
    const auto [ptr, ec] = std::from_chars(begin, end, parsed);
    if (ec != std::errc() || ptr != end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

// The optional form of a reading that answers whether it read the text.
template <typename T> std::optional<T> readOptional(bool (*read)(QByteArrayView, T &), QByteArrayView text)
{
    T value;
    return read(text, value) ? std::optional<T>(value) : std::nullopt;
}

// Reads digits, an optional decimal separator with more digits, and an optional exponent from
// text[pos..], appending the ASCII form to `plain`. Group separators are skipped when allowed, but
// only between groups of three digits: a "." that is a decimal point elsewhere ("1059396.0" under a
// comma decimal separator) must not pass for one. Answers false when no digit was found, a group
// separator stands out of place or the exponent is malformed.
bool readMantissaAndExponent(QByteArrayView text, qsizetype &pos, PlainNumber &plain, bool allowGroups)
{
    const Separators &sep = kept();
    bool digits = false;
    bool grouped = false;
    qsizetype run = 0; // digits since the start or the last group separator
    while (pos < text.size()) {
        const char c = text[pos];
        if (isDigit(c)) {
            plain += c;
            digits = true;
            ++run;
        } else if (allowGroups && c == sep.group) {
            if (run == 0 || run > 3 || (grouped && run != 3))
                return false;
            grouped = true;
            run = 0;
        } else {
            break;
        }
        ++pos;
    }
    if (grouped && run != 3)
        return false;
    if (pos < text.size() && text[pos] == sep.decimal) {
        plain += '.';
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            plain += text[pos++];
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            plain += text[pos++];
        bool exponentDigits = false;
        while (pos < text.size() && isDigit(text[pos])) {
            plain += text[pos++];
            exponentDigits = true;
        }
        if (!exponentDigits)
            return false;
    }
    return true;
}

void skipBlanks(QByteArrayView text, qsizetype &pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

// Moves `p` past blanks and a sign; answers whether the sign was "-".
inline bool skipBlanksAndSign(const char *&p, const char *end)
{
    while (p != end && *p == ' ')
        ++p;
    if (p == end || (*p != '+' && *p != '-'))
        return false;
    return *p++ == '-';
}

// The form nearly every number of a declaration has: blanks, an optional sign, digits with an
// optional fraction, blanks. It is read without building a text whenever the result is exact: the
// digits make an integer below 2^53, divided by a power of ten that a double holds exactly, which
// IEEE division rounds correctly. Answers false for any other text, which the full readings decide.
bool quickDecimal(QByteArrayView text, double &value)
{
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr quint64 kExactLimit = quint64(1) << 53;
    constexpr qsizetype kMostDigits = 19; // any 19 digits fit 64 bits
    const char *p = text.data();
    const char *const end = p + text.size();
    const bool negative = skipBlanksAndSign(p, end);
    quint64 mantissa = 0;
    const char *const integerStart = p;
    while (end - p >= 8 && p - integerStart < kMostDigits - 8 && readEightDigits(p, mantissa))
        p += 8;
    while (p != end && isDigit(*p))
        mantissa = mantissa * 10 + quint64(*p++ - '0');
    qsizetype digits = p - integerStart;
    qsizetype fraction = 0;
    if (p != end && *p == kept().decimal) {
        const char *const fractionStart = ++p;
        while (p != end && isDigit(*p))
            mantissa = mantissa * 10 + quint64(*p++ - '0');
        fraction = p - fractionStart;
        digits += fraction;
    }
    while (p != end && *p == ' ')
        ++p;
    if (digits == 0 || digits > kMostDigits || p != end || mantissa >= kExactLimit
        || fraction >= qsizetype(std::size(kPowersOfTen)))
        return false;
    value = double(mantissa);
    if (fraction > 0)
        value /= kPowersOfTen[fraction];
    if (negative)
        value = -value;
    return true;
}

// A sign at `pos`, "-" written into `plain`; answers whether there was one.
bool readSign(QByteArrayView text, qsizetype &pos, PlainNumber &plain)
{
    if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
        return false;
    if (text[pos++] == '-')
        plain += '-';
    return true;
}

// Blanks, then the end of the text: the number read into `plain` is the whole text.
bool endsNumber(QByteArrayView text, qsizetype pos, const PlainNumber &plain, double &value)
{
    skipBlanks(text, pos);
    return pos == text.size() && parseNormalised(plain, value);
}

enum class Reading { Strict, Regional };

// The two readings of a number differ in what the regional one also allows: thousands separators,
// blanks after a sign, and a sign after the number instead of before it.
bool readNumber(QByteArrayView text, double &value, Reading reading)
{
    if (quickDecimal(text, value))
        return true;
    const bool regional = reading == Reading::Regional;
    qsizetype pos = 0;
    skipBlanks(text, pos);
    PlainNumber plain;
    const bool signSeen = readSign(text, pos, plain);
    if (regional)
        skipBlanks(text, pos);
    if (!readMantissaAndExponent(text, pos, plain, regional))
        return false;
    if (regional && !signSeen) {
        skipBlanks(text, pos);
        if (PlainNumber sign; readSign(text, pos, sign) && !sign.isEmpty())
            plain.insert(plain.begin(), '-');
    }
    return endsNumber(text, pos, plain, value);
}

} // namespace

QLocale locale()
{
    return QLocale();
}

void setLocale(const QLocale &locale)
{
    QLocale::setDefault(locale);
    kept() = readSeparators(locale);
}

const Separators &separators()
{
    return kept();
}

int writeGeneralText(double value, char (&buffer)[32])
{
    char *const end = buffer + sizeof buffer;
    if (value == 0) {
        buffer[0] = '0';
        return 1;
    }
    // Whole amounts are nearly every number of a declaration; they need no shortest-form search.
    if (value > -1e15 && value < 1e15) {
        const auto whole = static_cast<long long>(value);
        if (double(whole) == value)
            return int(std::to_chars(buffer, end, whole).ptr - buffer);
    }
    auto result = std::to_chars(buffer, end, value, std::chars_format::general, 15);
    // The C form turns to an exponent below 1e-4, the program's general text only below 1e-5: a
    // number whose first digit stands fifth after the point is written out, 19 places at most.
    const std::string_view written(buffer, std::size_t(result.ptr - buffer));
    if (written.ends_with("e-05")) {
        result = std::to_chars(buffer, end, value, std::chars_format::fixed, 19);
        while (result.ptr[-1] == '0')
            --result.ptr;
    }
    const char decimal = kept().decimal;
    if (decimal != '.')
        std::replace(buffer, result.ptr, '.', decimal);
    return int(result.ptr - buffer);
}

QByteArray generalText(double value)
{
    char buffer[32];
    return QByteArray(buffer, writeGeneralText(value, buffer));
}

bool strictNumber(QByteArrayView text, double &value)
{
    return readNumber(text, value, Reading::Strict);
}

std::optional<double> strictNumber(QByteArrayView text)
{
    return readOptional<double>(strictNumber, text);
}

bool strictInteger(QByteArrayView text, qint32 &result)
{
    const char *p = text.data();
    const char *const end = p + text.size();
    const bool negative = skipBlanksAndSign(p, end);
    if (p == end)
        return false;
    qint64 value = 0;
    for (; p != end; ++p) {
        if (!isDigit(*p))
            return false;
        value = value * 10 + (*p - '0');
        if (value > qint64(1) << 31)
            return false;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return false;
    result = qint32(value);
    return true;
}

std::optional<qint32> strictInteger(QByteArrayView text)
{
    return readOptional<qint32>(strictInteger, text);
}

bool regionalNumber(QByteArrayView text, double &value)
{
    return readNumber(text, value, Reading::Regional);
}

std::optional<double> regionalNumber(QByteArrayView text)
{
    return readOptional<double>(regionalNumber, text);
}

QString shortDateFormat()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    QString result;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        // Month names and weekdays have no place in a masked date: months become digits and
        // weekdays are left out with the separator after them.
        if (c == QLatin1Char('d') && run > 2) {
            i += run;
            while (i < format.size() && !format[i].isLetter())
                ++i;
            continue;
        }
        if (c == QLatin1Char('d'))
            result += QStringLiteral("dd");
        else if (c == QLatin1Char('M'))
            result += QStringLiteral("MM");
        else if (c == QLatin1Char('y'))
            result += QStringLiteral("yyyy");
        else
            result += QString(run, c);
        i += run;
    }
    return result;
}

QChar dateSeparator()
{
    for (const QChar c : shortDateFormat()) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

} // namespace regional
