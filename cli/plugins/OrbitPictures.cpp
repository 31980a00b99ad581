// The orbit plugin: the Orbita page's pictures, drawn offscreen with the page's painter.
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "cli/CommonOptions.h"
#include "cli/Plugins.h"
#include "cli/RuntimeFolder.h"
#include "core/Circumstances.h"
#include "orbitview/OrbitPainter.h"
#include "pictures/PictureExport.h"
#include "pictures/PictureNames.h"

namespace {

// Text needs a GUI application; the command line draws offscreen without a display.
std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
    if (QGuiApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vagaris::cli::EnsureRuntimeFolder();
    static int argc = 1;
    static char name[] = "vagaris-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Renders the current state and writes it (GIF when the extension is ".gif" in any case).
void WritePicture(vagaris::Session& session, const vagaris::OrbitSceneOptions& options,
                  const std::string& path) {
    SavePicture(vagaris::RenderOrbitPicture(session, options), QString::fromStdString(path));
    vagaris::cli::PrintLines({path});
}

}  // namespace

extern "C" Q_DECL_EXPORT void vagaris_draw_orbit_pictures(
    vagaris::Session& session, const vagaris::OrbitSceneOptions& options,
    const vagaris::cli::OrbitDrawing& drawing) {
    const auto application = StartOffscreenApplication();
    if (!drawing.sequence) {
        vagaris::ComputeCircumstances(session, vagaris::CircumstanceMode::R);
        WritePicture(session, options, drawing.output);
        return;
    }
    // A sequence: frame k shows the instant k − 1 steps after --at; animated, the same frames
    // in one file.
    const auto step = [&] {
        vagaris::SetCurrentInstant(
            session, vagaris::SteppedInstant(session.CurrentInstant, drawing.step, drawing.unit));
    };
    if (drawing.animated) {
        AnimatedPicture animation;
        for (int k = 1; k <= drawing.frames; ++k) {
            vagaris::ComputeCircumstances(session, vagaris::CircumstanceMode::R);
            animation.addFrame(vagaris::RenderOrbitPicture(session, options));
            step();
        }
        animation.save(QString::fromStdString(drawing.output));
        vagaris::cli::PrintLines({drawing.output});
        return;
    }
    for (int k = 1; k <= drawing.frames; ++k) {
        vagaris::ComputeCircumstances(session, vagaris::CircumstanceMode::R);
        WritePicture(session, options, vagaris::SequenceFramePath(drawing.output, k).path);
        step();
    }
}
