// Figures for the spreadsheet export of 65 000 lines, every field set, with the progress window
// shown: the time it takes and how much the export adds to the process's peak memory (the table
// itself is filled first, so what the export adds is what it holds while it writes).
//
//   bench_export [TARGET]     writes TARGET (default: a file in a temporary folder)

#include "export/TableSheet.h"
#include "model/RecordTable.h"
#include "ui/export/GenExport.h"
#include "util/AppError.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // KiB on Linux
}

// Every field of every line set: texts to their full size, amounts varying, every fifth one with
// a fraction that goes through its text.
void fill(RecordTable &table, int lines)
{
    const SuspendedDisplay suspended(table);
    table.open();
    for (int i = 0; i < lines; ++i) {
        table.append();
        for (int n = 0; n < catalogue::kFieldCount; ++n) {
            const FieldDef &def = catalogue::field(n);
            switch (def.kind) {
            case FieldKind::Integer:
                table.field(n).setInteger(n == catalogue::kLinea ? i + 1 : 152);
                break;
            case FieldKind::Floating:
                table.field(n).setNumber(double((qint64(i) * 37 + n * 101) % 1000000)
                                         + (n % 5 == 0 ? 0.25 : 0));
                break;
            case FieldKind::Text:
                table.field(n).setText(QByteArray(def.size, char('A' + (i + n) % 26)));
                break;
            }
        }
        table.post();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString target =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("Archivo Tarvinel.xls"));
    const int lines = tablesheet::kMaxLines;

    RecordTable table;
    fill(table, lines);
    const double peakBefore = peakMiB();

    TGenExport exporter(nullptr);
    exporter.Destino = target;
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    try {
        exporter.Exportar(table);
    } catch (const AppError &e) {
        std::printf("failed: %s\n", e.what());
        return 1;
    }
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    const double fileMiB = double(QFileInfo(target).size()) / (1024.0 * 1024.0);

    std::printf("export %d lines x %d fields: %.3f s (cpu %.3f s), %.0f lines/s, file %.1f MiB\n", lines,
                catalogue::kFieldCount, seconds, cpu, lines / seconds, fileMiB);
    std::printf("peak memory: %.1f MiB with the table filled, %.1f MiB after the export (+%.1f MiB)\n",
                peakBefore, peakMiB(), peakMiB() - peakBefore);
    return fileMiB > 0 ? 0 : 1;
}
