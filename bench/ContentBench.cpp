// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing a picture from its description against copying it from the
// cache, and one whole board (117 pieces and five equations) from the cache.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "content/DrawingApplication.h"
#include "content/Pictures.h"
#include "model/Design.h"

namespace {

using namespace alkynes;

constexpr PictureRef kLongestTile{PictureKind::Compound, 3};
constexpr PictureRef kReaction4{PictureKind::Reaction, 4};

// Drawing one picture from its vectors at its shown size, at ratio 2.
void Draw(benchmark::State& state, PictureRef picture) {
    const QSize shown = content::ShownSize(picture);
    QImage image(shown * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        content::DrawPicture(painter, picture, QRectF(QPointF(0, 0), shown));
    }
}
BENCHMARK_CAPTURE(Draw, Tile, kLongestTile);
BENCHMARK_CAPTURE(Draw, Equation, kReaction4);

void CacheHit(benchmark::State& state) {
    content::PictureCache cache;
    const QSize shown = content::ShownSize(kLongestTile);
    cache.Pixmap(kLongestTile, shown, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(&cache.Pixmap(kLongestTile, shown, 2));
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
        for (int r = 0; r < design::kReactions; ++r) {
            const PictureRef reaction{PictureKind::Reaction, static_cast<std::int8_t>(r)};
            painter.drawPixmap(QPointF(8, 90 + 80 * r),
                               cache.Pixmap(reaction, content::ShownSize(reaction), 2));
        }
        for (int p = 0; p < design::kPieces; ++p) {
            const PictureRef compound{PictureKind::Compound,
                                      static_cast<std::int8_t>(p % design::kMasterPieces)};
            painter.drawPixmap(QPointF(12 + (p % 5) * 156, 4 + (p / 60) * 32),
                               cache.Pixmap(compound, content::ShownSize(compound), 2));
        }
    }
    state.counters["cached pixmaps"] = static_cast<double>(cache.Count());
}
BENCHMARK(PaintBoardFromCache);

}  // namespace

int main(int argc, char** argv) {
    const content::DrawingApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
