// A user's whole way through the program: main window, format dialog, reader, listing, writer.

#include "app/UnitPrincipal.h"
#include "model/RecordTable.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitSeleccionar.h"
#include "ui/widgets/RadioGroup.h"
#include "util/ProgramInfo.h"

#include "Controls.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TestEditArchivo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readAndWriteBack_data();
    void readAndWriteBack();

private:
    QTemporaryDir m_folder;
};

void TestEditArchivo::initTestCase()
{
    QVERIFY(m_folder.isValid());
    programinfo::setProgramFolder(m_folder.path());
    qApp->setQuitOnLastWindowClosed(false);
}

void TestEditArchivo::readAndWriteBack_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("locale");

    for (const char *locale : {"es_CL", "en_US"}) {
        QTest::addRow("posición %s", locale)
            << 0 << QStringLiteral(TEST_DATA_DIR "/canonical_fixed_%1.txt").arg(QLatin1String(locale))
            << QByteArray(locale);
        QTest::addRow("separador %s", locale)
            << 1 << QStringLiteral(TEST_DATA_DIR "/canonical_separated_%1.txt").arg(QLatin1String(locale))
            << QByteArray(locale);
    }
}

// "&Editar Archivo", the layout, "&Aceptar", OK on the reminder, the file; in the listing
// "Crear &Arch." with a new name, then close the listing and "&Cerrar" the dialog: the new file
// holds the very bytes of the file read.
void TestEditArchivo::readAndWriteBack()
{
    QFETCH(int, item);
    QFETCH(QString, file);
    QFETCH(QByteArray, locale);

    TestLocale regional(locale.constData());
    const QString written =
        m_folder.filePath(QStringLiteral("Tarvinel-%1.txt").arg(QString::fromUtf8(QTest::currentDataTag())));
    ScriptedPlatform desktop;
    desktop.fileNames.enqueue(file);    // the open dialog
    desktop.fileNames.enqueue(written); // the save dialog
    int rows = -1;

    desktop.onNextModal([&](QDialog &format) {
        QCOMPARE(format.metaObject()->className(), "TFrmSeleccionar");
        control<RadioGroup>(format, "RadioGroup1")->setItemIndex(item);
        desktop.onNextModal([&](QDialog &listing) {
            rows = static_cast<TFrmTarvinel &>(listing).RxMem().rowCount();
            control<QToolButton>(listing, "SpeedButton1")->click();
            listing.reject(); // nothing changed since the file was written: no question
        });
        control<QPushButton>(format, "BitBtn1")->click();
        control<QPushButton>(format, "BitBtn2")->click();
    });

    TFrmPrincipal main;
    main.show();
    control<QPushButton>(main, "BitBtn1")->click();

    QCOMPARE(desktop.modalWindows,
             (QStringList{QStringLiteral("TFrmSeleccionar"), QStringLiteral("TFrmTarvinel")}));
    QCOMPARE(desktop.unexpectedModals, 0);
    QCOMPARE(desktop.pendingModalHandlers(), 0);
    QCOMPARE(desktop.messages.size(), 1); // the reminder; no error box, no close question
    QCOMPARE(desktop.saveRequests.size(), 1);
    QCOMPARE(rows, 3);
    const QByteArray input = fileBytes(file);
    QCOMPARE(fileBytes(written), input);
    QVERIFY(input.contains('\xD1'));
}

QTEST_MAIN(TestEditArchivo)
#include "tst_editarchivo.moc"
