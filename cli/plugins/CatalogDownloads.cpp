// The download plugin: the Descarga de archivos page's downloader (Qt Network), with the
// progress on the terminal. SIGTERM and SIGINT stop it cleanly.
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

#include "catalogs/CatalogInfo.h"
#include "catalogs/download/CatalogDownloader.h"
#include "catalogs/download/DownloadPlan.h"
#include "cli/CliText.h"
#include "cli/Plugins.h"
#include "core/AtomicFile.h"
#include "translations/Translations.h"

namespace {

using namespace vagaris;

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

}  // namespace

extern "C" Q_DECL_EXPORT int vagaris_download_catalogs(
    const vagaris::cli::DownloadRequest& request) {
    // Before the first temporary file exists, so that none outlives a signal.
    const StopSignals stopSignals;
    const auto app = EnsureApplication();
    // Temporaries of a download that was killed half-way; a running one keeps its own.
    RemoveStaleTemporaries(request.programDir);

    CatalogDownloader downloader;
    downloader.setTransferTimeout(request.transferSeconds);
    downloader.setIdleTimeout(request.idleSeconds);
    const auto notifier = stopSignals.notifier(
        [&downloader] { downloader.cancel(StoppedBySignal(StopSignals::received())); });
    bool anyFailed = false;
    for (int index : request.catalogs) {
        if (StopSignals::received() != 0) break;
        const std::string fileName = kCatalogs[std::size_t(index)].fileName;
        TerminalProgress progress(fileName);
        const auto begin = QObject::connect(&downloader, &CatalogDownloader::workBegin,
                                            [&](qint64 size) { progress.begin(size); });
        const auto work = QObject::connect(&downloader, &CatalogDownloader::work,
                                           [&](qint64 bytes) { progress.work(bytes); });
        const bool ok = downloader.run(index, QString::fromStdString(request.programDir + fileName),
                                       request.year);
        QObject::disconnect(begin);
        QObject::disconnect(work);
        progress.end();
        if (ok) {
            std::printf("%s%s\n", request.programDir.c_str(), fileName.c_str());
        } else {
            // The window's message on one line: its first line, then the file and the reason.
            std::fprintf(stderr, "%s\n",
                         cli::Say(kDownloadFailedLinePattern,
                                  {fileName, downloader.lastFailure().text(TrCore).toStdString()})
                             .c_str());
            anyFailed = true;
        }
        std::fflush(stdout);
    }
    if (const int signal = StopSignals::received(); signal != 0) return 128 + signal;
    return anyFailed ? 1 : 0;
}
