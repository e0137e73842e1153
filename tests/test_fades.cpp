#include "player/sessionplayer.h"
#include "session/session.h"
#include "sound/fade.h"
#include "tests/recording.h"
#include "tests/referencetone.h"
#include "tests/underflowwarnings.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <memory>

using ReferenceTone::sampleAt;

namespace {

const int FramesPerSecond = Recording::FramesPerSecond;
// Deep Sleep starts at a 20 Hz beat: 396 Hz on the left, 416 Hz on the right.
const double ToneLowHz = 380;
const double ToneHighHz = 430;
// The ambient sounds, far above the tone.
const double AmbientLowHz = 1000;
const double AmbientHighHz = 16000;
// Above the ambient recordings' own band, which ends at 16 kHz: a step in the sound shows here as a
// click.
const double ClickLowHz = 17000;
const double ClickHighHz = 21000;
// A Stop is heard at once: the sound is silent this long after the click at the latest.
const int StopSilentMs = 50;

qint64 frames(double seconds)
{
    return qint64(seconds * FramesPerSecond);
}

int ms(qint64 frameCount)
{
    return int(frameCount * 1000 / FramesPerSecond);
}

// The largest step between neighbouring samples of a channel in frames from..to, and the frame
// after it.
struct Step
{
    int size = 0;
    qint64 frame = -1;
};

Step largestStep(const QByteArray &pcm, qint64 from, qint64 to)
{
    Step largest;
    to = qMin(to, qint64(pcm.size() / 4));
    for (qint64 frame = qMax<qint64>(from, 1); frame < to; ++frame) {
        for (int channel = 0; channel < 2; ++channel) {
            const int step = std::abs(sampleAt(pcm, 2 * frame + channel) -
                                      sampleAt(pcm, 2 * (frame - 1) + channel));
            if (step > largest.size)
                largest = {step, frame};
        }
    }
    return largest;
}

// The frame after the last one from `from` on with a sample that is not zero; `from` if none.
qint64 silentFrom(const QByteArray &pcm, qint64 from)
{
    for (qint64 frame = pcm.size() / 4 - 1; frame >= from; --frame) {
        if (sampleAt(pcm, 2 * frame) != 0 || sampleAt(pcm, 2 * frame + 1) != 0)
            return frame + 1;
    }
    return from;
}

// The loudest window above the ambient recordings' band in frames from..to.
double loudestClick(const QByteArray &pcm, qint64 from, qint64 to)
{
    const QVector<double> levels =
        SoundAnalysis::bandLevels(pcm, from, to, ClickLowHz, ClickHighHz);
    return levels.isEmpty() ? 0 : *std::max_element(levels.begin(), levels.end());
}

// Whether the sound from `from` on clicks, against the second of it that played before: above the
// band of the sounds, and, for the tone alone, whose steps are its own to the sample, by a step
// between neighbouring samples larger than any of the tone's. Says how in `report`.
bool clicks(const QByteArray &pcm, qint64 from, bool toneAlone, QString *report)
{
    const Step playing = largestStep(pcm, from - frames(1), from);
    const Step after = largestStep(pcm, from, pcm.size() / 4);
    const double playingClick = loudestClick(pcm, from - frames(1), from);
    const double afterClick = loudestClick(pcm, from, pcm.size() / 4);
    *report = QStringLiteral("largest step while playing %1, after it %2 (%3 ms on); above %4 Hz "
                             "%5 while playing, %6 after it")
                  .arg(playing.size)
                  .arg(after.size)
                  .arg(ms(after.frame - from))
                  .arg(ClickLowHz)
                  .arg(playingClick, 0, 'f', 1)
                  .arg(afterClick, 0, 'f', 1);
    return afterClick > 2 * qMax(playingClick, 0.5) || (toneAlone && after.size > playing.size);
}

// Under a heavy load, PipeWire's PulseAudio server has been seen to let a cycle of its graph go by:
// a quantum of 256 or 512 frames at full silence in the middle of the sound, in every stream at
// once, while each of them was fed well ahead and reported no underflow. No fade of this program
// makes such a gap, and it clicks; a measurement that holds one is taken again.
// Only a sound below a sample's step runs on at zero for that long; sound is judged by its loudest
// sample over a few frames, so that a quiet sample of noise is no end of it.
const qint64 ShortestServerGapFrames = 64;
const int SoundingSample = 100;
const int SoundingJudgedFrames = 8;
const int MeasurementsAtMost = 3;

bool soundingAround(const QByteArray &pcm, qint64 firstFrame)
{
    for (qint64 frame = firstFrame; frame < firstFrame + SoundingJudgedFrames; ++frame) {
        if (frame >= 0 && frame < pcm.size() / 4 &&
            (std::abs(sampleAt(pcm, 2 * frame)) > SoundingSample ||
             std::abs(sampleAt(pcm, 2 * frame + 1)) > SoundingSample))
            return true;
    }
    return false;
}

// The first frame of the first gap of full silence from `from` on, with sound right before and
// right after it; -1 if there is none.
qint64 gapInSound(const QByteArray &pcm, qint64 from)
{
    const qint64 end = pcm.size() / 4;
    qint64 silentSince = -1;
    for (qint64 frame = qMax<qint64>(from, 1); frame < end; ++frame) {
        if (sampleAt(pcm, 2 * frame) == 0 && sampleAt(pcm, 2 * frame + 1) == 0) {
            if (silentSince < 0)
                silentSince = frame;
            continue;
        }
        if (silentSince >= 0 && frame - silentSince >= ShortestServerGapFrames &&
            soundingAround(pcm, silentSince - SoundingJudgedFrames) && soundingAround(pcm, frame))
            return silentSince;
        silentSince = -1;
    }
    return -1;
}

// The player's clock reads the monotonic clock plus a lead that a test moves on, so that a whole
// session's stages pass in seconds while everything else, the sound above all, runs in real time.
qint64 leadMs = 0;

qint64 leadingNow()
{
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference() + leadMs;
}

} // namespace

// Every fade of the program's sound as the window plays it, judged by what reaches the test
// sink: a user's Stop, the session's own end, and a change of ambient sound while it plays.
class TestFades : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void stopRampsToSilenceAtOnce_data();
    void stopRampsToSilenceAtOnce();
    void sessionEndFadesOverEnding_data();
    void sessionEndFadesOverEnding();
    void endFadesAfterAStall();
    void ambientChangeCrossfades();

private:
    void startSession(const QString &ambient);
    // Runs the player's clock on to leftMs before the end of the built-in program's stage that
    // plays, which is over a second past its length.
    void skipStage(int leftMs);
    // Whether the tone from `from` on follows the end fade down to silence at `to`; says how in
    // `report`.
    bool followsEndFade(const QByteArray &pcm, qint64 from, qint64 to, double full,
                        QString *report);
    bool measureAgainAfterServerGap(const QByteArray &pcm, qint64 from, int measurement);
    void choose(const QString &item);
    void clickStart()
    {
        QTest::mouseClick(WindowParts::child<QPushButton>(window, "startButton"), Qt::LeftButton);
    }

    QTemporaryDir directory;
    std::unique_ptr<Recording> recording;
    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
    Session *session = nullptr;
    qint64 stageStartedMoment = 0;
};

void TestFades::initTestCase()
{
    UnderflowWarnings::install();
}

void TestFades::cleanupTestCase()
{
    UnderflowWarnings::uninstall();
}

void TestFades::init()
{
    UnderflowWarnings::counted = 0;
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    QVERIFY(directory.isValid());
    recording = std::make_unique<Recording>(directory.filePath(QStringLiteral("recording.raw")));
    QString error;
    QVERIFY2(recording->start(&error), qPrintable(error));
    sessionPlayer = new SessionPlayer;
    sessionPlayer->setClock(leadingNow);
    window = new MainWindow(*sessionPlayer);
    session = &sessionPlayer->session();
    connect(session, &Session::stageChanged, this,
            [this] { stageStartedMoment = session->moment(); });
    WindowParts::child<QCheckBox>(window, "Visualizer")->setChecked(false);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestFades::cleanup()
{
    delete window;
    window = nullptr;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    recording.reset();
    QFile::remove(directory.filePath(QStringLiteral("recording.raw")));
    leadMs = 0;
}

// Whether the recording from a second before `from` on holds a gap the sound server made, and the
// measurement is to be taken again with a fresh window and recording. A gap after an underflow the
// program told is its own stream's, and is never measured again.
bool TestFades::measureAgainAfterServerGap(const QByteArray &pcm, qint64 from, int measurement)
{
    const qint64 gap = gapInSound(pcm, from - frames(1));
    if (gap < 0 || UnderflowWarnings::counted > 0 || measurement >= MeasurementsAtMost)
        return false;
    qInfo("the sound server let a cycle go by %d ms from the mark, with every stream fed: "
          "measured again",
          ms(gap - from));
    cleanup();
    init();
    return true;
}

void TestFades::choose(const QString &item)
{
    auto *box = WindowParts::child<QComboBox>(window, "comboBox");
    box->setFocus();
    QTest::keyClick(box, item.at(0).toLower().toLatin1());
    QCOMPARE(box->currentText(), item);
}

// A five-minute session of Deep Sleep, with the tone's fade-in heard through: the tone plays at
// full level from 1.2 s to 13.8 s of its first loop.
void TestFades::startSession(const QString &ambient)
{
    QTest::mouseClick(WindowParts::child<QPushButton>(window, "program3"), Qt::LeftButton);
    WindowParts::child<QComboBox>(window, "hours")->setCurrentIndex(0);
    WindowParts::child<QComboBox>(window, "minutes")->setCurrentIndex(0);
    choose(ambient);
    const qint64 started = recording->update();
    clickStart();
    QVERIFY(session->isRunning());
    QVERIFY(recording->waitForFrames(started + frames(2.5), 10000));
}

void TestFades::stopRampsToSilenceAtOnce_data()
{
    QTest::addColumn<QString>("ambient");
    QTest::newRow("tone alone") << QStringLiteral("None");
    QTest::newRow("tone and pink noise") << QStringLiteral("Pink Noise");
}

// No step into silence larger than the sound's own, and silence within 50 ms of the click.
void TestFades::stopRampsToSilenceAtOnce()
{
    QFETCH(QString, ambient);
    qint64 clicked = 0;
    for (int measurement = 1;; ++measurement) {
        startSession(ambient);
        clicked = recording->update();
        clickStart();
        QVERIFY(!session->isRunning());
        QVERIFY(recording->waitForFrames(clicked + frames(1), 5000));
        if (!measureAgainAfterServerGap(recording->data(), clicked, measurement))
            break;
        QVERIFY(window);
    }

    const QByteArray &pcm = recording->data();
    QString report;
    const bool stopClicks = clicks(pcm, clicked, ambient == QLatin1String("None"), &report);
    const qint64 silent = silentFrom(pcm, clicked);
    qInfo("Stop: %s; silent %d ms after the click", qPrintable(report), ms(silent - clicked));
    QVERIFY2(SoundAnalysis::bandLevel(pcm, clicked - frames(0.1), ToneLowHz, ToneHighHz) > 8000,
             "the tone was not playing at full level when Stop was clicked");
    QVERIFY2(!stopClicks, qPrintable(report));
    QVERIFY2(silent - clicked <= frames(StopSilentMs / 1000.0),
             qPrintable(QString::number(ms(silent - clicked))));
}

void TestFades::sessionEndFadesOverEnding_data()
{
    QTest::addColumn<QString>("ambient");
    QTest::newRow("tone alone") << QStringLiteral("None");
    QTest::newRow("tone and water") << QStringLiteral("Water");
}

// Brings the session to the clock's reading first, so that the lead is reckoned from now; the timer
// was set by the clock before the jump, and a tick at once sets it again by the clock after it.
void TestFades::skipStage(int leftMs)
{
    sessionPlayer->tick();
    const int length = session->plan().at(session->stageNumber() - 1).lengthSeconds;
    leadMs += (length + 1) * 1000 - leftMs - (session->moment() - stageStartedMoment);
    sessionPlayer->tick();
}

// The tone's level along the fade from `from` to `to`, against its full level: the window of each
// level is centred on its point, and the fade is allowed to start from 50 ms before `from` to
// 100 ms after it.
bool TestFades::followsEndFade(const QByteArray &pcm, qint64 from, qint64 to, double full,
                               QString *report)
{
    const qint64 length = to - from;
    bool follows = true;
    for (double fraction : {0.1, 0.25, 0.5, 0.75, 0.9}) {
        const qint64 at = from + qint64(fraction * length);
        const double lowest = Fade::outGain(fraction + 0.05 * FramesPerSecond / length);
        const double highest = Fade::outGain(fraction - 0.1 * FramesPerSecond / length);
        const double heard = SoundAnalysis::bandLevel(pcm, at - SoundAnalysis::WindowFrames / 2,
                                                      ToneLowHz, ToneHighHz) /
            full;
        *report += QStringLiteral("at %1 of the fade: level %2, curve %3..%4\n")
                       .arg(fraction, 0, 'f', 2)
                       .arg(heard, 0, 'f', 3)
                       .arg(lowest, 0, 'f', 3)
                       .arg(highest, 0, 'f', 3);
        follows = follows && heard >= lowest - 0.03 && heard <= highest + 0.03;
    }
    return follows;
}

// The session's clock runs ahead to a few seconds before each stage's end, so that its last
// seconds come while the tone's first loop still plays at full level. From the moment the window
// reads "Ending..." the sound follows the end fade down and is silent when the session stops.
void TestFades::sessionEndFadesOverEnding()
{
    QFETCH(QString, ambient);
    qint64 endingFrame = -1;
    qint64 stoppedFrame = -1;
    int fadeMs = 0;
    for (int measurement = 1;; ++measurement) {
        endingFrame = stoppedFrame = -1;
        connect(session, &Session::ending, this, [&](int ms) {
            endingFrame = recording->update();
            fadeMs = ms;
        });
        connect(session, &Session::stopped, this, [&] { stoppedFrame = recording->update(); });

        startSession(ambient);
        skipStage(500);
        QTRY_COMPARE_WITH_TIMEOUT(session->stageNumber(), 2, 3000);
        skipStage(500);
        QTRY_COMPARE_WITH_TIMEOUT(session->stageNumber(), 3, 3000);
        skipStage(4500);
        QTRY_VERIFY_WITH_TIMEOUT(endingFrame >= 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(stoppedFrame >= 0, 5000);
        QVERIFY(recording->waitForFrames(stoppedFrame + frames(1), 5000));
        if (!measureAgainAfterServerGap(recording->data(), endingFrame, measurement))
            break;
        QVERIFY(window);
    }

    const QByteArray &pcm = recording->data();
    const qint64 length = stoppedFrame - endingFrame;
    qInfo("\"Ending...\" for %d ms of the recording, fade of %d ms", ms(length), fadeMs);
    QVERIFY(qAbs(ms(length) - 3000) < 200);
    QVERIFY(qAbs(fadeMs - 3000) < 200);

    const double full = SoundAnalysis::bandLevel(
        pcm, endingFrame - frames(0.1) - SoundAnalysis::WindowFrames / 2, ToneLowHz, ToneHighHz);
    QVERIFY2(full > 8000, qPrintable(QString::number(full)));
    QString curve;
    const bool follows = followsEndFade(pcm, endingFrame, stoppedFrame, full, &curve);
    qInfo("%s", qPrintable(curve.trimmed()));
    QVERIFY2(follows, qPrintable(curve));

    QString report;
    const bool clicked = clicks(pcm, endingFrame, ambient == QLatin1String("None"), &report);
    const qint64 silent = silentFrom(pcm, endingFrame);
    qInfo("end: %s; silent %d ms after the stop", qPrintable(report), ms(silent - stoppedFrame));
    QVERIFY2(!clicked, qPrintable(report));
    QVERIFY2(silent - stoppedFrame <= frames(StopSilentMs / 1000.0),
             qPrintable(QString::number(ms(silent - stoppedFrame))));
}

// The whole process stops for two seconds across the moment "Ending..." is due, as a laptop's
// busy or suspended session might stop it: the first tick after it still starts the end fade,
// over what is left, and the sound fades down to silence at the stop instead of being cut there.
void TestFades::endFadesAfterAStall()
{
    qint64 endingFrame = -1;
    qint64 stoppedFrame = -1;
    int fadeMs = 0;
    int endingsTold = 0;
    connect(session, &Session::ending, this, [&](int ms) {
        endingFrame = recording->update();
        fadeMs = ms;
        ++endingsTold;
    });
    connect(session, &Session::stopped, this, [&] { stoppedFrame = recording->update(); });

    startSession(QStringLiteral("None"));
    skipStage(500);
    QTRY_COMPARE_WITH_TIMEOUT(session->stageNumber(), 2, 3000);
    skipStage(500);
    QTRY_COMPARE_WITH_TIMEOUT(session->stageNumber(), 3, 3000);
    // "Ending..." is due a second from now, the end four seconds from now.
    skipStage(4000);
    const qint64 stallFrame = recording->update();
    QProcess stopper;
    stopper.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("sleep 0.3; kill -STOP %1; sleep 2; kill -CONT %1")
                       .arg(QCoreApplication::applicationPid())});
    QVERIFY(stopper.waitForFinished(10000));
    QCOMPARE(stopper.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(stoppedFrame >= 0, 5000);
    QVERIFY(recording->waitForFrames(stoppedFrame + frames(1), 5000));

    const QByteArray &pcm = recording->data();
    qInfo("the fade began %d ms after the stall was set up, a second before \"Ending...\" was "
          "due; it took %d ms of the recording, told as %d ms",
          ms(endingFrame - stallFrame), ms(stoppedFrame - endingFrame), fadeMs);
    QCOMPARE(endingsTold, 1);
    // The stall covered the moment "Ending..." was due: the fade came late, with less to go.
    QVERIFY2(fadeMs >= 500 && fadeMs <= 2500, qPrintable(QString::number(fadeMs)));
    QVERIFY(qAbs(ms(stoppedFrame - endingFrame) - fadeMs) < 300);

    const double full = SoundAnalysis::bandLevel(
        pcm, stallFrame - frames(0.1) - SoundAnalysis::WindowFrames / 2, ToneLowHz, ToneHighHz);
    QVERIFY2(full > 8000, qPrintable(QString::number(full)));
    QString curve;
    const bool follows = followsEndFade(pcm, endingFrame, stoppedFrame, full, &curve);
    qInfo("%s", qPrintable(curve.trimmed()));
    QVERIFY2(follows, qPrintable(curve));
    const qint64 silent = silentFrom(pcm, endingFrame);
    QVERIFY2(silent - stoppedFrame <= frames(StopSilentMs / 1000.0),
             qPrintable(QString::number(ms(silent - stoppedFrame))));
}

// Pink noise hands over to water while the session plays: no gap in the ambient sound, and no
// click, which a step would show above the band of both sounds.
void TestFades::ambientChangeCrossfades()
{
    qint64 changed = 0;
    for (int measurement = 1;; ++measurement) {
        startSession(QStringLiteral("Pink Noise"));
        changed = recording->update();
        choose(QStringLiteral("Water"));
        QVERIFY(recording->waitForFrames(changed + frames(3), 10000));
        if (!measureAgainAfterServerGap(recording->data(), changed, measurement))
            break;
        QVERIFY(window);
    }

    const QByteArray &pcm = recording->data();
    const QVector<double> levels = SoundAnalysis::bandLevels(
        pcm, changed - frames(1), changed + frames(3), AmbientLowHz, AmbientHighHz);
    const double lowest = *std::min_element(levels.begin(), levels.end());
    QString report;
    const bool clicked = clicks(pcm, changed, false, &report);
    qInfo("lowest ambient level through the change %.0f; %s", lowest, qPrintable(report));
    QVERIFY2(lowest > 40, qPrintable(QString::number(lowest)));
    QVERIFY2(!clicked, qPrintable(report));
    clickStart();
}

QTEST_MAIN(TestFades)
#include "test_fades.moc"
