#include "app/lightwarning.h"
#include "app/settings.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(LightWarningAnswer)
Q_DECLARE_METATYPE(LightWarning::From)
Q_DECLARE_METATYPE(LightWarning::Step)

// When the flashing light needs the user's yes first, and what each answer means from then on,
// with the answer kept in a settings file of the test's own.
class TestLightWarning : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void whenTheLightIsWanted_data();
    void whenTheLightIsWanted();
    void answersAreRemembered_data();
    void answersAreRemembered();

private:
    QString settingsFile() const { return folder->filePath(QStringLiteral("velmora.conf")); }

    std::unique_ptr<QTemporaryDir> folder;
};

void TestLightWarning::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void TestLightWarning::whenTheLightIsWanted_data()
{
    QTest::addColumn<LightWarningAnswer>("remembered");
    QTest::addColumn<LightWarning::From>("from");
    QTest::addColumn<LightWarning::Step>("step");
    QTest::addColumn<bool>("checkedAtStart");

    using From = LightWarning::From;
    using Step = LightWarning::Step;
    QTest::newRow("new account, window")
        << LightWarningAnswer::NotAsked << From::Window << Step::AskFirst << true;
    QTest::newRow("declined, window")
        << LightWarningAnswer::Declined << From::Window << Step::AskFirst << false;
    QTest::newRow("accepted, window")
        << LightWarningAnswer::Accepted << From::Window << Step::ShowLight << true;
    QTest::newRow("new account, desktop")
        << LightWarningAnswer::NotAsked << From::Desktop << Step::PlayWithoutLight << true;
    QTest::newRow("declined, desktop")
        << LightWarningAnswer::Declined << From::Desktop << Step::PlayWithoutLight << false;
    QTest::newRow("accepted, desktop")
        << LightWarningAnswer::Accepted << From::Desktop << Step::PlayWithoutLight << true;
}

// The window asks until the user said yes; the desktop's media controls never show the light.
void TestLightWarning::whenTheLightIsWanted()
{
    QFETCH(LightWarningAnswer, remembered);
    QFETCH(LightWarning::From, from);
    QFETCH(LightWarning::Step, step);
    QFETCH(bool, checkedAtStart);

    Settings(settingsFile()).setLightWarningAnswer(remembered);
    Settings settings(settingsFile());
    const LightWarning warning(settings);
    QCOMPARE(warning.lightWanted(from), step);
    QCOMPARE(warning.visualizerCheckedAtStart(), checkedAtStart);
}

void TestLightWarning::answersAreRemembered_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<LightWarningAnswer>("remembered");
    QTest::newRow("yes") << QList<bool> {true} << LightWarningAnswer::Accepted;
    QTest::newRow("no") << QList<bool> {false} << LightWarningAnswer::Declined;
    QTest::newRow("no, then yes") << QList<bool> {false, true} << LightWarningAnswer::Accepted;
    QTest::newRow("no, then no") << QList<bool> {false, false} << LightWarningAnswer::Declined;
}

// The last answer holds in this run and in the next, which reads the file anew.
void TestLightWarning::answersAreRemembered()
{
    QFETCH(QList<bool>, answers);
    QFETCH(LightWarningAnswer, remembered);
    {
        Settings settings(settingsFile());
        LightWarning warning(settings);
        for (bool showLight : answers)
            warning.answer(showLight);
        QCOMPARE(settings.lightWarningAnswer(), remembered);
    }
    QCOMPARE(Settings(settingsFile()).lightWarningAnswer(), remembered);
}

QTEST_GUILESS_MAIN(TestLightWarning)
#include "test_lightwarning.moc"
