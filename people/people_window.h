#pragma once

#include "engine/people.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// «Мои люди»: the people the user keeps, each shown with their birth date. A person is added
// with a name and a date of their own, or under the date the main window shows; a person picked
// is handed on with personChosen(), one to compare with compareRequested(), one to write a
// booklet for with bookletRequested(), everyone at once with tableRequested(). Names and dates can
// be changed, people removed and put in another order; every change goes to the people file at
// once, and acts on the row chosen even when two people look the same.
class PeopleWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PeopleWindow)

public:
    // `shownDate` is the date the main window shows (invalid when none).
    PeopleWindow(const QString &path, const QDate &shownDate, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *nameField() const { return m_name; }
    QSpinBox *dayField() const { return m_day; }
    QComboBox *monthField() const { return m_month; }
    QSpinBox *yearField() const { return m_year; }
    QLabel *refusal() const { return m_refusal; }
    QLabel *note() const { return m_note; }
    PersonList people() const { return m_people; }

    void addPerson();    // the name and the date entered
    void addShownDate(); // the name entered, the main window's date
    void changeChosen(); // the chosen person takes the name and the date entered
    void editChosen();   // the chosen person's name and date into the fields, to be changed
    void removeChosen();
    void moveChosen(int step);
    void showChosen();
    void compareChosen();
    void bookletOfChosen();

signals:
    void personChosen(const Person &person);
    void compareRequested(const Person &person);
    void tableRequested(); // everyone against everyone
    void bookletRequested(const Person &person);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    // Applies the change to the list as the file holds it now; `row` is where the chosen person
    // stands after it, -1 when the change found the list changed by another copy.
    bool apply(const std::function<int(PersonList &people)> &change);
    void fill(int chooseRow);
    void updateButtons();
    void updateDefault();
    int chosenRow() const;
    QDate enteredDate() const;
    // Says under the date why it is no birth date, in the wizard's words; false when it is one.
    bool refusedDate();
    void enterDate(const QDate &date);
    // The person's row in the list as it is now: the row chosen when it still holds them.
    static int rowOf(const PersonList &people, int row, const Person &person);

    PeopleFile m_file;
    QDate m_shownDate;
    PersonList m_people;
    bool m_editing = false; // the fields hold the chosen person, to be changed
    bool m_filling = false;
    QListWidget *m_list;
    QLineEdit *m_name;
    QSpinBox *m_day, *m_year;
    QComboBox *m_month;
    QLabel *m_refusal, *m_note;
    QPushButton *m_show, *m_add, *m_addShown, *m_change, *m_remove, *m_up, *m_down, *m_compare,
        *m_table, *m_booklet, *m_close;
};
