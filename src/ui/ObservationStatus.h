#pragma once

#include <QLabel>

class Observations;
class RecordTable;

// The status line under the listing grid: how many lines the table holds and how many observations
// there are, on how many lines ("100.000 líneas · 37 observaciones en 12 líneas · F8 siguiente"),
// or that there are none ("300 líneas · sin observaciones"). Numbers carry the regional thousands
// separator. It follows the observations, which change with every change of the table.
class ObservationStatus : public QLabel {
    Q_OBJECT

public:
    ObservationStatus(const RecordTable &table, const Observations &observations, QWidget *parent = nullptr);

    // The text for `lines` lines with `count` observations on `observedLines` of them.
    static QString summary(int lines, int count, int observedLines);

private:
    void refresh();

    const RecordTable &m_table;
    const Observations &m_observations;
};
