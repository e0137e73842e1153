#include "session/programcatalogue.h"
#include "session/session.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {

constexpr Colour yellow {1, 1, 0};
constexpr Colour red {1, 0, 0};
constexpr Colour blue {0, 0, 1};
constexpr Colour teal {0.0f, 0.5f, 0.5f};

// A plan as a user might write it: down from 10 Hz, a long hold at 4 Hz, and up to 7.83 Hz, with
// colours of its own.
const StagePlan windDown = {
    {60, 10.0f, 4.0f, yellow, red},
    {120, 4.0f, 4.0f, red, red},
    {30, 4.0f, 7.83f, red, teal},
};

// The beat a plan has at `ms`, computed from the plan alone: the stage that holds the moment, and
// the straight line between its two beats.
float plannedBeat(const StagePlan &plan, qint64 ms)
{
    qint64 stageStart = 0;
    for (const PlannedStage &stage : plan) {
        const qint64 length = stage.lengthSeconds * qint64(1000);
        if (ms < stageStart + length)
            return stage.beatFrom + (stage.beatTo - stage.beatFrom) * (ms - stageStart) / length;
        stageStart += length;
    }
    return plan.last().beatTo;
}

} // namespace

// The session engine alone, with no window, no display, no sound and no clock: whole sessions are
// moved on moment by moment, and what they tell is read from their signals.
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
    void builtInProgramsAsStagePlans_data();
    void builtInProgramsAsStagePlans();
    void planPlaysItsStages();
    void planOfManyStagesRampsEachStage();
    void momentsBeforeTheLastChangeNothing();
    void endingToldOnceAtTheFirstMomentPastIt_data();
    void endingToldOnceAtTheFirstMomentPastIt();

private:
    // Moves the session on 20 ms at a time until it is at `ms`.
    void runTo(qint64 ms);
    // Moves the session on stepMs at a time until it stops; returns the moment it stopped at.
    qint64 runUntilStopped(qint64 stepMs);
    void moveTo(qint64 ms)
    {
        moment = ms;
        session->advanceTo(moment);
    }

    Session *session = nullptr;
    qint64 moment = 0;
};

void TestSessionEngine::init()
{
    moment = 0;
    session = new Session;
}

void TestSessionEngine::cleanup()
{
    delete session;
}

void TestSessionEngine::runTo(qint64 ms)
{
    while (moment < ms)
        moveTo(moment + 20);
}

qint64 TestSessionEngine::runUntilStopped(qint64 stepMs)
{
    while (session->isRunning() && moment < 50000000)
        moveTo(moment + stepMs);
    return moment;
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
    QCOMPARE(session->programName(), QStringLiteral("Deep Sleep"));
    QCOMPARE(session->totalSeconds(), 300);
    QCOMPARE(session->plan().size(), 3);
    QCOMPARE(session->plan().at(0).lengthSeconds, 90);
    QCOMPARE(session->plan().at(1).lengthSeconds, 120);
    QCOMPARE(session->stageNumber(), 1);
    QCOMPARE(session->moment(), qint64(0));
    QCOMPARE(beat.takeFirst().at(0).toFloat(), 20.0f);
    QCOMPARE(tone.takeFirst().at(0).toBool(), true);
    QCOMPARE(timeLeft.takeFirst().at(0).toInt(), 300);
    QCOMPARE(stage.takeFirst().at(0).toInt(), 1);

    // A moment with no time passed changes neither the beat nor the text.
    moveTo(0);
    QVERIFY(beat.isEmpty());
    QVERIFY(timeLeft.isEmpty());

    // Ticks of a stopped session do nothing.
    QSignalSpy stopped(session, &Session::stopped);
    session->stop();
    QCOMPARE(stopped.count(), 1);
    QSignalSpy colour(session, &Session::screenColourChanged);
    moveTo(20);
    QVERIFY(colour.isEmpty());
    session->stop();
    QCOMPARE(stopped.count(), 1);
}

void TestSessionEngine::stopKeepsStageAndFade()
{
    session->start(ProgramCatalogue::program(1), 300, true);
    // Run into a fade-out, then stop: stage and direction stay as they are.
    while (session->fadeDirection() == Session::Fade::In)
        moveTo(moment + 20);
    session->stop();
    QCOMPARE(session->fadeDirection(), Session::Fade::Out);
    QCOMPARE(session->stageNumber(), 1);

    // A new session begins with the direction the last one left, at moment 0 again.
    QSignalSpy timeLeft(session, &Session::timeLeftChanged);
    session->start(ProgramCatalogue::program(1), 300, true);
    QCOMPARE(session->moment(), qint64(0));
    moveTo(20);
    QCOMPARE(session->fadeDirection(), Session::Fade::Out);
    QVERIFY(session->flashLevel() > 0.0f && session->flashLevel() < 1.0f);
    moveTo(2000);
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
    QVector<qint64> stageChanges;
    QVector<int> stages;
    QVector<QByteArray> ends;
    connect(session, &Session::stageChanged, this, [&](int stage) {
        stageChanges << moment;
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
    QVector<int> endingTold;
    connect(session, &Session::ending, this, [&](int ms) { endingTold << ms; });

    runUntilStopped(stepMs);

    const qint64 first = (rampLength + 1) * 1000;
    const qint64 second = first + (plateauLength + 1) * 1000;
    const qint64 third = second + (rampLength + 1) * 1000;
    QCOMPARE(stageChanges, QVector<qint64>({first, second, third}));
    QCOMPARE(stages, QVector<int>({2, 3, 0}));
    QCOMPARE(ends, QVector<QByteArray>({"stopped", "finished"}));
    QCOMPARE(qint64(endingMs), third - totalSeconds * qint64(1000));
    QCOMPARE(endingTold, QVector<int>({endingMs}));
    QCOMPARE(session->millisecondsToFinish(), 0);
}

void TestSessionEngine::timeLeftOncePerSecondAndEndingForTheLastSeconds()
{
    session->start(ProgramCatalogue::program(7), 300, true);
    QVector<int> told;
    QVector<qint64> toldAt;
    connect(session, &Session::timeLeftChanged, this, [&](int seconds) {
        told << seconds;
        toldAt << moment;
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
    // Program 0: the plan windDown, in hundredths of a hertz.
    QTest::newRow("a plan of three stages") << 0 << 210;
}

// A session whose colour is not on show is moved on only when ticksToNextChange() says; all it
// tells but the colour must come at the same moments as when it is moved on every 20 ms.
void TestSessionEngine::skippedTicksChangeNothingButTheFlash()
{
    QFETCH(int, program);
    QFETCH(int, totalSeconds);

    QVector<QByteArray> told[2];
    int ticksInVain = 0;
    for (const bool skipping : {false, true}) {
        QVector<QByteArray> &log = told[skipping];
        Session session;
        qint64 at = 0;
        const auto note = [&](const char *what, double value) {
            log << QByteArray::number(at) + ' ' + what + ' ' + QByteArray::number(value);
        };
        connect(&session, &Session::timeLeftChanged, this, [&](int s) { note("left", s); });
        connect(&session, &Session::beatFrequencyChanged, this,
                [&](float hz) { note("beat", hz); });
        connect(&session, &Session::stageChanged, this, [&](int stage) { note("stage", stage); });
        connect(&session, &Session::ending, this, [&](int ms) { note("ending", ms); });
        connect(&session, &Session::finished, this, [&] { note("finished", 0); });

        if (program == 0)
            session.start(QStringLiteral("Wind-down"), windDown, false);
        else
            session.start(ProgramCatalogue::program(program), totalSeconds, false);
        QCOMPARE(session.totalSeconds(), totalSeconds);
        while (session.isRunning()) {
            at += Session::tickIntervalMs * (skipping ? session.ticksToNextChange() : 1);
            const int toldBefore = log.size();
            session.advanceTo(at);
            if (skipping && log.size() == toldBefore)
                ++ticksInVain;
        }
    }
    QCOMPARE(told[true], told[false]);
    // Every moment it woke for told something.
    QCOMPARE(ticksInVain, 0);
}

void TestSessionEngine::colourAndFrequencyAlongTheStages()
{
    session->start(ProgramCatalogue::program(3), 1800, false); // 20, 3, 20 Hz; yellow, red, blue
    QColor screenColour;
    connect(session, &Session::screenColourChanged, this,
            [&](const QColor &colour) { screenColour = colour; });

    runTo(300000); // halfway down the first ramp
    QCOMPARE(session->beatFrequency(), 11.0f);
    QVERIFY(qAbs(session->colour().green - 0.5f) < 0.001f);
    QCOMPARE(session->colour().red, 1.0f);

    runTo(601000 + 300000); // within the plateau
    QCOMPARE(session->stageNumber(), 2);
    QCOMPARE(session->beatFrequency(), 3.0f);
    QVERIFY(session->colour() == Colour({1, 0, 0}));

    runTo(1202000 + 300000); // halfway up the final ramp: 11.5 truncated
    QCOMPARE(session->stageNumber(), 3);
    QCOMPARE(session->beatFrequency(), 11.0f);
    QVERIFY(qAbs(session->colour().red - 0.5f) < 0.001f);
    QVERIFY(qAbs(session->colour().blue - 0.5f) < 0.001f);

    // The screen gets the mixed colour scaled by the flash level.
    const float level = session->flashLevel();
    QCOMPARE(screenColour,
             QColor(int(session->colour().red * level * 255.0), 0,
                    int(session->colour().blue * level * 255.0)));

    runTo(1803000);
    QVERIFY(!session->isRunning());
    QCOMPARE(session->stageNumber(), 0);
}

// The beat is told once per change, never for an unchanged value, and always at a start.
void TestSessionEngine::beatFrequencySignalsFollowTheRamp()
{
    QSignalSpy beat(session, &Session::beatFrequencyChanged);
    session->start(ProgramCatalogue::program(2), 300, false); // 20 -> 3 -> 20 Hz over 90 s ramps
    runUntilStopped(20);
    QVector<float> told;
    for (const QList<QVariant> &arguments : beat)
        told << arguments.at(0).toFloat();
    QCOMPARE(told.first(), 20.0f);
    QCOMPARE(told.last(), 20.0f);
    for (int i = 1; i < told.size(); ++i) {
        QVERIFY2(told[i] != told[i - 1], qPrintable(QString::number(i)));
        QCOMPARE(told[i], std::trunc(told[i]));
    }
    QVERIFY(told.contains(3.0f) && told.contains(19.0f) && told.contains(4.0f));

    beat.clear();
    moment = 0;
    session->start(ProgramCatalogue::program(2), 300, false);
    QCOMPARE(beat.count(), 1);
}

void TestSessionEngine::builtInProgramsAsStagePlans_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("totalSeconds");
    QTest::addColumn<int>("rampLength");
    QTest::addColumn<int>("plateauLength");

    QTest::newRow("Deep Sleep, 5 m") << 3 << 300 << 90 << 120;
    QTest::newRow("Active Concentration, 20 m") << 1 << 1200 << 390 << 420;
    QTest::newRow("Tired to Dreaming, 12 h 55 m") << 11 << 46500 << 600 << 45300;
}

// A built-in program's plan: ramps of a third of the session, at most ten minutes, its own beats
// and colours, and lengths that add up to the session's.
void TestSessionEngine::builtInProgramsAsStagePlans()
{
    QFETCH(int, program);
    QFETCH(int, totalSeconds);
    QFETCH(int, rampLength);
    QFETCH(int, plateauLength);

    const Program &built = ProgramCatalogue::program(program);
    const StagePlan plan = ProgramCatalogue::stagePlan(built, totalSeconds);
    QCOMPARE(plan.size(), 3);
    QCOMPARE(plan[0].lengthSeconds, rampLength);
    QCOMPARE(plan[1].lengthSeconds, plateauLength);
    QCOMPARE(plan[2].lengthSeconds, rampLength);
    QCOMPARE(plan[0].lengthSeconds + plan[1].lengthSeconds + plan[2].lengthSeconds, totalSeconds);
    const float start = built.startFrequency;
    const float plateau = built.plateauFrequency;
    const float end = built.endFrequency;
    QCOMPARE(QVector<float>({plan[0].beatFrom, plan[0].beatTo, plan[1].beatFrom, plan[1].beatTo,
                             plan[2].beatFrom, plan[2].beatTo}),
             QVector<float>({start, plateau, plateau, plateau, plateau, end}));
    QVERIFY(plan[0].colourFrom == built.startColour && plan[0].colourTo == built.plateauColour);
    QVERIFY(plan[1].colourFrom == built.plateauColour && plan[1].colourTo == built.plateauColour);
    QVERIFY(plan[2].colourFrom == built.plateauColour && plan[2].colourTo == built.endColour);
}

// A plan's stages follow one another at their own lengths, each ramping in a straight line to
// within a hundredth of a hertz; its end is a built-in program's: three seconds of "Ending...",
// told once, then the stop.
void TestSessionEngine::planPlaysItsStages()
{
    QVector<qint64> stageChanges;
    QVector<int> stages;
    connect(session, &Session::stageChanged, this, [&](int stage) {
        stageChanges << moment;
        stages << stage;
    });
    QVector<qint64> endingAt;
    QVector<int> endingMs;
    connect(session, &Session::ending, this, [&](int ms) {
        endingAt << moment;
        endingMs << ms;
    });
    QSignalSpy finished(session, &Session::finished);

    session->start(QStringLiteral("Wind-down"), windDown, false);
    QCOMPARE(session->program(), nullptr);
    QCOMPARE(session->programName(), QStringLiteral("Wind-down"));
    QCOMPARE(session->totalSeconds(), 210);
    QCOMPARE(session->beatFrequency(), 10.0f);

    while (session->isRunning()) {
        moveTo(moment + 20);
        if (!session->isRunning())
            break;
        const float expected = plannedBeat(windDown, moment);
        QVERIFY2(qAbs(session->beatFrequency() - expected) <= 0.005f + 1e-4f,
                 qPrintable(QStringLiteral("%1 ms: %2 Hz, planned %3")
                                .arg(moment)
                                .arg(session->beatFrequency())
                                .arg(expected)));
        if (moment == 30000) {
            QVERIFY(qAbs(session->colour().green - 0.5f) < 0.001f);
            QCOMPARE(session->colour().red, 1.0f);
        }
    }
    QCOMPARE(stageChanges, QVector<qint64>({0, 60000, 180000, 213000}));
    QCOMPARE(stages, QVector<int>({1, 2, 3, 0}));
    QCOMPARE(endingAt, QVector<qint64>({210000}));
    QCOMPARE(endingMs, QVector<int>({3000}));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(session->beatFrequency(), 7.83f);
    QVERIFY(session->colour() == teal);
}

// 32 stages of any beat from 0.5 to 40 Hz and any colour, some of a single second: each is
// entered at its own start, and halfway through it the beat and colour are halfway.
void TestSessionEngine::planOfManyStagesRampsEachStage()
{
    StagePlan plan;
    for (int i = 0; i < 32; ++i) {
        const float from = 0.5f + 1.25f * i;
        const float to = 40.0f - 1.25f * i;
        const Colour colourFrom {i / 31.0f, 0.25f, 1.0f - i / 31.0f};
        plan << PlannedStage {i % 4 == 0 ? 1 : 10 * (i + 1), from, to, colourFrom, blue};
    }
    QVector<qint64> stageStarts;
    connect(session, &Session::stageChanged, this, [&] { stageStarts << moment; });
    session->start(QStringLiteral("Many"), plan, true);

    qint64 start = 0;
    for (int i = 0; i < plan.size(); ++i) {
        const PlannedStage &stage = plan[i];
        const qint64 half = start + stage.lengthSeconds * 500;
        runTo(half);
        QCOMPARE(session->stageNumber(), i + 1);
        QVERIFY2(qAbs(session->beatFrequency() - (stage.beatFrom + stage.beatTo) / 2) < 0.006f,
                 qPrintable(QString::number(i)));
        QVERIFY(qAbs(session->colour().red - (stage.colourFrom.red + blue.red) / 2) < 0.001f);
        QVERIFY(qAbs(session->colour().blue - (stage.colourFrom.blue + blue.blue) / 2) < 0.001f);
        start += stage.lengthSeconds * qint64(1000);
        QCOMPARE(stageStarts.size(), i + 1);
        QCOMPARE(stageStarts.last(), start - stage.lengthSeconds * qint64(1000));
    }
    runUntilStopped(20);
    QCOMPARE(moment, start + Session::endingSeconds * 1000);
}

// Time runs one way: a moment earlier than the last one, as a clock read late may give, is left
// alone.
void TestSessionEngine::momentsBeforeTheLastChangeNothing()
{
    session->start(ProgramCatalogue::program(3), 300, false);
    moveTo(45000);
    const float beat = session->beatFrequency();
    const int left = session->secondsLeft();
    QSignalSpy colour(session, &Session::screenColourChanged);
    moveTo(44980);
    QVERIFY(colour.isEmpty());
    QCOMPARE(session->moment(), qint64(45000));
    QCOMPARE(session->beatFrequency(), beat);
    QCOMPARE(session->secondsLeft(), left);
}

void TestSessionEngine::endingToldOnceAtTheFirstMomentPastIt_data()
{
    QTest::addColumn<bool>("builtIn");
    QTest::addColumn<qint64>("stallFrom");
    QTest::addColumn<qint64>("stallTo");
    QTest::addColumn<int>("endingMs");
    QTest::addColumn<int>("finishedAt");

    // Deep Sleep for 5 minutes reads "Ending..." from 300 s and ends at 303 s; the plan from 210 s
    // to 213 s.
    QTest::newRow("built-in, on the grid")
        << true << qint64(299980) << qint64(300000) << 3000 << 303000;
    QTest::newRow("built-in, 2 s stall across it")
        << true << qint64(299500) << qint64(301500) << 1500 << 303000;
    QTest::newRow("built-in, stall into its last moment")
        << true << qint64(299000) << qint64(302980) << 20 << 303000;
    QTest::newRow("built-in, stall past the end")
        << true << qint64(299000) << qint64(304000) << -1 << 304000;
    QTest::newRow("plan, on the grid")
        << false << qint64(209980) << qint64(210000) << 3000 << 213000;
    QTest::newRow("plan, 2 s stall across it")
        << false << qint64(209500) << qint64(211500) << 1500 << 213000;
    QTest::newRow("plan, stall from its second stage")
        << false << qint64(100000) << qint64(212000) << 1000 << 213000;
    QTest::newRow("plan, stall past the end")
        << false << qint64(209000) << qint64(215000) << -1 << 215000;
}

// The end fade follows ending(): told once, at the first moment at or past the one at which the
// time left reads "Ending...", with the time still left, however late that moment comes. A stall
// past the end itself tells none, and the session stops at once.
void TestSessionEngine::endingToldOnceAtTheFirstMomentPastIt()
{
    QFETCH(bool, builtIn);
    QFETCH(qint64, stallFrom);
    QFETCH(qint64, stallTo);
    QFETCH(int, endingMs);
    QFETCH(int, finishedAt);

    if (builtIn)
        session->start(ProgramCatalogue::program(3), 300, false);
    else
        session->start(QStringLiteral("Wind-down"), windDown, false);
    QVector<int> told;
    connect(session, &Session::ending, this, [&](int ms) { told << ms; });
    QSignalSpy finished(session, &Session::finished);

    runTo(stallFrom);
    QVERIFY(told.isEmpty());
    moveTo(stallTo);
    QCOMPARE(told, endingMs < 0 ? QVector<int>() : QVector<int>({endingMs}));
    const qint64 stoppedAt = runUntilStopped(20);
    QCOMPARE(told.size(), endingMs < 0 ? 0 : 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(stoppedAt, qint64(finishedAt));
}

QTEST_GUILESS_MAIN(TestSessionEngine)
#include "test_sessionengine.moc"
