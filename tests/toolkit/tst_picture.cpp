#include "toolkit/color_key.h"
#include "toolkit/picture.h"

#include <QDir>
#include <QPainter>
#include <QRegion>
#include <QtTest>

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasItsTwin();
    void pickedByRatio_data();
    void pickedByRatio();
    void maskInWindowPixels_data();
    void maskInWindowPixels();
    void fittedKeyKeepsHardEdges();
};

void TestPicture::everyPictureHasItsTwin()
{
    const QDir art(QStringLiteral(":/art"));
    int pictures = 0;
    for (const QString &name : art.entryList(
             {QStringLiteral("tool_*"), QStringLiteral("wizard_*"), QStringLiteral("main_*")})) {
        if (name.contains(QLatin1String("@2x")))
            continue;
        ++pictures;
        const QString path = art.filePath(name);
        const QString twin = pictureFile(path, 2);
        QVERIFY2(twin != path, qPrintable(name));
        QCOMPARE(loadPicture(path, 2).size(), loadPicture(path, 1).size() * 2);
    }
    QCOMPARE(pictures, 31);
}

void TestPicture::pickedByRatio_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("pictureRatio");
    const QString png = QStringLiteral(":/art/tool_back.png");
    const QString jpeg = QStringLiteral(":/art/wizard_page1.jpg");
    QTest::newRow("png 1") << png << 1.0 << QSize(69, 68) << 1.0;
    QTest::newRow("png 1.25") << png << 1.25 << QSize(138, 136) << 2.0;
    QTest::newRow("png 3") << png << 3.0 << QSize(138, 136) << 2.0;
    QTest::newRow("jpeg 1.5") << jpeg << 1.5 << QSize(930, 646) << 2.0;
}

void TestPicture::pickedByRatio()
{
    QFETCH(QString, path);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QFETCH(qreal, pictureRatio);
    const QImage picture = loadPicture(path, ratio);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(picture.devicePixelRatio(), pictureRatio);
    // Fitted to the screen, it keeps its size in window pixels.
    const QImage fitted = fitToRatio(picture, ratio);
    QCOMPARE(fitted.devicePixelRatio(), ratio);
    QCOMPARE((QSizeF(fitted.size()) / ratio).toSize(), pixels / pictureRatio);
}

void TestPicture::maskInWindowPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("translucent");
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        QTest::newRow(qPrintable(QString::number(ratio))) << ratio << false;
        QTest::newRow(qPrintable(QStringLiteral("translucent %1").arg(ratio))) << ratio << true;
    }
}

// A window of 20 x 16 pixels, key green (or left undrawn in a translucent window) but for a drawn
// 7 x 5 rectangle, grabbed at the ratio.
void TestPicture::maskInWindowPixels()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, translucent);
    const QColor key(0, 128, 0);
    const QRect drawn(3, 5, 7, 5);
    QImage grab((QSizeF(20, 16) * ratio).toSize(),
                translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    grab.setDevicePixelRatio(ratio);
    grab.fill(translucent ? QColor(Qt::transparent) : key);
    QPainter(&grab).fillRect(drawn, Qt::white);
    const QBitmap mask = colorKeyMask(grab, key);
    QCOMPARE(mask.size(), QSize(20, 16));
    QCOMPARE(QRegion(mask), QRegion(drawn));
}

void TestPicture::fittedKeyKeepsHardEdges()
{
    const QImage bubble = loadPicture(QStringLiteral(":/art/wizard_bubble.png"), 2);
    for (const qreal ratio : {1.25, 1.5, 3.0}) {
        const QImage fitted = transparentPicture(bubble, ratio).toImage();
        QCOMPARE(fitted.devicePixelRatio(), ratio);
        for (int y = 0; y < fitted.height(); ++y) {
            for (int x = 0; x < fitted.width(); ++x) {
                const int alpha = qAlpha(fitted.pixel(x, y));
                QVERIFY2(alpha == 0 || alpha == 255, qPrintable(QString::number(ratio)));
            }
        }
    }
}

QTEST_MAIN(TestPicture)

#include "tst_picture.moc"
