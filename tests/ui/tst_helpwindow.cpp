#include "app/UnitPrincipal.h"
#include "model/FieldCatalogue.h"
#include "model/LineLayout.h"
#include "ui/CodeMenu.h"
#include "ui/HelpWindow.h"
#include "ui/UnitDespTarvinel.h"
#include "util/ProgramInfo.h"

#include "ScriptedPlatform.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

namespace {

QString shippedHelp()
{
    QFile file(QStringLiteral(SHIPPED_HELP_FILE));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList anchorNames(const QTextDocument &document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names += it.fragment().charFormat().anchorNames();
    }
    return names;
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listingShowsTheContentsPage();
    void missingFileIsNamed();
    void fieldReferenceMatchesTheFieldTable();
    void codeWidthsMatchTheMenu();
};

void TestHelpWindow::listingShowsTheContentsPage()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(QStringLiteral(SHIPPED_HELP_FILE), folder.filePath(QStringLiteral("AYUDA.HLP"))));
    programinfo::setProgramFolder(folder.path());
    ScriptedPlatform platform;
    TFrmTarvinel listing(linelayout::Layout::Fixed);
    QStringList brokenLinks;
    bool wentBack = false;
    bool closedByEscape = false;
    platform.onNextModal([&](QDialog &window) {
        QTextBrowser *browser = static_cast<HelpWindow &>(window).browser();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Contenido")));
        const QStringList anchors = anchorNames(*browser->document());
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        for (const QRegularExpressionMatch &m : link.globalMatch(shippedHelp())) {
            if (!anchors.contains(m.captured(1)))
                brokenLinks.append(m.captured(1));
        }
        browser->setSource(QUrl(QStringLiteral("#campos")));
        window.findChild<QPushButton *>(QStringLiteral("Atras"))->click();
        wentBack = browser->source().fragment().isEmpty() && browser->isForwardAvailable();
        QTest::keyClick(browser, Qt::Key_Escape);
        closedByEscape = !window.isVisible();
    });
    listing.findChild<QToolButton *>(QStringLiteral("SpeedButton8"))->click();
    programinfo::setProgramFolder(QString());
    QCOMPARE(platform.modalWindows, QStringList(QStringLiteral("HelpWindow")));
    QCOMPARE(brokenLinks, QStringList());
    QVERIFY(wentBack);
    QVERIFY(closedByEscape);
    QVERIFY(platform.messages.isEmpty());
}

void TestHelpWindow::missingFileIsNamed()
{
    QTemporaryDir folder;
    programinfo::setProgramFolder(folder.path());
    ScriptedPlatform platform;
    // Start-up does not look for the file; F1 in the main window does.
    TFrmPrincipal window;
    QVERIFY(platform.messages.isEmpty());
    QTest::keyClick(&window, Qt::Key_F1);
    programinfo::setProgramFolder(QString());
    QCOMPARE(platform.modalWindows, QStringList());
    QCOMPARE(platform.lastMessage(),
             QStringLiteral("No se encontró el archivo de ayuda %1")
                 .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("AYUDA.HLP")))));
}

void TestHelpWindow::fieldReferenceMatchesTheFieldTable()
{
    const QRegularExpression row(
        QStringLiteral("<tr><td>(\\d+)</td><td>([^<]*)</td><td><code>(\\w+)</code></td>"
                       "<td>(\\d+)</td><td>(\\d+)</td><td>(\\d+)</td>"));
    int number = 0;
    for (const QRegularExpressionMatch &m : row.globalMatch(shippedHelp())) {
        ++number;
        const FieldDef &field = catalogue::field(number);
        const LineField &fixed = field.line;
        QCOMPARE(m.captured(1).toInt(), number);
        QCOMPARE(QStringLiteral("[%1] %2").arg(number).arg(m.captured(2)),
                 catalogue::caption(number).toString());
        QCOMPARE(m.captured(3), QString::fromLatin1(field.name));
        QCOMPARE(m.captured(4).toInt(), fixed.width);
        QCOMPARE(m.captured(5).toInt(), fixed.start);
        QCOMPARE(m.captured(6).toInt(), fixed.start + fixed.width - 1);
    }
    QCOMPARE(number, catalogue::kLineFieldCount);
}

void TestHelpWindow::codeWidthsMatchTheMenu()
{
    const QString help = shippedHelp();
    for (int item = 0; item < codemenu::kCount; ++item) {
        const QString text = QString::fromUtf16(codemenu::item(item).text).remove(QLatin1Char('&'));
        const int width = codesections::width(codemenu::item(item).table);
        QVERIFY2(help.contains(QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(text).arg(width)),
                 qPrintable(QStringLiteral("data/AYUDA.HLP gives another code width for ") + text));
    }
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
