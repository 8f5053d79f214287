#include "model/RecordTable.h"
#include "model/TableOperations.h"

#include "ErrorOf.h"
#include "NumberedRows.h"

#include <QSignalSpy>
#include <QTest>

using tableops::MassOption;

Q_DECLARE_METATYPE(MassOption)

namespace {

// Lines described as "field=value,field=value"; values are set as texts, "" leaves a field unset.
void fillLines(RecordTable &table, const QByteArrayList &lines)
{
    table.open();
    for (const QByteArray &line : lines) {
        table.append();
        for (const QByteArray &pair : line.split(',')) {
            const qsizetype equals = pair.indexOf('=');
            if (equals > 0)
                table.fieldByName(pair.left(equals)).setText(pair.mid(equals + 1));
        }
        table.post();
    }
}

QByteArrayList column(const RecordTable &table, const char *field)
{
    QByteArrayList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.append(table.textAt(row, RecordTable::fieldIndex(field)));
    return texts;
}

QList<int> lineas(const RecordTable &table)
{
    QList<int> numbers;
    for (int row = 0; row < table.rowCount(); ++row)
        numbers.append(table.textAt(row, catalogue::kLinea).toInt());
    return numbers;
}

// The grid hears of a whole-table operation once, as a reset, and never line by line.
struct DisplaySpy {
    explicit DisplaySpy(RecordTable &table)
        : resets(&table, &RecordTable::tableReset), rowChanges(&table, &RecordTable::rowChanged)
    {}
    void verifyOneReset() const
    {
        QCOMPARE(resets.count(), 1);
        QCOMPARE(rowChanges.count(), 0);
    }
    QSignalSpy resets;
    QSignalSpy rowChanges;
};

// A line that qualifies as a second contract when its RUT repeats the one before.
QByteArray worker(const char *rut, const QByteArray &changes = QByteArray())
{
    QByteArray line =
        "rut=" + QByteArray(rut) + ",tipo_trab=0,impo_afp=500000,dias_trab=30,cot_obli_afp=50000";
    if (!changes.isEmpty())
        line += "," + changes;
    return line;
}

} // namespace

class TestTableOperations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void renumber_data();
    void renumber();
    void modifyEveryLine_data();
    void modifyEveryLine();
    void modifyEmptyTable();
    void setEveryLineRefusesNumberField();
    void secondContracts_data();
    void secondContracts();
    void secondContractsTwiceChangeNothing();
    void locateRut_data();
    void locateRut();
};

enum class Pending { None, EmptyNewLine, FilledNewLine };
Q_DECLARE_METATYPE(Pending)

void TestTableOperations::renumber_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<Pending>("pending");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<bool>("changes");

    QTest::addRow("out of order") << QList<int>{10, 9, 8} << Pending::None << QList<int>{1, 2, 3} << true;
    QTest::addRow("already numbered") << QList<int>{1, 2, 3} << Pending::None << QList<int>{1, 2, 3} << false;
    QTest::addRow("empty table") << QList<int>{} << Pending::None << QList<int>{} << false;
    QTest::addRow("empty new line dropped")
        << QList<int>{1, 2} << Pending::EmptyNewLine << QList<int>{1, 2} << false;
    QTest::addRow("filled new line kept")
        << QList<int>{1, 2} << Pending::FilledNewLine << QList<int>{1, 2, 3} << true;
}

void TestTableOperations::renumber()
{
    QFETCH(QList<int>, numbers);
    QFETCH(Pending, pending);
    QFETCH(QList<int>, expected);
    QFETCH(bool, changes);

    RecordTable table;
    fillNumberedRows(table, int(numbers.size()));
    for (int row = 0; row < numbers.size(); ++row) {
        table.moveTo(row);
        table.edit();
        table.field(catalogue::kLinea).setInteger(numbers[row]);
        table.post();
    }
    table.moveTo(0);
    if (pending != Pending::None)
        table.append();
    if (pending == Pending::FilledNewLine)
        table.fieldByName("ape_pat").setText("NUEVO");
    const quint64 revision = table.revision();
    const DisplaySpy display(table);

    tableops::RenumerarLineas(table);

    QCOMPARE(lineas(table), expected);
    QCOMPARE(table.currentRow(), int(expected.size()) - 1);
    QVERIFY(!table.isPending());
    QCOMPARE(table.revision() != revision, changes);
    display.verifyOneReset();
}

void TestTableOperations::modifyEveryLine_data()
{
    QTest::addColumn<MassOption>("option");
    QTest::addColumn<QByteArray>("entered");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("written");

    QTest::addRow("payment type") << MassOption::TipoPago << QByteArray("02 Gratificaciones")
                                  << QByteArray("tipo_pago") << QByteArray("02");
    QTest::addRow("CCAF code") << MassOption::CodigoCcaf << QByteArray("03 Los Andes")
                               << QByteArray("cod_CCAF") << QByteArray("03");
    QTest::addRow("mutual code") << MassOption::CodigoMutual << QByteArray("01 ACHS")
                                 << QByteArray("cod_mutual") << QByteArray("01");
    QTest::addRow("one character typed")
        << MassOption::TipoPago << QByteArray("7") << QByteArray("tipo_pago") << QByteArray("7");
    QTest::addRow("period from") << MassOption::PeriodoDesde << QByteArray("05/2024")
                                 << QByteArray("remu_desde") << QByteArray("052024");
    QTest::addRow("period to") << MassOption::PeriodoHasta << QByteArray("12/2023")
                               << QByteArray("remu_hasta") << QByteArray("122023");
    QTest::addRow("month only typed") << MassOption::PeriodoDesde << QByteArray("05/    ")
                                      << QByteArray("remu_desde") << QByteArray("05    ");
    QTest::addRow("year only typed") << MassOption::PeriodoHasta << QByteArray("  /2024")
                                     << QByteArray("remu_hasta") << QByteArray("  2024");
}

void TestTableOperations::modifyEveryLine()
{
    QFETCH(MassOption, option);
    QFETCH(QByteArray, entered);
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, written);

    RecordTable table;
    fillLines(table, {"tipo_pago=01,cod_CCAF=01,cod_mutual=02,remu_desde=012024,remu_hasta=012024",
                      "tipo_pago=03,remu_desde=022024", ""});
    table.moveTo(1);
    table.edit(); // a line left in edit state by the grid
    const QByteArrayList names = column(table, "ape_pat");
    const QByteArrayList untouched = column(table, field == "tipo_pago" ? "remu_desde" : "tipo_pago");
    const quint64 revision = table.revision();
    const DisplaySpy display(table);

    tableops::modifyEveryLine(table, option, entered);

    QCOMPARE(tableops::massField(option), RecordTable::fieldIndex(field));
    QCOMPARE(column(table, field), QByteArrayList({written, written, written}));
    QCOMPARE(column(table, field == "tipo_pago" ? "remu_desde" : "tipo_pago"), untouched);
    QCOMPARE(column(table, "ape_pat"), names);
    QCOMPARE(table.currentRow(), 2);
    QVERIFY(table.revision() != revision);
    display.verifyOneReset();
}

void TestTableOperations::modifyEmptyTable()
{
    RecordTable table;
    table.open();
    tableops::modifyEveryLine(table, MassOption::TipoPago, "01");
    QCOMPARE(table.rowCount(), 0);
    QCOMPARE(table.currentRow(), -1);
    QCOMPARE(table.revision(), quint64(0));
}

void TestTableOperations::setEveryLineRefusesNumberField()
{
    RecordTable table;
    fillNumberedRows(table, 2);
    QCOMPARE(errorOf([&] { tableops::setEveryLine(table, RecordTable::fieldIndex("rut"), "1"); }),
             QStringLiteral("Field 'rut' cannot be written in place"));
    QCOMPARE(column(table, "rut"), QByteArrayList({"1000", "2000"}));
}

void TestTableOperations::secondContracts_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArrayList>("tipoTrab"); // after the run

    const auto row = [](const char *name, const QByteArrayList &lines, const QByteArrayList &expected) {
        QTest::addRow("%s", name) << lines << expected;
    };
    row("A, B: B marked", {worker("11"), worker("11")}, {"0", "8"});
    row("A, C, B: nothing", {worker("11"), worker("22"), worker("11")}, {"0", "0", "0"});
    row("run of three", {worker("11"), worker("11"), worker("11")}, {"0", "8", "8"});
    row("run of three, second fails", {worker("11"), worker("11", "dias_trab=0"), worker("11")},
        {"0", "0", "8"});
    row("check digit not compared", {worker("11", "dv=1"), worker("11", "dv=K")}, {"0", "8"});
    row("two empty RUTs", {worker(""), worker("")}, {"0", "8"});
    row("empty RUT and 0", {worker(""), worker("0")}, {"0", "8"});
    row("all contributions zero", {worker("11"), worker("11", "cot_obli_afp=0")}, {"0", "0"});
    for (const char *contribution : {"cot_obli_isa", "cotiza_fonasa", "cot_CCAF", "cotiza_mutual"}) {
        const QByteArray name = QByteArray("only ") + contribution;
        row(name.constData(),
            {worker("11"), worker("11", "cot_obli_afp=0," + QByteArray(contribution) + "=100")}, {"0", "8"});
    }
    row("days blank", {worker("11"), worker("11", "dias_trab=  ")}, {"0", "0"});
    row("days empty", {worker("11"), worker("11", "dias_trab=")}, {"0", "0"});
    row("days 0", {worker("11"), worker("11", "dias_trab=0")}, {"0", "0"});
    row("days not a number, the run goes on", {worker("11"), worker("11", "dias_trab=A"), worker("11")},
        {"0", "0", "8"});
    row("days with leading blank", {worker("11"), worker("11", "dias_trab= 5")}, {"0", "8"});
    row("no taxable income", {worker("11"), worker("11", "impo_afp=0")}, {"0", "0"});
    row("income declared to the public fund",
        {worker("11"), worker("11", "impo_afp=0,renta_imp_fonasa=400000")}, {"0", "8"});
    row("pension income alone", {worker("11"), worker("11", "renta_imp_fonasa=0")}, {"0", "8"});
    row("type already set stays", {worker("11", "tipo_trab=8"), worker("22", "tipo_trab=8")}, {"8", "8"});
    row("one line", {worker("11")}, {"0"});
    row("empty table", {}, {});
}

void TestTableOperations::secondContracts()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArrayList, tipoTrab);

    RecordTable table;
    fillLines(table, lines);
    table.moveTo(0);
    const QByteArrayList ruts = column(table, "rut");
    const QByteArrayList before = column(table, "tipo_trab");
    const quint64 revision = table.revision();
    const DisplaySpy display(table);

    tableops::assignSecondContracts(table);

    QCOMPARE(column(table, "tipo_trab"), tipoTrab);
    QCOMPARE(column(table, "rut"), ruts);
    QCOMPARE(table.currentRow(), table.rowCount() - 1);
    QCOMPARE(table.revision() != revision, before != tipoTrab);
    display.verifyOneReset();
}

void TestTableOperations::secondContractsTwiceChangeNothing()
{
    RecordTable table;
    fillLines(table, {worker("11"), worker("11"), worker("22"), worker("22", "dias_trab=0"), worker("22")});
    tableops::assignSecondContracts(table);
    const QByteArrayList once = column(table, "tipo_trab");
    const quint64 revision = table.revision();
    tableops::assignSecondContracts(table);
    QCOMPARE(once, QByteArrayList({"0", "8", "0", "0", "8"}));
    QCOMPARE(column(table, "tipo_trab"), once);
    QCOMPARE(table.revision(), revision);
}

void TestTableOperations::locateRut_data()
{
    QTest::addColumn<QByteArrayList>("ruts");
    QTest::addColumn<int>("current");
    QTest::addColumn<double>("rut");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("after");

    const QByteArrayList twice{"1000", "2000", "3000", "2000"};
    QTest::addRow("first of two equal") << twice << 0 << 2000.0 << true << 1;
    QTest::addRow("current already matches") << twice << 3 << 2000.0 << true << 3;
    QTest::addRow("again from the first stays") << twice << 1 << 2000.0 << true << 1;
    QTest::addRow("not in the table") << twice << 2 << 4000.0 << false << 2;
    QTest::addRow("0 finds a RUT of 0") << QByteArrayList{"1000", "0"} << 0 << 0.0 << true << 1;
    QTest::addRow("0 is not an empty RUT") << QByteArrayList{"1000", ""} << 0 << 0.0 << false << 0;
    QTest::addRow("nine digits") << QByteArrayList{"1000", "999999999"} << 0 << 999999999.0 << true << 1;
    QTest::addRow("empty table") << QByteArrayList{} << -1 << 0.0 << false << -1;
}

void TestTableOperations::locateRut()
{
    QFETCH(QByteArrayList, ruts);
    QFETCH(int, current);
    QFETCH(double, rut);
    QFETCH(bool, found);
    QFETCH(int, after);

    RecordTable table;
    QByteArrayList lines;
    for (const QByteArray &r : ruts)
        lines.append("rut=" + r);
    fillLines(table, lines);
    table.moveTo(current);

    QCOMPARE(tableops::locateRut(table, rut), found);
    QCOMPARE(table.currentRow(), after);
}

QTEST_GUILESS_MAIN(TestTableOperations)
#include "tst_tableoperations.moc"
