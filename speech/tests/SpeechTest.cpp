// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a student hears, event by event: the exercise played through its
// dispatcher (keys and mouse), and the one sentence the narrator makes of
// each change.  The formulas are stand-ins ("K2" for compound 2); how the
// pictures spell them is the toolkit layer's to test.
#include <gtest/gtest.h>

#include <functional>
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

// The events of the table play on this fixture.
class Speech : public testing::FormFixture {
  public:
    using FormFixture::DoubleClick;
    using FormFixture::FillRight;
    using FormFixture::form;
    using FormFixture::Middle;
    using FormFixture::model;
    using FormFixture::Place;
    using FormFixture::SlotPiece;
    using FormFixture::SlotSpot;

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
    void Check() { form.mnuCheck_Click(); }

    KeyboardPlay keys{model()};
    Narrator narrator{form, keys, Words()};
};

struct SpokenCase {
    const char* what;
    std::function<void(Speech&)> before;  // said too, but not checked
    std::function<void(Speech&)> event;
    const char* said;
};

const SpokenCase kEvents[] = {
    {"a focus key alone: the screen reader reads the new stop", nullptr,
     [](Speech& t) { t.keys.Press(BoardKey::Next); }, ""},
    {"a pick-up: the tile carried and where the focus took it", nullptr,
     [](Speech& t) {
         t.keys.FocusOn(Tile(2));
         t.keys.Press(BoardKey::Activate);
     },
     "Κρατάτε: K2. Αντίδραση 1, θέση 1: κενή. κενό → P κενό +"},
    {"moving the carried tile: the screen reader reads each slot",
     [](Speech& t) { t.Carry(2, 0); }, [](Speech& t) { t.keys.Press(BoardKey::Next); }, ""},
    {"a drop", [](Speech& t) { t.Carry(2, 3); }, [](Speech& t) { t.keys.Press(BoardKey::Activate); },
     "Αντίδραση 2, θέση 2: K2"},
    {"a replacement: what went back", [](Speech& t) { t.Drop(5, 0); },
     [](Speech& t) { t.Drop(7, 0); }, "Αντίδραση 1, θέση 1: K7. Το K5 γύρισε στην παλέτα"},
    {"a carry given up", [](Speech& t) { t.Carry(2, 4); },
     [](Speech& t) { t.keys.Press(BoardKey::Cancel); }, "Το K2 γύρισε στην παλέτα"},
    {"a removal: an empty blank", [](Speech& t) { t.Drop(5, 4); },
     [](Speech& t) { t.keys.Press(BoardKey::Remove); },
     "Αντίδραση 3, θέση 1: κενή. Το K5 γύρισε στην παλέτα"},
    {"a mouse drop and a mouse double click, told as the keys are",
     [](Speech& t) { t.Place(8, 6); }, [](Speech& t) { t.DoubleClick(t.Middle(t.model().ImgMolecular(t.SlotPiece(6)))); },
     "Αντίδραση 3, θέση 3: κενή. Το K8 γύρισε στην παλέτα"},
    {"the last slot of a reaction: its boxes appear", [](Speech& t) { t.Drop(5, 0); },
     [](Speech& t) { t.Drop(7, 1); },
     "Αντίδραση 1, θέση 2: K7. Εμφανίστηκαν οι συντελεστές της αντίδρασης 1, με F6 πηγαίνετε "
     "σε αυτούς"},
    {"the key to the boxes while none shows", [](Speech&) {},
     [](Speech& t) { t.narrator.NoBoxesToReach(); },
     "Δεν υπάρχουν ακόμη συντελεστές: εμφανίζονται όταν γεμίσουν όλες οι θέσεις μιας αντίδρασης"},
    {"a slot of a full reaction emptied: its boxes go",
     [](Speech& t) { t.FillRight(1); },
     [](Speech& t) {
         t.keys.FocusOn(Slot(3));
         t.keys.Press(BoardKey::Remove);
     },
     "Αντίδραση 2, θέση 2: κενή. Το K6 γύρισε στην παλέτα. Κρύφτηκαν οι συντελεστές της "
     "αντίδρασης 2"},
    {"a restart: the board is new, and where the focus is",
     [](Speech& t) { t.Drop(5, 0); }, [](Speech& t) { t.form.mnuRestart_Click(); },
     "Απ' την αρχή: όλες οι θέσεις είναι κενές και οι ενώσεις άλλαξαν σειρά στην παλέτα. "
     "Αντίδραση 1, θέση 1: κενή. κενό → P κενό +"},
};

TEST_F(Speech, EveryEventIsOneSentence) {
    for (const SpokenCase& c : kEvents) {
        SCOPED_TRACE(c.what);
        form.mnuRestart_Click();
        keys.FocusOn(Tile(0));
        if (c.before) {
            c.before(*this);
        }
        narrator.Update(true);
        c.event(*this);
        EXPECT_EQ(narrator.Update(true), c.said);
        EXPECT_EQ(narrator.Update(true), "") << "said once";
    }
}

TEST_F(Speech, ACheckSaysTheGradeAndWhatItChanged) {
    FillRight(0);
    Type(0, {"2", "1", "3"});
    FillRight(1);
    Type(1, {"9", "9", "9", "9"});  // emptied by the check
    Place(0, 4);                    // wrong: back to the palette
    Place(kRightCompound[5], 5);
    narrator.Update(false);
    Check();
    const std::string grade = model().LGrade().Text;
    EXPECT_EQ(narrator.Update(false),
              "Βαθμός " + grade + ". Μία ένωση γύρισε στην παλέτα. Σβήστηκαν οι συντελεστές της "
              "αντίδρασης 2. Εμφανίστηκε το κείμενο για την αντίδραση 1: " + model().Label1(0).Text);

    Drop(kRightCompound[4], 4);  // the press hid the text; reaction 3 is short of a slot
    narrator.Update(true);
    Check();
    EXPECT_EQ(narrator.Update(true), "Βαθμός " + model().LGrade().Text +
                                         ". Καμία ένωση δεν γύρισε στην παλέτα. Εμφανίστηκε το "
                                         "κείμενο για την αντίδραση 1: " +
                                         model().Label1(0).Text + ". " +
                                         narrator.StopRead(keys.Focus()))
        << "the focus given back from the menu is said last";
}

TEST_F(Speech, ACheckSaysWhichMethodTextsWentAndWhoseCoefficientsWereEmptied) {
    CheckOutcome outcome;
    outcome.score = 40;
    for (const int r : {0, 2, 3}) {
        const auto i = static_cast<std::size_t>(r);
        outcome.filled[i] = true;
        const std::size_t box = static_cast<std::size_t>(ReactionBoxes(r).front());
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

TEST_F(Speech, TheKeysAreTaughtOnceWhenTheBoardFirstHasTheFocus) {
    keys.FocusOn(Tile(3));
    narrator.FocusArrived();
    EXPECT_EQ(narrator.Update(false), "") << "not while the focus is elsewhere";
    EXPECT_EQ(narrator.Update(true), std::string("K3. ") + kKeysHint);
    narrator.FocusArrived();
    EXPECT_EQ(narrator.Update(true), "");
}

TEST_F(Speech, NamesSayWhatTheBoardShowsNow) {
    EXPECT_EQ(narrator.TileName(4), "K4");
    EXPECT_EQ(narrator.EquationName(2), "κενό → P κενό + κενό +");
    Drop(6, 5);
    EXPECT_EQ(narrator.SlotName(5), "Αντίδραση 3, θέση 2: K6");
    EXPECT_EQ(narrator.EquationName(2), "κενό → P K6 + κενό +");
    EXPECT_EQ(narrator.SlotDescription(6), narrator.EquationName(2)) << "a blank reads its equation";
    EXPECT_EQ(BoxName(8), "Συντελεστής της θέσης 2 της αντίδρασης 3");
    EXPECT_EQ(BoxDescription(Words(), 8), "Μπροστά από: θέση 2");
    EXPECT_TRUE(narrator.HoldsPiece(Slot(5)));
    EXPECT_FALSE(narrator.HoldsPiece(Slot(4)));
}

}  // namespace
}  // namespace alkynes::speech
