#include "platform/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes every byte, however the system splits the write; false with errno set otherwise.
bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// A new file beside `target`, named after it with a random ending; -1 with errno set when none
// can be made.
int createBeside(const QByteArray& target, QByteArray* name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool replaceWholeFile(const QString& path, const QByteArray& contents, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };

    QString targetPath = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString pointed = info.symLinkTarget();
        if (!pointed.isEmpty())
            targetPath = pointed;
    }
    const QByteArray target = QFile::encodeName(targetPath);

    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return fail(systemReason(EISDIR));
    // A file that may not be written is not replaced either.
    if (existed && ::access(target.constData(), W_OK) != 0)
        return fail(systemReason(errno));

    QByteArray temporary;
    const int fd = createBeside(target, &temporary);
    if (fd < 0)
        return fail(systemReason(errno));

    int error = 0;
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    // A full disk or a write limit may show only at the write, at the flush or at the close.
    if (!error && !writeAll(fd, contents.constData(), contents.size()))
        error = errno;
    if (!error && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        error = errno;
    if (::close(fd) != 0 && !error && errno != EINTR)
        error = errno;
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return fail(systemReason(error));
    }

    // So that the new name survives a power cut too; the file is in place whatever this says.
    const QByteArray folder = QFile::encodeName(QFileInfo(targetPath).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

} // namespace platform
