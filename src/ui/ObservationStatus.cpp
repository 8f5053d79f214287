#include "ui/ObservationStatus.h"

#include "checks/Observations.h"
#include "model/RecordTable.h"
#include "util/Regional.h"

namespace {

QString counted(int number, const QString &one, const QString &many)
{
    return regional::locale().toString(number) + QLatin1Char(' ') + (number == 1 ? one : many);
}

} // namespace

ObservationStatus::ObservationStatus(const RecordTable &table, const Observations &observations,
                                     QWidget *parent)
    : QLabel(parent), m_table(table), m_observations(observations)
{
    setObjectName(QStringLiteral("StatusObservaciones"));
    setContentsMargins(6, 2, 6, 2);
    connect(&observations, &Observations::changed, this, &ObservationStatus::refresh);
    refresh();
}

QString ObservationStatus::summary(int lines, int count, int observedLines)
{
    const QString separator = QStringLiteral(" · ");
    const QString linesText = counted(lines, QStringLiteral("línea"), QStringLiteral("líneas"));
    if (count == 0)
        return linesText + separator + QStringLiteral("sin observaciones");
    return linesText + separator
           + counted(count, QStringLiteral("observación"), QStringLiteral("observaciones"))
           + QStringLiteral(" en ")
           + counted(observedLines, QStringLiteral("línea"), QStringLiteral("líneas")) + separator
           + QStringLiteral("F8 siguiente");
}

void ObservationStatus::refresh()
{
    setText(summary(m_table.rowCount(), m_observations.count(), m_observations.lineCount()));
}
