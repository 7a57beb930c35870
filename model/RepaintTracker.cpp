// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/RepaintTracker.h"

#include <algorithm>
#include <cstddef>

#include "model/Design.h"

namespace alkynes {
namespace {

// One place of the painted snapshot per control name and index.
constexpr int kIndexesPerName = 128;
static_assert(design::kPieces <= kIndexesPerName);

std::size_t Key(ControlRef ref) {
    return static_cast<std::size_t>(static_cast<int>(ref.name) * kIndexesPerName + ref.index);
}

PaintedLook LookOf(const Control& c, const PaintRectOf& paintRect) {
    PaintedLook look;
    look.visible = c.Visible;
    if (c.Visible) {
        look.rect = paintRect(c);
    }
    look.picture = c.Picture;
    if (c.kind == ControlKind::Label) {
        look.text = c.Text;
    }
    return look;
}

// Room for rounding: at a fractional ratio a control's edge pixels are
// shared with its neighbours'.
PixelRect WithRoundingRoom(const PixelRect& r) {
    return {r.left - 1, r.top - 1, r.width + 2, r.height + 2};
}

}  // namespace

RepaintTracker::RepaintTracker() : painted_(kControlNames * kIndexesPerName) {}

PaintedLook& RepaintTracker::Painted(ControlRef ref) {
    return painted_[Key(ref)];
}

std::vector<PixelRect> RepaintTracker::Changes(const FormModel& form,
                                               const PaintRectOf& paintRect) {
    std::vector<PixelRect> dirty;
    auto add = [&dirty](const PaintedLook& look) {
        if (look.visible) {
            dirty.push_back(WithRoundingRoom(look.rect));
        }
    };

    const std::vector<ControlRef>& order = form.StackingOrder();
    for (const ControlRef ref : order) {
        PaintedLook now = LookOf(form.Get(ref), paintRect);
        PaintedLook& was = Painted(ref);
        if (now == was) {
            continue;
        }
        add(was);
        add(now);
        was = std::move(now);
    }

    if (order != paintedOrder_) {
        // Walking the new order from the bottom, the controls that now lie
        // above one they lay below are those that come after a control
        // that lay higher before (and those not painted before at all).
        std::vector<int> oldPlace(painted_.size(), -1);
        for (std::size_t i = 0; i < paintedOrder_.size(); ++i) {
            oldPlace[Key(paintedOrder_[i])] = static_cast<int>(i);
        }
        int highest = -1;
        for (const ControlRef ref : order) {
            const int place = oldPlace[Key(ref)];
            if (place < highest || place < 0) {
                add(Painted(ref));
            } else {
                highest = place;
            }
        }
        paintedOrder_ = order;
    }

    std::sort(dirty.begin(), dirty.end());
    dirty.erase(std::unique(dirty.begin(), dirty.end()), dirty.end());
    return dirty;
}

void RepaintTracker::Forget() {
    painted_.assign(painted_.size(), PaintedLook{});
    paintedOrder_.clear();
}

}  // namespace alkynes
