#include "app/JDGMessage.h"
#include "ui/widgets/CodeComboBox.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/PictureEdit.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/UpperCaseEdit.h"

#include "TestLocale.h"
#include "WidgetHarness.h"

#include <QCalendarWidget>
#include <QRadioButton>
#include <QTest>

#include <functional>

// Enter under the program's Enter filter: it leaves each widget as Tab does, and what was typed is
// kept as a Tab would keep it.
class TestWidgetsEnter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void enterMovesOn_data();
    void enterMovesOn();
    void shiftEnterMovesBack_data();
    void shiftEnterMovesBack();
    void enterCommitsTypedText_data();
    void enterCommitsTypedText();
    void enterInCalendarPicksDate();
};

using Factory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(Factory)

namespace {

void addWidgetRows()
{
    QTest::addColumn<Factory>("make");
    QTest::addRow("UpperCaseEdit") << Factory([] { return new UpperCaseEdit(30); });
    QTest::addRow("PictureEdit digits")
        << Factory([] { return new PictureEdit(PictureEdit::Picture::Digits); });
    QTest::addRow("PictureEdit month/year")
        << Factory([] { return new PictureEdit(PictureEdit::Picture::MonthYear); });
    QTest::addRow("CurrencyEdit") << Factory([] { return new CurrencyEdit; });
    QTest::addRow("DateEdit") << Factory([] { return new DateEdit; });
    QTest::addRow("CodeComboBox") << Factory([] {
        auto *box = new CodeComboBox;
        box->setEntries({QByteArrayLiteral("01 Uno"), QByteArrayLiteral("02 Dos")});
        return box;
    });
    QTest::addRow("RadioGroup, none chosen") << Factory([] {
        return new RadioGroup(QStringLiteral("Sexo"), {QStringLiteral("F"), QStringLiteral("M")}, 2);
    });
    QTest::addRow("RadioGroup, second chosen") << Factory([] {
        auto *group =
            new RadioGroup(QStringLiteral("Reg"), {QStringLiteral("AFP"), QStringLiteral("INP")}, 2);
        group->setItemIndex(1);
        return group;
    });
}

bool inside(QWidget *widget, QWidget *focus)
{
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

} // namespace

void TestWidgetsEnter::initTestCase()
{
    JDGMessage::install();
    QVERIFY(JDGMessage::isInstalled());
}

void TestWidgetsEnter::enterMovesOn_data()
{
    addWidgetRows();
}

void TestWidgetsEnter::enterMovesOn()
{
    QFETCH(Factory, make);
    QWidget *widget = make();
    WidgetHarness h(widget);
    QVERIFY(h.ready());
    h.tabIn();
    QVERIFY(inside(widget, h.focus()));
    h.key(Qt::Key_Return);
    QCOMPARE(h.focus(), h.after);
    // The keypad's Enter too.
    h.tabIn();
    h.key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(h.focus(), h.after);
}

void TestWidgetsEnter::shiftEnterMovesBack_data()
{
    addWidgetRows();
}

void TestWidgetsEnter::shiftEnterMovesBack()
{
    QFETCH(Factory, make);
    QWidget *widget = make();
    WidgetHarness h(widget);
    QVERIFY(h.ready());
    h.after->setFocus(Qt::OtherFocusReason);
    h.key(Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(inside(widget, h.focus()));
    h.key(Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(h.focus(), h.before);
}

void TestWidgetsEnter::enterCommitsTypedText_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::function<QString(QWidget *)>>("read");
    QTest::addColumn<QString>("expected");
    using Read = std::function<QString(QWidget *)>;
    QTest::addRow("UpperCaseEdit") << Factory([] { return new UpperCaseEdit(1); }) << QStringLiteral("k")
                                   << Read([](QWidget *w) { return static_cast<UpperCaseEdit *>(w)->text(); })
                                   << QStringLiteral("K");
    QTest::addRow("PictureEdit month only")
        << Factory([] { return new PictureEdit(PictureEdit::Picture::MonthYear); }) << QStringLiteral("05")
        << Read([](QWidget *w) { return static_cast<PictureEdit *>(w)->value(); })
        << QStringLiteral("05/    ");
    QTest::addRow("CurrencyEdit shows its format") << Factory([] {
        auto *edit = new CurrencyEdit;
        edit->setDisplayFormat(QStringLiteral(",0;-,0"));
        return edit;
    }) << QStringLiteral("12345") << Read([](QWidget *w) { return static_cast<CurrencyEdit *>(w)->text(); })
                                                   << QStringLiteral("12.345");
    QTest::addRow("CurrencyEdit clamps") << Factory([] {
        auto *edit = new CurrencyEdit;
        edit->setRange(0, 30);
        return edit;
    }) << QStringLiteral("31") << Read([](QWidget *w) {
        return QString::number(static_cast<CurrencyEdit *>(w)->value());
    }) << QStringLiteral("30");
    QTest::addRow("DateEdit") << Factory([] { return new DateEdit; }) << QStringLiteral("05122024")
                              << Read([](QWidget *w) {
                                     return static_cast<DateEdit *>(w)->date().toString(Qt::ISODate);
                                 })
                              << QStringLiteral("2024-12-05");
    QTest::addRow("CodeComboBox keeps typed text") << Factory([] {
        auto *box = new CodeComboBox;
        box->setEntries({QByteArrayLiteral("10 Diez"), QByteArrayLiteral("11 Once")});
        return box;
    }) << QStringLiteral("1") << Read([](QWidget *w) {
        auto *box = static_cast<CodeComboBox *>(w);
        return box->currentText() + QLatin1Char('|') + QString::number(box->count());
    }) << QStringLiteral("1|2");
}

void TestWidgetsEnter::enterCommitsTypedText()
{
    using Read = std::function<QString(QWidget *)>;
    QFETCH(Factory, make);
    QFETCH(QString, typed);
    QFETCH(Read, read);
    QFETCH(QString, expected);
    TestLocale l("es_CL");
    QWidget *widget = make();
    WidgetHarness h(widget);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(h.focus(), typed);
    h.key(Qt::Key_Return);
    QCOMPARE(h.focus(), h.after);
    QCOMPARE(read(widget), expected);
}

void TestWidgetsEnter::enterInCalendarPicksDate()
{
    // The filter leaves open popups alone: Enter in the calendar is the calendar's own.
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    h.key(Qt::Key_Down, Qt::AltModifier);
    QVERIFY(edit->calendar()->isVisible());
    edit->calendar()->setSelectedDate(QDate(2024, 3, 15));
    h.key(Qt::Key_Return);
    QVERIFY(!edit->calendar()->isVisible());
    QCOMPARE(edit->date(), QDate(2024, 3, 15));
    QCOMPARE(h.focus(), edit);
    h.key(Qt::Key_Return);
    QCOMPARE(h.focus(), h.after);
    QCOMPARE(edit->text(), QStringLiteral("15-03-2024"));
}

QTEST_MAIN(TestWidgetsEnter)
#include "tst_widgetsenter.moc"
