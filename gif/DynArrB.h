#pragma once
// TBigByteArray and TByteArray2D: byte blocks numbered from 1, with bounds checks. They hold
// a picture's colour indices.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vagaris {

class TBigByteArray {
public:
    // `count` zero bytes. Throws ENotEnoughMemory when the block cannot be allocated.
    explicit TBigByteArray(std::uint64_t count = 0);

    std::uint32_t Count() const { return count_; }
    // Element i, 1 <= i <= Count; throws EIndexOutOfBounds otherwise.
    std::uint8_t Get(std::uint32_t i) const;
    void Set(std::uint32_t i, std::uint8_t value);

    // The whole block, element 1 first, for the encoder and decoder's bulk work.
    std::uint8_t* Data() { return bytes_.get(); }
    const std::uint8_t* Data() const { return bytes_.get(); }

private:
    struct FreeBlock {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::uint32_t count_ = 0;
    std::unique_ptr<std::uint8_t, FreeBlock> bytes_;
};

class TByteArray2D {
public:
    // width * height zero bytes; throws ENotEnoughMemory when they cannot be allocated.
    TByteArray2D(std::uint32_t width = 0, std::uint32_t height = 0);

    std::uint32_t Width() const { return width_; }
    std::uint32_t Height() const { return height_; }
    // Element (x, y), both from 1: element x + (y - 1) * Width of the block.
    std::uint8_t Get(std::uint32_t x, std::uint32_t y) const;
    void Set(std::uint32_t x, std::uint32_t y, std::uint8_t value);

    // Row y (from 1) copied out, or in from a row of exactly Width elements (otherwise
    // EIndexOutOfBounds "Row doesn't have equal number of elements as Matrix row").
    std::vector<std::uint8_t> CopyRowOut(std::uint32_t y) const;
    void CopyRowIn(std::uint32_t y, const std::vector<std::uint8_t>& row);

    TBigByteArray& Block() { return block_; }
    const TBigByteArray& Block() const { return block_; }

private:
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
    TBigByteArray block_;
};

}  // namespace vagaris
