#include "engine/save_target.h"

#include "toolkit/file_reason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace {

SaveTargetCheck refusal(FileStep step, int error)
{
    SaveTargetCheck check;
    check.verdict = SaveTargetCheck::Refuse;
    check.reason = fileFailureReason(step, error);
    return check;
}

// Replacing anything but a regular file would swap a folder, a FIFO or a device for a document.
std::optional<SaveTargetCheck> refusedKind(const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return refusal(FileStep::Write, EISDIR);
    if (!S_ISREG(status.st_mode))
        return refusal(FileStep::Write, FileError::NotRegular);
    return std::nullopt;
}

} // namespace

SaveTargetCheck checkSaveTarget(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty() || path.endsWith(u'/'))
        return refusal(FileStep::Name, FileError::NoName);
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return refusal(FileStep::Name, FileError::ControlChar);
    }

    SaveTargetCheck check;
    check.path = path;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status;
    if (::lstat(encoded.constData(), &status) != 0)
        return check; // nothing there: the write itself tells a missing folder
    check.verdict = SaveTargetCheck::Replace;
    if (!S_ISLNK(status.st_mode)) {
        if (const auto refused = refusedKind(status))
            return *refused;
        return check;
    }

    // A link: followed only to a regular file in the folder the user chose.
    const QString real = info.canonicalFilePath();
    if (real.isEmpty() || ::stat(encoded.constData(), &status) != 0)
        return refusal(FileStep::FollowLink, ENOENT);
    if (QFileInfo(real).absolutePath() != QDir(info.absolutePath()).canonicalPath())
        return refusal(FileStep::FollowLink, FileError::LinkOutside);
    if (const auto refused = refusedKind(status))
        return *refused;
    check.link = path;
    check.path = real;
    return check;
}
