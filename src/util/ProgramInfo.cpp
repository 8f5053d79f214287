#include "util/ProgramInfo.h"

#include <QCoreApplication>
#include <QDir>

namespace programinfo {

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString title()
{
    return QStringLiteral("Texmendo");
}

QString versionText()
{
    return QStringLiteral("2.0");
}

QString programFolder()
{
    QString folder = folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString codeTableFilePath()
{
    return programFolder() + QStringLiteral("Tarvinel.cfg");
}

QString helpFilePath()
{
    return programFolder() + QStringLiteral("AYUDA.HLP");
}

} // namespace programinfo
