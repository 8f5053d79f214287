#include "ui/widgets/FormGrid.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace formgrid {

QWidget *menuColouredPanel(QWidget *window)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QWidget(window);
    panel->setObjectName(QStringLiteral("Panel1"));
    QPalette menuColour = panel->palette();
    menuColour.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
    panel->setPalette(menuColour);
    panel->setAutoFillBackground(true);
    outer->addWidget(panel);
    return panel;
}

QVBoxLayout *pageColumn(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(kSpacing, kSpacing, kSpacing, kSpacing);
    column->setSpacing(kSpacing);
    return column;
}

QFrame *panel(QWidget *page)
{
    auto *frame = new QFrame(page);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QGroupBox *group(QWidget *page, const QString &title)
{
    return new QGroupBox(title, page);
}

QLabel *buddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

void wrapped(QLabel *label)
{
    label->setWordWrap(true);
    const int width = label->fontMetrics().horizontalAdvance(label->text()) * 2 / 3;
    label->setFixedWidth(width);
    // The grid sizes its rows from height hints, not from heights for a width.
    label->setMinimumHeight(label->heightForWidth(width));
}

QHBoxLayout *twoFields(QWidget *first, const QString &secondLabel, QWidget *second)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);
    row->addWidget(first);
    row->addWidget(buddyLabel(secondLabel, second));
    row->addWidget(second);
    row->addStretch(1);
    return row;
}

void alignColumns(const QList<QGridLayout *> &grids)
{
    QList<int> widths;
    for (const QGridLayout *grid : grids) {
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            if (columnSpan != 1)
                continue;
            const QLayoutItem *item = grid->itemAt(i);
            const int width = item->widget() && item->widget()->maximumWidth() < QWIDGETSIZE_MAX
                                  ? std::min(item->sizeHint().width(), item->widget()->maximumWidth())
                                  : item->sizeHint().width();
            if (widths.size() <= column)
                widths.resize(column + 1);
            widths[column] = std::max(widths[column], width);
        }
    }
    // No column of one grid may grow without the same column of the others.
    for (QGridLayout *grid : grids) {
        for (int column = 0; column < widths.size(); ++column) {
            grid->setColumnMinimumWidth(column, widths[column]);
            grid->setColumnStretch(column, 0);
        }
        grid->setColumnStretch(int(widths.size()), 1);
    }
}

Pairs::Pairs(QWidget *owner) : m_grid(new QGridLayout(owner))
{
    m_grid->setContentsMargins(8, 4, 8, 6);
    m_grid->setHorizontalSpacing(kSpacing);
    m_grid->setVerticalSpacing(3);
}

QLabel *Pairs::pair(int row, int column, const QString &text, QWidget *field, int span)
{
    QLabel *label = buddyLabel(text, field);
    m_grid->addWidget(label, row, 2 * column);
    const Qt::Alignment align = field->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed
                                    ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::Alignment();
    m_grid->addWidget(field, row, 2 * column + 1, 1, 2 * span - 1, align);
    return label;
}

QLabel *Pairs::pair(int row, int column, const QString &text, QWidget *buddy, QLayout *fields, int span)
{
    QLabel *label = buddyLabel(text, buddy);
    m_grid->addWidget(label, row, 2 * column);
    m_grid->addLayout(fields, row, 2 * column + 1, 1, 2 * span - 1);
    return label;
}

void Pairs::whole(int row, int column, QWidget *widget, int span, int rows)
{
    m_grid->addWidget(widget, row, 2 * column, rows, 2 * span);
}

} // namespace formgrid
