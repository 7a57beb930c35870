// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing without dragging, through Form1's dispatcher: taps and clicks
// that pick up, hold and put down, what cancels a hold, and the hold mixed
// with a mouse drag and with the keyboard's carry.  Each row plays a short
// script and says what the board shows after it; the board invariants hold
// after every step (Play checks them).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drag/DragPiece.h"
#include "keyboard/KeyboardPlay.h"
#include "pointer/PointerPlay.h"
#include "testing/FormFixture.h"
#include "testing/Invariants.h"

namespace alkynes::testing {
namespace {

// Where a step aims, found from the model when it is played.
enum class Aim : std::uint8_t {
    Palette,  // the middle of compound k's palette cell
    Slot,     // over the reaction picture, where a drop fills slot k
    Placed,   // the middle of the piece placed in slot k
    Box,      // the middle of coefficient box k
    Frame,    // a frame: the bare window
    Edge,     // the bare window within the edge margin
    Outside,  // beyond the window's right edge
};

// A gesture's pointer events, each with whether a button is down after it.
using Gesture = std::vector<std::pair<PointerEvent, bool>>;
const Gesture kPress{{PointerEvent::Press, true}};
const Gesture kDrag{{PointerEvent::Move, true}};
const Gesture kHover{{PointerEvent::Move, false}};
const Gesture kRelease{{PointerEvent::Release, false}};
const Gesture kClick{{PointerEvent::Press, true}, {PointerEvent::Release, false}};
const Gesture kDouble{kClick[0], kClick[1], {PointerEvent::DoubleClick, true}, kRelease[0]};

// A gesture where it aims, from a device that places (a finger, the mouse
// with click-to-place) or from the mouse without click-to-place; or one of
// the board's keys; or, with neither, the toolkit ending the drag (Escape,
// focus lost, a modal window).
struct Step {
    Gesture gesture;
    Aim aim = Aim::Palette;
    int index = 0;
    Twips dx = 0;  // added to a palette spot's x
    bool places = true;
    std::optional<BoardKey> key = std::nullopt;
};
const auto Do = [](const Gesture& g, Aim aim, int i, Twips dx = 0) { return Step{g, aim, i, dx}; };
const auto Tap = [](Aim aim, int i) { return Step{kClick, aim, i}; };
const auto Mouse = [](const Gesture& g, Aim aim, int i) { return Step{g, aim, i, 0, false}; };
const auto Key = [](BoardKey key) { return Step{{}, Aim::Palette, 0, 0, true, key}; };
const Step kInterrupt{};

struct Case {
    const char* name;
    std::vector<std::pair<int, int>> before;  // compound, slot: placed by drags first
    std::vector<Step> steps;
    bool holding;                            // a tile is held afterwards
    std::vector<std::pair<int, int>> after;  // slot, compound; every other slot empty
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const int kDistance = 150;  // the click distance of these tests, in twips

// clang-format off
const Case kCases[] = {
    // --- Picking up and putting down ----------------------------------------
    {"a tap on a tile holds it", {}, {Tap(Aim::Palette, 3)}, true, {}},
    {"a tap on a blank puts the held tile there", {},
     {Tap(Aim::Palette, 3), Tap(Aim::Slot, 4)}, false, {{4, 3}}},
    {"a tap on a filled blank replaces its compound, which goes back", {{5, 0}},
     {Tap(Aim::Palette, 3), Tap(Aim::Slot, 0)}, false, {{0, 3}}},
    {"a tap on a placed piece replaces it", {{5, 6}},
     {Tap(Aim::Palette, 3), Tap(Aim::Placed, 6)}, false, {{6, 3}}},
    {"a tap on a shown coefficient box fills the box's slot", {{5, 0}, {7, 1}},
     {Tap(Aim::Palette, 2), Tap(Aim::Box, 0)}, false, {{0, 2}, {1, 7}}},
    {"a tap on the bare window sends the held tile back", {},
     {Tap(Aim::Palette, 3), Tap(Aim::Frame, 0)}, false, {}},
    {"a tap on another tile sends the held tile back and picks up nothing", {},
     {Tap(Aim::Palette, 3), Tap(Aim::Palette, 6)}, false, {}},
    {"a tap outside the window sends the held tile back", {},
     {Tap(Aim::Palette, 3), Tap(Aim::Outside, 0)}, false, {}},
    // --- A click is what stays within the drag distance ---------------------
    {"a tap that wobbles less than the drag distance is still a tap", {},
     {Do(kPress, Aim::Palette, 3), Do(kDrag, Aim::Palette, 3, kDistance - 1),
      Do(kRelease, Aim::Palette, 3, 40)}, true, {}},
    {"a finger that moves the drag distance drags, and its release drops", {},
     {Do(kPress, Aim::Palette, 3), Do(kDrag, Aim::Palette, 3, kDistance),
      Do(kRelease, Aim::Palette, 3)}, false, {}},
    {"after a tap, a press dragged to a blank puts the tile where it is lifted", {},
     {Tap(Aim::Palette, 3), Do(kPress, Aim::Slot, 2), Do(kDrag, Aim::Slot, 9),
      Do(kRelease, Aim::Slot, 9)}, false, {{9, 3}}},
    // --- Double taps and clicks ---------------------------------------------
    {"a double tap on a placed piece removes it", {{5, 0}},
     {Do(kDouble, Aim::Placed, 0)}, false, {}},
    {"a double tap on a tile removes nothing and holds nothing", {{3, 0}},
     {Do(kDouble, Aim::Palette, 3)}, false, {{0, 3}}},
    {"without click-to-place a click on a tile changes nothing", {},
     {Mouse(kClick, Aim::Palette, 3)}, false, {}},
    // --- What ends a hold ---------------------------------------------------
    {"an interrupted drag sends the held tile back", {},
     {Tap(Aim::Palette, 3), kInterrupt, Tap(Aim::Slot, 4)}, false, {}},
    {"the held tile, hovered into the edge margin, goes back", {},
     {Tap(Aim::Palette, 3), Do(kHover, Aim::Slot, 4), Do(kHover, Aim::Edge, 0)}, false, {}},
    {"hovering moves, without a button down, do not end the hold", {},
     {Tap(Aim::Palette, 3), Do(kHover, Aim::Slot, 4), Do(kHover, Aim::Outside, 0),
      Do(kHover, Aim::Slot, 7)}, true, {}},
    {"a putting-down press whose release was lost leaves the tile held", {},
     {Tap(Aim::Palette, 3), Do(kPress, Aim::Slot, 2), Do(kHover, Aim::Slot, 5)}, true, {}},
    {"a pick-up whose release was lost ends as a lost drag", {},
     {Do(kPress, Aim::Palette, 3), Do(kHover, Aim::Slot, 4), Tap(Aim::Slot, 4)}, false, {}},
    // --- Mixed with the mouse and the keyboard ------------------------------
    {"a mouse click puts down a tile a finger holds", {},
     {Tap(Aim::Palette, 3), Mouse(kClick, Aim::Slot, 1)}, false, {{1, 3}}},
    {"a finger's tap during a mouse drag starts no hold, and its release drops", {},
     {Mouse(kPress, Aim::Palette, 2), Tap(Aim::Slot, 3)}, false, {{3, 2}}},
    {"the keys leave a held tile alone", {},
     {Tap(Aim::Palette, 3), Key(BoardKey::Down), Key(BoardKey::Activate),
      Key(BoardKey::Remove), Key(BoardKey::Cancel)}, true, {}},
    {"a tap ends the keyboard's carry and picks up its own tile", {},
     {Key(BoardKey::Activate), Tap(Aim::Palette, 6), Key(BoardKey::Activate)}, true, {}},
    {"after the keyboard's carry is over, taps place as ever", {},
     {Key(BoardKey::Activate), Key(BoardKey::Activate), Tap(Aim::Palette, 6),
      Tap(Aim::Slot, 7)}, false, {{0, 0}, {7, 6}}},
};
// clang-format on

class Placing : public FormFixture {
  protected:
    Placing() { pointer.SetClickDistance(kDistance); }

    Spot Where(const Step& step) {
        switch (step.aim) {
            case Aim::Palette:
                return {PaletteSpot(step.index).x + step.dx, PaletteSpot(step.index).y};
            case Aim::Slot:
                return SlotSpot(step.index);
            case Aim::Placed:
                return Middle(model().ImgMolecular(SlotPiece(step.index)));
            case Aim::Box:
                return Middle(model().tCoefficient(step.index));
            case Aim::Frame:
                return {5000, 5460};  // the rule between the frames
            case Aim::Edge:
                return {100, 5000};
            case Aim::Outside:
                break;
        }
        return {design::kScaleWidth + 300, 3000};
    }

    void Play(const Step& step) {
        if (step.key) {
            keys.Press(*step.key);
        } else if (step.gesture.empty()) {
            pointer.Interrupt();
        }
        const Spot at = Where(step);
        for (const auto& [event, down] : step.gesture) {
            pointer.Deliver({event, at.x, at.y, MouseButton::Left, down, step.places});
        }
        const std::optional<std::string> violation = BoardViolation(form);
        EXPECT_FALSE(violation.has_value()) << violation.value_or("");
    }

    KeyboardPlay keys{model()};
    PointerPlay pointer{model(), keys};
};

class PlacingCase : public Placing, public ::testing::WithParamInterface<Case> {};

TEST_P(PlacingCase, TapsAndClicksPlaceByTheDropRules) {
    const Case& c = GetParam();
    for (const auto& [k, s] : c.before) {
        Place(k, s);
    }
    for (const Step& step : c.steps) {
        Play(step);
    }
    EXPECT_EQ(pointer.Holding(), c.holding);
    EXPECT_EQ(model().Dragging(), c.holding) << "a drag is under way only while held";
    std::vector<std::pair<int, int>> filled;
    for (int s = 0; s < kSlots; ++s) {
        if (SlotPiece(s) != kEmpty) {
            filled.emplace_back(s, SlotPiece(s) % kCompounds);
        }
    }
    EXPECT_EQ(filled, c.after);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlacingCase, ::testing::ValuesIn(kCases));

TEST_F(Placing, AHeldTileIsShownWhereThePointerIsAndFollowsIt) {
    Play(Tap(Aim::Palette, 4));
    const std::int16_t held = pointer.HeldPiece().value_or(-1);
    ASSERT_EQ(held % kCompounds, 4);
    const auto shown = [&](const Step& step) {
        const Spot at = Where(step);
        return At(held, at.x + kPointerOffset, at.y - model().ImgMolecular(held).Height / 2);
    };
    EXPECT_TRUE(shown(Tap(Aim::Palette, 4))) << "lifted off its cell";
    for (const Step& hover : {Do(kHover, Aim::Slot, 10), Do(kHover, Aim::Frame, 0)}) {
        Play(hover);
        EXPECT_TRUE(shown(hover));
    }
    // The putting-down press brings it under a finger that never hovered.
    Play(Do(kPress, Aim::Slot, 5));
    EXPECT_TRUE(shown(Do(kPress, Aim::Slot, 5)));
    EXPECT_EQ(pointer.HeldPiece(), held);
    Play(Do(kRelease, Aim::Slot, 5));
    EXPECT_EQ(pointer.HeldPiece(), std::nullopt);
    EXPECT_EQ(SlotPiece(5), held);
}

TEST_F(Placing, ListenersHearTheHoldBeginAndEnd) {
    std::vector<bool> heard;  // whether each change began or ended the hold
    pointer.Subscribe([&](const PointerChange& c) { heard.push_back(c.holdChanged); });
    const std::pair<Step, std::vector<bool>> kSteps[] = {
        {Tap(Aim::Palette, 1), {false, true}},  // the press drags, the release holds
        {Do(kHover, Aim::Slot, 0), {false}},    // the tile follows
        {kInterrupt, {true}},                   // back to the palette
        {kInterrupt, {}},                       // nothing to end
        {Tap(Aim::Palette, 2), {false, true}},
        {Tap(Aim::Slot, 2), {false, true}},  // put down by the release
    };
    for (const auto& [step, changes] : kSteps) {
        heard.clear();
        Play(step);
        EXPECT_EQ(heard, changes);
    }
    EXPECT_EQ(SlotPiece(2), 2);
}

}  // namespace
}  // namespace alkynes::testing
