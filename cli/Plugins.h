#pragma once
// The parts of three subcommands that need more of Qt than its core: the chart's picture (Qt
// Widgets and Charts), the orbit's pictures (Qt Gui) and the downloads (Qt Network). Each
// lives in a plugin of its own (cli/plugins/), loaded when it is first called, so that every
// other subcommand starts with Qt Core alone; the plugins draw and download with the window's
// own code. A plugin that cannot be loaded is a failure of the subcommand (exit 1, one line
// saying which file and why).
#include <string>
#include <vector>

#include "core/InstantStep.h"
#include "core/Session.h"
#include "orbitview/OrbitScene.h"
#include "outputs/charts/ChartSampling.h"

namespace vagaris::cli {

// chart -o: the Tablas page's chart drawn offscreen and saved, as the page saves it.
void WriteChartPicture(const ChartSamples& samples, const std::string& title,
                       const std::string& path);

// What orbit writes: one picture, a numbered sequence, or one animated GIF.
struct OrbitDrawing {
    std::string output;     // -o
    bool sequence = false;  // --frames given
    bool animated = false;  // --animated
    int frames = 1;
    int step = 1;
    StepUnit unit = kStepDays;
};
// Draws the session's object at its current instant (and the steps after it for a
// sequence), writes the pictures and prints each path written.
void DrawOrbitPictures(Session& session, const OrbitSceneOptions& options,
                       const OrbitDrawing& drawing);

// What download fetches: catalogs by their index in kCatalogs, into programDir.
struct DownloadRequest {
    std::vector<int> catalogs;
    int transferSeconds = 0;
    int idleSeconds = 0;
    std::string programDir;
    int year = 0;  // the present year, for the comets' file
};
// Downloads with the progress on stderr; the exit code: 0, 1 when one failed, 128 + the
// signal that stopped it.
int DownloadCatalogs(const DownloadRequest& request);

// Where the plugin `name` ("chart", "orbit", "download") is looked for: beside the executable
// (a build tree), then in the installed plugin folder relative to it. Without the platform's
// suffix, which the loader adds.
std::vector<std::string> PluginCandidates(const std::string& executableDir,
                                          const std::string& name);

}  // namespace vagaris::cli

// What each plugin exports: one function of the types above, by these C names.
extern "C" {
using VagarisWriteChartPicture = void(const vagaris::ChartSamples&, const std::string&,
                                      const std::string&);
using VagarisDrawOrbitPictures = void(vagaris::Session&, const vagaris::OrbitSceneOptions&,
                                      const vagaris::cli::OrbitDrawing&);
using VagarisDownloadCatalogs = int(const vagaris::cli::DownloadRequest&);
}
