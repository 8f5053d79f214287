#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

// Writing a file the user named without ever destroying the file it replaces.
namespace savedfile {

// Writes all of `bytes` to `device`; a short or failed write raises AppError with the message for
// the cause the device left in errno (EIO when it left none).
void writeAll(QIODevice &device, QByteArrayView bytes);

// Runs `write` on a ReplacingFile for `path` (unbuffered, so that each write goes straight to the
// system and errno holds its failure), which takes the target's place only when `write` returns.
// When opening, `write` or the replacement fails, the target keeps its old contents, no temporary
// file is left, and AppError carries the message for the cause ("Invalid filename", "File access
// denied", "I/O error 112"...).
void save(const QString &path, const std::function<void(QIODevice &)> &write);

} // namespace savedfile
