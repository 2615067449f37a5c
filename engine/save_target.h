#pragma once

#include <QString>

// Whether a document may be written where the user named it. Nothing is created or replaced
// anywhere the user did not name: a symbolic link is followed only to a file in the same folder,
// and only after the user agreed to replace that file.
struct SaveTargetCheck {
    enum Verdict {
        Write,   // nothing there yet
        Replace, // a file is there: ask first
        Refuse,  // see reason
    };
    Verdict verdict = Write;
    QString path;   // what to write: the name given, or the file a link in the folder leads to
    QString link;   // the name given when it is a link, else empty
    QString reason; // for Refuse, in Russian
};

// Checks the path the save writes (".txt" already appended) just before asking or writing.
SaveTargetCheck checkSaveTarget(const QString &path);
