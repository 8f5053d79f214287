#include "model/RecordTable.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitSeleccionar.h"
#include "ui/widgets/RadioGroup.h"

#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using linelayout::Layout;
using platform::Answer;

namespace {

struct Dialog {
    TFrmSeleccionar window;

    RadioGroup *radioGroup() const { return window.findChild<RadioGroup *>(QStringLiteral("RadioGroup1")); }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QLatin1String(name));
    }
    void accept() { button("BitBtn1")->click(); }
};

} // namespace

class TestUnitSeleccionar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls();
    void reminderCancelled();
    void fileDialogCancelled();
    void goodFileOpensListing_data();
    void goodFileOpensListing();
    void focusBackAfterListingCloses_data();
    void focusBackAfterListingCloses();
    void missingFileOpensEmptyListing();
    void failureShowsErrorBox_data();
    void failureShowsErrorBox();
};

void TestUnitSeleccionar::controls()
{
    Dialog dialog;
    QCOMPARE(dialog.window.windowTitle(), QStringLiteral("Seleccionar Formato"));
    QVERIFY(!(dialog.window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog.window.windowFlags() & Qt::WindowCloseButtonHint);
    RadioGroup *group = dialog.radioGroup();
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("Seleccione el Formato del Archivo"));
    QCOMPARE(group->items(), (QStringList{QStringLiteral("105 Campos por Posición"),
                                          QStringLiteral("105 Campos por Separador")}));
    QCOMPARE(group->itemIndex(), 0);
    QCOMPARE(dialog.window.layout(), Layout::Fixed);
    group->setItemIndex(1);
    QCOMPARE(dialog.window.layout(), Layout::Separated);
    QCOMPARE(dialog.button("BitBtn1")->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(dialog.button("BitBtn2")->text(), QStringLiteral("&Cerrar"));
    // The buttons keep their places under the group, which may grow to fit its items.
    const int top = group->geometry().bottom() + 1 + 15;
    QVERIFY(group->height() >= 65);
    QVERIFY(group->height() >= group->sizeHint().height());
    QCOMPARE(dialog.button("BitBtn1")->geometry(), QRect(32, top, 75, 25));
    QCOMPARE(dialog.button("BitBtn2")->geometry(), QRect(136, top, 75, 25));
    QVERIFY(dialog.button("BitBtn1")->geometry().bottom() < dialog.window.height());
    QVERIFY(!dialog.button("BitBtn1")->autoDefault() && !dialog.button("BitBtn2")->autoDefault());

    // Tab order: the chosen radio button, "&Aceptar", "&Cerrar".
    dialog.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog.window));
    group->button(1)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.button("BitBtn1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.button("BitBtn2"));

    ScriptedPlatform desktop;
    dialog.button("BitBtn2")->click();
    QVERIFY(!dialog.window.isVisible());
    QVERIFY(desktop.messages.isEmpty());
}

void TestUnitSeleccionar::reminderCancelled()
{
    ScriptedPlatform desktop;
    desktop.answers.enqueue(Answer::Cancel);
    Dialog dialog;
    dialog.accept();
    QCOMPARE(desktop.messages.size(), 1);
    const platform::MessageRequest &reminder = desktop.messages.constFirst();
    QCOMPARE(reminder.caption, QStringLiteral("¡Atención!"));
    QCOMPARE(
        reminder.text,
        QStringLiteral("Señor Usuario:\rIndique la ruta donde se encuentra el archivo\renviado a Tarvinel"));
    QCOMPARE(reminder.icon, platform::Icon::Warning);
    QVERIFY(reminder.withCancel);
    QCOMPARE(reminder.defaultAnswer, Answer::Ok);
    QVERIFY(desktop.openRequests.isEmpty());
    QVERIFY(desktop.modalWindows.isEmpty());
}

void TestUnitSeleccionar::fileDialogCancelled()
{
    ScriptedPlatform desktop;
    Dialog dialog;
    dialog.accept(); // the reminder's default answer, OK; no file name queued: Cancel
    QCOMPARE(desktop.openRequests.size(), 1);
    QCOMPARE(desktop.openRequests[0].filter, QStringLiteral("Archivo .txt (*.txt)"));
    QCOMPARE(desktop.openRequests[0].defaultSuffix, QStringLiteral("txt"));
    QVERIFY(desktop.modalWindows.isEmpty());
    QCOMPARE(desktop.messages.size(), 1);
}

void TestUnitSeleccionar::goodFileOpensListing_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("layout");

    QTest::addRow("fixed positions") << 0 << dataFile(QStringLiteral("canonical_fixed_es_CL.txt"))
                                     << int(Layout::Fixed);
    QTest::addRow("separator") << 1 << dataFile(QStringLiteral("canonical_separated_es_CL.txt"))
                               << int(Layout::Separated);
}

void TestUnitSeleccionar::goodFileOpensListing()
{
    QFETCH(int, item);
    QFETCH(QString, file);
    QFETCH(int, layout);

    TestLocale regional("es_CL");
    ScriptedPlatform desktop;
    desktop.fileNames.enqueue(file);
    int rows = -1;
    QByteArray rut;
    Layout listingLayout = Layout::Fixed;
    desktop.onNextModal([&](QDialog &window) {
        auto &listing = static_cast<TFrmTarvinel &>(window);
        rows = listing.RxMem().rowCount();
        rut = listing.RxMem().textAt(2, 1);
        listingLayout = listing.layout();
        QCOMPARE(listing.RxMem().currentRow(), 2); // the grid opens on the last line
        QVERIFY(!listing.RxMem().isDisplaySuspended());
        window.reject();
    });
    Dialog dialog;
    dialog.radioGroup()->setItemIndex(item);
    dialog.accept();
    QCOMPARE(desktop.modalWindows, QStringList{QStringLiteral("TFrmTarvinel")});
    QCOMPARE(rows, 3);
    QCOMPARE(rut, QByteArray("12345680"));
    QCOMPARE(int(listingLayout), layout);
    QVERIFY(!dialog.window.findChild<TFrmTarvinel *>()); // destroyed when it closed
    QCOMPARE(dialog.radioGroup()->itemIndex(), item);
    QCOMPARE(desktop.messages.size(), 1); // the reminder alone
}

void TestUnitSeleccionar::focusBackAfterListingCloses_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addRow("closed without changes") << false;
    QTest::addRow("closed after OK to the question") << true;
}

void TestUnitSeleccionar::focusBackAfterListingCloses()
{
    QFETCH(bool, changed);
    TestLocale regional("es_CL");
    ScriptedPlatform desktop;
    desktop.fileNames.enqueue(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")));
    desktop.answers << Answer::Ok << Answer::Ok; // the reminder, the question about the changes
    desktop.modalLoops = true;
    desktop.onNextModal([&](QDialog &window) {
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (changed)
            static_cast<TFrmTarvinel &>(window).RxMem().deleteRow();
        window.close();
    });
    Dialog dialog;
    dialog.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog.window));
    dialog.button("BitBtn1")->setFocus();
    dialog.accept();
    QCOMPARE(desktop.messages.size(), changed ? 2 : 1);
    QTRY_COMPARE(QApplication::activeWindow(), &dialog.window);
    QCOMPARE(QApplication::focusWidget(), dialog.button("BitBtn1"));
}

void TestUnitSeleccionar::missingFileOpensEmptyListing()
{
    QTemporaryDir dir;
    ScriptedPlatform desktop;
    desktop.fileNames.enqueue(dir.filePath(QStringLiteral("nuevo.txt")));
    int rows = -1;
    desktop.onNextModal([&](QDialog &window) {
        rows = static_cast<TFrmTarvinel &>(window).RxMem().rowCount();
        window.reject();
    });
    Dialog dialog;
    dialog.accept();
    QCOMPARE(desktop.modalWindows, QStringList{QStringLiteral("TFrmTarvinel")});
    QCOMPARE(rows, 0);
}

void TestUnitSeleccionar::failureShowsErrorBox_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");

    QTest::addRow("nacion stop") << 0 << dataFile(QStringLiteral("nacion_letter_line_3.txt"))
                                 << QStringLiteral(
                                        "Invalid value for field 'nacion'.\nLínea 3: el campo 7 trae \"x\".");
    QTest::addRow("a folder") << 0 << QStringLiteral(TEST_DATA_DIR) << QStringLiteral("File access denied.");
}

void TestUnitSeleccionar::failureShowsErrorBox()
{
    QFETCH(int, item);
    QFETCH(QString, file);
    QFETCH(QString, message);

    ScriptedPlatform desktop;
    desktop.fileNames.enqueue(file);
    Dialog dialog;
    dialog.radioGroup()->setItemIndex(item);
    dialog.accept();
    QVERIFY(desktop.modalWindows.isEmpty());
    QCOMPARE(desktop.messages.size(), 2);
    QCOMPARE(desktop.lastMessage(), message);
    QCOMPARE(desktop.messages.constLast().icon, platform::Icon::Error);
    QVERIFY(!dialog.window.findChild<TFrmTarvinel *>());
    QCOMPARE(dialog.radioGroup()->itemIndex(), item);

    // The dialog can load another file at once.
    desktop.fileNames.enqueue(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")));
    desktop.onNextModal([](QDialog &window) { window.reject(); });
    dialog.radioGroup()->setItemIndex(0);
    dialog.accept();
    QCOMPARE(desktop.modalWindows, QStringList{QStringLiteral("TFrmTarvinel")});
}

QTEST_MAIN(TestUnitSeleccionar)
#include "tst_unitseleccionar.moc"
