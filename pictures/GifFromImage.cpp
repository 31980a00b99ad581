#include "pictures/GifFromImage.h"

#include <algorithm>
#include <exception>

#include "core/TextFile.h"
#include "gif/GifUnit.h"

vagaris::TPixelBitmap PixelBitmapFromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    vagaris::TPixelBitmap bitmap(static_cast<std::uint32_t>(rgb.width()),
                                 static_cast<std::uint32_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint32_t* out = bitmap.Pixels.data() + std::size_t(y) * bitmap.Width;
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = vagaris::RgbValue(static_cast<std::uint8_t>(qRed(line[x])),
                                       static_cast<std::uint8_t>(qGreen(line[x])),
                                       static_cast<std::uint8_t>(qBlue(line[x])));
    }
    return bitmap;
}

namespace {

// Through the program's one atomic writer (links followed, mode kept, temporary files the
// next start recognises), its message becoming the library's error; the writer's own error
// stays nested in it, so that the message still translates whole (core/Message.h).
void WriteGifBytes(const std::string& path, const std::string& bytes) {
    try {
        vagaris::WriteFileAtomically(path, bytes);
    } catch (const std::exception& e) {
        std::throw_with_nested(vagaris::EGifException(e.what()));
    }
}

}  // namespace

void WriteImageAsGif(const QImage& image, const std::string& path) {
    vagaris::TGifFile file;
    file.AddBitmap(PixelBitmapFromImage(image));
    WriteGifBytes(path, file.WriteToBytes());
}

AnimatedGifWriter::AnimatedGifWriter(vagaris::TGifAnimation animation) {
    file_.Animation = animation;
}

void AnimatedGifWriter::addFrame(const QImage& image) {
    file_.AddBitmap(PixelBitmapFromImage(image));
    file_.ConvertBitmaps();
}

void AnimatedGifWriter::write(const std::string& path) {
    WriteGifBytes(path, file_.WriteToBytes());
}

QImage ReadGifAsImage(const std::string& path) {
    vagaris::TGifBitmap gif;
    gif.LoadFromFile(path);
    QImage image(static_cast<int>(gif.Width), static_cast<int>(gif.Height),
                 QImage::Format_Indexed8);
    QList<QRgb> colours;
    colours.reserve(256);
    for (const auto& c : gif.Palette) colours.push_back(qRgb(c.Red, c.Green, c.Blue));
    image.setColorTable(colours);
    for (std::uint32_t y = 0; y < gif.Height; ++y)
        std::copy_n(gif.Indices.Block().Data() + std::size_t(y) * gif.Width, gif.Width,
                    image.scanLine(static_cast<int>(y)));
    return image;
}
