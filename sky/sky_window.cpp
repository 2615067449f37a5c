#include "sky/sky_window.h"

#include "data/places.h"
#include "data/sign_keys.h"
#include "engine/clock.h"
#include "engine/compatibility.h"
#include "engine/date_words.h"
#include "engine/remembered.h"
#include "print/printout.h"
#include "sky/moon_picture.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"
#include "toolkit/text_list.h"
#include "toolkit/window_owner.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimeZone>
#include <QTimer>
#include <QWheelEvent>

namespace {

const int TextPixels = 15;
const int HeadingPixels = 20;

const char *const UnknownCity =
    "Такого города нет в списке. Другое место можно задать широтой, долготой и часовым поясом.";
const char *const NoPerson =
    "Заметка для вашего знака появится, когда в главном окне будет дата рождения.";

QString hhmm(const Sky::Moment &moment)
{
    return moment.time.toString(QStringLiteral("HH:mm"));
}

// The zodiac row of the person's signs, in the ecliptic order of the sky.
int zodiacSign(const QDate &birth)
{
    if (!birth.isValid())
        return -1;
    const int row = Compatibility::signsOf(birth).of[0];
    if (row < 0)
        return -1;
    return Sky::signOfKey(
        QString::fromLatin1(systemInfo(System::Zodiac).signs[std::size_t(row)].key));
}

// Spins and a zone list in a small modal window; a sound place, or none when cancelled.
std::optional<Sky::Place> placeFromUser(const Sky::Place &start, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Другое место"));
    setDesignFont(&dialog);
    auto *name = new QLineEdit(start.name, &dialog);
    name->setAccessibleName(QStringLiteral("Название места"));
    name->setMaxLength(60);
    const auto spin = [&dialog](double limit, double value, const QString &accessible) {
        auto *box = new QDoubleSpinBox(&dialog);
        box->setRange(-limit, limit);
        box->setDecimals(4);
        box->setValue(value);
        box->setAccessibleName(accessible);
        return box;
    };
    QDoubleSpinBox *latitude =
        spin(90, start.latitude, QStringLiteral("Широта, градусы, север со знаком плюс"));
    QDoubleSpinBox *longitude =
        spin(180, start.longitude, QStringLiteral("Долгота, градусы, восток со знаком плюс"));
    auto *zone = new QComboBox(&dialog);
    zone->setEditable(true);
    zone->setAccessibleName(QStringLiteral("Часовой пояс"));
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        zone->addItem(QString::fromLatin1(id));
    zone->setCurrentText(QString::fromLatin1(start.zone));
    zone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    zone->completer()->setFilterMode(Qt::MatchContains);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Выбрать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    auto *problem = new QLabel(&dialog);
    problem->setWordWrap(true);
    problem->hide();

    const auto place = [&] {
        return Sky::Place{name->text().simplified(), latitude->value(), longitude->value(),
                          zone->currentText().trimmed().toLatin1()};
    };
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (Remembered::isSoundPlace(place())) {
            dialog.accept();
            return;
        }
        problem->setText(QStringLiteral("Нужны название места и часовой пояс из списка, "
                                        "например Europe/Moscow."));
        problem->show();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("&Название:"), name);
    form->addRow(QStringLiteral("&Широта (север +):"), latitude);
    form->addRow(QStringLiteral("&Долгота (восток +):"), longitude);
    form->addRow(QStringLiteral("&Часовой пояс:"), zone);
    form->addRow(problem);
    form->addRow(buttons);
    if (execModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return place();
}

} // namespace

SkyWindow::SkyWindow(const QString &programDir, const QString &placePath, const Person &person,
                     int textSize, QWidget *parent)
    : QDialog(parent), m_programDir(programDir), m_placePath(placePath),
      m_place(Remembered::loadPlace(placePath)),
      m_calculator(std::make_unique<Sky::Calculator>(m_place)), m_textSize(textSize)
{
    build();
    setPerson(person);
    m_city->setText(m_place.name);
    applyTextSize();
    showToday();
    markMonth(m_calendar->yearShown(), m_calendar->monthShown());
    belongToMainWindow(this);
}

SkyWindow::~SkyWindow() = default;

void SkyWindow::build()
{
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setDesignFont(this);
    m_heading = new QLabel(this);
    m_heading->setFont(pixelFont(QStringLiteral("Times New Roman"), HeadingPixels, true));
    m_heading->setWordWrap(true);
    m_moon = new MoonPicture(this);
    m_moon->setAccessibleName(QStringLiteral("Фаза Луны"));

    m_calendar = new SkyCalendar(this);
    m_calendar->setDateRange(Sky::firstDate(), Sky::lastDate());
    m_calendar->setAccessibleName(QStringLiteral("Календарь месяца"));
    m_calendar->setAccessibleDescription(
        QStringLiteral("Стрелки: день, Page Up и Page Down: месяц. Луна в вашем знаке — дни с "
                       "жёлтым фоном."));
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            [this] { showDay(m_calendar->selectedDate()); });
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &SkyWindow::markMonth);

    m_city = new QLineEdit(this);
    m_city->setAccessibleName(QStringLiteral("Город"));
    m_city->setPlaceholderText(QStringLiteral("Начните вводить название"));
    auto *completer = new QCompleter(Places::cityNames(), m_city);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_city->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
            &SkyWindow::chooseCity);
    connect(m_city, &QLineEdit::returnPressed, this, [this] { chooseCity(m_city->text()); });
    m_placeNote = new QLabel(this);
    m_placeNote->setWordWrap(true);
    m_placeNote->hide();

    m_text = new QTextBrowser(this);
    m_text->setAccessibleName(QStringLiteral("Небо дня"));
    m_text->setAccessibleDescription(
        QStringLiteral("Размер текста: Ctrl+плюс, Ctrl+минус, Ctrl+0"));
    m_text->setOpenLinks(false);
    m_text->document()->setDefaultStyleSheet(
        QStringLiteral("h2 { font-size: large; margin-top: 14px; } h3 { font-size: medium; }"));
    m_text->setMinimumSize(380, 300);
    m_text->viewport()->installEventFilter(this);

    const auto button = [this](const QString &text, const QString &name, const QString &tip) {
        auto *made = new QPushButton(text, this);
        made->setAccessibleName(name);
        made->setToolTip(tip);
        made->setAutoDefault(false);
        return made;
    };
    m_previous = button(QStringLiteral("◀ &Предыдущий"), QStringLiteral("Предыдущий день"),
                        QStringLiteral("Предыдущий день (Alt+Left)"));
    m_next = button(QStringLiteral("С&ледующий ▶"), QStringLiteral("Следующий день"),
                    QStringLiteral("Следующий день (Alt+Right)"));
    m_today = button(QStringLiteral("С&егодня"), QStringLiteral("Сегодня"),
                     QStringLiteral("Небо сегодняшнего дня (Alt+Е)"));
    m_birthday = button(QStringLiteral("&День рождения"), QStringLiteral("День рождения"),
                        QStringLiteral("Небо в день рождения"));
    m_otherPlace = button(QStringLiteral("Другое &место…"), QStringLiteral("Другое место"),
                          QStringLiteral("Место не из списка: широта, долгота и часовой пояс"));
    m_save = button(QStringLiteral("&Сохранить…"), QStringLiteral("Сохранить"),
                    QStringLiteral("Сохранить текст (Ctrl+S)"));
    m_close = button(QStringLiteral("Закрыть"), QStringLiteral("Закрыть"), QString());
    connect(m_previous, &QPushButton::clicked, this, [this] { stepDay(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { stepDay(1); });
    connect(m_today, &QPushButton::clicked, this, &SkyWindow::showToday);
    connect(m_birthday, &QPushButton::clicked, this, &SkyWindow::showBirthDay);
    connect(m_otherPlace, &QPushButton::clicked, this, &SkyWindow::askForPlace);
    connect(m_save, &QPushButton::clicked, this, &SkyWindow::save);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    const auto shortcut = [this](QKeyCombination keys, auto action) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, action);
    };
    shortcut(Qt::ALT | Qt::Key_Left, [this] { stepDay(-1); });
    shortcut(Qt::ALT | Qt::Key_Right, [this] { stepDay(1); });
    shortcut(QKeyCombination(Qt::CTRL | Qt::Key_S), [this] { save(); });
    shortcut(QKeyCombination(Qt::CTRL | Qt::Key_P), [this] { print(); });
    // Ctrl+plus is Ctrl+Shift+= on most keyboards, so Ctrl+= is taken too, as the main window does.
    shortcut(Qt::CTRL | Qt::Key_Plus,
             [this] { setTextSize(Remembered::textSizeStep(m_textSize, 1)); });
    shortcut(Qt::CTRL | Qt::Key_Equal,
             [this] { setTextSize(Remembered::textSizeStep(m_textSize, 1)); });
    shortcut(Qt::CTRL | Qt::Key_Minus,
             [this] { setTextSize(Remembered::textSizeStep(m_textSize, -1)); });
    shortcut(Qt::CTRL | Qt::Key_0, [this] { setTextSize(Remembered::DesignTextSize); });

    m_midnight = new QTimer(this);
    m_midnight->setSingleShot(true);
    connect(m_midnight, &QTimer::timeout, this, &SkyWindow::midnight);

    auto *cityLabel = new QLabel(QStringLiteral("&Город:"), this);
    cityLabel->setBuddy(m_city);
    auto *cityRow = new QHBoxLayout;
    cityRow->addWidget(cityLabel);
    cityRow->addWidget(m_city, 1);
    cityRow->addWidget(m_otherPlace);

    auto *top = new QHBoxLayout;
    top->addWidget(m_moon);
    top->addWidget(m_heading, 1);

    auto *days = new QHBoxLayout;
    days->addWidget(m_previous);
    days->addWidget(m_today);
    days->addWidget(m_next);

    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(cityRow);
    left->addWidget(m_placeNote);
    left->addLayout(days);
    left->addWidget(m_calendar, 1);
    left->addWidget(m_birthday);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(m_text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(960, 640);

    const QList<QWidget *> chain = {m_calendar,   m_previous, m_today, m_next, m_city,
                                    m_otherPlace, m_birthday, m_text,  m_save, m_close};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    m_calendar->setFocus();
}

void SkyWindow::showEvent(QShowEvent *event)
{
    // Roomy where the screen allows, never larger than it.
    if (screen() && !event->spontaneous())
        resize(size().boundedTo(screen()->availableGeometry().size() * 0.9));
    QDialog::showEvent(event);
    m_calendar->setFocus();
}

const QList<Sky::DaySky> &SkyWindow::monthSky(int year, int month)
{
    const int key = year * 12 + month - 1;
    auto found = m_months.find(key);
    if (found == m_months.end())
        found = m_months.insert(key, m_calculator->month(year, month));
    return *found;
}

void SkyWindow::markMonth(int year, int month)
{
    if (QDate(year, month, 1) < Sky::firstDate() || QDate(year, month, 1) > Sky::lastDate())
        return;
    QHash<QDate, SkyCalendar::Mark> marks;
    for (const Sky::DaySky &sky : monthSky(year, month)) {
        SkyCalendar::Mark mark;
        mark.lit = sky.litFraction;
        mark.brightRight = brightOnRight(sky.waxing, m_place.latitude);
        mark.principalPhase = !sky.phases.isEmpty();
        mark.inUserSign = m_userSign >= 0 && sky.moonSigns().contains(m_userSign);
        marks.insert(sky.date, mark);
    }
    m_calendar->setMarks(marks);
}

void SkyWindow::showDay(const QDate &date)
{
    if (!date.isValid() || date < Sky::firstDate() || date > Sky::lastDate())
        return;
    m_followsToday = date == Clock::today();
    if (date == m_day)
        return;
    m_day = date;
    m_calendar->setSelectedDate(date);
    fill();
}

void SkyWindow::stepDay(int days)
{
    showDay(m_day.addDays(days));
}

void SkyWindow::showToday()
{
    showDay(Clock::today());
    armMidnight();
}

void SkyWindow::showBirthDay()
{
    showDay(m_person.birth);
}

void SkyWindow::setPerson(const Person &person)
{
    m_person = person;
    m_userSign = zodiacSign(person.birth);
    m_birthday->setEnabled(person.birth.isValid() && person.birth >= Sky::firstDate() &&
                           person.birth <= Sky::lastDate());
    if (m_day.isValid()) {
        markMonth(m_calendar->yearShown(), m_calendar->monthShown());
        fill();
    }
}

bool SkyWindow::chooseCity(const QString &name)
{
    const City *city = Places::cityByName(name);
    m_placeNote->setVisible(!city);
    if (!city) {
        m_placeNote->setText(QString::fromUtf8(UnknownCity));
        return false;
    }
    choosePlace(Places::placeOf(*city));
    return true;
}

void SkyWindow::choosePlace(const Sky::Place &place)
{
    if (!Remembered::isSoundPlace(place))
        return;
    m_placeNote->hide();
    m_city->setText(place.name);
    const bool same = place.name == m_place.name && place.latitude == m_place.latitude &&
                      place.longitude == m_place.longitude && place.zone == m_place.zone;
    if (!same) {
        m_place = place;
        m_calculator = std::make_unique<Sky::Calculator>(m_place);
        m_months.clear();
        markMonth(m_calendar->yearShown(), m_calendar->monthShown());
        fill();
    }
    if (m_placePath.isEmpty())
        return;
    const Result<> stored = Remembered::storePlace(m_placePath, place);
    if (!stored)
        showErrorBox(stored.failure(), this);
}

void SkyWindow::askForPlace()
{
    if (const std::optional<Sky::Place> place = placeFromUser(m_place, this))
        choosePlace(*place);
}

void SkyWindow::addTexts(const QString &group, const QStringList &fileNames,
                         const QStringList &firstParagraphs)
{
    m_sections.append({group, firstParagraphs, true});
    for (const QString &name : fileNames) {
        const QString path = m_programDir + QLatin1String("/Files/") + name;
        if (m_failedTexts.contains(path))
            continue;
        const Result<QStringList> read = TextList::load(path);
        if (!read || read->isEmpty()) {
            m_failedTexts.insert(path);
            // One box for a day, however many of its texts are missing.
            if (!read && !m_textFailureShown)
                showErrorBox(read.failure(), this);
            m_textFailureShown = true;
            continue;
        }
        QStringList text = *read;
        Section section{text.takeFirst().trimmed(), {}, false};
        for (const QString &line : std::as_const(text)) {
            if (!line.trimmed().isEmpty())
                section.paragraphs << line.trimmed();
        }
        m_sections << section;
    }
}

void SkyWindow::fill()
{
    const QDate month(m_day.year(), m_day.month(), 1);
    const Sky::DaySky sky = monthSky(month.year(), month.month()).value(m_day.day() - 1);
    const QString dateAndPlace =
        DateWords::dateInWords(m_day) + QStringLiteral(", ") + m_place.name;
    setWindowTitle(QStringLiteral("Небо — ") + dateAndPlace);
    m_heading->setText(dateAndPlace);
    m_moon->setPhase(sky.litFraction, brightOnRight(sky.waxing, m_place.latitude));
    m_moon->setToolTip(QStringLiteral("Освещена на %1 %").arg(qRound(sky.litFraction * 100)));

    m_report = Sky::reportLines(sky);
    m_sections.clear();
    m_textFailureShown = false;
    const Sky::DayTexts texts = Sky::dayTexts(sky, m_userSign);
    addTexts(QStringLiteral("Лунные сутки"), texts.lunarDays);

    QStringList moonFirst;
    QString moonGroup = QStringLiteral("Луна в знаке");
    if (m_day == m_person.birth) {
        moonGroup = QStringLiteral("Луна в день рождения");
        if (sky.signChanges.isEmpty())
            moonFirst << QStringLiteral("В день рождения Луна была в знаке %1.")
                             .arg(Sky::signName(sky.moonSignAtMidnight));
        else
            moonFirst << QStringLiteral("В день рождения Луна перешла из знака %1 в знак %2 в %3 "
                                        "по местному времени; час рождения решает, какой из них "
                                        "ваш.")
                             .arg(Sky::signName(sky.moonSignAtMidnight),
                                  Sky::signName(sky.signChanges.first().sign),
                                  hhmm(sky.signChanges.first().at));
        if (const std::optional<Sky::SunIngress> ingress = Sky::sunIngressNear(m_day))
            moonFirst << Sky::sunIngressNote(*ingress) + u'.';
    }
    addTexts(moonGroup, texts.moonSigns, moonFirst);

    if (m_userSign < 0) {
        addTexts(QStringLiteral("Ваш знак"), {}, {QString::fromUtf8(NoPerson)});
    } else {
        const QString sign = QStringLiteral("знак ") + Sky::signName(m_userSign);
        addTexts(m_person.name.isEmpty() ? QStringLiteral("Ваш ") + sign
                                         : m_person.name + QStringLiteral(", ") + sign,
                 texts.houses);
    }
    addTexts(QStringLiteral("Фаза Луны"), texts.phases + QStringList{texts.waxing});

    m_text->setHtml(html());
}

QStringList SkyWindow::lines() const
{
    QStringList all = m_report;
    for (const Section &section : m_sections) {
        if (section.group)
            all << QString();
        all << section.title << section.paragraphs;
    }
    return all;
}

QString SkyWindow::html() const
{
    QString out = QStringLiteral("<p>");
    for (const QString &line : m_report.mid(1))
        out += line.toHtmlEscaped() + QStringLiteral("<br>");
    out += QStringLiteral("</p>");
    for (const Section &section : m_sections) {
        out += (section.group ? QStringLiteral("<h2>%1</h2>") : QStringLiteral("<h3>%1</h3>"))
                   .arg(section.title.toHtmlEscaped());
        for (const QString &paragraph : section.paragraphs)
            out += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    }
    return out;
}

void SkyWindow::print()
{
    const QString title = m_person.name.isEmpty() ? QStringLiteral("Небо") : m_person.name;
    Printing::printWithPreview({title, m_report.value(0), {}, html()}, this);
}

QString SkyWindow::suggestedName() const
{
    return QStringLiteral("Небо %1 %2").arg(m_day.toString(Qt::ISODate), m_place.name);
}

void SkyWindow::save()
{
    emit saveRequested(lines(), suggestedName());
}

void SkyWindow::setTextSize(int percent)
{
    if (percent == m_textSize)
        return;
    m_textSize = percent;
    applyTextSize();
    emit textSizeChanged(percent);
}

void SkyWindow::applyTextSize()
{
    m_text->setFont(
        pixelFont(QStringLiteral("Times New Roman"), qRound(TextPixels * m_textSize / 100.0)));
}

// Ctrl and the wheel change the text size with the keys' steps, not the browser's own zoom.
bool SkyWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text->viewport() && event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            m_wheelRest += wheel->angleDelta().y();
            const int steps = m_wheelRest / 120;
            m_wheelRest %= 120;
            if (steps != 0)
                setTextSize(Remembered::textSizeStep(m_textSize, steps));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A timer to the next midnight rather than a clock polled: the window wakes once a day.
void SkyWindow::armMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 untilMidnight = now.msecsTo(now.date().addDays(1).startOfDay());
    m_midnight->start(int(std::clamp<qint64>(untilMidnight + 500, 1000, 24 * 3600 * 1000)));
}

void SkyWindow::midnight()
{
    if (m_followsToday)
        showDay(Clock::today());
    armMidnight();
}
