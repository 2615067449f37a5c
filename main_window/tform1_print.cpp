// What the main window hands on beyond a saved file: a copy, a printout, the booklet as PDF, and
// the help.

#include "app/forms.h"
#include "engine/date_words.h"
#include "engine/people.h"
#include "engine/remembered.h"
#include "engine/save_target.h"
#include "engine/text_header.h"
#include "engine/tform2.h"
#include "help/help_window.h"
#include "main_window/save_dialog.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1.h"
#include "print/booklet.h"
#include "print/printout.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

const QKeyCombination PrintKeys = Qt::CTRL | Qt::Key_P;
const QKeyCombination BookletKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_S;
const QKeyCombination HelpKeys = QKeyCombination(Qt::Key_F1);

const char *const NothingToPrint = "Печатать нечего: откройте список знаков или текст.";
const char *const NoBirthDate = "Сначала выберите дату рождения: в мастере или в «Моих людях».";
const char *const ListTitle = "Гороскоп";
const char *const BookletFilter = "Документ PDF (*.pdf)";
const char *const BookletName = "Мой гороскоп %1.pdf";

} // namespace

void TForm1::buildPrintAndHelpKeys()
{
    // Where neither the list nor the viewer has the keyboard (a tool button, the menu).
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &TForm1::copyShown);
    connect(new QShortcut(QKeySequence(PrintKeys), this), &QShortcut::activated, this,
            &TForm1::printAction);
    connect(new QShortcut(QKeySequence(BookletKeys), this), &QShortcut::activated, this,
            [this] { bookletAction(Person()); });
    connect(new QShortcut(QKeySequence(HelpKeys), this), &QShortcut::activated, this,
            &TForm1::helpAction);

    chooseBookletFile = [this](const QString &suggested) {
        QFileDialog dialog(this, QStringLiteral("Сохранить гороскоп в PDF"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilter(QString::fromUtf8(BookletFilter));
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.setDirectory(documentsFolder());
        dialog.selectFile(suggested);
        return execModal(dialog) == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
}

QStringList TForm1::shownLines() const
{
    if (!ListBox1->isHidden()) {
        QStringList rows;
        for (int row = 0; row < ListBox1->count(); ++row)
            rows.append(ListBox1->item(row)->text());
        return rows;
    }
    return Memo1->isHidden() ? QStringList() : memoLines();
}

QString TForm1::shownHeader() const
{
    if (!ListBox1->isHidden())
        return TextHeader::forList(m_birthDate);
    return Memo1->isHidden() ? QString() : TextHeader::forText(m_birthDate, m_textPath);
}

// Ctrl+C in the list or the viewer: a selection in the viewer is the viewer's own to copy; with
// none, the whole of what is shown goes, under its header.
bool TForm1::copyKey(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const bool inViewer = Memo1->isAncestorOf(qobject_cast<QWidget *>(watched));
    if (watched != ListBox1 && !inViewer)
        return false;
    if (!static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy))
        return false;
    // Claimed first, so the window's own Ctrl+C does not take the key from the viewer.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (inViewer && Memo1->editor()->textCursor().hasSelection())
        return false;
    copyShown();
    return true;
}

void TForm1::copyShown()
{
    const QStringList lines = shownLines();
    if (lines.isEmpty())
        return;
    const QString header = shownHeader();
    const QStringList copied = header.isEmpty() ? lines : QStringList{header, QString()} + lines;
    QGuiApplication::clipboard()->setText(copied.join(u'\n') + u'\n');
}

void TForm1::printAction()
{
    Printout printout;
    printout.lines = shownLines();
    if (printout.lines.isEmpty()) {
        showNoticeBox(QString::fromUtf8(NothingToPrint));
        return;
    }
    printout.header = shownHeader();
    printout.title = !m_personName.isEmpty()     ? m_personName
                     : !ListBox1->isHidden()     ? QString::fromUtf8(ListTitle)
                     : printout.header.isEmpty() ? m_textTitle
                                                 : QString();
    Printing::printWithPreview(printout, this);
}

void TForm1::bookletAction(const Person &person)
{
    Booklet::Input input;
    input.name = person.name;
    input.birth = person.birth;
    if (!People::isBirthDate(input.birth)) {
        input.name = m_personName;
        input.birth = m_birthDate;
    }
    if (!input.birth.isValid()) {
        showNoticeBox(QString::fromUtf8(NoBirthDate));
        return;
    }
    input.programDir = Form2->Edit15;
    input.place = Remembered::loadPlace(Form2->userFilePath(Remembered::PlaceFile));
    const QString chosen =
        chooseBookletFile(QString::fromUtf8(BookletName).arg(input.birth.toString(Qt::ISODate)));
    if (chosen.isEmpty())
        return;
    if (const Result<> written = Booklet::write(chosen, input); !written)
        showErrorBox(written.failure());
}

void TForm1::helpAction()
{
    if (!m_help)
        m_help = new HelpWindow(Form2->Edit15, this);
    if (m_help->isHidden() && !m_help->load())
        return;
    raiseWindow(m_help);
}

void TForm1::showHelpText()
{
    const Result<QStringList> lines = HelpWindow::lines(Form2->Edit15);
    if (!lines) {
        showErrorBox(lines.failure());
        return;
    }
    showTextLines(*lines, QStringLiteral("Справка"));
}
