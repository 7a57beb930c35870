// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What must hold between the board and the window after every event,
// whatever the input was.  The randomized event test and the fuzz target of
// the window model both check these, through this one function, and report
// the first violation in words:
//
//  * every slot holds -1 or a piece 0 to 116, and no piece is in two slots;
//  * PaletteOrder is a permutation of the nine cells;
//  * the boxes of a reaction are visible exactly when it is filled, and
//    hidden boxes are empty;
//  * while a drag is under way, the dragged control is ImgMolecular(DragIndex)
//    and that piece is in no slot;
//  * all 117 pieces are loaded and visible; a piece in a slot sits exactly
//    at the slot's position, every other piece but the one being dragged
//    rests exactly at its compound's palette cell;
//  * no tile is stranded: a drag is under way only while something will
//    end it, a button (or finger) down, the keyboard's carry, or a tile
//    held for the click or tap that puts it down (DragOwnerViolation).
//
// Plain C++ without a test framework, so that a fuzz target can abort on it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "core/Board.h"
#include "core/Palette.h"
#include "drag/Placement.h"
#include "form1/Form1.h"
#include "model/Design.h"
#include "model/FormModel.h"

namespace alkynes::testing {

// The first broken invariant, described, or nothing when all hold.
inline std::optional<std::string> BoardViolation(const Form1& form) {
    const Board& board = form.State();
    const FormModel& model = form.Model();
    std::ostringstream out;

    std::array<int, design::kPieces> slotOf;
    slotOf.fill(-1);
    for (int s = 0; s < kSlots; ++s) {
        const int piece = board.Slots[static_cast<std::size_t>(s)].Piece;
        if (piece == kEmpty) {
            continue;
        }
        if (piece < 0 || piece >= design::kPieces) {
            out << "slot " << s << " holds " << piece;
            return out.str();
        }
        if (slotOf[static_cast<std::size_t>(piece)] != -1) {
            out << "piece " << piece << " is in slots " << slotOf[static_cast<std::size_t>(piece)]
                << " and " << s;
            return out.str();
        }
        slotOf[static_cast<std::size_t>(piece)] = s;
    }

    unsigned cells = 0;
    for (std::int16_t cell : board.PaletteOrder) {
        if (cell < 0 || cell >= kCompounds || (cells & (1u << cell)) != 0) {
            return "PaletteOrder is not a permutation";
        }
        cells |= 1u << cell;
    }

    for (std::int16_t r = 0; r < design::kReactions; ++r) {
        const bool filled = ReactionFilled(board, r);
        for (std::int16_t j : ReactionBoxes(r)) {
            const Control& box = model.tCoefficient(j);
            if (box.Visible != filled) {
                out << "box " << j << (box.Visible ? " is shown" : " is hidden")
                    << " while reaction " << r << (filled ? " is filled" : " is not filled");
                return out.str();
            }
            if (!box.Visible && !box.Text.empty()) {
                out << "hidden box " << j << " holds \"" << box.Text << "\"";
                return out.str();
            }
        }
    }

    const bool dragging = model.Dragging();
    const int dragged = dragging ? model.DragSource().index : -1;
    if (dragging) {
        if (model.DragSource() != ControlRef{ControlName::ImgMolecular, board.DragIndex}) {
            return "the dragged control is not ImgMolecular(DragIndex)";
        }
        if (dragged < 0 || dragged >= design::kPieces) {
            out << "the dragged piece " << dragged << " does not exist";
            return out.str();
        }
        if (slotOf[static_cast<std::size_t>(dragged)] != -1) {
            out << "the dragged piece " << dragged << " is in slot "
                << slotOf[static_cast<std::size_t>(dragged)];
            return out.str();
        }
    }

    if (model.PieceCount() != design::kPieces) {
        return "pieces are missing";
    }
    for (int p = 0; p < design::kPieces; ++p) {
        const Control& piece = model.ImgMolecular(p);
        if (!piece.Visible) {
            out << "piece " << p << " is hidden";
            return out.str();
        }
        const int s = slotOf[static_cast<std::size_t>(p)];
        if (s == -1 && p == dragged) {
            continue;
        }
        const Point at =
            s != -1
                ? SlotPosition(model, static_cast<std::int16_t>(s), static_cast<std::int16_t>(p))
                : PaletteCellPosition(model,
                                      board.PaletteOrder[static_cast<std::size_t>(CompoundOf(p))]);
        if (piece.Left != at.Left || piece.Top != at.Top) {
            out << "piece " << p << " lies at (" << piece.Left << ", " << piece.Top
                << ") instead of "
                << (s != -1 ? "its slot " + std::to_string(s) : std::string("its palette cell"))
                << " at (" << at.Left << ", " << at.Top << ")";
            return out.str();
        }
    }
    return std::nullopt;
}

// The drag under way, if any, has an owner: `buttonDown` (the last pointer
// event had a button or finger down), `carried` (the keyboard carries a
// tile) or `held` (a tile waits for the click or tap that puts it down).
inline std::optional<std::string> DragOwnerViolation(const FormModel& model, bool buttonDown,
                                                     bool carried, bool held) {
    if (model.Dragging() && !buttonDown && !carried && !held) {
        return "piece " + std::to_string(model.DragSource().index) +
               " is dragged with no button down, no carry and no hold";
    }
    if (carried && held) {
        return "a tile is both carried by the keyboard and held by the pointer";
    }
    return std::nullopt;
}

}  // namespace alkynes::testing
