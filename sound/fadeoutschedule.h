#ifndef FADEOUTSCHEDULE_H
#define FADEOUTSCHEDULE_H

#include <QVector>

// The fade outs laid on a stream, each from a frame of the stream on: a frame is scaled by all the
// fades that have begun by it, and is silent from the end of the first that is over. A fade laid
// while another runs starts from the level the other has reached, so the sound never jumps.
class FadeOutSchedule
{
public:
    void add(qint64 firstFrame, qint64 lengthFrames);
    void clear() { fades.clear(); }
    bool isEmpty() const { return fades.isEmpty(); }

    // Scales `frameCount` interleaved stereo frames, the first of which is frame `firstFrame` of
    // the stream.
    void apply(qint16 *samples, qint64 frameCount, qint64 firstFrame) const;

private:
    struct Span
    {
        qint64 firstFrame;
        qint64 lengthFrames;
    };
    QVector<Span> fades;
};

#endif
