#include "sound/ownsound.h"
#include "sound/tone.h"
#include "tests/stereowav.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <sndfile.h>

Q_DECLARE_METATYPE(OwnSound::Problem)

namespace {

const int seamFrames = OwnSoundLoop::seamMs * Tone::framesPerSecond / 1000;

bool sox(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("sox"), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0;
}

// Overwrites `count` bytes in the middle of the file with bytes no decoder can make sense of.
bool damageMiddle(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    file.seek(file.size() / 2);
    QByteArray garbage(count, '\0');
    quint32 state = 12345;
    for (char &byte : garbage) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    return file.write(garbage) == count;
}

QVector<qint16> play(OwnSoundLoop &loop, qint64 frames)
{
    QVector<qint16> out(int(2 * frames));
    // In pieces of the size a sound server asks for.
    for (qint64 done = 0; done < frames; done += 4410)
        loop.copyFrames(out.data() + 2 * done, qMin<qint64>(4410, frames - done));
    return out;
}

} // namespace

// The user's own recording as the ambient layer: its seam, its level, its formats, the memory it
// holds and the files it refuses. The test files are made here with sox.
class TestOwnSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void seamHasNoGapAndNoClick_data();
    void seamHasNoGapAndNoClick();
    void playsAtTheLayersLoudness();
    void holdsLittleWhateverTheLength();
    void badFilesAreNamed_data();
    void badFilesAreNamed();

private:
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }
    QTemporaryDir folder;
};

void TestOwnSound::initTestCase()
{
    QVERIFY(folder.isValid());
    // Brown noise rises and falls slowly: cut from its end straight to its start it would jump
    // by far more than it ever steps from one sample to the next.
    QVERIFY(sox({"-R", "-n", "-r", "44100", "-c", "2", path("stereo.flac"), "synth", "12",
                 "brownnoise", "vol", "0.4"}));
    QVERIFY(sox({"-R", "-n", "-r", "22050", "-c", "1", path("mono.wav"), "synth", "12",
                 "brownnoise", "vol", "0.4"}));
    QVERIFY(sox({"-R", "-n", "-r", "48000", "-c", "6", path("six.wav"), "synth", "12", "brownnoise",
                 "vol", "0.4"}));
    QVERIFY(sox({"-R", "-n", "-r", "44100", "-c", "2", path("loud.ogg"), "synth", "12", "pinknoise",
                 "vol", "0.9"}));
    QVERIFY(sox({"-R", "-n", "-r", "32000", "-c", "1", path("quiet.mp3"), "synth", "12", "sine",
                 "220", "vol", "0.01"}));
    QVERIFY(sox({"-R", "-n", "-r", "44100", "-c", "2", path("empty.wav"), "trim", "0", "0"}));
    QVERIFY(sox({"-R", "-n", "-r", "44100", "-c", "2", path("silent.wav"), "trim", "0", "3"}));
    QFile text(path("notes.wav"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("these are notes, not sound\n");
    text.close();
    for (const char *name : {"damaged.flac", "damaged.ogg", "damaged.mp3"}) {
        const QString copy = path(name);
        const QString suffix = QFileInfo(copy).suffix();
        QVERIFY(sox({"-R", "-n", "-r", "44100", "-c", "2", copy, "synth", "10", "brownnoise"}));
        QVERIFY(damageMiddle(copy, 20000));
        Q_UNUSED(suffix);
    }
    QVERIFY(QDir(folder.path()).mkdir("folder.wav"));
}

void TestOwnSound::seamHasNoGapAndNoClick_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("stereo 44.1 kHz FLAC") << path("stereo.flac");
    QTest::newRow("mono 22.05 kHz WAV") << path("mono.wav");
    QTest::newRow("6 channels 48 kHz WAV") << path("six.wav");
}

// Two and a half times round: at each seam the sound steps from one frame to the next no further
// than its own steps added at equal power (√2 times the largest: the crossfade keeps the power of
// two unrelated moments, so their steps add so too); and no stretch of 10 ms anywhere is silent, as
// a gap would be.
void TestOwnSound::seamHasNoGapAndNoClick()
{
    QFETCH(QString, file);
    OwnSound::Problem problem = OwnSound::Problem::None;
    std::unique_ptr<OwnSoundLoop> loop = OwnSoundLoop::load(file, &problem);
    QVERIFY2(loop, qPrintable(OwnSound::problemText(problem, file)));
    const OwnSound::Level level = OwnSound::measure(file);
    const qint64 length = level.frames;
    QVERIFY2(qAbs(length - 12 * Tone::framesPerSecond) < 100, qPrintable(QString::number(length)));
    const qint64 period = length - seamFrames;
    const QVector<qint16> out = play(*loop, length + 2 * period - length / 2);
    const qint64 frames = out.size() / 2;

    const auto inSeam = [&](qint64 frame) {
        return frame >= length - seamFrames &&
            (frame - (length - seamFrames)) % period < seamFrames + 1;
    };
    for (int channel = 0; channel < 2; ++channel) {
        int ownStep = 0;
        int seamStep = 0;
        for (qint64 frame = 1; frame < frames; ++frame) {
            const int step =
                qAbs(out[int(2 * frame + channel)] - out[int(2 * (frame - 1) + channel)]);
            (inSeam(frame) ? seamStep : ownStep) = qMax(inSeam(frame) ? seamStep : ownStep, step);
        }
        qInfo("channel %d: largest step %d at the seams, %d elsewhere", channel, seamStep, ownStep);
        QVERIFY(seamStep <= std::sqrt(2.0) * ownStep);
        QVERIFY(ownStep > 0);
    }

    const int block = Tone::framesPerSecond / 100;
    for (qint64 start = 0; start + block <= frames; start += block) {
        int loudest = 0;
        for (qint64 i = 2 * start; i < 2 * (start + block); ++i)
            loudest = qMax(loudest, qAbs(int(out[int(i)])));
        QVERIFY2(loudest > 16, qPrintable(QStringLiteral("silence at frame %1").arg(start)));
    }
}

// Loud and quiet files, at any rate and in any format, come out at the layer's loudness by
// test_ambient_levels.py's meter (sox's filters, not libebur128) and under its peak.
void TestOwnSound::playsAtTheLayersLoudness()
{
    QTemporaryDir played;
    QVERIFY(played.isValid());
    for (const char *name : {"stereo.flac", "six.wav", "loud.ogg", "quiet.mp3"}) {
        OwnSound::Problem problem = OwnSound::Problem::None;
        std::unique_ptr<OwnSoundLoop> loop = OwnSoundLoop::load(path(name), &problem);
        QVERIFY2(loop, name);
        QVERIFY(writeStereoWav(played.filePath(QLatin1String(name) + ".wav"),
                               play(*loop, 12 * Tone::framesPerSecond)));
    }
    QProcess meter;
    meter.setProcessChannelMode(QProcess::MergedChannels);
    meter.start("python3", {QStringLiteral(VELMORA_LEVELS_SCRIPT), played.path()});
    QVERIFY(meter.waitForFinished(60000));
    const QString report = QString::fromUtf8(meter.readAll());
    qInfo("%s", qPrintable(report));
    QVERIFY2(meter.exitStatus() == QProcess::NormalExit && meter.exitCode() == 0,
             qPrintable(report));
    static const QRegularExpression loudness(QStringLiteral("loudness (-?[0-9.]+) LUFS"));
    int measured = 0;
    for (auto match = loudness.globalMatch(report); match.hasNext(); ++measured) {
        const double value = match.next().captured(1).toDouble();
        QVERIFY2(qAbs(value + 27) <= 1, qPrintable(report));
    }
    QCOMPARE(measured, 4);
}

// However long it plays, the loop holds a seam's length and a read's worth decoded ahead.
void TestOwnSound::holdsLittleWhateverTheLength()
{
    OwnSound::Problem problem = OwnSound::Problem::None;
    std::unique_ptr<OwnSoundLoop> loop = OwnSoundLoop::load(path("mono.wav"), &problem);
    QVERIFY(loop);
    QVector<qint16> piece(2 * 4410);
    qint64 most = 0;
    for (int i = 0; i < 400; ++i) {
        loop->copyFrames(piece.data(), 4410);
        most = qMax(most, loop->framesAhead());
    }
    QVERIFY2(most <= seamFrames + 2 * 4410 + 8192, qPrintable(QString::number(most)));
}

void TestOwnSound::badFilesAreNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<OwnSound::Problem>("problem");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << path("gone.flac") << OwnSound::Problem::Missing
                             << "Your own sound \"gone.flac\" is missing.";
    QTest::newRow("a folder") << path("folder.wav") << OwnSound::Problem::Unreadable
                              << "Your own sound \"folder.wav\" cannot be read.";
    QTest::newRow("not sound") << path("notes.wav") << OwnSound::Problem::NotSound
                               << "Your own sound \"notes.wav\" is not a sound file Velmora can "
                                  "play.";
    QTest::newRow("empty") << path("empty.wav") << OwnSound::Problem::Silent
                           << "Your own sound \"empty.wav\" holds no sound.";
    QTest::newRow("silent") << path("silent.wav") << OwnSound::Problem::Silent
                            << "Your own sound \"silent.wav\" holds no sound.";
    for (const char *name : {"damaged.flac", "damaged.ogg", "damaged.mp3"})
        QTest::newRow(name) << path(name) << OwnSound::Problem::Damaged
                            << QStringLiteral("Your own sound \"%1\" is damaged part way through.")
                                   .arg(QLatin1String(name));
}

void TestOwnSound::badFilesAreNamed()
{
    QFETCH(QString, file);
    QFETCH(OwnSound::Problem, problem);
    QFETCH(QString, message);

    OwnSound::Problem found = OwnSound::Problem::None;
    QVERIFY(!OwnSoundLoop::load(file, &found));
    QCOMPARE(found, problem);
    QCOMPARE(OwnSound::problemText(found, file), message);
}

QTEST_GUILESS_MAIN(TestOwnSound)

#include "test_ownsound.moc"
