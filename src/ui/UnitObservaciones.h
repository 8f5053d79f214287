#pragma once

#include "checks/Observations.h"

#include <QDialog>

#include <optional>

class ObservationListModel;
class QPushButton;
class QTableView;
class RecordTable;

// The list of observations "Observaciones": every cell of `table` with an observation, in line
// order (N°, field caption, value, reason) in `DBGrid1`. Enter or a double click on a row closes the
// window with that cell chosen, for the listing to show it. "&Guardar lista..." asks for a file name
// and writes the list there (observationlist::write); a failure shows its box and the window stays.
// "&Cerrar" and Escape close it with nothing chosen. Nothing of the table changes.
class TFrmObservaciones : public QDialog {
    Q_OBJECT

public:
    TFrmObservaciones(const RecordTable &table, const Observations &observations, QWidget *parent = nullptr);

    // The cell chosen by Enter or a double click; none when the window was closed otherwise.
    std::optional<ObservationCell> chosen() const { return m_chosen; }

    QTableView *DBGrid1;
    QPushButton *BitBtn1; // "&Guardar lista..."
    QPushButton *BitBtn2; // "&Cerrar"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BitBtn1Click();
    void choose(const QModelIndex &index);

    const RecordTable &m_table;
    const Observations &m_observations;
    ObservationListModel *m_model;
    std::optional<ObservationCell> m_chosen;
};
