#include "orbitview/PictureExport.h"

#include <QFile>
#include <QSaveFile>
#include <stdexcept>

#include "gif/GifFromImage.h"
#include "orbitview/PictureNames.h"

namespace {

// The pixels as a 24-bit bitmap holds them: what the GIF writer encodes is the colour of
// each pixel, never an alpha channel or a palette of the source picture.
QImage NormalisedPixels(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB888);
}

[[noreturn]] void ThrowCannotWrite(const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("No se pudo escribir \"%1\": %2").arg(path, reason).toStdString());
}

}  // namespace

void SaveAsGif(const QImage& picture, const QString& path) {
    WriteImageAsGif(NormalisedPixels(picture), QFile::encodeName(path).toStdString());
}

void SavePicture(const QImage& picture, const QString& path) {
    if (vagaris::IsGifExtension(vagaris::PathExtension(path.toStdString()))) {
        SaveAsGif(picture, path);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) ThrowCannotWrite(path, file.errorString());
    if (!NormalisedPixels(picture).save(&file, "BMP")) {
        file.cancelWriting();
        ThrowCannotWrite(path, file.errorString());
    }
    if (!file.commit()) ThrowCannotWrite(path, file.errorString());
}
