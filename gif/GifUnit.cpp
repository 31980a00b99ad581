#include "gif/GifUnit.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ostream>
#include <random>
#include <system_error>

#include "gif/LzwEncoder.h"

namespace vagaris {

namespace {

constexpr int kMaxColors = TColorTable::kCapacity;
constexpr std::uint32_t kMaxGifSide = 65535;

bool IsTableSize(int count) {
    for (int size = 2; size <= kMaxColors; size *= 2)
        if (count == size) return true;
    return false;
}

int Log2(int powerOfTwo) {
    int bits = 0;
    while ((1 << bits) < powerOfTwo) ++bits;
    return bits;
}

// Colour value -> index among the colours found so far. The scan looks a colour up only when
// it differs from the previous pixel's; an open-addressed index keeps that cheap for pictures
// of many colours. Colours are unique, so the index finds the entry a search from the most
// recent key back to the first would find.
class ColorIndex {
public:
    ColorIndex() { slots_.fill(kEmpty); }

    int Find(std::uint32_t key, const TColorTable& table) const {
        for (std::uint32_t s = Slot(key);; s = (s + 1) & kMask) {
            if (slots_[s] == kEmpty) return -1;
            if (table.Keys[slots_[s]] == key) return slots_[s];
        }
    }
    void Insert(std::uint32_t key, int index) {
        std::uint32_t s = Slot(key);
        while (slots_[s] != kEmpty) s = (s + 1) & kMask;
        slots_[s] = static_cast<std::uint16_t>(index);
    }

private:
    static constexpr std::uint32_t kSlots = 1024;  // at most 256 colours: a quarter full
    static constexpr std::uint32_t kMask = kSlots - 1;
    static constexpr std::uint16_t kEmpty = 0xFFFF;
    static std::uint32_t Slot(std::uint32_t key) { return (key * 0x9E3779B1u) >> 22; }
    std::array<std::uint16_t, kSlots> slots_;
};

void Put8(std::string& out, std::uint8_t v) { out.push_back(static_cast<char>(v)); }
void Put16(std::string& out, std::uint16_t v) {  // little-endian, as GIF stores it
    Put8(out, static_cast<std::uint8_t>(v & 0xFF));
    Put8(out, static_cast<std::uint8_t>(v >> 8));
}
void PutTable(std::string& out, const TColorTable& table) {
    for (int i = 0; i < table.Count && i < kMaxColors; ++i) {
        Put8(out, table.Entries[i].Red);
        Put8(out, table.Entries[i].Green);
        Put8(out, table.Entries[i].Blue);
    }
}

// The NETSCAPE2.0 application extension: sub-block 1 holds the loop count.
void PutLoopExtension(std::string& out, std::uint16_t loopCount) {
    static constexpr char kIdentifier[] = "NETSCAPE2.0";
    Put8(out, 0x21);  // "!"
    Put8(out, 0xFF);
    Put8(out, 11);
    out.append(kIdentifier, 11);
    Put8(out, 3);
    Put8(out, 1);
    Put16(out, loopCount);
    Put8(out, 0);
}

// The graphic-control extension before an image: disposal 1 (leave the image in place; the
// next one covers the whole screen anyway), no user input, no transparent colour.
void PutGraphicControl(std::string& out, std::uint16_t delayCentiseconds) {
    Put8(out, 0x21);
    Put8(out, 0xF9);
    Put8(out, 4);
    Put8(out, 1 << 2);
    Put16(out, delayCentiseconds);
    Put8(out, 0);  // transparent index, unused
    Put8(out, 0);
}

// The rows of an interlaced image in the order GIF stores them: every 8th row from row 0,
// every 8th from row 4, every 4th from row 2, every 2nd from row 1.
std::vector<std::uint32_t> InterlacedRowOrder(std::uint32_t height) {
    std::vector<std::uint32_t> rows;
    rows.reserve(height);
    constexpr std::uint32_t start[4] = {0, 4, 2, 1};
    constexpr std::uint32_t step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (std::uint32_t y = start[pass]; y < height; y += step[pass]) rows.push_back(y);
    return rows;
}

// A temporary name beside `path` that nobody can guess: 12 random letters and digits.
std::string TemporaryNameBeside(const std::string& path) {
    static constexpr char kAlphabet[] =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string name = path + ".tmp-";
    for (int k = 0; k < 12; ++k) name += kAlphabet[pick(source)];
    return name;
}

// Replaces `path` with `bytes` through a temporary file in the same folder and a rename, so
// a failure never leaves a half-written file (nor the temporary). The temporary file has a
// random name and is created exclusively, never through a link: a name planted in advance
// (a link to another file) is refused, not followed. The message names the file and the
// reason, in the words of the program's other saves.
void WriteBytesAtomically(const std::string& path, const std::string& bytes) {
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = TemporaryNameBeside(path);
        // 0666: the process's umask decides the new file's mode, as for any program.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0)
        throw EGifException("No se pudo escribir '" + path + "': no se puede crear el archivo");
    auto fail = [&](const std::string& reason) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throw EGifException("No se pudo escribir '" + path + "': " + reason);
    };
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("error de escritura");
        done += std::size_t(n);
    }
    const int written = fd;
    fd = -1;
    if (::close(written) != 0) fail("error de escritura");
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail(std::error_code(errno, std::generic_category()).message());
}

}  // namespace

// ---- TGifSubImage ---------------------------------------------------------------------------

TGifSubImage::TGifSubImage(int colorCount) {
    if (!IsTableSize(colorCount))
        throw EGifException("Number of colors (" + std::to_string(colorCount) +
                            ") wrong; must be a power of 2");
    ColorTable = TColorTable(colorCount);
    Bits = static_cast<std::uint8_t>(Log2(colorCount));
    LZWCodeSize = Bits == 1 ? 2 : Bits;
}

void TGifSubImage::EncodeImage() {
    const std::uint32_t w = Pixels.Width();
    const std::uint32_t h = Pixels.Height();
    const std::uint8_t* pixels = Pixels.Block().Data();
    if (!Interlaced) {
        EncodedData = EncodeLzw(pixels, std::size_t(w) * h, LZWCodeSize);
        return;
    }
    std::vector<std::uint8_t> ordered;
    ordered.reserve(std::size_t(w) * h);
    for (std::uint32_t y : InterlacedRowOrder(h))
        ordered.insert(ordered.end(), pixels + std::size_t(y) * w, pixels + std::size_t(y + 1) * w);
    EncodedData = EncodeLzw(ordered.data(), ordered.size(), LZWCodeSize);
}

std::uint8_t TGifSubImage::ComputeFlags() const {
    std::uint8_t flags = 0;
    if (HasLocalTable) flags |= 0x80;
    if (Interlaced) flags |= 0x40;
    if (HasLocalTable) flags = static_cast<std::uint8_t>(flags + ((Bits - 1) & 7));
    return flags;
}

// ---- Colour scan ----------------------------------------------------------------------------

int RoundUpCount(int count) {
    if (count < 3 || count > 255) return count;
    int size = 4;
    while (size < count) size *= 2;
    return size;
}

TScannedBitmap ScanBitmap(const TPixelBitmap& bitmap) {
    TScannedBitmap scan{TColorTable(0), TByteArray2D(bitmap.Width, bitmap.Height)};
    TColorTable& table = scan.Table;
    std::uint8_t* out = scan.Indices.Block().Data();
    const std::uint32_t* in = bitmap.Pixels.data();
    auto index = std::make_unique<ColorIndex>();

    ReportProgress(0.0f);
    int found = 0;
    std::uint32_t previousKey = 0;
    std::uint8_t previousIndex = 0;
    bool first = true;
    for (std::uint32_t y = 0; y < bitmap.Height; ++y) {
        for (std::uint32_t x = 0; x < bitmap.Width; ++x, ++in, ++out) {
            const std::uint32_t key = *in;
            if (first || key != previousKey) {
                first = false;
                int i = index->Find(key, table);
                if (i < 0) {
                    if (found == kMaxColors) {  // a 257th colour: the picture cannot be written
                        table.Count = kMaxColors + 1;
                        return scan;
                    }
                    i = found++;
                    table.Keys[i] = key;
                    table.Count = found;
                    index->Insert(key, i);
                }
                previousKey = key;
                previousIndex = static_cast<std::uint8_t>(i);
            }
            *out = previousIndex;
        }
        ReportProgress(static_cast<float>(y + 1) / static_cast<float>(bitmap.Height));
    }
    return scan;
}

// ---- TGifFile -------------------------------------------------------------------------------

TGifFile::TGifFile() = default;
TGifFile::~TGifFile() = default;

void TGifFile::AddBitmap(TPixelBitmap bitmap) {
    AddBitmap(std::make_unique<TPixelBitmap>(std::move(bitmap)));
}

void TGifFile::AddBitmap(std::unique_ptr<TPixelBitmap> bitmap) {
    auto image = std::make_unique<TGifSubImage>();
    image->Bitmap = std::move(bitmap);
    Images.push_back(std::move(image));
}

void TGifFile::ConvertBitmaps() {
    for (auto& slot : Images) {
        if (slot->Owner != nullptr || slot->Bitmap == nullptr) continue;
        const TPixelBitmap& bitmap = *slot->Bitmap;
        if (bitmap.Width > kMaxGifSide || bitmap.Height > kMaxGifSide)
            throw EGifException("Picture size (" + std::to_string(bitmap.Width) + " x " +
                                std::to_string(bitmap.Height) +
                                ") too large; a GIF holds at most 65535 x 65535 pixels");
        if (bitmap.Pixels.size() != std::size_t(bitmap.Width) * bitmap.Height)
            throw EGifException("Picture has " + std::to_string(bitmap.Pixels.size()) +
                                " pixel values for " + std::to_string(bitmap.Width) + " x " +
                                std::to_string(bitmap.Height));

        TScannedBitmap scan = ScanBitmap(bitmap);
        const int found = scan.Table.Count;
        const int count = RoundUpCount(found);
        scan.Table.Count = std::min(count, kMaxColors);
        scan.Table.FillEntriesFromKeys(std::min(found, kMaxColors));

        auto image = std::make_unique<TGifSubImage>(count);  // refuses a wrong count
        slot = nullptr;                                      // the pending image and its bitmap go
        if (GlobalTable.Count == 0) {
            GlobalTable = scan.Table;
        } else {
            image->ColorTable = scan.Table;
            image->HasLocalTable = true;
        }
        while ((1 << Bits) < GlobalTable.Count) ++Bits;

        image->Width = static_cast<std::uint16_t>(scan.Indices.Width());
        image->Height = static_cast<std::uint16_t>(scan.Indices.Height());
        image->Pixels = std::move(scan.Indices);
        image->Owner = this;
        ScreenWidth = std::max(ScreenWidth, image->Width);
        ScreenHeight = std::max(ScreenHeight, image->Height);
        slot = std::move(image);
        ScreenFlags = ComputeScreenFlags();
    }
}

std::uint8_t TGifFile::ComputeScreenFlags() const {
    if (!HasGlobalTable) return 0;
    if (!IsTableSize(GlobalTable.Count)) throw EGifException("unexpected number of colors");
    return static_cast<std::uint8_t>(0x80 + (Log2(GlobalTable.Count) - 1) * 16 + ((Bits - 1) & 7));
}

std::string TGifFile::WriteToBytes() {
    TBusyCursor busy;
    const bool pending = std::any_of(Images.begin(), Images.end(),
                                     [](const auto& image) { return image->Owner == nullptr; });
    if (pending) ConvertBitmaps();

    std::string out;
    if (Animation)
        out.append("GIF89a");  // extension blocks are a GIF89a feature
    else
        out.append(Signature.data(), Signature.size());
    ScreenFlags = ComputeScreenFlags();
    Put16(out, ScreenWidth);
    Put16(out, ScreenHeight);
    Put8(out, ScreenFlags);
    Put8(out, BackgroundIndex);
    Put8(out, Aspect);
    if (HasGlobalTable) PutTable(out, GlobalTable);
    if (Animation) PutLoopExtension(out, Animation->LoopCount);

    for (auto& image : Images) {
        if (Animation) PutGraphicControl(out, Animation->DelayCentiseconds);
        Put8(out, 0x2C);  // ","
        if (!image->HasEncodedData()) image->EncodeImage();
        image->EncodedData.Flush();
        image->Flags = image->ComputeFlags();
        Put16(out, image->Left);
        Put16(out, image->Top);
        Put16(out, image->Width);
        Put16(out, image->Height);
        Put8(out, image->Flags);
        if (image->HasLocalTable) PutTable(out, image->ColorTable);
        Put8(out, image->LZWCodeSize);
        out.reserve(out.size() + image->EncodedData.Total() + image->EncodedData.Total() / 255 + 8);
        const auto* data = reinterpret_cast<const char*>(image->EncodedData.Bytes().data());
        for (const std::uint8_t length : image->EncodedData.ChunkLengths()) {
            Put8(out, length);
            out.append(data, length);
            data += length;
        }
        Put8(out, 0);
    }
    Put8(out, 0x3B);  // ";"
    return out;
}

void TGifFile::WriteToStream(std::ostream& stream) {
    const std::string bytes = WriteToBytes();
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TGifFile::WriteToFile(const std::string& path) { WriteBytesAtomically(path, WriteToBytes()); }

}  // namespace vagaris
