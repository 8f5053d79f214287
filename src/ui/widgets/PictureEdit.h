#pragma once

#include <QLineEdit>

// A picture field of the record editor, in one of two pictures:
//
// Digits ("9999999999"): up to ten digits, right-aligned; nothing but digits can be typed.
//   value() is the digits, blanks trimmed; empty when nothing is typed. setValue() keeps the digits
//   of the text it is given (blanks and any other character are dropped), at most ten.
//
// MonthYear ("mm/yyyy"): two month digits, a fixed "/", four year digits. Each position keeps its
//   place: value() is always seven characters, a blank for each position not typed, so it reads
//   "  /    " when empty and "05/2024" when full; a part entry such as "05/    " is kept as it is
//   and still ends the editing normally. setValue() takes "mmyyyy" or "mm/yyyy" and puts each
//   character in its position; a character that is not a digit, or a missing one, leaves its
//   position blank. The month and year are not checked: "00/0000" is a value like any other.
//
// Enter acts as Tab under the program's Enter filter.
class PictureEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class Picture { Digits, MonthYear };

    explicit PictureEdit(QWidget *parent = nullptr); // Digits
    explicit PictureEdit(Picture picture, QWidget *parent = nullptr);

    Picture picture() const { return m_picture; }
    // Changing the picture empties the field.
    void setPicture(Picture picture);

    QString value() const;
    void setValue(const QString &value);
    // No digit typed: "" for Digits, "  /    " for MonthYear.
    bool isEmpty() const;

    // The value of an empty MonthYear field.
    static QString emptyMonthYear();

private:
    Picture m_picture = Picture::Digits;
};
