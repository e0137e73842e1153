#ifndef MIX_H
#define MIX_H

#include <QtGlobal>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Mix {

// Adds ambient into tone sample by sample at unity gain, as the window's player mixes them. A sum
// past full scale is held at full scale instead of wrapping round to the opposite sign; the
// return value counts those samples, so that a render can say it clipped.
inline int addSaturating(qint16 *tone, const qint16 *ambient, int sampleCount)
{
    int saturated = 0;
    int i = 0;
#if defined(__SSE2__)
    // Eight samples at a time: a saturating add, and a wrapping one to count where they differ.
    // This loop is most of a render's own work.
    for (; i + 8 <= sampleCount; i += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(tone + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(ambient + i));
        const __m128i held = _mm_adds_epi16(a, b);
        const int sameBytes = _mm_movemask_epi8(_mm_cmpeq_epi16(held, _mm_add_epi16(a, b)));
        if (sameBytes != 0xffff)
            saturated += (16 - __builtin_popcount(unsigned(sameBytes))) / 2;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(tone + i), held);
    }
#endif
    for (; i < sampleCount; ++i) {
        const int sum = tone[i] + ambient[i];
        const int held = qBound(-32768, sum, 32767);
        saturated += held != sum;
        tone[i] = qint16(held);
    }
    return saturated;
}

} // namespace Mix

#endif
