#include "engine/settings_file.h"

#include "engine/program_layout.h"
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

// The bytes of a settings file that must be there.
static Result<QByteArray> required(const QString &path)
{
    const Result<UserFile::Content> content = file(path).read();
    if (!content)
        return content.failure();
    if (!content->found)
        return fileFailure(FileAction::Open, path, FileStep::Read, ENOENT);
    return content->bytes;
}

Result<Loaded> load(const ProgramLayout &layout)
{
    Loaded loaded;
    if (!layout.installed) {
        const Result<QByteArray> portable = required(layout.settingsFile);
        if (!portable)
            return portable.failure();
        loaded.values = parse(*portable);
        return loaded;
    }
    const UserFile user = file(layout.settingsFile);
    const Result<UserFile::Content> content =
        layout.settingsFolderError ? Result<UserFile::Content>() : user.read();
    if (content && content->found) {
        loaded.values = parse(content->bytes);
        return loaded;
    }
    const Result<QByteArray> installed = required(layout.installedSettings);
    if (!installed)
        return installed.failure();
    loaded.values = parse(*installed);
    if (content) {
        // The first start: the user's own copy, unless another copy made one meanwhile. A folder
        // that cannot be made is reported when the user saves.
        if (!layout.settingsFolderError)
            (void)user.update([&](const QByteArray &current) {
                return current.isEmpty() ? *installed : current;
            });
        return loaded;
    }
    loaded.userRead = content.failure();
    return loaded;
}

} // namespace SettingsFile
