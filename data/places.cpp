#include "data/places.h"

#include <QCollator>

#include <algorithm>
#include <iterator>

namespace {

// clang-format off
const City Cities[] = {
    {"Москва", 55.7558, 37.6173, "Europe/Moscow"},
    {"Санкт-Петербург", 59.9386, 30.3141, "Europe/Moscow"},
};
// clang-format on

QString folded(const QString &name)
{
    QString out = name.trimmed().toLower();
    out.replace(u'ё', u'е');
    return out;
}

} // namespace

namespace Places {

const City *cities()
{
    return Cities;
}

std::size_t cityCount()
{
    return std::size(Cities);
}

const City &defaultCity()
{
    return Cities[0];
}

const City *cityByName(const QString &name)
{
    const QString wanted = folded(name);
    for (const City &city : Cities) {
        if (folded(QString::fromUtf8(city.name)) == wanted)
            return &city;
    }
    return nullptr;
}

QStringList cityNames()
{
    QStringList names;
    for (const City &city : Cities)
        names << QString::fromUtf8(city.name);
    QCollator collator(QLocale(QLocale::Russian));
    std::sort(names.begin(), names.end(), collator);
    return names;
}

Sky::Place placeOf(const City &city)
{
    return {QString::fromUtf8(city.name), city.latitude, city.longitude, QByteArray(city.zone)};
}

} // namespace Places
