#include "ui/editor/PageControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QStringList kTitles = {
    QStringLiteral("Datos Trabajador"),
    QStringLiteral("Datos AFP - APVI - APVC"),
    QStringLiteral("Datos Afi. Voluntario - INP - Salud"),
    QStringLiteral("Datos CCAF - Mutual - Cesantía - Centro Costo"),
};

// A page holding one edit, named after its page.
QWidget *page(int index)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    auto *edit = new QLineEdit(widget);
    edit->setObjectName(QStringLiteral("edit%1").arg(index));
    layout->addWidget(edit);
    return widget;
}

struct Fixture {
    PageControl control;
    Fixture()
    {
        for (int i = 0; i < kTitles.size(); ++i)
            control.addPage(page(i), kTitles[i]);
    }
    int singleRowWidth() const
    {
        int width = 0;
        for (int i = 0; i < control.count(); ++i)
            width = std::max(width, control.tabRect(i).right() + 1);
        return width;
    }
};

} // namespace

class TestPageControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wraps_data();
    void wraps();
    void currentRowNextToPage();
    void heightGrowsWithRows();
    void clickSelects();
    void keys_data();
    void keys();
    void focusFollowsPage();
    void highlighting();
};

void TestPageControl::wraps_data()
{
    QTest::addColumn<double>("share"); // of the width one row needs
    QTest::addColumn<int>("minimumRows");
    QTest::addColumn<int>("maximumRows");
    QTest::addRow("wide enough: one row") << 1.2 << 1 << 1;
    QTest::addRow("a little short: two rows") << 0.8 << 2 << 2;
    QTest::addRow("narrow: a row per tab") << 0.1 << 4 << 4;
}

void TestPageControl::wraps()
{
    QFETCH(double, share);
    QFETCH(int, minimumRows);
    QFETCH(int, maximumRows);
    Fixture f;
    f.control.resize(4000, 300);
    const int oneRow = f.singleRowWidth();
    QCOMPARE(f.control.tabRowCount(), 1);
    const int width = int(oneRow * share);
    f.control.resize(width, 300);
    QVERIFY(f.control.tabRowCount() >= minimumRows);
    QVERIFY(f.control.tabRowCount() <= maximumRows);
    // No tab leaves the control and no two overlap; several rows fill the width.
    for (int i = 0; i < f.control.count(); ++i) {
        const QRect r = f.control.tabRect(i);
        QVERIFY(r.left() >= 0);
        if (f.control.tabRowCount() > 1 && r.width() < width) {
            bool endsRow = r.right() + 1 == width;
            for (int j = 0; j < f.control.count(); ++j)
                endsRow =
                    endsRow
                    || (j != i && f.control.tabRect(j).y() == r.y() && f.control.tabRect(j).x() > r.x());
            QVERIFY(endsRow);
        }
        for (int j = i + 1; j < f.control.count(); ++j)
            QVERIFY(!r.intersects(f.control.tabRect(j)));
    }
}

void TestPageControl::currentRowNextToPage()
{
    Fixture f;
    f.control.resize(f.control.fontMetrics().horizontalAdvance(kTitles[3]) + 40, 300);
    f.control.show();
    QVERIFY(f.control.tabRowCount() >= 3);
    for (int i = 0; i < f.control.count(); ++i) {
        f.control.setCurrentIndex(i);
        int lowest = 0;
        for (int j = 0; j < f.control.count(); ++j)
            lowest = std::max(lowest, f.control.tabRect(j).y());
        QCOMPARE(f.control.tabRect(i).y(), lowest);
        QVERIFY(f.control.widget(i)->mapTo(&f.control, QPoint(0, 0)).y() > f.control.tabRect(i).bottom());
    }
}

void TestPageControl::heightGrowsWithRows()
{
    Fixture f;
    const int wide = f.control.heightForWidth(4000);
    const int narrow = f.control.heightForWidth(100);
    QVERIFY(narrow > wide);
    QCOMPARE(f.control.minimumSizeHint().height(),
             f.control.heightForWidth(f.control.minimumSizeHint().width()));
}

void TestPageControl::clickSelects()
{
    Fixture f;
    f.control.resize(400, 300);
    f.control.show();
    QSignalSpy changed(&f.control, &PageControl::currentChanged);
    QTest::mouseClick(&f.control, Qt::LeftButton, Qt::NoModifier, f.control.tabRect(2).center());
    QCOMPARE(f.control.currentIndex(), 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 2);
    QVERIFY(f.control.widget(2)->isVisible());
    QVERIFY(!f.control.widget(0)->isVisible());
    QTest::mouseClick(&f.control, Qt::LeftButton, Qt::NoModifier, f.control.tabRect(2).center());
    QCOMPARE(changed.size(), 1); // no change, no signal
}

void TestPageControl::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onTabs");
    QTest::addColumn<int>("expected");
    QTest::addRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << false << 2;
    QTest::addRow("Ctrl+PgDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << false << 2;
    QTest::addRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                    << false << 0;
    QTest::addRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << false << 0;
    QTest::addRow("Right on the tabs") << int(Qt::Key_Right) << 0 << true << 2;
    QTest::addRow("Left on the tabs") << int(Qt::Key_Left) << 0 << true << 0;
    QTest::addRow("Right in a page moves nothing") << int(Qt::Key_Right) << 0 << false << 1;
}

void TestPageControl::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onTabs);
    QFETCH(int, expected);
    Fixture f;
    f.control.resize(400, 300);
    f.control.show();
    f.control.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.control));
    f.control.setCurrentIndex(1);
    QWidget *target =
        onTabs ? static_cast<QWidget *>(&f.control) : f.control.widget(1)->findChild<QLineEdit *>();
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.control.currentIndex(), expected);
}

void TestPageControl::focusFollowsPage()
{
    Fixture f;
    f.control.resize(400, 300);
    f.control.show();
    f.control.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.control));
    f.control.widget(0)->findChild<QLineEdit *>()->setFocus();
    f.control.setCurrentIndex(3);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edit3"));
    // Wrapping around from the last page.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.control.currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edit0"));
}

void TestPageControl::highlighting()
{
    Fixture f;
    QVERIFY(!f.control.isTabHighlighted(1));
    f.control.setTabHighlighted(1, true);
    QVERIFY(f.control.isTabHighlighted(1));
    QVERIFY(!f.control.isTabHighlighted(7));
    f.control.setTabHighlighted(7, true); // outside the tabs: nothing happens
    QCOMPARE(f.control.tabText(3), kTitles[3]);
    QCOMPARE(f.control.tabText(9), QString());
}

QTEST_MAIN(TestPageControl)
#include "tst_pagecontrol.moc"
