// Drawing a picture from its description against copying it from the
// cache, and one whole board (117 pieces and five equations) from the cache.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "content/Pictures.h"

namespace {

using namespace alkynes;

constexpr PictureRef kLongestTile{PictureKind::Compound, 3};
constexpr PictureRef kReaction4{PictureKind::Reaction, 4};

void DrawTile(benchmark::State& state) {
    QImage image(298, 58, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        content::DrawPicture(painter, kLongestTile, QRectF(0, 0, 149, 29));
    }
}
BENCHMARK(DrawTile);

void DrawEquation(benchmark::State& state) {
    QImage image(1996, 148, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        content::DrawPicture(painter, kReaction4, QRectF(0, 0, 998, 74));
    }
}
BENCHMARK(DrawEquation);

void CacheHit(benchmark::State& state) {
    content::PictureCache cache;
    cache.Pixmap(kLongestTile, QSize(149, 29), 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(&cache.Pixmap(kLongestTile, QSize(149, 29), 2));
    }
}
BENCHMARK(CacheHit);

// One paint of the window's pictures at a device pixel ratio of 2, all
// pictures already in the cache.
void PaintBoardFromCache(benchmark::State& state) {
    content::PictureCache cache;
    QImage window(2032, 1330, QImage::Format_ARGB32_Premultiplied);
    window.setDevicePixelRatio(2);
    for (auto _ : state) {
        QPainter painter(&window);
        for (int r = 0; r < 5; ++r) {
            const QSize size(r < 2 ? 790 : 998, 74);
            painter.drawPixmap(
                QPointF(8, 90 + 80 * r),
                cache.Pixmap({PictureKind::Reaction, static_cast<std::int8_t>(r)}, size, 2));
        }
        for (int p = 0; p < 117; ++p) {
            painter.drawPixmap(
                QPointF(12 + (p % 5) * 156, 4 + (p / 60) * 32),
                cache.Pixmap({PictureKind::Compound, static_cast<std::int8_t>(p % 9)},
                             QSize(149, 29), 2));
        }
    }
    state.counters["cached pixmaps"] = static_cast<double>(cache.Count());
}
BENCHMARK(PaintBoardFromCache);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    content::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
