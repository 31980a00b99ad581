#pragma once
// Opening a file for reading without trusting what stands at its name. A FIFO, a device or a
// folder where a catalog, the settings or MPCOrb.dat is expected is refused at once (a FIFO
// would wait for a writer, /dev/zero never ends), and a file that shrinks while it is read is
// told instead of read as garbage. The type and the size are those of the opened descriptor,
// so a name swapped between a look and the open changes nothing; reads never go past the size
// at the open, so a file that grows meanwhile is read as it was.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/Message.h"

namespace vagaris {

enum class ReadFailure {
    Unreadable,  // "No se puede leer <path>": missing, no permission, an input/output error
    NotRegular,  // "No se puede leer <path>: no es un archivo normal" (FIFO, device, folder...)
    TooLarge,    // "No se puede leer <path>: el archivo pasa de <n> MB"
    Changed,     // "No se puede leer <path>: el archivo cambió durante la lectura"
};

// The message patterns, %1 the path (%2 the size limit in MB): listed in the translation
// catalogue under these exact texts.
inline constexpr const char* kUnreadablePattern = "No se puede leer %1";
inline constexpr const char* kNotRegularPattern = "No se puede leer %1: no es un archivo normal";
inline constexpr const char* kTooLargePattern = "No se puede leer %1: el archivo pasa de %2 MB";
inline constexpr const char* kChangedPattern =
    "No se puede leer %1: el archivo cambió durante la lectura";

// What the reads throw; the message is the exact text the user sees, naming the file (and the
// size limit), kept as its pattern and values so that it translates whole.
class EReadError : public EMessage {
public:
    EReadError(ReadFailure failure, const std::string& path, std::uint64_t limitBytes = 0);
    ReadFailure failure() const { return failure_; }
    const std::string& path() const { return path_; }

private:
    ReadFailure failure_;
    std::string path_;
};

class ReadableFile {
public:
    // Opens `path` read-only and non-blocking (so a FIFO does not wait for a writer), then
    // looks at the descriptor: only a regular file is kept. Throws EReadError (Unreadable,
    // NotRegular).
    explicit ReadableFile(const std::string& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    const std::string& path() const { return path_; }
    // The size at the open [bytes]; nothing past it is read.
    std::uint64_t size() const { return size_; }

    // Reads exactly `count` bytes at `offset` (offset + count <= size()) into `buffer`. Safe
    // from several threads at once (positioned reads on one descriptor). Throws EReadError:
    // Changed when the file ends before (it was cut since the open), Unreadable on a read error.
    void readAt(std::uint64_t offset, char* buffer, std::size_t count) const;

    // The whole file as it was at the open. Throws EReadError: TooLarge when size() exceeds
    // maxBytes (checked before anything is read), and as readAt.
    std::string readAll(std::uint64_t maxBytes) const;

private:
    std::string path_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace vagaris
