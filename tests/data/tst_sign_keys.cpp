#include "data/sign_keys.h"

#include <QtTest>

class TestSignKeys : public QObject
{
    Q_OBJECT

private slots:
    void paths_data();
    void paths();
    void systemNumbers();
    void treeElevenKeepsItsBlank();
};

void TestSignKeys::paths_data()
{
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("path");
    // clang-format off
    QTest::newRow("japanese") << int(System::Japanese) << "vol" << "/d/Files/japan_vol.KVETAR";
    QTest::newRow("chinese") << int(System::Chinese) << "buk" << "/d/Files/china_buk.KVETAR";
    QTest::newRow("flower") << int(System::Flower) << "36" << "/d/Files/scvetohnui_36.KVETAR";
    QTest::newRow("key used as it stands") << int(System::Zodiac) << "Японский"
                                           << "/d/Files/zodiac_Японский.KVETAR";
    QTest::newRow("general") << int(System::Druid) << QString() << "/d/Files/druidov.KVETAR";
    // clang-format on
}

void TestSignKeys::paths()
{
    QFETCH(int, system);
    QFETCH(QString, key);
    const System which = static_cast<System>(system);
    const QString path = key.isNull() ? generalTextPath(QStringLiteral("/d"), which)
                                      : signTextPath(QStringLiteral("/d"), which, key);
    QTEST(path, "path");
}

void TestSignKeys::systemNumbers()
{
    for (int n = 1; n <= SystemCount; ++n)
        QCOMPARE(int(systemByNumber(QString::number(n))->system), n);
    for (const char *other : {"0", "8", "", " 1", "01"})
        QVERIFY(!systemByNumber(QString::fromLatin1(other)));
}

void TestSignKeys::treeElevenKeepsItsBlank()
{
    const SignList &trees = systemInfo(System::Druid).signs;
    QCOMPARE(resultLine(System::Druid, trees[10]),
             "По гороскопу друидов.....(Орешник (Лиственница, лесной орех, лещина ))");
}

QTEST_GUILESS_MAIN(TestSignKeys)
#include "tst_sign_keys.moc"
