#pragma once

#include "engine/people.h"

#include <QDate>
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// «Мои люди»: the people the user keeps, each shown with their birth date. The date the main
// window shows can be added under a name; a person picked goes to the main window with their
// seven signs; names can be changed, people removed and put in another order. Every change goes
// to the people file at once.
class PeopleWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PeopleWindow)

public:
    // `shownDate` is the date the main window shows (invalid when none).
    PeopleWindow(const QString &path, const QDate &shownDate, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *nameField() const { return m_name; }
    PersonList people() const { return m_people; }

    void addShownDate();
    void renameChosen();
    void removeChosen();
    void moveChosen(int step);
    void showChosen();
    void compareChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void load();
    bool apply(const PeopleFile::Change &change, int chooseRow);
    void fill(int chooseRow);
    void updateButtons();
    int chosenRow() const;

    PeopleFile m_file;
    bool m_renaming = false; // the name field was entered with F2
    QDate m_shownDate;
    PersonList m_people;
    QListWidget *m_list;
    QLineEdit *m_name;
    QLabel *m_note;
    QPushButton *m_show, *m_add, *m_rename, *m_remove, *m_up, *m_down, *m_compare, *m_close;
};
