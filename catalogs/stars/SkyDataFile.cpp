#include "catalogs/stars/SkyDataFile.h"

#include <charconv>
#include <fstream>

namespace vagaris::stars {

std::optional<FileText> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    FileText text;
    text.size = static_cast<std::size_t>(size);
    text.bytes.reset(new char[text.size + 1]);
    in.seekg(0, std::ios::beg);
    in.read(text.bytes.get(), size);
    if (in.gcount() != size) return std::nullopt;
    return text;
}

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::optional<double> FieldNumber(std::string_view field) {
    field = TrimView(field);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
        if (!field.empty() && field.front() == '-') return std::nullopt;
    }
    if (field.empty() || field.front() == '+') return std::nullopt;
    // The files' numbers are short fixed decimals: their digits as a whole number divided by a
    // power of ten is the correctly rounded value, as from_chars gives, and much faster.
    {
        static constexpr double kTens[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
        const bool negative = field.front() == '-';
        std::size_t i = negative ? 1 : 0;
        long long digits = 0;
        int count = 0, decimals = -1;
        for (; i < field.size(); ++i) {
            const char c = field[i];
            if (c >= '0' && c <= '9') {
                digits = digits * 10 + (c - '0');
                ++count;
                if (decimals >= 0) ++decimals;
            } else if (c == '.' && decimals < 0) {
                decimals = 0;
            } else {
                break;
            }
        }
        if (i == field.size() && count > 0 && count <= 15 && decimals <= 9) {
            const double value = static_cast<double>(digits) / kTens[decimals < 0 ? 0 : decimals];
            return negative ? -value : value;
        }
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        if (j > i) words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

}  // namespace vagaris::stars
