#include "model/Design.h"

namespace alkynes::design {
namespace {

using enum ControlName;
constexpr ControlKind kImage = ControlKind::Image;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kShape = ControlKind::Shape;
constexpr ControlKind kLine = ControlKind::Line;
constexpr ControlKind kTextBox = ControlKind::TextBox;

constexpr PictureRef kNoPicture{};
constexpr PictureRef Compound(int k) {
    return {PictureKind::Compound, static_cast<std::int8_t>(k)};
}
constexpr PictureRef Reaction(int r) {
    return {PictureKind::Reaction, static_cast<std::int8_t>(r)};
}
constexpr PictureRef kDragIcon{PictureKind::DragIcon, 0};

constexpr const char* kMethod0 =
    "Το ακετυλένιο παρασκευάζεται βιομηχανικά με πυρόλυση του μεθανίου στους 1200 βαθμούς "
    "Κελσίου";
constexpr const char* kMethod1 =
    "Το ακετυλένιο παρασκευάζεται με υδρόλυση του ανθρακασβεστίου. Η μέθοδος αυτή πιο παλιά "
    "είχε βιομηχανικό ενδιαφέρον σήμερα όμως έχει μόνο εργαστηριακή εφαρμογή";
constexpr const char* kMethod2 =
    "Το ακετυλένιο παρασκευάζεται με αφυδραλογόνωση 1,2-διχλωρο-αιθανίου με αλκοολικό διάλυμα "
    "NaOH ή KOH. Η μέθοδος αυτή μπορεί να εφαρμοστεί γενικότερα για την παρασκευή αλκινίων.";

// clang-format off
constexpr ControlDesign kControls[] = {
    // Windowless controls, from the bottom of the stacking order up.
    // name          idx kind     Left   Top    Width  Height visible text      picture
    {Container,      1, kShape,     60, 3240, 15135, 2175, true,  "",       kNoPicture},
    {Container,      2, kShape,     60, 5520, 15135, 4395, true,  "",       kNoPicture},
    {Container,      0, kShape,     60, 1260, 15135, 1875, true,  "",       kNoPicture},
    {Label1,         2, kLabel,    180, 9300, 14595,  525, false, kMethod2, kNoPicture},
    {Label1,         0, kLabel,    180, 2700, 14895,  345, false, kMethod0, kNoPicture},
    {ImgMolecular,   0, kImage,    180,   60,  2235,  435, true,  "",       Compound(0)},
    {ImgMolecular,   1, kImage,   2520,   60,  2235,  435, true,  "",       Compound(1)},
    {ImgMolecular,   2, kImage,   4860,   60,  2235,  435, true,  "",       Compound(2)},
    {ImgMolecular,   3, kImage,   7200,   60,  2235,  435, true,  "",       Compound(3)},
    {ImgMolecular,   4, kImage,   9480,   60,  2235,  435, true,  "",       Compound(4)},
    {ImgMolecular,   5, kImage,    180,  540,  2235,  435, true,  "",       Compound(5)},
    {ImgMolecular,   6, kImage,   2520,  540,  2235,  435, true,  "",       Compound(6)},
    {ImgMolecular,   7, kImage,   4860,  540,  2235,  435, true,  "",       Compound(7)},
    {DropIcon,       0, kImage,  14280,  780,   480,  480, false, "",       kDragIcon},
    {LGrade,         0, kLabel,  13620,  300,  1305,  585, true,  "100%",   kNoPicture},
    {ImgMolecular,   8, kImage,   7200,  540,  2235,  435, true,  "",       Compound(8)},
    {ImgSyntactic,   1, kImage,   1560, 3360, 11850, 1110, true,  "",       Reaction(1)},
    {ImgSyntactic,   4, kImage,    120, 8040, 14970, 1110, true,  "",       Reaction(4)},
    {ImgSyntactic,   3, kImage,    120, 6840, 14970, 1110, true,  "",       Reaction(3)},
    {ImgSyntactic,   2, kImage,    120, 5640, 14970, 1110, true,  "",       Reaction(2)},
    {ImgSyntactic,   0, kImage,   1560, 1380, 11850, 1110, true,  "",       Reaction(0)},
    {Label1,         1, kLabel,    180, 4680, 14955,  585, false, kMethod1, kNoPicture},
    // Line1 runs from (0, 5460) to (11880, 5460).
    {Line1,          0, kLine,       0, 5460, 11880,    0, true,  "",       kNoPicture},

    // Coefficient boxes: child windows, above every windowless control.
    {tCoefficient,   0, kTextBox,  1860, 1740, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   1, kTextBox,  7800, 1740, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   2, kTextBox, 10380, 1740, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   3, kTextBox,  1800, 3720, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   4, kTextBox,  4860, 3720, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   5, kTextBox,  7800, 3720, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   6, kTextBox, 10380, 3720, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   7, kTextBox,   360, 6000, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   8, kTextBox,  3480, 6000, 435, 330, true, "1", kNoPicture},
    {tCoefficient,   9, kTextBox,  6360, 6000, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  10, kTextBox,  8940, 6000, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  11, kTextBox, 12060, 6000, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  12, kTextBox,   360, 7200, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  13, kTextBox,  3480, 7200, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  14, kTextBox,  6360, 7200, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  15, kTextBox,  8940, 7200, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  16, kTextBox, 12060, 7200, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  17, kTextBox,   360, 8400, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  18, kTextBox,  3420, 8400, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  19, kTextBox,  6360, 8400, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  20, kTextBox,  8940, 8400, 435, 330, true, "1", kNoPicture},
    {tCoefficient,  21, kTextBox, 12060, 8400, 435, 330, true, "1", kNoPicture},
};
// clang-format on

}  // namespace

std::span<const ControlDesign> Controls() {
    return kControls;
}

}  // namespace alkynes::design
