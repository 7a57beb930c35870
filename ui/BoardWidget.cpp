// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "content/Look.h"
#include "content/Twips.h"
#include "model/Design.h"
#include "prerendered/ReadyPictures.h"
#include "ui/BoardAccessible.h"

namespace alkynes {
namespace {

// The colours of the window definition.  "Window background" and "window
// text" are the system colours of text areas, which Qt calls Base and Text.
const QColor kFormBackground = content::ToColor(design::kFormBackColor);
const QColor kFrameFill = content::ToColor(design::kFrameFillColor);
const QColor kFrameBorder = content::ToColor(design::kFrameBorderColor);
const QColor kBadgeBack = content::ToColor(design::kGradeBackColor);
const QColor kBadgeText = content::ToColor(design::kGradeForeColor);
const QColor kBoxText = content::ToColor(design::kBoxForeColor);

// Widths in pixels at zoom 1: the frames' solid border, the badge's single
// border and the room the badge leaves beside its caption.  They grow and
// shrink with the zoom like everything else on the board.
constexpr int kFrameBorderPixels = design::kFrameBorderPixels;
constexpr int kBadgeBorderPixels = design::kGradeBorderPixels;
constexpr int kBadgePaddingPixels = 2;

// The most a coefficient box holds: the classic limit of a single-line text
// box, and Qt's own default.  A paste is cut there.
constexpr int kBoxMaxLength = 32767;

// A line edit's undo history keeps a step for every character typed,
// pasted or pasted over, and never lets go of it: giant pastes, one after
// another, would grow it without end.  Past this length (far more than any
// coefficient) a box forgets its history after each edit.
constexpr int kUndoableLength = 64;

// Drops the undo history of `box`, keeping its text and cursor.
void ForgetHistory(QLineEdit* box) {
    const int cursor = box->cursorPosition();
    box->setText(box->text());
    box->setCursorPosition(cursor);
}

// The keyboard's focus ring: a dark blue (relative luminance 0.065), with a
// contrast of 6.6:1 against the tiles' and blanks' pure green, 8.5:1
// against the reactions' yellow and 9.1:1 against white; as wide as two
// device-independent pixels.
constexpr QColor kFocusRing{0x00, 0x3C, 0xB4};
constexpr int kFocusRingWidth = 2;

// One slot of the painted snapshot per control name and index.
constexpr int kIndexesPerName = 128;
constexpr int kNames = static_cast<int>(ControlName::Line1) + 1;
static_assert(design::kPieces <= kIndexesPerName);

std::size_t Key(ControlRef ref) {
    return static_cast<std::size_t>(static_cast<int>(ref.name) * kIndexesPerName + ref.index);
}

QRectF DesignRect(const Control& c) {
    return QRectF(c.Left, c.Top, c.Width, c.Height);
}

// The window's events name only three buttons, and no handler tells them
// apart; any other button (back, forward, ...) is reported as the left one,
// so that every button works the same.
MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

void DrawBorder(QPainter& painter, const QRect& r, int width, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
}

// The one place where keys of the toolkit become the board's keys.  Keys
// with Ctrl, Alt or Meta are left to the window (Alt opens the menu bar).
std::optional<BoardKey> BoardKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Tab:
            return modifiers & Qt::ShiftModifier ? BoardKey::Previous : BoardKey::Next;
        case Qt::Key_Backtab:
            return BoardKey::Previous;
        case Qt::Key_Left:
            return BoardKey::Left;
        case Qt::Key_Right:
            return BoardKey::Right;
        case Qt::Key_Up:
            return BoardKey::Up;
        case Qt::Key_Down:
            return BoardKey::Down;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return BoardKey::Activate;
        case Qt::Key_Escape:
            return BoardKey::Cancel;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return BoardKey::Remove;
        default:
            return std::nullopt;
    }
}

// What the board asks the keyboard play before a mouse event goes on.
std::optional<PointerEvent> PointerEventOf(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
            return PointerEvent::Press;
        case QEvent::MouseMove:
            return PointerEvent::Move;
        case QEvent::MouseButtonRelease:
            return PointerEvent::Release;
        case QEvent::MouseButtonDblClick:
            return PointerEvent::DoubleClick;
        default:
            return std::nullopt;
    }
}

}  // namespace

BoardWidget::BoardWidget(FormModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      painted_(static_cast<std::size_t>(kNames * kIndexesPerName)),
      labelFont_(content::ToFont(design::kLabelFont)),
      badgeFont_(content::ToFont(design::kGradeFont)),
      keyboard_(model) {
    // What it paints is also told to screen readers (BoardAccessible.h).
    InstallBoardAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The board is the first stop of the window's tab chain; inside it the
    // keys walk the tiles and slots.
    setFocusPolicy(Qt::StrongFocus);
    keyboard_.Subscribe([this](const KeyboardChange& change) { KeyboardChanged(change); });
    // A box's ring is painted by the board around it, like the stops' ring.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateFocusRing(); });
    setMouseTracking(true);  // cursor and tooltips follow the pointer
    // The boxes take their font from the board (which paints its own texts
    // with fonts of their own), so it is resolved once, not 22 times.
    setFont(content::ToFont(design::kBoxFont));
    boxes_.assign(design::kBoxes, nullptr);
    UseReadyPictures();
}

// The pictures at the window's own sizes, zoom 1, were rendered by the
// build; at another zoom they are drawn at the sizes they get.
void BoardWidget::UseReadyPictures() {
    cache_.Clear();
    if (twips::Zoom() == 1) {
        cache_.UseReady(content::ReadyPictures());
    } else {
        cache_.UseReady({});
    }
}

void BoardWidget::ApplyZoom() {
    labelFont_ = content::ToFont(design::kLabelFont);
    badgeFont_ = content::ToFont(design::kGradeFont);
    setFont(content::ToFont(design::kBoxFont));
    UseReadyPictures();
    for (int j = 0; j < design::kBoxes; ++j) {
        if (QLineEdit* box = boxes_[static_cast<std::size_t>(j)]) {
            box->setGeometry(twips::ToPixelGrid(DesignRect(model_.tCoefficient(j))));
        }
    }
    setFixedSize(sizeHint());
    // Every control lies elsewhere now: all is painted afresh.
    painted_.assign(painted_.size(), Painted{});
    paintedOrder_.clear();
    handDpr_ = 0;
    update();
    Refresh();
}

BoardWidget::~BoardWidget() {
    // The boxes lose the focus as they go: no ring is updated then.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (dragCursorShown_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

QSize BoardWidget::sizeHint() const {
    return twips::ToPixelGrid(QRectF(model_.ScaleLeft(), model_.ScaleTop(), model_.ScaleWidth(),
                                     model_.ScaleHeight()))
        .size();
}

// --- Coefficient boxes --------------------------------------------------------

QLineEdit* BoardWidget::Box(int j) {
    QLineEdit*& box = boxes_.at(static_cast<std::size_t>(j));
    if (box == nullptr) {
        box = CreateBox(j);
    }
    return box;
}

// A box's line edit is made the first time it is needed: all boxes are
// hidden at start, and 22 line edits are a good part of the start-up.
QLineEdit* BoardWidget::CreateBox(int j) {
    const Control& c = model_.tCoefficient(j);
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("tCoefficient_%1").arg(j));
    box->setGeometry(twips::ToPixelGrid(DesignRect(c)));
    box->setAlignment(Qt::AlignCenter);
    box->setFrame(true);
    box->setMaxLength(kBoxMaxLength);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, kBoxText);
    box->setPalette(palette);
    box->setText(QString::fromStdString(c.Text));
    box->setHidden(!c.Visible);
    DescribeCoefficientBox(*box, j);
    // What the student types is the box's text; nothing else reacts.
    connect(box, &QLineEdit::textEdited, this, [this, j, box](const QString& text) {
        model_.tCoefficient(j).Text = text.toStdString();
        if (text.size() > kUndoableLength) {
            // Once the line edit has finished the edit it is reporting.
            QMetaObject::invokeMethod(
                box, [box] { ForgetHistory(box); }, Qt::QueuedConnection);
        }
    });

    // Tab walks the boxes made so far in the order of their tab positions.
    std::vector<int> byTab;
    for (int k = 0; k < design::kBoxes; ++k) {
        if (k == j || boxes_[static_cast<std::size_t>(k)] != nullptr) {
            byTab.push_back(k);
        }
    }
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](int a, int b) { return design::TabIndex(a) < design::TabIndex(b); });
    auto made = [&](int k) { return k == j ? box : boxes_[static_cast<std::size_t>(k)]; };
    // The boxes come right after the board in the window's tab chain.
    QWidget::setTabOrder(this, made(byTab.front()));
    for (std::size_t i = 1; i < byTab.size(); ++i) {
        QWidget::setTabOrder(made(byTab[i - 1]), made(byTab[i]));
    }
    return box;
}

void BoardWidget::SyncBoxes() {
    for (int j = 0; j < design::kBoxes; ++j) {
        const Control& c = model_.tCoefficient(j);
        if (boxes_[static_cast<std::size_t>(j)] == nullptr && !c.Visible) {
            continue;  // made when it is first shown, with the text it has then
        }
        QLineEdit* box = Box(j);
        const QString text = QString::fromStdString(c.Text);
        if (box->text() != text) {
            box->setText(text);
        }
        if (box->isHidden() == c.Visible) {
            box->setHidden(!c.Visible);
        }
    }
}

// --- Keeping the screen in step -----------------------------------------------

void BoardWidget::Refresh() {
    SyncBoxes();
    RepaintChanges();
    UpdateCursor();
    BoardAccessibleChanged(*this);
}

void BoardWidget::InterruptDrag() {
    if (model_.Dragging()) {
        model_.InterruptDrag();
        Refresh();
    }
}

BoardWidget::Painted BoardWidget::Snapshot(const Control& c) const {
    Painted p;
    // Where a hidden control would lie does not matter until it is shown
    // (and measuring the hidden badge would load its font at start-up).
    p.rect = c.Visible ? PaintRect(c) : QRect();
    p.visible = c.Visible;
    p.picture = c.Picture;
    if (c.kind == ControlKind::Label) {
        p.text = c.Text;
    }
    return p;
}

void BoardWidget::RepaintChanges() {
    QRegion dirty;
    auto add = [&dirty](const Painted& p) {
        if (p.visible) {
            dirty += p.rect.adjusted(-1, -1, 1, 1);  // room for rounding at fractional ratios
        }
    };

    const std::vector<ControlRef>& order = model_.StackingOrder();
    for (const ControlRef ref : order) {
        const Painted now = Snapshot(model_.Get(ref));
        Painted& was = painted_[Key(ref)];
        if (now == was) {
            continue;
        }
        add(was);
        add(now);
        was = now;
    }

    if (order != paintedOrder_) {
        // A control that now lies above one it lay below is painted again.
        // Walking the new order from the bottom, those are the controls that
        // come after one that lay higher before.
        std::vector<int> oldPlace(painted_.size(), -1);
        for (std::size_t i = 0; i < paintedOrder_.size(); ++i) {
            oldPlace[Key(paintedOrder_[i])] = static_cast<int>(i);
        }
        int highest = -1;
        for (const ControlRef ref : order) {
            const int place = oldPlace[Key(ref)];
            if (place < highest || place < 0) {
                add(painted_[Key(ref)]);
            } else {
                highest = place;
            }
        }
        paintedOrder_ = order;
    }

    if (!dirty.isEmpty()) {
        update(dirty);
    }
}

void BoardWidget::UpdateCursor() {
    const qreal dpr = devicePixelRatioF();
    const bool dragging = model_.Dragging();
    if (dragging != dragCursorShown_) {
        // The drag icon stays at the pointer wherever it goes, over the text
        // boxes and outside the window too.
        if (dragging) {
            // Drawn for the zoom too, as large as the board's other pictures.
            QGuiApplication::setOverrideCursor(
                QCursor(content::DragIconPixmap(dpr * twips::Zoom())));
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
        dragCursorShown_ = dragging;
    }

    // During a drag the drag icon stands for every cursor, and the model
    // has just hit-tested the pointer itself: no second hit test then.
    bool overPiece = false;
    if (!dragging) {
        const std::optional<ControlRef> hit =
            model_.ControlAt(static_cast<Twips>(pointer_.x()), static_cast<Twips>(pointer_.y()));
        overPiece = hit && hit->name == ControlName::ImgMolecular;
    }
    const qreal handRatio = dpr * twips::Zoom();
    if (overPiece && (!handShown_ || handDpr_ != handRatio)) {
        if (handDpr_ != handRatio) {
            hand_ = content::HandCursor(handRatio);
            handDpr_ = handRatio;
        }
        setCursor(hand_);
    } else if (!overPiece && handShown_) {
        unsetCursor();
    }
    handShown_ = overPiece;
}

// --- Input --------------------------------------------------------------------

QPointF BoardWidget::PointerTwips(const QMouseEvent& event) {
    pointer_ = twips::FromPixels(mapFromGlobal(event.globalPosition()));
    return pointer_;
}

void BoardWidget::ForwardMouse(const QMouseEvent& event) {
    const QPointF at = PointerTwips(event);
    if (const std::optional<PointerEvent> pointer = PointerEventOf(event.type());
        pointer && !keyboard_.AdmitPointer(*pointer)) {
        return;  // a tile carried from the keyboard: not the mouse's to move
    }
    const auto x = static_cast<Twips>(at.x());
    const auto y = static_cast<Twips>(at.y());
    const MouseButton button = ButtonOf(event.button());
    switch (event.type()) {
        case QEvent::MouseButtonPress:
            model_.MouseDown(x, y, button);
            break;
        case QEvent::MouseMove:
            if (model_.Dragging() && event.buttons() == Qt::NoButton) {
                // The release went somewhere else (a grab taken away, a
                // window that swallowed it): the drag cannot go on.
                model_.InterruptDrag();
            }
            model_.MouseMove(x, y);
            break;
        case QEvent::MouseButtonRelease:
            model_.MouseUp(x, y, button);
            break;
        case QEvent::MouseButtonDblClick:
            model_.DblClick(x, y, button);
            break;
        default:
            return;
    }
    Refresh();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // The student has taken the mouse: the ring waits for the next key.
    if (ringWanted_) {
        ringWanted_ = false;
        UpdateFocusRing();
    }
    ForwardMouse(*event);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    ForwardMouse(*event);
}

bool BoardWidget::event(QEvent* event) {
    // Before QWidget takes Tab and Shift+Tab for the window's focus chain.
    if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        ShowToolTip(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void BoardWidget::ShowToolTip(QHelpEvent* event) {
    if (!model_.Dragging()) {
        const QPointF at = twips::FromPixels(QPointF(event->pos()));
        const std::optional<ControlRef> hit =
            model_.ControlAt(static_cast<Twips>(at.x()), static_cast<Twips>(at.y()));
        if (hit && hit->name == ControlName::ImgMolecular) {
            const Control& piece = model_.Get(*hit);
            if (!piece.ToolTipText.empty()) {
                QToolTip::showText(event->globalPos(), QString::fromStdString(piece.ToolTipText),
                                   this, PaintRect(piece));
                return;
            }
        }
    }
    QToolTip::hideText();
    event->ignore();
}

// --- The keyboard ----------------------------------------------------------------

bool BoardWidget::HandleKey(const QKeyEvent& event) {
    // Keys a focused box leaves unused come to the board too.
    const std::optional<BoardKey> key = hasFocus() ? BoardKeyOf(event) : std::nullopt;
    if (!key) {
        return false;
    }
    const bool focusKey =
        *key != BoardKey::Activate && *key != BoardKey::Cancel && *key != BoardKey::Remove;
    if (!focusKey && event.isAutoRepeat()) {
        return true;  // a held Space or Delete acts once
    }
    if (!ringWanted_) {
        ringWanted_ = true;
        UpdateFocusRing();
        if (focusKey) {
            return true;  // the first of them only shows where the focus is
        }
    }
    if (keyboard_.Press(*key)) {
        return true;
    }
    if (*key == BoardKey::Next || *key == BoardKey::Previous) {
        LeaveBoard(*key == BoardKey::Next);
        return true;
    }
    return false;  // Escape with nothing carried goes on to the window
}

void BoardWidget::LeaveBoard(bool forward) {
    QWidget::focusNextPrevChild(forward);
    if (hasFocus()) {
        keyboard_.FocusOn(StopOfNumber(forward ? 0 : kStops - 1));
    }
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    switch (event->reason()) {
        case Qt::TabFocusReason:
            ringWanted_ = true;
            keyboard_.FocusOn(StopOfNumber(0));
            break;
        case Qt::BacktabFocusReason:
            ringWanted_ = true;
            keyboard_.FocusOn(StopOfNumber(kStops - 1));
            break;
        case Qt::ShortcutFocusReason:
            ringWanted_ = true;
            break;
        case Qt::MouseFocusReason:
            ringWanted_ = false;
            break;
        default:
            break;  // back from the menu or another window: as it was
    }
    UpdateFocusRing();
    QWidget::focusInEvent(event);
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    // No tile stays in hand while the keys go elsewhere.
    if (keyboard_.Carrying()) {
        keyboard_.Press(BoardKey::Cancel);
    }
    UpdateFocusRing();
    QWidget::focusOutEvent(event);
}

void BoardWidget::KeyboardChanged(const KeyboardChange& change) {
    if (change.boardChanged) {
        Refresh();
    }
    UpdateFocusRing();
    BoardAccessibleChanged(*this);
}

QRect BoardWidget::StopPixelRect(Stop stop) const {
    const design::Rect r = keyboard_.StopRect(stop);
    return twips::ToPixelGrid(QRectF(r.left, r.top, r.width, r.height));
}

QRect BoardWidget::FocusedRect() const {
    if (hasFocus()) {
        return ringWanted_ ? StopPixelRect(keyboard_.Focus()) : QRect();
    }
    for (const QLineEdit* box : boxes_) {
        if (box != nullptr && box->hasFocus()) {
            return box->geometry();
        }
    }
    return QRect();
}

void BoardWidget::UpdateFocusRing() {
    QRect now = FocusedRect();
    if (!now.isNull()) {
        // The ring and a pixel for rounding at fractional ratios.
        const int margin = kFocusRingWidth + 1;
        now.adjust(-margin, -margin, margin, margin);
    }
    if (now == ringPainted_) {
        return;
    }
    if (!ringPainted_.isNull()) {
        update(ringPainted_);
    }
    if (!now.isNull()) {
        update(now);
    }
    ringPainted_ = now;
}

// Drawn in device pixels, so that both edges of the ring fall on pixel
// boundaries at every ratio and the ring stays crisp.
void BoardWidget::PaintFocusRing(QPainter& painter, const QRect& around) const {
    const qreal dpr = devicePixelRatioF();
    const int width = static_cast<int>(std::ceil(kFocusRingWidth * dpr));
    auto device = [dpr](int v) { return static_cast<int>(std::lround(v * dpr)); };
    const QRect inner(QPoint(device(around.left()), device(around.top())),
                      QPoint(device(around.right() + 1) - 1, device(around.bottom() + 1) - 1));
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    DrawBorder(painter, inner.adjusted(-width, -width, width, width), width, kFocusRing);
    painter.restore();
}

// --- Painting -----------------------------------------------------------------

QRect BoardWidget::PaintRect(const Control& c) const {
    if (c.ref.name == ControlName::LGrade) {
        return BadgeRect(c);
    }
    if (c.kind == ControlKind::Line) {
        const QRectF span =
            QRectF(QPointF(c.Left, c.Top), QPointF(c.Left + c.Width, c.Top + c.Height))
                .normalized();
        const int width = twips::ZoomedPixels(1);  // one pixel wide at zoom 1
        return twips::ToPixelGrid(span).adjusted(0, 0, width, width);
    }
    return twips::ToPixelGrid(DesignRect(c));
}

// The badge sizes itself to its caption.  It keeps the right edge of its
// designed rectangle, beside the window's edge, so that a shorter score
// stays right-aligned where "100%" would end.
QRect BoardWidget::BadgeRect(const Control& c) const {
    const QFontMetrics metrics(badgeFont_);
    const int border = twips::ZoomedPixels(kBadgeBorderPixels);
    const int width = metrics.horizontalAdvance(QString::fromStdString(c.Text)) +
                      2 * (border + twips::ZoomedPixels(kBadgePaddingPixels));
    const int height = metrics.height() + 2 * border;
    const QRect design = twips::ToPixelGrid(DesignRect(c));
    return QRect(design.left() + design.width() - width, design.top(), width, height);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    // Pictures are rendered for the ratio of the screen the window is on
    // now; a window moved to another screen renders them anew.
    const qreal dpr = devicePixelRatioF();
    if (dpr != cacheDpr_) {
        cache_.Clear();
        cacheDpr_ = dpr;
    }

    QPainter painter(this);
    const QRegion& dirty = event->region();
    painter.fillRect(event->rect(), kFormBackground);

    // Where each visible control lies, walking from the top.  The pieces
    // resting in one palette cell lie exactly on one another: only the top
    // one of such a stack shows, so the others are not painted.
    const std::vector<ControlRef>& order = model_.StackingOrder();
    std::vector<std::optional<QRect>> shown(order.size());
    std::vector<std::pair<QRect, PictureRef>> seen;
    for (std::size_t i = order.size(); i-- > 0;) {
        const Control& c = model_.Get(order[i]);
        if (!c.Visible) {
            continue;
        }
        const QRect rect = PaintRect(c);
        if (c.kind == ControlKind::Image) {
            const std::pair<QRect, PictureRef> key{rect, c.Picture};
            if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
                continue;  // covered by the same picture in the same place
            }
            seen.push_back(key);
        }
        shown[i] = rect;
    }

    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!shown[i] || !dirty.intersects(*shown[i])) {
            continue;
        }
        const ControlRef ref = order[i];
        const Control& c = model_.Get(ref);
        const QRect rect = *shown[i];
        switch (c.kind) {
            case ControlKind::Shape:
                PaintFrame(painter, rect);
                break;
            case ControlKind::Line:
                PaintLine(painter, c, rect);
                break;
            case ControlKind::Label:
                if (ref.name == ControlName::LGrade) {
                    PaintBadge(painter, c, rect);
                } else {
                    PaintLabel(painter, c, rect);
                }
                break;
            case ControlKind::Image: {
                const QPixmap& pixmap = cache_.Pixmap(c.Picture, rect.size(), dpr);
                if (!pixmap.isNull()) {
                    painter.drawPixmap(rect.topLeft(), pixmap);
                }
                break;
            }
            case ControlKind::TextBox:
                break;  // real child widgets
        }
    }

    const QRect focused = FocusedRect();
    if (!focused.isNull()) {
        PaintFocusRing(painter, focused);
    }
}

void BoardWidget::PaintFrame(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect, kFrameFill);
    DrawBorder(painter, rect, twips::ZoomedPixels(kFrameBorderPixels), kFrameBorder);
}

void BoardWidget::PaintLine(QPainter& painter, const Control& c, const QRect& rect) const {
    const QColor colour = palette().color(QPalette::Text);
    if (c.Width == 0 || c.Height == 0) {
        painter.fillRect(rect, colour);
        return;
    }
    painter.save();
    painter.setPen(QPen(colour, twips::ZoomedPixels(1)));
    painter.drawLine(twips::ToPixels(QPointF(c.Left, c.Top)),
                     twips::ToPixels(QPointF(c.Left + c.Width, c.Top + c.Height)));
    painter.restore();
}

void BoardWidget::PaintLabel(QPainter& painter, const Control& c, const QRect& rect) const {
    painter.fillRect(rect, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(labelFont_);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(c.Text));
}

void BoardWidget::PaintBadge(QPainter& painter, const Control& c, const QRect& rect) const {
    painter.fillRect(rect, kBadgeBack);
    const int border = twips::ZoomedPixels(kBadgeBorderPixels);
    DrawBorder(painter, rect, border, palette().color(QPalette::Text));
    painter.setPen(kBadgeText);
    painter.setFont(badgeFont_);
    const int inset = border + twips::ZoomedPixels(kBadgePaddingPixels);
    painter.drawText(rect.adjusted(inset, border, -inset, -border),
                     Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(c.Text));
}

}  // namespace alkynes
