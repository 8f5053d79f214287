#include "model/RecordTable.h"
#include "util/AppError.h"

#include "ErrorOf.h"
#include "TestLocale.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A table with `n` stored rows whose `Linea` is 1..n.
void fill(RecordTable &table, int n)
{
    table.open();
    for (int i = 1; i <= n; ++i) {
        table.append();
        table.fieldByName("Linea").setInteger(i);
        table.post();
    }
}

QList<int> lineas(RecordTable &table)
{
    QList<int> numbers;
    for (int row = 0; row < table.rowCount(); ++row)
        numbers.append(table.textAt(row, catalogue::kLinea).toInt());
    return numbers;
}

} // namespace

class TestRecordTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void conversions_data();
    void conversions();
    void failures_data();
    void failures();
    void unsetAndEmpty();
    void looseEmptyTextKeepsValue();
    void fieldNamesIgnoreCase_data();
    void fieldNamesIgnoreCase();
    void insertBeforeCurrentRow();
    void openedAgain_data();
    void openedAgain();
    void nextFromLastRow();
    void deleteRows();
    void locate();
    void movingThePendingRow();
    void cancelRestoresRow();
    void revisionCountsRealChanges();
    void revisionIgnoresUnchangedValues_data();
    void revisionIgnoresUnchangedValues();
    void emptyTextIntoTextField();
    void cursorMovedBeforeRemovalSignalled();
    void signalsAndSuspendedDisplay();
};

// Each row: locale, field, how it is set ("text", "number", "integer", "loose-text"), the input,
// and what reading the field as text gives.
void TestRecordTable::conversions_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("text");

    for (const QByteArray &locale : {QByteArray("es_CL"), QByteArray("en_US")}) {
        const bool comma = locale == "es_CL";
        const QByteArray two5 = comma ? "2,5" : "2.5";
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s %s", locale.constData(), name) << locale;
        };
        row("500000 general text") << QByteArray("impo_afp") << u"number"_s << QByteArray("500000")
                                   << QByteArray("500000");
        row("2.5 general text") << QByteArray("porc_trab_pesado") << u"number"_s << QByteArray("2.5") << two5;
        row("0.1+0.2 rounds to 15 digits")
            << QByteArray("tasa_ex_caja") << u"number"_s << QByteArray("0.30000000000000004")
            << QByteArray(comma ? "0,3" : "0.3");
        row("negative amount") << QByteArray("asig_fam") << u"number"_s << QByteArray("-100")
                               << QByteArray("-100");
        row("negative fraction") << QByteArray("cot_pactada") << u"number"_s << QByteArray("-2.75")
                                 << QByteArray(comma ? "-2,75" : "-2.75");
        row("exponent from 1e15") << QByteArray("rut") << u"number"_s << QByteArray("1e15")
                                  << QByteArray("1e+15");
        row("number into text field")
            << QByteArray("tipo_pago") << u"number"_s << QByteArray("1") << QByteArray("1");
        row("fraction into text field")
            << QByteArray("tasa_pac_afp") << u"number"_s << QByteArray("2.5") << two5;
        row("number text cut to size")
            << QByteArray("dv") << u"number"_s << QByteArray("12") << QByteArray("1");
        row("text cut to 30") << QByteArray("ape_pat") << u"text"_s
                              << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ12345678")
                              << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
        row("text keeps blanks") << QByteArray("ape_pat") << u"text"_s << QByteArray(" PEREZ  ")
                                 << QByteArray(" PEREZ  ");
        row("cp1252 bytes kept") << QByteArray("nombres") << u"text"_s << QByteArray("MU\xD1OZ \xBA")
                                 << QByteArray("MU\xD1OZ \xBA");
        row("floating from regional text") << QByteArray("impo_afp") << u"text"_s << two5 << two5;
        row("integer from text") << QByteArray("nacion") << u"text"_s << QByteArray("1") << QByteArray("1");
        row("integer rounds half to even down")
            << QByteArray("nacion") << u"number"_s << QByteArray("2.5") << QByteArray("2");
        row("integer rounds half to even up")
            << QByteArray("nacion") << u"number"_s << QByteArray("3.5") << QByteArray("4");
        row("integer into text field")
            << QByteArray("dias_trab") << u"integer"_s << QByteArray("30") << QByteArray("30");
        row("loose text with thousands")
            << QByteArray("impo_afp") << u"loose-text"_s << QByteArray(comma ? "12.345.678" : "12,345,678")
            << QByteArray("12345678");
        row("loose text trailing sign")
            << QByteArray("impo_afp") << u"loose-text"_s << QByteArray(comma ? " 1,5- " : " 1.5- ")
            << QByteArray(comma ? "-1,5" : "-1.5");
        row("loose text exponent") << QByteArray("impo_afp") << u"loose-text"_s << QByteArray("1e3")
                                   << QByteArray("1000");
        row("loose text into integer rounds")
            << QByteArray("nacion") << u"loose-text"_s << QByteArray(" 1 ") << QByteArray("1");
        row("loose text into text field")
            << QByteArray("remu_desde") << u"loose-text"_s << QByteArray("05202499") << QByteArray("052024");
    }
}

void TestRecordTable::conversions()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, field);
    QFETCH(QString, setter);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, text);

    TestLocale regional(locale.constData());
    RecordTable table;
    table.open();
    table.append();
    FieldRef f = table.fieldByName(field);
    if (setter == u"text")
        f.setText(input);
    else if (setter == u"number")
        f.setNumber(input.toDouble());
    else if (setter == u"integer")
        f.setInteger(input.toLongLong());
    else
        f.setLoose(input);
    table.post();
    QCOMPARE(f.asText(), text);
    QCOMPARE(table.textAt(0, f.position()), text);
}

void TestRecordTable::failures_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");

    QTest::addRow("not a float") << QByteArray("rut") << u"text"_s << QByteArray("12A")
                                 << u"'12A' is not a valid floating point value for field 'rut'"_s;
    QTest::addRow("thousands refused in plain text")
        << QByteArray("impo_afp") << u"text"_s << QByteArray("1.234,5")
        << u"'1.234,5' is not a valid floating point value for field 'impo_afp'"_s;
    QTest::addRow("not an integer") << QByteArray("nacion") << u"text"_s << QByteArray("1,5")
                                    << u"'1,5' is not a valid integer value for field 'nacion'"_s;
    QTest::addRow("loose empty into float") << QByteArray("impo_afp") << u"loose-text"_s << QByteArray("")
                                            << u"Invalid value for field 'impo_afp'"_s;
    QTest::addRow("loose letter into integer") << QByteArray("nacion") << u"loose-text"_s << QByteArray("X")
                                               << u"Invalid value for field 'nacion'"_s;
    QTest::addRow("loose blank into integer") << QByteArray("nacion") << u"loose-text"_s << QByteArray(" ")
                                              << u"Invalid value for field 'nacion'"_s;
    QTest::addRow("loose number beyond 32 bits into integer")
        << QByteArray("nacion") << u"loose-text"_s << QByteArray("99999999999")
        << u"Invalid value for field 'nacion'"_s;
    QTest::addRow("empty text read as number") << QByteArray("dv") << u"read-number"_s << QByteArray("")
                                               << u"'' is not a valid floating point value"_s;
    QTest::addRow("letters read as number") << QByteArray("tipo_pago") << u"read-number"_s << QByteArray("A1")
                                            << u"'A1' is not a valid floating point value"_s;
    QTest::addRow("unknown field") << QByteArray("no_such_field") << u"lookup"_s << QByteArray()
                                   << u"Field 'no_such_field' not found"_s;
}

void TestRecordTable::failures()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, setter);
    QFETCH(QByteArray, input);
    QFETCH(QString, message);

    TestLocale regional("es_CL");
    RecordTable table;
    table.open();
    table.append();
    const QString failure = errorOf([&] {
        if (setter == u"lookup") {
            table.fieldByName(field);
            return;
        }
        FieldRef f = table.fieldByName(field);
        if (setter == u"text") {
            f.setText(input);
        } else if (setter == u"loose-text") {
            f.setLoose(input);
        } else {
            f.setText(input);
            f.asNumber();
        }
    });
    QCOMPARE(failure, message);
    QVERIFY(table.isPending()); // a failure leaves the row pending
}

void TestRecordTable::unsetAndEmpty()
{
    RecordTable table;
    table.open();
    table.append();
    FieldRef amount = table.fieldByName("impo_afp");
    amount.setNumber(10);
    amount.setText("");
    QVERIFY(amount.isNull());
    QCOMPARE(amount.asText(), QByteArray());
    QCOMPARE(amount.asNumber(), 0.0);
    FieldRef nacion = table.fieldByName("nacion");
    QVERIFY(nacion.isNull());
    nacion.setInteger(0);
    QVERIFY(!nacion.isNull());
    QCOMPARE(nacion.asText(), QByteArray("0"));
    FieldRef name = table.fieldByName("ape_pat");
    QCOMPARE(name.asText(), QByteArray());
    name.setLoose(LooseValue());
    QVERIFY(name.isNull());
}

void TestRecordTable::looseEmptyTextKeepsValue()
{
    RecordTable table;
    table.open();
    table.append();
    FieldRef amount = table.fieldByName("impo_afp");
    amount.setNumber(42);
    QVERIFY(!errorOf([&] { amount.setLoose(QByteArray()); }).isEmpty());
    QCOMPARE(amount.asNumber(), 42.0);
}

void TestRecordTable::fieldNamesIgnoreCase_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("catalogueName");
    const char *pairs[][2] = {
        {"linea", "Linea"},
        {"LINEA", "Linea"},
        {"Linea", "Linea"},
        {"dV", "dv"},
        {"tipo_Pago", "tipo_pago"},
        {"fecha_desde", "Fecha_Desde"},
        {"fecha_hasta", "Fecha_Hasta"},
        {"tramo_fam", "Tramo_Fam"},
        {"Sub_Trab_Jov", "sub_trab_jov"},
        {"nom_afp", "nom_AFP"},
        {"aporte_SIS", "aporte_sis"},
        {"Monto_Aho_Vol", "monto_aho_vol"},
        {"Monto_Aho_vol", "monto_aho_vol"},
        {"Num_Per_Cotiza", "num_per_cotiza"},
        {"renta_imp_Fonasa", "renta_imp_fonasa"},
        {"cot_inp", "cot_INP"},
        {"renta_imp_des", "Renta_imp_des"},
        {"renta_Imp_des", "Renta_imp_des"},
        {"num_fun", "num_FUN"},
        {"cod_ccaf", "cod_CCAF"},
        {"cred_per_ccaf", "Cred_per_CCAF"},
        {"desc_dental", "Desc_Dental"},
        {"cot_ccaf", "cot_CCAF"},
        {"desc_car_fam", "Desc_Car_fam"},
        {"renta_impo_sc", "Renta_impo_SC"},
        {"aporte_trab_sc", "Aporte_trab_SC"},
        {"aporte_emp_sc", "aporte_emp_SC"},
    };
    for (const auto &pair : pairs)
        QTest::addRow("%s", pair[0]) << QByteArray(pair[0]) << QByteArray(pair[1]);
}

void TestRecordTable::fieldNamesIgnoreCase()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, catalogueName);
    QCOMPARE(QByteArray(catalogue::field(RecordTable::fieldIndex(name)).name), catalogueName);
}

void TestRecordTable::insertBeforeCurrentRow()
{
    RecordTable table;
    fill(table, 5);
    table.moveTo(2);
    table.insert();
    table.fieldByName("Linea").setInteger(99);
    table.post();
    QCOMPARE(table.currentRow(), 2);
    QCOMPARE(lineas(table), (QList<int>{1, 2, 99, 3, 4, 5}));

    RecordTable empty;
    empty.open();
    empty.edit(); // on an empty table edit inserts
    QCOMPARE(empty.state(), RecordTable::State::Insert);
    QCOMPARE(empty.rowCount(), 1);
}

void TestRecordTable::nextFromLastRow()
{
    RecordTable table;
    fill(table, 3);
    table.moveTo(2);
    table.next();
    QVERIFY(table.eof());
    QCOMPARE(table.currentRow(), 2);

    int visited = 0;
    for (table.first(); !table.eof(); table.next())
        ++visited;
    QCOMPARE(visited, 3);

    RecordTable empty;
    empty.open();
    visited = 0;
    for (empty.first(); !empty.eof(); empty.next())
        ++visited;
    QCOMPARE(visited, 0);
}

void TestRecordTable::deleteRows()
{
    RecordTable table;
    fill(table, 4);
    table.moveTo(1);
    table.deleteRow();
    QCOMPARE(lineas(table), (QList<int>{1, 3, 4}));
    QCOMPARE(table.currentRow(), 1); // the following row
    table.moveTo(2);
    table.deleteRow();
    QCOMPARE(table.currentRow(), 1); // the new last row
    table.deleteRow();
    table.deleteRow();
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(table.currentRow(), -1);
    QCOMPARE(errorOf([&] { table.deleteRow(); }), u"Cannot perform this operation on an empty dataset"_s);

    fill(table, 2);
    table.append(); // a pending new row is cancelled, not deleted with the one before it
    table.deleteRow();
    QCOMPARE(lineas(table), (QList<int>{1, 2}));
}

void TestRecordTable::locate()
{
    RecordTable table;
    table.open();
    for (const double rut : {111.0, 222.0, 333.0, 222.0}) {
        table.append();
        table.fieldByName("rut").setNumber(rut);
        table.post();
    }
    const int rut = RecordTable::fieldIndex("rut");
    table.moveTo(3);
    QVERIFY(table.locate(rut, 222)); // the current row holds it
    QCOMPARE(table.currentRow(), 3);
    QVERIFY(table.locate(rut, 111));
    QCOMPARE(table.currentRow(), 0);
    QVERIFY(table.locate(rut, 222)); // the first from the top
    QCOMPARE(table.currentRow(), 1);
    QVERIFY(!table.locate(rut, 999));
    QCOMPARE(table.currentRow(), 1);
}

void TestRecordTable::movingThePendingRow()
{
    RecordTable table;
    fill(table, 2);
    table.append(); // nothing set: moving cancels it
    table.first();
    QCOMPARE(table.rowCount(), 2);

    table.append();
    table.fieldByName("Linea").setInteger(3); // something set: moving posts it
    table.first();
    QCOMPARE(lineas(table), (QList<int>{1, 2, 3}));
    QVERIFY(!table.isPending());

    table.edit();
    table.fieldByName("Linea").setInteger(10);
    table.next();
    QCOMPARE(lineas(table), (QList<int>{10, 2, 3}));

    QCOMPARE(errorOf([&] { table.post(); }), u"Dataset not in edit or insert mode"_s);
    QCOMPARE(errorOf([&] { table.fieldByName("rut").setNumber(1); }),
             u"Dataset not in edit or insert mode"_s);
}

void TestRecordTable::cancelRestoresRow()
{
    RecordTable table;
    fill(table, 3);
    table.moveTo(1);
    table.edit();
    table.fieldByName("Linea").setInteger(50);
    table.fieldByName("ape_pat").setText("X");
    table.cancel();
    QCOMPARE(lineas(table), (QList<int>{1, 2, 3}));
    QCOMPARE(table.textAt(1, RecordTable::fieldIndex("ape_pat")), QByteArray());

    table.insert();
    table.cancel();
    QCOMPARE(table.rowCount(), 3);
    QCOMPARE(table.currentRow(), 1);
}

void TestRecordTable::revisionCountsRealChanges()
{
    RecordTable table;
    fill(table, 2);
    const quint64 loaded = table.revision();
    table.first();
    table.edit();
    table.fieldByName("Linea").setInteger(1); // the value it had
    table.post();
    QCOMPARE(table.revision(), loaded);
    table.edit();
    table.fieldByName("Linea").setInteger(7);
    table.post();
    QVERIFY(table.revision() > loaded);
}

// A row posted with the values it had counts as no change, however its bytes were reached.
void TestRecordTable::revisionIgnoresUnchangedValues_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("first");  // "" unsets
    QTest::addColumn<QByteArray>("second"); // set over the first within the same edit
    QTest::addColumn<double>("stored");     // the value the row had before the edit; NaN unset

    QTest::addRow("negative zero over zero")
        << QByteArray("impo_afp") << QByteArray("-0") << QByteArray() << 0.0;
    QTest::addRow("set, then unset again")
        << QByteArray("impo_afp") << QByteArray("123") << QByteArray("") << qQNaN();
    QTest::addRow("integer set, then unset again")
        << QByteArray("nacion") << QByteArray("7") << QByteArray("") << qQNaN();
}

void TestRecordTable::revisionIgnoresUnchangedValues()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(double, stored);

    TestLocale regional("es_CL");
    RecordTable table;
    fill(table, 1);
    table.first();
    if (!qIsNaN(stored)) {
        table.edit();
        table.fieldByName(field).setNumber(stored);
        table.post();
    }
    const quint64 before = table.revision();
    table.edit();
    table.fieldByName(field).setText(first);
    if (!second.isNull())
        table.fieldByName(field).setText(second);
    table.post();
    QCOMPARE(table.revision(), before);
}

// A short line leaves fields empty: stored from views that point nowhere.
void TestRecordTable::emptyTextIntoTextField()
{
    RecordTable table;
    table.open();
    table.append();
    table.fieldByName("dv").setText(QByteArrayView());
    table.fieldByName("ape_pat").setText(QByteArrayView("PEREZ").first(0));
    table.post();
    QCOMPARE(table.textAt(0, RecordTable::fieldIndex("dv")), QByteArray());
    QVERIFY(table.isNullAt(0, RecordTable::fieldIndex("ape_pat")));
}

// Whoever hears of a removal finds the cursor on a row that still exists.
void TestRecordTable::cursorMovedBeforeRemovalSignalled()
{
    RecordTable table;
    fill(table, 3);
    QList<int> currentWhenRemoved;
    connect(&table, &RecordTable::rowRemoved, this,
            [&](int) { currentWhenRemoved << table.currentRow() << table.rowCount(); });
    table.moveTo(2);
    table.deleteRow(); // the last row: the new last row becomes current
    table.moveTo(0);
    table.deleteRow(); // the first row: the following row takes its place
    table.deleteRow(); // the only row
    QCOMPARE(currentWhenRemoved, (QList<int>{1, 2, 0, 1, -1, 0}));

    fill(table, 1);
    table.append();
    table.cancel(); // a pending new row removed
    QCOMPARE(currentWhenRemoved.mid(6), (QList<int>{0, 1}));
}

void TestRecordTable::signalsAndSuspendedDisplay()
{
    RecordTable table;
    table.open();
    QSignalSpy inserted(&table, &RecordTable::rowInserted);
    QSignalSpy removed(&table, &RecordTable::rowRemoved);
    QSignalSpy reset(&table, &RecordTable::tableReset);

    table.suspendDisplay();
    for (int i = 0; i < 3; ++i) {
        table.append();
        table.fieldByName("rut").setNumber(i);
        table.post();
    }
    QCOMPARE(inserted.count(), 0);
    table.resumeDisplay();
    QCOMPARE(reset.count(), 1);

    table.moveTo(0);
    table.insert();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(0).toInt(), 0);
    table.cancel();
    QCOMPARE(removed.count(), 1);
}

void TestRecordTable::openedAgain_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addRow("fewer rows than before") << 100 << 30;
    QTest::addRow("as many rows") << 112 << 112;
    QTest::addRow("more rows than the kept memory holds") << 40 << 300;
    QTest::addRow("after deleted rows") << -50 << 60;
}

// A table opened again reuses the memory of its earlier rows: each new row starts empty and keeps
// its own values, however many there were before.
void TestRecordTable::openedAgain()
{
    QFETCH(int, before);
    QFETCH(int, after);
    RecordTable table;
    table.open();
    for (int row = 0; row < std::abs(before); ++row) {
        table.append();
        table.fieldByName("ape_pat").setText("ANTES");
        table.fieldByName("rut").setInteger(row);
        table.post();
    }
    if (before < 0) {
        table.moveTo(3);
        for (int i = 0; i < 10; ++i)
            table.deleteRow();
    }
    table.open();
    QCOMPARE(table.rowCount(), 0);
    for (int row = 0; row < after; ++row) {
        table.append();
        QVERIFY(table.field(RecordTable::fieldIndex("ape_pat")).asText().isEmpty());
        QVERIFY(table.field(RecordTable::fieldIndex("rut")).isNull());
        table.fieldByName("nombres").setText("N" + QByteArray::number(row));
        table.post();
    }
    QCOMPARE(table.rowCount(), after);
    for (int row = 0; row < after; ++row) {
        QCOMPARE(table.textAt(row, RecordTable::fieldIndex("nombres")), "N" + QByteArray::number(row));
        QCOMPARE(table.textAt(row, RecordTable::fieldIndex("ape_pat")), QByteArray());
    }
}

QTEST_GUILESS_MAIN(TestRecordTable)
#include "tst_recordtable.moc"
