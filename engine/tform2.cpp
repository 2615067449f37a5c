#include "engine/tform2.h"

#include "data/sign_keys.h"
#include "engine/sign_tables.h"
#include "toolkit/text_list.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Writes the key of every matching sign and appends its result line; nothing when none matches.
void computeSign(const SignTable &table, const QString &input, System system, QString &keyField,
                 QStringList &lines)
{
    const SignList &signs = systemInfo(system).signs;
    for (int index : matchSigns(table, input)) {
        keyField = QString::fromLatin1(signs[index].key);
        lines.append(resultLine(system, signs[index]));
    }
}

} // namespace

TForm2::TForm2(const QString &executablePath)
{
    QDir::setCurrent(QFileInfo(executablePath).absolutePath());
    Edit15 = QDir::currentPath();

    Memo4 = TextList::load(settingsPath());
    Edit17 = Memo4.value(0);
    Edit18 = Memo4.value(1);
}

QString TForm2::settingsPath() const
{
    return Edit15 + QLatin1String("/setting/setting.kvt");
}

void TForm2::Button1Click()
{
    const SignList &chinese = systemInfo(System::Chinese).signs;
    const SignList &japanese = systemInfo(System::Japanese).signs;
    for (int index : matchSigns(SignTables::yearAnimal(), Edit5)) {
        Edit7 = QString::fromLatin1(chinese[index].key);
        Edit9 = QString::fromLatin1(japanese[index].key);
        Memo2.append(resultLine(System::Chinese, chinese[index]));
        Memo2.append(resultLine(System::Japanese, japanese[index]));
    }
}

void TForm2::Button2Click()
{
    computeSign(SignTables::zodiac(), Edit6, System::Zodiac, Edit8, Memo2);
}

void TForm2::Button3Click()
{
    computeSign(SignTables::druid(), Edit6, System::Druid, Edit10, Memo2);
}

void TForm2::Button4Click()
{
    computeSign(SignTables::mythological(), Edit6, System::Mythological, Edit11, Memo2);
}

void TForm2::Button5Click()
{
    computeSign(SignTables::flower(), Edit6, System::Flower, Edit12, Memo2);
}

void TForm2::Button6Click()
{
    computeSign(SignTables::aryan(), Edit5, System::Aryan, Edit13, Memo2);
}

QString TForm2::saveTarget(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return fileName;
    return fileName + QLatin1String(".txt");
}

void TForm2::Button7Click()
{
    if (!saveSource)
        return;
    const SaveSource source = saveSource();
    // When both are visible the list wins, as it would by being written last.
    if (source.listVisible)
        TextList::save(saveTarget(source.fileName), source.rows);
    else if (source.textVisible)
        TextList::save(saveTarget(source.fileName), source.text);
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
