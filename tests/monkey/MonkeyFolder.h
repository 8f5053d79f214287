#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The files of one run of the monkey, in a temporary folder of its own: the program folder with a
// fresh copy of the test code tables, and a copy of every declaration file of the tests to open,
// overwrite and open again.
class MonkeyFolder {
public:
    MonkeyFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString codeTablePath() const;
    // The declaration files copied in, each a path in the folder.
    const QStringList &declarationFiles() const { return m_declarationFiles; }
    // A path in the folder that no file has yet, ending in `suffix`.
    QString newPath(const QString &suffix);
    // A path whose folder does not exist, so that writing there fails.
    QString unreachablePath(const QString &suffix) const;

private:
    static QString folderTemplate();

    QTemporaryDir m_dir{folderTemplate()};
    QStringList m_declarationFiles;
    int m_newPaths = 0;
};
