// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window at another zoom: the largest zoom that fits a screen, and a
// window zoomed twice that lays out, paints and plays as at zoom 1, its
// pictures drawn for their new size rather than stretched.
#include "ui/tests/WindowFixture.h"

#include <QDialog>
#include <QImage>
#include <QPainter>

#include "content/Pictures.h"

namespace alkynes::testing {
namespace {

// The main window's outer size at a zoom, as a window manager would frame
// it: the client area and a menu bar that grow with the zoom, and a title
// bar that does not.
QSize FramedWindow(qreal zoom) {
    return QSize(qRound(1016 * zoom), qRound(665 * zoom) + qRound(19 * zoom) + 30);
}

TEST(FitZoom, TheLargestZoomInHundredthsThatFits) {
    const struct {
        qreal wanted;
        QSize room;
        qreal zoom;
    } kCases[] = {
        {1, {1920, 1080}, 1},          // fits as it is
        {1, {1016, 714}, 1},           // fits exactly
        {1, {1015, 714}, 0.99},        // one pixel too narrow
        {1, {800, 570}, 0.78},         // 800 × 600 less a panel: the width decides
        {1, {1024, 570}, 0.79},        // 1024 × 600 less a panel: the height decides
        {1.234, {1920, 1080}, 1.234},  // a wanted zoom that fits is kept exactly
        {3, {1280, 994}, 1.26},        // more than the screen holds
        {1, {400, 300}, 0.5},          // not even half size fits: half size
        {0.3, {1920, 1080}, 0.5},      // never below half size
        {20, {100000, 100000}, 8},     // nor above eight times
    };
    for (const auto& c : kCases) {
        EXPECT_DOUBLE_EQ(twips::FitZoom(c.wanted, c.room, FramedWindow), c.zoom)
            << c.wanted << " in " << c.room.width() << "x" << c.room.height();
    }
}

class ZoomTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Window().SetWantedZoom(2);
        Settle();
    }
    void TearDown() override {
        WindowTest::TearDown();
        twips::SetZoom(1);
    }
};

TEST_F(ZoomTest, TheWholeWindowGrows) {
    EXPECT_EQ(View()->size(), QSize(2032, 1330));
    EXPECT_EQ(Window().size().height(), Window().menuBar()->height() + 1330);
    const QFont menu = QApplication::font(Window().menuBar());
    EXPECT_DOUBLE_EQ(Window().menuBar()->font().pointSizeF(), 2 * menu.pointSizeF());

    FillReaction(0);
    EXPECT_EQ(View()->Box(0)->geometry(), QRect(248, 232, 58, 44));  // (1860, 1740) 435 × 330
    EXPECT_EQ(View()->Box(0)->font().pixelSize(), 32);               // 12 points
}

TEST_F(ZoomTest, APieceIsDraggedIntoItsSlot) {
    const std::int16_t piece = DragCompound(kRightCompound[6], SlotSpot(6), {SlotSpot(4)});
    EXPECT_EQ(SlotPiece(6), piece);
    const std::int16_t other = DragCompound(kRightCompound[6], SlotSpot(6));
    EXPECT_EQ(SlotPiece(6), other) << "the second replaces the first";
    EXPECT_TRUE(RestsInPalette(piece));
}

TEST_F(ZoomTest, TilesAreDrawnForTheirZoomedSize) {
    QImage board = View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = board.devicePixelRatio();
    board.setDevicePixelRatio(1);
    const Control& master = Model().ImgMolecular(0);
    for (int k = 0; k < kCompounds; ++k) {
        const QRect at =
            twips::ToPixelGrid(QRectF(Cell(k).Left, Cell(k).Top, master.Width, master.Height));
        QImage drawn = content::RenderPicture({PictureKind::Compound, static_cast<std::int8_t>(k)},
                                              at.size(), dpr);
        drawn.setDevicePixelRatio(1);
        QImage expected(drawn.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, drawn);
        const QImage shown = board.copy(QRect(at.topLeft() * dpr, drawn.size()));
        EXPECT_TRUE(shown == expected) << "compound " << k;
    }
}

}  // namespace
}  // namespace alkynes::testing
