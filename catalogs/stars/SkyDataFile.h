#pragma once
// The sky data files (stars, constellation names, boundaries and lines) are small text files
// read whole; this gives their lines and a few locale-free conversions of their fields.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vagaris::stars {

// A file's bytes, read whole (into memory left uninitialised until read: the star file is
// 7.7 MB and its loading is timed).
struct FileText {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::string_view View() const { return {bytes.get(), size}; }
};

// The whole file, or nothing when it cannot be opened.
std::optional<FileText> ReadWholeFile(const std::string& path);

// Calls each line (without its '\n' or '\r') in order.
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        f(line);
        start = end + 1;
    }
}

std::string_view TrimView(std::string_view s);
// The whole field as a number (leading spaces and a '+' allowed), or nothing.
std::optional<double> FieldNumber(std::string_view field);
// Whitespace-separated words.
std::vector<std::string_view> Words(std::string_view line);

}  // namespace vagaris::stars
