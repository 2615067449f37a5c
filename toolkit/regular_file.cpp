#include "toolkit/regular_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

static int kindError(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return EISDIR;
    return S_ISREG(status.st_mode) ? 0 : FileError::NotRegular;
}

Contents read(const QString &path, qint64 maxSize)
{
    Contents contents;
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    // Opening some devices has effects of its own: don't open what already looks wrong.
    if (::stat(name.constData(), &status) != 0) {
        contents.error = errno;
        if (errno == ENOENT && ::lstat(name.constData(), &status) == 0 && S_ISLNK(status.st_mode))
            contents.step = FileStep::FollowLink;
        return contents;
    }
    if ((contents.error = kindError(status)))
        return contents;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        contents.error = errno;
        return contents;
    }
    if (::fstat(fd, &status) != 0)
        contents.error = errno;
    else if (!(contents.error = kindError(status)) && status.st_size > maxSize)
        contents.error = FileError::TooBig;
    if (!contents.error) {
        // The file may grow while it is read: read no more than one byte past the limit.
        contents.bytes.resize(qsizetype(status.st_size));
        qsizetype done = 0;
        for (;;) {
            if (done == contents.bytes.size())
                contents.bytes.resize(qMin<qint64>(maxSize + 1, done + 4096));
            if (done == contents.bytes.size())
                break;
            const ssize_t got =
                ::read(fd, contents.bytes.data() + done, size_t(contents.bytes.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                contents.error = errno;
                break;
            }
            if (got == 0)
                break;
            done += got;
        }
        contents.bytes.truncate(done);
        if (!contents.error && done > maxSize)
            contents.error = FileError::TooBig;
    }
    ::close(fd);
    if (contents.error)
        contents.bytes.clear();
    return contents;
}

} // namespace RegularFile
