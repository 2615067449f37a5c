#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The main window's text viewer: read-only, wrapping, with a vertical scroll bar. The editor inside
// is built when a text first arrives or the viewer first shows, not while the program starts:
// laying out even an empty document loads fonts the loading screen does not need.
class TextViewer : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextViewer)

public:
    explicit TextViewer(QWidget *parent = nullptr);

    void setPlainText(const QString &text);
    QString toPlainText() const;
    void clear();

    QPlainTextEdit *editor();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPlainTextEdit *m_editor = nullptr;
    QString m_text;
};
