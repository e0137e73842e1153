#include "display/flashscreen.h"
#include "mainwindowprobe.h"
#include "tests/referencetone.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

#include <dlfcn.h>
#include <sys/time.h>
#include <time.h>

// Shifting the wall clock of this process only: every call of Qt and the C library into
// clock_gettime or gettimeofday comes here first, and CLOCK_REALTIME readings get the offset.
static time_t wallClockShiftSeconds = 0;

extern "C" int clock_gettime(clockid_t clock, struct timespec *time)
{
    using Real = int (*)(clockid_t, struct timespec *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "clock_gettime"));
    const int result = real(clock, time);
    if (result == 0 && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        time->tv_sec += wallClockShiftSeconds;
    return result;
}

extern "C" int gettimeofday(struct timeval *time, void *zone)
{
    using Real = int (*)(struct timeval *, void *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "gettimeofday"));
    const int result = real(time, zone);
    if (result == 0)
        time->tv_sec += wallClockShiftSeconds;
    return result;
}

static qint64 virtualNowMs = 0;

static qint64 virtualTime()
{
    return virtualNowMs;
}

Q_DECLARE_METATYPE(Colour)

// Sessions through the real main window: Start and Stop with QTest clicks, and whole sessions
// run tick by tick in virtual time.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startWithoutProgramIsRefused();
    void startAndStop();
    void stopKeepsFadeAndScreen();
    void durationChangeWaitsForNextStart();
    void optionsAtStart_data();
    void optionsAtStart();
    void toneClick();
    void visualizerClick();
    void wholeSession_data();
    void wholeSession();
    void endingShowsForTheLastSeconds();
    void colourAndFrequencyAlongTheStages();
    void wallClockJumpChangesNothing();

private:
    QPushButton *button(const char *name) const { return probe->widget<QPushButton>(name); }
    QCheckBox *checkBox(const char *name) const { return probe->widget<QCheckBox>(name); }
    QString headline() const { return probe->widget<QLabel>("selectedLabel")->text(); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void setDuration(int hoursIndex, int minutesIndex);
    bool programButtonsEnabled(bool enabled) const;
    // Advances virtual time by stepMs and ticks, until the session stops or maxMs have passed.
    qint64 runUntilStopped(qint64 stepMs, qint64 maxMs);

    MainWindow *window = nullptr;
    MainWindowProbe *probe = nullptr;
};

void TestSession::init()
{
    virtualNowMs = 1000000;
    wallClockShiftSeconds = 0;
    window = new MainWindow;
    probe = new MainWindowProbe(*window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestSession::cleanup()
{
    SessionClock::setTimeSource(nullptr);
    delete probe;
    delete window;
}

void TestSession::setDuration(int hoursIndex, int minutesIndex)
{
    probe->widget<QComboBox>("hours")->setCurrentIndex(hoursIndex);
    probe->widget<QComboBox>("minutes")->setCurrentIndex(minutesIndex);
}

bool TestSession::programButtonsEnabled(bool enabled) const
{
    for (int n = 1; n <= 11; ++n) {
        if (button(("program" + QByteArray::number(n)).constData())->isEnabled() != enabled)
            return false;
    }
    return true;
}

qint64 TestSession::runUntilStopped(qint64 stepMs, qint64 maxMs)
{
    const qint64 startedAt = virtualNowMs;
    while (probe->sessionRunning() && virtualNowMs - startedAt < maxMs) {
        virtualNowMs += stepMs;
        probe->tick();
    }
    return virtualNowMs - startedAt;
}

void TestSession::startWithoutProgramIsRefused()
{
    click("startButton");
    QCOMPARE(headline(), QStringLiteral("Select a session first!"));
    QVERIFY(!probe->sessionRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!probe->sessionScreen().isVisible());
    QCOMPARE(probe->audioOutput().state(), QAudio::StoppedState);

    // Idle ticks keep the refusal on show until a program is chosen.
    probe->tick();
    QCOMPARE(headline(), QStringLiteral("Select a session first!"));
}

void TestSession::startAndStop()
{
    click("program3");
    click("startButton");
    QVERIFY(probe->sessionRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Stop"));
    QVERIFY(programButtonsEnabled(false));
    QCOMPARE(headline(), QStringLiteral("00:05:00"));
    QCOMPARE(probe->totalSeconds(), 300);
    QCOMPARE(probe->rampLength(), 90);
    QCOMPARE(probe->plateauLength(), 120);
    QCOMPARE(probe->stage(), 1);
    QCOMPARE(probe->generator().beatFrequency, 20.0f);
    QVERIFY(probe->generator().isOpen());
    // The sound server takes the requested format as it is.
    QCOMPARE(probe->audioOutput().format(), ReferenceTone::requestedFormat());
    QCOMPARE(probe->audioOutput().state(), QAudio::ActiveState);
    QVERIFY(probe->sessionScreen().isVisible());
    for (const char *alwaysUsable : {"hours", "minutes", "comboBox", "Tone", "Visualizer"})
        QVERIFY(probe->widget<QWidget>(alwaysUsable)->isEnabled());

    click("startButton");
    QVERIFY(!probe->sessionRunning());
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QCOMPARE(headline(), QStringLiteral("Deep Sleep"));
    QVERIFY(!probe->generator().isOpen());
    QCOMPARE(probe->stage(), 1);

    // The next session starts over at stage 1 with fresh clocks.
    SessionClock::setTimeSource(virtualTime);
    click("startButton");
    virtualNowMs += 2000;
    probe->tick();
    QCOMPARE(headline(), QStringLiteral("00:04:58"));
    QCOMPARE(probe->stage(), 1);
}

void TestSession::stopKeepsFadeAndScreen()
{
    SessionClock::setTimeSource(virtualTime);
    click("program1");
    click("startButton");
    // Run into a fade-out, then stop: direction and screen stay as they are.
    while (probe->fadeDirection() == 0) {
        virtualNowMs += 20;
        probe->tick();
    }
    click("startButton");
    QCOMPARE(probe->fadeDirection(), 1);
    QVERIFY(probe->sessionScreen().isVisible());

    // A new session begins with the direction the last one left.
    click("startButton");
    virtualNowMs += 20;
    probe->tick();
    QCOMPARE(probe->fadeDirection(), 1);
    QVERIFY(probe->flashLevel() > 0.0f && probe->flashLevel() < 1.0f);
}

void TestSession::durationChangeWaitsForNextStart()
{
    SessionClock::setTimeSource(virtualTime);
    click("program2");
    click("startButton");
    setDuration(2, 3);
    virtualNowMs += 1000;
    probe->tick();
    QCOMPARE(probe->totalSeconds(), 300);
    QCOMPARE(headline(), QStringLiteral("00:04:59"));

    click("startButton");
    click("startButton");
    QCOMPARE(probe->totalSeconds(), 2 * 3600 + 20 * 60);
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
    // An earlier click must not win over the box's state at Start.
    probe->generator().secondaryTone = !tone;

    click("program5");
    click("startButton");
    QCOMPARE(probe->generator().secondaryTone, tone);
    QCOMPARE(probe->sessionScreen().isVisible(), visualizer);
}

void TestSession::toneClick()
{
    auto *description = probe->widget<QTextBrowser>("sessionDescription");
    const QString notice =
        QStringLiteral("Your changes will take effect during the next tone scheduled tone change.");
    click("program4");

    // Idle: the choice is taken, nothing is shown.
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(!probe->generator().secondaryTone);
    QVERIFY(description->toPlainText() != notice);

    click("startButton");
    QTest::mouseClick(checkBox("Tone"), Qt::LeftButton);
    QVERIFY(probe->generator().secondaryTone);
    QCOMPARE(description->toPlainText(), notice);
    probe->tick();
    QCOMPARE(description->toPlainText(), notice);

    click("startButton");
    QVERIFY(description->toPlainText() != notice);
}

void TestSession::visualizerClick()
{
    QCheckBox *visualizer = checkBox("Visualizer");
    SessionScreen &screen = probe->sessionScreen();

    // No session: checking shows nothing.
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(visualizer->isChecked());
    QVERIFY(!screen.isVisible());

    visualizer->setChecked(false);
    click("program6");
    click("startButton");
    QVERIFY(!screen.isVisible());
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(screen.isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(screen.geometry(), QGuiApplication::primaryScreen()->geometry(),
                              5000);

    // Unchecking never hides it.
    visualizer->setChecked(true);
    QTest::mouseClick(visualizer, Qt::LeftButton);
    QVERIFY(!visualizer->isChecked());
    QVERIFY(screen.isVisible());

    // Escape hides it; the session, its tone and the next tick go on, and the box follows.
    QTest::keyClick(&screen, Qt::Key_Escape);
    QVERIFY(!screen.isVisible());
    visualizer->setChecked(true);
    probe->tick();
    QVERIFY(!visualizer->isChecked());
    QVERIFY(probe->sessionRunning());
}

void TestSession::wholeSession_data()
{
    QTest::addColumn<int>("hoursIndex");
    QTest::addColumn<int>("minutesIndex");
    QTest::addColumn<qint64>("stepMs");
    QTest::addColumn<int>("rampLength");
    QTest::addColumn<int>("plateauLength");

    QTest::newRow("5 minutes") << 0 << 0 << qint64(20) << 90 << 120;
    QTest::newRow("30 minutes") << 0 << 5 << qint64(20) << 600 << 600;
    QTest::newRow("12 h 55 m") << 12 << 10 << qint64(250) << 600 << 45300;
}

// Each stage ends at the first tick past its length in whole seconds, so the three stages take
// their lengths plus three seconds; the session then stops itself in the same tick.
void TestSession::wholeSession()
{
    QFETCH(int, hoursIndex);
    QFETCH(int, minutesIndex);
    QFETCH(qint64, stepMs);
    QFETCH(int, rampLength);
    QFETCH(int, plateauLength);

    SessionClock::setTimeSource(virtualTime);
    checkBox("Visualizer")->setChecked(false);
    setDuration(hoursIndex, minutesIndex);
    click("program3");
    click("startButton");
    const qint64 startedAt = virtualNowMs;

    QVector<qint64> stageChanges;
    int stage = probe->stage();
    while (probe->sessionRunning() && virtualNowMs - startedAt < 50000000) {
        virtualNowMs += stepMs;
        probe->tick();
        if (probe->stage() != stage) {
            stageChanges << virtualNowMs - startedAt;
            stage = probe->stage();
        }
    }

    const qint64 first = (rampLength + 1) * 1000;
    const qint64 second = first + (plateauLength + 1) * 1000;
    const qint64 third = second + (rampLength + 1) * 1000;
    QCOMPARE(stageChanges, QVector<qint64>({first, second, third}));
    QCOMPARE(stage, 0);
    QCOMPARE(button("startButton")->text(), QStringLiteral("Start"));
    QVERIFY(programButtonsEnabled(true));
    QVERIFY(!probe->sessionScreen().isVisible());
    QCOMPARE(headline(), QStringLiteral("Ending..."));
    probe->tick();
    QCOMPARE(headline(), QStringLiteral("Deep Sleep"));
}

void TestSession::endingShowsForTheLastSeconds()
{
    SessionClock::setTimeSource(virtualTime);
    checkBox("Visualizer")->setChecked(false);
    click("program7");
    click("startButton");
    const qint64 startedAt = virtualNowMs;
    qint64 endingFrom = -1;
    while (probe->sessionRunning()) {
        virtualNowMs += 20;
        probe->tick();
        if (endingFrom < 0 && headline() == QLatin1String("Ending..."))
            endingFrom = virtualNowMs - startedAt;
    }
    QCOMPARE(endingFrom, qint64(300000));
    QCOMPARE(virtualNowMs - startedAt, qint64(303000));
}

void TestSession::colourAndFrequencyAlongTheStages()
{
    SessionClock::setTimeSource(virtualTime);
    checkBox("Visualizer")->setChecked(false);
    setDuration(0, 5);
    click("program3"); // 20, 3, 20 Hz; yellow, red, blue
    click("startButton");
    const qint64 startedAt = virtualNowMs;
    const auto runTo = [&](qint64 ms) {
        while (virtualNowMs - startedAt < ms) {
            virtualNowMs += 20;
            probe->tick();
        }
    };

    runTo(300000); // halfway down the first ramp
    QCOMPARE(probe->generator().beatFrequency, 11.0f);
    QVERIFY(qAbs(probe->mixedColour().green - 0.5f) < 0.001f);
    QCOMPARE(probe->mixedColour().red, 1.0f);

    runTo(601000 + 300000); // within the plateau
    QCOMPARE(probe->stage(), 2);
    QCOMPARE(probe->generator().beatFrequency, 3.0f);
    QVERIFY(probe->mixedColour() == Colour({1, 0, 0}));

    runTo(1202000 + 300000); // halfway up the final ramp: 11.5 truncated
    QCOMPARE(probe->stage(), 3);
    QCOMPARE(probe->generator().beatFrequency, 11.0f);
    QVERIFY(qAbs(probe->mixedColour().red - 0.5f) < 0.001f);
    QVERIFY(qAbs(probe->mixedColour().blue - 0.5f) < 0.001f);

    // The flash screen gets the mixed colour scaled by the flash level.
    auto *flash = probe->sessionScreen().findChild<FlashScreen *>("widget");
    QCOMPARE(flash->red, int(probe->mixedColour().red * probe->flashLevel() * 255.0));
    QCOMPARE(flash->blue, int(probe->mixedColour().blue * probe->flashLevel() * 255.0));

    runTo(1803000);
    QVERIFY(!probe->sessionRunning());
    QCOMPARE(probe->stage(), 0);
}

// The session's clocks are monotonic: a daylight-saving change or a clock correction during an
// overnight session moves neither its stages nor the time left.
void TestSession::wallClockJumpChangesNothing()
{
    click("program8");
    click("startButton");
    const QDateTime before = QDateTime::currentDateTimeUtc();

    for (const time_t shift : {3600, -3600, 86400}) {
        wallClockShiftSeconds = shift;
        QVERIFY(qAbs(before.secsTo(QDateTime::currentDateTimeUtc()) - shift) < 60);
        probe->tick();
        QVERIFY(probe->sessionRunning());
        QCOMPARE(probe->stage(), 1);
        QVERIFY2(headline() == QLatin1String("00:05:00") || headline() == QLatin1String("00:04:59"),
                 qPrintable(headline()));
    }
}

QTEST_MAIN(TestSession)
#include "test_session.moc"
