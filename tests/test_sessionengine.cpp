#include "session/programcatalogue.h"
#include "session/session.h"

#include <QDateTime>
#include <QSignalSpy>
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

// The session engine alone, with no window, no display and no sound: whole sessions run tick by
// tick in virtual time, and what they tell is read from their signals.
class TestSessionEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startSetsUpTheFirstStage();
    void stopKeepsStageAndFade();
    void wholeSession_data();
    void wholeSession();
    void timeLeftOncePerSecondAndEndingForTheLastSeconds();
    void colourAndFrequencyAlongTheStages();
    void beatFrequencySignalsFollowTheRamp();
    void skippedTicksChangeNothingButTheFlash_data();
    void skippedTicksChangeNothingButTheFlash();
    void wallClockJumpChangesNothing();

private:
    // Advances virtual time by 20 ms a tick until virtual time reaches ms after startedAt.
    void runTo(qint64 startedAt, qint64 ms);
    // Advances virtual time by stepMs a tick until the session stops; returns the time taken.
    qint64 runUntilStopped(qint64 stepMs);

    Session *session = nullptr;
};

void TestSessionEngine::init()
{
    virtualNowMs = 1000000;
    wallClockShiftSeconds = 0;
    SessionClock::setTimeSource(virtualTime);
    qRegisterMetaType<Session::Stage>();
    session = new Session;
}

void TestSessionEngine::cleanup()
{
    delete session;
    SessionClock::setTimeSource(nullptr);
}

void TestSessionEngine::runTo(qint64 startedAt, qint64 ms)
{
    while (virtualNowMs - startedAt < ms) {
        virtualNowMs += 20;
        session->tick();
    }
}

qint64 TestSessionEngine::runUntilStopped(qint64 stepMs)
{
    const qint64 startedAt = virtualNowMs;
    while (session->isRunning() && virtualNowMs - startedAt < 50000000) {
        virtualNowMs += stepMs;
        session->tick();
    }
    return virtualNowMs - startedAt;
}

void TestSessionEngine::startSetsUpTheFirstStage()
{
    QSignalSpy beat(session, &Session::beatFrequencyChanged);
    QSignalSpy tone(session, &Session::secondaryToneChanged);
    QSignalSpy timeLeft(session, &Session::timeLeftChanged);
    QSignalSpy stage(session, &Session::stageChanged);

    session->start(ProgramCatalogue::program(3), 300, true);
    QVERIFY(session->isRunning());
    QCOMPARE(session->program(), &ProgramCatalogue::program(3));
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(session->rampLength(), 90);
    QCOMPARE(session->plateauLength(), 120);
    QCOMPARE(session->stage(), Session::Stage::FirstRamp);
    QCOMPARE(beat.takeFirst().at(0).toInt(), 20);
    QCOMPARE(tone.takeFirst().at(0).toBool(), true);
    QCOMPARE(timeLeft.takeFirst().at(0).toInt(), 300);
    QCOMPARE(stage.takeFirst().at(0).value<Session::Stage>(), Session::Stage::FirstRamp);

    // A tick with no time passed changes neither the beat nor the text.
    session->tick();
    QVERIFY(beat.isEmpty());
    QVERIFY(timeLeft.isEmpty());

    // Ticks of a stopped session do nothing.
    QSignalSpy stopped(session, &Session::stopped);
    session->stop();
    QCOMPARE(stopped.count(), 1);
    QSignalSpy colour(session, &Session::screenColourChanged);
    virtualNowMs += 20;
    session->tick();
    QVERIFY(colour.isEmpty());
    session->stop();
    QCOMPARE(stopped.count(), 1);
}

void TestSessionEngine::stopKeepsStageAndFade()
{
    session->start(ProgramCatalogue::program(1), 300, true);
    // Run into a fade-out, then stop: stage and direction stay as they are.
    while (session->fadeDirection() == Session::Fade::In) {
        virtualNowMs += 20;
        session->tick();
    }
    session->stop();
    QCOMPARE(session->fadeDirection(), Session::Fade::Out);
    QCOMPARE(session->stage(), Session::Stage::FirstRamp);

    // A new session begins with the direction the last one left, on fresh clocks.
    QSignalSpy timeLeft(session, &Session::timeLeftChanged);
    session->start(ProgramCatalogue::program(1), 300, true);
    virtualNowMs += 20;
    session->tick();
    QCOMPARE(session->fadeDirection(), Session::Fade::Out);
    QVERIFY(session->flashLevel() > 0.0f && session->flashLevel() < 1.0f);
    virtualNowMs += 1980;
    session->tick();
    QCOMPARE(timeLeft.last().at(0).toInt(), 298);
}

void TestSessionEngine::wholeSession_data()
{
    QTest::addColumn<int>("totalSeconds");
    QTest::addColumn<qint64>("stepMs");
    QTest::addColumn<int>("rampLength");
    QTest::addColumn<int>("plateauLength");

    QTest::newRow("5 minutes") << 300 << qint64(20) << 90 << 120;
    QTest::newRow("30 minutes") << 1800 << qint64(20) << 600 << 600;
    QTest::newRow("12 h 55 m") << 46500 << qint64(250) << 600 << 45300;
}

// Each stage ends at the first tick past its length in whole seconds, so the three stages take
// their lengths plus three seconds; the session then stops itself in the same tick. When the window
// first reads "Ending...", the session knows how long it has left.
void TestSessionEngine::wholeSession()
{
    QFETCH(int, totalSeconds);
    QFETCH(qint64, stepMs);
    QFETCH(int, rampLength);
    QFETCH(int, plateauLength);

    session->start(ProgramCatalogue::program(3), totalSeconds, false);
    const qint64 startedAt = virtualNowMs;
    QVector<qint64> stageChanges;
    QVector<Session::Stage> stages;
    QVector<QByteArray> ends;
    connect(session, &Session::stageChanged, this, [&](Session::Stage stage) {
        stageChanges << virtualNowMs - startedAt;
        stages << stage;
    });
    connect(session, &Session::stopped, this, [&] { ends << "stopped"; });
    connect(session, &Session::finished, this, [&] {
        ends << "finished";
        QVERIFY(!session->isRunning());
    });
    // What the player fades over once the window reads "Ending...".
    QCOMPARE(session->millisecondsToFinish(), 0);
    int endingMs = -1;
    connect(session, &Session::timeLeftChanged, this, [&](int seconds) {
        if (seconds == 0)
            endingMs = session->millisecondsToFinish();
    });

    runUntilStopped(stepMs);

    const qint64 first = (rampLength + 1) * 1000;
    const qint64 second = first + (plateauLength + 1) * 1000;
    const qint64 third = second + (rampLength + 1) * 1000;
    QCOMPARE(stageChanges, QVector<qint64>({first, second, third}));
    QCOMPARE(stages,
             QVector<Session::Stage>(
                 {Session::Stage::Plateau, Session::Stage::FinalRamp, Session::Stage::None}));
    QCOMPARE(ends, QVector<QByteArray>({"stopped", "finished"}));
    QCOMPARE(qint64(endingMs), third - totalSeconds * qint64(1000));
    QCOMPARE(session->millisecondsToFinish(), 0);
}

void TestSessionEngine::timeLeftOncePerSecondAndEndingForTheLastSeconds()
{
    session->start(ProgramCatalogue::program(7), 300, true);
    const qint64 startedAt = virtualNowMs;
    QVector<int> told;
    QVector<qint64> toldAt;
    connect(session, &Session::timeLeftChanged, this, [&](int seconds) {
        told << seconds;
        toldAt << virtualNowMs - startedAt;
    });
    const qint64 took = runUntilStopped(20);

    QCOMPARE(took, qint64(303000));
    QCOMPARE(told.size(), 303);
    for (int i = 0; i < told.size(); ++i) {
        QCOMPARE(told[i], 299 - i);
        QCOMPARE(toldAt[i], qint64(1000 * (i + 1)));
    }
    // Below one second left the window reads "Ending...": from 300 s on.
    QCOMPARE(toldAt[told.indexOf(0)], qint64(300000));
}

void TestSessionEngine::skippedTicksChangeNothingButTheFlash_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("totalSeconds");
    QTest::newRow("5 minutes, 20 to 3 to 20 Hz") << 3 << 300;
    QTest::newRow("30 minutes, Deep Sleep") << 1 << 1800;
    QTest::newRow("2 h 5 m") << 7 << 7500;
}

// A session whose colour is not on show ticks only when ticksToNextChange() says; all it tells
// but the colour must come at the same ticks as when it ticks every 20 ms.
void TestSessionEngine::skippedTicksChangeNothingButTheFlash()
{
    QFETCH(int, program);
    QFETCH(int, totalSeconds);

    QVector<QByteArray> told[2];
    int ticksInVain = 0;
    for (const bool skipping : {false, true}) {
        QVector<QByteArray> &log = told[skipping];
        Session session;
        session.setSelfTicking(false);
        const qint64 startedAt = virtualNowMs;
        const auto note = [&](const char *what, int value) {
            log << QByteArray::number(virtualNowMs - startedAt) + ' ' + what + ' ' +
                    QByteArray::number(value);
        };
        connect(&session, &Session::timeLeftChanged, this, [&](int s) { note("left", s); });
        connect(&session, &Session::beatFrequencyChanged, this, [&](int hz) { note("beat", hz); });
        connect(&session, &Session::stageChanged, this,
                [&](Session::Stage stage) { note("stage", int(stage)); });
        connect(&session, &Session::finished, this, [&] { note("finished", 0); });

        session.start(ProgramCatalogue::program(program), totalSeconds, false);
        while (session.isRunning()) {
            virtualNowMs += Session::tickIntervalMs * (skipping ? session.ticksToNextChange() : 1);
            const int toldBefore = log.size();
            session.tick();
            if (skipping && log.size() == toldBefore)
                ++ticksInVain;
        }
    }
    QCOMPARE(told[true], told[false]);
    // Every tick it woke for told something.
    QCOMPARE(ticksInVain, 0);
}

void TestSessionEngine::colourAndFrequencyAlongTheStages()
{
    session->start(ProgramCatalogue::program(3), 1800, false); // 20, 3, 20 Hz; yellow, red, blue
    const qint64 startedAt = virtualNowMs;
    QColor screenColour;
    connect(session, &Session::screenColourChanged, this,
            [&](const QColor &colour) { screenColour = colour; });

    runTo(startedAt, 300000); // halfway down the first ramp
    QCOMPARE(session->beatFrequency(), 11);
    QVERIFY(qAbs(session->colour().green - 0.5f) < 0.001f);
    QCOMPARE(session->colour().red, 1.0f);

    runTo(startedAt, 601000 + 300000); // within the plateau
    QCOMPARE(session->stage(), Session::Stage::Plateau);
    QCOMPARE(session->beatFrequency(), 3);
    QVERIFY(session->colour() == Colour({1, 0, 0}));

    runTo(startedAt, 1202000 + 300000); // halfway up the final ramp: 11.5 truncated
    QCOMPARE(session->stage(), Session::Stage::FinalRamp);
    QCOMPARE(session->beatFrequency(), 11);
    QVERIFY(qAbs(session->colour().red - 0.5f) < 0.001f);
    QVERIFY(qAbs(session->colour().blue - 0.5f) < 0.001f);

    // The screen gets the mixed colour scaled by the flash level.
    const float level = session->flashLevel();
    QCOMPARE(screenColour,
             QColor(int(session->colour().red * level * 255.0), 0,
                    int(session->colour().blue * level * 255.0)));

    runTo(startedAt, 1803000);
    QVERIFY(!session->isRunning());
    QCOMPARE(session->stage(), Session::Stage::None);
}

// The beat is told once per change, never for an unchanged value, and always at a start.
void TestSessionEngine::beatFrequencySignalsFollowTheRamp()
{
    QSignalSpy beat(session, &Session::beatFrequencyChanged);
    session->start(ProgramCatalogue::program(2), 300, false); // 20 -> 3 -> 20 Hz over 90 s ramps
    runUntilStopped(20);
    QVector<int> told;
    for (const QList<QVariant> &arguments : beat)
        told << arguments.at(0).toInt();
    QCOMPARE(told.first(), 20);
    QCOMPARE(told.last(), 20);
    for (int i = 1; i < told.size(); ++i)
        QVERIFY2(told[i] != told[i - 1], qPrintable(QString::number(i)));
    QVERIFY(told.contains(3) && told.contains(19) && told.contains(4));

    beat.clear();
    session->start(ProgramCatalogue::program(2), 300, false);
    QCOMPARE(beat.count(), 1);
}

// The session's clocks are monotonic: a daylight-saving change or a clock correction during an
// overnight session moves neither its stages nor the time left.
void TestSessionEngine::wallClockJumpChangesNothing()
{
    SessionClock::setTimeSource(nullptr);
    QSignalSpy timeLeft(session, &Session::timeLeftChanged);
    session->start(ProgramCatalogue::program(8), 300, true);
    const QDateTime before = QDateTime::currentDateTimeUtc();

    for (const time_t shift : {3600, -3600, 86400}) {
        wallClockShiftSeconds = shift;
        QVERIFY(qAbs(before.secsTo(QDateTime::currentDateTimeUtc()) - shift) < 60);
        session->tick();
        QVERIFY(session->isRunning());
        QCOMPARE(session->stage(), Session::Stage::FirstRamp);
        const int seconds = timeLeft.last().at(0).toInt();
        QVERIFY2(seconds == 300 || seconds == 299, qPrintable(QString::number(seconds)));
    }
}

QTEST_GUILESS_MAIN(TestSessionEngine)
#include "test_sessionengine.moc"
