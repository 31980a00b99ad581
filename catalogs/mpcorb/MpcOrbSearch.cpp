#include "catalogs/mpcorb/MpcOrbSearch.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/KeyScreen.h"
#include "catalogs/mpcorb/ParallelLines.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "core/ReadableFile.h"
#include "core/TextForms.h"

namespace vagaris {

namespace {

constexpr std::size_t kKeptChars = kMpcOrbDesignationLast;  // a line's prefix worth keeping

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Does the designation field of a line of `length` characters (line end excluded) contain
// the key (upper case)? `data` holds at least min(length, 191) characters of the line. The
// field is compared in place, letters folded to upper case, without copying it.
bool DesignationContains(const char* data, std::size_t length, const std::string& key) {
    if (length < kMpcOrbMinLineLength) return false;
    const std::size_t first = kMpcOrbDesignationFirst - 1;
    const std::size_t end = length < kMpcOrbDesignationLast ? length : kMpcOrbDesignationLast;
    const std::size_t n = end - first;
    const std::size_t keyLength = key.size();
    if (keyLength > n) return false;
    const char* field = data + first;
    // For a letter, clearing bit 5 folds the lower-case form onto the key's (and maps no
    // other byte there); any other key character is compared as it is.
    const char head = key[0];
    const char headMask =
        (head >= 'A' && head <= 'Z') ? static_cast<char>(0xDF) : static_cast<char>(0xFF);
    for (std::size_t k = 0; k + keyLength <= n; ++k) {
        if ((field[k] & headMask) != head) continue;
        std::size_t m = 1;
        while (m < keyLength && UpperAscii(field[k + m]) == key[m]) ++m;
        if (m == keyLength) return true;
    }
    return false;
}

}  // namespace

Message AsteroidNotFoundMessage(const std::string& typed) {
    return Message("Asteroide %1 no encontrado", {typed});
}

bool MpcOrbFileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::optional<Message> MpcOrbFileProblem(const std::string& path) {
    if (path.empty()) return Message(kMpcOrbNotFoundMessage);
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return Message(kMpcOrbNotFoundMessage);
        if (errno == EACCES) return Message("MPCOrb.dat: '%1' sin permiso de lectura", {path});
        return Message("MPCOrb.dat: '%1' no se puede leer (código %2)",
                       {path, std::to_string(errno)});
    }
    if (S_ISREG(st.st_mode)) return std::nullopt;
    const char* what = S_ISDIR(st.st_mode) ? "MPCOrb.dat: '%1' es una carpeta"
                       : S_ISFIFO(st.st_mode)
                           ? "MPCOrb.dat: '%1' es una tubería (FIFO), no un archivo"
                       : S_ISSOCK(st.st_mode) ? "MPCOrb.dat: '%1' es un socket, no un archivo"
                                              : "MPCOrb.dat: '%1' es un dispositivo, no un archivo";
    return Message(what, {path});
}

std::optional<std::string> FindMpcOrbLine(const std::string& path, const std::string& key,
                                          int threads) {
    // A key longer than the field can never occur in it.
    const bool hopeless =
        key.empty() || key.size() > kMpcOrbDesignationLast - kMpcOrbDesignationFirst + 1;
    if (hopeless) {
        const ReadableFile file(path);  // still told when it cannot be read
        return std::nullopt;
    }
    // Every worker scans its segments; the match in the earliest segment is the first in the
    // file, and segments after a match need no reading at all.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::atomic<std::size_t> matchSegment{kNone};
    std::mutex mutex;
    std::string match;
    ParallelReadOptions options;
    options.threads = threads;
    options.wantSegment = [&](std::size_t segment) { return segment < matchSegment.load(); };
    const KeyScreen screen(key);
    ReadLinesInParallel(path, options, [&](const LineBlock& block) {
        if (block.segment > matchSegment.load()) return false;
        // Blocks without the key anywhere need no line-by-line look.
        if (!screen.occursIn(block.data, block.size)) return true;
        return ForEachLine(block, [&](std::string_view line, std::uint64_t) {
            if (!DesignationContains(line.data(), line.size(), key)) return true;
            const std::lock_guard<std::mutex> lock(mutex);
            if (block.segment < matchSegment.load()) {
                matchSegment = block.segment;
                match.assign(line.data(), std::min(line.size(), kKeptChars));
            }
            return false;
        });
    });
    if (matchSegment.load() == kNone) return std::nullopt;
    return match;
}

TOrbitalElements ParseMpcOrbLine(const std::string& line) {
    const auto field = [&](std::size_t from, std::size_t to) {
        return Trim(Columns(line, from, to));
    };
    TOrbitalElements el;
    el.H = field(8, 13);
    el.G = field(15, 19);
    el.Fecha = UnpackEpoch(Columns(line, 21, 25));
    el.M = field(27, 35);
    el.w = field(37, 46);
    el.O = field(48, 57);
    el.i = field(59, 68);
    el.e = field(70, 79);
    el.a = field(93, 103);
    el.Name = field(kMpcOrbDesignationFirst, kMpcOrbDesignationLast);
    return el;
}

std::optional<TOrbitalElements> SearchMpcOrb(const std::string& path, const std::string& boxText,
                                             int threads) {
    const std::string key = MpcOrbSearchKey(boxText);
    if (key.empty()) return std::nullopt;
    const auto line = FindMpcOrbLine(path, key, threads);
    if (!line) return std::nullopt;
    return ParseMpcOrbLine(*line);
}

}  // namespace vagaris
