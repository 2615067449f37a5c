#pragma once

#include "engine/compatibility.h"
#include "engine/people.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTextBrowser;

// «Совместимость»: two people (or a person and the date the main window shows) side by side in
// the seven systems, each system with the two signs, its verdict and the reason. A sign opens its
// text in the report's place; the report can be saved like any text.
class CompatibilityWindow : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompatibilityWindow)

public:
    // `programDir` holds the texts; `first` is the person to start from, when there is one, and
    // `second` the one to compare with.
    CompatibilityWindow(const PersonList &people, const QDate &shownDate, const QString &programDir,
                        const Person &first = Person(), const Person &second = Person(),
                        QWidget *parent = nullptr);

    QComboBox *firstChoice() const { return m_first; }
    QComboBox *secondChoice() const { return m_second; }
    QTextBrowser *report() const { return m_report; }

    // The report as plain lines: both people at the top, then one block per system.
    QStringList reportLines() const;
    // Shows a sign's text in the report's place; back to the report with backToReport().
    void openSign(System system, int sign);
    void backToReport();
    void save();
    void print();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Person chosen(const QComboBox *box) const;
    void build();
    void showReport();

    PersonList m_choices;
    QString m_programDir;
    QComboBox *m_first, *m_second;
    QTextBrowser *m_report;
    QPushButton *m_back, *m_save, *m_close;
    Compatibility::Report m_reading;
    QStringList m_shownText; // the sign text on show, if any
    QString m_shownTitle;
};
