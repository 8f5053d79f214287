#include "ui/widgets/CodeComboBox.h"

#include "WidgetHarness.h"

#include <QLineEdit>
#include <QTest>

namespace {
QList<QByteArray> tipoPago()
{
    return {QByteArrayLiteral("01 Remuneraci\xF3n del mes"), QByteArrayLiteral("02 Gratificaciones"),
            QByteArrayLiteral("03 Bono Ley Modernizaci\xF3n"),
            QByteArrayLiteral("10 Ca\xF1"
                              "a")};
}
} // namespace

class TestCodeComboBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entriesFromCp1252();
    void noSelectionAfterFilling();
    void addEntriesKeepsNoSelection();
    void loading_data();
    void loading();
    void indexBeyondTheEnd();
    void typingIsNotCompleted();
    void enterDoesNotInsert();
    void typedCharactersAreCp1252();
    void currentBytes();
    void chosenEntryShowsItsStart();
};

void TestCodeComboBox::entriesFromCp1252()
{
    CodeComboBox box;
    box.setEntries(tipoPago());
    QCOMPARE(box.count(), 4);
    QCOMPARE(box.itemText(0), QString::fromUtf8("01 Remuneración del mes"));
    QCOMPARE(box.itemText(3), QString::fromUtf8("10 Caña"));
    QVERIFY(box.isEditable());
    QCOMPARE(box.insertPolicy(), QComboBox::NoInsert);
}

void TestCodeComboBox::noSelectionAfterFilling()
{
    CodeComboBox box;
    box.setEntries(tipoPago());
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(box.currentText(), QString());
    box.setEntries({});
    QCOMPARE(box.count(), 0);
    QCOMPARE(box.currentText(), QString());
}

void TestCodeComboBox::addEntriesKeepsNoSelection()
{
    CodeComboBox box;
    box.addEntries(tipoPago());
    QCOMPARE(box.currentIndex(), -1);
    box.setCurrentIndex(1);
    box.addEntries({QByteArrayLiteral("20 Otro")});
    QCOMPARE(box.currentIndex(), 1);
    QCOMPARE(box.count(), 5);
}

void TestCodeComboBox::loading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("an entry") << QStringLiteral("02 Gratificaciones");
    QTest::addRow("not an entry") << QStringLiteral("7 Escrito a mano");
    QTest::addRow("empty") << QString();
}

void TestCodeComboBox::loading()
{
    QFETCH(QString, text);
    CodeComboBox box;
    box.setEntries(tipoPago());
    box.setCurrentText(QStringLiteral("01 Remuneraci"));
    box.setCurrentText(text);
    QCOMPARE(box.currentText(), text);
    QCOMPARE(box.count(), 4);
}

void TestCodeComboBox::indexBeyondTheEnd()
{
    // The editor's default "sixth entry" on a shorter list leaves the box empty.
    CodeComboBox box;
    box.setEntries(tipoPago());
    box.setCurrentIndex(5);
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(box.currentText(), QString());
    box.setCurrentIndex(3);
    QCOMPARE(box.currentText(), QString::fromUtf8("10 Caña"));
}

void TestCodeComboBox::typingIsNotCompleted()
{
    auto *box = new CodeComboBox;
    box->setEntries(tipoPago());
    WidgetHarness h(box);
    QVERIFY(h.ready());
    h.tabIn();
    QCOMPARE(h.focus(), box);
    QTest::keyClicks(box, QStringLiteral("1"));
    QCOMPARE(box->currentText(), QStringLiteral("1"));
    QTest::keyClicks(box, QStringLiteral("0 c"));
    QCOMPARE(box->currentText(), QStringLiteral("10 c"));
    h.key(Qt::Key_Tab);
    QCOMPARE(h.focus(), h.after);
    QCOMPARE(box->currentText(), QStringLiteral("10 c"));
}

void TestCodeComboBox::enterDoesNotInsert()
{
    auto *box = new CodeComboBox;
    box->setEntries(tipoPago());
    WidgetHarness h(box);
    QVERIFY(h.ready());
    h.tabIn();
    QTest::keyClicks(box, QStringLiteral("7 Nuevo"));
    h.key(Qt::Key_Return);
    QCOMPARE(box->count(), 4);
    QCOMPARE(box->currentText(), QStringLiteral("7 Nuevo"));
}

void TestCodeComboBox::typedCharactersAreCp1252()
{
    CodeComboBox box;
    typeText(box.lineEdit(), QString::fromUtf8("b ñ ł"));
    QCOMPARE(box.currentText(), QString::fromUtf8("b ñ ")); // not upper case: "b" stays "b"
}

void TestCodeComboBox::currentBytes()
{
    CodeComboBox box;
    box.setEntries(tipoPago());
    box.setCurrentIndex(3);
    QCOMPARE(box.currentBytes(), QByteArrayLiteral("10 Ca\xF1"
                                                   "a"));
}

void TestCodeComboBox::chosenEntryShowsItsStart()
{
    CodeComboBox box;
    box.setEntries(tipoPago());
    box.setCurrentText(QString::fromUtf8("03 Bono Ley Modernización"));
    QCOMPARE(box.lineEdit()->cursorPosition(), 0);
    box.setCurrentIndex(1);
    QCOMPARE(box.lineEdit()->cursorPosition(), 0);
}

QTEST_MAIN(TestCodeComboBox)
#include "tst_codecombobox.moc"
