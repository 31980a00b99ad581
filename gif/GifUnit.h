#pragma once
// TGifFile (one GIF) and TGifSubImage (one image in it): turning a picture into an indexed
// image with the colour table of the colours it really uses, writing a single-image GIF87a
// file, and reading GIF files.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gif/ColorTbl.h"
#include "gif/DynArrB.h"
#include "gif/GifDecl.h"
#include "gif/GifErrors.h"
#include "gif/PixelBitmap.h"

namespace vagaris {

class TGifFile;

class TGifSubImage {
public:
    std::uint8_t LZWCodeSize = 0;
    TByteBuffer EncodedData;
    TGifFile* Owner = nullptr;             // none while the image is only a pending bitmap
    std::unique_ptr<TPixelBitmap> Bitmap;  // the source of a pending image
    std::uint8_t DisposalMethod = 0;       // from a graphic-control extension when reading
    TExtensionList Extensions;
    bool Transparent = false;  // likewise
    // The image descriptor in file order.
    std::uint16_t Left = 0;
    std::uint16_t Top = 0;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint8_t Flags = 0;
    bool Interlaced = false;
    bool HasLocalTable = false;
    std::uint8_t Bits = 0;  // log2 of the table's size
    TByteArray2D Pixels;    // colour indices, (x, y) from 1
    TColorTable ColorTable;

    TGifSubImage() = default;
    // An image for a table of `colorCount` entries (2, 4, ..., 256); any other count raises
    // "Number of colors (<count>) wrong; must be a power of 2".
    explicit TGifSubImage(int colorCount);

    bool HasEncodedData() const { return EncodedData.Total() > 0; }
    // Compresses the pixels (rows in interlace order when interlaced) into EncodedData.
    void EncodeImage();
    // 0x80 with a local table, + 0x40 when interlaced, + (Bits - 1) with a local table.
    std::uint8_t ComputeFlags() const;
};

// What ScanBitmap finds in a picture: the colour values in order of first appearance (at
// most 257: the scan stops at the 257th) and each pixel's index among them.
struct TScannedBitmap {
    TColorTable Table;  // keys filled, count = number of colours found
    TByteArray2D Indices;
};

// Reads rows from the top, pixels from the left. A pixel whose colour value differs from the
// pixel read just before it is looked up among the colours collected so far and appended when
// new. Reports 0 before the first row and rows done / height after each row to ProgressHook.
TScannedBitmap ScanBitmap(const TPixelBitmap& bitmap);

// How an animated GIF plays its images: the NETSCAPE2.0 application extension holds the loop
// count, a graphic-control extension before each image its delay.
struct TGifAnimation {
    std::uint16_t DelayCentiseconds = 20;  // [1/100 s] each image stays on screen
    std::uint16_t LoopCount = 0;           // plays after the first; 0: for ever
};

// 3 or 4 colours become 4, 5..8 become 8, ... 129..255 become 256; 0, 1, 2, 256 (and any
// count above 256) stay as they are.
int RoundUpCount(int count);

class TGifFile {
public:
    TGifFile();
    ~TGifFile();
    TGifFile(const TGifFile&) = delete;
    TGifFile& operator=(const TGifFile&) = delete;

    std::array<char, 6> Signature{'G', 'I', 'F', '8', '7', 'a'};
    // The logical screen descriptor, in file order.
    std::uint16_t ScreenWidth = 0;
    std::uint16_t ScreenHeight = 0;
    std::uint8_t ScreenFlags = 0;
    std::uint8_t BackgroundIndex = 0;
    std::uint8_t Aspect = 0;
    bool HasGlobalTable = true;
    TColorTable GlobalTable;
    std::uint8_t Bits = 1;  // log2 of the global table's size
    std::vector<std::unique_ptr<TGifSubImage>> Images;
    // Set: WriteToBytes writes a GIF89a with the loop extension after the global table and a
    // graphic-control extension (the delay, disposal "leave in place", no transparency)
    // before every image. Unset, the single-image GIF87a of before, byte for byte.
    std::optional<TGifAnimation> Animation;

    // Appends a pending image holding the picture; the file owns it from now on.
    void AddBitmap(TPixelBitmap bitmap);
    void AddBitmap(std::unique_ptr<TPixelBitmap> bitmap);

    // Turns every pending image into an indexed one with its colour table (the first becomes
    // the global table, later ones local tables) and sets the screen size, bits and flags.
    void ConvertBitmaps();

    // 0x80 with a global table, + (log2(count) - 1) * 16, + (Bits - 1). Raises
    // "unexpected number of colors" when the global count is not 2, 4, ..., 256.
    std::uint8_t ComputeScreenFlags() const;

    // The whole GIF: header, screen descriptor, global table, each image (descriptor, local
    // table, minimum code size, sub-blocks, terminator) and the trailer. Extension blocks only
    // for an Animation (then the header says "GIF89a", whatever Signature holds).
    std::string WriteToBytes();
    void WriteToStream(std::ostream& stream);
    // Builds the file in memory and replaces `path` with it in one piece, atomically (the
    // library's own temporary file and rename): a failure leaves no file behind. The program
    // itself takes WriteToBytes and writes through its own atomic writer.
    void WriteToFile(const std::string& path);

    // Reads a GIF ("87a", "89a", "87A" or "89A"), replacing this file's contents.
    void ReadFromBytes(const std::string& bytes);
    void ReadFromStream(std::istream& stream);
    void ReadFromFile(const std::string& path);
};

// A GIF's first image loaded as an 8-bit indexed picture with a 256-entry palette (the
// image's local table, else the global table; unused entries black).
class TGifBitmap {
public:
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::array<TColorEntry, 256> Palette{};
    // The colour indices, (x, y) from 1; Indices.Block().Data() gives the rows from the top.
    // Taken over from the file, not copied: a damaged file announcing a huge image costs
    // no more memory than the pixels it really holds.
    TByteArray2D Indices;

    void LoadFromBytes(const std::string& bytes);
    void LoadFromStream(std::istream& stream);
    void LoadFromFile(const std::string& path);

    // The picture as an 8-bit Windows bitmap file: 256-colour palette, rows bottom-up padded
    // to a multiple of four bytes, 143 pixels per metre.
    std::string ToWindowsBitmap() const;
};

}  // namespace vagaris
