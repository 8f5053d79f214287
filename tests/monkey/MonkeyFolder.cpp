#include "MonkeyFolder.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString MonkeyFolder::folderTemplate()
{
    // Thousands of runs each copy and remove a few dozen files: in memory where the system offers it.
    const QString memory = QStringLiteral("/dev/shm");
    const QString folder = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    return folder + QStringLiteral("/texmendo-monkey-XXXXXX");
}

MonkeyFolder::MonkeyFolder()
{
    if (!m_dir.isValid() || !installTestCodeTable(m_dir.path()))
        return;
    const QDir folder(m_dir.path());
    for (const char *source : {MONKEY_DECLARATION_DIRS}) {
        const QDir dir(QString::fromUtf8(source));
        for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            // Both folders hold canonical files of the same name; the second copy keeps its folder's name.
            QString name = file.fileName();
            if (folder.exists(name))
                name = dir.dirName() + QLatin1Char('-') + name;
            const QString copy = folder.filePath(name);
            if (QFile::copy(file.filePath(), copy)) {
                QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
                m_declarationFiles << copy;
            }
        }
    }
}

QString MonkeyFolder::codeTablePath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Tarvinel.cfg"));
}

QString MonkeyFolder::newPath(const QString &suffix)
{
    return QDir(m_dir.path()).filePath(QStringLiteral("new-%1.%2").arg(++m_newPaths).arg(suffix));
}

QString MonkeyFolder::unreachablePath(const QString &suffix) const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("missing/out.") + suffix);
}
