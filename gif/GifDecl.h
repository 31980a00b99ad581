#pragma once
// The GIF library's building blocks: extension blocks, the chunked byte buffer that becomes
// the data sub-blocks, the LZW dictionary, the bit packer, and the program-wide hooks for
// progress and the busy cursor.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vagaris {

// ---- Hooks ----------------------------------------------------------------------------------

// Called with a fraction from 0 to 1 during long steps (colour scan, encoding). The window
// installs one that shows the progress window; none is installed in tests and tools.
using TProgressHook = void (*)(float fraction);
inline TProgressHook ProgressHook = nullptr;

inline void ReportProgress(float fraction) {
    if (ProgressHook != nullptr) ProgressHook(fraction);
}

// Called with true when reading or writing starts and false when it ends (also on error);
// the window shows the hourglass meanwhile.
using TBusyCursorHook = void (*)(bool busy);
inline TBusyCursorHook BusyCursorHook = nullptr;

// Shows the busy cursor for its lifetime.
class TBusyCursor {
public:
    TBusyCursor() {
        if (BusyCursorHook != nullptr) BusyCursorHook(true);
    }
    ~TBusyCursor() {
        if (BusyCursorHook != nullptr) BusyCursorHook(false);
    }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// ---- Extensions -----------------------------------------------------------------------------

enum class TExtensionKind : std::uint8_t {
    GraphicControl = 0,
    PlainText = 1,
    Application = 2,
    Comment = 3,
};

// One extension block as read: its fixed bytes (after the label) and its sub-blocks' texts.
// The writer creates none.
struct TExtension {
    TExtensionKind Kind = TExtensionKind::Comment;
    std::vector<std::uint8_t> Fixed;
    std::vector<std::string> SubBlocks;
};

using TExtensionList = std::vector<TExtension>;

// ---- TByteBuffer ----------------------------------------------------------------------------

// Bytes collected in chunks of at most 255, which become the GIF data sub-blocks, so the
// encoded data needs no second pass.
class TByteBuffer {
public:
    static constexpr int kChunkSize = 255;

    void Append(std::uint8_t byte) {
        if (currentLength_ == kChunkSize) MoveCurrentToList();
        current_[currentLength_++] = byte;
        ++total_;
    }
    // Appends a whole chunk as read from a file (at most 255 bytes), after the current one.
    void AppendChunk(const std::uint8_t* bytes, std::size_t length);
    // Moves the current chunk, when it holds bytes, to the list.
    void Flush();

    std::size_t Total() const { return total_; }
    // The completed chunks (Flush first to include the current one).
    const std::vector<std::vector<std::uint8_t>>& Chunks() const { return chunks_; }
    // Every byte held, in order, the current chunk included.
    std::vector<std::uint8_t> Bytes() const;

private:
    void MoveCurrentToList();

    std::size_t total_ = 0;
    std::vector<std::vector<std::uint8_t>> chunks_;
    std::array<std::uint8_t, kChunkSize> current_{};
    int currentLength_ = 0;
};

// ---- TCodeTable -----------------------------------------------------------------------------

// The LZW dictionary of the encoder: for each code its prefix code and suffix index, the
// code width, the full flag, the first free code and the next code to give out.
//
// The search for (prefix, suffix) goes through an index instead of scanning the codes given
// out since the last clear. Between two clears every pair enters the dictionary at most
// once, so the one code the index finds is the first (and only) one a scan would find, and
// the output is the same byte for byte. Two kinds of index, by the minimum code size m:
// - m <= 4 (up to 16 colours, the line drawings): a table indexed directly by the pair,
//   4096 << m codes (at most 128 KB). It is never emptied: a code found there counts only
//   if it has been given out since the last clear and still stands for that very pair.
// - m > 4: the direct table would reach 2 MB, whose cache misses and page faults cost more
//   than they save; a hash of 16384 slots (64 KB) with linear probing holds the pair and its
//   code in one word and is emptied at each clear. At most a quarter full, so a search for a
//   pair that is not there mostly stops at the first empty slot.
class TCodeTable {
public:
    static constexpr int kMaxCodes = 4096;

    std::array<std::uint16_t, kMaxCodes> Prefix{};
    std::array<std::uint16_t, kMaxCodes> Suffix{};
    std::uint8_t Width = 0;
    bool Full = false;
    std::uint16_t FirstFree = 0;
    std::uint16_t NextCode = 0;

    // Empties the dictionary for minimum code size m (2 to 8): width m + 1, first free code
    // 2^m + 2, next code = first free code, not full.
    void Reset(int minCodeSize);

    // Gives out the next code for (prefix, suffix), suffix < 2^m. When the next code reaches
    // 4096 the dictionary is full; otherwise the width grows once 2^width < next code.
    void Add(std::uint32_t prefix, std::uint32_t suffix) {
        const std::uint16_t code = NextCode++;
        Prefix[code] = static_cast<std::uint16_t>(prefix);
        Suffix[code] = static_cast<std::uint16_t>(suffix);
        if (direct_) {
            byPair_[(prefix << suffixBits_) | suffix] = code;
        } else {
            const std::uint32_t key = HashKey(prefix, suffix);
            std::uint32_t slot = Slot(key);
            while (slots_[slot] != kEmptySlot) slot = (slot + 1) & kSlotMask;
            slots_[slot] = (key << 12) | code;
        }
        if (NextCode >= kMaxCodes)
            Full = true;
        else if ((1u << Width) < NextCode)
            ++Width;
    }

    // The code of (prefix, suffix), or -1 when the dictionary does not hold it.
    int Find(std::uint32_t prefix, std::uint32_t suffix) const {
        if (direct_) {
            const std::uint32_t code = byPair_[(prefix << suffixBits_) | suffix];
            if (code >= FirstFree && code < NextCode && Prefix[code] == prefix &&
                Suffix[code] == suffix)
                return static_cast<int>(code);
            return -1;
        }
        const std::uint32_t key = HashKey(prefix, suffix);
        for (std::uint32_t slot = Slot(key);; slot = (slot + 1) & kSlotMask) {
            const std::uint32_t entry = slots_[slot];
            if (entry == kEmptySlot) return -1;
            if ((entry >> 12) == key) return static_cast<int>(entry & 0xFFF);
        }
    }

private:
    static constexpr int kMaxDirectSuffixBits = 4;
    // Each slot packs the 20-bit pair (12-bit prefix, 8-bit suffix) above the 12-bit code. No
    // real entry equals kEmptySlot: that would be prefix 4095 under code 4095, but a prefix is
    // always an older code.
    static constexpr std::uint32_t kSlots = 16384;
    static constexpr std::uint32_t kSlotMask = kSlots - 1;
    static constexpr std::uint32_t kEmptySlot = 0xFFFFFFFFu;

    static std::uint32_t HashKey(std::uint32_t prefix, std::uint32_t suffix) {
        return (prefix << 8) | suffix;
    }
    static std::uint32_t Slot(std::uint32_t key) { return (key * 0x9E3779B1u) >> 18; }

    bool direct_ = false;
    int suffixBits_ = 0;
    // Direct: the code last given out for each pair (prefix << m | suffix); 0 where none was.
    std::vector<std::uint16_t> byPair_;
    // Hashed: the pairs given out since the last clear.
    std::vector<std::uint32_t> slots_;
};

// ---- TEncodedBytes --------------------------------------------------------------------------

// Packs codes of varying width into bytes, least significant bit first, as GIF requires.
class TEncodedBytes {
public:
    TByteBuffer Output;
    std::uint32_t BitBuffer = 0;
    std::uint8_t BitCount = 0;

    void Emit(std::uint32_t code, int width) {
        BitBuffer |= code << BitCount;
        BitCount = static_cast<std::uint8_t>(BitCount + width);
        while (BitCount >= 8) {
            Output.Append(static_cast<std::uint8_t>(BitBuffer & 0xFF));
            BitBuffer >>= 8;
            BitCount = static_cast<std::uint8_t>(BitCount - 8);
        }
    }
    // Appends the bits left over as one more byte and flushes the output's current chunk.
    void Finish();
};

}  // namespace vagaris
