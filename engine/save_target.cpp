#include "engine/save_target.h"

#include "toolkit/file_reason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Replacing anything but a regular file would swap a folder, a FIFO or a device for a document.
int kindError(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return EISDIR;
    return S_ISREG(status.st_mode) ? 0 : FileError::NotRegular;
}

} // namespace

Result<SaveTarget> checkSaveTarget(const QString &path)
{
    const auto refused = [&path](FileStep step, int error) {
        return fileFailure(FileAction::Save, path, step, error);
    };
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty() || path.endsWith(u'/'))
        return refused(FileStep::Name, FileError::NoName);
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return refused(FileStep::Name, FileError::ControlChar);
    }

    SaveTarget target;
    target.path = path;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status;
    if (::lstat(encoded.constData(), &status) != 0)
        return target; // nothing there: the write itself tells a missing folder
    target.replaces = true;
    if (!S_ISLNK(status.st_mode)) {
        if (const int error = kindError(status))
            return refused(FileStep::Write, error);
        return target;
    }

    // A link: followed only to a regular file in the folder the user chose.
    const QString real = info.canonicalFilePath();
    if (real.isEmpty() || ::stat(encoded.constData(), &status) != 0)
        return refused(FileStep::FollowLink, ENOENT);
    if (QFileInfo(real).absolutePath() != QDir(info.absolutePath()).canonicalPath())
        return refused(FileStep::FollowLink, FileError::LinkOutside);
    if (const int error = kindError(status))
        return refused(FileStep::Write, error);
    target.link = path;
    target.path = real;
    return target;
}
