#include "gif/LzwEncoder.h"

#include <memory>

#include "gif/GifErrors.h"

namespace vagaris {

TByteBuffer EncodeLzw(const std::uint8_t* indices, std::size_t count, int minCodeSize) {
    const std::uint32_t clearCode = 1u << minCodeSize;
    const std::uint32_t endCode = clearCode + 1;

    if (minCodeSize < 2 || minCodeSize > 8) throw EGifException("Bad code Size");
    // The dictionary's index (up to 128 KB) lives on the heap.
    auto table = std::make_unique<TCodeTable>();
    table->Reset(minCodeSize);
    // Every code but the clear and end codes takes at least one pixel, and a clear follows
    // at most every 4096 - 2^m - 2 codes given out, each of which took a pixel.
    TEncodedBytes out(count + count / (TCodeTable::kMaxCodes - clearCode - 2) + 3);

    out.Emit(clearCode, table->Width);
    std::size_t taken = 0;
    if (count > 0) {
        std::uint32_t prev = indices[taken++];
        out.Emit(prev, table->Width);
        ReportProgress(0.0f);
        // Where the failed search for (prev, next pixel) ended: that pair is added next.
        std::uint32_t place = 0;
        bool placeKnown = false;

        while (taken < count) {
            // The pair (previous match, next pixel) enters the dictionary before the next
            // match is sought, so that match may already use it.
            const std::uint32_t k = indices[taken++];
            if (placeKnown)
                table->AddAt(place, prev, k);
            else
                table->Add(prev, k);

            // The longest match starting at k.
            std::uint32_t cur = k;
            placeKnown = false;
            while (taken < count) {
                const int code = table->Find(cur, indices[taken], place);
                if (code < 0) {
                    placeKnown = true;
                    break;
                }
                cur = static_cast<std::uint32_t>(code);
                ++taken;
            }
            out.Emit(cur, table->Width);
            prev = cur;

            if (table->Full && taken < count) {
                out.Emit(clearCode, table->Width);
                table->Reset(minCodeSize);
                placeKnown = false;
                prev = indices[taken++];
                out.Emit(prev, table->Width);
                ReportProgress(static_cast<float>(taken + 1) / static_cast<float>(count));
            }
        }
    }
    out.Emit(endCode, table->Width);
    TByteBuffer bytes = out.Finish();
    ReportProgress(1.0f);
    return bytes;
}

}  // namespace vagaris
