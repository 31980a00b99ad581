#include "cli/Plugins.h"

#include <QLibrary>
#include <QString>
#include <QtGlobal>
#include <filesystem>
#include <stdexcept>

#include "cli/CatalogLookup.h"
#include "cli/CliText.h"

#ifndef VAGARIS_PLUGIN_DIR_FROM_BIN
#define VAGARIS_PLUGIN_DIR_FROM_BIN "../lib/vagaris"
#endif

namespace vagaris::cli {

namespace {

// The plugin's function, loaded once; the library stays loaded until the program ends.
template <class Function>
Function* PluginFunction(const std::string& name, const char* symbol) {
    const std::vector<std::string> candidates = PluginCandidates(ExecutableDir(), name);
    // The last place tried is the installed one, whose reason is the one worth telling.
    QString reason;
    for (const std::string& path : candidates) {
        QLibrary library(QString::fromStdString(path));
        if (library.load()) {
            if (auto* f = reinterpret_cast<Function*>(library.resolve(symbol))) return f;
        }
        reason = library.errorString();
    }
    throw std::runtime_error(Say(QT_TRANSLATE_NOOP("CoreText", "No se puede cargar %1: %2"),
                                 {candidates.back(), reason.toStdString()}));
}

}  // namespace

std::vector<std::string> PluginCandidates(const std::string& executableDir,
                                          const std::string& name) {
    namespace fs = std::filesystem;
    const std::string file = "vagaris-cli-" + name;
    return {
        (fs::path(executableDir) / file).string(),
        (fs::path(executableDir) / VAGARIS_PLUGIN_DIR_FROM_BIN / file).lexically_normal().string()};
}

void WriteChartPicture(const ChartSamples& samples, const std::string& title,
                       const std::string& path) {
    static auto* const f =
        PluginFunction<VagarisWriteChartPicture>("chart", "vagaris_write_chart_picture");
    f(samples, title, path);
}

void DrawOrbitPictures(Session& session, const OrbitSceneOptions& options,
                       const OrbitDrawing& drawing) {
    static auto* const f =
        PluginFunction<VagarisDrawOrbitPictures>("orbit", "vagaris_draw_orbit_pictures");
    f(session, options, drawing);
}

int DownloadCatalogs(const DownloadRequest& request) {
    static auto* const f =
        PluginFunction<VagarisDownloadCatalogs>("download", "vagaris_download_catalogs");
    return f(request);
}

}  // namespace vagaris::cli
