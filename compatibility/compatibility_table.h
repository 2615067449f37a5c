#pragma once

#include "engine/compatibility.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

// «Таблица совместимости»: everyone the user keeps against everyone else in one system, a grid of
// verdicts each in its own colour and in words. A cell asks for that pair's report; the table
// can be saved as text.
class CompatibilityTable : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompatibilityTable)

public:
    explicit CompatibilityTable(const PersonList &people, QWidget *parent = nullptr);

    QComboBox *systemChoice() const { return m_system; }
    QTableWidget *grid() const { return m_grid; }

    QStringList tableLines() const;
    void openCell(int row, int column);
    void save();

signals:
    void pairChosen(const Person &first, const Person &second);
    void saveRequested(const QStringList &lines, const QString &suggestedName);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();

    PersonList m_people;
    Compatibility::Table m_table;
    QComboBox *m_system;
    QTableWidget *m_grid;
};
