#include "pictures/PictureNames.h"

#include <cctype>
#include <cstdio>

#include "core/FileNames.h"

namespace vagaris {

namespace {

// Position of the extension's dot in the last path component, or npos.
std::string::size_type ExtensionDot(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto separator = path.find_last_of("/\\");
    if (dot == std::string::npos) return std::string::npos;
    if (separator != std::string::npos && dot < separator) return std::string::npos;
    return dot;
}

}  // namespace

std::string PictureTitle(const std::string& objectName) { return FileNameSafe(objectName); }

std::string DefaultPictureName(const std::string& objectName, bool web) {
    return web ? std::string("orbita") : DefaultSequenceName(objectName);
}

std::string DefaultSequenceName(const std::string& objectName) {
    return PictureTitle(objectName) + "_orbita";
}

std::string PathExtension(const std::string& path) {
    const auto dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

bool IsGifExtension(const std::string& extension) {
    if (extension.size() != 4 || extension[0] != '.') return false;
    std::string lower;
    for (char c : extension)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == ".gif";
}

SequenceFrame SequenceFramePath(const std::string& chosenPath, int k) {
    const auto dot = ExtensionDot(chosenPath);
    const std::string base = dot == std::string::npos ? chosenPath : chosenPath.substr(0, dot);
    const std::string extension = PathExtension(chosenPath).substr(0, 4);
    char number[16];
    std::snprintf(number, sizeof number, "%02d", k);
    const bool gif = IsGifExtension(extension);
    return {base + "_" + number + (gif ? extension : std::string(".bmp")), gif};
}

}  // namespace vagaris
