#include "export/TableSheet.h"

#include "export/USaveXls.h"
#include "model/RecordTable.h"
#include "util/Regional.h"

#include <cmath>

namespace tablesheet {

namespace {

// A floating value goes out as its text in the grid reads back. Whole values below 10^15 read back
// unchanged, and amounts nearly always are, so they skip the text.
double asShown(double value)
{
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return value;
    char buffer[32];
    const int length = regional::writeGeneralText(value, buffer);
    return regional::strictNumber(QByteArrayView(buffer, length)).value_or(value);
}

} // namespace

QByteArrayList fieldNames()
{
    QByteArrayList names;
    names.reserve(catalogue::kFieldCount);
    for (int i = 0; i < catalogue::kFieldCount; ++i)
        names.append(QByteArray(catalogue::field(i).name));
    return names;
}

void write(RecordTable &table, const QByteArrayList &titles, TXlsWriter &writer,
           const std::function<void(int)> &lineWritten)
{
    const SuspendedDisplay suspended(table);
    for (qsizetype column = 0; column < titles.size(); ++column)
        writer.writeLabel(0, quint16(column), titles[column]);

    QByteArray text;
    int written = 0;
    table.first();
    while (!table.eof()) {
        const int row = table.currentRow();
        const int sheetRow = written + 1;
        for (int column = 0; column < catalogue::kFieldCount; ++column) {
            if (table.isNullAt(row, column))
                continue;
            switch (catalogue::field(column).kind) {
            case FieldKind::Integer:
                writer.writeCell(TXlsWriter::kInteger, sheetRow, column,
                                 qint32(table.field(column).asNumber()));
                break;
            case FieldKind::Floating:
                writer.writeCell(TXlsWriter::kNumber, sheetRow, column,
                                 asShown(table.field(column).asNumber()));
                break;
            case FieldKind::Text:
                text.resize(0);
                table.appendTextAt(row, column, text);
                writer.writeCell(TXlsWriter::kLabel, sheetRow, column, QByteArrayView(text));
                break;
            }
        }
        table.next();
        lineWritten(++written);
    }
}

} // namespace tablesheet
