#include "sound/fade.h"
#include "sound/playoutbuffer.h"

#include <QtTest>

#include <limits>

namespace {

// What a stream keeps: 1.2 s.
const qint64 historyFrames = 52920;
const qint64 stopFrames = Fade::framesFor(Fade::stopMs);

// Writes `frameCount` frames of (level, -level) as the source gives them, in pieces of 1000 as a
// server asks for them; returns them as written.
QVector<qint16> writeSteady(PlayoutBuffer &buffer, qint64 frameCount, qint16 level)
{
    QVector<qint16> all;
    while (all.size() < 2 * frameCount) {
        const qint64 count = qMin<qint64>(1000, frameCount - all.size() / 2);
        QVector<qint16> piece;
        for (qint64 k = 0; k < count; ++k)
            piece << level << qint16(-level);
        buffer.write(piece.data(), count);
        all += piece;
    }
    return all;
}

// A fade out of `length` frames from `first` on, at `frame`, on a sound of `level`.
int faded(int level, qint64 frame, qint64 first, qint64 length)
{
    if (frame < first)
        return level;
    return Fade::scaled(
        level, frame - first >= length ? 0.0 : Fade::outGain(double(frame - first) / length));
}

// A source that counts what it is asked for and gives `level`.
struct Source
{
    qint16 level = 0;
    qint64 framesRead = 0;
    PlayoutBuffer::Read read()
    {
        return [this](qint16 *samples, qint64 frameCount) {
            framesRead += frameCount;
            for (qint64 k = 0; k < 2 * frameCount; ++k)
                samples[k] = k % 2 ? qint16(-level) : level;
        };
    }
};

bool failsAt(const QVector<qint16> &samples, qint64 firstFrame,
             const std::function<int(qint64 frame)> &expected, QString *fault)
{
    for (qint64 k = 0; k < samples.size() / 2; ++k) {
        const int want = expected(firstFrame + k);
        if (samples[int(2 * k)] != want || samples[int(2 * k + 1)] != -want) {
            *fault = QStringLiteral("frame %1 is (%2, %3), not (%4, %5)")
                         .arg(firstFrame + k)
                         .arg(samples[int(2 * k)])
                         .arg(samples[int(2 * k + 1)])
                         .arg(want)
                         .arg(-want);
            return true;
        }
    }
    return false;
}

} // namespace

// What a stream has written, faded and written again from a read position, without a server: the
// frames are compared one by one with the fades' curves.
class TestPlayoutBuffer : public QObject
{
    Q_OBJECT

private slots:
    void fadeOnQueuedSound_data();
    void fadeOnQueuedSound();
    void rewriteDuringAFade();
    void changeDuringTheEndFade();
    void readPositionOutsideWhatWasWritten_data();
    void readPositionOutsideWhatWasWritten();
    void longSessions();
};

void TestPlayoutBuffer::fadeOnQueuedSound_data()
{
    QTest::addColumn<qint64>("readFrame");
    QTest::addColumn<qint64>("marginFrames");
    QTest::addColumn<int>("fadeMs");
    QTest::addColumn<bool>("stopping");
    QTest::addColumn<qint64>("firstFrame");
    QTest::addColumn<qint64>("lengthFrames");
    // A second is written; the server reads at 20,000.
    QTest::newRow("the session's end, longer than what is queued")
        << qint64(20000) << qint64(441) << 5000 << false << qint64(20441)
        << qint64(20000 + 220500 - 20441);
    QTest::newRow("a fade within what is queued") << qint64(20000) << qint64(441) << 300 << false
                                                  << qint64(20441) << qint64(20000 + 13230 - 20441);
    QTest::newRow("a fade shorter than the margin lasts a Stop's ramp")
        << qint64(20000) << qint64(2000) << 10 << false << qint64(22000) << stopFrames;
    QTest::newRow("a Stop") << qint64(20000) << qint64(441) << Fade::stopMs << true << qint64(20441)
                            << stopFrames;
    QTest::newRow("a Stop past what was written reads on")
        << qint64(44000) << qint64(441) << Fade::stopMs << true << qint64(44100) << stopFrames;
}

// The fade starts just past the read position and what the sink has taken, follows its curve over
// what is queued and on over what is written next, and leaves silence behind it. A Stop's ramp
// reads on from the source up to its end, and no further.
void TestPlayoutBuffer::fadeOnQueuedSound()
{
    QFETCH(qint64, readFrame);
    QFETCH(qint64, marginFrames);
    QFETCH(int, fadeMs);
    QFETCH(bool, stopping);
    QFETCH(qint64, firstFrame);
    QFETCH(qint64, lengthFrames);
    PlayoutBuffer buffer(historyFrames);
    writeSteady(buffer, 44100, 10000);
    Source source;
    source.level = 10000;

    const PlayoutBuffer::Replacement replacement =
        buffer.rewriteFrom(readFrame, marginFrames, {fadeMs}, {}, stopping, source.read());
    QCOMPARE(replacement.firstFrame, firstFrame);
    const qint64 end = stopping ? qMax<qint64>(44100, firstFrame + lengthFrames) : 44100;
    QCOMPARE(replacement.frameCount(), end - firstFrame);
    QCOMPARE(source.framesRead, end - 44100);
    QCOMPARE(buffer.writtenFrames(), end);
    const auto expected = [&](qint64 frame) {
        return faded(10000, frame, firstFrame, lengthFrames);
    };
    QString fault;
    QVERIFY2(!failsAt(replacement.samples, firstFrame, expected, &fault), qPrintable(fault));
    const QVector<qint16> next = writeSteady(buffer, 250000, 10000);
    QVERIFY2(!failsAt(next, end, expected, &fault), qPrintable(fault));
}

// A change of sound while a fade plays is heard under the fade: the rewrite is given the frames as
// the source gave them, and what it makes of them is faded as they were.
void TestPlayoutBuffer::rewriteDuringAFade()
{
    PlayoutBuffer buffer(historyFrames);
    writeSteady(buffer, 44100, 10000);
    Source source;
    const qint64 fadeFirst = 10441;
    const qint64 fadeLength = 10000 + Fade::framesFor(3000) - fadeFirst;
    buffer.rewriteFrom(10000, 441, {3000}, {}, false, source.read());
    writeSteady(buffer, 11025, 10000);

    qint64 given = -1;
    bool asGiven = true;
    const PlayoutBuffer::Rewrite change = [&](qint16 *samples, qint64 frameCount) {
        given = frameCount;
        for (qint64 k = 0; k < frameCount; ++k) {
            asGiven = asGiven && samples[2 * k] == 10000;
            samples[2 * k] = 4000;
            samples[2 * k + 1] = -4000;
        }
    };
    const PlayoutBuffer::Replacement replacement =
        buffer.rewriteFrom(30000, 441, {}, {change}, false, source.read());
    QCOMPARE(replacement.firstFrame, qint64(30441));
    QCOMPARE(given, qint64(44100 + 11025 - 30441));
    QVERIFY2(asGiven, "the rewrite was given faded frames");
    QCOMPARE(source.framesRead, qint64(0));
    QString fault;
    QVERIFY2(!failsAt(
                 replacement.samples, 30441,
                 [&](qint64 frame) { return faded(4000, frame, fadeFirst, fadeLength); }, &fault),
             qPrintable(fault));
}

// The session's end fade is laid, then the ambient sound changes, then the user stops: the new
// sound follows the end fade down, the Stop's ramp takes it from there, and all after it is silent.
void TestPlayoutBuffer::changeDuringTheEndFade()
{
    PlayoutBuffer buffer(historyFrames);
    writeSteady(buffer, 44100, 10000);
    Source source;
    source.level = 4000;
    const qint64 endFirst = 5441;
    const qint64 endLength = 5000 + Fade::framesFor(4000) - endFirst;
    buffer.rewriteFrom(5000, 441, {4000}, {}, false, source.read());
    writeSteady(buffer, 22050, 10000);

    const PlayoutBuffer::Rewrite change = [](qint16 *samples, qint64 frameCount) {
        for (qint64 k = 0; k < frameCount; ++k) {
            samples[2 * k] = 4000;
            samples[2 * k + 1] = -4000;
        }
    };
    PlayoutBuffer::Replacement replacement =
        buffer.rewriteFrom(40000, 441, {}, {change}, false, source.read());
    QString fault;
    const auto underEndFade = [&](qint64 frame) { return faded(4000, frame, endFirst, endLength); };
    QVERIFY2(!failsAt(replacement.samples, 40441, underEndFade, &fault), qPrintable(fault));

    const QVector<qint16> changedOn = writeSteady(buffer, 22050, 4000);
    QVERIFY2(!failsAt(changedOn, 44100 + 22050, underEndFade, &fault), qPrintable(fault));

    const qint64 written = buffer.writtenFrames();
    replacement = buffer.rewriteFrom(written - 10000, 441, {Fade::stopMs}, {}, true, source.read());
    const qint64 stopFirst = written - 10000 + 441;
    QCOMPARE(replacement.firstFrame, stopFirst);
    QVERIFY2(
        !failsAt(
            replacement.samples, stopFirst,
            [&](qint64 frame) { return faded(underEndFade(frame), frame, stopFirst, stopFrames); },
            &fault),
        qPrintable(fault));
    QCOMPARE(source.framesRead, qint64(0));
    const QVector<qint16> after = writeSteady(buffer, 1000, 4000);
    QCOMPARE(after, QVector<qint16>(2000, 0));
}

void TestPlayoutBuffer::readPositionOutsideWhatWasWritten_data()
{
    QTest::addColumn<qint64>("writtenFrames");
    QTest::addColumn<qint64>("readFrame");
    QTest::addColumn<bool>("stopping");
    QTest::addColumn<qint64>("firstFrame");

    const qint64 far = std::numeric_limits<qint64>::max() / 2;
    for (const bool stopping : {false, true}) {
        const char *what = stopping ? "a Stop" : "a change";
        QTest::addRow("%s, just past the end", what)
            << qint64(44100) << qint64(44101) << stopping << qint64(44100);
        QTest::addRow("%s, 6.8 hours past the end", what)
            << qint64(44100) << Fade::framesFor(int(6.8 * 3600 * 1000)) << stopping
            << qint64(44100);
        QTest::addRow("%s, at the end of all numbers", what)
            << qint64(44100) << far << stopping << qint64(44100);
        QTest::addRow("%s, behind the oldest frame kept", what)
            << qint64(441000) << qint64(1000) << stopping << qint64(441000 - historyFrames + 441);
        QTest::addRow("%s, before the first frame", what)
            << qint64(44100) << qint64(-5000000000) << stopping << qint64(441);
    }
}

// A read position the server gets wrong is taken as the nearest frame kept, the sink's margin past
// it: the replacement holds no more than is kept and a Stop's ramp, and is faded from there.
void TestPlayoutBuffer::readPositionOutsideWhatWasWritten()
{
    QFETCH(qint64, writtenFrames);
    QFETCH(qint64, readFrame);
    QFETCH(bool, stopping);
    QFETCH(qint64, firstFrame);
    PlayoutBuffer buffer(historyFrames);
    writeSteady(buffer, writtenFrames, 10000);
    Source source;
    source.level = 10000;

    qint64 given = -1;
    const PlayoutBuffer::Rewrite change = [&](qint16 *, qint64 frameCount) { given = frameCount; };
    const QVector<int> fades = stopping ? QVector<int> {Fade::stopMs} : QVector<int> {};
    const PlayoutBuffer::Replacement replacement =
        buffer.rewriteFrom(readFrame, 441, fades, {change}, stopping, source.read());
    QCOMPARE(replacement.firstFrame, firstFrame);
    QCOMPARE(given, writtenFrames - firstFrame);
    const qint64 ramp = stopping ? qMax<qint64>(0, firstFrame + stopFrames - writtenFrames) : 0;
    QCOMPARE(replacement.frameCount(), writtenFrames - firstFrame + ramp);
    QCOMPARE(source.framesRead, ramp);
    if (stopping) {
        QString fault;
        QVERIFY2(!failsAt(
                     replacement.samples, firstFrame,
                     [&](qint64 frame) { return faded(10000, frame, firstFrame, stopFrames); },
                     &fault),
                 qPrintable(fault));
    }
}

// Past 2^31 frames (13.5 hours) the frames kept are still found where they were written, and a fade
// still starts and ends where it should.
void TestPlayoutBuffer::longSessions()
{
    // Each frame says where it is in a pattern of 20,000 frames, which a piece of 1,000,000 repeats
    // whole, so that the same piece serves all the way.
    const qint64 period = 20000;
    const qint64 pieceFrames = 50 * period;
    const auto level = [&](qint64 frame) { return int(frame % period); };
    QVector<qint16> piece(int(2 * pieceFrames));
    for (qint64 k = 0; k < pieceFrames; ++k) {
        piece[int(2 * k)] = qint16(level(k));
        piece[int(2 * k + 1)] = qint16(-level(k));
    }
    PlayoutBuffer buffer(historyFrames);
    const qint64 total = ((qint64(1) << 31) / pieceFrames + 3) * pieceFrames;
    for (qint64 frame = 0; frame < total; frame += pieceFrames)
        buffer.write(piece.data(), pieceFrames);
    QCOMPARE(buffer.writtenFrames(), total);
    QCOMPARE(buffer.oldestKeptFrame(), total - historyFrames);

    Source source;
    const qint64 readFrame = total - 30000;
    const PlayoutBuffer::Replacement replacement =
        buffer.rewriteFrom(readFrame, 441, {500}, {}, false, source.read());
    const qint64 first = readFrame + 441;
    QCOMPARE(replacement.firstFrame, first);
    QCOMPARE(replacement.frameCount(), total - first);
    const qint64 length = readFrame + Fade::framesFor(500) - first;
    const auto expected = [&](qint64 frame) { return faded(level(frame), frame, first, length); };
    QString fault;
    QVERIFY2(!failsAt(replacement.samples, first, expected, &fault), qPrintable(fault));
    QVector<qint16> next;
    for (qint64 frame = total; frame < total + 30000; ++frame)
        next << qint16(level(frame)) << qint16(-level(frame));
    buffer.write(next.data(), 30000);
    QVERIFY2(!failsAt(next, total, expected, &fault), qPrintable(fault));
}

QTEST_APPLESS_MAIN(TestPlayoutBuffer)
#include "test_playoutbuffer.moc"
