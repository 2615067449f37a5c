#include "engine/program_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramLayout findProgramLayout(const QString &executablePath)
{
    const QDir executableDir = QFileInfo(executablePath).absoluteDir();
    ProgramLayout layout;
    layout.installed = !QFileInfo(executableDir.filePath(QStringLiteral("Files"))).isDir();
    if (!layout.installed) {
        layout.programDir = executableDir.absolutePath();
        layout.settingsFile = layout.programDir + QLatin1String("/setting/setting.kvt");
        layout.settingsSource = layout.settingsFile;
        return layout;
    }

    layout.programDir =
        QDir::cleanPath(executableDir.absoluteFilePath(QStringLiteral(ORLENTA_DATA_FROM_BIN)));
    const QString installedDefault = layout.programDir + QLatin1String("/setting/setting.kvt");
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    layout.settingsFile = userDir + QLatin1String("/setting.kvt");
    layout.settingsSource = layout.settingsFile;
    if (QFileInfo::exists(layout.settingsFile))
        return layout;
    // A user whose configuration folder cannot be written still gets a working program: the
    // default is read, and saving the settings reports the folder.
    if (!QFile::exists(installedDefault) || !QDir().mkpath(userDir) ||
        !QFile::copy(installedDefault, layout.settingsFile))
        layout.settingsSource = installedDefault;
    else
        QFile::setPermissions(layout.settingsFile, QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadGroup | QFile::ReadOther);
    return layout;
}
