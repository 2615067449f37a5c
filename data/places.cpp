#include "data/places.h"

#include <QCollator>

#include <algorithm>
#include <iterator>

namespace {

// clang-format off
// Russian cities of about 250,000 people and more, a few towns of the far north, the capitals
// of the neighbouring countries and major cities of the world. Degrees, north and east positive.
const City Cities[] = {
    {"Москва", 55.7558, 37.6173, "Europe/Moscow"},
    {"Санкт-Петербург", 59.9386, 30.3141, "Europe/Moscow"},
    {"Новосибирск", 55.0084, 82.9357, "Asia/Novosibirsk"},
    {"Екатеринбург", 56.8389, 60.6057, "Asia/Yekaterinburg"},
    {"Казань", 55.7963, 49.1088, "Europe/Moscow"},
    {"Нижний Новгород", 56.3269, 44.0059, "Europe/Moscow"},
    {"Красноярск", 56.0153, 92.8932, "Asia/Krasnoyarsk"},
    {"Челябинск", 55.1644, 61.4368, "Asia/Yekaterinburg"},
    {"Самара", 53.1959, 50.1002, "Europe/Samara"},
    {"Уфа", 54.7388, 55.9721, "Asia/Yekaterinburg"},
    {"Ростов-на-Дону", 47.2357, 39.7015, "Europe/Moscow"},
    {"Краснодар", 45.0355, 38.9753, "Europe/Moscow"},
    {"Омск", 54.9885, 73.3242, "Asia/Omsk"},
    {"Воронеж", 51.6720, 39.1843, "Europe/Moscow"},
    {"Пермь", 58.0105, 56.2502, "Asia/Yekaterinburg"},
    {"Волгоград", 48.7080, 44.5133, "Europe/Volgograd"},
    {"Саратов", 51.5331, 46.0342, "Europe/Saratov"},
    {"Тюмень", 57.1530, 65.5343, "Asia/Yekaterinburg"},
    {"Тольятти", 53.5303, 49.3461, "Europe/Samara"},
    {"Махачкала", 42.9849, 47.5047, "Europe/Moscow"},
    {"Барнаул", 53.3548, 83.7698, "Asia/Barnaul"},
    {"Ижевск", 56.8526, 53.2045, "Europe/Samara"},
    {"Хабаровск", 48.4802, 135.0719, "Asia/Vladivostok"},
    {"Ульяновск", 54.3142, 48.4031, "Europe/Ulyanovsk"},
    {"Иркутск", 52.2870, 104.3050, "Asia/Irkutsk"},
    {"Владивосток", 43.1155, 131.8855, "Asia/Vladivostok"},
    {"Ярославль", 57.6261, 39.8845, "Europe/Moscow"},
    {"Томск", 56.4847, 84.9482, "Asia/Tomsk"},
    {"Оренбург", 51.7682, 55.0969, "Asia/Yekaterinburg"},
    {"Кемерово", 55.3547, 86.0873, "Asia/Novokuznetsk"},
    {"Новокузнецк", 53.7596, 87.1216, "Asia/Novokuznetsk"},
    {"Рязань", 54.6269, 39.6916, "Europe/Moscow"},
    {"Набережные Челны", 55.7436, 52.3958, "Europe/Moscow"},
    {"Астрахань", 46.3479, 48.0336, "Europe/Astrakhan"},
    {"Пенза", 53.1959, 45.0183, "Europe/Moscow"},
    {"Киров", 58.6036, 49.6680, "Europe/Kirov"},
    {"Липецк", 52.6031, 39.5708, "Europe/Moscow"},
    {"Чебоксары", 56.1439, 47.2489, "Europe/Moscow"},
    {"Балашиха", 55.7963, 37.9382, "Europe/Moscow"},
    {"Калининград", 54.7104, 20.4522, "Europe/Kaliningrad"},
    {"Тула", 54.1931, 37.6173, "Europe/Moscow"},
    {"Курск", 51.7304, 36.1926, "Europe/Moscow"},
    {"Ставрополь", 45.0445, 41.9690, "Europe/Moscow"},
    {"Улан-Удэ", 51.8345, 107.5846, "Asia/Irkutsk"},
    {"Сочи", 43.5855, 39.7231, "Europe/Moscow"},
    {"Тверь", 56.8587, 35.9176, "Europe/Moscow"},
    {"Магнитогорск", 53.4072, 58.9791, "Asia/Yekaterinburg"},
    {"Иваново", 57.0004, 40.9739, "Europe/Moscow"},
    {"Брянск", 53.2434, 34.3634, "Europe/Moscow"},
    {"Белгород", 50.5997, 36.5983, "Europe/Moscow"},
    {"Сургут", 61.2540, 73.3962, "Asia/Yekaterinburg"},
    {"Владимир", 56.1290, 40.4066, "Europe/Moscow"},
    {"Чита", 52.0340, 113.4994, "Asia/Chita"},
    {"Архангельск", 64.5393, 40.5187, "Europe/Moscow"},
    {"Нижний Тагил", 57.9101, 59.9813, "Asia/Yekaterinburg"},
    {"Калуга", 54.5293, 36.2754, "Europe/Moscow"},
    {"Смоленск", 54.7826, 32.0453, "Europe/Moscow"},
    {"Волжский", 48.7858, 44.7797, "Europe/Volgograd"},
    {"Якутск", 62.0355, 129.6755, "Asia/Yakutsk"},
    {"Саранск", 54.1838, 45.1749, "Europe/Moscow"},
    {"Череповец", 59.1333, 37.9000, "Europe/Moscow"},
    {"Курган", 55.4410, 65.3411, "Asia/Yekaterinburg"},
    {"Вологда", 59.2239, 39.8843, "Europe/Moscow"},
    {"Орёл", 52.9703, 36.0635, "Europe/Moscow"},
    {"Владикавказ", 43.0205, 44.6819, "Europe/Moscow"},
    {"Подольск", 55.4312, 37.5447, "Europe/Moscow"},
    {"Грозный", 43.3178, 45.6949, "Europe/Moscow"},
    {"Мурманск", 68.9585, 33.0827, "Europe/Moscow"},
    {"Тамбов", 52.7212, 41.4523, "Europe/Moscow"},
    {"Стерлитамак", 53.6305, 55.9303, "Asia/Yekaterinburg"},
    {"Петрозаводск", 61.7849, 34.3469, "Europe/Moscow"},
    {"Кострома", 57.7677, 40.9264, "Europe/Moscow"},
    {"Нижневартовск", 60.9397, 76.5696, "Asia/Yekaterinburg"},
    {"Новороссийск", 44.7235, 37.7686, "Europe/Moscow"},
    {"Йошкар-Ола", 56.6388, 47.8908, "Europe/Moscow"},
    {"Химки", 55.8970, 37.4297, "Europe/Moscow"},
    {"Таганрог", 47.2362, 38.8969, "Europe/Moscow"},
    {"Комсомольск-на-Амуре", 50.5499, 137.0079, "Asia/Vladivostok"},
    {"Сыктывкар", 61.6688, 50.8364, "Europe/Moscow"},
    {"Нальчик", 43.4853, 43.6071, "Europe/Moscow"},
    {"Благовещенск", 50.2907, 127.5272, "Asia/Yakutsk"},
    {"Шахты", 47.7085, 40.2160, "Europe/Moscow"},
    {"Энгельс", 51.4855, 46.1265, "Europe/Saratov"},
    {"Дзержинск", 56.2389, 43.4631, "Europe/Moscow"},
    {"Братск", 56.1514, 101.6342, "Asia/Irkutsk"},
    {"Великий Новгород", 58.5215, 31.2755, "Europe/Moscow"},
    {"Королёв", 55.9142, 37.8256, "Europe/Moscow"},
    {"Мытищи", 55.9116, 37.7308, "Europe/Moscow"},
    {"Старый Оскол", 51.2967, 37.8417, "Europe/Moscow"},
    {"Ангарск", 52.5448, 103.8885, "Asia/Irkutsk"},
    {"Псков", 57.8194, 28.3318, "Europe/Moscow"},
    {"Южно-Сахалинск", 46.9591, 142.7380, "Asia/Sakhalin"},
    {"Петропавловск-Камчатский", 53.0452, 158.6483, "Asia/Kamchatka"},
    {"Норильск", 69.3558, 88.1893, "Asia/Krasnoyarsk"},
    {"Магадан", 59.5612, 150.8301, "Asia/Magadan"},
    {"Салехард", 66.5299, 66.6019, "Asia/Yekaterinburg"},
    {"Воркута", 67.4974, 64.0611, "Europe/Moscow"},
    {"Анадырь", 64.7337, 177.5089, "Asia/Anadyr"},
    {"Минск", 53.9023, 27.5619, "Europe/Minsk"},
    {"Киев", 50.4501, 30.5234, "Europe/Kyiv"},
    {"Кишинёв", 47.0105, 28.8638, "Europe/Chisinau"},
    {"Рига", 56.9496, 24.1052, "Europe/Riga"},
    {"Вильнюс", 54.6872, 25.2797, "Europe/Vilnius"},
    {"Таллин", 59.4370, 24.7536, "Europe/Tallinn"},
    {"Хельсинки", 60.1699, 24.9384, "Europe/Helsinki"},
    {"Осло", 59.9139, 10.7522, "Europe/Oslo"},
    {"Варшава", 52.2297, 21.0122, "Europe/Warsaw"},
    {"Тбилиси", 41.7151, 44.8271, "Asia/Tbilisi"},
    {"Ереван", 40.1792, 44.4991, "Asia/Yerevan"},
    {"Баку", 40.4093, 49.8671, "Asia/Baku"},
    {"Астана", 51.1694, 71.4491, "Asia/Almaty"},
    {"Алматы", 43.2220, 76.8512, "Asia/Almaty"},
    {"Ташкент", 41.2995, 69.2401, "Asia/Tashkent"},
    {"Бишкек", 42.8746, 74.5698, "Asia/Bishkek"},
    {"Душанбе", 38.5598, 68.7870, "Asia/Dushanbe"},
    {"Ашхабад", 37.9601, 58.3261, "Asia/Ashgabat"},
    {"Улан-Батор", 47.8864, 106.9057, "Asia/Ulaanbaatar"},
    {"Пекин", 39.9042, 116.4074, "Asia/Shanghai"},
    {"Пхеньян", 39.0392, 125.7625, "Asia/Pyongyang"},
    {"Токио", 35.6762, 139.6503, "Asia/Tokyo"},
    {"Сеул", 37.5665, 126.9780, "Asia/Seoul"},
    {"Шанхай", 31.2304, 121.4737, "Asia/Shanghai"},
    {"Гонконг", 22.3193, 114.1694, "Asia/Hong_Kong"},
    {"Сингапур", 1.3521, 103.8198, "Asia/Singapore"},
    {"Бангкок", 13.7563, 100.5018, "Asia/Bangkok"},
    {"Дели", 28.6139, 77.2090, "Asia/Kolkata"},
    {"Дубай", 25.2048, 55.2708, "Asia/Dubai"},
    {"Тегеран", 35.6892, 51.3890, "Asia/Tehran"},
    {"Стамбул", 41.0082, 28.9784, "Europe/Istanbul"},
    {"Анкара", 39.9334, 32.8597, "Europe/Istanbul"},
    {"Иерусалим", 31.7683, 35.2137, "Asia/Jerusalem"},
    {"Каир", 30.0444, 31.2357, "Africa/Cairo"},
    {"Афины", 37.9838, 23.7275, "Europe/Athens"},
    {"София", 42.6977, 23.3219, "Europe/Sofia"},
    {"Белград", 44.7866, 20.4489, "Europe/Belgrade"},
    {"Будапешт", 47.4979, 19.0402, "Europe/Budapest"},
    {"Вена", 48.2082, 16.3738, "Europe/Vienna"},
    {"Прага", 50.0755, 14.4378, "Europe/Prague"},
    {"Берлин", 52.5200, 13.4050, "Europe/Berlin"},
    {"Копенгаген", 55.6761, 12.5683, "Europe/Copenhagen"},
    {"Стокгольм", 59.3293, 18.0686, "Europe/Stockholm"},
    {"Амстердам", 52.3676, 4.9041, "Europe/Amsterdam"},
    {"Париж", 48.8566, 2.3522, "Europe/Paris"},
    {"Лондон", 51.5074, -0.1278, "Europe/London"},
    {"Рим", 41.9028, 12.4964, "Europe/Rome"},
    {"Мадрид", 40.4168, -3.7038, "Europe/Madrid"},
    {"Рейкьявик", 64.1466, -21.9426, "Atlantic/Reykjavik"},
    {"Нью-Йорк", 40.7128, -74.0060, "America/New_York"},
    {"Вашингтон", 38.9072, -77.0369, "America/New_York"},
    {"Чикаго", 41.8781, -87.6298, "America/Chicago"},
    {"Лос-Анджелес", 34.0522, -118.2437, "America/Los_Angeles"},
    {"Торонто", 43.6532, -79.3832, "America/Toronto"},
    {"Мехико", 19.4326, -99.1332, "America/Mexico_City"},
    {"Рио-де-Жанейро", -22.9068, -43.1729, "America/Sao_Paulo"},
    {"Буэнос-Айрес", -34.6037, -58.3816, "America/Argentina/Buenos_Aires"},
    {"Йоханнесбург", -26.2041, 28.0473, "Africa/Johannesburg"},
    {"Сидней", -33.8688, 151.2093, "Australia/Sydney"},
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
    QCollator collator{QLocale(QLocale::Russian)};
    std::sort(names.begin(), names.end(), collator);
    return names;
}

Sky::Place placeOf(const City &city)
{
    return {QString::fromUtf8(city.name), city.latitude, city.longitude, QByteArray(city.zone)};
}

} // namespace Places
