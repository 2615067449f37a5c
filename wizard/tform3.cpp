#include "wizard/tform3.h"

#include "app/forms.h"
#include "engine/clock.h"
#include "engine/date_words.h"
#include "engine/day_numbers.h"
#include "engine/remembered.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "toolkit/accessible.h"
#include "toolkit/color_key.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/focus_mark.h"
#include "toolkit/picture.h"
#include "wizard/prompt_label.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

const QColor KeyGreen(0, 128, 0);
// The prompt's background; the speech bubble is painted in the same colour around it.
const QColor MenuColor(240, 240, 240);
const QColor PromptColor(0, 0, 160);

const QString Greeting =
    QStringLiteral("Установите дату рождения, и Вы получите персональный гороскоп");
const QString YearPrompt = QStringLiteral("Установите год");
const QString MonthPrompt = QStringLiteral("Установите месяц");
const QString DayPrompt = QStringLiteral("Установите число");
const QString Next = QStringLiteral("Дальше");

// Why a step's text was not taken.
const char *const NoSuchMonth = "Выберите месяц из списка.";
const char *const NoSuchDay = "Выберите число из списка: с 1 по %1.";
const QColor RefusalColor(160, 0, 0);

struct Month {
    const char *entry;
    int days; // 0: by the leap flag
};

const Month Months[] = {
    {"январь", 31},   {"февраль", 0},  {"март", 31},   {"апрель", 30},
    {"май", 31},      {"июнь", 30},    {"июль", 31},   {"август", 31},
    {"сентябрь", 30}, {"октябрь", 31}, {"ноябрь", 30}, {"декабрь", 31},
};

// The month as the date line shows it: genitive, with a space on each side.
QString dateLineMonth(int month)
{
    return u' ' + DateWords::monthGenitive(month) + u' ';
}

// The speech bubble's lines: Book Antiqua, bold italic.
QFont promptFont()
{
    QFont font = pixelFont(QStringLiteral("Book Antiqua"), 16, true);
    font.setItalic(true);
    return font;
}

QStringList dayList(int days)
{
    QStringList list;
    for (int day = 1; day <= days; ++day)
        list << QString::number(day);
    return list;
}

QLabel *picture(QWidget *parent, int left, int top, int width, int height)
{
    auto *label = new QLabel(parent);
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->hide();
    return label;
}

QToolButton *nextButton(QWidget *parent, int top)
{
    auto *button = new SpeedButton(parent);
    button->setText(Next);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setGeometry(80, top, 65, 25);
    button->hide();
    return button;
}

QComboBox *dropDown(QWidget *parent, int left, const QStringList &entries, int shown)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    // Typed text is judged as typed: nothing is completed, corrected or added to the entries.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(entries);
    list->setMaxVisibleItems(shown);
    list->setGeometry(left, 80, 105, 21);
    list->hide();
    return list;
}

QStringList yearList()
{
    QStringList years;
    for (int year = DayNumbers::FirstYear; year <= DayNumbers::lastOfferedYear(); ++year)
        years << QString::number(year);
    return years;
}

QStringList monthList()
{
    QStringList months;
    for (const Month &month : Months)
        months << QString::fromUtf8(month.entry);
    return months;
}

// 1 to 12 for a month text of the date line.
int monthOf(const QString &genitive)
{
    int month = 1;
    while (month < 12 && genitive != dateLineMonth(month))
        ++month;
    return month;
}

constexpr int DateLineTop = 368;

bool shown(const QWidget *widget)
{
    return !widget->isHidden();
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ComboBox4(dayList(31)),
      ComboBox5(dayList(30)), ComboBox6(dayList(29)), ComboBox7(dayList(28))
{
    setFixedSize(464, 388);
    // It has no title bar, but task lists, window switchers and screen readers name it.
    setWindowTitle(QStringLiteral("Дата рождения — Orlenta"));
    setDesignFont(this);
    makeSeeThrough(this, KeyGreen);

    Image1 = picture(this, 0, 64, 465, 323);
    Image2 = picture(this, 0, 64, 465, 323);
    Image3 = picture(this, 0, 64, 465, 323);
    Image4 = picture(this, 3, 15, 238, 143);
    Image4->show();
    // The back arrow takes the keyboard as a button would; its lit twin shows only under the
    // pointer.
    Image5 = new FocusLabel(this);
    Image5->setGeometry(16, 72, 18, 30);
    Image5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image5->hide();
    Image6 = picture(this, 16, 72, 18, 30);
    for (QLabel *hoverable : {Image4, Image5})
        hoverable->setMouseTracking(true);

    Label1 = new PromptLabel(this);
    Label1->setWordWrap(true);
    Label1->setFont(promptFont());
    QPalette prompt = Label1->palette();
    prompt.setColor(QPalette::WindowText, PromptColor);
    prompt.setColor(QPalette::Window, MenuColor);
    Label1->setPalette(prompt);
    Label1->setAutoFillBackground(true);
    Label1->move(56, 32);
    Label1->setText(Greeting); // measured when first shown, as is the date line

    m_refusal = new QLabel(this);
    m_refusal->setWordWrap(true);
    m_refusal->setFont(designFont(12, true));
    QPalette refusal = m_refusal->palette();
    refusal.setColor(QPalette::WindowText, RefusalColor);
    m_refusal->setPalette(refusal);
    // In the prompt's place, which may wrap to two lines, and clear of the moon and stars at the
    // bubble's right.
    m_refusal->setGeometry(16, 30, 172, 48);
    m_refusal->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_refusal->hide();

    Label2 = new QLabel(this);
    Label2->setFont(promptFont());
    QPalette white = Label2->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(white);
    Label2->move(0, DateLineTop);

    ComboBox1 = dropDown(this, 64, yearList(), 20);
    ComboBox2 = dropDown(this, 72, monthList(), 12);
    ComboBox3 = dropDown(this, 80, ComboBox4, 20);

    SpeedButton1 = nextButton(this, 136);
    SpeedButton1->show();
    SpeedButton1->setFocus(); // Return on the greeting goes on
    SpeedButton2 = nextButton(this, 112);
    SpeedButton3 = nextButton(this, 112);
    SpeedButton4 = nextButton(this, 112);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::SpeedButton4Click);
    // Return in a step's list acts as the step's button.
    connect(ComboBox1->lineEdit(), &QLineEdit::returnPressed, this, &TForm3::SpeedButton2Click);
    connect(ComboBox2->lineEdit(), &QLineEdit::returnPressed, this, &TForm3::SpeedButton3Click);
    connect(ComboBox3->lineEdit(), &QLineEdit::returnPressed, this, &TForm3::SpeedButton4Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TForm3::goBack);
    setTabOrder(Image5, ComboBox1);
    setTabOrder(ComboBox1, SpeedButton2);
    setTabOrder(SpeedButton2, ComboBox2);
    setTabOrder(ComboBox2, SpeedButton3);
    setTabOrder(SpeedButton3, ComboBox3);
    setTabOrder(ComboBox3, SpeedButton4);

    QTimer **timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6};
    for (QTimer **timer : timers) {
        *timer = new QTimer(this);
        (*timer)->setInterval(100);
    }
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm3::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm3::Timer3Timer);
    connect(Timer4, &QTimer::timeout, this, &TForm3::Timer4Timer);
    connect(Timer5, &QTimer::timeout, this, &TForm3::Timer5Timer);
    connect(Timer6, &QTimer::timeout, this, &TForm3::Timer6Timer);

    m_maskTimer = new QTimer(this);
    m_maskTimer->setSingleShot(true);
    m_maskTimer->setInterval(0);
    connect(m_maskTimer, &QTimer::timeout, this, &TForm3::updateMask);

    // Pointer events of the pictures, and every change of what shows, which reshapes the window.
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
    describeForScreenReaders();

    if (Form2) {
        const QString path = Form2->userFilePath(Remembered::DateFile);
        if (!path.isEmpty())
            m_lastDate = Remembered::loadDate(path).value_or(QDate());
    }
    fillDate(m_lastDate);
}

void TForm3::describeForScreenReaders()
{
    describeControl(this, QAccessible::Window, QStringLiteral("Дата рождения"));
    const std::pair<QComboBox *, QString> lists[] = {{ComboBox1, QStringLiteral("Год")},
                                                     {ComboBox2, QStringLiteral("Месяц")},
                                                     {ComboBox3, QStringLiteral("Число")}};
    for (const auto &[list, name] : lists) {
        describeControl(list, QAccessible::ComboBox, name);
        list->lineEdit()->setAccessibleName(name);
    }
    for (QLabel *arrow : {Image5, Image6})
        describeControl(arrow, QAccessible::Button, QStringLiteral("Назад"),
                        [this] { Image6Click(); });
    for (QLabel *decoration : {Image1, Image2, Image3, Image4})
        describeAsDecoration(decoration);
}

void TForm3::SpeedButton1Click()
{
    loadPageFrames();
    Image1->show();
    Image4->hide();
    Label1->hide();
    SpeedButton1->hide();
    applySpeed();
    Timer1->start();
    updateMask();
}

void TForm3::SpeedButton2Click()
{
    Form2->Edit1 = Codes::FlagOff;
    const QString text = ComboBox1->currentText();
    const int year = text.toInt();
    // The offered entries decide, not the clock now: the list was made from an earlier reading.
    if (ComboBox1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        Form2->Edit1 = Codes::FlagOn;
        Form2->Edit2 = QString::number(DayNumbers::yearStart(year));
        // The day numbers count 1900 as a leap year; the calendar, and so the day list, does not.
        Edit1 = QDate::isLeapYear(year) ? Codes::FlagOn : Codes::FlagOff;
    }
    if (Form2->Edit1 != Codes::FlagOn) {
        refuse(DateWords::noSuchYear(ComboBox1->itemText(0).toInt(),
                                     ComboBox1->itemText(ComboBox1->count() - 1).toInt()));
        return;
    }
    clearRefusal();
    hideStep(ComboBox1, SpeedButton2);
    Edit3 = text;
    setDateLine();
    Timer2->start();
    updateMask();
}

void TForm3::SpeedButton3Click()
{
    Form2->Edit1 = Codes::FlagOff;
    const QString text = ComboBox2->currentText();
    // A birth date is not after today: this year offers its months and days up to today only.
    const QDate today = Clock::today();
    const bool thisYear = Edit3 == QString::number(today.year());
    for (int index = 0; index < 12; ++index) {
        const Month &month = Months[index];
        if (text != QString::fromUtf8(month.entry) || (thisYear && index + 1 > today.month()))
            continue;
        Form2->Edit1 = Codes::FlagOn;
        Form2->Edit3 = QString::number(DayNumbers::monthStart(index + 1));
        const QStringList *days = month.days == 31         ? &ComboBox4
                                  : month.days == 30       ? &ComboBox5
                                  : Edit1 == Codes::FlagOn ? &ComboBox6
                                                           : &ComboBox7;
        const QString dayText = ComboBox3->currentText();
        ComboBox3->clear();
        ComboBox3->addItems(thisYear && index + 1 == today.month() ? days->mid(0, today.day())
                                                                   : *days);
        ComboBox3->setEditText(dayText);
        Edit4 = dateLineMonth(index + 1);
    }
    if (Form2->Edit1 != Codes::FlagOn) {
        const bool later = thisYear && monthList().indexOf(text) + 1 > today.month();
        refuse(later ? DateWords::notYet() : QString::fromUtf8(NoSuchMonth));
        return;
    }
    clearRefusal();
    // The leap flag stays with its year: a way back to the month step must offer the same days.
    hideStep(ComboBox2, SpeedButton3);
    setDateLine();
    Timer3->start();
    updateMask();
}

void TForm3::SpeedButton4Click()
{
    Form2->Edit1 = Codes::FlagOff;
    const QString text = ComboBox3->currentText();
    // Only the days offered for the month and year: no 31 April, no 29 February 1900.
    for (int index = 0; index < ComboBox3->count(); ++index) {
        if (ComboBox3->itemText(index) == text)
            Form2->Edit1 = Codes::FlagOn;
    }
    const int month = monthOf(Edit4);
    if (Form2->Edit1 != Codes::FlagOn) {
        const int monthDays = QDate(Edit3.toInt(), month, 1).daysInMonth();
        const int asked = text.toInt();
        // A day that some month has, but not this one: say how many this one has.
        if (asked > monthDays && asked <= 31 && text == QString::number(asked))
            refuse(DateWords::shortMonth(Edit3.toInt(), month));
        else if (asked > ComboBox3->count() && asked <= monthDays && text == QString::number(asked))
            refuse(DateWords::notYet()); // this month of this year, after today
        else
            refuse(QString::fromUtf8(NoSuchDay).arg(ComboBox3->count()));
        return;
    }
    clearRefusal();

    Edit5 = text;
    setDateLine();
    hideStep(ComboBox3, SpeedButton4);
    Edit2 = Codes::FlagOn;

    const int day = text.toInt();
    Form2->setBirthDate(Edit3.toInt(), month, day);
    Form2->computeAllSigns();
    Form1->showResultRows(Form2->Memo2);
    const QDate date(Edit3.toInt(), month, day);
    Form1->showBirthDate(date);
    m_lastDate = date;
    wayBack = nullptr; // the new date is in; what it replaced is gone

    Timer6->start();
    updateMask();
}

void TForm3::applySpeed()
{
    const AnimationSpeed *speed = animationSpeed(Form2->Edit18);
    if (!speed)
        return;
    for (QTimer *timer : {Timer1, Timer2, Timer3, Timer4, Timer5, Timer6})
        timer->setInterval(speed->wizardInterval);
    Form1->setIntroSpeed(speed->introInterval);
}

// The lists show the date; an invalid one leaves them at the design's entries.
void TForm3::fillDate(const QDate &date)
{
    if (!date.isValid())
        return;
    const auto show = [](QComboBox *list, const QString &text) {
        const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            list->setCurrentIndex(index);
        else
            list->setEditText(text);
    };
    show(ComboBox1, QString::number(date.year()));
    show(ComboBox2, ComboBox2->itemText(date.month() - 1));
    show(ComboBox3, QString::number(date.day()));
}

// Kept once the main window is back, so that a file that cannot be written is said over it.
void TForm3::rememberDate(const QDate &date)
{
    const QString path = Form2->userFilePath(Remembered::DateFile);
    if (path.isEmpty())
        return;
    if (const Result<> stored = Remembered::storeDate(path, date); !stored)
        showErrorBox(stored.failure());
}

QComboBox *TForm3::currentList() const
{
    for (QComboBox *list : {ComboBox1, ComboBox2, ComboBox3}) {
        if (shown(list))
            return list;
    }
    return nullptr;
}

void TForm3::refuse(const QString &line)
{
    m_refusal->setText(line);
    Label1->hide();
    m_refusal->show();
    if (QComboBox *list = currentList()) {
        list->setAccessibleDescription(line);
        list->lineEdit()->setAccessibleDescription(line);
        list->setFocus();
        list->lineEdit()->selectAll();
    }
}

void TForm3::clearRefusal()
{
    if (!m_refusal->isHidden()) {
        m_refusal->hide();
        Label1->show();
    }
    m_refusal->clear();
    for (QComboBox *list : {ComboBox1, ComboBox2, ComboBox3}) {
        list->setAccessibleDescription(QString());
        list->lineEdit()->setAccessibleDescription(QString());
    }
}

// Escape on a wizard opened over the main window: back to it as it was. Once the date is taken the
// way back is gone.
void TForm3::goBack()
{
    if (!wayBack || Timer6->isActive())
        return;
    for (QTimer *timer : {Timer1, Timer2, Timer3, Timer4, Timer5})
        timer->stop();
    clearRefusal();
    const std::function<void()> back = std::move(wayBack);
    wayBack = nullptr;
    hide();
    back();
}

void TForm3::setDateLine()
{
    Label2->setText(Edit5 + Edit4 + Edit3);
    Label2->adjustSize();
    // The design's place leaves the descenders ("р", "ф") below the window's edge.
    Label2->move(Label2->x(), std::min(DateLineTop, height() - Label2->height()));
}

void TForm3::setPrompt(const QString &text)
{
    Label1->setText(text);
    Label1->resize(129, Label1->heightForWidth(129));
}

void TForm3::showStep(Step step)
{
    QComboBox *const lists[] = {ComboBox1, ComboBox2, ComboBox3};
    QToolButton *const buttons[] = {SpeedButton2, SpeedButton3, SpeedButton4};
    const QString prompts[] = {YearPrompt, MonthPrompt, DayPrompt};
    const int index = int(step);
    Image4->show();
    setPrompt(prompts[index]);
    Label1->show();
    lists[index]->show();
    buttons[index]->show();
    if (step != Step::Year)
        Image5->show();
    lists[index]->setFocus();
}

// Hides a step's list and button with the bubble, the prompt and the arrow for the transition.
void TForm3::hideStep(QComboBox *list, QToolButton *button)
{
    list->hide();
    button->hide();
    Image4->hide();
    Label1->hide();
    Image6->hide();
    Image5->hide();
}

// Each tick checks the end first, then advances the frames in the order given, each check seeing
// what the one before it left: one frame per tick, and the step appears a tick after the last.
void TForm3::endTransition(QTimer *timer, const QLabel *last, Step step)
{
    if (shown(last)) {
        timer->stop();
        showStep(step);
    }
}

void TForm3::advance(QLabel *from, QLabel *to)
{
    if (shown(from)) {
        from->hide();
        to->show();
    }
}

void TForm3::Timer1Timer()
{
    endTransition(Timer1, Image3, Step::Year);
    advance(Image2, Image3);
    advance(Image1, Image2);
    updateMask();
}

void TForm3::Timer2Timer()
{
    endTransition(Timer2, Image2, Step::Month);
    advance(Image3, Image2);
    updateMask();
}

void TForm3::Timer3Timer()
{
    endTransition(Timer3, Image1, Step::Day);
    advance(Image2, Image1);
    updateMask();
}

void TForm3::Timer4Timer()
{
    endTransition(Timer4, Image3, Step::Year);
    advance(Image2, Image3);
    updateMask();
}

void TForm3::Timer5Timer()
{
    endTransition(Timer5, Image2, Step::Month);
    advance(Image1, Image2);
    updateMask();
}

void TForm3::Timer6Timer()
{
    Timer6->stop();
    Form1->show();
    Form1->activateWindow(); // the question's answers will want the keyboard
    hide();
    Form1->startIntro();
    rememberDate(m_lastDate);
}

void TForm3::Image4MouseMove()
{
    if (Edit2 == Codes::FlagOff) {
        Image6->hide();
        Image5->show();
    }
    Edit2 = Codes::FlagOn;
}

void TForm3::Image5MouseMove()
{
    Image5->hide();
    Image6->show();
    Edit2 = Codes::FlagOff;
}

void TForm3::Image6Click()
{
    clearRefusal();
    if (shown(SpeedButton3)) {
        hideStep(ComboBox2, SpeedButton3);
        Edit2 = Codes::FlagOn;
        Timer4->start();
    }
    if (shown(SpeedButton4)) {
        hideStep(ComboBox3, SpeedButton4);
        Edit2 = Codes::FlagOn;
        Timer5->start();
    }
    updateMask();
}

void TForm3::reset()
{
    Edit1 = Codes::FlagOff;
    Edit2 = Codes::FlagOn;
    Edit3.clear();
    Edit4.clear();
    Edit5.clear();
    setPrompt(Greeting);
    setDateLine();
    clearRefusal();
    fillDate(m_lastDate);
    SpeedButton1->show();
    SpeedButton2->hide();
    SpeedButton3->hide();
    SpeedButton4->hide();
    Image4->show();
    Label1->show();
    SpeedButton1->setFocus();
    updateMask();
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == Image4)
            Image4MouseMove();
        else if (watched == Image5)
            Image5MouseMove();
        break;
    case QEvent::KeyPress:
        // The keyboard's click on the back arrow: lit as under the pointer, then clicked.
        if (watched == Image5 && isActivationKey(static_cast<QKeyEvent *>(event))) {
            Image5MouseMove();
            Image6Click();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == Image6 && mouse->button() == Qt::LeftButton &&
            Image6->rect().contains(mouse->position().toPoint()))
            Image6Click();
        break;
    }
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        scheduleMaskUpdate();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm3::showEvent(QShowEvent *event)
{
    loadPictures();
    setPrompt(Label1->text());
    setDateLine();
    centreOnScreen(this);
    QWidget::showEvent(event);
    updateMask();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    // The wizard hides itself when it completes; closed any other way, by the window system, it
    // would leave the program running with no window, so closing it ends the program, or goes
    // back where there is a window to go back to.
    // A close of the hidden wizard is part of the program's own ending.
    if (isVisible() && wayBack && !Timer6->isActive()) {
        event->ignore();
        goBack();
        return;
    }
    event->accept();
    if (isVisible())
        QCoreApplication::quit();
}

void TForm3::loadPictures()
{
    if (m_picturesLoaded)
        return;
    m_picturesLoaded = true;
    const qreal ratio = devicePixelRatioF();
    const auto keyed = [ratio](const char *name) {
        return transparentPicture(
            loadPicture(QStringLiteral(":/art/%1.png").arg(QLatin1String(name)), ratio), ratio);
    };
    Image4->setPixmap(keyed("wizard_bubble"));
    Image5->setPixmap(keyed("wizard_arrow"));
    Image6->setPixmap(keyed("wizard_arrow_lit"));
}

// The page frames first show when the user leaves the greeting; until then they would only take
// memory.
void TForm3::loadPageFrames()
{
    if (m_framesLoaded)
        return;
    m_framesLoaded = true;
    const qreal ratio = devicePixelRatioF();
    const auto frame = [ratio](const char *name) {
        return QPixmap::fromImage(fitToRatio(
            loadPicture(QStringLiteral(":/art/%1.jpg").arg(QLatin1String(name)), ratio), ratio));
    };
    Image1->setPixmap(frame("wizard_page1"));
    Image2->setPixmap(frame("wizard_page2"));
    Image3->setPixmap(frame("wizard_page3"));
}

void TForm3::scheduleMaskUpdate()
{
    if (!m_maskTimer->isActive())
        m_maskTimer->start();
}

// The green background is see-through: only what is drawn over it keeps the window's shape.
void TForm3::updateMask()
{
    m_maskTimer->stop();
    if (!isVisible())
        return;
    updateSeeThrough(this, KeyGreen);
}
