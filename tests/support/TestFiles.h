#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Files of the tests. TEST_DATA_DIR is the running test's own `data` folder and TEST_SUPPORT_DATA_DIR
// the one shared by all tests; both are set by texmendo_test() in tests/CMakeLists.txt.

// The path of `name` in the test's own data folder.
inline QString dataFile(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// The committed code tables of the tests: every section of Tarvinel.cfg with a few entries.
inline QString testCodeTablePath()
{
    return QStringLiteral(TEST_SUPPORT_DATA_DIR "/Tarvinel.cfg");
}

// Every byte of the file; a file that cannot be read gives a text no file of the tests holds, so
// that a comparison fails and names the path.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable: " + path.toUtf8() + '>';
    return file.readAll();
}

// Writes `bytes` as the whole file; false when not all of them were written.
inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Puts the committed test code tables into `folder` as Tarvinel.cfg, where the program looks for them
// once programinfo::setProgramFolder(folder) has been called.
inline bool installTestCodeTable(const QString &folder)
{
    return writeFileBytes(QDir(folder).filePath(QStringLiteral("Tarvinel.cfg")),
                          fileBytes(testCodeTablePath()));
}
