#pragma once

#include <QLineEdit>

class Cp1252Validator;

// The record editor's text box: one line of free text, at most `charLimit` characters (0 = no
// limit), upper case by default. Only Windows-1252 characters are taken: others, and those the
// window refuses (Cp1252Validator::refuseIn), are dropped as they arrive. With upper case on, letters become
// capitals as they enter the box, typed, pasted or set with setText(), but only where the capital is a
// Windows-1252 character of its own: "ñ" becomes "Ñ", "ß" stays "ß" and never becomes "SS". A stored text
// shown with setStoredText() keeps its case; only what enters the box after it is converted. text() is the
// value. Enter acts as Tab under the program's Enter filter.
class UpperCaseEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit UpperCaseEdit(QWidget *parent = nullptr);
    UpperCaseEdit(int charLimit, QWidget *parent = nullptr);

    int charLimit() const { return m_charLimit; }
    // 0 or less removes the limit. A longer text already in the box is cut, as setMaxLength does.
    void setCharLimit(int limit);

    // Shows a text as it was stored: characters outside Windows-1252 are dropped, letters keep
    // their case, so that a text the user does not touch is given back unchanged.
    void setStoredText(const QString &text);

    bool upperCase() const;
    // Switching upper case on converts the text already in the box.
    void setUpperCase(bool on);

private:
    Cp1252Validator *m_validator;
    int m_charLimit = 0;
};
