#include "ui/widgets/UpperCaseEdit.h"

#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/DataEntry.h"

namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own default
}

UpperCaseEdit::UpperCaseEdit(QWidget *parent) : UpperCaseEdit(0, parent) {}

UpperCaseEdit::UpperCaseEdit(int charLimit, QWidget *parent)
    : QLineEdit(parent), m_validator(new Cp1252Validator(Cp1252Validator::Capitals::Letters, this))
{
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
    m_validator->setStoredText(text);
}

bool UpperCaseEdit::upperCase() const
{
    return m_validator->capitals() != Cp1252Validator::Capitals::None;
}

void UpperCaseEdit::setUpperCase(bool on)
{
    m_validator->setCapitals(on ? Cp1252Validator::Capitals::Letters : Cp1252Validator::Capitals::None);
    if (on)
        setText(Cp1252Validator::mended(text(), Cp1252Validator::Capitals::Letters));
}
