// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the main window: a full repaint of the board into an offscreen
// image at device pixel ratio 1 and 2, and the partial repaint of one drag
// step (the piece's old and new rectangles) at ratio 2.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QRegion>

#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"
#include "content/Pictures.h"

namespace alkynes {
namespace {

QImage Canvas(const QWidget& widget, qreal dpr) {
    QImage image(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    return image;
}

void BM_FullRepaint(benchmark::State& state) {
    const qreal dpr = static_cast<qreal>(state.range(0));
    Form1Window window;
    BoardWidget* board = window.Board();
    QImage image = Canvas(*board, dpr);
    board->render(&image);  // the picture cache is filled once, as on screen
    for (auto _ : state) {
        board->render(&image);
        benchmark::ClobberMemory();
    }
    state.SetLabel("dpr " + std::to_string(state.range(0)));
}
BENCHMARK(BM_FullRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_DragStepRepaint(benchmark::State& state) {
    const qreal dpr = static_cast<qreal>(state.range(0));
    Form1Window window;
    BoardWidget* board = window.Board();
    FormModel& model = window.Logic().Model();
    QImage image = Canvas(*board, dpr);
    board->render(&image);

    const Control& piece = model.ImgMolecular(0);
    model.MouseDown(piece.Left + 100, piece.Top + 100, MouseButton::Left);
    const float xs[] = {3000, 3150};
    const float ys[] = {1800, 1850};
    std::size_t i = 0;
    for (auto _ : state) {
        const QRect before = board->PaintRect(piece);
        model.MouseMove(xs[i % 2], ys[i % 2]);
        ++i;
        const QRegion dirty = QRegion(before).united(board->PaintRect(piece));
        board->render(&image, dirty.boundingRect().topLeft(), dirty);
        benchmark::ClobberMemory();
    }
    state.SetLabel("dpr " + std::to_string(state.range(0)));
}
BENCHMARK(BM_DragStepRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace alkynes

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    alkynes::content::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
