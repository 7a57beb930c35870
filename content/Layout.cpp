// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Layout.h"

#include <algorithm>
#include <array>

#include "model/Design.h"

namespace alkynes::content {
namespace {

// A picture's proportions, as its shown size in twips.
constexpr QSizeF Units(design::Size shown) {
    return QSizeF(shown.width, shown.height);
}

// Text sizes, as fractions of the picture's height.
constexpr double kTileTextEm = 0.62;
constexpr double kFormulaEm = 0.235;
constexpr double kAnnotationEm = 0.16;
// A compound's formula keeps this far (in tile heights) from either end.
constexpr double kTileTextMargin = 0.32;

// The rows of every equation, as fractions of the picture's height.
constexpr Span kSlotRow{0.28, 0.65};
constexpr Span kPlaceRow{0.30, 0.64};
constexpr Span kTextRow = kSlotRow;  // printed formulas stand where pieces would
constexpr Span kArrowRow{0.405, 0.525};
constexpr Span kAboveArrow{0.19, 0.33};
constexpr Span kBelowArrow{0.60, 0.74};

// Writes down one equation from left to right.  Positions are given in
// twips from the picture's left edge at its shown size, the unit its
// places were measured in.
class EquationWriter {
  public:
    explicit EquationWriter(QSizeF units) {
        content_.units = units;
        content_.elements.push_back({.kind = ElementKind::Background, .x = {0, 1}, .y = {0, 1}});
    }

    EquationWriter& Place(double from, double to) {
        content_.elements.push_back({.kind = ElementKind::CoefficientPlace,
                                     .x = Across(from, to),
                                     .y = kPlaceRow,
                                     .place = places_++});
        return *this;
    }
    EquationWriter& Slot(double from, double to, int slot) {
        content_.elements.push_back(
            {.kind = ElementKind::Tile, .x = Across(from, to), .y = kSlotRow, .slot = slot});
        return *this;
    }
    EquationWriter& Text(double left, const char16_t* notation) {
        content_.elements.push_back({.kind = ElementKind::Text,
                                     .x = Across(left, left),
                                     .y = kTextRow,
                                     .text = ParseFormula(notation),
                                     .em = kFormulaEm});
        return *this;
    }
    EquationWriter& Plus(double left) { return Text(left, u"+"); }
    EquationWriter& Arrow(double from, double to, const char16_t* above = nullptr,
                          const char16_t* below = nullptr) {
        const Span x = Across(from, to);
        content_.elements.push_back({.kind = ElementKind::Arrow, .x = x, .y = kArrowRow});
        if (above != nullptr) {
            Annotate(x, kAboveArrow, above);
        }
        if (below != nullptr) {
            Annotate(x, kBelowArrow, below);
        }
        return *this;
    }

    PictureContent Done() { return std::move(content_); }

  private:
    Span Across(double from, double to) const {
        return {from / content_.units.width(), to / content_.units.width()};
    }
    void Annotate(Span x, Span y, const char16_t* notation) {
        content_.elements.push_back({.kind = ElementKind::Text,
                                     .x = x,
                                     .y = y,
                                     .text = ParseFormula(notation),
                                     .em = kAnnotationEm,
                                     .anchor = TextAnchor::Centre});
    }

    PictureContent content_;
    int places_ = 0;
};

constexpr const char16_t* kHot = u"1200 ^oC";
constexpr const char16_t* kSteam = u"ατμός";
constexpr const char16_t* kAlcoholic = u"αλκοολικό";
constexpr const char16_t* kSolution = u"διάλυμα";

std::array<PictureContent, design::kReactions> MakeReactions() {
    // Reactions 0 and 1 both give acetylene and a second product, which the
    // student places in the slot on the right.
    auto acetyleneAnd = [](EquationWriter& left, int rightSlot) {
        return left.Place(6200, 6717)
            .Text(6820, u"CH≡CH")
            .Plus(8528)
            .Place(8767, 9284)
            .Slot(9332, 11543, rightSlot)
            .Done();
    };
    // Reaction 0: pyrolysis of methane.
    EquationWriter r0(Units(design::kShortReactionSize));
    r0.Place(222, 740).Slot(788, 2999, 0).Arrow(4241, 5583, kHot, kSteam);
    // Reaction 1: hydrolysis of calcium carbide.
    EquationWriter r1(Units(design::kShortReactionSize));
    r1.Place(222, 740)
        .Slot(788, 2999, 2)
        .Plus(3071)
        .Place(3275, 3793)
        .Text(3936, u"H2O")
        .Arrow(4739, 6081);
    // Reactions 2 to 4: dehydrohalogenation with an alcoholic solution of
    // NaOH, giving acetylene, propyne and 2-butyne.
    auto dehydrohalogenation = [](int firstSlot, const char16_t* alkyne) {
        return EquationWriter(Units(design::kLongReactionSize))
            .Place(223, 741)
            .Slot(789, 3002, firstSlot)
            .Plus(3075)
            .Place(3279, 3798)
            .Text(3941, u"NaOH")
            .Arrow(4745, 6089, kAlcoholic, kSolution)
            .Place(6208, 6726)
            .Text(6829, alkyne)
            .Plus(8539)
            .Place(8779, 9297)
            .Slot(9345, 11559, firstSlot + 1)
            .Plus(11669)
            .Place(11909, 12427)
            .Slot(12475, 14688, firstSlot + 2)
            .Done();
    };
    return {acetyleneAnd(r0, 1), acetyleneAnd(r1, 3), dehydrohalogenation(4, u"CH≡CH"),
            dehydrohalogenation(7, u"CH3C≡CH"), dehydrohalogenation(10, u"CH3C≡CCH3")};
}

std::array<PictureContent, design::kMasterPieces> MakeCompounds() {
    std::array<PictureContent, design::kMasterPieces> compounds;
    for (std::size_t k = 0; k < compounds.size(); ++k) {
        const QString formula = QString::fromLatin1(design::kCompoundFormulas[k]);
        compounds[k].units = Units(design::kPieceSize);
        compounds[k].elements.push_back({.kind = ElementKind::Tile,
                                         .x = {0, 1},
                                         .y = {0, 1},
                                         .text = ParseFormula(formula),
                                         .em = kTileTextEm,
                                         .anchor = TextAnchor::Centre});
    }
    return compounds;
}

const std::array<PictureContent, design::kReactions>& Reactions() {
    static const std::array<PictureContent, design::kReactions> reactions = MakeReactions();
    return reactions;
}

const std::array<PictureContent, design::kMasterPieces>& Compounds() {
    static const std::array<PictureContent, design::kMasterPieces> compounds = MakeCompounds();
    return compounds;
}

}  // namespace

std::vector<const Element*> PictureContent::OfKind(ElementKind kind) const {
    std::vector<const Element*> found;
    for (const Element& element : elements) {
        if (element.kind == kind) {
            found.push_back(&element);
        }
    }
    return found;
}

const PictureContent& LayoutOfCompound(int k) {
    return Compounds().at(static_cast<std::size_t>(k));
}

const ReactionLayout& LayoutOfReaction(int r) {
    return Reactions().at(static_cast<std::size_t>(r));
}

const PictureContent* ContentOf(PictureRef picture) {
    const int i = picture.index;
    switch (picture.kind) {
        case PictureKind::Compound:
            return i >= 0 && i < static_cast<int>(Compounds().size()) ? &Compounds()[i] : nullptr;
        case PictureKind::Reaction:
            return i >= 0 && i < static_cast<int>(Reactions().size()) ? &Reactions()[i] : nullptr;
        case PictureKind::None:
        case PictureKind::DragIcon:
            break;
    }
    return nullptr;
}

const Formula& CompoundFormula(int k) {
    return LayoutOfCompound(k).elements.front().text;
}

TextPlacement PlaceText(const Element& element, QSizeF size) {
    const FormulaShape shape = ShapeFormula(element.text);
    const double width = element.x.Length() * size.width();
    const double height = element.y.Length() * size.height();
    TextPlacement placement;
    placement.em = element.em * size.height();
    if (element.anchor == TextAnchor::Centre) {
        // A tile keeps its formula clear of its rounded ends.
        const double margin = element.kind == ElementKind::Tile ? kTileTextMargin * height : 0;
        const double room = width - 2 * margin;
        if (shape.advance * placement.em > room && shape.advance > 0) {
            placement.em = room / shape.advance;
        }
    }
    placement.width = shape.advance * placement.em;
    placement.left = element.anchor == TextAnchor::Centre
                         ? element.x.Mid() * size.width() - placement.width / 2
                         : element.x.from * size.width();
    placement.baseline = BaselineFor(shape, element.y.Mid() * size.height(), placement.em);
    return placement;
}

}  // namespace alkynes::content
