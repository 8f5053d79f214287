#include "ui/widgets/DateEdit.h"

#include "ui/widgets/DataEntry.h"
#include "util/Regional.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent), m_format(regional::shortDateFormat())
{
    if (!m_format.contains(QLatin1Char('d')) || !m_format.contains(QLatin1Char('M'))
        || !m_format.contains(QLatin1Char('y')))
        m_format = QStringLiteral("dd/MM/yyyy");
    // The mask is built from the regional format: every d, M and y run is a field of digits
    // ("0" positions, which may be left blank, so that a part entry still ends the editing), and
    // everything else is an escaped literal.
    QString mask;
    for (qsizetype i = 0; i < m_format.size();) {
        const QChar c = m_format[i];
        qsizetype run = 1;
        while (i + run < m_format.size() && m_format[i + run] == c)
            ++run;
        Part *part = nullptr;
        if (c == QLatin1Char('d'))
            part = &m_day;
        else if (c == QLatin1Char('M'))
            part = &m_month;
        else if (c == QLatin1Char('y'))
            part = &m_year;
        if (part) {
            *part = Part{i, run};
            mask += QString(run, QLatin1Char('0'));
        } else {
            for (qsizetype k = 0; k < run; ++k) {
                mask += QLatin1Char('\\');
                mask += c;
            }
        }
        i += run;
    }
    setInputMask(mask + QStringLiteral("; "));

    QAction *drop = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    drop->setObjectName(QStringLiteral("calendarButton"));
    connect(drop, &QAction::triggered, this, &DateEdit::showCalendar);

    dataentry::markEnterActsAsTab(this);
}

QDate DateEdit::date() const
{
    // Parsed from the text each time, so that it answers what is being typed too; when nobody
    // typed, the text is that of m_date.
    bool blank = false;
    const QDate typed = parsed(displayText(), &blank);
    if (blank)
        return QDate();
    return typed.isValid() ? typed : m_date;
}

void DateEdit::setDate(QDate date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) {
        m_date = QDate();
        QLineEdit::setText(QString());
        return;
    }
    m_date = date;
    QLineEdit::setText(date.toString(m_format));
}

QString DateEdit::text() const
{
    const QDate d = date();
    return d.isValid() ? d.toString(m_format) : QString();
}

void DateEdit::showCalendar()
{
    if (!isEnabled() || isReadOnly())
        return;
    if (!m_calendar) {
        // Made on first use: the record editor has six date boxes and most are never dropped down.
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateEdit::pick);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateEdit::pick);
    }
    const QDate current = date();
    m_calendar->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    m_calendar->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + m_calendar->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_calendar->height());
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - m_calendar->width())));
    }
    m_calendar->move(at);
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateEdit::focusOutEvent(QFocusEvent *event)
{
    // The calendar taking the focus is not the end of the editing.
    if (event->reason() != Qt::PopupFocusReason)
        setDate(date());
    QLineEdit::focusOutEvent(event);
}

QDate DateEdit::parsed(const QString &shown, bool *blank) const
{
    auto digitsOf = [&shown](Part part) {
        QString digits = shown.mid(part.position, part.length);
        digits.remove(QLatin1Char(' '));
        return digits;
    };
    const QString day = digitsOf(m_day);
    const QString month = digitsOf(m_month);
    const QString year = digitsOf(m_year);
    *blank = day.isEmpty() && month.isEmpty() && year.isEmpty();
    // A two-digit year would be a guess at the century: the year is typed whole.
    if (day.isEmpty() || month.isEmpty() || year.size() != m_year.length)
        return QDate();
    return QDate(year.toInt(), month.toInt(), day.toInt());
}

void DateEdit::pick(QDate date)
{
    if (!m_calendar->isVisible()) // the click of a double click already picked it
        return;
    m_calendar->hide();
    setDate(date);
    setFocus(Qt::PopupFocusReason);
    Q_EMIT datePicked(date);
}
