#pragma once

#include <QTableView>

class RecordGridDelegate;
class RecordGridFrozenView;
class RecordTableModel;

// The listing grid over the record table: the row marker at the left, "N°" held in view while the
// grid scrolls sideways (a second view laid over the first column, sharing the model, the
// selection and the kind of cell editor), the catalogue's column widths scaled to the font at hand,
// and in-place editing. Shift+F10 asks for the pop-up menu as the Menu key does.
// The grid's current row follows the table's current row and moves it, and is in view whenever the
// grid is shown or resized and after every move of the table. Enter stores the pending line; a
// value the field refuses keeps the cell where it is.
//
// Sized for 100 000 lines: fixed row heights and no sizing of any header to its contents.
class RecordGrid : public QTableView {
    Q_OBJECT

public:
    explicit RecordGrid(RecordTableModel &model, QWidget *parent = nullptr);
    ~RecordGrid() override;

    RecordTableModel &recordModel() const { return m_model; }
    // The view that holds "N°" in view.
    QTableView *frozenView() const;
    // The open cell editor of either view, or nullptr.
    QWidget *openEditor() const;
    // Stores and closes an open cell editor; false when the field refused its value.
    bool finishEditing();

    using QTableView::edit; // the public edit(index), which the override below would hide

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void updateGeometries() override;

private:
    friend class RecordGridFrozenView;

    // The catalogue's width of the column in this font, or 0 when the catalogue sets none.
    int designedWidth(int column) const;
    void applyColumnWidths();
    // "N°" keeps its width until the line numbers need more room.
    void fitLineNumbers();
    void hideFrozenColumns();
    void updateFrozenGeometry();
    // Scrolls the current line into view, whatever the grid shows sideways.
    void revealCurrentLine();
    void onCurrentCellChanged(const QModelIndex &current);
    void followTable(int row);
    void onModelReset();
    // Carries on in this view after the frozen view closed its editor with a move to the next cell.
    void continueFromFrozen(QAbstractItemDelegate::EndEditHint hint);
    QAbstractItemDelegate::EndEditHint hintAfterStore(QAbstractItemDelegate::EndEditHint hint) const;

    RecordTableModel &m_model;
    RecordGridDelegate *m_delegate = nullptr;
    RecordGridDelegate *m_frozenDelegate = nullptr;
    RecordGridFrozenView *m_frozen = nullptr;
    int m_column = 1; // the column a move of the table's cursor selects
    bool m_following = false;
};
