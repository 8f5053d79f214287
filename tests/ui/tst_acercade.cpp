#include "app/UnitPrincipal.h"
#include "ui/UnitAcercade.h"
#include "util/WebAddresses.h"

#include "ScriptedPlatform.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

class TestAcercade : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void f12NamesTheAuthorEachTime();
    void siteButton_data();
    void siteButton();
    void mainWindowOpensIt();
};

void TestAcercade::f12NamesTheAuthorEachTime()
{
    ScriptedPlatform platform;
    TFrmAcercade about;
    about.show();
    QTest::keyClick(about.findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::Key_F12);
    QTest::keyClick(about.findChild<QToolButton *>(QStringLiteral("SpeedButton1")), Qt::Key_F12);
    QTest::keyClick(&about, Qt::Key_F11);
    const QString text = QStringLiteral("Programa creado por Orvandel\n         Analista de Sistemas");
    QCOMPARE(platform.messages.size(), 2);
    QCOMPARE(platform.messages.at(0).text, text);
    QCOMPARE(platform.messages.at(1).text, text);
    QVERIFY(about.isVisible());
}

void TestAcercade::siteButton_data()
{
    QTest::addColumn<bool>("browserStarts");
    QTest::addColumn<QStringList>("messages");
    QTest::addRow("browser") << true << QStringList();
    QTest::addRow("no browser") << false << QStringList(QStringLiteral("No tiene acceso a internet"));
}

void TestAcercade::siteButton()
{
    QFETCH(bool, browserStarts);
    QFETCH(QStringList, messages);
    ScriptedPlatform platform;
    platform.urlResult = browserStarts;
    TFrmAcercade about;
    about.show();
    about.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(platform.openedUrls, QList<QUrl>({QUrl(webaddresses::maker())}));
    QStringList shown;
    for (const platform::MessageRequest &m : std::as_const(platform.messages))
        shown.append(m.text);
    QCOMPARE(shown, messages);
    QVERIFY(about.isVisible());
    about.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    QVERIFY(!about.isVisible());
}

void TestAcercade::mainWindowOpensIt()
{
    ScriptedPlatform platform;
    platform.onNextModal([](QDialog &) {});
    TFrmPrincipal window;
    QPushButton *button = window.findChild<QPushButton *>(QStringLiteral("BitBtn2"));
    QVERIFY(!button->isVisible());
    button->click();
    QCOMPARE(platform.modalWindows, QStringList(QStringLiteral("TFrmAcercade")));
}

QTEST_MAIN(TestAcercade)
#include "tst_acercade.moc"
