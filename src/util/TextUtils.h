#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>

// Shared text, date and RUT utilities. Texts are cp1252 bytes; "character" means one byte.

// Year and month of a date.
quint16 AnoDeFecha(QDate date);
quint16 MesDeFecha(QDate date);

// For every entry from first to last, when the entry's first `width` characters and `code` are the
// same integer, `result` becomes the whole entry: the last match wins, no match leaves `result`.
// Strict integer conversions: an entry part or a code that is not an integer raises AppError
// "'%s' is not a valid integer value" at that entry, and later entries are not examined.
void BuscaCodigo(const QList<QByteArray> &entries, int width, QByteArrayView code, QByteArray &result);

// The text with every occurrence of the one-character text `c` removed (a longer `c` removes nothing).
QByteArray QuitaCaracter(QByteArrayView text, QByteArrayView c);

// Whether the last character of a RUT (body and check character, "-" allowed) is its check
// character. An empty text is valid; only an upper-case "K" passes.
bool ValidaRut(QByteArrayView rut);
// The check character that ValidaRut expects after `body` (digits, no "-"): "0" to "9" or "K".
char checkCharacterOf(QByteArrayView body);

// Blanks removed, then `pad` repeated in front up to `width`; a longer text is returned whole.
QByteArray RellenaIzquierda(QByteArrayView text, QByteArrayView pad, int width);
// `pad` repeated after the text, blanks kept, up to `width`; a longer text is returned whole.
QByteArray RellenaDerecha(QByteArrayView text, QByteArrayView pad, int width);
// The same, appended to `out`: the writer composes whole lines without a text per field.
void appendRellenaIzquierda(QByteArray &out, QByteArrayView text, QByteArrayView pad, int width);
void appendRellenaDerecha(QByteArray &out, QByteArrayView text, QByteArrayView pad, int width);

// Each occurrence of the one-character text `from` replaced by the first character of `to` (dropped
// when `to` is empty; a longer `from` replaces nothing).
QByteArray ReemplazaCaracter(QByteArrayView text, QByteArrayView from, QByteArrayView to);
