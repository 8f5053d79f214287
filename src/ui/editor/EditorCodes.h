#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>

#include <optional>

// The rules of the record editor that need no window: code look-up, codes cut from a combo box's
// text, the current period, and the reading and writing of the dates of a line. Texts are cp1252.

// The text twin of BuscaCodigo: for every entry from first to last, when the entry's first `width`
// characters equal `code` exactly (case counts), `result` becomes the whole entry. The last match
// wins; no match leaves `result` as it was. It cannot fail.
void BuscaCodigoTexto(const QList<QByteArray> &entries, int width, QByteArrayView code, QByteArray &result);

namespace editorcodes {

// The period of a date as the editor keeps it: the year in four digits, the month in two.
struct RPeriodo {
    QByteArray Ano;
    QByteArray Mes;
};

RPeriodo periodOf(QDate date);
// Month then year, six digits: what a "mm/yyyy" picture field takes as its value.
QByteArray periodValue(const RPeriodo &period);

// The "code of n" of a combo box's text: its first n characters (all of it when shorter) read as a
// number with the regional decimal separator, blanks around allowed. Nothing when the text is empty
// or does not begin with a number ("7 Otro" gives 7 with n = 2, "A1" nothing).
std::optional<double> codeOf(QByteArrayView text, int n);

// A count typed into one of the "N° Cargas" boxes: 0 when empty, otherwise the text as a number.
// A text that is not a number raises AppError "'%s' is not a valid floating point value".
double countValue(QByteArrayView text);

// Check 7 of saving: true when the text reads as an integer greater than 13. A text that is not an
// integer (empty, "A") passes.
bool tooManyCargasSimples(QByteArrayView text);

// A date as stored in a line, read in the regional short-date format (one- or two-digit day and
// month, four-digit year). When that fails, a ten-character day-first date with any separator is
// tried: its characters 1-2, 4-5 and 7-10 joined by the regional date separator, read the same way.
// An empty text, ten blanks or an unreadable text give an invalid date (an empty date box).
QDate storedDate(QByteArrayView stored);

} // namespace editorcodes
