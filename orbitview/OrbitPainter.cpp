#include "orbitview/OrbitPainter.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <type_traits>
#include <vector>

namespace vagaris {

namespace {

QColor ToQColor(ViewColour colour) {
    const Rgb rgb = ColourRgb(colour);
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont ViewFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(kOrbitViewFontFamily));
    font.setPixelSize(pixelSize);  // in pixels, so the drawing does not follow the screen's DPI
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

class ScenePainter {
public:
    explicit ScenePainter(QPainter& painter) : p_(painter) {}

    void operator()(const ScenePolyline& line) {
        // Consecutive points on the same pixel add nothing to a 1-pixel line; a whole orbit of
        // 5,400 segments often covers far fewer pixels.
        points_.clear();
        for (const Pixel& px : line.points)
            if (points_.empty() || points_.back().x() != px.x || points_.back().y() != px.y)
                points_.emplace_back(px.x, px.y);
        if (points_.size() < 2) return;
        p_.setPen(QPen(ToQColor(line.colour), 0));  // cosmetic: one pixel wide
        p_.drawPolyline(points_.data(), static_cast<int>(points_.size()));
    }

    void operator()(const SceneDisc& disc) {
        const QColor colour = ToQColor(disc.colour);
        p_.setPen(QPen(colour, 0));
        p_.setBrush(colour);
        // Corners (centre − 3) and (centre + 3), the latter excluded: 6 × 6 pixels. With a
        // cosmetic pen Qt covers the rectangle's width + 1 pixels, hence the 5.
        p_.drawEllipse(QRect(disc.centre.x - 3, disc.centre.y - 3, 5, 5));
        p_.setBrush(Qt::NoBrush);
    }

    void operator()(const SceneFill& fill) {
        p_.fillRect(QRect(QPoint(fill.left, fill.top), QPoint(fill.right - 1, fill.bottom - 1)),
                    ToQColor(fill.colour));
    }

    void operator()(const SceneText& text) {
        if (text.text.empty()) return;
        p_.setFont(ViewFont(text.pixelSize, text.bold));
        p_.setPen(ToQColor(text.colour));
        p_.setBackground(ToQColor(text.background));
        p_.setBackgroundMode(Qt::OpaqueMode);
        const QString s = QString::fromStdString(text.text);
        const int baseline = text.y + p_.fontMetrics().ascent();
        p_.drawText(QPoint(text.x, baseline), s);
        p_.setBackgroundMode(Qt::TransparentMode);
    }

private:
    QPainter& p_;
    std::vector<QPoint> points_;
};

}  // namespace

void PaintOrbitScene(QPainter& painter, const OrbitScene& scene) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    ScenePainter draw(painter);
    for (const SceneItem& item : scene.items) std::visit(draw, item);
    painter.restore();
}

QImage RenderOrbitPicture(const Session& session, const OrbitSceneOptions& options) {
    const OrbitScene scene = BuildOrbitScene(session, options);
    QImage image(scene.width, scene.height, QImage::Format_RGB32);
    image.fill(ToQColor(ViewColour::Navy));
    QPainter painter(&image);
    PaintOrbitScene(painter, scene);
    painter.end();
    return image;
}

}  // namespace vagaris
