#ifndef MIX_H
#define MIX_H

#include <QtGlobal>

namespace Mix {

// Adds ambient into tone sample by sample at unity gain, as the window's player mixes them. A sum
// past full scale is held at full scale instead of wrapping round to the opposite sign; the
// return value counts those samples, so that a render can say it clipped.
inline int addSaturating(qint16 *tone, const qint16 *ambient, int sampleCount)
{
    int saturated = 0;
    for (int i = 0; i < sampleCount; ++i) {
        const int sum = tone[i] + ambient[i];
        const int held = qBound(-32768, sum, 32767);
        saturated += held != sum;
        tone[i] = qint16(held);
    }
    return saturated;
}

} // namespace Mix

#endif
