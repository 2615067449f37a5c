#include "engine/text_header.h"

#include "engine/date_words.h"

namespace TextHeader {

namespace {

// clang-format off
const char *const SystemPhrases[SystemCount] = {
    "знак зодиака", "китайский гороскоп", "японский гороскоп", "гороскоп друидов",
    "цветочный гороскоп", "мифологический гороскоп", "гороскоп Древних Ариев",
};
// clang-format on

} // namespace

QString systemPhrase(System system)
{
    return QString::fromUtf8(SystemPhrases[int(system) - 1]);
}

QString forList(const QDate &birth)
{
    return birth.isValid() ? QStringLiteral("Дата рождения: ") + DateWords::dateInWords(birth)
                           : QString();
}

QString forText(const QDate &birth, const QString &path)
{
    const std::optional<TextSubject> subject = textSubject(path);
    if (!birth.isValid() || !subject)
        return {};
    const QString about =
        subject->sign ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(subject->sign->name),
                                                      systemPhrase(subject->system))
                      : QString::fromUtf8(systemInfo(subject->system).title);
    return forList(birth) + QStringLiteral(" — ") + about;
}

} // namespace TextHeader
