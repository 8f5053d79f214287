#include "codes/CodeTableFile.h"
#include "codes/EditedCodeTable.h"

#include "ErrorOf.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestEditedCodeTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitAndPad_data();
    void splitAndPad();
    void changes_data();
    void changes();
    void emptyFieldStoresNothing();
    void refusedWriteKeepsTheChange();
};

void TestEditedCodeTable::splitAndPad_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("glosa");
    QTest::addColumn<QByteArray>("typed");  // into the code field
    QTest::addColumn<QByteArray>("padded"); // when the field is left
    QTest::addRow("width 1") << 1 << QByteArray("1 Activo") << QByteArray("1") << QByteArray("Activo")
                             << QByteArray("3") << QByteArray("3");
    QTest::addRow("width 2") << 2 << QByteArray("01 Mes  normal") << QByteArray("01")
                             << QByteArray("Mes  normal") << QByteArray("7") << QByteArray("07");
    QTest::addRow("width 2, blank kept")
        << 2 << QByteArray("07") << QByteArray("07") << QByteArray() << QByteArray("7 ") << QByteArray("7 ");
    QTest::addRow("width 3") << 3 << QByteArray("005 Cuprum") << QByteArray("005") << QByteArray("Cuprum")
                             << QByteArray(" 5") << QByteArray("005");
    QTest::addRow("width 4") << 4 << QByteArray("12") << QByteArray("12") << QByteArray() << QByteArray("12")
                             << QByteArray("0012");
}

void TestEditedCodeTable::splitAndPad()
{
    QFETCH(int, width);
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, glosa);
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, padded);
    const EditedCodeTable::Parts parts = EditedCodeTable::split(entry, width);
    QCOMPARE(parts.code, code);
    QCOMPARE(parts.glosa, glosa);
    QCOMPARE(EditedCodeTable::paddedCode(typed, width), padded);
}

void TestEditedCodeTable::changes_data()
{
    // Steps: "m<i>" modify entry i, "a" add, "s<entry>" store its code and glosa, "d<i>" delete entry i.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addRow("modify") << "m1|s02 Otra" << 1 << QByteArrayList{"01 A", "02 Otra", "03 C"};
    QTest::addRow("two adds") << "a|s04 D|a|s05 E" << 4
                              << QByteArrayList{"01 A", "02 B", "03 C", "04 D", "05 E"};
    QTest::addRow("store after delete") << "d1|s09 X" << 1 << QByteArrayList{"01 A", "09 X"};
    QTest::addRow("store after deleting the last")
        << "d2|s09 X" << 2 << QByteArrayList{"01 A", "02 B", "09 X"};
    QTest::addRow("add after delete") << "d0|a|s04 D" << 2 << QByteArrayList{"02 B", "03 C", "04 D"};
}

void TestEditedCodeTable::changes()
{
    QFETCH(QString, steps);
    QFETCH(int, position);
    QFETCH(QByteArrayList, entries);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(path, "[TipoPago]\r\n01 A=0\r\n02 B=1\r\n03 C=2\r\n[CCAF]\r\n01 Los Andes=0\r\n"));
    EditedCodeTable table(path, "TipoPago", 2);
    for (const QString &step : steps.split(QLatin1Char('|'))) {
        const QByteArray argument = step.mid(1).toLatin1();
        if (step.startsWith(QLatin1Char('m')))
            table.modify(argument.toInt());
        else if (step.startsWith(QLatin1Char('a')))
            table.add();
        else if (step.startsWith(QLatin1Char('d')))
            table.remove(argument.toInt());
        else
            QVERIFY(table.store(argument.first(2), argument.sliced(3)));
        // Every change is in the file at once, the other sections untouched.
        QCOMPARE(readSection(path, "TipoPago"), table.entries());
        QCOMPARE(readSection(path, "CCAF"), QByteArrayList({"01 Los Andes"}));
    }
    QCOMPARE(table.editPosition(), position);
    QCOMPARE(table.entries(), entries);
}

void TestEditedCodeTable::emptyFieldStoresNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(path, "[TipoPago]\r\n01 A=0\r\n"));
    EditedCodeTable table(path, "TipoPago", 2);
    table.modify(0);
    QVERIFY(!table.store("09", ""));
    QVERIFY(!table.store("", "Nueva"));
    QCOMPARE(fileBytes(path), QByteArray("[TipoPago]\r\n01 A=0\r\n"));
}

void TestEditedCodeTable::refusedWriteKeepsTheChange()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/Tarvinel.cfg"));
    EditedCodeTable table(path, "TipoPago", 2);
    table.add();
    QCOMPARE(errorOf([&] { table.store("01", "A"); }),
             QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(table.entries(), QByteArrayList({"01 A"}));
}

QTEST_GUILESS_MAIN(TestEditedCodeTable)
#include "tst_editedcodetable.moc"
