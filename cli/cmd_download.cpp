// vagaris-cli download comets|neos|critical|distant|bright|all: the catalogs into ProgramDir,
// with the progress on the terminal.
#include <QCoreApplication>
#include <QObject>
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QtGlobal>
#include "catalogs/CatalogInfo.h"
#include "catalogs/download/CatalogDownloader.h"
#include "catalogs/download/DownloadPlan.h"
#include "cli/CommonOptions.h"
#include "core/AtomicFile.h"

namespace {

using namespace vagaris;

// Command-line names, in the order of the catalogs.
constexpr std::array<const char*, 5> kCliNames{"comets", "neos", "critical", "distant", "bright"};

std::vector<int> CatalogsNamed(const std::string& name) {
    if (name == "all") return {0, 1, 2, 3, 4};
    for (std::size_t k = 0; k < kCliNames.size(); ++k)
        if (name == kCliNames[k]) return {int(k)};
    throw cli::UsageError("download: catálogo desconocido '" + name +
                          "' (comets, neos, critical, distant, bright o all)");
}

// One status line on stderr, rewritten in place: a percentage when the size is known, the
// bytes so far otherwise. Redrawn only when what it shows changes.
class TerminalProgress {
public:
    explicit TerminalProgress(std::string fileName) : fileName_(std::move(fileName)) {}
    void begin(long long size) { size_ = size; }
    void work(long long bytes) {
        if (const auto percent = DownloadPercent(bytes, size_)) {
            if (*percent == lastPercent_) return;
            lastPercent_ = *percent;
            const int filled = *percent / 5;
            std::fprintf(stderr, "\r%s [%s%s] %3d %%", fileName_.c_str(),
                         std::string(std::size_t(filled), '#').c_str(),
                         std::string(std::size_t(20 - filled), ' ').c_str(), *percent);
        } else {
            if (bytes - lastBytes_ < 65536) return;
            lastBytes_ = bytes;
            std::fprintf(stderr, "\r%s %lld bytes", fileName_.c_str(), bytes);
        }
        drawn_ = true;
        std::fflush(stderr);
    }
    void end() {
        if (drawn_) std::fputs("\n", stderr);
    }

private:
    std::string fileName_;
    long long size_ = -1;
    int lastPercent_ = -1;
    long long lastBytes_ = -65536;
    bool drawn_ = false;
};

// Qt Network needs an application object; the other subcommands do not create one.
std::unique_ptr<QCoreApplication> EnsureApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 1;
    static char name[] = "vagaris-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

int Run(const cli::ParsedArgs& parsed) {
    if (parsed.positional.empty()) throw cli::UsageError("download: falta el catálogo");
    if (parsed.positional.size() > 1)
        throw cli::UsageError("download: un solo catálogo cada vez, o all");
    const auto catalogs = CatalogsNamed(parsed.positional[0]);
    Session session;
    cli::SetupSessionSettings(session, parsed);
    const auto app = EnsureApplication();
    // Temporaries of a download that was killed half-way; a running one keeps its own.
    RemoveStaleTemporaries(session.ProgramDir);
    const int year = YearOfInstant(session.Now());

    CatalogDownloader downloader;
    bool anyFailed = false;
    for (int index : catalogs) {
        const std::string fileName = kCatalogs[std::size_t(index)].fileName;
        TerminalProgress progress(fileName);
        const auto begin = QObject::connect(&downloader, &CatalogDownloader::workBegin,
                                            [&](qint64 size) { progress.begin(size); });
        const auto work = QObject::connect(&downloader, &CatalogDownloader::work,
                                           [&](qint64 bytes) { progress.work(bytes); });
        QString failure;
        const bool ok = downloader.run(index, QString::fromStdString(session.ProgramDir + fileName),
                                       year, &failure);
        QObject::disconnect(begin);
        QObject::disconnect(work);
        progress.end();
        if (ok) {
            std::printf("%s%s\n", session.ProgramDir.c_str(), fileName.c_str());
        } else {
            // The window's one message, with the file and the reason on the same line.
            std::fprintf(stderr, "%s %s: %s\n", kDownloadErrorMessage, fileName.c_str(),
                         failure.toStdString().c_str());
            anyFailed = true;
        }
        std::fflush(stdout);
    }
    return anyFailed ? 1 : 0;
}

}  // namespace

const cli::CommandSpec vagaris::cli::kDownloadCommand = {
    "download",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "descarga los catálogos del Minor Planet Center a la carpeta del programa: la página "
        "Descarga de archivos"),
    QT_TRANSLATE_NOOP("CoreText", "comets|neos|critical|distant|bright|all"),
    {},
    "vagaris-cli download all",
    Run,
    false,
    QT_TRANSLATE_NOOP(
        "CoreText",
        "el catálogo: comets (CometsCR.dat), neos (NeosAndUnusualCR.dat), critical "
        "(CriticalListCR.dat), distant (DistantObjectsCR.dat), bright (BrightMinorPlanetsCR.dat) o "
        "all (los cinco). El progreso se muestra en la salida de "
        "errores."),
};
