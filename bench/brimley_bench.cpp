// Speed figures of the program, measured by Google Benchmark. Keep the benchmark names stable: they are
// compared from one version to the next.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/Settings.h"
#include "led/NumberLED.h"
#include "scoreboard/PictureCache.h"
#include "scoreboard/frmScoreboard.h"
#include "scoreboard/modCenterObjects.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

using namespace brimley;

namespace {

void setShownTeams(int count, const QStringList& pictures = {})
{
    SetDefaults();
    model().Teams.clear();
    for (int i = 0; i < count; ++i)
        model().Teams.append(Team{QStringLiteral("Team %1").arg(i + 1), pictures.value(i), FlagTrue});
}

// A scoreboard window of its own for each benchmark, shown at the given size.
std::unique_ptr<frmScoreboard> shownScoreboard(QSize size)
{
    auto scoreboard = std::make_unique<frmScoreboard>();
    scoreboard->resize(size);
    scoreboard->show();
    scoreboard->UpdateForm();
    return scoreboard;
}

void BM_LayoutGrid(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(modCenterObjects::LayoutGrid(n, 1500, 2400, 8000, 12000));
}
BENCHMARK(BM_LayoutGrid)->Arg(163);

// A rebuild after the window's size changed, as when the operator drags its edge: two sizes in turn.
void rebuildAfterResize(benchmark::State& state, const QStringList& pictures)
{
    const int teams = static_cast<int>(state.range(0));
    setShownTeams(teams, pictures);
    auto scoreboard = shownScoreboard({1280, 720});
    const QSize sizes[2] = {{1280, 720}, {1296, 730}};
    int turn = 0;
    for (auto _ : state) {
        scoreboard->resize(sizes[turn ^= 1]); // the resize runs the rebuild
        QCoreApplication::processEvents();
    }
    state.counters["cells"] = scoreboard->TotalObjs();
}

void BM_Rebuild(benchmark::State& state) { rebuildAfterResize(state, {}); }
BENCHMARK(BM_Rebuild)->Arg(1)->Arg(40)->Arg(163)->Unit(benchmark::kMillisecond);

QStringList generatedPhotos(const QDir& folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        painter.fillRect(photo.rect(), QColor::fromHsv((i * 37) % 360, 160, 200));
        painter.setBrush(QColor::fromHsv((i * 37 + 180) % 360, 200, 120));
        painter.drawEllipse(QRect(800, 400, 2400, 2200));
        painter.end();
        const QString path = folder.filePath(QStringLiteral("team%1.jpg").arg(i));
        photo.save(path, "JPEG", 85);
        paths.append(path);
    }
    return paths;
}

void BM_RebuildPictures(benchmark::State& state)
{
    static QTemporaryDir folder;
    static const QStringList photos = generatedPhotos(QDir(folder.path()), 40);
    PictureCache::instance().clear();
    rebuildAfterResize(state, photos.mid(0, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_RebuildPictures)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_PaintScoreboard(benchmark::State& state)
{
    setShownTeams(static_cast<int>(state.range(0)));
    auto scoreboard = shownScoreboard({3840, 2160});
    QImage frame(scoreboard->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        scoreboard->render(&frame);
        benchmark::DoNotOptimize(frame.bits());
    }
}
BENCHMARK(BM_PaintScoreboard)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
