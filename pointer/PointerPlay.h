// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every pointer event on its way to the model's dispatcher, and placing a
// tile without dragging it.
//
// Mouse and touch events come here first, then past the keyboard play
// (which keeps them from a tile it carries), then to the dispatcher.  Most
// go straight on.  A student who cannot hold a button down and move at the
// same time places tiles with two clicks or two taps instead: the first on
// a palette tile picks it up and holds it, the second puts it down.  That
// is no second set of rules: a hold is the mouse's own drag in the model
// whose release was kept back.
//
//  * A press on a palette tile from a device that places (a finger, or the
//    mouse when the student asked for click-to-place) goes on as ever: the
//    drag starts.  If the button (or finger) comes up again without having
//    moved as far as the toolkit's drag distance, that was a click: the
//    release is kept back, and the tile is held.  Moved farther, it was a
//    drag, and the release drops the tile as ever.
//  * While a tile is held, pointer moves go on (the tile follows a mouse
//    pointer).  The next press, from any device, is kept back; the tile is
//    moved to it instead, as a pointer there would move it.  Its release
//    goes on, and is the drop: a blank takes the tile (its occupant goes
//    back to the palette), a placed piece is replaced, anything else sends
//    the tile back.
//  * Whatever ends the model's drag meanwhile (a lost grab, a modal window,
//    Escape, a menu command: the toolkit's interrupted drag, a drop on the
//    bare window) ends the hold: the tile goes back to the palette.
//  * A click on a placed piece starts no drag and is no hold, so a double
//    click or double tap on it removes it as before.  Without click-to-place
//    a mouse click means what it always meant.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "keyboard/KeyboardPlay.h"
#include "model/Controls.h"
#include "model/FormModel.h"

namespace alkynes {

// One pointer event as the toolkit layer hands it on.
struct PointerInput {
    PointerEvent event = PointerEvent::Move;
    Twips x = 0;  // window twips
    Twips y = 0;
    MouseButton button = MouseButton::Left;
    // Whether a button (or a finger) is down: for a move, from which a drag
    // that lost its release can be told.
    bool buttonsDown = false;
    // Whether the device places without dragging: a finger, or the mouse
    // with click-to-place.
    bool places = false;
};

// What one operation of PointerPlay changed.
struct PointerChange {
    bool holdChanged = false;   // a tile was taken into hold, or the hold ended
    bool boardChanged = false;  // events went to the dispatcher
};

class PointerPlay {
  public:
    // Until told otherwise, a click is what stays within 10 pixels at 96 dpi.
    static constexpr Twips kDefaultClickDistance = 150;

    PointerPlay(FormModel& model, KeyboardPlay& keys);

    PointerPlay(const PointerPlay&) = delete;
    PointerPlay& operator=(const PointerPlay&) = delete;

    // How far (the sum of the horizontal and vertical distance, in window
    // twips) a pointer must move from its press before its release is a
    // drag's and no longer a click's: the toolkit's drag distance.
    void SetClickDistance(Twips distance) { clickDistance_ = distance; }

    // Hands one pointer event on; false when it reached neither the model
    // nor the hold.
    bool Deliver(const PointerInput& input);

    // Ends the drag under way, if any, as the toolkit ends one it lost: a
    // drop on the bare window.  A held tile goes back to the palette.
    void Interrupt();

    // True while a tile picked up by a click or a tap is held, waiting for
    // the click or tap that puts it down.
    bool Holding() const;
    // The piece held, while Holding().
    std::optional<std::int16_t> HeldPiece() const;

    // Called after every operation above that changed something, in the
    // order of subscription.
    using ChangeHook = std::function<void(const PointerChange&)>;
    void Subscribe(ChangeHook hook) { hooks_.push_back(std::move(hook)); }

  private:
    enum class Phase : std::uint8_t {
        None,         // no pick-up of ours under way
        PickingUp,    // a placing press started the drag; its release decides
        Held,         // the pick-up's release was kept back
        PuttingDown,  // the next press was kept back; its release drops
    };
    bool Ours() const;
    void Play(const PointerInput& input);
    void Pass(const PointerInput& input);        // to the model as it comes
    void PlayUnheld(const PointerInput& input);  // Phase::None
    void PlayPickingUp(const PointerInput& input);
    void Notify(bool heldBefore, bool delivered);

    FormModel& model_;
    KeyboardPlay& keys_;
    Twips clickDistance_ = kDefaultClickDistance;
    Phase phase_ = Phase::None;
    ControlRef piece_{ControlName::ImgMolecular, 0};  // the piece picked up
    Twips pressX_ = 0;                                // where its press was
    Twips pressY_ = 0;
    bool movedPast_ = false;  // the pointer went past the click distance
    std::vector<ChangeHook> hooks_;
};

}  // namespace alkynes
