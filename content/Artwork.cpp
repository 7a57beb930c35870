#include "content/Artwork.h"

#include <QHash>
#include <QIconEngine>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

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

QPainterPath TestTube() {
    QPainterPath tube;
    tube.moveTo(3.5, 4.5);
    tube.lineTo(3.5, 25);
    tube.arcTo(QRectF(3.5, 21.5, 7, 7), 180, 180);  // round bottom
    tube.lineTo(10.5, 4.5);
    return tube;
}

QPainterPath TubeLiquid() {
    QPainterPath liquid;
    liquid.moveTo(3.5, 15.5);
    liquid.lineTo(3.5, 25);
    liquid.arcTo(QRectF(3.5, 21.5, 7, 7), 180, 180);
    liquid.lineTo(10.5, 15.5);
    liquid.closeSubpath();
    return liquid;
}

QPainterPath Beaker() {
    QPainterPath beaker;
    beaker.moveTo(12.0, 8.0);  // the spout flares out at the top left
    beaker.quadTo(13.5, 8.5, 13.5, 10.5);
    beaker.lineTo(13.5, 27.5);
    beaker.quadTo(13.5, 29.5, 15.5, 29.5);
    beaker.lineTo(27.5, 29.5);
    beaker.quadTo(29.5, 29.5, 29.5, 27.5);
    beaker.lineTo(29.5, 8.5);
    return beaker;
}

QPainterPath BeakerLiquid() {
    QPainterPath liquid;
    liquid.moveTo(13.5, 17.5);
    liquid.lineTo(13.5, 27.5);
    liquid.quadTo(13.5, 29.5, 15.5, 29.5);
    liquid.lineTo(27.5, 29.5);
    liquid.quadTo(29.5, 29.5, 29.5, 27.5);
    liquid.lineTo(29.5, 17.5);
    liquid.closeSubpath();
    return liquid;
}

// --- the hand: a glove with the index finger up -------------------------

QPainterPath Glove() {
    QPainterPath glove;
    glove.moveTo(10.5, 16.0);
    glove.lineTo(10.5, 3.5);
    glove.arcTo(QRectF(10.5, 1.5, 4, 4), 180, -180);  // finger tip, top at (12.5, 1.5)
    glove.lineTo(14.5, 11.0);
    glove.arcTo(QRectF(14.5, 9.0, 4, 4), 180, -180);  // middle finger knuckle
    glove.lineTo(18.5, 12.0);
    glove.arcTo(QRectF(18.5, 10.0, 4, 4), 180, -180);  // ring finger
    glove.lineTo(22.5, 13.5);
    glove.arcTo(QRectF(22.5, 11.5, 3.5, 4), 180, -180);  // little finger
    glove.lineTo(26.0, 20.0);
    glove.quadTo(26.0, 23.5, 24.0, 25.5);  // the palm narrows to the wrist
    glove.lineTo(11.5, 25.5);
    glove.quadTo(10.5, 23.0, 8.5, 21.0);  // heel of the thumb
    glove.lineTo(5.0, 17.5);
    glove.quadTo(3.5, 15.5, 5.5, 14.5);  // thumb tip
    glove.quadTo(7.0, 14.0, 8.5, 15.0);
    glove.closeSubpath();
    return glove;
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

QPainterPath GloveCreases() {
    QPainterPath creases;
    creases.addPath(Line({14.5, 11.0}, {14.5, 14.5}));
    creases.addPath(Line({18.5, 12.0}, {18.5, 15.0}));
    creases.addPath(Line({22.5, 13.5}, {22.5, 16.0}));
    creases.addPath(Line({8.5, 15.0}, {10.5, 17.5}));  // the thumb's edge
    return creases;
}

QRectF Cuff() {
    return QRectF(11.0, 25.5, 13.5, 5.0);
}

// The smaller hand of the drag icon, on the same pixel grid.
QPainterPath SmallGlove() {
    QPainterPath glove;
    glove.moveTo(13.5, 12.0);
    glove.lineTo(13.5, 3.0);
    glove.arcTo(QRectF(13.5, 1.5, 3, 3), 180, -180);
    glove.lineTo(16.5, 8.5);
    glove.arcTo(QRectF(16.5, 7.0, 3, 3), 180, -180);
    glove.lineTo(19.5, 9.5);
    glove.arcTo(QRectF(19.5, 8.0, 3, 3), 180, -180);
    glove.lineTo(22.5, 10.5);
    glove.arcTo(QRectF(22.5, 9.0, 2.5, 3), 180, -180);
    glove.lineTo(25.0, 14.0);
    glove.quadTo(25.0, 16.5, 23.5, 17.5);
    glove.lineTo(14.5, 17.5);
    glove.quadTo(13.5, 15.5, 11.5, 14.0);
    glove.lineTo(9.5, 12.0);
    glove.quadTo(8.5, 10.5, 10.0, 10.0);
    glove.quadTo(11.5, 9.8, 13.5, 12.0);
    glove.closeSubpath();
    return glove;
}

QPainterPath SmallGloveCreases() {
    QPainterPath creases;
    creases.addPath(Line({16.5, 8.5}, {16.5, 11.0}));
    creases.addPath(Line({19.5, 9.5}, {19.5, 12.0}));
    creases.addPath(Line({22.5, 10.5}, {22.5, 12.5}));
    return creases;
}

const QColor kGloveWhite(255, 255, 255);
const QColor kGloveGrey(176, 176, 176);
const QColor kCrease(128, 128, 128);
const QColor kCuffBlue(32, 72, 200);
const QColor kCuffLight(110, 150, 255);
const QColor kInk(0, 0, 0);

void DrawGlove(GridPainter& grid) {
    const QPainterPath glove = Glove();
    grid.Fill(glove, kGloveWhite);
    grid.Fill(GloveShade().intersected(glove), kGloveGrey);
    grid.Outline(GloveCreases(), kCrease);
    grid.Outline(glove, kInk);
    QPainterPath cuff;
    cuff.addRect(Cuff());
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
    const QPainterPath glove = SmallGlove();
    grid.FillAndOutline(glove, kGloveWhite, kInk);
    grid.Outline(SmallGloveCreases(), kInk);
    QPainterPath cuff;
    cuff.addRect(QRectF(14.0, 17.5, 9.5, 3.0));
    grid.FillAndOutline(cuff, kGloveWhite, kInk);
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
