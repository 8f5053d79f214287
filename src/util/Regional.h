#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>

#include <optional>

// The user's regional settings for numbers and dates, taken from one place. The separators are
// read once from QLocale and kept, because the reader and writer need them millions of times;
// change the locale through setLocale() so that they follow.
namespace regional {

struct Separators {
    char decimal = '.'; // cp1252 bytes
    char group = ',';
};

QLocale locale();
// Makes `locale` the program's default locale and refreshes the kept separators.
void setLocale(const QLocale &locale);
const Separators &separators();

// The general text of a number: at most 15 significant digits, no thousands separator, no trailing
// zeros, the decimal separator only when there is a fraction, exponent form from 1e15 and below
// 1e-5 (after rounding to 15 digits).
QByteArray generalText(double value);
// The same into a buffer, for bulk work; answers the number of characters written.
int writeGeneralText(double value, char (&buffer)[32]);

// Strict number reading: blanks, an optional sign, digits with an optional decimal separator and
// fraction (at least one digit), an optional exponent, blanks; nothing else, no thousands separator.
std::optional<double> strictNumber(QByteArrayView text);
// Strict integer reading: leading blanks, an optional sign, digits to the end, within 32 bits.
std::optional<qint32> strictInteger(QByteArrayView text);
// The same readings for bulk work, which answer whether the text was read and leave `value` as it
// was when not (an optional made per field costs a reader of millions of fields dearly).
bool strictNumber(QByteArrayView text, double &value);
bool strictInteger(QByteArrayView text, qint32 &value);
bool regionalNumber(QByteArrayView text, double &value);
// The regional conversion: blanks around, a sign before or after, thousands and decimal separators
// and an exponent. A thousands separator stands only between groups of three digits, the first of
// one to three ("1.059.396" under es_CL); "3.2" or "1059396.0" there are refused, as is the empty text.
std::optional<double> regionalNumber(QByteArrayView text);

// The short-date format with day and month of two digits and a four-digit year, e.g. "dd-MM-yyyy".
QString shortDateFormat();
// The separator between the parts of a short date.
QChar dateSeparator();

} // namespace regional
