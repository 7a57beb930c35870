// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A loaded Form1 for tests that play the exercise through the window's
// dispatcher: presses, moves and releases in window twips, aimed at the
// controls from the model's own geometry.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Palette.h"
#include "form1/Form1.h"
#include "model/FormModel.h"
#include "testing/Aims.h"
#include "testing/Expected.h"
#include "testing/ScriptedRandom.h"

namespace alkynes::testing {

struct Spot {
    Twips x;
    Twips y;
};

// Compound k rests in cell k: the palette of the window layout's table.
inline const std::vector<int> kIdentityOrder{0, 1, 2, 3, 4, 5, 6, 7, 8};

inline ControlRef PieceRef(int p) {
    return {ControlName::ImgMolecular, static_cast<std::int16_t>(p)};
}

class FormFixture : public ::testing::Test {
  protected:
    explicit FormFixture(const std::vector<int>& cells = kIdentityOrder)
        : form(std::make_unique<ScriptedRandom>(ScriptedRandom::ForOrder(cells))) {
        form.Form_Load();
    }

    FormModel& model() { return form.Model(); }
    Board& board() { return form.State(); }
    std::int16_t SlotPiece(int s) { return board().Slots[static_cast<std::size_t>(s)].Piece; }

    // --- Input -----------------------------------------------------------
    void Press(Spot at, MouseButton b = MouseButton::Left) { model().MouseDown(at.x, at.y, b); }
    void Move(Spot to) { model().MouseMove(to.x, to.y); }
    void Release(Spot at, MouseButton b = MouseButton::Left) { model().MouseUp(at.x, at.y, b); }
    // A press, a move to `to` and the release there.
    void Drag(Spot from, Spot to, MouseButton b = MouseButton::Left) {
        Press(from, b);
        Move(to);
        Release(to, b);
    }
    // Both clicks of a double click at one spot.
    void DoubleClick(Spot at) {
        Press(at);
        Release(at);
        model().DblClick(at.x, at.y, MouseButton::Left);
        Release(at);
    }

    // --- Where things are -------------------------------------------------
    // The middle of a control.
    static Spot Middle(const Control& c) { return {c.Left + c.Width / 2, c.Top + c.Height / 2}; }

    // The palette cell of compound k, and its middle, where a press picks
    // up the compound's topmost resting piece.
    Point Cell(int k) {
        return PaletteCellPosition(model(), board().PaletteOrder[static_cast<std::size_t>(k)]);
    }
    Spot PaletteSpot(int k) {
        const Point at = Cell(k);
        const Control& p0 = model().ImgMolecular(0);
        return {at.Left + p0.Width / 2, at.Top + p0.Height / 2};
    }

    // A spot over the reaction picture of slot s whose horizontal position
    // chooses slot s, high enough to miss placed pieces and coefficient
    // boxes.
    Spot SlotSpot(int s) {
        return {SlotAimX(model(), s), model().ImgSyntactic(ReactionOfSlot(s)).Top + 100};
    }

    // Drags the topmost piece of compound k from the palette into slot s
    // and returns it.
    std::int16_t Place(int k, int s) {
        Press(PaletteSpot(k));
        const std::int16_t piece = board().DragIndex;
        Move(SlotSpot(s));
        Release(SlotSpot(s));
        return piece;
    }

    // Fills reaction r with its right compounds.
    void FillRight(int r) {
        for (std::int16_t s : SlotsOfReaction(r)) {
            Place(kRightCompound[s], s);
        }
    }

    // Every reaction filled with its right compounds and coefficients.
    void AnswerAllRight() {
        for (int r = 0; r < design::kReactions; ++r) {
            FillRight(r);
            Type(r, kRightCoefficients[static_cast<std::size_t>(r)]);
        }
    }

    void Type(int r, const std::vector<std::string>& texts) {
        const auto boxes = ReactionBoxes(r);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            model().tCoefficient(boxes[i]).Text = texts.at(i);
        }
    }

    std::vector<std::string> Texts(int r) {
        std::vector<std::string> texts;
        for (std::int16_t j : ReactionBoxes(r)) {
            texts.push_back(model().tCoefficient(j).Text);
        }
        return texts;
    }

    bool BoxesVisible(int r) {
        bool all = true;
        for (std::int16_t j : ReactionBoxes(r)) {
            all = all && model().tCoefficient(j).Visible;
        }
        return all;
    }
    bool BoxesHidden(int r) {
        bool none = true;
        for (std::int16_t j : ReactionBoxes(r)) {
            none = none && !model().tCoefficient(j).Visible;
        }
        return none;
    }

    // Piece p lies exactly at (left, top).
    ::testing::AssertionResult At(int p, Twips left, Twips top) {
        const Control& c = model().ImgMolecular(p);
        if (c.Left == left && c.Top == top) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "piece " << p << " lies at (" << c.Left << ", " << c.Top << "), not at (" << left
               << ", " << top << ")";
    }
    // Piece p rests exactly at its compound's palette cell.
    ::testing::AssertionResult AtCell(int p) {
        const Point at = Cell(p % kCompounds);
        return At(p, at.Left, at.Top);
    }

    // True when every slot is empty.
    bool NoSlotFilled() {
        for (const SlotEntry& slot : board().Slots) {
            if (slot.Piece != kEmpty) {
                return false;
            }
        }
        return true;
    }

    Form1 form;
};

}  // namespace alkynes::testing
