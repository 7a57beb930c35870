// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/Narrator.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace alkynes::speech {
namespace {

bool Among(const std::array<std::int16_t, kSlots>& pieces, std::int16_t piece) {
    return std::find(pieces.begin(), pieces.end(), piece) != pieces.end();
}

std::int16_t CompoundOrEmpty(std::int16_t piece) {
    return piece == kEmpty ? kEmpty : CompoundOf(piece);
}

}  // namespace

Narrator::Narrator(Form1& logic, const KeyboardPlay& keys, Vocabulary words)
    : logic_(logic), keys_(keys), words_(std::move(words)), heard_(std::make_shared<Heard>()) {
    const std::weak_ptr<Heard> heard = heard_;
    logic.SubscribeChecks([heard](const CheckOutcome& outcome) {
        if (const auto h = heard.lock()) {
            h->check = outcome;
        }
    });
    logic.SubscribeRestarts([heard] {
        if (const auto h = heard.lock()) {
            h->restart = true;
        }
    });
    scene_ = Look();
}

Scene Narrator::Look() const {
    Scene scene;
    const Board& board = logic_.State();
    for (std::size_t s = 0; s < board.Slots.size(); ++s) {
        scene.slotPieces[s] = board.Slots[s].Piece;
    }
    const FormModel& model = logic_.Model();
    for (int r = 0; r < design::kReactions; ++r) {
        scene.boxesShown[static_cast<std::size_t>(r)] =
            model.tCoefficient(ReactionBoxes(r).front()).Visible;
    }
    if (model.Dragging() && model.DragSource().name == ControlName::ImgMolecular) {
        scene.carried = model.DragSource().index;
    }
    scene.focus = keys_.Focus();
    return scene;
}

// --- Names ---------------------------------------------------------------------

std::int16_t Narrator::CompoundAtCell(int cell) const {
    const auto& order = logic_.State().PaletteOrder;
    return static_cast<std::int16_t>(std::find(order.begin(), order.end(), cell) - order.begin());
}

std::string Narrator::TileName(int cell) const {
    return words_.formulas.at(static_cast<std::size_t>(CompoundAtCell(cell)));
}

std::string Narrator::SlotName(int slot) const {
    return speech::SlotName(
        words_, slot,
        CompoundOrEmpty(logic_.State().Slots.at(static_cast<std::size_t>(slot)).Piece));
}

std::string Narrator::StopName(Stop stop) const {
    return stop.kind == StopKind::Tile ? TileName(stop.index) : SlotName(stop.index);
}

std::string Narrator::StopRead(Stop stop) const {
    return stop.kind == StopKind::Tile ? TileName(stop.index)
                                       : Joined({SlotName(stop.index), SlotDescription(stop.index)});
}

std::string Narrator::EquationName(int r) const {
    SlotCompounds held{};
    const Board& board = logic_.State();
    for (std::size_t s = 0; s < held.size(); ++s) {
        held[s] = CompoundOrEmpty(board.Slots[s].Piece);
    }
    return speech::EquationName(words_, r, held);
}

std::string Narrator::BadgeName() const {
    return logic_.Model().LGrade().Text;
}

std::string Narrator::MethodName(int label) const {
    return logic_.Model().Label1(label).Text;
}

// --- What is said ----------------------------------------------------------------

std::string Narrator::Changes(const Scene& was, const Scene& is, bool boardFocused) const {
    std::vector<std::string> said;
    if (is.carried != kEmpty && is.carried != was.carried) {
        said.push_back(CarriedSentence(words_, CompoundOf(is.carried)));
        if (boardFocused && !(is.focus == was.focus)) {
            said.push_back(StopRead(is.focus));  // where the tile was carried to
        }
    }
    for (std::size_t s = 0; s < is.slotPieces.size(); ++s) {
        if (is.slotPieces[s] != was.slotPieces[s]) {
            said.push_back(speech::SlotName(words_, static_cast<int>(s),
                                            CompoundOrEmpty(is.slotPieces[s])));
        }
    }
    // Pieces that left the slots (taken out, replaced), and a tile carried
    // from the palette and put back there.  Only palette pieces are
    // dragged: a placed one goes back by a double click.
    for (const std::int16_t piece : was.slotPieces) {
        if (piece != kEmpty && !Among(is.slotPieces, piece)) {
            said.push_back(ReturnedSentence(words_, CompoundOf(piece)));
        }
    }
    if (was.carried != kEmpty && was.carried != is.carried && !Among(is.slotPieces, was.carried)) {
        said.push_back(ReturnedSentence(words_, CompoundOf(was.carried)));
    }
    for (std::size_t r = 0; r < is.boxesShown.size(); ++r) {
        if (is.boxesShown[r] != was.boxesShown[r]) {
            said.push_back(BoxesSentence(static_cast<int>(r), is.boxesShown[r]));
        }
    }
    return Joined(said);
}

std::string Narrator::Update(bool boardFocused) {
    const Scene now = Look();
    std::vector<std::string> said;
    if (heard_->check) {
        std::array<std::string, design::kMethodLabels> texts;
        for (int i = 0; i < design::kMethodLabels; ++i) {
            texts[static_cast<std::size_t>(i)] = MethodName(i);
        }
        said.push_back(CheckSentence(*heard_->check, texts));
    } else if (heard_->restart) {
        said.push_back(RestartSentence());
    } else {
        said.push_back(Changes(scene_, now, boardFocused));
    }
    if (std::exchange(noBoxes_, false)) {
        said.push_back(kNoBoxesYet);
    }
    const bool focusGivenBack = heard_->check || heard_->restart;
    *heard_ = {};
    scene_ = now;
    if (boardFocused && (focusGivenBack || hintDue_)) {
        said.push_back(StopRead(now.focus));
    }
    if (boardFocused && hintDue_) {
        said.push_back(kKeysHint);
        hinted_ = true;
        hintDue_ = false;
    }
    return Joined(said);
}

}  // namespace alkynes::speech
