#include "player/sessionplayer.h"
#include "session/session.h"
#include "sound/ambientplayer.h"
#include "tests/recording.h"
#include "tests/referencetone.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>
#include <memory>
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

using ReferenceTone::sampleAt;

namespace {

const int FramesPerSecond = 44100;

qint64 virtualNowMs = 0;

qint64 virtualTime()
{
    return virtualNowMs;
}

} // namespace

using SoundAnalysis::firstSoundingFrame;
using SoundAnalysis::lastSoundingFrame;

// The player as the window, the media controls and velmora-render's plan all rely on it, with no
// window at all: what it starts is heard on the private sink of tests/with-desktop.
class TestSessionPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playsTheProgramsBeat();
    void stopSilencesBothSounds();
    void endsByItself();
    void playsAPlanOfStages();
    void wallClockJumpChangesNothing();

private:
    void startRecording();

    QTemporaryDir directory;
    std::unique_ptr<Recording> recording;
    std::unique_ptr<SessionPlayer> player;
};

void TestSessionPlayer::init()
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    player = std::make_unique<SessionPlayer>();
}

void TestSessionPlayer::cleanup()
{
    player.reset();
    recording.reset();
    wallClockShiftSeconds = 0;
}

void TestSessionPlayer::startRecording()
{
    recording = std::make_unique<Recording>(
        directory.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".raw"), QString(),
        Recording::SampleExactLatencyMs);
    QString error;
    QVERIFY2(recording->start(&error), qPrintable(error));
}

// Deep Sleep starts at 20 Hz: the tone at the sink is the 20 Hz loop with the secondary tone,
// sample for sample, and the player tells what it started.
void TestSessionPlayer::playsTheProgramsBeat()
{
    startRecording();
    QSignalSpy started(player.get(), &SessionPlayer::started);
    const Program &deepSleep = ProgramCatalogue::program(3);
    player->start(deepSleep, 600, AmbientSound::None, true);
    QVERIFY(player->isRunning());
    QCOMPARE(started.size(), 1);
    QCOMPARE(started.first().at(0).toString(), QStringLiteral("Deep Sleep"));
    QCOMPARE(started.first().at(1).toInt(), 600);
    QCOMPARE(player->program(), &deepSleep);
    QCOMPARE(player->programName(), QStringLiteral("Deep Sleep"));
    QCOMPARE(player->secondsLeft(), 600);
    QVERIFY(player->ambientPlayer().file().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 10000);

    const QByteArray loop = ReferenceTone::loop(396, 20, true, 1);
    const qint64 loopStart = firstSoundingFrame(loop);
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(2 * FramesPerSecond), 10000);
    const QByteArray &pcm = recording->data();
    const qint64 first = firstSoundingFrame(pcm);
    for (qint64 k = 0; k < 2 * FramesPerSecond; ++k) {
        if (sampleAt(pcm, 2 * (first + k)) != sampleAt(loop, 2 * (loopStart + k)) ||
            sampleAt(pcm, 2 * (first + k) + 1) != sampleAt(loop, 2 * (loopStart + k) + 1))
            QFAIL(qPrintable(QStringLiteral("frame %1 of the loop differs").arg(loopStart + k)));
    }
}

// A stop silences tone and ambient sound alike and says the session did not end by itself.
void TestSessionPlayer::stopSilencesBothSounds()
{
    startRecording();
    QSignalSpy stopped(player.get(), &SessionPlayer::stopped);
    player->start(ProgramCatalogue::program(1), 300, AmbientSound::Water, false);
    QVERIFY(player->ambientPlayer().file().endsWith(QLatin1String("/Resources/water.mp3")));
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying() && player->ambientPlayer().isPlaying(),
                             10000);
    QVERIFY(recording->waitForFrames(recording->update() + FramesPerSecond, 5000));
    QVERIFY(lastSoundingFrame(recording->data()) > recording->frames() - FramesPerSecond / 10);

    player->stop();
    QVERIFY(!player->isRunning());
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(stopped.first().at(0).toBool(), false);
    QVERIFY(!player->isSoundPlaying());
    const qint64 stoppedAt = recording->update();
    QVERIFY(recording->waitForFrames(stoppedAt + FramesPerSecond, 5000));
    // What was on its way to the speakers at the stop may still play, and no more.
    QVERIFY2(lastSoundingFrame(recording->data()) < stoppedAt + FramesPerSecond / 2,
             qPrintable(QString::number(lastSoundingFrame(recording->data()) - stoppedAt)));
}

// Run to its end in virtual time, the session stops itself, says so, and its sound stops.
void TestSessionPlayer::endsByItself()
{
    virtualNowMs = 1000000;
    player->setClock(virtualTime);
    QSignalSpy stopped(player.get(), &SessionPlayer::stopped);
    player->setSelfTicking(false);
    player->start(ProgramCatalogue::program(3), 300, AmbientSound::PinkNoise, true);
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 10000);
    while (player->isRunning() && virtualNowMs < 1000000 + 400000) {
        virtualNowMs += Session::tickIntervalMs;
        player->tick();
    }
    QCOMPARE(virtualNowMs, qint64(1000000 + 303000));
    QVERIFY(!player->isRunning());
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(stopped.first().at(0).toBool(), true);
    QVERIFY(!player->isSoundPlaying());
    QVERIFY(!player->ambientPlayer().isPlaying());
}

// A plan of stages plays through the same player: its name is told, its first beat heard, and its
// timer moves it on by itself.
void TestSessionPlayer::playsAPlanOfStages()
{
    startRecording();
    QSignalSpy started(player.get(), &SessionPlayer::started);
    const StagePlan plan = {{240, 12.0f, 12.0f, {0, 1, 0}, {0, 1, 0}},
                            {60, 12.0f, 4.0f, {0, 1, 0}, {0, 0, 1}}};
    player->start(QStringLiteral("Evening"), plan, AmbientSound::None, false);
    QVERIFY(player->isRunning());
    QCOMPARE(player->program(), nullptr);
    QCOMPARE(player->programName(), QStringLiteral("Evening"));
    QCOMPARE(started.size(), 1);
    QCOMPARE(started.first().at(0).toString(), QStringLiteral("Evening"));
    QCOMPARE(started.first().at(1).toInt(), 300);
    QCOMPARE(player->secondsLeft(), 300);
    QTRY_COMPARE_WITH_TIMEOUT(player->secondsLeft(), 299, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 10000);

    const QByteArray loop = ReferenceTone::loop(396, 12, false, 1);
    const qint64 loopStart = firstSoundingFrame(loop);
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(FramesPerSecond), 10000);
    const QByteArray &pcm = recording->data();
    const qint64 first = firstSoundingFrame(pcm);
    for (qint64 k = 0; k < FramesPerSecond; ++k) {
        if (sampleAt(pcm, 2 * (first + k)) != sampleAt(loop, 2 * (loopStart + k)) ||
            sampleAt(pcm, 2 * (first + k) + 1) != sampleAt(loop, 2 * (loopStart + k) + 1))
            QFAIL(qPrintable(QStringLiteral("frame %1 of the loop differs").arg(loopStart + k)));
    }
}

// The player's clock is monotonic: a daylight-saving change or a clock correction during an
// overnight session moves neither its stages nor the time left.
void TestSessionPlayer::wallClockJumpChangesNothing()
{
    QSignalSpy timeLeft(player.get(), &SessionPlayer::timeLeftChanged);
    player->setSelfTicking(false);
    player->start(ProgramCatalogue::program(8), 300, AmbientSound::None, true);
    const QDateTime before = QDateTime::currentDateTimeUtc();

    for (const time_t shift : {3600, -3600, 86400}) {
        wallClockShiftSeconds = shift;
        QVERIFY(qAbs(before.secsTo(QDateTime::currentDateTimeUtc()) - shift) < 60);
        player->tick();
        QVERIFY(player->isRunning());
        QCOMPARE(player->session().stageNumber(), 1);
        const int seconds = timeLeft.last().at(0).toInt();
        QVERIFY2(seconds == 300 || seconds == 299, qPrintable(QString::number(seconds)));
    }
}

QTEST_GUILESS_MAIN(TestSessionPlayer)

#include "test_sessionplayer.moc"
