// The main window's way to the people and the compatibility report: a tool button of its own
// beside the design's five, its shortcuts, and the operations the two windows call back.

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

namespace {

const char *const PeopleHint = "Мои люди";
const QKeyCombination PeopleKeys = Qt::CTRL | Qt::Key_P;
const QKeyCombination CompatibilityKeys = Qt::CTRL | Qt::Key_K;

} // namespace

void TForm1::buildPeopleButton()
{
    const auto picture = [this](const char *suffix) {
        auto *label = new ToolPicture(this);
        label->setGeometry(488, 8, 69, 68);
        label->setPicture(QStringLiteral(":/art/tool_people%1.png").arg(QLatin1String(suffix)));
        label->hide();
        return label;
    };
    m_peoplePressed = picture("_pressed");
    m_peopleLit = picture("_highlighted");
    m_peopleIdle = picture("");
    m_peopleIdle->show();

    const auto light = [this] {
        m_peopleIdle->hide();
        m_peoplePressed->hide();
        m_peopleLit->show();
    };
    const auto click = [this, light] {
        light();
        peopleAction();
    };
    ToolButton::Handlers handlers{light,
                                  [this] {
                                      m_peopleLit->hide();
                                      m_peoplePressed->show();
                                  },
                                  click, click, [this] { restPeopleButton(); }};
    m_peopleButton =
        new ToolButton(m_peoplePressed, m_peopleLit, m_peopleIdle, std::move(handlers), this);
    m_peopleButton->setAccessibleName(QString::fromUtf8(PeopleHint));
    describeControl(m_peopleButton, QAccessible::Button, QString::fromUtf8(PeopleHint),
                    [button = m_peopleButton] { button->activate(); });
    for (QLabel *decoration : {m_peopleIdle, m_peopleLit, m_peoplePressed})
        describeAsDecoration(decoration);
    setPeopleHint(m_peopleHintOn);

    // Ctrl+P presses the button as the pointer would.
    connect(new QShortcut(QKeySequence(PeopleKeys), this), &QShortcut::activated, m_peopleButton,
            &ToolButton::activate);
    connect(new QShortcut(QKeySequence(CompatibilityKeys), this), &QShortcut::activated, this,
            [this] { compatibilityAction(Person()); });
}

void TForm1::restPeopleButton()
{
    m_peopleLit->hide();
    m_peoplePressed->hide();
    m_peopleIdle->show();
}

void TForm1::setPeopleHint(bool on)
{
    m_peopleHintOn = on;
    if (!m_peopleLit)
        return;
    const QString keys = QKeySequence(PeopleKeys).toString(QKeySequence::PortableText);
    m_peopleLit->setToolTip(on ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(PeopleHint), keys)
                               : QString());
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

void TForm1::showPerson(const Person &person)
{
    if (!People::isBirthDate(person.birth))
        return;
    const QDate &date = person.birth;
    Form2->setBirthDate(date.year(), date.month(), date.day());
    Form2->Memo2.clear();
    Form2->computeAllSigns();
    showResultRows(Form2->Memo2);
    showBirthDate(date);
    setWindowTitle(
        QStringLiteral("Orlenta — %1, %2").arg(person.name, DateWords::dateInWords(date)));
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
