#pragma once
// GIF's variable-width LZW compression of a sequence of colour indices.
#include <cstddef>
#include <cstdint>

#include "gif/GifDecl.h"

namespace vagaris {

// Compresses `count` colour indices, each below 2^minCodeSize (2 <= minCodeSize <= 8, else
// EGifException "Bad code Size"), into
// the bytes of a GIF image's data, collected in 255-byte chunks (flushed). The stream starts
// with the clear code and ends with the end code; when code 4095 has been given out a clear
// code at width 12 restarts the dictionary. Reports 0 at the start, the share of pixels
// taken at each restart and 1 at the end to ProgressHook.
TByteBuffer EncodeLzw(const std::uint8_t* indices, std::size_t count, int minCodeSize);

}  // namespace vagaris
