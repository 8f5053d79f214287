// Figures for the core with a large declaration file (100 000 lines unless told otherwise): reading
// and writing it in each layout, renumbering, deleting the first line with its renumbering, and the
// peak memory after loading over the file's size. The floor is the time to read the same file into
// memory and find its line ends, measured in the same run; each figure also shows as a ratio to it.
// Every step runs in a process of its own, so that each peak is that step's alone; the floor and
// the timed steps run three times and the fastest run is shown.
//
//   bench_records [LINES]                      all steps, e.g. bench_records 1000000
//   bench_records generate LAYOUT FILE LINES   write a file of generated lines ("fixed", "separated")
//   bench_records floor FILE                   read FILE into memory and find its line ends
//   bench_records read LAYOUT FILE FLOOR       read FILE into a table
//   bench_records write LAYOUT FILE FLOOR      read FILE, then write it to FILE.out, synced and renamed
//   bench_records renumber FILE FLOOR          read a fixed-position FILE, then number its lines again
//   bench_records delete FILE FLOOR            read it, then delete the first line and renumber
//   bench_records whole FILE FLOOR             read it, then time the mass modification of one field
//                                              and the second-contract run (every other line a
//                                              further contract), each with the grid resets it signals
//   bench_records check FILE FLOOR             read it, then check every line against the shipped code
//                                              tables, and recheck single lines after an edit

#include "GeneratedFile.h"

#include "checks/Observations.h"
#include "io/DeclarationReader.h"
#include "io/DeclarationWriter.h"
#include "model/LineLayout.h"
#include "model/RecordTable.h"
#include "model/TableOperations.h"
#include "util/AppError.h"
#include "util/Regional.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

using linelayout::Layout;

namespace {

// Processor time of this process so far: on a shared machine the wall time of a step also counts
// the time it waited for a processor.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A step's wall and processor time.
class StepTimer {
public:
    StepTimer() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuSeconds();
    }
    double wall() const { return double(m_wall.nsecsElapsed()) / 1e9; }
    double cpu() const { return cpuSeconds() - m_cpu; }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // KiB on Linux
}

double fileMiB(const QString &path)
{
    return double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

Layout layoutOf(const QString &name)
{
    return name == QLatin1String("fixed") ? Layout::Fixed : Layout::Separated;
}

int generate(const QString &layoutName, const QString &path, int lines)
{
    return generateFile(path, layoutOf(layoutName), lines) ? 0 : 1;
}

// Reading the file in the reader's blocks and finding every line end: what no reader can beat.
int floor(const QString &path)
{
    StepTimer timer;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QByteArray block(1 << 16, Qt::Uninitialized);
    qint64 lines = 0;
    for (qint64 count; (count = file.read(block.data(), block.size())) > 0;) {
        const char *at = block.constData();
        const char *end = at + count;
        while ((at = static_cast<const char *>(std::memchr(at, '\r', std::size_t(end - at))))) {
            ++lines;
            ++at;
        }
    }
    std::printf("%.6f\n", timer.wall());
    return lines > 0 ? 0 : 1;
}

void report(const char *step, const StepTimer &timer, double floorSeconds, const QString &path)
{
    const double seconds = timer.wall();
    std::printf("%-24s %7.3f s (cpu %6.3f s) = %5.1f x the floor   peak %7.1f MiB = %.2f x the file\n", step,
                seconds, timer.cpu(), seconds / floorSeconds, peakMiB(), peakMiB() / fileMiB(path));
    std::fflush(stdout);
}

int read(const QString &layoutName, const QString &path, double floorSeconds)
{
    RecordTable table;
    StepTimer timer;
    declaration::read(path, layoutOf(layoutName), table);
    report(("read " + layoutName.toLatin1()).constData(), timer, floorSeconds, path);
    return table.rowCount() > 0 ? 0 : 1;
}

int write(const QString &layoutName, const QString &path, double floorSeconds)
{
    RecordTable table;
    declaration::read(path, layoutOf(layoutName), table);
    const QString target = path + QStringLiteral(".out");
    StepTimer timer;
    declaration::write(table, layoutOf(layoutName), target);
    report(("write " + layoutName.toLatin1()).constData(), timer, floorSeconds, path);
    QFile original(path);
    QFile written(target);
    const bool same = original.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly)
                      && original.readAll() == written.readAll();
    QFile::remove(target);
    if (!same) {
        std::printf("  the written file differs from the file read\n");
        return 1;
    }
    return 0;
}

int renumberStep(const QString &path, double floorSeconds, bool deleteFirst)
{
    RecordTable table;
    declaration::read(path, Layout::Fixed, table);
    const int rows = table.rowCount();
    StepTimer timer;
    if (deleteFirst) {
        table.moveTo(0);
        table.deleteRow();
    }
    tableops::RenumerarLineas(table);
    report(deleteFirst ? "delete first, renumber" : "renumber", timer, floorSeconds, path);
    return table.rowCount() == rows - (deleteFirst ? 1 : 0)
                   && table.textAt(rows / 2, catalogue::kLinea) == QByteArray::number(rows / 2 + 1)
               ? 0
               : 1;
}

// Times one whole-table operation and prints how often it reset the grid.
template <typename Operation>
void timeWhole(const char *step, RecordTable &table, double floorSeconds, const QString &path,
               Operation &&operation)
{
    int resets = 0;
    const auto connection = QObject::connect(&table, &RecordTable::tableReset, [&resets] { ++resets; });
    StepTimer timer;
    operation();
    report(step, timer, floorSeconds, path);
    std::printf("  %d grid reset(s)\n", resets);
    std::fflush(stdout);
    QObject::disconnect(connection);
}

int wholeSteps(const QString &path, double floorSeconds)
{
    RecordTable table;
    declaration::read(path, Layout::Fixed, table);
    table.suspendDisplay();
    for (int row = 1; row < table.rowCount(); row += 2) {
        const double rut = table.numberAt(row - 1, 1);
        table.moveTo(row);
        table.edit();
        table.field(1).setNumber(rut);
        table.post();
    }
    table.resumeDisplay();
    table.moveTo(table.rowCount() / 2);
    timeWhole("mass modification", table, floorSeconds, path, [&] {
        tableops::modifyEveryLine(table, tableops::MassOption::TipoPago, "02 Gratificaciones");
    });
    timeWhole("second contracts", table, floorSeconds, path, [&] { tableops::assignSecondContracts(table); });
    return table.currentRow() == table.rowCount() - 1 ? 0 : 1;
}

int checkSteps(const QString &path, double floorSeconds)
{
    RecordTable table;
    declaration::read(path, Layout::Fixed, table);
    const CodeTables codes = CodeTables::read(QStringLiteral(SHIPPED_CODE_TABLES));
    StepTimer timer;
    const Observations observations(table, codes);
    report("check every line", timer, floorSeconds, path);
    std::printf("  %d observations in %d lines\n", observations.count(), observations.lineCount());
    // A grid cell stored: one text field written in place, the line rechecked on its signal.
    constexpr int kEdits = 1000;
    const int sexo = RecordTable::fieldIndex("sexo");
    timer.restart();
    for (int edit = 0; edit < kEdits; ++edit)
        table.writeTextAt(edit * (table.rowCount() / kEdits), sexo, edit % 2 ? "M" : "F");
    const double seconds = timer.wall() / kEdits;
    std::printf("%-24s %7.3f ms = %7.4f x the floor\n", "recheck one line", seconds * 1e3,
                seconds / floorSeconds);
    std::fflush(stdout);
    return observations.count() > 0 ? 0 : 1;
}

// Runs this program with `arguments` and answers its exit code, its output passed on or kept.
int runStep(const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(output ? QProcess::ForwardedErrorChannel : QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit)
        return 1;
    if (output)
        *output = child.readAllStandardOutput().trimmed();
    return child.exitCode();
}

// The wall time a step's report shows, the number before " s (cpu".
double reportedSeconds(const QByteArray &report)
{
    const qsizetype end = report.indexOf(" s (cpu");
    const qsizetype start = report.lastIndexOf(' ', end - 1);
    return end < 0 ? 0 : report.mid(start + 1, end - start - 1).toDouble();
}

// Runs a timed step `runs` times, each in its own process, and passes on the fastest run's report:
// on a shared machine one slow run says more about the machine than about the program.
int runBestOf(int runs, const QStringList &arguments)
{
    QByteArray best;
    for (int run = 0; run < runs; ++run) {
        QByteArray output;
        if (runStep(arguments, &output) != 0) {
            std::printf("%s\n", output.constData());
            return 1;
        }
        if (best.isEmpty() || reportedSeconds(output) < reportedSeconds(best))
            best = output;
    }
    std::printf("%s\n", best.constData());
    std::fflush(stdout);
    return 0;
}

int all(int lines)
{
    constexpr int kRuns = 3;
    QTemporaryDir dir;
    std::printf("%d lines, regional settings %s\n", lines, qPrintable(regional::locale().name()));
    std::fflush(stdout);
    int failures = 0;
    for (const QString &layout : {QStringLiteral("fixed"), QStringLiteral("separated")}) {
        const QString path = dir.filePath(layout + QStringLiteral(".txt"));
        if (runStep({QStringLiteral("generate"), layout, path, QString::number(lines)}) != 0) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
        QByteArray floorText;
        for (int run = 0; run < kRuns; ++run) {
            QByteArray output;
            failures += runStep({QStringLiteral("floor"), path}, &output);
            if (floorText.isEmpty() || output.toDouble() < floorText.toDouble())
                floorText = output;
        }
        std::printf("%-24s %7.3f s for %.1f MiB\n", qPrintable(QStringLiteral("floor ") + layout),
                    floorText.toDouble(), fileMiB(path));
        std::fflush(stdout);
        const QString floorSeconds = QString::fromLatin1(floorText);
        failures += runBestOf(kRuns, {QStringLiteral("read"), layout, path, floorSeconds});
        failures += runBestOf(kRuns, {QStringLiteral("write"), layout, path, floorSeconds});
        if (layout == QLatin1String("fixed")) {
            failures += runBestOf(kRuns, {QStringLiteral("renumber"), path, floorSeconds});
            failures += runBestOf(kRuns, {QStringLiteral("delete"), path, floorSeconds});
            failures += runStep({QStringLiteral("whole"), path, floorSeconds});
            failures += runBestOf(kRuns, {QStringLiteral("check"), path, floorSeconds});
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    regional::setLocale(QLocale(QStringLiteral("es_CL")));
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.isEmpty())
            return all(100000);
        if (args.size() == 1 && args[0].toInt() > 0)
            return all(args[0].toInt());
        const QString step = args[0];
        if (step == QLatin1String("generate") && args.size() == 4)
            return generate(args[1], args[2], args[3].toInt());
        if (step == QLatin1String("floor") && args.size() == 2)
            return floor(args[1]);
        if (step == QLatin1String("read") && args.size() == 4)
            return read(args[1], args[2], args[3].toDouble());
        if (step == QLatin1String("write") && args.size() == 4)
            return write(args[1], args[2], args[3].toDouble());
        if ((step == QLatin1String("renumber") || step == QLatin1String("delete")) && args.size() == 3)
            return renumberStep(args[1], args[2].toDouble(), step == QLatin1String("delete"));
        if (step == QLatin1String("whole") && args.size() == 3)
            return wholeSteps(args[1], args[2].toDouble());
        if (step == QLatin1String("check") && args.size() == 3)
            return checkSteps(args[1], args[2].toDouble());
    } catch (const AppError &e) {
        std::printf("failed: %s\n", e.what());
        return 1;
    }
    std::printf("usage: see the comment at the top of bench/bench_records.cpp\n");
    return 2;
}
