#include "player/sessionplayer.h"
#include "session/session.h"
#include "sound/ambientplayer.h"
#include "tests/recording.h"
#include "tests/referencetone.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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
    SessionClock::setTimeSource(nullptr);
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
    QCOMPARE(started.first().at(1).toInt(), 600);
    QCOMPARE(player->program(), &deepSleep);
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

    QSignalSpy silenced(player.get(), &SessionPlayer::silenced);
    QVERIFY(!player->isSilent());
    player->stop();
    QVERIFY(!player->isRunning());
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(stopped.first().at(0).toBool(), false);
    QVERIFY(!player->isSoundPlaying());
    // The ramps still have to be heard.
    QCOMPARE(silenced.size(), 0);
    QVERIFY(!player->isSilent());
    const qint64 stoppedAt = recording->update();
    QVERIFY(recording->waitForFrames(stoppedAt + FramesPerSecond, 5000));
    // What was on its way to the speakers at the stop may still play, and no more.
    QVERIFY2(lastSoundingFrame(recording->data()) < stoppedAt + FramesPerSecond / 2,
             qPrintable(QString::number(lastSoundingFrame(recording->data()) - stoppedAt)));
    // Both streams close once the server has played what it held.
    QTRY_COMPARE_WITH_TIMEOUT(silenced.size(), 1, 5000);
    QVERIFY(player->isSilent());
}

// Run to its end in virtual time, the session stops itself, says so, and its sound stops.
void TestSessionPlayer::endsByItself()
{
    virtualNowMs = 1000000;
    SessionClock::setTimeSource(virtualTime);
    QSignalSpy stopped(player.get(), &SessionPlayer::stopped);
    player->session().setSelfTicking(false);
    player->start(ProgramCatalogue::program(3), 300, AmbientSound::PinkNoise, true);
    QTRY_VERIFY_WITH_TIMEOUT(player->isSoundPlaying(), 10000);
    while (player->isRunning() && virtualNowMs < 1000000 + 400000) {
        virtualNowMs += Session::tickIntervalMs;
        player->session().tick();
    }
    QVERIFY(!player->isRunning());
    QCOMPARE(stopped.size(), 1);
    QCOMPARE(stopped.first().at(0).toBool(), true);
    QVERIFY(!player->isSoundPlaying());
    QVERIFY(!player->ambientPlayer().isPlaying());
}

QTEST_GUILESS_MAIN(TestSessionPlayer)

#include "test_sessionplayer.moc"
