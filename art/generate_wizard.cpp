// Draws the wizard's pictures: three page frames of an old star book whose page turns across them,
// the speech bubble and the two looks of the back arrow, each at 1x and, as name@2x, at 2x.
// Run: generate_wizard <art directory>.

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Frames are drawn at three times their size and scaled down to 1x and 2x, which smooths every
// edge.
constexpr int Scale = 3;
constexpr int FrameWidth = 465;
constexpr int FrameHeight = 323;

const QColor Parchment(238, 224, 190);
const QColor Ink(74, 48, 28);
const QColor Gold(184, 140, 58);
const QColor Rubric(150, 44, 32);
const QColor MenuColor(240, 240, 240); // the wizard's prompt background
const QColor Navy(24, 34, 96);

struct Vec {
    double x, y, z;
    Vec operator+(const Vec &o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(const Vec &o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(const Vec &o) const { return x * o.x + y * o.y + z * o.z; }
    Vec cross(const Vec &o) const
    {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    Vec unit() const { return *this * (1.0 / std::sqrt(dot(*this))); }
};

// The book lies on the xy plane, spine along y, the reader's edge at y = 0; z is up.
constexpr double PageWidth = 1.0;
constexpr double PageHeight = 1.4;
constexpr double BlockBottom = -0.06;
const Vec Light = Vec{-0.55, -0.35, 1.0}.unit(); // a lamp above, to the left and in front

class Camera
{
public:
    Camera(Vec eye, Vec target) : m_eye(eye)
    {
        m_forward = (target - eye).unit();
        m_right = m_forward.cross({0, 0, 1}).unit();
        m_up = m_right.cross(m_forward);
    }

    // Fits the given points into the box (in frame pixels).
    void fit(const std::vector<Vec> &points, QRectF box)
    {
        m_focal = 1;
        m_centre = {0, 0};
        double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
        for (const Vec &p : points) {
            const QPointF q = project(p);
            left = std::min(left, q.x());
            right = std::max(right, q.x());
            top = std::min(top, q.y());
            bottom = std::max(bottom, q.y());
        }
        const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
        const double k = std::min(box.width() / bounds.width(), box.height() / bounds.height());
        m_focal = k;
        m_centre = box.center() - bounds.center() * k;
    }

    QPointF project(const Vec &p) const
    {
        const Vec d = p - m_eye;
        const double depth = d.dot(m_forward);
        return QPointF(d.dot(m_right) / depth, -d.dot(m_up) / depth) * m_focal + m_centre;
    }

    double depth(const Vec &p) const { return (p - m_eye).dot(m_forward); }
    Vec eye() const { return m_eye; }

private:
    Vec m_eye, m_forward, m_right, m_up;
    double m_focal = 1;
    QPointF m_centre;
};

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// ---------------------------------------------------------------------------------------------
// Page textures

constexpr int TexWidth = 600;
constexpr int TexHeight = 840;

QImage parchment(quint32 seed)
{
    QImage image(TexWidth, TexHeight, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < TexHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < TexWidth; ++x) {
            const double edge = std::min({x, y, TexWidth - 1 - x, TexHeight - 1 - y}) / 60.0;
            const double age = 0.16 * std::exp(-edge * edge) + 0.03 * random.generateDouble() +
                               0.03 * std::sin(x * 0.031 + y * 0.017) * std::sin(y * 0.023);
            line[x] = mix(Parchment, QColor(170, 128, 70), std::clamp(age, 0.0, 1.0)).rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) { // foxing
        const QPointF at(random.bounded(TexWidth), random.bounded(TexHeight));
        const double r = 3 + random.bounded(12);
        QRadialGradient spot(at, r);
        spot.setColorAt(0, QColor(150, 105, 55, 40));
        spot.setColorAt(1, QColor(150, 105, 55, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(spot);
        painter.drawEllipse(at, r, r);
    }
    return image;
}

// A line of handwriting too small to read: words of little loops.
void scribble(QPainter &painter, double left, double y, double width, QRandomGenerator &random,
              const QColor &color = Ink)
{
    painter.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    double x = left;
    while (x < left + width - 12) {
        const double word = std::min(14.0 + random.bounded(40), left + width - x);
        QPainterPath path({x, y});
        for (double s = x; s < x + word; s += 4) {
            const double up = 3 + random.bounded(5) * (random.bounded(5) == 0 ? 2 : 1);
            path.quadTo(s + 1, y - up, s + 2, y - up * 0.4);
            path.quadTo(s + 3, y + 1, s + 4, y);
        }
        painter.drawPath(path);
        x += word + 7 + random.bounded(5);
    }
}

void textBlock(QPainter &painter, QRectF area, QRandomGenerator &random)
{
    for (double y = area.top() + 14; y < area.bottom(); y += 22) {
        const bool last = y + 22 >= area.bottom() || random.bounded(7) == 0;
        scribble(painter, area.left(), y, last ? area.width() * 0.55 : area.width(), random);
        if (last)
            y += 10;
    }
}

void glyphText(QPainter &painter, QPointF centre, const QString &text, double pixels,
               const QColor &color)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(pixels));
    painter.setFont(font);
    painter.setPen(color);
    const QRectF box(centre.x() - pixels, centre.y() - pixels, 2 * pixels, 2 * pixels);
    painter.drawText(box, Qt::AlignCenter, text);
}

void star(QPainter &painter, QPointF at, double size, const QColor &color)
{
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * Pi / 4;
        const double r = i % 2 ? size * 0.28 : size;
        const QPointF p = at + QPointF(std::sin(angle), -std::cos(angle)) * r;
        i ? path.lineTo(p) : path.moveTo(p);
    }
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
}

void pageFrame(QPainter &painter)
{
    painter.setPen(QPen(Gold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(30, 30, TexWidth - 60, TexHeight - 60));
    painter.setPen(QPen(Rubric, 1));
    painter.drawRect(QRectF(36, 36, TexWidth - 72, TexHeight - 72));
}

// A page of the book: aged paper, a ruled border, and what the drawing puts on it.
template <typename Draw> QImage page(quint32 seed, Draw draw)
{
    QImage image = parchment(seed);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(seed + 1);
    pageFrame(painter);
    draw(painter, random);
    return image;
}

// The turning page's front: a chart of the northern sky.
QImage starChart()
{
    return page(11, [](QPainter &painter, QRandomGenerator &random) {
        scribble(painter, 180, 84, 240, random, Rubric);

        const QPointF centre(TexWidth / 2.0, 370);
        painter.setBrush(QColor(40, 44, 86, 38));
        painter.setPen(QPen(Ink, 2.5));
        painter.drawEllipse(centre, 230, 230);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Ink, 1));
        painter.drawEllipse(centre, 214, 214);
        for (int r : {70, 140})
            painter.drawEllipse(centre, r, r);
        for (int i = 0; i < 72; ++i) { // degree ticks
            const double a = i * Pi / 36;
            const QPointF dir(std::cos(a), std::sin(a));
            painter.drawLine(centre + dir * 214, centre + dir * (i % 6 ? 222 : 230));
        }
        for (int i = 0; i < 12; ++i) {
            const double a = i * Pi / 6;
            painter.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * 20,
                             centre + QPointF(std::cos(a), std::sin(a)) * 214);
        }
        // Constellations: stars joined by fine lines.
        const std::vector<std::vector<QPointF>> figures = {
            {{-40, -20}, {-10, -45}, {25, -40}, {50, -10}, {30, 25}, {60, 55}, {95, 60}}, // dipper
            {{-150, -60}, {-120, -95}, {-90, -70}, {-60, -105}, {-30, -80}},              // W
            {{80, -150}, {120, -120}, {100, -80}, {140, -60}},
            {{-120, 80}, {-90, 110}, {-50, 100}, {-70, 150}, {-110, 150}},
            {{110, 120}, {150, 90}, {170, 140}},
        };
        for (const auto &figure : figures) {
            painter.setPen(QPen(QColor(Ink.red(), Ink.green(), Ink.blue(), 150), 1.2));
            for (size_t i = 1; i < figure.size(); ++i)
                painter.drawLine(centre + figure[i - 1], centre + figure[i]);
            for (const QPointF &p : figure)
                star(painter, centre + p, 5 + random.bounded(5), Ink);
        }
        for (int i = 0; i < 140; ++i) {
            const double a = random.generateDouble() * 2 * Pi;
            const double r = std::sqrt(random.generateDouble()) * 205;
            painter.setPen(Qt::NoPen);
            painter.setBrush(Ink);
            const double size = 0.8 + random.generateDouble() * 1.6;
            painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * r, size, size);
        }
        star(painter, centre, 12, Rubric); // the pole star
        textBlock(painter, {70, 640, TexWidth - 140, 130}, random);
    });
}

// The turning page's back: the wheel of the zodiac.
QImage zodiacWheel()
{
    return page(21, [](QPainter &painter, QRandomGenerator &random) {
        const QPointF centre(TexWidth / 2.0, 330);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Ink, 2.5));
        painter.drawEllipse(centre, 235, 235);
        painter.setPen(QPen(Ink, 1.2));
        painter.drawEllipse(centre, 180, 180);
        painter.drawEllipse(centre, 120, 120);
        for (int i = 0; i < 12; ++i) {
            const double a = i * Pi / 6 - Pi / 2;
            const QPointF dir(std::cos(a), std::sin(a));
            painter.setPen(QPen(Ink, 1.2));
            painter.drawLine(centre + dir * 120, centre + dir * 235);
            const double mid = a + Pi / 12;
            const QPointF at = centre + QPointF(std::cos(mid), std::sin(mid)) * 207;
            glyphText(painter, at, QString(QChar(0x2648 + i)), 34, i % 3 == 0 ? Rubric : Ink);
            const QPointF inner = centre + QPointF(std::cos(mid), std::sin(mid)) * 150;
            star(painter, inner, 5, Gold);
        }
        // The sun with a face of rays.
        QRadialGradient sun(centre, 70);
        sun.setColorAt(0, QColor(236, 186, 80));
        sun.setColorAt(1, QColor(196, 130, 40));
        for (int i = 0; i < 24; ++i) {
            const double a = i * Pi / 12;
            const double r = i % 2 ? 92 : 108;
            QPainterPath ray;
            ray.moveTo(centre + QPointF(std::cos(a - 0.1), std::sin(a - 0.1)) * 60);
            ray.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * r);
            ray.lineTo(centre + QPointF(std::cos(a + 0.1), std::sin(a + 0.1)) * 60);
            painter.setPen(QPen(Ink, 1));
            painter.setBrush(QColor(214, 160, 60));
            painter.drawPath(ray);
        }
        painter.setBrush(sun);
        painter.setPen(QPen(Ink, 2));
        painter.drawEllipse(centre, 62, 62);
        painter.setBrush(Ink);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre + QPointF(-20, -12), 5, 4);
        painter.drawEllipse(centre + QPointF(20, -12), 5, 4);
        painter.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(centre.x() - 22, centre.y() - 4, 44, 30), 200 * 16, 140 * 16);
        textBlock(painter, {70, 600, TexWidth - 140, 170}, random);
    });
}

// The left page: writing under a red initial, and the phases of the moon.
QImage writingPage()
{
    return page(31, [](QPainter &painter, QRandomGenerator &random) {
        painter.setPen(QPen(Gold, 2));
        painter.setBrush(Rubric);
        painter.drawRect(QRectF(70, 70, 78, 78));
        star(painter, {109, 109}, 30, Gold);
        textBlock(painter, {165, 66, TexWidth - 235, 90}, random);
        textBlock(painter, {70, 166, TexWidth - 140, 250}, random);
        for (int i = 0; i < 5; ++i) { // moon phases
            const QPointF at(120 + i * 90, 480);
            painter.setPen(QPen(Ink, 1.5));
            painter.setBrush(QColor(64, 60, 92));
            painter.drawEllipse(at, 30, 30);
            QPainterPath lit;
            lit.addEllipse(at, 30, 30);
            QPainterPath shade;
            shade.addEllipse(at + QPointF(-60 + i * 30, 0), 30, 30);
            painter.setBrush(QColor(244, 232, 196));
            painter.drawPath(i == 2 ? lit : lit.subtracted(shade));
        }
        textBlock(painter, {70, 530, TexWidth - 140, 240}, random);
    });
}

// The right page under the turning one: the planets on their circles.
QImage orbitPage()
{
    return page(41, [](QPainter &painter, QRandomGenerator &random) {
        textBlock(painter, {70, 60, TexWidth - 140, 120}, random);
        const QPointF centre(TexWidth / 2.0, 420);
        painter.setBrush(Qt::NoBrush);
        const double radii[] = {50, 85, 120, 160, 200, 240};
        for (int i = 0; i < 6; ++i) {
            painter.setPen(QPen(Ink, 1.2, i % 2 ? Qt::DashLine : Qt::SolidLine));
            painter.drawEllipse(centre, radii[i], radii[i] * 0.9);
            const double a = 0.7 + i * 1.9;
            const QPointF planet =
                centre + QPointF(std::cos(a) * radii[i], std::sin(a) * radii[i] * 0.9);
            painter.setPen(QPen(Ink, 1.5));
            painter.setBrush(i == 3 ? Rubric : QColor(90, 96, 140));
            painter.drawEllipse(planet, 9 + i % 3 * 3, 9 + i % 3 * 3);
            painter.setBrush(Qt::NoBrush);
        }
        QRadialGradient sun(centre, 30);
        sun.setColorAt(0, QColor(250, 210, 110));
        sun.setColorAt(1, QColor(210, 140, 40));
        painter.setBrush(sun);
        painter.setPen(QPen(Ink, 1.5));
        painter.drawEllipse(centre, 24, 24);
        textBlock(painter, {70, 690, TexWidth - 140, 90}, random);
    });
}

// ---------------------------------------------------------------------------------------------
// The book

double gutter(double u) // height of a lying page's surface at distance u from the spine
{
    return 0.07 * (1 - std::exp(-std::abs(u) / 0.09));
}

struct Quad {
    Vec corner[4];      // (s0,v0) (s1,v0) (s1,v1) (s0,v1)
    QRectF front, back; // texture rectangles, or null when the face shows no texture
    double darken = 0;  // extra darkness, for the gutter
};

class BookPainter
{
public:
    BookPainter(QPainter &painter, const Camera &camera) : m_painter(painter), m_camera(camera) {}

    void polygon(const std::vector<Vec> &points, const QBrush &brush, const QPen &pen = Qt::NoPen)
    {
        QPolygonF shape;
        for (const Vec &p : points)
            shape << m_camera.project(p);
        m_painter.setPen(pen);
        m_painter.setBrush(brush);
        m_painter.drawPolygon(shape);
    }

    // Draws textured quads back to front, each lit by its slope.
    void quads(std::vector<Quad> quads, const QImage &front, const QImage &back)
    {
        std::sort(quads.begin(), quads.end(),
                  [this](const Quad &a, const Quad &b) { return depth(a) > depth(b); });
        for (const Quad &quad : quads)
            draw(quad, front, back);
    }

private:
    double depth(const Quad &quad) const
    {
        return m_camera.depth((quad.corner[0] + quad.corner[2]) * 0.5);
    }

    void draw(const Quad &quad, const QImage &front, const QImage &back)
    {
        QPolygonF shape;
        for (const Vec &p : quad.corner)
            shape << m_camera.project(p);
        Vec normal =
            (quad.corner[1] - quad.corner[0]).cross(quad.corner[3] - quad.corner[0]).unit();
        const bool frontFacing = normal.dot(m_camera.eye() - quad.corner[0]) > 0;
        if (!frontFacing)
            normal = normal * -1;
        const QRectF source = frontFacing ? quad.front : quad.back;
        const QImage &texture = frontFacing ? front : back;

        // Neighbouring quads must meet without seams; the supersampling smooths their outline.
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(Parchment.darker(115));
        m_painter.drawPolygon(shape);
        // A quad seen edge-on has no texture to show, and its transform would run wild.
        const double area = std::abs((shape[1].x() - shape[0].x()) * (shape[3].y() - shape[0].y()) -
                                     (shape[3].x() - shape[0].x()) * (shape[1].y() - shape[0].y()));
        if (!source.isNull() && area > 0.5) {
            // The corners as the texture sees them: the back face runs mirrored.
            QPolygonF from;
            if (frontFacing)
                from << source.topLeft() << source.topRight() << source.bottomRight()
                     << source.bottomLeft();
            else
                from << source.topRight() << source.topLeft() << source.bottomLeft()
                     << source.bottomRight();
            QTransform transform;
            if (QTransform::quadToQuad(from, shape, transform)) {
                m_painter.save();
                QPainterPath clip;
                clip.addPolygon(shape);
                clip.closeSubpath();
                m_painter.setClipPath(clip);
                m_painter.setTransform(transform, true);
                m_painter.drawImage(source.adjusted(-1, -1, 1, 1), texture,
                                    source.adjusted(-1, -1, 1, 1));
                m_painter.restore();
            }
        }
        const double lit = std::max(0.0, normal.dot(Light));
        const double shade = std::clamp(0.62 * (1 - lit) + quad.darken, 0.0, 0.85);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(30, 18, 10, int(shade * 255)));
        m_painter.drawPolygon(shape);
        m_painter.setRenderHint(QPainter::Antialiasing, true);
    }

    QPainter &m_painter;
    const Camera &m_camera;
};

// A lying page: side -1 for the left, +1 for the right. Its texture runs from the spine outwards
// on the right and from the outer edge inwards on the left.
std::vector<Quad> lyingPage(int side, double lift)
{
    std::vector<Quad> quads;
    constexpr int Strips = 28;
    for (int i = 0; i < Strips; ++i) {
        const double u0 = PageWidth * i / Strips, u1 = PageWidth * (i + 1) / Strips;
        Quad quad;
        const double x0 = side * u0, x1 = side * u1;
        const double z0 = gutter(u0) + lift, z1 = gutter(u1) + lift;
        quad.corner[0] = {x0, PageHeight, z0};
        quad.corner[1] = {x1, PageHeight, z1};
        quad.corner[2] = {x1, 0, z1};
        quad.corner[3] = {x0, 0, z0};
        const double t0 = side > 0 ? u0 : PageWidth - u0, t1 = side > 0 ? u1 : PageWidth - u1;
        const QRectF texture(std::min(t0, t1) / PageWidth * TexWidth, 0,
                             std::abs(t1 - t0) / PageWidth * TexWidth, TexHeight);
        quad.front = texture;
        quad.back = texture;
        quad.darken = 0.45 * std::exp(-u0 / 0.07);
        quads.push_back(quad);
    }
    // The right page's quads run outwards with their corners mirrored on the left; keep every
    // quad's corners counter-clockwise from above so that "front" means the upper face.
    if (side < 0) {
        for (Quad &quad : quads) {
            std::swap(quad.corner[0], quad.corner[1]);
            std::swap(quad.corner[2], quad.corner[3]);
        }
    }
    return quads;
}

// The page in mid-turn, raised from the spine and curling over, its upper corner leading.
std::vector<Vec> turningPoint(int columns, int rows, std::vector<std::vector<Vec>> &grid)
{
    grid.assign(rows + 1, std::vector<Vec>(columns + 1));
    std::vector<Vec> all;
    for (int j = 0; j <= rows; ++j) {
        const double v = PageHeight * j / rows;
        Vec p{0, v, 0.012};
        const double ds = PageWidth / columns;
        for (int i = 0; i <= columns; ++i) {
            grid[j][i] = p;
            all.push_back(p);
            const double s = (i + 0.5) / columns;
            const double angle = 0.8 + 1.9 * std::pow(s, 1.5) + 0.45 * (v / PageHeight) * s;
            p = p + Vec{std::cos(angle), 0, std::sin(angle)} * ds;
        }
    }
    return all;
}

std::vector<Quad> turningPage(std::vector<Vec> *tipPath)
{
    constexpr int Columns = 30, Rows = 14;
    std::vector<std::vector<Vec>> grid;
    turningPoint(Columns, Rows, grid);
    std::vector<Quad> quads;
    for (int j = 0; j < Rows; ++j) {
        for (int i = 0; i < Columns; ++i) {
            Quad quad;
            // Counter-clockwise from above while the page still lies right, as a lying page's.
            quad.corner[0] = grid[j + 1][i];
            quad.corner[1] = grid[j + 1][i + 1];
            quad.corner[2] = grid[j][i + 1];
            quad.corner[3] = grid[j][i];
            const double tx = double(i) / Columns * TexWidth;
            const double ty = double(Rows - j - 1) / Rows * TexHeight;
            const QRectF cell(tx, ty, double(TexWidth) / Columns, double(TexHeight) / Rows);
            quad.front = cell;
            // The back shows the zodiac page mirrored: its outer edge at the page's free edge.
            quad.back = QRectF(TexWidth - tx - cell.width(), ty, cell.width(), cell.height());
            quads.push_back(quad);
        }
    }
    if (tipPath)
        *tipPath = {grid[Rows][Columns], grid[Rows / 2][Columns], grid[0][Columns]};
    return quads;
}

// ---------------------------------------------------------------------------------------------
// The scene

void sky(QPainter &painter, int frame)
{
    const QRectF area(0, 0, FrameWidth * Scale, FrameHeight * Scale);
    QLinearGradient night(0, 0, 0, area.height());
    night.setColorAt(0, QColor(16, 22, 58));
    night.setColorAt(0.6, QColor(10, 14, 40));
    night.setColorAt(1, QColor(4, 6, 18));
    painter.fillRect(area, night);

    // The glow of the book rises into the dark.
    QRadialGradient glow(QPointF(250, 200) * Scale, 230 * Scale);
    glow.setColorAt(0, QColor(120, 90, 150, 110));
    glow.setColorAt(0.5, QColor(60, 50, 120, 50));
    glow.setColorAt(1, QColor(20, 20, 60, 0));
    painter.fillRect(area, glow);

    QRandomGenerator random(7);
    for (int i = 0; i < 230; ++i) {
        const QPointF at(random.bounded(double(FrameWidth)), random.bounded(double(FrameHeight)));
        const double size = 0.35 + std::pow(random.generateDouble(), 4) * 1.6;
        // Each star twinkles on its own beat across the three frames.
        const double phase = random.generateDouble() * 2 * Pi;
        const double twinkle = 0.65 + 0.35 * std::sin(phase + frame * 2.1);
        const int warm = random.bounded(3);
        const QColor color = warm == 0   ? QColor(255, 236, 200)
                             : warm == 1 ? QColor(210, 220, 255)
                                         : QColor(255, 255, 255);
        painter.setPen(Qt::NoPen);
        QColor c = color;
        c.setAlphaF(std::min(1.0, 0.45 + size * 0.3) * twinkle);
        painter.setBrush(c);
        painter.drawEllipse(at * Scale, size * Scale, size * Scale);
        if (size > 1.4)
            star(painter, at * Scale, size * 3.2 * twinkle * Scale, c);
    }

    // A constellation drawn in faint gold across the upper sky.
    const QPointF figure[] = {{300, 22}, {322, 40}, {350, 34}, {372, 58}, {352, 80}, {384, 92}};
    painter.setPen(QPen(QColor(210, 180, 110, 70), 0.7 * Scale));
    for (size_t i = 1; i < std::size(figure); ++i)
        painter.drawLine(figure[i - 1] * Scale, figure[i] * Scale);
    for (const QPointF &p : figure)
        star(painter, p * Scale, 3.2 * Scale, QColor(255, 232, 170));

    // The crescent moon.
    const QPointF moon(425, 40);
    QRadialGradient halo(moon * Scale, 40 * Scale);
    halo.setColorAt(0, QColor(255, 240, 200, 90));
    halo.setColorAt(1, QColor(255, 240, 200, 0));
    painter.setBrush(halo);
    painter.drawEllipse(moon * Scale, 40 * Scale, 40 * Scale);
    QPainterPath disc;
    disc.addEllipse(moon * Scale, 17 * Scale, 17 * Scale);
    QPainterPath bite;
    bite.addEllipse((moon + QPointF(-8, -5)) * Scale, 15 * Scale, 15 * Scale);
    painter.setBrush(QColor(250, 238, 200));
    painter.drawPath(disc.subtracted(bite));
}

void sparkles(QPainter &painter, const std::vector<QPointF> &points, quint32 seed, double strength)
{
    QRandomGenerator random(seed);
    for (const QPointF &p : points) {
        const double size = (1.5 + random.generateDouble() * 3.5) * strength;
        QRadialGradient glow(p, size * 3);
        glow.setColorAt(0, QColor(255, 220, 140, int(150 * strength)));
        glow.setColorAt(1, QColor(255, 200, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(p, size * 3, size * 3);
        star(painter, p, size * 1.6, QColor(255, 246, 214, int(230 * strength)));
    }
}

// Points scattered along a path of projected points, for a trail of gold dust.
std::vector<QPointF> dust(const std::vector<QPointF> &path, int count, double spread, quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<QPointF> points;
    for (int i = 0; i < count; ++i) {
        const double t = random.generateDouble() * (path.size() - 1);
        const size_t k = std::min(size_t(t), path.size() - 2);
        const QPointF p = path[k] + (path[k + 1] - path[k]) * (t - k);
        points.push_back(
            p + QPointF(random.bounded(2 * spread) - spread, random.bounded(2 * spread) - spread));
    }
    return points;
}

// Frame 1: the star chart lies open on the right. Frame 2: the page is turning. Frame 3: it lies
// on the left, showing the zodiac wheel, and the orbits are open on the right.
QImage frame(int number, const QImage &chart, const QImage &wheel, const QImage &writing,
             const QImage &orbits)
{
    QImage image(FrameWidth * Scale, FrameHeight * Scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    sky(painter, number);

    Camera camera({0.05, -1.3, 2.9}, {0.05, 0.75, -0.1});
    std::vector<Vec> extent = {{-1.1, -0.06, -0.1},
                               {1.1, -0.06, -0.1},
                               {-1.1, PageHeight + 0.06, -0.1},
                               {1.1, PageHeight + 0.06, -0.1}};
    std::vector<std::vector<Vec>> grid;
    for (const Vec &p : turningPoint(12, 6, grid))
        extent.push_back(p);
    camera.fit(extent, QRectF(28, 24, 416, 272));
    painter.scale(Scale, Scale);
    BookPainter book(painter, camera);

    // Soft shadow of the book on the night.
    for (int i = 6; i >= 1; --i) {
        const double grow = 0.018 * i;
        book.polygon({{-1.08 - grow, -0.06 - grow, -0.1},
                      {1.08 + grow, -0.06 - grow, -0.1},
                      {1.08 + grow, PageHeight + 0.06 + grow, -0.1},
                      {-1.08 - grow, PageHeight + 0.06 + grow, -0.1}},
                     QColor(0, 0, 8, 28));
    }

    // Covers: dark red leather with a gold tooled border, and their edges towards the reader.
    const QColor leather(96, 26, 22);
    const double cover = BlockBottom - 0.035;
    for (int side : {-1, 1}) {
        const double outer = side * 1.08;
        book.polygon({{0, -0.06, cover},
                      {outer, -0.06, cover},
                      {outer, -0.06, BlockBottom},
                      {0, -0.06, BlockBottom}},
                     leather.darker(160));
        book.polygon({{0, -0.06, BlockBottom},
                      {outer, -0.06, BlockBottom},
                      {outer, PageHeight + 0.06, BlockBottom},
                      {0, PageHeight + 0.06, BlockBottom}},
                     leather);
        book.polygon({{side * 1.05, -0.03, BlockBottom},
                      {side * 0.03, -0.03, BlockBottom},
                      {side * 0.03, PageHeight + 0.03, BlockBottom},
                      {side * 1.05, PageHeight + 0.03, BlockBottom}},
                     Qt::NoBrush, QPen(Gold, 0.9));
    }

    // The page blocks, their edges towards the reader lined like stacked paper.
    for (int side : {-1, 1}) {
        std::vector<Vec> edge;
        for (int i = 0; i <= 20; ++i) {
            const double u = PageWidth * i / 20;
            edge.push_back({side * u, 0, gutter(u)});
        }
        edge.push_back({side * PageWidth, 0, BlockBottom});
        edge.push_back({0, 0, BlockBottom});
        book.polygon(edge, QColor(214, 196, 156));
        for (int k = 1; k < 6; ++k) {
            const double t = k / 6.0;
            QPolygonF line;
            for (int i = 0; i <= 20; ++i) {
                const double u = PageWidth * i / 20;
                line << camera.project({side * u, 0, BlockBottom + (gutter(u) - BlockBottom) * t});
            }
            painter.setPen(QPen(QColor(150, 122, 84, 120), 0.4));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
        }
    }

    const QImage &left = number == 3 ? wheel : writing;
    const QImage &right = number == 1 ? chart : orbits;
    book.quads(lyingPage(-1, 0), left, left);
    book.quads(lyingPage(1, 0), right, right);

    // A ribbon marker hangs from the spine over the reader's edge.
    QPainterPath ribbon;
    const QPointF top = camera.project({0.02, 0.25, 0.01});
    const QPointF edge = camera.project({0.04, 0, 0.0});
    const QPointF low = edge + QPointF(4, 26);
    ribbon.moveTo(top + QPointF(-2.5, 0));
    ribbon.cubicTo(edge + QPointF(-3, 0), edge + QPointF(-2, 10), low + QPointF(-3, 0));
    ribbon.lineTo(low + QPointF(0, -4));
    ribbon.lineTo(low + QPointF(3, 0));
    ribbon.cubicTo(edge + QPointF(4, 10), edge + QPointF(3, 0), top + QPointF(2.5, 0));
    ribbon.closeSubpath();
    painter.setPen(QPen(QColor(70, 10, 16), 0.6));
    painter.setBrush(QColor(168, 26, 40));
    painter.drawPath(ribbon);

    if (number == 2) {
        std::vector<Vec> tip;
        const std::vector<Quad> page = turningPage(&tip);
        // Its shadow falls to the right, across the open page.
        for (int pass = 0; pass < 4; ++pass) {
            QPolygonF shadow;
            std::vector<std::vector<Vec>> g;
            turningPoint(30, 1, g);
            for (const Vec &p : g[0])
                shadow << camera.project(p - Light * ((p.z - gutter(p.x)) / Light.z) +
                                         Vec{0.02 * pass, 0, 0});
            for (auto it = g[1].rbegin(); it != g[1].rend(); ++it)
                shadow << camera.project(*it - Light * ((it->z - gutter(it->x)) / Light.z) +
                                         Vec{0.02 * pass, 0, 0});
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 22, 10, 22));
            painter.drawPolygon(shadow);
        }
        book.quads(page, chart, wheel);
        // Gold dust trails the free corner along the way it came from the right.
        const Vec from{PageWidth, tip[0].y, 0.1}, bend{0.75, tip[0].y, 0.7}, to = tip[0];
        std::vector<QPointF> arc;
        for (int i = 0; i <= 16; ++i) {
            const double t = i / 16.0;
            arc.push_back(camera.project(from * ((1 - t) * (1 - t)) + bend * (2 * t * (1 - t)) +
                                         to * (t * t)));
        }
        sparkles(painter, dust(arc, 24, 6, 91), 92, 1.0);
    } else {
        const std::vector<QPointF> rest = {camera.project({number == 1 ? 0.95 : -0.95, 1.3, 0.1})};
        sparkles(painter, dust(rest, number == 1 ? 5 : 9, 14, 90 + number), 93 + number, 0.7);
    }
    painter.end();
    return image;
}

// A frame at 1x or 2x: the supersampled drawing scaled down, its bottom edge darkened so the white
// date line written over it reads well.
QImage sized(const QImage &drawn, int scale)
{
    QImage small = drawn.scaled(FrameWidth * scale, FrameHeight * scale, Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
    QPainter band(&small);
    if (scale != 1)
        band.scale(scale, scale);
    QLinearGradient fade(0, FrameHeight - 36, 0, FrameHeight);
    fade.setColorAt(0, QColor(4, 6, 18, 0));
    fade.setColorAt(0.45, QColor(4, 6, 18, 190));
    fade.setColorAt(1, QColor(4, 6, 18, 235));
    band.fillRect(QRectF(0, FrameHeight - 36, FrameWidth, 36), fade);
    return small;
}

// ---------------------------------------------------------------------------------------------
// Bubble and arrow

// Edges against a key colour must be hard: a blended edge pixel would not be see-through.
QImage keyed(const QImage &drawn, const QColor &key)
{
    QImage result(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            result.setPixelColor(x, y,
                                 c.alpha() >= 128 ? QColor(c.red(), c.green(), c.blue()) : key);
        }
    }
    return result;
}

QImage bubbleDrawing(int scale)
{
    QImage drawn(238 * scale, 143 * scale, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        painter.scale(scale, scale);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 1.5, 218, 140.5), 18, 18);
    QPainterPath tail;
    tail.moveTo(212, 88);
    tail.cubicTo(222, 102, 230, 116, 236.5, 132);
    tail.cubicTo(224, 124, 212, 118, 200, 114);
    tail.closeSubpath();
    const QPainterPath shape = body.united(tail);
    painter.setPen(QPen(Navy, 2.5));
    painter.setBrush(MenuColor);
    painter.drawPath(shape);

    // A gold rule inside the edge, open at the bottom where the greeting's button sits.
    QPainterPath rule;
    rule.moveTo(66, 136);
    rule.lineTo(20, 136);
    rule.arcTo(QRectF(6, 108, 28, 28), 270, -90);
    rule.lineTo(6, 20);
    rule.arcTo(QRectF(6, 6, 28, 28), 180, -90);
    rule.lineTo(200, 6);
    rule.arcTo(QRectF(186, 6, 28, 28), 90, -90);
    rule.lineTo(214, 122);
    rule.arcTo(QRectF(186, 108, 28, 28), 0, -90);
    rule.lineTo(156, 136);
    painter.setPen(QPen(Gold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rule);
    star(painter, {66, 136}, 3, Gold);
    star(painter, {156, 136}, 3, Gold);

    // A little sky in the free corner on the right: a crescent and three stars.
    QPainterPath moon;
    moon.addEllipse(QPointF(200, 30), 9, 9);
    QPainterPath bite;
    bite.addEllipse(QPointF(204, 27), 8, 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Gold);
    painter.drawPath(moon.subtracted(bite));
    star(painter, {196, 56}, 5, Navy);
    star(painter, {206, 72}, 3.5, Gold);
    star(painter, {193, 84}, 2.5, Navy);
    painter.end();
    return drawn;
}

// The bubble's outline is the wizard's shape, cut at each scale's own pixels, so that at 2x it is
// as fine as the screen's; the outline's soft edge inside it is laid on the outline's colour.
QImage bubble(int scale)
{
    const QColor key(255, 0, 0);
    const QImage drawn = bubbleDrawing(scale);
    if (scale == 1)
        return keyed(drawn, key);
    QImage result(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            result.setPixelColor(x, y, c.alpha() >= 128 ? mix(Navy, c, c.alphaF()) : key);
        }
    }
    return result;
}

// The arrow sits on the bubble, so its soft edges blend with the bubble's colour; the rest of
// its picture is the see-through green.
QImage arrow(bool lit, int scale)
{
    QImage image(18 * scale, 30 * scale, QImage::Format_RGB32);
    image.fill(MenuColor);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (scale != 1)
        painter.scale(scale, scale);
    QPainterPath shape;
    shape.moveTo(2, 15);
    shape.lineTo(15.5, 2.5);
    shape.quadTo(17, 1.5, 17, 4);
    shape.lineTo(17, 26);
    shape.quadTo(17, 28.5, 15.5, 27.5);
    shape.closeSubpath();
    QLinearGradient fill(0, 0, 0, 30);
    if (lit) {
        fill.setColorAt(0, QColor(252, 216, 110));
        fill.setColorAt(1, QColor(206, 138, 30));
    } else {
        fill.setColorAt(0, QColor(70, 86, 170));
        fill.setColorAt(1, QColor(20, 28, 88));
    }
    painter.setPen(QPen(lit ? QColor(120, 70, 10) : Navy, 1));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.setPen(QPen(lit ? QColor(255, 246, 214) : QColor(150, 165, 230), 1));
    painter.drawLine(QPointF(5, 14), QPointF(14.5, 5.5));
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == MenuColor)
                image.setPixelColor(x, y, QColor(0, 128, 0));
        }
    }
    return image;
}

bool save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (image.save(path, format, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_wizard <art directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + u'/';
    const QImage chart = starChart(), wheel = zodiacWheel(), writing = writingPage(),
                 orbits = orbitPage();
    bool ok = true;
    for (int number = 1; number <= 3; ++number) {
        const QImage drawn = frame(number, chart, wheel, writing, orbits);
        ok &=
            save(sized(drawn, 1), dir + QStringLiteral("wizard_page%1.jpg").arg(number), "JPG", 90);
        ok &= save(sized(drawn, 2), dir + QStringLiteral("wizard_page%1@2x.jpg").arg(number), "JPG",
                   90);
    }
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= save(bubble(scale), dir + QStringLiteral("wizard_bubble%1.png").arg(suffix), "PNG");
        ok &= save(arrow(false, scale), dir + QStringLiteral("wizard_arrow%1.png").arg(suffix),
                   "PNG");
        ok &= save(arrow(true, scale), dir + QStringLiteral("wizard_arrow_lit%1.png").arg(suffix),
                   "PNG");
    }
    return ok ? 0 : 1;
}
