#include "ui/widgets/UpperCaseEdit.h"

#include "WidgetHarness.h"

#include <QTest>

class TestUpperCaseEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typing_data();
    void typing();
    void setTextConverts();
    void insertedTextConverts();
    void storedTextKeepsItsCase();
    void typedOverSelectedStoredText();
    void charLimit_data();
    void charLimit();
    void upperCaseOff();
};

void TestUpperCaseEdit::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("a-z") << QStringLiteral("abc xyz") << QStringLiteral("ABC XYZ");
    QTest::addRow("enye") << QString::fromUtf8("peña") << QString::fromUtf8("PEÑA");
    QTest::addRow("accented") << QString::fromUtf8("josé") << QString::fromUtf8("JOSÉ");
    QTest::addRow("sharp s never SS") << QString::fromUtf8("straße") << QString::fromUtf8("STRAßE");
    QTest::addRow("micro sign keeps, capital mu is not cp1252")
        << QString::fromUtf8("µ") << QString::fromUtf8("µ");
    QTest::addRow("y diaeresis to cp1252 capital") << QString::fromUtf8("ÿ") << QString::fromUtf8("Ÿ");
    QTest::addRow("check digit k") << QStringLiteral("k") << QStringLiteral("K");
    QTest::addRow("digits and signs") << QStringLiteral("12-3.4") << QStringLiteral("12-3.4");
    QTest::addRow("euro is cp1252") << QString::fromUtf8("€5") << QString::fromUtf8("€5");
    QTest::addRow("polish l refused") << QString::fromUtf8("ałb") << QStringLiteral("AB");
    QTest::addRow("greek refused") << QString::fromUtf8("αβ") << QString();
    QTest::addRow("outside the BMP refused") << QString::fromUtf8("a😀b") << QStringLiteral("AB");
}

void TestUpperCaseEdit::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    UpperCaseEdit edit(30);
    typeText(&edit, typed);
    QCOMPARE(edit.text(), expected);
}

void TestUpperCaseEdit::setTextConverts()
{
    // As an upper-case Windows edit does, text set by the program is converted too.
    UpperCaseEdit edit;
    edit.setText(QString::fromUtf8("muñoz k"));
    QCOMPARE(edit.text(), QString::fromUtf8("MUÑOZ K"));
}

void TestUpperCaseEdit::insertedTextConverts()
{
    // Paste and drop go through insert(), not through key events.
    UpperCaseEdit edit;
    edit.insert(QString::fromUtf8("peña łódź"));
    QCOMPARE(edit.text(), QString::fromUtf8("PEÑA ÓD"));
}

void TestUpperCaseEdit::storedTextKeepsItsCase()
{
    UpperCaseEdit edit(30);
    edit.setStoredText(QString::fromUtf8("de la Fuente ł"));
    QCOMPARE(edit.text(), QStringLiteral("de la Fuente "));
    // Only what is typed afterwards becomes capitals, wherever it goes.
    edit.setCursorPosition(0);
    typeText(&edit, QStringLiteral("a"));
    edit.end(false);
    typeText(&edit, QString::fromUtf8("peña"));
    QCOMPARE(edit.text(), QString::fromUtf8("Ade la Fuente PEÑA"));
}

void TestUpperCaseEdit::typedOverSelectedStoredText()
{
    // Tab into a box selects its text; the first key replaces it, although it is the same letter.
    UpperCaseEdit edit(30);
    edit.setStoredText(QStringLiteral("gomez"));
    edit.selectAll();
    typeText(&edit, QStringLiteral("garcia"));
    QCOMPARE(edit.text(), QStringLiteral("GARCIA"));
}

void TestUpperCaseEdit::charLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("one character") << 1 << QStringLiteral("k5") << QStringLiteral("K");
    QTest::addRow("two characters") << 2 << QStringLiteral("123") << QStringLiteral("12");
    QTest::addRow("no limit") << 0 << QString(100, QLatin1Char('a')) << QString(100, QLatin1Char('A'));
    QTest::addRow("negative means none")
        << -1 << QString(50, QLatin1Char('b')) << QString(50, QLatin1Char('B'));
}

void TestUpperCaseEdit::charLimit()
{
    QFETCH(int, limit);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    UpperCaseEdit edit(limit);
    typeText(&edit, typed);
    QCOMPARE(edit.text(), expected);
}

void TestUpperCaseEdit::upperCaseOff()
{
    UpperCaseEdit edit;
    edit.setUpperCase(false);
    typeText(&edit, QString::fromUtf8("peñał"));
    QCOMPARE(edit.text(), QString::fromUtf8("peña"));
    edit.setUpperCase(true);
    QCOMPARE(edit.text(), QString::fromUtf8("PEÑA"));
}

QTEST_MAIN(TestUpperCaseEdit)
#include "tst_uppercaseedit.moc"
