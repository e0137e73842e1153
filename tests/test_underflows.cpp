#include "sound/soundoutput.h"
#include "sound/tone.h"
#include "tests/underflowwarnings.h"

#include <QIODevice>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstring>

namespace {

// Far longer than all the sound the stream keeps buffered ahead of the speakers, so that a feed
// held up this long runs the server dry whatever the machine is doing.
const int stallMs = 2000;
const qint64 bytesPerSecond = qint64(Tone::framesPerSecond) * Tone::bytesPerFrame;

// A steady square wave whose reading can be held up once on request, as a feed is when its thread
// does not get the processor in time.
class StallingSource : public QIODevice
{
public:
    StallingSource() { open(QIODevice::ReadOnly); }

    std::atomic<qint64> served {0};
    std::atomic<bool> stallRequested {false};
    std::atomic<int> stalls {0};

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (stallRequested.exchange(false)) {
            QThread::msleep(stallMs);
            ++stalls;
        }
        const qint64 frames = maxSize / Tone::bytesPerFrame;
        auto *samples = reinterpret_cast<qint16 *>(data);
        const qint64 firstFrame = served / Tone::bytesPerFrame;
        for (qint64 frame = 0; frame < frames; ++frame) {
            const qint16 level = ((firstFrame + frame) / 50) % 2 ? 2000 : -2000;
            samples[2 * frame] = level;
            samples[2 * frame + 1] = level;
        }
        served += frames * Tone::bytesPerFrame;
        return frames * Tone::bytesPerFrame;
    }
    qint64 writeData(const char *, qint64) override { return 0; }
};

} // namespace

// The output's count of underflows on the private sound server of tests/with-desktop: each time
// its feed falls behind the speakers is counted once, and a feed that keeps up counts none. Falls
// behind seconds apart are one spell, told in one line on stderr.
class TestUnderflows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void countsEachTimeTheFeedFallsBehind_data();
    void countsEachTimeTheFeedFallsBehind();
};

void TestUnderflows::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("VELMORA_TEST_SINK"), "run under tests/with-desktop");
    UnderflowWarnings::install();
}

void TestUnderflows::cleanupTestCase()
{
    UnderflowWarnings::uninstall();
}

void TestUnderflows::countsEachTimeTheFeedFallsBehind_data()
{
    QTest::addColumn<int>("stalls");
    QTest::newRow("a feed that keeps up") << 0;
    QTest::newRow("held up once") << 1;
    QTest::newRow("held up twice") << 2;
}

void TestUnderflows::countsEachTimeTheFeedFallsBehind()
{
    QFETCH(int, stalls);
    UnderflowWarnings::counted = 0;
    auto *source = new StallingSource;
    SoundOutput output(source, QStringLiteral("Binaural tone"), "org.velmora.Velmora.BinauralTone");
    output.start();
    QTRY_VERIFY_WITH_TIMEOUT(output.isPlaying(), 10000);

    // Each stall is followed by a second of steady feeding, by which time the sound after it
    // plays: an underflow has been told by then, and a second one would have been.
    QTRY_VERIFY_WITH_TIMEOUT(source->served >= bytesPerSecond, 10000);
    for (int stall = 1; stall <= stalls; ++stall) {
        source->stallRequested = true;
        QTRY_COMPARE_WITH_TIMEOUT(source->stalls.load(), stall, 10000);
        const qint64 resumedAt = source->served;
        QTRY_VERIFY_WITH_TIMEOUT(source->served >= resumedAt + bytesPerSecond, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(output.underflowCount(), qint64(stall), 5000);
    }
    const qint64 lastServed = source->served;
    QTRY_VERIFY_WITH_TIMEOUT(source->served >= lastServed + 2 * bytesPerSecond, 10000);
    output.stop();

    QCOMPARE(output.underflowCount(), qint64(stalls));
    QCOMPARE(UnderflowWarnings::counted.load(), qMin(stalls, 1));
}

QTEST_GUILESS_MAIN(TestUnderflows)

#include "test_underflows.moc"
