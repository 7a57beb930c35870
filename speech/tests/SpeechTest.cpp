// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a student hears, event by event: the exercise played through its
// dispatcher (keys and mouse), and the one sentence the narrator makes of
// each change.  The formulas are stand-ins ("K2" for compound 2); how the
// pictures spell them is the toolkit layer's to test.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "keyboard/KeyboardPlay.h"
#include "speech/Narrator.h"
#include "speech/Sentences.h"
#include "testing/FormFixture.h"

namespace alkynes::speech {
namespace {

using testing::kRightCompound;

// Each reaction read as its coefficient places and blanks, joined by "+",
// with one printed text after the arrow.
Vocabulary Words() {
    Vocabulary words;
    for (int k = 0; k < kCompounds; ++k) {
        words.formulas[static_cast<std::size_t>(k)] = "K" + std::to_string(k);
    }
    for (int r = 0; r < design::kReactions; ++r) {
        std::vector<Term>& terms = words.equations[static_cast<std::size_t>(r)];
        const auto slots = SlotsOfReaction(r);
        for (std::size_t n = 0; n < slots.size(); ++n) {
            terms.push_back({Term::Kind::Coefficient, {}, static_cast<std::int16_t>(n)});
            terms.push_back({Term::Kind::Blank, {}, slots[n]});
            terms.push_back({Term::Kind::Text, n == 0 ? "→ P" : "+", 0});
        }
    }
    return words;
}

Stop Tile(int cell) {
    return {StopKind::Tile, static_cast<std::int16_t>(cell)};
}
Stop Slot(int s) {
    return {StopKind::Slot, static_cast<std::int16_t>(s)};
}

class Speech;

struct SpokenCase {
    const char* what;
    std::function<void(Speech&)> before;  // said too, but not checked
    std::function<void(Speech&)> event;
    // What is said ("%G" the grade, "%M" the first method text, as shown),
    // and what the focused stop reads afterwards (null: not looked at).
    std::string said;
    const char* read = nullptr;
};
void PrintTo(const SpokenCase& c, std::ostream* os) {
    *os << c.what;
}

// Every case plays on a new window, compound k resting in cell k and the
// keyboard's focus on the first tile.
class Speech : public testing::FormFixture, public ::testing::WithParamInterface<SpokenCase> {
  public:
    static const std::vector<SpokenCase>& Events();

  protected:
    // Carries compound k (resting in cell k) to slot s from the keyboard.
    void Carry(int k, int s) {
        keys.FocusOn(Tile(k));
        keys.Press(BoardKey::Activate);
        keys.FocusOn(Slot(s));
    }
    void Drop(int k, int s) {
        Carry(k, s);
        keys.Press(BoardKey::Activate);
    }
    // Reaction 1 right; reaction 2 filled with wrong coefficients; a wrong
    // compound in reaction 3 and a right one beside it.
    void ReadyForACheck() {
        FillRight(0);
        Type(0, {"2", "1", "3"});
        FillRight(1);
        Type(1, {"9", "9", "9", "9"});
        Place(0, 4);
        Place(kRightCompound[5], 5);
    }

    KeyboardPlay keys{model()};
    Narrator narrator{form, keys, Words()};
};

const std::vector<SpokenCase>& Speech::Events() {
    static const std::vector<SpokenCase> events{
        {"a focus key: the screen reader reads the tile's name", nullptr,
         [](Speech& t) { t.keys.Press(BoardKey::Next); }, "", "K1"},
        {"or the blank's name and its equation", [](Speech& t) { t.keys.FocusOn(Tile(8)); },
         [](Speech& t) { t.keys.Press(BoardKey::Next); }, "",
         "Αντίδραση 1, θέση 1: κενή. κενό → P κενό +"},
        {"the board first has the focus: the stop and the keys, once it has it", nullptr,
         [](Speech& t) {
             t.narrator.FocusArrived();
             t.narrator.Update(false);
         },
         std::string("K0. ") + kKeysHint},
        {"a dialog closed: the screen reader reads the stop, the keys are not taught again",
         [](Speech& t) { t.narrator.FocusArrived(); }, [](Speech& t) { t.narrator.FocusArrived(); },
         "", "K0"},
        {"a pick-up: the tile carried and where the focus took it",
         [](Speech& t) { t.keys.FocusOn(Tile(2)); },
         [](Speech& t) { t.keys.Press(BoardKey::Activate); },
         "Κρατάτε: K2. Αντίδραση 1, θέση 1: κενή. κενό → P κενό +"},
        {"moving the carried tile: the screen reader reads each slot",
         [](Speech& t) { t.Carry(2, 0); }, [](Speech& t) { t.keys.Press(BoardKey::Next); }, ""},
        {"a drop, of a wrong compound", [](Speech& t) { t.Carry(2, 3); },
         [](Speech& t) { t.keys.Press(BoardKey::Activate); }, "Αντίδραση 2, θέση 2: K2",
         "Αντίδραση 2, θέση 2: K2. κενό → P K2 +"},
        {"a drop of a right one, said alike", [](Speech& t) { t.Carry(6, 3); },
         [](Speech& t) { t.keys.Press(BoardKey::Activate); }, "Αντίδραση 2, θέση 2: K6"},
        {"a replacement: what went back", [](Speech& t) { t.Drop(5, 0); },
         [](Speech& t) { t.Drop(7, 0); }, "Αντίδραση 1, θέση 1: K7. Το K5 γύρισε στην παλέτα"},
        {"a carry given up", [](Speech& t) { t.Carry(2, 4); },
         [](Speech& t) { t.keys.Press(BoardKey::Cancel); }, "Το K2 γύρισε στην παλέτα"},
        {"a removal: an empty blank", [](Speech& t) { t.Drop(5, 4); },
         [](Speech& t) { t.keys.Press(BoardKey::Remove); },
         "Αντίδραση 3, θέση 1: κενή. Το K5 γύρισε στην παλέτα"},
        {"a mouse drop and a mouse double click, told as the keys are",
         [](Speech& t) { t.Place(8, 6); },
         [](Speech& t) { t.DoubleClick(Middle(t.model().ImgMolecular(t.SlotPiece(6)))); },
         "Αντίδραση 3, θέση 3: κενή. Το K8 γύρισε στην παλέτα"},
        {"the last slot of a reaction: its boxes appear", [](Speech& t) { t.Drop(5, 0); },
         [](Speech& t) { t.Drop(7, 1); },
         "Αντίδραση 1, θέση 2: K7. Εμφανίστηκαν οι συντελεστές της αντίδρασης 1, με F6 "
         "πηγαίνετε σε αυτούς"},
        {"the key to the boxes while none shows: why nothing happened", nullptr,
         [](Speech& t) { t.narrator.NoBoxesToReach(); },
         "Δεν υπάρχουν ακόμη συντελεστές: εμφανίζονται όταν γεμίσουν όλες οι θέσεις μιας "
         "αντίδρασης"},
        {"a slot of a full reaction emptied: its boxes go", [](Speech& t) { t.FillRight(1); },
         [](Speech& t) {
             t.keys.FocusOn(Slot(3));
             t.keys.Press(BoardKey::Remove);
         },
         "Αντίδραση 2, θέση 2: κενή. Το K6 γύρισε στην παλέτα. Κρύφτηκαν οι συντελεστές της "
         "αντίδρασης 2"},
        {"a check: the grade, what it changed, then the focus given back from the menu",
         [](Speech& t) { t.ReadyForACheck(); }, [](Speech& t) { t.form.mnuCheck_Click(); },
         "Βαθμός %G. Μία ένωση γύρισε στην παλέτα. Σβήστηκαν οι συντελεστές της αντίδρασης 2. "
         "Εμφανίστηκε το κείμενο για την αντίδραση 1: %M. K0"},
        {"a check after a press hid the method text: it appears again",
         [](Speech& t) {
             t.ReadyForACheck();
             t.form.mnuCheck_Click();
             t.Drop(kRightCompound[4], 4);  // reaction 3 is still short of a slot
         },
         [](Speech& t) { t.form.mnuCheck_Click(); },
         "Βαθμός %G. Καμία ένωση δεν γύρισε στην παλέτα. Εμφανίστηκε το κείμενο για την "
         "αντίδραση 1: %M. Αντίδραση 3, θέση 1: K1. K1 → P K8 + κενό +"},
        {"a restart: the board is new, and where the focus is", [](Speech& t) { t.Drop(5, 0); },
         [](Speech& t) { t.form.mnuRestart_Click(); },
         "Απ' την αρχή: όλες οι θέσεις είναι κενές και οι ενώσεις άλλαξαν σειρά στην παλέτα. "
         "Αντίδραση 1, θέση 1: κενή. κενό → P κενό +"},
    };
    return events;
}

TEST_P(Speech, EveryEventIsOneSentence) {
    const SpokenCase& c = GetParam();
    keys.FocusOn(Tile(0));
    if (c.before) {
        c.before(*this);
    }
    narrator.Update(true);
    c.event(*this);
    std::string said = c.said;
    for (const auto& [mark, shown] :
         {std::pair{"%G", &model().LGrade()}, {"%M", &model().Label1(0)}}) {
        if (const std::size_t at = said.find(mark); at != std::string::npos) {
            said.replace(at, 2, shown->Text);
        }
    }
    EXPECT_EQ(narrator.Update(true), said);
    EXPECT_EQ(narrator.Update(true), "") << "said once";
    if (c.read != nullptr) {
        EXPECT_EQ(narrator.StopRead(keys.Focus()), c.read);
    }
}
INSTANTIATE_TEST_SUITE_P(Events, Speech, ::testing::ValuesIn(Speech::Events()));

TEST(Sentences, ACheckSaysWhichMethodTextsWentAndWhoseCoefficientsWereEmptied) {
    CheckOutcome outcome;
    outcome.score = 40;
    for (const int r : {0, 2, 3}) {
        const auto box = static_cast<std::size_t>(ReactionBoxes(r).front());
        outcome.filled[static_cast<std::size_t>(r)] = true;
        outcome.shown[box] = true;
        outcome.typed[box] = "7";
    }
    outcome.placed.fill(kEmpty);
    outcome.revealedBefore[2] = true;
    EXPECT_EQ(CheckSentence(outcome, {}),
              "Βαθμός 40%. Σβήστηκαν οι συντελεστές των αντιδράσεων 1, 3 και 4. Κρύφτηκε το "
              "κείμενο για τις αντιδράσεις 3, 4 και 5");
    CheckOutcome nothing;
    nothing.placed.fill(kEmpty);
    EXPECT_EQ(CheckSentence(nothing, {}), "Βαθμός 0%") << "nothing placed, nothing typed";
}

}  // namespace
}  // namespace alkynes::speech
