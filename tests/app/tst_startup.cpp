#include "about/tform5.h"
#include "app/application.h"
#include "app/forms.h"
#include "app/screen_fit.h"
#include "app/startup.h"
#include "engine/clock.h"
#include "engine/remembered.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "message_box_catcher.h"
#include "program_dir.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "sky/sky_window.h"
#include "toolkit/design.h"
#include "toolkit/error_box.h"
#include "wizard/tform3.h"

#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

namespace {

// Throws from inside an event handler, as a library may.
class Thrower : public QObject
{
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("vector::at");
        return QObject::event(event);
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { destroyForms(); }
    void missingSettingsStopsTheStart();
    void createsTheWindowsHidden();
    void firstActivationHandsOverToTheWizard();
    void openSkySkipsTheWizard();
    void handlerExceptionsReachTheErrorBox();
    void handlersReportTheirOwnFailures_data();
    void handlersReportTheirOwnFailures();
    void dialogsBelongToTheMainWindow();
    void designFontsAreMapped_data();
    void designFontsAreMapped();
    void largestWindowFitsTheScreen_data();
    void largestWindowFitsTheScreen();
};

void TestStartup::missingSettingsStopsTheStart()
{
    ProgramDir dir((QByteArray()));
    MessageBoxCatcher catcher;
    QVERIFY(!createForms(dir.executable()));
    QCOMPARE(catcher.texts, QStringList("Не удалось открыть файл " + dir.path() +
                                        "/setting/setting.kvt.\nНет такого файла."));
    QVERIFY(!Form2);
    QVERIFY(!Form3);
    QVERIFY(Form1 && !Form1->isVisible());
}

void TestStartup::createsTheWindowsHidden()
{
    ProgramDir dir;
    QVERIFY(createForms(dir.executable()));
    QVERIFY(Form1 && Form2 && Form3);
    // The chooser, about and settings windows are made only when the main window opens one.
    QVERIFY(!Form4 && !Form5 && !Form6);
    QCOMPARE(Form2->Edit15, dir.path());
    QCOMPARE(Form1->windowTitle(), "Orlenta");
    QCOMPARE(Form1->size(), QSize(817, 578));
    QVERIFY(!(Form1->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!Form1->isVisible() && !Form3->isVisible());
    QCOMPARE(Form1->Label9->text(), "Загрузка");
    // The loading line's letters stand in the middle of the window.
    const QImage drawn = Form1->Label9->grab().toImage();
    int left = drawn.width(), right = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qRed(drawn.pixel(x, y)) > 128 && qGreen(drawn.pixel(x, y)) < 100)
                left = std::min(left, x), right = std::max(right, x);
    QVERIFY(right > left);
    QVERIFY(qAbs(Form1->Label9->x() + (left + right) / 2 - 817 / 2) <= 3);
}

void TestStartup::firstActivationHandsOverToTheWizard()
{
    ProgramDir dir;
    QVERIFY(createForms(dir.executable()));
    Form1->show();
    QTRY_VERIFY(Form3->isVisible());
    QCOMPARE(Form2->Edit1, "999");
    // The loading screen gives way to the wizard at the first tick.
    QTRY_VERIFY(!Form1->isVisible());
    QVERIFY(!Form1->Timer1->isActive());

    // Later activations leave the wizard alone.
    Form3->hide();
    Form1->FormActivate();
    QVERIFY(!Form3->isVisible());
    Form2->Edit1 = QStringLiteral("Астрологический гороскоп (знак зодиака)");
    Form1->FormActivate();
    QVERIFY(!Form3->isVisible());
}

void TestStartup::openSkySkipsTheWizard()
{
    ProgramDir dir;
    MessageBoxCatcher missingTexts; // the scratch folder has no texts of the sky
    QVERIFY(createForms(dir.executable(), [] { Form1->openSkyAtStart(); }));
    QFile date(Form2->userFilePath(Remembered::DateFile));
    QVERIFY(date.open(QIODevice::WriteOnly) && date.write("1985-03-21\n") == 11);
    date.close();
    Form1->show();
    QTRY_VERIFY(Form1->skyWindow() && Form1->skyWindow()->isVisible());
    QCOMPARE(Form1->skyWindow()->day(), Clock::today());
    QVERIFY(!Form3->isVisible());
    QCOMPARE(Form1->birthDate(), QDate(1985, 3, 21));
    QVERIFY(!Form1->ListBox1->findItems(QStringLiteral("(Овен)"), Qt::MatchEndsWith).isEmpty());
    // The loading screen's tick, which hands over to the wizard, does not hide the window.
    QTest::qWait(20);
    QVERIFY(Form1->isVisible() && Form1->ListBox1->isVisible());
}

void TestStartup::handlerExceptionsReachTheErrorBox()
{
    MessageBoxCatcher catcher;
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_COMPARE(catcher.texts,
                 QStringList("Не удалось выполнить действие.\nВнутренняя ошибка программы: "
                             "vector::at."));
    QCOMPARE(catcher.titles, QStringList("Orlenta"));
}

void TestStartup::handlersReportTheirOwnFailures_data()
{
    QTest::addColumn<int>("handler");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("a result line's text") << 0 << "Не удалось открыть файл %1/Files/zodiac_x.KVETAR.\nНет такого файла.";
    QTest::newRow("saving the list") << 1 << "Не удалось сохранить файл %1/нет/итоги.txt.\nНет такой папки.";
    QTest::newRow("the chooser's text") << 2 << "Не удалось открыть файл %1/Files/druidov.KVETAR.\nНет такого файла.";
    QTest::newRow("saving the settings") << 3 << "Не удалось сохранить файл %1/setting/setting.kvt.\nПапку не создать: на её месте файл.";
    // clang-format on
}

// Called straight, with no event loop around them, the handlers show the failure and throw
// nothing.
void TestStartup::handlersReportTheirOwnFailures()
{
    QFETCH(int, handler);
    QFETCH(QString, shown);
    ProgramDir dir;
    QVERIFY(createForms(dir.executable()));
    Form1->Timer1->stop();
    Form1->Button1Click();
    MessageBoxCatcher catcher;
    if (handler == 0) {
        Form2->Edit8 = QStringLiteral("x");
        Form1->showResultRows({QStringLiteral("По знаку зодиака.....(?)")});
        Form1->ListBox1->item(0)->setSelected(true);
        QVERIFY_THROWS_NO_EXCEPTION(Form1->ListBox1DblClick());
    } else if (handler == 1) {
        Form1->chooseSaveFile = [&] { return dir.file(QStringLiteral("нет/итоги")); };
        QVERIFY_THROWS_NO_EXCEPTION(Form1->Image9Click());
    } else if (handler == 2) {
        Form2->Edit16 = QStringLiteral("4");
        TForm4 chooser;
        QVERIFY_THROWS_NO_EXCEPTION(chooser.SpeedButton1Click());
    } else {
        QVERIFY(QDir(dir.file(QStringLiteral("setting"))).removeRecursively());
        dir.write(QStringLiteral("setting"), "a file");
        TForm6 settings;
        QVERIFY_THROWS_NO_EXCEPTION(settings.Button1Click());
    }
    QCOMPARE(catcher.texts, QStringList(shown.arg(dir.path())));
}

void TestStartup::dialogsBelongToTheMainWindow()
{
    ProgramDir dir;
    QVERIFY(createForms(dir.executable()));
    const std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<TForm4>(), std::make_unique<TForm5>(), std::make_unique<TForm6>()};
    for (const auto &dialog : dialogs) {
        QVERIFY(dialog->windowHandle());
        QCOMPARE(dialog->windowHandle()->transientParent(), Form1->windowHandle());
        QVERIFY(!dialog->parentWidget()); // a child would be placed over its parent
    }
    MessageBoxCatcher catcher;
    showErrorBox({QStringLiteral("Не удалось открыть файл x"), QString()});
    QCOMPARE(catcher.owners, QList<QWindow *>{Form1->windowHandle()});
}

// Families of the design no Linux has: each needs a mapping to one that is installed.
void TestStartup::designFontsAreMapped_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("windows") << designFont(11).family();
    for (const char *family : {"Book Antiqua", "System", "Times New Roman"})
        QTest::newRow(family) << QString::fromLatin1(family);
}

void TestStartup::designFontsAreMapped()
{
    QFETCH(QString, family);
    const QStringList substitutes = QFont::substitutes(family);
    QVERIFY(std::any_of(substitutes.begin(), substitutes.end(), [](const QString &substitute) {
        return QFontDatabase::hasFamily(substitute);
    }));
}

void TestStartup::largestWindowFitsTheScreen_data()
{
    QTest::addColumn<QSizeF>("screen"); // device pixels
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<qreal>("factor");
    QTest::newRow("fits at the desktop's scale") << QSizeF(3840, 2160) << 2.0 << 1.0;
    // 1210 / 634 = 1.9085: to the nearest hundredth 1.91 would put the window over the edge.
    QTest::newRow("short by a pixel's share") << QSizeF(1920, 1210) << 2.0 << 0.95;
    QTest::newRow("fractional scale") << QSizeF(1280, 720) << 1.5 << 1.13 / 1.5;
    QTest::newRow("never below a device pixel") << QSizeF(1024, 600) << 2.0 << 0.5;
}

void TestStartup::largestWindowFitsTheScreen()
{
    QFETCH(QSizeF, screen);
    QFETCH(qreal, scale);
    QFETCH(qreal, factor);
    const qreal shrink = ScreenFit::shrinkFactor(screen, scale);
    QCOMPARE(shrink, factor);
    if (factor > 0.5) {
        const QSizeF drawn = ScreenFit::Largest * scale * shrink;
        QVERIFY(drawn.width() <= screen.width() && drawn.height() <= screen.height());
    }
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
