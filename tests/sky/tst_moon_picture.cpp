#include "sky/moon_picture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestMoonPicture : public QObject
{
    Q_OBJECT

private slots:
    // The bright share of the drawn disc and the side it is on: the lit part is yellowish, the
    // dark part blue-grey, the rim between them neither.
    void drawsTheLitShare_data()
    {
        QTest::addColumn<double>("lit");
        QTest::addColumn<bool>("waxing");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("brightSide"); // -1 left, 1 right, 0 neither
        QTest::newRow("new moon") << 0.0 << true << 55.0 << 0;
        QTest::newRow("waxing crescent") << 0.2 << true << 55.0 << 1;
        QTest::newRow("first quarter") << 0.5 << true << 55.0 << 1;
        QTest::newRow("waning gibbous") << 0.8 << false << 55.0 << -1;
        QTest::newRow("waxing, seen from the south") << 0.3 << true << -34.0 << -1;
        QTest::newRow("full moon") << 1.0 << false << 55.0 << 0;
    }
    void drawsTheLitShare()
    {
        QFETCH(double, lit);
        QFETCH(bool, waxing);
        QFETCH(double, latitude);
        QFETCH(int, brightSide);
        const int size = 200;
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintMoon(painter, QRectF(0, 0, size, size), lit, brightOnRight(waxing, latitude));
        }
        int disc = 0, bright = 0;
        qint64 brightX = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour.red() > 180 && colour.blue() < colour.red() - 20) {
                    ++disc;
                    ++bright;
                    brightX += x;
                } else if (colour.red() < 60 && colour.blue() > 70 && colour.blue() < 90) {
                    ++disc;
                }
            }
        }
        QVERIFY2(qAbs(double(bright) / disc - lit) < 0.02,
                 qPrintable(QString::number(double(bright) / disc)));
        if (brightSide != 0)
            QCOMPARE(brightX / bright > size / 2 ? 1 : -1, brightSide);
    }
};

QTEST_MAIN(TestMoonPicture)
#include "tst_moon_picture.moc"
