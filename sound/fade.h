#ifndef FADE_H
#define FADE_H

#include "sound/tone.h"

#include <QtGlobal>

// Every fade of the program's sound, its length and its curve, in one place: the outputs, the
// ambient player and the renderer all fade with these, so that a rendered session sounds as a
// played one. A fade's position is a fraction of its length, 0 at its first frame, 1 at its end;
// fractions outside 0..1 give the gain before or after the fade.
namespace Fade {

// A user's Stop ramps what is heard to silence over this long. The ramp begins as soon as the
// server can still replace what it holds (see PulseStream::fadeOut()), so that the sound is silent
// within 30 ms of the click; 15 ms is six cycles of the 396 Hz tone, long enough that the ramp's
// own slope stays far below the tone's.
constexpr int stopMs = 15;
// The ambient sound comes in over a second at Start, and one sound hands over to the next over a
// second: long enough to be heard as a fade, short enough to follow the choice at once.
constexpr int ambientFadeInMs = 1000;
constexpr int crossfadeMs = 1000;

constexpr qint64 framesFor(int ms)
{
    return qint64(ms) * Tone::framesPerSecond / 1000;
}

// A fade in and a fade out are the two halves of a raised cosine: they leave and reach silence
// with no slope at all, so that neither end has a corner to be heard, and the same shape serves a
// 15 ms stop and the seconds of a session's end.
double inGain(double fraction);
double outGain(double fraction);

// An equal-power crossfade: outgoing² + incoming² = 1 throughout, so that two unrelated sounds
// keep the loudness of one while they hand over.
struct CrossfadeGains
{
    double outgoing;
    double incoming;
};
CrossfadeGains crossfadeGains(double fraction);

// A sample times a gain, rounded to the nearest and held within 16 bits.
qint16 scaled(int sample, double gain);

// Scales `frameCount` interleaved stereo frames by a fade out of `lengthFrames` frames; the first
// of them is frame `firstFrame` of the fade, which may lie before or after the fade's span.
void fadeOutFrames(qint16 *samples, qint64 frameCount, qint64 firstFrame, qint64 lengthFrames);

} // namespace Fade

#endif
