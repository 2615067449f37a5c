#pragma once

#include "engine/sky.h"

#include <QString>
#include <QStringList>

#include <cstddef>

// The cities the sky can be shown for: Russian name, latitude and longitude in degrees (north and
// east positive), IANA zone.
struct City {
    const char *name; // UTF-8
    double latitude;
    double longitude;
    const char *zone;
};

namespace Places {

// All cities, in the table's order (Moscow first).
const City *cities();
std::size_t cityCount();

// Moscow.
const City &defaultCity();

// The city of that name, ignoring case and the difference of «ё» and «е»; nullptr if none.
const City *cityByName(const QString &name);

// The names sorted for a completer.
QStringList cityNames();

Sky::Place placeOf(const City &city);

} // namespace Places
