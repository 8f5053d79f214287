#include "export/USaveXls.h"
#include "util/AppError.h"
#include "util/IoErrorMessage.h"

#include "ErrorOf.h"
#include "FailingDevice.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

namespace {

using Cells = std::function<void(TXlsWriter &)>;

const QByteArray kStart = QByteArray::fromHex("0900040000001000"
                                              "00000800 0000FFFF 0000FFFF");
const QByteArray kEnd = QByteArray::fromHex("0A000000");

QByteArray sheetBytes(const Cells &cells)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TXlsWriter writer(buffer);
    cells(writer);
    writer.close();
    return buffer.data();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

Q_DECLARE_METATYPE(Cells)

class TestXlsWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void record_data();
    void record();
    void deviceFailure();
    void pathReplacesTargetOnlyWhenClosed();
};

void TestXlsWriter::record_data()
{
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<QByteArray>("expected"); // between start and end of file

    QTest::addRow("created and closed at once: 24 bytes") << Cells([](TXlsWriter &) {}) << QByteArray();
    QTest::addRow("label abc at row 0, column 2")
        << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kLabel, 0, 2, QByteArrayView("abc")); })
        << QByteArray::fromHex("04000B00 0000 0200 000000 03 616263");
    QTest::addRow("empty label") << Cells([](TXlsWriter &w) {
        w.writeCell(TXlsWriter::kLabel, 1, 0, QByteArrayView(""));
    }) << QByteArray::fromHex("04000800 0100 0000 000000 00");
    QTest::addRow("label cut to 255 characters") << Cells([](TXlsWriter &w) {
        w.writeCell(TXlsWriter::kLabel, 0, 0, QByteArrayView(QByteArray(300, 'x')));
    }) << QByteArray::fromHex("04000701 0000 0000 000000 FF") + QByteArray(255, 'x');
    QTest::addRow("integer 70000 as its low 16 bits")
        << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kInteger, 3, 1, qint32(70000)); })
        << QByteArray::fromHex("02000900 0300 0100 000000 7011");
    QTest::addRow("number 2.5") << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kNumber, 1, 4, 2.5); })
                                << QByteArray::fromHex("03000F00 0100 0400 000000 0000000000000440");
    QTest::addRow("blank ignores its data")
        << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kBlank, 2, 3, 7.0); })
        << QByteArray::fromHex("01000700 0200 0300 000000");
    QTest::addRow("boolean from a text")
        << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kBoolean, 0, 1, QByteArrayView("S")); })
        << QByteArray::fromHex("05000900 0000 0100 000000 0100");
    QTest::addRow("row and column as their low 16 bits")
        << Cells([](TXlsWriter &w) { w.writeCell(TXlsWriter::kBlank, 65537, 65538); })
        << QByteArray::fromHex("01000700 0100 0200 000000");
    QTest::addRow("kind 0 writes nothing")
        << Cells([](TXlsWriter &w) { w.writeCell(0, 0, 0, qint32(1)); }) << QByteArray();
    QTest::addRow("kind 3 writes nothing")
        << Cells([](TXlsWriter &w) { w.writeCell(3, 0, 0, qint32(1)); }) << QByteArray();
}

void TestXlsWriter::record()
{
    QFETCH(Cells, cells);
    QFETCH(QByteArray, expected);
    QCOMPARE(sheetBytes(cells).toHex(' '), (kStart + expected + kEnd).toHex(' '));
}

void TestXlsWriter::deviceFailure()
{
    FailingDevice device(100000, ENOSPC, QIODevice::WriteOnly);
    const QString failure = errorOf([&] {
        TXlsWriter writer(device);
        for (int row = 0; row < 20000; ++row)
            writer.writeCell(TXlsWriter::kLabel, row, 0, QByteArrayView("SOME TEXT"));
        writer.close();
    });
    QCOMPARE(failure, ioerror::message(ENOSPC));
    QCOMPARE(device.written().size(), 100000);
}

void TestXlsWriter::pathReplacesTargetOnlyWhenClosed()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Archivo Tarvinel.xls"));
    QVERIFY(writeFileBytes(target, "old"));

    {
        TXlsWriter abandoned(target);
        for (int row = 0; row < 20000; ++row)
            abandoned.writeCell(TXlsWriter::kNumber, row, 0, 1.0);
        QCOMPARE(fileBytes(target), QByteArray("old"));
    }
    QCOMPARE(fileBytes(target), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Archivo Tarvinel.xls")});

    TXlsWriter writer(target);
    writer.close();
    QCOMPARE(fileBytes(target).toHex(' '), (kStart + kEnd).toHex(' '));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Archivo Tarvinel.xls")});
}

QTEST_GUILESS_MAIN(TestXlsWriter)
#include "tst_usavexls.moc"
