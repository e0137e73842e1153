#include "player/sessionplayer.h"
#include "session/session.h"
#include "sound/ambientplayer.h"
#include "sound/fade.h"
#include "tests/recording.h"
#include "tests/windowparts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using SoundAnalysis::HopFrames;
using SoundAnalysis::WindowFrames;

namespace {

// The ambient sound is told from the session's tone (396 Hz and 396 Hz plus the beat, 528 Hz)
// by its energy between 1 and 16 kHz: there the tone leaves less than 3, and the noises used here,
// at the shipped sounds' level of -27 LUFS, give a few hundred.
const double AmbientLowHz = 1000;
const double AmbientHighHz = 16000;
const double SoundingLevel = 40;
// The tone itself, at 0.7 of full scale, stands far above any ambient sound below 700 Hz.
const double ToneLowHz = 300;
const double ToneHighHz = 700;
const double ToneLevel = 8000;

qint64 frames(double seconds)
{
    return qint64(seconds * Recording::FramesPerSecond);
}

int ms(qint64 frames)
{
    return int(frames * 1000 / Recording::FramesPerSecond);
}

} // namespace

// The ambient sound as the window plays it, recorded from the test sink while the real window runs
// its sessions.
class TestAmbient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pinkNoiseFollowsStartAndStop();
    void changesDuringASession();
    void changeBetweenSessionsWaitsForStart();
    void foundFromAnotherWorkingDirectory();
    void unplayableSourceStaysSilent_data();
    void unplayableSourceStaysSilent();
    void noSoundServer();

private:
    void createWindow();
    void click(const char *name)
    {
        QTest::mouseClick(WindowParts::child<QPushButton>(window, name), Qt::LeftButton);
    }
    // Picks an item the way a user does on the focused box: by typing its first letter.
    void choose(const QString &item);
    double ambientLevel(qint64 frame) const
    {
        return SoundAnalysis::bandLevel(recording->data(), frame, AmbientLowHz, AmbientHighHz);
    }
    // The end of the first window from `from` on with ambient sound, waiting up to timeoutMs for
    // it; -1 if none came.
    qint64 waitForAmbient(qint64 from, int timeoutMs);
    // The end of the last window in from..to with ambient sound; `from` if there is none.
    qint64 ambientEnd(qint64 from, qint64 to) const;
    double lowestToneLevel(qint64 from, qint64 to) const;
    bool messageBoxShown() const;

    QString originalDirectory;
    QTemporaryDir fixtures;
    std::unique_ptr<Recording> recording;
    SessionPlayer *sessionPlayer = nullptr;
    MainWindow *window = nullptr;
    Session *session = nullptr;
    AmbientPlayer *player = nullptr;
};

void TestAmbient::initTestCase()
{
    originalDirectory = QDir::currentPath();
    QVERIFY(fixtures.isValid());
    QFile empty(fixtures.filePath(QStringLiteral("empty.mp3")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile garbage(fixtures.filePath(QStringLiteral("garbage.mp3")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    QRandomGenerator bytes(20240607);
    for (int i = 0; i < 16384; ++i) {
        const quint32 word = bytes.generate();
        garbage.write(reinterpret_cast<const char *>(&word), sizeof word);
    }
    garbage.close();
}

void TestAmbient::init()
{
    if (qEnvironmentVariableIsSet("VELMORA_TEST_SINK")) {
        recording.reset(new Recording(fixtures.filePath(QStringLiteral("recording.raw"))));
        QString error;
        QVERIFY2(recording->start(&error), qPrintable(error));
    }
    createWindow();
}

void TestAmbient::createWindow()
{
    sessionPlayer = new SessionPlayer;
    window = new MainWindow(*sessionPlayer);
    session = &sessionPlayer->session();
    player = &sessionPlayer->ambientPlayer();
    // The flashing screen plays no part here.
    WindowParts::child<QCheckBox>(window, "Visualizer")->setChecked(false);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestAmbient::cleanup()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    window = nullptr;
    recording.reset();
    QFile::remove(fixtures.filePath(QStringLiteral("recording.raw")));
    QDir::setCurrent(originalDirectory);
}

void TestAmbient::choose(const QString &item)
{
    auto *box = WindowParts::child<QComboBox>(window, "comboBox");
    QTest::keyClick(box, item.at(0).toLower().toLatin1());
    QCOMPARE(box->currentText(), item);
}

qint64 TestAmbient::waitForAmbient(qint64 from, int timeoutMs)
{
    QElapsedTimer deadline;
    deadline.start();
    qint64 frame = from;
    for (;;) {
        const qint64 recorded = recording->update();
        for (; frame + WindowFrames <= recorded; frame += HopFrames) {
            if (ambientLevel(frame) > SoundingLevel)
                return frame + WindowFrames;
        }
        if (deadline.elapsed() > timeoutMs)
            return -1;
        QTest::qWait(10);
    }
}

qint64 TestAmbient::ambientEnd(qint64 from, qint64 to) const
{
    const QVector<double> levels =
        SoundAnalysis::bandLevels(recording->data(), from, to, AmbientLowHz, AmbientHighHz);
    for (int i = levels.size() - 1; i >= 0; --i) {
        if (levels[i] > SoundingLevel)
            return from + i * HopFrames + WindowFrames;
    }
    return from;
}

double TestAmbient::lowestToneLevel(qint64 from, qint64 to) const
{
    const QVector<double> levels =
        SoundAnalysis::bandLevels(recording->data(), from, to, ToneLowHz, ToneHighHz);
    return levels.isEmpty() ? 0 : *std::min_element(levels.begin(), levels.end());
}

bool TestAmbient::messageBoxShown() const
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && qobject_cast<QMessageBox *>(widget))
            return true;
    }
    return QApplication::activeModalWidget() != nullptr;
}

void TestAmbient::pinkNoiseFollowsStartAndStop()
{
    click("program1");
    const qint64 idleFrom = recording->update();
    QVERIFY(recording->waitForFrames(idleFrom + frames(0.3), 5000));

    const qint64 started = recording->update();
    click("startButton");
    const qint64 onset = waitForAmbient(started, 3000);
    QVERIFY2(onset > 0, "no ambient sound within 3 s of Start");
    QCOMPARE(ambientEnd(idleFrom, started), idleFrom);
    qInfo("pink noise %d ms after Start", ms(onset - started));
    QVERIFY2(onset - started <= frames(0.5), qPrintable(QString::number(ms(onset - started))));

    // It fades in over its first second, and plays on without a break.
    QVERIFY(recording->waitForFrames(onset + frames(1.5), 5000));
    const QVector<double> playing = SoundAnalysis::bandLevels(
        recording->data(), onset, onset + frames(1.5), AmbientLowHz, AmbientHighHz);
    QVERIFY(*std::min_element(playing.begin(), playing.end()) > SoundingLevel);
    const double rising = ambientLevel(onset + frames(0.1));
    const double full = ambientLevel(onset + frames(1.2));
    qInfo("pink noise at %.0f a tenth of a second in, %.0f a second later", rising, full);
    QVERIFY(rising < full / 2);

    const qint64 stopped = recording->update();
    click("startButton");
    QVERIFY(recording->waitForFrames(stopped + frames(1.5), 5000));
    const qint64 end = ambientEnd(stopped, recording->frames());
    qInfo("silence %d ms after Stop", ms(end - stopped));
    QVERIFY2(end - stopped <= frames(0.5), qPrintable(QString::number(ms(end - stopped))));
}

void TestAmbient::changesDuringASession()
{
    click("program2");
    const qint64 started = recording->update();
    click("startButton");
    QVERIFY(waitForAmbient(started, 3000) > 0);
    // Past the tone's fade-in, so that its level below can be held to the full one.
    QVERIFY(recording->waitForFrames(started + frames(1.5), 5000));

    // The sound fades out over the crossfade's second.
    const qint64 none = recording->update();
    choose(QStringLiteral("None"));
    QVERIFY(recording->waitForFrames(none + frames(2.5), 5000));
    const qint64 end = ambientEnd(none, recording->frames());
    qInfo("silence %d ms after None", ms(end - none));
    QVERIFY2(end - none <= frames(0.5 + Fade::crossfadeMs / 1000.0),
             qPrintable(QString::number(ms(end - none))));
    QVERIFY(ambientLevel(none + frames(0.5)) > SoundingLevel);
    QVERIFY(lowestToneLevel(none, recording->frames()) > ToneLevel);
    QVERIFY(session->isRunning());

    const qint64 water = recording->update();
    choose(QStringLiteral("Water"));
    const qint64 onset = waitForAmbient(water, 3000);
    QVERIFY2(onset > 0, "no water within 3 s");
    qInfo("water %d ms after its choice", ms(onset - water));
    QVERIFY2(onset - water <= frames(0.5), qPrintable(QString::number(ms(onset - water))));
    QVERIFY(player->file().endsWith("/Resources/water.mp3"));
}

void TestAmbient::changeBetweenSessionsWaitsForStart()
{
    click("program3");
    click("startButton");
    click("startButton");
    // What the short session sent before its Stop may still reach the sink, within Stop's own
    // bound.
    const qint64 stopped = recording->update();
    choose(QStringLiteral("Rain"));
    QVERIFY(recording->waitForFrames(stopped + frames(1.5), 5000));
    const qint64 end = ambientEnd(stopped, recording->frames());
    QVERIFY2(end - stopped <= frames(0.5), qPrintable(QString::number(ms(end - stopped))));
    QVERIFY(!player->isPlaying());

    const qint64 started = recording->update();
    click("startButton");
    const qint64 onset = waitForAmbient(started, 3000);
    QVERIFY2(onset > 0, "no rain within 3 s of Start");
    QVERIFY2(onset - started <= frames(0.5), qPrintable(QString::number(ms(onset - started))));
    QVERIFY(player->file().endsWith("/Resources/rain.mp3"));
}

void TestAmbient::foundFromAnotherWorkingDirectory()
{
    delete window;
    delete sessionPlayer;
    sessionPlayer = nullptr;
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    createWindow();

    click("program4");
    const qint64 started = recording->update();
    click("startButton");
    const qint64 onset = waitForAmbient(started, 3000);
    QVERIFY2(onset > 0, "no ambient sound within 3 s of Start");
    QVERIFY2(onset - started <= frames(0.5), qPrintable(QString::number(ms(onset - started))));
}

void TestAmbient::unplayableSourceStaysSilent_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("missing") << QStringLiteral("missing.mp3");
    QTest::newRow("empty") << QStringLiteral("empty.mp3");
    QTest::newRow("random bytes") << QStringLiteral("garbage.mp3");
}

// Such a file is given up at once; the window does not complain, and the session goes on with its
// tone.
void TestAmbient::unplayableSourceStaysSilent()
{
    QFETCH(QString, file);
    player->setFile(fixtures.filePath(file));

    click("program5");
    const qint64 started = recording->update();
    click("startButton");
    QVERIFY(recording->waitForFrames(started + frames(2.5), 5000));
    QVERIFY(!player->isPlaying());
    QCOMPARE(ambientEnd(started, recording->frames()), started);
    QVERIFY(lowestToneLevel(started + frames(1.5), recording->frames()) > ToneLevel);
    QVERIFY(session->isRunning());
    QVERIFY(!messageBoxShown());
}

// Run by test_ambient_nosound under tests/with-desktop --no-sound: the ambient sound stays silent
// and the session goes on.
void TestAmbient::noSoundServer()
{
    if (recording)
        QSKIP("needs a desktop without a sound server; test_ambient_nosound runs it");
    click("program7");
    click("startButton");
    QVERIFY(session->isRunning());
    QVERIFY(!player->isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(WindowParts::child<QLabel>(window, "selectedLabel")->text(),
                              QStringLiteral("00:04:59"), 3000);
    QVERIFY(!player->isPlaying());
    QVERIFY(!messageBoxShown());
}

QTEST_MAIN(TestAmbient)
#include "test_ambient.moc"
