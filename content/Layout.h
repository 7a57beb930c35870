// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What each picture of the exercise shows, as data.
//
// Every compound tile and every reaction picture is one PictureContent: a
// list of elements with their places as fractions of the picture's width
// and height.  The painter (Pictures.cpp) draws exactly these elements, and
// the rest of the window relies on the places: pieces snapped into a slot
// must cover its slot box, and each coefficient text box must lie on its
// dashed coefficient place.
#pragma once

#include <QSizeF>

#include <vector>

#include "content/Formula.h"
#include "model/Controls.h"

namespace alkynes::content {

// A range of a picture's width or height: 0 is the left or top edge, 1 the
// right or bottom edge.
struct Span {
    double from = 0;
    double to = 0;

    double Mid() const { return (from + to) / 2; }
    double Length() const { return to - from; }
};

enum class ElementKind : std::uint8_t {
    Background,        // the yellow rounded strip behind an equation
    Tile,              // green tile: a compound with its formula, or an empty slot box
    CoefficientPlace,  // empty rounded rectangle with a dashed outline
    Text,              // a printed formula, a "+" or an annotation of the arrow
    Arrow,             // the reaction arrow, pointing right
};

// How a text stands on its horizontal span.
enum class TextAnchor : std::uint8_t {
    LeftEnd,  // the text begins at x.from (x.to is unused)
    Centre,   // the text is centred on x, shrunk if it would not fit
};

struct Element {
    ElementKind kind = ElementKind::Text;
    Span x{};  // fractions of the picture's width
    Span y{};  // fractions of the picture's height; a text is centred on y
    Formula text{};
    double em = 0;  // size of the text, as a fraction of the picture's height
    TextAnchor anchor = TextAnchor::LeftEnd;
    int slot = -1;   // a slot box: its slot, 0 to 12
    int place = -1;  // a coefficient place: its order in the reaction, from 0
};

struct PictureContent {
    // The picture's proportions, as its shown size in twips.  The elements
    // are placed in fractions, so this only fixes the aspect ratio the
    // picture was drawn for (and so the roundness of its shapes).
    QSizeF units;
    std::vector<Element> elements;

    std::vector<const Element*> OfKind(ElementKind kind) const;
};

using ReactionLayout = PictureContent;

// The picture of compound k = 0..8, shown by ImgMolecular(k): one tile
// filling the picture, with the formula centred on it.
const PictureContent& LayoutOfCompound(int k);

// The picture of reaction r = 0..4, shown by ImgSyntactic(r).
const ReactionLayout& LayoutOfReaction(int r);

// The content a picture reference names, or nullptr for none, the drag
// icon (which is artwork, see Artwork.h) and indexes out of range.
const PictureContent* ContentOf(PictureRef picture);

// The formula of compound k, as the tile shows it.
const Formula& CompoundFormula(int k);

// Where the text of a text element or of a compound tile is set in a
// picture drawn at `size`, in that picture's coordinates: the pen starts at
// (left, baseline) and advances by width; em is the size it is drawn at,
// after any shrinking to fit.  The painter draws texts at exactly these
// places, and the tests use them to keep texts clear of their neighbours.
struct TextPlacement {
    double left = 0;
    double baseline = 0;
    double em = 0;
    double width = 0;
};
TextPlacement PlaceText(const Element& element, QSizeF size);

}  // namespace alkynes::content
