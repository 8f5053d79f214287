#pragma once

#include <QString>

// The user's text for a failed file operation, chosen by its cause as the operating system reports
// it (errno). Shared by everything that reads or writes a file the user picked.
namespace ioerror {

// ENOENT, ENOTDIR, ENAMETOOLONG (a folder of the path missing): "Invalid filename";
// EACCES, EPERM, EROFS, EISDIR (no permission, read-only, a folder): "File access denied";
// EMFILE, ENFILE: "Too many open files"; ETXTBSY, EBUSY (held by another program): "I/O error 32";
// ENOSPC, EDQUOT (disk full): "I/O error 112"; any other code: "I/O error <code>".
// Creating a file fails with ENOENT only when a folder is missing, hence "Invalid filename".
QString message(int osError);

// The cause of a failure to create the file at `path`: QSaveFile refuses some targets itself, before
// the system is asked, and leaves errno without the cause then; this names the cause the system
// would give (EISDIR, EACCES, ENOENT, ENOTDIR), or answers `reported`.
int createFailureCause(const QString &path, int reported);

} // namespace ioerror
