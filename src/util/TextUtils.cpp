#include "util/TextUtils.h"

#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/Regional.h"

namespace {

qint32 strictIntegerOrThrow(QByteArrayView text)
{
    const std::optional<qint32> value = regional::strictInteger(text);
    if (!value)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(cp1252::toUnicode(text)));
    return *value;
}

void appendRepeated(QByteArray &out, QByteArrayView pad, qsizetype times)
{
    for (qsizetype i = 0; i < times; ++i)
        out += pad;
}

} // namespace

quint16 AnoDeFecha(QDate date)
{
    return quint16(date.year());
}

quint16 MesDeFecha(QDate date)
{
    return quint16(date.month());
}

void BuscaCodigo(const QList<QByteArray> &entries, int width, QByteArrayView code, QByteArray &result)
{
    for (const QByteArray &entry : entries) {
        // The entry's part is converted before the code, so a bad entry is the one named in the error.
        const qsizetype length = qBound(qsizetype(0), qsizetype(width), entry.size());
        const qint32 entryCode = strictIntegerOrThrow(QByteArrayView(entry).first(length));
        if (entryCode == strictIntegerOrThrow(code))
            result = entry;
    }
}

QByteArray QuitaCaracter(QByteArrayView text, QByteArrayView c)
{
    if (c.size() != 1)
        return text.toByteArray();
    QByteArray result;
    result.reserve(text.size());
    for (const char ch : text) {
        if (ch != c[0])
            result += ch;
    }
    return result;
}

char checkCharacterOf(QByteArrayView body)
{
    int sum = 0;
    int weight = 2;
    for (qsizetype i = body.size() - 1; i >= 0; --i) {
        // Character codes are bytes 0-255: a cp1252 letter must not count as a negative number.
        sum += (int(static_cast<unsigned char>(body[i])) - '0') * weight;
        weight = weight == 7 ? 2 : weight + 1;
    }
    const int d = 11 - sum % 11; // a negative sum leaves a negative remainder and d above 11
    return d >= 1 && d <= 9 ? char('0' + d) : d == 10 ? 'K' : '0';
}

bool ValidaRut(QByteArrayView rut)
{
    const QByteArray text = QuitaCaracter(rut, "-");
    if (text.isEmpty())
        return true;
    return checkCharacterOf(QByteArrayView(text).chopped(1)) == text.back();
}

void appendRellenaIzquierda(QByteArray &out, QByteArrayView text, QByteArrayView pad, int width)
{
    qsizetype kept = 0;
    for (const char c : text)
        kept += c != ' ';
    if (kept < width)
        appendRepeated(out, pad, width - kept);
    for (const char c : text) {
        if (c != ' ')
            out += c;
    }
}

QByteArray RellenaIzquierda(QByteArrayView text, QByteArrayView pad, int width)
{
    QByteArray result;
    appendRellenaIzquierda(result, text, pad, width);
    return result;
}

void appendRellenaDerecha(QByteArray &out, QByteArrayView text, QByteArrayView pad, int width)
{
    out += text;
    if (text.size() < width)
        appendRepeated(out, pad, width - text.size());
}

QByteArray RellenaDerecha(QByteArrayView text, QByteArrayView pad, int width)
{
    QByteArray result;
    appendRellenaDerecha(result, text, pad, width);
    return result;
}

QByteArray ReemplazaCaracter(QByteArrayView text, QByteArrayView from, QByteArrayView to)
{
    if (from.size() != 1)
        return text.toByteArray();
    QByteArray result;
    result.reserve(text.size());
    for (const char ch : text) {
        if (ch != from[0])
            result += ch;
        else if (!to.isEmpty())
            result += to[0];
    }
    return result;
}
