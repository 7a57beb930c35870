// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pointer/PointerPlay.h"

#include <cmath>

namespace alkynes {

PointerPlay::PointerPlay(FormModel& model, KeyboardPlay& keys) : model_(model), keys_(keys) {}

// The model's drag is still the one our pick-up started: nothing ended it
// meanwhile.
bool PointerPlay::Ours() const {
    return phase_ != Phase::None && model_.Dragging() && model_.DragSource() == piece_;
}

bool PointerPlay::Holding() const {
    return (phase_ == Phase::Held || phase_ == Phase::PuttingDown) && Ours();
}

std::optional<std::int16_t> PointerPlay::HeldPiece() const {
    return Holding() ? std::optional<std::int16_t>(piece_.index) : std::nullopt;
}

bool PointerPlay::Deliver(const PointerInput& input) {
    const bool heldBefore = Holding();
    if (!Ours()) {
        phase_ = Phase::None;
    }
    if (!keys_.AdmitPointer(input.event)) {
        return false;  // a tile carried from the keyboard: not the pointer's to move
    }
    Play(input);
    Notify(heldBefore, true);
    return true;
}

void PointerPlay::Interrupt() {
    const bool heldBefore = Holding();
    const bool dragging = model_.Dragging();
    if (dragging) {
        model_.InterruptDrag();
    }
    phase_ = Phase::None;
    Notify(heldBefore, dragging);
}

void PointerPlay::Pass(const PointerInput& in) {
    switch (in.event) {
        case PointerEvent::Press:
            model_.MouseDown(in.x, in.y, in.button);
            break;
        case PointerEvent::Move:
            model_.MouseMove(in.x, in.y);
            break;
        case PointerEvent::Release:
            model_.MouseUp(in.x, in.y, in.button);
            break;
        case PointerEvent::DoubleClick:
            model_.DblClick(in.x, in.y, in.button);
            break;
    }
}

namespace {

bool IsPress(const PointerInput& in) {
    return in.event == PointerEvent::Press || in.event == PointerEvent::DoubleClick;
}

}  // namespace

void PointerPlay::PlayUnheld(const PointerInput& in) {
    const bool wasDragging = model_.Dragging();
    if (in.event == PointerEvent::Move && wasDragging && !in.buttonsDown) {
        // The release went somewhere else (a grab taken away, a window
        // that swallowed it): the drag cannot go on.
        model_.InterruptDrag();
    }
    Pass(in);
    if (IsPress(in) && in.places && !wasDragging && model_.Dragging()) {
        phase_ = Phase::PickingUp;
        piece_ = model_.DragSource();
        pressX_ = in.x;
        pressY_ = in.y;
        movedPast_ = false;
    }
}

void PointerPlay::PlayPickingUp(const PointerInput& in) {
    if (in.event == PointerEvent::Move || in.event == PointerEvent::Release) {
        movedPast_ =
            movedPast_ || std::abs(in.x - pressX_) + std::abs(in.y - pressY_) >= clickDistance_;
    }
    if (in.event == PointerEvent::Release && !movedPast_) {
        // A click: the release is kept back, and the tile comes to where
        // the pointer was lifted, as it will follow every move.
        phase_ = Phase::Held;
        model_.MouseMove(in.x, in.y);
        return;
    }
    if (in.event == PointerEvent::Move && !in.buttonsDown) {
        model_.InterruptDrag();  // the release went somewhere else
    }
    Pass(in);
}

void PointerPlay::Play(const PointerInput& in) {
    switch (phase_) {
        case Phase::None:
            PlayUnheld(in);
            break;
        case Phase::PickingUp:
            PlayPickingUp(in);
            break;
        case Phase::Held:
            if (IsPress(in)) {
                // Kept back: the tile comes under the press instead, and
                // this press's release puts it down.
                phase_ = Phase::PuttingDown;
                model_.MouseMove(in.x, in.y);
            } else if (in.event == PointerEvent::Move) {
                Pass(in);
            }
            // A release now belongs to the pick-up (another of its
            // buttons), and is kept back too.
            break;
        case Phase::PuttingDown:
            if (in.event == PointerEvent::Move && !in.buttonsDown) {
                // The putting-down press lost its release: the tile is
                // still held, and the next press puts it down.
                phase_ = Phase::Held;
            }
            Pass(in);
            break;
    }
    if (!Ours()) {
        phase_ = Phase::None;  // the drop, the edge or an interruption ended the drag
    }
}

void PointerPlay::Notify(bool heldBefore, bool delivered) {
    const PointerChange change{heldBefore != Holding(), delivered};
    if (!change.holdChanged && !change.boardChanged) {
        return;
    }
    for (const ChangeHook& hook : hooks_) {
        hook(change);
    }
}

}  // namespace alkynes
