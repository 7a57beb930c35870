#include "core/Check.h"

#include <string>

#include "core/Palette.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

// Marks for correct coefficients of reactions 0 to 4.
constexpr std::int16_t kCoefficientMarks[5] = {6, 8, 10, 10, 10};

constexpr std::int16_t kFixedSlots[] = {0, 1, 2, 3, 4, 7, 10};

SlotEntry& Slot(Board& board, int s) {
    return board.Slots[static_cast<std::size_t>(s)];
}

void SendBack(Board& board, FormModel& form, int s) {
    PlaceInPalette(board, form, Slot(board, s).Piece);
    Slot(board, s).Piece = kEmpty;
}

}  // namespace

std::int16_t CheckAndGrade(Board& board, FormModel& form, const CoefficientJudge& judge) {
    std::int16_t score = 0;

    // Fixed slots: only their own compound is right.
    for (std::int16_t s : kFixedSlots) {
        const SlotEntry& slot = Slot(board, s);
        if (slot.Piece == kEmpty) {
            continue;
        }
        if (CompoundOf(slot.Piece) == slot.Expected) {
            score = static_cast<std::int16_t>(score + slot.Points);
        } else {
            SendBack(board, form, s);
        }
    }

    // The pairs of reactions 2 to 4 take their two compounds in either
    // order, but not one compound twice: the right one of a double goes.
    for (int r = 2; r <= 4; ++r) {
        const int a = 3 * r - 1;
        const int b = 3 * r;
        if (Slot(board, a).Piece != kEmpty && Slot(board, b).Piece != kEmpty &&
            CompoundOf(Slot(board, a).Piece) == CompoundOf(Slot(board, b).Piece)) {
            SendBack(board, form, b);
        }
    }
    // Strangers: a compound that is neither of the pair's two.
    for (int r = 2; r <= 4; ++r) {
        const int a = 3 * r - 1;
        const int b = 3 * r;
        for (int s : {a, b}) {
            const std::int16_t piece = Slot(board, s).Piece;
            if (piece != kEmpty && CompoundOf(piece) != Slot(board, a).Expected &&
                CompoundOf(piece) != Slot(board, b).Expected) {
                SendBack(board, form, s);
            }
        }
    }
    for (int r = 2; r <= 4; ++r) {
        for (int s : {3 * r - 1, 3 * r}) {
            if (Slot(board, s).Piece != kEmpty) {
                score = static_cast<std::int16_t>(score + Slot(board, s).Points);
            }
        }
    }

    // Coefficients, only of reactions whose compounds are now all right.
    // A method text stays visible only while its answer is right.
    for (std::int16_t r = 0; r <= 1; ++r) {
        if (!ReactionFilled(board, r)) {
            HideCoefficients(form, r);
            form.Label1(MethodLabelOf(r)).Visible = false;
        } else if (judge(r)) {
            score = static_cast<std::int16_t>(score + kCoefficientMarks[r]);
            form.Label1(MethodLabelOf(r)).Visible = true;
        } else {
            form.Label1(MethodLabelOf(r)).Visible = false;
        }
    }
    for (std::int16_t r = 2; r <= 4; ++r) {
        if (!ReactionFilled(board, r)) {
            HideCoefficients(form, r);
        } else if (judge(r)) {
            score = static_cast<std::int16_t>(score + kCoefficientMarks[r]);
        }
    }

    form.LGrade().Text = std::to_string(score) + "%";
    form.LGrade().Visible = true;

    // The third method needs all three of its reactions right.  Asking the
    // judge again gives the same answers: a right set is left as it was and
    // a wrong one has already been emptied.
    bool third = true;
    for (std::int16_t r = 2; r <= 4 && third; ++r) {
        third = ReactionFilled(board, r) && judge(r);
    }
    form.Label1(2).Visible = third;

    return score;
}

}  // namespace alkynes
