#include "ui/widgets/Cp1252Validator.h"

#include "util/Cp1252.h"

#include <algorithm>

Cp1252Validator::Cp1252Validator(bool upperCase, QObject *parent) : QValidator(parent), m_upperCase(upperCase)
{}

namespace {

QChar capital(QChar c)
{
    // QChar::toUpper is the one-to-one mapping: ß stays ß instead of becoming "SS".
    const QChar upper = c.toUpper();
    return upper != c && cp1252::isRepresentable(upper) ? upper : c;
}

QString mend(const QString &text, bool upperCase, int *pos)
{
    QString out;
    out.reserve(text.size());
    int newPos = pos ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!cp1252::isRepresentable(c)) {
            if (pos && i < *pos)
                --newPos;
            continue;
        }
        out += upperCase ? capital(c) : c;
    }
    if (pos)
        *pos = newPos;
    return out;
}

} // namespace

QValidator::State Cp1252Validator::validate(QString &input, int &pos) const
{
    input = mend(input, false, &pos);
    if (m_upperCase) {
        // The edit replaced a stretch of the previous text with what now ends at the cursor; what
        // follows the cursor is the previous text's tail. Comparing from the front alone would be
        // ambiguous ("a" typed before "aa").
        const qsizetype cursor = std::clamp<qsizetype>(pos, 0, input.size());
        const qsizetype tail = input.size() - cursor;
        const qsizetype limit = std::min({cursor, m_previous.size() - tail, m_previous.size()});
        qsizetype start = 0;
        while (start < limit && input.at(start) == m_previous.at(start))
            ++start;
        for (qsizetype i = start; i < cursor; ++i)
            input[i] = capital(input.at(i));
    }
    m_previous = input;
    return Acceptable;
}

QString Cp1252Validator::mended(const QString &text, bool upperCase)
{
    return mend(text, upperCase, nullptr);
}
