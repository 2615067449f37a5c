#include "engine/user_file.h"

#include "engine/program_layout.h"
#include "toolkit/file_reason.h"
#include "toolkit/regular_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace {

bool isLink(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

// Makes the folder and its parents; returns errno of the step that failed, or 0.
int makeFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    struct stat status;
    if (::stat(name.constData(), &status) == 0)
        return S_ISDIR(status.st_mode) ? 0 : EEXIST;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder) {
        if (const int error = makeFolder(parent))
            return error;
    }
    if (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST)
        return 0;
    return errno;
}

bool isInside(const QString &path, const QString &folder)
{
    // A folder that does not exist has no canonical path, and "/" would take in every path.
    const QString canonical = folder.isEmpty() ? QString() : QDir(folder).canonicalPath();
    return !canonical.isEmpty() && path.startsWith(canonical + u'/');
}

QString keepAsideAt(const QString &path)
{
    const QString base = path + QLatin1String(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    for (int attempt = 1; attempt < 100; ++attempt) {
        const QString aside =
            attempt == 1 ? base : base + QLatin1String("-") + QString::number(attempt);
        struct stat status;
        if (::lstat(QFile::encodeName(aside).constData(), &status) == 0)
            continue;
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) ==
            0)
            return aside;
        return QString();
    }
    return QString();
}

int writeError(const QString &path)
{
    if (errno != 0)
        return errno;
    return QFileInfo(QFileInfo(path).path()).isWritable() ? 0 : EACCES;
}

} // namespace

UserFile::UserFile(QString path, Check isSound, qint64 maxSize)
    : m_path(std::move(path)), m_isSound(std::move(isSound)), m_maxSize(maxSize)
{
}

Result<UserFile::Content> UserFile::read() const
{
    RegularFile::Contents read = RegularFile::read(m_path, m_maxSize);
    // A file in the place of a folder on the way means there is no such file either.
    if ((read.error == ENOENT || read.error == ENOTDIR) && read.step == FileStep::Read)
        return Content();
    if (read.error)
        return fileFailure(FileAction::Open, m_path, read.reason());
    Content content;
    content.found = true;
    content.bytes = std::move(read.bytes);
    content.sound = !m_isSound || m_isSound(content.bytes);
    return content;
}

Failure UserFile::damaged() const
{
    return fileFailure(FileAction::Open, m_path,
                       QStringLiteral("Файл повреждён: в нём не то, что записывает программа."));
}

Result<> UserFile::update(const Change &change) const
{
    const auto failed = [this](FileStep step, int error) {
        return fileFailure(FileAction::Save, m_path, step, error);
    };
    const QString folder = QFileInfo(m_path).absolutePath();
    if (const int error = makeFolder(folder))
        return failed(FileStep::MakeFolder, error);

    // Another copy of the program may be saving this very file: take turns, but never wait long
    // (a lock left by a copy that died is taken over).
    QLockFile lock(m_path + QLatin1String(".lock"));
    lock.tryLock(2000);

    // A link the user made to a file of their own is followed; one leading elsewhere is not.
    QString target = m_path;
    if (isLink(m_path)) {
        target = QFileInfo(m_path).canonicalFilePath();
        if (target.isEmpty())
            return failed(FileStep::FollowLink, ENOENT);
        if (!isInside(target, folder) && !isInside(target, homeFolder()))
            return failed(FileStep::FollowLink, FileError::LinkOutside);
    }

    const UserFile file(target, m_isSound, m_maxSize);
    const Result<Content> now = file.read();
    QString aside;
    if (!now || !now->sound) {
        struct stat status;
        if (::stat(QFile::encodeName(target).constData(), &status) == 0 && S_ISDIR(status.st_mode))
            return failed(FileStep::Write, EISDIR);
        errno = 0;
        aside = keepAsideAt(target);
        if (aside.isEmpty())
            return failed(FileStep::Write, writeError(target));
    }
    const QByteArray bytes = change(now ? now->bytes : QByteArray());
    if (now && now->found && now->sound && bytes == now->bytes)
        return {};

    const auto undo = [&](FileStep step, int error) { return failed(step, error); };
    QSaveFile save(target);
    errno = 0;
    if (!save.open(QIODevice::WriteOnly))
        return undo(FileStep::Write, writeError(target));
    // commit() does not see a failed flush and would put the short file in place: flush first.
    errno = 0;
    if (save.write(bytes) != bytes.size() || !save.flush())
        return undo(FileStep::Write, writeError(target));
    errno = 0;
    if (!save.commit())
        return undo(FileStep::Write, writeError(target));
    return {};
}
