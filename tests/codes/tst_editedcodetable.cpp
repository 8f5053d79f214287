#include "codes/CodeTableFile.h"
#include "codes/EditedCodeTable.h"

#include "ErrorOf.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kSection("TipoPago");

} // namespace

class TestEditedCodeTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void paddedCode_data();
    void paddedCode();
    void changes_data();
    void changes();
    void emptyFieldStoresNothing();
    void refusedWriteKeepsTheChange();
};

void TestEditedCodeTable::split_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("glosa");
    QTest::addRow("width 1") << QByteArray("1 Activo") << 1 << QByteArray("1") << QByteArray("Activo");
    QTest::addRow("width 2") << QByteArray("01 Remuneraciones del mes") << 2 << QByteArray("01")
                             << QByteArray("Remuneraciones del mes");
    QTest::addRow("width 3") << QByteArray("005 Cuprum") << 3 << QByteArray("005") << QByteArray("Cuprum");
    QTest::addRow("width 4") << QByteArray("1201 Empart") << 4 << QByteArray("1201") << QByteArray("Empart");
    QTest::addRow("glosa keeps its blanks")
        << QByteArray("02 A  B") << 2 << QByteArray("02") << QByteArray("A  B");
    QTest::addRow("code alone") << QByteArray("07") << 2 << QByteArray("07") << QByteArray();
    QTest::addRow("shorter than the code") << QByteArray("7") << 2 << QByteArray("7") << QByteArray();
}

void TestEditedCodeTable::split()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, width);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, glosa);
    const EditedCodeTable::Parts parts = EditedCodeTable::split(entry, width);
    QCOMPARE(parts.code, code);
    QCOMPARE(parts.glosa, glosa);
    // Stored unchanged, the parts give the same entry back.
    if (!glosa.isEmpty())
        QCOMPARE(parts.code + ' ' + parts.glosa, entry);
}

void TestEditedCodeTable::paddedCode_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("padded");
    QTest::addRow("width 1, full") << QByteArray("3") << 1 << QByteArray("3");
    QTest::addRow("width 2, one digit") << QByteArray("7") << 2 << QByteArray("07");
    QTest::addRow("width 2, digit and blank kept") << QByteArray("7 ") << 2 << QByteArray("7 ");
    QTest::addRow("width 3, blank removed") << QByteArray(" 5") << 3 << QByteArray("005");
    QTest::addRow("width 4, two digits") << QByteArray("12") << 4 << QByteArray("0012");
    QTest::addRow("empty") << QByteArray() << 2 << QByteArray();
}

void TestEditedCodeTable::paddedCode()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, width);
    QFETCH(QByteArray, padded);
    QCOMPARE(EditedCodeTable::paddedCode(typed, width), padded);
}

void TestEditedCodeTable::changes_data()
{
    // Steps: "m<i>" modify entry i, "a" add, "s<text>" store code and glosa, "d<i>" delete entry i.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArrayList>("entries");
    const auto row = [](const char *name, QStringList steps, int position, QByteArrayList entries) {
        QTest::addRow("%s", name) << steps << position << entries;
    };
    row("modify", {QStringLiteral("m1"), QStringLiteral("s02 Otra")}, 1, {"01 A", "02 Otra", "03 C"});
    row("add", {QStringLiteral("a"), QStringLiteral("s04 D")}, 3, {"01 A", "02 B", "03 C", "04 D"});
    row("two adds",
        {QStringLiteral("a"), QStringLiteral("s04 D"), QStringLiteral("a"), QStringLiteral("s05 E")}, 4,
        {"01 A", "02 B", "03 C", "04 D", "05 E"});
    row("delete", {QStringLiteral("d1")}, 1, {"01 A", "03 C"});
    row("store after delete replaces the next", {QStringLiteral("d1"), QStringLiteral("s09 X")}, 1,
        {"01 A", "09 X"});
    row("delete the last", {QStringLiteral("d2")}, 2, {"01 A", "02 B"});
    row("store after deleting the last appends", {QStringLiteral("d2"), QStringLiteral("s09 X")}, 2,
        {"01 A", "02 B", "09 X"});
    row("add after delete", {QStringLiteral("d0"), QStringLiteral("a"), QStringLiteral("s04 D")}, 2,
        {"02 B", "03 C", "04 D"});
}

void TestEditedCodeTable::changes()
{
    QFETCH(QStringList, steps);
    QFETCH(int, position);
    QFETCH(QByteArrayList, entries);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(path, "[TipoPago]\r\n01 A=0\r\n02 B=1\r\n03 C=2\r\n[CCAF]\r\n01 Los Andes=0\r\n"));
    EditedCodeTable table(path, kSection, 2);
    for (const QString &step : std::as_const(steps)) {
        const QByteArray argument = step.mid(1).toLatin1();
        switch (step.at(0).toLatin1()) {
        case 'm':
            table.modify(argument.toInt());
            break;
        case 'a':
            table.add();
            break;
        case 's': {
            const EditedCodeTable::Parts parts = EditedCodeTable::split(argument, 2);
            QVERIFY(table.store(parts.code, parts.glosa));
            break;
        }
        case 'd':
            table.remove(argument.toInt());
            break;
        }
        // Every change is in the file at once, the other sections untouched.
        QCOMPARE(readSection(path, kSection), table.entries());
        QCOMPARE(readSection(path, "CCAF"), QByteArrayList({"01 Los Andes"}));
    }
    QCOMPARE(table.editPosition(), position);
    QCOMPARE(table.entries(), entries);
}

void TestEditedCodeTable::emptyFieldStoresNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    const QByteArray before("[TipoPago]\r\n01 A=0\r\n");
    QVERIFY(writeFileBytes(path, before));
    EditedCodeTable table(path, kSection, 2);
    table.modify(0);
    QVERIFY(!table.store("09", ""));
    QVERIFY(!table.store("", "Nueva"));
    QCOMPARE(table.entries(), QByteArrayList({"01 A"}));
    QCOMPARE(fileBytes(path), before);
}

void TestEditedCodeTable::refusedWriteKeepsTheChange()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/Tarvinel.cfg"));
    EditedCodeTable table(path, kSection, 2);
    table.add();
    QCOMPARE(errorOf([&] { table.store("01", "A"); }),
             QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(table.entries(), QByteArrayList({"01 A"}));
}

QTEST_GUILESS_MAIN(TestEditedCodeTable)
#include "tst_editedcodetable.moc"
