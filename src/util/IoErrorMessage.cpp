#include "util/IoErrorMessage.h"

#include <QFileInfo>

#include <cerrno>

namespace ioerror {

QString message(int osError)
{
    switch (osError) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return QStringLiteral("Invalid filename");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return QStringLiteral("File access denied");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
#ifdef ETXTBSY
    case ETXTBSY:
#endif
    case EBUSY:
        // The codes Windows gives for a sharing violation and a full disk, which users and the
        // service's help desk know.
        return QStringLiteral("I/O error 32");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("I/O error 112");
    default:
        return QStringLiteral("I/O error %1").arg(osError);
    }
}

int createFailureCause(const QString &path, int reported)
{
    const QFileInfo target(path);
    if (target.isDir())
        return EISDIR;
    if (target.exists() && !target.isWritable())
        return EACCES;
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return ENOENT;
    if (!folder.isDir())
        return ENOTDIR;
    return reported;
}

} // namespace ioerror
