#include "ui/RecordGridDelegate.h"

#include "model/FieldCatalogue.h"
#include "ui/widgets/Cp1252Validator.h"

#include <QLineEdit>

RecordGridDelegate::RecordGridDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *RecordGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &index) const
{
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    new Cp1252Validator(Cp1252Validator::Capitals::AsciiLetters, edit);
    const FieldDef &field = catalogue::field(index.column());
    if (field.kind == FieldKind::Text)
        edit->setMaxLength(field.size);
    edit->setAlignment((field.alignRight() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    m_editor = edit;
    return edit;
}

void RecordGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!(option->state & QStyle::State_Selected) || option->backgroundBrush.style() == Qt::NoBrush)
        return;
    // The style paints the selection over the background: blend the two so the mark still shows.
    const QColor tint = option->backgroundBrush.color();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = option->palette.color(group, QPalette::Highlight);
        const QColor blend = QColor::fromRgbF(float(highlight.redF() * 0.55 + tint.redF() * 0.45),
                                              float(highlight.greenF() * 0.55 + tint.greenF() * 0.45),
                                              float(highlight.blueF() * 0.55 + tint.blueF() * 0.45));
        option->palette.setColor(group, QPalette::Highlight, blend);
        option->palette.setColor(group, QPalette::HighlightedText,
                                 blend.lightnessF() > 0.6 ? QColor(Qt::black) : QColor(Qt::white));
    }
}

void RecordGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return;
    const QString text = index.data(Qt::EditRole).toString();
    // The stored text keeps its case; only what the user types is mapped.
    if (auto *validator = edit->findChild<Cp1252Validator *>())
        validator->setStoredText(text);
    else
        edit->setText(text);
}

void RecordGridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void RecordGridDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const
{
    if (m_editor == editor)
        m_editor.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void RecordGridDelegate::finishEditing()
{
    if (QWidget *editor = m_editor) {
        Q_EMIT commitData(editor);
        Q_EMIT closeEditor(editor, NoHint);
    }
}

void RecordGridDelegate::discardEditing()
{
    if (QWidget *editor = m_editor)
        Q_EMIT closeEditor(editor, NoHint);
}
