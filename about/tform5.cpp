#include "about/tform5.h"

#include "app/forms.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "toolkit/accessible.h"
#include "toolkit/design.h"
#include "toolkit/focus_mark.h"
#include "toolkit/window_owner.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <iterator>

std::function<bool(QWindow *window)> TForm5::startSystemMove = [](QWindow *window) {
    return window && window->startSystemMove();
};

std::function<void(const QString &address)> TForm5::shellOpen = [](const QString &address) {
    QDesktopServices::openUrl(QUrl(address));
};

namespace {

const QColor Grey(0x80, 0x80, 0x80);
const QColor Navy(0x00, 0x00, 0x80);

QFont linkFont(int pixels, bool underline)
{
    return designFont(pixels, true, underline);
}

// A transparent label sized to its text; an invalid colour keeps the window-text colour.
QLabel *makeLabel(QWidget *parent, const QString &text, int left, int top, const QFont &font,
                  const QColor &color = QColor())
{
    auto *label = new FocusLabel(text, parent);
    label->setFocusPolicy(Qt::NoFocus);
    label->setFont(font);
    if (color.isValid())
        setTextColor(label, color);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// An open interval of client pixels: a point on a bound is outside.
struct Span {
    int low, high;
    bool contains(int value) const { return low < value && value < high; }
};

constexpr Span AnyX{INT_MIN, INT_MAX};
constexpr Span NoX{0, 0};

enum class Action { Close, Mail, Licence, Help, Site };

// The hot regions decide, not the labels' rectangles: the mail region has a gap at x 99..101,
// the licence region starts right of x 30 and the site band spans the whole width.
// The hidden labels whose fonts a link takes: hot under the pointer, normal elsewhere.
struct FontTemplates {
    QLabel *TForm5::*hot;
    QLabel *TForm5::*normal;
};

constexpr FontTemplates LinkFonts{&TForm5::Label5, &TForm5::Label6};
constexpr FontTemplates CreditFonts{&TForm5::Label11, &TForm5::Label10};

struct HotLink {
    QLabel *TForm5::*label;
    Span x1, x2;
    Span y;
    FontTemplates fonts;
    Action action;

    bool contains(int px, int py) const
    {
        return (x1.contains(px) || x2.contains(px)) && y.contains(py);
    }
};

// In the order they are highlighted and tested for a click.
// clang-format off
const HotLink Links[] = {
    {&TForm5::Label2, {232, 336}, NoX,        {208, 224}, LinkFonts,   Action::Close},
    {&TForm5::Label1, {80, 99},   {101, 248}, {240, 256}, LinkFonts,   Action::Mail},
    {&TForm5::Label3, {30, 80},   NoX,        {208, 224}, LinkFonts,   Action::Licence},
    {&TForm5::Label4, {128, 192}, NoX,        {176, 192}, LinkFonts,   Action::Help},
    {&TForm5::Label9, AnyX,       NoX,        {56, 72},   CreditFonts, Action::Site},
};
// clang-format on

struct LinkHint {
    QLabel *TForm5::*label;
    const char *text;
};

const LinkHint LinkHints[] = {
    {&TForm5::Label1, "Отправить письмо автору"},
    {&TForm5::Label3, "Просмот лицензионного соглашения"},
    {&TForm5::Label4, "Вызвать справку"},
    {&TForm5::Label9, "Выйти на сайт"},
};

} // namespace

TForm5::TForm5(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(345, 281);
    move(230, 122);
    setDesignFont(this);
    setMouseTracking(true);

    Image2 = new QLabel(this);
    Image2->setGeometry(0, 0, 345, 281);
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont link = linkFont(13, false);
    const QFont hotLink = linkFont(13, true);
    const QFont credit = linkFont(11, false);
    Label1 = makeLabel(this, QString::fromUtf8(AuthorMail), 80, 240, link);
    Label2 = makeLabel(this, QStringLiteral("Закрыть окно"), 232, 208, link);
    Label3 = makeLabel(this, QStringLiteral("Лицензия"), 8, 208, link);
    Label4 = makeLabel(this, QStringLiteral("Справка"), 128, 176, link);
    Label5 = makeLabel(this, QString(), 416, 96, hotLink, Navy);
    Label6 = makeLabel(this, QString(), 416, 120, link);
    Label7 = makeLabel(this, QStringLiteral("О программе \"Orlenta\""), 8, 8, link, Grey);
    Label8 = makeLabel(this, QStringLiteral("Автор: ") + QString::fromUtf8(AuthorName), 8, 32, link,
                       Grey);
    Label9 = makeLabel(this,
                       QStringLiteral("Некоторые данные взяты с сайта \"") +
                           QString::fromUtf8(SiteName) + u'"',
                       8, 56, credit, Grey);
    Label10 = makeLabel(this, QString(), 416, 144, credit, Grey);
    Label11 = makeLabel(this, QString(), 416, 160, linkFont(11, true), Navy);
    for (QLabel *fontTemplate : {Label5, Label6, Label10, Label11})
        fontTemplate->hide();
    // A move over a control that does not track the pointer is dropped, not passed on to the
    // window; the labels and the picture pass every move on.
    for (QLabel *control : findChildren<QLabel *>())
        control->setMouseTracking(true);
    setLinkHints(true);

    describeControl(this, QAccessible::Dialog, windowTitle());
    // A listener opens a link as a click where it stands, as the keyboard does.
    for (const HotLink &hot : Links) {
        QLabel *const label = this->*hot.label;
        describeControl(label, QAccessible::Link, label->text(), [this, label] {
            const QPoint centre = label->geometry().center();
            Edit1 = QString::number(centre.x());
            Edit2 = QString::number(centre.y());
            Image2Click();
        });
    }
    for (QLabel *decoration : {Image2, Label5, Label6, Label10, Label11})
        describeAsDecoration(decoration);
    belongToMainWindow(this);

    // Tab takes the links from top to bottom; the keyboard starts on the one that closes.
    QLabel *const chain[] = {Label9, Label4, Label3, Label2, Label1};
    for (QLabel *label : chain)
        label->setFocusPolicy(Qt::TabFocus);
    for (int i = 1; i < int(std::size(chain)); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Label2->setFocus();
}

// Return, Enter and Space on a link click it where it stands.
void TForm5::keyPressEvent(QKeyEvent *event)
{
    QWidget *focused = focusWidget();
    const auto link = std::find_if(std::begin(Links), std::end(Links), [&](const HotLink &each) {
        return this->*each.label == focused;
    });
    if (link == std::end(Links) || !isActivationKey(event)) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat())
        return;
    const QPoint centre = focused->geometry().center();
    Edit1 = QString::number(centre.x());
    Edit2 = QString::number(centre.y());
    Image2Click();
}

void TForm5::setLinkHints(bool on)
{
    for (const LinkHint &hint : LinkHints)
        (this->*hint.label)->setToolTip(on ? QString::fromUtf8(hint.text) : QString());
}

// The window is modal and lives for one showing, so it is activated once, when shown.
void TForm5::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TForm5::FormActivate()
{
    // Until the main window has its background there is nothing to copy, and nothing is drawn.
    Image2->setPixmap(Form1->backgroundPicture());
    if (const std::optional<bool> shown = hintsShown(Form2->Edit17))
        setLinkHints(*shown);
}

void TForm5::mouseMoveEvent(QMouseEvent *event)
{
    Image2MouseMove(event->buttons(), event->position().toPoint(),
                    event->globalPosition().toPoint());
}

void TForm5::mousePressEvent(QMouseEvent *event)
{
    Image2MouseDown(event->button(), event->position().toPoint());
}

void TForm5::mouseReleaseEvent(QMouseEvent *event)
{
    Image2MouseUp(event->button(), event->position().toPoint());
}

void TForm5::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    Image2ContextPopup();
}

void TForm5::Image2MouseMove(Qt::MouseButtons buttons, const QPoint &pos, const QPoint &globalPos)
{
    Edit1 = QString::number(pos.x());
    Edit2 = QString::number(pos.y());

    // The window follows a press-and-drag once the pointer has gone further than a shaky hand
    // would, keeping the pressed point under the pointer. Where the window system can move it (a
    // Wayland compositor places windows itself), the window system takes the drag over, and its
    // release is no click.
    if (buttons & Qt::LeftButton) {
        const QPoint anchor(Edit3.toInt(), Edit4.toInt());
        if (Edit7 == Codes::DragPressed &&
            (pos - anchor).manhattanLength() >= QApplication::startDragDistance()) {
            Edit7 = Codes::Dragging;
            if (startSystemMove(windowHandle()))
                Edit7 = Codes::DragNone;
        }
        if (Edit7 == Codes::Dragging) {
            const QPoint topLeft = globalPos - anchor;
            Edit5 = QString::number(topLeft.x());
            Edit6 = QString::number(topLeft.y());
            move(topLeft);
        }
    }

    for (const HotLink &link : Links) {
        const QLabel *font =
            this->*(link.contains(pos.x(), pos.y()) ? link.fonts.hot : link.fonts.normal);
        QLabel *const label = this->*link.label;
        copyFont(font, label);
        label->adjustSize(); // the link's label fits its text, as the design sizes it
    }
}

void TForm5::Image2MouseDown(Qt::MouseButton button, const QPoint &pos)
{
    if (button != Qt::LeftButton)
        return;
    Edit3 = QString::number(pos.x());
    Edit4 = QString::number(pos.y());
    Edit7 = Codes::DragPressed;
    // Off the links a press can only start a drag: given to the window system at once, the window
    // does not lag behind the pointer by the distance allowed a shaky hand.
    const bool onLink =
        std::any_of(std::begin(Links), std::end(Links),
                    [&pos](const HotLink &link) { return link.contains(pos.x(), pos.y()); });
    if (!onLink && startSystemMove(windowHandle()))
        Edit7 = Codes::DragNone;
}

void TForm5::Image2MouseUp(Qt::MouseButton button, const QPoint &pos)
{
    if (button != Qt::LeftButton)
        return;
    // A drag is not a click, and neither is a release outside the window.
    const bool click = Edit7 == Codes::DragPressed && rect().contains(pos);
    Edit7 = Codes::DragNone;
    if (click)
        Image2Click();
}

void TForm5::Image2Click()
{
    const int x = Edit1.toInt();
    const int y = Edit2.toInt();
    for (const HotLink &link : Links) {
        if (!link.contains(x, y))
            continue;
        switch (link.action) {
        case Action::Close:
            break;
        case Action::Mail:
            shellOpen(QStringLiteral("mailto:") + QString::fromUtf8(AuthorMail));
            break;
        case Action::Licence:
            showInViewer(Form2->Memo1, QStringLiteral("Лицензионное соглашение"));
            break;
        case Action::Help:
            Form1->showHelpText();
            break;
        case Action::Site:
            shellOpen(QString::fromUtf8(SiteAddress));
            break;
        }
        close();
        return;
    }
}

void TForm5::showInViewer(const QStringList &lines, const QString &title)
{
    Form1->showTextLines(lines, title);
}

void TForm5::Image2ContextPopup()
{
    close();
}

// Every way out, the window's own links as well as a shortcut of the window system, brings the
// main window back before this one goes, so the program is never left with nothing on screen.
void TForm5::done(int result)
{
    if (Form1)
        Form1->show();
    QDialog::done(result);
}
