// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Giant pastes into a coefficient box: the box keeps the first 32,767
// characters, the model's text is what the box holds, and the check reads
// what is left as it reads any text.  The resident memory before and after
// ten pastes of a megabyte is printed for the benchmark notes.
#include "ui/tests/WindowFixture.h"

#include <QClipboard>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace alkynes::testing {
namespace {

// The classic limit of a single-line text box, and Qt's default.
constexpr int kLimit = 32767;
constexpr int kMegabyte = 1 << 20;

// The resident set of this process, in kilobytes (0 where it is unknown).
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

class BoxLimitTest : public WindowTest {
  protected:
    // Selects all of box j and pastes the clipboard over it, from the keys.
    void PasteOver(int j) {
        QLineEdit* box = View()->Box(j);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(BoxLimitTest, GiantPastesAreCutAtTheLimitAndTheCheckStillGrades) {
    FillReaction(0);
    ASSERT_TRUE(View()->Box(0)->isVisible());

    // A megabyte that reads as 1: the spaces after the digit are skipped.
    QGuiApplication::clipboard()->setText(QStringLiteral("1") + QString(kMegabyte, u' '));
    PasteOver(1);
    EXPECT_EQ(View()->Box(1)->text().size(), kLimit);
    Type(2, QStringLiteral("3"));

    // Ten megabytes in turn over box 0, each reading as 2: the reading
    // stops at the first letter.
    const QString giant = QStringLiteral("2") + QString(kMegabyte, u'x');
    QGuiApplication::clipboard()->setText(giant);
    const long before = ResidentKb();
    for (int n = 0; n < 10; ++n) {
        PasteOver(0);
    }
    Settle();
    const long after = ResidentKb();
    std::cout << "resident memory around 10 pastes of 1 MB into one box: " << before / 1024.0
              << " MB before, " << after / 1024.0 << " MB after, growth "
              << (after - before) / 1024.0 << " MB" << std::endl;

    EXPECT_EQ(View()->Box(0)->text().size(), kLimit);
    EXPECT_TRUE(View()->Box(0)->text() == giant.left(kLimit)) << "the start of the paste";
    EXPECT_EQ(Model().tCoefficient(0).Text.size(), static_cast<std::size_t>(kLimit));
    EXPECT_EQ(Model().tCoefficient(1).Text.size(), static_cast<std::size_t>(kLimit));

    ClickMenu("mnuCheck");
    // Reaction 0's compounds (5 + 5) and its coefficients 2 : 1 : 3 (6).
    EXPECT_EQ(Model().LGrade().Text, "16%");
    EXPECT_EQ(Model().tCoefficient(0).Text.size(), static_cast<std::size_t>(kLimit))
        << "right coefficients stay as typed";
}

TEST_F(BoxLimitTest, TypingStopsAtTheLimit) {
    FillReaction(0);
    QGuiApplication::clipboard()->setText(QString(kLimit - 1, u'7'));
    PasteOver(0);
    QTest::keyClicks(View()->Box(0), QStringLiteral("89"));
    EXPECT_EQ(View()->Box(0)->text().size(), kLimit);
    EXPECT_TRUE(View()->Box(0)->text().endsWith(QStringLiteral("78"))) << "the 9 is not taken";
    EXPECT_TRUE(Model().tCoefficient(0).Text == std::string(kLimit - 1, '7') + "8");
}

TEST_F(BoxLimitTest, ACoefficientKeepsItsUndoAGiantPasteDropsIt) {
    FillReaction(0);
    Type(0, QStringLiteral("2"));
    EXPECT_TRUE(View()->Box(0)->isUndoAvailable());
    QGuiApplication::clipboard()->setText(QString(kMegabyte, u'3'));
    PasteOver(0);
    Settle();
    EXPECT_FALSE(View()->Box(0)->isUndoAvailable());
    EXPECT_EQ(View()->Box(0)->cursorPosition(), kLimit) << "the cursor stays after the paste";
}

}  // namespace
}  // namespace alkynes::testing
