#include "core/FileNames.h"

#include <string_view>

namespace vagaris {

std::string FileNameSafe(const std::string& text) {
    // The characters Windows and FAT disks refuse as well as the ones Linux does ("/" only):
    // a saved picture often travels to another machine.
    constexpr std::string_view kRefused = "/\\:*?\"<>|";
    std::string out = text;
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kRefused.find(c) != std::string_view::npos) c = '_';
    }
    return out;
}

}  // namespace vagaris
