#include "codes/CodeLookup.h"

#include "util/Regional.h"

void BuscaCodigoTexto(const QList<QByteArray> &entries, int width, QByteArrayView code, QByteArray &result)
{
    const qsizetype n = qMax(qsizetype(0), qsizetype(width));
    for (const QByteArray &entry : entries) {
        if (QByteArrayView(entry).first(qMin(n, entry.size())) == code)
            result = entry;
    }
}

namespace codelookup {

std::optional<double> codeOf(QByteArrayView text, int n)
{
    return regional::strictNumber(text.first(qMin(text.size(), qsizetype(qMax(0, n)))));
}

} // namespace codelookup
