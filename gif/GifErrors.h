#pragma once
// The GIF library's errors. Their messages are English texts the user sees in an error box.
#include <stdexcept>
#include <string>

namespace vagaris {

// Any failure of reading or writing a GIF.
class EGifException : public std::runtime_error {
public:
    explicit EGifException(const std::string& message) : std::runtime_error(message) {}
};

// From the byte arrays: an element index outside 1 to count, or a row of another width.
class EIndexOutOfBounds : public EGifException {
public:
    explicit EIndexOutOfBounds(const std::string& message) : EGifException(message) {}
};

// From the byte arrays: the block of bytes could not be allocated.
class ENotEnoughMemory : public EGifException {
public:
    explicit ENotEnoughMemory(const std::string& message) : EGifException(message) {}
};

}  // namespace vagaris
