#include "checks/ObservationList.h"

#include "io/SavedFile.h"
#include "model/RecordTable.h"
#include "util/Cp1252.h"

namespace observationlist {

namespace {

constexpr qsizetype kBlockSize = 1 << 16;

// A ";" would start another column.
void appendColumn(QByteArray &out, QByteArrayView text)
{
    const qsizetype start = out.size();
    out += text;
    for (qsizetype i = start; i < out.size(); ++i) {
        if (out[i] == ';')
            out[i] = ',';
    }
}

} // namespace

QByteArray line(const RecordTable &table, const Observations &observations, const ObservationCell &cell)
{
    QByteArray out = table.textAt(cell.row, catalogue::kLinea);
    if (out.isEmpty())
        out = QByteArray::number(cell.row + 1); // a line not yet numbered stands where it is
    out += ';';
    out += QByteArray::number(cell.position);
    out += ';';
    out += catalogue::field(cell.position).name;
    out += ';';
    appendColumn(out, table.textAt(cell.row, cell.position));
    out += ';';
    appendColumn(out, cp1252::fromUnicode(observations.reason(cell.row, cell.position)));
    return out;
}

void write(const RecordTable &table, const Observations &observations, QIODevice &device)
{
    QByteArray block = cp1252::fromUnicode(u"N°;Campo;Nombre;Valor;Observación\r\n");
    for (const ObservationCell &cell : observations.all()) {
        block += line(table, observations, cell);
        block += "\r\n";
        if (block.size() >= kBlockSize) {
            savedfile::writeAll(device, block);
            block.resize(0);
        }
    }
    savedfile::writeAll(device, block);
}

void write(const RecordTable &table, const Observations &observations, const QString &path)
{
    savedfile::save(path, [&](QIODevice &file) { write(table, observations, file); });
}

} // namespace observationlist
