#include "sound/generator.h"
#include "sound/tone.h"
#include "tests/referencetone.h"

#include <QtTest>

#include <cstring>

using ReferenceTone::LoopBytes;
using ReferenceTone::LoopFrames;

namespace {

// ReferenceTone's code for the machine's byte order, in which the generator stores its samples.
const int NativeOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 1 : 0;

qint16 sampleAt(const QByteArray &pcm, qint64 sampleIndex)
{
    qint16 sample;
    std::memcpy(&sample, pcm.constData() + 2 * sampleIndex, sizeof sample);
    return sample;
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

// Whether every frame of the PCM has the same sample in both ears.
bool sameInBothEars(const QByteArray &pcm)
{
    for (qint64 i = 0; i < pcm.size() / 2; i += 2) {
        if (sampleAt(pcm, i) != sampleAt(pcm, i + 1))
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(ToneKind)

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
    void rewindGoesBackToTheFirstFrame();
    void generateDataKeepsReadOffset();
    void changeIsHeardFromTheNextLoop_data();
    void changeIsHeardFromTheNextLoop();
    void kindChangeIsHeardFromTheNextLoop_data();
    void kindChangeIsHeardFromTheNextLoop();
};

void TestGenerator::workedValues_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<float>("beat");
    QTest::addColumn<bool>("tone");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");

    QTest::newRow("steady") << 88225 << 10.0f << false << 22642 << 22758;
    QTest::newRow("steady, secondary tone") << 88225 << 10.0f << true << 25762 << 25878;
    QTest::newRow("negative terms truncate toward zero") << 26460 << 4.0f << true << -8298 << -1558;
    QTest::newRow("first frame") << 0 << 10.0f << true << 0 << 0;
    QTest::newRow("last frame") << LoopFrames - 1 << 10.0f << true << 0 << 0;
    QTest::newRow("last frame, fractional beat") << LoopFrames - 1 << 7.3f << true << 0 << 0;
}

void TestGenerator::workedValues()
{
    QFETCH(int, frame);
    QFETCH(float, beat);
    QFETCH(bool, tone);
    QFETCH(int, left);
    QFETCH(int, right);

    Generator generator;
    generator.setBeatFrequency(beat);
    generator.setSecondaryTone(tone);
    generator.rewind();
    const QByteArray loop = readBytes(generator, LoopBytes);

    QCOMPARE(int(sampleAt(loop, 2 * frame)), left);
    QCOMPARE(int(sampleAt(loop, 2 * frame + 1)), right);
}

void TestGenerator::identicalChannelsWithoutBeat()
{
    Generator generator;
    generator.setBeatFrequency(0);
    generator.setSecondaryTone(false);
    generator.rewind();
    const QByteArray loop = readBytes(generator, LoopBytes);

    int nonZeroFrames = 0;
    for (int i = 0; i < LoopFrames; ++i) {
        const qint16 left = sampleAt(loop, 2 * i);
        QCOMPARE(sampleAt(loop, 2 * i + 1), left);
        nonZeroFrames += left != 0;
    }
    QVERIFY(nonZeroFrames > LoopFrames / 2);
}

void TestGenerator::matchesDirectFormula_data()
{
    QTest::addColumn<float>("beat");
    QTest::addColumn<bool>("tone");

    QTest::newRow("10 Hz") << 10.0f << false;
    QTest::newRow("10 Hz, secondary tone") << 10.0f << true;
    QTest::newRow("4 Hz, secondary tone") << 4.0f << true;
    QTest::newRow("no beat") << 0.0f << false;
    QTest::newRow("40 Hz") << 40.0f << false;
    QTest::newRow("fractional beat") << 7.3f << true;
}

void TestGenerator::matchesDirectFormula()
{
    QFETCH(float, beat);
    QFETCH(bool, tone);

    Generator generator;
    generator.setBeatFrequency(beat);
    generator.setSecondaryTone(tone);
    generator.rewind();

    const QByteArray expected = ReferenceTone::loop(396, beat, tone, NativeOrder);
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

    Generator generator;
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    generator.rewind();
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
    Generator generator;
    const QByteArray before = readBytes(generator, LoopBytes);
    const QByteArray input(4096, 'x');

    QCOMPARE(generator.writeData(input.constData(), input.size()), qint64(0));
    QCOMPARE(generator.writeData(input.constData(), 0), qint64(0));
    QCOMPARE(firstDifference(readBytes(generator, LoopBytes), before), qint64(-1));
}

void TestGenerator::rewindGoesBackToTheFirstFrame()
{
    Generator generator;
    QVERIFY(generator.isOpen());
    generator.setBeatFrequency(10);
    generator.rewind();
    const QByteArray loop = readBytes(generator, LoopBytes);

    readBytes(generator, 1000);
    QCOMPARE(generator.read(8), loop.mid(1000, 8));
    generator.rewind();
    QCOMPARE(generator.read(8), loop.left(8));
}

void TestGenerator::generateDataKeepsReadOffset()
{
    Generator generator;
    generator.setBeatFrequency(10);
    generator.setSecondaryTone(true);
    generator.generateData();
    const int offset = 4 * 300000;
    readBytes(generator, offset);

    generator.setBeatFrequency(3);
    generator.setSecondaryTone(false);
    generator.generateData();

    const QByteArray expected = ReferenceTone::loop(396, 3, false, NativeOrder);
    QCOMPARE(readBytes(generator, 64), expected.mid(offset, 64));
}

// A change made anywhere in a loop leaves the rest of that loop as it was and is heard in full
// from the next loop's first frame, whether the read that reaches it stops at the loop's end or
// runs on past it; and after a rewind, from the first frame at once.
void TestGenerator::changeIsHeardFromTheNextLoop_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("rewound");
    QTest::addColumn<int>("readFrames");
    QTest::addColumn<float>("newBeat");
    QTest::addColumn<bool>("newTone");

    QTest::newRow("mid-plateau, reads of the rest, then the next loop")
        << 261700 << false << 0 << 3.0f << false;
    QTest::newRow("last frame, one read across the loop's end")
        << LoopFrames - 1 << false << 2000 << 20.0f << true;
    QTest::newRow("in the fade-in, one read across the loop's end")
        << 30000 << false << LoopFrames << 12.0f << true;
    QTest::newRow("at the first frame, before the first read") << 0 << false << 0 << 3.0f << false;
    QTest::newRow("nothing changed") << 400000 << false << 0 << 8.0f << true;
    QTest::newRow("rewound") << 400000 << true << 0 << 3.0f << false;
}

void TestGenerator::changeIsHeardFromTheNextLoop()
{
    QFETCH(int, frame);
    QFETCH(bool, rewound);
    QFETCH(int, readFrames);
    QFETCH(float, newBeat);
    QFETCH(bool, newTone);

    const QByteArray oldLoop = ReferenceTone::loop(396, 8, true, NativeOrder);
    const QByteArray newLoop = ReferenceTone::loop(396, newBeat, newTone, NativeOrder);

    Generator generator;
    generator.setBeatFrequency(8);
    generator.setSecondaryTone(true);
    generator.rewind();
    readBytes(generator, 4 * qint64(frame));
    generator.setBeatFrequency(newBeat);
    generator.setSecondaryTone(newTone);

    QByteArray played;
    if (rewound) {
        generator.rewind();
        frame = 0;
    } else if (readFrames > 0) {
        played = readBytes(generator, 4 * qint64(readFrames));
    } else {
        played = readBytes(generator, 4 * qint64(LoopFrames - frame));
    }
    played += readBytes(generator, LoopBytes);

    const qint64 restOfLoop = rewound ? 0 : 4 * qint64(LoopFrames - frame);
    QCOMPARE(firstDifference(played.left(restOfLoop), oldLoop.mid(4 * frame, restOfLoop)),
             qint64(-1));
    QCOMPARE(firstDifference(played.mid(restOfLoop, LoopBytes), newLoop), qint64(-1));
}

void TestGenerator::kindChangeIsHeardFromTheNextLoop_data()
{
    QTest::addColumn<ToneKind>("from");
    QTest::addColumn<ToneKind>("to");

    QTest::newRow("binaural to isochronic") << ToneKind::Binaural << ToneKind::Isochronic;
    QTest::newRow("isochronic to monaural") << ToneKind::Isochronic << ToneKind::Monaural;
    QTest::newRow("monaural to binaural") << ToneKind::Monaural << ToneKind::Binaural;
    QTest::newRow("isochronic to binaural") << ToneKind::Isochronic << ToneKind::Binaural;
}

// The rest of the loop keeps the kind it began with; the next is the new kind's, and a binaural
// loop after another kind is again the reference tone's, byte for byte.
void TestGenerator::kindChangeIsHeardFromTheNextLoop()
{
    QFETCH(ToneKind, from);
    QFETCH(ToneKind, to);
    const int frame = 300000;

    Generator generator;
    generator.setBeatFrequency(8);
    generator.setSecondaryTone(true);
    generator.setToneKind(from);
    generator.rewind();
    const QByteArray oldLoop = readBytes(generator, LoopBytes);
    readBytes(generator, 4 * qint64(frame));
    generator.setToneKind(to);
    QCOMPARE(generator.toneKind(), to);
    const QByteArray restOfLoop = readBytes(generator, 4 * qint64(LoopFrames - frame));
    const QByteArray newLoop = readBytes(generator, LoopBytes);

    QCOMPARE(firstDifference(restOfLoop, oldLoop.mid(4 * frame)), qint64(-1));
    QCOMPARE(sameInBothEars(oldLoop), from != ToneKind::Binaural);
    QCOMPARE(sameInBothEars(newLoop), to != ToneKind::Binaural);
    if (to == ToneKind::Binaural)
        QCOMPARE(firstDifference(newLoop, ReferenceTone::loop(396, 8, true, NativeOrder)),
                 qint64(-1));
    else
        QVERIFY(firstDifference(newLoop, oldLoop) != -1);
}

QTEST_APPLESS_MAIN(TestGenerator)

#include "test_generator.moc"
