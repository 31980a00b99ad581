#include "gif/DynArrB.h"

#include <cstring>
#include <limits>
#include <string>

#include "gif/GifErrors.h"

namespace vagaris {

namespace {

[[noreturn]] void ThrowIndexOutOfBounds() {
    throw EIndexOutOfBounds("Dynamic array index out of bounds");
}

}  // namespace

TBigByteArray::TBigByteArray(std::uint64_t count) {
    if (count == 0) return;
    // calloc rather than new[]: the pages of a large, mostly unused block (a damaged file
    // announcing a huge image) are never touched.
    std::uint8_t* block = nullptr;
    if (count <= std::numeric_limits<std::uint32_t>::max())
        block = static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(count), 1));
    if (block == nullptr)
        throw ENotEnoughMemory(
            "error in TBigByteArray.create: Not enough contiguous memory available\r\n"
            " requested memory block: " +
            std::to_string(count) + " bytes");
    bytes_.reset(block);
    count_ = static_cast<std::uint32_t>(count);
}

std::uint8_t TBigByteArray::Get(std::uint32_t i) const {
    if (i < 1 || i > count_) ThrowIndexOutOfBounds();
    return bytes_.get()[i - 1];
}

void TBigByteArray::Set(std::uint32_t i, std::uint8_t value) {
    if (i < 1 || i > count_) ThrowIndexOutOfBounds();
    bytes_.get()[i - 1] = value;
}

TByteArray2D::TByteArray2D(std::uint32_t width, std::uint32_t height)
    : width_(width), height_(height), block_(std::uint64_t(width) * height) {}

std::uint8_t TByteArray2D::Get(std::uint32_t x, std::uint32_t y) const {
    if (x < 1 || x > width_ || y < 1 || y > height_) ThrowIndexOutOfBounds();
    return block_.Data()[std::size_t(y - 1) * width_ + (x - 1)];
}

void TByteArray2D::Set(std::uint32_t x, std::uint32_t y, std::uint8_t value) {
    if (x < 1 || x > width_ || y < 1 || y > height_) ThrowIndexOutOfBounds();
    block_.Data()[std::size_t(y - 1) * width_ + (x - 1)] = value;
}

std::vector<std::uint8_t> TByteArray2D::CopyRowOut(std::uint32_t y) const {
    if (y < 1 || y > height_) ThrowIndexOutOfBounds();
    const std::uint8_t* row = block_.Data() + std::size_t(y - 1) * width_;
    return std::vector<std::uint8_t>(row, row + width_);
}

void TByteArray2D::CopyRowIn(std::uint32_t y, const std::vector<std::uint8_t>& row) {
    if (row.size() != width_)
        throw EIndexOutOfBounds("Row doesn't have equal number of elements as Matrix row");
    if (y < 1 || y > height_) ThrowIndexOutOfBounds();
    if (width_ > 0) std::memcpy(block_.Data() + std::size_t(y - 1) * width_, row.data(), width_);
}

}  // namespace vagaris
