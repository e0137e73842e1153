#include "player/sessionplayer.h"
#include "session/session.h"
#include "tests/recording.h"
#include "tests/referencetone.h"
#include "tests/windowparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

// The tone's output on a real sound server that changes under it as a desktop's does: outputs that
// come and go, a new default output, a server that is killed, or that starts after the program.
// Each test records what reaches the sinks.
class TestSoundOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playsTheLoopSampleForSample();
    void startReturnsAtOnceWithTheDefaultSinkGone();
    void toneComesBackAfterTheServerRestarts();
    void toneAndAmbientSoundFollowANewDefaultSink();
    void toneOutlastsAHungServer();
    void toneJoinsAServerThatStartsLater();

private:
    void createWindow();
    void clickStart();
    bool pactl(const QStringList &arguments, QString *output = nullptr);
    bool serverRuns();
    QString loadSink(const QString &name);
    void runSoundServer(const QString &command);
    std::unique_ptr<Recording> record(const QString &sink = QString(),
                                      int latencyMs = Recording::ClickTimingLatencyMs);
    QString noSoundMessage() const { return statusBar->currentMessage(); }

    QTemporaryDir directory;
    int recordings = 0;
    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
    QPushButton *startButton = nullptr;
    QStatusBar *statusBar = nullptr;
    QStringList loadedModules;
};

namespace {

const QString noSoundText = QStringLiteral("No sound output: check your speakers or headphones");

// Deep Sleep starts at a 20 Hz beat: 396 Hz on the left, 416 Hz on the right.
const double toneLowHz = 380;
const double toneHighHz = 430;
// The tone and the ambient sounds' own levels in these bands are in the thousands; silence and
// the other sound's leakage stay far below.
const double soundingLevel = 1000;
// Above the tone's frequencies: what sounds here is the ambient sound (Pink Noise at first).
const double ambientLowHz = 2000;
const double ambientHighHz = 8000;
const double ambientLevel = 30;

// True once the last half second of the recording sounds in the band throughout.
bool bandSounds(Recording &recording, double lowHz, double highHz, double level)
{
    const qint64 end = recording.update();
    const qint64 begin = end - Recording::FramesPerSecond / 2;
    if (begin < 0)
        return false;
    const QVector<double> levels =
        SoundAnalysis::bandLevels(recording.data(), begin, end, lowHz, highHz);
    return !levels.isEmpty() && *std::min_element(levels.begin(), levels.end()) > level;
}

bool toneSounds(Recording &recording)
{
    return bandSounds(recording, toneLowHz, toneHighHz, soundingLevel);
}

bool ambientSounds(Recording &recording)
{
    return bandSounds(recording, ambientLowHz, ambientHighHz, ambientLevel);
}

// Counts the program's warnings of a lost sound output, passing every message on.
int outageWarnings = 0;
QtMessageHandler nextHandler = nullptr;

void countOutageWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("No sound output")))
        ++outageWarnings;
    nextHandler(type, context, message);
}

// Counts the paint events of one widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

using SoundAnalysis::firstSoundingFrame;

// As main() names the program, so that its streams show as Velmora in the desktop's mixer.
void TestSoundOutput::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QVERIFY(directory.isValid());
}

void TestSoundOutput::init()
{
    if (QByteArray(QTest::currentTestFunction()) == "toneJoinsAServerThatStartsLater")
        return;
    QVERIFY2(serverRuns(), "run under tests/with-desktop without --sound-later");
}

void TestSoundOutput::cleanup()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    window = nullptr;
    for (const QString &module : qAsConst(loadedModules))
        pactl({QStringLiteral("unload-module"), module});
    loadedModules.clear();
    pactl({QStringLiteral("set-default-sink"), qEnvironmentVariable("VELMORA_TEST_SINK")});
}

void TestSoundOutput::createWindow()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    WindowParts::child<QCheckBox>(window, "Visualizer")->setChecked(false);
    // The window remembers the last test's choice of sound.
    WindowParts::child<QComboBox>(window, "comboBox")->setCurrentText(QStringLiteral("Pink Noise"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    startButton = WindowParts::child<QPushButton>(window, "startButton");
    statusBar = WindowParts::child<QStatusBar>(window, "statusBar");
    QTest::mouseClick(WindowParts::child<QPushButton>(window, "program3"), Qt::LeftButton);
}

void TestSoundOutput::clickStart()
{
    QTest::mouseClick(startButton, Qt::LeftButton);
}

bool TestSoundOutput::pactl(const QStringList &arguments, QString *output)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return true;
}

bool TestSoundOutput::serverRuns()
{
    return pactl({QStringLiteral("info")});
}

QString TestSoundOutput::loadSink(const QString &name)
{
    QString module;
    if (!pactl({"load-module", "module-null-sink", "sink_name=" + name, "rate=44100",
                "format=s16le", "channels=2", "norewinds=1"},
               &module))
        return QString();
    loadedModules << module;
    return module;
}

void TestSoundOutput::runSoundServer(const QString &command)
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_SOUND_SERVER"),
             "run under tests/with-desktop with PulseAudio");
    QCOMPARE(QProcess::execute(qEnvironmentVariable("VELMORA_SOUND_SERVER"), {command}), 0);
}

std::unique_ptr<Recording> TestSoundOutput::record(const QString &sink, int latencyMs)
{
    auto recording = std::make_unique<Recording>(
        directory.filePath(QStringLiteral("recording%1.raw").arg(++recordings)), sink, latencyMs);
    QString error;
    if (!recording->start(&error)) {
        qWarning("%s", qPrintable(error));
        return nullptr;
    }
    return recording;
}

// The tone reaches the sink sample for sample as synthesised: the first seconds of a session are
// the first loop, at the program's starting beat.
void TestSoundOutput::playsTheLoopSampleForSample()
{
    createWindow();
    const bool secondaryTone = WindowParts::child<QCheckBox>(window, "Tone")->isChecked();
    WindowParts::child<QComboBox>(window, "comboBox")->setCurrentText(QStringLiteral("None"));
    const auto recording = record(QString(), Recording::SampleExactLatencyMs);
    QVERIFY(recording);
    clickStart();
    const qint64 length = 3 * Recording::FramesPerSecond;
    QTRY_VERIFY_WITH_TIMEOUT(recording->holdsSoundFor(length), 10000);

    const QByteArray &pcm = recording->data();
    const QByteArray loop = ReferenceTone::loop(396, 20, secondaryTone, 1);
    const qint64 recordedStart = firstSoundingFrame(pcm);
    const qint64 loopStart = firstSoundingFrame(loop);
    for (qint64 k = 0; k < 2 * length; ++k) {
        if (ReferenceTone::sampleAt(pcm, 2 * recordedStart + k) !=
            ReferenceTone::sampleAt(loop, 2 * loopStart + k))
            QFAIL(qPrintable(QString("loop frame %1 differs").arg(loopStart + k / 2)));
    }
}

// Headphones unplugged while the window is open: Start must not wait on the output that was
// the default, and the tone plays on the one the server falls back to.
void TestSoundOutput::startReturnsAtOnceWithTheDefaultSinkGone()
{
    const QString module = loadSink(QStringLiteral("headset"));
    QVERIFY(!module.isEmpty());
    QVERIFY(pactl({"set-default-sink", "headset"}));
    createWindow();
    QVERIFY(pactl({"unload-module", module}));
    loadedModules.clear();
    const auto recording = record();
    QVERIFY(recording);

    PaintCounter paints(WindowParts::child<QLabel>(window, "selectedLabel"));
    QElapsedTimer clock;
    clock.start();
    clickStart();
    const qint64 startMs = clock.elapsed();
    qInfo("Start returned in %lld ms", startMs);
    QVERIFY2(startMs < 100, qPrintable(QString("Start took %1 ms").arg(startMs)));
    QTRY_VERIFY_WITH_TIMEOUT(paints.count >= 2, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*recording), 5000);
    QVERIFY(noSoundMessage().isEmpty());
}

// The server killed ten seconds into a session and started again on the same socket.
void TestSoundOutput::toneComesBackAfterTheServerRestarts()
{
    createWindow();
    const auto before = record();
    QVERIFY(before);
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*before), 5000);

    outageWarnings = 0;
    nextHandler = qInstallMessageHandler(countOutageWarnings);
    runSoundServer(QStringLiteral("kill"));
    QTRY_COMPARE_WITH_TIMEOUT(noSoundMessage(), noSoundText, 5000);
    runSoundServer(QStringLiteral("start"));
    QElapsedTimer sinceRestart;
    sinceRestart.start();
    const auto after = record();
    QVERIFY(after);
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*after), 10000);
    qInfo("tone back %lld ms after the server", sinceRestart.elapsed());
    QVERIFY(sinceRestart.elapsed() < 5000);
    QTRY_VERIFY_WITH_TIMEOUT(noSoundMessage().isEmpty(), 1000);
    qInstallMessageHandler(nextHandler);
    // The retries of the outage, one at least before the server was back, said nothing more.
    QCOMPARE(outageWarnings, 1);
    QTRY_VERIFY_WITH_TIMEOUT(ambientSounds(*after), 5000);
    QVERIFY(sessionPlayer->isRunning());
}

// Headphones plugged in after launch, between two sessions: the next session plays both sounds
// on them, each under the program's name in the mixer.
void TestSoundOutput::toneAndAmbientSoundFollowANewDefaultSink()
{
    createWindow();
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(sessionPlayer->isRunning(), 1000);
    clickStart();

    QVERIFY(!loadSink(QStringLiteral("headphones")).isEmpty());
    QVERIFY(pactl({"set-default-sink", "headphones"}));
    const auto recording = record(QStringLiteral("headphones"));
    QVERIFY(recording);
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*recording), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(ambientSounds(*recording), 5000);

    QString sinks;
    QVERIFY(pactl({"list", "short", "sinks"}, &sinks));
    const QString headphones = sinks.split('\n').filter(QStringLiteral("\theadphones\t")).value(0);
    const QString headphonesIndex = headphones.section('\t', 0, 0);
    QVERIFY(!headphonesIndex.isEmpty());
    QString inputs;
    QVERIFY(pactl({"list", "sink-inputs"}, &inputs));
    QCOMPARE(inputs.count(QStringLiteral("Sink Input #")), 2);
    QCOMPARE(inputs.count(QStringLiteral("Sink: ") + headphonesIndex + '\n'), 2);
    QCOMPARE(inputs.count(QStringLiteral("application.name = ")), 2);
    QCOMPARE(inputs.count(QStringLiteral("application.name = \"Velmora\"")), 2);
}

// The server hangs (SIGSTOP) in a session: the window says there is no sound, a new Start does
// not wait on the server, and the tone comes back once the server goes on.
void TestSoundOutput::toneOutlastsAHungServer()
{
    createWindow();
    const auto before = record();
    QVERIFY(before);
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*before), 5000);

    runSoundServer(QStringLiteral("stop"));
    QTRY_COMPARE_WITH_TIMEOUT(noSoundMessage(), noSoundText, 10000);
    clickStart();
    QElapsedTimer clock;
    clock.start();
    clickStart();
    QVERIFY2(clock.elapsed() < 100, qPrintable(QString("Start took %1 ms").arg(clock.elapsed())));

    runSoundServer(QStringLiteral("cont"));
    const auto after = record();
    QVERIFY(after);
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*after), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(noSoundMessage().isEmpty(), 1000);
}

// No sound server when the session starts: the session runs, the window says there is no sound,
// and the tone joins once a server starts; the next session has it from its start.
void TestSoundOutput::toneJoinsAServerThatStartsLater()
{
    if (serverRuns())
        QSKIP("run under tests/with-desktop --sound-later");
    createWindow();
    QElapsedTimer clock;
    clock.start();
    clickStart();
    QVERIFY2(clock.elapsed() < 100, qPrintable(QString("Start took %1 ms").arg(clock.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(noSoundMessage(), noSoundText, 5000);

    runSoundServer(QStringLiteral("start"));
    const auto recording = record();
    QVERIFY(recording);
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*recording), 15000);
    QVERIFY(noSoundMessage().isEmpty());

    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(!toneSounds(*recording), 5000);
    clickStart();
    QTRY_VERIFY_WITH_TIMEOUT(toneSounds(*recording), 5000);
}

QTEST_MAIN(TestSoundOutput)

#include "test_soundoutput.moc"
