#include "sky/moon_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

void paintMoon(QPainter &painter, const QRectF &disc, double lit, bool brightRight)
{
    lit = std::clamp(lit, 0.0, 1.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = disc.center();
    const double r = std::min(disc.width(), disc.height()) / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 56, 78));
    painter.drawEllipse(centre, r, r);

    // The terminator is half an ellipse whose half-width runs from r at new moon through 0 at
    // a quarter to -r at full moon; the lit part lies between it and the bright limb.
    const double terminator = (1 - 2 * lit) * r;
    const double side = brightRight ? 1 : -1;
    const int steps = 96;
    QPainterPath litPart;
    for (int i = 0; i <= steps; ++i) {
        const double angle = M_PI * (double(i) / steps - 0.5);
        const QPointF point(centre.x() + side * r * std::cos(angle),
                            centre.y() + r * std::sin(angle));
        if (i == 0)
            litPart.moveTo(point);
        else
            litPart.lineTo(point);
    }
    for (int i = steps; i >= 0; --i) {
        const double angle = M_PI * (double(i) / steps - 0.5);
        litPart.lineTo(centre.x() + side * terminator * std::cos(angle),
                       centre.y() + r * std::sin(angle));
    }
    litPart.closeSubpath();
    QRadialGradient light(centre + QPointF(side * r * 0.2, -r * 0.3), r * 1.4);
    light.setColorAt(0, QColor(255, 252, 228));
    light.setColorAt(1, QColor(222, 214, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPath(litPart);
    painter.setPen(QPen(QColor(70, 70, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    painter.restore();
}

bool brightOnRight(bool waxing, double latitude)
{
    return waxing == (latitude >= 0);
}

MoonPicture::MoonPicture(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(64, 64);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MoonPicture::setPhase(double lit, bool brightRight)
{
    m_lit = lit;
    m_brightRight = brightRight;
    update();
}

QSize MoonPicture::sizeHint() const
{
    return {96, 96};
}

void MoonPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintMoon(painter, QRectF(rect()).adjusted(3, 3, -3, -3), m_lit, m_brightRight);
}
