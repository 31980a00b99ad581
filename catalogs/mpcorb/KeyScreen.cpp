#include "catalogs/mpcorb/KeyScreen.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace vagaris {

namespace {

bool IsUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Per thousand bytes of the excerpt's orbit lines, letters folded; every other byte is 0.
constexpr std::pair<char, double> kShares[] = {
    {' ', 285.13}, {'0', 90.50}, {'1', 85.09}, {'2', 64.25}, {'3', 50.14}, {'.', 49.50},
    {'9', 48.43},  {'4', 46.10}, {'5', 45.32}, {'8', 45.22}, {'7', 38.64}, {'6', 37.91},
    {'M', 15.33},  {'P', 10.38}, {'-', 9.85},  {'K', 7.01},  {'H', 6.00},  {'O', 5.96},
    {'C', 5.75},   {'V', 5.49},  {'L', 4.58},  {'U', 4.46},  {'N', 4.36},  {'I', 4.09},
    {'E', 3.99},   {'X', 3.85},  {'(', 3.51},  {')', 3.51},  {'A', 3.12},  {'R', 2.92},
    {'S', 1.58},   {'W', 1.38},  {'D', 1.36},  {'Y', 1.00},  {'T', 0.84},  {'G', 0.81},
    {'B', 0.78},   {'F', 0.56},  {'J', 0.54},  {'Q', 0.42},  {'Z', 0.30},
};

}  // namespace

double MpcOrbByteShare(unsigned char c) {
    const char folded = UpperAscii(static_cast<char>(c));
    for (const auto& [byte, share] : kShares)
        if (byte == folded) return share;
    return 0.0;
}

KeyScreen::KeyScreen(std::string key) : key_(std::move(key)) {
    // The key's positions from the rarest character to the commonest (the earlier position
    // first among equals); the second anchor is the rarest that is another character, when
    // there is one, since a repeated character says little more than the first.
    std::vector<std::size_t> order(key_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return MpcOrbByteShare(static_cast<unsigned char>(key_[a])) <
               MpcOrbByteShare(static_cast<unsigned char>(key_[b]));
    });
    std::size_t a = order.empty() ? 0 : order[0], b = a;
    for (std::size_t k = 1; k < order.size(); ++k) {
        if (b == a) b = order[k];  // the next rarest, whatever it is
        if (key_[order[k]] != key_[a]) {
            b = order[k];
            break;
        }
    }
    first_ = std::min(a, b);
    second_ = std::max(a, b);
}

bool KeyScreen::matchesAt(const char* start) const {
    for (std::size_t m = 0; m < key_.size(); ++m)
        if (UpperAscii(start[m]) != key_[m]) return false;
    return true;
}

bool KeyScreen::occursIn(const char* data, std::size_t size) const {
    const std::size_t length = key_.size();
    if (length == 0 || size < length) return false;
    const std::size_t last = size - length;  // the last possible start
    std::size_t start = 0;
#if defined(__SSE2__)
    // Sixteen starts at a time: the bytes under both anchors compared at once, a letter's
    // case folded by setting bit 5 (which maps exactly its two cases onto the lower one).
    const auto anchor = [](char c, __m128i& fold, __m128i& want) {
        const bool letter = IsUpperAscii(c);
        fold = _mm_set1_epi8(letter ? 0x20 : 0);
        want = _mm_set1_epi8(letter ? static_cast<char>(c | 0x20) : c);
    };
    __m128i foldA, wantA, foldB, wantB;
    anchor(key_[first_], foldA, wantA);
    anchor(key_[second_], foldB, wantB);
    while (start + second_ + 16 <= size) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + start + first_));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + start + second_));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, foldA), wantA),
                                            _mm_cmpeq_epi8(_mm_or_si128(b, foldB), wantB))));
        while (mask) {
            const std::size_t at = start + static_cast<std::size_t>(__builtin_ctz(mask));
            if (at <= last && matchesAt(data + at)) return true;
            mask &= mask - 1;
        }
        start += 16;
    }
#endif
    const char a = key_[first_], b = key_[second_];
    for (; start <= last; ++start)
        if (UpperAscii(data[start + first_]) == a && UpperAscii(data[start + second_]) == b &&
            matchesAt(data + start))
            return true;
    return false;
}

}  // namespace vagaris
