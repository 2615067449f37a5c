#pragma once

#include <QString>

// Where the program finds its texts and keeps the settings. A portable copy (the build tree, an
// unpacked folder) has Files/ beside the executable and keeps its settings there too; an installed
// copy finds its texts in ../share/orlenta, found from its own path so the prefix can move, and
// keeps each user's settings in the user's configuration folder, never below the prefix.
struct ProgramLayout {
    bool installed = false;
    QString programDir;     // holds Files/ and the installed setting/
    QString settingsFile;   // the settings this user reads and writes
    QString settingsSource; // what start-up reads: the settings file, or the installed default
                            // when the user's copy could not be made
};

// Decides the layout. In the installed layout the user's settings file is made as a copy of the
// installed default when there is none yet; an existing one is kept as it is.
ProgramLayout findProgramLayout(const QString &executablePath);
