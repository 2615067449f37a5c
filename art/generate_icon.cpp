// Draws the program's icon: a crescent over an open star book on the night sky of the wizard, at
// every size the desktop asks for. Small sizes get a plainer drawing, so the moon and the book
// still read at 16 pixels. Run: generate_icon <art directory>.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>

namespace {

// Drawn at four times the size and scaled down, which smooths every edge.
constexpr int Scale = 4;

const QColor SkyTop(36, 52, 128);
const QColor SkyBottom(12, 18, 52);
const QColor Moon(250, 226, 140);
const QColor Gold(206, 160, 66);
const QColor Parchment(242, 230, 198);
const QColor PageShade(214, 194, 150);
const QColor Cover(140, 42, 30);
const QColor Ink(74, 48, 28);

// A four-pointed star centred at `at`.
void star(QPainter &painter, QPointF at, double radius, const QColor &color)
{
    QPainterPath path;
    const double waist = radius * 0.28;
    path.moveTo(at.x(), at.y() - radius);
    path.quadTo(at.x() + waist * 0.3, at.y() - waist * 0.3, at.x() + radius, at.y());
    path.quadTo(at.x() + waist * 0.3, at.y() + waist * 0.3, at.x(), at.y() + radius);
    path.quadTo(at.x() - waist * 0.3, at.y() + waist * 0.3, at.x() - radius, at.y());
    path.quadTo(at.x() - waist * 0.3, at.y() - waist * 0.3, at.x(), at.y() - radius);
    painter.fillPath(path, color);
}

// One page of the open book, the spine at x = 0.5; `side` is -1 for the left page, 1 for the right.
QPainterPath page(int side, double top, double bottom, double sag)
{
    const double outer = 0.5 + side * 0.38;
    QPainterPath path;
    path.moveTo(0.5, top + sag);
    path.cubicTo(0.5 + side * 0.12, top - 0.02, 0.5 + side * 0.26, top - 0.03, outer, top);
    path.lineTo(outer, bottom);
    path.cubicTo(0.5 + side * 0.26, bottom - 0.03, 0.5 + side * 0.12, bottom - 0.02, 0.5,
                 bottom + sag);
    path.closeSubpath();
    return path;
}

// The picture in a unit square; `small` leaves out what would only blur.
void paintIcon(QPainter &painter, bool small)
{
    const double corner = small ? 0.14 : 0.18;
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.02, 0.02, 0.96, 0.96), corner, corner);
    QLinearGradient sky(0, 0, 0, 1);
    sky.setColorAt(0, SkyTop);
    sky.setColorAt(1, SkyBottom);
    painter.fillPath(tile, sky);
    if (!small) {
        painter.setPen(QPen(Gold, 0.014));
        painter.drawPath(tile);
        painter.setPen(Qt::NoPen);
    }

    // The moon, with a soft glow around it.
    const QPointF moon(0.52, small ? 0.31 : 0.30);
    const double moonRadius = small ? 0.22 : 0.18;
    QRadialGradient glow(moon, moonRadius * 2.0);
    glow.setColorAt(0, QColor(255, 236, 170, small ? 60 : 90));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    painter.setClipPath(tile);
    painter.fillRect(QRectF(0, 0, 1, 1), glow);
    painter.setClipping(false);
    QPainterPath disc;
    disc.addEllipse(moon, moonRadius, moonRadius);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(moonRadius * 0.48, -moonRadius * 0.3), moonRadius * 0.86,
                    moonRadius * 0.86);
    painter.fillPath(disc.subtracted(bite), Moon);

    // Stars of the sky: fewer and bigger when small.
    if (small) {
        star(painter, {0.20, 0.22}, 0.085, Moon);
    } else {
        const struct {
            double x, y, radius;
        } stars[] = {{0.19, 0.20, 0.055}, {0.82, 0.18, 0.04},  {0.29, 0.41, 0.03},
                     {0.80, 0.44, 0.035}, {0.12, 0.48, 0.025}, {0.67, 0.10, 0.025}};
        for (const auto &each : stars)
            star(painter, {each.x, each.y}, each.radius, QColor(255, 246, 214));
    }

    // The open book: the cover a little larger than the pages, a ribbon down the middle.
    const double top = small ? 0.60 : 0.58, bottom = small ? 0.86 : 0.84;
    QPainterPath cover;
    cover.moveTo(0.5, top + 0.10);
    cover.cubicTo(0.36, top + 0.01, 0.22, top + 0.01, 0.08, top + 0.03);
    cover.lineTo(0.08, bottom + 0.04);
    cover.cubicTo(0.24, bottom + 0.01, 0.38, bottom + 0.02, 0.5, bottom + 0.09);
    cover.cubicTo(0.62, bottom + 0.02, 0.76, bottom + 0.01, 0.92, bottom + 0.04);
    cover.lineTo(0.92, top + 0.03);
    cover.cubicTo(0.78, top + 0.01, 0.64, top + 0.01, 0.5, top + 0.10);
    painter.fillPath(cover, Cover);
    for (int side : {-1, 1}) {
        const QPainterPath sheet = page(side, top, bottom, 0.05);
        QLinearGradient shade(0.5, 0, 0.5 + side * 0.38, 0);
        shade.setColorAt(0, PageShade);
        shade.setColorAt(0.25, Parchment);
        shade.setColorAt(1, Parchment);
        painter.fillPath(sheet, shade);
    }
    painter.setPen(QPen(Ink, small ? 0.03 : 0.012));
    painter.drawLine(QPointF(0.5, top + 0.05), QPointF(0.5, bottom + 0.05));
    if (!small) {
        // Lines of writing on the left page, a little star chart on the right.
        painter.setPen(QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 150), 0.012));
        for (int line = 0; line < 5; ++line) {
            const double y = top + 0.05 + line * 0.04;
            painter.drawLine(QPointF(0.17, y), QPointF(line == 4 ? 0.33 : 0.43, y + 0.012));
        }
        painter.setPen(QPen(Gold, 0.01));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0.69, top + 0.13), 0.095, 0.085);
        painter.setPen(Qt::NoPen);
        star(painter, {0.69, top + 0.13}, 0.05, Gold);
    }
    painter.setPen(Qt::NoPen);
    QPainterPath ribbon;
    ribbon.moveTo(0.49, bottom);
    ribbon.lineTo(0.53, bottom);
    ribbon.lineTo(0.54, bottom + 0.11);
    ribbon.lineTo(0.515, bottom + 0.09);
    ribbon.lineTo(0.49, bottom + 0.11);
    ribbon.closeSubpath();
    painter.fillPath(ribbon, QColor(190, 40, 40));
}

QImage icon(int size)
{
    QImage big(size * Scale, size * Scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(big.width(), big.height());
    painter.setPen(Qt::NoPen);
    paintIcon(painter, size <= 24);
    painter.end();
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_icon <art directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + u'/';
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512})
        ok &= icon(size).save(dir + QStringLiteral("icon_%1.png").arg(size), "PNG");
    return ok ? 0 : 1;
}
