#include "gif/GifDecl.h"

namespace vagaris {

void TByteBuffer::MoveCurrentToList() {
    chunks_.emplace_back(current_.begin(), current_.begin() + currentLength_);
    currentLength_ = 0;
}

void TByteBuffer::AppendChunk(const std::uint8_t* bytes, std::size_t length) {
    Flush();
    if (length == 0) return;
    chunks_.emplace_back(bytes, bytes + length);
    total_ += length;
}

void TByteBuffer::Flush() {
    if (currentLength_ > 0) MoveCurrentToList();
}

std::vector<std::uint8_t> TByteBuffer::Bytes() const {
    std::vector<std::uint8_t> all;
    all.reserve(total_);
    for (const auto& chunk : chunks_) all.insert(all.end(), chunk.begin(), chunk.end());
    all.insert(all.end(), current_.begin(), current_.begin() + currentLength_);
    return all;
}

void TCodeTable::Reset(int minCodeSize) {
    Width = static_cast<std::uint8_t>(minCodeSize + 1);
    FirstFree = static_cast<std::uint16_t>((1u << minCodeSize) + 2);
    NextCode = FirstFree;
    Full = false;
    direct_ = minCodeSize <= kMaxDirectSuffixBits;
    if (direct_) {
        // Allocated once per code size; stale codes are told apart on lookup.
        if (suffixBits_ != minCodeSize || byPair_.empty())
            byPair_.assign(std::size_t(kMaxCodes) << minCodeSize, 0);
    } else {
        slots_.assign(kSlots, kEmptySlot);
    }
    suffixBits_ = minCodeSize;
}

void TEncodedBytes::Finish() {
    if (BitCount > 0) {
        Output.Append(static_cast<std::uint8_t>(BitBuffer & 0xFF));
        BitBuffer = 0;
        BitCount = 0;
    }
    Output.Flush();
}

}  // namespace vagaris
