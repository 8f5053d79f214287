#include "ui/RecordGrid.h"

#include "model/FieldCatalogue.h"
#include "model/RecordTable.h"
#include "ui/RecordGridDelegate.h"
#include "ui/RecordTableModel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

constexpr QAbstractItemView::EditTriggers kEditTriggers =
    QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;

bool isEnter(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && others == Qt::NoModifier;
}

// The catalogue's widths were measured for the 8-point MS Sans Serif at 96 dpi, whose average
// character width is 5 pixels, with 2 pixels each side of a caption. The text part of each width
// grows with the font at hand; the margins are this style's.
constexpr qreal kDesignedAverageCharWidth = 5;
constexpr int kDesignedMargins = 4;

// The width of a column whose field sets none: room for its caption and for a typical value.
int pickedWidth(const QFontMetrics &metrics, int column)
{
    const FieldDef &field = catalogue::field(column);
    const int characters = field.kind == FieldKind::Text ? field.size : 10;
    return std::max(metrics.horizontalAdvance(catalogue::caption(column).toString()) + 12,
                    metrics.horizontalAdvance(QLatin1Char('0')) * characters + 8);
}

void configureView(QTableView &view)
{
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setEditTriggers(kEditTriggers);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setWordWrap(false);
    // Cut at the cell's edge: texts are stored padded with blanks, which would elide nearly every name.
    view.setTextElideMode(Qt::ElideNone);
    view.setCornerButtonEnabled(false);
    view.horizontalHeader()->setSectionsClickable(false);
    view.horizontalHeader()->setHighlightSections(false);
    // Never ResizeToContents: with 100 000 lines it measures every row.
    const int rowHeight = view.fontMetrics().height() + 4;
    view.verticalHeader()->setMinimumSectionSize(rowHeight);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

} // namespace

// The view over "N°" laid on top of the grid's first column. Its cells are edited here, where the
// editor can be seen; a move to the next cell carries on in the grid.
class RecordGridFrozenView : public QTableView {
public:
    explicit RecordGridFrozenView(RecordGrid &grid) : QTableView(&grid), m_grid(grid) {}

    bool editCell(const QModelIndex &index, EditTrigger trigger, QEvent *event)
    {
        return edit(index, trigger, event);
    }

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        const bool hadFocus = editor && editor->hasFocus();
        const QAbstractItemDelegate::EndEditHint after = m_grid.hintAfterStore(hint);
        const bool moves =
            after == QAbstractItemDelegate::EditNextItem || after == QAbstractItemDelegate::EditPreviousItem;
        QTableView::closeEditor(editor, moves ? QAbstractItemDelegate::NoHint : after);
        if (after == QAbstractItemDelegate::SubmitModelCache)
            m_grid.recordModel().postPending();
        if (hadFocus)
            m_grid.setFocus();
        if (moves)
            m_grid.continueFromFrozen(after);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (isEnter(event)) {
            // In editing state the editor's own Enter stores the line once it has closed.
            if (state() != EditingState)
                m_grid.recordModel().postPending();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    RecordGrid &m_grid;
};

RecordGrid::RecordGrid(RecordTableModel &model, QWidget *parent) : QTableView(parent), m_model(model)
{
    configureView(*this);
    m_delegate = new RecordGridDelegate(this);
    setItemDelegate(m_delegate);
    setModel(&m_model);
    const int markerWidth = fontMetrics().horizontalAdvance(QStringLiteral("▶")) + 10;
    verticalHeader()->setFixedWidth(std::max(16, markerWidth));

    m_frozen = new RecordGridFrozenView(*this);
    configureView(*m_frozen);
    m_frozen->setObjectName(QStringLiteral("DBGrid1Frozen"));
    m_frozenDelegate = new RecordGridDelegate(m_frozen);
    m_frozen->setItemDelegate(m_frozenDelegate);
    m_frozen->setModel(&m_model);
    QItemSelectionModel *unused = m_frozen->selectionModel();
    m_frozen->setSelectionModel(selectionModel());
    delete unused;
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setContextMenuPolicy(Qt::CustomContextMenu);
    viewport()->stackUnder(m_frozen);

    applyColumnWidths();
    hideFrozenColumns();

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column == 0) {
            m_frozen->setColumnWidth(0, size);
            updateFrozenGeometry();
        }
    });
    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(m_frozen, &QAbstractItemView::doubleClicked, this, &QAbstractItemView::doubleClicked);
    connect(m_frozen, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        Q_EMIT customContextMenuRequested(viewport()->mapFromGlobal(m_frozen->viewport()->mapToGlobal(pos)));
    });

    // After the views' own handlers, which store an open editor into the row it belongs to.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &RecordGrid::onCurrentCellChanged);
    connect(&m_model.table(), &RecordTable::currentRowChanged, this, &RecordGrid::followTable);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &RecordGrid::onModelReset);
    // A line added or removed at the current place leaves the table's current row number as it was,
    // so the table signals no move, while the grid's current cell has moved with its line.
    const auto followAfterRows = [this] { followTable(m_model.table().currentRow()); };
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, followAfterRows);
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, &RecordGrid::fitLineNumbers);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, followAfterRows);

    m_frozen->show();
    updateFrozenGeometry();
    followTable(m_model.table().currentRow());
}

RecordGrid::~RecordGrid() = default;

QTableView *RecordGrid::frozenView() const
{
    return m_frozen;
}

QWidget *RecordGrid::openEditor() const
{
    if (QWidget *editor = m_delegate->openEditor())
        return editor;
    return m_frozenDelegate->openEditor();
}

bool RecordGrid::finishEditing()
{
    for (RecordGridDelegate *delegate : {m_delegate, m_frozenDelegate}) {
        if (delegate->openEditor()) {
            delegate->finishEditing();
            return !m_model.lastStoreRefused();
        }
    }
    return true;
}

bool RecordGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Column 0 lies under the frozen view: an editor opened here would be hidden.
    if (index.isValid() && index.column() == 0 && m_frozen->isVisible())
        return m_frozen->editCell(index, trigger, event);
    return QTableView::edit(index, trigger, event);
}

void RecordGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const QAbstractItemDelegate::EndEditHint after = hintAfterStore(hint);
    QTableView::closeEditor(editor, after);
    // Enter in the editor, or a move to another row, stores the line.
    if (after == QAbstractItemDelegate::SubmitModelCache)
        m_model.postPending();
}

QAbstractItemDelegate::EndEditHint RecordGrid::hintAfterStore(QAbstractItemDelegate::EndEditHint hint) const
{
    // A refused value keeps the cursor on its cell and the line in edit state: no move, no post.
    return m_model.lastStoreRefused() ? QAbstractItemDelegate::NoHint : hint;
}

void RecordGrid::continueFromFrozen(QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(nullptr, hint);
}

void RecordGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int sideways = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0) {
        // "N°" is always in view: only the row needs showing.
        horizontalScrollBar()->setValue(sideways);
        return;
    }
    const int covered = m_frozen->columnWidth(0);
    const int left = visualRect(index).left();
    if (left < covered)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - covered);
}

void RecordGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // The desktop turns the Menu key into a context-menu request; Shift+F10 asks for the same.
        const QRect cell = visualRect(currentIndex());
        const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport(), &request);
        event->accept();
        return;
    }
    if (isEnter(event)) {
        // While a cell is edited, the editor's Enter stores the line once the editor has closed.
        if (state() != EditingState)
            m_model.postPending();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void RecordGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    // Qt scrolls to a new current cell only while the view is visible: a table filled before the
    // window is shown would open with its current line out of sight.
    revealCurrentLine();
}

void RecordGrid::resizeEvent(QResizeEvent *event)
{
    // Called for the viewport's size too: a window maximised after it was shown, or a scroll bar
    // that appears, takes room from the bottom of the grid.
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
    revealCurrentLine();
}

void RecordGrid::revealCurrentLine()
{
    const QModelIndex current = currentIndex();
    if (current.isValid())
        scrollTo(m_model.index(current.row(), 0)); // the line, keeping the sideways scroll
}

void RecordGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_frozen)
        updateFrozenGeometry();
}

int RecordGrid::designedWidth(int column) const
{
    const int designed = catalogue::field(column).gridWidth;
    if (designed <= 0)
        return 0;
    const qreal scale = horizontalHeader()->fontMetrics().averageCharWidth() / kDesignedAverageCharWidth;
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    return qRound((designed - kDesignedMargins) * scale) + margins;
}

void RecordGrid::applyColumnWidths()
{
    const QFontMetrics metrics = horizontalHeader()->fontMetrics();
    for (int column = 0; column < catalogue::kFieldCount; ++column) {
        const int width = designedWidth(column);
        setColumnWidth(column, width > 0 ? width : pickedWidth(metrics, column));
    }
    fitLineNumbers();
    m_frozen->setColumnWidth(0, columnWidth(0));
}

void RecordGrid::hideFrozenColumns()
{
    for (int column = 1; column < m_model.columnCount(); ++column)
        m_frozen->setColumnHidden(column, true);
}

void RecordGrid::updateFrozenGeometry()
{
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                          viewport()->height() + horizontalHeader()->height());
}

void RecordGrid::onCurrentCellChanged(const QModelIndex &current)
{
    if (current.isValid())
        m_column = current.column();
    if (m_following || m_model.isFollowingTable() || !current.isValid())
        return;
    RecordTable &table = m_model.table();
    if (current.row() != table.currentRow())
        table.moveTo(current.row());
}

void RecordGrid::followTable(int row)
{
    if (row < 0 || row >= m_model.rowCount() || currentIndex().row() == row)
        return;
    // The table moved by itself: an editor still open belongs to the line it left, and storing it
    // now would move the table back. The window's actions store it before they move the table.
    m_delegate->discardEditing();
    m_frozenDelegate->discardEditing();
    const QScopedValueRollback following(m_following, true);
    selectionModel()->setCurrentIndex(m_model.index(row, m_column), QItemSelectionModel::ClearAndSelect);
}

void RecordGrid::fitLineNumbers()
{
    const int digits = int(QString::number(std::max(1, m_model.rowCount())).size());
    const int needed = fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 10;
    const int width = std::max(designedWidth(catalogue::kLinea), needed);
    if (columnWidth(0) != width)
        setColumnWidth(0, width);
}

void RecordGrid::onModelReset()
{
    hideFrozenColumns();
    fitLineNumbers();
    m_frozen->setColumnWidth(0, columnWidth(0));
    followTable(m_model.table().currentRow());
}
