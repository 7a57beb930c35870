// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The artwork of the window: its icon, the pointing-hand cursor of the
// pieces and the drag icon.  All three are vector drawings on a 32 × 32
// grid, rendered at whatever size and device pixel ratio is asked for.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRectF>

namespace alkynes::content {

// The artwork's design grid: 32 × 32 logical pixels.
inline constexpr int kArtworkSize = 32;
// Where the index finger of the hand cursor points, in logical pixels.
inline constexpr int kHandHotSpotX = 12;
inline constexpr int kHandHotSpotY = 1;

// The window icon (a test tube beside a beaker with coloured liquid): it
// offers the window sizes 16, 32 and 48 and draws any size when asked.
QIcon WindowIcon();

// The window icon at one size: a square pixmap of `size` pixels.
QPixmap WindowIconPixmap(int size);

// The pointing hand shown over the pieces: a white glove with grey shading
// and a blue cuff, index finger up, 32 × 32 logical pixels drawn for device
// pixel ratio `dpr`, hot spot (12, 1) in logical pixels.
QCursor HandCursor(qreal dpr);

// The drag icon of the pieces (a white hand above a green slab), 32 × 32
// logical pixels drawn for device pixel ratio `dpr`.
QPixmap DragIconPixmap(qreal dpr);

// The drawings themselves, stretched to `target`.
void DrawWindowIcon(QPainter& painter, const QRectF& target);
void DrawHand(QPainter& painter, const QRectF& target);
void DrawDragIcon(QPainter& painter, const QRectF& target);

}  // namespace alkynes::content
