#pragma once
// Files that the program rewrites whole (the score files, the language file).

#include <QByteArray>
#include <QString>

namespace platform {

// Puts `contents` in place of the file at `path`. The new contents are written to a new file
// beside it, every byte checked, flushed to the disk and closed; only then does that file take
// the old one's name. On any failure (a full disk, a write limit, a folder that cannot be
// written, a folder in the file's place, a file that may not be written) the old file stays byte for byte, no new file is left
// behind, and the result is false with the system's reason in *reason.
//
// A file reached through a symbolic link is replaced where the link points; an existing file
// keeps its permissions.
bool replaceWholeFile(const QString& path, const QByteArray& contents, QString* reason);

} // namespace platform
