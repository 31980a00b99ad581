#include "core/ReadableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vagaris {

namespace {

const char* PatternOf(ReadFailure failure) {
    switch (failure) {
        case ReadFailure::Unreadable: return kUnreadablePattern;
        case ReadFailure::NotRegular: return kNotRegularPattern;
        case ReadFailure::TooLarge: return kTooLargePattern;
        case ReadFailure::Changed: return kChangedPattern;
    }
    return kUnreadablePattern;
}

Message MessageOf(ReadFailure failure, const std::string& path, std::uint64_t limitBytes) {
    return Message(PatternOf(failure), {path, std::to_string(limitBytes >> 20)});
}

// One read is at most this much, so a huge request still returns to look at errors [bytes].
constexpr std::size_t kMaxReadCall = std::size_t{1} << 30;

}  // namespace

EReadError::EReadError(ReadFailure failure, const std::string& path, std::uint64_t limitBytes)
    : EMessage(MessageOf(failure, path, limitBytes)), failure_(failure), path_(path) {}

ReadableFile::ReadableFile(const std::string& path) : path_(path) {
    // O_NONBLOCK: opening a FIFO without a writer returns at once instead of waiting for one;
    // on a regular file it changes nothing. O_NOCTTY: a terminal named here is not adopted.
    do {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) throw EReadError(ReadFailure::Unreadable, path);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        ::close(fd_);
        throw EReadError(ReadFailure::Unreadable, path);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        throw EReadError(ReadFailure::NotRegular, path);
    }
    size_ = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

void ReadableFile::readAt(std::uint64_t offset, char* buffer, std::size_t count) const {
    while (count > 0) {
        const std::size_t want = count < kMaxReadCall ? count : kMaxReadCall;
        const ssize_t n = ::pread(fd_, buffer, want, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EReadError(ReadFailure::Unreadable, path_);
        }
        // The end of the file before the size it had at the open: it was cut meanwhile.
        if (n == 0) throw EReadError(ReadFailure::Changed, path_);
        buffer += n;
        offset += static_cast<std::uint64_t>(n);
        count -= static_cast<std::size_t>(n);
    }
}

std::string ReadableFile::readAll(std::uint64_t maxBytes) const {
    if (size_ > maxBytes) throw EReadError(ReadFailure::TooLarge, path_, maxBytes);
    std::string bytes(static_cast<std::size_t>(size_), '\0');
    readAt(0, bytes.data(), bytes.size());
    return bytes;
}

}  // namespace vagaris
