#include "ui/RecordTableModel.h"

#include "checks/Observations.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Cp1252.h"

#include <QBrush>
#include <QColor>

namespace {

// Marks the model as passing on a change of the table for as long as it lives.
class Following {
public:
    explicit Following(int &depth) : m_depth(depth) { ++m_depth; }
    ~Following() { --m_depth; }
    Following(const Following &) = delete;
    Following &operator=(const Following &) = delete;

private:
    int &m_depth;
};

} // namespace

RecordTableModel::RecordTableModel(RecordTable &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
    m_rows = m_table.isOpen() ? m_table.rowCount() : 0;
    m_markerRow = m_table.currentRow();
    connect(&m_table, &RecordTable::tableReset, this, &RecordTableModel::onTableReset);
    connect(&m_table, &RecordTable::rowAboutToBeInserted, this, &RecordTableModel::onRowAboutToBeInserted);
    connect(&m_table, &RecordTable::rowInserted, this, &RecordTableModel::onRowInserted);
    connect(&m_table, &RecordTable::rowAboutToBeRemoved, this, &RecordTableModel::onRowAboutToBeRemoved);
    connect(&m_table, &RecordTable::rowRemoved, this, &RecordTableModel::onRowRemoved);
    connect(&m_table, &RecordTable::rowChanged, this, &RecordTableModel::onRowChanged);
    connect(&m_table, &RecordTable::currentRowChanged, this, &RecordTableModel::onCurrentRowChanged);
}

int RecordTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RecordTableModel::columnCount(const QModelIndex &parent) const
{
    // Always every field, so that a reset keeps the grid's columns and their widths.
    return parent.isValid() ? 0 : RecordTable::fieldCount();
}

QVariant RecordTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.row() >= m_table.rowCount()
        || index.column() >= RecordTable::fieldCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        return cp1252::toUnicode(m_table.textAt(index.row(), index.column()));
    }
    case Qt::BackgroundRole:
        if (m_observations && m_observations->contains(index.row(), index.column()))
            return QBrush(index.column() == catalogue::kLinea ? lineObservationTint() : observationTint());
        return {};
    case Qt::ToolTipRole:
        if (m_observations) {
            if (const QString reason = m_observations->reason(index.row(), index.column()); !reason.isEmpty())
                return reason;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment((catalogue::field(index.column()).alignRight() ? Qt::AlignRight : Qt::AlignLeft)
                          | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= RecordTable::fieldCount())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return catalogue::caption(section).toString();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(catalogue::field(section).captionCentred()
                                           ? Qt::Alignment(Qt::AlignCenter)
                                           : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
        }
    }
    if (section < 0 || section >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        if (section != m_table.currentRow())
            return QString();
        switch (m_table.state()) {
        case RecordTable::State::Browse:
            return QStringLiteral("▶");
        case RecordTable::State::Edit:
            return QStringLiteral("I");
        case RecordTable::State::Insert:
            return QStringLiteral("*");
        }
        return QString();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool RecordTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    m_refused = false;
    if (role != Qt::EditRole || !index.isValid() || index.row() >= m_rows
        || index.row() >= m_table.rowCount())
        return false;
    const int row = index.row();
    const int column = index.column();
    if (m_table.currentRow() != row)
        m_table.moveTo(row);
    const QString text = value.toString();
    // An editor closed without a change stores nothing: re-reading a number's text could round it.
    // The value is still the clerk's choice, which settles what the reader noted of it.
    if (text == cp1252::toUnicode(m_table.textAt(row, column))) {
        m_table.acceptValue(row, column);
        return true;
    }
    m_table.edit();
    try {
        m_table.field(column).setText(cp1252::fromUnicode(text));
    } catch (const AppError &e) {
        m_refused = true;
        markerChanged(row); // the line is in edit state now
        Q_EMIT storeRefused(e.message());
        return false;
    }
    // The table's rowChanged has repainted the row.
    return true;
}

void RecordTableModel::setObservations(const Observations *observations)
{
    if (m_observations)
        disconnect(m_observations, nullptr, this, nullptr);
    m_observations = observations;
    if (m_observations) {
        connect(m_observations, &Observations::changed, this, &RecordTableModel::observationsChanged);
        connect(m_observations, &QObject::destroyed, this, [this] { setObservations(nullptr); });
    }
    observationsChanged();
}

QColor RecordTableModel::observationTint()
{
    return QColor(255, 221, 153); // a soft amber, light enough for black text
}

QColor RecordTableModel::lineObservationTint()
{
    return QColor(246, 182, 182); // a soft rose, apart from the cells' amber
}

void RecordTableModel::observationsChanged()
{
    // Once for a burst of changes, and never inside a row insertion or removal the observations
    // may hear of before the model does.
    if (m_marksPending)
        return;
    m_marksPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_marksPending = false;
            if (m_rows > 0)
                Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, RecordTable::fieldCount() - 1),
                                   {Qt::BackgroundRole, Qt::ToolTipRole});
        },
        Qt::QueuedConnection);
}

bool RecordTableModel::postPending()
{
    if (!m_table.isPending())
        return true;
    try {
        m_table.post();
    } catch (const AppError &) {
        // Storing on Enter fails silently; the line stays in edit state.
        return false;
    }
    return true;
}

void RecordTableModel::onTableReset()
{
    Following following(m_following);
    beginResetModel();
    m_rows = m_table.isOpen() ? m_table.rowCount() : 0;
    m_markerRow = m_table.currentRow();
    endResetModel();
}

void RecordTableModel::onRowAboutToBeInserted(int row)
{
    Following following(m_following);
    beginInsertRows(QModelIndex(), row, row);
}

void RecordTableModel::onRowInserted()
{
    Following following(m_following);
    ++m_rows;
    endInsertRows();
}

void RecordTableModel::onRowAboutToBeRemoved(int row)
{
    Following following(m_following);
    beginRemoveRows(QModelIndex(), row, row);
}

void RecordTableModel::onRowRemoved()
{
    Following following(m_following);
    --m_rows;
    if (m_markerRow >= m_rows)
        m_markerRow = -1;
    endRemoveRows();
}

void RecordTableModel::onRowChanged(int row)
{
    Following following(m_following);
    if (row < 0 || row >= m_rows)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, RecordTable::fieldCount() - 1),
                       {Qt::DisplayRole, Qt::EditRole});
    markerChanged(row); // posting or cancelling ends the edit state
}

void RecordTableModel::onCurrentRowChanged(int row)
{
    Following following(m_following);
    const int previous = m_markerRow;
    m_markerRow = row;
    if (previous >= 0 && previous < m_rows)
        markerChanged(previous);
    if (row >= 0 && row < m_rows)
        markerChanged(row);
}

void RecordTableModel::markerChanged(int row)
{
    if (row >= 0 && row < m_rows)
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
}
