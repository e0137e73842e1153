#include "sound/generator.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QtEndian>
#include <QtTest>

#include <cstdlib>

using ReferenceTone::LoopBytes;
using ReferenceTone::LoopFrames;

namespace {

const int BlendFrames = Tone::blendFrames;

qint16 sampleAt(const QByteArray &pcm, qint64 sampleIndex, int byteOrder)
{
    const char *source = pcm.constData() + 2 * sampleIndex;
    return byteOrder == QSysInfo::LittleEndian ? qFromLittleEndian<qint16>(source)
                                               : qFromBigEndian<qint16>(source);
}

QByteArray readBytes(Generator &generator, qint64 count)
{
    QByteArray bytes(int(count), Qt::Uninitialized);
    generator.readData(bytes.data(), count);
    return bytes;
}

// The index of the first byte where a and b differ, or -1; a failure then names the place
// instead of printing megabytes.
qint64 firstDifference(const QByteArray &a, const QByteArray &b)
{
    const qint64 common = qMin(a.size(), b.size());
    for (qint64 i = 0; i < common; ++i) {
        if (a.at(int(i)) != b.at(int(i)))
            return i;
    }
    return a.size() == b.size() ? -1 : common;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void workedValues_data();
    void workedValues();
    void identicalChannelsWithoutBeat();
    void matchesDirectFormula_data();
    void matchesDirectFormula();
    void readData_data();
    void readData();
    void writeDataTakesNothing();
    void bytesAvailableCoversTheLoop_data();
    void bytesAvailableCoversTheLoop();
    void startKeepsAndStopRewindsPosition();
    void generateDataKeepsReadOffset();
    void blendsIntoNewToneWhileOpen_data();
    void blendsIntoNewToneWhileOpen();
};

void TestGenerator::workedValues_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<float>("beat");
    QTest::addColumn<bool>("tone");
    QTest::addColumn<int>("byteOrder");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("steady, little-endian")
        << 88225 << 10.0f << false << 1 << 22642 << 22758 << QByteArray::fromHex("7258e658");
    QTest::newRow("steady, secondary tone")
        << 88225 << 10.0f << true << 1 << 25762 << 25878 << QByteArray();
    QTest::newRow("steady, big-endian")
        << 88225 << 10.0f << false << 0 << 22642 << 22758 << QByteArray::fromHex("587258e6");
    QTest::newRow("negative terms truncate toward zero")
        << 26460 << 4.0f << true << 1 << -8298 << -1558 << QByteArray();
    QTest::newRow("first frame") << 0 << 10.0f << true << 1 << 0 << 0 << QByteArray();
    QTest::newRow("last frame") << LoopFrames - 1 << 10.0f << true << 1 << 0 << 0 << QByteArray();
    QTest::newRow("last frame, fractional beat")
        << LoopFrames - 1 << 7.3f << true << 0 << 0 << 0 << QByteArray();
}

void TestGenerator::workedValues()
{
    QFETCH(int, frame);
    QFETCH(float, beat);
    QFETCH(bool, tone);
    QFETCH(int, byteOrder);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QByteArray, bytes);

    Generator generator(QSysInfo::Endian(byteOrder), nullptr);
    generator.setBeatFrequency(beat);
    generator.setSecondaryTone(tone);
    generator.generateData();
    const QByteArray loop = readBytes(generator, LoopBytes);

    QCOMPARE(int(sampleAt(loop, 2 * frame, byteOrder)), left);
    QCOMPARE(int(sampleAt(loop, 2 * frame + 1, byteOrder)), right);
    if (!bytes.isEmpty())
        QCOMPARE(loop.mid(4 * frame, 4), bytes);
}

void TestGenerator::identicalChannelsWithoutBeat()
{
    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(0);
    generator.setSecondaryTone(false);
    generator.generateData();
    const QByteArray loop = readBytes(generator, LoopBytes);

    int nonZeroFrames = 0;
    for (int i = 0; i < LoopFrames; ++i) {
        const qint16 left = sampleAt(loop, 2 * i, 1);
        QCOMPARE(sampleAt(loop, 2 * i + 1, 1), left);
        nonZeroFrames += left != 0;
    }
    QVERIFY(nonZeroFrames > LoopFrames / 2);
}

void TestGenerator::matchesDirectFormula_data()
{
    QTest::addColumn<float>("carrier");
    QTest::addColumn<float>("beat");
    QTest::addColumn<bool>("tone");
    QTest::addColumn<int>("byteOrder");

    QTest::newRow("10 Hz") << 396.0f << 10.0f << false << 1;
    QTest::newRow("10 Hz, secondary tone") << 396.0f << 10.0f << true << 1;
    QTest::newRow("4 Hz, secondary tone, big-endian") << 396.0f << 4.0f << true << 0;
    QTest::newRow("no beat") << 396.0f << 0.0f << false << 1;
    QTest::newRow("40 Hz, big-endian") << 396.0f << 40.0f << false << 0;
    QTest::newRow("fractional beat") << 396.0f << 7.3f << true << 1;
    QTest::newRow("other carrier") << 250.5f << 2.0f << true << 1;
}

void TestGenerator::matchesDirectFormula()
{
    QFETCH(float, carrier);
    QFETCH(float, beat);
    QFETCH(bool, tone);
    QFETCH(int, byteOrder);

    Generator generator(QSysInfo::Endian(byteOrder), nullptr);
    generator.setCarrierFrequency(carrier);
    generator.setBeatFrequency(beat);
    generator.setSecondaryTone(tone);
    generator.generateData();

    const QByteArray expected = ReferenceTone::loop(carrier, beat, tone, byteOrder);
    QCOMPARE(firstDifference(readBytes(generator, LoopBytes), expected), qint64(-1));
}

void TestGenerator::readData_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("count");

    QTest::newRow("straddling the end") << qint64(LoopBytes - 100) << qint64(200);
    QTest::newRow("exactly to the end") << qint64(LoopBytes - 100) << qint64(100);
    QTest::newRow("longer than the loop") << qint64(1000) << qint64(2 * LoopBytes + 500);
    QTest::newRow("zero bytes") << qint64(1234) << qint64(0);
    QTest::newRow("one Qt period") << qint64(3528) << qint64(3528);
}

void TestGenerator::readData()
{
    QFETCH(qint64, start);
    QFETCH(qint64, count);

    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    generator.generateData();
    const QByteArray loop = readBytes(generator, LoopBytes);
    readBytes(generator, start);

    QByteArray data(int(count), Qt::Uninitialized);
    QCOMPARE(generator.readData(data.data(), count), count);
    for (qint64 i = 0; i < count; i += 997)
        QCOMPARE(data.at(int(i)), loop.at(int((start + i) % LoopBytes)));
    if (count > 0)
        QCOMPARE(data.right(4), loop.mid(int((start + count - 4) % LoopBytes), 4));

    const qint64 next = (start + count) % LoopBytes;
    QCOMPARE(readBytes(generator, 8), loop.mid(int(next), 8));
}

void TestGenerator::writeDataTakesNothing()
{
    Generator generator(Tone::playedByteOrder, nullptr);
    const QByteArray before = readBytes(generator, LoopBytes);
    const QByteArray input(4096, 'x');

    QCOMPARE(generator.writeData(input.constData(), input.size()), qint64(0));
    QCOMPARE(generator.writeData(input.constData(), 0), qint64(0));
    QCOMPARE(firstDifference(readBytes(generator, LoopBytes), before), qint64(-1));
}

void TestGenerator::bytesAvailableCoversTheLoop_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<bool>("open");

    QTest::newRow("start, closed") << qint64(0) << false;
    QTest::newRow("start, open") << qint64(0) << true;
    QTest::newRow("middle, open") << qint64(LoopBytes / 2 + 2) << true;
    QTest::newRow("last byte, open") << qint64(LoopBytes - 1) << true;
}

void TestGenerator::bytesAvailableCoversTheLoop()
{
    QFETCH(qint64, position);
    QFETCH(bool, open);

    Generator generator(Tone::playedByteOrder, nullptr);
    readBytes(generator, position);
    if (open)
        generator.start();
    QCOMPARE(generator.isOpen(), open);
    QVERIFY(generator.bytesAvailable() >= LoopBytes);
}

void TestGenerator::startKeepsAndStopRewindsPosition()
{
    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(10);
    generator.generateData();
    const QByteArray loop = readBytes(generator, LoopBytes);

    readBytes(generator, 1000);
    generator.start();
    QVERIFY(generator.isOpen());
    QCOMPARE(generator.read(8), loop.mid(1000, 8));

    generator.stop();
    QVERIFY(!generator.isOpen());
    generator.start();
    QCOMPARE(generator.read(8), loop.left(8));
}

void TestGenerator::generateDataKeepsReadOffset()
{
    Generator generator(Tone::playedByteOrder, nullptr);
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    generator.generateData();
    const int offset = 4 * 300000;
    readBytes(generator, offset);

    generator.setBeatFrequency(3);
    generator.setSecondaryTone(false);
    generator.generateData();

    const QByteArray expected = ReferenceTone::loop(396, 3, false, 1);
    QCOMPARE(readBytes(generator, 64), expected.mid(offset, 64));
}

void TestGenerator::blendsIntoNewToneWhileOpen_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("byteOrder");
    QTest::addColumn<float>("oldBeat");
    QTest::addColumn<bool>("oldTone");
    QTest::addColumn<float>("newBeat");
    QTest::addColumn<bool>("newTone");

    QTest::newRow("mid-plateau, 10 to 3 Hz, tone off")
        << 261700 << 1 << 10.0f << true << 3.0f << false;
    QTest::newRow("mid-plateau, big-endian") << 261700 << 0 << 10.0f << true << 3.0f << false;
    QTest::newRow("tone on only") << 200000 << 1 << 6.0f << false << 6.0f << true;
    QTest::newRow("wrapping at the loop end")
        << LoopFrames - 200 << 1 << 10.0f << true << 3.0f << false;
    QTest::newRow("in the fade-in") << 30000 << 1 << 12.0f << false << 20.0f << true;
    QTest::newRow("nothing changed") << 400000 << 1 << 8.0f << true << 8.0f << true;
}

void TestGenerator::blendsIntoNewToneWhileOpen()
{
    QFETCH(int, frame);
    QFETCH(int, byteOrder);
    QFETCH(float, oldBeat);
    QFETCH(bool, oldTone);
    QFETCH(float, newBeat);
    QFETCH(bool, newTone);

    const QByteArray oldLoop = ReferenceTone::loop(396, oldBeat, oldTone, byteOrder);
    const QByteArray newLoop = ReferenceTone::loop(396, newBeat, newTone, byteOrder);

    Generator generator(QSysInfo::Endian(byteOrder), nullptr);
    generator.setBeatFrequency(oldBeat);
    generator.setSecondaryTone(oldTone);
    generator.generateData();
    generator.start();
    readBytes(generator, 4 * qint64(frame));
    generator.setBeatFrequency(newBeat);
    generator.setSecondaryTone(newTone);
    generator.generateData();
    // The whole loop, as it plays on from the read position.
    const QByteArray played = readBytes(generator, LoopBytes);

    // A crossfade steps no further than the steeper of the two tones plus the fade's own slope,
    // at most 2 × 26,212 / 441 per frame.
    int sineStep = 0;
    for (int i = 1; i < LoopFrames; ++i) {
        for (int channel = 0; channel < 2; ++channel) {
            for (const QByteArray *loop : {&oldLoop, &newLoop}) {
                const int step = sampleAt(*loop, 2 * i + channel, byteOrder) -
                    sampleAt(*loop, 2 * (i - 1) + channel, byteOrder);
                sineStep = qMax(sineStep, std::abs(step));
            }
        }
    }
    const int allowedStep = sineStep + 2 * 26212 / BlendFrames + 1;

    for (int channel = 0; channel < 2; ++channel) {
        int previous =
            sampleAt(oldLoop, 2 * ((frame + LoopFrames - 1) % LoopFrames) + channel, byteOrder);
        for (int k = 0; k < LoopFrames; ++k) {
            const int loopFrame = (frame + k) % LoopFrames;
            const int got = sampleAt(played, 2 * k + channel, byteOrder);
            const int oldSample = sampleAt(oldLoop, 2 * loopFrame + channel, byteOrder);
            const int newSample = sampleAt(newLoop, 2 * loopFrame + channel, byteOrder);
            if (k == 0) {
                QCOMPARE(got, oldSample);
            } else if (k < BlendFrames) {
                QVERIFY2(got >= qMin(oldSample, newSample) && got <= qMax(oldSample, newSample),
                         qPrintable(QString("frame %1 channel %2").arg(loopFrame).arg(channel)));
            } else if (got != newSample) {
                QFAIL(qPrintable(QString("frame %1 channel %2: %3, expected %4")
                                     .arg(loopFrame)
                                     .arg(channel)
                                     .arg(got)
                                     .arg(newSample)));
            }
            if (k <= BlendFrames)
                QVERIFY2(std::abs(got - previous) <= allowedStep,
                         qPrintable(QString("step %1 at frame %2 channel %3, allowed %4")
                                        .arg(got - previous)
                                        .arg(loopFrame)
                                        .arg(channel)
                                        .arg(allowedStep)));
            previous = got;
        }
    }
}

QTEST_APPLESS_MAIN(TestGenerator)

#include "test_generator.moc"
