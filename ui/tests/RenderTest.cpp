// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window paints, read back from its pixels at the device pixel
// ratio the tests run at (1 and 2).
#include "ui/tests/WindowFixture.h"

#include <QBackingStore>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <cstdio>

#include "content/Pictures.h"

namespace alkynes::testing {
namespace {

class RenderTest : public WindowTest {
  protected:
    // The board as it paints itself now, in device pixels.
    QImage Render() {
        QImage image = View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        dpr_ = image.devicePixelRatio();
        image.setDevicePixelRatio(1);
        return image;
    }

    // The device pixels of a rectangle given in board pixels.
    QRect Device(const QRect& logical) const {
        return QRect(static_cast<int>(std::lround(logical.x() * dpr_)),
                     static_cast<int>(std::lround(logical.y() * dpr_)),
                     static_cast<int>(std::lround(logical.width() * dpr_)),
                     static_cast<int>(std::lround(logical.height() * dpr_)));
    }
    QColor PixelAt(const QImage& image, QPoint logical) const {
        return image.pixelColor(Device(QRect(logical, QSize(1, 1))).center());
    }

    // A picture as the cache renders it for this ratio, laid on `ground`
    // `layers` times (the pieces of a palette cell lie on one another).
    QImage Expected(PictureRef picture, QSize logical, const QColor& ground, int layers = 1) {
        const QPixmap& pixmap = cache_.Pixmap(picture, logical, dpr_);
        QImage image(pixmap.size(), QImage::Format_RGB32);
        image.fill(ground);
        QImage source = pixmap.toImage();
        source.setDevicePixelRatio(1);
        QPainter painter(&image);
        for (int i = 0; i < layers; ++i) {
            painter.drawImage(0, 0, source);
        }
        return image;
    }

    // How many pixels of two images of one size differ.
    static int Differences(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) {
            return a.width() * a.height() + b.width() * b.height();
        }
        int count = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
            }
        }
        if (count != 0 && qEnvironmentVariableIsSet("ALKYNES_TEST_DUMP")) {
            // In the system's temporary folder, named by the scale and the
            // count, so that the 1× and 2× runs keep each other's dumps.
            static int n = 0;
            const QString stem = QDir(QDir::tempPath())
                                     .filePath(QStringLiteral("alkynes-diff-%1x-%2")
                                                   .arg(QStringLiteral(ALKYNES_TEST_SCALE))
                                                   .arg(n));
            a.save(stem + QStringLiteral("-a.png"));
            b.save(stem + QStringLiteral("-b.png"));
            std::fprintf(stderr, "differing images written to %s-a.png and -b.png\n",
                         qPrintable(stem));
            ++n;
        }
        return count;
    }

    static double Share(const QImage& image, const QColor& colour) {
        int hits = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                hits += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return static_cast<double>(hits) / (image.width() * image.height());
    }

    qreal dpr_ = 1;
    content::PictureCache cache_;
};

const QColor kWhite(255, 255, 255);
const QColor kPaleYellow(255, 255, 192);
const QColor kRed(255, 0, 0);

TEST_F(RenderTest, RendersAtTheScreensDevicePixelRatio) {
    const QImage image = Render();
    EXPECT_EQ(dpr_, std::stod(ALKYNES_TEST_SCALE));
    EXPECT_EQ(image.size(), QSize(1016, 665) * dpr_);
}

TEST_F(RenderTest, FramesArePaleYellowWithASolidRedBorder) {
    const QImage image = Render();
    for (int f = 0; f < design::kFrames; ++f) {
        const QRect frame =
            twips::ToPixelGrid(QRectF(Model().Container(f).Left, Model().Container(f).Top,
                                      Model().Container(f).Width, Model().Container(f).Height));
        const int y = frame.top() + 20;  // beside the pictures, left of them
        EXPECT_EQ(PixelAt(image, QPoint(frame.left() - 1, y)), kWhite) << f;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(PixelAt(image, QPoint(frame.left() + i, y)), kRed) << f << " " << i;
            EXPECT_EQ(PixelAt(image, QPoint(frame.right() - i, y)), kRed) << f << " " << i;
            EXPECT_EQ(PixelAt(image, QPoint(frame.left() + 20, frame.top() + i)), kRed) << f;
            EXPECT_EQ(PixelAt(image, QPoint(frame.left() + 20, frame.bottom() - i)), kRed) << f;
        }
        EXPECT_EQ(PixelAt(image, QPoint(frame.left() + 3, y)), kPaleYellow) << f;
        EXPECT_EQ(PixelAt(image, QPoint(frame.right() - 3, y)), kPaleYellow) << f;
    }
    // Line1, one pixel of window text between frames 1 and 2.
    const QPoint line = At(6000, 5460);
    EXPECT_EQ(PixelAt(image, line), View()->palette().color(QPalette::Text));
    EXPECT_EQ(PixelAt(image, line - QPoint(0, 1)), kWhite);
    EXPECT_EQ(PixelAt(image, line + QPoint(0, 1)), kWhite);
}

TEST_F(RenderTest, NinePaletteTilesLieCrispAtTheirCells) {
    const QImage image = Render();
    const Control& master = Model().ImgMolecular(0);
    const QSize tile = twips::ToPixelGrid(QRectF(0, 0, master.Width, master.Height)).size();
    for (int k = 0; k < kCompounds; ++k) {
        const Point cell = Cell(k);
        const QRect at =
            twips::ToPixelGrid(QRectF(cell.Left, cell.Top, master.Width, master.Height));
        const QImage shown = image.copy(Device(at));
        // Pixel for pixel the picture rendered for this ratio: right
        // compound, right cell, no rescaling.
        int layers = 0;
        for (int p = k; p < Model().PieceCount(); p += kCompounds) {
            layers += RestsInPalette(static_cast<std::int16_t>(p)) ? 1 : 0;
        }
        ASSERT_EQ(layers, 13);
        // Only the top piece of the stack is painted: the cell shows one tile.
        EXPECT_EQ(Differences(shown, Expected({PictureKind::Compound, static_cast<std::int8_t>(k)},
                                              tile, kWhite, 1)),
                  0)
            << "compound " << k;
        EXPECT_GT(Share(shown, content::kTileGreen), 0.3) << "compound " << k;
    }
}

TEST_F(RenderTest, BoxesAndBadgeAreHiddenAtStartAndTheBadgeIsRedAfterACheck) {
    QImage image = Render();
    // Where a hidden box lies, the reaction picture shows.
    for (int j = 0; j < design::kBoxes; ++j) {
        const Control& box = Model().tCoefficient(j);
        int r = 0;
        while (!Model().ImgSyntactic(r).Contains(box.Left, box.Top)) {
            ++r;
        }
        const Control& pic = Model().ImgSyntactic(r);
        const QRect picture = twips::ToPixelGrid(QRectF(pic.Left, pic.Top, pic.Width, pic.Height));
        const QRect area = View()->Box(j)->geometry();
        const QImage whole = Expected(pic.Picture, picture.size(), kPaleYellow);
        EXPECT_EQ(Differences(image.copy(Device(area)),
                              whole.copy(Device(area.translated(-picture.topLeft())))),
                  0)
            << "box " << j;
    }
    const Control& grade = Model().LGrade();
    const QRect designed =
        twips::ToPixelGrid(QRectF(grade.Left, grade.Top, grade.Width, grade.Height));
    EXPECT_EQ(Share(image.copy(Device(designed)), kWhite), 1.0);

    ClickMenu("mnuCheck");
    image = Render();
    const QRect badge = View()->PaintRect(grade);
    EXPECT_EQ(badge.right(), designed.right());  // sized to "0%", right edge kept
    EXPECT_EQ(badge.top(), designed.top());
    EXPECT_LT(badge.width(), designed.width());
    const QImage shown = image.copy(Device(badge));
    EXPECT_GT(Share(shown, kRed), 0.5);
    EXPECT_GT(Share(shown, kWhite), 0.05);  // the score's digits
    EXPECT_EQ(PixelAt(image, badge.topLeft() - QPoint(1, 0)), kWhite);
    EXPECT_EQ(PixelAt(image, badge.center() - QPoint(badge.width() / 2 - 1, 0)),
              View()->palette().color(QPalette::Text));  // the single border
}

// What reaches the screen after many partial repaints is what a full
// repaint gives.
TEST_F(RenderTest, PartialRepaintsLeaveNothingBehind) {
    FillReaction(0);
    DragCompound(4, SlotSpot(5), {SlotSpot(3), View()->Box(1)->geometry().center()});
    Press(CellSpot(8));
    Move(SlotSpot(9));
    Move(QPoint(600, 40));
    Release(QPoint(600, 40));
    const std::int16_t placed = SlotPiece(0);
    QTest::mouseDClick(View(), Qt::LeftButton, {}, Middle(Model().ImgMolecular(placed)));
    QTest::mouseRelease(View(), Qt::LeftButton, {}, Middle(Model().ImgMolecular(placed)));
    ClickMenu("mnuCheck");
    Move(QPoint(500, 620));
    Settle();

    // The window's backing store holds what the partial repaints left.
    QPaintDevice* store = Window().backingStore()->paintDevice();
    ASSERT_EQ(store->devType(), QInternal::Image);
    QImage whole = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
    const QImage full = Render();
    whole.setDevicePixelRatio(1);
    const QImage onScreen =
        whole.copy(Device(QRect(View()->mapTo(&Window(), QPoint(0, 0)), View()->size())));
    ASSERT_EQ(onScreen.size(), full.size());
    EXPECT_EQ(Differences(onScreen, full), 0);
}

}  // namespace
}  // namespace alkynes::testing
