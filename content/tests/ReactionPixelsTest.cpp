// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The equations as drawn: the slot boxes, coefficient places, texts and
// arrow are found in the rendered pixels, at the shown size of each
// reaction picture and at twice its resolution, where the pieces and the
// coefficient boxes of the window expect them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>

#include "content/Pictures.h"
#include "content/tests/Pixels.h"
#include "model/Design.h"

namespace alkynes::content {
namespace {

using testing::IsDark;
using testing::IsGreen;
using testing::IsYellow;

// Outer edges of a drawn box, in device pixels (right and bottom exclusive).
struct Edges {
    double left, right, top, bottom;
};

class ReactionPixels : public ::testing::TestWithParam<testing::PictureAtRatio> {
  protected:
    void SetUp() override {
        reaction_ = std::get<0>(GetParam());
        scale_ = std::get<1>(GetParam());
        // The shown size: 11850 × 1110 or 14970 × 1110 twips.
        const QSize logical(reaction_ < 2 ? 790 : 998, 74);
        image_ = testing::Render({PictureKind::Reaction, static_cast<std::int8_t>(reaction_)},
                                 logical, scale_);
        ASSERT_EQ(image_.size(), logical * scale_);
        width_ = image_.width();
        height_ = image_.height();
        layout_ = &LayoutOfReaction(reaction_);
    }

    double Tolerance() const { return 0.005 * width_; }  // half a percent of the width
    double VerticalTolerance() const { return 1.0; }     // a device pixel
    int Col(double fraction) const { return static_cast<int>(fraction * width_); }
    int Row(double fraction) const { return static_cast<int>(fraction * height_); }
    QRgb At(int x, int y) const { return image_.pixel(x, y); }

    // Right end of the element before x, in device pixels: what a search
    // for the next element's left edge must not run into.
    double RightEndBefore(double x) const {
        double end = 0;
        for (const Element& e : layout_->elements) {
            if (e.kind == ElementKind::Background ||
                (e.kind == ElementKind::Text && e.anchor == TextAnchor::Centre)) {
                continue;
            }
            double right = e.x.to * width_;
            if (e.kind == ElementKind::Text) {
                const TextPlacement t = PlaceText(e, QSizeF(width_, height_));
                right = t.left + t.width;
            }
            if (e.x.from * width_ < x - 0.5 && right > end) {
                end = right;
            }
        }
        return end;
    }

    // What a walk from a box's centre to one of its edges crosses: first
    // the box's inside, then its outline.  Each tells whether the column
    // (or row) it is given belongs to that part.
    struct Crossing {
        std::function<bool(int)> inside;
        std::function<bool(int)> outline;
    };

    // From `centre`, steps by `step` over the inside and then the outline,
    // within [0, end): the last column (or row) of the outline.
    static int WalkOut(int centre, int step, int end, const Crossing& crossing) {
        int at = centre;
        const auto next = [&](const std::function<bool(int)>& part) {
            return at + step >= 0 && at + step < end && part(at + step);
        };
        while (next(crossing.inside))
            at += step;
        while (next(crossing.outline))
            at += step;
        return at;
    }

    // The outer edges of the box around (xc, yc), walking out along its
    // centre row (`across`) and its centre column (`down`).
    Edges Measure(int xc, int yc, const Crossing& across, const Crossing& down) const {
        return Edges{
            double(WalkOut(xc, -1, width_, across)), double(WalkOut(xc, +1, width_, across) + 1),
            double(WalkOut(yc, -1, height_, down)), double(WalkOut(yc, +1, height_, down) + 1)};
    }

    // A slot box: green inside, its dark outline around it.  The outline
    // ends where the yellow background begins.
    std::optional<Edges> MeasureSlot(const Element& e) const {
        const int xc = Col(e.x.Mid());
        const int yc = Row(e.y.Mid());
        if (!IsGreen(At(xc, yc))) {
            return std::nullopt;
        }
        const auto outline = [](QRgb p) { return !IsGreen(p) && !IsYellow(p) && qAlpha(p) > 0; };
        return Measure(
            xc, yc,
            {[&](int x) { return IsGreen(At(x, yc)); }, [&](int x) { return outline(At(x, yc)); }},
            {[&](int y) { return IsGreen(At(xc, y)); }, [&](int y) { return outline(At(xc, y)); }});
    }

    // A coefficient place: an empty yellow inside, ringed by dashes.  The
    // sides are looked for over a band of rows (and the top and bottom over
    // a band of columns) long enough that a gap of the dashes cannot hide
    // them.
    bool ColumnHasDark(int x, int y0, int y1) const {
        for (int y = y0; y <= y1; ++y) {
            if (IsDark(At(x, y)))
                return true;
        }
        return false;
    }
    bool RowHasDark(int y, int x0, int x1) const {
        for (int x = x0; x <= x1; ++x) {
            if (IsDark(At(x, y)))
                return true;
        }
        return false;
    }
    std::optional<Edges> MeasurePlace(const Element& e) const {
        const int xc = Col(e.x.Mid());
        const int yc = Row(e.y.Mid());
        const int y0 = Row(e.y.Mid() - 0.08), y1 = Row(e.y.Mid() + 0.08);
        const int inset = static_cast<int>(0.3 * e.y.Length() * height_);
        const int x0 = Col(e.x.from) + inset, x1 = Col(e.x.to) - inset;
        if (!IsYellow(At(xc, yc)) || ColumnHasDark(xc, y0, y1)) {
            return std::nullopt;
        }
        return Measure(xc, yc,
                       {[&](int x) { return !ColumnHasDark(x, y0, y1); },
                        [&](int x) { return ColumnHasDark(x, y0, y1); }},
                       {[&](int y) { return !RowHasDark(y, x0, x1); },
                        [&](int y) { return RowHasDark(y, x0, x1); }});
    }

    // A measured box lies across where the layout puts its element, and
    // down from `top` to `bottom` (fractions of the picture's height).
    void ExpectAt(const Edges& box, const Element& e, double top, double bottom) const {
        EXPECT_NEAR(box.left, e.x.from * width_, Tolerance());
        EXPECT_NEAR(box.right, e.x.to * width_, Tolerance());
        EXPECT_NEAR(box.top, top * height_, VerticalTolerance());
        EXPECT_NEAR(box.bottom, bottom * height_, VerticalTolerance());
    }

    int reaction_ = 0;
    int scale_ = 1;
    int width_ = 0;
    int height_ = 0;
    QImage image_;
    const ReactionLayout* layout_ = nullptr;
};

TEST_P(ReactionPixels, SlotBoxesAreGreenTilesAtTheirPlaces) {
    const auto slotBoxes = layout_->OfKind(ElementKind::Tile);
    ASSERT_EQ(slotBoxes.size(), reaction_ < 2 ? 2u : 3u);
    for (const Element* e : slotBoxes) {
        SCOPED_TRACE(::testing::Message() << "slot " << e->slot);
        const std::optional<Edges> box = MeasureSlot(*e);
        ASSERT_TRUE(box.has_value()) << "no green at the slot box's centre";
        ExpectAt(*box, *e, 0.28, 0.65);
        // Empty: nothing but green across its middle.
        const int yc = Row(e->y.Mid());
        for (int x = static_cast<int>(box->left + 0.2 * (box->right - box->left));
             x < box->left + 0.8 * (box->right - box->left); ++x) {
            ASSERT_TRUE(IsGreen(At(x, yc))) << "at x " << x;
        }
    }
}

TEST_P(ReactionPixels, CoefficientPlacesAreDashedAndEmptyAtTheirPlaces) {
    const auto places = layout_->OfKind(ElementKind::CoefficientPlace);
    ASSERT_EQ(places.size(), reaction_ == 0 ? 3u : reaction_ == 1 ? 4u : 5u);
    for (const Element* e : places) {
        SCOPED_TRACE(::testing::Message() << "place " << e->place);
        const std::optional<Edges> place = MeasurePlace(*e);
        ASSERT_TRUE(place.has_value()) << "the place's middle is not empty yellow";
        ExpectAt(*place, *e, 0.30, 0.64);

        // The straight part of its top edge is dashed: dark dashes with
        // yellow gaps, the dashes about twice as long as the gaps.
        const int inset = static_cast<int>(0.3 * e->y.Length() * height_);
        const int x0 = Col(e->x.from) + inset, x1 = Col(e->x.to) - inset;
        int bestRow = static_cast<int>(place->top), bestDark = -1;
        for (int y = static_cast<int>(place->top); y < place->top + 2 * scale_ + 1; ++y) {
            const int dark = testing::Count(image_, QRect(x0, y, x1 - x0 + 1, 1), IsDark);
            if (dark > bestDark) {
                bestDark = dark;
                bestRow = y;
            }
        }
        int runs = 0;
        for (int x = x0; x <= x1; ++x) {
            if (IsDark(At(x, bestRow)) && (x == x0 || !IsDark(At(x - 1, bestRow))))
                ++runs;
        }
        const double share = double(bestDark) / (x1 - x0 + 1);
        EXPECT_GE(runs, 2) << "no gaps in the outline";
        EXPECT_GT(share, 0.45);
        EXPECT_LT(share, 0.85);
    }
}

TEST_P(ReactionPixels, TextsBeginWhereTheirLeftEndsAre) {
    int texts = 0;
    for (const Element& e : layout_->elements) {
        if (e.kind != ElementKind::Text || e.anchor != TextAnchor::LeftEnd)
            continue;
        ++texts;
        SCOPED_TRACE(::testing::Message() << ToUnicode(e.text).toStdString());
        const double x = e.x.from * width_;
        const int start = static_cast<int>(std::max(x - Tolerance(), RightEndBefore(x) + 2));
        const int y0 = Row(e.y.from), y1 = Row(e.y.to);
        ASSERT_FALSE(ColumnHasDark(start, y0, y1)) << "ink before the text's left end";
        int first = start;
        while (first < width_ && !ColumnHasDark(first, y0, y1))
            ++first;
        EXPECT_LE(first, x + Tolerance());
    }
    EXPECT_EQ(texts, reaction_ == 0 ? 2 : reaction_ == 1 ? 4 : 5);
}

TEST_P(ReactionPixels, ArrowPointsRightAcrossItsSpan) {
    const auto arrows = layout_->OfKind(ElementKind::Arrow);
    ASSERT_EQ(arrows.size(), 1u);
    const Element& arrow = *arrows.front();
    const int yc = Row(arrow.y.Mid());
    const int xc = Col(arrow.x.Mid());
    ASSERT_TRUE(IsDark(At(xc, yc)));
    int left = xc, right = xc;
    while (left > 0 && IsDark(At(left - 1, yc)))
        --left;
    while (right + 1 < width_ && IsDark(At(right + 1, yc)))
        ++right;
    EXPECT_NEAR(left, arrow.x.from * width_, Tolerance());
    EXPECT_NEAR(right + 1, arrow.x.to * width_, Tolerance());
    // The bar is thin; the head at the tip is much taller than the bar.
    const QRect rows(0, Row(arrow.y.from) - 1, width_, Row(arrow.y.to) - Row(arrow.y.from) + 3);
    const auto darkRows = [&](int x) {
        return testing::Count(image_, QRect(x, rows.top(), 1, rows.height()), IsDark);
    };
    const int bar = darkRows(Col(arrow.x.from + 0.2 * arrow.x.Length()));
    int head = 0;
    for (int x = Col(arrow.x.from + 0.8 * arrow.x.Length()); x <= right; ++x) {
        head = std::max(head, darkRows(x));
    }
    EXPECT_GE(bar, 1);
    EXPECT_LE(bar, 3 * scale_);
    EXPECT_GT(head, 2 * bar);
}

TEST_P(ReactionPixels, ArrowCarriesItsConditions) {
    const Element& arrow = *layout_->OfKind(ElementKind::Arrow).front();
    const int x0 = Col(arrow.x.from), x1 = Col(arrow.x.to);
    const QRect above(x0, 0, x1 - x0, Row(arrow.y.from) - 1);
    const QRect below(x0, Row(arrow.y.to) + 1, x1 - x0, height_ - Row(arrow.y.to) - 2);
    const int inkAbove = testing::Count(image_, above, testing::IsBlack);
    const int inkBelow = testing::Count(image_, below, testing::IsBlack);
    if (reaction_ == 1) {
        EXPECT_EQ(inkAbove, 0);
        EXPECT_EQ(inkBelow, 0);
    } else {
        EXPECT_GT(inkAbove, 10 * scale_ * scale_);
        EXPECT_GT(inkBelow, 10 * scale_ * scale_);
    }
}

TEST_P(ReactionPixels, BackgroundIsARoundedYellowStrip) {
    EXPECT_TRUE(IsYellow(At(width_ / 2, height_ / 8)));
    EXPECT_TRUE(IsYellow(At(Col(0.01), height_ / 2)));
    // Elliptical corners: the very corner is left transparent.
    for (QPoint corner : {QPoint(0, 0), QPoint(width_ - 1, 0), QPoint(0, height_ - 1),
                          QPoint(width_ - 1, height_ - 1), QPoint(Col(0.01), Row(0.02))}) {
        EXPECT_EQ(qAlpha(At(corner.x(), corner.y())), 0) << corner.x() << "," << corner.y();
    }
    // A thin dark outline along the top edge.
    EXPECT_TRUE(IsDark(At(width_ / 2, 0)));
    EXPECT_TRUE(IsYellow(At(width_ / 2, 2 * scale_)));
}

INSTANTIATE_TEST_SUITE_P(AllReactions, ReactionPixels,
                         testing::EveryPictureAtRatios(design::kReactions),
                         testing::CaseName("Reaction"));

}  // namespace
}  // namespace alkynes::content
