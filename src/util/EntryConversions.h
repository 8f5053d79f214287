#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

// How the record editor's entries and a line's stored texts convert: the current period, the
// dependant counts, and the dates of a line. Texts are cp1252.
namespace entryconversions {

// The period of a date as the editor keeps it: the year in four digits, the month in two.
struct RPeriodo {
    QByteArray Ano;
    QByteArray Mes;
};

RPeriodo periodOf(QDate date);
// Month then year, six digits: what a "mm/yyyy" picture field takes as its value.
QByteArray periodValue(const RPeriodo &period);

// A count typed into one of the "N° Cargas" boxes: 0 when empty, otherwise the text as a number.
// A text that is not a number raises AppError "'%s' is not a valid floating point value".
double countValue(QByteArrayView text);

// True when the text reads as an integer greater than 13, the most dependants a line may declare.
// A text that is not an integer (empty, "A") passes.
bool tooManyCargasSimples(QByteArrayView text);

// A date as stored in a line, read in the regional short-date format (one- or two-digit day and
// month, four-digit year). When that fails, a ten-character day-first date with any separator is
// tried: its characters 1-2, 4-5 and 7-10 joined by the regional date separator, read the same way.
// An empty text, ten blanks or an unreadable text give an invalid date (an empty date box).
QDate storedDate(QByteArrayView stored);

} // namespace entryconversions
