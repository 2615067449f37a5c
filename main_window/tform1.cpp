#include "main_window/tform1.h"

#include "app/forms.h"
#include "data/sign_keys.h"
#include "engine/remembered.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/save_dialog.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1_design.h"
#include "main_window/tool_button.h"
#include "toolkit/accessible.h"
#include "toolkit/design.h"
#include "toolkit/focus_mark.h"
#include "toolkit/modal.h"
#include "toolkit/picture.h"
#include "wizard/tform3.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>

#include <optional>

using namespace MainWindowDesign;

namespace {

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

const char *const TextSizeKeys = "Размер текста: Ctrl+плюс, Ctrl+минус, Ctrl+0";

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
    buildExtraToolButtons();
    buildQuestion();
    buildTextArea();
    buildTimersAndShortcuts();
    buildPrintAndHelpKeys();
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
    // Centred without measuring the text: fonts load when the window first paints, not before it
    // shows. The box spans the window; the label is transparent.
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label9->setGeometry(0, 288, width(), 40);

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
    for (const ExtraTool &extra : m_extraTools)
        chain << extra.button;
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

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
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
        Form2->Edit1 = Codes::WizardShown;
        if (m_skyAtStart) {
            startWithSky();
            return;
        }
        Form3->show();
        Form3->activateWindow();
    }
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    hide();
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
