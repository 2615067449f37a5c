// The system menu, the result list and the text viewer with its text size.

#include "app/forms.h"
#include "data/sign_keys.h"
#include "engine/remembered.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1.h"
#include "main_window/tform1_design.h"
#include "sign_info/sign_texts.h"
#include "sign_info/tform4.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "toolkit/focus_mark.h"
#include "toolkit/modal.h"
#include "toolkit/text_list.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWheelEvent>

namespace MainWindowDesign {

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

} // namespace MainWindowDesign

using namespace MainWindowDesign;

namespace {

// The design's text sizes of the viewer and the list, and the list's row height, in pixels.
const int ViewerPixels = 15;
const int ListPixels = 16;
const int ListRowPixels = 19;

} // namespace

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (copyKey(watched, event))
        return true;
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

void TForm1::setMemoLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(u'\n'));
}

void TForm1::showTextLines(const QStringList &lines, const QString &title)
{
    m_textTitle = title;
    m_textPath.clear();
    // The keyboard follows the text when it was on the list the text replaces.
    const bool listHadFocus = ListBox1->hasFocus() || m_listHadFocus;
    m_listHadFocus = false;
    ListBox1->hide();
    setMemoLines(lines);
    Memo1->editor()->installEventFilter(this); // for Ctrl+C with nothing selected
    Memo1->show();
    if (listHadFocus)
        Memo1->setFocus();
}

Result<> TForm1::showTextFile(const QString &path)
{
    m_listHadFocus = ListBox1->hasFocus();
    ListBox1->hide();
    const Result<QStringList> lines = TextList::load(path);
    if (!lines)
        return lines.failure();
    showTextLines(*lines, textTitle(path));
    m_textPath = path;
    return {};
}

void TForm1::showResultRows(const QStringList &rows)
{
    ListBox1->clear();
    ListBox1->addItems(rows);
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
    if (const Result<> shown = showTextFile(userSignTextPath(*Form2, System(row + 1))); !shown)
        showErrorBox(shown.failure());
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
    const Result<> stored = Remembered::storeTextSize(path, percent);
    // Said once: every further step would fail the same way.
    if (!stored && !m_textSizeFailureShown) {
        m_textSizeFailureShown = true;
        showErrorBox(stored.failure());
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
