#ifndef AMBIENTSOURCE_H
#define AMBIENTSOURCE_H

#include <QtGlobal>

// Where the ambient layer's sound comes from, as the mixer and the renderer read it: an endless
// stream of interleaved 16-bit stereo at 44,100 Hz that joins its own start with no gap.
class AmbientSource
{
public:
    virtual ~AmbientSource() = default;

    // Copies the next `count` frames into out (2 × count samples), going round as often as needed.
    virtual void copyFrames(qint16 *out, qint64 count) = 0;
    // Back to the first frame.
    virtual void rewind() = 0;
};

#endif
