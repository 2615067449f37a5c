#pragma once

#include <QWidget>

class QPainter;
class QRectF;

// The Moon's disc as the eye sees it: `lit` is the share of the disc in light (0..1), and the
// bright limb is on the right when `brightRight`. Drawn as paths, so it stays sharp at any scale.
void paintMoon(QPainter &painter, const QRectF &disc, double lit, bool brightRight);

// Which side is bright: a waxing Moon is lit from the right seen from the northern hemisphere,
// from the left seen from the southern.
bool brightOnRight(bool waxing, double latitude);

class MoonPicture : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MoonPicture)

public:
    explicit MoonPicture(QWidget *parent = nullptr);

    void setPhase(double lit, bool brightRight);
    double lit() const { return m_lit; }
    bool isBrightRight() const { return m_brightRight; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_lit = 0;
    bool m_brightRight = true;
};
