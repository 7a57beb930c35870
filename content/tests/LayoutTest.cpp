// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The description of the pictures: what each shows, where its blanks lie,
// and that the window's pieces and coefficient boxes land on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "content/Layout.h"
#include "model/Design.h"
#include "testing/Expected.h"

namespace alkynes::content {
namespace {

using design::ControlDesign;

struct Rect {
    double left, top, right, bottom;
    bool Contains(const Rect& r) const {
        return r.left >= left && r.right <= right && r.top >= top && r.bottom <= bottom;
    }
};

const ControlDesign& Control(ControlName name, int index) {
    for (const ControlDesign& c : design::Controls()) {
        if (c.name == name && c.index == index)
            return c;
    }
    throw std::out_of_range("no such control");
}

// An element's rectangle in window twips, with the reaction picture's
// placement from the window definition.
Rect InWindow(int reaction, const Element& e) {
    const ControlDesign& p = Control(ControlName::ImgSyntactic, reaction);
    return {p.left + e.x.from * p.width, p.top + e.y.from * p.height, p.left + e.x.to * p.width,
            p.top + e.y.to * p.height};
}

// The elements on the equation's line, left to right (the background and
// the arrow's annotations left out).
std::vector<const Element*> InReadingOrder(const ReactionLayout& layout) {
    std::vector<const Element*> line;
    for (const Element& e : layout.elements) {
        if (e.kind == ElementKind::Background ||
            (e.kind == ElementKind::Text && e.anchor == TextAnchor::Centre)) {
            continue;
        }
        line.push_back(&e);
    }
    std::stable_sort(line.begin(), line.end(),
                     [](const Element* a, const Element* b) { return a->x.from < b->x.from; });
    return line;
}

std::string Token(const Element& e) {
    switch (e.kind) {
        case ElementKind::CoefficientPlace:
            return "[c]";
        case ElementKind::Tile:
            return "[slot " + std::to_string(e.slot) + "]";
        case ElementKind::Arrow:
            return "→";
        default:
            return ToUnicode(e.text).toStdString();
    }
}

TEST(ReactionContent, EquationsReadAsTheExerciseWritesThem) {
    const std::array<std::string, 5> expected = {
        "[c] [slot 0] → [c] CH≡CH + [c] [slot 1]",
        "[c] [slot 2] + [c] H₂O → [c] CH≡CH + [c] [slot 3]",
        "[c] [slot 4] + [c] NaOH → [c] CH≡CH + [c] [slot 5] + [c] [slot 6]",
        "[c] [slot 7] + [c] NaOH → [c] CH₃C≡CH + [c] [slot 8] + [c] [slot 9]",
        "[c] [slot 10] + [c] NaOH → [c] CH₃C≡CCH₃ + [c] [slot 11] + [c] [slot 12]",
    };
    for (int r = 0; r < 5; ++r) {
        std::string read;
        for (const Element* e : InReadingOrder(LayoutOfReaction(r))) {
            read += (read.empty() ? "" : " ") + Token(*e);
        }
        EXPECT_EQ(read, expected[r]) << "reaction " << r;
    }
}

TEST(ReactionContent, ArrowConditionsStandAboveAndBelowTheArrow) {
    struct Conditions {
        const char* above;
        const char* below;
    };
    const std::array<Conditions, 5> expected = {{{"1200 ^oC", "ατμός"},
                                                 {"", ""},
                                                 {"αλκοολικό", "διάλυμα"},
                                                 {"αλκοολικό", "διάλυμα"},
                                                 {"αλκοολικό", "διάλυμα"}}};
    for (int r = 0; r < 5; ++r) {
        const ReactionLayout& layout = LayoutOfReaction(r);
        const Element& arrow = *layout.OfKind(ElementKind::Arrow).front();
        std::string above, below;
        for (const Element& e : layout.elements) {
            if (e.kind != ElementKind::Text || e.anchor != TextAnchor::Centre)
                continue;
            (e.y.to <= arrow.y.from ? above : below) = ToUnicode(e.text).toStdString();
            EXPECT_TRUE(e.y.to <= arrow.y.from || e.y.from >= arrow.y.to) << "on the arrow";
            EXPECT_DOUBLE_EQ(e.x.Mid(), arrow.x.Mid()) << "not centred on the arrow";
            // Smaller than the formulas, and no wider than the arrow.
            const TextPlacement t = PlaceText(e, layout.units);
            for (const Element* formula : InReadingOrder(layout)) {
                if (formula->kind == ElementKind::Text) {
                    EXPECT_LT(e.em, formula->em);
                }
            }
            EXPECT_LE(t.width, arrow.x.Length() * layout.units.width());
        }
        EXPECT_EQ(above, expected[r].above) << "reaction " << r;
        EXPECT_EQ(below, expected[r].below) << "reaction " << r;
    }
    // "1200" is a number, not atom counts; the "o" is a raised small letter.
    const Formula hot = ParseFormula(u"1200 ^oC");
    EXPECT_EQ(hot.runs, (std::vector<content::Run>{{RunKind::Normal, "1200 "},
                                                   {RunKind::Superscript, "o"},
                                                   {RunKind::Normal, "C"}}));
}

// The places of the elements, as fractions of the picture's width, left to
// right along the equation; a text has only its left end.
struct Expected {
    ElementKind kind;
    double from;
    double to;
};
constexpr ElementKind kPlace = ElementKind::CoefficientPlace;
constexpr ElementKind kSlot = ElementKind::Tile;
constexpr ElementKind kText = ElementKind::Text;
constexpr ElementKind kArrow = ElementKind::Arrow;

const std::vector<Expected> kReaction0 = {
    {kPlace, 0.019, 0.062}, {kSlot, 0.067, 0.253}, {kArrow, 0.358, 0.471}, {kPlace, 0.523, 0.567},
    {kText, 0.576, 0.576},  {kText, 0.720, 0.720}, {kPlace, 0.740, 0.783}, {kSlot, 0.787, 0.974}};
const std::vector<Expected> kReaction1 = {
    {kPlace, 0.019, 0.062}, {kSlot, 0.067, 0.253},  {kText, 0.259, 0.259},  {kPlace, 0.276, 0.320},
    {kText, 0.332, 0.332},  {kArrow, 0.400, 0.513}, {kPlace, 0.523, 0.567}, {kText, 0.576, 0.576},
    {kText, 0.720, 0.720},  {kPlace, 0.740, 0.783}, {kSlot, 0.787, 0.974}};
const std::vector<Expected> kReactions2To4 = {
    {kPlace, 0.015, 0.050}, {kSlot, 0.053, 0.201},  {kText, 0.205, 0.205},  {kPlace, 0.219, 0.254},
    {kText, 0.263, 0.263},  {kArrow, 0.317, 0.407}, {kPlace, 0.415, 0.449}, {kText, 0.456, 0.456},
    {kText, 0.570, 0.570},  {kPlace, 0.586, 0.621}, {kSlot, 0.624, 0.772},  {kText, 0.779, 0.779},
    {kPlace, 0.795, 0.830}, {kSlot, 0.833, 0.981}};

TEST(ReactionContent, ElementsLieAtTheirFractionsOfTheWidth) {
    for (int r = 0; r < 5; ++r) {
        const std::vector<Expected>& expected = r == 0   ? kReaction0
                                                : r == 1 ? kReaction1
                                                         : kReactions2To4;
        const std::vector<const Element*> line = InReadingOrder(LayoutOfReaction(r));
        ASSERT_EQ(line.size(), expected.size()) << "reaction " << r;
        for (std::size_t i = 0; i < line.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << "reaction " << r << " element " << i);
            EXPECT_EQ(line[i]->kind, expected[i].kind);
            // The fractions are given to three decimals.
            EXPECT_NEAR(line[i]->x.from, expected[i].from, 0.0006);
            if (line[i]->kind != kText) {
                EXPECT_NEAR(line[i]->x.to, expected[i].to, 0.0006);
            }
            if (line[i]->kind == kSlot) {
                EXPECT_DOUBLE_EQ(line[i]->y.from, 0.28);
                EXPECT_DOUBLE_EQ(line[i]->y.to, 0.65);
            }
            if (line[i]->kind == kPlace) {
                EXPECT_DOUBLE_EQ(line[i]->y.from, 0.30);
                EXPECT_DOUBLE_EQ(line[i]->y.to, 0.64);
            }
        }
    }
}

TEST(ReactionContent, BlanksHaveTheirShapes) {
    for (int r = 0; r < 5; ++r) {
        const QSizeF units = LayoutOfReaction(r).units;
        for (const Element* e : LayoutOfReaction(r).OfKind(kSlot)) {
            // About 2212 × 413 twips: a little smaller than a piece.
            EXPECT_NEAR(e->x.Length() * units.width(), 2212, 3);
            EXPECT_NEAR(e->y.Length() * units.height(), 413, 5);
        }
        for (const Element* e : LayoutOfReaction(r).OfKind(kPlace)) {
            const double w = e->x.Length() * units.width(), h = e->y.Length() * units.height();
            EXPECT_GT(w, h) << "a coefficient place is a little wider than high";
            EXPECT_LT(w, 1.6 * h);
        }
    }
}

TEST(ReactionContent, EachCoefficientBoxLiesOnItsDashedPlace) {
    std::map<int, std::vector<const ControlDesign*>> boxesOf;
    for (const ControlDesign& c : design::Controls()) {
        if (c.name != ControlName::tCoefficient)
            continue;
        int found = -1;
        for (int r = 0; r < 5; ++r) {
            const ControlDesign& p = Control(ControlName::ImgSyntactic, r);
            if (c.top >= p.top && c.top < p.top + p.height)
                found = r;
        }
        ASSERT_NE(found, -1) << "box " << c.index << " lies on no reaction";
        boxesOf[found].push_back(&c);
    }
    int checked = 0;
    for (auto& [r, boxes] : boxesOf) {
        std::sort(boxes.begin(), boxes.end(), [](auto* a, auto* b) { return a->left < b->left; });
        const auto places = LayoutOfReaction(r).OfKind(kPlace);
        ASSERT_EQ(places.size(), boxes.size()) << "reaction " << r;
        for (const Element* place : places) {
            const ControlDesign& box = *boxes.at(place->place);
            EXPECT_TRUE(InWindow(r, *place).Contains(
                {box.left, box.top, box.left + box.width, box.top + box.height}))
                << "box " << box.index << " off its place in reaction " << r;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 22);
}

TEST(ReactionContent, SnappedPiecesCoverTheirSlotBoxes) {
    // Where a piece lands in each slot (left edge in window twips); the
    // piece's top lies 35 twips above centring it on the picture.
    constexpr double kPieceWidth = 2235, kPieceHeight = 435;
    int checked = 0;
    for (int r = 0; r < 5; ++r) {
        const ControlDesign& p = Control(ControlName::ImgSyntactic, r);
        const double top = p.top + p.height / 2 - kPieceHeight / 2 - 35;
        const auto slotBoxes = LayoutOfReaction(r).OfKind(kSlot);
        const int first = r < 2 ? 2 * r : 3 * r - 2;
        for (std::size_t i = 0; i < slotBoxes.size(); ++i) {
            const Element& slot = *slotBoxes[i];
            EXPECT_EQ(slot.slot, first + static_cast<int>(i)) << "slotBoxes run left to right";
            const double left = testing::kSnapLeft[slot.slot];
            EXPECT_TRUE(Rect({left, top, left + kPieceWidth, top + kPieceHeight})
                            .Contains(InWindow(r, slot)))
                << "slot " << slot.slot;
            ++checked;
        }
        if (r >= 2) {
            // Window x 11880 divides the middle slot from the right one: it
            // falls between the middle slot box and the next place.
            const auto places = LayoutOfReaction(r).OfKind(kPlace);
            EXPECT_LT(InWindow(r, *slotBoxes[1]).right, 11880);
            EXPECT_GT(InWindow(r, *places.back()).left, 11880);
        }
    }
    EXPECT_EQ(checked, 13);
}

TEST(ReactionContent, PrintedTextsStayClearOfTheirNeighbours) {
    for (int r = 0; r < 5; ++r) {
        const ReactionLayout& layout = LayoutOfReaction(r);
        const std::vector<const Element*> line = InReadingOrder(layout);
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (line[i]->kind != kText)
                continue;
            const TextPlacement t = PlaceText(*line[i], layout.units);
            // At least a pixel (15 twips) of room before the next element.
            EXPECT_LT(t.left + t.width + 15, line[i + 1]->x.from * layout.units.width())
                << "reaction " << r << ": " << Token(*line[i]) << " runs into "
                << Token(*line[i + 1]);
        }
    }
}

}  // namespace
}  // namespace alkynes::content
