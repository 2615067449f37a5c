#include "engine/tform2.h"

#include "data/sign_keys.h"
#include "engine/day_numbers.h"
#include "engine/licence_text.h"
#include "engine/program_layout.h"
#include "engine/save_target.h"
#include "engine/settings_file.h"
#include "engine/sign_table.h"
#include "toolkit/file_reason.h"
#include "toolkit/text_list.h"

#include <QDir>
#include <QSettings>

#include <array>
#include <initializer_list>

namespace {

// Keys and result lines of every sign, made once: the computations only hand out shared copies.
struct SignTexts {
    QStringList keys;
    QStringList lines;
};

const SignTexts &signTexts(System system)
{
    static const std::array<SignTexts, SystemCount> texts = [] {
        std::array<SignTexts, SystemCount> all;
        for (int number = 1; number <= SystemCount; ++number) {
            const System each = static_cast<System>(number);
            const SignList &signs = systemInfo(each).signs;
            for (std::size_t i = 0; i < signs.count; ++i) {
                all[number - 1].keys.append(QString::fromLatin1(signs[i].key));
                all[number - 1].lines.append(resultLine(each, signs[i]));
            }
        }
        return all;
    }();
    return texts[static_cast<int>(system) - 1];
}

// For every sign matching the date, each system's key into its key field and its result line;
// nothing when none matches. The systems share one rule and input (the Chinese and Japanese
// animals), so their lines alternate as the design lists them.
void computeSigns(TForm2 &engine, std::initializer_list<System> systems)
{
    const SystemInfo &rule = systemInfo(*systems.begin());
    for (int index : matchSigns(rule.signTable(), engine.*rule.inputField)) {
        for (System system : systems) {
            const SignTexts &texts = signTexts(system);
            engine.*systemInfo(system).keyField = texts.keys.at(index);
            engine.Memo2.append(texts.lines.at(index));
        }
    }
}

} // namespace

TForm2::TForm2(const QString &executablePath)
{
    const ProgramLayout layout = findProgramLayout(executablePath);
    // A folder that is not there must not leave some other current folder as the program's.
    Edit15 = QDir::setCurrent(layout.programDir) ? QDir::currentPath() : layout.programDir;
    Memo1 = licenceText();

    m_settingsPath = layout.settingsFile;
    m_userFolder = layout.userFolder;
    m_settingsFolderError = layout.settingsFolderError;
    // Qt's own per-user settings (the file dialog's history) stay with ours: inside a portable
    // folder, and nowhere at all for a user without a home (under /proc no folder can be made).
    if (!layout.installed)
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           layout.programDir + QLatin1String("/setting"));
    else if (layout.settingsFolderError)
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("/proc/orlenta-none"));
    const Result<SettingsFile::Loaded> loaded = SettingsFile::load(layout);
    if (!loaded) {
        settingsRead = loaded.failure();
        return;
    }
    userSettingsRead = loaded->userRead;
    Edit17 = loaded->values.hints;
    Edit18 = loaded->values.speed;
    Memo4 = QStringList{Edit17, Edit18};
}

Result<> TForm2::saveSettings(const std::optional<QString> &hints,
                              const std::optional<QString> &speed)
{
    if (m_settingsFolderError)
        return fileFailure(FileAction::Save, m_settingsPath, FileStep::MakeFolder,
                           m_settingsFolderError);
    // Another copy of the program may have saved since this one started: what the user did not
    // change here is taken from the file as it is now.
    SettingsFile::Values values;
    const Result<> saved =
        SettingsFile::file(m_settingsPath).update([&](const QByteArray &current) {
            values = SettingsFile::parse(current, {Edit17, Edit18});
            if (hints)
                values.hints = *hints;
            if (speed)
                values.speed = *speed;
            return SettingsFile::toBytes(values);
        });
    if (!saved)
        return saved;
    Edit17 = values.hints;
    Edit18 = values.speed;
    Memo4 = QStringList{Edit17, Edit18};
    return {};
}

void TForm2::setBirthDate(int year, int month, int day)
{
    Edit2 = QString::number(DayNumbers::yearStart(year));
    Edit3 = QString::number(DayNumbers::monthStart(month));
    Edit4 = QString::number(day);
    Edit5 = QString::number(DayNumbers::dayNumber(year, month, day));
    Edit6 = QString::number(DayNumbers::dayOfYearNumber(month, day));
}

void TForm2::Button1Click()
{
    computeSigns(*this, {System::Chinese, System::Japanese});
}

void TForm2::Button2Click()
{
    computeSigns(*this, {System::Zodiac});
}

void TForm2::Button3Click()
{
    computeSigns(*this, {System::Druid});
}

void TForm2::Button4Click()
{
    computeSigns(*this, {System::Mythological});
}

void TForm2::Button5Click()
{
    computeSigns(*this, {System::Flower});
}

void TForm2::Button6Click()
{
    computeSigns(*this, {System::Aryan});
}

void TForm2::computeAllSigns()
{
    Button2Click();
    Button1Click();
    Button3Click();
    Button5Click();
    Button4Click();
    Button6Click();
}

QString TForm2::saveTarget(const QString &fileName)
{
    // A name ending in a slash names no file: it is refused as it stands, not made ".../.txt".
    if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) || fileName.endsWith(u'/'))
        return fileName;
    return fileName + QLatin1String(".txt");
}

Result<> TForm2::Button7Click()
{
    if (!saveSource)
        return {};
    const SaveSource source = saveSource();
    if (!source.listVisible && !source.textVisible)
        return {};
    // Checked again as it is written: a link may have been planted since the dialog asked.
    const Result<SaveTarget> target = checkSaveTarget(saveTarget(source.fileName));
    if (!target)
        return target.failure();
    // When both are visible the list wins, as it would by being written last.
    if (source.listVisible) {
        QStringList lines = source.rows;
        if (!source.listHeading.isEmpty())
            lines = QStringList{source.listHeading, QString()} + lines;
        return TextList::save(target->path, lines, source.encoding);
    }
    return TextList::save(target->path, source.text, source.encoding);
}

void TForm2::Button8Click()
{
    for (QString *field : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9,
                           &Edit10, &Edit11, &Edit12, &Edit13, &Edit16})
        field->clear();
    Memo2.clear();
    if (resetWizard)
        resetWizard();
}
