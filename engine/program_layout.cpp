#include "engine/program_layout.h"

#include "toolkit/file_reason.h"

#include <QDir>
#include <QFileInfo>

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? QDir::cleanPath(home) : QString();
}

QString configFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config))
        return QDir::cleanPath(config);
    const QString home = homeFolder();
    return home.isEmpty() ? QString() : home + QLatin1String("/.config");
}

ProgramLayout findProgramLayout(const QString &executablePath)
{
    const QDir executableDir = QFileInfo(executablePath).absoluteDir();
    ProgramLayout layout;
    layout.installed = !QFileInfo(executableDir.filePath(QStringLiteral("Files"))).isDir();
    if (!layout.installed) {
        layout.programDir = executableDir.absolutePath();
        layout.settingsFile = layout.programDir + QLatin1String("/setting/setting.kvt");
        layout.installedSettings = layout.settingsFile;
        layout.userFolder = layout.programDir + QLatin1String("/setting");
        return layout;
    }
    layout.programDir =
        QDir::cleanPath(executableDir.absoluteFilePath(QStringLiteral(ORLENTA_DATA_FROM_BIN)));
    layout.installedSettings = layout.programDir + QLatin1String("/setting/setting.kvt");
    const QString config = configFolder();
    // Without a home there is no folder of the user's to keep settings in, and none is made
    // elsewhere: the default is read, and saving says why it cannot be kept.
    if (config.isEmpty())
        layout.settingsFolderError = FileError::HomeUnset;
    layout.settingsFile = (config.isEmpty() ? QStringLiteral("~/.config") : config) +
                          QLatin1String("/orlenta/setting.kvt");
    layout.userFolder = config.isEmpty() ? QString() : config + QLatin1String("/orlenta");
    return layout;
}
