#include "ui/widgets/RadioGroup.h"

#include "WidgetHarness.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {
QStringList sexo()
{
    return {QStringLiteral("Femenino"), QStringLiteral("Masculino")};
}
QStringList regPrevi()
{
    return {QStringLiteral("AFP"), QStringLiteral("INP"), QStringLiteral("SIP")};
}

int checkedCount(const RadioGroup &group)
{
    int n = 0;
    for (int i = 0; i < group.count(); ++i)
        n += group.button(i)->isChecked() ? 1 : 0;
    return n;
}

// Row and column of an item's button in the group's grid.
QPoint cell(const RadioGroup &group, int index)
{
    auto *grid = qobject_cast<QGridLayout *>(group.layout());
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(group.button(index)), &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}
} // namespace

class TestRadioGroup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noneAtStart();
    void setItemIndex_data();
    void setItemIndex();
    void clearingKeepsExclusive();
    void indexChangedSignal();
    void columns_data();
    void columns();
    void tabLandsOnChosenButton_data();
    void tabLandsOnChosenButton();
    void arrowsMoveTheChoice();
};

void TestRadioGroup::noneAtStart()
{
    RadioGroup group(QStringLiteral("Sexo"), sexo(), 2);
    QCOMPARE(group.title(), QStringLiteral("Sexo"));
    QCOMPARE(group.items(), sexo());
    QCOMPARE(group.itemIndex(), -1);
    QCOMPARE(checkedCount(group), 0);
}

void TestRadioGroup::setItemIndex_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::addRow("choose") << -1 << 1 << 1;
    QTest::addRow("change") << 0 << 2 << 2;
    QTest::addRow("clear") << 1 << -1 << -1;
    QTest::addRow("clear none") << -1 << -1 << -1;
    QTest::addRow("past the end clears") << 2 << 3 << -1;
    QTest::addRow("negative clears") << 0 << -5 << -1;
}

void TestRadioGroup::setItemIndex()
{
    QFETCH(int, start);
    QFETCH(int, index);
    QFETCH(int, expected);
    RadioGroup group(QStringLiteral("Reg. Previsional"), regPrevi(), 3);
    group.setItemIndex(start);
    group.setItemIndex(index);
    QCOMPARE(group.itemIndex(), expected);
    QCOMPARE(checkedCount(group), expected < 0 ? 0 : 1);
    if (expected >= 0)
        QVERIFY(group.button(expected)->isChecked());
}

void TestRadioGroup::clearingKeepsExclusive()
{
    RadioGroup group(QStringLiteral("Reg. Previsional"), regPrevi(), 3);
    group.setItemIndex(0);
    group.setItemIndex(-1);
    group.button(1)->click();
    group.button(2)->click();
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(checkedCount(group), 1);
    // A click on the chosen button does not unchoose it.
    group.button(2)->click();
    QCOMPARE(group.itemIndex(), 2);
}

void TestRadioGroup::indexChangedSignal()
{
    RadioGroup group(QStringLiteral("Sexo"), sexo(), 2);
    QSignalSpy spy(&group, &RadioGroup::itemIndexChanged);
    group.setItemIndex(1);
    group.setItemIndex(1);
    group.setItemIndex(0);
    group.setItemIndex(-1);
    group.setItemIndex(-1);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    QCOMPARE(spy.at(2).at(0).toInt(), -1);
}

void TestRadioGroup::columns_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<QPoint>>("cells"); // (column, row) of each item
    QTest::addRow("two in two columns") << 2 << 2 << QList<QPoint>{{0, 0}, {1, 0}};
    QTest::addRow("three in three columns") << 3 << 3 << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}};
    QTest::addRow("two in one column") << 2 << 1 << QList<QPoint>{{0, 0}, {0, 1}};
    QTest::addRow("five in two columns, column by column")
        << 5 << 2 << QList<QPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}};
}

void TestRadioGroup::columns()
{
    QFETCH(int, items);
    QFETCH(int, columns);
    QFETCH(QList<QPoint>, cells);
    QStringList texts;
    for (int i = 0; i < items; ++i)
        texts << QString::number(i);
    RadioGroup group(QStringLiteral("G"), texts, 1);
    group.setColumns(columns); // a later change of columns lays the buttons out again
    for (int i = 0; i < items; ++i)
        QCOMPARE(cell(group, i), cells[i]);
}

void TestRadioGroup::tabLandsOnChosenButton_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("focused");
    QTest::addRow("none chosen: the first") << -1 << 0;
    QTest::addRow("first chosen") << 0 << 0;
    QTest::addRow("last chosen") << 2 << 2;
}

void TestRadioGroup::tabLandsOnChosenButton()
{
    QFETCH(int, chosen);
    QFETCH(int, focused);
    auto *group = new RadioGroup(QStringLiteral("Reg. Previsional"), regPrevi(), 3);
    group->setItemIndex(chosen);
    WidgetHarness h(group);
    QVERIFY(h.ready());
    h.tabIn();
    QCOMPARE(h.focus(), group->button(focused));
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focus(), h.after); // one stop for the whole group
    h.key(Qt::Key_Backtab);
    QCOMPARE(h.focus(), group->button(focused));
    h.key(Qt::Key_Backtab);
    QCOMPARE(h.focus(), h.before);
    QCOMPARE(group->itemIndex(), chosen); // moving through does not choose
}

void TestRadioGroup::arrowsMoveTheChoice()
{
    auto *group = new RadioGroup(QStringLiteral("Reg. Previsional"), regPrevi(), 3);
    group->setItemIndex(0);
    WidgetHarness h(group);
    QVERIFY(h.ready());
    h.tabIn();
    h.key(Qt::Key_Right);
    QCOMPARE(h.focus(), group->button(1));
    QCOMPARE(group->itemIndex(), 1);
    h.key(Qt::Key_Right);
    QCOMPARE(group->itemIndex(), 2);
}

QTEST_MAIN(TestRadioGroup)
#include "tst_radiogroup.moc"
