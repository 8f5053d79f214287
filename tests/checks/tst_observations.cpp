#include "CheckedLine.h"
#include "TestLocale.h"

#include "checks/ObservationList.h"
#include "checks/Observations.h"
#include "model/TableOperations.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const int kSexo = RecordTable::fieldIndex("sexo");
const int kDiasTrab = RecordTable::fieldIndex("dias_trab");
const int kNumCarSim = RecordTable::fieldIndex("num_car_sim");

// What the reader would note of a line of 860 characters whose `dias_trab` held "5 ".
ReaderNote shortLineNote()
{
    ReaderNote note;
    note.shape = ReaderNote::Shape::Length;
    note.seen = 860;
    note.unreadable.push_back({kDiasTrab, "5 "});
    return note;
}

// Three lines, the second with a wrong `sexo`.
void fillThreeLines(RecordTable &table)
{
    table.open();
    appendCheckedLine(table);
    appendCheckedLine(table, {{"sexo", "X"}});
    appendCheckedLine(table);
}

} // namespace

class TestObservations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { fillThreeLines(m_table); }
    void storedCellIsRechecked();
    void deletionShiftsWithoutRecheckingForTheNumbering();
    void insertionShifts();
    void suspendedDeletionIsSeenAtTheReset();
    void massModificationRechecksEveryLine();
    void newCodeTablesRecheckEveryLine();
    void nextAndPrevious_data();
    void nextAndPrevious();
    void listFileBytes();
    void largeTableIsCheckedWhole();
    void readerNotesShowAsObservations();
    void readerNotesFollowTheirRow_data();
    void readerNotesFollowTheirRow();

private:
    TestLocale m_regional{"es_CL"};
    RecordTable m_table;
};

void TestObservations::storedCellIsRechecked()
{
    Observations observations(m_table, testCodeTables());
    QCOMPARE(observations.count(), 1);
    QVERIFY(observations.contains(1, kSexo));
    QSignalSpy changed(&observations, &Observations::changed);
    m_table.writeTextAt(1, kSexo, "M");
    QCOMPARE(observations.count(), 0);
    QCOMPARE(observations.lineCount(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestObservations::deletionShiftsWithoutRecheckingForTheNumbering()
{
    Observations observations(m_table, testCodeTables());
    QSignalSpy changed(&observations, &Observations::changed);
    m_table.moveTo(0);
    m_table.deleteRow();
    tableops::RenumerarLineas(m_table);
    QVERIFY(observations.contains(0, kSexo));
    QCOMPARE(observations.count(), 1);
    QCOMPARE(changed.count(), 1); // the removal; numbering `Linea` again needs no check
}

void TestObservations::insertionShifts()
{
    Observations observations(m_table, testCodeTables());
    m_table.moveTo(0);
    m_table.insert();
    QVERIFY(observations.contains(2, kSexo));
    QVERIFY(observations.contains(0, RecordTable::fieldIndex("rut"))); // the new line is empty
    m_table.cancel();
    QVERIFY(observations.contains(1, kSexo));
    QCOMPARE(observations.count(), 1);
}

void TestObservations::suspendedDeletionIsSeenAtTheReset()
{
    Observations observations(m_table, testCodeTables());
    {
        const SuspendedDisplay suspended(m_table);
        m_table.moveTo(0);
        m_table.deleteRow();
    }
    QVERIFY(observations.contains(0, kSexo));
    QCOMPARE(observations.lineCount(), 1);
}

void TestObservations::massModificationRechecksEveryLine()
{
    Observations observations(m_table, testCodeTables());
    tableops::setEveryLine(m_table, kSexo, "X");
    QCOMPARE(observations.count(), 3);
    QCOMPARE(observations.lineCount(), 3);
}

void TestObservations::newCodeTablesRecheckEveryLine()
{
    Observations observations(m_table, testCodeTables());
    observations.setCodeTables(CodeTables());
    QVERIFY(observations.contains(0, RecordTable::fieldIndex("tipo_pago")));
    QCOMPARE(observations.lineCount(), 3);
}

void TestObservations::nextAndPrevious_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<int>("expectedPosition");

    // Observations at (0, 3), (1, 6) and (2, 3).
    QTest::addRow("before the first line") << -1 << 0 << true << 0 << 3;
    QTest::addRow("next in the same line") << 0 << 0 << true << 0 << 3;
    QTest::addRow("next in a later line") << 0 << 3 << true << 1 << 6;
    QTest::addRow("next wraps to the top") << 2 << 3 << true << 0 << 3;
    QTest::addRow("previous in an earlier line") << 1 << 6 << false << 0 << 3;
    QTest::addRow("previous wraps to the end") << 0 << 3 << false << 2 << 3;
    QTest::addRow("previous from past the last field") << 2 << 105 << false << 2 << 3;
}

void TestObservations::nextAndPrevious()
{
    QFETCH(int, row);
    QFETCH(int, position);
    QFETCH(bool, forward);
    QFETCH(int, expectedRow);
    QFETCH(int, expectedPosition);
    const int apePat = RecordTable::fieldIndex("ape_pat");
    m_table.writeTextAt(0, apePat, "");
    m_table.writeTextAt(2, apePat, "");
    const Observations observations(m_table, testCodeTables());
    const auto cell = forward ? observations.next(row, position) : observations.previous(row, position);
    QVERIFY(cell.has_value());
    QCOMPARE(*cell, (ObservationCell{expectedRow, expectedPosition}));
}

void TestObservations::listFileBytes()
{
    m_table.writeTextAt(2, RecordTable::fieldIndex("remu_desde"), "01;024");
    const Observations observations(m_table, testCodeTables());
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    observationlist::write(m_table, observations, file);
    QCOMPARE(file.data(),
             QByteArray("N\xB0;Campo;Nombre;Valor;Observaci\xF3n\r\n"
                        "2;6;sexo;X;Debe ser M o F, no \"X\"\r\n"
                        "3;9;remu_desde;01,024;Debe ser un periodo mmaaaa (mes 01 a 12, a\xF1o "
                        "1980 a "
                        + QByteArray::number(QDate::currentDate().year() + 1) + "), no \"01,024\"\r\n"));
}

QTEST_GUILESS_MAIN(TestObservations)
// A table large enough to be checked in parts: no line is left out or counted twice.
void TestObservations::largeTableIsCheckedWhole()
{
    m_table.open();
    for (int row = 0; row < 10000; ++row)
        appendCheckedLine(m_table);
    const QList<int> faulty = {0, 4095, 4096, 5000, 9999};
    for (const int row : faulty)
        m_table.writeTextAt(row, kSexo, "X");
    Observations observations(m_table, testCodeTables());
    QList<int> rows;
    for (const ObservationCell &cell : observations.all())
        rows.append(cell.row);
    QCOMPARE(rows, faulty);
}

void TestObservations::readerNotesShowAsObservations()
{
    m_table.writeTextAt(1, kDiasTrab, "00");
    m_table.setReaderNote(1, shortLineNote());
    Observations observations(m_table, testCodeTables());
    QCOMPARE(observations.all(), (QList<ObservationCell>{{1, 0}, {1, kSexo}, {1, kDiasTrab}}));
    QCOMPARE(observations.reason(1, 0),
             u"La línea traía 860 caracteres, no 861: los campos después de lo que falta o sobra pueden "
             u"estar en otras columnas");
    QCOMPARE(observations.reason(1, kDiasTrab),
             u"El archivo traía \"5 \", que no se lee como número: quedó 00");
}

// A note stays with its row until what it says of is written again.
void TestObservations::readerNotesFollowTheirRow_data()
{
    using Change = std::function<void(RecordTable &)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QList<ObservationCell>>("left");

    const auto edited = [](bool reviewed, int position, QByteArray text) {
        return Change([=](RecordTable &table) {
            table.moveTo(1);
            table.edit();
            table.field(position).setText(text);
            if (reviewed)
                table.markLineReviewed();
            table.post();
        });
    };
    QTest::addRow("the noted field stored")
        << edited(false, kDiasTrab, "00") << QList<ObservationCell>{{1, 0}};
    QTest::addRow("another field stored")
        << edited(false, kNumCarSim, "1") << QList<ObservationCell>{{1, 0}, {1, kDiasTrab}};
    QTest::addRow("the line saved whole")
        << edited(true, kNumCarSim, "1") << QList<ObservationCell>{{1, kDiasTrab}};
    QTest::addRow("an edit cancelled") << Change([](RecordTable &table) {
        table.moveTo(1);
        table.edit();
        table.field(kDiasTrab).setText("00");
        table.markLineReviewed();
        table.cancel();
    }) << QList<ObservationCell>{{1, 0}, {1, kDiasTrab}};
    // The same value written over every line: the clerk chose it.
    QTest::addRow("mass modification of the field")
        << Change([](RecordTable &table) { tableops::setEveryLine(table, kDiasTrab, "00"); })
        << QList<ObservationCell>{{1, 0}};
    QTest::addRow("the line before deleted") << Change([](RecordTable &table) {
        table.moveTo(0);
        table.deleteRow();
    }) << QList<ObservationCell>{{0, 0}, {0, kDiasTrab}};
    QTest::addRow("its own line deleted") << Change([](RecordTable &table) {
        table.moveTo(1);
        table.deleteRow();
    }) << QList<ObservationCell>{};
}

void TestObservations::readerNotesFollowTheirRow()
{
    QFETCH(std::function<void(RecordTable &)>, change);
    QFETCH(QList<ObservationCell>, left);

    m_table.writeTextAt(1, kSexo, "M");
    m_table.writeTextAt(1, kDiasTrab, "00");
    m_table.setReaderNote(1, shortLineNote());
    Observations observations(m_table, testCodeTables());
    change(m_table);
    QCOMPARE(observations.all(), left);
}

#include "tst_observations.moc"
