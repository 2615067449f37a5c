#include "about/tform5.h"
#include "app/application.h"
#include "app/forms.h"
#include "app/startup.h"
#include "engine/tform2.h"
#include "forms_fixture.h"
#include "main_window/tform1.h"
#include "modal_catcher.h"
#include "toolkit/text_list.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>
#include <utility>

namespace {

const QColor Navy(0x00, 0x00, 0x80);

// The main window in its list view, hidden by the about button, and a fresh about window whose
// shell requests are recorded instead of carried out.
class AboutRun
{
public:
    explicit AboutRun(const QByteArray &settings = "1\r\n2\r\n") : forms(settings)
    {
        created = forms.created;
        if (!created)
            return;
        Form2->Edit1 = QStringLiteral("999"); // the wizard has been shown already
        Form1->setMemoLines({QStringLiteral("старый текст")});
        forms.dir.write(QStringLiteral("Files/spravka.KVETAR"),
                        TextList::toBytes({QStringLiteral("Справка"), QString(), "F1"}));
        Form1->show();
        Form1->ListBox1->show();
        Form1->hide();
        TForm5::shellOpen = [this](const QString &address) { opened << address; };
        form = std::make_unique<TForm5>();
    }
    ~AboutRun() { form.reset(); }

    FormsFixture forms;
    bool created = false;
    QStringList opened;
    std::unique_ptr<TForm5> form;

    // Pointer input goes where the window system would send it: to the label or the picture
    // under the pointer.
    QWidget *under(QPoint at) const
    {
        QWidget *child = form->childAt(at);
        return child ? child : form.get();
    }
    void moveTo(QPoint at) const
    {
        QWidget *target = under(at);
        const QPoint local = target->mapFrom(form.get(), at);
        QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void click(QPoint at) const
    {
        QWidget *target = under(at);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(form.get(), at));
    }
    void rightClick(QPoint at) const
    {
        QWidget *target = under(at);
        const QPoint local = target->mapFrom(form.get(), at);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
        QApplication::sendEvent(target, &menu);
    }
    // The links by name, in the order they are highlighted.
    QList<std::pair<QString, QLabel *>> links() const
    {
        return {{"close", form->Label2},
                {"mail", form->Label1},
                {"licence", form->Label3},
                {"help", form->Label4},
                {"site", form->Label9}};
    }
    QString hotLinks() const
    {
        QStringList hot;
        for (const auto &[name, label] : links()) {
            if (label->font().underline())
                hot << name;
        }
        return hot.join(u',');
    }
};

} // namespace

class TestTForm5 : public QObject
{
    Q_OBJECT

private slots:
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();
    void backgroundIsTheMainOneUnstretched();
    void noBackgroundYet();
    void hintSetting_data();
    void hintSetting();
    void hotRegions_data();
    void hotRegions();
    void highlightFollowsThePointer();
    void clickUsesTheLastMovement();
    void rightClickCloses();
    void linksByKeyboard_data();
    void linksByKeyboard();
    void otherWaysOutShowTheMainWindow_data();
    void otherWaysOutShowTheMainWindow();
    void pressAndDrag_data();
    void pressAndDrag();
    void dragHandedOverOnPress_data();
    void dragHandedOverOnPress();
    void modalRunFromTheMainWindow();
};

void TestTForm5::textsFitTheirPlaces_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QRect>("place");
    // clang-format off
    QTest::newRow("mail") << "Label1" << QRect(80, 240, 163, 16);
    QTest::newRow("close") << "Label2" << QRect(232, 208, 102, 16);
    QTest::newRow("licence") << "Label3" << QRect(8, 208, 73, 16);
    QTest::newRow("help") << "Label4" << QRect(128, 176, 64, 16);
    QTest::newRow("product") << "Label7" << QRect(8, 8, 238, 16);
    QTest::newRow("author") << "Label8" << QRect(8, 32, 248, 16);
    QTest::newRow("credit") << "Label9" << QRect(8, 56, 276, 13);
    // clang-format on
}

void TestTForm5::textsFitTheirPlaces()
{
    QFETCH(QString, label);
    QFETCH(QRect, place);
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    const std::pair<const char *, QLabel *> labels[] = {
        {"Label1", run.form->Label1}, {"Label2", run.form->Label2}, {"Label3", run.form->Label3},
        {"Label4", run.form->Label4}, {"Label7", run.form->Label7}, {"Label8", run.form->Label8},
        {"Label9", run.form->Label9}};
    QLabel *target = nullptr;
    for (const auto &[name, control] : labels) {
        if (label == QLatin1String(name))
            target = control;
    }
    QVERIFY(target);
    QVERIFY2(place.contains(target->geometry()), qPrintable(label));
    // Highlighted, too.
    run.moveTo(target->geometry().center());
    QVERIFY2(place.contains(target->geometry()), qPrintable(label));
}

void TestTForm5::backgroundIsTheMainOneUnstretched()
{
    AboutRun run;
    QVERIFY(run.created);
    QImage background(656, 559, QImage::Format_RGB32);
    for (int x = 0; x < background.width(); ++x) {
        for (int y = 0; y < background.height(); ++y)
            background.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100));
    }
    Form1->Image2->setPixmap(QPixmap::fromImage(background));
    run.form->show();

    QCOMPARE(run.form->Image2->pixmap().size(), QSize(656, 559));
    QImage shot(run.form->size(), QImage::Format_RGB32);
    run.form->Image2->render(&shot);
    for (const QPoint at : {QPoint(0, 0), QPoint(344, 280), QPoint(300, 100), QPoint(20, 270)})
        QCOMPARE(shot.pixel(at), background.pixel(at));
}

void TestTForm5::noBackgroundYet()
{
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    QVERIFY(run.form->Image2->pixmap().isNull());
}

void TestTForm5::hintSetting_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("shown");
    // clang-format off
    QTest::newRow("1") << QByteArray("1\r\n2\r\n") << true;
    QTest::newRow("0") << QByteArray("0\r\n2\r\n") << false;
    QTest::newRow("other text keeps the design's tips") << QByteArray("1 \r\n2\r\n") << true;
    // clang-format on
}

void TestTForm5::hintSetting()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, shown);
    AboutRun run(settings);
    QVERIFY(run.created);
    run.form->show();
    const QStringList tips = {"Отправить письмо автору", "Просмот лицензионного соглашения",
                              "Вызвать справку", "Выйти на сайт"};
    const QLabel *labels[] = {run.form->Label1, run.form->Label3, run.form->Label4,
                              run.form->Label9};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(labels[i]->toolTip(), shown ? tips[i] : QString());
    QVERIFY(run.form->Label2->toolTip().isEmpty());
    QVERIFY(run.form->Label7->toolTip().isEmpty());
}

void TestTForm5::hotRegions_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("link");
    const auto row = [](const char *name, QPoint at, const char *link) {
        QTest::newRow(name) << at << QString::fromLatin1(link);
    };
    row("nowhere", QPoint(200, 120), "");
    row("close, middle", QPoint(300, 215), "close");
    row("close, left bound", QPoint(232, 215), "");
    row("close, first inside", QPoint(233, 209), "close");
    row("close, right bound", QPoint(336, 215), "");
    row("close, last inside", QPoint(335, 223), "close");
    row("close, top bound", QPoint(300, 208), "");
    row("close, bottom bound", QPoint(300, 224), "");
    row("mail, left part", QPoint(90, 248), "mail");
    row("mail, left bound", QPoint(80, 248), "");
    row("mail, gap start", QPoint(99, 248), "");
    row("mail, gap", QPoint(100, 248), "");
    row("mail, gap end", QPoint(101, 248), "");
    row("mail, right part", QPoint(200, 248), "mail");
    row("mail, right bound", QPoint(248, 248), "");
    row("mail, top bound", QPoint(200, 240), "");
    row("mail, bottom bound", QPoint(200, 256), "");
    row("mail, last inside", QPoint(247, 255), "mail");
    row("licence, on the word left of 31", QPoint(20, 215), "");
    row("licence, left bound", QPoint(30, 215), "");
    row("licence, first inside", QPoint(31, 215), "licence");
    row("licence, middle", QPoint(50, 215), "licence");
    row("licence, right bound", QPoint(80, 215), "");
    row("licence, top bound", QPoint(50, 208), "");
    row("help, middle", QPoint(150, 184), "help");
    row("help, left bound", QPoint(128, 184), "");
    row("help, right bound", QPoint(192, 184), "");
    row("help, first inside", QPoint(129, 177), "help");
    row("help, last inside", QPoint(191, 191), "help");
    row("help, bottom bound", QPoint(150, 192), "");
    row("site, on the text", QPoint(100, 60), "site");
    row("site, left edge", QPoint(0, 60), "site");
    row("site, right edge beyond the text", QPoint(344, 60), "site");
    row("site, top bound", QPoint(100, 56), "");
    row("site, bottom bound", QPoint(100, 72), "");
    row("site, last inside", QPoint(300, 71), "site");
}

// Where the pointer rests decides which link is highlighted; a click there runs that link.
void TestTForm5::hotRegions()
{
    QFETCH(QPoint, at);
    QFETCH(QString, link);
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    run.moveTo(at);
    QCOMPARE(run.hotLinks(), link);
    for (const auto &[name, label] : run.links()) {
        if (name == link)
            QCOMPARE(label->palette().color(QPalette::WindowText), Navy);
    }

    run.click(at);
    const QString mail = QStringLiteral("mailto:") + QLatin1String(TForm5::AuthorMail);
    const QString site = QLatin1String(TForm5::SiteAddress);
    QCOMPARE(run.opened, link == "mail"   ? QStringList(mail)
                         : link == "site" ? QStringList(site)
                                          : QStringList());
    QCOMPARE(run.form->isVisible(), link.isEmpty());
    QCOMPARE(Form1->isVisible(), !link.isEmpty());

    const bool text = link == "licence" || link == "help";
    QCOMPARE(Form1->Memo1->isVisibleTo(Form1), text);
    QCOMPARE(Form1->ListBox1->isVisibleTo(Form1), !text);
    if (link == "licence") {
        QCOMPARE(Form1->memoLines(), Form2->Memo1);
        QVERIFY(Form1->memoLines().join(' ').contains("Orlenta"));
    } else if (link == "help") {
        QCOMPARE(Form1->memoLines(), QStringList({"Справка", "", "F1"}));
    } else {
        QCOMPARE(Form1->memoLines(), QStringList("старый текст"));
    }
}

void TestTForm5::highlightFollowsThePointer()
{
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    run.moveTo({150, 184});
    QCOMPARE(run.hotLinks(), QStringLiteral("help"));
    QCOMPARE(run.form->Label4->palette().color(QPalette::WindowText), Navy);
    run.moveTo({300, 215});
    QCOMPARE(run.hotLinks(), QStringLiteral("close"));
    run.moveTo({150, 150});
    QCOMPARE(run.hotLinks(), QString());
    QCOMPARE(run.form->Label4->font(), run.form->Label6->font());
    QCOMPARE(run.form->Label4->palette().color(QPalette::WindowText),
             run.form->Label6->palette().color(QPalette::WindowText));
    run.moveTo({100, 60});
    QCOMPARE(run.form->Label9->font(), run.form->Label11->font());
    run.moveTo({100, 100});
    QCOMPARE(run.form->Label9->font(), run.form->Label10->font());
}

void TestTForm5::clickUsesTheLastMovement()
{
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    run.click({300, 215}); // no movement yet: "0", "0" is in no region
    QVERIFY(run.form->isVisible());

    run.moveTo({100, 60});
    run.click({50, 215});
    QCOMPARE(run.opened, QStringList(QLatin1String(TForm5::SiteAddress)));
    QVERIFY(Form1->ListBox1->isVisibleTo(Form1));
}

void TestTForm5::linksByKeyboard_data()
{
    QTest::addColumn<int>("tabsBack");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("licence");
    QTest::newRow("close") << 0 << int(Qt::Key_Return) << "" << false;
    QTest::newRow("licence") << 1 << int(Qt::Key_Space) << "" << true;
    QTest::newRow("site") << 3 << int(Qt::Key_Enter) << TForm5::SiteAddress << false;
}

// The keyboard starts on "Закрыть окно"; Shift+Tab goes up through the links, and a key clicks
// the one it stands on.
void TestTForm5::linksByKeyboard()
{
    QFETCH(int, tabsBack);
    QFETCH(int, key);
    AboutRun run;
    QVERIFY(run.created);
    Form2->Memo1 = QStringList{QStringLiteral("Лицензия Orlenta")};
    run.form->show();
    QCOMPARE(run.form->focusWidget(), run.form->Label2);
    for (int i = 0; i < tabsBack; ++i)
        QTest::keyClick(run.form->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(run.form->focusWidget(), Qt::Key(key));
    QVERIFY(!run.form->isVisible());
    QTEST(run.opened.join(u' '), "opened");
    QFETCH(bool, licence);
    QCOMPARE(Form1->memoLines() == Form2->Memo1, licence);
}

void TestTForm5::rightClickCloses()
{
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    run.moveTo({200, 120});
    run.rightClick({200, 120});
    QVERIFY(!run.form->isVisible());
    QVERIFY(Form1->isVisible());
    QVERIFY(Form1->ListBox1->isVisibleTo(Form1));
    QVERIFY(!Form1->Memo1->isVisibleTo(Form1));
    QVERIFY(run.opened.isEmpty());
}

void TestTForm5::otherWaysOutShowTheMainWindow_data()
{
    QTest::addColumn<int>("way");
    // clang-format off
    QTest::newRow("Escape") << 0;
    QTest::newRow("closed by the window system") << 1;
    // clang-format on
}

void TestTForm5::otherWaysOutShowTheMainWindow()
{
    QFETCH(int, way);
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    if (way == 0)
        QTest::keyClick(run.form.get(), Qt::Key_Escape);
    else
        run.form->close();
    QVERIFY(!run.form->isVisible());
    QVERIFY(Form1->isVisible());
}

void TestTForm5::pressAndDrag_data()
{
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<QPoint>("moved");
    QTest::addColumn<bool>("clicked");
    // clang-format off
    QTest::newRow("drag moves, no click") << QPoint(40, 30) << QPoint(40, 30) << false;
    QTest::newRow("a shaky hand still clicks") << QPoint(1, 1) << QPoint(0, 0) << true;
    // clang-format on
}

// Pressed on "Закрыть окно": the window follows a drag, and only a press without one closes it.
void TestTForm5::pressAndDrag()
{
    QFETCH(QPoint, by);
    QFETCH(bool, clicked);
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    const QPoint start = run.form->pos();
    QWidget *label = run.form->Label2;
    const QPoint local = label->mapFrom(run.form.get(), QPoint(300, 215));
    run.moveTo({300, 215});
    QTest::mousePress(label, Qt::LeftButton, {}, local);
    QTest::mouseMove(label, local + by);
    QTEST(run.form->pos() - start, "moved");
    QTest::mouseRelease(label, Qt::LeftButton, {}, local + by);
    QCOMPARE(run.form->isVisible(), !clicked);
    QCOMPARE(Form1->isVisible(), clicked);
}

void TestTForm5::dragHandedOverOnPress_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("handed");
    QTest::newRow("off the links") << QPoint(200, 120) << true;
    QTest::newRow("on a link, which a click needs") << QPoint(300, 215) << false;
}

// Where the window system moves windows, it takes a drag from the press, so the window keeps the
// pressed point under the pointer from the start.
void TestTForm5::dragHandedOverOnPress()
{
    QFETCH(QPoint, at);
    AboutRun run;
    QVERIFY(run.created);
    run.form->show();
    int handed = 0;
    const auto saved = std::exchange(TForm5::startSystemMove, [&handed](QWindow *) {
        ++handed;
        return true;
    });
    QWidget *target = run.under(at);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(run.form.get(), at));
    TForm5::startSystemMove = saved;
    QTEST(handed == 1, "handed");
}

// As the main window's about button runs it.
void TestTForm5::modalRunFromTheMainWindow()
{
    AboutRun run;
    QVERIFY(run.created);
    run.form.reset();
    bool closedByClick = false;
    ModalCatcher about([&](QDialog &) {
        const QPoint at(50, 215);
        QWidget *target = Form5->childAt(at);
        const QPoint local = target->mapFrom(Form5, at);
        QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
        closedByClick = !Form5->isVisible();
    });
    Form1->Image15Click();
    QCOMPARE(about.seen, QStringList(QStringLiteral("TForm5")));
    QVERIFY(closedByClick);
    QVERIFY(Form1->isVisible());
    QVERIFY(Form1->Memo1->isVisible());
    QCOMPARE(Form1->memoLines(), Form2->Memo1);
}

int main(int argc, char *argv[])
{
    OrlentaApplication app(argc, argv);
    TestTForm5 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tform5.moc"
