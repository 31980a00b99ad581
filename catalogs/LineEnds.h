#pragma once
// Where a line ends, the one rule of every reader of catalogs, MPCOrb.dat and the settings
// file: LF, CR LF or CR alone, so a file written on any system reads the same. A CR LF pair is
// one line end; the readers that cut a file into blocks never cut between its two bytes.
#include <cstddef>
#include <string_view>

namespace vagaris {

// Lines longer than this are kept cut to this many characters: every field the program reads
// lies far within it, and a file of one endless line cannot fill the memory.
inline constexpr std::size_t kLongLineKeptChars = 1024;

inline bool IsLineEndChar(char c) { return c == '\n' || c == '\r'; }

// The first CR or LF in [p, end), or nullptr. One pass over the bytes.
const char* FindLineEnd(const char* p, const char* end);

// The last CR or LF in [p, end), or nullptr.
const char* FindLastLineEnd(const char* p, const char* end);

// The line that starts at p, without its end; p moves past that end (both bytes of a CR LF).
// A line that runs to `end` without an end is the last one. Call while p < end.
inline std::string_view NextLine(const char*& p, const char* end) {
    const char* const start = p;
    const char* const lineEnd = FindLineEnd(p, end);
    if (!lineEnd) {
        p = end;
        return {start, static_cast<std::size_t>(end - start)};
    }
    p = lineEnd + 1;
    if (*lineEnd == '\r' && p < end && *p == '\n') ++p;
    return {start, static_cast<std::size_t>(lineEnd - start)};
}

}  // namespace vagaris
