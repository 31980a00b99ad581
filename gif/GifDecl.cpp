#include "gif/GifDecl.h"

#include <utility>

namespace vagaris {

TByteBuffer::TByteBuffer(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    lengths_.assign(bytes_.size() / kChunkSize, static_cast<std::uint8_t>(kChunkSize));
    if (bytes_.size() % kChunkSize != 0)
        lengths_.push_back(static_cast<std::uint8_t>(bytes_.size() % kChunkSize));
    completed_ = bytes_.size();
}

void TByteBuffer::AppendChunk(const std::uint8_t* bytes, std::size_t length) {
    Flush();
    if (length == 0) return;
    bytes_.insert(bytes_.end(), bytes, bytes + length);
    Flush();
}

void TByteBuffer::Flush() {
    if (bytes_.size() == completed_) return;
    lengths_.push_back(static_cast<std::uint8_t>(bytes_.size() - completed_));
    completed_ = bytes_.size();
}

void TCodeTable::Reset(int minCodeSize) {
    Width = static_cast<std::uint8_t>(minCodeSize + 1);
    FirstFree = static_cast<std::uint16_t>((1u << minCodeSize) + 2);
    NextCode = FirstFree;
    Full = false;
    direct_ = minCodeSize <= kMaxDirectSuffixBits;
    if (direct_) {
        // Allocated once per code size and emptied only when the dictionary numbers run out;
        // older entries are told apart by their number.
        generation_ += 0x1000;
        if (suffixBits_ != minCodeSize || byPair_.empty() || generation_ > kLastGeneration) {
            byPair_.assign(std::size_t(kMaxCodes) << minCodeSize, 0);
            generation_ = 0x1000;
        }
    } else {
        slots_.assign(kSlots, kEmptySlot);
    }
    suffixBits_ = minCodeSize;
}

TEncodedBytes::TEncodedBytes(std::size_t codes) : bytes_(new std::uint8_t[codes * 12 / 8 + 8]) {}

TByteBuffer TEncodedBytes::Finish() {
    for (; bitCount_ > 0; bitCount_ -= 8) {
        bytes_[size_++] = static_cast<std::uint8_t>(bits_);
        bits_ >>= 8;
    }
    bits_ = 0;
    bitCount_ = 0;
    return TByteBuffer(std::vector<std::uint8_t>(bytes_.get(), bytes_.get() + size_));
}

}  // namespace vagaris
