#include "ui/widgets/CodeComboBox.h"

#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/DataEntry.h"
#include "util/Cp1252.h"

#include <QLineEdit>

CodeComboBox::CodeComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The default completer of an editable combo box completes inline, turning "1" into the
    // first entry that begins with 1.
    setCompleter(nullptr);
    new Cp1252Validator(Cp1252Validator::Capitals::None, lineEdit());
    dataentry::markEnterActsAsTab(this);
    dataentry::markEnterActsAsTab(lineEdit());
    // A loaded or chosen entry longer than the box shows its code and the start of its
    // description, not its end; what the user types keeps its cursor.
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!lineEdit()->isModified())
            lineEdit()->setCursorPosition(0);
    });
}

void CodeComboBox::setEntries(const QList<QByteArray> &entries)
{
    clear();
    addEntries(entries);
    setCurrentIndex(-1);
}

void CodeComboBox::addEntries(const QList<QByteArray> &entries)
{
    const int index = currentIndex();
    const QString text = currentText();
    QStringList items;
    items.reserve(entries.size());
    for (const QByteArray &entry : entries)
        items << cp1252::toUnicode(entry);
    addItems(items);
    // Qt selects the first item of a list that was empty.
    if (index < 0) {
        setCurrentIndex(-1);
        setEditText(text);
    }
}

QByteArray CodeComboBox::currentBytes() const
{
    return cp1252::fromUnicode(currentText());
}
