// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the student first sees it: its size, frame, menu, the
// coefficient boxes and the starting position set up before the first show.
#include "ui/tests/WindowFixture.h"

#include <QFontInfo>
#include <QScreen>

#include "content/Fonts.h"

namespace alkynes::testing {
namespace {

using LayoutTest = WindowTest;

TEST_F(LayoutTest, ClientAreaIsTheDesignedSizeBelowTheMenuBar) {
    QMenuBar* bar = Window().menuBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isNativeMenuBar());
    EXPECT_EQ(View()->size(), QSize(1016, 665));
    EXPECT_EQ(View()->mapTo(&Window(), QPoint(0, 0)), QPoint(0, bar->height()));
    EXPECT_EQ(Window().size(), QSize(1016, bar->height() + 665));
    // The menu bar takes one row: every item fits beside the others.
    EXPECT_LT(bar->height(), 40);
}

TEST_F(LayoutTest, WindowIsFixedWithoutMaximizeAndCentred) {
    const QSize size = Window().size();
    EXPECT_EQ(Window().minimumSize(), size);
    EXPECT_EQ(Window().maximumSize(), size);
    Window().resize(size + QSize(200, 150));
    Settle();
    EXPECT_EQ(Window().size(), size);

    const Qt::WindowFlags flags = Window().windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Window().windowTitle(), QString::fromUtf8("Παρασκευές αλκινίων"));
    EXPECT_FALSE(Window().windowIcon().isNull());

    // Centred where it fits; the test screen (800 × 600) is smaller than
    // the window, so its top-left corner, title bar and menu bar go to the
    // screen's top-left instead.
    const QRect screen = Window().screen()->availableGeometry();
    const QRect frame = Window().frameGeometry();
    if (screen.width() >= frame.width() && screen.height() >= frame.height()) {
        EXPECT_LE((frame.center() - screen.center()).manhattanLength(), 2);
    } else {
        EXPECT_EQ(frame.topLeft(), screen.topLeft());
    }
}

TEST_F(LayoutTest, MenuBarHoldsTheSevenItemsInOrder) {
    const QList<QAction*> items = Window().menuBar()->actions();
    const char* captions[] = {"Βοήθεια", "Έλεγχος", "Απ' την αρχή", "Φύλλο εργασίας",
                              "|",       "Περί...", "Έξοδος"};
    ASSERT_EQ(items.size(), 7);
    for (int i = 0; i < 7; ++i) {
        const QAction* item = items[i];
        EXPECT_EQ(item->text(), QString::fromUtf8(captions[i])) << i;
        EXPECT_EQ(item->objectName(), QString::fromLatin1(design::kMenu[i].name));
        EXPECT_TRUE(item->isEnabled()) << i;
        EXPECT_TRUE(item->isVisible()) << i;
        EXPECT_EQ(item->menu(), nullptr) << i;
        EXPECT_TRUE(item->shortcut().isEmpty()) << i;
        EXPECT_FALSE(item->text().contains(QLatin1Char('&'))) << i;
    }
}

TEST_F(LayoutTest, CoefficientBoxesAreRedBoldCentredLineEditsInTabOrder) {
    for (int j = 0; j < design::kBoxes; ++j) {
        QLineEdit* box = View()->Box(j);
        const Control& c = Model().tCoefficient(j);
        EXPECT_EQ(box->parentWidget(), View());
        EXPECT_EQ(box->geometry(), QRect(At(c.Left, c.Top), QSize(29, 22))) << j;
        EXPECT_EQ(box->alignment(), Qt::AlignCenter);
        EXPECT_EQ(box->maxLength(), 32767);
        EXPECT_TRUE(box->hasFrame());
        EXPECT_EQ(box->font().pixelSize(), 16);
        EXPECT_TRUE(box->font().bold());
        EXPECT_EQ(QFontInfo(box->font()).family(), content::DialogFamily());
        EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 0, 0));
        // The frame is drawn from the desktop's window colour, not the board's white.
        EXPECT_EQ(box->palette().color(QPalette::Window),
                  QApplication::palette().color(QPalette::Window));
        // Start-up empties and hides every box.
        EXPECT_FALSE(box->isVisible()) << j;
        EXPECT_TRUE(box->text().isEmpty()) << j;
    }
    for (int j = 0; j + 1 < design::kBoxes; ++j) {
        EXPECT_EQ(View()->Box(j)->nextInFocusChain(), View()->Box(j + 1)) << j;
    }
}

// The load handler runs in the constructor: before the first show the
// pieces already rest in their shuffled cells and everything is hidden.
TEST(LayoutBeforeShow, StartingPositionIsReadyBeforeTheFirstShow) {
    Form1Window window(std::make_unique<ScriptedRandom>(ScriptedRandom::ForOrder(kOrder)));
    ASSERT_FALSE(window.isVisible());
    FormModel& model = window.Logic().Model();
    const Board& board = window.Logic().State();
    ASSERT_EQ(model.PieceCount(), design::kPieces);
    for (int k = 0; k < kCompounds; ++k) {
        EXPECT_EQ(board.PaletteOrder[static_cast<std::size_t>(k)],
                  kOrder[static_cast<std::size_t>(k)]);
    }
    for (int p = 0; p < design::kPieces; ++p) {
        const Point cell = PaletteCellPosition(model, kOrder[static_cast<std::size_t>(p % 9)]);
        EXPECT_EQ(model.ImgMolecular(p).Left, cell.Left) << p;
        EXPECT_EQ(model.ImgMolecular(p).Top, cell.Top) << p;
        EXPECT_TRUE(model.ImgMolecular(p).Visible) << p;
    }
    EXPECT_FALSE(model.LGrade().Visible);
    for (int j = 0; j < design::kBoxes; ++j) {
        EXPECT_TRUE(window.Board()->Box(j)->isHidden()) << j;
    }
}

}  // namespace
}  // namespace alkynes::testing
