#include "model/RecordTable.h"
#include "ui/ObservationStatus.h"
#include "ui/RecordGrid.h"
#include "ui/RecordTableModel.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitObservaciones.h"
#include "util/ProgramInfo.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// three_faults.txt: five lines that pass every check but three cells of them.
using Cell = std::pair<int, int>; // row, catalogue position
const QList<Cell> kFaults = {{1, RecordTable::fieldIndex("dv")},
                             {3, RecordTable::fieldIndex("sexo")},
                             {3, RecordTable::fieldIndex("nom_AFP")}};

} // namespace

class TestObservaciones : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { programinfo::setProgramFolder(QString()); }
    void init();
    void cleanup() { m_window.reset(); }
    void faultyCellsAreTinted();
    void f8VisitsTheFaults_data();
    void f8VisitsTheFaults();
    void listIsSavedAndLeadsToItsCell();
    void aStoredCellLosesItsMark();
    void statusLine_data();
    void statusLine();

private:
    RecordGrid *grid() const { return m_window->findChild<RecordGrid *>(QStringLiteral("DBGrid1")); }

    TestLocale m_regional{"es_CL"};
    QTemporaryDir m_folder;
    ScriptedPlatform m_platform;
    std::unique_ptr<TFrmTarvinel> m_window;
};

void TestObservaciones::initTestCase()
{
    QVERIFY(installTestCodeTable(m_folder.path()));
    programinfo::setProgramFolder(m_folder.path());
}

void TestObservaciones::init()
{
    m_window = std::make_unique<TFrmTarvinel>(linelayout::Layout::Fixed);
    m_window->load(dataFile(QStringLiteral("three_faults.txt")));
    m_window->show();
    grid()->setCurrentIndex(grid()->model()->index(0, 1));
}

void TestObservaciones::faultyCellsAreTinted()
{
    const QAbstractItemModel &model = *grid()->model();
    QList<Cell> tinted;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            const bool tint = index.data(Qt::BackgroundRole).isValid();
            QCOMPARE(index.data(Qt::ToolTipRole).toString().isEmpty(), !tint);
            if (tint)
                tinted.append({row, column});
        }
    }
    QCOMPARE(tinted, kFaults);
    QCOMPARE(model.index(1, RecordTable::fieldIndex("dv")).data(Qt::DisplayRole).toString(),
             QStringLiteral("K"));
}

void TestObservaciones::f8VisitsTheFaults_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<Cell>>("visited");
    QTest::addRow("F8 forward, wrapping") << Qt::KeyboardModifiers() << (kFaults + QList<Cell>{kFaults[0]});
    QTest::addRow("Shift+F8 back, wrapping") << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                             << QList<Cell>{kFaults[2], kFaults[1], kFaults[0], kFaults[2]};
}

void TestObservaciones::f8VisitsTheFaults()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<Cell>, visited);
    QList<Cell> cells;
    for (int step = 0; step < visited.size(); ++step) {
        QTest::keyClick(grid(), Qt::Key_F8, modifiers);
        cells.append({grid()->currentIndex().row(), grid()->currentIndex().column()});
        QCOMPARE(m_window->RxMem().currentRow(), cells.constLast().first);
    }
    QCOMPARE(cells, visited);
}

void TestObservaciones::listIsSavedAndLeadsToItsCell()
{
    const QString saved = m_folder.filePath(QStringLiteral("lista.txt"));
    m_platform.fileNames.enqueue(saved);
    m_platform.onNextModal([](QDialog &dialog) {
        auto &list = dynamic_cast<TFrmObservaciones &>(dialog);
        list.BitBtn1->click();
        list.DBGrid1->setCurrentIndex(list.DBGrid1->model()->index(1, 0));
        QTest::keyClick(list.DBGrid1, Qt::Key_Return);
    });
    m_window->findChild<QToolButton *>(QStringLiteral("SpeedButton12"))->click();
    QCOMPARE(m_platform.pendingModalHandlers(), 0);
    QCOMPARE(fileBytes(saved), fileBytes(dataFile(QStringLiteral("three_faults_list.txt"))));
    QCOMPARE((Cell{grid()->currentIndex().row(), grid()->currentIndex().column()}), kFaults[1]);
}

void TestObservaciones::aStoredCellLosesItsMark()
{
    auto *status = m_window->findChild<QLabel *>(QStringLiteral("StatusObservaciones"));
    QCOMPARE(status->text(), QStringLiteral("5 líneas · 3 observaciones en 2 líneas · F8 siguiente"));
    auto &model = *grid()->model();
    const QModelIndex dv = model.index(kFaults[0].first, kFaults[0].second);
    QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(dv, QStringLiteral("5")));
    QVERIFY(grid()->recordModel().postPending());
    QVERIFY(!dv.data(Qt::BackgroundRole).isValid());
    QCOMPARE(status->text(), QStringLiteral("5 líneas · 2 observaciones en 1 línea · F8 siguiente"));
    QTRY_VERIFY(std::any_of(repainted.cbegin(), repainted.cend(), [](const QList<QVariant> &signal) {
        return signal.at(2).value<QList<int>>().contains(Qt::BackgroundRole);
    }));
}

void TestObservaciones::statusLine_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("observedLines");
    QTest::addColumn<QString>("text");
    QTest::addRow("many") << 100000 << 37 << 12
                          << QStringLiteral("100.000 líneas · 37 observaciones en 12 líneas · F8 siguiente");
    QTest::addRow("one") << 1 << 1 << 1
                         << QStringLiteral("1 línea · 1 observación en 1 línea · F8 siguiente");
    QTest::addRow("none") << 300 << 0 << 0 << QStringLiteral("300 líneas · sin observaciones");
}

void TestObservaciones::statusLine()
{
    QFETCH(int, lines);
    QFETCH(int, count);
    QFETCH(int, observedLines);
    QFETCH(QString, text);
    QCOMPARE(ObservationStatus::summary(lines, count, observedLines), text);
}

QTEST_MAIN(TestObservaciones)
#include "tst_observaciones.moc"
