#include "checks/ServiceChecks.h"

#include "checks/CodeTables.h"
#include "model/LineLayout.h"
#include "model/RecordTable.h"
#include "util/Cp1252.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <QDate>
#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>

namespace servicechecks {

namespace {

using Rule = CheckRule;

// A field's check as the table gives it, with its code table and width looked up once.
struct Check {
    Rule rule = Rule::None;
    int param = 0; // Count: the highest; OtherDv: the RUT's position; Amount, Rate: the width
    CodeTable table = CodeTable::TipoPago;
};

struct Options {
    int count;
    std::array<const char *, 4> texts; // all of one length
    int length;
    const char *described;
};

constexpr std::array<Options, 3> kOptions = {{
    {2, {"M", "F", nullptr, nullptr}, 1, "M o F"},
    {2, {"S", "N", nullptr, nullptr}, 1, "S o N"},
    {4, {"AFP", "INP", "IPS", "SIP"}, 3, "AFP, INP, IPS o SIP"},
}};
constexpr int kSexo = 0;
constexpr int kYesNo = 1;
constexpr int kRegimen = 2;

std::array<Check, catalogue::kFieldCount> makeChecks()
{
    std::array<Check, catalogue::kFieldCount> checks{};
    for (int p = 0; p < catalogue::kFieldCount; ++p) {
        const FieldDef &field = catalogue::field(p);
        Check &check = checks[std::size_t(p)];
        check.rule = field.check.rule;
        check.param = field.check.param;
        if (check.rule == Rule::Amount || check.rule == Rule::Rate)
            check.param = field.line.width;
        if (field.check.codeSection) {
            const CodeSection *section = codesections::find(field.check.codeSection);
            Q_ASSERT(section);
            check.table = CodeTable(section - &codesections::at(0));
        }
    }
    return checks;
}

const std::array<Check, catalogue::kFieldCount> kChecks = makeChecks();

constexpr int kPosCodMov = 15;
constexpr int kPosFechaDesde = 16;
constexpr int kPosRemuDesde = 9;
constexpr double kHighestRut = 99999999;

// The faults of one cell, with their reasons...
class Reasons {
public:
    template <typename Message> void add(Message &&message) { m_reasons.append(message()); }
    const QStringList &list() const { return m_reasons; }

private:
    QStringList m_reasons;
};

// ... or only whether there is one: the checks of every line make no text at all.
class AnyFault {
public:
    template <typename Message> void add(Message &&) { m_found = true; }
    bool found() const { return m_found; }

private:
    bool m_found = false;
};

QString screen(QByteArrayView text)
{
    return cp1252::toUnicode(text);
}

QString number(double value)
{
    return screen(regional::generalText(value));
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

bool isDigits(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The value of a text of a few digits.
int digitsValue(QByteArrayView digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

bool isZeroOrEmpty(QByteArrayView text)
{
    text = trimmed(text);
    qint32 value = 0;
    return text.isEmpty() || (regional::strictInteger(text, value) && value == 0);
}

// "Debe ser <what>, no "<text>"", or that the field is blank; `what` is made only for a reason.
template <typename Faults, typename What> void expected(Faults &faults, QByteArrayView text, What &&what)
{
    faults.add([&] {
        if (trimmed(text).isEmpty())
            return QStringLiteral("Está en blanco: debe ser %1").arg(what());
        return QStringLiteral("Debe ser %1, no \"%2\"").arg(what(), screen(text));
    });
}

template <typename Faults>
void checkCode(Faults &faults, QByteArrayView text, CodeTable table, const CodeTables &codes)
{
    if (codes.contains(table, text))
        return;
    faults.add([&] {
        const QString name = screen(codesections::name(table));
        if (trimmed(text).isEmpty())
            return QStringLiteral("Está en blanco: debe ser un código de la tabla %1").arg(name);
        return QStringLiteral("\"%1\" no es un código de la tabla %2").arg(screen(text), name);
    });
}

// The worker's RUT as digits, when it is one.
bool rutDigits(const RowView &view, char (&buffer)[16], QByteArrayView &digits)
{
    const StoredValue rut = view.value(1);
    if (!rut.isSet || rut.number != std::trunc(rut.number) || rut.number < 1 || rut.number > kHighestRut)
        return false;
    digits = QByteArrayView(buffer,
                            std::to_chars(buffer, buffer + sizeof buffer, qint64(rut.number)).ptr - buffer);
    return true;
}

template <typename Faults> void checkCharacter(Faults &faults, QByteArrayView body, QByteArrayView text)
{
    const char right = checkCharacterOf(body);
    if (text.size() == 1 && text.front() == right)
        return;
    faults.add([&] {
        if (trimmed(text).isEmpty())
            return QStringLiteral("Está en blanco: el dígito verificador de %1 es %2")
                .arg(screen(body), QChar::fromLatin1(right));
        return QStringLiteral("El dígito verificador de %1 es %2, no %3")
            .arg(screen(body), QChar::fromLatin1(right), screen(text));
    });
}

// A period mmaaaa as yyyy * 100 + mm; 0 when the text is none.
int periodOf(QByteArrayView text, int lastYear)
{
    if (text.size() != 6 || !isDigits(text))
        return 0;
    const int month = digitsValue(text.first(2));
    const int year = digitsValue(text.sliced(2));
    if (month < 1 || month > 12 || year < 1980 || year > lastYear)
        return 0;
    return year * 100 + month;
}

QString periodRule(int lastYear)
{
    return QStringLiteral("un periodo mmaaaa (mes 01 a 12, año 1980 a %1)").arg(lastYear);
}

enum class DateKind { None, Real, Bad };

struct Date {
    DateKind kind;
    QDate date;
};

Date dateOf(QByteArrayView stored)
{
    const QByteArrayView text = trimmed(stored);
    if (text.isEmpty() || (text.size() == 1 && text[0] == '0'))
        return {DateKind::None, {}};
    if (text.size() != 10 || (text[2] != '-' && text[2] != '/') || text[5] != text[2])
        return {DateKind::Bad, {}};
    const QByteArrayView day = text.first(2);
    const QByteArrayView month = text.sliced(3, 2);
    const QByteArrayView year = text.sliced(6);
    if (!isDigits(day) || !isDigits(month) || !isDigits(year))
        return {DateKind::Bad, {}};
    const int d = digitsValue(day);
    const int m = digitsValue(month);
    const int y = digitsValue(year);
    if (d == 0 && m == 0 && y == 0) // 00-00-0000 or 00/00/0000
        return {DateKind::None, {}};
    const QDate date(y, m, d);
    return date.isValid() ? Date{DateKind::Real, date} : Date{DateKind::Bad, {}};
}

template <typename Faults> void badDate(Faults &faults, QByteArrayView text)
{
    faults.add(
        [&] { return QStringLiteral("\"%1\" no es una fecha dd-mm-aaaa o dd/mm/aaaa").arg(screen(text)); });
}

bool movementNeedsDate(QByteArrayView codMov)
{
    qint32 code = 0;
    if (!regional::strictInteger(codMov, code))
        return false;
    return (code >= 3 && code <= 8) || code == 1 || code == 11;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Whether the text holds the bytes of a character written in UTF-8 (a two- to four-byte sequence
// that cp1252 shows as two to four odd characters, "Ü" as "Ãœ").
bool holdsUtf8(QByteArrayView text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const qsizetype size = text.size();
    // Every such sequence has a byte 0x80-0xBF after its first, which a name seldom holds (letters
    // with accents and Ñ are above it): look for one eight bytes at a time.
    bool continuation = false;
    qsizetype i = 0;
    for (quint64 word = 0; !continuation && i + 8 <= size; i += 8) {
        std::memcpy(&word, bytes + i, sizeof word);
        continuation = (word & ~(word << 1) & 0x8080808080808080U) != 0;
    }
    for (; !continuation && i < size; ++i)
        continuation = isContinuation(bytes[i]);
    if (!continuation)
        return false;
    for (i = 0; i < size; ++i) {
        const unsigned char lead = bytes[i];
        if (lead < 0xC2 || lead > 0xF4)
            continue;
        const int following = lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        if (i + following >= size)
            return false;
        bool sequence = true;
        for (int k = 1; k <= following; ++k)
            sequence = sequence && isContinuation(bytes[i + k]);
        if (sequence)
            return true;
    }
    return false;
}

template <typename Faults> void checkAmount(Faults &faults, const StoredValue &value, int width, bool whole)
{
    static constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11};
    const double amount = value.isSet ? value.number : 0;
    // What nearly every amount is: whole pesos of no more digits than the field's width. Within
    // that range the integer conversion is exact, and cheaper than std::trunc without SSE4.1.
    if (amount >= 0 && amount < kPowersOfTen[width] && double(qint64(amount)) == amount)
        return;
    if (amount < 0) {
        faults.add([&] {
            const QByteArray text = regional::generalText(amount);
            return QStringLiteral("%1 es negativo: el formato por posición lo escribe %2, que se lee como 0")
                .arg(screen(text), screen(RellenaIzquierda(text, "0", width)));
        });
    }
    if (whole && amount != std::trunc(amount))
        faults.add([&] { return QStringLiteral("%1 no es un monto en pesos enteros").arg(number(amount)); });
    if (const int length = textLength(value); length > width) {
        faults.add([&] {
            return QStringLiteral("%1 tiene %2 caracteres y el campo %3: corre las columnas de los campos "
                                  "que le siguen")
                .arg(number(amount))
                .arg(length)
                .arg(width);
        });
    }
}

template <typename Faults> void checkUtf8(Faults &faults, QByteArrayView text)
{
    if (!holdsUtf8(text))
        return;
    faults.add([&] {
        const QString shown = screen(text);
        if (!text.isValidUtf8())
            return QStringLiteral("\"%1\" trae los bytes de un carácter escrito en UTF-8").arg(shown);
        return QStringLiteral("\"%1\" trae un carácter escrito en UTF-8: debe ser \"%2\"")
            .arg(shown, QString::fromUtf8(text));
    });
}

struct Line {
    const RowView &view;
    const CodeTables &codes;
    int lastYear;
};

template <typename Faults> void checkField(const Line &line, int position, Faults &faults)
{
    const Check &check = kChecks[std::size_t(position)];
    const StoredValue value = line.view.value(position);
    const QByteArrayView text = value.text;
    switch (check.rule) {
    case Rule::None:
        break;
    case Rule::Rut:
        if (!value.isSet || value.number != std::trunc(value.number) || value.number < 1
            || value.number > kHighestRut) {
            faults.add([&] {
                if (!value.isSet)
                    return QStringLiteral("Está en blanco: debe ser un RUT de 1 a 99999999");
                return QStringLiteral("Debe ser un número entero de 1 a 99999999, no %1")
                    .arg(number(value.number));
            });
        }
        break;
    case Rule::Dv: {
        char buffer[16];
        QByteArrayView body;
        if (rutDigits(line.view, buffer, body))
            checkCharacter(faults, body, text);
        else if (text.size() != 1 || !((text[0] >= '0' && text[0] <= '9') || text[0] == 'K'))
            expected(faults, text, [] { return QStringLiteral("un dígito de 0 a 9 o K"); });
        break;
    }
    case Rule::NotBlank:
        if (trimmed(text).isEmpty())
            faults.add([] { return QStringLiteral("Está en blanco"); });
        break;
    case Rule::Sexo:
    case Rule::YesNo:
    case Rule::Regimen: {
        const Options &options = kOptions[std::size_t(check.rule == Rule::Sexo    ? kSexo
                                                      : check.rule == Rule::YesNo ? kYesNo
                                                                                  : kRegimen)];
        bool found = false;
        for (int i = 0; i < options.count && text.size() == options.length; ++i)
            found =
                found
                || std::memcmp(text.data(), options.texts[std::size_t(i)], std::size_t(options.length)) == 0;
        if (!found)
            expected(faults, text, [&] { return QString::fromUtf8(options.described); });
        break;
    }
    case Rule::Nacion:
        if (!value.isSet || (value.number != 0 && value.number != 1)) {
            faults.add([&] {
                if (!value.isSet)
                    return QStringLiteral("Está en blanco: debe ser 0 (chilena) o 1 (extranjera)");
                return QStringLiteral("Debe ser 0 (chilena) o 1 (extranjera), no %1")
                    .arg(number(value.number));
            });
        }
        break;
    case Rule::Code:
        checkCode(faults, text, check.table, line.codes);
        break;
    case Rule::PeriodFrom:
        if (periodOf(text, line.lastYear) == 0)
            expected(faults, text, [&] { return periodRule(line.lastYear); });
        break;
    case Rule::PeriodTo: {
        if (text == "000000")
            break;
        const int to = periodOf(text, line.lastYear);
        if (to == 0) {
            expected(faults, text, [&] { return QStringLiteral("000000 o ") + periodRule(line.lastYear); });
            break;
        }
        const QByteArrayView fromText = line.view.value(kPosRemuDesde).text;
        if (const int from = periodOf(fromText, line.lastYear); from != 0 && to < from) {
            faults.add([&] {
                return QStringLiteral("El periodo %1 es anterior al periodo desde %2")
                    .arg(screen(text), screen(fromText));
            });
        }
        break;
    }
    case Rule::Count: {
        qint32 count = 0;
        if (!regional::strictInteger(text, count) || count < 0 || (check.param >= 0 && count > check.param)) {
            expected(faults, text, [&] {
                return check.param >= 0 ? QStringLiteral("un número entero de 0 a %1").arg(check.param)
                                        : QStringLiteral("un número entero, 0 o más");
            });
        }
        break;
    }
    case Rule::DateFrom: {
        const Date date = dateOf(text);
        if (date.kind == DateKind::Bad) {
            badDate(faults, text);
        } else if (date.kind == DateKind::None) {
            const QByteArrayView codMov = line.view.value(kPosCodMov).text;
            if (movementNeedsDate(codMov)) {
                faults.add([&] {
                    return QStringLiteral("El código de movimiento %1 pide una fecha desde")
                        .arg(screen(codMov));
                });
            }
        }
        break;
    }
    case Rule::DateTo: {
        const Date date = dateOf(text);
        if (date.kind == DateKind::Bad) {
            badDate(faults, text);
        } else if (date.kind == DateKind::Real) {
            const QByteArrayView fromText = line.view.value(kPosFechaDesde).text;
            const Date from = dateOf(fromText);
            if (from.kind == DateKind::Real && date.date < from.date) {
                faults.add([&] {
                    return QStringLiteral("Es anterior a la fecha desde %1").arg(screen(trimmed(fromText)));
                });
            }
        }
        break;
    }
    case Rule::AfpVolun:
        if (!isZeroOrEmpty(text))
            checkCode(faults, text, check.table, line.codes);
        break;
    case Rule::MovVolun: {
        qint32 code = 0;
        if (!trimmed(text).isEmpty() && !(regional::strictInteger(text, code) && code == 10))
            checkCode(faults, text, check.table, line.codes);
        break;
    }
    case Rule::OtherRut:
        if (!isZeroOrEmpty(text) && !isDigits(trimmed(text)))
            expected(faults, text, [] { return QStringLiteral("un RUT de solo dígitos, o 0"); });
        break;
    case Rule::OtherDv: {
        const QByteArrayView rut = trimmed(line.view.value(check.param).text);
        if (!isZeroOrEmpty(rut) && isDigits(rut))
            checkCharacter(faults, rut, text);
        break;
    }
    case Rule::Amount:
    case Rule::Rate:
        checkAmount(faults, value, check.param, check.rule == Rule::Amount);
        break;
    }
    if (value.kind == FieldKind::Text)
        checkUtf8(faults, text);
}

// The year after this one. Asking the calendar means asking for the time zone, which costs more
// than checking a whole line, so the answer is kept for a minute, by each thread that checks lines.
int lastPeriodYear()
{
    thread_local int year = 0;
    thread_local std::chrono::steady_clock::time_point asked;
    const auto now = std::chrono::steady_clock::now();
    if (year == 0 || now - asked > std::chrono::minutes(1)) {
        year = QDate::currentDate().year() + 1;
        asked = now;
    }
    return year;
}

} // namespace

int CellSet::firstFrom(int from) const
{
    if (from < 0)
        from = 0;
    for (int word = from >> 6; word < 2; ++word) {
        quint64 bits = m_bits[word];
        if (word == from >> 6)
            bits &= ~quint64(0) << (from & 63);
        if (bits != 0)
            return word * 64 + std::countr_zero(bits);
    }
    return -1;
}

int CellSet::lastUpTo(int to) const
{
    if (to > 127)
        to = 127;
    for (int word = to >> 6; word >= 0; --word) {
        quint64 bits = m_bits[word];
        if (word == to >> 6 && (to & 63) != 63)
            bits &= (quint64(1) << ((to & 63) + 1)) - 1;
        if (bits != 0)
            return word * 64 + 63 - std::countl_zero(bits);
    }
    return -1;
}

namespace {

// What the reader saw that the stored values cannot show.
CellSet notedCells(const ReaderNote *note)
{
    CellSet cells;
    if (!note)
        return cells;
    if (note->shape != ReaderNote::Shape::Right)
        cells.insert(catalogue::kLinea);
    for (const ReaderNote::Unreadable &entry : note->unreadable)
        cells.insert(entry.position);
    return cells;
}

void addNoteReasons(const RecordTable &table, int row, int position, QStringList &reasons)
{
    const ReaderNote *note = table.readerNote(row);
    if (!note)
        return;
    if (position == catalogue::kLinea) {
        if (note->shape == ReaderNote::Shape::Length) {
            reasons.append(QStringLiteral("La línea traía %1 caracteres, no %2: los campos después de lo que "
                                          "falta o sobra pueden estar en otras columnas")
                               .arg(note->seen)
                               .arg(linelayout::kFixedLineLength));
        } else if (note->shape == ReaderNote::Shape::Fields) {
            reasons.append(QStringLiteral("La línea traía %1 campos, no %2: los campos después del separador "
                                          "que falta o sobra están en otras columnas")
                               .arg(note->seen)
                               .arg(catalogue::kLineFieldCount));
        }
        return;
    }
    if (const ReaderNote::Unreadable *entry = note->unreadableAt(position)) {
        char buffer[32];
        const QString held = screen(entry->text) + (entry->cut ? QString(QChar(0x2026)) : QString());
        reasons.append(QStringLiteral("El archivo traía \"%1\", que no se lee como número: quedó %2")
                           .arg(held, screen(table.textViewAt(row, position, buffer))));
    }
}

} // namespace

CellSet check(const RecordTable &table, int row, const CodeTables &codes)
{
    const RowView view = table.rowView(row);
    const Line line{view, codes, lastPeriodYear()};
    CellSet cells = notedCells(table.readerNote(row));
    for (int position = 1; position < catalogue::kFieldCount; ++position) {
        AnyFault faults;
        checkField(line, position, faults);
        if (faults.found())
            cells.insert(position);
    }
    return cells;
}

QString reason(const RecordTable &table, int row, int position, const CodeTables &codes)
{
    if (row < 0 || row >= table.rowCount() || position < 0 || position >= catalogue::kFieldCount)
        return {};
    const RowView view = table.rowView(row);
    const Line line{view, codes, lastPeriodYear()};
    QStringList reasons;
    addNoteReasons(table, row, position, reasons);
    Reasons faults;
    if (position > 0)
        checkField(line, position, faults);
    reasons += faults.list();
    return reasons.join(QStringLiteral(". "));
}

} // namespace servicechecks
