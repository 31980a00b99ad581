#pragma once
// TColorTable: the colour table of a GIF (global or local), with the colour values of the
// picture's pixels it was built from.
#include <array>
#include <cstdint>

namespace vagaris {

struct TColorEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const TColorEntry&, const TColorEntry&) = default;
};

class TColorTable {
public:
    static constexpr int kCapacity = 256;

    // A table for `size` colours: 0 or 2 preset black and white, 16 the standard colours,
    // 256 a grey ramp; any other size leaves the entries black. Count becomes `size`.
    explicit TColorTable(int size = 0);

    // The number of entries in use (written to the file as Count * 3 bytes).
    std::int32_t Count = 0;
    std::array<TColorEntry, kCapacity> Entries{};
    // The 32-bit colour value of a pixel as the picture reports it (red in the lowest byte,
    // then green, then blue); 0 where not set.
    std::array<std::uint32_t, kCapacity> Keys{};

    // Fills entries 0 to Count - 1 from the keys: red from the lowest byte, then green, then
    // blue; entries from `keysFound` on are black.
    void FillEntriesFromKeys(int keysFound);
};

// The entry for a pixel's colour value (red in the lowest byte).
constexpr TColorEntry EntryFromKey(std::uint32_t key) {
    return TColorEntry{std::uint8_t(key & 0xFF), std::uint8_t((key >> 8) & 0xFF),
                       std::uint8_t((key >> 16) & 0xFF)};
}

}  // namespace vagaris
