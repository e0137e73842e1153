#include "sound/playoutbuffer.h"

#include "sound/fade.h"

#include <algorithm>

PlayoutBuffer::PlayoutBuffer(qint64 historyFrames)
    : history(int(2 * historyFrames))
    , historyFrames(historyFrames)
{
}

void PlayoutBuffer::reset()
{
    written = 0;
    fades.clear();
}

qint64 PlayoutBuffer::oldestKeptFrame() const
{
    return qMax<qint64>(0, written - historyFrames);
}

void PlayoutBuffer::write(qint16 *samples, qint64 frameCount)
{
    if (frameCount <= 0)
        return;
    keep(samples, written, frameCount);
    fades.apply(samples, frameCount, written);
    written += frameCount;
}

// A server's read position is trusted only as far as what is kept: one past the end, or behind the
// oldest frame kept, is taken as the nearest of them, so the replacement never holds more than is
// kept and the fades' lengths.
PlayoutBuffer::Replacement PlayoutBuffer::rewriteFrom(qint64 readFrame, qint64 marginFrames,
                                                      const QVector<int> &fadesMs,
                                                      const QVector<Rewrite> &rewrites,
                                                      bool readOnToSilence, const Read &readOn)
{
    const qint64 oldest = oldestKeptFrame();
    const qint64 read = qBound(oldest, readFrame, written);
    const qint64 firstFrame = qBound(oldest, read + qMax<qint64>(0, marginFrames), written);
    qint64 silentFrom = -1;
    for (int ms : fadesMs) {
        const qint64 length =
            qMax(read + Fade::framesFor(ms) - firstFrame, Fade::framesFor(Fade::stopMs));
        fades.add(firstFrame, length);
        silentFrom = silentFrom < 0 ? firstFrame + length : qMin(silentFrom, firstFrame + length);
    }
    const qint64 endFrame = readOnToSilence ? qMax(written, silentFrom) : written;

    Replacement replacement;
    replacement.firstFrame = firstFrame;
    const qint64 frameCount = endFrame - firstFrame;
    replacement.samples.resize(int(2 * frameCount));
    qint16 *samples = replacement.samples.data();
    const qint16 *kept = history.constData();
    const qint64 keptFrames = written - firstFrame;
    for (qint64 k = 0; k < keptFrames; ++k) {
        const qint64 slot = (firstFrame + k) % historyFrames;
        samples[2 * k] = kept[2 * slot];
        samples[2 * k + 1] = kept[2 * slot + 1];
    }
    for (const Rewrite &rewrite : rewrites)
        rewrite(samples, keptFrames);
    if (frameCount > keptFrames)
        readOn(samples + 2 * keptFrames, frameCount - keptFrames);
    if (frameCount > 0) {
        keep(samples, firstFrame, frameCount);
        fades.apply(samples, frameCount, firstFrame);
        written = endFrame;
    }
    return replacement;
}

void PlayoutBuffer::keep(const qint16 *samples, qint64 firstFrame, qint64 frameCount)
{
    qint16 *kept = history.data();
    for (qint64 k = qMax<qint64>(0, frameCount - historyFrames); k < frameCount; ++k) {
        const qint64 slot = (firstFrame + k) % historyFrames;
        kept[2 * slot] = samples[2 * k];
        kept[2 * slot + 1] = samples[2 * k + 1];
    }
}
