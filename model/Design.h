// The design values of the main window: every control as it is created,
// before the load handler runs.  The table in Design.cpp is the single place
// these numbers live.
#pragma once

#include <array>
#include <span>

#include "model/Controls.h"

namespace alkynes::design {

inline constexpr const char* kCaption = "Παρασκευές αλκινίων";

// The client area and its scale (default twips scale, origin 0, 0).
inline constexpr Twips kScaleLeft = 0;
inline constexpr Twips kScaleTop = 0;
inline constexpr Twips kScaleWidth = 15240;
inline constexpr Twips kScaleHeight = 9975;
inline constexpr Twips kTwipsPerPixel = 15;  // at 96 dots per inch

inline constexpr int kMasterPieces = 9;
inline constexpr int kPieces = 117;
inline constexpr int kReactions = 5;
inline constexpr int kBoxes = 22;
inline constexpr int kFrames = 3;
inline constexpr int kMethodLabels = 3;

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

// The menu bar, left to right.
struct MenuDesign {
    const char* name;
    const char* caption;
};
inline constexpr std::array<MenuDesign, 7> kMenu{{
    {"mnuHelp", "Βοήθεια"},
    {"mnuCheck", "Έλεγχος"},
    {"mnuRestart", "Απ' την αρχή"},
    {"mnuSheet", "Φύλλο εργασίας"},
    {"mnuVSeperator", "|"},
    {"mnuAbout", "Περί..."},
    {"mnuExit", "Έξοδος"},
}};

// Tab positions of the coefficient boxes: 0 to 16, then 21 to 25 (positions
// 17 to 20 belong to labels, which never take the focus).
constexpr int TabIndex(int box) {
    return box <= 16 ? box : box + 4;
}

}  // namespace alkynes::design
