#include "catalogs/mpcorb/SearchKey.h"

namespace vagaris {

std::string UpperCaseAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string MpcOrbSearchKey(const std::string& boxText) {
    std::string key = Utf8Prefix(boxText, kSearchKeyMaxChars);
    if (AllDigits(key)) {
        key = "(" + key + ")";
    } else if (key.size() == 5 && key[0] >= 'A' && key[0] <= 'Z' && AllDigits(key.substr(1))) {
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
