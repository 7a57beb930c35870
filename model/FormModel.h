// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls, their stacking order and the manual drag.
//
// FormModel is the truth about what the window shows: the Qt layer paints
// it and the exercise logic changes it.  It also owns the one hit test of
// the program and the dispatcher that turns pointer input into the window's
// events (FormEvents), following the toolkit's drag delivery rules:
//
//  * Outside a drag, presses, moves, releases and double clicks go to the
//    piece under the pointer (ImgMolecular_MouseDown, _MouseMove, _MouseUp,
//    _DblClick).  The second press of a double click raises MouseDown and
//    then DblClick on the same piece.
//  * During a drag every move raises DragOver on the topmost visible control
//    under the pointer that takes events, or on the window.  Releasing any
//    button raises DragDrop there and ends the drag; that release is used up
//    by the drop and does not also reach ImgMolecular_MouseUp.
//  * Outside the client area (the menu bar above it, the window's frame,
//    the desktop and other windows beside it) a move during a drag raises
//    nothing: the piece stays where the last drag-over put it and the drag
//    goes on, so a hand that overshoots the edge and comes back has not lost
//    its piece, and the window's edge rule only ever sees points that really
//    lie on the window.
//  * Text boxes lie above every windowless control; among those the stacking
//    order decides.  Frames and the line take no events: over them the
//    window is the target.  Hidden controls receive nothing.
//  * Positions handed to a handler are relative to the receiving control's
//    top-left corner, or window coordinates for the window.
//  * A drag always ends in a drop: a release outside the window, or a drag
//    interrupted by the toolkit (lost grab, deactivation, Escape, a modal
//    window), is a drop on the bare window.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/Controls.h"

namespace alkynes {

enum class MouseButton : std::uint8_t { Left = 1, Right = 2, Middle = 4 };

// The event handlers of the main window.  A handler of a control array gets
// the element's index first; drag events get the dragged control (source)
// and the pointer position in the receiving control's own twips.
class FormEvents {
  public:
    virtual ~FormEvents() = default;

    virtual void ImgMolecular_MouseDown(std::int16_t, MouseButton, Twips, Twips) {}
    virtual void ImgMolecular_MouseMove(std::int16_t, Twips, Twips) {}
    virtual void ImgMolecular_MouseUp(std::int16_t, MouseButton, Twips, Twips) {}
    virtual void ImgMolecular_DblClick(std::int16_t) {}

    virtual void ImgMolecular_DragOver(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void ImgMolecular_DragDrop(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void ImgSyntactic_DragOver(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void ImgSyntactic_DragDrop(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void tCoefficient_DragOver(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void tCoefficient_DragDrop(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void Label1_DragOver(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void Label1_DragDrop(std::int16_t, ControlRef, Twips, Twips) {}
    virtual void Form_DragOver(ControlRef, Twips, Twips) {}
    virtual void Form_DragDrop(ControlRef, Twips, Twips) {}
};

class FormModel {
  public:
    // Creates every control with the values of the window definition.
    FormModel();

    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    // The handlers that the dispatcher calls; none until set.
    void SetEvents(FormEvents* events) { events_ = events; }

    // Control access by name and index.
    Control& ImgMolecular(int i) { return At(ControlName::ImgMolecular, i); }
    Control& ImgSyntactic(int r) { return At(ControlName::ImgSyntactic, r); }
    Control& tCoefficient(int j) { return At(ControlName::tCoefficient, j); }
    Control& Container(int i) { return At(ControlName::Container, i); }
    Control& Label1(int i) { return At(ControlName::Label1, i); }
    Control& LGrade() { return At(ControlName::LGrade, 0); }
    Control& DropIcon() { return At(ControlName::DropIcon, 0); }
    Control& Line1() { return At(ControlName::Line1, 0); }
    Control& Get(ControlRef ref) { return At(ref.name, ref.index); }
    const Control& Get(ControlRef ref) const { return At(ref.name, ref.index); }

    const Control& ImgMolecular(int i) const { return At(ControlName::ImgMolecular, i); }
    const Control& ImgSyntactic(int r) const { return At(ControlName::ImgSyntactic, r); }
    const Control& tCoefficient(int j) const { return At(ControlName::tCoefficient, j); }
    const Control& Container(int i) const { return At(ControlName::Container, i); }
    const Control& Label1(int i) const { return At(ControlName::Label1, i); }
    const Control& LGrade() const { return At(ControlName::LGrade, 0); }

    // Number of loaded elements of ImgMolecular.
    int PieceCount() const { return static_cast<int>(Array(ControlName::ImgMolecular).size()); }

    // Loads element k of ImgMolecular (k must be the next free index): a new
    // hidden image with the size and settings of element 0, on top of the
    // stacking order.
    void LoadPiece(int k);

    void CopyPicture(ControlRef from, ControlRef to) { Get(to).Picture = Get(from).Picture; }

    // Brings a windowless control above all other windowless controls.
    void BringToFront(ControlRef ref);

    // Windowless controls from the bottom of the stacking order to the top.
    // The text boxes are not in it: they always lie above all of these.
    const std::vector<ControlRef>& StackingOrder() const { return order_; }

    Twips ScaleLeft() const;
    Twips ScaleTop() const;
    Twips ScaleWidth() const;
    Twips ScaleHeight() const;

    // --- The manual drag ---------------------------------------------------

    // Begins a manual drag of `source` with the given drag icon.
    void BeginDrag(ControlRef source, PictureRef icon);
    // Ends the drag under way with a drop on the control under the pointer.
    // Does nothing when `source` is not being dragged.
    void EndDragWithDrop(ControlRef source);
    bool Dragging() const { return dragging_; }
    ControlRef DragSource() const { return dragSource_; }
    PictureRef DragIcon() const { return dragIcon_; }

    // --- Input, in window twips --------------------------------------------

    void MouseDown(Twips x, Twips y, MouseButton button);
    void MouseMove(Twips x, Twips y);
    void MouseUp(Twips x, Twips y, MouseButton button);
    // The second press of a double click (it comes instead of a MouseDown).
    void DblClick(Twips x, Twips y, MouseButton button);
    // The toolkit lost the drag (grab lost, window deactivated, Escape, a
    // modal window): the drag, if any, ends as a drop on the bare window.
    void InterruptDrag();

    // The one hit test: the topmost visible control under (x, y) that takes
    // events, or nothing for the bare window (frames and the line included)
    // and for every point outside the client area.
    std::optional<ControlRef> ControlAt(Twips x, Twips y) const;

    // Whether (x, y) lies in the client area, the rectangle of the window's
    // scale; the menu bar lies above it, at negative y.
    bool InClientArea(Twips x, Twips y) const;

  private:
    // What a pointer event does while a drag is under way.
    enum class DuringDrag : std::uint8_t { Ignored, DragOver, Drop };
    // The piece that receives a pointer event, with the pointer in its own
    // twips.
    struct PieceHit {
        std::int16_t index;
        Twips x;
        Twips y;
    };
    // The part every pointer event shares: records the pointer, does what
    // `duringDrag` says when a drag is under way, and otherwise returns the
    // piece under the pointer when there are handlers to raise on it.
    std::optional<PieceHit> PointerEvent(Twips x, Twips y, DuringDrag duringDrag);

    void DeliverDragOver(Twips x, Twips y);
    void DeliverDrop(std::optional<ControlRef> target, Twips x, Twips y);

    std::vector<Control>& Array(ControlName name) {
        return controls_.at(static_cast<std::size_t>(name));
    }
    const std::vector<Control>& Array(ControlName name) const {
        return controls_.at(static_cast<std::size_t>(name));
    }
    Control& At(ControlName name, int i) { return Array(name).at(static_cast<std::size_t>(i)); }
    const Control& At(ControlName name, int i) const {
        return Array(name).at(static_cast<std::size_t>(i));
    }

    // Every control, by name and then index; a single control is element 0
    // of its name.
    std::array<std::vector<Control>, kControlNames> controls_;
    std::vector<ControlRef> order_;

    FormEvents* events_ = nullptr;
    bool dragging_ = false;
    ControlRef dragSource_{ControlName::ImgMolecular, 0};
    PictureRef dragIcon_;
    Twips pointerX_ = 0;
    Twips pointerY_ = 0;
};

}  // namespace alkynes
