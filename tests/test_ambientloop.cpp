#include "sound/ambientloop.h"
#include "sound/fade.h"
#include "sound/loopmixer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <memory>

namespace {

// Writes frames of interleaved samples with libsndfile; the format follows from the name.
bool writeSoundFile(const QString &path, const QVector<qint16> &samples, int channels,
                    int sampleRate, int format)
{
    SF_INFO info {};
    info.channels = channels;
    info.samplerate = sampleRate;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = samples.size() / channels;
    const bool written = sf_writef_short(file, samples.constData(), frames) == frames;
    return sf_close(file) == 0 && written;
}

// Stereo frame i holds (i, -i): every frame says where in the file it came from.
QVector<qint16> countingFrames(int frames)
{
    QVector<qint16> samples;
    for (int i = 0; i < frames; ++i)
        samples << qint16(i) << qint16(-i);
    return samples;
}

// Every frame (level, -level).
QVector<qint16> steadyFrames(int frames, qint16 level)
{
    QVector<qint16> samples;
    for (int i = 0; i < frames; ++i)
        samples << level << qint16(-level);
    return samples;
}

// The left samples of the mixer's next `frames` frames, read in pieces of 1000 frames as an
// output reads them.
QVector<int> mixed(LoopMixer &mixer, int frames)
{
    QVector<int> left;
    QVector<qint16> piece;
    while (left.size() < frames) {
        const int count = qMin(1000, frames - int(left.size()));
        piece.resize(2 * count);
        mixer.mix(piece.data(), count);
        for (int k = 0; k < count; ++k)
            left << piece[2 * k];
    }
    return left;
}

} // namespace

class TestAmbientLoop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void copiesWrapWithoutGap_data();
    void copiesWrapWithoutGap();
    void monoPlaysInBothChannels();
    void decodesMp3ToItsExactLength();
    void unusableFilesAreNamed_data();
    void unusableFilesAreNamed();
    void mixerFades_data();
    void mixerFades();
    void mixerChangesAgainInMidCrossfade();
    void mixerCrossfadesOverQueuedFrames_data();
    void mixerCrossfadesOverQueuedFrames();
    void mixerKeepsTwoLoopsThroughQuickChanges_data();
    void mixerKeepsTwoLoopsThroughQuickChanges();

private:
    QTemporaryDir folder;
};

void TestAmbientLoop::initTestCase()
{
    QVERIFY(folder.isValid());
    QVERIFY(writeSoundFile(folder.filePath("counting.wav"), countingFrames(10000), 2, 44100,
                           SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    QVERIFY(writeSoundFile(folder.filePath("loud.wav"), steadyFrames(5000, 10000), 2, 44100,
                           SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    QVERIFY(writeSoundFile(folder.filePath("soft.wav"), steadyFrames(5000, 4000), 2, 44100,
                           SF_FORMAT_WAV | SF_FORMAT_PCM_16));
}

void TestAmbientLoop::copiesWrapWithoutGap_data()
{
    QTest::addColumn<bool>("decodedAtOnce");
    QTest::addColumn<QVector<int>>("copies");

    for (const bool atOnce : {true, false}) {
        // Opened, the file is decoded a little ahead of each copy on the first pass.
        const char *how = atOnce ? "decoded" : "opened";
        QTest::addRow("%s, within the file", how) << atOnce << QVector<int> {3000, 2000};
        QTest::addRow("%s, up to the end, then from the start", how)
            << atOnce << QVector<int> {10000, 10};
        QTest::addRow("%s, across the seam", how) << atOnce << QVector<int> {9990, 20};
        QTest::addRow("%s, longer than the file, several times", how)
            << atOnce << QVector<int> {25000, 17000};
        QTest::addRow("%s, frame by frame across the seam", how)
            << atOnce << QVector<int> {9998, 1, 1, 1, 1};
    }
}

// Whatever the copies' sizes, one after another they give the file again and again, frame for
// frame: the frame after the last is the first.
void TestAmbientLoop::copiesWrapWithoutGap()
{
    QFETCH(bool, decodedAtOnce);
    QFETCH(QVector<int>, copies);

    QString error;
    const QString path = folder.filePath("counting.wav");
    AmbientLoop loop =
        decodedAtOnce ? AmbientLoop::decode(path, &error) : AmbientLoop::open(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(loop.frameCount() == 10000, decodedAtOnce);

    qint64 frame = 0;
    for (const int count : copies) {
        QVector<qint16> out(2 * count);
        loop.copyFrames(out.data(), count);
        for (int i = 0; i < count; ++i, ++frame) {
            const int expected = int(frame % 10000);
            QCOMPARE(int(out[2 * i]), expected);
            QCOMPARE(int(out[2 * i + 1]), -expected);
        }
        QCOMPARE(loop.position(), frame % 10000);
    }
    if (frame >= 10000)
        QCOMPARE(loop.frameCount(), qint64(10000));
}

void TestAmbientLoop::monoPlaysInBothChannels()
{
    const QString path = folder.filePath("mono.flac");
    QVERIFY(writeSoundFile(path, {100, -200, 300}, 1, 44100, SF_FORMAT_FLAC | SF_FORMAT_PCM_16));

    QString error;
    AmbientLoop loop = AmbientLoop::decode(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVector<qint16> out(8);
    loop.copyFrames(out.data(), 4);
    QCOMPARE(out, QVector<qint16>({100, 100, -200, -200, 300, 300, 100, 100}));
}

// An MP3 decodes to the length it was encoded with, without the encoder's padding, so its loop
// points fall where the recording's do.
void TestAmbientLoop::decodesMp3ToItsExactLength()
{
    const QString path = folder.filePath("short.mp3");
    QVERIFY(writeSoundFile(path, countingFrames(44100), 2, 44100,
                           SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III));
    QString error;
    const AmbientLoop loop = AmbientLoop::decode(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(loop.frameCount(), qint64(44100));
}

void TestAmbientLoop::unusableFilesAreNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");

    QTest::newRow("missing") << "missing.mp3"
                             << "is missing";
    QTest::newRow("a folder") << ""
                              << "cannot be read";
    QTest::newRow("not sound") << "text.mp3"
                               << "is not a sound file that can be decoded";
    QTest::newRow("another sample rate") << "22050.wav"
                                         << "plays at 22050 Hz, not 44100 Hz";
    QTest::newRow("no frames") << "empty.wav"
                               << "holds no sound";
}

void TestAmbientLoop::unusableFilesAreNamed()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);

    QFile text(folder.filePath("text.mp3"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a sound at all\n");
    text.close();
    QVERIFY(writeSoundFile(folder.filePath("22050.wav"), countingFrames(10), 2, 22050,
                           SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    QVERIFY(writeSoundFile(folder.filePath("empty.wav"), {}, 2, 44100,
                           SF_FORMAT_WAV | SF_FORMAT_PCM_16));

    const QString path = folder.filePath(name);
    QString error;
    const AmbientLoop loop = AmbientLoop::decode(path, &error);
    QVERIFY(loop.isEmpty());
    QVERIFY2(error.startsWith(QStringLiteral("ambient file %1: ").arg(path)), qPrintable(error));
    QVERIFY2(error.contains(problem), qPrintable(error));
}

QTEST_APPLESS_MAIN(TestAmbientLoop)
#include "test_ambientloop.moc"

void TestAmbientLoop::mixerFades_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("fade in at the start") << QStringLiteral("start") << 0 << 10000;
    QTest::newRow("crossfade") << QStringLiteral("loud to soft") << 10000 << 4000;
    QTest::newRow("fade out to none") << QStringLiteral("loud to none") << 10000 << 0;
    QTest::newRow("fade in from none") << QStringLiteral("none to loud") << 0 << 10000;
}

// Each fade follows its curve frame by frame, and the loop that is left plays on as it is.
void TestAmbientLoop::mixerFades()
{
    QFETCH(QString, change);
    QFETCH(int, from);
    QFETCH(int, to);
    QString error;
    const auto open = [&](const char *name) {
        return std::make_shared<AmbientLoop>(AmbientLoop::open(folder.filePath(name), &error));
    };
    const int length =
        int(Fade::framesFor(change == "start" ? Fade::ambientFadeInMs : Fade::crossfadeMs));
    LoopMixer mixer;
    if (change == "start") {
        mixer.fadeIn(open("loud.wav"));
    } else {
        mixer.fadeIn(from ? open("loud.wav") : nullptr);
        mixed(mixer, int(Fade::framesFor(Fade::ambientFadeInMs)));
        QCOMPARE(mixed(mixer, 10), QVector<int>(10, from));
        mixer.crossfadeTo(to == 4000 ? open("soft.wav") : to ? open("loud.wav") : nullptr);
    }
    const QVector<int> heard = mixed(mixer, length + 100);
    for (int k = 0; k < length; ++k) {
        const double fraction = double(k) / length;
        const Fade::CrossfadeGains gains = Fade::crossfadeGains(fraction);
        const double expected = change == "start" ? to * Fade::inGain(fraction)
                                                  : from * gains.outgoing + to * gains.incoming;
        if (qAbs(heard[k] - expected) > 0.5)
            QFAIL(qPrintable(QStringLiteral("frame %1 of the fade is %2, not %3")
                                 .arg(k)
                                 .arg(heard[k])
                                 .arg(expected)));
    }
    QCOMPARE(heard.mid(length), QVector<int>(100, to));
}

// A new choice before the last crossfade is over takes both sounds down from where they are: the
// mix moves as smoothly as a single crossfade, and ends on the last choice alone.
void TestAmbientLoop::mixerChangesAgainInMidCrossfade()
{
    QString error;
    const auto open = [&](const char *name) {
        return std::make_shared<AmbientLoop>(AmbientLoop::open(folder.filePath(name), &error));
    };
    LoopMixer mixer;
    mixer.fadeIn(open("loud.wav"));
    QVector<int> heard = mixed(mixer, int(Fade::framesFor(Fade::ambientFadeInMs)));
    mixer.crossfadeTo(open("soft.wav"));
    heard += mixed(mixer, 300);
    mixer.crossfadeTo(open("loud.wav"));
    heard += mixed(mixer, 10000);
    mixer.crossfadeTo(nullptr);
    heard += mixed(mixer, 20000);
    mixer.crossfadeTo(open("soft.wav"));
    const int length = int(Fade::framesFor(Fade::crossfadeMs));
    heard += mixed(mixer, length + 100);
    // The steepest a fade of these levels moves in a frame, with a frame of rounding.
    const int allowed = int(std::ceil(10000 * 2 * M_PI / 2 / length)) + 1;
    for (int k = 1; k < heard.size(); ++k) {
        if (qAbs(heard[k] - heard[k - 1]) > allowed)
            QFAIL(qPrintable(
                QStringLiteral("a step of %1 at frame %2").arg(heard[k] - heard[k - 1]).arg(k)));
    }
    QCOMPARE(heard.mid(heard.size() - 100), QVector<int>(100, 4000));
}

void TestAmbientLoop::mixerCrossfadesOverQueuedFrames_data()
{
    QTest::addColumn<int>("queuedFrames");
    QTest::newRow("nothing queued") << 0;
    QTest::newRow("part of the crossfade queued") << 15000;
    QTest::newRow("more than the crossfade queued") << 60000;
}

// A change over frames the mixer gave but no one has heard yet starts at the first of them: those
// frames and the ones that follow them make one crossfade from the old sound to the new.
void TestAmbientLoop::mixerCrossfadesOverQueuedFrames()
{
    QFETCH(int, queuedFrames);
    QString error;
    const auto open = [&](const char *name) {
        return std::make_shared<AmbientLoop>(AmbientLoop::open(folder.filePath(name), &error));
    };
    LoopMixer mixer;
    mixer.fadeIn(open("loud.wav"));
    mixed(mixer, int(Fade::framesFor(Fade::ambientFadeInMs)));
    QVector<qint16> queued(2 * queuedFrames);
    mixer.mix(queued.data(), queuedFrames);
    mixer.crossfadeTo(open("soft.wav"), queued.data(), queuedFrames);
    const int length = int(Fade::framesFor(Fade::crossfadeMs));
    QVector<int> heard;
    for (int k = 0; k < queuedFrames; ++k)
        heard << queued[2 * k];
    heard += mixed(mixer, qMax(0, length - queuedFrames) + 100);
    for (int k = 0; k < length; ++k) {
        const Fade::CrossfadeGains gains = Fade::crossfadeGains(double(k) / length);
        const double expected = 10000 * gains.outgoing + 4000 * gains.incoming;
        if (qAbs(heard[k] - expected) > 0.5)
            QFAIL(qPrintable(QStringLiteral("frame %1 of the crossfade is %2, not %3")
                                 .arg(k)
                                 .arg(heard[k])
                                 .arg(expected)));
    }
    QCOMPARE(heard.mid(length), QVector<int>(heard.size() - length, 4000));
}

void TestAmbientLoop::mixerKeepsTwoLoopsThroughQuickChanges_data()
{
    QTest::addColumn<int>("queuedFrames");
    QTest::newRow("nothing queued") << 0;
    QTest::newRow("part of a crossfade queued") << 30000;
    QTest::newRow("a whole crossfade queued") << 44100;
}

// The mouse wheel over the box of sounds: 72 changes in 4 s, each heard at once over what is
// queued as an output hears it. No more than two loops are ever read, the mix moves smoothly, and
// it ends on the last choice alone.
void TestAmbientLoop::mixerKeepsTwoLoopsThroughQuickChanges()
{
    QFETCH(int, queuedFrames);
    QString error;
    const auto open = [&](const char *name) {
        return std::make_shared<AmbientLoop>(AmbientLoop::open(folder.filePath(name), &error));
    };
    LoopMixer mixer;
    mixer.fadeIn(open("loud.wav"));
    QVector<int> heard = mixed(mixer, int(Fade::framesFor(Fade::ambientFadeInMs)));
    QVector<qint16> queued(2 * queuedFrames);
    mixer.mix(queued.data(), queuedFrames);
    // Plays `frames` frames: the oldest queued are heard, and the mixer fills the queue again.
    const auto play = [&](int frames) {
        QVector<qint16> next(2 * frames);
        mixer.mix(next.data(), frames);
        queued += next;
        for (int k = 0; k < frames; ++k)
            heard << queued[2 * k];
        queued.remove(0, 2 * frames);
    };
    const int changes = 72;
    const int framesBetween = 4 * 44100 / changes;
    int mostLoops = 0;
    for (int change = 0; change < changes; ++change) {
        mixer.crossfadeTo(open(change % 2 ? "loud.wav" : "soft.wav"), queued.data(), queuedFrames);
        mostLoops = qMax(mostLoops, mixer.loopCount());
        for (int played = 0; played < framesBetween; played += 100) {
            play(100);
            mostLoops = qMax(mostLoops, mixer.loopCount());
        }
    }
    play(int(Fade::framesFor(Fade::crossfadeMs)) + 100);
    QVERIFY2(mostLoops <= 2, qPrintable(QString::number(mostLoops)));
    QCOMPARE(mixer.loopCount(), 1);
    // Crossfades begun every 55 ms overlap at their steepest, so the mix may move faster than one
    // crossfade, but never faster than a Stop's ramp from the same level, the steepest move the
    // program makes on purpose; a switch from one loop to another would step by thousands.
    const int allowed = int(std::ceil(10000 * M_PI / 2 / Fade::framesFor(Fade::stopMs))) + 1;
    int steepest = 0;
    for (int k = 1; k < heard.size(); ++k)
        steepest = qMax(steepest, qAbs(heard[k] - heard[k - 1]));
    qInfo("the steepest step of the mix: %d (a Stop's ramp: %d)", steepest, allowed);
    QVERIFY2(steepest <= allowed, qPrintable(QStringLiteral("a step of %1").arg(steepest)));
    QCOMPARE(heard.mid(heard.size() - 100), QVector<int>(100, 10000));
}
