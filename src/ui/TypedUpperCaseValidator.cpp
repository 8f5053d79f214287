#include "ui/TypedUpperCaseValidator.h"

#include <algorithm>

TypedUpperCaseValidator::TypedUpperCaseValidator(QObject *parent) : QValidator(parent) {}

void TypedUpperCaseValidator::setBaseline(const QString &text)
{
    m_previous = text;
}

QValidator::State TypedUpperCaseValidator::validate(QString &input, int &pos) const
{
    // The edit replaced a stretch of the previous text with what now ends at the cursor; what follows
    // the cursor is the previous text's tail. Comparing from the front alone would be ambiguous
    // ("a" typed before "aa").
    const qsizetype cursor = std::clamp<qsizetype>(pos, 0, input.size());
    const qsizetype tail = input.size() - cursor;
    qsizetype start = 0;
    const qsizetype limit = std::min({cursor, m_previous.size() - tail, m_previous.size()});
    while (start < limit && input.at(start) == m_previous.at(start))
        ++start;
    for (qsizetype i = start; i < cursor; ++i) {
        const char16_t c = input.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            input[i] = QChar(c - u'a' + u'A');
    }
    m_previous = input;
    return Acceptable;
}
