#pragma once

#include <QString>

#include <cstddef>
#include <optional>

// The seven horoscope systems, their sign keys and the names the user sees, and how the engine
// finds the user's sign in each. System numbers run "1".."7" in menu order; the data files are
// named after the system and sign keys.
struct Sign {
    const char *key;
    const char *name; // UTF-8
};

class TForm2;
struct SignTable;

struct SignList {
    const Sign *signs;
    std::size_t count;
    const Sign &operator[](std::size_t i) const { return signs[i]; }
};

enum class System { Zodiac = 1, Chinese, Japanese, Druid, Flower, Mythological, Aryan };

struct SystemInfo {
    System system;
    const char *key;        // file name stem: "zodiac", "china", ...
    const char *title;      // menu and chooser title, UTF-8
    const char *linePrefix; // result line prefix, UTF-8
    SignList signs;
    const SignTable &(*signTable)(); // the rule, read from the input field
    QString TForm2::*inputField;     // the engine's day number or day-of-year number
    QString TForm2::*keyField;       // where the engine keeps the user's sign key
};

constexpr int SystemCount = 7;

const SystemInfo &systemInfo(System system);

// The system whose number ("1".."7") is given, or nullptr.
const SystemInfo *systemByNumber(const QString &number);

// program directory + "/Files/" + system key + ".KVETAR"
QString generalTextPath(const QString &programDir, System system);

// program directory + "/Files/" + system key + "_" + sign key + ".KVETAR"; the key is used as it
// stands, unchecked.
QString signTextPath(const QString &programDir, System system, const QString &signKey);

// What a text file is about: its system, and its sign for a sign text (none for the general text).
struct TextSubject {
    System system;
    const Sign *sign;
};
std::optional<TextSubject> textSubject(const QString &path);

// What a text file is about, as a title: the sign's name for a sign text ("Овен"), the system's
// title for its general text; empty for any other file.
QString textTitle(const QString &path);

// "По знаку зодиака.....(Козерог)"
QString resultLine(System system, const Sign &sign);
