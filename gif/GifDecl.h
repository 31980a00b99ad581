#pragma once
// The GIF library's building blocks: extension blocks, the chunked byte buffer that becomes
// the data sub-blocks, the LZW dictionary, the bit packer, and the program-wide hooks for
// progress and the busy cursor.
#include <array>
#include <cstdint>
#include <memory>
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

// Bytes in chunks of at most 255, which become the GIF data sub-blocks. The bytes lie in one
// block, the chunks are the lengths cut from it: the encoder writes its bytes in one piece
// and the writer copies them out chunk by chunk, with no allocation per chunk.
class TByteBuffer {
public:
    static constexpr int kChunkSize = 255;

    TByteBuffer() = default;
    // The bytes of `bytes`, cut into chunks of 255 and a shorter last one (none when empty).
    explicit TByteBuffer(std::vector<std::uint8_t> bytes);

    // Appends one byte to the current chunk, which is completed first when it is full.
    void Append(std::uint8_t byte) {
        if (bytes_.size() - completed_ == kChunkSize) Flush();
        bytes_.push_back(byte);
    }
    // Appends a whole chunk as read from a file (at most 255 bytes), after the current one.
    void AppendChunk(const std::uint8_t* bytes, std::size_t length);
    // Completes the current chunk, when it holds bytes.
    void Flush();

    std::size_t Total() const { return bytes_.size(); }
    // The completed chunks (Flush first to include the current one), as lengths in order.
    const std::vector<std::uint8_t>& ChunkLengths() const { return lengths_; }
    // Every byte held, in order, the current chunk included: chunk after chunk.
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint8_t> lengths_;  // of the completed chunks
    std::size_t completed_ = 0;          // bytes in the completed chunks
};

// ---- TCodeTable -----------------------------------------------------------------------------

// The LZW dictionary of the encoder: the code width, the full flag, the first free code, the
// next code to give out, and an index from the pair (prefix code, suffix index) to its code.
//
// The search for (prefix, suffix) goes through the index instead of scanning the codes given
// out since the last clear. Between two clears every pair enters the dictionary at most
// once, so the one code the index finds is the first (and only) one a scan would find, and
// the output is the same byte for byte. Two kinds of index, by the minimum code size m:
// - m <= 4 (up to 16 colours, the line drawings): a table indexed directly by the pair,
//   4096 << m entries of 16 bits (at most 128 KB), each the code under the number of the
//   dictionary (counted from the first clear, 1 to 15) that gave it out. An entry counts only
//   for the present dictionary, so a clear only counts on, and the table is emptied once
//   every 15 clears. A search is one load, with no second look at the code.
// - m > 4: the direct table would reach 2 MB, whose cache misses and page faults cost more
//   than they save; a hash of 16384 slots (64 KB) with linear probing holds the pair and its
//   code in one word and is emptied at each clear. At most a quarter full, so a search for a
//   pair that is not there mostly stops at the first empty slot.
// A failed search tells where the pair goes, and the encoder adds exactly that pair next:
// AddAt puts it there without searching again.
class TCodeTable {
public:
    static constexpr int kMaxCodes = 4096;

    std::uint8_t Width = 0;
    bool Full = false;
    std::uint16_t FirstFree = 0;
    std::uint16_t NextCode = 0;

    // Empties the dictionary for minimum code size m (2 to 8): width m + 1, first free code
    // 2^m + 2, next code = first free code, not full.
    void Reset(int minCodeSize);

    // Gives out the next code for (prefix, suffix), suffix < 2^m, a pair the dictionary does
    // not hold. When the next code reaches 4096 the dictionary is full; otherwise the width
    // grows once 2^width < next code.
    void Add(std::uint32_t prefix, std::uint32_t suffix) {
        AddAt(PlaceOf(prefix, suffix), prefix, suffix);
    }
    // As Add, at the place a failed Find gave for this very pair, nothing added since.
    void AddAt(std::uint32_t place, std::uint32_t prefix, std::uint32_t suffix) {
        const std::uint32_t code = NextCode++;
        if (direct_)
            byPair_[place] = static_cast<std::uint16_t>(generation_ | code);
        else
            slots_[place] = (HashKey(prefix, suffix) << 12) | code;
        if (NextCode >= kMaxCodes)
            Full = true;
        else if ((1u << Width) < NextCode)
            ++Width;
    }

    // The code of (prefix, suffix), or -1 when the dictionary does not hold it; then `place`
    // is where AddAt puts that pair.
    int Find(std::uint32_t prefix, std::uint32_t suffix, std::uint32_t& place) const {
        if (direct_) {
            place = (prefix << suffixBits_) | suffix;
            const std::uint32_t entry = byPair_[place];
            if ((entry & kGenerationMask) == generation_) return static_cast<int>(entry & 0xFFF);
            return -1;
        }
        const std::uint32_t key = HashKey(prefix, suffix);
        for (std::uint32_t slot = Slot(key);; slot = (slot + 1) & kSlotMask) {
            const std::uint32_t entry = slots_[slot];
            if (entry == kEmptySlot) {
                place = slot;
                return -1;
            }
            if ((entry >> 12) == key) return static_cast<int>(entry & 0xFFF);
        }
    }
    int Find(std::uint32_t prefix, std::uint32_t suffix) const {
        std::uint32_t place = 0;
        return Find(prefix, suffix, place);
    }

private:
    static constexpr int kMaxDirectSuffixBits = 4;
    // Direct entries: the dictionary's number in the top 4 bits (0: never given out).
    static constexpr std::uint32_t kGenerationMask = 0xF000;
    static constexpr std::uint32_t kLastGeneration = 0xF000;
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
    // Where a pair not yet held goes: its direct index, or the first empty slot of its probe.
    std::uint32_t PlaceOf(std::uint32_t prefix, std::uint32_t suffix) const {
        if (direct_) return (prefix << suffixBits_) | suffix;
        std::uint32_t slot = Slot(HashKey(prefix, suffix));
        while (slots_[slot] != kEmptySlot) slot = (slot + 1) & kSlotMask;
        return slot;
    }

    bool direct_ = false;
    int suffixBits_ = 0;
    std::uint32_t generation_ = 0;  // the present dictionary's number, shifted as in entries
    // Direct: for each pair (prefix << m | suffix), its code and dictionary number.
    std::vector<std::uint16_t> byPair_;
    // Hashed: the pairs given out since the last clear.
    std::vector<std::uint32_t> slots_;
};

// ---- TEncodedBytes --------------------------------------------------------------------------

// Packs codes of varying width into bytes, least significant bit first, as GIF requires. The
// bits wait in a 64-bit word and leave four bytes at a time into a block sized at the start
// for the longest possible output, so Emit never checks for room.
class TEncodedBytes {
public:
    // Room for at most `codes` codes of at most 12 bits.
    explicit TEncodedBytes(std::size_t codes);

    void Emit(std::uint32_t code, int width) {
        bits_ |= std::uint64_t(code) << bitCount_;
        bitCount_ += width;
        if (bitCount_ >= 32) {
            std::uint8_t* out = bytes_.get() + size_;
            out[0] = static_cast<std::uint8_t>(bits_);
            out[1] = static_cast<std::uint8_t>(bits_ >> 8);
            out[2] = static_cast<std::uint8_t>(bits_ >> 16);
            out[3] = static_cast<std::uint8_t>(bits_ >> 24);
            size_ += 4;
            bits_ >>= 32;
            bitCount_ -= 32;
        }
    }
    // Appends the bits left over (the last byte padded with zeros) and gives the bytes out.
    TByteBuffer Finish();

private:
    std::unique_ptr<std::uint8_t[]> bytes_;  // not cleared: only the written part is read
    std::size_t size_ = 0;                   // bytes written
    std::uint64_t bits_ = 0;
    int bitCount_ = 0;
};

}  // namespace vagaris
