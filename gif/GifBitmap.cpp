#include <fstream>
#include <istream>
#include <iterator>

#include "gif/GifUnit.h"

namespace vagaris {

namespace {

constexpr std::uint32_t kPixelsPerMetre = 143;

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

void TGifBitmap::LoadFromBytes(const std::string& bytes) {
    TGifFile file;
    file.ReadFromBytes(bytes);
    if (file.Images.empty()) throw EGifException("GIF file holds no image");
    TGifSubImage& image = *file.Images.front();

    const TColorTable& table = image.HasLocalTable ? image.ColorTable : file.GlobalTable;
    Palette.fill(TColorEntry{});
    for (int i = 0; i < table.Count && i < TColorTable::kCapacity; ++i)
        Palette[i] = table.Entries[i];

    Width = image.Pixels.Width();
    Height = image.Pixels.Height();
    Indices = std::move(image.Pixels);
}

void TGifBitmap::LoadFromStream(std::istream& stream) {
    LoadFromBytes(
        std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>()));
}

void TGifBitmap::LoadFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EGifException("Cannot open file \"" + path + "\"");
    LoadFromStream(file);
}

std::string TGifBitmap::ToWindowsBitmap() const {
    const std::uint32_t stride = (Width + 3) / 4 * 4;
    const std::uint32_t headerSize = 14 + 40 + 256 * 4;
    const std::uint32_t imageSize = stride * Height;
    std::string out;
    out.reserve(headerSize + imageSize);
    // File header.
    out += "BM";
    Put32(out, headerSize + imageSize);
    Put32(out, 0);
    Put32(out, headerSize);
    // Info header: 8 bits per pixel, uncompressed, 256 palette entries.
    Put32(out, 40);
    Put32(out, Width);
    Put32(out, Height);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 256);
    Put32(out, 0);
    for (const TColorEntry& c : Palette) {  // blue, green, red, reserved
        out.push_back(static_cast<char>(c.Blue));
        out.push_back(static_cast<char>(c.Green));
        out.push_back(static_cast<char>(c.Red));
        out.push_back('\0');
    }
    for (std::uint32_t row = Height; row-- > 0;) {  // bottom-up
        const std::uint8_t* line = Indices.Block().Data() + std::size_t(row) * Width;
        out.append(reinterpret_cast<const char*>(line), Width);
        out.append(stride - Width, '\0');
    }
    return out;
}

}  // namespace vagaris
