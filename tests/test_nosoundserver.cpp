#include "app/mainwindow.h"
#include "player/sessionplayer.h"
#include "sound/generator.h"
#include "sound/soundoutput.h"
#include "tests/windowparts.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

// With no sound server to reach, the tone's output must still come up, say at once that it
// cannot play, and stop cleanly: the rest of the program runs on without sound.
class TestNoSoundServer : public QObject
{
    Q_OBJECT

private slots:
    void outputFailsPromptlyAndStopsCleanly();
    void sessionRunsWithoutSound();
};

void TestNoSoundServer::outputFailsPromptlyAndStopsCleanly()
{
    QElapsedTimer timer;
    timer.start();
    {
        SoundOutput output(new Generator, QStringLiteral("Tone"),
                           "org.velmora.Velmora.BinauralTone");
        QSignalSpy playing(&output, &SoundOutput::playingChanged);
        output.start();
        QVERIFY2(timer.elapsed() < 100,
                 qPrintable(QString("start took %1 ms").arg(timer.elapsed())));
        QVERIFY(playing.wait(2000));
        QCOMPARE(playing.takeFirst().value(0).toBool(), false);
        QVERIFY(!output.isPlaying());
        output.stop();
    }
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("took %1 ms").arg(timer.elapsed())));
}

void TestNoSoundServer::sessionRunsWithoutSound()
{
    // A user who has seen the light's warning: Start shows the light at once.
    WindowParts::ConfigFolder config(LightWarningAnswer::Accepted);
    SessionPlayer player;
    MainWindow window(player);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *startButton = WindowParts::child<QPushButton>(&window, "startButton");
    auto *headline = WindowParts::child<QLabel>(&window, "selectedLabel");

    QTest::mouseClick(WindowParts::child<QPushButton>(&window, "program3"), Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(startButton, Qt::LeftButton);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("Start took %1 ms").arg(timer.elapsed())));
    QVERIFY(player.isRunning());

    // The session's clocks and display go on without sound, and the window says why it is silent.
    QTRY_COMPARE_WITH_TIMEOUT(headline->text(), QStringLiteral("00:04:59"), 3000);
    auto *statusBar = WindowParts::child<QStatusBar>(&window, "statusBar");
    QCOMPARE(statusBar->currentMessage(),
             QStringLiteral("No sound output: check your speakers or headphones"));

    QTest::mouseClick(startButton, Qt::LeftButton);
    QCOMPARE(startButton->text(), QStringLiteral("Start"));
    QCOMPARE(headline->text(), QStringLiteral("Deep Sleep"));
    QVERIFY(statusBar->currentMessage().isEmpty());
}

QTEST_MAIN(TestNoSoundServer)

#include "test_nosoundserver.moc"
