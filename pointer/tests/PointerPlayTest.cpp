// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing without dragging, through Form1's dispatcher: taps and clicks
// that pick up, hold and put down, what cancels a hold, and the hold mixed
// with a mouse drag and with the keyboard's carry.  Each row plays a short
// script and says what the board shows after it; the board invariants hold
// after every row.
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

enum class Act : std::uint8_t {
    Tap,          // a press and release where it aims, from a placing device
    DoubleTap,    // a tap, then the double click's press and its release
    Click,        // a tap from the mouse without click-to-place
    DoubleClick,  // the same, double
    Press,        // a placing press alone
    MousePress,   // a press alone from the mouse without click-to-place
    Drag,         // a move with the button down
    Hover,        // a move with no button down
    Release,      // a placing release alone
    Key,          // one of the board's keys
    Interrupt,    // the toolkit ends the drag (Escape, focus lost, a modal window)
};

struct Step {
    Act act;
    Aim aim = Aim::Palette;
    int index = 0;
    Twips dx = 0;  // added to the spot's x
    BoardKey key = BoardKey::Activate;
};

Step Tap(Aim aim, int i, Twips dx = 0) {
    return {Act::Tap, aim, i, dx};
}
Step Do(Act act, Aim aim = Aim::Palette, int i = 0, Twips dx = 0) {
    return {act, aim, i, dx};
}
Step Key(BoardKey key) {
    return {Act::Key, Aim::Palette, 0, 0, key};
}

struct Case {
    const char* name;
    std::vector<std::pair<int, int>> before;  // compound, slot: placed by drags first
    std::vector<Step> steps;
    bool holding;                            // a tile is held afterwards
    std::vector<std::pair<int, int>> after;  // slot, compound; every other slot empty
};

// A row is named by its sentence in the test's output.
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
    {"every compound may fill every slot, one tap after another", {},
     {Tap(Aim::Palette, 8), Tap(Aim::Slot, 12), Tap(Aim::Palette, 8), Tap(Aim::Slot, 11),
      Tap(Aim::Palette, 0), Tap(Aim::Slot, 10)}, false, {{10, 0}, {11, 8}, {12, 8}}},
    // --- A click is what stays within the drag distance ---------------------
    {"a tap that wobbles less than the drag distance is still a tap", {},
     {Do(Act::Press, Aim::Palette, 3), Do(Act::Drag, Aim::Palette, 3, kDistance - 1),
      Do(Act::Release, Aim::Palette, 3, 40)}, true, {}},
    {"a finger that moves the drag distance drags, and its release drops", {},
     {Do(Act::Press, Aim::Palette, 3), Do(Act::Drag, Aim::Palette, 3, kDistance),
      Do(Act::Release, Aim::Palette, 3)}, false, {}},
    {"a finger drag places as ever", {},
     {Do(Act::Press, Aim::Palette, 3), Do(Act::Drag, Aim::Slot, 4),
      Do(Act::Release, Aim::Slot, 4)}, false, {{4, 3}}},
    {"after a tap, a press dragged to a blank puts the tile where it is lifted", {},
     {Tap(Aim::Palette, 3), Do(Act::Press, Aim::Slot, 2), Do(Act::Drag, Aim::Slot, 9),
      Do(Act::Release, Aim::Slot, 9)}, false, {{9, 3}}},
    // --- Double taps and clicks ---------------------------------------------
    {"a double tap on a placed piece removes it", {{5, 0}},
     {Do(Act::DoubleTap, Aim::Placed, 0)}, false, {}},
    {"a double tap on a tile removes nothing and holds nothing", {{3, 0}},
     {Do(Act::DoubleTap, Aim::Palette, 3)}, false, {{0, 3}}},
    {"without click-to-place a click on a tile changes nothing", {},
     {Do(Act::Click, Aim::Palette, 3)}, false, {}},
    {"without click-to-place a double click on a tile removes nothing", {{3, 0}},
     {Do(Act::DoubleClick, Aim::Palette, 3)}, false, {{0, 3}}},
    {"without click-to-place a double click on a placed piece removes it", {{5, 0}},
     {Do(Act::DoubleClick, Aim::Placed, 0)}, false, {}},
    // --- What ends a hold ---------------------------------------------------
    {"an interrupted drag sends the held tile back", {},
     {Tap(Aim::Palette, 3), Do(Act::Interrupt), Tap(Aim::Slot, 4)}, false, {}},
    {"the held tile, hovered into the edge margin, goes back", {},
     {Tap(Aim::Palette, 3), Do(Act::Hover, Aim::Slot, 4), Do(Act::Hover, Aim::Edge, 0)},
     false, {}},
    {"hovering moves, without a button down, do not end the hold", {},
     {Tap(Aim::Palette, 3), Do(Act::Hover, Aim::Slot, 4), Do(Act::Hover, Aim::Outside, 0),
      Do(Act::Hover, Aim::Slot, 7)}, true, {}},
    {"a putting-down press whose release was lost leaves the tile held", {},
     {Tap(Aim::Palette, 3), Do(Act::Press, Aim::Slot, 2), Do(Act::Hover, Aim::Slot, 5)},
     true, {}},
    {"a pick-up whose release was lost ends as a lost drag", {},
     {Do(Act::Press, Aim::Palette, 3), Do(Act::Hover, Aim::Slot, 4), Tap(Aim::Slot, 4)},
     false, {}},
    // --- Mixed with the mouse and the keyboard ------------------------------
    {"a mouse click puts down a tile a finger holds", {},
     {Tap(Aim::Palette, 3), Do(Act::Click, Aim::Slot, 1)}, false, {{1, 3}}},
    {"a finger's tap during a mouse drag starts no hold, and its release drops", {},
     {Do(Act::MousePress, Aim::Palette, 2), Do(Act::Tap, Aim::Slot, 3)}, false, {{3, 2}}},
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

    void TearDown() override {
        const std::optional<std::string> violation = BoardViolation(form);
        EXPECT_FALSE(violation.has_value()) << violation.value_or("");
    }

    Spot Where(const Step& step) {
        Spot at{};
        switch (step.aim) {
            case Aim::Palette:
                at = PaletteSpot(step.index);
                break;
            case Aim::Slot:
                at = SlotSpot(step.index);
                break;
            case Aim::Placed:
                at = Middle(model().ImgMolecular(SlotPiece(step.index)));
                break;
            case Aim::Box:
                at = Middle(model().tCoefficient(step.index));
                break;
            case Aim::Frame:
                at = {5000, 5460};  // the rule between the frames
                break;
            case Aim::Edge:
                at = {100, 5000};
                break;
            case Aim::Outside:
                at = {design::kScaleWidth + 300, 3000};
                break;
        }
        return {at.x + step.dx, at.y};
    }

    void Send(PointerEvent event, Spot at, bool places, bool down) {
        pointer.Deliver({event, at.x, at.y, MouseButton::Left, down, places});
    }

    // The pointer events of a gesture, each with whether a button is down
    // after it.
    using Gesture = std::vector<std::pair<PointerEvent, bool>>;
    static Gesture GestureOf(Act act) {
        const Gesture click{{PointerEvent::Press, true}, {PointerEvent::Release, false}};
        switch (act) {
            case Act::DoubleTap:
            case Act::DoubleClick: {
                Gesture twice = click;
                twice.insert(twice.end(),
                             {{PointerEvent::DoubleClick, true}, {PointerEvent::Release, false}});
                return twice;
            }
            case Act::Tap:
            case Act::Click:
                return click;
            case Act::Press:
            case Act::MousePress:
                return {{PointerEvent::Press, true}};
            case Act::Drag:
                return {{PointerEvent::Move, true}};
            case Act::Hover:
                return {{PointerEvent::Move, false}};
            case Act::Release:
                return {{PointerEvent::Release, false}};
            case Act::Key:
            case Act::Interrupt:
                break;
        }
        return {};
    }

    void Play(const Step& step) {
        if (step.act == Act::Key) {
            keys.Press(step.key);
        } else if (step.act == Act::Interrupt) {
            pointer.Interrupt();
        }
        const Spot at = Where(step);
        const bool places =
            step.act != Act::Click && step.act != Act::DoubleClick && step.act != Act::MousePress;
        for (const auto& [event, down] : GestureOf(step.act)) {
            Send(event, at, places, down);
        }
    }

    KeyboardPlay keys{model()};
    PointerPlay pointer{model(), keys};
};

class PlacingCase : public Placing, public ::testing::WithParamInterface<Case> {};

TEST_P(PlacingCase, TapsAndClicksPlaceByTheDropRules) {
    const Case& c = GetParam();
    SCOPED_TRACE(c.name);
    for (const auto& [k, s] : c.before) {
        Place(k, s);
    }
    for (const Step& step : c.steps) {
        Play(step);
        const std::optional<std::string> violation = BoardViolation(form);
        ASSERT_FALSE(violation.has_value()) << *violation;
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
    const Spot tap = PaletteSpot(4);
    Send(PointerEvent::Press, tap, true, true);
    const std::int16_t piece = board().DragIndex;
    Send(PointerEvent::Release, tap, true, false);
    ASSERT_EQ(pointer.HeldPiece(), piece);
    const Control& p = model().ImgMolecular(piece);
    EXPECT_TRUE(At(piece, tap.x + kPointerOffset, tap.y - p.Height / 2)) << "lifted off its cell";
    EXPECT_EQ(model().StackingOrder().back(), PieceRef(piece)) << "in front of everything";

    for (const Spot to : {SlotSpot(3), SlotSpot(10), Middle(model().Label1(0))}) {
        Send(PointerEvent::Move, to, true, false);
        EXPECT_TRUE(At(piece, to.x + kPointerOffset, to.y - p.Height / 2));
    }
    // The putting-down press brings it under a finger that never hovered.
    const Spot press = SlotSpot(5);
    Send(PointerEvent::Press, press, true, true);
    EXPECT_TRUE(At(piece, press.x + kPointerOffset, press.y - p.Height / 2));
    EXPECT_EQ(pointer.HeldPiece(), piece);
    Send(PointerEvent::Release, press, true, false);
    EXPECT_EQ(pointer.HeldPiece(), std::nullopt);
    EXPECT_EQ(SlotPiece(5), piece);
}

TEST_F(Placing, ListenersHearTheHoldBeginAndEnd) {
    std::vector<PointerChange> heard;
    pointer.Subscribe([&](const PointerChange& c) { heard.push_back(c); });
    const struct {
        Step step;
        std::vector<bool> holdChanged;  // one entry per event the step sends
    } kSteps[] = {
        {Tap(Aim::Palette, 1), {false, true}},    // the press drags, the release holds
        {Do(Act::Hover, Aim::Slot, 0), {false}},  // the tile follows
        {Do(Act::Interrupt), {true}},             // back to the palette
        {Do(Act::Interrupt), {}},                 // nothing to end
        {Tap(Aim::Palette, 2), {false, true}},
        {Tap(Aim::Slot, 2), {false, true}},  // put down by the release
    };
    for (const auto& s : kSteps) {
        heard.clear();
        Play(s.step);
        std::vector<bool> got;
        for (const PointerChange& c : heard) {
            got.push_back(c.holdChanged);
        }
        EXPECT_EQ(got, s.holdChanged);
    }
    EXPECT_EQ(SlotPiece(2), 2);
}

}  // namespace
}  // namespace alkynes::testing
