#include "sound/toneplayer.h"
#include "tests/recording.h"
#include "tests/referencetone.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using ReferenceTone::LoopFrames;
using ReferenceTone::sampleAt;

namespace {

const int FramesPerSecond = 44100;

// The first frame from `from` on, `count` frames long, where the recording differs from the
// loop's frames from `loopFrom` on, or -1.
qint64 firstDifferentFrame(const QByteArray &pcm, qint64 from, const QByteArray &loop,
                           qint64 loopFrom, qint64 count)
{
    for (qint64 k = 0; k < count; ++k) {
        const qint64 frame = loopFrom + k;
        if (sampleAt(pcm, 2 * (from + k)) != sampleAt(loop, 2 * frame) ||
            sampleAt(pcm, 2 * (from + k) + 1) != sampleAt(loop, 2 * frame + 1))
            return frame;
    }
    return -1;
}

} // namespace

using SoundAnalysis::firstSoundingFrame;

// The tone played as the program plays it, by a TonePlayer on the private sink of
// tests/with-desktop, and judged by what the sink's monitor records. The recording is the ground
// truth for every moment too: frame k after the first sounding one is frame k the generator
// handed out.
class TestTonePlayback : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playsTheLoopSampleForSample();
    void changeIsHeardFromTheNextLoop();

private:
    void startRecording();

    QTemporaryDir directory;
    std::unique_ptr<Recording> recording;
    std::unique_ptr<TonePlayer> tone;
};

void TestTonePlayback::init()
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    QVERIFY(directory.isValid());
    tone = std::make_unique<TonePlayer>();
}

void TestTonePlayback::cleanup()
{
    tone.reset();
    recording.reset();
}

// Records the sink's monitor, at the latency that keeps PipeWire's graph steady for a sample-exact
// comparison.
void TestTonePlayback::startRecording()
{
    recording = std::make_unique<Recording>(
        directory.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".raw"), QString(),
        Recording::SampleExactLatencyMs);
    QString error;
    QVERIFY2(recording->start(&error), qPrintable(error));
}

void TestTonePlayback::playsTheLoopSampleForSample()
{
    startRecording();
    tone->setBeatFrequency(10);
    tone->setSecondaryTone(true);
    tone->play();
    QTRY_VERIFY_WITH_TIMEOUT(tone->isPlaying(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(3 * FramesPerSecond), 10000);

    // The loop starts with its fade-in, so its first sounding frame marks where it begins.
    const QByteArray loop = ReferenceTone::loop(396, 10, true, 1);
    const QByteArray &pcm = recording->data();
    const qint64 recordedStart = firstSoundingFrame(pcm);
    const qint64 loopStart = firstSoundingFrame(loop);
    const qint64 length = pcm.size() / 4 - recordedStart;
    QVERIFY(length < LoopFrames - loopStart);
    QCOMPARE(firstDifferentFrame(pcm, recordedStart, loop, loopStart, length), qint64(-1));
}

// A change a second into the tone leaves the rest of that loop as it was, and the whole next loop
// is the new one, from its first frame.
void TestTonePlayback::changeIsHeardFromTheNextLoop()
{
    startRecording();
    tone->setBeatFrequency(10);
    tone->setSecondaryTone(true);
    tone->play();
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(FramesPerSecond), 10000);
    tone->setSecondaryTone(false);
    tone->setBeatFrequency(4);

    const QByteArray toneOn = ReferenceTone::loop(396, 10, true, 1);
    const QByteArray toneOff = ReferenceTone::loop(396, 4, false, 1);
    const qint64 loopStart = firstSoundingFrame(toneOn);
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(LoopFrames - loopStart + 2 * FramesPerSecond),
                             25000);
    tone->stop();

    const QByteArray &pcm = recording->data();
    const qint64 secondLoop = firstSoundingFrame(pcm) - loopStart + LoopFrames;
    QCOMPARE(firstDifferentFrame(pcm, secondLoop - (LoopFrames - loopStart), toneOn, loopStart,
                                 LoopFrames - loopStart),
             qint64(-1));
    QCOMPARE(firstDifferentFrame(pcm, secondLoop, toneOff, 0, 2 * FramesPerSecond), qint64(-1));
}

QTEST_GUILESS_MAIN(TestTonePlayback)

#include "test_toneplayback.moc"
