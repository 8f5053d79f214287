#pragma once

#include "checks/Observations.h"

#include <QAbstractTableModel>
#include <QList>

class RecordTable;

// The observations of a table as a list to read, one row per observation in line order: the
// line's "N°", the field's caption, its value as the grid shows it and the reason. The cells are
// taken when the model is made (the list is read while the table stands still); each reason is
// asked for only when its row is shown, so a list of 100 000 lines opens at once.
class ObservationListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Line, Field, Value, Reason, ColumnCount };

    ObservationListModel(const RecordTable &table, const Observations &observations,
                         QObject *parent = nullptr);

    // The cell of the list's row `row`; none outside the list.
    std::optional<ObservationCell> cell(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const RecordTable &m_table;
    const Observations &m_observations;
    QList<ObservationCell> m_cells;
};
