#ifndef PLAYOUTBUFFER_H
#define PLAYOUTBUFFER_H

#include "sound/fadeoutschedule.h"

#include <QVector>

#include <functional>

// What a playback stream has written to the sound server and the listener has not heard yet, kept
// so that it can be written again, faded or changed: a fade out or a change of sound takes effect
// from what is heard next, not from the end of what the server holds.
//
// Frames are counted from the stream's first, as interleaved stereo of 16-bit samples (Tone). The
// buffer keeps the last frames written as the source gave them, and the fades laid on them. Given
// the server's read position, it makes the sound to write over what the server holds from just
// past that position on. A read position is only taken within what was written and is still kept,
// so a wrong one from the server costs at most a rewrite of what is kept.
class PlayoutBuffer
{
public:
    // Changes, in place, `frameCount` frames as the source gave them: the last it gave.
    using Rewrite = std::function<void(qint16 *samples, qint64 frameCount)>;
    // Fills `frameCount` frames with what the source gives next.
    using Read = std::function<void(qint16 *samples, qint64 frameCount)>;

    // Keeps the last `historyFrames` frames written: more than the server holds.
    explicit PlayoutBuffer(qint64 historyFrames);

    // A new stream: nothing written, no fade, and the next frame written is frame 0.
    void reset();

    qint64 writtenFrames() const { return written; }
    // The first frame still kept; a rewrite begins no earlier.
    qint64 oldestKeptFrame() const;

    // Takes the next `frameCount` frames the source gave, to be written after the last: keeps
    // them, and lays the fades on them in place.
    void write(qint16 *samples, qint64 frameCount);

    // The sound to write over what the server holds, from frame `firstFrame` on.
    struct Replacement
    {
        qint64 firstFrame = 0;
        QVector<qint16> samples;
        qint64 frameCount() const { return samples.size() / 2; }
    };

    // The server plays frame `readFrame` now, and its sink may have taken `marginFrames` more
    // already. What follows them is made again, from the frames kept as the source gave them:
    // changed by `rewrites`, in order, then under every fade laid so far and a fade out for each
    // of `fadesMs`. Each such fade ends that many milliseconds after `readFrame` is heard, and
    // lasts no less than a Stop's ramp. With `readOnToSilence`, for a Stop, sound that the new
    // fades end within is read on from the source with `readOn`, up to where they are silent.
    // The replacement counts as written.
    Replacement rewriteFrom(qint64 readFrame, qint64 marginFrames, const QVector<int> &fadesMs,
                            const QVector<Rewrite> &rewrites, bool readOnToSilence,
                            const Read &readOn);

private:
    void keep(const qint16 *samples, qint64 firstFrame, qint64 frameCount);

    QVector<qint16> history;
    qint64 historyFrames;
    qint64 written = 0;
    FadeOutSchedule fades;
};

#endif
