#include "people/people_window.h"

#include "app/forms.h"
#include "engine/date_words.h"
#include "main_window/tform1.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"
#include "toolkit/window_owner.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace {

QString personLine(const Person &person)
{
    return person.name + QStringLiteral(" — ") + DateWords::dateInWords(person.birth);
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

    m_note = new QLabel(this);
    m_note->setWordWrap(true);

    const auto button = [this](const QString &text, const QString &name,
                               void (PeopleWindow::*slot)()) {
        auto *made = new QPushButton(text, this);
        made->setAccessibleName(name);
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, slot);
        return made;
    };
    m_show = button(QStringLiteral("&Показать знаки"), QStringLiteral("Показать знаки"),
                    &PeopleWindow::showChosen);
    m_add = button(QStringLiteral("&Добавить"), QStringLiteral("Добавить дату"),
                   &PeopleWindow::addShownDate);
    m_rename = button(QStringLiteral("П&ереименовать"), QStringLiteral("Переименовать"),
                      &PeopleWindow::renameChosen);
    m_remove =
        button(QStringLiteral("&Удалить"), QStringLiteral("Удалить"), &PeopleWindow::removeChosen);
    m_up = button(QStringLiteral("В&ыше"), QStringLiteral("Выше"), nullptr);
    m_down = button(QStringLiteral("&Ниже"), QStringLiteral("Ниже"), nullptr);
    m_compare = button(QStringLiteral("&Совместимость…"), QStringLiteral("Совместимость"),
                       &PeopleWindow::compareChosen);
    m_close = button(QStringLiteral("Закрыть"), QStringLiteral("Закрыть"), &QDialog::reject);
    disconnect(m_up, nullptr, this, nullptr);
    disconnect(m_down, nullptr, this, nullptr);
    connect(m_up, &QPushButton::clicked, this, [this] { moveChosen(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveChosen(1); });
    m_show->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {m_show, m_compare, m_up, m_down, m_remove})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(m_close);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_add);
    nameRow->addWidget(m_rename);

    auto *grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addLayout(nameRow, 2, 0, 1, 2);
    grid->addWidget(m_note, 3, 0, 1, 2);

    // The list's own keys: Return shows, Delete removes, Ctrl with an arrow moves, F2 renames.
    const auto key = [this](const QKeySequence &keys, auto action) {
        auto *shortcut = new QShortcut(keys, m_list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_Delete), [this] { removeChosen(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveChosen(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveChosen(1); });
    key(QKeySequence(Qt::Key_F2), [this] {
        m_renaming = true;
        m_name->setFocus();
        m_name->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this), &QShortcut::activated, this,
            &PeopleWindow::compareChosen);
    connect(m_list, &QListWidget::itemActivated, this, &PeopleWindow::showChosen);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_people.size())
            m_name->setText(m_people.at(row).name);
        updateButtons();
    });
    connect(m_name, &QLineEdit::textChanged, this, &PeopleWindow::updateButtons);
    // Return in the name adds the date under it, or renames after F2; elsewhere it shows.
    m_name->installEventFilter(this);
    if (m_shownDate.isValid())
        m_add->setText(QStringLiteral("&Добавить %1").arg(DateWords::dateInWords(m_shownDate)));
    load();
    belongToMainWindow(this);
}

bool PeopleWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::FocusIn)
        (m_renaming ? m_rename : m_add)->setDefault(true);
    else if (watched == m_name && event->type() == QEvent::FocusOut) {
        m_renaming = false;
        m_show->setDefault(true);
    }
    return QDialog::eventFilter(watched, event);
}

void PeopleWindow::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
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
    m_list->clear();
    for (const Person &person : std::as_const(m_people))
        m_list->addItem(personLine(person));
    if (chooseRow >= 0 && chooseRow < m_people.size())
        m_list->setCurrentRow(chooseRow);
    updateButtons();
}

int PeopleWindow::chosenRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_people.size() ? row : -1;
}

void PeopleWindow::updateButtons()
{
    const bool chosen = chosenRow() >= 0;
    const QString name = People::cleanName(m_name->text());
    m_add->setEnabled(m_shownDate.isValid() && !name.isEmpty());
    m_rename->setEnabled(chosen && !name.isEmpty() && name != m_people.at(chosenRow()).name);
    for (QPushButton *each : {m_show, m_remove, m_compare})
        each->setEnabled(chosen);
    m_up->setEnabled(chosen && chosenRow() > 0);
    m_down->setEnabled(chosen && chosenRow() < m_people.size() - 1);
    if (m_people.isEmpty() && m_note->text().isEmpty())
        m_note->setText(m_shownDate.isValid()
                            ? QStringLiteral("Список пуст: добавьте свою дату под именем «Я».")
                            : QStringLiteral("Список пуст: сначала найдите знаки для даты."));
}

bool PeopleWindow::apply(const PeopleFile::Change &change, int chooseRow)
{
    const Result<PersonList> written = m_file.change(change);
    if (!written) {
        showErrorBox(written.failure(), this);
        return false;
    }
    m_people = *written;
    m_note->clear();
    fill(chooseRow);
    return true;
}

void PeopleWindow::addShownDate()
{
    const Person person{People::cleanName(m_name->text()), m_shownDate};
    if (person.name.isEmpty() || !People::isBirthDate(person.birth))
        return;
    int row = -1;
    apply(
        [&](PersonList &people) {
            people.append(person);
            row = static_cast<int>(people.size()) - 1;
        },
        -1);
    m_list->setCurrentRow(row);
    m_list->setFocus();
}

void PeopleWindow::renameChosen()
{
    const int row = chosenRow();
    const QString name = People::cleanName(m_name->text());
    if (row < 0 || name.isEmpty())
        return;
    const Person chosen = m_people.at(row);
    int at = row;
    apply(
        [&](PersonList &people) {
            at = static_cast<int>(people.indexOf(chosen));
            if (at >= 0)
                people[at].name = name;
        },
        row);
    m_list->setCurrentRow(at);
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
    apply([&](PersonList &people) { people.removeOne(chosen); }, qMax(0, row - 1));
}

void PeopleWindow::moveChosen(int step)
{
    const int row = chosenRow();
    if (row < 0 || row + step < 0 || row + step >= m_people.size())
        return;
    const Person chosen = m_people.at(row);
    const Person other = m_people.at(row + step);
    int at = row + step;
    apply(
        [&](PersonList &people) {
            const int from = static_cast<int>(people.indexOf(chosen));
            const int to = static_cast<int>(people.indexOf(other));
            if (from >= 0 && to >= 0)
                people.move(from, to);
            at = static_cast<int>(people.indexOf(chosen));
        },
        row + step);
    m_list->setCurrentRow(at);
}

void PeopleWindow::showChosen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    // The main window takes the person before this one closes over it.
    Form1->showPerson(m_people.at(row));
    accept();
}

void PeopleWindow::compareChosen()
{
    const int row = chosenRow();
    if (row >= 0)
        Form1->compatibilityAction(m_people.at(row));
}
