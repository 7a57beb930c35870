// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "model/Design.h"
#include "model/FormModel.h"

namespace alkynes {
namespace {

TEST(WindowAtCreation, ControlsAsDefined) {
    FormModel form;
    EXPECT_EQ(form.PieceCount(), 9);
    for (int j = 0; j < 22; ++j) {
        EXPECT_TRUE(form.tCoefficient(j).Visible);
        EXPECT_EQ(form.tCoefficient(j).Text, "1");
        EXPECT_EQ(form.tCoefficient(j).Width, 435);
        EXPECT_EQ(form.tCoefficient(j).Height, 330);
    }
    for (int m = 0; m < 3; ++m) {
        EXPECT_FALSE(form.Label1(m).Visible);
        EXPECT_FALSE(form.Label1(m).Text.empty());
    }
    EXPECT_EQ(form.LGrade().Text, "100%");
    EXPECT_FALSE(form.DropIcon().Visible);
    EXPECT_EQ(form.DropIcon().Picture.kind, PictureKind::DragIcon);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(form.ImgMolecular(k).Picture,
                  (PictureRef{PictureKind::Compound, static_cast<std::int8_t>(k)}));
    }
    EXPECT_EQ(form.ScaleWidth(), 15240);
    EXPECT_EQ(form.ScaleHeight(), 9975);
    EXPECT_EQ(form.ScaleLeft(), 0);
    EXPECT_EQ(form.ScaleTop(), 0);
}

TEST(WindowAtCreation, EveryControlOnceAndPicturesAtTheirShownSizes) {
    std::set<std::pair<ControlName, int>> seen;
    for (const design::ControlDesign& c : design::Controls()) {
        EXPECT_TRUE(seen.insert({c.name, c.index}).second)
            << "control " << int(c.name) << "(" << c.index << ") twice";
    }
    EXPECT_EQ(seen.size(), 45u);
    FormModel form;
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(form.ImgMolecular(k).Width, design::kPieceSize.width) << k;
        EXPECT_EQ(form.ImgMolecular(k).Height, design::kPieceSize.height) << k;
    }
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(form.ImgSyntactic(r).Width, r < 2 ? 11850 : 14970) << r;
        EXPECT_EQ(form.ImgSyntactic(r).Width, design::ReactionSize(r).width) << r;
        EXPECT_EQ(form.ImgSyntactic(r).Height, design::ReactionSize(r).height) << r;
    }
}

TEST(WindowAtCreation, EveryBoxLiesOnItsReactionPicture) {
    FormModel form;
    const int reactionOfBox[22] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                   2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4};
    for (int j = 0; j < 22; ++j) {
        const Control& box = form.tCoefficient(j);
        const Control& pic = form.ImgSyntactic(reactionOfBox[j]);
        EXPECT_GE(box.Left, pic.Left) << j;
        EXPECT_LE(box.Left + box.Width, pic.Left + pic.Width) << j;
        EXPECT_GE(box.Top, pic.Top) << j;
        EXPECT_LE(box.Top + box.Height, pic.Top + pic.Height) << j;
    }
}

TEST(WindowAtCreation, FramesLieBeneathWhatTheyHold) {
    FormModel form;
    const auto& order = form.StackingOrder();
    auto position = [&](ControlRef ref) {
        return std::find(order.begin(), order.end(), ref) - order.begin();
    };
    const auto topFrame =
        std::max({position({ControlName::Container, 0}), position({ControlName::Container, 1}),
                  position({ControlName::Container, 2})});
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i].name != ControlName::Container) {
            EXPECT_GT(static_cast<long>(i), topFrame);
        }
    }
    ASSERT_EQ(order.size(), 23u) << "all windowless controls, no text boxes";
    EXPECT_EQ(order.front(), (ControlRef{ControlName::Container, 1}));
    EXPECT_EQ(order.back(), (ControlRef{ControlName::Line1, 0}));
    EXPECT_LT(position({ControlName::ImgMolecular, 7}), position({ControlName::LGrade, 0}));
    EXPECT_GT(position({ControlName::ImgMolecular, 8}), position({ControlName::LGrade, 0}));
}

TEST(WindowAtCreation, MenuInOrderAndTabPositions) {
    ASSERT_EQ(design::kMenu.size(), 7u);
    EXPECT_STREQ(design::kMenu[1].caption, "Έλεγχος");
    EXPECT_STREQ(design::kMenu[4].caption, "|");
    EXPECT_STREQ(design::kMenu[6].name, "mnuExit");
    EXPECT_EQ(design::TabIndex(16), 16);
    EXPECT_EQ(design::TabIndex(17), 21);
    EXPECT_EQ(design::TabIndex(21), 25);
}

TEST(ControlOperations, LoadedPieceIsAHiddenCopyOnTop) {
    FormModel form;
    form.ImgMolecular(0).ToolTipText = "tip";
    form.LoadPiece(9);
    const Control& copy = form.ImgMolecular(9);
    EXPECT_FALSE(copy.Visible);
    EXPECT_EQ(copy.Width, 2235);
    EXPECT_EQ(copy.Height, 435);
    EXPECT_EQ(copy.ref, (ControlRef{ControlName::ImgMolecular, 9}));
    EXPECT_EQ(form.StackingOrder().back(), copy.ref);
    EXPECT_THROW(form.LoadPiece(11), std::logic_error);
}

TEST(ControlOperations, BringToFrontMovesOnlyThatControl) {
    FormModel form;
    auto order = form.StackingOrder();
    const ControlRef frame{ControlName::Container, 1};
    form.BringToFront(frame);
    EXPECT_EQ(form.StackingOrder().back(), frame);
    order.erase(order.begin());
    order.push_back(frame);
    EXPECT_EQ(form.StackingOrder(), order);
}

}  // namespace
}  // namespace alkynes
