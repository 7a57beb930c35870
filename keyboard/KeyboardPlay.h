// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board played from the keyboard (and from assistive technology, which
// moves the same focus and activates the same stops).
//
// A focus walks the board's stops in reading order: the palette tiles (the
// top piece of each palette cell, row by row) and the slots
// (model/Structure.h).  Keys decide nothing about the exercise: each key
// action becomes the very pointer events that a mouse would give, sent to
// the model's dispatcher, so that the slot choice, the replacement of an
// occupant, the boxes appearing and the grade hiding all follow from the
// mouse's rules:
//
//  * Activate on a tile: a press at the tile's centre (the drag starts, the
//    tile is carried), then a move to the centre of the focused slot, so
//    that the tile is shown where a pointer there would put it.  The focus
//    goes to the first empty slot (slot 0 when all are filled).
//  * Moving the focus while a tile is carried: a pointer move to the centre
//    of the newly focused stop.  Only the slots are walked then.
//  * Activate while a tile is carried: the release at the focused stop's
//    centre.  Over an empty slot the reaction picture takes the drop; over a
//    filled one the placed piece does, and is replaced.  The focus stays.
//  * Cancel while a tile is carried: the drag ends as a drop on the bare
//    window (the tile goes back to the palette), the way the toolkit ends a
//    lost drag; the focus goes back to the tile it came from.
//  * Remove on a slot that holds a piece: the mouse's double click on it
//    (press, release, the double click's press, release).
//
// Mixing devices is safe: a pointer press or double click while the
// keyboard carries a tile first ends that carry as a drop on the bare
// window; pointer moves and releases meanwhile are not the pointer's to
// use, and are kept from the model (see AdmitPointer).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/Controls.h"
#include "model/Design.h"
#include "model/Structure.h"

namespace alkynes {

class FormModel;

// The keys of the board, whatever the toolkit calls them.
enum class BoardKey : std::uint8_t {
    Next,      // Tab: the next stop in reading order
    Previous,  // Shift+Tab
    Left,      // the previous stop in reading order, staying on the board
    Right,     // the next stop in reading order, staying on the board
    Up,        // the nearest stop of the row above
    Down,      // the nearest stop of the row below
    Activate,  // Space, Enter: pick up a tile, or put the carried tile down
    Cancel,    // Escape: the carried tile goes back to the palette
    Remove,    // Delete, Backspace: take the piece out of the focused slot
};

enum class StopKind : std::uint8_t { Tile, Slot };

// One stop of the focus: a palette tile by its palette cell (0 to 8), or a
// slot (0 to 12).  A tile stop stays at its cell when a restart reshuffles
// the palette, so it may then show another compound.
struct Stop {
    StopKind kind = StopKind::Tile;
    std::int16_t index = 0;

    friend bool operator==(const Stop&, const Stop&) = default;
};

inline constexpr int kTileStops = design::kMasterPieces;
inline constexpr int kSlotStops = kSlots;
inline constexpr int kStops = kTileStops + kSlotStops;

// Stops are numbered 0 to 21 in reading order: the tiles, then the slots.
constexpr int StopNumber(Stop stop) {
    return stop.kind == StopKind::Tile ? stop.index : kTileStops + stop.index;
}
constexpr Stop StopOfNumber(int n) {
    return n < kTileStops ? Stop{StopKind::Tile, static_cast<std::int16_t>(n)}
                          : Stop{StopKind::Slot, static_cast<std::int16_t>(n - kTileStops)};
}

// What one operation of KeyboardPlay changed.
struct KeyboardChange {
    bool focusMoved = false;    // Focus() names another stop
    bool carryChanged = false;  // a tile was picked up, or the carry ended
    bool boardChanged = false;  // events went to the dispatcher: pieces, slots,
                                // boxes, grade or method texts may have changed
};

// The pointer events that AdmitPointer is asked about.
enum class PointerEvent : std::uint8_t { Press, Move, Release, DoubleClick };

class KeyboardPlay {
  public:
    explicit KeyboardPlay(FormModel& model);

    KeyboardPlay(const KeyboardPlay&) = delete;
    KeyboardPlay& operator=(const KeyboardPlay&) = delete;

    // The stop that has the focus; tile 0 at first.
    Stop Focus() const { return focus_; }

    // True while a tile picked up from the keyboard is being carried.  An
    // interrupted drag (the toolkit's, or a pointer press) ends the carry.
    bool Carrying() const;

    // One key on the focused stop.  Returns false when the key had nothing
    // to do: Next on the last stop and Previous on the first stop when no
    // tile is carried (the focus may then leave the board), a key at the
    // end of its way, Activate on a slot with nothing carried, Cancel with
    // nothing carried, Remove on a tile or an empty slot.
    bool Press(BoardKey key);

    // Moves the focus to `stop`, as the arrow keys would (while a tile is
    // carried, the pointer follows).  For assistive technology and for the
    // focus coming in from the window's tab chain.
    void FocusOn(Stop stop);

    // Moves the focus to `stop` and activates it: the same as Space there.
    bool Activate(Stop stop);

    // Asked by the toolkit layer before it hands a pointer event (mouse or
    // touch) to the model's dispatcher; the event goes on only when this
    // returns true.  While the keyboard carries a tile, a press or double
    // click first ends the carry as a drop on the bare window and then goes
    // on, and moves and releases are kept back.
    bool AdmitPointer(PointerEvent event);

    // Where a stop lies in window twips: a tile's palette cell, or the
    // place a piece in the slot takes.  The focus ring surrounds this.
    design::Rect StopRect(Stop stop) const;

    // True when a piece lies at the stop: what a pointer at its centre
    // would find.  The one answer to "does this tile offer a piece, does
    // this slot hold one" for the keys, the screen reader's tree and what
    // is spoken.
    bool HoldsPiece(Stop stop) const;

    // The coefficient box that the key to the boxes goes to from the
    // focused stop: the first shown box of the focused slot's reaction, or
    // else of the next reaction down (going round) whose boxes show; from a
    // tile, of the first reaction whose boxes show.  None while no box shows
    // or a tile is carried (the carry keeps the focus among the slots).
    std::optional<int> BoxToReach() const;

    // The stop the same key gives the board back from coefficient box j:
    // the slot the box stands before.
    static Stop StopOfBox(int j) { return {StopKind::Slot, CoefficientSlot(j)}; }

    // Called after every operation above that changed something, in the
    // order of subscription.
    using ChangeHook = std::function<void(const KeyboardChange&)>;
    void Subscribe(ChangeHook hook) { hooks_.push_back(std::move(hook)); }

  private:
    struct Spot {
        Twips x;
        Twips y;
    };
    Spot Centre(Stop stop) const;
    std::optional<Stop> Step(BoardKey key) const;
    std::optional<Stop> NearestInRow(int row, Twips x) const;
    Stop FirstEmptySlot() const;
    bool PickUp(KeyboardChange& change);
    void PutDown(KeyboardChange& change);
    bool RemoveFocused(KeyboardChange& change);
    bool Do(BoardKey key, KeyboardChange& change);
    void MoveFocus(Stop stop, KeyboardChange& change);
    // Ends the keyboard's carry as a drop on the bare window: the tile goes
    // back to its palette cell, and the focus back to the tile.
    void EndCarry(KeyboardChange& change);
    void Notify(const KeyboardChange& change);

    FormModel& model_;
    Stop focus_;
    bool carrying_ = false;  // the keyboard started the drag under way, if any
    ControlRef carried_{ControlName::ImgMolecular, 0};  // the piece it carries
    Stop origin_;                                       // the tile it came from
    std::vector<ChangeHook> hooks_;
};

}  // namespace alkynes
