#pragma once

#include "checks/Observations.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class RecordTable;

// The list of observations as a text file, for the clerk to keep or pass on:
//
//   N°;Campo;Nombre;Valor;Observación
//   <line>;<field number>;<field name>;<value>;<reason>
//
// one line per observation, in the order of Observations::all(): the line's number as the "N°"
// column shows it, the field's number (0 for an observation on the whole line) and catalogue name
// (`Linea` for the whole line), the cell's text as the grid shows it, and the reason. Texts are
// cp1252, every line ends in CR LF, and a ";" inside a value or a reason is written as ",".
namespace observationlist {

// One line of the list, without its line end.
QByteArray line(const RecordTable &table, const Observations &observations, const ObservationCell &cell);

// Writes the header line and every observation to `device`. Every write is checked for its full
// byte count; a failed one raises AppError with the message for the cause the device left in errno
// (EIO when it left none).
void write(const RecordTable &table, const Observations &observations, QIODevice &device);

// Writes the file at `path` as above through a temporary file beside it, which takes the place of
// the target only when every line is written: on failure the target is as before, and AppError
// carries the message for the cause ("Invalid filename", "File access denied", "I/O error 112"...).
void write(const RecordTable &table, const Observations &observations, const QString &path);

} // namespace observationlist
