#include "pictures/PictureExport.h"

#include <QFile>
#include <QBuffer>
#include <stdexcept>

#include "core/AtomicFile.h"
#include "core/Message.h"
#include "core/TextFile.h"
#include "pictures/PictureNames.h"
#include "pictures/GifFromImage.h"

namespace {

// The pixels as a 24-bit bitmap holds them: what the GIF writer encodes is the colour of
// each pixel, never an alpha channel or a palette of the source picture.
QImage NormalisedPixels(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB888);
}

[[noreturn]] void ThrowCannotWrite(const QString& path, const vagaris::Message& reason) {
    throw vagaris::EMessage(
        vagaris::Message("No se pudo escribir \"%1\": %2", {path.toStdString()}, {reason}));
}

}  // namespace

void SaveAsGif(const QImage& picture, const QString& path) {
    WriteImageAsGif(NormalisedPixels(picture), QFile::encodeName(path).toStdString());
}

AnimatedPicture::AnimatedPicture()
    : gif_(std::make_unique<AnimatedGifWriter>(
          vagaris::TGifAnimation{kAnimationDelayCentiseconds, 0})) {}

AnimatedPicture::~AnimatedPicture() = default;

void AnimatedPicture::addFrame(const QImage& picture) { gif_->addFrame(NormalisedPixels(picture)); }

void AnimatedPicture::save(const QString& path) {
    gif_->write(QFile::encodeName(path).toStdString());
}

void SavePicture(const QImage& picture, const QString& path) {
    if (vagaris::IsGifExtension(vagaris::PathExtension(path.toStdString()))) {
        SaveAsGif(picture, path);
        return;
    }
    // Encoded in memory first, then written by the program's one atomic writer, which keeps
    // a link, the mode and the owner of the file it replaces.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!NormalisedPixels(picture).save(&buffer, "BMP"))
        ThrowCannotWrite(path, vagaris::Message("no se pudo codificar la imagen"));
    try {
        vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
    } catch (const vagaris::EWriteError& e) {
        ThrowCannotWrite(path, e.reasonMessage());
    }
}
