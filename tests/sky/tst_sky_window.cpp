#include "engine/clock.h"
#include "engine/remembered.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"
#include "program_dir.h"
#include "sky/moon_picture.h"
#include "sky/sky_window.h"
#include "toolkit/text_list.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

const QDate Today(2026, 12, 8);
// The Moon stays in Овен all day in Moscow.
const QDate MoonInAries(2026, 12, 18);

QStringList textNames()
{
    QStringList names = {QStringLiteral("luna_rastuschaya"), QStringLiteral("luna_ubuvayuschaya")};
    for (int i = 1; i <= 30; ++i)
        names << QStringLiteral("luna_sutki_%1").arg(i);
    for (int i = 1; i <= 12; ++i)
        names << QStringLiteral("luna_dom_%1").arg(i);
    for (int i = 1; i <= 4; ++i)
        names << QStringLiteral("luna_faza_%1").arg(i);
    for (const char *sign : {"oven", "telesc", "blizhescu", "rak", "lev", "deva", "vesu",
                             "skorpion", "strelesc", "kozerog", "vodolei", "rubu"})
        names << QStringLiteral("luna_") + QLatin1String(sign);
    return names;
}

// A control by the name a screen reader is told: the names are the window's promise.
template <typename Control = QPushButton> Control *named(const QWidget &window, const char *name)
{
    for (Control *each : window.findChildren<Control *>()) {
        if (each->accessibleName().startsWith(QString::fromUtf8(name)))
            return each;
    }
    return nullptr;
}

} // namespace

class TestSkyWindow : public QObject
{
    Q_OBJECT

private:
    ProgramDir m_dir;
    QString placePath() const { return m_dir.file(QStringLiteral("sky_place.txt")); }

    // Every text says its own name, so a test sees which one the window chose.
    void writeTexts(const QStringList &names)
    {
        for (const QString &name : names)
            m_dir.write(QStringLiteral("Files/%1.KVETAR").arg(name),
                        TextList::toBytes({QStringLiteral("Текст ") + name, QString(),
                                           QStringLiteral("Абзац.")}));
    }

private slots:
    void initTestCase() { writeTexts(textNames()); }
    void init()
    {
        Clock::setToday(Today);
        QFile::remove(placePath());
    }
    void cleanupTestCase() { Clock::setToday(QDate()); }

    void walksDays_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QDate>("expected");
        using K = QList<QKeyCombination>;
        QTest::newRow("alt right from the text")
            << Today << "text" << K{Qt::ALT | Qt::Key_Right} << QDate(2026, 12, 9);
        QTest::newRow("alt left from the city")
            << Today << "city" << K{Qt::ALT | Qt::Key_Left, Qt::ALT | Qt::Key_Left}
            << QDate(2026, 12, 6);
        QTest::newRow("arrows in the calendar")
            << Today << "calendar"
            << K{QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_Down)}
            << QDate(2026, 12, 16);
        QTest::newRow("page down into the next year")
            << Today << "calendar" << K{QKeyCombination(Qt::Key_PageDown)} << QDate(2027, 1, 8);
        QTest::newRow("page up to a shorter month")
            << QDate(2027, 3, 31) << "calendar" << K{QKeyCombination(Qt::Key_PageUp)}
            << QDate(2027, 2, 28);
        QTest::newRow("alt right inside the calendar")
            << QDate(2026, 12, 31) << "calendar" << K{Qt::ALT | Qt::Key_Right} << QDate(2027, 1, 1);
        QTest::newRow("no day after the last") << QDate(2099, 12, 31) << "calendar"
                                               << K{Qt::ALT | Qt::Key_Right} << QDate(2099, 12, 31);
        QTest::newRow("no day before the first")
            << QDate(1900, 1, 1) << "text" << K{Qt::ALT | Qt::Key_Left} << QDate(1900, 1, 1);
    }
    void walksDays()
    {
        QFETCH(QDate, start);
        QFETCH(QString, focus);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QDate, expected);
        SkyWindow window(m_dir.path(), placePath(), Person(), 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.showDay(start);
        QWidget *target = focus == QLatin1String("text") ? static_cast<QWidget *>(window.text())
                          : focus == QLatin1String("city")
                              ? static_cast<QWidget *>(window.cityField())
                              : window.calendar();
        target->setFocus();
        for (const QKeyCombination &key : std::as_const(keys))
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(window.day(), expected);
        QCOMPARE(window.calendar()->selectedDate(), expected);

        // «Сегодня» comes back from wherever the keys went.
        QTest::mouseClick(named(window, "Сегодня"), Qt::LeftButton);
        QCOMPARE(window.day(), Today);
    }

    void notesThePersonsSign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pisces: the second house")
            << "Ирина" << QDate(1990, 3, 10) << QStringList{"Ирина, знак Рыбы", "Текст luna_dom_2"};
        QTest::newRow("aries: its own sign")
            << "Пётр" << QDate(1985, 4, 1) << QStringList{"Пётр, знак Овен", "Текст luna_dom_1"};
        QTest::newRow("a date with no name")
            << "" << QDate(1970, 8, 1) << QStringList{"Ваш знак Лев", "Текст luna_dom_9"};
        QTest::newRow("no date") << "" << QDate()
                                 << QStringList{
                                        "Ваш знак",
                                        "Заметка для вашего знака появится, когда в главном окне "
                                        "будет дата рождения."};
    }
    void notesThePersonsSign()
    {
        QFETCH(QString, name);
        QFETCH(QDate, birth);
        QFETCH(QStringList, expected);
        SkyWindow window(m_dir.path(), placePath(), Person{name, birth}, 100);
        window.showDay(MoonInAries);
        const QStringList lines = window.lines();
        const qsizetype at = lines.indexOf(expected.first());
        QVERIFY2(at >= 0, qPrintable(lines.join(u'\n')));
        QCOMPARE(lines.value(at + 1), expected.last());
        QCOMPARE(window.calendar()->mark(MoonInAries).inUserSign, birth == QDate(1985, 4, 1));
    }

    void showsTheBirthDay_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one sign, the Sun entering Овен that day")
            << QDate(1996, 3, 20)
            << QStringList{"Луна в день рождения", "В день рождения Луна была в знаке Овен.",
                           "В 1996 году Солнце вошло в Овен 20 марта в 11:03 по московскому "
                           "времени.",
                           "Текст luna_oven"};
        QTest::newRow("the Moon changed sign, the Sun the day before")
            << QDate(1985, 3, 21)
            << QStringList{"Луна в день рождения",
                           "В день рождения Луна перешла из знака Рыбы в знак Овен в 13:20 по "
                           "местному времени; час рождения решает, какой из них ваш.",
                           "В 1985 году Солнце вошло в Овен 20 марта в 19:14 по московскому "
                           "времени.",
                           "Текст luna_rubu"};
        QTest::newRow("no ingress near")
            << QDate(1990, 3, 10)
            << QStringList{"Луна в день рождения", "В день рождения Луна была в знаке Дева.",
                           "Текст luna_deva"};
    }
    void showsTheBirthDay()
    {
        QFETCH(QDate, birth);
        QFETCH(QStringList, expected);
        SkyWindow window(m_dir.path(), placePath(), Person{QStringLiteral("Ира"), birth}, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(named(window, "День рождения"), Qt::LeftButton);
        QCOMPARE(window.day(), birth);
        const QStringList lines = window.lines();
        const qsizetype at = lines.indexOf(expected.first());
        QVERIFY2(at >= 0, qPrintable(lines.join(u'\n')));
        QCOMPARE(lines.mid(at, expected.size()), expected);

        window.stepDay(1);
        QVERIFY(!window.lines().contains(expected.first()));
        QVERIFY(window.lines().contains(QStringLiteral("Луна в знаке")));
    }

    void remembersThePlace()
    {
        {
            SkyWindow window(m_dir.path(), placePath(), Person(), 100);
            QCOMPARE(window.place().name, QStringLiteral("Москва"));
            window.cityField()->setText(QStringLiteral("санкт-петербург"));
            QTest::keyClick(window.cityField(), Qt::Key_Return);
            QVERIFY(window.windowTitle().endsWith(QStringLiteral(", Санкт-Петербург")));
            // A name not in the table is said and changes nothing.
            window.cityField()->setText(QStringLiteral("Атлантида"));
            QTest::keyClick(window.cityField(), Qt::Key_Return);
        }
        {
            SkyWindow window(m_dir.path(), placePath(), Person(), 100);
            QCOMPARE(window.cityField()->text(), QStringLiteral("Санкт-Петербург"));
            ModalCatcher catcher([](QDialog &dialog) {
                named<QLineEdit>(dialog, "Название")->setText(QStringLiteral("Дача"));
                named<QDoubleSpinBox>(dialog, "Широта")->setValue(56.5);
                named<QDoubleSpinBox>(dialog, "Долгота")->setValue(-38.25);
                named<QComboBox>(dialog, "Часовой")->setCurrentText("Asia/Yekaterinburg");
                dialog.accept();
            });
            window.askForPlace();
            QCOMPARE(catcher.seen.size(), 1);
        }
        QCOMPARE(m_dir.read(QStringLiteral("sky_place.txt")),
                 QByteArray("Дача\t56.5000\t-38.2500\tAsia/Yekaterinburg\n"));
        SkyWindow again(m_dir.path(), placePath(), Person(), 100);
        QCOMPARE(again.place().latitude, 56.5);
        QCOMPARE(again.place().longitude, -38.25);
        QCOMPARE(again.place().zone, QByteArray("Asia/Yekaterinburg"));
    }

    void readsOnlySoundPlaces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a listed city") << QByteArray("санкт-петербург\n") << "Санкт-Петербург";
        QTest::newRow("unknown city") << QByteArray("Атлантида\n") << "Москва";
        QTest::newRow("latitude out of range")
            << QByteArray("Дача\t91\t30\tEurope/Moscow\n") << "Москва";
        QTest::newRow("unknown zone") << QByteArray("Дача\t55\t30\tEurope/Nowhere\n") << "Москва";
        QTest::newRow("no name") << QByteArray("\t55\t30\tEurope/Moscow\n") << "Москва";
        QTest::newRow("two lines")
            << QByteArray("Дача\t55\t30\tEurope/Moscow\nМосква\n") << "Москва";
        QTest::newRow("a sound place") << QByteArray("Дача\t55\t30\tEurope/Moscow\r\n") << "Дача";
    }
    void readsOnlySoundPlaces()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        m_dir.write(QStringLiteral("sky_place.txt"), bytes);
        QCOMPARE(Remembered::loadPlace(placePath()).name, expected);
    }

    void followsTodayPastMidnight()
    {
        SkyWindow window(m_dir.path(), placePath(), Person(), 100);
        QVERIFY(window.midnightTimer()->isActive());
        QVERIFY(window.midnightTimer()->isSingleShot());
        QVERIFY(window.midnightTimer()->remainingTime() <= 24 * 3600 * 1000 + 1000);
        Clock::setToday(Today.addDays(1));
        window.midnightTimer()->start(0);
        QTRY_COMPARE(window.day(), Today.addDays(1));
        QVERIFY(window.midnightTimer()->isActive());

        // A day the user chose stays.
        window.showDay(QDate(2027, 5, 1));
        Clock::setToday(Today.addDays(2));
        window.midnightTimer()->start(0);
        QTRY_VERIFY(window.midnightTimer()->remainingTime() > 1000);
        QCOMPARE(window.day(), QDate(2027, 5, 1));
    }

    void savesPrintsAndZoomsTheText()
    {
        SkyWindow window(m_dir.path(), placePath(), Person(), 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy saves(&window, &SkyWindow::saveRequested);
        QSignalSpy sizes(&window, &SkyWindow::textSizeChanged);
        QTest::keyClick(window.calendar(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves.size(), 1);
        QCOMPARE(saves.at(0).at(1).toString(), QStringLiteral("Небо 2026-12-08 Москва"));
        const QStringList lines = saves.at(0).at(0).toStringList();
        QCOMPARE(lines.value(0), QStringLiteral("Небо: 8 декабря 2026 г., Москва"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Небо — 8 декабря 2026 г., Москва"));
        QVERIFY(lines.contains(QStringLiteral("Луна в знаке")));

        QTest::keyClick(window.text(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(window.text(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(sizes.size(), 2);
        QCOMPARE(sizes.at(1).at(0).toInt(), 125);
        QCOMPARE(window.text()->font().pixelSize(), 19);
        QTest::keyClick(window.calendar(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window.text()->font().pixelSize(), 15);
        ModalCatcher preview([](QDialog &dialog) {
            auto *pages = dialog.findChild<QPrintPreviewWidget *>();
            QVERIFY(pages && pages->pageCount() >= 1);
        });
        QTest::keyClick(window.calendar(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(preview.seen, QStringList(QStringLiteral("QPrintPreviewDialog")));
    }

    void saysAMissingTextOnce()
    {
        QFile::remove(m_dir.file(QStringLiteral("Files/luna_ubuvayuschaya.KVETAR")));
        MessageBoxCatcher boxes;
        SkyWindow window(m_dir.path(), placePath(), Person(), 100);
        for (int i = 0; i < 40; ++i)
            window.stepDay(1);
        writeTexts({QStringLiteral("luna_ubuvayuschaya")});
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().contains(QStringLiteral("luna_ubuvayuschaya.KVETAR")));
    }
};

QTEST_MAIN(TestSkyWindow)
#include "tst_sky_window.moc"
