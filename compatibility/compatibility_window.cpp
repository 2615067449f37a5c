#include "compatibility/compatibility_window.h"

#include "app/forms.h"
#include "main_window/tform1.h"
#include "print/printout.h"
#include "toolkit/accessible.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/text_list.h"
#include "toolkit/window_owner.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QUrl>

namespace {

QString signName(System system, int sign)
{
    return QString::fromUtf8(systemInfo(system).signs[std::size_t(sign)].name);
}

} // namespace

CompatibilityWindow::CompatibilityWindow(const PersonList &people, const QDate &shownDate,
                                         const QString &programDir, const Person &first,
                                         const Person &second, QWidget *parent)
    : QDialog(parent), m_choices(people), m_programDir(programDir)
{
    // The main window's date is someone kept, or the user's own unsaved date.
    int shownRow = -1;
    for (int row = 0; row < m_choices.size() && shownDate.isValid(); ++row) {
        if (m_choices.at(row).birth == shownDate) {
            shownRow = row;
            break;
        }
    }
    if (shownDate.isValid() && shownRow < 0) {
        shownRow = static_cast<int>(m_choices.size());
        m_choices.append({QString(), shownDate});
    }
    build();

    // The second is the one asked for, else someone born on another day when there is one: the
    // main window's date, else the next person in the list.
    const int firstRow = qMax(0, static_cast<int>(m_choices.indexOf(first)));
    const int count = static_cast<int>(m_choices.size());
    QList<int> order;
    if (shownRow >= 0)
        order << shownRow;
    for (int step = 1; step < count; ++step)
        order << (firstRow + step) % count;
    int secondRow = count > 1 ? (firstRow + 1) % count : firstRow;
    for (const int row : std::as_const(order)) {
        if (row != firstRow && m_choices.at(row).birth != m_choices.at(firstRow).birth) {
            secondRow = row;
            break;
        }
    }
    if (m_choices.contains(second))
        secondRow = static_cast<int>(m_choices.indexOf(second));
    m_first->setCurrentIndex(firstRow);
    m_second->setCurrentIndex(secondRow);
    connect(m_first, &QComboBox::currentIndexChanged, this, &CompatibilityWindow::showReport);
    connect(m_second, &QComboBox::currentIndexChanged, this, &CompatibilityWindow::showReport);
    showReport();
    belongToMainWindow(this);
}

void CompatibilityWindow::build()
{
    setWindowTitle(QStringLiteral("Совместимость"));
    setDesignFont(this);
    m_first = new QComboBox(this);
    m_second = new QComboBox(this);
    for (const Person &person : std::as_const(m_choices)) {
        m_first->addItem(Compatibility::personLine(person));
        m_second->addItem(Compatibility::personLine(person));
    }
    // Qt names a drop-down by its value on Linux; a screen reader should hear which person it is.
    describeControl(m_first, QAccessible::ComboBox, QStringLiteral("Первый человек"));
    describeControl(m_second, QAccessible::ComboBox, QStringLiteral("Второй человек"));

    m_report = new QTextBrowser(this);
    m_report->setAccessibleName(QStringLiteral("Отчёт о совместимости"));
    m_report->setOpenLinks(false);
    m_report->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    m_report->setMinimumSize(520, 360);
    connect(m_report, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        const QStringList parts = url.path().split(u'/');
        if (url.scheme() == QLatin1String("sign") && parts.size() == 2)
            openSign(static_cast<System>(parts.at(0).toInt()), parts.at(1).toInt());
    });

    const auto button = [this](const QString &text, const QString &name) {
        auto *made = new QPushButton(text, this);
        made->setAccessibleName(name);
        made->setAutoDefault(false);
        return made;
    };
    m_back = button(QStringLiteral("&К отчёту"), QStringLiteral("К отчёту"));
    m_save = button(QStringLiteral("&Сохранить…"), QStringLiteral("Сохранить"));
    m_close = button(QStringLiteral("Закрыть"), QStringLiteral("Закрыть"));
    m_back->hide();
    connect(m_back, &QPushButton::clicked, this, &CompatibilityWindow::backToReport);
    connect(m_save, &QPushButton::clicked, this, &CompatibilityWindow::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &CompatibilityWindow::save);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &CompatibilityWindow::print);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this,
            &CompatibilityWindow::backToReport);

    auto *choices = new QFormLayout;
    choices->addRow(QStringLiteral("&Первый:"), m_first);
    choices->addRow(QStringLiteral("&Второй:"), m_second);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_report, 1);
    layout->addLayout(buttons);
}

void CompatibilityWindow::showEvent(QShowEvent *event)
{
    centreOnScreen(this);
    QDialog::showEvent(event);
}

Person CompatibilityWindow::chosen(const QComboBox *box) const
{
    return m_choices.value(box->currentIndex());
}

void CompatibilityWindow::showReport()
{
    m_shownText.clear();
    m_back->hide();
    const Person a = chosen(m_first);
    const Person b = chosen(m_second);
    if (!a.birth.isValid() || !b.birth.isValid()) {
        m_reading = {};
        m_report->setHtml(
            QStringLiteral("<p>Для отчёта нужны две даты: добавьте людей в «Мои люди».</p>"));
        return;
    }
    m_reading = Compatibility::report(a, b);
    QString html = QStringLiteral("<h3>%1</h3><p>%2<br>%3</p>")
                       .arg(m_reading.title.toHtmlEscaped(), m_reading.people[0].toHtmlEscaped(),
                            m_reading.people[1].toHtmlEscaped());
    for (const Compatibility::SystemReading &each : std::as_const(m_reading.systems)) {
        html += QStringLiteral("<p>");
        if (each.reading) {
            const auto link = [&](int sign) {
                return QStringLiteral("<a href=\"sign:%1/%2\">%3</a>")
                    .arg(static_cast<int>(each.system))
                    .arg(sign)
                    .arg(Compatibility::lineName(each.system, sign).toHtmlEscaped());
            };
            html +=
                QStringLiteral("%1%2 и %3 — <b>%4</b><br>%5")
                    .arg(Compatibility::linePrefix(each.system).toHtmlEscaped(), link(each.signA),
                         link(each.signB), QString::fromUtf8(verdictName(each.reading->verdict)),
                         each.reading->reason.toHtmlEscaped());
        } else {
            html += Compatibility::verdictLine(each).toHtmlEscaped();
        }
        html += QStringLiteral("</p>");
    }
    m_report->setHtml(html);
}

QStringList CompatibilityWindow::reportLines() const
{
    if (!m_shownText.isEmpty())
        return m_shownText;
    return Compatibility::reportLines(m_reading);
}

void CompatibilityWindow::openSign(System system, int sign)
{
    if (static_cast<int>(system) < 1 || static_cast<int>(system) > SystemCount)
        return;
    const SignList &signs = systemInfo(system).signs;
    if (sign < 0 || std::size_t(sign) >= signs.count)
        return;
    const QString path =
        signTextPath(m_programDir, system, QString::fromLatin1(signs[std::size_t(sign)].key));
    const Result<QStringList> text = TextList::load(path);
    if (!text) {
        showErrorBox(text.failure(), this);
        return;
    }
    m_shownText = *text;
    m_shownTitle = signName(system, sign);
    m_report->setPlainText(m_shownText.join(u'\n'));
    // setPlainText() gives the whole text the format under the cursor, which after a click on a
    // sign is the link's.
    QTextCursor all(m_report->document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
    m_back->show();
    m_back->setFocus();
}

void CompatibilityWindow::backToReport()
{
    if (!m_shownText.isEmpty())
        showReport();
}

void CompatibilityWindow::print()
{
    const QString title = m_shownText.isEmpty() ? m_reading.title : m_shownTitle;
    Printing::printWithPreview({title, QString(), reportLines(), QString()}, this);
}

void CompatibilityWindow::save()
{
    const QString name = m_shownText.isEmpty() ? m_reading.title : m_shownTitle;
    Form1->saveLines(reportLines(), name);
}
