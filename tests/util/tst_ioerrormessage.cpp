#include "util/IoErrorMessage.h"

#include <QTest>

#include <cerrno>

class TestIoErrorMessage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void message_data();
    void message();
};

void TestIoErrorMessage::message_data()
{
    QTest::addColumn<int>("osError");
    QTest::addColumn<QString>("text");

    QTest::addRow("folder of the path missing") << ENOENT << QStringLiteral("Invalid filename");
    QTest::addRow("path under a file") << ENOTDIR << QStringLiteral("Invalid filename");
    QTest::addRow("name too long") << ENAMETOOLONG << QStringLiteral("Invalid filename");
    QTest::addRow("no permission") << EACCES << QStringLiteral("File access denied");
    QTest::addRow("not permitted") << EPERM << QStringLiteral("File access denied");
    QTest::addRow("read-only file system") << EROFS << QStringLiteral("File access denied");
    QTest::addRow("a folder") << EISDIR << QStringLiteral("File access denied");
    QTest::addRow("too many open files") << EMFILE << QStringLiteral("Too many open files");
    QTest::addRow("too many open files in the system") << ENFILE << QStringLiteral("Too many open files");
    QTest::addRow("held by another program") << ETXTBSY << QStringLiteral("I/O error 32");
    QTest::addRow("busy") << EBUSY << QStringLiteral("I/O error 32");
    QTest::addRow("disk full") << ENOSPC << QStringLiteral("I/O error 112");
    QTest::addRow("quota exceeded") << EDQUOT << QStringLiteral("I/O error 112");
    QTest::addRow("other: device error") << EIO << QStringLiteral("I/O error %1").arg(EIO);
    QTest::addRow("other: file too large") << EFBIG << QStringLiteral("I/O error %1").arg(EFBIG);
}

void TestIoErrorMessage::message()
{
    QFETCH(int, osError);
    QFETCH(QString, text);
    QCOMPARE(ioerror::message(osError), text);
}

QTEST_GUILESS_MAIN(TestIoErrorMessage)
#include "tst_ioerrormessage.moc"
