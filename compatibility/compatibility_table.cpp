#include "compatibility/compatibility_table.h"

#include "toolkit/accessible.h"
#include "toolkit/design.h"
#include "toolkit/window_owner.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

namespace {

// Best to worst, light enough for black words; the words are there for those who do not tell
// the colours apart.
const QColor VerdictColours[VerdictCount] = {QColor(0xa8, 0xdc, 0x9c), QColor(0xd6, 0xee, 0xc4),
                                             QColor(0xec, 0xec, 0xec), QColor(0xf8, 0xd8, 0xa4),
                                             QColor(0xf2, 0xae, 0xa6)};

} // namespace

CompatibilityTable::CompatibilityTable(const PersonList &people, QWidget *parent)
    : QDialog(parent), m_people(people)
{
    setWindowTitle(QStringLiteral("Таблица совместимости"));
    setDesignFont(this);
    m_system = new QComboBox(this);
    for (int number = 1; number <= SystemCount; ++number)
        m_system->addItem(QString::fromUtf8(systemInfo(static_cast<System>(number)).title));
    describeControl(m_system, QAccessible::ComboBox, QStringLiteral("Гороскоп"));

    m_grid = new QTableWidget(this);
    m_grid->setAccessibleName(QStringLiteral("Таблица совместимости"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->setMinimumSize(520, 300);
    connect(m_grid, &QTableWidget::cellActivated, this, &CompatibilityTable::openCell);

    auto *saveButton = new QPushButton(QStringLiteral("&Сохранить…"), this);
    auto *closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
    for (QPushButton *button : {saveButton, closeButton})
        button->setAutoDefault(false);
    saveButton->setAccessibleName(QStringLiteral("Сохранить"));
    connect(saveButton, &QPushButton::clicked, this, &CompatibilityTable::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &CompatibilityTable::save);

    auto *choice = new QFormLayout;
    choice->addRow(QStringLiteral("&Гороскоп:"), m_system);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_system, &QComboBox::currentIndexChanged, this, &CompatibilityTable::fill);
    fill();
    belongToMainWindow(this);
}

void CompatibilityTable::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

void CompatibilityTable::fill()
{
    m_table = Compatibility::table(m_people, static_cast<System>(m_system->currentIndex() + 1));
    const int count = int(m_people.size());
    QStringList names;
    for (const Person &person : std::as_const(m_people))
        names << Compatibility::callName(person);
    m_grid->clear();
    m_grid->setRowCount(count);
    m_grid->setColumnCount(count);
    m_grid->setHorizontalHeaderLabels(names);
    m_grid->setVerticalHeaderLabels(names);
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < count; ++column) {
            const std::optional<Compatibility::Reading> &cell = m_table.cells[row][column];
            auto *item = new QTableWidgetItem;
            if (row == column) {
                item->setText(QStringLiteral("—"));
                item->setFlags(Qt::NoItemFlags);
            } else if (!cell) {
                item->setText(QStringLiteral("нет оценки"));
            } else {
                // The verdict's first word: «прекрасная», «ровная» …
                item->setText(QString::fromUtf8(verdictName(cell->verdict)).section(u' ', 0, 0));
                item->setBackground(VerdictColours[static_cast<int>(cell->verdict)]);
                item->setForeground(Qt::black);
                item->setToolTip(cell->reason);
            }
            item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(row, column, item);
        }
    }
}

QStringList CompatibilityTable::tableLines() const
{
    return Compatibility::tableLines(m_table);
}

void CompatibilityTable::openCell(int row, int column)
{
    if (row != column && row >= 0 && column >= 0 && row < m_people.size() &&
        column < m_people.size())
        emit pairChosen(m_people.at(row), m_people.at(column));
}

void CompatibilityTable::save()
{
    emit saveRequested(tableLines(),
                       QStringLiteral("Таблица совместимости — %1")
                           .arg(m_system->currentText().section(QStringLiteral(" ("), 0, 0)));
}
