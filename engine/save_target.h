#pragma once

#include "toolkit/result.h"

#include <QString>

// What a save writes when the user names a file, if it may. Nothing is created or replaced
// anywhere the user did not name: a symbolic link is followed only to a file in the same folder,
// and only after the user agreed to replace that file.
struct SaveTarget {
    QString path; // what to write: the name given, or the file a link in the folder leads to
    QString link; // the name given when it is a link, else empty
    bool replaces = false; // a file is there: ask first
};

// Checks the path the save writes (".txt" already appended) just before asking or writing.
Result<SaveTarget> checkSaveTarget(const QString &path);
