#include "sound/fade.h"

#include <cmath>

namespace {

const double pi = 3.141592653589793;

double clampedFraction(double fraction)
{
    return qBound(0.0, fraction, 1.0);
}

} // namespace

double Fade::inGain(double fraction)
{
    return 0.5 - 0.5 * std::cos(pi * clampedFraction(fraction));
}

double Fade::outGain(double fraction)
{
    return inGain(1 - fraction);
}

Fade::CrossfadeGains Fade::crossfadeGains(double fraction)
{
    const double angle = pi / 2 * clampedFraction(fraction);
    return {std::cos(angle), std::sin(angle)};
}

qint16 Fade::scaled(int sample, double gain)
{
    return qint16(qBound(-32768L, std::lround(sample * gain), 32767L));
}

void Fade::fadeOutFrames(qint16 *samples, qint64 frameCount, qint64 firstFrame, qint64 lengthFrames)
{
    for (qint64 k = 0; k < frameCount; ++k) {
        const qint64 frame = firstFrame + k;
        if (frame < 0)
            continue;
        const double gain = frame >= lengthFrames ? 0.0 : outGain(double(frame) / lengthFrames);
        samples[2 * k] = scaled(samples[2 * k], gain);
        samples[2 * k + 1] = scaled(samples[2 * k + 1], gain);
    }
}
