// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The two pictures of the about window, drawn as vectors so they stay sharp
// at every size and device pixel ratio.
#pragma once

#include <QPainter>
#include <QRectF>

namespace alkynes::info {

// The school's emblem, maroon (design::about::kEmblemColor) on a
// transparent ground: a double ring with the school's name lettered along
// it, enclosing a shield with a large letter.  Stretched to `target`; the painter's state is left as it was.
void DrawEmblem(QPainter& painter, const QRectF& target);

// The software maker's logo, a colour picture (artwork/maker-logo.svg, a
// 960 × 960 design), stretched to `target`.
void DrawMakerLogo(QPainter& painter, const QRectF& target);

}  // namespace alkynes::info
