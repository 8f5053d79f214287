#include "export/TableSheet.h"
#include "export/USaveXls.h"
#include "model/RecordTable.h"

#include "TestFiles.h"
#include "TestLocale.h"

#include <QBuffer>
#include <QTest>

namespace {

// The three lines of the golden export: every kind of field, cp1252 letters, a fraction that only
// reads as 0.3 once shown, and a line with nearly every field unset. read_golden_xlrd.py expects them.
void fillThreeLines(RecordTable &table)
{
    table.open();
    table.append();
    table.fieldByName("Linea").setInteger(1);
    table.fieldByName("rut").setNumber(12345678);
    table.fieldByName("dv").setText("K");
    table.fieldByName("ape_pat").setText("PE\xD1"
                                         "A");
    table.fieldByName("nombres").setText("ANA MAR\xCD"
                                         "A");
    table.fieldByName("nacion").setInteger(0);
    table.fieldByName("tipo_pago").setText("01");
    table.fieldByName("asig_fam").setNumber(2.5);
    table.fieldByName("impo_afp").setNumber(500000);
    table.fieldByName("cot_obli_afp").setNumber(0.1 + 0.2);
    table.fieldByName("Fecha_Desde").setText("01-03-2024");
    table.fieldByName("centro_costo").setText("CENTRO 1");
    table.post();
    table.append();
    table.fieldByName("Linea").setInteger(2);
    table.fieldByName("rut").setNumber(7654321);
    table.fieldByName("dv").setText("1");
    table.fieldByName("ape_pat").setText("O'HIGGINS");
    table.fieldByName("nacion").setInteger(1);
    table.fieldByName("trab_pesado").setText(QByteArray(40, 'W'));
    table.fieldByName("porc_trab_pesado").setNumber(4.75);
    table.fieldByName("tasa_ex_caja").setNumber(-1234.5);
    table.post();
    table.append();
    table.fieldByName("Linea").setInteger(3);
    table.fieldByName("rut").setNumber(99999999);
    table.post();
}

// The first 16 bytes from where two byte arrays part, so that a failure shows where and how.
QByteArray fromFirstDifference(const QByteArray &bytes, const QByteArray &other)
{
    qsizetype at = 0;
    while (at < bytes.size() && at < other.size() && bytes[at] == other[at])
        ++at;
    return QByteArray::number(at) + ": " + bytes.mid(at, 16).toHex(' ');
}

} // namespace

class TestTableSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void goldenThreeLines_data();
    void goldenThreeLines();
    void progressCountsEveryLine();
};

void TestTableSheet::goldenThreeLines_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addRow("es_CL") << QByteArray("es_CL");
    QTest::addRow("en_US") << QByteArray("en_US");
}

void TestTableSheet::goldenThreeLines()
{
    QFETCH(QByteArray, locale);
    const TestLocale regional(locale.constData());
    RecordTable table;
    fillThreeLines(table);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TXlsWriter writer(buffer);
    tablesheet::write(table, tablesheet::fieldNames(), writer, [](int) {});
    writer.close();

    const QByteArray golden = fileBytes(dataFile(QStringLiteral("three_lines.xls")));
    QCOMPARE(fromFirstDifference(buffer.data(), golden), fromFirstDifference(golden, buffer.data()));
}

void TestTableSheet::progressCountsEveryLine()
{
    RecordTable table;
    fillThreeLines(table);
    table.moveTo(1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TXlsWriter writer(buffer);
    QList<int> counts;
    tablesheet::write(table, {}, writer, [&](int written) {
        counts << written;
        QVERIFY(table.isDisplaySuspended());
    });
    QCOMPARE(counts, (QList<int>{1, 2, 3}));
    QVERIFY(!table.isDisplaySuspended());
    QVERIFY(table.eof());
}

QTEST_GUILESS_MAIN(TestTableSheet)
#include "tst_tablesheet.moc"
