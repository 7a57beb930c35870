// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the tests aim a drop, in window twips, from the model's own
// geometry: shared by the fixtures of the logic and of the window and by
// the fuzz target, so that all of them aim by one rule.
#pragma once

#include "drag/Placement.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes::testing {

// The stretch of slot s's reaction picture, from the picture's left edge,
// over which a drop on the picture fills slot s (the rule of ChooseSlot):
// the left half for the first slot, the rest for the last one of two, and
// of three the middle slot up to kMiddleSlotEnd, the last one beyond it.
struct Band {
    Twips low;
    Twips high;
};

inline Band SlotBand(const FormModel& model, int s) {
    const std::int16_t r = ReactionOfSlot(s);
    const Control& picture = model.ImgSyntactic(r);
    const auto inReaction = SlotsOfReaction(r);
    const Twips half = picture.Width / 2;
    const Twips middleEnd = kMiddleSlotEnd - picture.Left;
    if (s == inReaction.back()) {
        return {inReaction.size() == 2 ? half : middleEnd, picture.Width};
    }
    if (s != inReaction.front()) {
        return {half, middleEnd};
    }
    return {0, half};
}

// The middle of slot s's band, in window twips.
inline Twips SlotAimX(const FormModel& model, int s) {
    const Band band = SlotBand(model, s);
    return model.ImgSyntactic(ReactionOfSlot(s)).Left + (band.low + band.high) / 2;
}

}  // namespace alkynes::testing
