// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/Sentences.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace alkynes::speech {
namespace {

constexpr char kEmptySlot[] = "κενή";
constexpr char kEmptyBlank[] = "κενό";

// Place of slot s in its reaction, from 0.
int PlaceOfSlot(int s) {
    const auto slots = SlotsOfReaction(ReactionOfSlot(s));
    return static_cast<int>(std::find(slots.begin(), slots.end(), s) - slots.begin());
}

// The reaction of coefficient box j and the box's place there, from 0.
std::pair<int, int> PlaceOfBox(int j) {
    for (int r = 0; r < design::kReactions; ++r) {
        const auto boxes = ReactionBoxes(r);
        const auto it = std::find(boxes.begin(), boxes.end(), j);
        if (it != boxes.end()) {
            return {r, static_cast<int>(it - boxes.begin())};
        }
    }
    return {0, 0};
}

const std::string& Formula(const Vocabulary& words, std::int16_t compound) {
    return words.formulas.at(static_cast<std::size_t>(compound));
}

// "1", "1 και 3", "1, 3 και 4": numbers as a student counts, from 1.
std::string Counted(const std::vector<int>& from0) {
    std::string said;
    for (std::size_t i = 0; i < from0.size(); ++i) {
        if (i > 0) {
            said += i + 1 == from0.size() ? " και " : ", ";
        }
        said += std::to_string(from0[i] + 1);
    }
    return said;
}

// "της αντίδρασης 2", "των αντιδράσεων 1 και 3".
std::string OfReactions(const std::vector<int>& reactions) {
    return (reactions.size() == 1 ? "της αντίδρασης " : "των αντιδράσεων ") + Counted(reactions);
}

// The reactions whose method text label i is: "την αντίδραση 1", "τις
// αντιδράσεις 3, 4 και 5".
std::string ForMethod(int label) {
    std::vector<int> reactions;
    for (int r = 0; r < design::kReactions; ++r) {
        if (MethodLabelOf(r) == label) {
            reactions.push_back(r);
        }
    }
    return (reactions.size() == 1 ? "την αντίδραση " : "τις αντιδράσεις ") + Counted(reactions);
}

// The reactions whose typed coefficients the check erased: judged wrong, or
// hidden with their reaction no longer filled.
std::vector<int> Emptied(const CheckOutcome& outcome) {
    std::vector<int> reactions;
    for (int r = 0; r < design::kReactions; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (outcome.filled[i] && outcome.coefficientsRight[i]) {
            continue;
        }
        const auto boxes = ReactionBoxes(r);
        if (std::any_of(boxes.begin(), boxes.end(), [&](std::int16_t j) {
                const auto b = static_cast<std::size_t>(j);
                return outcome.shown[b] && !outcome.typed[b].empty();
            })) {
            reactions.push_back(r);
        }
    }
    return reactions;
}

std::string Returned(const CheckOutcome& outcome) {
    int placed = 0;
    int returned = 0;
    for (std::size_t s = 0; s < outcome.placed.size(); ++s) {
        if (outcome.placed[s] != kEmpty) {
            ++placed;
            returned += outcome.kept[s] ? 0 : 1;
        }
    }
    if (returned == 1) {
        return "Μία ένωση γύρισε στην παλέτα";
    }
    if (returned > 1) {
        return std::to_string(returned) + " ενώσεις γύρισαν στην παλέτα";
    }
    return placed > 0 ? "Καμία ένωση δεν γύρισε στην παλέτα" : "";
}

}  // namespace

std::string SlotName(const Vocabulary& words, int slot, std::int16_t compound) {
    return "Αντίδραση " + std::to_string(ReactionOfSlot(slot) + 1) + ", θέση " +
           std::to_string(PlaceOfSlot(slot) + 1) + ": " +
           (compound == kEmpty ? std::string(kEmptySlot) : Formula(words, compound));
}

std::string EquationName(const Vocabulary& words, int r, const SlotCompounds& held) {
    std::string said;
    for (const Term& term : words.equations.at(static_cast<std::size_t>(r))) {
        std::string word;
        if (term.kind == Term::Kind::Text) {
            word = term.text;
        } else if (term.kind == Term::Kind::Blank) {
            const std::int16_t compound = held.at(static_cast<std::size_t>(term.index));
            word = compound == kEmpty ? kEmptyBlank : Formula(words, compound);
        }
        if (!word.empty()) {
            said += (said.empty() ? "" : " ") + word;
        }
    }
    return said;
}

std::string ReactionDescription(int r) {
    return "Αντίδραση " + std::to_string(r + 1);
}

std::string BoxName(int box) {
    const auto [r, n] = PlaceOfBox(box);
    return "Συντελεστής της θέσης " + std::to_string(n + 1) + " της αντίδρασης " +
           std::to_string(r + 1);
}

std::string BoxDescription(const Vocabulary& words, int box) {
    const auto [r, n] = PlaceOfBox(box);
    const std::vector<Term>& terms = words.equations.at(static_cast<std::size_t>(r));
    for (auto it = terms.begin(); it != terms.end(); ++it) {
        if (it->kind != Term::Kind::Coefficient || it->index != n || it + 1 == terms.end()) {
            continue;
        }
        const Term& next = *(it + 1);
        return "Μπροστά από: " + (next.kind == Term::Kind::Blank
                                      ? "θέση " + std::to_string(PlaceOfSlot(next.index) + 1)
                                      : next.text);
    }
    return {};
}

std::string CarriedSentence(const Vocabulary& words, std::int16_t compound) {
    return "Κρατάτε: " + Formula(words, compound);
}

std::string ReturnedSentence(const Vocabulary& words, std::int16_t compound) {
    return "Το " + Formula(words, compound) + " γύρισε στην παλέτα";
}

std::string BoxesSentence(int r, bool shown) {
    return shown ? "Εμφανίστηκαν οι συντελεστές " + OfReactions({r}) + ", με F6 πηγαίνετε σε αυτούς"
                 : "Κρύφτηκαν οι συντελεστές " + OfReactions({r});
}

std::string CheckSentence(const CheckOutcome& outcome,
                          const std::array<std::string, design::kMethodLabels>& methodTexts) {
    std::vector<std::string> said{"Βαθμός " + std::to_string(outcome.score) + "%",
                                  Returned(outcome)};
    if (const std::vector<int> emptied = Emptied(outcome); !emptied.empty()) {
        said.push_back("Σβήστηκαν οι συντελεστές " + OfReactions(emptied));
    }
    for (int i = 0; i < design::kMethodLabels; ++i) {
        const auto m = static_cast<std::size_t>(i);
        if (outcome.revealed[m] && !outcome.revealedBefore[m]) {
            said.push_back("Εμφανίστηκε το κείμενο για " + ForMethod(i) + ": " + methodTexts[m]);
        } else if (!outcome.revealed[m] && outcome.revealedBefore[m]) {
            said.push_back("Κρύφτηκε το κείμενο για " + ForMethod(i));
        }
    }
    return Joined(said);
}

std::string RestartSentence() {
    return "Απ' την αρχή: όλες οι θέσεις είναι κενές και οι ενώσεις άλλαξαν σειρά στην παλέτα";
}

std::string Joined(const std::vector<std::string>& sentences) {
    std::string said;
    for (const std::string& sentence : sentences) {
        if (sentence.empty()) {
            continue;
        }
        if (!said.empty()) {
            said += said.back() == '.' ? " " : ". ";
        }
        said += sentence;
    }
    return said;
}

}  // namespace alkynes::speech
