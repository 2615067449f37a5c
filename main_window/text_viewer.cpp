#include "main_window/text_viewer.h"

#include <QPlainTextEdit>

TextViewer::TextViewer(QWidget *parent) : QWidget(parent) {}

QPlainTextEdit *TextViewer::editor()
{
    if (!m_editor) {
        m_editor = new QPlainTextEdit(this);
        m_editor->setGeometry(rect());
        m_editor->setReadOnly(true);
        m_editor->setTabChangesFocus(true); // Tab leaves a text nobody types into
        m_editor->setFrameShape(QFrame::Box);
        m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        m_editor->setPlainText(m_text);
        m_text.clear();
        setFocusProxy(m_editor);
        m_editor->show();
    }
    return m_editor;
}

void TextViewer::setPlainText(const QString &text)
{
    editor()->setPlainText(text);
}

QString TextViewer::toPlainText() const
{
    return m_editor ? m_editor->toPlainText() : m_text;
}

void TextViewer::clear()
{
    if (m_editor)
        m_editor->clear();
    m_text.clear();
}

void TextViewer::showEvent(QShowEvent *event)
{
    editor();
    QWidget::showEvent(event);
}

void TextViewer::resizeEvent(QResizeEvent *event)
{
    if (m_editor)
        m_editor->setGeometry(rect());
    QWidget::resizeEvent(event);
}
