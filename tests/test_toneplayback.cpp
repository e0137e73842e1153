#include "sound/generator.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

using ReferenceTone::LoopFrames;
using ReferenceTone::sampleAt;

namespace {

const int FramesPerSecond = 44100;
const int BlendFrames = 441;

// The index of the first frame of pcm, from frame `from` on, with a non-zero sample, or -1.
qint64 firstSoundingFrame(const QByteArray &pcm, qint64 from = 0)
{
    for (qint64 frame = from; frame < pcm.size() / 4; ++frame) {
        if (sampleAt(pcm, 2 * frame) != 0 || sampleAt(pcm, 2 * frame + 1) != 0)
            return frame;
    }
    return -1;
}

qint64 lastSoundingFrame(const QByteArray &pcm)
{
    for (qint64 frame = pcm.size() / 4 - 1; frame >= 0; --frame) {
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
    QByteArray recordingWithToneEnded();
    void createAudioPath();

    QTemporaryDir directory;
    QProcess *recorder = nullptr;
    Generator *generator = nullptr;
    QAudioOutput *audioOutput = nullptr;
};

void TestTonePlayback::init()
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    QVERIFY(directory.isValid());
}

void TestTonePlayback::cleanup()
{
    if (audioOutput) {
        audioOutput->stop();
        delete audioOutput;
        audioOutput = nullptr;
    }
    delete generator;
    generator = nullptr;
    if (recorder) {
        recorder->terminate();
        recorder->waitForFinished(5000);
        delete recorder;
        recorder = nullptr;
    }
}

// Records the sink's monitor. The null sink may hand out monitor data in blocks of up to two
// seconds while nothing else is connected, so the recording is running once its file grows.
void TestTonePlayback::startRecording()
{
    const QString path = directory.filePath("recording.raw");
    recorder = new QProcess;
    recorder->start("parec",
                    {"--raw", "-d", qEnvironmentVariable("VELMORA_TEST_SINK") + ".monitor",
                     "--format=s16le", "--rate=44100", "--channels=2", path});
    QVERIFY(recorder->waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile(path).size() > 0, 10000);
}

// Waits until the recording holds the end of the tone and half a second of silence after it.
QByteArray TestTonePlayback::recordingWithToneEnded()
{
    QFile file(directory.filePath("recording.raw"));
    QByteArray pcm;
    QElapsedTimer deadline;
    deadline.start();
    while (deadline.elapsed() < 10000) {
        if (file.open(QIODevice::ReadOnly)) {
            pcm = file.readAll();
            file.close();
        }
        pcm.truncate(pcm.size() / 4 * 4);
        const qint64 last = lastSoundingFrame(pcm);
        if (last >= 0 && pcm.size() / 4 - last > FramesPerSecond / 2)
            return pcm;
        QTest::qWait(100);
    }
    return QByteArray();
}

// The same path the main window builds: the requested format, or the device's nearest one.
void TestTonePlayback::createAudioPath()
{
    QAudioFormat format = Tone::requestedFormat();

    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    QVERIFY(!device.isNull());
    QVERIFY(device.isFormatSupported(format));

    generator = new Generator(format, nullptr);
    generator->setCarrierFrequency(396.0f);
    audioOutput = new QAudioOutput(device, format);
    audioOutput->setNotifyInterval(15000);
}

void TestTonePlayback::playsTheLoopSampleForSample()
{
    startRecording();
    createAudioPath();
    generator->setBeatFrequency(10);
    generator->setSecondaryTone(true);
    generator->generateData();
    generator->start();
    audioOutput->start(generator);
    QTRY_VERIFY_WITH_TIMEOUT(audioOutput->processedUSecs() >= 3000000, 10000);
    QCOMPARE(audioOutput->error(), QAudio::NoError);
    generator->stop();
    audioOutput->stop();
    audioOutput->reset();

    const QByteArray recording = recordingWithToneEnded();
    QVERIFY2(!recording.isEmpty(), "the recording never held the end of the tone");
    const QByteArray loop = ReferenceTone::loop(396, 10, true, 1);

    // The loop starts with its fade-in, so its first sounding frame marks where it begins.
    const qint64 recordedStart = firstSoundingFrame(recording);
    const qint64 loopStart = firstSoundingFrame(loop);
    const qint64 length = lastSoundingFrame(recording) - recordedStart + 1;
    QVERIFY2(length >= 2 * FramesPerSecond, qPrintable(QString("only %1 frames").arg(length)));
    QVERIFY(length < LoopFrames - loopStart);
    for (qint64 k = 0; k < length; ++k) {
        if (!sameFrame(recording, recordedStart + k, loop, loopStart + k))
            QFAIL(qPrintable(QString("loop frame %1 differs").arg(loopStart + k)));
    }
}

void TestTonePlayback::toneChangeTakesEffectAtNextNotify()
{
    startRecording();
    createAudioPath();
    generator->setBeatFrequency(10);
    generator->setSecondaryTone(true);
    generator->generateData();
    // Starting five seconds into the loop puts the next notify's resynthesis mid-plateau.
    const qint64 firstFrame = 5 * FramesPerSecond + 1000;
    QByteArray skipped(int(4 * firstFrame), Qt::Uninitialized);
    generator->readData(skipped.data(), skipped.size());
    connect(audioOutput, &QAudioOutput::notify, generator, &Generator::generateData);
    QSignalSpy notified(audioOutput, &QAudioOutput::notify);

    generator->start();
    audioOutput->start(generator);
    QTRY_VERIFY_WITH_TIMEOUT(audioOutput->processedUSecs() >= 1000000, 10000);
    generator->setSecondaryTone(false);
    const qint64 toggledAt = audioOutput->processedUSecs();
    QVERIFY(notified.wait(25000));
    const qint64 notifiedAt = audioOutput->processedUSecs();
    QTRY_VERIFY_WITH_TIMEOUT(audioOutput->processedUSecs() >= notifiedAt + 2000000, 10000);
    generator->stop();
    audioOutput->stop();
    audioOutput->reset();
    QCOMPARE(notified.count(), 1);

    const QByteArray recording = recordingWithToneEnded();
    QVERIFY2(!recording.isEmpty(), "the recording never held the end of the tone");
    const QByteArray toneOn = ReferenceTone::loop(396, 10, true, 1);
    const QByteArray toneOff = ReferenceTone::loop(396, 10, false, 1);
    const qint64 recordedStart = firstSoundingFrame(recording);
    const qint64 length = lastSoundingFrame(recording) - recordedStart + 1;

    qint64 splice = 0;
    while (splice < length &&
           sameFrame(recording, recordedStart + splice, toneOn, (firstFrame + splice) % LoopFrames))
        ++splice;
    qInfo("toggled at %lld ms, notified at %lld ms, change heard from %lld ms of audio",
          toggledAt / 1000, notifiedAt / 1000, splice * 1000 / FramesPerSecond);
    QVERIFY2(splice * 1000000 / FramesPerSecond > toggledAt + 1000000,
             "the change was heard before the notification");
    QVERIFY2(std::abs(splice * 1000000 / FramesPerSecond - notifiedAt) < 500000,
             "the change was not heard right after the notification");
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
            const int step = sampleAt(recording, 2 * (recordedStart + k + 1) + channel) -
                sampleAt(recording, 2 * (recordedStart + k) + channel);
            QVERIFY2(
                std::abs(step) <= allowedStep,
                qPrintable(
                    QString("step %1 after the splice, allowed %2").arg(step).arg(allowedStep)));
        }
    }
    for (qint64 k = splice + BlendFrames; k < length; ++k) {
        if (!sameFrame(recording, recordedStart + k, toneOff, (firstFrame + k) % LoopFrames))
            QFAIL(qPrintable(QString("frame %1 after the splice differs from the loop without "
                                     "the secondary tone")
                                 .arg(k - splice)));
    }
}

QTEST_GUILESS_MAIN(TestTonePlayback)

#include "test_toneplayback.moc"
