#include "catalogs/mpcorb/SearchKey.h"

#include <algorithm>

namespace vagaris {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

std::size_t Utf8Length(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string UpperCaseAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Utf8Prefix(const std::string& text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == maxChars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::string MpcOrbSearchKey(const std::string& boxText) {
    std::string key = Utf8Prefix(boxText, kSearchKeyMaxChars);
    if (AllDigits(key)) {
        key = "(" + key + ")";
    } else if (key.size() == 5 && key[0] >= 'A' && key[0] <= 'Z' &&
               AllDigits(key.substr(1))) {
        // Packed numbers above 99999: the letter stands for the leading digits, A = 10.
        key = "(" + std::to_string(key[0] - 55) + key.substr(1) + ")";
    } else if (Utf8Length(key) > 5 && AllDigits(key.substr(0, 4))) {
        // A provisional designation: a trailing blank keeps "2004 MN4" from matching
        // "2004 MN40".
        key += ' ';
    }
    return Utf8Prefix(key, kSearchKeyMaxChars);
}

}  // namespace vagaris
