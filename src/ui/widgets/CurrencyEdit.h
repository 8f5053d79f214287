#pragma once

#include <QLineEdit>

// The record editor's numeric box (`CuEd`): holds a number rounded to two decimals.
//
// Not focused, it shows the number in its display format, with the regional thousands and decimal
// separators. A format is "positive[;negative]", each section an optional prefix, a number pattern
// and an optional suffix; the pattern's "," asks for thousands separators, its "0" after "." for a
// fixed decimal and "#" for a decimal shown only when not zero. So ",0;-,0" is a whole number with
// a leading minus, ",0.00;-,0.00" the same with two decimals, ",0;-$,0" a whole number whose
// negative form starts with "-$". Without a negative section the negative form is "-" + positive.
// Focused, it shows the plain number for editing: two decimals, the regional decimal separator,
// no thousands separator (with a character limit, trailing zero decimals are left out so that the
// value fits). The value 0 shows as an empty box, focused or not, and an empty box is 0.
//
// Typing takes digits, one leading "-" and the regional decimal separator with at most two
// decimals (the keypad's decimal key gives the regional separator). What was typed is read when
// the focus leaves (Enter acts as Tab, so returnPressed never fires); while focused, value()
// already answers what the box will hold. A text that does not read as a number ("-", ",") is 0.
// With a range, the value is brought into it when the focus leaves and by setValue()/setRange().
// A character limit (0 = none) bounds what can be typed.
class CurrencyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CurrencyEdit(QWidget *parent = nullptr);

    double value() const;
    void setValue(double value);

    QString displayFormat() const { return m_format; }
    // An empty format shows the general text of the number.
    void setDisplayFormat(const QString &format);

    bool hasRange() const { return m_hasRange; }
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    // A range whose minimum exceeds its maximum is refused (no change).
    void setRange(double minimum, double maximum);
    void clearRange();

    int charLimit() const { return m_charLimit; }
    void setCharLimit(int limit);

    // The text shown for `value` when not focused, and when focused; exposed for tests and for
    // callers that show the same number elsewhere.
    QString formatted(double value) const;
    QString editText(double value) const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    double bounded(double value) const;
    double typedValue() const;
    void showValue();

    double m_value = 0;
    QString m_format;
    bool m_hasRange = false;
    double m_minimum = 0;
    double m_maximum = 0;
    int m_charLimit = 0;
    bool m_editing = false;
};
