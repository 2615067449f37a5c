#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QTimer;

// The main window's text viewer: read-only, wrapping, with a vertical scroll bar. The editor inside
// is built when a text first arrives or the viewer first shows, not while the program starts:
// laying out even an empty document loads fonts the loading screen does not need.
//
// A long text goes into the editor piece by piece between events, so the window answers while a
// large file fills in; the text itself is whole at once.
class TextViewer : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextViewer)

public:
    explicit TextViewer(QWidget *parent = nullptr);

    void setPlainText(const QString &text);
    QString toPlainText() const;
    void clear();

    // Whether the editor shows the whole text yet.
    bool isComplete() const;

    QPlainTextEdit *editor();

    // What the editor shows of text[from, *next): at most about `budget` characters, in whole
    // lines, with any line longer than LongestBlock broken after a space (or anywhere, when it
    // has none) so that no paragraph has to be laid out in one go.
    static QString piece(const QString &text, qsizetype from, qsizetype budget, qsizetype *next);
    static constexpr qsizetype LongestBlock = 2000;

signals:
    // Ctrl and the wheel: the text size is the window's to change, not the editor's own zoom.
    void sizeWheeled(int angleDelta);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showNextPiece();

    QPlainTextEdit *m_editor = nullptr;
    QTimer *m_filling = nullptr;
    QString m_text;
    qsizetype m_shown = 0; // characters of m_text in the editor
};
