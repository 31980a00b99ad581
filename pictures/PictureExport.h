#pragma once
// Saving pictures of the orbit view and of the charts.
#include <QImage>
#include <QString>
#include <memory>

// Writes the picture as a GIF file through the program's GIF library, replacing the file
// atomically. Throws std::exception (the library's EGifException) with the library's message.
void SaveAsGif(const QImage& picture, const QString& path);

class AnimatedGifWriter;

// The animated GIF of the orbit view's frames, built frame by frame (each kept as indexed
// pixels only): each frame kAnimationDelayCentiseconds, played for ever.
inline constexpr int kAnimationDelayCentiseconds = 20;  // [1/100 s]
class AnimatedPicture {
public:
    AnimatedPicture();
    ~AnimatedPicture();
    AnimatedPicture(const AnimatedPicture&) = delete;
    AnimatedPicture& operator=(const AnimatedPicture&) = delete;

    void addFrame(const QImage& picture);
    // Writes the frames added as one GIF file, whatever the path's extension, replacing the
    // file atomically. Throws std::exception (the library's EGifException) as SaveAsGif.
    void save(const QString& path);

private:
    std::unique_ptr<AnimatedGifWriter> gif_;
};

// GIF when the path's extension is ".gif" in any case, otherwise a Windows bitmap written to
// the path as chosen; atomically. Throws std::runtime_error when the file cannot be written.
void SavePicture(const QImage& picture, const QString& path);
