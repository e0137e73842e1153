#include "session/session.h"
#include "sound/generator.h"
#include "sound/tone.h"
#include "windowparts.h"

#include <QAudioDeviceInfo>
#include <QAudioFormat>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// With no sound server to reach, the tone's audio path must still come up, refuse to play at
// once, and stop cleanly: the rest of the program runs on without sound.
class TestNoSoundServer : public QObject
{
    Q_OBJECT

private slots:
    void audioPathFailsPromptlyAndStopsCleanly();
    void sessionRunsWithoutSound();
};

void TestNoSoundServer::audioPathFailsPromptlyAndStopsCleanly()
{
    QAudioFormat format = Tone::requestedFormat();

    const QAudioDeviceInfo device = QAudioDeviceInfo::defaultOutputDevice();
    QVERIFY(device.isNull());
    QVERIFY(!device.isFormatSupported(format));
    format = device.nearestFormat(format);

    Generator generator(format, nullptr);
    generator.setCarrierFrequency(396.0f);
    generator.setBeatFrequency(10);
    generator.generateData();
    QAudioOutput audioOutput(device, format);
    audioOutput.setNotifyInterval(15000);

    generator.start();
    QElapsedTimer timer;
    timer.start();
    audioOutput.start(&generator);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("start took %1 ms").arg(timer.elapsed())));
    QCOMPARE(audioOutput.state(), QAudio::StoppedState);
    QVERIFY(audioOutput.error() != QAudio::NoError);
    QCOMPARE(audioOutput.processedUSecs(), qint64(0));

    generator.stop();
    audioOutput.stop();
    audioOutput.reset();
    QCOMPARE(audioOutput.state(), QAudio::StoppedState);
    QVERIFY(!generator.isOpen());
}

void TestNoSoundServer::sessionRunsWithoutSound()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *startButton = WindowParts::child<QPushButton>(&window, "startButton");
    auto *headline = WindowParts::child<QLabel>(&window, "selectedLabel");

    QTest::mouseClick(WindowParts::child<QPushButton>(&window, "program3"), Qt::LeftButton);
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(startButton, Qt::LeftButton);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("Start took %1 ms").arg(timer.elapsed())));
    QVERIFY(WindowParts::child<Session>(&window)->isRunning());
    QCOMPARE(WindowParts::child<QAudioOutput>(&window)->state(), QAudio::StoppedState);

    // The session's clocks and display go on without sound.
    QTRY_COMPARE_WITH_TIMEOUT(headline->text(), QStringLiteral("00:04:59"), 3000);

    QTest::mouseClick(startButton, Qt::LeftButton);
    QCOMPARE(startButton->text(), QStringLiteral("Start"));
    QCOMPARE(headline->text(), QStringLiteral("Deep Sleep"));
}

QTEST_MAIN(TestNoSoundServer)

#include "test_nosoundserver.moc"
