#pragma once
// Paints an orbit scene with QPainter on any paint device: the page's paint box and the
// offscreen pictures. No antialiasing anywhere (lines, discs and text), so a picture holds
// only the view's colours.
#include <QImage>

#include "orbitview/OrbitScene.h"

class QPainter;

namespace vagaris {

// The paint box's font.
inline constexpr const char* kOrbitViewFontFamily = "Tahoma";

void PaintOrbitScene(QPainter& painter, const OrbitScene& scene);

// The picture the orbit view shows for this state, drawn offscreen into an image of the
// paint box's size (RGB, 32 bits per pixel). Needs a QGuiApplication for the text.
QImage RenderOrbitPicture(const Session& session, const OrbitSceneOptions& options);

}  // namespace vagaris
