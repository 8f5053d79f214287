#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// Codes of code-table entries, as the record editor finds and reads them. Texts are cp1252.

// The text twin of BuscaCodigo: for every entry from first to last, when the entry's first `width`
// characters equal `code` exactly (case counts), `result` becomes the whole entry. The last match
// wins; no match leaves `result` as it was. It cannot fail.
void BuscaCodigoTexto(const QList<QByteArray> &entries, int width, QByteArrayView code, QByteArray &result);

namespace codelookup {

// The "code of n" of a combo box's text: its first n characters (all of it when shorter) read as a
// number with the regional decimal separator, blanks around allowed. Nothing when the text is empty
// or does not begin with a number ("7 Otro" gives 7 with n = 2, "A1" nothing).
std::optional<double> codeOf(QByteArrayView text, int n);

} // namespace codelookup
