// vagaris-cli download comets|neos|critical|distant|bright|all: the catalogs into ProgramDir,
// with the progress on the terminal. SIGTERM and SIGINT stop it cleanly.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QtGlobal>
#include "catalogs/CatalogInfo.h"
#include "catalogs/download/CatalogDownloader.h"
#include "catalogs/download/DownloadPlan.h"
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "core/AtomicFile.h"

namespace {

using namespace vagaris;

// Command-line names, in the order of the catalogs.
constexpr std::array<const char*, 5> kCliNames{"comets", "neos", "critical", "distant", "bright"};

constexpr int kMaxTimeoutSeconds = 86400;

constexpr cli::OptionSpec kDownloadOptions[] = {
    {.name = "--timeout",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEG"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "el tiempo máximo de la descarga de cada catálogo, %r s (%d)"),
     .kind = cli::OptionKind::Integer,
     .min = 1,
     .max = kMaxTimeoutSeconds,
     .rangeNote = cli::kRangeFromTo,
     .fallback = "1800",  // kDefaultTransferSeconds
     .defaultNote = cli::kDefaultIs},
    {.name = "--idle-timeout",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEG"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "cuánto se espera a un servidor que no envía nada, %r s (%d)"),
     .kind = cli::OptionKind::Integer,
     .min = 1,
     .max = kMaxTimeoutSeconds,
     .rangeNote = cli::kRangeFromTo,
     .fallback = "60",  // kDefaultIdleSeconds
     .defaultNote = cli::kDefaultIs},
};

// SIGTERM and SIGINT while downloading: the handler only records the signal and writes a byte
// to a pipe, which wakes the event loop; the transfer is then cancelled like any failed one
// (its temporary file removed, the catalog as it was) and the command exits with 128 + the
// signal, as a shell reports a process the signal ended. One per process.
class StopSignals {
public:
    StopSignals() {
        if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
        writeEnd_ = pipe_[1];
        struct sigaction action {};
        action.sa_handler = &StopSignals::handler;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t k = 0; k < kSignals.size(); ++k)
            ::sigaction(kSignals[k], &action, &previous_[k]);
        installed_ = true;
    }
    ~StopSignals() {
        if (installed_)
            for (std::size_t k = 0; k < kSignals.size(); ++k)
                ::sigaction(kSignals[k], &previous_[k], nullptr);
        writeEnd_ = -1;
        for (int fd : pipe_)
            if (fd >= 0) ::close(fd);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Calls `stop` from the event loop each time a signal has come.
    template <typename Stop>
    std::unique_ptr<QSocketNotifier> notifier(Stop stop) const {
        if (!installed_) return nullptr;
        auto notifier = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
        const int readEnd = pipe_[0];
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [readEnd, stop] {
            char drained[16];
            while (::read(readEnd, drained, sizeof drained) > 0) {
            }
            stop();
        });
        return notifier;
    }
    // The last signal received, 0 while none.
    static int received() { return received_; }

private:
    static constexpr std::array<int, 2> kSignals{SIGTERM, SIGINT};
    static void handler(int signal) {
        received_ = signal;
        const char byte = 1;
        if (writeEnd_ >= 0) (void)!::write(writeEnd_, &byte, 1);
    }

    int pipe_[2] = {-1, -1};
    bool installed_ = false;
    std::array<struct sigaction, 2> previous_{};
    static inline volatile std::sig_atomic_t received_ = 0;
    static inline volatile std::sig_atomic_t writeEnd_ = -1;
};

// What a stopped download says, after the file's name.
QString StoppedBySignal(int signal) {
    return QString::fromStdString(
        cli::Say(QT_TRANSLATE_NOOP("CoreText", "descarga interrumpida por la señal %1"),
                 {signal == SIGINT ? "SIGINT" : "SIGTERM"}));
}

std::vector<int> CatalogsNamed(const std::string& name) {
    if (name == "all") return {0, 1, 2, 3, 4};
    for (std::size_t k = 0; k < kCliNames.size(); ++k)
        if (name == kCliNames[k]) return {int(k)};
    throw cli::UsageError(cli::Say(
        QT_TRANSLATE_NOOP("CoreText",
                          "download: catálogo desconocido '%1' (comets, neos, critical, distant, "
                          "bright o all)"),
        {name}));
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
    if (parsed.positional.empty())
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "download: falta el catálogo")));
    if (parsed.positional.size() > 1)
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "download: un solo catálogo cada vez, o all")));
    const auto catalogs = CatalogsNamed(parsed.positional[0]);
    const int transferSeconds = cli::IntegerOrDefault(parsed, "--timeout");
    const int idleSeconds = cli::IntegerOrDefault(parsed, "--idle-timeout");
    // Before the first temporary file exists, so that none outlives a signal.
    const StopSignals stopSignals;
    Session session;
    cli::SetupSessionSettings(session, parsed);
    const auto app = EnsureApplication();
    // Temporaries of a download that was killed half-way; a running one keeps its own.
    RemoveStaleTemporaries(session.ProgramDir);
    const int year = YearOfInstant(session.Now());

    CatalogDownloader downloader;
    downloader.setTransferTimeout(transferSeconds);
    downloader.setIdleTimeout(idleSeconds);
    const auto notifier = stopSignals.notifier(
        [&downloader] { downloader.cancel(StoppedBySignal(StopSignals::received())); });
    bool anyFailed = false;
    for (int index : catalogs) {
        if (StopSignals::received() != 0) break;
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
            // The window's message on one line: its first line, then the file and the reason.
            std::fprintf(stderr, "%s %s: %s\n", kDownloadErrorMessage, fileName.c_str(),
                         failure.toStdString().c_str());
            anyFailed = true;
        }
        std::fflush(stdout);
    }
    if (const int signal = StopSignals::received(); signal != 0) return 128 + signal;
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
    {kDownloadOptions},
    "vagaris-cli download all",
    Run,
    false,
    QT_TRANSLATE_NOOP(
        "CoreText",
        "el catálogo: comets (CometsCR.dat), neos (NeosAndUnusualCR.dat), critical "
        "(CriticalListCR.dat), distant (DistantObjectsCR.dat), bright (BrightMinorPlanetsCR.dat) o "
        "all (los cinco). El progreso se muestra en la salida de "
        "errores. Una descarga que pasa de 64 MB, de --timeout o de --idle-timeout se detiene "
        "con un mensaje; SIGTERM o SIGINT la detienen sin dejar archivos temporales, y el "
        "código de salida es entonces 128 más la señal (143, 130)."),
};
