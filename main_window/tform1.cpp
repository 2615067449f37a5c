#include "main_window/tform1.h"

#include "about/tform5.h"
#include "app/forms.h"
#include "data/sign_keys.h"
#include "engine/tform2.h"
#include "main_window/save_dialog.h"
#include "main_window/text_viewer.h"
#include "main_window/tool_button.h"
#include "settings/tform6.h"
#include "sign_info/sign_texts.h"
#include "sign_info/tform4.h"
#include "toolkit/accessible.h"
#include "toolkit/picture.h"
#include "toolkit/text_list.h"
#include "wizard/tform3.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>

namespace {

const char *const Question = "Вы готовы узнать о себе?";

QFont pixelFont(const QString &family, int pixels, bool bold = false, bool underline = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// A label takes another's whole font: face, size, style and colour.
void copyFont(const QLabel *from, QLabel *to)
{
    to->setFont(from->font());
    setTextColor(to, from->palette().color(QPalette::WindowText));
}

void setToolPicture(QLabel *picture, const QByteArray &name)
{
    static_cast<ToolPicture *>(picture)->setPicture(
        QStringLiteral(":/art/%1.png").arg(QLatin1String(name)));
}

// Rows of one height, whatever the font asks for.
class FixedRowHeight : public QStyledItemDelegate
{
public:
    FixedRowHeight(int height, QObject *parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
};

// One tool button: its pictures' resource names, its place and its hint.
struct ToolDesign {
    const char *picture;
    int left;
    const char *hint;
};

const ToolDesign ToolDesigns[] = {
    {"tool_back", 8, "Назад"},
    {"tool_start_over", 104, "Посчитать с нуля"},
    {"tool_save", 200, "Сохранить текст"},
    {"tool_settings", 296, "Настройки"},
    {"tool_about", 392, "О программе"},
};

// The intro animation: on reaching a counter value, hide ("-") and show ("+") the pictures
// numbered, in order. The last step also ends the animation with the question.
struct IntroStep {
    int counter;
    const char *changes;
};

const IntroStep IntroSteps[] = {
    {29, "-1 +3"},
    {28, "-3 +1 -7 +6"},
    {27, "-6 +7 -10 +9"},
    {26, "-9 +10 -13 +12"},
    {25, "-12 +13 -16 +15 -1 -3 +4"},
    {24, "-15 +16 -7 +6"},
    {23, "-6 +7 -10 +9"},
    {22, "-9 +10 -13 +12"},
    {21, "-12 +13 -16 +15 -7 -6 +5"},
    {20, "-15 +16 -10 +9"},
    {19, "-9 +10 -13 +12"},
    {18, "-12 +13 -16 +15 -10 -9 +8"},
    {17, "-15 +16 -13 +12"},
    {16, "-12 +13 -16 +15 -13 -12 +11"},
    {13, "-16 -15 +14"},
};
const int IntroLastStep = 13;

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Orlenta"));
    setFixedSize(817, 578);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    // Creation order is painting order: later controls lie over earlier ones.
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

    QLabel **menu[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    for (int i = 0; i < SystemCount; ++i) {
        auto *label = new QLabel(QString::fromUtf8(systemInfo(System(i + 1)).title), this);
        copyFont(Label11, label);
        label->move(40, 152 + 40 * i);
        label->setMouseTracking(true);
        label->hide();
        *menu[i] = label;
    }

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
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        const char *const name = ToolDesigns[i].picture;
        setToolPicture(pictures.idle, name);
        setToolPicture(pictures.highlighted, QByteArray(name).append("_highlighted"));
        setToolPicture(pictures.pressed, QByteArray(name).append("_pressed"));
        pictures.idle->show();
    }
    setPressedPicturesEnabled(false);
    setToolButtonHints(true);

    // The pointer goes to one widget per tool button, which passes it on to the handlers of the
    // picture it falls on.
    using Handler = void (TForm1::*)();
    const Handler handlers[][4] = {
        {&TForm1::Image1MouseMove, &TForm1::Image3MouseDown, &TForm1::Image3Click,
         &TForm1::Image4Click},
        {&TForm1::Image7MouseMove, &TForm1::Image6MouseDown, &TForm1::Image6Click,
         &TForm1::Image5Click},
        {&TForm1::Image10MouseMove, &TForm1::Image9MouseDown, &TForm1::Image9Click,
         &TForm1::Image8Click},
        {&TForm1::Image13MouseMove, &TForm1::Image12MouseDown, &TForm1::Image12Click,
         &TForm1::Image11Click},
        {&TForm1::Image16MouseMove, &TForm1::Image15MouseDown, &TForm1::Image15Click,
         &TForm1::Image14Click},
    };
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        const auto call = [this](Handler handler) {
            return [this, handler] { (this->*handler)(); };
        };
        ToolButton::Handlers calls{call(handlers[i][0]), call(handlers[i][1]), call(handlers[i][2]),
                                   call(handlers[i][3]), [this] {
                                       if (!Image2->isHidden())
                                           Image2MouseMove();
                                   }};
        auto *button = new ToolButton(pictures.pressed, pictures.highlighted, pictures.idle,
                                      std::move(calls), this);
        button->setAccessibleName(QString::fromUtf8(ToolDesigns[i].hint));
    }

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

    Memo1 = new TextViewer(this);
    Memo1->setGeometry(416, 80, 401, 497);
    Memo1->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    Memo1->hide();

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(416, 80, 401, 497);
    ListBox1->setFrameShape(QFrame::Box);
    ListBox1->setFont(pixelFont(QStringLiteral("Times New Roman"), 16));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setItemDelegate(new FixedRowHeight(19, ListBox1));
    ListBox1->hide();

    for (QObject *watched :
         std::initializer_list<QObject *>{Image2, Label1, Label2, Label3, Label4, Label5, Label6,
                                          Label7, ListBox1, ListBox1->viewport()})
        watched->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(150);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    // The keyboard reaches the tool actions wherever the window is, like the pointer would.
    const std::pair<QKeySequence, void (TForm1::*)()> shortcuts[] = {
        {QKeySequence(Qt::ALT | Qt::Key_Left), &TForm1::backAction},
        {QKeySequence(Qt::CTRL | Qt::Key_N), &TForm1::startOverAction},
        {QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::saveAction},
        {QKeySequence(Qt::CTRL | Qt::Key_Comma), &TForm1::settingsAction},
        {QKeySequence(Qt::Key_F1), &TForm1::aboutAction},
    };
    for (const auto &[keys, action] : shortcuts)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);

    chooseSaveFile = [this] {
        if (!SaveDialog1)
            SaveDialog1 = new SaveDialog(this);
        return SaveDialog1->run();
    };

    describeForScreenReaders();
    Timer1->start();
}

void TForm1::describeForScreenReaders()
{
    using Handler = void (TForm1::*)();
    describeControl(this, QAccessible::Window, QStringLiteral("Гороскоп Orlenta"));
    ListBox1->setAccessibleName(QStringLiteral("Ваши знаки"));
    Memo1->setAccessibleName(QStringLiteral("Текст"));
    QLabel *const menu[] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    const Handler clicks[] = {&TForm1::Label1Click, &TForm1::Label2Click, &TForm1::Label3Click,
                              &TForm1::Label4Click, &TForm1::Label5Click, &TForm1::Label6Click,
                              &TForm1::Label7Click};
    for (int i = 0; i < SystemCount; ++i)
        describeControl(menu[i], QAccessible::MenuItem, menu[i]->text(),
                        [this, click = clicks[i]] { (this->*click)(); });
    // The tool buttons lie over their pictures in the order of the tools.
    const Handler actions[] = {&TForm1::backAction, &TForm1::startOverAction, &TForm1::saveAction,
                               &TForm1::settingsAction, &TForm1::aboutAction};
    const QList<ToolButton *> buttons =
        findChildren<ToolButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (int i = Back; i < ToolCount; ++i)
        describeControl(buttons[i], QAccessible::Button, QString::fromUtf8(ToolDesigns[i].hint),
                        [this, action = actions[i]] { (this->*action)(); });
    for (QLabel *decoration :
         {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9, Image10, Image11,
          Image12, Image13, Image14, Image15, Image16, Label10, Label11})
        describeAsDecoration(decoration);
}

TForm1::ToolPictures TForm1::tool(Tool which)
{
    switch (which) {
    case Back:
        return {Image1, Image3, Image4, &Edit1};
    case StartOver:
        return {Image7, Image6, Image5, &Edit2};
    case Save:
        return {Image10, Image9, Image8, &Edit3};
    case Settings:
        return {Image13, Image12, Image11, &Edit4};
    case About:
    case ToolCount:
        break;
    }
    return {Image16, Image15, Image14, &Edit5};
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

    const QLabel *const menu[] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    const auto found = std::find(std::begin(menu), std::end(menu), watched);
    if (found == std::end(menu))
        return false;
    const int index = int(found - std::begin(menu));
    auto *label = const_cast<QLabel *>(*found);
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseMove:
        highlightMenuLabel(index);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton)
            m_menuPressed = label;
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && m_menuPressed == label) {
            m_menuPressed = nullptr;
            if (label->rect().contains(mouse->position().toPoint()))
                chooseSystem(index + 1);
        }
        break;
    default:
        break;
    }
    return false;
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
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

void TForm1::FormActivate()
{
    if (Form2 && Form2->Edit1 == QLatin1String("777")) {
        Form3->show();
        Form2->Edit1 = QStringLiteral("999");
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
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7}) {
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
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        label->show();
    putToolsAtRest();
    setPressedPicturesEnabled(true);

    if (Form2->Edit17 == QLatin1String("1"))
        setToolButtonHints(true);
    else if (Form2->Edit17 == QLatin1String("0"))
        setToolButtonHints(false);
}

void TForm1::Button2Click()
{
    QCoreApplication::quit();
}

void TForm1::setToolButtonHints(bool on)
{
    for (int i = Back; i < ToolCount; ++i)
        tool(Tool(i)).highlighted->setToolTip(on ? QString::fromUtf8(ToolDesigns[i].hint)
                                                 : QString());
}

void TForm1::setMemoLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(u'\n'));
}

QStringList TForm1::memoLines() const
{
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

// System menu

void TForm1::highlightMenuLabel(int index)
{
    QLabel *const menu[] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    copyFont(Label10, menu[index]);
    Edit7 = QStringLiteral("0");
}

void TForm1::chooseSystem(int number)
{
    Form2->Edit1 = QString::fromUtf8(systemInfo(System(number)).title);
    Form2->Edit16 = QString::number(number);
    Form4 = new TForm4;
    Form4->exec();
    delete Form4;
    Form4 = nullptr;
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
    ListBox1->hide();
    setMemoLines(TextList::load(userSignTextPath(*Form2, System(row + 1))));
    Memo1->show();
}

// Tool buttons

void TForm1::hoverTool(Tool which)
{
    const ToolPictures pictures = tool(which);
    pictures.idle->hide();
    pictures.highlighted->show();
    *pictures.hoverFlag = QStringLiteral("0");
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
    for (int i = Back; i < ToolCount; ++i) {
        const ToolPictures pictures = tool(Tool(i));
        if (*pictures.hoverFlag == QLatin1String("0")) {
            pictures.highlighted->hide();
            pictures.pressed->hide();
            pictures.idle->show();
        }
    }
    if (Edit7 == QLatin1String("0")) {
        for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
            copyFont(Label11, label);
    }
    for (int i = Back; i < ToolCount; ++i)
        *tool(Tool(i)).hoverFlag = QStringLiteral("1");
    Edit7 = QStringLiteral("1");
}

void TForm1::backAction()
{
    ListBox1->show();
    Memo1->hide();
}

void TForm1::startOverAction()
{
    Edit6 = QStringLiteral("35");
    Label9->show();
    Image2->hide();
    ListBox1->hide();
    ListBox1->clear();
    Memo1->clear();
    Memo1->hide();
    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        label->hide();
    putToolsAtRest();
    setPressedPicturesEnabled(false);
    Form2->Button8Click();
    Form3->show();
    hide();
}

void TForm1::saveAction()
{
    m_saveFileName = chooseSaveFile();
    if (m_saveFileName.isEmpty())
        return;
    Form2->saveSource = [this] {
        TForm2::SaveSource source;
        source.fileName = m_saveFileName;
        source.textVisible = !Memo1->isHidden();
        source.text = memoLines();
        source.listVisible = !ListBox1->isHidden();
        for (int row = 0; row < ListBox1->count(); ++row)
            source.rows.append(ListBox1->item(row)->text());
        return source;
    };
    Form2->Button7Click();
}

void TForm1::settingsAction()
{
    Form6 = new TForm6;
    Form6->exec();
    delete Form6;
    Form6 = nullptr;
}

void TForm1::aboutAction()
{
    hide();
    loadBackground(); // the about window draws over it
    Form5 = new TForm5;
    Form5->exec();
    delete Form5;
    Form5 = nullptr;
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
        QLabel *const images[] = {nullptr, Image1,  Image2,  Image3,  Image4,  Image5,
                                  Image6,  Image7,  Image8,  Image9,  Image10, Image11,
                                  Image12, Image13, Image14, Image15, Image16};
        for (const QString &change : QString::fromLatin1(step.changes).split(u' ')) {
            QLabel *const picture = images[change.mid(1).toInt()];
            picture->setVisible(change.front() == u'+');
        }
        if (counter == IntroLastStep) {
            Label9->setText(QString::fromUtf8(Question));
            Label9->adjustSize();
            Button1->show();
            Button2->show();
            Button1->setFocus();
        }
    }
}
