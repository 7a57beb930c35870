// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Which pixels of the board must be painted again after the model changed.
//
// The board paints its windowless controls itself, so after every event it
// must tell the toolkit which pixels to paint again, and no more than
// those: a drag step repaints the piece's old and new places, not the
// whole window.  The tracker keeps what was last painted of each control
// (where it lay, whether it showed, its picture, a label's caption) and the
// stacking order it was painted in, and compares the model with that.
//
// Rectangles are in the window layer's pixels: only that layer knows
// where a control is painted (a badge sized to its caption's font, the
// zoom), so it hands the tracker a function that says so.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Controls.h"
#include "model/FormModel.h"

namespace alkynes {

// A rectangle of whole pixels, x to the right and y downwards.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
    friend auto operator<=>(const PixelRect&, const PixelRect&) = default;
};

// What the screen shows of one windowless control.
struct PaintedLook {
    bool visible = false;
    PixelRect rect;  // where it is painted; nothing while it is hidden
    PictureRef picture;
    std::string text;  // a label's caption: no other control paints its text
    friend bool operator==(const PaintedLook&, const PaintedLook&) = default;
};

// Where a visible control is painted, in pixels.
using PaintRectOf = std::function<PixelRect(const Control&)>;

class RepaintTracker {
  public:
    RepaintTracker();

    // The rectangles to paint again so that the screen shows `form` as it
    // is now, without repetitions, each a pixel larger on every side for
    // rounding at fractional device pixel ratios; `form` is taken as
    // painted from then on.  A control whose look changed is painted where
    // it was and where it is; one that now lies above a control it lay
    // below is painted where it is.  A hidden control is painted nowhere,
    // and where it would lie is not even asked (measuring the hidden
    // badge would load its font at start-up).
    std::vector<PixelRect> Changes(const FormModel& form, const PaintRectOf& paintRect);

    // Forgets what was painted (after the zoom changed, every control lies
    // elsewhere): the next Changes reports every visible control.
    void Forget();

  private:
    PaintedLook& Painted(ControlRef ref);

    // By control name and index (see Key in the .cpp).
    std::vector<PaintedLook> painted_;
    std::vector<ControlRef> paintedOrder_;
};

}  // namespace alkynes
