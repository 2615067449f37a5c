#pragma once

#include "engine/setting_codes.h"
#include "engine/user_file.h"

#include <QString>

#include <optional>

struct ProgramLayout;

// The settings file: the hint setting on the first line, the speed on the second.
namespace SettingsFile {

struct Values {
    QString hints = Codes::DefaultHints;
    QString speed = Codes::DefaultSpeed;
};

// Takes each line that holds a valid value; any other line keeps the fallback's value.
Values parse(const QByteArray &bytes, const Values &fallback = Values());

// Both lines valid: what the program writes.
bool isSound(const QByteArray &bytes);

QByteArray toBytes(const Values &values);

UserFile file(const QString &path);

// What start-up found: the values in effect, and a failure to report once when the user's file
// could not be read and the installed default stands in for it.
struct Loaded {
    Values values;
    Result<> userRead; // failed: the user's file, to be reported once
};

// Reads the settings at start-up. A portable copy needs its file and fails when it cannot be
// read; an installed copy makes the user's file from the installed default on the first start and
// falls back on the default when the user's file cannot be read, failing only when the default
// cannot be read either.
Result<Loaded> load(const ProgramLayout &layout);

} // namespace SettingsFile
