#pragma once

#include "engine/setting_codes.h"
#include "toolkit/text_list.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The computation window: never shown, it is the program's shared state and its calculator. Its
// text fields are the program's variables and its buttons the operations other windows run.
class TForm2
{
public:
    // Finds the program directory from the executable's path (see ProgramLayout), makes it the
    // current one, stores it and loads the settings (see SettingsFile::load).
    explicit TForm2(const QString &executablePath);
    // The calculator alone: no program directory and no settings.
    TForm2() = default;

    QString Caption = QStringLiteral("Form2");

    QString Edit1 = Codes::FirstActivation;            // step flag and general register
    QString Edit2 = QStringLiteral("Edit2");           // year start
    QString Edit3 = QStringLiteral("Edit3");           // month start
    QString Edit4 = QStringLiteral("Edit4");           // day of the month
    QString Edit5 = QStringLiteral("Edit5");           // day number
    QString Edit6 = QStringLiteral("Edit6");           // day-of-year number
    QString Edit7 = QStringLiteral("Китайский");       // Chinese sign key
    QString Edit8 = QStringLiteral("Японский");        // zodiac sign key
    QString Edit9 = QStringLiteral("Знак");            // Japanese sign key
    QString Edit10 = QStringLiteral("Дерево");         // druid tree
    QString Edit11 = QStringLiteral("Мифологический"); // mythological creature
    QString Edit12 = QStringLiteral("Цветочный");      // flower
    QString Edit13 = QStringLiteral("Животное");       // Ancient Aryan animal
    QString Edit15 = QStringLiteral("Edit15");         // program directory
    QString Edit16 = QStringLiteral("0");              // system number chosen in the menu
    QString Edit17 = QStringLiteral("Edit17");         // hint setting
    QString Edit18 = QStringLiteral("Edit18");         // speed setting

    QStringList Memo1; // licence text
    QStringList Memo2; // result lines
    QStringList Memo4; // the settings file's lines

    // Failed when no settings could be read: the program cannot start.
    Result<> settingsRead;
    // Failed when the user's settings file could not be read and the installed default stands in
    // for it, to be reported once.
    Result<> userSettingsRead;

    // The one door for a birth date into the engine: fills the date fields as the wizard's steps
    // do (year start, month start, day, day number, day-of-year number). The date is one the
    // wizard offers, DayNumbers::FirstYear to LastYear.
    void setBirthDate(int year, int month, int day);

    void Button1Click(); // Chinese and Japanese year animal
    void Button2Click(); // zodiac
    void Button3Click(); // druid tree
    void Button4Click(); // mythological creature
    void Button5Click(); // flower
    void Button6Click(); // Ancient Aryan animal
    // The six computations in the order the result list shows them: zodiac, Chinese and
    // Japanese, druid tree, flower, mythological creature, Ancient Aryan animal.
    void computeAllSigns();

    Result<> Button7Click(); // save the shown text
    void Button8Click();     // reset the engine and the wizard

    // What the save operation reads from the main window: the file name the save dialog gave and
    // whichever of the text viewer and the result list is visible.
    struct SaveSource {
        QString fileName;
        TextList::Encoding encoding = TextList::Encoding::Utf8;
        QString listHeading; // the line above the list's rows, "Дата рождения: ..."; none: empty
        bool textVisible = false;
        QStringList text;
        bool listVisible = false;
        QStringList rows;
    };
    std::function<SaveSource()> saveSource;

    // The wizard's share of the reset.
    std::function<void()> resetWizard;

    // Writes the settings the user changed (a value each, or none for unchanged) over what the
    // file holds now, and takes the result into Edit17, Edit18 and Memo4; on failure nothing
    // changes.
    Result<> saveSettings(const std::optional<QString> &hints, const std::optional<QString> &speed);

    // A small file remembered for this user beside the settings; empty for the calculator alone.
    QString userFilePath(QLatin1String name) const
    {
        return m_userFolder.isEmpty() ? QString() : m_userFolder + u'/' + name;
    }

    // The save operation's target: ".txt" is appended unless the name already ends in it.
    static QString saveTarget(const QString &fileName);

private:
    QString m_settingsPath;
    int m_settingsFolderError = 0;
    QString m_userFolder;
};
