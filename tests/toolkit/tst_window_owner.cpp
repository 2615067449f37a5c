#include "toolkit/window_owner.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

class TestWindowOwner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modalWindowTakesTheKeyboardBack();
    void fixedSizeWindowStaysNormal_data();
    void fixedSizeWindowStaysNormal();
};

void TestWindowOwner::initTestCase()
{
    keepModalWindowsInFront();
    keepFixedSizeWindowsNormal();
}

// The window system hands the keyboard to the blocked main window, as a click on it would.
void TestWindowOwner::modalWindowTakesTheKeyboardBack()
{
    QWidget main;
    main.show();
    setMainWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QDialog modal;
    belongToMainWindow(&modal);
    bool back = false;
    QTimer::singleShot(0, &modal, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        modal.showMinimized();
        main.windowHandle()->requestActivate();
        back = QTest::qWaitFor(
            [&] { return QGuiApplication::focusWindow() == modal.windowHandle(); }, 5000);
        QVERIFY(!modal.isMinimized());
        modal.reject();
    });
    QTimer::singleShot(10000, &modal, &QDialog::reject);
    modal.exec();
    QVERIFY(back);
}

void TestWindowOwner::fixedSizeWindowStaysNormal_data()
{
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<Qt::WindowState>("asked");
    QTest::addColumn<Qt::WindowState>("kept");
    const QSize fixed(200, 100), free(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::newRow("fixed, maximised") << fixed << Qt::WindowMaximized << Qt::WindowNoState;
    QTest::newRow("fixed, full screen") << fixed << Qt::WindowFullScreen << Qt::WindowNoState;
    QTest::newRow("fixed, minimised") << fixed << Qt::WindowMinimized << Qt::WindowMinimized;
    QTest::newRow("resizable, maximised") << free << Qt::WindowMaximized << Qt::WindowMaximized;
}

void TestWindowOwner::fixedSizeWindowStaysNormal()
{
    QFETCH(QSize, maximum);
    QFETCH(Qt::WindowState, asked);
    QWidget window;
    window.setMinimumSize(200, 100);
    window.setMaximumSize(maximum);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(asked);
    QFETCH(Qt::WindowState, kept);
    QTRY_COMPARE(window.windowState(), Qt::WindowStates(kept));
    // A fixed size lent for the state's time comes back.
    if (kept == Qt::WindowNoState) {
        QTRY_COMPARE(window.size(), QSize(200, 100));
        QCOMPARE(window.maximumSize(), maximum);
    }
}

QTEST_MAIN(TestWindowOwner)
#include "tst_window_owner.moc"
