#include "io/DeclarationReader.h"
#include "io/DeclarationWriter.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/IoErrorMessage.h"

#include "ErrorOf.h"
#include "FailingDevice.h"
#include "FileSizeLimitedChild.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

#include <unistd.h>

using linelayout::Layout;

namespace {

// Every field of every row, and whether a row is pending: what "the table is unchanged" means.
QByteArrayList snapshot(const RecordTable &table)
{
    QByteArrayList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QByteArrayList fields;
        for (int position = 0; position < RecordTable::fieldCount(); ++position)
            fields << table.textAt(row, position);
        rows << fields.join('|');
    }
    rows << (table.isPending() ? "pending" : "stored");
    return rows;
}

// `count` rows whose `rut` is 1..count and whose `ape_pat` says the row.
void fill(RecordTable &table, int count)
{
    table.open();
    for (int i = 1; i <= count; ++i) {
        table.append();
        table.fieldByName("Linea").setInteger(i);
        table.fieldByName("rut").setInteger(i);
        table.fieldByName("ape_pat").setText("ROW " + QByteArray::number(i));
        table.post();
    }
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestDeclarationWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void everyRowWithLineEnd();
    void emptyTableGivesEmptyFile();
    void postsPendingRowAndEndsOnLastRow();
    void writingTwiceIsIdentical();
    void deviceFailure_data();
    void deviceFailure();
    void pathFailure_data();
    void pathFailure();
    void readOnlyTarget();
    void writableTargetInReadOnlyFolder();
    void failureWhileWriting_data();
    void failureWhileWriting();
    void bufferedDeviceFailingAtFlush();
    void misalignedLines_data();
    void misalignedLines();
    void cancellingMisfitsAreFound();
    void splitLines_data();
    void splitLines();
};

void TestDeclarationWriter::roundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("locale");

    for (const char *locale : {"es_CL", "en_US"}) {
        QTest::addRow("fixed %s", locale)
            << QStringLiteral("canonical_fixed_%1.txt").arg(QLatin1String(locale)) << int(Layout::Fixed)
            << QByteArray(locale);
        QTest::addRow("separated %s", locale)
            << QStringLiteral("canonical_separated_%1.txt").arg(QLatin1String(locale))
            << int(Layout::Separated) << QByteArray(locale);
    }
}

// A canonical file read and written back is the same file, byte for byte (Ñ, á and º included).
void TestDeclarationWriter::roundTrip()
{
    QFETCH(QString, file);
    QFETCH(int, layout);
    QFETCH(QByteArray, locale);

    TestLocale regional(locale.constData());
    RecordTable table;
    declaration::read(dataFile(file), Layout(layout), table);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Tarvinel.txt"));
    declaration::write(table, Layout(layout), target);

    const QByteArray expected = fileBytes(dataFile(file));
    QVERIFY(expected.contains('\xD1') && expected.contains('\xE1') && expected.contains('\xBA'));
    const QByteArrayList written = fileBytes(target).split('\n');
    const QByteArrayList lines = expected.split('\n');
    QCOMPARE(written.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(written[i], lines[i]); // line by line, so that a failure shows the line
}

void TestDeclarationWriter::everyRowWithLineEnd()
{
    RecordTable table;
    fill(table, 3);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    declaration::write(table, Layout::Separated, buffer);
    const QByteArrayList lines = buffer.data().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[3], QByteArray());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lines[i].endsWith('\r'));
        QVERIFY(lines[i].startsWith(QByteArray::number(i + 1) + ";;ROW " + QByteArray::number(i + 1) + ';'));
        QCOMPARE(lines[i].count(';'), 104);
    }
}

void TestDeclarationWriter::emptyTableGivesEmptyFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Tarvinel.txt"));
    QVERIFY(writeFileBytes(target, "old contents\r\n"));
    RecordTable table;
    table.open();
    declaration::write(table, Layout::Fixed, target);
    QCOMPARE(fileBytes(target), QByteArray());
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Tarvinel.txt")});
}

void TestDeclarationWriter::postsPendingRowAndEndsOnLastRow()
{
    RecordTable table;
    fill(table, 3);
    table.moveTo(0);
    table.edit();
    table.fieldByName("ape_pat").setText("CHANGED");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    declaration::write(table, Layout::Fixed, buffer);
    QVERIFY(!table.isPending());
    QCOMPARE(table.textAt(0, RecordTable::fieldIndex("ape_pat")), QByteArray("CHANGED"));
    QVERIFY(buffer.data().startsWith("00000000001CHANGED "));
    QVERIFY(table.eof());
    QCOMPARE(table.currentRow(), 2);
}

void TestDeclarationWriter::writingTwiceIsIdentical()
{
    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QStringLiteral("canonical_separated_es_CL.txt")), Layout::Separated, table);
    table.moveTo(1);
    table.edit();
    table.fieldByName("impo_afp").setText("123,5"); // not as read: the second file follows the first
    table.post();
    QTemporaryDir dir;
    declaration::write(table, Layout::Fixed, dir.filePath(QStringLiteral("a.txt")));
    declaration::write(table, Layout::Fixed, dir.filePath(QStringLiteral("b.txt")));
    const QByteArray first = fileBytes(dir.filePath(QStringLiteral("a.txt")));
    QCOMPARE(first.count("\r\n"), 3);
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("b.txt"))), first);
}

void TestDeclarationWriter::deviceFailure_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("cause");
    QTest::addColumn<QString>("message");

    QTest::addRow("disk full at the first byte") << 0 << ENOSPC << QStringLiteral("I/O error 112");
    QTest::addRow("disk full inside a line") << 1000 << ENOSPC << QStringLiteral("I/O error 112");
    QTest::addRow("disk full after the first block") << 70000 << ENOSPC << QStringLiteral("I/O error 112");
    QTest::addRow("no permission") << 10 << EACCES << QStringLiteral("File access denied");
    QTest::addRow("a device that names no cause") << 10 << 0 << QStringLiteral("I/O error %1").arg(EIO);
}

void TestDeclarationWriter::deviceFailure()
{
    QFETCH(int, limit);
    QFETCH(int, cause);
    QFETCH(QString, message);

    RecordTable table;
    fill(table, 200); // more than one block of lines
    const QByteArrayList before = snapshot(table);
    FailingDevice device(limit, cause, QIODevice::WriteOnly);
    QCOMPARE(errorOf([&] { declaration::write(table, Layout::Fixed, device); }), message);
    QCOMPARE(snapshot(table), before);
    QVERIFY(device.written().size() <= limit);
    QVERIFY(table.currentRow() < 199); // the walk stopped where the write failed
}

void TestDeclarationWriter::pathFailure_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("message");

    QTest::addRow("folder of the path missing")
        << QStringLiteral("missing/Tarvinel.txt") << QStringLiteral("Invalid filename");
    QTest::addRow("path under a regular file")
        << QStringLiteral("old.txt/Tarvinel.txt") << QStringLiteral("Invalid filename");
    QTest::addRow("a folder in place of the file")
        << QStringLiteral("folder") << QStringLiteral("File access denied");
}

void TestDeclarationWriter::pathFailure()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QVERIFY(writeFileBytes(dir.filePath(QStringLiteral("old.txt")), "old\r\n"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QStringList before = entries(dir.path());
    RecordTable table;
    fill(table, 3);
    const QByteArrayList rows = snapshot(table);
    table.moveTo(1);
    QCOMPARE(errorOf([&] { declaration::write(table, Layout::Fixed, dir.filePath(relativePath)); }), message);
    QCOMPARE(entries(dir.path()), before);
    QVERIFY(entries(dir.filePath(QStringLiteral("folder"))).isEmpty());
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("old.txt"))), QByteArray("old\r\n"));
    QCOMPARE(snapshot(table), rows);
    QCOMPARE(table.currentRow(), 1); // nothing was written, so the cursor did not move
}

void TestDeclarationWriter::readOnlyTarget()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Tarvinel.txt"));
    QVERIFY(writeFileBytes(target, "old\r\n"));
    QVERIFY(QFile::setPermissions(target,
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    if (::access(QFile::encodeName(target).constData(), W_OK) == 0)
        QSKIP("a read-only file stays writable for this user (root)");
    RecordTable table;
    fill(table, 3);
    QCOMPARE(errorOf([&] { declaration::write(table, Layout::Fixed, target); }),
             QStringLiteral("File access denied"));
    QCOMPARE(fileBytes(target), QByteArray("old\r\n"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Tarvinel.txt")});
}

// Where no file can be made beside the target, it is written in place, and put back as it was when
// that write fails.
void TestDeclarationWriter::writableTargetInReadOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("a read-only folder stays writable for this user (root)");
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Tarvinel.txt"));
    QVERIFY(writeFileBytes(target, "old\r\n"));
    const QFile::Permissions folderWas = QFile::permissions(dir.path());
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    RecordTable table;
    fill(table, 3);
    QCOMPARE(errorOf([&] { declaration::write(table, Layout::Fixed, target); }), QString());
    const QByteArray written = fileBytes(target);
    fill(table, 500); // about 430 000 bytes
    const QString failure = failureInChildWithFileSizeLimit(
        rlim_t(4096), [&] { declaration::write(table, Layout::Fixed, target); });
    QFile::setPermissions(dir.path(), folderWas);
    QCOMPARE(written.count("\r\n"), 3);
    QCOMPARE(failure, ioerror::message(EFBIG));
    QCOMPARE(fileBytes(target), written);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Tarvinel.txt")});
}

void TestDeclarationWriter::failureWhileWriting_data()
{
    QTest::addColumn<int>("limit");
    QTest::addRow("at the first byte") << 0;
    QTest::addRow("inside the first block") << 1024;
    QTest::addRow("halfway through the file") << 200000;
}

// The system refuses a write partway through the file: the file it was to replace stays as it was,
// and no temporary file is left beside it.
void TestDeclarationWriter::failureWhileWriting()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Tarvinel.txt"));
    const QByteArray old = fileBytes(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")));
    QVERIFY(writeFileBytes(target, old));
    RecordTable table;
    fill(table, 500); // about 430 000 bytes
    QFETCH(int, limit);
    const QString failure = failureInChildWithFileSizeLimit(
        rlim_t(limit), [&] { declaration::write(table, Layout::Fixed, target); });
    QCOMPARE(failure, ioerror::message(EFBIG));
    QCOMPARE(fileBytes(target), old);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Tarvinel.txt")});

    // The user can try again once the cause is gone.
    declaration::write(table, Layout::Fixed, target);
    QCOMPARE(fileBytes(target).count("\r\n"), 500);
}

// A buffered file takes every line into its buffer and fails only when the buffer goes to the disk.
void TestDeclarationWriter::bufferedDeviceFailingAtFlush()
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("no /dev/full here");
    RecordTable table;
    fill(table, 3);
    QCOMPARE(errorOf([&] { declaration::write(table, Layout::Fixed, full); }), ioerror::message(ENOSPC));
}

void TestDeclarationWriter::misalignedLines_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("text"); // set as text into the second row
    QTest::addColumn<int>("misfit");      // the field named, 0 when the line fits

    QTest::addRow("every field fits") << QByteArray("ape_pat") << QByteArray("PEREZ") << 0;
    QTest::addRow("12-digit rut") << QByteArray("rut") << QByteArray("123456789012") << 1;
    QTest::addRow("11-digit rut fits") << QByteArray("rut") << QByteArray("12345678901") << 0;
    QTest::addRow("negative amount one too long") << QByteArray("impo_afp") << QByteArray("-12345678") << 27;
    QTest::addRow("fraction too long") << QByteArray("porc_trab_pesado") << QByteArray("123,25") << 38;
    QTest::addRow("empty dv") << QByteArray("dv") << QByteArray("") << 2;
    QTest::addRow("two-digit nacion") << QByteArray("nacion") << QByteArray("10") << 7;
    QTest::addRow("short reg_previ") << QByteArray("reg_previ") << QByteArray("AF") << 11;
    QTest::addRow("date of 8 characters") << QByteArray("Fecha_Desde") << QByteArray("1-5-2024") << 16;
    QTest::addRow("date \"0\" fits") << QByteArray("Fecha_Hasta") << QByteArray("0") << 0;
    QTest::addRow("volunteer date \"0\"") << QByteArray("fec_desde_volun") << QByteArray("0") << 56;
}

// The check before a fixed-position file is written finds the line and field that would move the
// columns after it, and agrees with the length of the line composed.
void TestDeclarationWriter::misalignedLines()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, text);
    QFETCH(int, misfit);

    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")), Layout::Fixed, table);
    QVERIFY(!declaration::firstMisalignedLine(table));
    table.moveTo(1);
    table.edit();
    table.fieldByName(field).setText(text);
    table.post();

    const auto found = declaration::firstMisalignedLine(table);
    const QByteArray line = linelayout::composeRow(table, 1, Layout::Fixed);
    QCOMPARE(line.size() == linelayout::kFixedLineLength, misfit == 0);
    QCOMPARE(found ? found->field : 0, misfit);
    if (found) {
        QCOMPARE(found->row, 1);
        QCOMPARE(found->text, table.textAt(1, misfit));
        QCOMPARE(found->width, catalogue::field(misfit).line.width);
        QVERIFY(declaration::misalignmentQuestion(*found).startsWith(QStringLiteral("La línea 2 ")));
    }
}

// A field one character too long and a later one a character too short make a line of 861 whose
// columns still move between them.
void TestDeclarationWriter::cancellingMisfitsAreFound()
{
    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")), Layout::Fixed, table);
    table.moveTo(1);
    table.edit();
    table.fieldByName("ahorro_afp").setText("0,5000035");
    table.fieldByName("fec_desde_volun").setText("         ");
    table.post();
    QCOMPARE(linelayout::composeRow(table, 1, Layout::Fixed).size(), linelayout::kFixedLineLength);
    const auto found = declaration::firstMisalignedLine(table);
    QVERIFY(found);
    QCOMPARE(found->field, RecordTable::fieldIndex("ahorro_afp"));
}

void TestDeclarationWriter::splitLines_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("text"); // set as text into the second row
    QTest::addColumn<int>("split");       // the field named, 0 when no field moves

    QTest::addRow("no semicolon") << QByteArray("ape_pat") << QByteArray("PEREZ") << 0;
    QTest::addRow("semicolon in a name") << QByteArray("ape_pat") << QByteArray("PE;REZ") << 3;
    QTest::addRow("semicolon alone") << QByteArray("dv") << QByteArray(";") << 2;
    QTest::addRow("semicolon in the last field") << QByteArray("centro_costo") << QByteArray("A;") << 105;
}

// A ";" typed into a text of a separated file ends the field there: the check before writing
// names it, and the line composed indeed holds a separator too many.
void TestDeclarationWriter::splitLines()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, text);
    QFETCH(int, split);

    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QStringLiteral("canonical_separated_es_CL.txt")), Layout::Separated, table);
    QVERIFY(!declaration::firstSplitLine(table));
    table.moveTo(1);
    table.edit();
    table.fieldByName(field).setText(text);
    table.post();

    const auto found = declaration::firstSplitLine(table);
    QCOMPARE(found ? found->field : 0, split);
    const QByteArray line = linelayout::composeRow(table, 1, Layout::Separated);
    QCOMPARE(line.count(';') == catalogue::kLineFieldCount - 1, split == 0);
    if (found) {
        QCOMPARE(found->row, 1);
        QCOMPARE(found->text, table.textAt(1, split));
        QVERIFY(declaration::splitQuestion(*found).startsWith(QStringLiteral("La línea 2 tiene un \";\"")));
    }
}

QTEST_GUILESS_MAIN(TestDeclarationWriter)
#include "tst_declarationwriter.moc"
