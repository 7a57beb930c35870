#include "model/FormModel.h"

#include <algorithm>
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

        auto put = [&](std::vector<Control>& array) {
            const auto i = static_cast<std::size_t>(d.index);
            if (array.size() <= i) {
                array.resize(i + 1);
            }
            array[i] = c;
        };
        switch (d.name) {
            case ControlName::ImgMolecular:
                put(pieces_);
                break;
            case ControlName::ImgSyntactic:
                put(pictures_);
                break;
            case ControlName::tCoefficient:
                put(boxes_);
                break;
            case ControlName::Container:
                put(frames_);
                break;
            case ControlName::Label1:
                put(labels_);
                break;
            case ControlName::LGrade:
                grade_ = c;
                break;
            case ControlName::DropIcon:
                dropIcon_ = c;
                break;
            case ControlName::Line1:
                line_ = c;
                break;
        }
        if (d.kind != ControlKind::TextBox) {
            order_.push_back(c.ref);
        }
    }
    pieces_.reserve(design::kPieces);
    order_.reserve(order_.size() + design::kPieces);
}

Control& FormModel::Get(ControlRef ref) {
    return const_cast<Control&>(static_cast<const FormModel&>(*this).Get(ref));
}

const Control& FormModel::Get(ControlRef ref) const {
    switch (ref.name) {
        case ControlName::ImgMolecular:
            return ImgMolecular(ref.index);
        case ControlName::ImgSyntactic:
            return ImgSyntactic(ref.index);
        case ControlName::tCoefficient:
            return tCoefficient(ref.index);
        case ControlName::Container:
            return Container(ref.index);
        case ControlName::Label1:
            return Label1(ref.index);
        case ControlName::LGrade:
            return grade_;
        case ControlName::DropIcon:
            return dropIcon_;
        case ControlName::Line1:
            return line_;
    }
    throw std::out_of_range("unknown control");
}

void FormModel::LoadPiece(int k) {
    if (k != PieceCount()) {
        throw std::logic_error("ImgMolecular elements are loaded in index order");
    }
    Control c = pieces_.at(0);
    c.ref.index = static_cast<std::int16_t>(k);
    c.Visible = false;
    c.ToolTipText.clear();
    pieces_.push_back(c);
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

std::optional<ControlRef> FormModel::ControlAt(Twips x, Twips y) const {
    // Controls are clipped to the client area: a dragged piece that sticks
    // out past the edge does not catch a release outside the window.
    if (x < ScaleLeft() || x >= ScaleLeft() + ScaleWidth() || y < ScaleTop() ||
        y >= ScaleTop() + ScaleHeight()) {
        return std::nullopt;
    }
    for (const Control& box : boxes_) {
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

std::optional<std::int16_t> FormModel::PieceAt(Twips x, Twips y) const {
    const std::optional<ControlRef> hit = ControlAt(x, y);
    if (hit && hit->name == ControlName::ImgMolecular) {
        return hit->index;
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

// The handlers of one drag event (drag-over or drop), by receiving control.
struct DragHandlers {
    void (FormEvents::*piece)(std::int16_t, ControlRef, Twips, Twips);
    void (FormEvents::*picture)(std::int16_t, ControlRef, Twips, Twips);
    void (FormEvents::*box)(std::int16_t, ControlRef, Twips, Twips);
    void (FormEvents::*label)(std::int16_t, ControlRef, Twips, Twips);
    void (FormEvents::*window)(ControlRef, Twips, Twips);
};

constexpr DragHandlers kDragOver{
    &FormEvents::ImgMolecular_DragOver, &FormEvents::ImgSyntactic_DragOver,
    &FormEvents::tCoefficient_DragOver, &FormEvents::Label1_DragOver, &FormEvents::Form_DragOver};
constexpr DragHandlers kDragDrop{
    &FormEvents::ImgMolecular_DragDrop, &FormEvents::ImgSyntactic_DragDrop,
    &FormEvents::tCoefficient_DragDrop, &FormEvents::Label1_DragDrop, &FormEvents::Form_DragDrop};

// Raises one drag event on `target` with the pointer in its own twips, or
// on the window with window twips.  A control without drag handlers (the
// grade badge, the drag icon holder) counts as the window.
void RaiseDragEvent(FormEvents& events, const DragHandlers& handlers, const FormModel& form,
                    std::optional<ControlRef> target, ControlRef source, Twips x, Twips y) {
    if (target) {
        const Control& t = form.Get(*target);
        void (FormEvents::*handler)(std::int16_t, ControlRef, Twips, Twips) = nullptr;
        switch (target->name) {
            case ControlName::ImgMolecular:
                handler = handlers.piece;
                break;
            case ControlName::ImgSyntactic:
                handler = handlers.picture;
                break;
            case ControlName::tCoefficient:
                handler = handlers.box;
                break;
            case ControlName::Label1:
                handler = handlers.label;
                break;
            default:
                break;
        }
        if (handler != nullptr) {
            (events.*handler)(target->index, source, x - t.Left, y - t.Top);
            return;
        }
    }
    (events.*handlers.window)(source, x, y);
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

void FormModel::MouseDown(Twips x, Twips y, MouseButton button) {
    pointerX_ = x;
    pointerY_ = y;
    if (dragging_ || events_ == nullptr) {
        return;  // a second button pressed during a drag changes nothing
    }
    if (const auto i = PieceAt(x, y)) {
        const Control& p = ImgMolecular(*i);
        events_->ImgMolecular_MouseDown(*i, button, x - p.Left, y - p.Top);
    }
}

void FormModel::MouseMove(Twips x, Twips y) {
    pointerX_ = x;
    pointerY_ = y;
    if (dragging_) {
        DeliverDragOver(x, y);
        return;
    }
    if (events_ == nullptr) {
        return;
    }
    if (const auto i = PieceAt(x, y)) {
        const Control& p = ImgMolecular(*i);
        events_->ImgMolecular_MouseMove(*i, x - p.Left, y - p.Top);
    }
}

void FormModel::MouseUp(Twips x, Twips y, MouseButton button) {
    pointerX_ = x;
    pointerY_ = y;
    if (dragging_) {
        DeliverDrop(ControlAt(x, y), x, y);
        return;
    }
    if (events_ == nullptr) {
        return;
    }
    if (const auto i = PieceAt(x, y)) {
        const Control& p = ImgMolecular(*i);
        events_->ImgMolecular_MouseUp(*i, button, x - p.Left, y - p.Top);
    }
}

void FormModel::DblClick(Twips x, Twips y, MouseButton button) {
    pointerX_ = x;
    pointerY_ = y;
    if (dragging_ || events_ == nullptr) {
        return;
    }
    // The second press of a double click is a press like the first (it may
    // start a drag of a palette piece), and then the double click itself,
    // both on the piece that was under the pointer.
    if (const auto i = PieceAt(x, y)) {
        const Control& p = ImgMolecular(*i);
        events_->ImgMolecular_MouseDown(*i, button, x - p.Left, y - p.Top);
        events_->ImgMolecular_DblClick(*i);
    }
}

}  // namespace alkynes
