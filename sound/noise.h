#ifndef NOISE_H
#define NOISE_H

#include <QVector>

// Noise made rather than read from a file: a loop of interleaved 16-bit stereo at 44,100 Hz,
// the same on every run, that joins its own start with no seam to hear, at the ambient layer's
// loudness (-27 LUFS, as the shipped files are) and with peaks low enough that it never clips
// with the tone.
namespace Noise {

enum class Colour {
    // Falls 6 dB an octave above 20 Hz: a deep rumble, like a distant waterfall.
    Brown,
    // The same power at every frequency: a hiss.
    White,
};

// The loop's length: long enough that no pattern in it is heard to come round again.
constexpr int loopSeconds = 30;

// Made at the first call for each colour, in a fraction of a second, and shared after that.
QVector<qint16> loop(Colour colour);

} // namespace Noise

#endif
