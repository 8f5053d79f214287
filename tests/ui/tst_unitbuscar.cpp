#include "app/JDGMessage.h"
#include "model/RecordTable.h"
#include "ui/UnitBuscar.h"
#include "ui/widgets/PictureEdit.h"

#include "NumberedRows.h"
#include "ScriptedPlatform.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

// Lines of `fillNumberedRows`: `rut` 1000, 2000, 3000 ...
class TestUnitBuscar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aceptar_data();
    void aceptar();
    void cancelarKeepsLine();
    void enterGoesToAceptarAndPressesIt();
};

void TestUnitBuscar::aceptar_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("found");

    QTest::addRow("found") << 4 << 0 << QStringLiteral("3000") << 2 << true;
    QTest::addRow("current line matches") << 4 << 1 << QStringLiteral("2000") << 1 << true;
    QTest::addRow("not in the table") << 4 << 3 << QStringLiteral("999999999") << 3 << false;
    QTest::addRow("empty field is 0, no RUT is 0") << 4 << 2 << QString() << 2 << false;
    QTest::addRow("empty table") << 0 << -1 << QStringLiteral("1000") << -1 << false;
}

void TestUnitBuscar::aceptar()
{
    QFETCH(int, lines);
    QFETCH(int, current);
    QFETCH(QString, typed);
    QFETCH(int, after);
    QFETCH(bool, found);

    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, lines);
    table.moveTo(current);
    TFrmBuscar search(table);
    search.show();
    QTest::keyClicks(search.OvcERut, typed);
    search.BitBtn2->setFocus(); // where the click leaves it
    search.BitBtn1->click();

    QCOMPARE(table.currentRow(), after);
    QCOMPARE(search.isVisible(), !found);
    QCOMPARE(platform.messages.size(), found ? 0 : 1);
    if (!found) {
        QCOMPARE(platform.lastMessage(), QStringLiteral("Rut no encontrado"));
        QCOMPARE(platform.messages.constFirst().icon, platform::Icon::None);
        QCOMPARE(search.focusWidget(), search.OvcERut);
    }
    QCOMPARE(search.result(), found ? QDialog::Accepted : QDialog::Rejected);
}

void TestUnitBuscar::cancelarKeepsLine()
{
    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, 3);
    table.moveTo(1);
    TFrmBuscar search(table);
    search.show();
    QTest::keyClicks(search.OvcERut, QStringLiteral("3000"));
    search.BitBtn2->click();
    QCOMPARE(table.currentRow(), 1);
    QCOMPARE(search.result(), QDialog::Rejected);
    QVERIFY(platform.messages.isEmpty());
}

void TestUnitBuscar::enterGoesToAceptarAndPressesIt()
{
    JDGMessage::install();
    ScriptedPlatform platform;
    RecordTable table;
    fillNumberedRows(table, 3);
    table.moveTo(0);
    TFrmBuscar search(table);
    search.show();
    search.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&search));
    QCOMPARE(QApplication::focusWidget(), search.OvcERut);
    // Ten digits typed: the field takes nine.
    QTest::keyClicks(search.OvcERut, QStringLiteral("1234567890"));
    QCOMPARE(search.OvcERut->value(), QStringLiteral("123456789"));
    search.OvcERut->setText(QStringLiteral("2000"));

    QTest::keyClick(search.OvcERut, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), search.BitBtn1);
    QVERIFY(search.isVisible());
    QTest::keyClick(search.BitBtn1, Qt::Key_Return);
    QTRY_VERIFY(!search.isVisible());
    QCOMPARE(table.currentRow(), 1);
}

QTEST_MAIN(TestUnitBuscar)
#include "tst_unitbuscar.moc"
