// Figures for the record table, the reader and the writer with 100 000 declaration lines: rows or
// lines per second and peak memory for each step. Every step runs in a process of its own, so that
// each peak is that step's alone.
//
//   bench_records            all steps
//   bench_records fill       fill a table from cut lines and walk it, reading every field as text
//   bench_records whole      on a filled table: mass modification of one field, renumbering the lines
//                            and the second-contract run, each with the grid resets it signals
//   bench_records read LAYOUT FILE            read a declaration file ("fixed" or "separated")
//   bench_records write LAYOUT FILE TARGET    read it, then write it back (timed); its peak includes
//                                             the table read first

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

#include <sys/resource.h>

using linelayout::FixedRule;
using linelayout::Layout;

namespace {

constexpr int kLines = 100000;

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

// The field texts of generated line `i`: every field holds a value of its full width, names and
// amounts vary from line to line.
linelayout::FieldTexts generatedTexts(int i)
{
    linelayout::FieldTexts texts;
    const char decimal = regional::separators().decimal;
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const FieldDef &def = catalogue::field(n);
        const linelayout::FixedField &fixed = linelayout::fixedField(n);
        QByteArray &text = texts[std::size_t(n - 1)];
        if (n == 1) {
            text = QByteArray::number(10000000 + i);
        } else if (def.kind == FieldKind::Integer) {
            text = QByteArray::number(i % 2);
        } else if (n == 32 || n == 38 || n == 63 || n == 68 || n == 79) {
            text = "1" + QByteArray(1, decimal) + QByteArray::number(i % 9 + 1); // no trailing zero
        } else if (def.kind == FieldKind::Floating) {
            qint64 limit = 1;
            for (int d = 1; d < fixed.width; ++d)
                limit *= 10;
            text = QByteArray::number((qint64(i) * 37 + n * 101) % limit);
        } else {
            switch (fixed.rule) {
            case FixedRule::ZeroPadded:
                text = QByteArray::number((i + n)
                                          % (def.size >= 4   ? 10000
                                             : def.size == 1 ? 10
                                             : def.size == 2 ? 100
                                                             : 1000));
                break;
            case FixedRule::AsStored:
                text = QByteArray(def.size, char('0' + (i + n) % 10));
                break;
            case FixedRule::SpacePadded:
                text = (QByteArray("NOMBRE \xD1U\xD1OA ") + QByteArray::number(i)).left(def.size);
                break;
            case FixedRule::RightAligned:
                text = def.size == 10 ? QByteArray("01-05-2024") : QByteArray("K");
                break;
            case FixedRule::DateOrZero:
            case FixedRule::Date:
                text = "01-05-2024";
                break;
            }
        }
    }
    return texts;
}

void report(const char *step, const StepTimer &timer, int count, const char *unit, double fileMiB = 0)
{
    const double peak = peakMiB();
    const double seconds = timer.wall();
    std::printf("%-20s %6d %-5s %6.3f s (cpu %6.3f s) %8.0f %s/s  peak %6.1f MiB", step, count, unit, seconds,
                timer.cpu(), count / seconds, unit, peak);
    if (fileMiB > 0)
        std::printf(" = %.2f x the file (%.1f MiB)", peak / fileMiB, fileMiB);
    std::printf("\n");
    std::fflush(stdout);
}

double fileMiB(const QString &path)
{
    return double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

// Fills `table` with the generated lines; with `pairs`, lines 2k and 2k+1 share a RUT.
void fillTable(RecordTable &table, const QByteArrayList &lines, bool pairs = false)
{
    table.suspendDisplay();
    table.open();
    for (int i = 0; i < kLines; ++i) {
        table.append();
        table.field(catalogue::kLinea).setInteger(i + 1);
        const linelayout::FieldViews texts = linelayout::cut(lines[i], Layout::Fixed);
        for (int n = 1; n <= catalogue::kLineFieldCount; ++n)
            table.field(n).setText(texts[std::size_t(n - 1)]);
        if (pairs)
            table.field(1).setInteger(10000000 + i / 2);
        table.post();
    }
    table.resumeDisplay();
}

QByteArrayList generatedLines()
{
    QByteArrayList lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i)
        lines << linelayout::compose(generatedTexts(i), Layout::Fixed);
    return lines;
}

int fill()
{
    QByteArrayList lines = generatedLines();

    RecordTable table;
    StepTimer timer;
    fillTable(table, lines);
    report("fill table", timer, table.rowCount(), "rows");

    lines.clear();
    timer.restart();
    qint64 characters = 0;
    int rows = 0;
    for (table.first(); !table.eof(); table.next()) {
        for (int position = 0; position < RecordTable::fieldCount(); ++position)
            characters += table.field(position).asText().size();
        ++rows;
    }
    report("walk table", timer, rows, "rows");
    return characters > 0 ? 0 : 1;
}

// Times one whole-table operation and prints how often it reset the grid.
template <typename Operation> void timeWhole(const char *step, RecordTable &table, Operation &&operation)
{
    int resets = 0;
    const auto connection = QObject::connect(&table, &RecordTable::tableReset, [&resets] { ++resets; });
    const quint64 revision = table.revision();
    StepTimer timer;
    operation();
    report(step, timer, table.rowCount(), "rows");
    std::printf("  %llu rows changed, %d grid reset(s)\n",
                static_cast<unsigned long long>(table.revision() - revision), resets);
    std::fflush(stdout);
    QObject::disconnect(connection);
}

int whole()
{
    RecordTable table;
    fillTable(table, generatedLines(), true);
    table.moveTo(kLines / 2);
    timeWhole("mass modification", table, [&] {
        tableops::modifyEveryLine(table, tableops::MassOption::TipoPago, "02 Gratificaciones");
    });
    // After a delete at the top, every number moves.
    table.moveTo(0);
    table.deleteRow();
    timeWhole("renumber lines", table, [&] { tableops::RenumerarLineas(table); });
    timeWhole("second contracts", table, [&] { tableops::assignSecondContracts(table); });
    return table.currentRow() == table.rowCount() - 1 ? 0 : 1;
}

Layout layoutOf(const QString &name)
{
    return name == QLatin1String("fixed") ? Layout::Fixed : Layout::Separated;
}

int read(const QString &layoutName, const QString &path)
{
    RecordTable table;
    StepTimer timer;
    declaration::read(path, layoutOf(layoutName), table);
    const QByteArray step = "read " + layoutName.toLatin1();
    report(step.constData(), timer, table.rowCount(), "lines", fileMiB(path));
    return table.rowCount() == kLines ? 0 : 1;
}

int write(const QString &layoutName, const QString &path, const QString &target)
{
    RecordTable table;
    declaration::read(path, layoutOf(layoutName), table);
    StepTimer timer;
    declaration::write(table, layoutOf(layoutName), target);
    const QByteArray step = "write " + layoutName.toLatin1();
    report(step.constData(), timer, table.rowCount(), "lines", fileMiB(path));
    QFile original(path);
    QFile written(target);
    if (!original.open(QIODevice::ReadOnly) || !written.open(QIODevice::ReadOnly)
        || original.readAll() != written.readAll()) {
        std::printf("  the written file differs from the file read\n");
        return 1;
    }
    return 0;
}

bool generate(const QString &path, Layout layout)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int i = 0; i < kLines; ++i) {
        block += linelayout::compose(generatedTexts(i), layout);
        block += "\r\n";
        if (block.size() > (1 << 20) || i == kLines - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}

int runStep(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit)
        return 1;
    return child.exitCode();
}

int all()
{
    QTemporaryDir dir;
    std::printf("%d lines, regional settings %s\n", kLines, qPrintable(regional::locale().name()));
    std::fflush(stdout);
    int failures = runStep({QStringLiteral("fill")});
    failures += runStep({QStringLiteral("whole")});
    for (const QString &layout : {QStringLiteral("fixed"), QStringLiteral("separated")}) {
        const QString path = dir.filePath(layout + QStringLiteral(".txt"));
        if (!generate(path, layoutOf(layout))) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
        failures += runStep({QStringLiteral("read"), layout, path});
        failures += runStep(
            {QStringLiteral("write"), layout, path, dir.filePath(layout + QStringLiteral("-out.txt"))});
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
            return all();
        if (args[0] == QLatin1String("fill"))
            return fill();
        if (args[0] == QLatin1String("whole"))
            return whole();
        if (args[0] == QLatin1String("read") && args.size() == 3)
            return read(args[1], args[2]);
        if (args[0] == QLatin1String("write") && args.size() == 4)
            return write(args[1], args[2], args[3]);
    } catch (const AppError &e) {
        std::printf("failed: %s\n", e.what());
        return 1;
    }
    std::printf("usage: bench_records [fill | whole | read LAYOUT FILE | write LAYOUT FILE TARGET]\n");
    return 2;
}
