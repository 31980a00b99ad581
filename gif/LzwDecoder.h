#pragma once
// Decoding of GIF image data (the sub-blocks joined) back into colour indices.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vagaris {

// Decodes at most `maxPixels` indices from `data`. Accepts minimum code sizes 2 to 9
// (EGifException "Bad code Size" otherwise); a code that cannot occur, or an end code right
// after a clear, raises "Bad code"; a code other than clear or end once the dictionary holds
// code 4095 (the width would pass 12 bits) raises "Code size overflow". Data that runs out
// ends the image quietly: the indices decoded so far are returned.
std::vector<std::uint8_t> DecodeLzw(const std::uint8_t* data, std::size_t size, int minCodeSize,
                                    std::size_t maxPixels);

}  // namespace vagaris
