// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a student who cannot see the board hears of it: the names of its
// objects as they are now, and one sentence for whatever changed since it
// was last asked.
//
// The narrator watches the board as the screen shows it.  It compares what
// it sees with what it saw last time: a tile taken up ("Κρατάτε: Ca C 2",
// then where the focus went with it), slots that got or lost a piece (each
// read by its new name), pieces that went back to the palette, boxes that
// appeared or went away.  A check or a restart, which it hears from the
// window's logic, is told as such instead of as the many changes it makes.
// Every input (mouse, keys, assistive technology) is told the same way,
// since only what the board shows is compared.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/Check.h"
#include "form1/Form1.h"
#include "keyboard/KeyboardPlay.h"
#include "speech/Sentences.h"
#include "speech/Vocabulary.h"

namespace alkynes::speech {

// What the board shows that speech tells about, at one moment.
struct Scene {
    std::array<std::int16_t, kSlots> slotPieces{};  // the piece in each slot, or kEmpty
    std::array<bool, design::kReactions> boxesShown{};
    std::int16_t carried = kEmpty;  // the piece being dragged (from the palette), or kEmpty
    Stop focus;                     // the keyboard's stop on the board
};

class Narrator {
  public:
    // Reads the board and the controls from `logic` and the focus and the
    // carry from `keys`; hears the checks and restarts of `logic`.  Both
    // must outlive the narrator's use (a narrator gone first is no longer
    // told of checks).
    Narrator(Form1& logic, const KeyboardPlay& keys, Vocabulary words);

    Narrator(const Narrator&) = delete;
    Narrator& operator=(const Narrator&) = delete;

    const Vocabulary& Words() const { return words_; }

    // --- The names of the board's objects, as they are now ----------------
    std::int16_t CompoundAtCell(int cell) const;
    std::string TileName(int cell) const;
    std::string SlotName(int slot) const;
    std::string StopName(Stop stop) const;
    // All a screen reader reads of a stop as the focus reaches it: its name
    // and, for a slot, its equation.
    std::string StopRead(Stop stop) const;
    std::string EquationName(int r) const;
    // What a slot adds after its name: its equation as it reads now, which
    // a sighted student sees around it while choosing a compound.
    std::string SlotDescription(int slot) const { return EquationName(ReactionOfSlot(slot)); }
    std::string BadgeName() const;
    std::string MethodName(int label) const;
    // A tile that offers a piece, a slot that holds one.
    bool HoldsPiece(Stop stop) const { return keys_.HoldsPiece(stop); }

    // --- What is said -----------------------------------------------------

    // The board has taken the keyboard's focus.  The first time, the next
    // sentence names the focused stop and teaches the keys.
    void FocusArrived() { hintDue_ = !hinted_; }

    // The key to the coefficient boxes was pressed while none shows: the
    // next sentence says why nothing happened.
    void NoBoxesToReach() { noBoxes_ = true; }

    // One sentence for everything that changed since the last call (empty
    // when nothing is to be said).  `boardFocused`: the board has the
    // keyboard's focus, so that a sentence that moved it or gave it back
    // (a pick-up, a check, a restart) ends with the focused stop as it is
    // read (the sentence is said over the screen reader's own reading).
    std::string Update(bool boardFocused);

  private:
    struct Heard {
        std::optional<CheckOutcome> check;
        bool restart = false;
    };

    Scene Look() const;
    std::string Changes(const Scene& was, const Scene& is, bool boardFocused) const;

    const Form1& logic_;
    const KeyboardPlay& keys_;
    Vocabulary words_;
    // Filled by the logic's hooks, which may outlive the narrator.
    std::shared_ptr<Heard> heard_;
    Scene scene_;
    bool hintDue_ = false;
    bool hinted_ = false;
    bool noBoxes_ = false;
};

}  // namespace alkynes::speech
