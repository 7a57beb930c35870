// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Form1, the main window of the exercise, as plain C++: its controls (the
// FormModel), the board state, and every event handler of the window.  The
// Qt layer creates one Form1, forwards input to its model's dispatcher and
// paints what the model says.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/Board.h"
#include "core/Check.h"
#include "core/Random.h"
#include "model/FormModel.h"
#include "model/Menu.h"

namespace alkynes {

class Form1 : public FormEvents, public MenuEvents {
  public:
    // `random` is the shuffle's source; by default the clock-seeded one.
    explicit Form1(std::unique_ptr<RandomSource> random = nullptr);
    ~Form1() override;

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    FormModel& Model() { return model_; }
    const FormModel& Model() const { return model_; }
    Board& State() { return board_; }
    const Board& State() const { return board_; }

    // What closing the window does (the application ends); set by the
    // toolkit layer.
    void SetCloseRequest(std::function<void()> close) { close_ = std::move(close); }

    // What the information commands of the menu do (the help box, the
    // worksheet, the about window); set by the toolkit layer, which owns
    // those windows.
    struct InfoRequests {
        std::function<void()> help, sheet, about;
    };
    void SetInfoRequests(InfoRequests requests) { info_ = std::move(requests); }

    // Told after every check what it found, and after every restart (the
    // one of the window's load included), in the order of subscription:
    // for what is said about the board and for the learning record, which
    // the board itself knows nothing of.
    using CheckHook = std::function<void(const CheckOutcome&)>;
    using RestartHook = std::function<void()>;
    void SubscribeChecks(CheckHook hook) { checkHooks_.push_back(std::move(hook)); }
    void SubscribeRestarts(RestartHook hook) { restartHooks_.push_back(std::move(hook)); }

    // --- Window events -----------------------------------------------------
    void Form_Load();
    // Ends the application; nothing is saved and nothing is asked.
    void Form_Unload();

    // --- Menu commands -----------------------------------------------------
    void mnuHelp_Click() override;
    void mnuCheck_Click() override;
    void mnuRestart_Click() override;
    void mnuSheet_Click() override;
    void mnuAbout_Click() override;
    void mnuExit_Click() override;

    // The pointer and drag handlers, called by the model's dispatcher.  Each
    // hands its event to one rule of drag/ or coefficients/.

    // --- Pieces ------------------------------------------------------------
    void ImgMolecular_MouseDown(std::int16_t i, MouseButton button, Twips x, Twips y) override;
    void ImgMolecular_MouseMove(std::int16_t i, Twips x, Twips y) override;
    void ImgMolecular_MouseUp(std::int16_t i, MouseButton button, Twips x, Twips y) override;
    void ImgMolecular_DblClick(std::int16_t i) override;

    // --- Drag targets ------------------------------------------------------
    void ImgMolecular_DragOver(std::int16_t i, ControlRef source, Twips x, Twips y) override;
    void ImgMolecular_DragDrop(std::int16_t t, ControlRef source, Twips x, Twips y) override;
    void ImgSyntactic_DragOver(std::int16_t r, ControlRef source, Twips x, Twips y) override;
    void ImgSyntactic_DragDrop(std::int16_t r, ControlRef source, Twips x, Twips y) override;
    void tCoefficient_DragOver(std::int16_t j, ControlRef source, Twips x, Twips y) override;
    void tCoefficient_DragDrop(std::int16_t j, ControlRef source, Twips x, Twips y) override;
    void Label1_DragOver(std::int16_t i, ControlRef source, Twips x, Twips y) override;
    void Label1_DragDrop(std::int16_t i, ControlRef source, Twips x, Twips y) override;
    void Form_DragOver(ControlRef source, Twips x, Twips y) override;
    void Form_DragDrop(ControlRef source, Twips x, Twips y) override;

  private:
    FormModel model_;
    Board board_;
    std::unique_ptr<RandomSource> random_;
    std::function<void()> close_;
    InfoRequests info_;
    std::vector<CheckHook> checkHooks_;
    std::vector<RestartHook> restartHooks_;
};

}  // namespace alkynes
