// Encoding speed of the GIF writer against giflib on the same indexed pixels:
//   (a) a 1920 x 1080 line drawing in the orbit view's 8 colours,
//   (b) a 1024 x 1024 picture of 256 random colours.
// Both sides start from the colour indices and produce a whole GIF file in memory; the
// ratio ours / giflib is printed at the end. Run with --benchmark_repetitions=5: the ratio
// of the median CPU times is the figure to read (at most 0.95 is the goal).
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "gif/GifUnit.h"

namespace {

struct IndexedPicture {
    int width;
    int height;
    int bits;  // log2 of the table size
    std::vector<std::uint8_t> indices;
    std::vector<vagaris::TColorEntry> colours;
};

// Axes, orbits as 1-pixel ellipses, radial lines and blocks of "text" on a black background,
// as the orbit view draws them.
IndexedPicture LineDrawing() {
    IndexedPicture p{1920, 1080, 3, std::vector<std::uint8_t>(1920 * 1080, 0), {}};
    p.colours = {{0, 0, 0},       {0, 0, 128}, {0, 255, 255}, {255, 0, 255},
                 {128, 128, 128}, {255, 0, 0}, {255, 255, 0}, {255, 255, 255}};
    auto set = [&](int x, int y, std::uint8_t c) {
        if (x >= 0 && x < p.width && y >= 0 && y < p.height) p.indices[y * p.width + x] = c;
    };
    for (int x = 0; x < p.width; ++x) set(x, p.height / 2, 4);
    for (int y = 0; y < p.height; ++y) set(p.width / 2, y, 4);
    for (int k = 1; k <= 9; ++k) {
        const double a = 90.0 * k, b = 50.0 * k, tilt = 0.3 * k;
        for (int t = 0; t < 20000; ++t) {
            const double u = t * 2 * M_PI / 20000;
            const double x = a * std::cos(u), y = b * std::sin(u);
            set(int(960 + x * std::cos(tilt) - y * std::sin(tilt)),
                int(540 + x * std::sin(tilt) + y * std::cos(tilt)), std::uint8_t(1 + k % 6));
        }
    }
    for (int r = 0; r < 24; ++r)
        for (int s = 0; s < 500; ++s)
            set(int(960 + s * std::cos(r * M_PI / 12)), int(540 + s * std::sin(r * M_PI / 12)), 2);
    for (int line = 0; line < 12; ++line)
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 260; ++x)
                if ((x * 13 + y * 7 + line) % 9 < 3) set(20 + x, 20 + line * 16 + y, 7);
    return p;
}

IndexedPicture RandomColours() {
    IndexedPicture p{1024, 1024, 8, std::vector<std::uint8_t>(1024 * 1024), {}};
    std::mt19937 rng(12345);
    for (auto& v : p.indices) v = static_cast<std::uint8_t>(rng() & 0xFF);
    for (int i = 0; i < 256; ++i)
        p.colours.push_back({std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7)});
    return p;
}

const IndexedPicture& Picture(int which) {
    static const IndexedPicture drawing = LineDrawing();
    static const IndexedPicture random = RandomColours();
    return which == 0 ? drawing : random;
}

// Ours: one already indexed image in a TGifFile, written to memory (encoding included).
std::string WriteOurs(const IndexedPicture& p) {
    vagaris::TGifFile file;
    file.GlobalTable = vagaris::TColorTable(1 << p.bits);
    for (int i = 0; i < int(p.colours.size()); ++i) file.GlobalTable.Entries[i] = p.colours[i];
    file.Bits = static_cast<std::uint8_t>(p.bits);
    file.ScreenWidth = static_cast<std::uint16_t>(p.width);
    file.ScreenHeight = static_cast<std::uint16_t>(p.height);
    auto image = std::make_unique<vagaris::TGifSubImage>(1 << p.bits);
    image->Owner = &file;
    image->Width = static_cast<std::uint16_t>(p.width);
    image->Height = static_cast<std::uint16_t>(p.height);
    image->Pixels = vagaris::TByteArray2D(p.width, p.height);
    std::memcpy(image->Pixels.Block().Data(), p.indices.data(), p.indices.size());
    file.Images.push_back(std::move(image));
    return file.WriteToBytes();
}

int AppendToString(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// giflib: the same indices, row by row, into a GIF87a file in memory.
std::string WriteGiflib(const IndexedPicture& p) {
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendToString, &error);
    std::vector<GifColorType> colours(1 << p.bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < p.colours.size(); ++i)
        colours[i] = {p.colours[i].Red, p.colours[i].Green, p.colours[i].Blue};
    ColorMapObject* map = GifMakeMapObject(1 << p.bits, colours.data());
    EGifSetGifVersion(gif, false);
    EGifPutScreenDesc(gif, p.width, p.height, p.bits, 0, map);
    EGifPutImageDesc(gif, 0, 0, p.width, p.height, false, nullptr);
    std::vector<GifPixelType> row(p.width);
    for (int y = 0; y < p.height; ++y) {
        std::memcpy(row.data(), p.indices.data() + std::size_t(y) * p.width, p.width);
        EGifPutLine(gif, row.data(), p.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

void BM_Ours(benchmark::State& state) {
    const IndexedPicture& p = Picture(static_cast<int>(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string gif = WriteOurs(p);
        size = gif.size();
        benchmark::DoNotOptimize(gif.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
    state.SetLabel(state.range(0) == 0 ? "line drawing 1920x1080, 8 colours"
                                       : "random 1024x1024, 256 colours");
}

void BM_Giflib(benchmark::State& state) {
    const IndexedPicture& p = Picture(static_cast<int>(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string gif = WriteGiflib(p);
        size = gif.size();
        benchmark::DoNotOptimize(gif.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
    state.SetLabel(state.range(0) == 0 ? "line drawing 1920x1080, 8 colours"
                                       : "random 1024x1024, 256 colours");
}

BENCHMARK(BM_Ours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Giflib)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The console report, keeping each run's times for the ratios printed at the end. With
// --benchmark_repetitions=N every repetition is kept and the medians are compared, as the
// "_median" lines show them.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                Times& t = times[run.benchmark_name()];
                t.real.push_back(run.GetAdjustedRealTime());
                t.cpu.push_back(run.GetAdjustedCPUTime());
            }
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times {
        std::vector<double> real;
        std::vector<double> cpu;
    };
    std::map<std::string, Times> times;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const char* names[2] = {"line drawing 1920x1080, 8 colours", "random 1024x1024, 256 colours"};
    for (int which = 0; which < 2; ++which) {
        const std::string arg = std::string("/").append(std::to_string(which));
        const auto ours = reporter.times.find("BM_Ours" + arg);
        const auto theirs = reporter.times.find("BM_Giflib" + arg);
        if (ours == reporter.times.end() || theirs == reporter.times.end()) continue;
        const double ourReal = Median(ours->second.real), theirReal = Median(theirs->second.real);
        const double ourCpu = Median(ours->second.cpu), theirCpu = Median(theirs->second.cpu);
        // CPU time too: on a busy machine the wall clock also counts other programs' turns.
        std::printf(
            "%s (median of %zu): ours %.2f ms, giflib %.2f ms, ratio ours/giflib %.3f "
            "(CPU time: ours %.2f ms, giflib %.2f ms, ratio %.3f)\n",
            names[which], ours->second.cpu.size(), ourReal, theirReal, ourReal / theirReal, ourCpu,
            theirCpu, ourCpu / theirCpu);
    }
    benchmark::Shutdown();
    return 0;
}
