#include "main_window/tform1.h"

#include "about/tform5.h"
#include "app/forms.h"
#include "data/sign_keys.h"
#include "engine/date_words.h"
#include "engine/remembered.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/save_dialog.h"
#include "main_window/text_viewer.h"
#include "main_window/tool_button.h"
#include "settings/tform6.h"
#include "sign_info/sign_texts.h"
#include "sign_info/tform4.h"
#include "toolkit/accessible.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/focus_mark.h"
#include "toolkit/modal.h"
#include "toolkit/picture.h"
#include "toolkit/text_list.h"
#include "wizard/tform3.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWheelEvent>

#include <initializer_list>
#include <optional>

namespace {

const char *const Question = "Вы готовы узнать о себе?";
const char *const NothingToSave = "Сохранять нечего: откройте список знаков или текст.";

void setToolPicture(QLabel *picture, const QByteArray &name)
{
    static_cast<ToolPicture *>(picture)->setPicture(
        QStringLiteral(":/art/%1.png").arg(QLatin1String(name)));
}

// Rows of one height, whatever the font asks for; the height grows with the text size.
class FixedRowHeight : public QStyledItemDelegate
{
public:
    FixedRowHeight(const int *height, QObject *parent)
        : QStyledItemDelegate(parent), m_height(height)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), *m_height};
    }

private:
    const int *m_height;
};

const char *const TitleWithDate = "Orlenta — %1";
const char *const ListHeading = "Дата рождения: %1";
const char *const ListFileName = "Гороскоп %1.txt";
const char *const TextSizeKeys = "Размер текста: Ctrl+плюс, Ctrl+минус, Ctrl+0";

// The design's text sizes of the viewer and the list, and the list's row height, in pixels.
const int ViewerPixels = 15;
const int ListPixels = 16;
const int ListRowPixels = 19;

using Handler = void (TForm1::*)();

// One tool button: its three pictures and hover flag; the design's handlers of the pointer over
// the idle picture, of a press and a click on the highlighted one (that click is the button's
// action) and of a click on the pressed one; its resource name, its hint and its shortcut. The
// pointer, the shortcut and a screen reader all start the action through these handlers.
struct ToolDesign {
    QLabel *TForm1::*idle;
    QLabel *TForm1::*highlighted;
    QLabel *TForm1::*pressed;
    QString TForm1::*hoverFlag;
    Handler idleMouseMove;
    Handler highlightedMouseDown;
    Handler highlightedClick;
    Handler pressedClick;
    const char *picture;
    const char *hint;
    QKeyCombination keys;
};

// clang-format off
const ToolDesign ToolDesigns[] = {
    {&TForm1::Image1,  &TForm1::Image3,  &TForm1::Image4,  &TForm1::Edit1,
     &TForm1::Image1MouseMove,  &TForm1::Image3MouseDown,  &TForm1::Image3Click,  &TForm1::Image4Click,
     "tool_back",       "Назад",            Qt::ALT | Qt::Key_Left},
    {&TForm1::Image7,  &TForm1::Image6,  &TForm1::Image5,  &TForm1::Edit2,
     &TForm1::Image7MouseMove,  &TForm1::Image6MouseDown,  &TForm1::Image6Click,  &TForm1::Image5Click,
     "tool_start_over", "Посчитать с нуля", Qt::CTRL | Qt::Key_N},
    {&TForm1::Image10, &TForm1::Image9,  &TForm1::Image8,  &TForm1::Edit3,
     &TForm1::Image10MouseMove, &TForm1::Image9MouseDown,  &TForm1::Image9Click,  &TForm1::Image8Click,
     "tool_save",       "Сохранить текст",  Qt::CTRL | Qt::Key_S},
    {&TForm1::Image13, &TForm1::Image12, &TForm1::Image11, &TForm1::Edit4,
     &TForm1::Image13MouseMove, &TForm1::Image12MouseDown, &TForm1::Image12Click, &TForm1::Image11Click,
     "tool_settings",   "Настройки",        Qt::CTRL | Qt::Key_Comma},
    {&TForm1::Image16, &TForm1::Image15, &TForm1::Image14, &TForm1::Edit5,
     &TForm1::Image16MouseMove, &TForm1::Image15MouseDown, &TForm1::Image15Click, &TForm1::Image14Click,
     "tool_about",      "О программе",      QKeyCombination(Qt::Key_F1)},
};
// clang-format on

// The menu labels from top to bottom, and the design's handlers of each.
QLabel *TForm1::*const MenuLabels[] = {&TForm1::Label1, &TForm1::Label2, &TForm1::Label3,
                                       &TForm1::Label4, &TForm1::Label5, &TForm1::Label6,
                                       &TForm1::Label7};
const Handler MenuMouseMoves[] = {&TForm1::Label1MouseMove, &TForm1::Label2MouseMove,
                                  &TForm1::Label3MouseMove, &TForm1::Label4MouseMove,
                                  &TForm1::Label5MouseMove, &TForm1::Label6MouseMove,
                                  &TForm1::Label7MouseMove};
const Handler MenuClicks[] = {&TForm1::Label1Click, &TForm1::Label2Click, &TForm1::Label3Click,
                              &TForm1::Label4Click, &TForm1::Label5Click, &TForm1::Label6Click,
                              &TForm1::Label7Click};

// The intro animation: on reaching its counter value, a step hides and shows pictures in order.
// The last step also ends the animation with the question.
enum Look : bool { Hide = false, Show = true };
struct PictureChange {
    Look look;
    QLabel *TForm1::*picture;
};
struct IntroStep {
    int counter;
    std::initializer_list<PictureChange> changes;
};

// clang-format off
const IntroStep IntroSteps[] = {
    {29, {{Hide, &TForm1::Image1}, {Show, &TForm1::Image3}}},
    {28, {{Hide, &TForm1::Image3}, {Show, &TForm1::Image1}, {Hide, &TForm1::Image7}, {Show, &TForm1::Image6}}},
    {27, {{Hide, &TForm1::Image6}, {Show, &TForm1::Image7}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {26, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {25, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image1}, {Hide, &TForm1::Image3}, {Show, &TForm1::Image4}}},
    {24, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image7}, {Show, &TForm1::Image6}}},
    {23, {{Hide, &TForm1::Image6}, {Show, &TForm1::Image7}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {22, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {21, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image7}, {Hide, &TForm1::Image6}, {Show, &TForm1::Image5}}},
    {20, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image10}, {Show, &TForm1::Image9}}},
    {19, {{Hide, &TForm1::Image9}, {Show, &TForm1::Image10}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {18, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image10}, {Hide, &TForm1::Image9}, {Show, &TForm1::Image8}}},
    {17, {{Hide, &TForm1::Image15}, {Show, &TForm1::Image16}, {Hide, &TForm1::Image13}, {Show, &TForm1::Image12}}},
    {16, {{Hide, &TForm1::Image12}, {Show, &TForm1::Image13}, {Hide, &TForm1::Image16}, {Show, &TForm1::Image15},
          {Hide, &TForm1::Image13}, {Hide, &TForm1::Image12}, {Show, &TForm1::Image11}}},
    {13, {{Hide, &TForm1::Image16}, {Hide, &TForm1::Image15}, {Show, &TForm1::Image14}}},
};
// clang-format on
const int IntroLastStep = 13;

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Orlenta"));
    setFixedSize(817, 578);
    setDesignFont(this);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    // Creation order is painting order: later controls lie over earlier ones.
    buildLoadingScreen();
    buildMenu();
    buildToolButtons();
    buildPeopleButton();
    buildQuestion();
    buildTextArea();
    buildTimersAndShortcuts();
    setTabChain();

    chooseSaveFile = [this] {
        if (!SaveDialog1)
            SaveDialog1 = new SaveDialog(this);
        // Asked again while it is open, it stays the one question.
        if (SaveDialog1->isVisible()) {
            raiseWindow(SaveDialog1);
            return QString();
        }
        SaveDialog1->setEncoding(m_saveEncoding);
        const QString name =
            SaveDialog1->run(m_suggestedName.isEmpty() ? suggestedSaveName() : m_suggestedName);
        if (!name.isEmpty())
            setSaveEncoding(SaveDialog1->encoding());
        return name;
    };

    describeForScreenReaders();
    Timer1->start();
}

void TForm1::buildLoadingScreen()
{
    Label9 = new QLabel(QStringLiteral("Загрузка"), this);
    Label9->setFont(pixelFont(QStringLiteral("Times New Roman"), 24));
    setTextColor(Label9, Qt::red);
    // Placed without measuring the text: fonts load when the window first paints, not before it
    // shows. The box reaches the right edge; the label is transparent.
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label9->setGeometry(272, 288, width() - 272, 40);

    Image2 = new QLabel(this);
    Image2->setGeometry(0, 0, 817, 577);
    Image2->setScaledContents(true);
    Image2->setMouseTracking(true);
    Image2->hide();
    Image2->installEventFilter(this);
}

void TForm1::buildMenu()
{
    // Font templates of the menu, never shown.
    Label10 = new QLabel(this);
    Label10->setFont(pixelFont(QStringLiteral("System"), 13, true, true));
    setTextColor(Label10, QColor(128, 128, 128));
    Label10->move(88, 464);
    Label10->hide();
    Label11 = new QLabel(this);
    Label11->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
    Label11->move(88, 504);
    Label11->hide();

    for (int i = 0; i < SystemCount; ++i) {
        auto *label = new FocusLabel(QString::fromUtf8(systemInfo(System(i + 1)).title), this);
        copyFont(Label11, label);
        label->move(40, 152 + 40 * i);
        label->setMouseTracking(true);
        label->hide();
        label->setFocusPolicy(Qt::NoFocus);
        label->installEventFilter(this);
        this->*MenuLabels[i] = label;
    }
}

void TForm1::buildToolButtons()
{
    struct Picture {
        QLabel **label;
        int left;
    };
    const Picture pictures[] = {
        {&Image4, 8},    {&Image5, 104},  {&Image6, 104},  {&Image7, 104},  {&Image8, 200},
        {&Image9, 200},  {&Image10, 200}, {&Image11, 296}, {&Image12, 296}, {&Image13, 296},
        {&Image14, 392}, {&Image15, 392}, {&Image16, 392}, {&Image3, 8},    {&Image1, 8},
    };
    for (const Picture &picture : pictures) {
        QLabel *label = new ToolPicture(this);
        label->setGeometry(picture.left, 8, 69, 68);
        label->hide();
        *picture.label = label;
    }

    // The pointer goes to one widget per tool button, which passes it on to the handlers of the
    // picture it falls on.
    const auto call = [this](Handler handler) { return [this, handler] { (this->*handler)(); }; };
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures looks = tool(Tool(i));
        const char *const name = ToolDesigns[i].picture;
        setToolPicture(looks.idle, name);
        setToolPicture(looks.highlighted, QByteArray(name).append("_highlighted"));
        setToolPicture(looks.pressed, QByteArray(name).append("_pressed"));
        looks.idle->show();

        const ToolDesign &design = ToolDesigns[i];
        ToolButton::Handlers calls{call(design.idleMouseMove), call(design.highlightedMouseDown),
                                   call(design.highlightedClick), call(design.pressedClick),
                                   [this] {
                                       if (!Image2->isHidden())
                                           Image2MouseMove();
                                   }};
        m_toolButtons[i] =
            new ToolButton(looks.pressed, looks.highlighted, looks.idle, std::move(calls), this);
        m_toolButtons[i]->setAccessibleName(QString::fromUtf8(ToolDesigns[i].hint));
    }
    setPressedPicturesEnabled(false);
    setToolButtonHints(true);
}

void TForm1::buildQuestion()
{
    Button2 = new QPushButton(QStringLiteral("Нет"), this);
    Button2->setGeometry(408, 336, 81, 25);
    Button2->hide();
    Button1 = new QPushButton(QStringLiteral("Да"), this);
    Button1->setGeometry(312, 336, 81, 25);
    Button1->hide();
    // Return answers with the button that has the focus, as in a dialog.
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
}

void TForm1::buildTextArea()
{
    Memo1 = new TextViewer(this);
    Memo1->setGeometry(416, 80, 401, 497);
    Memo1->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    Memo1->hide();

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(416, 80, 401, 497);
    ListBox1->setFrameShape(QFrame::Box);
    ListBox1->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setItemDelegate(new FixedRowHeight(&m_rowHeight, ListBox1));
    ListBox1->hide();
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);
}

void TForm1::buildTimersAndShortcuts()
{
    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(150);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    // The keyboard reaches the tool buttons wherever the window is, and presses them as the pointer
    // would.
    for (int i = Back; i < ToolCount; ++i)
        connect(new QShortcut(QKeySequence(ToolDesigns[i].keys), this), &QShortcut::activated,
                m_toolButtons[i], &ToolButton::activate);

    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);
    // Ctrl+plus is Ctrl+Shift+= on most keyboards; Ctrl+= is taken as well, as browsers do.
    const std::pair<QKeyCombination, int> sizeKeys[] = {{Qt::CTRL | Qt::Key_Plus, 1},
                                                        {Qt::CTRL | Qt::Key_Equal, 1},
                                                        {Qt::CTRL | Qt::Key_Minus, -1},
                                                        {Qt::CTRL | Qt::Key_0, 0}};
    for (const auto &[keys, steps] : sizeKeys) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [this, steps = steps] {
                    if (steps == 0)
                        setTextSize(Remembered::DesignTextSize);
                    else
                        stepTextSize(steps);
                });
    }
    connect(Memo1, &TextViewer::sizeWheeled, this, &TForm1::wheelTextSize);
}

// Tab goes through the answers, the tool buttons, the menu and the list or the viewer, in the
// order the eye reads them.
void TForm1::setTabChain()
{
    QList<QWidget *> chain = {Button1, Button2};
    for (ToolButton *button : m_toolButtons)
        chain << button;
    chain << m_peopleButton;
    for (QLabel *TForm1::*label : MenuLabels)
        chain << this->*label;
    chain << ListBox1 << Memo1;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TForm1::describeForScreenReaders()
{
    describeControl(this, QAccessible::Window, QStringLiteral("Гороскоп Orlenta"));
    ListBox1->setAccessibleName(QStringLiteral("Ваши знаки"));
    Memo1->setAccessibleName(QStringLiteral("Текст"));
    ListBox1->setAccessibleDescription(QString::fromUtf8(TextSizeKeys));
    Memo1->setAccessibleDescription(QString::fromUtf8(TextSizeKeys));
    for (int i = 0; i < SystemCount; ++i) {
        QLabel *const label = this->*MenuLabels[i];
        describeControl(label, QAccessible::MenuItem, label->text(),
                        [this, click = MenuClicks[i]] { (this->*click)(); });
    }
    for (int i = Back; i < ToolCount; ++i)
        describeControl(m_toolButtons[i], QAccessible::Button,
                        QString::fromUtf8(ToolDesigns[i].hint),
                        [button = m_toolButtons[i]] { button->activate(); });
    for (QLabel *decoration :
         {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10, Image11,
          Image12, Image13, Image14, Image15, Image16, Label10, Label11})
        describeAsDecoration(decoration);
}

TForm1::ToolPictures TForm1::tool(Tool which)
{
    const ToolDesign &design = ToolDesigns[which];
    return {this->*design.idle, this->*design.highlighted, this->*design.pressed,
            &(this->*design.hoverFlag)};
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == Image2) {
        if (type == QEvent::MouseMove)
            Image2MouseMove();
        return false;
    }
    if (watched == ListBox1->viewport() && type == QEvent::Wheel &&
        (static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier)) {
        wheelTextSize(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (watched == ListBox1->viewport() && type == QEvent::MouseButtonDblClick) {
        ListBox1DblClick();
        return true;
    }
    if (watched == ListBox1 && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // The row the keyboard stands on is the one meant, even before it was selected.
            if (QListWidgetItem *current = ListBox1->currentItem())
                current->setSelected(true);
            ListBox1DblClick();
            return true;
        }
        return false;
    }

    const int index = menuIndex(watched);
    if (index < 0)
        return false;
    QLabel *const label = this->*MenuLabels[index];
    if (type == QEvent::KeyPress)
        return menuKeyPress(index, static_cast<QKeyEvent *>(event));
    if (type == QEvent::Leave) {
        unlightMenuLabelLeft(index);
        return false;
    }
    // Picked before the call: GCC's bounds check misreads an array of member-function pointers
    // indexed inside ->*.
    const Handler mouseMove = MenuMouseMoves[index];
    const Handler click = MenuClicks[index];
    // Only the mouse-button types say the event is a QMouseEvent.
    const auto button = [event] { return static_cast<QMouseEvent *>(event)->button(); };
    switch (type) {
    case QEvent::MouseMove:
        (this->*mouseMove)();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (button() == Qt::LeftButton)
            m_menuPressed = label;
        break;
    case QEvent::MouseButtonRelease:
        if (button() == Qt::LeftButton && m_menuPressed == label) {
            m_menuPressed = nullptr;
            if (label->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                (this->*click)();
        }
        break;
    default:
        break;
    }
    return false;
}

// The menu label's row, 0 at the top, or -1 for anything else.
int TForm1::menuIndex(const QObject *object) const
{
    for (int i = 0; i < SystemCount; ++i) {
        if (this->*MenuLabels[i] == object)
            return i;
    }
    return -1;
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        loadRememberedChoices();
        centreOnScreen(this);
        // The main form is active once the message loop shows it, even where no window manager
        // hands out activation. Queued, so the loading screen is on screen before the wizard
        // starts work of its own.
        QMetaObject::invokeMethod(this, &TForm1::FormActivate, Qt::QueuedConnection);
    } else {
        // Back from the wizard: the about button may need the background before "Да" does.
        loadBackground();
    }
    QWidget::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

void TForm1::loadBackground()
{
    if (Image2->pixmap().isNull())
        Image2->setPixmap(QPixmap::fromImage(
            loadPicture(QStringLiteral(":/art/main_background.jpg"), devicePixelRatioF())));
}

QPixmap TForm1::backgroundPicture() const
{
    return Image2->pixmap();
}

void TForm1::FormActivate()
{
    if (Form2 && Form2->Edit1 == Codes::FirstActivation) {
        Form3->show();
        Form3->activateWindow();
        Form2->Edit1 = Codes::WizardShown;
    }
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    hide();
}

// Each label keeps room for either font, so lighting it up never moves its edge away from the
// pointer. Measured when the menu first shows: the fonts need not load before then.
void TForm1::sizeMenuLabels()
{
    if (m_menuSized)
        return;
    m_menuSized = true;
    for (QLabel *TForm1::*menuLabel : MenuLabels) {
        QLabel *const label = this->*menuLabel;
        const QFont normal = label->font();
        label->setFont(Label10->font());
        const QSize highlighted = label->sizeHint();
        label->setFont(normal);
        label->resize(label->sizeHint().expandedTo(highlighted));
    }
}

void TForm1::Button1Click()
{
    loadBackground();
    sizeMenuLabels();
    Button1->hide();
    Button2->hide();
    // The background covers the question; hidden, it is not read out as showing either.
    Label9->hide();
    Image2->show();
    ListBox1->show();
    for (QLabel *TForm1::*label : MenuLabels)
        (this->*label)->show();
    setMenuTabbed(true);
    putToolsAtRest();
    setPressedPicturesEnabled(true);
    // The answer's button goes; the keyboard goes on to the list of results.
    ListBox1->setFocus();

    if (const std::optional<bool> shown = hintsShown(Form2->Edit17))
        setToolButtonHints(*shown);
}

void TForm1::Button2Click()
{
    QCoreApplication::quit();
}

// A tip names the button's shortcut too, so the keyboard's way is found where the pointer's is.
void TForm1::setToolButtonHints(bool on)
{
    setPeopleHint(on);
    for (int i = Back; i < ToolCount; ++i) {
        const QString keys = QKeySequence(ToolDesigns[i].keys).toString(QKeySequence::PortableText);
        tool(Tool(i)).highlighted->setToolTip(
            on ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(ToolDesigns[i].hint), keys)
               : QString());
    }
}

void TForm1::setMemoLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(u'\n'));
}

void TForm1::showTextLines(const QStringList &lines, const QString &title)
{
    m_textTitle = title;
    // The keyboard follows the text when it was on the list the text replaces.
    const bool listHadFocus = ListBox1->hasFocus() || m_listHadFocus;
    m_listHadFocus = false;
    ListBox1->hide();
    setMemoLines(lines);
    Memo1->show();
    if (listHadFocus)
        Memo1->setFocus();
}

void TForm1::showTextFile(const QString &path)
{
    m_listHadFocus = ListBox1->hasFocus();
    ListBox1->hide();
    showTextLines(TextList::load(path), textTitle(path));
}

void TForm1::showResultRows(const QStringList &rows)
{
    ListBox1->clear();
    ListBox1->addItems(rows);
}

void TForm1::setIntroSpeed(int interval)
{
    Timer2->setInterval(interval);
}

void TForm1::startIntro()
{
    // Enabling a running timer leaves its count alone.
    if (!Timer2->isActive())
        Timer2->start();
}

QStringList TForm1::memoLines() const
{
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

// System menu

// One label at most is lit: the one the pointer or the keyboard came to last.
void TForm1::highlightMenuLabel(int index)
{
    if (m_litMenuLabel >= 0 && m_litMenuLabel != index)
        copyFont(Label11, this->*MenuLabels[m_litMenuLabel]);
    copyFont(Label10, this->*MenuLabels[index]);
    m_litMenuLabel = index;
    Edit7 = Codes::FlagOff;
}

// The light goes out when the pointer has left the label, also when it went where no move over
// the background was seen: onto the list, out of the window, or away while the chooser was open.
void TForm1::unlightMenuLabelLeft(int index)
{
    QLabel *const label = this->*MenuLabels[index];
    if (m_litMenuLabel != index || label->rect().contains(label->mapFromGlobal(QCursor::pos())))
        return;
    copyFont(Label11, label);
    m_litMenuLabel = -1;
    Edit7 = Codes::FlagOn;
}

// Arrows move between the systems; Return, Enter and Space open the chooser as a click does,
// lighting the label first as the pointer would.
bool TForm1::menuKeyPress(int index, QKeyEvent *event)
{
    if (isActivationKey(event)) {
        if (!event->isAutoRepeat()) {
            const Handler mouseMove = MenuMouseMoves[index]; // see eventFilter
            const Handler click = MenuClicks[index];
            (this->*mouseMove)();
            (this->*click)();
        }
        return true;
    }
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        return false;
    }
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    (this->*MenuLabels[(index + step + SystemCount) % SystemCount])->setFocus(Qt::TabFocusReason);
    return true;
}

void TForm1::chooseSystem(int number)
{
    // A chooser open already keeps its system.
    if (Form4) {
        raiseWindow(Form4);
        return;
    }
    Form2->Edit1 = QString::fromUtf8(systemInfo(System(number)).title);
    Form2->Edit16 = QString::number(number);
    runModal(Form4);
    backFromModal();
    unlightMenuLabelLeft(number - 1);
}

// The menu takes the keyboard only while it shows: measured, hidden labels that could take it
// added half a mebibyte to the memory of the loading screen and the wizard.
void TForm1::setMenuTabbed(bool tabbed)
{
    for (QLabel *TForm1::*label : MenuLabels)
        (this->*label)->setFocusPolicy(tabbed ? Qt::TabFocus : Qt::NoFocus);
    if (tabbed)
        setTabChain(); // a control that took no focus was left out of the chain
}

// A window that closes hands the keyboard back to this one, where the user left it.
void TForm1::backFromModal()
{
    if (isVisible())
        activateWindow();
}

void TForm1::Label1Click()
{
    chooseSystem(1);
}
void TForm1::Label2Click()
{
    chooseSystem(2);
}
void TForm1::Label3Click()
{
    chooseSystem(3);
}
void TForm1::Label4Click()
{
    chooseSystem(4);
}
void TForm1::Label5Click()
{
    chooseSystem(5);
}
void TForm1::Label6Click()
{
    chooseSystem(6);
}
void TForm1::Label7Click()
{
    chooseSystem(7);
}
void TForm1::Label1MouseMove()
{
    highlightMenuLabel(0);
}
void TForm1::Label2MouseMove()
{
    highlightMenuLabel(1);
}
void TForm1::Label3MouseMove()
{
    highlightMenuLabel(2);
}
void TForm1::Label4MouseMove()
{
    highlightMenuLabel(3);
}
void TForm1::Label5MouseMove()
{
    highlightMenuLabel(4);
}
void TForm1::Label6MouseMove()
{
    highlightMenuLabel(5);
}
void TForm1::Label7MouseMove()
{
    highlightMenuLabel(6);
}

// Result list

void TForm1::ListBox1DblClick()
{
    Memo1->clear();
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    const int row = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    // Rows stand in the order of the systems' numbers.
    if (row < 0 || row >= SystemCount)
        return;
    reportingErrors([&] { showTextFile(userSignTextPath(*Form2, System(row + 1))); });
}

// Tool buttons

void TForm1::hoverTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.idle->hide();
    pictures.highlighted->show();
    *pictures.hoverFlag = Codes::FlagOff;
}

void TForm1::pressTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.highlighted->hide();
    pictures.pressed->show();
}

void TForm1::releaseTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.pressed->hide();
    pictures.highlighted->show();
}

void TForm1::putToolsAtRest()
{
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        pictures.idle->show();
        pictures.highlighted->hide();
        pictures.pressed->hide();
    }
}

void TForm1::setPressedPicturesEnabled(bool enabled)
{
    for (int i = Back; i < ToolCount; ++i)
        tool(Tool(i)).pressed->setEnabled(enabled);
}

void TForm1::Image1MouseMove()
{
    hoverTool(Back);
}
void TForm1::Image3MouseDown()
{
    pressTool(Back);
}
void TForm1::Image4Click()
{
    releaseTool(Back);
}
void TForm1::Image7MouseMove()
{
    hoverTool(StartOver);
}
void TForm1::Image6MouseDown()
{
    pressTool(StartOver);
}
void TForm1::Image5Click()
{
    releaseTool(StartOver);
}
void TForm1::Image10MouseMove()
{
    hoverTool(Save);
}
void TForm1::Image9MouseDown()
{
    pressTool(Save);
}
void TForm1::Image8Click()
{
    releaseTool(Save);
}
void TForm1::Image13MouseMove()
{
    hoverTool(Settings);
}
void TForm1::Image12MouseDown()
{
    pressTool(Settings);
}
void TForm1::Image11Click()
{
    releaseTool(Settings);
}
void TForm1::Image16MouseMove()
{
    hoverTool(About);
}
void TForm1::Image15MouseDown()
{
    pressTool(About);
}
void TForm1::Image14Click()
{
    releaseTool(About);
}

void TForm1::Image3Click()
{
    releaseTool(Back);
    backAction();
}

void TForm1::Image6Click()
{
    releaseTool(StartOver);
    startOverAction();
}

void TForm1::Image9Click()
{
    releaseTool(Save);
    saveAction();
}

void TForm1::Image12Click()
{
    releaseTool(Settings);
    settingsAction();
}

void TForm1::Image15Click()
{
    releaseTool(About);
    aboutAction();
}

void TForm1::Image2MouseMove()
{
    restPeopleButton();
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        if (*pictures.hoverFlag == Codes::FlagOff) {
            pictures.highlighted->hide();
            pictures.pressed->hide();
            pictures.idle->show();
        }
    }
    if (Edit7 == Codes::FlagOff) {
        for (QLabel *TForm1::*label : MenuLabels)
            copyFont(Label11, this->*label);
        m_litMenuLabel = -1;
    }
    for (int i = Back; i < ToolCount; ++i)
        *tool(Tool(i)).hoverFlag = Codes::FlagOn;
    Edit7 = Codes::FlagOn;
}

void TForm1::backAction()
{
    const bool viewerHadFocus = Memo1->isAncestorOf(focusWidget());
    ListBox1->show();
    Memo1->hide();
    if (viewerHadFocus)
        ListBox1->setFocus();
}

// What start over changes, kept so that Escape in the wizard can put it back.
struct TForm1::BeforeStartOver {
    TForm2 engine;
    QList<std::pair<QWidget *, bool>> hidden;
    QList<bool> pressedEnabled;
    QString counter;
    QStringList rows;
    int row = -1;
    QString text;
    QString textTitle;
    int textScroll = 0;
    QPointer<QWidget> focus;
    bool menuTabbed = false;
};

TForm1::~TForm1() = default;

void TForm1::startOverAction()
{
    auto before = std::make_unique<BeforeStartOver>();
    before->engine = *Form2;
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        before->hidden.append({child, child->isHidden()});
    for (int i = Back; i < ToolCount; ++i)
        before->pressedEnabled.append(tool(Tool(i)).pressed->isEnabled());
    before->counter = Edit6;
    for (int row = 0; row < ListBox1->count(); ++row)
        before->rows.append(ListBox1->item(row)->text());
    before->row = ListBox1->currentRow();
    before->text = Memo1->toPlainText();
    before->textTitle = m_textTitle;
    before->textScroll = Memo1->editor()->verticalScrollBar()->value();
    before->focus = focusWidget();
    before->menuTabbed = Label1->focusPolicy() != Qt::NoFocus;

    Edit6 = QStringLiteral("35");
    Label9->show();
    Image2->hide();
    ListBox1->hide();
    ListBox1->clear();
    Memo1->clear();
    Memo1->hide();
    for (QLabel *TForm1::*label : MenuLabels)
        (this->*label)->hide();
    setMenuTabbed(false);
    putToolsAtRest();
    setPressedPicturesEnabled(false);
    Form2->Button8Click();
    m_beforeStartOver = std::move(before);
    Form3->wayBack = [this] { returnFromWizard(); };
    Form3->show();
    Form3->activateWindow();
    hide();
}

void TForm1::saveAction()
{
    // Only what is on show is saved: say so rather than ask for a name and write nothing.
    if (Memo1->isHidden() && ListBox1->isHidden()) {
        showNoticeBox(QString::fromUtf8(NothingToSave));
        return;
    }
    m_saveFileName = chooseSaveFile();
    if (m_saveFileName.isEmpty())
        return;
    Form2->saveSource = [this] {
        TForm2::SaveSource source;
        source.fileName = m_saveFileName;
        source.encoding = m_saveEncoding;
        // The design's code page is written byte for byte as the design did: no date line.
        if (m_birthDate.isValid() && m_saveEncoding == TextList::Encoding::Utf8)
            source.listHeading =
                QString::fromUtf8(ListHeading).arg(DateWords::dateInWords(m_birthDate));
        source.textVisible = !Memo1->isHidden();
        source.text = memoLines();
        source.listVisible = !ListBox1->isHidden();
        for (int row = 0; row < ListBox1->count(); ++row)
            source.rows.append(ListBox1->item(row)->text());
        return source;
    };
    reportingErrors([] { Form2->Button7Click(); });
}

void TForm1::settingsAction()
{
    if (runModal(Form6) != ModalAlreadyOpen)
        backFromModal();
}

void TForm1::aboutAction()
{
    // The about window open already stays as it is; this one would hide the main window.
    if (Form5) {
        raiseWindow(Form5);
        return;
    }
    hide();
    loadBackground(); // the about window draws over it
    runModal(Form5);
    backFromModal();
}

// Intro animation

void TForm1::Timer2Timer()
{
    const int counter = Edit6.toInt() - 1;
    Edit6 = QString::number(counter);
    for (const IntroStep &step : IntroSteps) {
        if (step.counter != counter)
            continue;
        if (counter == IntroLastStep)
            Timer2->stop();
        for (const PictureChange &change : step.changes)
            (this->*change.picture)->setVisible(change.look == Show);
        if (counter == IntroLastStep) {
            Label9->setText(QString::fromUtf8(Question));
            Label9->adjustSize();
            Button1->show();
            Button2->show();
            Button1->setFocus();
        }
    }
}

// The main window back as start over found it: the wizard was left by Escape.
void TForm1::returnFromWizard()
{
    const std::unique_ptr<BeforeStartOver> before = std::move(m_beforeStartOver);
    if (!before)
        return;
    *Form2 = before->engine;
    Edit6 = before->counter;
    showResultRows(before->rows);
    ListBox1->setCurrentRow(before->row);
    Memo1->setPlainText(before->text);
    Memo1->editor()->verticalScrollBar()->setValue(before->textScroll);
    m_textTitle = before->textTitle;
    for (const auto &[child, hidden] : before->hidden)
        child->setHidden(hidden);
    for (int i = Back; i < ToolCount; ++i)
        tool(Tool(i)).pressed->setEnabled(before->pressedEnabled.value(i));
    setMenuTabbed(before->menuTabbed);
    show();
    activateWindow();
    if (before->focus)
        before->focus->setFocus();
}

void TForm1::showBirthDate(const QDate &date)
{
    m_birthDate = date;
    setWindowTitle(date.isValid()
                       ? QString::fromUtf8(TitleWithDate).arg(DateWords::dateInWords(date))
                       : QStringLiteral("Orlenta"));
}

QString TForm1::suggestedSaveName() const
{
    if (!ListBox1->isHidden())
        return m_birthDate.isValid()
                   ? QString::fromUtf8(ListFileName).arg(m_birthDate.toString(Qt::ISODate))
                   : QString();
    return m_textTitle.isEmpty() ? QString() : m_textTitle + QLatin1String(".txt");
}

// The text size and the type of a saved document, as the user left them last time.
void TForm1::loadRememberedChoices()
{
    if (m_choicesLoaded || !Form2)
        return;
    m_choicesLoaded = true;
    const QString size = Form2->userFilePath(Remembered::TextSizeFile);
    const QString format = Form2->userFilePath(Remembered::SaveFormatFile);
    if (!size.isEmpty())
        m_textSize = Remembered::loadTextSize(size);
    if (!format.isEmpty())
        m_saveEncoding = Remembered::loadSaveFormat(format);
    applyTextSize();
}

void TForm1::setSaveEncoding(TextList::Encoding encoding)
{
    if (encoding == m_saveEncoding)
        return;
    m_saveEncoding = encoding;
    const QString path = Form2 ? Form2->userFilePath(Remembered::SaveFormatFile) : QString();
    if (path.isEmpty())
        return;
    const QString failure = Remembered::storeSaveFormat(path, encoding);
    if (!failure.isEmpty())
        showErrorBox(QStringLiteral("Cannot create file %1").arg(path), failure);
}

// A wheel turns in eighths of a degree, 120 to a notch; a touchpad sends a notch in parts.
void TForm1::wheelTextSize(int delta)
{
    m_wheelRest += delta;
    const int steps = m_wheelRest / 120;
    m_wheelRest %= 120;
    if (steps != 0)
        stepTextSize(steps);
}

void TForm1::stepTextSize(int steps)
{
    setTextSize(Remembered::textSizeStep(m_textSize, steps));
}

void TForm1::setTextSize(int percent)
{
    if (percent == m_textSize)
        return;
    m_textSize = percent;
    applyTextSize();
    const QString path = Form2 ? Form2->userFilePath(Remembered::TextSizeFile) : QString();
    if (path.isEmpty())
        return;
    const QString failure = Remembered::storeTextSize(path, percent);
    // Said once: every further step would fail the same way.
    if (!failure.isEmpty() && !m_textSizeFailureShown) {
        m_textSizeFailureShown = true;
        showErrorBox(QStringLiteral("Cannot create file %1").arg(path), failure);
    }
}

// The text grows inside the design's boxes and reflows; the boxes stay where they are.
void TForm1::applyTextSize()
{
    const auto scaled = [this](int pixels) { return qRound(pixels * m_textSize / 100.0); };
    QFont viewer = Memo1->font();
    viewer.setPixelSize(scaled(ViewerPixels));
    Memo1->setFont(viewer);
    QFont list = ListBox1->font();
    list.setPixelSize(scaled(ListPixels));
    ListBox1->setFont(list);
    m_rowHeight = scaled(ListRowPixels);
    ListBox1->doItemsLayout();
}
