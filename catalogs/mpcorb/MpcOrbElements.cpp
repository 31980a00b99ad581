#include "catalogs/mpcorb/MpcOrbElements.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/Time.h"

namespace vagaris {

namespace {

// A field cut to the line (1-based inclusive columns), blanks at both ends removed.
std::string_view Field(std::string_view line, std::size_t from, std::size_t to) {
    if (from > line.size()) return {};
    std::string_view f = line.substr(from - 1, to - from + 1);
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    return f;
}

// A plain decimal number ("-12.345", "7", "0.5"): read as ParseFloat reads it. Nothing for
// any other form (exponent, sign "+", leading or trailing point, other characters), which
// the slow path then judges.
std::optional<double> PlainNumber(std::string_view f) {
    std::size_t k = 0;
    const bool negative = !f.empty() && f[0] == '-';
    if (negative) k = 1;
    if (k >= f.size() || f[k] == '.' || f.back() == '.') return std::nullopt;
    int points = 0;
    for (std::size_t j = k; j < f.size(); ++j) {
        if (f[j] == '.') {
            if (++points > 1) return std::nullopt;
        } else if (f[j] < '0' || f[j] > '9') {
            return std::nullopt;
        }
    }
    double v = 0;
    const auto res = std::from_chars(f.data() + k, f.data() + f.size(), v);
    if (res.ec != std::errc() || res.ptr != f.data() + f.size() || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

// The packed epoch's instant, remembered per thread: a file holds few distinct epochs.
Instant EpochInstant(std::string_view packed) {
    thread_local char lastPacked[5] = {0, 0, 0, 0, 0};
    thread_local bool known = false;
    thread_local Instant lastValue = 0;
    char key[5] = {' ', ' ', ' ', ' ', ' '};
    std::memcpy(key, packed.data(), std::min<std::size_t>(packed.size(), 5));
    if (known && std::memcmp(key, lastPacked, 5) == 0) return lastValue;
    const Instant value = ElementDateToInstant(UnpackEpoch(std::string(key, 5)));
    std::memcpy(lastPacked, key, 5);
    lastValue = value;
    known = true;
    return value;
}

}  // namespace

TElementValues ReadMpcOrbElements(std::string_view line) {
    const auto slow = [&] { return ReadElements(ParseMpcOrbLine(std::string(line))); };
    const auto e = PlainNumber(Field(line, 70, 79));
    const auto a = PlainNumber(Field(line, 93, 103));
    const auto w = PlainNumber(Field(line, 37, 46));
    const auto O = PlainNumber(Field(line, 48, 57));
    const auto i = PlainNumber(Field(line, 59, 68));
    const std::string_view mText = Field(line, 27, 35);
    const auto M = mText.empty() ? std::optional<double>(0.0) : PlainNumber(mText);
    const auto H = PlainNumber(Field(line, 8, 13));
    const auto G = PlainNumber(Field(line, 15, 19));
    if (!e || !a || !w || !O || !i || !M || !H || !G) return slow();
    // UnpackEpoch reads columns 21-25 with blanks for missing characters; the packed text is
    // judged there and may throw, exactly as on the slow path (after the angles, as there).
    const std::string_view packed = line.size() >= 21 ? line.substr(20, 5) : std::string_view();
    TElementValues v;
    v.e = *e;
    v.a = *a;
    v.q = (1 - v.e) * v.a;
    v.IsMinorPlanet = true;
    v.w = *w;
    v.O = *O;
    v.i = *i;
    v.EpochTime = EpochInstant(packed);
    v.HasM = !mText.empty();
    v.M0 = *M;
    v.H = *H;
    v.G = *G;
    return v;
}

}  // namespace vagaris
