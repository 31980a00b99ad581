#pragma once
// The bridge between the window's pictures (QImage) and the GIF library, which knows only
// plain pixel buffers.
#include <QImage>
#include <string>

#include "gif/GifUnit.h"
#include "gif/PixelBitmap.h"

// The picture's pixels as the library reads them: rows from the top, each pixel a 32-bit
// colour value with red in the lowest byte, then green, then blue (alpha dropped).
vagaris::TPixelBitmap PixelBitmapFromImage(const QImage& image);

// Writes `image` as a single-image GIF87a file: TGifFile/AddBitmap/WriteToBytes, then the
// program's atomic writer (core/TextFile.h). Throws EGifException (derived from
// std::exception) with the library's message or the writer's "No se pudo escribir ...".
void WriteImageAsGif(const QImage& image, const std::string& path);

// One animated GIF made of pictures added one by one: each becomes indexed pixels (one byte a
// pixel) as it is added, so a long sequence does not keep its full-colour pictures.
class AnimatedGifWriter {
public:
    explicit AnimatedGifWriter(vagaris::TGifAnimation animation);
    void addFrame(const QImage& image);
    int frameCount() const { return static_cast<int>(file_.Images.size()); }
    // Writes every frame added as one file, through the program's atomic writer. Throws
    // EGifException as WriteImageAsGif does.
    void write(const std::string& path);

private:
    vagaris::TGifFile file_;
};

// Reads the first image of a GIF file as an 8-bit indexed picture with its palette.
// Throws EGifException with the library's message.
QImage ReadGifAsImage(const std::string& path);
