#pragma once

#include "toolkit/result.h"

#include <QString>

// Why a file operation failed, in Russian: one table from the step that failed and the system's
// error number to the line the user reads.
enum class FileStep {
    Read,       // opening or reading a file
    Write,      // creating, writing or putting a file in place
    MakeFolder, // making the folder a file goes into
    FollowLink, // following a symbolic link
    Name,       // checking the name the user gave
};

// Failures the system has no error number for; negative, so never one of errno's.
namespace FileError {
constexpr int NotRegular = -1;  // a FIFO, socket or device where a file should be
constexpr int TooBig = -2;      // larger than any file the program writes
constexpr int HomeUnset = -3;   // HOME is unset or empty, so there is no folder for user files
constexpr int NoName = -4;      // the path ends in a slash
constexpr int ControlChar = -5; // the name holds a control character
constexpr int LinkOutside = -6; // a link leads out of the folder the user chose
constexpr int Busy = -7;        // another copy of the program holds the file's lock
} // namespace FileError

QString fileFailureReason(FileStep step, int error);

// What the user asked of the file, as the error box's first line names it.
enum class FileAction { Open, Save };

Failure fileFailure(FileAction action, const QString &path, const QString &reason);
Failure fileFailure(FileAction action, const QString &path, FileStep step, int error);
