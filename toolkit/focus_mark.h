#pragma once

#include <QLabel>
#include <QToolButton>

class QKeyEvent;
class QPainter;

// Return, Enter and Space without other modifiers: the keys that start what a click would.
bool isActivationKey(const QKeyEvent *event);

// The keyboard's focus mark: a dotted frame just inside the rectangle, thin as the design's lines.
void paintFocusMark(QPainter &painter, const QRect &rect, const QColor &color);

// A label that works as a control: Tab reaches it and the focus mark frames it. Keys it does not
// use, Return and the arrows among them, go on to its window.
class FocusLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusLabel)

public:
    explicit FocusLabel(QWidget *parent) : FocusLabel(QString(), parent) {}
    FocusLabel(const QString &text, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A label given the focus would start a text cursor of its own and take the pointer's
    // events from its window; this one only shows the mark.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// A flat button that Return and Enter press as Space does, framed by the focus mark.
class SpeedButton : public QToolButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeedButton)

public:
    explicit SpeedButton(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
