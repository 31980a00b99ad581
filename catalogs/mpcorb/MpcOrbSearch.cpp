#include "catalogs/mpcorb/MpcOrbSearch.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "core/TextForms.h"

namespace vagaris {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{256} << 10;
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

// A line that runs over the end of a block: its first characters, its length so far and its
// last character (to drop the CR of a CR LF end).
struct PartialLine {
    bool active = false;
    std::string prefix;
    std::size_t length = 0;
    char last = 0;

    void append(const char* data, std::size_t n) {
        if (n == 0) return;
        active = true;
        if (prefix.size() < kKeptChars)
            prefix.append(data, std::min(n, kKeptChars - prefix.size()));
        length += n;
        last = data[n - 1];
    }
    std::size_t lengthWithoutCr() const {
        return (length > 0 && last == '\r') ? length - 1 : length;
    }
    // The kept characters without a CR that ended the line.
    std::string kept() const {
        return prefix.substr(0, std::min(lengthWithoutCr(), prefix.size()));
    }
    void clear() {
        active = false;
        prefix.clear();
        length = 0;
        last = 0;
    }
};

std::size_t WithoutCr(const char* line, std::size_t length) {
    return (length > 0 && line[length - 1] == '\r') ? length - 1 : length;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Finds the first matching line in a stream of chunks of the file, in order.
struct LineScanner {
    explicit LineScanner(const std::string& k) : key(k) {}
    const std::string& key;
    PartialLine partial;
    std::optional<std::string> found;

    // Returns true when the search is over (a line matched).
    bool feed(const char* p, std::size_t size) {
        const char* const end = p + size;
        if (partial.active) {
            const auto* nl = static_cast<const char*>(std::memchr(p, '\n', size));
            if (!nl) {
                partial.append(p, size);
                return false;
            }
            partial.append(p, static_cast<std::size_t>(nl - p));
            if (DesignationContains(partial.prefix.data(), partial.lengthWithoutCr(), key)) {
                found = partial.kept();
                return true;
            }
            partial.clear();
            p = nl + 1;
        }
        while (p < end) {
            const auto* nl =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!nl) {
                partial.append(p, static_cast<std::size_t>(end - p));
                return false;
            }
            const std::size_t length = WithoutCr(p, static_cast<std::size_t>(nl - p));
            if (DesignationContains(p, length, key)) {
                found = std::string(p, std::min(length, kKeptChars));
                return true;
            }
            p = nl + 1;
        }
        return false;
    }
    // The last line may lack its line end.
    void finish() {
        if (!found && partial.active &&
            DesignationContains(partial.prefix.data(), partial.lengthWithoutCr(), key))
            found = partial.kept();
    }
};

[[noreturn]] void ThrowUnreadable(const std::string& path) {
    throw std::runtime_error("No se puede leer " + path);
}

// Can the key occur anywhere in these bytes, letters folded to upper case? A line whose
// designation contains the key contains it, so blocks without it need no line-by-line look.
// One memchr pass per case of a key character runs far faster than finding every line end.
bool KeyMayOccur(const char* data, std::size_t size, const std::string& key) {
    const std::size_t keyLength = key.size();
    if (size < keyLength) return false;
    // Prefer a character without case: one pass instead of two.
    std::size_t j = 0;
    for (std::size_t m = 0; m < keyLength; ++m)
        if (key[m] < 'A' || key[m] > 'Z') {
            j = m;
            break;
        }
    const char upper = key[j];
    const bool letter = upper >= 'A' && upper <= 'Z';
    const char variants[2] = {upper, letter ? static_cast<char>(upper + 32) : upper};
    const char* const end = data + size;
    for (int v = 0; v < (letter ? 2 : 1); ++v) {
        const char* p = data + j;
        while (p < end) {
            const auto* q = static_cast<const char*>(
                std::memchr(p, variants[v], static_cast<std::size_t>(end - p)));
            if (!q) break;
            const char* start = q - j;
            if (start + keyLength <= end) {
                std::size_t m = 0;
                while (m < keyLength && UpperAscii(start[m]) == key[m]) ++m;
                if (m == keyLength) return true;
            }
            p = q + 1;
        }
    }
    return false;
}

const char* LastLineEnd(const char* data, std::size_t size) {
    for (std::size_t k = size; k > 0; --k)
        if (data[k - 1] == '\n') return data + k - 1;
    return nullptr;
}

// Reads the file in blocks through stdio without its own buffer, each block cut after its
// last line end (the rest moves to the front of the next). Blocks in which the key does not
// occur at all are passed over whole. The scan is bound by memory traffic: a block that
// stays in the processor's cache between the copy and the scan beats larger blocks and
// mapping the file (measured on a 300 MB file in the page cache).
void ScanFile(const std::string& path, LineScanner& scanner, bool openOnly) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) ThrowUnreadable(path);
    if (openOnly) return;
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::vector<char> block(kBlockBytes);
    std::size_t held = 0;  // the start of an unfinished line, at the block's front
    for (;;) {
        const std::size_t got = std::fread(block.data() + held, 1, block.size() - held, file.get());
        if (got == 0) {
            if (std::ferror(file.get())) ThrowUnreadable(path);
            break;
        }
        const std::size_t filled = held + got;
        const char* lastEnd = LastLineEnd(block.data(), filled);
        if (!lastEnd) {
            // A line longer than the block: the scanner keeps only its first characters.
            if (scanner.feed(block.data(), filled)) return;
            held = 0;
            continue;
        }
        const auto whole = static_cast<std::size_t>(lastEnd - block.data()) + 1;
        if ((scanner.partial.active || KeyMayOccur(block.data(), whole, scanner.key)) &&
            scanner.feed(block.data(), whole))
            return;
        held = filled - whole;
        std::memmove(block.data(), lastEnd + 1, held);
    }
    if (held > 0 && scanner.feed(block.data(), held)) return;
    scanner.finish();
}

}  // namespace

std::string AsteroidNotFoundMessage(const std::string& typed) {
    return "Asteroide " + typed + " no encontrado";
}

bool MpcOrbFileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::string MpcOrbFileProblem(const std::string& path) {
    if (path.empty()) return kMpcOrbNotFoundMessage;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return kMpcOrbNotFoundMessage;
        if (errno == EACCES) return "MPCOrb.dat: '" + path + "' sin permiso de lectura";
        return "MPCOrb.dat: '" + path + "' no se puede leer (código " + std::to_string(errno) + ")";
    }
    if (S_ISREG(st.st_mode)) return {};
    const std::string what = S_ISDIR(st.st_mode)    ? "es una carpeta"
                             : S_ISFIFO(st.st_mode) ? "es una tubería (FIFO), no un archivo"
                             : S_ISSOCK(st.st_mode) ? "es un socket, no un archivo"
                                                    : "es un dispositivo, no un archivo";
    return "MPCOrb.dat: '" + path + "' " + what;
}

std::optional<std::string> FindMpcOrbLine(const std::string& path, const std::string& key) {
    // A key longer than the field can never occur in it.
    const bool hopeless =
        key.empty() || key.size() > kMpcOrbDesignationLast - kMpcOrbDesignationFirst + 1;
    LineScanner scanner(key);
    ScanFile(path, scanner, hopeless);
    return scanner.found;
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

std::optional<TOrbitalElements> SearchMpcOrb(const std::string& path, const std::string& boxText) {
    const std::string key = MpcOrbSearchKey(boxText);
    if (key.empty()) return std::nullopt;
    const auto line = FindMpcOrbLine(path, key);
    if (!line) return std::nullopt;
    return ParseMpcOrbLine(*line);
}

}  // namespace vagaris
