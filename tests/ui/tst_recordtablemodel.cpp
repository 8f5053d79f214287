#include "model/RecordTable.h"
#include "ui/RecordTableModel.h"

#include "TestLocale.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "NumberedRows.h"

namespace {

const int kRut = 1;
const int kDv = 2;
const int kApePat = 3;
const int kNacion = 7;
const int kTipoPago = 8;

void fill(RecordTable &table, int n)
{
    fillNumberedRows(table, n);
}

// What the model shows in a column, row by row.
QStringList column(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

QString marker(const QAbstractItemModel &model, int row)
{
    return model.headerData(row, Qt::Vertical).toString();
}

} // namespace

class TestRecordTableModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsTableUnderModelTester();
    void cells_data();
    void cells();
    void captions_data();
    void captions();
    void rowMarker();
    void setDataStoresThroughTable_data();
    void setDataStoresThroughTable();
    void refusedValueKeepsOldValue();
    void unchangedTextStoresNothing();
    void postPendingStoresLine();
    void loadIsOneReset();
};

// Every change the table makes reaches the model in Qt's protocol, which the tester checks on each
// signal (row counts, the rows on both sides of an insertion or removal, data of every index).
void TestRecordTableModel::followsTableUnderModelTester()
{
    TestLocale es("es_CL");
    RecordTable table;
    RecordTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    fill(table, 5);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(column(model, kApePat), strings({"L1", "L2", "L3", "L4", "L5"}));

    table.moveTo(2);
    table.insert();
    table.field(kApePat).setText("NEW");
    table.post();
    QCOMPARE(column(model, kApePat), strings({"L1", "L2", "NEW", "L3", "L4", "L5"}));

    table.moveTo(1);
    table.deleteRow();
    QCOMPARE(column(model, kApePat), strings({"L1", "NEW", "L3", "L4", "L5"}));
    table.moveTo(4);
    table.deleteRow();
    table.moveTo(0);
    table.deleteRow();
    QCOMPARE(column(model, kApePat), strings({"NEW", "L3", "L4"}));

    // A new line that is dropped again, and a changed line that is cancelled.
    table.insert();
    QCOMPARE(model.rowCount(), 4);
    table.cancel();
    table.edit();
    table.field(kApePat).setText("CHANGED");
    QCOMPARE(column(model, kApePat).constFirst(), QStringLiteral("CHANGED"));
    table.cancel();
    QCOMPARE(column(model, kApePat), strings({"NEW", "L3", "L4"}));

    QVERIFY(model.setData(model.index(2, kRut), QStringLiteral("2,5")));
    QVERIFY(model.postPending());
    QCOMPARE(model.data(model.index(2, kRut)).toString(), QStringLiteral("2,5"));

    table.suspendDisplay();
    fill(table, 7);
    table.resumeDisplay();
    QCOMPARE(model.rowCount(), 7);

    table.close();
    QCOMPARE(model.rowCount(), 0);
}

void TestRecordTableModel::cells_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("stored"); // set as text; empty leaves the field unset
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("right");

    QTest::addRow("floating in its general text")
        << kRut << QByteArray("12345678") << QStringLiteral("12345678") << true;
    QTest::addRow("floating with a fraction")
        << 27 << QByteArray("1234,50") << QStringLiteral("1234,5") << true;
    QTest::addRow("unset floating is empty") << kRut << QByteArray() << QStringLiteral("") << true;
    QTest::addRow("integer") << kNacion << QByteArray("1") << QStringLiteral("1") << true;
    QTest::addRow("unset integer is empty") << kNacion << QByteArray() << QStringLiteral("") << true;
    QTest::addRow("text left") << kApePat << QByteArray("PEREZ") << QStringLiteral("PEREZ") << false;
    QTest::addRow("cp1252 letters") << kApePat << QByteArray("MU\xD1OZ \xC1LVAREZ")
                                    << QStringLiteral("MUÑOZ ÁLVAREZ") << false;
    QTest::addRow("text marked right") << kTipoPago << QByteArray("01") << QStringLiteral("01") << true;
    QTest::addRow("one-character text") << kDv << QByteArray("K") << QStringLiteral("K") << false;
}

void TestRecordTableModel::cells()
{
    QFETCH(int, field);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(bool, right);

    TestLocale es("es_CL");
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 2);
    table.moveTo(1);
    table.edit();
    if (stored.isEmpty())
        table.field(field).clear();
    else
        table.field(field).setText(stored);
    table.post();

    const QModelIndex index = model.index(1, field);
    QCOMPARE(model.data(index, Qt::DisplayRole).toString(), shown);
    QCOMPARE(model.data(index, Qt::EditRole).toString(), shown);
    const auto alignment = model.data(index, Qt::TextAlignmentRole).value<Qt::Alignment>();
    QCOMPARE(alignment & Qt::AlignHorizontal_Mask, right ? Qt::AlignRight : Qt::AlignLeft);
    QVERIFY(!model.data(index, Qt::DecorationRole).isValid());
    QVERIFY(!model.data(model.index(2, field)).isValid());
    QVERIFY(model.flags(index).testFlag(Qt::ItemIsEditable));
}

void TestRecordTableModel::captions_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("centred");

    QTest::addRow("line number") << 0 << QStringLiteral("N°") << false;
    QTest::addRow("rut") << 1 << QStringLiteral("[1] Rut") << false;
    QTest::addRow("dv centred") << 2 << QStringLiteral("[2] DV") << true;
    QTest::addRow("cod_mov centred") << 15 << QStringLiteral("[15] Cod. Movi.") << true;
    QTest::addRow("accented") << 13 << QStringLiteral("[13] Días Trabajados") << false;
    QTest::addRow("last") << 105 << QStringLiteral("[105] Centro costo") << false;
}

void TestRecordTableModel::captions()
{
    QFETCH(int, section);
    QFETCH(QString, caption);
    QFETCH(bool, centred);

    RecordTable table;
    RecordTableModel model(table);
    QCOMPARE(model.columnCount(), 106);
    QCOMPARE(model.headerData(section, Qt::Horizontal).toString(), caption);
    const auto alignment =
        model.headerData(section, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>();
    QCOMPARE(alignment & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
}

void TestRecordTableModel::rowMarker()
{
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 3);
    QSignalSpy headerChanges(&model, &QAbstractItemModel::headerDataChanged);

    table.moveTo(1);
    QCOMPARE(marker(model, 0), QString());
    QCOMPARE(marker(model, 1), QStringLiteral("▶"));
    QCOMPARE(marker(model, 2), QString());
    QVERIFY(headerChanges.count() >= 2); // the old row and the new one repaint

    table.edit();
    table.field(kApePat).setText("X");
    QCOMPARE(marker(model, 1), QStringLiteral("I"));
    table.post();
    QCOMPARE(marker(model, 1), QStringLiteral("▶"));

    table.insert();
    QCOMPARE(marker(model, 1), QStringLiteral("*"));
    QCOMPARE(marker(model, 2), QString());
}

void TestRecordTableModel::setDataStoresThroughTable_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");

    QTest::addRow("comma decimal") << QByteArray("es_CL") << 27 << QStringLiteral("2,5") << QByteArray("2,5");
    QTest::addRow("point decimal") << QByteArray("en_US") << 27 << QStringLiteral("2.5") << QByteArray("2.5");
    QTest::addRow("empty unsets a number")
        << QByteArray("es_CL") << kRut << QStringLiteral("") << QByteArray();
    QTest::addRow("text cut to its size")
        << QByteArray("es_CL") << kDv << QStringLiteral("KX") << QByteArray("K");
    QTest::addRow("text kept as given")
        << QByteArray("es_CL") << kApePat << QStringLiteral("muñoz") << QByteArray("mu\xF1oz");
    QTest::addRow("line number") << QByteArray("es_CL") << 0 << QStringLiteral("12") << QByteArray("12");
}

void TestRecordTableModel::setDataStoresThroughTable()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);

    TestLocale regional(locale.constData());
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 3);
    table.moveTo(0);

    QVERIFY(model.setData(model.index(2, field), typed));
    QCOMPARE(table.currentRow(), 2);
    QCOMPARE(table.state(), RecordTable::State::Edit);
    QCOMPARE(table.textAt(2, field), stored);
    QVERIFY(!model.lastStoreRefused());
}

void TestRecordTableModel::refusedValueKeepsOldValue()
{
    TestLocale es("es_CL");
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 2);
    QSignalSpy refused(&model, &RecordTableModel::storeRefused);

    QVERIFY(!model.setData(model.index(1, kRut), QStringLiteral("12X")));
    QVERIFY(model.lastStoreRefused());
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(),
             QStringLiteral("'12X' is not a valid floating point value for field 'rut'"));
    QCOMPARE(model.data(model.index(1, kRut)).toString(), QStringLiteral("2000"));
    QCOMPARE(table.state(), RecordTable::State::Edit);
    QCOMPARE(marker(model, 1), QStringLiteral("I"));

    QVERIFY(!model.setData(model.index(1, 0), QStringLiteral("1,5")));
    QCOMPARE(refused.at(1).at(0).toString(),
             QStringLiteral("'1,5' is not a valid integer value for field 'Linea'"));

    // The next accepted value clears the refusal.
    QVERIFY(model.setData(model.index(1, kApePat), QStringLiteral("OK")));
    QVERIFY(!model.lastStoreRefused());
}

// An editor closed without a change must not re-read the shown text: 0.1 + 0.2 shows as "0,3". The
// value is the clerk's all the same: what the reader noted of it goes.
void TestRecordTableModel::unchangedTextStoresNothing()
{
    TestLocale es("es_CL");
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 1);
    table.edit();
    table.field(27).setNumber(0.1 + 0.2);
    table.post();
    ReaderNote note;
    note.unreadable.push_back({27, "N/A"});
    table.setReaderNote(0, note);
    const quint64 revision = table.revision();

    QVERIFY(model.setData(model.index(0, 27), QStringLiteral("0,3")));
    QCOMPARE(table.state(), RecordTable::State::Browse);
    table.first();
    QCOMPARE(table.field(27).asNumber(), 0.1 + 0.2);
    QCOMPARE(table.revision(), revision);
    QCOMPARE(table.readerNote(0), nullptr);
}

void TestRecordTableModel::postPendingStoresLine()
{
    RecordTable table;
    RecordTableModel model(table);
    fill(table, 2);
    QVERIFY(model.postPending()); // nothing pending

    QVERIFY(model.setData(model.index(0, kApePat), QStringLiteral("NUEVO")));
    const quint64 before = table.revision();
    QVERIFY(model.postPending());
    QCOMPARE(table.state(), RecordTable::State::Browse);
    QCOMPARE(table.revision(), before + 1);
    QCOMPARE(table.textAt(0, kApePat), QByteArray("NUEVO"));
}

void TestRecordTableModel::loadIsOneReset()
{
    RecordTable table;
    RecordTableModel model(table);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    table.suspendDisplay();
    fill(table, 1000);
    table.resumeDisplay();

    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserts.count(), 0);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(model.rowCount(), 1000);
    QCOMPARE(model.data(model.index(999, kApePat)).toString(), QStringLiteral("L1000"));
}

QTEST_MAIN(TestRecordTableModel)
#include "tst_recordtablemodel.moc"
