#include "model/RecordTable.h"
#include "platform/ActionGuard.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/export/GenExport.h"
#include "ui/export/un_progress.h"
#include "util/IoErrorMessage.h"
#include "util/ProgramInfo.h"

#include "FileSizeLimit.h"
#include "NumberedRows.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cerrno>

using platform::Icon;

namespace {

const QByteArray kStartOfFile = QByteArray::fromHex("0900040000001000");

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool progressWindowOpen()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Tf_progreso *>(window))
            return true;
    }
    return false;
}

enum class Target { None, InFolder, MissingFolder };

} // namespace

class TestGenExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outcome_data();
    void outcome();
    void failedWriteKeepsOldFile();
    void titlesServeOneExport();
    void progressCountEndsAtTotal();
    void listingButton();
};

void TestGenExport::outcome_data()
{
    QTest::addColumn<int>("lines"); // -1: the table is not open
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<bool>("yesButton");
    QTest::addColumn<QString>("text"); // empty: no box; "@" stands for the path
    QTest::addColumn<bool>("created");

    const QString info = QStringLiteral("Information");
    QTest::addRow("table not open") << -1 << Target::InFolder << info << Icon::Information << false
                                    << QStringLiteral("El origen de los datos no esta activo") << false;
    QTest::addRow("no destination") << 3 << Target::None << info << Icon::Information << false
                                    << QStringLiteral("No indico el fichero de destino\r\nde los datos")
                                    << false;
    QTest::addRow("empty table") << 0 << Target::InFolder << info << Icon::Information << true
                                 << QStringLiteral("El origen de los datos no contiene información") << false;
    QTest::addRow("65001 lines") << 65001 << Target::InFolder << info << Icon::Information << false
                                 << QStringLiteral("El número de registros del origen en superior a \r\n"
                                                   "la capacidad de filas soportadas por excel")
                                 << false;
    QTest::addRow("folder missing") << 3 << Target::MissingFolder << QStringLiteral("Error") << Icon::Error
                                    << false << QStringLiteral("No se pudo crear el\r\nfichero EXCEL @")
                                    << false;
    QTest::addRow("65000 lines") << 65000 << Target::InFolder << QString() << Icon::None << false << QString()
                                 << true;
}

void TestGenExport::outcome()
{
    QFETCH(int, lines);
    QFETCH(Target, target);
    QFETCH(QString, caption);
    QFETCH(Icon, icon);
    QFETCH(bool, yesButton);
    QFETCH(QString, text);
    QFETCH(bool, created);

    QTemporaryDir dir;
    RecordTable table;
    if (lines >= 0) {
        fillNumberedRows(table, lines);
        table.moveTo(lines - 1);
    }
    ScriptedPlatform platform;
    TGenExport exporter(nullptr);
    if (target == Target::InFolder)
        exporter.Destino = dir.filePath(QStringLiteral("Archivo Tarvinel.xls"));
    else if (target == Target::MissingFolder)
        exporter.Destino = dir.filePath(QStringLiteral("missing/Archivo Tarvinel.xls"));
    QVERIFY(guarded(nullptr, [&] { exporter.Exportar(table); }));

    if (text.isEmpty()) {
        QCOMPARE(platform.messages.size(), 0);
    } else {
        QCOMPARE(platform.messages.size(), 1);
        const platform::MessageRequest &box = platform.messages.constFirst();
        QCOMPARE(box.text, QString(text).replace(QLatin1Char('@'), exporter.Destino));
        QCOMPARE(box.caption, caption);
        QCOMPARE(box.icon, icon);
        QCOMPARE(box.yesButton, yesButton);
        QCOMPARE(box.withCancel, false);
    }
    QCOMPARE(entries(dir.path()).size(), created ? 1 : 0);
    if (created)
        QVERIFY(fileBytes(exporter.Destino).startsWith(kStartOfFile));
    QVERIFY(!progressWindowOpen());
    QVERIFY(!table.isDisplaySuspended());
    if (lines > 0)
        QCOMPARE(table.currentRow(), target == Target::None ? lines - 1 : 0);
}

void TestGenExport::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    RecordTable table;
    fillNumberedRows(table, 5000);
    ScriptedPlatform platform;
    TGenExport exporter(nullptr);
    exporter.Destino = dir.filePath(QStringLiteral("Archivo Tarvinel.xls"));
    QVERIFY(writeFileBytes(exporter.Destino, "old"));
    {
        FileSizeLimit limit(100000);
        if (!limit.isActive())
            QSKIP("the file size limit cannot be set here");
        QVERIFY(!guarded(nullptr, [&] { exporter.Exportar(table); }));
    }
    QCOMPARE(platform.lastMessage(), ioerror::message(EFBIG) + QLatin1Char('.'));
    QCOMPARE(platform.messages.constLast().caption, programinfo::title());
    QCOMPARE(fileBytes(exporter.Destino), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("Archivo Tarvinel.xls")});
    QVERIFY(!progressWindowOpen());
    QCOMPARE(table.currentRow(), 0);
}

void TestGenExport::titlesServeOneExport()
{
    QTemporaryDir dir;
    RecordTable table;
    fillNumberedRows(table, 1);
    ScriptedPlatform platform;
    TGenExport exporter(nullptr);
    exporter.Destino = dir.filePath(QStringLiteral("a.xls"));
    exporter.Titulos = QStringList{QStringLiteral("Año")};
    exporter.TitulosAsignados = true;
    exporter.Exportar(table);
    QCOMPARE(fileBytes(exporter.Destino).mid(20, 15).toHex(' '),
             QByteArray::fromHex("04000B00 0000 0000 000000 03 41F16F").toHex(' '));
    QVERIFY(exporter.Titulos.isEmpty());
    QVERIFY(!exporter.TitulosAsignados);

    exporter.Exportar(table);
    QCOMPARE(fileBytes(exporter.Destino).mid(20, 17).toHex(' '),
             QByteArray::fromHex("04000D00 0000 0000 000000 05 4C696E6561").toHex(' ')); // "Linea"
}

void TestGenExport::progressCountEndsAtTotal()
{
    Tf_progreso progress;
    progress.setTotal(5);
    progress.showCentred();
    for (int written = 1; written <= 5; ++written)
        progress.setWritten(written);
    QCOMPARE(progress.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("5"));
    QCOMPARE(progress.findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("/5"));
    QCOMPARE(progress.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->value(), 5);
}

void TestGenExport::listingButton()
{
    QTemporaryDir dir;
    ScriptedPlatform platform;
    TFrmTarvinel window(linelayout::Layout::Fixed);
    fillNumberedRows(window.RxMem(), 3);
    window.show();
    auto *excel = window.findChild<QToolButton *>(QStringLiteral("SpeedButton5"));
    const QString first = dir.filePath(QStringLiteral("first.xls"));
    const QString second = dir.filePath(QStringLiteral("second.xls"));
    platform.fileNames << QString() << first << second;

    for (int use = 0; use < 3; ++use)
        excel->click();

    QCOMPARE(platform.saveRequests.size(), 3);
    for (const platform::FileRequest &request : std::as_const(platform.saveRequests)) {
        QCOMPARE(request.fileName, QStringLiteral("Archivo Tarvinel"));
        QCOMPARE(request.filter, QStringLiteral("Archivo Excel (*.xls)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("xls"));
    }
    QCOMPARE(entries(dir.path()), (QStringList{QStringLiteral("first.xls"), QStringLiteral("second.xls")}));
    QCOMPARE(fileBytes(first), fileBytes(second));
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(window.RxMem().currentRow(), 0);
}

QTEST_MAIN(TestGenExport)
#include "tst_genexport.moc"
