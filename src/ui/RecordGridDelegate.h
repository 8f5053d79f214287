#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

// The cell editor of the listing grid: a line edit that turns typed "a" to "z" into capitals, takes
// at most the size of a text field and only what the program can store (Cp1252Validator). The
// delegate remembers its open editor so that the grid can store it before an action of the window
// works on the table. A cell tinted by the model keeps a trace of its tint while it is selected.
class RecordGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit RecordGridDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    QWidget *openEditor() const { return m_editor; }
    // Stores and closes the open editor, if any.
    void finishEditing();
    // Closes the open editor, if any, without storing it.
    void discardEditing();

private:
    mutable QPointer<QWidget> m_editor;
};
