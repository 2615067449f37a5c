#include "engine/settings_file.h"

#include "engine/program_layout.h"
#include "toolkit/exception.h"
#include "toolkit/file_reason.h"
#include "toolkit/text_list.h"

#include <cerrno>

namespace SettingsFile {

Values parse(const QByteArray &bytes, const Values &fallback)
{
    const QStringList lines = TextList::fromBytes(bytes);
    Values values = fallback;
    if (hintsShown(lines.value(0)))
        values.hints = lines.value(0);
    if (animationSpeed(lines.value(1)))
        values.speed = lines.value(1);
    return values;
}

bool isSound(const QByteArray &bytes)
{
    const QStringList lines = TextList::fromBytes(bytes);
    return hintsShown(lines.value(0)) && animationSpeed(lines.value(1));
}

QByteArray toBytes(const Values &values)
{
    return TextList::toBytes({values.hints, values.speed});
}

UserFile file(const QString &path)
{
    // A few bytes; a file far larger is not this one.
    return UserFile(path, isSound, 4096);
}

// The bytes of a settings file that must be there, or Exception("Cannot open file <path>").
static QByteArray required(const QString &path)
{
    const UserFile::Content content = file(path).read();
    if (content.status == UserFile::Missing)
        throw Exception(QStringLiteral("Cannot open file %1").arg(path),
                        fileFailureReason(FileStep::Read, ENOENT));
    if (content.status == UserFile::Unreadable)
        throw Exception(QStringLiteral("Cannot open file %1").arg(path), content.reason);
    return content.bytes;
}

Loaded load(const ProgramLayout &layout)
{
    Loaded loaded;
    if (!layout.installed) {
        loaded.values = parse(required(layout.settingsFile));
        return loaded;
    }
    const UserFile user = file(layout.settingsFile);
    const UserFile::Content content =
        layout.settingsFolderError ? UserFile::Content() : user.read();
    if (content.status == UserFile::Ok || content.status == UserFile::Damaged) {
        loaded.values = parse(content.bytes);
        return loaded;
    }
    const QByteArray installed = required(layout.installedSettings);
    loaded.values = parse(installed);
    if (content.status == UserFile::Missing) {
        // The first start: the user's own copy, unless another copy made one meanwhile. A folder
        // that cannot be made is reported when the user saves.
        if (!layout.settingsFolderError)
            user.update(
                [&](const QByteArray &current) { return current.isEmpty() ? installed : current; });
        return loaded;
    }
    loaded.problem = QStringLiteral("Cannot open file %1").arg(layout.settingsFile);
    loaded.reason = content.reason;
    return loaded;
}

} // namespace SettingsFile
