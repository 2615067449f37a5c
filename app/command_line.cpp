#include "app/command_line.h"

#include "engine/day_numbers.h"
#include "engine/tform2.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

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
};

void prepare(QCommandLineParser &parser, const Options &options)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Orlenta — гороскоп по дате рождения в семи системах."));
    parser.addOptions({options.help, options.version, options.date});
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

int refuse(const QString &reason)
{
    print(stderr, QStringLiteral("orlenta: ") + reason + u'\n');
    return 2;
}

int printSigns(const QString &text)
{
    static const QRegularExpression Shape(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = Shape.match(text);
    if (!match.hasMatch())
        return refuse(QStringLiteral("дата «%1» записана неверно: нужна дата вида ГГГГ-ММ-ДД, "
                                     "например 1985-03-21.")
                          .arg(text));
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (!QDate(year, month, day).isValid())
        return refuse(QStringLiteral("даты %1 не бывает.").arg(text));
    const int lastYear = DayNumbers::lastOfferedYear();
    if (year < DayNumbers::FirstYear || year > lastYear)
        return refuse(QStringLiteral("год %1 не из тех, что предлагает программа: с %2 по %3.")
                          .arg(year)
                          .arg(DayNumbers::FirstYear)
                          .arg(lastYear));

    TForm2 engine;
    engine.Edit5 = QString::number(DayNumbers::dayNumber(year, month, day));
    engine.Edit6 = QString::number(DayNumbers::dayOfYearNumber(month, day));
    engine.computeAllSigns();
    for (const QString &line : std::as_const(engine.Memo2))
        print(stdout, line + u'\n');
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
            !parser.isSet(options.date))
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
            return refuse(parser.errorText());
        const QString name = parser.unknownOptionNames().constFirst();
        return refuse(QStringLiteral("неизвестный параметр «%1%2»; параметры: orlenta --help.")
                          .arg(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), name));
    }
    if (parser.isSet(options.help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(options.version)) {
        print(stdout, QStringLiteral("Orlenta %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("лишний аргумент «%1»; параметры: orlenta --help.")
                          .arg(parser.positionalArguments().constFirst()));
    return printSigns(parser.value(options.date));
}
