#include "main_window/tool_button.h"

#include "toolkit/color_key.h"
#include "toolkit/focus_mark.h"
#include "toolkit/picture.h"

#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

void ToolPicture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if ((m_picture.isNull() || m_picture.devicePixelRatio() != ratio) && !m_resource.isEmpty())
        m_picture = transparentPicture(loadPicture(m_resource, ratio), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

ToolButton::ToolButton(QLabel *pressed, QLabel *highlighted, QLabel *idle, Handlers handlers,
                       QWidget *parent)
    : QWidget(parent), m_pressed(pressed), m_highlighted(highlighted), m_idle(idle),
      m_handlers(std::move(handlers))
{
    setGeometry(idle->geometry());
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    // Tab reaches the button; a click leaves the keyboard where it was.
    setFocusPolicy(Qt::TabFocus);
    raise();
}

void ToolButton::activate()
{
    QLabel *picture = topmostShown();
    if (picture == m_idle && m_handlers.idleMouseMove) {
        m_handlers.idleMouseMove();
        picture = topmostShown();
    }
    // A pressed picture is let go first: the keyboard asks for the action.
    if (picture == m_pressed && m_handlers.pressedClick) {
        m_handlers.pressedClick();
        picture = topmostShown();
    }
    if (picture == m_highlighted) {
        if (m_handlers.highlightedMouseDown)
            m_handlers.highlightedMouseDown();
        if (m_handlers.highlightedClick)
            m_handlers.highlightedClick();
    }
    if (!m_highlighted->isHidden() && !rect().contains(mapFromGlobal(QCursor::pos()))) {
        m_highlighted->hide();
        m_idle->show();
    }
}

void ToolButton::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event)) {
        if (!event->isAutoRepeat())
            activate();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The focus mark follows the tile's rounded edge, dotted black over white so it reads on the
// light tile and on the dark pressed one alike.
void ToolButton::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(4.5, 4.5, -5.5, -5.5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRoundedRect(ring, 6, 6);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRoundedRect(ring, 6, 6);
}

QLabel *ToolButton::topmostShown() const
{
    for (QLabel *picture : {m_idle, m_highlighted, m_pressed}) {
        if (!picture->isHidden())
            return picture;
    }
    return nullptr;
}

QLabel *ToolButton::pictureUnderPointer() const
{
    for (QLabel *picture : {m_idle, m_highlighted, m_pressed}) {
        if (!picture->isHidden() && picture->isEnabled())
            return picture;
    }
    return nullptr;
}

bool ToolButton::event(QEvent *event)
{
    // The tips belong to the pictures: only the one under the pointer may show its own.
    if (event->type() == QEvent::ToolTip) {
        const QLabel *picture = pictureUnderPointer();
        if (picture && !picture->toolTip().isEmpty())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), picture->toolTip(),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ToolButton::moveOver(QLabel *picture)
{
    if (picture == m_idle) {
        if (m_handlers.idleMouseMove)
            m_handlers.idleMouseMove();
    } else if (!picture && m_handlers.uncoveredMouseMove) {
        m_handlers.uncoveredMouseMove();
    }
}

void ToolButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the movement belongs to the picture it was pressed on, wherever the
    // pointer goes.
    if (event->buttons() != Qt::NoButton) {
        if (m_pressTarget)
            moveOver(m_pressTarget);
        return;
    }
    moveOver(pictureUnderPointer());
}

void ToolButton::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() != event->button())
        return; // a second button joins a press already under way
    m_pressTarget = pictureUnderPointer();
    m_leftPressed = event->button() == Qt::LeftButton;
    if (m_pressTarget == m_highlighted && m_handlers.highlightedMouseDown)
        m_handlers.highlightedMouseDown();
}

void ToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    QLabel *const target = m_pressTarget;
    const bool click = m_leftPressed && rect().contains(event->position().toPoint());
    m_pressTarget = nullptr;
    m_leftPressed = false;
    if (!click)
        return;
    if (target == m_highlighted && m_handlers.highlightedClick)
        m_handlers.highlightedClick();
    else if (target == m_pressed && m_handlers.pressedClick)
        m_handlers.pressedClick();
}
