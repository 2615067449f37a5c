#pragma once

#include "engine/sky.h"
#include "toolkit/text_list.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// What the program remembers for each user between runs, each in a small file of its own beside
// the settings: the last birth date, the text size, the type of a saved document. A file that is
// missing, damaged or holds a value the program would not write means the first run's choice.
namespace Remembered {

const QLatin1String DateFile("birth_date.txt");
const QLatin1String TextSizeFile("text_size.txt");
const QLatin1String SaveFormatFile("save_format.txt");
const QLatin1String PlaceFile("sky_place.txt");

// One line, "1985-03-21": a date the wizard offers, or none.
std::optional<QDate> dateFromBytes(const QByteArray &bytes);
QByteArray dateBytes(const QDate &date);

// The text size in percent of the design's, in steps from about 80 % to 200 %.
inline constexpr int TextSizes[] = {80, 90, 100, 110, 125, 150, 175, 200};
constexpr int DesignTextSize = 100;
int textSizeFromBytes(const QByteArray &bytes);
QByteArray textSizeBytes(int percent);
// The size `steps` steps away from `percent`, held at the smallest and the largest.
int textSizeStep(int percent, int steps);

// The type of a saved document last chosen; UTF-8 until the user picks another.
TextList::Encoding saveFormatFromBytes(const QByteArray &bytes);
QByteArray saveFormatBytes(TextList::Encoding format);

// The place the sky is shown for: a listed city by its name alone, so that a corrected table
// reaches it; any other place as "name<TAB>latitude<TAB>longitude<TAB>zone", UTF-8.
std::optional<Sky::Place> placeFromBytes(const QByteArray &bytes);
QByteArray placeBytes(const Sky::Place &place);
// A place the user gave: a name without tabs or line ends, the coordinates in range and a zone
// this computer knows.
bool isSoundPlace(const Sky::Place &place);

// Each value from its file, or the first run's when the file does not hold one.
std::optional<QDate> loadDate(const QString &path);
int loadTextSize(const QString &path);
TextList::Encoding loadSaveFormat(const QString &path);
Sky::Place loadPlace(const QString &path); // Moscow when none

// Each value into its file, whole or not at all; a damaged file is kept aside first.
Result<> storeDate(const QString &path, const QDate &date);
Result<> storeTextSize(const QString &path, int percent);
Result<> storeSaveFormat(const QString &path, TextList::Encoding format);
Result<> storePlace(const QString &path, const Sky::Place &place);

} // namespace Remembered
