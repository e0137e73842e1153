#ifndef AMBIENTLEVEL_H
#define AMBIENTLEVEL_H

#include <cmath>

// The level every ambient sound is brought to, whether made (Noise) or read (OwnSoundLoop): the
// loudness of the layer, and the peak limit that keeps it from clipping when the sink adds it to
// the tone.
namespace AmbientLevel {

// The ambient layer's loudness in LUFS, as tools/make-ambient-sounds makes the shipped files.
constexpr double loudness = -27.0;
// Full scale less the tone's peak is the room left for an ambient sample; the ceiling keeps a
// margin below it, as the shipped files keep it. Peaks above the knee bend smoothly towards the
// ceiling instead of being cut flat, which would be heard as a crackle.
constexpr double ceiling = 6000.0 / 32768.0;
constexpr double knee = 4500.0 / 32768.0;

// A sample in full-scale units: unchanged up to the knee, then bending towards the ceiling, which
// it never reaches.
inline double limited(double sample)
{
    const double size = std::abs(sample);
    if (size <= knee)
        return sample;
    return std::copysign(knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee)),
                         sample);
}

// The gain that brings a sound measured at `measuredLoudness` LUFS to the layer's loudness.
inline double gainFor(double measuredLoudness)
{
    return std::pow(10.0, (loudness - measuredLoudness) / 20);
}

} // namespace AmbientLevel

#endif
