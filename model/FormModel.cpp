// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/FormModel.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "model/Design.h"

namespace alkynes {

FormModel::FormModel() {
    for (const design::ControlDesign& d : design::Controls()) {
        Control c;
        c.ref = {d.name, d.index};
        c.kind = d.kind;
        c.Left = d.left;
        c.Top = d.top;
        c.Width = d.width;
        c.Height = d.height;
        c.Visible = d.visible;
        c.Text = d.text;
        c.Picture = d.picture;

        std::vector<Control>& array = Array(d.name);
        const auto i = static_cast<std::size_t>(d.index);
        if (array.size() <= i) {
            array.resize(i + 1);
        }
        array[i] = c;
        if (d.kind != ControlKind::TextBox) {
            order_.push_back(c.ref);
        }
    }
    Array(ControlName::ImgMolecular).reserve(design::kPieces);
    order_.reserve(order_.size() + design::kPieces);
}

void FormModel::LoadPiece(int k) {
    if (k != PieceCount()) {
        throw std::logic_error("ImgMolecular elements are loaded in index order");
    }
    std::vector<Control>& pieces = Array(ControlName::ImgMolecular);
    Control c = pieces.at(0);
    c.ref.index = static_cast<std::int16_t>(k);
    c.Visible = false;
    c.ToolTipText.clear();
    pieces.push_back(c);
    order_.push_back(c.ref);
}

void FormModel::BringToFront(ControlRef ref) {
    const auto it = std::find(order_.begin(), order_.end(), ref);
    if (it == order_.end()) {
        return;  // text boxes lie above everything anyway
    }
    std::rotate(it, it + 1, order_.end());
}

Twips FormModel::ScaleLeft() const {
    return design::kScaleLeft;
}
Twips FormModel::ScaleTop() const {
    return design::kScaleTop;
}
Twips FormModel::ScaleWidth() const {
    return design::kScaleWidth;
}
Twips FormModel::ScaleHeight() const {
    return design::kScaleHeight;
}

// --- Hit test ---------------------------------------------------------------

namespace {

bool TakesEvents(const Control& c) {
    return c.Visible && c.kind != ControlKind::Shape && c.kind != ControlKind::Line;
}

}  // namespace

bool FormModel::InClientArea(Twips x, Twips y) const {
    return x >= ScaleLeft() && x < ScaleLeft() + ScaleWidth() && y >= ScaleTop() &&
           y < ScaleTop() + ScaleHeight();
}

std::optional<ControlRef> FormModel::ControlAt(Twips x, Twips y) const {
    // Controls are clipped to the client area: a dragged piece that sticks
    // out past the edge does not catch a release outside the window.
    if (!InClientArea(x, y)) {
        return std::nullopt;
    }
    for (const Control& box : Array(ControlName::tCoefficient)) {
        if (TakesEvents(box) && box.Contains(x, y)) {
            return box.ref;
        }
    }
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
        const Control& c = Get(*it);
        if (TakesEvents(c) && c.Contains(x, y)) {
            return c.ref;
        }
    }
    return std::nullopt;
}

// --- Drag -------------------------------------------------------------------

void FormModel::BeginDrag(ControlRef source, PictureRef icon) {
    dragging_ = true;
    dragSource_ = source;
    dragIcon_ = icon;
}

void FormModel::EndDragWithDrop(ControlRef source) {
    if (!dragging_ || !(source == dragSource_)) {
        return;
    }
    DeliverDrop(ControlAt(pointerX_, pointerY_), pointerX_, pointerY_);
}

void FormModel::InterruptDrag() {
    if (dragging_) {
        DeliverDrop(std::nullopt, pointerX_, pointerY_);
    }
}

namespace {

using ControlHandler = void (FormEvents::*)(std::int16_t, ControlRef, Twips, Twips);
using WindowHandler = void (FormEvents::*)(ControlRef, Twips, Twips);

// The drag handlers of each control name.  A name without them (the frames,
// the line, the grade badge, the drag icon holder) hands its drag events to
// the window; frames and the line never get that far, since the hit test
// passes over them.
struct DragTarget {
    ControlName name;
    ControlHandler over;
    ControlHandler drop;
};

constexpr std::array<DragTarget, kControlNames> kDragTargets{{
    {ControlName::ImgMolecular, &FormEvents::ImgMolecular_DragOver,
     &FormEvents::ImgMolecular_DragDrop},
    {ControlName::ImgSyntactic, &FormEvents::ImgSyntactic_DragOver,
     &FormEvents::ImgSyntactic_DragDrop},
    {ControlName::tCoefficient, &FormEvents::tCoefficient_DragOver,
     &FormEvents::tCoefficient_DragDrop},
    {ControlName::Container, nullptr, nullptr},
    {ControlName::Label1, &FormEvents::Label1_DragOver, &FormEvents::Label1_DragDrop},
    {ControlName::LGrade, nullptr, nullptr},
    {ControlName::DropIcon, nullptr, nullptr},
    {ControlName::Line1, nullptr, nullptr},
}};

constexpr bool IndexedByName() {
    for (std::size_t n = 0; n < kDragTargets.size(); ++n) {
        if (static_cast<std::size_t>(kDragTargets[n].name) != n) {
            return false;
        }
    }
    return true;
}
static_assert(IndexedByName(), "kDragTargets lists the names in the order of ControlName");

// One drag event (drag-over or drop): which handler of a DragTarget raises
// it, and the window's handler.
struct DragEvent {
    ControlHandler DragTarget::*control;
    WindowHandler window;
};

constexpr DragEvent kDragOver{&DragTarget::over, &FormEvents::Form_DragOver};
constexpr DragEvent kDragDrop{&DragTarget::drop, &FormEvents::Form_DragDrop};

// Raises one drag event on `target` with the pointer in its own twips, or
// on the window with window twips.
void RaiseDragEvent(FormEvents& events, const DragEvent& event, const FormModel& form,
                    std::optional<ControlRef> target, ControlRef source, Twips x, Twips y) {
    if (target) {
        const ControlHandler handler =
            kDragTargets.at(static_cast<std::size_t>(target->name)).*event.control;
        if (handler != nullptr) {
            const Control& t = form.Get(*target);
            (events.*handler)(target->index, source, x - t.Left, y - t.Top);
            return;
        }
    }
    (events.*event.window)(source, x, y);
}

}  // namespace

void FormModel::DeliverDragOver(Twips x, Twips y) {
    if (events_ != nullptr) {
        RaiseDragEvent(*events_, kDragOver, *this, ControlAt(x, y), dragSource_, x, y);
    }
}

void FormModel::DeliverDrop(std::optional<ControlRef> target, Twips x, Twips y) {
    // The drag is over before the drop handler runs, so that a handler that
    // asks for the end of the drag again changes nothing.
    dragging_ = false;
    if (events_ != nullptr) {
        RaiseDragEvent(*events_, kDragDrop, *this, target, dragSource_, x, y);
    }
}

// --- Input ------------------------------------------------------------------

std::optional<FormModel::PieceHit> FormModel::PointerEvent(Twips x, Twips y,
                                                           DuringDrag duringDrag) {
    pointerX_ = x;
    pointerY_ = y;
    if (dragging_) {
        switch (duringDrag) {
            case DuringDrag::Ignored:
                break;  // a second button pressed during a drag changes nothing
            case DuringDrag::DragOver:
                if (InClientArea(x, y)) {
                    DeliverDragOver(x, y);
                }
                break;
            case DuringDrag::Drop:
                DeliverDrop(ControlAt(x, y), x, y);
                break;
        }
        return std::nullopt;
    }
    if (events_ == nullptr) {
        return std::nullopt;
    }
    const std::optional<ControlRef> hit = ControlAt(x, y);
    if (!hit || hit->name != ControlName::ImgMolecular) {
        return std::nullopt;
    }
    const Control& p = Get(*hit);
    return PieceHit{hit->index, x - p.Left, y - p.Top};
}

void FormModel::MouseDown(Twips x, Twips y, MouseButton button) {
    if (const auto hit = PointerEvent(x, y, DuringDrag::Ignored)) {
        events_->ImgMolecular_MouseDown(hit->index, button, hit->x, hit->y);
    }
}

void FormModel::MouseMove(Twips x, Twips y) {
    if (const auto hit = PointerEvent(x, y, DuringDrag::DragOver)) {
        events_->ImgMolecular_MouseMove(hit->index, hit->x, hit->y);
    }
}

void FormModel::MouseUp(Twips x, Twips y, MouseButton button) {
    // The release that ends a drag is used up by the drop.
    if (const auto hit = PointerEvent(x, y, DuringDrag::Drop)) {
        events_->ImgMolecular_MouseUp(hit->index, button, hit->x, hit->y);
    }
}

void FormModel::DblClick(Twips x, Twips y, MouseButton button) {
    // The second press of a double click is a press like the first (it may
    // start a drag of a palette piece), and then the double click itself,
    // both on the piece that was under the pointer.
    if (const auto hit = PointerEvent(x, y, DuringDrag::Ignored)) {
        events_->ImgMolecular_MouseDown(hit->index, button, hit->x, hit->y);
        events_->ImgMolecular_DblClick(hit->index);
    }
}

}  // namespace alkynes
