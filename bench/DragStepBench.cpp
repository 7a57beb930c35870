// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// One pointer move through the dispatcher during a drag: the hit test over
// all controls and the follow-the-pointer rule of the target.
#include <benchmark/benchmark.h>

#include "form1/Form1.h"

namespace alkynes {
namespace {

void BM_DragStep(benchmark::State& state) {
    Form1 form;
    form.Form_Load();
    FormModel& model = form.Model();
    const Control& piece = model.ImgMolecular(0);
    model.MouseDown(piece.Left + 100, piece.Top + 100, MouseButton::Left);
    // Positions over a reaction picture, a palette cell and the bare window,
    // away from the window's edge so the drag goes on.
    const float xs[] = {3000, 7000, 5000, 12000, 2000};
    const float ys[] = {1800, 6200, 300, 7400, 5300};
    std::size_t i = 0;
    for (auto _ : state) {
        model.MouseMove(xs[i % 5], ys[i % 5]);
        ++i;
        benchmark::DoNotOptimize(model.ImgMolecular(0).Left);
    }
    if (!model.Dragging()) {
        state.SkipWithError("the drag ended during the benchmark");
    }
}
BENCHMARK(BM_DragStep);

}  // namespace
}  // namespace alkynes
