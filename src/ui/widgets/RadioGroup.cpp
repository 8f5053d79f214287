#include "ui/widgets/RadioGroup.h"

#include "ui/widgets/DataEntry.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent) : RadioGroup(QString(), QStringList(), 1, parent) {}

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)), m_grid(new QGridLayout(this)),
      m_columns(std::max(1, columns))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            noteChange();
    });
    dataentry::markEnterActsAsTab(this);
    setItems(items);
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QRadioButton *b : m_buttons)
        texts << b->text();
    return texts;
}

void RadioGroup::setItems(const QStringList &items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        dataentry::markEnterActsAsTab(b);
        b->installEventFilter(this);
        m_group->addButton(b, i);
        m_buttons << b;
    }
    layOut();
    noteChange();
}

void RadioGroup::setColumns(int columns)
{
    m_columns = std::max(1, columns);
    layOut();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *b = button(index)) {
        b->setChecked(true);
        return;
    }
    if (QAbstractButton *checked = m_group->checkedButton()) {
        // An exclusive group refuses to uncheck its checked button.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    noteChange();
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

bool RadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    // Qt's Tab lands on the group's first button; as on Windows, it should land on the chosen one.
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *checked = m_group->checkedButton();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && checked
            && checked != watched) {
            checked->setFocus(reason);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void RadioGroup::layOut()
{
    for (QRadioButton *b : m_buttons)
        m_grid->removeWidget(b);
    const int perColumn = (int(m_buttons.size()) + m_columns - 1) / m_columns;
    for (int i = 0; i < m_buttons.size(); ++i)
        m_grid->addWidget(m_buttons[i], i % perColumn, i / perColumn);
}

void RadioGroup::noteChange()
{
    const int index = itemIndex();
    if (index == m_lastIndex)
        return;
    m_lastIndex = index;
    Q_EMIT itemIndexChanged(index);
}
