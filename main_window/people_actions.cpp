// The main window's way to the people and the compatibility report: our own tool buttons after the
// design's five, their shortcuts, and the operations the two windows call back.

#include "app/forms.h"
#include "compatibility/compatibility_table.h"
#include "compatibility/compatibility_window.h"
#include "engine/date_words.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "main_window/tool_button.h"
#include "people/people_window.h"
#include "toolkit/accessible.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"

#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>

#include <iterator>

namespace {

const QKeyCombination CompatibilityKeys = Qt::CTRL | Qt::Key_K;

// Our own tool buttons, in the row after the design's five, each a picture set and one action.
struct ExtraToolDesign {
    const char *picture;
    const char *hint;
    QKeyCombination keys;
    void (*action)(TForm1 &);
};

// clang-format off
const ExtraToolDesign ExtraTools[] = {
    {"tool_people",        "Мои люди",      Qt::CTRL | Qt::Key_L, [](TForm1 &form) { form.peopleAction(); }},
    {"tool_sky",           "Небо",          Qt::CTRL | Qt::Key_T, [](TForm1 &form) { form.skyAction(); }},
    {"tool_compatibility", "Совместимость", CompatibilityKeys,    [](TForm1 &form) { form.compatibilityAction(Person()); }},
};
// clang-format on
static_assert(std::size(ExtraTools) == TForm1::ExtraToolCount);

} // namespace

void TForm1::buildExtraToolButtons()
{
    for (int i = 0; i < ExtraToolCount; ++i) {
        const ExtraToolDesign &design = ExtraTools[i];
        ExtraTool &tool = m_extraTools[i];
        const auto picture = [this, i, &design](const char *suffix) {
            auto *label = new ToolPicture(this);
            label->setGeometry(488 + 96 * i, 8, 69, 68);
            label->setPicture(QStringLiteral(":/art/%1%2.png")
                                  .arg(QLatin1String(design.picture), QLatin1String(suffix)));
            label->hide();
            return label;
        };
        tool.pressed = picture("_pressed");
        tool.lit = picture("_highlighted");
        tool.idle = picture("");
        tool.idle->show();

        const auto light = [&tool] {
            tool.idle->hide();
            tool.pressed->hide();
            tool.lit->show();
        };
        const auto click = [this, light, action = design.action] {
            light();
            action(*this);
        };
        ToolButton::Handlers handlers{light,
                                      [&tool] {
                                          tool.lit->hide();
                                          tool.pressed->show();
                                      },
                                      click, click, [this, i] { restExtraToolButton(i); }};
        tool.button = new ToolButton(tool.pressed, tool.lit, tool.idle, std::move(handlers), this);
        const QString hint = QString::fromUtf8(design.hint);
        tool.button->setAccessibleName(hint);
        describeControl(tool.button, QAccessible::Button, hint,
                        [button = tool.button] { button->activate(); });
        for (QLabel *decoration : {tool.idle, tool.lit, tool.pressed})
            describeAsDecoration(decoration);

        // The keys press the button as the pointer would.
        connect(new QShortcut(QKeySequence(design.keys), this), &QShortcut::activated, tool.button,
                &ToolButton::activate);
    }
    setExtraToolHints(m_extraHintsOn);
}

void TForm1::restExtraToolButton(int index)
{
    const ExtraTool &tool = m_extraTools[index];
    tool.lit->hide();
    tool.pressed->hide();
    tool.idle->show();
}

void TForm1::setExtraToolHints(bool on)
{
    m_extraHintsOn = on;
    for (int i = 0; i < ExtraToolCount; ++i) {
        if (!m_extraTools[i].lit)
            return;
        const QString keys = QKeySequence(ExtraTools[i].keys).toString(QKeySequence::PortableText);
        m_extraTools[i].lit->setToolTip(
            on ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(ExtraTools[i].hint), keys)
               : QString());
    }
}

QString TForm1::peopleFilePath() const
{
    return Form2->userFilePath(QLatin1String("people.txt"));
}

void TForm1::peopleAction()
{
    // Until the question is answered there are no signs to show a person's in.
    if (Image2->isHidden())
        return;
    const auto connectWindow = [this](PeopleWindow &window) {
        connect(&window, &PeopleWindow::personChosen, this, &TForm1::showPerson);
        // The people window has said already what it could not read of the list.
        connect(
            &window, &PeopleWindow::compareRequested, this,
            [this, &window](const Person &first) { compare(window.people(), first, Person()); });
        connect(&window, &PeopleWindow::tableRequested, this,
                [this, &window] { showTable(window.people()); });
        connect(&window, &PeopleWindow::bookletRequested, this, &TForm1::bookletAction);
    };
    runModalSetUp(PeopleForm, connectWindow, peopleFilePath(), birthDate(), this);
}

void TForm1::compatibilityAction(const Person &first)
{
    if (Image2->isHidden())
        return;
    const PeopleFile::Loaded loaded = PeopleFile(peopleFilePath()).load();
    if (!loaded.read)
        showErrorBox(loaded.read.failure());
    compare(loaded.people, first, Person());
}

void TForm1::compare(const QList<Person> &people, const Person &first, const Person &second)
{
    runModal(CompatibilityForm, people, birthDate(), Form2->Edit15, first, second, this);
}

void TForm1::showTable(const QList<Person> &people)
{
    const auto connectTable = [this, people](CompatibilityTable &table) {
        connect(&table, &CompatibilityTable::pairChosen, this,
                [this, people](const Person &first, const Person &second) {
                    compare(people, first, second);
                });
        connect(&table, &CompatibilityTable::saveRequested, this, &TForm1::saveLines);
    };
    runModalSetUp(CompatibilityTableForm, connectTable, people, this);
}

void TForm1::showSignsOf(const QDate &date)
{
    Form2->setBirthDate(date.year(), date.month(), date.day());
    Form2->Memo2.clear();
    Form2->computeAllSigns();
    showResultRows(Form2->Memo2);
    showBirthDate(date);
}

void TForm1::showPerson(const Person &person)
{
    if (!People::isBirthDate(person.birth))
        return;
    const QDate &date = person.birth;
    showSignsOf(date);
    setWindowTitle(
        QStringLiteral("Orlenta — %1, %2").arg(person.name, DateWords::dateInWords(date)));
    m_personName = person.name;
    if (ListBox1->isHidden())
        backAction();
    ListBox1->setFocus();
}

void TForm1::saveLines(const QStringList &lines, const QString &suggestedName)
{
    m_suggestedName = suggestedName;
    m_saveFileName = chooseSaveFile();
    m_suggestedName.clear();
    if (m_saveFileName.isEmpty())
        return;
    Form2->saveSource = [this, lines] {
        TForm2::SaveSource source;
        source.fileName = m_saveFileName;
        source.encoding = saveEncoding();
        source.textVisible = true;
        source.text = lines;
        return source;
    };
    if (const Result<> saved = Form2->Button7Click(); !saved)
        showErrorBox(saved.failure());
}
