// The GIF reader over arbitrary bytes: as a whole file and as the first picture loaded for
// display. A damaged file throws EGifException; nothing else may happen, and the memory a
// picture takes stays within what the bytes can describe.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gif/GifErrors.h"
#include "gif/GifUnit.h"

namespace {

// The runs cap one allocation at 64 MB (scripts/fuzz.sh), where a failed `new` is a report.
// A short stream may announce a picture of up to 65535 x 65535 pixels, which the reader keeps
// (the missing rows blank, as a cut file shows); its BMP copy is made only below the cap.
constexpr std::size_t kMaxBitmapPixels = std::size_t(48) << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20)) return -1;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        vagaris::TGifFile file;
        file.ReadFromBytes(bytes);
    } catch (const vagaris::EGifException&) {
    }
    try {
        vagaris::TGifBitmap bitmap;
        bitmap.LoadFromBytes(bytes);
        if (std::size_t(bitmap.Width) * bitmap.Height <= kMaxBitmapPixels)
            (void)bitmap.ToWindowsBitmap();
    } catch (const vagaris::EGifException&) {
    }
    return 0;
}
