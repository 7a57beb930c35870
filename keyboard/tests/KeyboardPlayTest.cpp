// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard play, key by key, through Form1's dispatcher: the focus keys,
// picking up and putting down, cancelling, removing, and the keyboard and
// the mouse taken in turns.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "drag/DragPiece.h"
#include "drag/Placement.h"
#include "keyboard/KeyboardPlay.h"
#include "testing/FormFixture.h"
#include "testing/Invariants.h"

namespace alkynes {

// Found by argument-dependent lookup, for the failure messages.
std::ostream& operator<<(std::ostream& out, Stop stop) {
    return out << (stop.kind == StopKind::Tile ? "tile " : "slot ") << stop.index;
}

namespace testing {
namespace {

constexpr Stop Tile(int cell) {
    return {StopKind::Tile, static_cast<std::int16_t>(cell)};
}
constexpr Stop Slot(int s) {
    return {StopKind::Slot, static_cast<std::int16_t>(s)};
}

// A palette in which no compound rests in the cell of its own number.
const std::vector<int> kShuffled{4, 7, 0, 2, 8, 5, 1, 6, 3};

class Keys : public FormFixture {
  protected:
    Keys() : FormFixture(kShuffled) {
        play.Subscribe([this](const KeyboardChange& c) { changes.push_back(c); });
    }
    void TearDown() override {
        const std::optional<std::string> violation = BoardViolation(form);
        EXPECT_FALSE(violation.has_value()) << violation.value_or("");
    }

    // The compound resting in palette cell `cell`.
    int CompoundAt(int cell) {
        for (int k = 0; k < kCompounds; ++k) {
            if (board().PaletteOrder[static_cast<std::size_t>(k)] == cell) {
                return k;
            }
        }
        return -1;
    }

    // Picks up the tile of compound k and carries it to slot s.
    std::int16_t Carry(int k, int s) {
        play.FocusOn(Tile(board().PaletteOrder[static_cast<std::size_t>(k)]));
        EXPECT_TRUE(play.Press(BoardKey::Activate));
        const std::int16_t piece = board().DragIndex;
        play.FocusOn(Slot(s));
        return piece;
    }

    // Where the carried piece lies while a pointer at the stop's centre
    // moves it along.
    ::testing::AssertionResult CarriedAt(Stop stop) {
        const design::Rect r = play.StopRect(stop);
        const Control& p = model().ImgMolecular(board().DragIndex);
        return At(board().DragIndex, r.left + r.width / 2 + kPointerOffset,
                  r.top + r.height / 2 - p.Height / 2);
    }

    // The mouse, as the board hands it on.
    void Mouse(PointerEvent event, Spot at) {
        if (!play.AdmitPointer(event)) {
            return;
        }
        event == PointerEvent::Press  ? Press(at)
        : event == PointerEvent::Move ? Move(at)
                                      : Release(at);
    }

    KeyboardPlay play{model()};
    std::vector<KeyboardChange> changes;
};

// --- Tab, Shift+Tab and the arrows ------------------------------------------------

struct FocusCase {
    Stop from;
    BoardKey key;
    std::optional<Stop> to;  // none: the key is not used and the focus stays
};

const FocusCase kFocusMoves[] = {
    {Tile(0), BoardKey::Next, Tile(1)},
    {Tile(8), BoardKey::Next, Slot(0)},
    {Slot(12), BoardKey::Next, std::nullopt},  // Tab leaves the board
    {Tile(0), BoardKey::Previous, std::nullopt},
    {Slot(0), BoardKey::Previous, Tile(8)},
    {Tile(4), BoardKey::Right, Tile(5)},
    {Tile(5), BoardKey::Left, Tile(4)},
    {Tile(0), BoardKey::Left, std::nullopt},
    {Slot(12), BoardKey::Right, std::nullopt},
    {Tile(0), BoardKey::Up, std::nullopt},
    {Tile(0), BoardKey::Down, Tile(5)},
    {Tile(4), BoardKey::Down, Tile(8)},
    {Tile(5), BoardKey::Up, Tile(0)},
    {Tile(5), BoardKey::Down, Slot(0)},
    {Tile(8), BoardKey::Down, Slot(1)},
    {Slot(0), BoardKey::Up, Tile(5)},
    {Slot(1), BoardKey::Down, Slot(3)},
    {Slot(3), BoardKey::Down, Slot(5)},
    {Slot(4), BoardKey::Up, Slot(2)},
    {Slot(6), BoardKey::Down, Slot(9)},
    {Slot(12), BoardKey::Down, std::nullopt},
};

TEST_F(Keys, FocusKeysWalkTheStopsInReadingOrder) {
    for (const FocusCase& c : kFocusMoves) {
        SCOPED_TRACE(::testing::Message()
                     << "from " << c.from << ", key " << static_cast<int>(c.key));
        play.FocusOn(c.from);
        EXPECT_EQ(play.Press(c.key), c.to.has_value());
        EXPECT_EQ(play.Focus(), c.to.value_or(c.from));
        EXPECT_FALSE(model().Dragging()) << "moving the focus sends no press";
    }
}

const FocusCase kCarriedMoves[] = {
    {Slot(0), BoardKey::Next, Slot(1)},
    {Slot(12), BoardKey::Next, Slot(0)},  // Tab goes round the slots
    {Slot(0), BoardKey::Previous, Slot(12)},
    {Slot(0), BoardKey::Left, std::nullopt},
    {Slot(0), BoardKey::Up, std::nullopt},  // not back to the palette
    {Slot(2), BoardKey::Up, Slot(0)},
    {Slot(9), BoardKey::Down, Slot(12)},
    {Tile(3), BoardKey::Next, Slot(0)},  // a tile reached by assistive technology
    {Tile(3), BoardKey::Previous, Slot(12)},
};

TEST_F(Keys, WhileCarryingTheFocusWalksTheSlotsAndThePieceFollows) {
    Carry(0, 0);
    for (const FocusCase& c : kCarriedMoves) {
        SCOPED_TRACE(::testing::Message()
                     << "from " << c.from << ", key " << static_cast<int>(c.key));
        play.FocusOn(c.from);
        EXPECT_TRUE(CarriedAt(c.from));
        EXPECT_EQ(play.Press(c.key), c.to.has_value());
        EXPECT_EQ(play.Focus(), c.to.value_or(c.from));
        EXPECT_TRUE(CarriedAt(play.Focus()));
        EXPECT_TRUE(play.Carrying());
    }
    EXPECT_TRUE(NoSlotFilled());
}

// --- Space and Enter ----------------------------------------------------------------

TEST_F(Keys, ActivateOnATilePicksUpItsTopPieceAndCarriesItToTheFirstEmptySlot) {
    Place(5, 0);
    Place(7, 1);
    model().LGrade().Visible = true;
    play.FocusOn(Tile(6));
    const Spot centre = PaletteSpot(CompoundAt(6));
    const std::optional<ControlRef> top = model().ControlAt(centre.x, centre.y);
    EXPECT_TRUE(play.Press(BoardKey::Activate));
    EXPECT_TRUE(play.Carrying());
    EXPECT_EQ(PieceRef(board().DragIndex), top) << "the top piece of the stack";
    EXPECT_FALSE(model().LGrade().Visible) << "what a press does";
    EXPECT_EQ(play.Focus(), Slot(2));
    EXPECT_TRUE(CarriedAt(Slot(2)));
    EXPECT_EQ(model().StackingOrder().back(), PieceRef(board().DragIndex));
}

TEST_F(Keys, ActivatePutsTheCarriedTileIntoEachEmptySlot) {
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(::testing::Message() << "slot " << s);
        const std::int16_t piece = Carry(s % kCompounds, s);
        EXPECT_TRUE(play.Press(BoardKey::Activate));
        EXPECT_FALSE(play.Carrying());
        EXPECT_EQ(SlotPiece(s), piece);
        EXPECT_EQ(play.Focus(), Slot(s)) << "the focus stays on the slot just filled";
    }
    for (int r = 0; r < design::kReactions; ++r) {
        EXPECT_TRUE(BoxesVisible(r));
    }
}

TEST_F(Keys, ActivateOnAFilledSlotReplacesItsPiece) {
    for (int r = 0; r < design::kReactions; ++r) {
        FillRight(r);
        Type(r, kRightCoefficients[static_cast<std::size_t>(r)]);
    }
    for (int s = 0; s < kSlots; ++s) {
        SCOPED_TRACE(::testing::Message() << "slot " << s);
        const std::int16_t old = SlotPiece(s);
        const std::int16_t piece = Carry((kRightCompound[s] + 1) % kCompounds, s);
        EXPECT_TRUE(play.Press(BoardKey::Activate));
        EXPECT_EQ(SlotPiece(s), piece);
        EXPECT_TRUE(AtCell(old));
        const int r = ReactionOfSlot(s);
        EXPECT_EQ(Texts(r), kRightCoefficients[static_cast<std::size_t>(r)]);
    }
}

TEST_F(Keys, ATileStopKeepsItsCellWhenARestartReshufflesThePalette) {
    play.FocusOn(Tile(2));
    const int before = CompoundAt(2);
    form.mnuRestart_Click();
    ASSERT_NE(CompoundAt(2), before) << "the restart brought another compound to cell 2";
    EXPECT_EQ(play.Focus(), Tile(2));
    play.Press(BoardKey::Activate);
    EXPECT_EQ(CompoundOf(board().DragIndex), CompoundAt(2));
}

TEST_F(Keys, ActivatingATileWhileCarryingPutsTheCarriedOneBack) {
    const std::int16_t piece = Carry(3, 4);
    EXPECT_TRUE(play.Activate(Tile(0)));
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(piece));
    EXPECT_TRUE(NoSlotFilled());
}

// --- Escape ---------------------------------------------------------------------------

TEST_F(Keys, CancelSendsTheCarriedTileBackAndTheFocusToItsTile) {
    Place(4, 7);
    const int cell = board().PaletteOrder[2];
    const std::int16_t piece = Carry(2, 7);
    EXPECT_TRUE(play.Press(BoardKey::Cancel));
    EXPECT_FALSE(model().Dragging());
    EXPECT_TRUE(AtCell(piece));
    EXPECT_EQ(SlotPiece(7), 4);
    EXPECT_EQ(play.Focus(), Tile(cell));
    EXPECT_FALSE(play.Press(BoardKey::Cancel)) << "nothing is carried any more";
}

// --- Delete and Backspace -------------------------------------------------------------

TEST_F(Keys, RemoveTakesThePieceOutOfAFilledSlotLikeADoubleClick) {
    FillRight(3);
    form.mnuCheck_Click();
    ASSERT_TRUE(model().LGrade().Visible);
    const std::int16_t piece = SlotPiece(8);
    play.FocusOn(Slot(8));
    EXPECT_TRUE(play.Press(BoardKey::Remove));
    EXPECT_EQ(SlotPiece(8), kEmpty);
    EXPECT_TRUE(AtCell(piece));
    EXPECT_TRUE(BoxesHidden(3));
    EXPECT_FALSE(model().LGrade().Visible);
    EXPECT_FALSE(model().Dragging());
    EXPECT_EQ(play.Focus(), Slot(8));
}

// --- The key to the coefficient boxes ----------------------------------------------

TEST_F(Keys, TheBoxesKeyReachesTheFocusedReactionsBoxesOrTheNextShownOnes) {
    EXPECT_EQ(play.BoxToReach(), std::nullopt) << "no box shows yet";
    FillRight(1);  // boxes 3 to 6
    FillRight(3);  // boxes 12 to 16
    const struct {
        Stop from;
        int box;
    } kCases[] = {
        {Tile(0), 3},   // a tile: the first reaction whose boxes show
        {Slot(0), 3},   // reaction 0 has none: the next one down
        {Slot(3), 3},   // its own reaction's first box
        {Slot(4), 12},  // reaction 2 has none
        {Slot(9), 12},
        {Slot(12), 3},  // from the last reaction, round to the top
    };
    for (const auto& c : kCases) {
        play.FocusOn(c.from);
        EXPECT_EQ(play.BoxToReach(), c.box) << c.from;
    }
    // Back from a box: the slot it stands before.
    EXPECT_EQ(KeyboardPlay::StopOfBox(2), Slot(1));
    EXPECT_EQ(KeyboardPlay::StopOfBox(13), Slot(7));
    Carry(0, 4);
    EXPECT_EQ(play.BoxToReach(), std::nullopt) << "a carried tile keeps the focus on the board";
    play.Press(BoardKey::Cancel);
}

// --- Keys with nothing to do --------------------------------------------------------

TEST_F(Keys, KeysWithNothingToDoChangeNothing) {
    Place(0, 3);
    const struct {
        Stop at;
        BoardKey key;
        bool carrying;
    } kCases[] = {
        {Slot(3), BoardKey::Activate, false},  // nothing to put down
        {Slot(2), BoardKey::Cancel, false},    // nothing to send back
        {Slot(2), BoardKey::Remove, false},    // an empty slot
        {Tile(0), BoardKey::Remove, false},    // a tile is no placed piece
        {Slot(3), BoardKey::Remove, true},     // not while a tile is carried
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.at << ", key " << static_cast<int>(c.key));
        if (c.carrying) {
            Carry(1, 0);
        }
        play.FocusOn(c.at);
        changes.clear();
        EXPECT_FALSE(play.Press(c.key));
        EXPECT_TRUE(changes.empty());
        EXPECT_EQ(SlotPiece(3), 0);
        EXPECT_EQ(model().Dragging(), c.carrying);
    }
    play.Press(BoardKey::Cancel);
}

// --- Keyboard and mouse in turns ------------------------------------------------------

TEST_F(Keys, WhileCarryingTheMouseMovesNothingAndItsPressSendsTheTileBack) {
    const std::int16_t carried = Carry(6, 2);
    Mouse(PointerEvent::Move, SlotSpot(9));
    Mouse(PointerEvent::Release, SlotSpot(9));
    EXPECT_TRUE(play.Carrying());
    EXPECT_TRUE(CarriedAt(Slot(2)));
    Mouse(PointerEvent::Press, PaletteSpot(1));
    EXPECT_FALSE(play.Carrying());
    EXPECT_TRUE(AtCell(carried));
    EXPECT_EQ(board().DragIndex, 1) << "the press then picks up the tile under the mouse";
    Mouse(PointerEvent::Move, SlotSpot(0));
    Mouse(PointerEvent::Release, SlotSpot(0));
    EXPECT_EQ(SlotPiece(0), 1);
    EXPECT_EQ(SlotPiece(2), kEmpty);
    EXPECT_EQ(SlotPiece(9), kEmpty);
}

TEST_F(Keys, KeysLeaveAMouseDragAlone) {
    Place(8, 5);
    Mouse(PointerEvent::Press, PaletteSpot(3));
    Mouse(PointerEvent::Move, SlotSpot(4));
    for (const BoardKey key : {BoardKey::Activate, BoardKey::Remove, BoardKey::Cancel}) {
        play.FocusOn(key == BoardKey::Activate ? Tile(0) : Slot(5));
        EXPECT_FALSE(play.Press(key));
        EXPECT_TRUE(model().Dragging());
    }
    EXPECT_TRUE(play.Press(BoardKey::Next)) << "the focus still moves";
    Mouse(PointerEvent::Release, SlotSpot(4));
    EXPECT_EQ(SlotPiece(4), 3);
    EXPECT_EQ(SlotPiece(5), 8);
}

TEST_F(Keys, AnInterruptedCarryIsOver) {
    Carry(2, 1);
    model().InterruptDrag();  // the window lost the input
    EXPECT_FALSE(play.Carrying());
    Mouse(PointerEvent::Press, PaletteSpot(5));
    Mouse(PointerEvent::Move, SlotSpot(10));
    Mouse(PointerEvent::Release, SlotSpot(10));
    EXPECT_EQ(SlotPiece(10), 5) << "the mouse's own drag is not kept back";
}

// --- What the listeners hear ----------------------------------------------------------

TEST_F(Keys, ListenersHearWhatChanged) {
    const struct {
        BoardKey key;
        bool focus, carry, board;
    } kSteps[] = {
        {BoardKey::Next, true, false, false},     // tile 0 to tile 1
        {BoardKey::Activate, true, true, true},   // picked up, off to slot 0
        {BoardKey::Down, true, false, true},      // slot 2, the tile follows
        {BoardKey::Activate, false, true, true},  // put down
    };
    for (const auto& step : kSteps) {
        changes.clear();
        play.Press(step.key);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0].focusMoved, step.focus);
        EXPECT_EQ(changes[0].carryChanged, step.carry);
        EXPECT_EQ(changes[0].boardChanged, step.board);
    }
}

}  // namespace
}  // namespace testing
}  // namespace alkynes
