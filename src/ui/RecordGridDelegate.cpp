#include "ui/RecordGridDelegate.h"

#include "model/FieldCatalogue.h"
#include "ui/widgets/Cp1252Validator.h"

#include <QLineEdit>
#include <QPainter>

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

void RecordGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!(option.state & QStyle::State_Selected))
        return;
    // The style paints the selection over the background: the tint stays as a frame inside it.
    const QVariant tint = index.data(Qt::BackgroundRole);
    if (!tint.isValid())
        return;
    painter->save();
    painter->setPen(QPen(tint.value<QBrush>().color(), 3));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5));
    painter->restore();
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
