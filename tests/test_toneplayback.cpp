#include "sound/generator.h"
#include "sound/soundoutput.h"
#include "sound/tone.h"
#include "tests/recording.h"
#include "tests/referencetone.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <memory>

using ReferenceTone::LoopFrames;
using ReferenceTone::sampleAt;

namespace {

const int FramesPerSecond = 44100;
const int BlendFrames = 441;
// As the program has it: a notify each time the loop has played through. Neither test plays long
// enough to hear a second one.
const int NotifyIntervalMs = Tone::loopSeconds * 1000;

// The index of the first frame of pcm, from frame `from` on, with a non-zero sample, or -1.
qint64 firstSoundingFrame(const QByteArray &pcm, qint64 from = 0)
{
    for (qint64 frame = from; frame < pcm.size() / 4; ++frame) {
        if (sampleAt(pcm, 2 * frame) != 0 || sampleAt(pcm, 2 * frame + 1) != 0)
            return frame;
    }
    return -1;
}

bool sameFrame(const QByteArray &a, qint64 frameA, const QByteArray &b, qint64 frameB)
{
    return sampleAt(a, 2 * frameA) == sampleAt(b, 2 * frameB) &&
        sampleAt(a, 2 * frameA + 1) == sampleAt(b, 2 * frameB + 1);
}

} // namespace

// The generator played as the program plays it, through a SoundOutput on the private sink of
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
    void toneChangeTakesEffectAtNextNotify();

private:
    void startRecording();
    bool toneRecorded(qint64 frames);
    void createGenerator();
    void play();

    QTemporaryDir directory;
    std::unique_ptr<Recording> recording;
    Generator *generator = nullptr;
    SoundOutput *output = nullptr;
    // Written in the output's thread, at each notify.
    std::atomic<int> notifies {0};
    std::atomic<qint64> firstNotifyFrame {-1};
};

void TestTonePlayback::init()
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    QVERIFY(directory.isValid());
    notifies = 0;
    firstNotifyFrame = -1;
}

void TestTonePlayback::cleanup()
{
    // The output owns the generator once it has been given it, and deletes it in its own thread.
    if (output)
        delete output;
    else
        delete generator;
    output = nullptr;
    generator = nullptr;
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

// True once the recording holds `frames` frames from the tone's first sounding one on.
bool TestTonePlayback::toneRecorded(qint64 frames)
{
    const qint64 recorded = recording->update();
    const qint64 first = firstSoundingFrame(recording->data());
    return first >= 0 && recorded >= first + frames;
}

void TestTonePlayback::createGenerator()
{
    generator = new Generator(Tone::playedByteOrder, nullptr);
    generator->setCarrierFrequency(396.0f);
    generator->setBeatFrequency(10);
    generator->setSecondaryTone(true);
    generator->generateData();
}

// The path the main window builds: the output takes the generator into its thread, and each notify
// resynthesises the loop there. From here on the generator is touched through queued calls only.
void TestTonePlayback::play()
{
    output = new SoundOutput(generator, QStringLiteral("Binaural tone"),
                             "org.velmora.Velmora.BinauralTone", NotifyIntervalMs);
    connect(output, &SoundOutput::notify, generator, &Generator::generateData);
    // Runs right after the resynthesis, in the same thread: the frame of the stream the generator
    // hands out next is where the resynthesis put the change.
    connect(
        output, &SoundOutput::notify, generator,
        [this] {
            if (notifies++ == 0)
                firstNotifyFrame = generator->pos() / Tone::bytesPerFrame;
        },
        Qt::DirectConnection);
    output->start();
    QTRY_VERIFY_WITH_TIMEOUT(output->isPlaying(), 10000);
}

void TestTonePlayback::playsTheLoopSampleForSample()
{
    startRecording();
    createGenerator();
    generator->start();
    play();
    QTRY_VERIFY_WITH_TIMEOUT(toneRecorded(3 * FramesPerSecond), 10000);
    QCOMPARE(notifies.load(), 0);

    // The loop starts with its fade-in, so its first sounding frame marks where it begins.
    const QByteArray loop = ReferenceTone::loop(396, 10, true, 1);
    const QByteArray &pcm = recording->data();
    const qint64 recordedStart = firstSoundingFrame(pcm);
    const qint64 loopStart = firstSoundingFrame(loop);
    const qint64 length = pcm.size() / 4 - recordedStart;
    QVERIFY(length < LoopFrames - loopStart);
    for (qint64 k = 0; k < length; ++k) {
        if (!sameFrame(pcm, recordedStart + k, loop, loopStart + k))
            QFAIL(qPrintable(QString("loop frame %1 differs").arg(loopStart + k)));
    }
}

void TestTonePlayback::toneChangeTakesEffectAtNextNotify()
{
    startRecording();
    createGenerator();
    // Starting five seconds into the loop puts the first notify's resynthesis, a whole loop of the
    // stream later, mid-plateau.
    const qint64 firstFrame = 5 * FramesPerSecond + 1000;
    QByteArray skipped(int(4 * firstFrame), Qt::Uninitialized);
    generator->readData(skipped.data(), skipped.size());
    generator->start();
    play();

    // A second into the tone as the sink plays it, the secondary tone is turned off.
    QTRY_VERIFY_WITH_TIMEOUT(toneRecorded(FramesPerSecond), 10000);
    qint64 toggledFrame = -1;
    int notifiesBeforeToggle = -1;
    QVERIFY(QMetaObject::invokeMethod(
        generator,
        [&] {
            generator->setSecondaryTone(false);
            toggledFrame = generator->pos() / Tone::bytesPerFrame;
            notifiesBeforeToggle = notifies;
        },
        Qt::BlockingQueuedConnection));
    QCOMPARE(notifiesBeforeToggle, 0);

    QTRY_VERIFY_WITH_TIMEOUT(notifies.load() > 0, 25000);
    const qint64 notifyFrame = firstNotifyFrame;
    // Two seconds of the stream after the resynthesis, as the sink played them.
    QTRY_VERIFY_WITH_TIMEOUT(toneRecorded(notifyFrame + 2 * FramesPerSecond), 10000);
    output->stop();
    QCOMPARE(notifies.load(), 1);

    const QByteArray toneOn = ReferenceTone::loop(396, 10, true, 1);
    const QByteArray toneOff = ReferenceTone::loop(396, 10, false, 1);
    const QByteArray &pcm = recording->data();
    const qint64 recordedStart = firstSoundingFrame(pcm);
    const qint64 length = pcm.size() / 4 - recordedStart;

    qint64 splice = 0;
    while (splice < length &&
           sameFrame(pcm, recordedStart + splice, toneOn, (firstFrame + splice) % LoopFrames))
        ++splice;
    qInfo("toggled at %lld ms of the stream, resynthesised at %lld ms, change heard from %lld ms",
          toggledFrame * 1000 / FramesPerSecond, notifyFrame * 1000 / FramesPerSecond,
          splice * 1000 / FramesPerSecond);
    QVERIFY2(splice >= notifyFrame, "the change was heard before the notify's resynthesis");
    QVERIFY2(splice - notifyFrame < FramesPerSecond / 2,
             "the change was not heard right where the notify's resynthesis put it");
    QVERIFY(splice + BlendFrames + FramesPerSecond < length);

    // Through the blend no step is steeper than the tone's own, plus the crossfade's slope.
    int sineStep = 0;
    for (int i = 1; i < LoopFrames; ++i) {
        for (const QByteArray *loop : {&toneOn, &toneOff}) {
            for (int channel = 0; channel < 2; ++channel)
                sineStep = qMax(sineStep,
                                std::abs(sampleAt(*loop, 2 * i + channel) -
                                         sampleAt(*loop, 2 * (i - 1) + channel)));
        }
    }
    const int allowedStep = sineStep + 2 * 26212 / BlendFrames + 1;
    for (qint64 k = splice - 1; k < splice + BlendFrames; ++k) {
        for (int channel = 0; channel < 2; ++channel) {
            const int step = sampleAt(pcm, 2 * (recordedStart + k + 1) + channel) -
                sampleAt(pcm, 2 * (recordedStart + k) + channel);
            QVERIFY2(
                std::abs(step) <= allowedStep,
                qPrintable(
                    QString("step %1 after the splice, allowed %2").arg(step).arg(allowedStep)));
        }
    }
    for (qint64 k = splice + BlendFrames; k < length; ++k) {
        if (!sameFrame(pcm, recordedStart + k, toneOff, (firstFrame + k) % LoopFrames))
            QFAIL(qPrintable(QString("frame %1 after the splice differs from the loop without "
                                     "the secondary tone")
                                 .arg(k - splice)));
    }
}

QTEST_GUILESS_MAIN(TestTonePlayback)

#include "test_toneplayback.moc"
