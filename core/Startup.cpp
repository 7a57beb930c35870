// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Startup.h"

#include <cmath>
#include <cstddef>
#include <span>

#include "core/AnswerKey.h"
#include "core/Palette.h"
#include "core/Random.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "model/Structure.h"

namespace alkynes {
namespace {

ControlRef Piece(int p) {
    return {ControlName::ImgMolecular, static_cast<std::int16_t>(p)};
}

}  // namespace

void InitBoard(Board& board, FormModel& form) {
    board.Slots = {};
    for (int r = 0; r < design::kReactions; ++r) {
        const ReactionKey& key = kAnswerKey[static_cast<std::size_t>(r)];
        const std::span<const std::int16_t> slots = SlotsOfReaction(r);
        for (std::size_t i = 0; i < slots.size(); ++i) {
            SlotEntry& slot = board.Slots[static_cast<std::size_t>(slots[i])];
            slot.Points = key.slotPoints;
            slot.Expected = key.compounds[i];
        }
    }
    for (int p = form.PieceCount(); p < design::kPieces; ++p) {
        form.LoadPiece(p);
        form.CopyPicture(Piece(p % kCompounds), Piece(p));
        form.ImgMolecular(p).Visible = true;
    }
    for (int p = design::kPieces - 1; p >= 0; --p) {
        form.BringToFront(Piece(p));
    }
}

void Restart(Board& board, FormModel& form, RandomSource& random) {
    for (SlotEntry& slot : board.Slots) {
        slot.Piece = kEmpty;
    }
    board.PaletteOrder.fill(-1);
    random.SeedFromClock();
    for (int k = 0; k < kCompounds; ++k) {
        std::int16_t x = 0;
        bool taken = true;
        while (taken) {
            x = static_cast<std::int16_t>(std::floor(9 * random.Next()));
            // A draw outside [0, 1) from a faulty source is drawn again.
            taken = x < 0 || x >= kCompounds;
            for (int earlier = 0; earlier < k; ++earlier) {
                taken = taken || board.PaletteOrder[static_cast<std::size_t>(earlier)] == x;
            }
        }
        board.PaletteOrder[static_cast<std::size_t>(k)] = x;
    }
    for (int p = 0; p < form.PieceCount(); ++p) {
        form.ImgMolecular(p).Visible = false;
    }
    for (int p = 0; p < form.PieceCount(); ++p) {
        PlaceInPalette(board, form, static_cast<std::int16_t>(p));
    }
    for (int p = 0; p < form.PieceCount(); ++p) {
        form.ImgMolecular(p).Visible = true;
    }
    form.LGrade().Visible = false;
    for (std::int16_t r = 0; r < design::kReactions; ++r) {
        HideCoefficients(form, r);
    }
    for (int m = 0; m < design::kMethodLabels; ++m) {
        form.Label1(m).Visible = false;
    }
}

}  // namespace alkynes
