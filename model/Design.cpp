// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/Design.h"

#include <iterator>

namespace alkynes::design {
namespace {

using enum ControlName;

constexpr const char* kMethodTexts[kMethodLabels] = {
    "Το ακετυλένιο παρασκευάζεται βιομηχανικά με πυρόλυση του μεθανίου στους 1200 βαθμούς "
    "Κελσίου",
    "Το ακετυλένιο παρασκευάζεται με υδρόλυση του ανθρακασβεστίου. Η μέθοδος αυτή πιο παλιά "
    "είχε βιομηχανικό ενδιαφέρον σήμερα όμως έχει μόνο εργαστηριακή εφαρμογή",
    "Το ακετυλένιο παρασκευάζεται με αφυδραλογόνωση 1,2-διχλωρο-αιθανίου με αλκοολικό διάλυμα "
    "NaOH ή KOH. Η μέθοδος αυτή μπορεί να εφαρμοστεί γενικότερα για την παρασκευή αλκινίων.",
};

// Where the elements of each control array lie, by index.  Within an array
// the controls share their size (the method labels and frames excepted).
struct Place {
    Twips left, top;
};

// The master pieces lie in the palette's rows (Structure.h), in columns
// that both rows share.
constexpr Twips kPieceColumns[kPaletteRows[0]] = {180, 2520, 4860, 7200, 9480};
constexpr Twips kPieceRowTops[std::size(kPaletteRows)] = {60, 540};

constexpr Place PiecePlace(int k) {
    const int row = PaletteRowOf(k);
    return {kPieceColumns[k - FirstCellOfRow(row)], kPieceRowTops[row]};
}

// clang-format off
constexpr Place kReactionPlaces[kReactions] = {
    {1560, 1380}, {1560, 3360}, {120, 5640}, {120, 6840}, {120, 8040},
};
constexpr Size kBoxSize{435, 330};
constexpr Place kBoxPlaces[kBoxes] = {
    {1860, 1740}, {7800, 1740}, {10380, 1740},                                // reaction 0
    {1800, 3720}, {4860, 3720}, {7800, 3720}, {10380, 3720},                  // reaction 1
    {360, 6000}, {3480, 6000}, {6360, 6000}, {8940, 6000}, {12060, 6000},     // reaction 2
    {360, 7200}, {3480, 7200}, {6360, 7200}, {8940, 7200}, {12060, 7200},     // reaction 3
    {360, 8400}, {3420, 8400}, {6360, 8400}, {8940, 8400}, {12060, 8400},     // reaction 4
};
// The frames all start at Left 60 and are 15135 wide.
constexpr Rect kFrameRects[kFrames] = {
    {60, 1260, 15135, 1875}, {60, 3240, 15135, 2175}, {60, 5520, 15135, 4395},
};
constexpr Rect kMethodRects[kMethodLabels] = {
    {180, 2700, 14895, 345}, {180, 4680, 14955, 585}, {180, 9300, 14595, 525},
};
// clang-format on

constexpr ControlDesign Row(ControlName name, int index, ControlKind kind, Rect r, bool visible,
                            const char* text, PictureRef picture = {}) {
    const auto i = static_cast<std::int16_t>(index);
    return {name, i, kind, r.left, r.top, r.width, r.height, visible, text, picture};
}

constexpr PictureRef Picture(PictureKind kind, int index) {
    return {kind, static_cast<std::int8_t>(index)};
}

constexpr ControlDesign Frame(int f) {
    return Row(Container, f, ControlKind::Shape, kFrameRects[f], true, "");
}

constexpr ControlDesign Method(int m) {
    return Row(Label1, m, ControlKind::Label, kMethodRects[m], false, kMethodTexts[m]);
}

constexpr ControlDesign Piece(int k) {
    const Place at = PiecePlace(k);
    return Row(ImgMolecular, k, ControlKind::Image,
               {at.left, at.top, kPieceSize.width, kPieceSize.height}, true, "",
               Picture(PictureKind::Compound, k));
}

constexpr ControlDesign Reaction(int r) {
    const Place at = kReactionPlaces[r];
    const Size size = ReactionSize(r);
    return Row(ImgSyntactic, r, ControlKind::Image, {at.left, at.top, size.width, size.height},
               true, "", Picture(PictureKind::Reaction, r));
}

constexpr ControlDesign Box(int j) {
    const Place at = kBoxPlaces[j];
    return Row(tCoefficient, j, ControlKind::TextBox,
               {at.left, at.top, kBoxSize.width, kBoxSize.height}, true, "1");
}

// clang-format off
constexpr ControlDesign kControls[] = {
    // The windowless controls, from the bottom of the stacking order up.
    Frame(1), Frame(2), Frame(0),
    Method(2), Method(0),
    Piece(0), Piece(1), Piece(2), Piece(3), Piece(4), Piece(5), Piece(6), Piece(7),
    Row(DropIcon, 0, ControlKind::Image, {14280, 780, 480, 480}, false, "",
        Picture(PictureKind::DragIcon, 0)),
    Row(LGrade, 0, ControlKind::Label, {13620, 300, 1305, 585}, true, "100%"),
    Piece(8),
    Reaction(1), Reaction(4), Reaction(3), Reaction(2), Reaction(0),
    Method(1),
    // Line1 runs from (0, 5460) to (11880, 5460).
    Row(Line1, 0, ControlKind::Line, {0, 5460, 11880, 0}, true, ""),

    // The coefficient boxes: child windows, above every windowless control.
    Box(0), Box(1), Box(2), Box(3), Box(4), Box(5), Box(6), Box(7), Box(8), Box(9), Box(10),
    Box(11), Box(12), Box(13), Box(14), Box(15), Box(16), Box(17), Box(18), Box(19), Box(20),
    Box(21),
};
// clang-format on

// Every element of every array once, and the three single controls
// (DropIcon, LGrade, Line1).
static_assert(std::size(kControls) ==
              kFrames + kMethodLabels + kMasterPieces + kReactions + kBoxes + 3);

}  // namespace

std::span<const ControlDesign> Controls() {
    return kControls;
}

}  // namespace alkynes::design
