#include "io/SavedFile.h"

#include "util/AppError.h"
#include "util/IoErrorMessage.h"
#include "util/ReplacingFile.h"

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
    // Left without commit, the file leaves the old contents in place when it goes.
    ReplacingFile file(path);
    if (!file.open())
        fail(ioerror::createFailureCause(path, errno));
    write(file.device());
    if (!file.commit())
        fail(errno);
}

} // namespace savedfile
