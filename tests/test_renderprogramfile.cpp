#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

namespace {

// Written by hand, as a user would: two minutes down from 20 Hz to 10 Hz, a rest at 10 Hz, and
// the last 30% of the session down to 4 Hz.
const char handWritten[] = "# a hand-written program\n"
                           "[Velmora Program]\n"
                           "Name=Hand Written\n"
                           "\n"
                           "[Stage 1]\n"
                           "Length=2m\n"
                           "Beat=20 to 10\n"
                           "Colour=yellow to blue\n"
                           "\n"
                           "[Stage 2]\n"
                           "Length=rest\n"
                           "Beat=10\n"
                           "Colour=blue\n"
                           "\n"
                           "[Stage 3]\n"
                           "Length=30%\n"
                           "Beat=10 to 4\n"
                           "Colour=blue to red\n";

// The plan of that program for ten minutes, worked out here rather than by the program: stage 3
// is 30% of 600 s, 180 s; stage 1 is 120 s; the rest has the 300 s between.
double plannedBeat(double seconds)
{
    if (seconds < 120)
        return 20 + (10 - 20) * seconds / 120;
    if (seconds < 420)
        return 10;
    return 10 + (4 - 10) * (seconds - 420) / 180;
}

constexpr int sessionSeconds = 600;
constexpr int loopSeconds = 15;
// The part of each loop measured, and the carrier in the left ear.
constexpr int measuredSeconds = 12;
constexpr double carrier = 396;

// The frequency of one channel from the first to the last rising zero crossing in a stretch,
// each crossing placed between its two samples.
double frequency(const QVector<float> &frames, int channel, qint64 first, qint64 count, int rate)
{
    double firstCrossing = -1;
    double lastCrossing = -1;
    int crossings = 0;
    for (qint64 i = first + 1; i < first + count; ++i) {
        const float before = frames[2 * (i - 1) + channel];
        const float after = frames[2 * i + channel];
        if (before < 0 && after >= 0) {
            const double at = (i - 1) + before / (before - after);
            if (firstCrossing < 0)
                firstCrossing = at;
            lastCrossing = at;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * rate / (lastCrossing - firstCrossing) : 0;
}

struct Run
{
    int status = -1;
    QByteArray err;
};

Run render(const QStringList &arguments, const QString &dataHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_RENDER), arguments);
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

// A program file written by hand, rendered by velmora-render: each tone loop has the beat the
// program plans for its start, and a file that cannot be played renders nothing.
class TestRenderProgramFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsThePlannedBeats();
    void playsItsOwnKindOfTone_data();
    void playsItsOwnKindOfTone();
    void refusals_data();
    void refusals();

private:
    QString write(const QString &name, const QByteArray &text);

    QTemporaryDir folder;
};

void TestRenderProgramFile::initTestCase()
{
    QVERIFY(folder.isValid());
}

QString TestRenderProgramFile::write(const QString &name, const QByteArray &text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}

void TestRenderProgramFile::playsThePlannedBeats()
{
    const QString program = write("hand-written.velmora", handWritten);
    const QString output = folder.filePath("hand-written.wav");
    const Run run = render({"--program-file", program, "--duration", "10m", "--ambient", "none",
                            "--no-secondary-tone", "--quiet", output},
                           folder.path());
    QVERIFY2(run.status == 0, run.err.constData());

    SF_INFO info {};
    SNDFILE *file = sf_open(QFile::encodeName(output).constData(), SFM_READ, &info);
    QVERIFY(file);
    QCOMPARE(info.channels, 2);
    QVector<float> frames(int(info.frames * 2));
    QCOMPARE(sf_readf_float(file, frames.data(), info.frames), info.frames);
    sf_close(file);
    QVERIFY(info.frames >= qint64(sessionSeconds) * info.samplerate);

    // Every loop but the last, which the end fade takes down.
    for (int start = 0; start + loopSeconds < sessionSeconds; start += loopSeconds) {
        const qint64 first = qint64(start) * info.samplerate;
        const qint64 count = qint64(measuredSeconds) * info.samplerate;
        const double left = frequency(frames, 0, first, count, info.samplerate);
        const double right = frequency(frames, 1, first, count, info.samplerate);
        QVERIFY2(qAbs(left - carrier) < 0.5, qPrintable(QString::number(left)));
        const double beat = right - left;
        QVERIFY2(qAbs(beat - plannedBeat(start)) <= 1,
                 qPrintable(QStringLiteral("the loop at %1 s beats at %2 Hz, not %3 Hz")
                                .arg(start)
                                .arg(beat)
                                .arg(plannedBeat(start))));
    }
}

// A program that names its kind of tone plays with it, and --tone holds over it: monaural sound is
// the same in both ears, binaural is not.
void TestRenderProgramFile::playsItsOwnKindOfTone_data()
{
    QTest::addColumn<QStringList>("toneOption");
    QTest::addColumn<bool>("sameInBothEars");
    QTest::newRow("the program's own") << QStringList() << true;
    QTest::newRow("--tone holds over it") << QStringList {"--tone", "binaural"} << false;
}

void TestRenderProgramFile::playsItsOwnKindOfTone()
{
    QFETCH(QStringList, toneOption);
    QFETCH(bool, sameInBothEars);
    const QString program = write("speakers.velmora",
                                  "[Velmora Program]\nName=Speakers\n"
                                  "Tone=monaural\n\n[Stage 1]\n"
                                  "Length=rest\nBeat=10\nColour=blue\n");
    const QString output = folder.filePath("speakers.wav");
    const Run run = render(
        QStringList {"--program-file", program, "--ambient", "none", "--quiet", "--force", output} +
            toneOption,
        folder.path());
    QVERIFY2(run.status == 0, run.err.constData());

    SF_INFO info {};
    SNDFILE *file = sf_open(QFile::encodeName(output).constData(), SFM_READ, &info);
    QVERIFY(file);
    QVector<short> frames(int(info.frames * 2));
    QCOMPARE(sf_readf_short(file, frames.data(), info.frames), info.frames);
    sf_close(file);
    bool same = true;
    for (qint64 i = 0; i < info.frames && same; ++i)
        same = frames[2 * i] == frames[2 * i + 1];
    QCOMPARE(same, sameInBothEars);
}

void TestRenderProgramFile::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("message");

    QTest::newRow("too short for it")
        << QByteArray(handWritten).replace("Length=2m", "Length=9m") << "10m"
        << "velmora-render: Hand Written: This program needs at least 13 min.\n";
    QTest::newRow("beat out of range")
        << QByteArray(handWritten).replace("Beat=10\n", "Beat=99\n") << "10m"
        << "velmora-render: FILE: Stage 2, Beat (line 12): \"99\" is not a beat from 0.5 to 40 Hz; "
           "write one such as 8, or a ramp such as 18 to 8\n";
    QTest::newRow("binary junk") << QByteArray("\x7f"
                                               "ELF\x02\x01\x01\x00",
                                               8)
                                 << "10m"
                                 << "velmora-render: FILE: line 1: this is not a text file (it "
                                    "holds a zero byte)\n";
}

// Exit status 2, one line naming the file and where in it, and no output file.
void TestRenderProgramFile::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, duration);
    QFETCH(QString, message);
    const QString program = write("refused.velmora", text);
    const QString output = folder.filePath("refused.wav");
    const Run run =
        render({"--program-file", program, "--duration", duration, output}, folder.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromUtf8(run.err), message.replace("FILE", program));
    QVERIFY(!QFile::exists(output));
}

QTEST_GUILESS_MAIN(TestRenderProgramFile)
#include "test_renderprogramfile.moc"
