// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The design values of the main window: every control as it is created,
// before the load handler runs, with its geometry, colours and fonts; and
// those of the about window.  This header and the table in Design.cpp are
// the single place these numbers live: the Qt layer only converts them.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/Controls.h"
#include "model/Menu.h"  // the menu bar, design::kMenu
#include "model/Structure.h"  // kReactions, kBoxes
#include "model/Title.h"      // generated: kTitle

namespace alkynes::design {

// The main window's caption: the program's title.
inline constexpr const char* kCaption = kTitle;

// The client area and its scale (default twips scale, origin 0, 0).
inline constexpr Twips kScaleLeft = 0;
inline constexpr Twips kScaleTop = 0;
inline constexpr Twips kScaleWidth = 15240;
inline constexpr Twips kScaleHeight = 9975;
inline constexpr Twips kTwipsPerPixel = 15;  // at 96 dots per inch

// One master piece for each compound: this is also the number of compounds,
// and of the palette's cells.
inline constexpr int kMasterPieces = 9;
static_assert(kMasterPieces == kPaletteCells, "one palette cell for each compound");
inline constexpr int kPieces = 117;
inline constexpr int kFrames = 3;
inline constexpr int kMethodLabels = 3;

// The formula each compound's tile shows (compound k is master piece k), in
// the compact notation the pictures are written in: a digit after a letter,
// a ")" or another atom count is an atom count ("Ca(OH)2").  The pictures
// typeset it; the learning record names a placed compound by it.
inline constexpr std::array<const char*, kMasterPieces> kCompoundFormulas{
    "H2O", "ClCH2CH2Cl", "CaC2", "CH3CH2CCl2CH3", "CH3CH2CHCl2", "CH4", "Ca(OH)2", "H2", "NaCl",
};

// One row of the window definition.
struct ControlDesign {
    ControlName name;
    std::int16_t index;
    ControlKind kind;
    Twips left, top, width, height;
    bool visible;
    const char* text;  // text box text or label caption
    PictureRef picture;
};

// Every control of the window, in the stacking order of creation from the
// bottom up for the windowless ones; the text boxes, which are child
// windows and lie above all of them, come last.
std::span<const ControlDesign> Controls();

struct Size {
    Twips width, height;
};

struct Rect {
    Twips left, top, width, height;
};

// The sizes the pictures are shown at, which their drawings are made for:
// every compound piece, the reaction pictures 0 and 1 (the short
// equations) and 2 to 4 (the long ones).
inline constexpr Size kPieceSize{2235, 435};
inline constexpr Size kShortReactionSize{11850, 1110};
inline constexpr Size kLongReactionSize{14970, 1110};
constexpr Size ReactionSize(int r) {
    return r < 2 ? kShortReactionSize : kLongReactionSize;
}

// Tab positions of the coefficient boxes: 0 to 16, then 21 to 25 (positions
// 17 to 20 belong to labels, which never take the focus).
constexpr int TabIndex(int box) {
    return box <= 16 ? box : box + 4;
}

// --- Colours and fonts --------------------------------------------------------
//
// Colours are 0xRRGGBB.  Where a control takes the system's "window
// background" or "window text" colour (the method labels, the rule, the
// boxes' background, the badge's border) no value stands here: the control
// follows the system colour rather than copying it.  Widths in pixels are
// those at zoom 1: they grow and shrink with the zoom like everything else
// on the board (the focus ring excepted).
using Rgb = std::uint32_t;

// A font as designed: face, size in points and weight.
struct FontDesign {
    const char* face;
    double points;
    bool bold;
};

// The face of every text of both windows (with the Greek character set).
// Where it is not installed, the window layer puts a face with its metrics
// and with Greek letters in its place.
inline constexpr const char* kTextFace = "MS Sans Serif";

inline constexpr Rgb kFormBackColor = 0xFFFFFF;

// Container: filled pale yellow, in a solid red border 3 pixels wide.
struct FrameLook {
    Rgb fill, border;
    int borderPixels;
};
inline constexpr FrameLook kFrame{0xFFFFC0, 0xFF0000, 3};

// tCoefficient: red text on the window background.  A box holds at most
// the classic limit of a single-line text box (Qt's own default too): a
// paste is cut there.
inline constexpr Rgb kBoxForeColor = 0xFF0000;
inline constexpr FontDesign kBoxFont{kTextFace, 12, true};
inline constexpr int kBoxMaxLength = 32767;

// Label1: window text on the window background.
inline constexpr FontDesign kLabelFont{kTextFace, 9.75, false};

// The pictures: compound tiles filled green, the equations on a yellow
// strip, both outlined in a dark brown; formulas in black.
struct PictureColors {
    Rgb tileFill, reactionFill, outline, formula;
};
inline constexpr PictureColors kPictureColors{0x00FF00, 0xFFFF00, 0x1F1A17, 0x000000};

// LGrade: white on opaque red, in a single-line border 1 pixel wide, with
// 2 pixels of room between the border and the caption on either side.
struct GradeLook {
    Rgb fore, back;
    int borderPixels, paddingPixels;
    FontDesign font;
};
inline constexpr GradeLook kGrade{0xFFFFFF, 0xFF0000, 1, 2, {kTextFace, 24, true}};

// Line1: window text, 1 pixel wide.
inline constexpr int kLineWidthPixels = 1;

// The keyboard's focus ring, which the board draws round the focused tile,
// blank or box: a dark blue (relative luminance 0.065), with a contrast of
// 6.6:1 against the tiles' and blanks' pure green, 8.5:1 against the
// reactions' yellow and 9.1:1 against white; as wide as two
// device-independent pixels at every zoom.
inline constexpr Rgb kFocusRingColor = 0x003CB4;
inline constexpr int kFocusRingPixels = 2;

// --- The about window frmAbout ------------------------------------------------
namespace about {

// The client area, in twips of its own default scale.
inline constexpr Size kClientSize{8055, 5325};
inline constexpr Rgb kBackColor = 0x404040;
// The window's own font: the OK button's and the notice's.
inline constexpr FontDesign kFont{kTextFace, 8.25, false};

// The controls, from the bottom of the stacking order up.
inline constexpr Rect kLogo2{4020, 60, 4005, 4005};
inline constexpr Rect kLogo1{60, 60, 4005, 4005};  // a white panel behind the credit
inline constexpr Rgb kLogo1FillColor = 0xFFFFFF;
inline constexpr Rect kLabel1{165, 1260, 3705, 1665};  // the credit: green on window background
inline constexpr Rgb kLabel1ForeColor = 0x008000;
inline constexpr FontDesign kLabel1Font{kTextFace, 24, true};
inline constexpr Rect kImage1{2460, 420, 3195, 3195};  // the school's emblem, in maroon
inline constexpr Rgb kEmblemColor = 0x800000;
inline constexpr Rect kCmdClose{3120, 4980, 1935, 315};
inline constexpr Rect kComment{60, 4080, 7995, 795};

}  // namespace about
}  // namespace alkynes::design
