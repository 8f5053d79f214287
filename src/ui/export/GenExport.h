#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class RecordTable;

enum TGenExportType { ExExcel, ExDbase, ExParadox, ExText };

// Exports a whole record table to a file at `Destino`: for `ExExcel`, a one-sheet spreadsheet with
// a title row and one row per line (tablesheet::write), while the progress window counts the lines.
// The other kinds are not built and export nothing. `Solapa` names a sheet; no kind reads it.
//
// Every outcome is shown by the component itself over `owner`: the information boxes for a closed
// table, a missing destination, an empty table and one of more than 65000 lines; the error box
// "No se pudo crear el\r\nfichero EXCEL " with the path when the file cannot be created. A write
// that fails later raises AppError with the system's message; the file at `Destino` is then as it
// was before. There is no message after a finished export. After every export that got past the
// first two checks the table's first line is current and `Titulos` is empty again.
class TGenExport {
public:
    explicit TGenExport(QWidget *owner) : m_owner(owner) {}

    void Exportar(RecordTable &table);

    QString Destino;
    TGenExportType Tipo = ExExcel;
    QString Solapa;
    // The titles of the first row when `TitulosAsignados`; otherwise the field names are used.
    QStringList Titulos;
    bool TitulosAsignados = false;

private:
    void exportExcel(RecordTable &table);

    QWidget *m_owner;
};
