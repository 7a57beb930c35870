// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "model/Design.h"
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
constexpr Twips kTwipsPerTestPixel = 60;

int ToPixel(Twips t) {
    return static_cast<int>(t / kTwipsPerTestPixel);
}

PixelRect TestRect(const Control& c) {
    PixelRect r{ToPixel(c.Left), ToPixel(c.Top), ToPixel(c.Width) + 1, ToPixel(c.Height) + 1};
    if (c.ref.name == ControlName::LGrade) {
        const int width = 5 * static_cast<int>(c.Text.size()) + 2;
        r.left += r.width - width;
        r.width = width;
    }
    return r;
}

PixelRect Grown(const PixelRect& r) {
    return {r.left - 1, r.top - 1, r.width + 2, r.height + 2};
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
    {"a label's caption is",
     [](FormModel& f) {
         f.Label1(1).Visible = true;
         f.Label1(1).Text = "new";
     },
     {{kLabel, false}}},
    {"the badge's caption resizes it",
     [](FormModel& f) { f.LGrade().Text = "0%"; },
     {{kGrade, true}, {kGrade, false}}},
    {"the badge hides", [](FormModel& f) { f.LGrade().Visible = false; }, {{kGrade, true}}},
    {"the lower piece brought to the front: where it lies",
     [](FormModel& f) { f.BringToFront(Piece(0)); },
     {{Piece(0), false}}},
    {"two pieces raised in turn: both",
     [](FormModel& f) {
         f.BringToFront(Piece(0));
         f.BringToFront(Piece(1));
     },
     {{Piece(0), false}, {Piece(1), false}}},
    {"the topmost control raised: nothing",
     [](FormModel& f) { f.BringToFront(f.StackingOrder().back()); },
     {}},
    {"a reaction above the pieces",
     [](FormModel& f) { f.BringToFront(kReaction); },
     {{kReaction, false}}},
    {"a loaded piece is hidden: nothing", [](FormModel& f) { f.LoadPiece(f.PieceCount()); }, {}},
};

class RepaintTrackerTest : public ::testing::Test {
  protected:
    RepaintTrackerTest() { TwoOverlappingPieces(form); }

    std::vector<PixelRect> Changes() { return tracker.Changes(form, TestRect); }

    FormModel form;
    RepaintTracker tracker;
};

TEST_F(RepaintTrackerTest, EachChangeRepaintsWhatItChanged) {
    for (const ChangeCase& c : kChanges) {
        FormModel before;
        TwoOverlappingPieces(before);
        // Both painted as designed, then the change.
        RepaintTracker fresh;
        fresh.Changes(before, TestRect);
        FormModel after;
        TwoOverlappingPieces(after);
        c.change(after);
        std::vector<PixelRect> expected;
        for (const Expect& e : c.repainted) {
            expected.push_back(Grown(TestRect((e.before ? before : after).Get(e.ref))));
        }
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(fresh.Changes(after, TestRect), expected) << c.name;
        EXPECT_TRUE(fresh.Changes(after, TestRect).empty()) << c.name << ", twice";
    }
}

TEST_F(RepaintTrackerTest, TheFirstCallAndOneAfterForgettingPaintEveryVisibleControl) {
    std::vector<PixelRect> visible;
    for (const ControlRef ref : form.StackingOrder()) {
        if (form.Get(ref).Visible) {
            visible.push_back(Grown(TestRect(form.Get(ref))));
        }
    }
    std::sort(visible.begin(), visible.end());
    visible.erase(std::unique(visible.begin(), visible.end()), visible.end());
    ASSERT_GT(visible.size(), 8u);
    EXPECT_EQ(Changes(), visible);
    tracker.Forget();
    EXPECT_EQ(Changes(), visible);
}

TEST_F(RepaintTrackerTest, AHiddenControlIsNotMeasured) {
    form.LGrade().Visible = false;
    const PaintRectOf measure = [](const Control& c) {
        EXPECT_TRUE(c.Visible) << static_cast<int>(c.ref.name) << " " << c.ref.index;
        return TestRect(c);
    };
    tracker.Changes(form, measure);
    form.LGrade().Text = "50%";
    tracker.Changes(form, measure);
}

// --- Repainting only what is reported gives what a full repaint gives -------

// A canvas on which every visible control fills its rectangle with a value
// that stands for what it shows: which control, its kind, its picture and,
// for labels, its caption.
class Canvas {
  public:
    static constexpr int kWidth = 15240 / 60 + 2;
    static constexpr int kHeight = 9975 / 60 + 2;

    void Paint(const FormModel& form, const PixelRect& clip) {
        Fill(clip, 0);  // the window's background
        for (const ControlRef ref : form.StackingOrder()) {
            const Control& c = form.Get(ref);
            if (c.Visible) {
                Fill(Intersection(clip, TestRect(c)), Look(c));
            }
        }
    }
    void PaintAll(const FormModel& form) { Paint(form, {0, 0, kWidth, kHeight}); }

    friend bool operator==(const Canvas&, const Canvas&) = default;

  private:
    static PixelRect Intersection(const PixelRect& a, const PixelRect& b) {
        const int left = std::max(a.left, b.left);
        const int top = std::max(a.top, b.top);
        const int right = std::min(a.left + a.width, b.left + b.width);
        const int bottom = std::min(a.top + a.height, b.top + b.height);
        return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
    }
    static std::uint32_t Look(const Control& c) {
        std::uint32_t h = static_cast<std::uint32_t>(c.ref.name) * 1000u +
                          static_cast<std::uint32_t>(c.ref.index) + 1u;
        h = h * 31u + static_cast<std::uint32_t>(c.kind);
        h = h * 31u + static_cast<std::uint32_t>(c.Picture.kind) * 256u +
            static_cast<std::uint32_t>(c.Picture.index);
        if (c.kind == ControlKind::Label) {
            h = h * 31u + static_cast<std::uint32_t>(std::hash<std::string>{}(c.Text));
        }
        return h;
    }
    void Fill(const PixelRect& r, std::uint32_t value) {
        const PixelRect in = Intersection(r, {0, 0, kWidth, kHeight});
        for (int y = in.top; y < in.top + in.height; ++y) {
            std::fill_n(pixels_.begin() + y * kWidth + in.left, in.width, value);
        }
    }

    std::vector<std::uint32_t> pixels_ = std::vector<std::uint32_t>(kWidth * kHeight, 0);
};

// One random change of the kind the exercise makes: pieces moved (often
// onto another piece's place), shown, hidden, given pictures, loaded and
// raised; captions changed; other controls raised or hidden.
void RandomChange(FormModel& form, std::mt19937& random) {
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::vector<ControlRef>& order = form.StackingOrder();
    const ControlRef any = order[static_cast<std::size_t>(pick(static_cast<int>(order.size())))];
    Control& piece = form.ImgMolecular(pick(form.PieceCount()));
    static const char* const kTexts[] = {"", "0%", "44%", "100%", "Μέθοδος"};
    switch (pick(8)) {
        case 0:
            piece.Left = static_cast<Twips>(pick(15240) - 1000);
            piece.Top = static_cast<Twips>(pick(9975) - 300);
            break;
        case 1: {
            const Control& other = form.ImgMolecular(pick(form.PieceCount()));
            piece.Left = other.Left;
            piece.Top = other.Top;
            piece.Visible = true;
            break;
        }
        case 2:
            form.Get(any).Visible = !form.Get(any).Visible;
            break;
        case 3:
            piece.Picture = {PictureKind::Compound, static_cast<std::int8_t>(pick(9))};
            break;
        case 4:
            form.BringToFront(pick(2) == 0 ? piece.ref : any);
            break;
        case 5: {
            Control& label =
                pick(2) == 0 ? form.LGrade() : form.Label1(pick(design::kMethodLabels));
            label.Text = kTexts[pick(5)];
            label.Visible = pick(4) != 0;
            break;
        }
        case 6:
            if (form.PieceCount() < design::kPieces) {
                form.LoadPiece(form.PieceCount());
            }
            break;
        default:
            form.Get(any).Text = kTexts[pick(5)];  // painted only on labels
            break;
    }
}

TEST_F(RepaintTrackerTest, RepaintingTheReportedRectanglesGivesTheFullRepaint) {
    Canvas screen;
    screen.PaintAll(form);
    tracker.Changes(form, TestRect);
    std::mt19937 random(20261209);
    int repainted = 0;
    for (int step = 0; step < 600; ++step) {
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int i = 0; i < changes; ++i) {
            RandomChange(form, random);
        }
        const std::vector<PixelRect> dirty = tracker.Changes(form, TestRect);
        for (const PixelRect& r : dirty) {
            screen.Paint(form, r);
        }
        repainted += dirty.empty() ? 0 : 1;
        Canvas full;
        full.PaintAll(form);
        ASSERT_TRUE(screen == full) << "after step " << step;
    }
    EXPECT_GT(repainted, 300);  // the changes did reach the screen
}

}  // namespace
}  // namespace alkynes
