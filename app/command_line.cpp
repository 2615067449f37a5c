#include "app/command_line.h"

#include "data/places.h"
#include "engine/clock.h"
#include "engine/compatibility.h"
#include "engine/day_numbers.h"
#include "engine/sky.h"
#include "engine/tform2.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {

// Qt's own options for the windows: accepted here so that they reach the application object.
const char *const WindowOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin", "display",    "geometry",
    "qwindowgeometry", "qwindowtitle",       "qwindowicon",   "style",  "stylesheet", "session"};
const char *const WindowFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Показать эту справку и выйти.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать версию программы и выйти.")};
    QCommandLineOption date{QStringLiteral("date"),
                            QStringLiteral("Вывести знаки для даты рождения в семи гороскопах "
                                           "и выйти, не открывая окон."),
                            QStringLiteral("ГГГГ-ММ-ДД")};
    QCommandLineOption compat{QStringLiteral("compat"),
                              QStringLiteral("Вывести совместимость двух дат рождения в семи "
                                             "гороскопах и выйти, не открывая окон; вторая дата "
                                             "идёт следом."),
                              QStringLiteral("ГГГГ-ММ-ДД")};
    QCommandLineOption sky{QStringLiteral("sky"),
                           QStringLiteral("Вывести небо дня (восход и заход Солнца и Луны, "
                                          "лунные сутки, знак и фазу Луны) в местном времени "
                                          "города и выйти, не открывая окон; годы 1900-2099."),
                           QStringLiteral("ГГГГ-ММ-ДД")};
    QCommandLineOption city{QStringLiteral("city"),
                            QStringLiteral("Город для --sky (по умолчанию Москва)."),
                            QStringLiteral("ГОРОД")};
    QCommandLineOption cities{QStringLiteral("cities"),
                              QStringLiteral("Вывести города для --city: название, широту, "
                                             "долготу и часовой пояс через табуляцию, и выйти.")};
    QCommandLineOption openSky{QStringLiteral("open-sky"),
                               QStringLiteral("Открыть окно «Небо» на сегодня для запомненной даты "
                                              "рождения и города, без мастера.")};
};

void prepare(QCommandLineParser &parser, const Options &options)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Orlenta — гороскоп по дате рождения в семи системах."));
    parser.addOptions({options.help, options.version, options.date, options.compat, options.sky,
                       options.city, options.cities, options.openSky});
    for (const char *name : WindowOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : WindowFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stream);
    std::fflush(stream);
}

int refuse(const Failure &failure)
{
    print(stderr, QStringLiteral("orlenta: ") + failure.text() + u'\n');
    return 2;
}

Failure refusal(const QString &reason)
{
    return {QString(), reason};
}

// Input as a refusal shows it: control characters escaped, and cut short, so a refusal stays one
// readable line whatever was typed or pasted.
QString shown(const QString &text)
{
    constexpr int MaxShown = 40;
    QString out;
    for (const QChar c : text.left(MaxShown)) {
        if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            out += c;
    }
    if (text.size() > MaxShown)
        out += QStringLiteral("…");
    return out;
}

// A day as the command line takes it: exactly YYYY-MM-DD in ASCII digits, and a real day.
Result<QDate> parseDay(const QString &text)
{
    // Anchored on the whole text: "$" alone would let a final newline through.
    static const QRegularExpression Shape(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = Shape.match(text);
    if (!match.hasMatch()) {
        return refusal(QStringLiteral("дата «%1» записана неверно: нужна дата вида ГГГГ-ММ-ДД, "
                                      "например 1985-03-21.")
                           .arg(shown(text)));
    }
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid())
        return refusal(QStringLiteral("даты %1 не бывает.").arg(text));
    return date;
}

// The one reading of a birth date on the command line, for every option that takes one: a day,
// in a year the wizard offers, and not after today.
Result<QDate> parseDate(const QString &text)
{
    const Result<QDate> date = parseDay(text);
    if (!date)
        return date;
    const int year = date->year();
    const int lastYear = DayNumbers::lastOfferedYear();
    if (year < DayNumbers::FirstYear || year > lastYear)
        return refusal(QStringLiteral("год %1 не из тех, что предлагает программа: с %2 по %3.")
                           .arg(year)
                           .arg(DayNumbers::FirstYear)
                           .arg(lastYear));
    if (*date > Clock::today())
        return refusal(QStringLiteral("дата %1 ещё не наступила: нужна дата рождения.").arg(text));
    return date;
}

// The option as the user typed it ("-hv", "--colour"), for a refusal.
QString typedOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const QString typed = argument.section(u'=', 0, 0);
        QString bare = typed;
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (typed.startsWith(u'-') && bare == name)
            return typed;
    }
    return (name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-")) + name;
}

int printSigns(const QString &text)
{
    const Result<QDate> date = parseDate(text);
    if (!date)
        return refuse(date.failure());
    TForm2 engine;
    engine.setBirthDate(date->year(), date->month(), date->day());
    engine.computeAllSigns();
    for (const QString &line : std::as_const(engine.Memo2))
        print(stdout, line + u'\n');
    return 0;
}

int printCompatibility(const QString &first, const QString &second)
{
    const Result<QDate> a = parseDate(first);
    if (!a)
        return refuse(a.failure());
    const Result<QDate> b = parseDate(second);
    if (!b)
        return refuse(b.failure());
    for (const QString &line : Compatibility::systemLines(Compatibility::report(*a, *b)))
        print(stdout, line + u'\n');
    return 0;
}

// The sky of any day the engine answers for, future ones too, at a city of the table.
int printSky(const QString &text, const QString &cityName)
{
    const Result<QDate> date = parseDay(text);
    if (!date)
        return refuse(date.failure());
    if (*date < Sky::firstDate() || *date > Sky::lastDate())
        return refuse(refusal(QStringLiteral("год %1 вне пределов: небо считается с %2 по %3 год.")
                                  .arg(date->year())
                                  .arg(Sky::firstDate().year())
                                  .arg(Sky::lastDate().year())));
    const City *city = cityName.isNull() ? &Places::defaultCity() : Places::cityByName(cityName);
    if (!city)
        return refuse(refusal(QStringLiteral("города «%1» нет в списке; список: orlenta --cities.")
                                  .arg(shown(cityName))));
    for (const QString &line : Sky::reportLines(Sky::daySky(*date, Places::placeOf(*city))))
        print(stdout, line + u'\n');
    return 0;
}

int printCities()
{
    for (std::size_t i = 0; i < Places::cityCount(); ++i) {
        const City &city = Places::cities()[i];
        print(stdout, QStringLiteral("%1\t%2\t%3\t%4\n")
                          .arg(QString::fromUtf8(city.name))
                          .arg(city.latitude, 0, 'f', 4)
                          .arg(city.longitude, 0, 'f', 4)
                          .arg(QLatin1String(city.zone)));
    }
    return 0;
}

} // namespace

std::optional<int> runCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        Options options;
        QCommandLineParser parser;
        prepare(parser, options);
        if (parser.parse(arguments) && parser.positionalArguments().isEmpty() &&
            !parser.isSet(options.help) && !parser.isSet(options.version) &&
            !parser.isSet(options.date) && !parser.isSet(options.compat) &&
            !parser.isSet(options.sky) && !parser.isSet(options.city) &&
            !parser.isSet(options.cities))
            return std::nullopt;
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orlenta"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORLENTA_VERSION));
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ru"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);

    Options options;
    QCommandLineParser parser;
    prepare(parser, options);
    if (!parser.parse(arguments)) {
        if (parser.unknownOptionNames().isEmpty())
            return refuse(refusal(parser.errorText()));
        const QString name = parser.unknownOptionNames().constFirst();
        return refuse(
            refusal(QStringLiteral("неизвестный параметр «%1»; параметры: orlenta --help.")
                        .arg(shown(typedOption(arguments, name)))));
    }
    // A second --date would silently win over the first: say so instead.
    for (const QCommandLineOption *option :
         {&options.help, &options.version, &options.date, &options.compat, &options.sky,
          &options.city, &options.cities, &options.openSky}) {
        const QStringList given = parser.optionNames();
        const auto times = std::count_if(given.cbegin(), given.cend(), [&](const QString &name) {
            return option->names().contains(name);
        });
        if (times > 1)
            return refuse(refusal(QStringLiteral("параметр --%1 указан больше одного раза.")
                                      .arg(option->names().constLast())));
    }
    if (parser.isSet(options.help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(options.version)) {
        print(stdout, QStringLiteral("Orlenta %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    QStringList extra = parser.positionalArguments();
    // One thing to print at a time.
    QStringList asked;
    for (const QCommandLineOption *option :
         {&options.date, &options.compat, &options.sky, &options.cities}) {
        if (parser.isSet(*option))
            asked << QStringLiteral("--") + option->names().constLast();
    }
    // It opens windows, which the others never do.
    if (parser.isSet(options.openSky) && !asked.isEmpty())
        return refuse(refusal(QStringLiteral("--open-sky открывает окно, а %1 только выводит "
                                             "текст; параметры: orlenta --help.")
                                  .arg(asked[0])));
    if (asked.size() > 1)
        return refuse(refusal(QStringLiteral("%1 и %2 вместе не задают; параметры: orlenta --help.")
                                  .arg(asked[0], asked[1])));
    if (parser.isSet(options.city) && !parser.isSet(options.sky))
        return refuse(refusal(QStringLiteral("--city задают вместе с --sky: orlenta --sky "
                                             "2026-12-08 --city Казань.")));
    if (!extra.isEmpty() && (parser.isSet(options.sky) || parser.isSet(options.cities)))
        return refuse(refusal(QStringLiteral("лишний аргумент «%1»; параметры: orlenta --help.")
                                  .arg(shown(extra.constFirst()))));
    if (parser.isSet(options.sky))
        return printSky(parser.value(options.sky),
                        parser.isSet(options.city) ? parser.value(options.city) : QString());
    if (parser.isSet(options.cities))
        return printCities();
    if (parser.isSet(options.compat)) {
        if (extra.isEmpty())
            return refuse(refusal(QStringLiteral("для --compat нужны две даты: orlenta --compat "
                                                 "1985-03-21 1990-08-14.")));
        const QString second = extra.takeFirst();
        if (extra.isEmpty())
            return printCompatibility(parser.value(options.compat), second);
    }
    if (!extra.isEmpty())
        return refuse(refusal(QStringLiteral("лишний аргумент «%1»; параметры: orlenta --help.")
                                  .arg(shown(extra.constFirst()))));
    return printSigns(parser.value(options.date));
}

bool opensSky(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Options options;
    QCommandLineParser parser;
    prepare(parser, options);
    return parser.parse(arguments) && parser.isSet(options.openSky);
}
