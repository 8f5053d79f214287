#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// The record editor's radio group: a captioned frame of exclusive choices laid out in columns,
// filled column by column (with two columns and four items, items 0 and 1 form the first column).
// itemIndex() is the chosen item counted from 0, or -1 when none is chosen; setItemIndex() with -1
// or any index outside the items clears the choice.
//
// Tab visits one button of the group, the chosen one (the first when none is chosen); the arrow
// keys move within the group, carrying the choice along when the button they leave was chosen.
// Enter acts as Tab under the program's Enter filter.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit RadioGroup(QWidget *parent = nullptr);
    RadioGroup(const QString &caption, const QStringList &items, int columns = 1, QWidget *parent = nullptr);

    QStringList items() const;
    // Replaces the buttons; no item is chosen afterwards.
    void setItems(const QStringList &items);
    int count() const { return int(m_buttons.size()); }

    int columns() const { return m_columns; }
    // At least 1.
    void setColumns(int columns);

    int itemIndex() const;
    void setItemIndex(int index);

    // The button of an item, or nullptr outside the items.
    QRadioButton *button(int index) const;

Q_SIGNALS:
    void itemIndexChanged(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut();
    void noteChange();

    QButtonGroup *m_group;
    QGridLayout *m_grid;
    QList<QRadioButton *> m_buttons;
    int m_columns = 1;
    int m_lastIndex = -1;
};
