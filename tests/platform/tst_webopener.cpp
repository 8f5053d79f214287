#include "platform/QtPlatform.h"
#include "platform/WebOpener.h"

#include "TestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QUrl kAddress(QStringLiteral("https://www.example.cl/a b?x=1"));

// A fake xdg-open in `dir` that notes the address it was given and then runs `body`.
QString writeOpener(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath(QStringLiteral("xdg-open"));
    const QByteArray script = "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/address\"\n" + body + "\n";
    if (!writeFileBytes(path, script)
        || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return {};
    return path;
}

} // namespace

class TestWebOpener : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersTheOpenersStatus_data();
    void answersTheOpenersStatus();
    void slowOpenerCountsAsOpened();
    void openerThatCannotStart();
};

void TestWebOpener::answersTheOpenersStatus_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("opened");
    QTest::addRow("opened") << QByteArray("exit 0") << true;
    QTest::addRow("no browser") << QByteArray("exit 3") << false;
    QTest::addRow("killed") << QByteArray("kill -9 $$") << false;
}

// The real platform runs the xdg-open it finds on the PATH.
void TestWebOpener::answersTheOpenersStatus()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, opened);
    QTemporaryDir dir;
    QVERIFY(!writeOpener(dir, body).isEmpty());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
    const bool answer = platform::QtPlatform().openUrl(kAddress);
    qputenv("PATH", path);
    QCOMPARE(answer, opened);
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("address"))), kAddress.toEncoded());
}

void TestWebOpener::slowOpenerCountsAsOpened()
{
    QTemporaryDir dir;
    const QString opener = writeOpener(dir, "exec >/dev/null 2>&1\nsleep 5\nexit 3");
    QVERIFY(!opener.isEmpty());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(platform::openWithOpener(opener, kAddress, 200ms));
    QVERIFY(timer.elapsed() < 2000);
}

void TestWebOpener::openerThatCannotStart()
{
    QTemporaryDir dir;
    QVERIFY(!platform::openWithOpener(dir.filePath(QStringLiteral("missing")), kAddress, 5s));
}

QTEST_GUILESS_MAIN(TestWebOpener)
#include "tst_webopener.moc"
