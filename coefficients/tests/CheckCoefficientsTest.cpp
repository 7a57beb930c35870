// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coefficients/CheckCoefficients.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Board.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "testing/Expected.h"

namespace alkynes {
namespace {

struct BoxState {
    std::string text;
    bool visible;
    friend bool operator==(const BoxState&, const BoxState&) = default;
};

class CheckCoefficientsTest : public ::testing::Test {
  protected:
    // Types the texts into the boxes of reaction r, left to right.
    void Type(std::int16_t r, const std::vector<std::string>& texts) {
        const auto boxes = ReactionBoxes(r);
        ASSERT_EQ(texts.size(), boxes.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            form.tCoefficient(boxes[i]).Text = texts[i];
        }
    }

    std::vector<std::string> Texts(std::int16_t r) const {
        std::vector<std::string> texts;
        for (std::int16_t j : ReactionBoxes(r)) {
            texts.push_back(form.tCoefficient(j).Text);
        }
        return texts;
    }

    std::vector<BoxState> AllBoxes() const {
        std::vector<BoxState> boxes;
        for (int j = 0; j < design::kBoxes; ++j) {
            boxes.push_back({form.tCoefficient(j).Text, form.tCoefficient(j).Visible});
        }
        return boxes;
    }

    // True, and the texts unchanged.
    void ExpectRight(std::int16_t r, const std::vector<std::string>& texts) {
        Type(r, texts);
        EXPECT_TRUE(CheckCoefficients(form, r)) << Describe(r, texts);
        EXPECT_EQ(Texts(r), texts);
    }

    // False, and every box of the reaction emptied.
    void ExpectWrong(std::int16_t r, const std::vector<std::string>& texts) {
        Type(r, texts);
        EXPECT_FALSE(CheckCoefficients(form, r)) << Describe(r, texts);
        EXPECT_EQ(Texts(r), std::vector<std::string>(texts.size())) << Describe(r, texts);
    }

    static std::string Describe(std::int16_t r, const std::vector<std::string>& texts) {
        std::string d = "reaction " + std::to_string(r) + ":";
        for (const std::string& t : texts) {
            d += " [" + t + "]";
        }
        return d;
    }

    FormModel form;
};

TEST_F(CheckCoefficientsTest, AcceptsTheRatioOfEachReaction) {
    ExpectRight(0, {"2", "1", "3"});
    ExpectRight(1, {"1", "2", "1", "1"});
    for (std::int16_t r = 2; r <= 4; ++r) {
        ExpectRight(r, {"1", "2", "1", "2", "2"});
    }
}

TEST_F(CheckCoefficientsTest, AcceptsMultiplesOfTheRatio) {
    ExpectRight(0, {"4", "2", "6"});
    ExpectRight(1, {"2", "4", "2", "2"});
    ExpectRight(3, {"2", "4", "2", "4", "4"});
    ExpectRight(4, {"7", "14", "7", "14", "14"});
    // The largest multiples that fit in 16 bits.
    ExpectRight(0, {"21844", "10922", "32766"});
    ExpectRight(2, {"16383", "32766", "16383", "32766", "32766"});
}

TEST_F(CheckCoefficientsTest, AnEmptyBoxCountsAsOne) {
    ExpectRight(0, {"2", "", "3"});
    ExpectRight(1, {"", "2", "", ""});
    ExpectRight(1, {"   ", "2", " ", ""});
    ExpectWrong(2, {"", "2", "", "2", ""});
}

TEST_F(CheckCoefficientsTest, AllBoxesEmptyIsWrongForEveryReaction) {
    for (std::int16_t r = 0; r <= 4; ++r) {
        const auto boxes = ReactionBoxes(r);
        ExpectWrong(r, std::vector<std::string>(boxes.size()));
        for (std::int16_t j : boxes) {
            EXPECT_TRUE(form.tCoefficient(j).Visible);
        }
    }
}

TEST_F(CheckCoefficientsTest, AWrongRatioEmptiesEveryBoxOfTheReaction) {
    ExpectWrong(0, {"2", "1", "2"});
    ExpectWrong(0, {"1", "2", "3"});
    ExpectWrong(1, {"1", "2", "1", "2"});
    ExpectWrong(1, {"2", "2", "1", "1"});
    ExpectWrong(2, {"1", "2", "2", "2", "2"});
    ExpectWrong(3, {"1", "2", "1", "2", "1"});
    ExpectWrong(4, {"2", "4", "2", "4", "2"});
}

TEST_F(CheckCoefficientsTest, ReadsTheBoxTextsAsNumbers) {
    ExpectRight(0, {" 4 ", " 2", "6 "});
    ExpectRight(1, {"2x", "4", "2", "2"});
    ExpectRight(1, {"2,5", "4", "2", "2"});
    ExpectRight(1, {"2.5", "4", "2", "2"});
    ExpectRight(1, {"2", "3.5", "2", "2"});
    ExpectRight(1, {"0.6", "2", "1", "1"});
    ExpectRight(1, {"1 0", "2 0", "1\t0", "10"});
    ExpectRight(0, {"&H4", "&O2", "6e0"});
    ExpectWrong(1, {"0.5", "1", "0.5", "0.5"});
    ExpectWrong(1, {"\t", "2", "", ""});  // a tab is not an empty box: it reads 0
}

TEST_F(CheckCoefficientsTest, ANonPositiveOrUnreadableValueAnywhereEmptiesTheReaction) {
    const std::vector<std::vector<std::string>>& right = testing::kRightCoefficients;
    for (std::int16_t r = 0; r <= 4; ++r) {
        for (std::size_t i = 0; i < right[r].size(); ++i) {
            for (const char* bad : {"0", "-1", "abc", "0.4", "-2", "40000", "1e5", "32767.5"}) {
                std::vector<std::string> texts = right[r];
                texts[i] = bad;
                ExpectWrong(r, texts);
            }
        }
    }
}

TEST_F(CheckCoefficientsTest, ValuesOutsideSixteenBitsFailLikeAWrongRatio) {
    ExpectWrong(0, {"40000", "20000", "60000"});
    ExpectWrong(1, {"1e5", "2e5", "1e5", "1e5"});
    // Twice 16384 no longer fits in 16 bits.
    ExpectWrong(1, {"16384", "32768", "16384", "16384"});
    // 3 · 21846 is 2 modulo 2^16: the products are compared exactly.
    ExpectWrong(0, {"2", "21846", "2"});
    ExpectWrong(0, {"-21844", "21846", "2"});
}

TEST_F(CheckCoefficientsTest, ASecondCallGivesTheSameAnswer) {
    ExpectRight(2, {"1", "2", "1", "2", "2"});
    EXPECT_TRUE(CheckCoefficients(form, 2));
    EXPECT_EQ(Texts(2), (std::vector<std::string>{"1", "2", "1", "2", "2"}));

    ExpectWrong(3, {"1", "2", "1", "2", "3"});
    EXPECT_FALSE(CheckCoefficients(form, 3));
    EXPECT_EQ(Texts(3), std::vector<std::string>(5));
}

TEST_F(CheckCoefficientsTest, TouchesOnlyTheTextsOfTheReactionsBoxes) {
    for (int j = 0; j < design::kBoxes; ++j) {
        form.tCoefficient(j).Text = "t" + std::to_string(j);
        form.tCoefficient(j).Visible = j % 3 != 0;
    }
    const std::string grade = form.LGrade().Text = "50%";
    const std::vector<BoxState> before = AllBoxes();

    EXPECT_FALSE(CheckCoefficients(form, 2));

    const std::vector<BoxState> after = AllBoxes();
    for (int j = 0; j < design::kBoxes; ++j) {
        const bool ofReaction = j >= 7 && j <= 11;
        EXPECT_EQ(after[j].visible, before[j].visible) << "box " << j;
        EXPECT_EQ(after[j].text, ofReaction ? "" : before[j].text) << "box " << j;
    }
    EXPECT_EQ(form.LGrade().Text, grade);

    Type(1, {"3", "6", "3", "3"});
    const std::vector<BoxState> right = AllBoxes();
    EXPECT_TRUE(CheckCoefficients(form, 1));
    EXPECT_EQ(AllBoxes(), right);
}

TEST_F(CheckCoefficientsTest, AReactionOutsideZeroToFourIsWrongAndChangesNothing) {
    for (int j = 0; j < design::kBoxes; ++j) {
        form.tCoefficient(j).Text = "2";
    }
    const std::vector<BoxState> before = AllBoxes();
    for (std::int16_t r : {-1, 5, 100, -32768, 32767}) {
        EXPECT_FALSE(CheckCoefficients(form, r)) << "reaction " << r;
    }
    EXPECT_EQ(AllBoxes(), before);
}

}  // namespace
}  // namespace alkynes
