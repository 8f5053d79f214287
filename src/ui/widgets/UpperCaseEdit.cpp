#include "ui/widgets/UpperCaseEdit.h"

#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/DataEntry.h"

namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own default
}

UpperCaseEdit::UpperCaseEdit(QWidget *parent) : UpperCaseEdit(0, parent) {}

UpperCaseEdit::UpperCaseEdit(int charLimit, QWidget *parent)
    : QLineEdit(parent), m_validator(new Cp1252Validator(true, this))
{
    setValidator(m_validator);
    setCharLimit(charLimit);
    dataentry::markEnterActsAsTab(this);
}

void UpperCaseEdit::setCharLimit(int limit)
{
    m_charLimit = limit > 0 ? limit : 0;
    setMaxLength(m_charLimit > 0 ? m_charLimit : kNoLimit);
}

void UpperCaseEdit::setStoredText(const QString &text)
{
    const bool upper = m_validator->upperCase();
    m_validator->setUpperCase(false);
    setText(text);
    m_validator->setUpperCase(upper);
}

bool UpperCaseEdit::upperCase() const
{
    return m_validator->upperCase();
}

void UpperCaseEdit::setUpperCase(bool on)
{
    m_validator->setUpperCase(on);
    if (on)
        setText(Cp1252Validator::mended(text(), true));
}
