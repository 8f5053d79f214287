#include "util/EntryConversions.h"

#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <QString>

namespace entryconversions {

namespace {

// The regional short-date format, read leniently: one or two digits for day and month.
QString readingFormat()
{
    QString format = regional::shortDateFormat();
    format.replace(QStringLiteral("dd"), QStringLiteral("d"));
    format.replace(QStringLiteral("MM"), QStringLiteral("M"));
    return format;
}

// Characters [from, from + length) of a text, fewer when it is shorter.
QByteArray part(QByteArrayView text, qsizetype from, qsizetype length)
{
    if (from >= text.size())
        return {};
    return text.sliced(from, qMin(length, text.size() - from)).toByteArray();
}

QDate readDate(QByteArrayView text)
{
    return QDate::fromString(cp1252::toUnicode(text).trimmed(), readingFormat());
}

} // namespace

RPeriodo periodOf(QDate date)
{
    RPeriodo period;
    period.Ano = QByteArray::number(AnoDeFecha(date));
    period.Mes = QByteArray::number(MesDeFecha(date));
    if (period.Mes.size() < 2)
        period.Mes.prepend('0');
    return period;
}

QByteArray periodValue(const RPeriodo &period)
{
    return period.Mes + period.Ano;
}

double countValue(QByteArrayView text)
{
    if (text.isEmpty())
        return 0;
    if (const std::optional<double> value = regional::strictNumber(text))
        return *value;
    throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(cp1252::toUnicode(text)));
}

bool tooManyCargasSimples(QByteArrayView text)
{
    const std::optional<qint32> value = regional::strictInteger(text);
    return value && *value > 13;
}

QDate storedDate(QByteArrayView stored)
{
    if (stored.isEmpty() || stored == QByteArrayView("          "))
        return {};
    if (const QDate date = readDate(stored); date.isValid())
        return date;
    // A day-first date written with another separator, e.g. 01/05/2024 where "-" is the separator.
    const QByteArray separator = cp1252::fromUnicode(QString(regional::dateSeparator()));
    const QByteArray rebuilt =
        part(stored, 0, 2) + separator + part(stored, 3, 2) + separator + part(stored, 6, 4);
    return readDate(rebuilt);
}

} // namespace entryconversions
