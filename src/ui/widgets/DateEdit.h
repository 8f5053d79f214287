#pragma once

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

// The record editor's date box (`DEd`): a date or nothing, shown as day, month and four-digit
// year in the regional short-date order and separator (regional::shortDateFormat(), read when the
// box is made), e.g. "dd-MM-yyyy" under es_CL, "MM/dd/yyyy" under en_US.
//
// The user types into a mask of that form (the separators are fixed; the year always has four
// digits) or picks a date from the calendar drop-down, opened by the small button at the right,
// Alt+Down or F4; in the calendar, Enter or a click picks the date and Escape closes it. When the
// focus leaves, a blank mask empties the box and a text that is not a whole, real date (a part
// entry, 31-02-2024) goes back to the date the box held before.
//
// An invalid QDate means empty, both ways. Enter acts as Tab under the program's Enter filter.
class DateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DateEdit(QWidget *parent = nullptr);

    // The date the box holds; while focused, what it will hold when the focus leaves.
    QDate date() const;
    // An invalid date empties the box; a year beyond four digits is refused (empties too).
    void setDate(QDate date);
    bool isEmpty() const { return !date().isValid(); }
    // The date as shown, in the box's format ("05-12-2024"); "" when empty. Hides
    // QLineEdit::text(), which would drop the mask's blanks.
    QString text() const;

    // The short-date format the box shows, with dd, MM and yyyy.
    QString format() const { return m_format; }

    void showCalendar();
    // The calendar drop-down; nullptr until showCalendar() first opens it.
    QCalendarWidget *calendar() const { return m_calendar; }

Q_SIGNALS:
    // The user picked a date in the calendar.
    void datePicked(QDate date);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Part {
        qsizetype position = -1;
        qsizetype length = 0;
    };

    QDate parsed(const QString &shown, bool *blank) const;
    void pick(QDate date);

    QString m_format;
    Part m_day;
    Part m_month;
    Part m_year;
    QDate m_date;
    QCalendarWidget *m_calendar = nullptr;
};
