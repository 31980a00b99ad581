#pragma once
// The first look of the MPCOrb.dat search at a block of the file: can the key occur anywhere
// in it, letters in either case? A line whose designation holds the key holds it, so a block
// without it needs no line-by-line look, and nearly every block of a search is one without.
//
// The look tests two of the key's characters at once, the two that are rarest in MPCOrb.dat
// (the blanks, digits and the letters of "MPCLINUX" and "M-v" fill every line; "Q" or "Z"
// are rare): a key's first letter can be on every line, the two rarest together are seldom
// anywhere but where the key is.
#include <cstddef>
#include <string>

namespace vagaris {

// How many of every thousand bytes of an MPCOrb.dat orbit line are `c`, letters folded to
// upper case (counted over the bundled excerpt, 813 lines of the real file; 0 for a byte it
// never holds).
double MpcOrbByteShare(unsigned char c);

class KeyScreen {
public:
    // `key`: the search key, letters in upper case (MpcOrbSearchKey); not empty.
    explicit KeyScreen(std::string key);

    // True when the key occurs in [data, data + size), letters folded to upper case.
    bool occursIn(const char* data, std::size_t size) const;

    // The two characters tested first, as positions in the key (first < second, or both the
    // same for a key of one character).
    std::size_t firstAnchor() const { return first_; }
    std::size_t secondAnchor() const { return second_; }

private:
    bool matchesAt(const char* start) const;

    std::string key_;
    std::size_t first_ = 0, second_ = 0;
};

}  // namespace vagaris
