#include "ui/widgets/CurrencyEdit.h"

#include "ui/widgets/DataEntry.h"
#include "util/Cp1252.h"
#include "util/Regional.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <cmath>

namespace {

constexpr int kNoLimit = 32767;

double roundedToCents(double value)
{
    const double r = std::round(value * 100) / 100;
    return r == 0 ? 0 : r; // no negative zero
}

QString separatorText(char byte)
{
    return cp1252::toUnicode(QByteArrayView(&byte, 1));
}

struct Section {
    QString prefix;
    QString suffix;
    bool grouping = false;
    int fixedDecimals = 0;    // "0" after the point
    int optionalDecimals = 0; // "#" after the point
};

Section parseSection(const QString &text)
{
    static const QString patternChars = QStringLiteral("0#,.");
    Section s;
    qsizetype i = 0;
    while (i < text.size() && !patternChars.contains(text[i]))
        s.prefix += text[i++];
    bool afterPoint = false;
    for (; i < text.size() && patternChars.contains(text[i]); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(','))
            s.grouping = true;
        else if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (afterPoint && c == QLatin1Char('0'))
            ++s.fixedDecimals;
        else if (afterPoint)
            ++s.optionalDecimals;
    }
    s.suffix = text.mid(i);
    return s;
}

QString grouped(const QString &digits, const QString &group)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out += digits[i];
    }
    return out;
}

// The magnitude of `value` by the section's pattern, with the regional separators.
QString number(double magnitude, const Section &s)
{
    const int decimals = s.fixedDecimals + s.optionalDecimals;
    QString plain = QString::number(magnitude, 'f', decimals);
    qsizetype point = plain.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? plain : plain.left(point);
    QString fraction = point < 0 ? QString() : plain.mid(point + 1);
    while (fraction.size() > s.fixedDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const regional::Separators &sep = regional::separators();
    if (s.grouping)
        whole = grouped(whole, separatorText(sep.group));
    return fraction.isEmpty() ? whole : whole + separatorText(sep.decimal) + fraction;
}

} // namespace

CurrencyEdit::CurrencyEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A drop would land in the display text, which is rebuilt from the value on focus.
    setAcceptDrops(false);
    dataentry::markEnterActsAsTab(this);
}

double CurrencyEdit::value() const
{
    return m_editing ? bounded(typedValue()) : m_value;
}

void CurrencyEdit::setValue(double value)
{
    m_value = bounded(roundedToCents(value));
    showValue();
}

void CurrencyEdit::setDisplayFormat(const QString &format)
{
    m_format = format;
    if (!m_editing)
        showValue();
}

void CurrencyEdit::setRange(double minimum, double maximum)
{
    if (minimum > maximum)
        return;
    m_hasRange = true;
    m_minimum = minimum;
    m_maximum = maximum;
    setValue(value());
}

void CurrencyEdit::clearRange()
{
    m_hasRange = false;
}

void CurrencyEdit::setCharLimit(int limit)
{
    m_charLimit = limit > 0 ? limit : 0;
    if (m_editing)
        showValue();
}

QString CurrencyEdit::formatted(double value) const
{
    value = roundedToCents(value);
    if (value == 0)
        return QString();
    if (m_format.isEmpty())
        return cp1252::toUnicode(regional::generalText(value));
    const QStringList sections = m_format.split(QLatin1Char(';'));
    const Section positive = parseSection(sections[0]);
    // The sign is that of the number as shown: -0.4 as a whole number is "0", not "-0".
    const int shownDecimals = positive.fixedDecimals + positive.optionalDecimals;
    const double scale = std::pow(10.0, shownDecimals);
    const bool negative = std::round(std::abs(value) * scale) != 0 && value < 0;
    if (!negative)
        return positive.prefix + number(value < 0 ? 0 : value, positive) + positive.suffix;
    if (sections.size() < 2)
        return QLatin1Char('-') + positive.prefix + number(-value, positive) + positive.suffix;
    const Section neg = parseSection(sections[1]);
    return neg.prefix + number(-value, neg) + neg.suffix;
}

QString CurrencyEdit::editText(double value) const
{
    value = roundedToCents(value);
    if (value == 0)
        return QString();
    QString text = QString::number(value, 'f', 2);
    if (m_charLimit > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('.'), separatorText(regional::separators().decimal));
    return text;
}

void CurrencyEdit::focusInEvent(QFocusEvent *event)
{
    // Coming back from this box's own context menu keeps what is being typed.
    if (!m_editing) {
        m_editing = true;
        const QString decimal = QRegularExpression::escape(separatorText(regional::separators().decimal));
        setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("-?[0-9]*(%1[0-9]{0,2})?").arg(decimal)), this));
        showValue();
    }
    QLineEdit::focusInEvent(event);
}

void CurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::PopupFocusReason || !m_editing) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    m_value = bounded(typedValue());
    m_editing = false;
    // editingFinished is emitted here, while the edit text is still acceptable to the validator.
    QLineEdit::focusOutEvent(event);
    delete validator();
    setValidator(nullptr);
    showValue();
}

void CurrencyEdit::keyPressEvent(QKeyEvent *event)
{
    const QString decimal = separatorText(regional::separators().decimal);
    if ((event->modifiers() & Qt::KeypadModifier) && event->key() == Qt::Key_Period
        && event->text() != decimal) {
        QKeyEvent mapped(event->type(), event->key(), event->modifiers(), decimal, event->isAutoRepeat(),
                         ushort(event->count()));
        QLineEdit::keyPressEvent(&mapped);
        event->setAccepted(mapped.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

double CurrencyEdit::bounded(double value) const
{
    if (m_hasRange)
        value = std::clamp(value, m_minimum, m_maximum);
    return value;
}

double CurrencyEdit::typedValue() const
{
    const QString typed = text().trimmed();
    if (typed.isEmpty())
        return 0;
    const std::optional<double> number = regional::strictNumber(cp1252::fromUnicode(typed));
    return number ? roundedToCents(*number) : 0;
}

void CurrencyEdit::showValue()
{
    if (m_editing) {
        const QString text = editText(m_value);
        // A value loaded longer than the limit stays whole and can still be shortened.
        setMaxLength(m_charLimit > 0 ? std::max<int>(m_charLimit, int(text.size())) : kNoLimit);
        setText(text);
    } else {
        setMaxLength(kNoLimit);
        setText(formatted(m_value));
    }
}
