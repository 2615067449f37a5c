#include "engine/remembered.h"

#include "data/places.h"
#include "engine/day_numbers.h"
#include "engine/user_file.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Remembered {

namespace {

// The one line a file holds, without its line end; null when there is more than one line.
QByteArray line(const QByteArray &bytes)
{
    QByteArray text = bytes;
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    return text.contains('\n') || text.contains('\r') ? QByteArray() : text;
}

bool allDigits(const QByteArray &text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

// The file holds one value: whatever it held is replaced.
Result<> store(const QString &path, const QByteArray &bytes, UserFile::Check isSound)
{
    return UserFile(path, std::move(isSound)).update([&bytes](const QByteArray &) {
        return bytes;
    });
}

const char *const Utf8Name = "utf-8";
const char *const Windows1251Name = "windows-1251";

} // namespace

std::optional<QDate> dateFromBytes(const QByteArray &bytes)
{
    const QByteArray text = line(bytes);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const QByteArray year = text.left(4), month = text.mid(5, 2), day = text.mid(8, 2);
    if (!allDigits(year) || !allDigits(month) || !allDigits(day))
        return std::nullopt;
    const QDate date(year.toInt(), month.toInt(), day.toInt());
    if (!date.isValid() || date.year() < DayNumbers::FirstYear ||
        date.year() > DayNumbers::lastOfferedYear())
        return std::nullopt;
    return date;
}

QByteArray dateBytes(const QDate &date)
{
    return date.toString(Qt::ISODate).toLatin1() + '\n';
}

int textSizeFromBytes(const QByteArray &bytes)
{
    const QByteArray text = line(bytes);
    const int percent = allDigits(text) && text.size() <= 3 ? text.toInt() : 0;
    return std::find(std::begin(TextSizes), std::end(TextSizes), percent) != std::end(TextSizes)
               ? percent
               : DesignTextSize;
}

QByteArray textSizeBytes(int percent)
{
    return QByteArray::number(percent) + '\n';
}

int textSizeStep(int percent, int steps)
{
    const auto *const begin = std::begin(TextSizes), *const end = std::end(TextSizes);
    const auto *at = std::find(begin, end, percent);
    if (at == end)
        at = std::find(begin, end, DesignTextSize);
    return TextSizes[std::clamp(int(at - begin) + steps, 0, int(end - begin) - 1)];
}

TextList::Encoding saveFormatFromBytes(const QByteArray &bytes)
{
    return line(bytes) == Windows1251Name ? TextList::Encoding::Windows1251
                                          : TextList::Encoding::Utf8;
}

QByteArray saveFormatBytes(TextList::Encoding format)
{
    const bool codepage = format == TextList::Encoding::Windows1251;
    return QByteArray(codepage ? Windows1251Name : Utf8Name) + '\n';
}

bool isSoundPlace(const Sky::Place &place)
{
    const QString name = place.name.trimmed();
    return !name.isEmpty() && name == place.name && !name.contains(u'\t') &&
           !name.contains(u'\n') && !name.contains(u'\r') && std::isfinite(place.latitude) &&
           std::abs(place.latitude) <= 90 && std::isfinite(place.longitude) &&
           std::abs(place.longitude) <= 180 && QTimeZone::isTimeZoneIdAvailable(place.zone);
}

std::optional<Sky::Place> placeFromBytes(const QByteArray &bytes)
{
    const QList<QByteArray> fields = line(bytes).split('\t');
    if (fields.size() == 1) {
        const City *city = Places::cityByName(QString::fromUtf8(fields.at(0)));
        if (!city)
            return std::nullopt;
        return Places::placeOf(*city);
    }
    if (fields.size() != 4)
        return std::nullopt;
    bool latitudeOk = false, longitudeOk = false;
    const Sky::Place place{QString::fromUtf8(fields.at(0)), fields.at(1).toDouble(&latitudeOk),
                           fields.at(2).toDouble(&longitudeOk), fields.at(3)};
    if (!latitudeOk || !longitudeOk || !isSoundPlace(place))
        return std::nullopt;
    return place;
}

QByteArray placeBytes(const Sky::Place &place)
{
    const City *city = Places::cityByName(place.name);
    if (city && Places::placeOf(*city).name == place.name && city->latitude == place.latitude &&
        city->longitude == place.longitude && place.zone == city->zone)
        return place.name.toUtf8() + '\n';
    return place.name.toUtf8() + '\t' + QByteArray::number(place.latitude, 'f', 4) + '\t' +
           QByteArray::number(place.longitude, 'f', 4) + '\t' + place.zone + '\n';
}

std::optional<QDate> loadDate(const QString &path)
{
    return dateFromBytes(UserFile(path).read()->bytes);
}

int loadTextSize(const QString &path)
{
    return textSizeFromBytes(UserFile(path).read()->bytes);
}

TextList::Encoding loadSaveFormat(const QString &path)
{
    return saveFormatFromBytes(UserFile(path).read()->bytes);
}

Sky::Place loadPlace(const QString &path)
{
    return placeFromBytes(UserFile(path).read()->bytes)
        .value_or(Places::placeOf(Places::defaultCity()));
}

Result<> storeDate(const QString &path, const QDate &date)
{
    return store(path, dateBytes(date),
                 [](const QByteArray &bytes) { return dateFromBytes(bytes).has_value(); });
}

Result<> storeTextSize(const QString &path, int percent)
{
    return store(path, textSizeBytes(percent), [](const QByteArray &bytes) {
        return textSizeBytes(textSizeFromBytes(bytes)) == bytes;
    });
}

Result<> storeSaveFormat(const QString &path, TextList::Encoding format)
{
    return store(path, saveFormatBytes(format), [](const QByteArray &bytes) {
        return saveFormatBytes(saveFormatFromBytes(bytes)) == bytes;
    });
}

Result<> storePlace(const QString &path, const Sky::Place &place)
{
    return store(path, placeBytes(place),
                 [](const QByteArray &bytes) { return placeFromBytes(bytes).has_value(); });
}

} // namespace Remembered
