#pragma once
// Saving pictures of the orbit view and of the charts.
#include <QImage>
#include <QString>

// Writes the picture as a GIF file through the program's GIF library, replacing the file
// atomically. Throws std::exception (the library's EGifException) with the library's message.
void SaveAsGif(const QImage& picture, const QString& path);

// GIF when the path's extension is ".gif" in any case, otherwise a Windows bitmap written to
// the path as chosen; atomically. Throws std::runtime_error when the file cannot be written.
void SavePicture(const QImage& picture, const QString& path);
