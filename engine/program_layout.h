#pragma once

#include <QString>

// Where the program finds its texts and keeps the settings. A portable copy (the build tree, an
// unpacked folder) has Files/ beside the executable and keeps its settings there too; an installed
// copy finds its texts in ../share/orlenta, found from its own path so the prefix can move, and
// keeps each user's settings in the user's configuration folder, never below the prefix.
struct ProgramLayout {
    bool installed = false;
    QString programDir;          // holds Files/ and the installed setting/
    QString settingsFile;        // the settings this user reads and writes
    QString installedSettings;   // the installed default; the same as settingsFile when portable
    int settingsFolderError = 0; // a FileError when the user has no configuration folder
    QString userFolder;          // the small files remembered for this user: beside the settings
};

ProgramLayout findProgramLayout(const QString &executablePath);

// The user's home folder from HOME, or an empty text when HOME is unset or not an absolute path.
QString homeFolder();

// The user's configuration folder: XDG_CONFIG_HOME when it is an absolute path (a relative one is
// ignored), else ~/.config; an empty text when there is no home either.
QString configFolder();
