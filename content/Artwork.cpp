// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Artwork.h"

#include <QHash>
#include <QIconEngine>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>

namespace alkynes::content {
namespace {

// Outlines lie on pixel centres of the 32 × 32 grid so that they come out
// as crisp one-pixel lines at the design size.

// Maps the 32 × 32 grid onto `target` for the duration of a drawing.
class GridPainter {
  public:
    GridPainter(QPainter& painter, const QRectF& target) : painter_(painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.translate(target.topLeft());
        painter_.scale(target.width() / kArtworkSize, target.height() / kArtworkSize);
        // One device-independent pixel wide at the design size and below;
        // a little less than a grid pixel when the artwork is drawn large,
        // so that big icons do not look heavy.
        const qreal scale = std::max<qreal>(target.width() / kArtworkSize, 1e-6);
        line_ = std::max<qreal>(1.0 / scale, 0.6);
    }
    ~GridPainter() { painter_.restore(); }
    GridPainter(const GridPainter&) = delete;
    GridPainter& operator=(const GridPainter&) = delete;

    void Fill(const QPainterPath& path, const QColor& colour) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        painter_.drawPath(path);
    }
    void Outline(const QPainterPath& path, const QColor& colour) {
        painter_.setPen(QPen(colour, line_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
    }
    void FillAndOutline(const QPainterPath& path, const QColor& fill, const QColor& outline) {
        Fill(path, fill);
        Outline(path, outline);
    }
    QPainter& painter() { return painter_; }

  private:
    QPainter& painter_;
    qreal line_ = 1;
};

QPainterPath Line(QPointF a, QPointF b) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    return path;
}

QPainterPath RectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

// --- the window icon: a test tube beside a beaker ----------------------

const QColor kGlass(232, 244, 255);
const QColor kGlassEdge(38, 52, 86);
const QColor kShine(255, 255, 255, 210);
const QColor kTubeLiquid(226, 48, 40);
const QColor kTubeLiquidLight(255, 128, 110);
const QColor kBeakerLiquid(36, 118, 232);
const QColor kBeakerLiquidLight(120, 186, 255);

// The tube's wall from height `top` down round its bottom and up again to
// `top`: the glass from its mouth, the liquid from its level.
QPainterPath TubeBelow(qreal top) {
    QPainterPath tube;
    tube.moveTo(3.5, top);
    tube.lineTo(3.5, 25);
    tube.arcTo(QRectF(3.5, 21.5, 7, 7), 180, 180);  // round bottom
    tube.lineTo(10.5, top);
    return tube;
}

QPainterPath TestTube() {
    return TubeBelow(4.5);
}

QPainterPath TubeLiquid() {
    QPainterPath liquid = TubeBelow(15.5);
    liquid.closeSubpath();
    return liquid;
}

// Continues `path` from the beaker's left wall down round its bottom and
// up the right wall to `rightTop`.
QPainterPath BeakerBelow(QPainterPath path, qreal rightTop) {
    path.lineTo(13.5, 27.5);
    path.quadTo(13.5, 29.5, 15.5, 29.5);
    path.lineTo(27.5, 29.5);
    path.quadTo(29.5, 29.5, 29.5, 27.5);
    path.lineTo(29.5, rightTop);
    return path;
}

QPainterPath Beaker() {
    QPainterPath spout;
    spout.moveTo(12.0, 8.0);  // the spout flares out at the top left
    spout.quadTo(13.5, 8.5, 13.5, 10.5);
    return BeakerBelow(spout, 8.5);
}

QPainterPath BeakerLiquid() {
    QPainterPath level;
    level.moveTo(13.5, 17.5);
    QPainterPath liquid = BeakerBelow(level, 17.5);
    liquid.closeSubpath();
    return liquid;
}

// --- the hand: a glove with the index finger up -------------------------

struct Curve {
    QPointF control;
    QPointF end;
};

// The glove at either of its two sizes.  Its outline starts at the foot of
// the index finger's left side and rises over the four finger tips, each
// the upper half of an ellipse, from the index finger to the little finger;
// it runs down the back of the hand to the wrist and comes back round the
// thumb.  The creases run down between the fingers from the foot of each
// tip but the first.
struct GloveShape {
    QPointF start;
    std::array<QRectF, 4> tips;
    std::array<qreal, 3> creaseEnds;  // where the creases end, downwards
    QPointF back;                     // the little finger's side ends
    Curve toWrist;                    // the back of the hand narrows to the wrist
    QPointF wrist;                    // across the wrist
    Curve heel;                       // the heel of the thumb
    QPointF thumb;
    Curve thumbTip;
    Curve thumbBack;  // round the tip and back towards the index finger
    QRectF cuff;
};

// The hand cursor's glove, the tip of its index finger at (12.5, 1.5).
const GloveShape kGlove{
    .start = {10.5, 16.0},
    .tips = {{{10.5, 1.5, 4, 4}, {14.5, 9.0, 4, 4}, {18.5, 10.0, 4, 4}, {22.5, 11.5, 3.5, 4}}},
    .creaseEnds = {14.5, 15.0, 16.0},
    .back = {26.0, 20.0},
    .toWrist = {{26.0, 23.5}, {24.0, 25.5}},
    .wrist = {11.5, 25.5},
    .heel = {{10.5, 23.0}, {8.5, 21.0}},
    .thumb = {5.0, 17.5},
    .thumbTip = {{3.5, 15.5}, {5.5, 14.5}},
    .thumbBack = {{7.0, 14.0}, {8.5, 15.0}},
    .cuff = {11.0, 25.5, 13.5, 5.0},
};

// The smaller glove of the drag icon, on the same pixel grid.
const GloveShape kSmallGlove{
    .start = {13.5, 12.0},
    .tips = {{{13.5, 1.5, 3, 3}, {16.5, 7.0, 3, 3}, {19.5, 8.0, 3, 3}, {22.5, 9.0, 2.5, 3}}},
    .creaseEnds = {11.0, 12.0, 12.5},
    .back = {25.0, 14.0},
    .toWrist = {{25.0, 16.5}, {23.5, 17.5}},
    .wrist = {14.5, 17.5},
    .heel = {{13.5, 15.5}, {11.5, 14.0}},
    .thumb = {9.5, 12.0},
    .thumbTip = {{8.5, 10.5}, {10.0, 10.0}},
    .thumbBack = {{11.5, 9.8}, {13.5, 12.0}},
    .cuff = {14.0, 17.5, 9.5, 3.0},
};

QPointF FootOf(const QRectF& tip) {
    return {tip.left(), tip.center().y()};
}

QPainterPath GloveOutline(const GloveShape& g) {
    QPainterPath glove;
    glove.moveTo(g.start);
    for (const QRectF& tip : g.tips) {
        glove.lineTo(FootOf(tip));
        glove.arcTo(tip, 180, -180);
    }
    glove.lineTo(g.back);
    glove.quadTo(g.toWrist.control, g.toWrist.end);
    glove.lineTo(g.wrist);
    glove.quadTo(g.heel.control, g.heel.end);
    glove.lineTo(g.thumb);
    glove.quadTo(g.thumbTip.control, g.thumbTip.end);
    glove.quadTo(g.thumbBack.control, g.thumbBack.end);
    glove.closeSubpath();
    return glove;
}

QPainterPath FingerCreases(const GloveShape& g) {
    QPainterPath creases;
    for (std::size_t i = 0; i < g.creaseEnds.size(); ++i) {
        const QPointF foot = FootOf(g.tips[i + 1]);
        creases.addPath(Line(foot, {foot.x(), g.creaseEnds[i]}));
    }
    return creases;
}

QPainterPath CuffPath(const GloveShape& g) {
    QPainterPath cuff;
    cuff.addRect(g.cuff);
    return cuff;
}

// Grey shading of the glove: the right side of the palm and fingers, which
// faces away from the light.
QPainterPath GloveShade() {
    QPainterPath shade;
    shade.moveTo(23.5, 15.0);
    shade.lineTo(25.5, 14.0);
    shade.lineTo(25.5, 20.0);
    shade.quadTo(25.5, 23.0, 23.5, 25.0);
    shade.lineTo(17.0, 25.0);
    shade.quadTo(22.5, 22.0, 23.5, 15.0);
    shade.closeSubpath();
    shade.addRect(QRectF(13.0, 3.5, 1.2, 10.0));  // side of the index finger
    return shade;
}

const QColor kGloveWhite(255, 255, 255);
const QColor kGloveGrey(176, 176, 176);
const QColor kCrease(128, 128, 128);
const QColor kCuffBlue(32, 72, 200);
const QColor kCuffLight(110, 150, 255);
const QColor kInk(0, 0, 0);

void DrawGlove(GridPainter& grid) {
    const QPainterPath glove = GloveOutline(kGlove);
    grid.Fill(glove, kGloveWhite);
    grid.Fill(GloveShade().intersected(glove), kGloveGrey);
    QPainterPath creases = FingerCreases(kGlove);
    creases.addPath(Line({8.5, 15.0}, {10.5, 17.5}));  // the thumb's edge
    grid.Outline(creases, kCrease);
    grid.Outline(glove, kInk);
    const QPainterPath cuff = CuffPath(kGlove);
    grid.Fill(cuff, kCuffBlue);
    grid.Outline(Line({12.5, 27.0}, {23.0, 27.0}), kCuffLight);
    grid.Outline(cuff, kInk);
}

QPixmap Blank(int size, qreal dpr) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

// The pixmap of a 32 × 32 drawing for a device pixel ratio (a ratio that
// is not positive counts as 1).
QPixmap ArtworkPixmap(qreal dpr) {
    const qreal ratio = dpr > 0 ? dpr : 1.0;
    const int device = std::max(1, static_cast<int>(kArtworkSize * ratio + 0.5));
    return Blank(device, static_cast<qreal>(device) / kArtworkSize);
}

}  // namespace

void DrawWindowIcon(QPainter& painter, const QRectF& target) {
    GridPainter grid(painter, target);
    // The beaker, behind the tube.
    const QPainterPath beaker = Beaker();
    QPainterPath beakerInside = beaker;
    beakerInside.closeSubpath();
    grid.Fill(beakerInside, kGlass);
    grid.Fill(BeakerLiquid(), kBeakerLiquid);
    grid.Fill(RectPath(QRectF(13.5, 17.5, 16.0, 1.5)), kBeakerLiquidLight);
    for (qreal y : {12.5, 16.5, 21.5, 25.5}) {  // graduation marks
        grid.Outline(Line({16.0, y}, {19.0, y}), kGlassEdge);
    }
    grid.Fill(RectPath(QRectF(26.0, 10.0, 1.5, 17.0)), kShine);
    grid.Outline(beaker, kGlassEdge);

    // The test tube with its red liquid, a bubble or two and a rim.
    const QPainterPath tube = TestTube();
    QPainterPath tubeInside = tube;
    tubeInside.closeSubpath();
    grid.Fill(tubeInside, kGlass);
    grid.Fill(TubeLiquid(), kTubeLiquid);
    grid.Fill(RectPath(QRectF(3.5, 15.5, 7.0, 1.2)), kTubeLiquidLight);
    QPainterPath bubbles;
    bubbles.addEllipse(QPointF(6.0, 21.0), 0.9, 0.9);
    bubbles.addEllipse(QPointF(8.2, 18.5), 0.6, 0.6);
    grid.Fill(bubbles, kTubeLiquidLight);
    grid.Fill(RectPath(QRectF(5.0, 6.0, 1.2, 17.0)), kShine);
    grid.Outline(tube, kGlassEdge);
    QPainterPath rim;
    rim.addRoundedRect(QRectF(2.5, 2.5, 9.0, 2.0), 0.8, 0.8);
    grid.FillAndOutline(rim, kGlass, kGlassEdge);
}

void DrawHand(QPainter& painter, const QRectF& target) {
    GridPainter grid(painter, target);
    DrawGlove(grid);
}

void DrawDragIcon(QPainter& painter, const QRectF& target) {
    GridPainter grid(painter, target);
    // The green slab the piece stands for.
    QPainterPath slab;
    slab.addRoundedRect(QRectF(2.5, 21.5, 27.0, 8.0), 3.5, 3.5);
    grid.FillAndOutline(slab, QColor(0, 255, 0), kInk);
    // Above it, the hand that carries it: white, outlined in black.
    grid.FillAndOutline(GloveOutline(kSmallGlove), kGloveWhite, kInk);
    grid.Outline(FingerCreases(kSmallGlove), kInk);
    grid.FillAndOutline(CuffPath(kSmallGlove), kGloveWhite, kInk);
}

QPixmap WindowIconPixmap(int size) {
    if (size <= 0) {
        return {};
    }
    QPixmap pixmap = Blank(size, 1.0);
    QPainter painter(&pixmap);
    DrawWindowIcon(painter, QRectF(0, 0, size, size));
    return pixmap;
}

namespace {

// The window icon as a scalable picture: each size is drawn the first time
// it is asked for.  A window system that takes every available size of a
// window's icon (X11 does, when the window is created) gets the sizes of
// title bars, task bars and window switchers; launchers use the installed
// theme icons, and any other size is still drawn crisp on request.
class WindowIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        DrawWindowIcon(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        const int side = qRound(std::min(size.width(), size.height()) * scale);
        auto it = drawn_.find(side);
        if (it == drawn_.end()) {
            QPixmap drawn = WindowIconPixmap(side);
            drawn.setDevicePixelRatio(scale);
            it = drawn_.insert(side, drawn);
        }
        return *it;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine* clone() const override { return new WindowIconEngine(*this); }
    QString key() const override { return QStringLiteral("alkynes-window-icon"); }

  private:
    QHash<int, QPixmap> drawn_;
};

}  // namespace

QIcon WindowIcon() {
    return QIcon(new WindowIconEngine);
}

QCursor HandCursor(qreal dpr) {
    QPixmap pixmap = ArtworkPixmap(dpr);
    {
        QPainter painter(&pixmap);
        DrawHand(painter, QRectF(0, 0, kArtworkSize, kArtworkSize));
    }
    return QCursor(pixmap, kHandHotSpotX, kHandHotSpotY);
}

QPixmap DragIconPixmap(qreal dpr) {
    QPixmap pixmap = ArtworkPixmap(dpr);
    {
        QPainter painter(&pixmap);
        DrawDragIcon(painter, QRectF(0, 0, kArtworkSize, kArtworkSize));
    }
    return pixmap;
}

}  // namespace alkynes::content
