#include "ui/widgets/DateEdit.h"

#include "TestLocale.h"
#include "WidgetHarness.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestDateEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
    void setDate_data();
    void setDate();
    void emptyState();
    void erasingEmpties();
    void dateWhileFocused();
    void calendarOpens_data();
    void calendarOpens();
    void enterInCalendarPicks();
    void escapeInCalendarKeepsDate();
};

void TestDateEdit::format_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("empty");
    // Qt's own short formats are dd-MM-yy and M/d/yy: the year must still show four digits.
    QTest::addRow("es_CL") << QByteArray("es_CL") << QStringLiteral("dd-MM-yyyy")
                           << QStringLiteral("  -  -    ");
    QTest::addRow("en_US") << QByteArray("en_US") << QStringLiteral("MM/dd/yyyy")
                           << QStringLiteral("  /  /    ");
    QTest::addRow("de_DE") << QByteArray("de_DE") << QStringLiteral("dd.MM.yyyy")
                           << QStringLiteral("  .  .    ");
    QTest::addRow("sv_SE year first")
        << QByteArray("sv_SE") << QStringLiteral("yyyy-MM-dd") << QStringLiteral("    -  -  ");
}

void TestDateEdit::format()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, format);
    QFETCH(QString, empty);
    TestLocale l(locale.constData());
    DateEdit edit;
    QCOMPARE(edit.format(), format);
    QCOMPARE(edit.displayText(), empty);
}

void TestDateEdit::setDate_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::addRow("es_CL") << QByteArray("es_CL") << QDate(2024, 12, 5) << QStringLiteral("05-12-2024");
    QTest::addRow("en_US month first")
        << QByteArray("en_US") << QDate(2024, 12, 5) << QStringLiteral("12/05/2024");
    QTest::addRow("es_CL last century")
        << QByteArray("es_CL") << QDate(1950, 3, 4) << QStringLiteral("04-03-1950");
    QTest::addRow("sv_SE") << QByteArray("sv_SE") << QDate(2024, 12, 5) << QStringLiteral("2024-12-05");
    QTest::addRow("invalid empties") << QByteArray("es_CL") << QDate() << QString();
}

void TestDateEdit::setDate()
{
    QFETCH(QByteArray, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    TestLocale l(locale.constData());
    DateEdit edit;
    edit.setDate(QDate(2000, 1, 1));
    edit.setDate(date);
    QCOMPARE(edit.date(), date);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.isEmpty(), !date.isValid());
    if (date.isValid())
        QCOMPARE(edit.displayText(), text);
}

void TestDateEdit::emptyState()
{
    TestLocale l("es_CL");
    DateEdit edit;
    QVERIFY(edit.isEmpty());
    QVERIFY(!edit.date().isValid());
    QCOMPARE(edit.text(), QString());
    QCOMPARE(edit.QLineEdit::text(), QStringLiteral("--")); // the mask's separators only
}

void TestDateEdit::erasingEmpties()
{
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    edit->setDate(QDate(2024, 5, 1));
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    edit->selectAll();
    h.key(Qt::Key_Delete);
    h.key(Qt::Key_Tab);
    QVERIFY(edit->isEmpty());
    QCOMPARE(edit->text(), QString());
}

void TestDateEdit::dateWhileFocused()
{
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("0105"));
    QVERIFY(edit->isEmpty());
    QTest::keyClicks(edit, QStringLiteral("2024"));
    QCOMPARE(edit->date(), QDate(2024, 5, 1));
    QCOMPARE(edit->text(), QStringLiteral("01-05-2024"));
}

void TestDateEdit::calendarOpens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("alt+down") << QStringLiteral("alt+down");
    QTest::addRow("f4") << QStringLiteral("f4");
    QTest::addRow("button") << QStringLiteral("button");
}

void TestDateEdit::calendarOpens()
{
    QFETCH(QString, how);
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    edit->setDate(QDate(2023, 7, 14));
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    if (how == QLatin1String("alt+down")) {
        h.key(Qt::Key_Down, Qt::AltModifier);
    } else if (how == QLatin1String("f4")) {
        h.key(Qt::Key_F4);
    } else {
        auto *button = edit->findChild<QToolButton *>();
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(edit->calendar()->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), edit->calendar());
    QCOMPARE(edit->calendar()->selectedDate(), QDate(2023, 7, 14));
    QCOMPARE(edit->calendar()->monthShown(), 7);
    edit->calendar()->close();
}

void TestDateEdit::enterInCalendarPicks()
{
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    QSignalSpy picked(edit, &DateEdit::datePicked);
    h.tabIn();
    h.key(Qt::Key_F4);
    QCalendarWidget *calendar = edit->calendar();
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate::currentDate()); // an empty box opens on today
    calendar->setSelectedDate(QDate(2024, 2, 29));
    QWidget *view = QApplication::focusWidget();
    QVERIFY(view && calendar->isAncestorOf(view));
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(!calendar->isVisible());
    QCOMPARE(picked.count(), 1);
    QCOMPARE(edit->date(), QDate(2024, 2, 29));
    QCOMPARE(edit->text(), QStringLiteral("29-02-2024"));
    QCOMPARE(h.focus(), edit);
    h.key(Qt::Key_Tab);
    QCOMPARE(edit->date(), QDate(2024, 2, 29));
}

void TestDateEdit::escapeInCalendarKeepsDate()
{
    TestLocale l("es_CL");
    auto *edit = new DateEdit;
    edit->setDate(QDate(2020, 1, 2));
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    h.tabIn();
    h.key(Qt::Key_F4);
    QCalendarWidget *calendar = edit->calendar();
    calendar->setSelectedDate(QDate(2024, 2, 29));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!calendar->isVisible());
    QCOMPARE(edit->date(), QDate(2020, 1, 2));
}

QTEST_MAIN(TestDateEdit)
#include "tst_dateedit.moc"
