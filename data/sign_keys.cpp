#include "data/sign_keys.h"

#include "engine/sign_tables.h"
#include "engine/tform2.h"

namespace {

// clang-format off
const Sign ZodiacSigns[] = {
    {"kozerog", "Козерог"}, {"vodolei", "Водолей"},     {"rubu", "Рыбы"}, {"oven", "Овен"},
    {"telesc", "Телец"},    {"blizhescu", "Близнецы"}, {"rak", "Рак"},   {"lev", "Лев"},
    {"deva", "Дева"},       {"vesu", "Весы"},           {"skorpion", "Скорпион"},
    {"strelesc", "Стрелец"},
};

// Row by row the same animal of the twelve-year cycle in both systems.
const Sign ChineseSigns[] = {
    {"krusa", "Крыса"},   {"buk", "Бык"},           {"tigr", "Тигр"},   {"kot", "Кот"},
    {"drakon", "Дракон"}, {"zmeua", "Змея"},        {"loshad", "Лошадь"}, {"koza", "Коза"},
    {"obezuyna", "Обезьяна"}, {"petuh", "Петух"},   {"sobaka", "Собака"}, {"svinua", "Свинья"},
};

const Sign JapaneseSigns[] = {
    {"krusa", "Крыса"},   {"vol", "Вол"},           {"tigr", "Тигр"},   {"krolik", "Кролик"},
    {"drakon", "Дракон"}, {"zmeua", "Змея"},        {"loshad", "Лошадь"}, {"ovsca", "Овца"},
    {"obezuyna", "Обезьяна"}, {"petuh", "Петух"},   {"sobaka", "Собака"}, {"kaban", "Кабан"},
};

const Sign DruidSigns[] = {
    {"1", "Яблоня"},
    {"2", "Пихта (Ель)"},
    {"3", "Вяз"},
    {"4", "Кипарис"},
    {"5", "Тополь"},
    {"6", "Картас (Кедр)"},
    {"7", "Сосна"},
    {"8", "Ива (Верба)"},
    {"9", "Липа"},
    {"10", "Дуб"},
    {"11", "Орешник (Лиственница, лесной орех, лещина )"},
    {"12", "Рябина"},
    {"13", "Клён"},
    {"14", "Орех (Грецкий орех)"},
    {"15", "Жасмин"},
    {"16", "Каштан"},
    {"17", "Ясень"},
    {"18", "Граб"},
    {"19", "Инжир (Фиговое дерево, Смоковница)"},
    {"20", "Берёза"},
    {"21", "Маслина (Оливковое дерево)"},
    {"22", "Бук"},
};

const Sign FlowerSigns[] = {
    {"1", "Горечавка Желтая"},
    {"2", "Чертополох"},
    {"3", "Бессмертник"},
    {"4", "Омела (Viscum cruciatum)"},
    {"5", "Красавка (Белладонна)"},
    {"6", "Мимоза"},
    {"7", "Мак"},
    {"8", "Лилия"},
    {"9", "Наперстянка (Дигиталис)"},
    {"10", "Магнолия"},
    {"11", "Гортензия"},
    {"12", "Георгин"},
    {"13", "Ландыш"},
    {"14", "Портулак"},
    {"15", "Ромашка"},
    {"16", "Колокольчик"},
    {"17", "Маргаритка"},
    {"18", "Тюльпан"},
    {"19", "Кувшинка"},
    {"20", "Фиалка"},
    {"21", "Шиповник"},
    {"22", "Подсолнух"},
    {"23", "Роза"},
    {"24", "Дельфиниум"},
    {"25", "Гвоздика"},
    {"26", "Астра"},
    {"27", "Вереск"},
    {"28", "Камелия"},
    {"29", "Сирень"},
    {"30", "Фрезия"},
    {"31", "Орхидея"},
    {"32", "Пион"},
    {"33", "Гладиолус"},
    {"34", "Одуванчик"},
    {"35", "Лотос"},
    {"36", "Эдельвейс (Leontopodium alpinum)"},
};

const Sign MythSigns[] = {
    {"1", "Кентавр"}, {"2", "Гарпия"}, {"3", "Пегас"},  {"4", "Цербер"}, {"5", "Сатир"},
    {"6", "Сирена"},  {"7", "Грифон"}, {"8", "Химера"}, {"9", "Сфинкс"}, {"10", "Минотавр"},
};

const Sign AryanSigns[] = {
    {"1", "Белый Медведь"},
    {"2", "Орел"},
    {"3", "Лиса"},
    {"4", "Дельфин"},
    {"5", "Вепрь"},
    {"6", "Сова (Филин)"},
    {"7", "Сокол"},
    {"8", "Олень"},
    {"9", "Баран (Муфлон)"},
    {"10", "Мангуст"},
    {"11", "Волк"},
    {"12", "Аист"},
    {"13", "Паук"},
    {"14", "Змея (уж)"},
    {"15", "Бобер"},
    {"16", "Черепаха"},
    {"17", "Сорока"},
    {"18", "Белка"},
    {"19", "Ворон"},
    {"20", "Петух"},
    {"21", "Тур (Бык)"},
    {"22", "Барсук"},
    {"23", "Верблюд"},
    {"24", "Ёж"},
    {"25", "Лань"},
    {"26", "Слон"},
    {"27", "Конь"},
    {"28", "Гепард"},
    {"29", "Павлин"},
    {"30", "Лебедь"},
    {"31", "Рысь / Соловей"},
    {"32", "Осел"},
};

template <std::size_t N>
constexpr SignList listOf(const Sign (&signs)[N])
{
    return {signs, N};
}

// The Chinese and Japanese animals share their rule: the same row of the twelve-year cycle.
const SystemInfo Systems[SystemCount] = {
    {System::Zodiac, "zodiac", "Астрологический гороскоп (знак зодиака)",
     "По знаку зодиака.....", listOf(ZodiacSigns),
     SignTables::zodiac, &TForm2::Edit6, &TForm2::Edit8},
    {System::Chinese, "china", "Китайский гороскоп (по году рождения)",
     "По китайскому гороскопу.....", listOf(ChineseSigns),
     SignTables::yearAnimal, &TForm2::Edit5, &TForm2::Edit7},
    {System::Japanese, "japan", "Японский гороскоп (по году рождения)",
     "По японскому гороскопу.....", listOf(JapaneseSigns),
     SignTables::yearAnimal, &TForm2::Edit5, &TForm2::Edit9},
    {System::Druid, "druidov", "Гороскоп друидов (дерево жизни)",
     "По гороскопу друидов.....", listOf(DruidSigns),
     SignTables::druid, &TForm2::Edit6, &TForm2::Edit10},
    {System::Flower, "scvetohnui", "Цветочный гороскоп (растение - талисман)",
     "По цветочному гороскопу.....", listOf(FlowerSigns),
     SignTables::flower, &TForm2::Edit6, &TForm2::Edit12},
    {System::Mythological, "mifolog", "Мифологический гороскоп (тёмные стороны души)",
     "По мифологическому гороскопу.....", listOf(MythSigns),
     SignTables::mythological, &TForm2::Edit6, &TForm2::Edit11},
    {System::Aryan, "ariev", "Древних Ариев (год рождения - год зверя)",
     "По гороскопу Древних Ариев.....", listOf(AryanSigns),
     SignTables::aryan, &TForm2::Edit5, &TForm2::Edit13},
};
// clang-format on

} // namespace

const SystemInfo &systemInfo(System system)
{
    return Systems[static_cast<int>(system) - 1];
}

const SystemInfo *systemByNumber(const QString &number)
{
    for (const SystemInfo &info : Systems) {
        if (number == QString::number(static_cast<int>(info.system)))
            return &info;
    }
    return nullptr;
}

QString generalTextPath(const QString &programDir, System system)
{
    return programDir + QLatin1String("/Files/") + QLatin1String(systemInfo(system).key) +
           QLatin1String(".KVETAR");
}

QString signTextPath(const QString &programDir, System system, const QString &signKey)
{
    return programDir + QLatin1String("/Files/") + QLatin1String(systemInfo(system).key) + u'_' +
           signKey + QLatin1String(".KVETAR");
}

std::optional<TextSubject> textSubject(const QString &path)
{
    const QString name = path.section(u'/', -1);
    for (int number = 1; number <= SystemCount; ++number) {
        const SystemInfo &info = systemInfo(System(number));
        const QString stem = QLatin1String(info.key);
        if (name == stem + QLatin1String(".KVETAR"))
            return TextSubject{info.system, nullptr};
        for (std::size_t i = 0; i < info.signs.count; ++i) {
            if (name == stem + u'_' + QLatin1String(info.signs[i].key) + QLatin1String(".KVETAR"))
                return TextSubject{info.system, &info.signs[i]};
        }
    }
    return std::nullopt;
}

QString textTitle(const QString &path)
{
    const std::optional<TextSubject> subject = textSubject(path);
    if (!subject)
        return {};
    return QString::fromUtf8(subject->sign ? subject->sign->name
                                           : systemInfo(subject->system).title);
}

QString resultLine(System system, const Sign &sign)
{
    return QString::fromUtf8(systemInfo(system).linePrefix) + u'(' + QString::fromUtf8(sign.name) +
           u')';
}
