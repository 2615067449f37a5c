#include "engine/user_file.h"

#include "engine/program_layout.h"
#include "toolkit/file_reason.h"
#include "toolkit/regular_file.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QThread>

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

// Waits a short while for the lock, polling often so that copies taking turns keep moving;
// returns 0 once it is held, else why not.
int takeTurn(QLockFile &lock)
{
    constexpr int WaitMs = 2000;
    const QDeadlineTimer deadline(WaitMs);
    errno = 0;
    while (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::PermissionError)
            return EACCES;
        if (lock.error() != QLockFile::LockFailedError)
            return errno ? errno : EIO;
        if (deadline.hasExpired())
            return FileError::Busy;
        QThread::msleep(3);
        errno = 0;
    }
    return 0;
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
    // (a lock left by a copy that died is taken over), and never write without the turn.
    QLockFile lock(m_path + QLatin1String(".lock"));
    if (const int error = takeTurn(lock)) {
        if (error == FileError::Busy && !m_busyReason.isEmpty())
            return fileFailure(FileAction::Save, m_path, m_busyReason);
        return failed(FileStep::Write, error);
    }

    // A link the user made to a file of their own is followed; one leading elsewhere is not.
    QString target = m_path;
    const bool linked = isLink(m_path);
    if (linked) {
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
        // Too large to read is not too large to matter: a smaller file never takes its place.
        if (::stat(QFile::encodeName(target).constData(), &status) == 0 &&
            S_ISREG(status.st_mode) && status.st_size > m_maxSize)
            return failed(FileStep::Read, FileError::TooBig);
        // What a link leads to is the user's own file, maybe not ours at all: left as it is.
        if (linked)
            return fileFailure(FileAction::Save, m_path,
                               QStringLiteral("Файл по ссылке (%1) оставлен как есть. %2")
                                   .arg(target, (now ? file.damaged() : now.failure()).reason));
        errno = 0;
        aside = keepAsideAt(target);
        if (aside.isEmpty())
            return failed(FileStep::Write, writeError(target));
    }
    const QByteArray bytes = change(now ? now->bytes : QByteArray());
    if (now && now->found && now->sound && bytes == now->bytes)
        return {};

    // The file is then as it was: the one kept aside goes back.
    const auto undo = [&](FileStep step, int error) {
        if (!aside.isEmpty())
            ::rename(QFile::encodeName(aside).constData(), QFile::encodeName(target).constData());
        return failed(step, error);
    };
    // What is written must read back: the same limit holds both ways.
    if (bytes.size() > m_maxSize)
        return undo(FileStep::Write, FileError::TooBig);
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
