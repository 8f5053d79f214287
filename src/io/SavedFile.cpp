#include "io/SavedFile.h"

#include "io/IoErrorMessage.h"
#include "util/AppError.h"

#include <QSaveFile>

#include <cerrno>

namespace savedfile {

namespace {

[[noreturn]] void fail(int cause)
{
    throw AppError(ioerror::message(cause != 0 ? cause : EIO));
}

} // namespace

void writeAll(QIODevice &device, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    errno = 0;
    if (device.write(bytes.data(), bytes.size()) != bytes.size())
        fail(errno);
}

void save(const QString &path, const std::function<void(QIODevice &)> &write)
{
    // Left without commit, the file removes its temporary file when it goes.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(ioerror::createFailureCause(path, errno));
    write(file);
    errno = 0;
    if (!file.commit())
        fail(errno);
}

} // namespace savedfile
