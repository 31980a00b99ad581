// Loading a catalog of 100,000 lines: the pure part (reading the file, the selector names, the
// first object's cut) and the whole load in the window (the four object selectors filled),
// offscreen.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QString>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Session.h"
#include "core/TextForms.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "shell/TFAtmo.h"

namespace {

namespace fs = std::filesystem;
constexpr int kLines = 100000;

// A program folder holding CometsCR.dat of kLines lines: the sample's lines over and over.
struct BigCatalogHome {
    fs::path dir;
    BigCatalogHome() {
        std::string pattern = (fs::temp_directory_path() / "vagaris-bench-XXXXXX").string();
        dir = ::mkdtemp(pattern.data());
        const auto sample =
            vagaris::ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat");
        std::ofstream out(dir / "CometsCR.dat", std::ios::binary);
        for (int k = 0; k < kLines; ++k) out << sample[std::size_t(k) % sample.size()] << "\r\n";
    }
    ~BigCatalogHome() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string file() const { return (dir / "CometsCR.dat").string(); }
};

BigCatalogHome& Home() {
    static BigCatalogHome home;
    return home;
}

// Every modal window answered at once (the file's age warning among them).
struct SilentDialogs : Dialogs {
    void message(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&) override {}
    void warning(QWidget*, const QString&) override {}
    // The last button: the one Escape would press.
    int ask(QWidget*, const QString&, const QStringList& buttons) override {
        return static_cast<int>(buttons.size()) - 1;
    }
    QString openFile(QWidget*, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int exec(QDialog&) override { return 0; }
};

void BM_ReadAndCutCatalog(benchmark::State& state) {
    const std::string path = Home().file();
    for (auto _ : state) {
        vagaris::Session session;
        session.CatalogKind = 'C';
        session.CatalogLines = vagaris::ReadCatalogLines(path);
        session.SelectorNames.reserve(session.CatalogLines.size());
        for (const std::string& line : session.CatalogLines)
            session.SelectorNames.push_back(vagaris::Trim(vagaris::Columns(line, 1, 40)));
        vagaris::CutCatalogLine(session, 0);
        benchmark::DoNotOptimize(session.Elements);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ReadAndCutCatalog)->Unit(benchmark::kMillisecond);

void BM_WindowLoadsCatalog(benchmark::State& state) {
    ::setenv("VAGARIS_HOME", Home().dir.c_str(), 1);
    SilentDialogs dialogs;
    vagaris::Session session;
    session.clock = [] { return 45413.0; };  // 01/05/2024
    TFAtmo window(session, dialogs);
    for (auto _ : state) {
        window.app().loadCatalog(0);
        benchmark::DoNotOptimize(session.SelectorNames.size());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_WindowLoadsCatalog)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
