// Draws the main window's pictures: the background and the tool pictures (idle,
// highlighted and pressed for each of the eight tool buttons), each at 1x and, as name@2x, at 2x.
// Usage: QT_QPA_PLATFORM=offscreen generate_main_window <output directory>

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QSize ToolSize(69, 68);
const QColor Key(255, 0, 0); // drawn see-through by the program
const QRectF Tile(1.5, 1.5, 66, 65);
const qreal TileRadius = 11;

QPainterPath tilePath()
{
    QPainterPath path;
    path.addRoundedRect(Tile, TileRadius, TileRadius);
    return path;
}

// Pictures are drawn in 1x units; at 2x the painter scales, so every edge is drawn at 2x.
void scalePainter(QPainter &painter, int scale)
{
    painter.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        painter.scale(scale, scale);
}

// The key colour must stay exactly where the tile is not: a soft edge would leave a red fringe.
QImage keyedTile(const std::function<void(QPainter &)> &paintTile, int scale)
{
    const QSize size = ToolSize * scale;
    QImage coverage(size, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        scalePainter(painter, scale);
        painter.fillPath(tilePath(), Qt::black);
    }
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(Qt::white);
    {
        QPainter painter(&tile);
        scalePainter(painter, scale);
        paintTile(painter);
    }
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool inside = qAlpha(coverage.pixel(x, y)) >= 128;
            QRgb colour = tile.pixel(x, y);
            if (inside && (colour & RGB_MASK) == (Key.rgb() & RGB_MASK))
                colour = qRgb(254, 0, 0);
            picture.setPixel(x, y, inside ? colour : Key.rgb());
        }
    }
    return picture;
}

void paintGreyTile(QPainter &painter)
{
    QLinearGradient face(0, 0, 0, ToolSize.height());
    face.setColorAt(0, QColor(236, 236, 238));
    face.setColorAt(0.5, QColor(206, 206, 210));
    face.setColorAt(1, QColor(160, 160, 166));
    painter.fillPath(tilePath(), face);
    painter.setPen(QPen(QColor(112, 112, 118), 1.5));
    painter.drawPath(tilePath());
}

void paintDarkTile(QPainter &painter)
{
    QLinearGradient face(0, 0, 0, ToolSize.height());
    face.setColorAt(0, QColor(70, 70, 78));
    face.setColorAt(1, QColor(28, 28, 34));
    painter.fillPath(tilePath(), face);
    QRadialGradient glow(Tile.center(), 34);
    glow.setColorAt(0, QColor(255, 255, 255, 230));
    glow.setColorAt(0.45, QColor(255, 255, 255, 120));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.save();
    painter.setClipPath(tilePath());
    painter.fillRect(Tile, glow);
    painter.restore();
    painter.setPen(QPen(QColor(16, 16, 20), 1.5));
    painter.drawPath(tilePath());
}

void paintGlare(QPainter &painter)
{
    QRadialGradient glare(QPointF(34.5, 31), 30);
    glare.setColorAt(0, QColor(255, 255, 255, 240));
    glare.setColorAt(0.55, QColor(255, 255, 255, 150));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    painter.save();
    painter.setClipPath(tilePath());
    painter.fillRect(Tile, glare);
    painter.restore();
}

// Icons, drawn into the middle of a tile.

void paintBack(QPainter &painter)
{
    const QPointF centre(34.5, 34);
    QRadialGradient ball(centre + QPointF(-6, -7), 26);
    ball.setColorAt(0, QColor(150, 230, 120));
    ball.setColorAt(0.6, QColor(40, 160, 40));
    ball.setColorAt(1, QColor(16, 96, 24));
    painter.setPen(QPen(QColor(12, 70, 16), 1.5));
    painter.setBrush(ball);
    painter.drawEllipse(centre, 22, 22);
    QPainterPath arrow;
    arrow.moveTo(18, 34);
    arrow.lineTo(33, 21);
    arrow.lineTo(33, 29);
    arrow.lineTo(50, 29);
    arrow.lineTo(50, 39);
    arrow.lineTo(33, 39);
    arrow.lineTo(33, 47);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(230, 240, 230), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

void paintBook(QPainter &painter)
{
    const QRectF cover(17, 12, 36, 44);
    // Page edges show beyond the cover on the right and bottom.
    painter.setPen(QPen(QColor(150, 130, 100), 1));
    painter.setBrush(QColor(246, 238, 214));
    painter.drawRect(cover.translated(3, 3));
    QLinearGradient leather(cover.topLeft(), cover.topRight());
    leather.setColorAt(0, QColor(92, 48, 20));
    leather.setColorAt(0.5, QColor(150, 84, 36));
    leather.setColorAt(1, QColor(110, 58, 24));
    painter.setPen(QPen(QColor(60, 30, 10), 1.5));
    painter.setBrush(leather);
    painter.drawRoundedRect(cover, 2, 2);
    // Spine and gilded ornament.
    painter.fillRect(QRectF(cover.left(), cover.top(), 6, cover.height()), QColor(70, 34, 12));
    const QColor gold(222, 180, 70);
    painter.setPen(QPen(gold, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cover.adjusted(9, 4, -4, -4));
    const QPointF middle(cover.center().x() + 3, cover.center().y());
    QPainterPath rhomb;
    rhomb.moveTo(middle + QPointF(0, -10));
    rhomb.lineTo(middle + QPointF(8, 0));
    rhomb.lineTo(middle + QPointF(0, 10));
    rhomb.lineTo(middle + QPointF(-8, 0));
    rhomb.closeSubpath();
    painter.drawPath(rhomb);
    painter.setBrush(gold);
    painter.drawEllipse(middle, 2.5, 2.5);
    for (const QPointF corner :
         {QPointF(28, 18), QPointF(47, 18), QPointF(28, 50), QPointF(47, 50)})
        painter.drawEllipse(corner, 1.6, 1.6);
    for (qreal y : {cover.top() + 8, cover.bottom() - 8})
        painter.drawLine(QPointF(cover.left() + 1, y), QPointF(cover.left() + 5, y));
}

void paintFloppy(QPainter &painter)
{
    const QRectF body(15, 14, 40, 40);
    QPainterPath outline;
    outline.moveTo(body.topLeft());
    outline.lineTo(body.right() - 6, body.top());
    outline.lineTo(body.right(), body.top() + 6);
    outline.lineTo(body.bottomRight());
    outline.lineTo(body.bottomLeft());
    outline.closeSubpath();
    QLinearGradient plastic(body.topLeft(), body.bottomRight());
    plastic.setColorAt(0, QColor(60, 70, 110));
    plastic.setColorAt(1, QColor(20, 24, 48));
    painter.setPen(QPen(QColor(10, 10, 24), 1.5));
    painter.setBrush(plastic);
    painter.drawPath(outline);
    // Metal shutter with its window.
    painter.setPen(QPen(QColor(90, 90, 96), 1));
    painter.setBrush(QColor(196, 198, 204));
    painter.drawRect(QRectF(24, 14, 20, 13));
    painter.fillRect(QRectF(36, 16.5, 5, 8), QColor(40, 44, 70));
    // Label.
    painter.setBrush(QColor(248, 248, 244));
    painter.drawRect(QRectF(20, 33, 30, 19));
    painter.setPen(QPen(QColor(90, 110, 190), 1));
    for (qreal y : {38.0, 42.0, 46.0})
        painter.drawLine(QPointF(23, y), QPointF(47, y));
}

void paintFolder(QPainter &painter)
{
    QPainterPath back;
    back.moveTo(13, 20);
    back.lineTo(27, 20);
    back.lineTo(31, 24);
    back.lineTo(56, 24);
    back.lineTo(56, 50);
    back.lineTo(13, 50);
    back.closeSubpath();
    painter.setPen(QPen(QColor(140, 100, 10), 1.5));
    painter.setBrush(QColor(220, 170, 30));
    painter.drawPath(back);
    // A sheet of paper peeks out.
    painter.setPen(QPen(QColor(170, 170, 170), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(18, 25, 32, 14));
    QPainterPath front;
    front.moveTo(13, 31);
    front.lineTo(56, 31);
    front.lineTo(54, 50);
    front.lineTo(13, 50);
    front.closeSubpath();
    QLinearGradient yellow(0, 31, 0, 50);
    yellow.setColorAt(0, QColor(255, 226, 90));
    yellow.setColorAt(1, QColor(236, 184, 30));
    painter.setPen(QPen(QColor(150, 108, 10), 1.5));
    painter.setBrush(yellow);
    painter.drawPath(front);
}

// The words under a tool's picture, with a pale rim that keeps them legible on the dark tile of
// the pressed picture too.
void paintCaption(QPainter &painter, const QString &words)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    // A long word is narrowed rather than cut at the tile's edges.
    for (int stretch = 100; stretch > 60 && QFontMetricsF(font).horizontalAdvance(words) > 63;
         stretch -= 5)
        font.setStretch(stretch - 5);
    const QFontMetricsF metrics(font);
    QPainterPath text;
    text.addText((69 - metrics.horizontalAdvance(words)) / 2,
                 51 + (12 + metrics.ascent() - metrics.descent()) / 2, font, words);
    painter.strokePath(
        text, QPen(QColor(255, 255, 255, 170), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(text, QColor(16, 36, 120));
}

void paintAbout(QPainter &painter)
{
    const QColor blue(16, 36, 120);
    QPainterPath bar;
    bar.moveTo(29, 8);
    bar.lineTo(40, 8);
    bar.lineTo(37, 37);
    bar.lineTo(32, 37);
    bar.closeSubpath();
    painter.setPen(QPen(blue.darker(150), 1));
    painter.setBrush(blue);
    painter.drawPath(bar);
    painter.drawEllipse(QPointF(34.5, 44), 4.5, 4.5);
    paintCaption(painter, QStringLiteral("О программе"));
}

// Two people side by side, the nearer one in front: the people the user keeps.
void paintPeople(QPainter &painter)
{
    const auto person = [&painter](QPointF head, qreal size, const QColor &colour) {
        QPainterPath body;
        const QPointF shoulders = head + QPointF(0, size * 1.15);
        body.moveTo(shoulders + QPointF(-size * 1.25, size * 1.55));
        body.cubicTo(shoulders + QPointF(-size * 1.25, -size * 0.1),
                     shoulders + QPointF(size * 1.25, -size * 0.1),
                     shoulders + QPointF(size * 1.25, size * 1.55));
        body.closeSubpath();
        QLinearGradient shade(head - QPointF(0, size), shoulders + QPointF(0, size * 1.5));
        shade.setColorAt(0, colour.lighter(150));
        shade.setColorAt(1, colour.darker(130));
        painter.setPen(QPen(colour.darker(190), 1.2));
        painter.setBrush(shade);
        painter.drawPath(body);
        painter.drawEllipse(head, size * 0.62, size * 0.62);
    };
    painter.save();
    painter.setClipRect(QRectF(8, 6, 53, 42));
    person(QPointF(43, 18), 8.5, QColor(220, 120, 40));
    person(QPointF(28, 22), 10, QColor(40, 90, 190));
    painter.restore();
    paintCaption(painter, QStringLiteral("Мои люди"));
}

// A crescent Moon among stars on a patch of night sky: the sky of the day.
void paintSky(QPainter &painter)
{
    QPainterPath night;
    night.addRoundedRect(QRectF(12, 6, 45, 40), 8, 8);
    QLinearGradient dark(0, 6, 0, 46);
    dark.setColorAt(0, QColor(18, 26, 70));
    dark.setColorAt(1, QColor(52, 62, 128));
    painter.setPen(QPen(QColor(12, 16, 48), 1));
    painter.setBrush(dark);
    painter.drawPath(night);

    QPainterPath moon;
    moon.addEllipse(QPointF(31, 26), 13, 13);
    QPainterPath bite;
    bite.addEllipse(QPointF(37, 22), 11, 11);
    QRadialGradient light(QPointF(26, 30), 14);
    light.setColorAt(0, QColor(255, 250, 214));
    light.setColorAt(1, QColor(238, 206, 96));
    painter.setPen(QPen(QColor(150, 120, 30), 0.8));
    painter.setBrush(light);
    painter.drawPath(moon.subtracted(bite));

    const auto star = [&painter](QPointF at, qreal size) {
        QPainterPath path;
        for (int i = 0; i < 8; ++i) {
            const qreal radius = i % 2 ? size * 0.38 : size;
            const qreal angle = i * M_PI / 4 - M_PI / 2;
            const QPointF point = at + QPointF(radius * std::cos(angle), radius * std::sin(angle));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 244, 200));
        painter.drawPath(path);
    };
    star(QPointF(47, 14), 4);
    star(QPointF(50, 34), 2.6);
    star(QPointF(40, 40), 2);
    paintCaption(painter, QStringLiteral("Небо"));
}

// Two interlocking rings, warm and cool: two people side by side.
void paintCompatibility(QPainter &painter)
{
    painter.setBrush(Qt::NoBrush);
    const auto ring = [&painter](QPointF centre, const QColor &colour) {
        painter.setPen(QPen(colour.darker(170), 7.5));
        painter.drawEllipse(centre, 11, 11);
        painter.setPen(QPen(colour, 5));
        painter.drawEllipse(centre, 11, 11);
    };
    ring(QPointF(26, 26), QColor(220, 120, 40));
    ring(QPointF(43, 26), QColor(40, 90, 190));
    // The warm ring passes over the cool one at the top, so the two look linked.
    painter.save();
    painter.setClipRect(QRectF(26, 8, 18, 12));
    ring(QPointF(26, 26), QColor(220, 120, 40));
    painter.restore();
    paintCaption(painter, QStringLiteral("Совместимость"));
}

bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    const bool ok = image.save(path, nullptr, name.endsWith(QLatin1String(".jpg")) ? 92 : -1);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write",
                 qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    bool ok = true;

    const struct {
        const char *name;
        void (*paintIcon)(QPainter &);
    } tools[] = {
        {"tool_back", paintBack},   {"tool_start_over", paintBook},
        {"tool_save", paintFloppy}, {"tool_settings", paintFolder},
        {"tool_about", paintAbout}, {"tool_people", paintPeople},
        {"tool_sky", paintSky},     {"tool_compatibility", paintCompatibility},
    };
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        for (const auto &tool : tools) {
            const QString name = QString::fromLatin1(tool.name);
            const auto idle = [&](QPainter &painter) {
                paintGreyTile(painter);
                tool.paintIcon(painter);
            };
            ok &= save(keyedTile(idle, scale), dir, name + suffix + QLatin1String(".png"));
            ok &= save(keyedTile(
                           [&](QPainter &painter) {
                               idle(painter);
                               paintGlare(painter);
                           },
                           scale),
                       dir, name + QLatin1String("_highlighted") + suffix + QLatin1String(".png"));
            ok &= save(keyedTile(
                           [&](QPainter &painter) {
                               paintDarkTile(painter);
                               tool.paintIcon(painter);
                           },
                           scale),
                       dir, name + QLatin1String("_pressed") + suffix + QLatin1String(".png"));
        }

        // Grey lavender on the left fading to white on the right; the window stretches it.
        QImage background(QSize(656, 559) * scale, QImage::Format_RGB32);
        {
            QPainter painter(&background);
            QLinearGradient fade(0, 0, background.width(), 0);
            fade.setColorAt(0, QColor(176, 170, 204));
            fade.setColorAt(0.55, QColor(222, 219, 236));
            fade.setColorAt(1, Qt::white);
            painter.fillRect(background.rect(), fade);
        }
        ok &= save(background, dir,
                   QLatin1String("main_background") + suffix + QLatin1String(".jpg"));
    }
    return ok ? 0 : 1;
}
