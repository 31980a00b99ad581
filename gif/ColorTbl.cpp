#include "gif/ColorTbl.h"

namespace vagaris {

namespace {

// The 16 standard colours, in the order a 16-colour table presets them.
constexpr TColorEntry kStandardColors[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

}  // namespace

TColorTable::TColorTable(int size) {
    switch (size) {
        case 0:
        case 2:
            Entries[0] = {0, 0, 0};
            Entries[1] = {255, 255, 255};
            break;
        case 16:
            for (int i = 0; i < 16; ++i) Entries[i] = kStandardColors[i];
            break;
        case 256:
            for (int i = 0; i < 256; ++i) {
                const auto v = static_cast<std::uint8_t>(i);
                Entries[i] = {v, v, v};
            }
            break;
        default: break;
    }
    Count = size;
}

void TColorTable::FillEntriesFromKeys(int keysFound) {
    for (int i = 0; i < Count && i < kCapacity; ++i)
        Entries[i] = i < keysFound ? EntryFromKey(Keys[i]) : TColorEntry{0, 0, 0};
}

}  // namespace vagaris
