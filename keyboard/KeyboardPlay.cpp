// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard/KeyboardPlay.h"

#include <cmath>
#include <iterator>

#include "core/Board.h"
#include "core/Palette.h"
#include "drag/Placement.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {
namespace {

// The rows of the board, top to bottom: the palette's rows, then one row
// for each reaction.
constexpr int kTileRows = static_cast<int>(std::size(kPaletteRows));
constexpr int kRows = kTileRows + design::kReactions;

int RowOf(Stop stop) {
    if (stop.kind == StopKind::Tile) {
        return PaletteRowOf(stop.index);
    }
    return kTileRows + ReactionOfSlot(stop.index);
}

bool Valid(Stop stop) {
    const int count = stop.kind == StopKind::Tile ? kTileStops : kSlotStops;
    return stop.index >= 0 && stop.index < count;
}

}  // namespace

KeyboardPlay::KeyboardPlay(FormModel& model) : model_(model) {}

bool KeyboardPlay::Carrying() const {
    return carrying_ && model_.Dragging() && model_.DragSource() == carried_;
}

design::Rect KeyboardPlay::StopRect(Stop stop) const {
    // Every piece has the size of the first master.
    const Control& piece = model_.ImgMolecular(0);
    const Point at = stop.kind == StopKind::Tile ? PaletteCellPosition(model_, stop.index)
                                                 : SlotPosition(model_, stop.index, 0);
    return {at.Left, at.Top, piece.Width, piece.Height};
}

KeyboardPlay::Spot KeyboardPlay::Centre(Stop stop) const {
    const design::Rect r = StopRect(stop);
    return {r.left + r.width / 2, r.top + r.height / 2};
}

// What a pointer at the stop's centre would find: for a slot, its piece.
bool KeyboardPlay::HoldsPiece(Stop stop) const {
    const Spot at = Centre(stop);
    const std::optional<ControlRef> hit = model_.ControlAt(at.x, at.y);
    return hit && hit->name == ControlName::ImgMolecular;
}

std::optional<int> KeyboardPlay::BoxToReach() const {
    if (Carrying()) {
        return std::nullopt;
    }
    const int from = focus_.kind == StopKind::Slot ? ReactionOfSlot(focus_.index) : 0;
    for (int i = 0; i < design::kReactions; ++i) {
        const int r = (from + i) % design::kReactions;
        for (const std::int16_t j : ReactionBoxes(r)) {
            if (model_.tCoefficient(j).Visible) {
                return j;
            }
        }
    }
    return std::nullopt;
}

Stop KeyboardPlay::FirstEmptySlot() const {
    for (std::int16_t s = 0; s < kSlotStops; ++s) {
        if (!HoldsPiece({StopKind::Slot, s})) {
            return {StopKind::Slot, s};
        }
    }
    return {StopKind::Slot, 0};
}

// The stop in `row` whose centre lies nearest to x; of two equally near,
// the left one.
std::optional<Stop> KeyboardPlay::NearestInRow(int row, Twips x) const {
    std::optional<Stop> best;
    Twips bestDistance = 0;
    for (int n = 0; n < kStops; ++n) {
        const Stop stop = StopOfNumber(n);
        if (RowOf(stop) != row) {
            continue;
        }
        const Twips distance = std::abs(Centre(stop).x - x);
        if (!best || distance < bestDistance) {
            best = stop;
            bestDistance = distance;
        }
    }
    return best;
}

// Where a focus key leads from the focused stop, if anywhere.  While a tile
// is carried only the slots are stops, and Tab goes round them, so that the
// focus cannot leave the board with a tile in hand.
std::optional<Stop> KeyboardPlay::Step(BoardKey key) const {
    const bool carrying = Carrying();
    const int firstRow = carrying ? kTileRows : 0;
    const int first = carrying ? kTileStops : 0;
    const int here = StopNumber(focus_);

    auto walk = [&](int direction, bool round) -> std::optional<Stop> {
        int n = here;
        for (int k = 0; k < kStops; ++k) {
            n += direction;
            if (n < 0 || n >= kStops) {
                if (!round) {
                    return std::nullopt;
                }
                n = (n + kStops) % kStops;
            }
            if (n >= first) {
                return StopOfNumber(n);
            }
        }
        return std::nullopt;
    };

    switch (key) {
        case BoardKey::Next:
            return walk(+1, carrying);
        case BoardKey::Previous:
            return walk(-1, carrying);
        case BoardKey::Right:
            return walk(+1, false);
        case BoardKey::Left:
            return walk(-1, false);
        case BoardKey::Up:
        case BoardKey::Down: {
            const int row = RowOf(focus_) + (key == BoardKey::Up ? -1 : +1);
            if (row < firstRow || row >= kRows) {
                return std::nullopt;
            }
            return NearestInRow(row, Centre(focus_).x);
        }
        default:
            return std::nullopt;
    }
}

void KeyboardPlay::EndCarry(KeyboardChange& change) {
    model_.InterruptDrag();
    carrying_ = false;
    change.carryChanged = true;
    change.boardChanged = true;
    MoveFocus(origin_, change);
}

void KeyboardPlay::MoveFocus(Stop stop, KeyboardChange& change) {
    if (!(stop == focus_)) {
        focus_ = stop;
        change.focusMoved = true;
    }
    if (Carrying()) {
        const Spot at = Centre(focus_);
        model_.MouseMove(at.x, at.y);
        change.boardChanged = true;
    }
}

// The press on the focused tile; when it started a drag, the tile is
// carried to the first empty slot.
bool KeyboardPlay::PickUp(KeyboardChange& change) {
    const Spot at = Centre(focus_);
    model_.MouseDown(at.x, at.y, MouseButton::Left);
    change.boardChanged = true;
    if (!model_.Dragging()) {
        return true;
    }
    carrying_ = true;
    carried_ = model_.DragSource();
    origin_ = focus_;
    change.carryChanged = true;
    MoveFocus(FirstEmptySlot(), change);
    return true;
}

// The release of the carried tile at the focused stop.
void KeyboardPlay::PutDown(KeyboardChange& change) {
    const Spot at = Centre(focus_);
    model_.MouseUp(at.x, at.y, MouseButton::Left);
    carrying_ = false;
    change.carryChanged = true;
    change.boardChanged = true;
}

// The mouse's double click on the focused slot's piece: press, release, the
// second press (which the dispatcher follows with the double click),
// release.  Nothing while a drag is under way or the slot is empty.
bool KeyboardPlay::RemoveFocused(KeyboardChange& change) {
    if (model_.Dragging() || focus_.kind != StopKind::Slot || !HoldsPiece(focus_)) {
        return false;
    }
    const Spot at = Centre(focus_);
    model_.MouseDown(at.x, at.y, MouseButton::Left);
    model_.MouseUp(at.x, at.y, MouseButton::Left);
    model_.DblClick(at.x, at.y, MouseButton::Left);
    model_.MouseUp(at.x, at.y, MouseButton::Left);
    change.boardChanged = true;
    return true;
}

bool KeyboardPlay::Do(BoardKey key, KeyboardChange& change) {
    const bool carrying = Carrying();
    // A drag of the mouse's (or a finger's) is under way: the keys may move
    // the focus, but send the dispatcher nothing that would end that drag.
    const bool pointerDrag = model_.Dragging() && !carrying;
    carrying_ = carrying;

    switch (key) {
        case BoardKey::Activate:
            if (pointerDrag) {
                return false;
            }
            if (!carrying) {
                return focus_.kind == StopKind::Tile && PickUp(change);
            }
            PutDown(change);
            return true;
        case BoardKey::Cancel:
            if (!carrying) {
                return false;
            }
            EndCarry(change);
            return true;
        case BoardKey::Remove:
            return RemoveFocused(change);
        default: {
            const std::optional<Stop> to = Step(key);
            if (!to) {
                return false;
            }
            MoveFocus(*to, change);
            return true;
        }
    }
}

void KeyboardPlay::Notify(const KeyboardChange& change) {
    if (!change.focusMoved && !change.carryChanged && !change.boardChanged) {
        return;
    }
    for (const ChangeHook& hook : hooks_) {
        hook(change);
    }
}

bool KeyboardPlay::Press(BoardKey key) {
    KeyboardChange change;
    const bool used = Do(key, change);
    Notify(change);
    return used;
}

void KeyboardPlay::FocusOn(Stop stop) {
    if (!Valid(stop)) {
        return;
    }
    KeyboardChange change;
    MoveFocus(stop, change);
    Notify(change);
}

bool KeyboardPlay::Activate(Stop stop) {
    if (!Valid(stop)) {
        return false;
    }
    KeyboardChange change;
    MoveFocus(stop, change);
    const bool used = Do(BoardKey::Activate, change);
    Notify(change);
    return used;
}

bool KeyboardPlay::AdmitPointer(PointerEvent event) {
    if (!carrying_) {
        return true;
    }
    if (!Carrying()) {
        carrying_ = false;  // the carry ended elsewhere (an interrupted drag)
        return true;
    }
    if (event == PointerEvent::Move || event == PointerEvent::Release) {
        return false;
    }
    KeyboardChange change;
    EndCarry(change);
    Notify(change);
    return true;
}

}  // namespace alkynes
