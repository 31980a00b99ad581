#include "catalogs/LineEnds.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vagaris {

const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    // 16 bytes at a time, both ends compared at once: a CR-only file costs no more than an LF
    // one (a memchr for each byte would scan a whole block per line when one of them is absent).
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr))));
        if (mask) return p + __builtin_ctz(mask);
        p += 16;
    }
#endif
    for (; p < end; ++p)
        if (IsLineEndChar(*p)) return p;
    return nullptr;
}

const char* FindLastLineEnd(const char* p, const char* end) {
    // Lines are short: the last end lies a line's length from the end.
    for (const char* q = end; q > p; --q)
        if (IsLineEndChar(q[-1])) return q - 1;
    return nullptr;
}

}  // namespace vagaris
