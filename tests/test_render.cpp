#include "render/sessionexport.h"
#include "render/sessionplan.h"
#include "sound/fade.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <numeric>
#include <sndfile.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Tone::framesPerSecond;
using Tone::loopFrames;

// A five-minute session stops 303 s after Start: each of its three stages ends at the first tick
// past its length in whole seconds.
const qint64 fiveMinuteFrames = 303LL * framesPerSecond;
// Its window reads "Ending..." from 300 s on: the sound fades out from there to the end.
const qint64 fiveMinuteEndingFrame = 300LL * framesPerSecond;

// The end fade's gain at a frame of the file, as the player fades over the same seconds.
double endGain(qint64 frame)
{
    return Fade::outGain(double(frame - fiveMinuteEndingFrame) /
                         (fiveMinuteFrames - fiveMinuteEndingFrame));
}
// Deep Sleep over five minutes: 90 s down from 20 Hz to 3 Hz, 120 s at 3 Hz from 91 s, and 90 s
// back up to 20 Hz from 212 s on, truncated to whole hertz. Loop k starts at 15·k s.
const QVector<int> deepSleepFiveMinuteBeats = {20, 17, 14, 11, 8, 5, 3,  3,  3,  3, 3,
                                               3,  3,  3,  3,  5, 8, 11, 13, 16, 19};
// The ambient sounds' safe level: peaks at -15 dBFS.
const int fixturePeak = 5827;

struct Sound
{
    QString error;
    int sampleRate = 0;
    int channels = 0;
    QVector<qint16> samples;
    qint64 frames() const { return channels ? samples.size() / channels : 0; }
};

Sound readSound(const QString &path)
{
    Sound sound;
    SF_INFO info {};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        sound.error = QString::fromUtf8(sf_strerror(nullptr));
        return sound;
    }
    // Decoded floats become samples rounded and clipped, as the renderer takes them.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.samples.resize(int(info.frames * info.channels));
    const sf_count_t read = sf_readf_short(file, sound.samples.data(), info.frames);
    sound.samples.resize(int(read * info.channels));
    sf_close(file);
    return sound;
}

bool writeMp3(const QString &path, const QVector<qint16> &samples)
{
    SF_INFO info {};
    info.channels = 2;
    info.samplerate = framesPerSecond;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    // As floats: libsndfile 1.2.0 writes 16-bit samples into an MP3 at full scale.
    QVector<float> normalised(samples.size());
    for (int i = 0; i < samples.size(); ++i)
        normalised[i] = samples[i] / 32768.0f;
    const sf_count_t frames = samples.size() / 2;
    const bool written = sf_writef_float(file, normalised.constData(), frames) == frames;
    return sf_close(file) == 0 && written;
}

// A soft chord that swells and fades, seconds long, peaking at the safe level. Tonal sound keeps
// its peaks through the MP3 encoder, where noise would overshoot them.
QVector<qint16> fixtureChord(double seconds, double rootFrequency)
{
    const double twoPi = 6.283185307179586;
    const int frames = int(seconds * framesPerSecond);
    QVector<qint16> samples(2 * frames);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / framesPerSecond;
        const double swell = 0.6 + 0.4 * std::sin(twoPi * i / frames);
        const double chord = std::sin(twoPi * rootFrequency * t) +
            std::sin(twoPi * rootFrequency * 1.25 * t) + std::sin(twoPi * rootFrequency * 1.5 * t);
        samples[2 * i] = qint16(chord / 3 * swell * fixturePeak * 0.9);
        samples[2 * i + 1] = qint16(-chord / 3 * swell * fixturePeak * 0.9);
    }
    return samples;
}

double rms(const QVector<qint16> &samples)
{
    double sum = 0;
    for (const qint16 sample : samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / qMax(1, samples.size()));
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runProcess(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(300000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString shellQuoted(const QString &text)
{
    return QLatin1Char('\'') + QString(text).replace("'", "'\\''") + QLatin1Char('\'');
}

enum class Arrangement {
    AsInstalled,
    WaterMissing,
    WaterNotSound,
    ReadOnlyFolder,
    FullDisk,
    FullDiskWithoutUnnamedFiles
};

// Where a file can exist without a name until it is complete (O_TMPFILE), and where it cannot.
enum class FileSystem { WithUnnamedFiles, WithoutUnnamedFiles };

// What a render's environment adds to the test's own on a file system of that kind, as
// "NAME=value".
QList<QByteArray> variablesFor(FileSystem fileSystem)
{
    QList<QByteArray> variables;
    if (fileSystem == FileSystem::WithoutUnnamedFiles) {
        variables << QByteArray("LD_PRELOAD=" WITHOUT_UNNAMED_FILES);
        // A sanitized build wants its runtime first among the libraries; the preloaded one
        // is not instrumented, so the order does not matter to it.
        const QByteArray sanitizer = qgetenv("ASAN_OPTIONS");
        variables << "ASAN_OPTIONS=" + sanitizer + (sanitizer.isEmpty() ? "" : ":") +
                "verify_asan_link_order=0";
    }
    return variables;
}

// Starts a program with arguments taken byte for byte, which QProcess cannot do for a name that
// is not valid UTF-8, and standard error into a file. Returns the process id, or -1.
pid_t spawn(const QList<QByteArray> &arguments, FileSystem fileSystem,
            const QByteArray &standardErrorFile)
{
    const QList<QByteArray> added = variablesFor(fileSystem);
    const auto isAdded = [&added](const QByteArray &variable) {
        const QByteArray name = variable.left(variable.indexOf('=') + 1);
        return std::any_of(added.begin(), added.end(),
                           [&name](const QByteArray &own) { return own.startsWith(name); });
    };
    QList<QByteArray> environment;
    for (char **variable = environ; *variable; ++variable) {
        if (!isAdded(*variable))
            environment << QByteArray(*variable);
    }
    environment << added;
    QVector<char *> argv;
    for (const QByteArray &argument : arguments)
        argv << const_cast<char *>(argument.constData());
    argv << nullptr;
    QVector<char *> envp;
    for (const QByteArray &variable : environment)
        envp << const_cast<char *>(variable.constData());
    envp << nullptr;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, standardErrorFile.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv.first(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

// Whether the process has ended, keeping its wait status: once reaped, a process cannot be asked
// again, and QTRY_VERIFY asks once more after its condition held.
class Ending
{
public:
    explicit Ending(pid_t pid)
        : pid(pid)
    {
    }
    ~Ending()
    {
        if (!reaped && pid > 0) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    bool operator()()
    {
        reaped = reaped || waitpid(pid, &waitStatus, WNOHANG) == pid;
        return reaped;
    }
    int status() const { return waitStatus; }

private:
    pid_t pid;
    bool reaped = false;
    int waitStatus = 0;
};

// The names in a folder byte for byte, hidden ones too.
QList<QByteArray> entriesOf(const QString &folder)
{
    QList<QByteArray> names;
    DIR *directory = opendir(QFile::encodeName(folder).constData());
    if (!directory)
        return names;
    while (const dirent *entry = readdir(directory)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

// Whether the process has a file open in that folder, with a name or without one.
bool writesInto(pid_t pid, const QString &folder)
{
    const QByteArray descriptors = "/proc/" + QByteArray::number(pid) + "/fd";
    const QByteArray inFolder = QFile::encodeName(folder) + '/';
    for (const QByteArray &descriptor : entriesOf(QFile::decodeName(descriptors))) {
        char target[4096];
        const ssize_t length =
            readlink((descriptors + '/' + descriptor).constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, int(length)).startsWith(inFolder))
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Arrangement)
Q_DECLARE_METATYPE(FileSystem)

// velmora-render run as a user runs it, from a copy beside short ambient files made here, and its
// output read back with libsndfile.
class TestRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void planFollowsTheSession_data();
    void planFollowsTheSession();
    void planOfStagesFollowsItsStages();
    void toneIsTheWindowsLoops();
    void ambientLoopsSeamlesslyWithoutClipping();
    void ownSoundPlaysUnderTheTone();
    void toneKindsAsTheEarHearsThem_data();
    void toneKindsAsTheEarHearsThem();
    void formatsOpenAgain_data();
    void formatsOpenAgain();
    void errorsLeaveNoFile_data();
    void errorsLeaveNoFile();
    void signalsEndTheRenderWithoutAFile_data();
    void signalsEndTheRenderWithoutAFile();
    void existingOutputIsKept_data();
    void existingOutputIsKept();
    void terminalIsNoOutput();
    void namesAreKeptByteForByte_data();
    void namesAreKeptByteForByte();
    void exportJobWritesWhatTheCommandWrites_data();
    void exportJobWritesWhatTheCommandWrites();
    void cancelledExportLeavesNoFile();
    void progressOnlyOnATerminal_data();
    void progressOnlyOnATerminal();

private:
    Run render(const QStringList &arguments) const { return runProcess(renderer, arguments); }
    QString freshFolder(const QString &name) const;

    QTemporaryDir root;
    QString renderer;
    QString resources;
    QString toneOnlyWav;
};

void TestRender::initTestCase()
{
    // SIGQUIT's default dumps core: the renders that end by it leave none behind.
    const rlimit noCore {0, 0};
    QVERIFY(setrlimit(RLIMIT_CORE, &noCore) == 0);
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath("bin/Resources"));
    renderer = root.filePath("bin/velmora-render");
    resources = root.filePath("bin/Resources");
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_RENDER), renderer));
    const char *const names[] = {"pinknoise", "water", "rain", "lullaby"};
    const double seconds[] = {1.3, 1.7, 2.1, 0.9};
    for (int i = 0; i < 4; ++i) {
        const QString path = QStringLiteral("%1/%2.mp3").arg(resources, names[i]);
        QVERIFY(writeMp3(path, fixtureChord(seconds[i], 220 + 55 * i)));
        const QVector<qint16> decoded = readSound(path).samples;
        const auto [quietest, loudest] = std::minmax_element(decoded.begin(), decoded.end());
        QVERIFY(*loudest <= fixturePeak && *quietest >= -fixturePeak);
    }

    toneOnlyWav = freshFolder("tone") + "/deep-sleep.wav";
    const Run run = render({"--program", "Deep Sleep", "--ambient", "none", toneOnlyWav});
    QVERIFY2(run.status == 0, run.err.constData());
}

QString TestRender::freshFolder(const QString &name) const
{
    const QString folder = root.filePath(name);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

void TestRender::planFollowsTheSession_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<qint64>("lengthMs");
    QTest::addColumn<qint64>("endingMs");
    QTest::addColumn<QVector<int>>("beats");

    QTest::newRow("5 minutes") << 300 << qint64(303000) << qint64(300000)
                               << deepSleepFiveMinuteBeats;
    QTest::newRow("30 minutes") << 1800 << qint64(1803000) << qint64(1800000) << QVector<int>();
    QTest::newRow("12 h 55 m") << 46500 << qint64(46503000) << qint64(46500000) << QVector<int>();
}

// The plan is the player's session: it stops where the player's stops, and starts each loop with
// the beat the session has when the player's tone takes it.
void TestRender::planFollowsTheSession()
{
    QFETCH(int, seconds);
    QFETCH(qint64, lengthMs);
    QFETCH(qint64, endingMs);
    QFETCH(QVector<int>, beats);

    const Program &deepSleep = ProgramCatalogue::program(3);
    const SessionPlan plan = SessionPlan::of(deepSleep, seconds);
    QCOMPARE(plan.lengthMs, lengthMs);
    QCOMPARE(plan.endingMs, endingMs);
    QCOMPARE(plan.loopBeats.size(), int((lengthMs + 14999) / 15000));
    if (!beats.isEmpty())
        QCOMPARE(plan.loopBeats, QVector<float>(beats.begin(), beats.end()));
    // Every session ends its final ramp within a hertz of the program's end frequency.
    QVERIFY(qAbs(plan.loopBeats.last() - deepSleep.endFrequency) <= 1);
}

// A plan of stages of a user's own: each loop starts with the beat its stages have at 15·k s, as
// reckoned here from the stages alone, and the end is a built-in program's, three seconds of
// "Ending..." past the session's length.
void TestRender::planOfStagesFollowsItsStages()
{
    const StagePlan stages = {
        {100, 18.0f, 8.0f, {1, 1, 0}, {0, 0, 1}},
        {200, 8.0f, 8.0f, {0, 0, 1}, {0, 0, 1}},
        {20, 7.83f, 0.5f, {0, 0, 1}, {0.2f, 0.1f, 0.3f}},
    };
    const SessionPlan plan = SessionPlan::of(stages);
    QCOMPARE(plan.lengthMs, qint64(323000));
    QCOMPARE(plan.endingMs, qint64(320000));
    QCOMPARE(plan.loopBeats.size(), 22);
    for (int k = 0; k < plan.loopBeats.size(); ++k) {
        const double at = 15.0 * k;
        double planned = 0.5;
        if (at < 100)
            planned = 18 - 10 * at / 100;
        else if (at < 300)
            planned = 8;
        else if (at < 320)
            planned = 7.83 - (7.83 - 0.5) * (at - 300) / 20;
        QVERIFY2(qAbs(plan.loopBeats.at(k) - planned) < 0.01,
                 qPrintable(QStringLiteral("loop %1: %2 Hz, planned %3")
                                .arg(k)
                                .arg(plan.loopBeats.at(k))
                                .arg(planned)));
    }
}

// Loop k of the file is, sample for sample, the tone loop for the beat the session has at 15·k s,
// with the secondary tone as the window plays it by default; the last loop is cut where the
// session stops. Over the seconds that read "Ending..." it is that loop under the player's end
// fade, and its last frame is silent.
void TestRender::toneIsTheWindowsLoops()
{
    const Sound sound = readSound(toneOnlyWav);
    QVERIFY2(sound.error.isEmpty(), qPrintable(sound.error));
    QCOMPARE(sound.sampleRate, framesPerSecond);
    QCOMPARE(sound.channels, 2);
    QCOMPARE(sound.frames(), fiveMinuteFrames);

    QHash<int, QVector<qint16>> referenceLoops;
    for (int k = 0; k < deepSleepFiveMinuteBeats.size(); ++k) {
        const int beat = deepSleepFiveMinuteBeats.at(k);
        if (!referenceLoops.contains(beat)) {
            const QByteArray bytes = ReferenceTone::loop(396, beat, true, 1);
            QVector<qint16> samples(2 * loopFrames);
            for (int i = 0; i < samples.size(); ++i)
                samples[i] = ReferenceTone::sampleAt(bytes, i);
            referenceLoops.insert(beat, samples);
        }
        QVector<qint16> reference = referenceLoops.value(beat);
        const qint64 first = qint64(k) * loopFrames;
        const int count = int(qMin<qint64>(loopFrames, sound.frames() - first));
        Fade::fadeOutFrames(reference.data(), count, first - fiveMinuteEndingFrame,
                            fiveMinuteFrames - fiveMinuteEndingFrame);
        const bool same = std::equal(reference.constBegin(), reference.constBegin() + 2 * count,
                                     sound.samples.constBegin() + 2 * first);
        QVERIFY2(same,
                 qPrintable(QStringLiteral("loop %1 is not the loop for %2 Hz").arg(k).arg(beat)));
    }
    QVERIFY(endGain(fiveMinuteEndingFrame) == 1.0);
    QCOMPARE(sound.samples.at(sound.samples.size() - 2), qint16(0));
    QCOMPARE(sound.samples.last(), qint16(0));
}

// With an ambient sound, the file minus the tone is the ambient file over and over, frame for
// frame across each seam, and no sample reaches full scale; the end fade lays the same curve
// over both, to within the rounding of each.
void TestRender::ambientLoopsSeamlesslyWithoutClipping()
{
    const QString output = freshFolder("ambient") + "/water.wav";
    const Run run = render({"--program", "3", "--ambient", "water", output});
    QVERIFY2(run.status == 0, run.err.constData());
    QVERIFY2(!run.err.contains("warning"), run.err.constData());

    const Sound mixed = readSound(output);
    const Sound tone = readSound(toneOnlyWav);
    const Sound water = readSound(resources + "/water.mp3");
    QCOMPARE(mixed.frames(), tone.frames());
    QVERIFY(water.frames() > 0 && water.frames() < 2 * framesPerSecond);

    qint16 quietest = 0;
    qint16 loudest = 0;
    for (int i = 0; i < mixed.samples.size(); ++i) {
        const int ambient = mixed.samples[i] - tone.samples[i];
        const qint64 frame = i / 2;
        const int waterSample = water.samples[i % water.samples.size()];
        const int expected =
            frame < fiveMinuteEndingFrame ? waterSample : Fade::scaled(waterSample, endGain(frame));
        if (qAbs(ambient - expected) > (frame < fiveMinuteEndingFrame ? 0 : 1))
            QFAIL(qPrintable(QStringLiteral("frame %1 (%2 into a repeat of the ambient file) has "
                                            "ambient %3, not %4")
                                 .arg(i / 2)
                                 .arg(i / 2 % water.frames())
                                 .arg(ambient)
                                 .arg(expected)));
        quietest = qMin(quietest, mixed.samples[i]);
        loudest = qMax(loudest, mixed.samples[i]);
    }
    QVERIFY2(loudest < 32767 && quietest > -32768,
             qPrintable(QStringLiteral("peaks %1 and %2").arg(quietest).arg(loudest)));
}

namespace {

// One ear's loudness every 20 ms: shorter than a pulse of any program's beat, long enough to
// smooth the carrier's own cycles.
QVector<double> envelopeOf(const Sound &sound, int channel, qint64 firstFrame, qint64 frames)
{
    const int window = framesPerSecond / 50;
    QVector<double> envelope;
    for (qint64 start = firstFrame; start + window <= firstFrame + frames; start += window) {
        double sum = 0;
        for (qint64 i = start; i < start + window; ++i) {
            const double sample = sound.samples[int(2 * i + channel)];
            sum += sample * sample;
        }
        envelope << std::sqrt(sum / window);
    }
    return envelope;
}

// The frequency, in steps of 0.05 Hz from 0.5 to 25 Hz, at which the envelope swings the most:
// a plain discrete Fourier sum at each.
double strongestSwing(const QVector<double> &envelope, double samplesPerSecond)
{
    const double mean = std::accumulate(envelope.begin(), envelope.end(), 0.0) / envelope.size();
    double best = 0;
    double bestPower = -1;
    for (double frequency = 0.5; frequency <= 25; frequency += 0.05) {
        double re = 0;
        double im = 0;
        for (int i = 0; i < envelope.size(); ++i) {
            const double angle = 6.283185307179586 * frequency * i / samplesPerSecond;
            re += (envelope[i] - mean) * std::cos(angle);
            im += (envelope[i] - mean) * std::sin(angle);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = frequency;
        }
    }
    return best;
}

} // namespace

// A recording of the user's own, mono at 22.05 kHz: the file minus the tone is the recording,
// never silent and never past the room the tone leaves.
void TestRender::ownSoundPlaysUnderTheTone()
{
    const QString own = freshFolder("own") + "/brook.wav";
    QProcess sox;
    sox.start("sox", {"-R", "-n", "-r", "22050", "-c", "1", own, "synth", "7", "brownnoise"});
    QVERIFY(sox.waitForFinished(30000) && sox.exitCode() == 0);
    const QString output = freshFolder("ownrender") + "/own.wav";
    const Run run = render({"--program", "Deep Sleep", "--ambient", own, output});
    QVERIFY2(run.status == 0, run.err.constData());
    const auto mixed = readSound(output);
    const auto tone = readSound(toneOnlyWav);
    QCOMPARE(mixed.samples.size(), tone.samples.size());
    int loudest = 0;
    const int second = 2 * 44100;
    for (int start = 0; start + second <= 270 * second; start += second) {
        int loudestThisSecond = 0;
        for (int i = start; i < start + second; ++i)
            loudestThisSecond = qMax(loudestThisSecond, qAbs(mixed.samples[i] - tone.samples[i]));
        QVERIFY2(loudestThisSecond > 100, qPrintable(QString::number(start / second)));
        loudest = qMax(loudest, loudestThisSecond);
    }
    QVERIFY2(loudest <= 6000, qPrintable(QString::number(loudest)));
}

void TestRender::toneKindsAsTheEarHearsThem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("sameInBothEars");
    QTest::addColumn<bool>("pulsesAtTheBeat");

    QTest::newRow("binaural") << "binaural" << false << false;
    QTest::newRow("isochronic") << "isochronic" << true << true;
    QTest::newRow("monaural") << "monaural" << true << true;
}

// Each kind of tone over a whole session, measured from the file alone: whether both ears hear
// the same, and whether each ear's loudness swings at the beat (3 Hz in Deep Sleep's plateau) or
// holds still, as a binaural tone's does. No sample steps further than the tone's steepest sine
// could (a click would), and none goes past the tone's peak.
void TestRender::toneKindsAsTheEarHearsThem()
{
    QFETCH(QString, kind);
    QFETCH(bool, sameInBothEars);
    QFETCH(bool, pulsesAtTheBeat);

    const QString output = freshFolder(kind) + "/deep-sleep.wav";
    const Run run =
        render({"--program", "Deep Sleep", "--ambient", "none", "--tone", kind, output});
    QVERIFY2(run.status == 0, run.err.constData());
    const Sound sound = readSound(output);
    QCOMPARE(sound.frames(), fiveMinuteFrames);

    bool same = true;
    int steepestStep = 0;
    int loudest = 0;
    for (qint64 frame = 0; frame < sound.frames(); ++frame) {
        const int left = sound.samples[int(2 * frame)];
        const int right = sound.samples[int(2 * frame + 1)];
        same = same && left == right;
        loudest = qMax(loudest, qMax(qAbs(left), qAbs(right)));
        if (frame > 0) {
            steepestStep = qMax(steepestStep, qAbs(left - sound.samples[int(2 * frame - 2)]));
            steepestStep = qMax(steepestStep, qAbs(right - sound.samples[int(2 * frame - 1)]));
        }
    }
    QCOMPARE(same, sameInBothEars);
    QVERIFY2(loudest <= Tone::peak, qPrintable(QString::number(loudest)));
    // A sine of amplitude A at f steps at most A·2πf per second: the main tone at 0.7 of full
    // scale and at most 396 + 20 Hz, the secondary tone at 0.1 and 528 Hz. A quarter more leaves
    // room for a pulse's edges, which a click would far exceed.
    const double twoPiPerFrame = 6.283185307179586 / framesPerSecond;
    const double sinesSteepest =
        32767 * (0.7 * (396 + 20) * twoPiPerFrame + 0.1 * 528 * twoPiPerFrame);
    QVERIFY2(steepestStep <= 1.25 * sinesSteepest,
             qPrintable(QStringLiteral("a step of %1").arg(steepestStep)));

    // Loop 8, 120 s to 135 s, is in the plateau at 3 Hz; its middle is clear of its fades.
    const qint64 first = 8 * qint64(loopFrames) + 2 * framesPerSecond;
    const QVector<double> envelope = envelopeOf(sound, 0, first, 11LL * framesPerSecond);
    const auto [low, high] = std::minmax_element(envelope.begin(), envelope.end());
    const double swing = (*high - *low) / (*high + *low);
    if (pulsesAtTheBeat) {
        QVERIFY2(swing > 0.6, qPrintable(QString::number(swing)));
        QVERIFY2(qAbs(strongestSwing(envelope, 50) - 3) < 0.1,
                 qPrintable(QString::number(strongestSwing(envelope, 50))));
    } else {
        QVERIFY2(swing < 0.1, qPrintable(QString::number(swing)));
    }
}

void TestRender::formatsOpenAgain_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<bool>("lossless");

    QTest::newRow("WAV") << "session.wav" << 44100 << true;
    QTest::newRow("FLAC") << "session.flac" << 44100 << true;
    QTest::newRow("Ogg Vorbis") << "session.ogg" << 44100 << false;
    QTest::newRow("Opus, which takes 48 kHz only") << "session.opus" << 48000 << false;
    QTest::newRow("MP3") << "session.mp3" << 44100 << false;
    QTest::newRow("WAV on standard output") << "-" << 44100 << true;
}

// Each format opens again with libsndfile, stereo, with the session's length; a lossless one
// holds the very samples of the WAV file.
void TestRender::formatsOpenAgain()
{
    QFETCH(QString, name);
    QFETCH(int, sampleRate);
    QFETCH(bool, lossless);

    const QString folder = freshFolder("formats");
    const QString reference = freshFolder("formats-reference") + "/session.wav";
    QCOMPARE(render({"--program", "Deep Sleep", reference}).status, 0);

    QString path = folder + '/' + name;
    const Run run = render({"--program", "Deep Sleep", name == "-" ? "-" : path});
    QVERIFY2(run.status == 0, run.err.constData());
    if (name == "-") {
        path = folder + "/standard-output.wav";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(run.out);
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList {QFileInfo(path).fileName()});

    const Sound sound = readSound(path);
    QVERIFY2(sound.error.isEmpty(), qPrintable(sound.error));
    QCOMPARE(sound.sampleRate, sampleRate);
    QCOMPARE(sound.channels, 2);
    QCOMPARE(sound.frames(), 303LL * sampleRate);
    const Sound wav = readSound(reference);
    if (lossless) {
        QVERIFY(sound.samples == wav.samples);
    } else {
        // A lossy encoder changes the samples, not the loudness.
        const double decibels = 20 * std::log10(rms(sound.samples) / rms(wav.samples));
        QVERIFY2(qAbs(decibels) < 0.5, qPrintable(QString::number(decibels) + " dB"));
    }
}

void TestRender::errorsLeaveNoFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Arrangement>("arrangement");
    QTest::addColumn<QString>("message");

    const QString output = "OUT/night.flac";
    QTest::newRow("unknown program")
        << QStringList {"--program", "Nap", output} << Arrangement::AsInstalled
        << "unknown program \"Nap\": give a name or a number 1 to 11";
    QTest::newRow("program number past the catalogue")
        << QStringList {"--program", "12", output} << Arrangement::AsInstalled
        << "unknown program \"12\"";
    QTest::newRow("whole hour the window does not offer")
        << QStringList {"--program", "3", "--duration", "2h", output} << Arrangement::AsInstalled
        << "length \"2h\" is not allowed: 5m to 12h55m in 5-minute steps";
    QTest::newRow("longer than the window allows")
        << QStringList {"--program", "3", "--duration", "13:05", output} << Arrangement::AsInstalled
        << "length \"13:05\" is not allowed";
    QTest::newRow("unknown extension")
        << QStringList {"--program", "3", "OUT/night.aiff"} << Arrangement::AsInstalled
        << "unknown output format \"OUT/night.aiff\": end the name with .wav, .flac";
    QTest::newRow("output folder missing")
        << QStringList {"--program", "3", "OUT/missing/night.flac"} << Arrangement::AsInstalled
        << "output folder OUT/missing does not exist";
    QTest::newRow("output folder read-only")
        << QStringList {"--program", "3", output} << Arrangement::ReadOnlyFolder
        << "cannot write in output folder OUT: Read-only file system";
    QTest::newRow("ambient file missing")
        << QStringList {"--program", "3", "--ambient", "water", output} << Arrangement::WaterMissing
        << "ambient file RESOURCES/water.mp3: is missing";
    QTest::newRow("ambient file not sound")
        << QStringList {"--program", "3", "--ambient", "water", output}
        << Arrangement::WaterNotSound
        << "ambient file RESOURCES/water.mp3: is not a sound file that can be decoded";
    QTest::newRow("own sound missing")
        << QStringList {"--program", "3", "--ambient", "OUT/../gone.flac", output}
        << Arrangement::AsInstalled << "Your own sound \"gone.flac\" is missing.";
    QTest::newRow("own sound not sound")
        << QStringList {"--program", "3", "--ambient", "RESOURCES/../velmora-render", output}
        << Arrangement::AsInstalled
        << "Your own sound \"velmora-render\" is not a sound file Velmora can play.";
    QTest::newRow("disk too small for the WAV file")
        << QStringList {"--program", "3", "--ambient", "none", "OUT/night.wav"}
        << Arrangement::FullDisk << "writing OUT/night.wav failed: No space left on device";
    QTest::newRow("disk full in the middle of Vorbis encoding")
        << QStringList {"--program", "3", "OUT/night.ogg"} << Arrangement::FullDisk
        << "writing OUT/night.ogg failed: No space left on device";
    QTest::newRow("disk full in the middle of FLAC encoding")
        << QStringList {"--program", "3", "OUT/night.flac"} << Arrangement::FullDisk
        << "writing OUT/night.flac failed: No space left on device";
    QTest::newRow("disk full in the middle of Opus encoding")
        << QStringList {"--program", "3", "OUT/night.opus"} << Arrangement::FullDisk
        << "writing OUT/night.opus failed: No space left on device";
    // libsndfile's MP3 encoder counts a short write as whole.
    QTest::newRow("disk full in the middle of MP3 encoding")
        << QStringList {"--program", "3", "OUT/night.mp3"} << Arrangement::FullDisk
        << "writing OUT/night.mp3 failed: No space left on device";
    QTest::newRow("disk too small for the WAV file, without unnamed files")
        << QStringList {"--program", "3", "--ambient", "none", "OUT/night.wav"}
        << Arrangement::FullDiskWithoutUnnamedFiles
        << "writing OUT/night.wav failed: No space left on device";
    QTest::newRow("disk full in the middle of MP3 encoding, without unnamed files")
        << QStringList {"--program", "3", "OUT/night.mp3"}
        << Arrangement::FullDiskWithoutUnnamedFiles
        << "writing OUT/night.mp3 failed: No space left on device";
    QTest::newRow("disk full in the middle of FLAC encoding, without unnamed files")
        << QStringList {"--program", "3", "OUT/night.flac"}
        << Arrangement::FullDiskWithoutUnnamedFiles
        << "writing OUT/night.flac failed: No space left on device";
}

// Each error is one line on standard error naming the problem, status 2, and nothing left in the
// output folder, not even the temporary file.
void TestRender::errorsLeaveNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(Arrangement, arrangement);
    QFETCH(QString, message);

    const QString folder = freshFolder("errors");
    const QString water = resources + "/water.mp3";
    const QString waterAside = root.filePath("water.mp3");
    QVERIFY(QFile::copy(water, waterAside));
    const auto restoreWater = qScopeGuard([&] {
        QFile::remove(water);
        QFile::rename(waterAside, water);
    });
    if (arrangement == Arrangement::WaterMissing) {
        QVERIFY(QFile::remove(water));
    } else if (arrangement == Arrangement::WaterNotSound) {
        QFile file(water);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("ID3 but nothing after it\n");
    }
    arguments.replaceInStrings("OUT", folder).replaceInStrings("RESOURCES", resources);
    message.replace("OUT", folder).replace("RESOURCES", resources);

    Run run;
    QStringList left;
    if (arrangement == Arrangement::ReadOnlyFolder || arrangement == Arrangement::FullDisk ||
        arrangement == Arrangement::FullDiskWithoutUnnamedFiles) {
        // A small file system of its own in a private mount namespace: read-only, or full after
        // a few hundred kilobytes. It lives as long as the shell, which lists it at the end.
        const QString options =
            arrangement == Arrangement::ReadOnlyFolder ? "ro,size=64k" : "size=256k";
        QStringList command {"env"};
        const FileSystem fileSystem = arrangement == Arrangement::FullDiskWithoutUnnamedFiles
            ? FileSystem::WithoutUnnamedFiles
            : FileSystem::WithUnnamedFiles;
        for (const QByteArray &variable : variablesFor(fileSystem))
            command << shellQuoted(QString::fromLocal8Bit(variable));
        command << shellQuoted(renderer);
        for (const QString &argument : arguments)
            command << shellQuoted(argument);
        const QString script =
            QStringLiteral("mount -t tmpfs -o %1 velmora-test %2 || exit 99\n"
                           "%3 2>&1\nstatus=$?\necho '--- left:'\nls -A %2\nexit $status")
                .arg(options, shellQuoted(folder), command.join(' '));
        // Where the kernel refuses an unprivileged user namespace (inside a chroot, or where the
        // distribution restricts them) this file system cannot be made, and only then the case
        // skips. Made, everything that follows is the renderer's to pass.
        const Run namespaceProbe = runProcess("unshare", {"--map-root-user", "--mount", "true"});
        if (namespaceProbe.status != 0)
            QSKIP(qPrintable("cannot make a private user and mount namespace here (unshare: " +
                             QString::fromLocal8Bit(namespaceProbe.err).trimmed() + ")"));
        run = runProcess("unshare", {"--map-root-user", "--mount", "sh", "-c", script});
        QVERIFY2(run.status != 99, "mounting a tmpfs in the private mount namespace failed");
        const int separator = run.out.indexOf("--- left:\n");
        QVERIFY2(separator >= 0, run.out.constData());
        left = QString::fromLocal8Bit(run.out.mid(separator + 10)).split('\n', Qt::SkipEmptyParts);
        run.err = run.out.left(separator);
    } else {
        run = render(arguments);
        left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QCOMPARE(run.status, 2);
    const QString error = QString::fromLocal8Bit(run.err);
    QVERIFY2(error.startsWith("velmora-render: " + message), qPrintable(error));
    QCOMPARE(error.count('\n'), 1);
    QVERIFY2(error.endsWith('\n'), qPrintable(error));
    QCOMPARE(left, QStringList());
}

void TestRender::signalsEndTheRenderWithoutAFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<FileSystem>("fileSystem");

    const struct
    {
        const char *name;
        int number;
    } endingSignals[] = {
        {"SIGINT", SIGINT}, {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGQUIT", SIGQUIT}};
    for (const auto &signal : endingSignals) {
        QTest::addRow("%s", signal.name) << signal.number << FileSystem::WithUnnamedFiles;
        QTest::addRow("%s, without unnamed files", signal.name)
            << signal.number << FileSystem::WithoutUnnamedFiles;
    }
    // Any signal that ends a process by default takes the partial file away.
    QTest::newRow("SIGUSR1, without unnamed files")
        << int(SIGUSR1) << FileSystem::WithoutUnnamedFiles;
}

// A signal in the middle of a long render (Ctrl-C, a closed terminal, kill) takes the partial
// file away, says so, and ends the process by that very signal, so that the shell that started
// it knows, and a loop of renders stops.
void TestRender::signalsEndTheRenderWithoutAFile()
{
    QFETCH(int, signal);
    QFETCH(FileSystem, fileSystem);

    const QString folder = freshFolder("signals");
    const QByteArray errors = QFile::encodeName(root.filePath("signals.err"));
    const pid_t pid = spawn({QFile::encodeName(renderer), "--program", "3", "--duration", "12h55m",
                             "--ambient", "none", QFile::encodeName(folder + "/night.flac")},
                            fileSystem, errors);
    QVERIFY(pid > 0);
    Ending ended(pid);
    QTRY_VERIFY_WITH_TIMEOUT(writesInto(pid, folder), 30000);
    if (fileSystem == FileSystem::WithUnnamedFiles)
        QCOMPARE(entriesOf(folder), QList<QByteArray>());
    QVERIFY(::kill(pid, signal) == 0);

    QTRY_VERIFY_WITH_TIMEOUT(ended(), 10000);
    const int status = ended.status();
    QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("status %1").arg(status)));
    QCOMPARE(WTERMSIG(status), signal);
    QFile standardError(QFile::decodeName(errors));
    QVERIFY(standardError.open(QIODevice::ReadOnly));
    QCOMPARE(standardError.readAll(), QByteArray("velmora-render: interrupted; no file written\n"));
    QCOMPARE(entriesOf(folder), QList<QByteArray>());
}

void TestRender::existingOutputIsKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("force");

    for (const char *kind : {"file", "read-only file", "link", "dangling link"}) {
        QTest::addRow("%s", kind) << QString::fromLatin1(kind) << false;
        QTest::addRow("%s, --force", kind) << QString::fromLatin1(kind) << true;
    }
}

// An existing file or link of the output's name stays as it is, with status 2 and a line that
// says how to replace it; --force replaces it, a link by a file, and leaves the link's target.
void TestRender::existingOutputIsKept()
{
    QFETCH(QString, kind);
    QFETCH(bool, force);

    const QString folder = freshFolder("existing");
    const QString output = folder + "/night.wav";
    const QString target = folder + "/target.txt";
    const QByteArray mine = "the user's own file\n";
    QFile own(kind.contains("link") ? target : output);
    if (kind != "dangling link") {
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write(mine);
        own.close();
    }
    if (kind.contains("link"))
        QVERIFY(QFile::link(target, output));
    if (kind == "read-only file")
        QVERIFY(own.setPermissions(QFileDevice::ReadOwner));

    QStringList arguments = {"--program", "3", "--ambient", "none", output};
    if (force)
        arguments.prepend("--force");
    const Run run = render(arguments);

    if (force) {
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(!QFileInfo(output).isSymLink());
        QCOMPARE(readSound(output).samples, readSound(toneOnlyWav).samples);
    } else {
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromLocal8Bit(run.err),
                 QStringLiteral("velmora-render: %1 exists and is kept: give --force to replace "
                                "it\n")
                     .arg(output));
        QCOMPARE(QFileInfo(output).isSymLink(), kind.contains("link"));
        if (kind.contains("link"))
            QCOMPARE(QFileInfo(output).symLinkTarget(), target);
        if (kind != "dangling link")
            QCOMPARE(QFileInfo(output).size(), qint64(mine.size()));
    }
    if (kind == "link") {
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), mine);
    }
    const QStringList expected = kind.contains("link") && kind != "dangling link"
        ? QStringList {"night.wav", "target.txt"}
        : QStringList {"night.wav"};
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot |
                                    QDir::System),
             expected);
}

// "-" on a terminal would pour binary sound onto the screen: it is refused before a sample.
void TestRender::terminalIsNoOutput()
{
    const QString command = shellQuoted(renderer) + " --program 3 -";
    const Run run = runProcess("script", {"-qefc", command, "/dev/null"});
    QCOMPARE(run.status, 2);
    QCOMPARE(QString::fromLocal8Bit(run.out).remove('\r'),
             QStringLiteral("velmora-render: standard output is a terminal, which cannot show "
                            "sound: send it to a file or a pipe, or name an output file\n"));
}

void TestRender::namesAreKeptByteForByte_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<FileSystem>("fileSystem");

    // Latin-1 for "café.wav": not UTF-8, so no QString gives it back.
    const QByteArray latin1 = "caf\xe9.wav";
    // The longest a name may be on Linux file systems is 255 bytes.
    const QByteArray longest = QByteArray(250, 'n') + ".mp3";
    QTest::newRow("not UTF-8") << latin1 << FileSystem::WithUnnamedFiles;
    QTest::newRow("not UTF-8, without unnamed files") << latin1 << FileSystem::WithoutUnnamedFiles;
    QTest::newRow("254 bytes") << longest << FileSystem::WithUnnamedFiles;
    QTest::newRow("254 bytes, without unnamed files") << longest << FileSystem::WithoutUnnamedFiles;
}

// The file takes the very bytes it was given as its name, whatever the locale makes of them, and
// any name the file system takes fits: nothing longer is made from it on the way.
void TestRender::namesAreKeptByteForByte()
{
    QFETCH(QByteArray, name);
    QFETCH(FileSystem, fileSystem);

    const QString folder = freshFolder("names");
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    // QDir, which takes names as text, cannot remove one that is not.
    const auto removeFile = qScopeGuard([&] { unlink(path.constData()); });
    const QByteArray errors = QFile::encodeName(root.filePath("names.err"));
    const pid_t pid = spawn({QFile::encodeName(renderer), "--quiet", "--program", "3", "--ambient",
                             "none", QFile::encodeName(folder) + '/' + name},
                            fileSystem, errors);
    QVERIFY(pid > 0);
    Ending ended(pid);
    QTRY_VERIFY_WITH_TIMEOUT(ended(), 60000);
    const int status = ended.status();
    QFile standardError(QFile::decodeName(errors));
    QVERIFY(standardError.open(QIODevice::ReadOnly));
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, standardError.readAll().constData());
    QCOMPARE(entriesOf(folder), QList<QByteArray> {name});
}

void TestRender::exportJobWritesWhatTheCommandWrites_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("FLAC") << "session.flac";
    QTest::newRow("MP3") << "session.mp3";
}

// The window's export, on a thread of its own, writes the very file velmora-render writes for the
// same choices, with the ambient sounds both find beside them, and reports its progress to the
// end.
void TestRender::exportJobWritesWhatTheCommandWrites()
{
    QFETCH(QString, name);

    const QString folder = freshFolder("export");
    const QString exported = folder + "/exported-" + name;
    const QString rendered = folder + "/rendered-" + name;
    RenderOptions::Request request;
    request.programNumber = 3;
    request.seconds = 300;
    request.ambient = AmbientSound::Water;
    request.secondaryTone = true;
    request.output = exported;
    request.outputName = QFile::encodeName(exported);
    request.format = *RenderOptions::outputFormatFor(exported);

    ExportJob job;
    QSignalSpy progressed(&job, &ExportJob::progressed);
    QSignalSpy finished(&job, &ExportJob::finished);
    job.start(request, SessionPlan::of(ProgramCatalogue::program(3), request.seconds));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 120000);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QVERIFY(!progressed.isEmpty());
    QCOMPARE(progressed.last().at(0).toLongLong(), fiveMinuteFrames);
    QCOMPARE(progressed.last().at(1).toLongLong(), fiveMinuteFrames);

    const Run run = runProcess(QStringLiteral(VELMORA_RENDER),
                               {"--program", "3", "--ambient", "water", rendered});
    QVERIFY2(run.status == 0, run.err.constData());
    const Sound fromWindow = readSound(exported);
    const Sound fromCommand = readSound(rendered);
    QVERIFY2(fromWindow.error.isEmpty(), qPrintable(fromWindow.error));
    QCOMPARE(fromWindow.frames(), fromCommand.frames());
    QVERIFY(fromWindow.samples == fromCommand.samples);
}

// Cancel stops an export at its next piece and leaves nothing in the folder.
void TestRender::cancelledExportLeavesNoFile()
{
    const QString folder = freshFolder("cancel");
    RenderOptions::Request request;
    request.programNumber = 3;
    request.seconds = 46500;
    request.ambient = AmbientSound::None;
    request.output = folder + "/night.flac";
    request.outputName = QFile::encodeName(request.output);
    request.format = RenderOptions::OutputFormat::Flac;

    ExportJob job;
    QSignalSpy progressed(&job, &ExportJob::progressed);
    QSignalSpy finished(&job, &ExportJob::finished);
    job.start(request, SessionPlan::of(ProgramCatalogue::program(3), request.seconds));
    QTRY_VERIFY_WITH_TIMEOUT(!progressed.isEmpty(), 10000);
    job.cancel();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toBool(), true);
    QVERIFY(!job.isRunning());
    QCOMPARE(entriesOf(folder), QList<QByteArray>());
}

void TestRender::progressOnlyOnATerminal_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<bool>("bar");
    QTest::addColumn<bool>("closingLine");

    QTest::newRow("terminal") << true << false << true << true;
    QTest::newRow("terminal, --quiet") << true << true << false << false;
    QTest::newRow("pipe") << false << false << false << true;
}

void TestRender::progressOnlyOnATerminal()
{
    QFETCH(bool, terminal);
    QFETCH(bool, quiet);
    QFETCH(bool, bar);
    QFETCH(bool, closingLine);

    const QString output = freshFolder("progress") + "/session.wav";
    QStringList arguments = {"--program", "1", "--ambient", "none", output};
    if (quiet)
        arguments << "--quiet";

    QByteArray stderrText;
    if (terminal) {
        // script gives the render a pseudo-terminal and copies what it shows to its own output.
        QStringList command {shellQuoted(renderer)};
        for (const QString &argument : arguments)
            command << shellQuoted(argument);
        const Run run = runProcess("script", {"-qefc", command.join(' '), "/dev/null"});
        QCOMPARE(run.status, 0);
        stderrText = run.out;
    } else {
        const Run run = render(arguments);
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.isEmpty());
        stderrText = run.err;
    }

    const QString shown = QString::fromLocal8Bit(stderrText);
    QCOMPARE(
        shown.contains(QRegularExpression("\r\\[[#.]+\\] +\\d+%  \\d:\\d\\d:\\d\\d of 0:05:03")),
        bar);
    const QString closing = QStringLiteral("velmora-render: wrote %1: 53.4 MB, 0:05:03 of "
                                           "Active Concentration, WAV 44.1 kHz stereo")
                                .arg(output);
    QCOMPARE(shown.contains(closing), closingLine);
    if (!terminal)
        QCOMPARE(shown, closing + '\n');
    if (quiet)
        QCOMPARE(shown, QString());
}

QTEST_GUILESS_MAIN(TestRender)
#include "test_render.moc"
