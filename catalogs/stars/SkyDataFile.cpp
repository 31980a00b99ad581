#include "catalogs/stars/SkyDataFile.h"

#include <charconv>
#include <fstream>

namespace vagaris::stars {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(size), '\0');
    in.seekg(0, std::ios::beg);
    in.read(text.data(), size);
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
