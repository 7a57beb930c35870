// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1/Form1.h"

#include "coefficients/CheckCoefficients.h"
#include "coefficients/DropOnBox.h"
#include "core/Check.h"
#include "core/Startup.h"
#include "drag/DragPiece.h"
#include "drag/Drops.h"
#include "drag/Placement.h"

namespace alkynes {

Form1::Form1(std::unique_ptr<RandomSource> random) : random_(std::move(random)) {
    if (!random_) {
        random_ = std::make_unique<ClockSeededRandom>();
    }
    model_.SetEvents(this);
}

Form1::~Form1() {
    model_.SetEvents(nullptr);
}

void Form1::Form_Load() {
    InitBoard(board_, model_);
    mnuRestart_Click();
}

void Form1::Form_Unload() {
    if (close_) {
        close_();
    }
}

namespace {
void Request(const std::function<void()>& request) {
    if (request) {
        request();
    }
}
}  // namespace

void Form1::mnuHelp_Click() { Request(info_.help); }
void Form1::mnuSheet_Click() { Request(info_.sheet); }
void Form1::mnuAbout_Click() { Request(info_.about); }

void Form1::mnuCheck_Click() {
    const CheckOutcome outcome = CheckAndGrade(
        board_, model_, [this](std::int16_t r) { return CheckCoefficients(model_, r); });
    for (const CheckHook& hook : checkHooks_) {
        hook(outcome);
    }
}

void Form1::mnuRestart_Click() {
    Restart(board_, model_, *random_);
    for (const RestartHook& hook : restartHooks_) {
        hook();
    }
}

void Form1::mnuExit_Click() {
    Form_Unload();
}

// --- Pieces ------------------------------------------------------------------

void Form1::ImgMolecular_MouseDown(std::int16_t i, MouseButton, Twips, Twips) {
    StartDrag(board_, model_, i);
}

void Form1::ImgMolecular_MouseMove(std::int16_t i, Twips, Twips) {
    ShowPieceToolTip(model_, i);
}

void Form1::ImgMolecular_MouseUp(std::int16_t i, MouseButton, Twips, Twips) {
    ReleasePiece(model_, i);
}

void Form1::ImgMolecular_DblClick(std::int16_t i) {
    RemovePiece(board_, model_, i);
}

// --- Drag targets ------------------------------------------------------------

void Form1::ImgMolecular_DragOver(std::int16_t i, ControlRef source, Twips x, Twips y) {
    FollowPointer(model_, ControlRef{ControlName::ImgMolecular, i}, source, x, y);
}

void Form1::ImgMolecular_DragDrop(std::int16_t t, ControlRef, Twips, Twips) {
    ReplacePiece(board_, model_, t);
}

void Form1::ImgSyntactic_DragOver(std::int16_t r, ControlRef source, Twips x, Twips y) {
    FollowPointer(model_, ControlRef{ControlName::ImgSyntactic, r}, source, x, y);
}

void Form1::ImgSyntactic_DragDrop(std::int16_t r, ControlRef, Twips x, Twips) {
    DropOnReaction(board_, model_, r, x);
}

void Form1::tCoefficient_DragOver(std::int16_t j, ControlRef source, Twips x, Twips y) {
    FollowPointerOverBox(model_, j, source, x, y);
}

void Form1::tCoefficient_DragDrop(std::int16_t j, ControlRef, Twips, Twips) {
    DropOnBox(board_, model_, j);
}

void Form1::Label1_DragOver(std::int16_t i, ControlRef source, Twips x, Twips y) {
    FollowPointer(model_, ControlRef{ControlName::Label1, i}, source, x, y);
}

void Form1::Label1_DragDrop(std::int16_t, ControlRef, Twips, Twips) {
    DropOnWindow(board_, model_);
}

void Form1::Form_DragOver(ControlRef source, Twips x, Twips y) {
    ReturnAtEdge(board_, model_, source, x, y);
}

void Form1::Form_DragDrop(ControlRef, Twips, Twips) {
    DropOnWindow(board_, model_);
}

}  // namespace alkynes
