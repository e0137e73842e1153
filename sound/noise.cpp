#include "sound/noise.h"

#include "sound/tone.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const int loopFrames = Noise::loopSeconds * Tone::framesPerSecond;
const double pi = 3.141592653589793;
// The ambient layer's loudness, as tools/make-ambient-sounds makes the shipped files.
const double layerLoudness = -27.0;
// Full scale less the tone's peak is the room left for an ambient sample; this keeps a margin
// below it, as the shipped files keep it. Brown noise at the layer's loudness has a few peaks in a
// thousand above the knee: they bend smoothly towards the ceiling instead of being cut flat.
const double ceiling = 6000.0 / 32768.0;
const double knee = 4500.0 / 32768.0;
// Where brown noise stops rising towards the low end: below this it is flat, so that its power
// stays finite and it has no DC. Below 40 Hz the loudness measure hardly counts it, and more of it
// there would only raise the peaks.
const double brownCornerHz = 40.0;

// xorshift64*: the same numbers on every machine and with every library, unlike the standard
// distributions.
class Random
{
public:
    explicit Random(std::uint64_t seed)
        : state(seed)
    {
    }
    // Evenly spread over [-1, 1).
    double next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t value = state * 0x2545F4914F6CDD1DULL;
        return double(value >> 11) / double(1ULL << 52) - 1.0;
    }

private:
    std::uint64_t state;
};

using Channel = std::vector<double>;

Channel white(std::uint64_t seed)
{
    Random random(seed);
    Channel samples(loopFrames);
    for (double &sample : samples)
        sample = random.next();
    return samples;
}

// A leaky integrator run over the white loop twice: by the second pass its start-up has died away
// (the leak forgets it within a second), so what it gives then is exactly periodic in the loop:
// its last sample runs on into its first as any two neighbours do.
Channel brown(std::uint64_t seed)
{
    const Channel input = white(seed);
    const double leak = 1.0 - 2 * pi * brownCornerHz / Tone::framesPerSecond;
    Channel samples(loopFrames);
    double level = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < loopFrames; ++i) {
            level = leak * level + input[i];
            samples[i] = level;
        }
    }
    double mean = 0;
    for (double sample : samples)
        mean += sample;
    mean /= loopFrames;
    for (double &sample : samples)
        sample -= mean;
    return samples;
}

struct Biquad
{
    double b0, b1, b2, a1, a2;
};

// ITU-R BS.1770's K-weighting at 44.1 kHz: the head's shelf, then the low cut.
const Biquad kWeighting[] = {
    {1.5308412300503478, -2.6509799951547297, 1.169079079921587, -1.6636551132560204,
     0.7125954280732254},
    {1, -2, 1, -1.989169673629796, 0.9891990357870393},
};

// The mean square of one channel, K-weighted, over the loop played twice, measured on the
// second: the filters' start-up is not part of the sound.
double weightedMeanSquare(const Channel &samples)
{
    Channel signal = samples;
    for (const Biquad &f : kWeighting) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (double &sample : signal) {
                const double y = f.b0 * sample + f.b1 * x1 + f.b2 * x2 - f.a1 * y1 - f.a2 * y2;
                x2 = x1;
                x1 = sample;
                y2 = y1;
                y1 = y;
                if (pass == 1)
                    sample = y;
            }
        }
    }
    double sum = 0;
    for (double sample : signal)
        sum += sample * sample;
    return sum / loopFrames;
}

// Unchanged up to the knee, then bending towards the ceiling, which it never reaches.
double limited(double sample)
{
    const double size = std::abs(sample);
    if (size <= knee)
        return sample;
    return std::copysign(knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee)),
                         sample);
}

QVector<qint16> make(Noise::Colour colour)
{
    const bool isBrown = colour == Noise::Colour::Brown;
    // Different seeds for the two ears, so the noise is wide rather than in the middle.
    const Channel left = isBrown ? brown(1) : white(1);
    const Channel right = isBrown ? brown(2) : white(2);
    // Loudness of a stationary sound: -0.691 + 10 log10 of the channels' weighted power, which
    // gating leaves as it is.
    const double loudness =
        -0.691 + 10 * std::log10(weightedMeanSquare(left) + weightedMeanSquare(right));
    const double gain = std::pow(10.0, (layerLoudness - loudness) / 20);

    QVector<qint16> samples(2 * loopFrames);
    for (int i = 0; i < loopFrames; ++i) {
        samples[2 * i] = qint16(std::lround(32768 * limited(gain * left[i])));
        samples[2 * i + 1] = qint16(std::lround(32768 * limited(gain * right[i])));
    }
    return samples;
}

} // namespace

QVector<qint16> Noise::loop(Colour colour)
{
    if (colour == Colour::Brown) {
        static const QVector<qint16> brownLoop = make(Colour::Brown);
        return brownLoop;
    }
    static const QVector<qint16> whiteLoop = make(Colour::White);
    return whiteLoop;
}
