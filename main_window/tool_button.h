#pragma once

#include <QLabel>

#include <functional>

// A tool picture keeps its colours while disabled: disabled only means it ignores the mouse.
class ToolPicture : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolPicture)

public:
    using QLabel::QLabel;

    // The picture is decoded when first painted: most are not needed before the intro runs, and
    // none before the window first shows.
    void setPicture(const QString &resource) { m_resource = resource; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QPixmap m_picture;
};

// One picture tool button: an invisible widget lying over its three stacked pictures (idle,
// highlighted, pressed) that takes the pointer for them. A picture that hides itself while the
// mouse is pressed on it would lose the mouse grab and never see its release; the button keeps
// the grab, so a click completes on the picture that was pressed even though it is gone by then.
class ToolButton : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolButton)

public:
    struct Handlers {
        std::function<void()> idleMouseMove;
        std::function<void()> highlightedMouseDown;
        std::function<void()> highlightedClick;
        std::function<void()> pressedClick;
        // The pointer moved here while no picture takes it (the one beneath is the background).
        std::function<void()> uncoveredMouseMove;
    };

    // The pictures are given bottom to top; the button takes their place and size.
    ToolButton(QLabel *pressed, QLabel *highlighted, QLabel *idle, Handlers handlers,
               QWidget *parent);

    // The picture that takes the pointer now: the topmost one shown and enabled, or none.
    QLabel *pictureUnderPointer() const;

    // What a click does, started from the keyboard or a screen reader, through the same handlers:
    // the idle picture lights up first as under the pointer, a pressed one is let go, then the lit
    // one is pressed and clicked. A picture that ignores the pointer for now still takes the
    // keyboard. Afterwards the button rests again unless the pointer is over it.
    void activate();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *topmostShown() const;
    void moveOver(QLabel *picture);

    QLabel *m_pressed;
    QLabel *m_highlighted;
    QLabel *m_idle;
    Handlers m_handlers;
    QLabel *m_pressTarget = nullptr; // the picture a held button was pressed on
    bool m_leftPressed = false;
};
