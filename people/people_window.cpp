#include "people/people_window.h"

#include "engine/clock.h"
#include "engine/date_words.h"
#include "engine/day_numbers.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"
#include "toolkit/window_owner.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

namespace {

// What a change gives back when the chosen person is no longer where the window showed them.
constexpr int Gone = -2;

const QColor RefusalColor(160, 0, 0);

QString personLine(const Person &person)
{
    QString line = person.name + QStringLiteral(" — ") + DateWords::dateInWords(person.birth);
    if (person.birth > Clock::today())
        line += QStringLiteral(" — дата ещё не наступила");
    return line;
}

} // namespace

PeopleWindow::PeopleWindow(const QString &path, const QDate &shownDate, QWidget *parent)
    : QDialog(parent), m_file(path), m_shownDate(shownDate)
{
    setWindowTitle(QStringLiteral("Мои люди"));
    setDesignFont(this);

    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Список людей"));
    m_list->setMinimumSize(320, 220);
    auto *listLabel = new QLabel(QStringLiteral("&Люди:"), this);
    listLabel->setBuddy(m_list);

    m_name = new QLineEdit(this);
    m_name->setMaxLength(People::MaxNameLength * 2); // a character may take two code units
    m_name->setAccessibleName(QStringLiteral("Имя"));
    auto *nameLabel = new QLabel(QStringLiteral("&Имя:"), this);
    nameLabel->setBuddy(m_name);

    // Any day of any month can be entered, so that a day the month lacks is said in words.
    m_day = new QSpinBox(this);
    m_day->setRange(1, 31);
    m_day->setAccessibleName(QStringLiteral("День рождения"));
    m_month = new QComboBox(this);
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(DateWords::monthNominative(month));
    m_month->setAccessibleName(QStringLiteral("Месяц рождения"));
    m_year = new QSpinBox(this);
    m_year->setRange(DayNumbers::FirstYear, DayNumbers::lastOfferedYear());
    m_year->setAccessibleName(QStringLiteral("Год рождения"));
    auto *dateLabel = new QLabel(QStringLiteral("Дата &рождения:"), this);
    dateLabel->setBuddy(m_day);
    enterDate(m_shownDate.isValid() ? m_shownDate : Clock::today());

    m_refusal = new QLabel(this);
    m_refusal->setWordWrap(true);
    QPalette refusal = m_refusal->palette();
    refusal.setColor(QPalette::WindowText, RefusalColor);
    m_refusal->setPalette(refusal);
    m_refusal->hide();
    m_note = new QLabel(this);
    m_note->setWordWrap(true);

    const auto button = [this](const QString &text, const QString &name, auto slot) {
        auto *made = new QPushButton(text, this);
        made->setAccessibleName(name);
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, slot);
        return made;
    };
    m_show = button(QStringLiteral("&Показать знаки"), QStringLiteral("Показать знаки"),
                    [this] { showChosen(); });
    m_compare = button(QStringLiteral("&Совместимость…"), QStringLiteral("Совместимость"),
                       [this] { compareChosen(); });
    m_table = button(QStringLiteral("Та&блица совместимости…"),
                     QStringLiteral("Таблица совместимости"), [this] { emit tableRequested(); });
    m_booklet = button(QStringLiteral("Гороскоп в &PDF…"), QStringLiteral("Гороскоп в PDF"),
                       [this] { bookletOfChosen(); });
    m_up = button(QStringLiteral("В&ыше"), QStringLiteral("Выше"), [this] { moveChosen(-1); });
    m_down = button(QStringLiteral("&Ниже"), QStringLiteral("Ниже"), [this] { moveChosen(1); });
    m_remove =
        button(QStringLiteral("&Удалить"), QStringLiteral("Удалить"), [this] { removeChosen(); });
    m_close = button(QStringLiteral("Закрыть"), QStringLiteral("Закрыть"), [this] { reject(); });
    m_add =
        button(QStringLiteral("&Добавить"), QStringLiteral("Добавить"), [this] { addPerson(); });
    m_change = button(QStringLiteral("Измени&ть"), QStringLiteral("Изменить выбранного"),
                      [this] { changeChosen(); });
    m_addShown =
        button(QStringLiteral("Добавить дату из &главного окна"),
               QStringLiteral("Добавить дату из главного окна"), [this] { addShownDate(); });
    if (m_shownDate.isValid())
        m_addShown->setToolTip(DateWords::dateInWords(m_shownDate));
    else
        m_addShown->hide();

    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {m_show, m_compare, m_table, m_booklet, m_up, m_down, m_remove})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto *entry = new QGridLayout;
    entry->addWidget(nameLabel, 0, 0);
    entry->addWidget(m_name, 0, 1, 1, 3);
    entry->addWidget(dateLabel, 1, 0);
    entry->addWidget(m_day, 1, 1);
    entry->addWidget(m_month, 1, 2);
    entry->addWidget(m_year, 1, 3);
    entry->setColumnStretch(2, 1);
    auto *entryButtons = new QHBoxLayout;
    for (QPushButton *each : {m_add, m_change, m_addShown})
        entryButtons->addWidget(each);
    entryButtons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addLayout(entry, 2, 0, 1, 2);
    grid->addWidget(m_refusal, 3, 0, 1, 2);
    grid->addLayout(entryButtons, 4, 0, 1, 2);
    grid->addWidget(m_note, 5, 0, 1, 2);

    // The list's own keys: Delete removes, Ctrl with an arrow moves, F2 changes the chosen person.
    const auto key = [this](const QKeySequence &keys, auto action) {
        auto *shortcut = new QShortcut(keys, m_list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_Delete), [this] { removeChosen(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveChosen(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveChosen(1); });
    key(QKeySequence(Qt::Key_F2), [this] { editChosen(); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this), &QShortcut::activated, this,
            &PeopleWindow::compareChosen);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this),
            &QShortcut::activated, this, &PeopleWindow::bookletOfChosen);
    // Return reaches the default button, which follows the keyboard; a double click shows.
    connect(m_list, &QListWidget::itemDoubleClicked, this, &PeopleWindow::showChosen);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0 && row < m_people.size()) {
            m_name->setText(m_people.at(row).name);
            enterDate(m_people.at(row).birth);
        }
        updateButtons();
    });
    connect(m_name, &QLineEdit::textChanged, this, &PeopleWindow::updateButtons);
    const auto dateEdited = [this] {
        m_refusal->hide();
        updateButtons();
    };
    connect(m_day, &QSpinBox::valueChanged, this, dateEdited);
    connect(m_year, &QSpinBox::valueChanged, this, dateEdited);
    connect(m_month, &QComboBox::currentIndexChanged, this, dateEdited);
    connect(qApp, &QApplication::focusChanged, this, &PeopleWindow::updateDefault);
    load();
    belongToMainWindow(this);
}

void PeopleWindow::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void PeopleWindow::updateDefault()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return;
    if (focus == m_list) {
        m_editing = false;
        m_show->setDefault(true);
        return;
    }
    for (QWidget *field : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(m_day),
                           static_cast<QWidget *>(m_month), static_cast<QWidget *>(m_year)}) {
        if (field == focus || field->isAncestorOf(focus))
            (m_editing ? m_change : m_add)->setDefault(true);
    }
}

void PeopleWindow::load()
{
    const PeopleFile::Loaded loaded = m_file.load();
    m_people = loaded.people;
    if (!loaded.read) {
        m_note->setText(
            QStringLiteral("Список прочитан не весь; при первом изменении прежний файл будет "
                           "сохранён рядом с новым."));
        showErrorBox(loaded.read.failure(), this);
    }
    fill(m_people.isEmpty() ? -1 : 0);
    if (m_people.isEmpty()) {
        m_name->setText(People::OwnName);
        m_name->selectAll();
        m_name->setFocus();
    } else {
        m_list->setFocus();
    }
}

void PeopleWindow::fill(int chooseRow)
{
    m_filling = true;
    m_list->clear();
    for (const Person &person : std::as_const(m_people)) {
        auto *item = new QListWidgetItem(personLine(person), m_list);
        if (person.birth > Clock::today())
            item->setForeground(RefusalColor);
    }
    if (chooseRow >= 0 && chooseRow < m_people.size())
        m_list->setCurrentRow(chooseRow);
    m_filling = false;
    updateButtons();
}

int PeopleWindow::chosenRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_people.size() ? row : -1;
}

QDate PeopleWindow::enteredDate() const
{
    return QDate(m_year->value(), m_month->currentIndex() + 1, m_day->value());
}

void PeopleWindow::enterDate(const QDate &date)
{
    m_year->setValue(date.year());
    m_month->setCurrentIndex(date.month() - 1);
    m_day->setValue(date.day());
}

void PeopleWindow::updateButtons()
{
    const int row = chosenRow();
    const QString name = People::cleanName(m_name->text());
    m_add->setEnabled(!name.isEmpty());
    m_addShown->setEnabled(m_shownDate.isValid() && !name.isEmpty());
    m_change->setEnabled(row >= 0 && !name.isEmpty() &&
                         !(Person{name, enteredDate()} == m_people.at(row)));
    for (QPushButton *each : {m_show, m_remove, m_compare, m_booklet})
        each->setEnabled(row >= 0);
    m_table->setEnabled(m_people.size() > 1);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row < m_people.size() - 1);
    if (m_people.isEmpty() && m_note->text().isEmpty())
        m_note->setText(QStringLiteral("Список пуст: добавьте себя под именем «Я»."));
}

int PeopleWindow::rowOf(const PersonList &people, int row, const Person &person)
{
    if (row >= 0 && row < people.size() && people.at(row) == person)
        return row;
    return static_cast<int>(people.indexOf(person));
}

bool PeopleWindow::apply(const std::function<int(PersonList &people)> &change)
{
    int row = Gone;
    const Result<PersonList> written =
        m_file.change([&](PersonList &people) { row = change(people); });
    if (!written) {
        // What the user entered stays, to be tried again.
        showErrorBox(written.failure(), this);
        return false;
    }
    m_people = *written;
    m_note->setText(row == Gone ? QStringLiteral("Список успела изменить другая копия Orlenta: "
                                                 "он показан таким, каков он сейчас.")
                                : QString());
    fill(row);
    return row != Gone;
}

bool PeopleWindow::refusedDate()
{
    const QString refusal =
        DateWords::birthDateRefusal(m_year->value(), m_month->currentIndex() + 1, m_day->value());
    m_refusal->setText(refusal);
    m_refusal->setVisible(!refusal.isEmpty());
    if (!refusal.isEmpty())
        m_day->setFocus();
    return !refusal.isEmpty();
}

void PeopleWindow::addPerson()
{
    if (refusedDate())
        return;
    const Person person{People::cleanName(m_name->text()), enteredDate()};
    if (person.name.isEmpty())
        return;
    if (apply([&](PersonList &people) {
            people.append(person);
            return static_cast<int>(people.size()) - 1;
        }))
        m_list->setFocus();
}

void PeopleWindow::addShownDate()
{
    if (!m_shownDate.isValid())
        return;
    enterDate(m_shownDate);
    addPerson();
}

void PeopleWindow::editChosen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    m_name->setText(m_people.at(row).name);
    enterDate(m_people.at(row).birth);
    m_editing = true;
    m_name->setFocus();
    m_name->selectAll();
    m_change->setDefault(true);
}

void PeopleWindow::changeChosen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    if (refusedDate())
        return;
    const Person chosen = m_people.at(row);
    const Person changed{People::cleanName(m_name->text()), enteredDate()};
    if (changed.name.isEmpty())
        return;
    if (apply([&](PersonList &people) {
            const int at = rowOf(people, row, chosen);
            if (at < 0)
                return Gone;
            people[at] = changed;
            return at;
        })) {
        m_editing = false;
        m_list->setFocus();
    }
}

void PeopleWindow::removeChosen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    const Person chosen = m_people.at(row);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Мои люди"),
                    QStringLiteral("Убрать из списка «%1»?").arg(personLine(chosen)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Убрать"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Оставить"));
    box.setDefaultButton(QMessageBox::Yes);
    if (execBox(box) != QMessageBox::Yes)
        return;
    apply([&](PersonList &people) {
        const int at = rowOf(people, row, chosen);
        if (at < 0)
            return Gone;
        people.removeAt(at);
        return people.isEmpty() ? -1 : qMax(0, at - 1);
    });
    m_list->setFocus();
}

void PeopleWindow::moveChosen(int step)
{
    const int row = chosenRow();
    if (row < 0 || row + step < 0 || row + step >= m_people.size())
        return;
    const Person chosen = m_people.at(row);
    apply([&](PersonList &people) {
        const int from = rowOf(people, row, chosen);
        const int to = from + step;
        if (from < 0 || to < 0 || to >= people.size())
            return Gone;
        people.move(from, to);
        return to;
    });
}

void PeopleWindow::showChosen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    // Whoever takes the person does so before this window closes over them.
    emit personChosen(m_people.at(row));
    accept();
}

void PeopleWindow::compareChosen()
{
    const int row = chosenRow();
    if (row >= 0)
        emit compareRequested(m_people.at(row));
}

void PeopleWindow::bookletOfChosen()
{
    const int row = chosenRow();
    if (row >= 0)
        emit bookletRequested(m_people.at(row));
}
