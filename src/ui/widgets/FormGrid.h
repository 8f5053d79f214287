#pragma once

#include <QList>
#include <QString>

class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QVBoxLayout;
class QWidget;

// Layout pieces of a form: label and field pairs on a grid, columns lined up across group boxes,
// panels and group boxes stacked on a page.
namespace formgrid {

constexpr int kSpacing = 6;

// The panel "Panel1" in the colour of menus that fills `window` to its edges.
QWidget *menuColouredPanel(QWidget *window);
// The column that stacks the panels and group boxes of a page.
QVBoxLayout *pageColumn(QWidget *page);
QFrame *panel(QWidget *page);
QGroupBox *group(QWidget *page, const QString &title);
// A label whose accelerator focuses `buddy`.
QLabel *buddyLabel(const QString &text, QWidget *buddy);
// A long label on two lines keeps its column as narrow as the others.
void wrapped(QLabel *label);
// Two fields side by side in one field cell, the second with a label of its own: "[] Hasta []".
QHBoxLayout *twoFields(QWidget *first, const QString &secondLabel, QWidget *second);
// The grids of one page line their columns up: each column as wide as its widest cell in any of
// them; only an empty column after the last takes the room to spare.
void alignColumns(const QList<QGridLayout *> &grids);

// A grid of label and field pairs on `owner`; pair column c takes grid columns 2c (label) and
// 2c + 1 (field).
class Pairs {
public:
    explicit Pairs(QWidget *owner);

    QGridLayout *grid() const { return m_grid; }

    // A field spanning `span` pair columns also takes the cells of the pairs it covers.
    QLabel *pair(int row, int column, const QString &text, QWidget *field, int span = 1);
    // A label for `buddy` and, in the field cell, a row of fields that holds it.
    QLabel *pair(int row, int column, const QString &text, QWidget *buddy, QLayout *fields, int span = 1);
    // A widget over the label and field cells of `span` pair columns.
    void whole(int row, int column, QWidget *widget, int span = 1, int rows = 1);

private:
    QGridLayout *m_grid;
};

} // namespace formgrid
