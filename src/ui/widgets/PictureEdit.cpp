#include "ui/widgets/PictureEdit.h"

#include "ui/widgets/DataEntry.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

constexpr int kDigits = 10;
constexpr int kNoLimit = 32767;
constexpr qsizetype kSlash = 2; // position of the "/" in "mm/yyyy"

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

PictureEdit::PictureEdit(QWidget *parent) : PictureEdit(Picture::Digits, parent) {}

PictureEdit::PictureEdit(Picture picture, QWidget *parent) : QLineEdit(parent)
{
    // The picture is applied below, so force the first setPicture() to do its work.
    m_picture = picture == Picture::Digits ? Picture::MonthYear : Picture::Digits;
    setPicture(picture);
    dataentry::markEnterActsAsTab(this);
}

void PictureEdit::setPicture(Picture picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    clear();
    if (picture == Picture::Digits) {
        // No input mask: a mask of "9" positions would require all ten digits before the field
        // counted as acceptable, and Qt's masks cannot right-align.
        setInputMask(QString());
        setMaxLength(kDigits);
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        delete validator();
        setValidator(nullptr);
        setMaxLength(kNoLimit);
        // "0" positions accept a blank, so a part entry is acceptable and editingFinished fires.
        setInputMask(QStringLiteral("00/0000; "));
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

QString PictureEdit::value() const
{
    if (m_picture == Picture::Digits)
        return text().trimmed();
    // text() drops the mask's blanks and with them the positions; displayText() keeps them.
    return displayText();
}

void PictureEdit::setValue(const QString &value)
{
    if (m_picture == Picture::Digits) {
        QString digits;
        for (const QChar c : value) {
            if (isAsciiDigit(c) && digits.size() < kDigits)
                digits += c;
        }
        setText(digits);
        return;
    }
    QString positions = value;
    if (positions.size() > kSlash && positions[kSlash] == QLatin1Char('/'))
        positions.remove(kSlash, 1);
    QString shown = emptyMonthYear();
    for (qsizetype i = 0; i < 6 && i < positions.size(); ++i) {
        if (isAsciiDigit(positions[i]))
            shown[i < kSlash ? i : i + 1] = positions[i];
    }
    // Every position is given, so the mask places each character where it stands instead of
    // moving it to the next position that would take it.
    setText(shown);
}

bool PictureEdit::isEmpty() const
{
    if (m_picture == Picture::Digits)
        return value().isEmpty();
    return value() == emptyMonthYear();
}

QString PictureEdit::emptyMonthYear()
{
    return QStringLiteral("  /    ");
}
