#include "player/sessionplayer.h"
#include "session/session.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

static qint64 virtualNowMs = 0;

static qint64 virtualTime()
{
    return virtualNowMs;
}

// Sessions through the real main window: Start and Stop with QTest clicks, the options, and a
// whole session run tick by tick in virtual time, judged by what the window shows.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startWithoutProgramIsRefused();
    void startAndStop();
    void durationChangeWaitsForNextStart();
    void optionsAtStart_data();
    void optionsAtStart();
    void toneClick();
    void visualizerClick();
    void sessionEndsByItself();

private:
    template<typename T> T *part(const char *name = nullptr) const
    {
        return WindowParts::child<T>(window, name);
    }
    QPushButton *button(const char *name) const { return part<QPushButton>(name); }
    QCheckBox *checkBox(const char *name) const { return part<QCheckBox>(name); }
    QString headline() const { return part<QLabel>("selectedLabel")->text(); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void setDuration(int hoursIndex, int minutesIndex);
    bool programButtonsEnabled(bool enabled) const;

    SessionPlayer *player = nullptr;
    MainWindow *window = nullptr;
    Session *session = nullptr;
};

void TestSession::init()
{
    virtualNowMs = 1000000;
    player = new SessionPlayer;
    window = new MainWindow(*player);
    session = &player->session();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestSession::cleanup()
{
    delete window;
    delete player;
}

void TestSession::setDuration(int hoursIndex, int minutesIndex)
{
    part<QComboBox>("hours")->setCurrentIndex(hoursIndex);
    part<QComboBox>("minutes")->setCurrentIndex(minutesIndex);
}

bool TestSession::programButtonsEnabled(bool enabled) const
{
    for (int n = 1; n <= 11; ++n) {
        if (button(("program" + QByteArray::number(n)).constData())->isEnabled() != enabled)
            return false;
    }
    return true;
}

void TestSession::startWithoutProgramIsRefused()
{
    click("startButton");
    QCOMPARE(headline(), QStringLiteral("Select a session first!"));
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isSoundPlaying());
}

void TestSession::startAndStop()
{
    click("program3");
    click("startButton");
    QVERIFY(session->isRunning());
    QCOMPARE(session->program(), &ProgramCatalogue::program(3));
    QCOMPARE(button("startButton")->text(), QStringLiteral("Stop"));
    QVERIFY(programButtonsEnabled(false));
    QCOMPARE(headline(), QStringLiteral("00:05:00"));
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(session->beatFrequency(), 20.0f);
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 5000);
    QVERIFY(WindowParts::sessionScreenShown());
    for (const char *alwaysUsable : {"hours", "minutes", "comboBox", "Tone", "Visualizer"})
        QVERIFY(part<QWidget>(alwaysUsable)->isEnabled());

    click("startButton");
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QCOMPARE(headline(), QStringLiteral("Deep Sleep"));
    QVERIFY(!player->isSoundPlaying());
    // A screen the user is looking at keeps its last colour until they close it.
    QVERIFY(WindowParts::sessionScreenShown());

    // The next session starts over with fresh clocks, and the session's timer ticks it.
    click("startButton");
    QTRY_COMPARE_WITH_TIMEOUT(headline(), QStringLiteral("00:04:59"), 3000);
    QCOMPARE(session->stageNumber(), 1);
}

void TestSession::durationChangeWaitsForNextStart()
{
    player->setClock(virtualTime);
    click("program2");
    click("startButton");
    setDuration(2, 3);
    virtualNowMs += 1000;
    player->tick();
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(headline(), QStringLiteral("00:04:59"));

    click("startButton");
    click("startButton");
    QCOMPARE(session->totalSeconds(), 2 * 3600 + 20 * 60);
    QCOMPARE(headline(), QStringLiteral("02:20:00"));
}

void TestSession::optionsAtStart_data()
{
    QTest::addColumn<bool>("tone");
    QTest::addColumn<bool>("visualizer");
    QTest::newRow("both") << true << true;
    QTest::newRow("no tone") << false << true;
    QTest::newRow("no visualizer") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestSession::optionsAtStart()
{
    QFETCH(bool, tone);
    QFETCH(bool, visualizer);
    checkBox("Tone")->setChecked(tone);
    checkBox("Visualizer")->setChecked(visualizer);
    // An earlier choice must not win over the box's state at Start.
    session->setSecondaryTone(!tone);

    click("program5");
    click("startButton");
    QCOMPARE(session->secondaryTone(), tone);
    QCOMPARE(WindowParts::sessionScreenShown(), visualizer);
    // The flash, and with it a tick every 20 ms, only while the screen shows it.
    QCOMPARE(player->isColourShown(), visualizer);
}

void TestSession::toneClick()
{
    auto *description = part<QTextBrowser>("sessionDescription");
    const QString notice =
        QStringLiteral("Your changes will take effect during the next tone scheduled tone change.");
    click("program4");

    // Idle: the choice is taken, nothing is shown.
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(!session->secondaryTone());
    QVERIFY(description->toPlainText() != notice);

    click("startButton");
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(session->secondaryTone());
    QCOMPARE(description->toPlainText(), notice);
    player->tick();
    QCOMPARE(description->toPlainText(), notice);

    click("startButton");
    QVERIFY(description->toPlainText() != notice);
}

void TestSession::visualizerClick()
{
    QCheckBox *visualizer = checkBox("Visualizer");

    // No session: checking shows nothing.
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(visualizer->isChecked());
    QVERIFY(!WindowParts::sessionScreenShown());

    visualizer->setChecked(false);
    click("program6");
    click("startButton");
    QVERIFY(!WindowParts::sessionScreenShown());
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(WindowParts::sessionScreenShown());
    QTRY_COMPARE_WITH_TIMEOUT(WindowParts::sessionScreen()->geometry(),
                              QGuiApplication::primaryScreen()->geometry(), 5000);

    // Unchecking never hides it.
    visualizer->setChecked(true);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(!visualizer->isChecked());
    QVERIFY(WindowParts::sessionScreenShown());

    // Escape hides it; the session, its tone and the next tick go on, and the box follows at
    // once, and again at each tick.
    QVERIFY(player->isColourShown());
    visualizer->setChecked(true);
    QTest::keyClick(WindowParts::sessionScreen(), Qt::Key_Escape);
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isColourShown());
    QVERIFY(!visualizer->isChecked());
    visualizer->setChecked(true);
    player->tick();
    QVERIFY(!visualizer->isChecked());
    QVERIFY(session->isRunning());
}

// At its end the session stops itself: "Ending..." shows for one more tick, then the selection
// comes back, and the window is ready for the next Start.
void TestSession::sessionEndsByItself()
{
    player->setClock(virtualTime);
    click("program3");
    click("startButton");
    QVERIFY(WindowParts::sessionScreenShown());
    const qint64 startedAt = virtualNowMs;
    while (session->isRunning() && virtualNowMs - startedAt < 400000) {
        virtualNowMs += 20;
        player->tick();
    }

    QCOMPARE(virtualNowMs - startedAt, qint64(303000));
    QVERIFY(!session->isRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!WindowParts::sessionScreenShown());
    QVERIFY(!player->isSoundPlaying());
    QCOMPARE(headline(), QStringLiteral("Ending..."));
    QTRY_COMPARE_WITH_TIMEOUT(headline(), QStringLiteral("Deep Sleep"), 1000);
}

QTEST_MAIN(TestSession)
#include "test_session.moc"
