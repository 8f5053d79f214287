#include "ui/widgets/Cp1252Validator.h"

#include "util/Cp1252.h"

Cp1252Validator::Cp1252Validator(bool upperCase, QObject *parent) : QValidator(parent), m_upperCase(upperCase)
{}

namespace {

QString mend(const QString &text, bool upperCase, int *pos)
{
    QString out;
    out.reserve(text.size());
    int newPos = pos ? *pos : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (!cp1252::isRepresentable(c)) {
            if (pos && i < *pos)
                --newPos;
            continue;
        }
        if (upperCase) {
            // QChar::toUpper is the one-to-one mapping: ß stays ß instead of becoming "SS".
            const QChar upper = c.toUpper();
            if (upper != c && cp1252::isRepresentable(upper))
                c = upper;
        }
        out += c;
    }
    if (pos)
        *pos = newPos;
    return out;
}

} // namespace

QValidator::State Cp1252Validator::validate(QString &input, int &pos) const
{
    input = mend(input, m_upperCase, &pos);
    return Acceptable;
}

QString Cp1252Validator::mended(const QString &text, bool upperCase)
{
    return mend(text, upperCase, nullptr);
}
