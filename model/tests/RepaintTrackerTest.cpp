// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

#include "model/FormModel.h"
#include "model/RepaintTracker.h"

namespace alkynes {

void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

namespace {

// The tests' pixels are four times as large as the window's (60 twips), and
// the badge is as wide as its caption, 5 pixels a character, right-aligned
// in its designed rectangle, as the window layer's badge is.
PixelRect TestRect(const Control& c) {
    const auto px = [](Twips t) { return static_cast<int>(t / 60); };
    PixelRect r{px(c.Left), px(c.Top), px(c.Width) + 1, px(c.Height) + 1};
    if (c.ref.name == ControlName::LGrade) {
        const int width = 5 * static_cast<int>(c.Text.size()) + 2;
        r.left += r.width - width;
        r.width = width;
    }
    return r;
}

// Rectangles as the tracker reports them: each a pixel larger all round,
// sorted, without repetitions.
std::vector<PixelRect> Reported(std::vector<PixelRect> rects) {
    for (PixelRect& r : rects) {
        r = {r.left - 1, r.top - 1, r.width + 2, r.height + 2};
    }
    std::sort(rects.begin(), rects.end());
    rects.erase(std::unique(rects.begin(), rects.end()), rects.end());
    return rects;
}

ControlRef Piece(int i) {
    return {ControlName::ImgMolecular, static_cast<std::int16_t>(i)};
}

// Pieces 0 and 1 lying one half over the other (1 above 0), piece 2
// hidden; everything else as designed.
void TwoOverlappingPieces(FormModel& form) {
    for (int i = 0; i < 2; ++i) {
        Control& p = form.ImgMolecular(i);
        p.Left = 1200 + 600 * i;
        p.Top = 1200;
    }
    form.ImgMolecular(2).Visible = false;
}

// Where the tracker asks a control to lie: never for a hidden one
// (measuring the hidden badge would load its font at start-up).
PixelRect Measured(const Control& c) {
    EXPECT_TRUE(c.Visible) << static_cast<int>(c.ref.name) << " " << c.ref.index;
    return TestRect(c);
}

// --- What each change repaints ----------------------------------------------

struct Expect {
    ControlRef ref;
    bool before;  // where it was painted, or where it is now
};

struct ChangeCase {
    const char* name;
    std::function<void(FormModel&)> change;
    std::vector<Expect> repainted;
};

const ControlRef kGrade{ControlName::LGrade, 0};
const ControlRef kLabel{ControlName::Label1, 1};
const ControlRef kReaction{ControlName::ImgSyntactic, 2};
const ControlRef kLoaded = Piece(FormModel().PieceCount());  // the next piece loaded

const std::vector<ChangeCase> kChanges{
    {"nothing", [](FormModel&) {}, {}},
    {"a piece moves: where it was and where it is",
     [](FormModel& f) { f.ImgMolecular(1).Left += 900; },
     {{Piece(1), true}, {Piece(1), false}}},
    {"a piece moves a pixel: both places",
     [](FormModel& f) { f.ImgMolecular(1).Top += 60; },
     {{Piece(1), true}, {Piece(1), false}}},
    {"a move inside one pixel repaints nothing",
     [](FormModel& f) { f.ImgMolecular(1).Top += 20; },
     {}},
    {"a hidden piece moves: nothing", [](FormModel& f) { f.ImgMolecular(2).Left += 900; }, {}},
    {"a piece shows", [](FormModel& f) { f.ImgMolecular(2).Visible = true; }, {{Piece(2), false}}},
    {"a piece hides", [](FormModel& f) { f.ImgMolecular(0).Visible = false; }, {{Piece(0), true}}},
    {"a piece takes another picture",
     [](FormModel& f) {
         f.ImgMolecular(0).Picture = {PictureKind::Compound, 7};
     },
     {{Piece(0), false}}},
    {"an image's text is not painted", [](FormModel& f) { f.ImgMolecular(0).Text = "x"; }, {}},
    {"a hidden label's caption is not either", [](FormModel& f) { f.Label1(1).Text = "new"; }, {}},
    {"a label's caption is",
     [](FormModel& f) {
         f.Label1(1).Visible = true;
         f.Label1(1).Text = "new";
     },
     {{kLabel, false}}},
    {"the badge's caption resizes it",
     [](FormModel& f) { f.LGrade().Text = "0%"; },
     {{kGrade, true}, {kGrade, false}}},
    {"the badge hides, its caption changed",
     [](FormModel& f) {
         f.LGrade().Visible = false;
         f.LGrade().Text = "50%";
     },
     {{kGrade, true}}},
    {"the lower piece brought to the front: where it lies",
     [](FormModel& f) { f.BringToFront(Piece(0)); },
     {{Piece(0), false}}},
    {"the lower piece moved and raised: where it was and where it is",
     [](FormModel& f) {
         f.ImgMolecular(0).Left += 900;
         f.BringToFront(Piece(0));
     },
     {{Piece(0), true}, {Piece(0), false}}},
    {"two pieces raised in turn: both",
     [](FormModel& f) {
         f.BringToFront(Piece(0));
         f.BringToFront(Piece(1));
     },
     {{Piece(0), false}, {Piece(1), false}}},
    {"the topmost control raised: nothing",
     [](FormModel& f) { f.BringToFront(f.StackingOrder().back()); },
     {}},
    {"a hidden piece raised: nothing", [](FormModel& f) { f.BringToFront(Piece(2)); }, {}},
    {"a reaction above the pieces",
     [](FormModel& f) { f.BringToFront(kReaction); },
     {{kReaction, false}}},
    {"a loaded piece is hidden: nothing", [](FormModel& f) { f.LoadPiece(kLoaded.index); }, {}},
    {"a loaded piece shown: where it is",
     [](FormModel& f) {
         f.LoadPiece(kLoaded.index);
         f.Get(kLoaded).Visible = true;
     },
     {{kLoaded, false}}},
};

TEST(RepaintTrackerTest, EachChangeRepaintsWhatItChanged) {
    for (const ChangeCase& c : kChanges) {
        FormModel before, after;
        TwoOverlappingPieces(before);
        TwoOverlappingPieces(after);
        c.change(after);
        RepaintTracker tracker;
        tracker.Changes(before, Measured);  // painted as designed
        std::vector<PixelRect> expected;
        for (const Expect& e : c.repainted) {
            expected.push_back(TestRect((e.before ? before : after).Get(e.ref)));
        }
        EXPECT_EQ(tracker.Changes(after, Measured), Reported(expected)) << c.name;
        EXPECT_TRUE(tracker.Changes(after, Measured).empty()) << c.name << ", twice";
    }
}

TEST(RepaintTrackerTest, TheFirstCallAndOneAfterForgettingPaintEveryVisibleControl) {
    FormModel form;
    TwoOverlappingPieces(form);
    std::vector<PixelRect> visible;
    for (const ControlRef ref : form.StackingOrder()) {
        if (form.Get(ref).Visible) {
            visible.push_back(TestRect(form.Get(ref)));
        }
    }
    ASSERT_GT(visible.size(), 8u);
    RepaintTracker tracker;
    EXPECT_EQ(tracker.Changes(form, Measured), Reported(visible));
    tracker.Forget();
    EXPECT_EQ(tracker.Changes(form, Measured), Reported(visible));
}

}  // namespace
}  // namespace alkynes
