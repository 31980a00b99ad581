#include "core/TextFile.h"

#include "core/AtomicFile.h"

namespace vagaris {

namespace {

// Windows-1252 bytes 0x80..0x9F and the Unicode characters they stand for (0 = unassigned).
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int k = 0; k < 32; ++k)
        if (kCp1252High[k] != 0 && kCp1252High[k] == cp) return static_cast<char>(0x80 + k);
    return '?';
}

// Decodes one UTF-8 sequence at s[pos]; advances pos. A malformed sequence yields one
// replacement (U+FFFD) for its first byte, so the rest of the text still converts.
char32_t NextCodePoint(const std::string& s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    int extra;
    char32_t cp;
    if (b0 < 0x80) {
        ++pos;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + extra >= s.size()) {  // the sequence is cut short
        ++pos;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[pos + k]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

}  // namespace

std::string EncodeTextFile(const std::vector<std::string>& utf8Lines) {
    std::string out;
    for (const auto& line : utf8Lines) {
        out.reserve(out.size() + line.size() + 2);
        std::size_t pos = 0;
        while (pos < line.size()) out.push_back(ToCp1252(NextCodePoint(line, pos)));
        out += "\r\n";
    }
    return out;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    AtomicFile file(path);
    file.write(bytes);
    file.commit();
}

}  // namespace vagaris
