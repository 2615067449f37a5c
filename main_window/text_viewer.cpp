#include "main_window/text_viewer.h"

#include "toolkit/text_list.h"

#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QTextCursor>
#include <QTimer>
#include <QWheelEvent>

namespace {

// The first piece shows with the text, the rest between events. Each piece takes a few
// milliseconds to lay out; every text the program ships fits in the first.
const qsizetype FirstPiece = 64 * 1024;
const qsizetype LaterPiece = 128 * 1024;

// Bold headings in the view only: what is saved or copied stays the file's plain lines.
class HeadingHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString &text) override
    {
        if (TextList::isHeading(text))
            setFormat(0, int(text.size()), boldFormat());
    }

private:
    static QTextCharFormat boldFormat()
    {
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        return format;
    }
};

} // namespace

TextViewer::TextViewer(QWidget *parent) : QWidget(parent)
{
    m_filling = new QTimer(this);
    m_filling->setSingleShot(true);
    m_filling->setInterval(0);
    connect(m_filling, &QTimer::timeout, this, &TextViewer::showNextPiece);
}

QPlainTextEdit *TextViewer::editor()
{
    if (!m_editor) {
        m_editor = new QPlainTextEdit(this);
        m_editor->setGeometry(rect());
        m_editor->setReadOnly(true);
        m_editor->setUndoRedoEnabled(false);
        m_editor->setTabChangesFocus(true); // Tab leaves a text nobody types into
        m_editor->setFrameShape(QFrame::Box);
        m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setFocusProxy(m_editor);
        m_editor->viewport()->installEventFilter(this);
        new HeadingHighlighter(m_editor->document());
        m_editor->show();
        m_shown = 0;
        showNextPiece();
    }
    return m_editor;
}

QString TextViewer::piece(const QString &text, qsizetype from, qsizetype budget, qsizetype *next)
{
    QString shown;
    qsizetype at = from;
    const qsizetype size = text.size();
    while (at < size && shown.size() < budget) {
        qsizetype end = text.indexOf(u'\n', at);
        if (end < 0)
            end = size;
        if (end - at > LongestBlock) {
            const qsizetype space = text.lastIndexOf(u' ', at + LongestBlock - 1);
            const qsizetype cut = space > at ? space + 1 : at + LongestBlock;
            shown += QStringView(text).mid(at, cut - at);
            shown += u'\n';
            at = cut;
            continue;
        }
        shown += QStringView(text).mid(at, end - at + (end < size ? 1 : 0));
        at = end + 1;
    }
    *next = qMin(at, size);
    return shown;
}

void TextViewer::showNextPiece()
{
    if (!m_editor)
        return;
    const bool first = m_shown == 0;
    qsizetype next = 0;
    const QString shown = piece(m_text, m_shown, first ? FirstPiece : LaterPiece, &next);
    if (first) {
        m_editor->setPlainText(shown);
    } else {
        // At the end, where it moves neither the view nor a selection.
        QTextCursor end(m_editor->document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown);
    }
    m_shown = next;
    if (!isComplete())
        m_filling->start();
}

bool TextViewer::isComplete() const
{
    return m_shown >= m_text.size();
}

void TextViewer::setPlainText(const QString &text)
{
    m_filling->stop();
    m_text = text;
    m_shown = 0;
    if (m_editor)
        showNextPiece();
    else
        editor();
}

QString TextViewer::toPlainText() const
{
    return m_text;
}

void TextViewer::clear()
{
    m_filling->stop();
    if (m_editor)
        m_editor->clear();
    m_text.clear();
    m_shown = 0;
}

void TextViewer::showEvent(QShowEvent *event)
{
    editor();
    QWidget::showEvent(event);
}

bool TextViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && m_editor && watched == m_editor->viewport()) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            Q_EMIT sizeWheeled(wheel->angleDelta().y());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TextViewer::resizeEvent(QResizeEvent *event)
{
    if (m_editor)
        m_editor->setGeometry(rect());
    QWidget::resizeEvent(event);
}
