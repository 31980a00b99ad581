// Reading GIF files into TGifFile. The reader works on the whole file in memory and never
// reads past its end: a damaged or cut file yields what could be read, or an EGifException.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <istream>
#include <iterator>
#include <sstream>

#include "gif/GifUnit.h"
#include "gif/LzwDecoder.h"

namespace vagaris {

namespace {

// A cursor over the file's bytes; reads past the end give zeros and leave the cursor at
// the end, as a short stream read would.
class ByteCursor {
public:
    explicit ByteCursor(const std::string& bytes)
        : data_(reinterpret_cast<const std::uint8_t*>(bytes.data())), size_(bytes.size()) {}

    bool AtEnd() const { return pos_ >= size_; }
    std::size_t Position() const { return pos_; }

    std::uint8_t U8() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t U16() {
        const std::uint8_t lo = U8();
        return static_cast<std::uint16_t>(lo | (U8() << 8));
    }
    // Up to n bytes; fewer when the data ends.
    std::vector<std::uint8_t> Bytes(std::size_t n) {
        const std::size_t available = pos_ < size_ ? size_ - pos_ : 0;
        const std::size_t take = n < available ? n : available;
        std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + take);
        pos_ += take;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void ReadTable(ByteCursor& in, TColorTable& table, int bits) {
    table = TColorTable(1 << bits);
    for (int i = 0; i < table.Count; ++i) {
        table.Entries[i].Red = in.U8();
        table.Entries[i].Green = in.U8();
        table.Entries[i].Blue = in.U8();
    }
}

// Sub-blocks up to the zero-length terminator (or the end of the data).
std::vector<std::string> ReadSubBlockTexts(ByteCursor& in) {
    std::vector<std::string> blocks;
    while (!in.AtEnd()) {
        const std::uint8_t length = in.U8();
        if (length == 0) break;
        const auto bytes = in.Bytes(length);
        blocks.emplace_back(bytes.begin(), bytes.end());
    }
    return blocks;
}

// The pending graphic-control values, handed to the next image.
struct GraphicControl {
    bool present = false;
    std::uint8_t disposal = 0;
    bool transparent = false;
};

TExtension ReadExtension(ByteCursor& in, GraphicControl& control) {
    const std::uint8_t label = in.U8();
    TExtension ext;
    switch (label) {
        case 0xF9: {
            ext.Kind = TExtensionKind::GraphicControl;
            ext.Fixed = in.Bytes(6);  // size 4, flags, delay (2), transparent index, terminator
            const std::uint8_t flags = ext.Fixed.size() > 1 ? ext.Fixed[1] : 0;
            control = {true, static_cast<std::uint8_t>((flags >> 2) & 7), (flags & 1) != 0};
            return ext;
        }
        case 0x01:
            ext.Kind = TExtensionKind::PlainText;
            ext.Fixed = in.Bytes(13);
            break;
        case 0xFE: ext.Kind = TExtensionKind::Comment; break;
        case 0xFF:
            ext.Kind = TExtensionKind::Application;
            ext.Fixed = in.Bytes(12);
            break;
        default: {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", label);
            throw EGifException(std::string("Unrecognized extension block.\r\nCode = $") + hex);
        }
    }
    ext.SubBlocks = ReadSubBlockTexts(in);
    return ext;
}

// Places decoded indices (in stored row order) into the image's matrix.
void PlacePixels(TGifSubImage& image, const std::vector<std::uint8_t>& decoded) {
    const std::uint32_t w = image.Pixels.Width();
    const std::uint32_t h = image.Pixels.Height();
    if (w == 0 || h == 0) return;
    std::uint8_t* matrix = image.Pixels.Block().Data();
    const std::size_t rowsDecoded = (decoded.size() + w - 1) / w;
    constexpr std::uint32_t start[4] = {0, 4, 2, 1};
    constexpr std::uint32_t step[4] = {8, 8, 4, 2};
    std::size_t storedRow = 0;
    for (int pass = 0; pass < (image.Interlaced ? 4 : 1); ++pass) {
        const std::uint32_t first = image.Interlaced ? start[pass] : 0;
        const std::uint32_t stride = image.Interlaced ? step[pass] : 1;
        for (std::uint32_t y = first; y < h && storedRow < rowsDecoded; y += stride, ++storedRow) {
            const std::size_t from = storedRow * w;
            const std::size_t n = std::min<std::size_t>(w, decoded.size() - from);
            std::copy_n(decoded.data() + from, n, matrix + std::size_t(y) * w);
        }
    }
}

std::unique_ptr<TGifSubImage> ReadImage(ByteCursor& in, TGifFile& file, GraphicControl& control) {
    auto image = std::make_unique<TGifSubImage>();
    image->Owner = &file;
    image->Left = in.U16();
    image->Top = in.U16();
    image->Width = in.U16();
    image->Height = in.U16();
    image->Flags = in.U8();
    image->HasLocalTable = (image->Flags & 0x80) != 0;
    image->Interlaced = (image->Flags & 0x40) != 0;
    image->Bits = static_cast<std::uint8_t>((image->Flags & 7) + 1);
    if (control.present) {
        image->DisposalMethod = control.disposal;
        image->Transparent = control.transparent;
        control = {};
    }
    if (image->HasLocalTable) ReadTable(in, image->ColorTable, image->Bits);
    image->LZWCodeSize = in.U8();
    while (!in.AtEnd()) {
        const std::uint8_t length = in.U8();
        if (length == 0) break;
        const auto bytes = in.Bytes(length);  // a cut block keeps what was read
        image->EncodedData.AppendChunk(bytes.data(), bytes.size());
    }
    const std::vector<std::uint8_t>& data = image->EncodedData.Bytes();
    const auto decoded = DecodeLzw(data.data(), data.size(), image->LZWCodeSize,
                                   std::size_t(image->Width) * image->Height);
    // Reserved once the data has decoded: a refused stream never reserves its picture.
    image->Pixels = TByteArray2D(image->Width, image->Height);
    PlacePixels(*image, decoded);
    return image;
}

}  // namespace

void TGifFile::ReadFromBytes(const std::string& bytes) {
    TBusyCursor busy;
    Images.clear();
    ByteCursor in(bytes);

    const auto header = in.Bytes(6);
    const std::string version =
        header.size() == 6 ? std::string(header.begin() + 3, header.end()) : std::string();
    if (version != "87a" && version != "89a" && version != "87A" && version != "89A")
        throw EGifException("Gif Version must be 87a or 89a");
    std::copy(header.begin(), header.end(), Signature.begin());

    ScreenWidth = in.U16();
    ScreenHeight = in.U16();
    ScreenFlags = in.U8();
    BackgroundIndex = in.U8();
    Aspect = in.U8();
    HasGlobalTable = (ScreenFlags & 0x80) != 0;
    Bits = static_cast<std::uint8_t>((ScreenFlags & 7) + 1);
    if (HasGlobalTable)
        ReadTable(in, GlobalTable, Bits);
    else
        GlobalTable = TColorTable(0);

    GraphicControl control;
    TExtensionList pending;  // extensions read since the last image, for the next one
    while (!in.AtEnd()) {
        const std::size_t before = in.Position();
        const std::uint8_t introducer = in.U8();
        if (introducer == 0x3B) break;  // ";"
        if (introducer == 0x21) {       // "!"
            pending.push_back(ReadExtension(in, control));
        } else if (introducer == 0x2C) {  // ","
            auto image = ReadImage(in, *this, control);
            image->Extensions = std::move(pending);
            pending.clear();
            Images.push_back(std::move(image));
        }
        // Any other byte is skipped.
        if (in.Position() == before) break;
    }
    // Extensions after the last image stay with it.
    if (!Images.empty())
        for (auto& ext : pending) Images.back()->Extensions.push_back(std::move(ext));
}

void TGifFile::ReadFromStream(std::istream& stream) {
    const std::string bytes((std::istreambuf_iterator<char>(stream)),
                            std::istreambuf_iterator<char>());
    ReadFromBytes(bytes);
}

void TGifFile::ReadFromFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EGifException("Cannot open file \"" + path + "\"");
    ReadFromStream(file);
}

}  // namespace vagaris
