#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "main_window/tform1.h"
#include "message_box_catcher.h"
#include "modal_catcher.h"
#include "sign_info/tform4.h"
#include "toolkit/modal.h"
#include "toolkit/text_list.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>

namespace {

const char *const Titles[] = {
    "Астрологический гороскоп (знак зодиака)",  "Китайский гороскоп (по году рождения)",
    "Японский гороскоп (по году рождения)",     "Гороскоп друидов (дерево жизни)",
    "Цветочный гороскоп (растение - талисман)", "Мифологический гороскоп (тёмные стороны души)",
    "Древних Ариев (год рождения - год зверя)",
};
const char *const Stems[] = {"zodiac",     "china",   "japan", "druidov",
                             "scvetohnui", "mifolog", "ariev"};
const char *const Keys[] = {"kozerog", "tigr", "kaban", "20", "9", "11", "31"};

} // namespace

class TestTForm4 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void choices_data();
    void choices();
    void missingText_data();
    void missingText();
    void unknownSystem();

private:
    // Clicks the menu label of the system and, once the chooser shows, runs the step on it.
    void chooseFromMenu(int system, const std::function<void(TForm4 *)> &step);

    std::unique_ptr<FormsFixture> m_forms;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
};

void TestTForm4::init()
{
    m_forms = std::make_unique<FormsFixture>();
    QVERIFY(m_forms->created);
    for (int i = 0; i < 7; ++i) {
        const QString stem = QLatin1String(Stems[i]);
        m_forms->dir.write(
            QStringLiteral("Files/%1.KVETAR").arg(stem),
            TextList::toBytes({QStringLiteral("Общее: ") + stem, QStringLiteral("…")}));
        m_forms->dir.write(QStringLiteral("Files/%1_%2.KVETAR").arg(stem, QLatin1String(Keys[i])),
                           TextList::toBytes({QStringLiteral("Знак: ") + stem}));
    }
    Form2->Edit8 = QLatin1String(Keys[0]);
    Form2->Edit7 = QLatin1String(Keys[1]);
    Form2->Edit9 = QLatin1String(Keys[2]);
    Form2->Edit10 = QLatin1String(Keys[3]);
    Form2->Edit12 = QLatin1String(Keys[4]);
    Form2->Edit11 = QLatin1String(Keys[5]);
    Form2->Edit13 = QLatin1String(Keys[6]);
    Form1->ListBox1->addItem(QStringLiteral("строка"));
    Form1->Button1Click();
    m_boxes = std::make_unique<MessageBoxCatcher>();
}

void TestTForm4::cleanup()
{
    m_forms.reset();
    const QStringList unexpected = m_boxes->texts;
    m_boxes.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
}

void TestTForm4::chooseFromMenu(int system, const std::function<void(TForm4 *)> &step)
{
    ModalCatcher chooser([&](QDialog &) { step(Form4); });
    const auto clicks = std::array{&TForm1::Label1Click, &TForm1::Label2Click, &TForm1::Label3Click,
                                   &TForm1::Label4Click, &TForm1::Label5Click, &TForm1::Label6Click,
                                   &TForm1::Label7Click};
    (Form1->*clicks[system])();
    QCOMPARE(chooser.seen, QStringList(QStringLiteral("TForm4")));
    QCOMPARE(Form4, nullptr);
}

void TestTForm4::choices_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("textBefore");
    for (int system = 0; system < 7; ++system) {
        for (const char *choice : {"general", "sign", "cancel"}) {
            for (bool textBefore : {false, true}) {
                if (system == 0 && QLatin1String(choice) == QLatin1String("general"))
                    continue;
                const QString name = QStringLiteral("%1 %2 from %3")
                                         .arg(QLatin1String(Stems[system]), QLatin1String(choice),
                                              QLatin1String(textBefore ? "text" : "list"));
                // clang-format off
                QTest::newRow(qPrintable(name))
                    << system << QString::fromLatin1(choice) << textBefore;
                // clang-format on
            }
        }
    }
}

void TestTForm4::choices()
{
    QFETCH(int, system);
    QFETCH(QString, choice);
    QFETCH(bool, textBefore);
    const QStringList earlier = {QStringLiteral("прежний текст")};
    Form1->setMemoLines(earlier);
    Form1->Memo1->setVisible(textBefore);
    Form1->ListBox1->setVisible(!textBefore);

    chooseFromMenu(system, [&](TForm4 *chooser) {
        QVERIFY(chooser->isModal());
        QCOMPARE(chooser->windowTitle(), QString::fromUtf8(Titles[system]));
        // The whole title fits beside a title bar's buttons; without the general characteristic
        // the other buttons close up.
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(chooser->width() >=
                QFontMetrics(bold).horizontalAdvance(chooser->windowTitle()) + 100);
        QCOMPARE(chooser->height(), system == 0 ? 87 : 127);
        QCOMPARE(chooser->SpeedButton3->y(), system == 0 ? 8 : 48);
        QCOMPARE(chooser->SpeedButton1->isHidden(), system == 0);
        QToolButton *button = choice == QLatin1String("general") ? chooser->SpeedButton1
                              : choice == QLatin1String("sign")  ? chooser->SpeedButton3
                                                                 : chooser->SpeedButton4;
        QTest::mouseClick(button, Qt::LeftButton);
    });

    QCOMPARE(Form2->Edit16, QString::number(system + 1));
    QCOMPARE(Form2->Edit1, QString::fromUtf8(Titles[system]));
    if (choice == QLatin1String("cancel")) {
        QCOMPARE(Form1->memoLines(), earlier);
        QCOMPARE(Form1->Memo1->isHidden(), !textBefore);
        QCOMPARE(Form1->ListBox1->isHidden(), textBefore);
        return;
    }
    const QString stem = QLatin1String(Stems[system]);
    const QString file =
        choice == QLatin1String("general")
            ? QStringLiteral("Files/%1.KVETAR").arg(stem)
            : QStringLiteral("Files/%1_%2.KVETAR").arg(stem, QLatin1String(Keys[system]));
    QCOMPARE(Form1->memoLines(), TextList::load(m_forms->dir.file(file)).value());
    QVERIFY(!Form1->Memo1->isHidden());
    QVERIFY(Form1->ListBox1->isHidden());
}

void TestTForm4::missingText_data()
{
    QTest::addColumn<bool>("textBefore");
    // clang-format off
    QTest::newRow("from the list") << false;
    QTest::newRow("from a text") << true;
    // clang-format on
}

void TestTForm4::missingText()
{
    QFETCH(bool, textBefore);
    const QStringList earlier = {QStringLiteral("прежний текст")};
    Form1->setMemoLines(earlier);
    Form1->Memo1->setVisible(textBefore);
    Form1->ListBox1->setVisible(!textBefore);
    QFile::remove(m_forms->dir.file(QStringLiteral("Files/druidov.KVETAR")));

    chooseFromMenu(3, [&](TForm4 *chooser) {
        QTest::mouseClick(chooser->SpeedButton1, Qt::LeftButton);
        QCOMPARE(m_boxes->texts,
                 QStringList(QStringLiteral("Не удалось открыть файл %1.\nНет такого файла.")
                                 .arg(m_forms->dir.file(QStringLiteral("Files/druidov.KVETAR")))));
        m_boxes->texts.clear();
        // The chooser is still there; the list is gone, the viewer as it was.
        QVERIFY(chooser->isVisible());
        QVERIFY(Form1->ListBox1->isHidden());
        QCOMPARE(Form1->Memo1->isHidden(), !textBefore);
        QCOMPARE(Form1->memoLines(), earlier);
        QTest::mouseClick(chooser->SpeedButton4, Qt::LeftButton);
    });
}

void TestTForm4::unknownSystem()
{
    // Only the menu sets the number; a chooser shown without it loads nothing and stays open.
    Form2->Edit16 = QStringLiteral("8");
    Form2->Edit1 = QStringLiteral("Что-то");
    ModalCatcher chooser([](QDialog &) {
        QCOMPARE(Form4->windowTitle(), QStringLiteral("Что-то"));
        Form4->SpeedButton1Click();
        Form4->SpeedButton3Click();
        QVERIFY(Form4->isVisible());
        QVERIFY(!Form1->ListBox1->isHidden());
        Form4->SpeedButton4Click();
    });
    runModal(Form4);
    QCOMPARE(chooser.seen.size(), 1);
    QVERIFY(Form1->Memo1->isHidden());
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestTForm4 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tform4.moc"
