#include "ui/widgets/PictureEdit.h"

#include "WidgetHarness.h"

#include <QSignalSpy>
#include <QTest>

using Picture = PictureEdit::Picture;

class TestPictureEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digitsSetValue_data();
    void digitsSetValue();
    void digitsRightAligned();
    void monthYearEmpty();
    void monthYearSetValue_data();
    void monthYearSetValue();
    void monthYearPartEntryFinishesEditing();
    void changingPictureEmpties();
};

void TestPictureEdit::digitsSetValue_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("value");
    QTest::addRow("digits") << QStringLiteral("12345678") << QStringLiteral("12345678");
    QTest::addRow("blanks trimmed") << QStringLiteral("  1234 ") << QStringLiteral("1234");
    QTest::addRow("zero") << QStringLiteral("0") << QStringLiteral("0");
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("one blank") << QStringLiteral(" ") << QString();
    QTest::addRow("longer than ten") << QStringLiteral("123456789012") << QStringLiteral("1234567890");
}

void TestPictureEdit::digitsSetValue()
{
    QFETCH(QString, loaded);
    QFETCH(QString, value);
    PictureEdit edit(Picture::Digits);
    edit.setValue(loaded);
    QCOMPARE(edit.value(), value);
    // A loaded value must leave the field editable: a digit can still be added.
    edit.setCursorPosition(int(edit.text().size()));
    typeText(&edit, QStringLiteral("9"));
    QCOMPARE(edit.value(), value.size() < 10 ? value + QLatin1Char('9') : value);
}

void TestPictureEdit::digitsRightAligned()
{
    PictureEdit edit;
    QCOMPARE(edit.picture(), Picture::Digits);
    QVERIFY(edit.alignment() & Qt::AlignRight);
}

void TestPictureEdit::monthYearEmpty()
{
    PictureEdit edit(Picture::MonthYear);
    QCOMPARE(edit.value(), QStringLiteral("  /    "));
    QCOMPARE(edit.value(), PictureEdit::emptyMonthYear());
    QVERIFY(edit.isEmpty());
}

void TestPictureEdit::monthYearSetValue_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("value");
    QTest::addRow("mmyyyy") << QStringLiteral("052024") << QStringLiteral("05/2024");
    QTest::addRow("mm/yyyy") << QStringLiteral("12/2024") << QStringLiteral("12/2024");
    QTest::addRow("zeros") << QStringLiteral("000000") << QStringLiteral("00/0000");
    QTest::addRow("one blank") << QStringLiteral(" ") << QStringLiteral("  /    ");
    QTest::addRow("six blanks") << QStringLiteral("      ") << QStringLiteral("  /    ");
    QTest::addRow("blank month keeps the year in place")
        << QStringLiteral("  2024") << QStringLiteral("  /2024");
    QTest::addRow("blank in the month") << QStringLiteral("5 2024") << QStringLiteral("5 /2024");
    QTest::addRow("short text") << QStringLiteral("0520") << QStringLiteral("05/20  ");
    QTest::addRow("letters leave blanks") << QStringLiteral("ab2024") << QStringLiteral("  /2024");
}

void TestPictureEdit::monthYearSetValue()
{
    QFETCH(QString, loaded);
    QFETCH(QString, value);
    PictureEdit edit(Picture::MonthYear);
    edit.setValue(loaded);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.isEmpty(), value == PictureEdit::emptyMonthYear());
}

void TestPictureEdit::monthYearPartEntryFinishesEditing()
{
    // A mask of required positions would hold a part entry as unacceptable and never emit this.
    auto *edit = new PictureEdit(Picture::MonthYear);
    WidgetHarness h(edit);
    QVERIFY(h.ready());
    QSignalSpy finished(edit, &QLineEdit::editingFinished);
    h.tabIn();
    QTest::keyClicks(edit, QStringLiteral("1"));
    h.key(Qt::Key_Tab);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(edit->value(), QStringLiteral("1 /    "));
}

void TestPictureEdit::changingPictureEmpties()
{
    PictureEdit edit(Picture::Digits);
    edit.setValue(QStringLiteral("123"));
    edit.setPicture(Picture::MonthYear);
    QCOMPARE(edit.value(), PictureEdit::emptyMonthYear());
    edit.setValue(QStringLiteral("052024"));
    edit.setPicture(Picture::Digits);
    QCOMPARE(edit.value(), QString());
    typeText(&edit, QStringLiteral("12345678901"));
    QCOMPARE(edit.value(), QStringLiteral("1234567890"));
}

QTEST_MAIN(TestPictureEdit)
#include "tst_pictureedit.moc"
