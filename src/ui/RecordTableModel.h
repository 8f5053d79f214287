#pragma once

#include <QAbstractTableModel>
#include <QColor>

class Observations;
class RecordTable;

// The record table as a Qt table model: one row per line, one column per catalogue field (`Linea`
// first), each cell the field's text. The model follows the table's signals, so every change made
// through the table shows; a load is one reset because the table signals one when its display
// resumes. The vertical header marks the table's current row: "▶" while browsing, "I" while the
// line is being changed and "*" while it is a new line.
//
// Editing a cell stores through the table: the table moves to the row, the row goes into edit state
// and the field is set from the text (cp1252). A value the field refuses leaves the field as it
// was, the line in edit state, setData() false and storeRefused() with the table's message; the
// model shows no box. postPending() stores the pending line and ignores a failure.
//
// With observations set, a cell with an observation answers a soft tint as its background (another
// one on the "N°" cell for an observation on the whole line) and the reason as its tooltip; the
// texts stay as they are. The model repaints the marks after every change of the observations.
//
// submit() is left as Qt's no-op: Qt calls it whenever the current row of a view changes, also when
// the table itself moved to a line that is still being added.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordTableModel(RecordTable &table, QObject *parent = nullptr);

    RecordTable &table() const { return m_table; }

    // The observations whose cells are marked, or nullptr for none; they must be of this table, and
    // the model forgets them when they are destroyed.
    void setObservations(const Observations *observations);
    const Observations *observations() const { return m_observations; }

    // The backgrounds of a cell with an observation, and of the "N°" cell of a line with one.
    static QColor observationTint();
    static QColor lineObservationTint();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Posts the pending line, as Enter in the grid does; false when nothing could be stored.
    bool postPending();

    // Whether the last setData() was refused by the field.
    bool lastStoreRefused() const { return m_refused; }
    // True while the model passes on a change that the table made; a view must not move the table's
    // cursor then.
    bool isFollowingTable() const { return m_following > 0; }

Q_SIGNALS:
    void storeRefused(const QString &message);

private:
    void onTableReset();
    void onRowAboutToBeInserted(int row);
    void onRowInserted();
    void onRowAboutToBeRemoved(int row);
    void onRowRemoved();
    void onRowChanged(int row);
    void onCurrentRowChanged(int row);

    void markerChanged(int row);
    void observationsChanged();

    RecordTable &m_table;
    int m_rows = 0;
    int m_markerRow = -1;
    bool m_refused = false;
    int m_following = 0;
    const Observations *m_observations = nullptr;
    bool m_marksPending = false;
};
