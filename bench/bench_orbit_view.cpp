// The orbit view's full redraw at the page's size with every planet and the ecliptic square
// (about 50,000 projected points). A drag redraws on every mouse move, so this must stay a
// small fraction of a 60 Hz frame (16.7 ms); the aim is under 3 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/Angles.h"
#include "orbitview/OrbitPainter.h"
#include "orbitview/OrbitScene.h"

namespace {

vagaris::Session ViewSession() {
    vagaris::Session s;
    vagaris::FillPlanetRecords(s);
    s.CurrentInstant = 40000.25;
    s.Orbits[vagaris::kEarth].Anomaly = 1.3;
    vagaris::TOrbitRecord& object = s.Orbits[vagaris::kObject];
    object.e = 0.6;
    object.q = 1.1;
    object.a = object.q / (1 - object.e);
    object.w = 30;
    object.O = 80;
    object.i = 25;
    object.Anomaly = 0.7;
    s.Elements.Fecha = "20100101";
    s.ObjectName = "P/2010 A2 (LINEAR)";
    return s;
}

vagaris::OrbitSceneOptions AllOn() {
    vagaris::OrbitSceneOptions options;  // 430 × 469, the page's paint box
    options.planets.fill(true);
    options.eclipticSquare = true;
    options.view.Tilt = vagaris::Rad(35);
    options.view.Scale = 35;  // Neptune inside the picture
    return options;
}

// The scene alone: projection of every point.
void BM_BuildScene(benchmark::State& state) {
    const vagaris::Session s = ViewSession();
    vagaris::OrbitSceneOptions options = AllOn();
    std::size_t points = 0;
    int k = 0;
    for (auto _ : state) {
        options.view.Azimuth = vagaris::Rad(k++ % 360);
        const vagaris::OrbitScene scene = vagaris::BuildOrbitScene(s, options);
        benchmark::DoNotOptimize(scene.items.data());
        points = 0;
        for (const auto& item : scene.items)
            if (auto* p = std::get_if<vagaris::ScenePolyline>(&item)) points += p->points.size();
    }
    state.counters["points"] = double(points);
}
BENCHMARK(BM_BuildScene)->Unit(benchmark::kMillisecond);

// The whole redraw as a drag does it: scene and painting onto the paint box's surface.
void BM_FullRedraw(benchmark::State& state) {
    const vagaris::Session s = ViewSession();
    vagaris::OrbitSceneOptions options = AllOn();
    QImage surface(options.width, options.height, QImage::Format_RGB32);
    int k = 0;
    for (auto _ : state) {
        options.view.Azimuth = vagaris::Rad(k++ % 360);
        QPainter painter(&surface);
        vagaris::PaintOrbitScene(painter, vagaris::BuildOrbitScene(s, options));
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

// A saved picture: the same plus a fresh image.
void BM_RenderPicture(benchmark::State& state) {
    const vagaris::Session s = ViewSession();
    const vagaris::OrbitSceneOptions options = AllOn();
    for (auto _ : state) {
        const QImage image = vagaris::RenderOrbitPicture(s, options);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderPicture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
