#include "ui/ObservationListModel.h"

#include "model/FieldCatalogue.h"
#include "model/RecordTable.h"
#include "util/Cp1252.h"

ObservationListModel::ObservationListModel(const RecordTable &table, const Observations &observations,
                                           QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_observations(observations), m_cells(observations.all())
{}

std::optional<ObservationCell> ObservationListModel::cell(int row) const
{
    if (row < 0 || row >= m_cells.size())
        return std::nullopt;
    return m_cells[row];
}

int ObservationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cells.size());
}

int ObservationListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ObservationListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_cells.size() || index.column() >= ColumnCount)
        return {};
    const ObservationCell &cell = m_cells[index.row()];
    // The table may have lost the line since the list was made; show nothing rather than read past it.
    if (cell.row >= m_table.rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (Column(index.column())) {
        case Line:
            return cp1252::toUnicode(m_table.textAt(cell.row, catalogue::kLinea)).trimmed();
        case Field:
            return catalogue::caption(cell.position).toString();
        case Value:
            return cp1252::toUnicode(m_table.textAt(cell.row, cell.position));
        case Reason:
            return m_observations.reason(cell.row, cell.position);
        case ColumnCount:
            break;
        }
        return {};
    case Qt::ToolTipRole:
        return index.column() == Reason ? m_observations.reason(cell.row, cell.position) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment((index.column() == Line ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant ObservationListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Line:
        return QStringLiteral("N°");
    case Field:
        return QStringLiteral("Campo");
    case Value:
        return QStringLiteral("Valor");
    case Reason:
        return QStringLiteral("Observación");
    default:
        return {};
    }
}
