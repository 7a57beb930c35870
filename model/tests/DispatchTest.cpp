// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/FormModel.h"

namespace alkynes {
namespace {

// Records every event as a line "Handler index x y".
class Recorder : public FormEvents {
  public:
    explicit Recorder(FormModel& form) : form_(form) { form.SetEvents(this); }

    std::vector<std::string> log;
    bool startDragOnPress = true;
    bool endDragInDragOver = false;

    void ImgMolecular_MouseDown(std::int16_t i, MouseButton, Twips x, Twips y) override {
        Add("MouseDown", i, x, y);
        if (startDragOnPress) {
            form_.BeginDrag({ControlName::ImgMolecular, i}, form_.DropIcon().Picture);
        }
    }
    void ImgMolecular_MouseMove(std::int16_t i, Twips x, Twips y) override {
        Add("MouseMove", i, x, y);
    }
    void ImgMolecular_MouseUp(std::int16_t i, MouseButton, Twips x, Twips y) override {
        Add("MouseUp", i, x, y);
    }
    void ImgMolecular_DblClick(std::int16_t i) override { Add("DblClick", i, 0, 0); }

// A drag handler of a control array that logs its own name.
#define RECORD(Handler)                                                   \
    void Handler(std::int16_t i, ControlRef, Twips x, Twips y) override { \
        Add(#Handler, i, x, y);                                           \
    }
    RECORD(ImgMolecular_DragOver)
    RECORD(ImgMolecular_DragDrop)
    RECORD(ImgSyntactic_DragDrop)
    RECORD(tCoefficient_DragOver)
    RECORD(tCoefficient_DragDrop)
    RECORD(Label1_DragOver)
    RECORD(Label1_DragDrop)
#undef RECORD

    void ImgSyntactic_DragOver(std::int16_t i, ControlRef, Twips x, Twips y) override {
        Add("ImgSyntactic_DragOver", i, x, y);
        if (endDragInDragOver) {
            form_.EndDragWithDrop(form_.DragSource());
        }
    }
    void Form_DragOver(ControlRef, Twips x, Twips y) override {
        Add("Form_DragOver", -1, x, y);
    }
    void Form_DragDrop(ControlRef source, Twips x, Twips y) override {
        Add("Form_DragDrop", source.index, x, y);
    }

  private:
    void Add(const char* what, int i, Twips x, Twips y) {
        log.push_back(std::string(what) + " " + std::to_string(i) + " " +
                      std::to_string(static_cast<int>(x)) + " " +
                      std::to_string(static_cast<int>(y)));
    }
    FormModel& form_;
};

using Log = std::vector<std::string>;

// A window model whose events are recorded.
class Delivery : public ::testing::Test {
  protected:
    FormModel form;
    Recorder rec{form};
};

TEST(HitTest, TextBoxesLieAboveThePictures) {
    FormModel form;
    EXPECT_EQ(form.ControlAt(1900, 1800), (ControlRef{ControlName::tCoefficient, 0}));
    form.tCoefficient(0).Visible = false;
    EXPECT_EQ(form.ControlAt(1900, 1800), (ControlRef{ControlName::ImgSyntactic, 0}));
}

TEST(HitTest, FramesLineAndHiddenControlsAreTheBareWindow) {
    FormModel form;
    EXPECT_EQ(form.ControlAt(100, 1300), std::nullopt) << "frame 0 outside its picture";
    EXPECT_EQ(form.ControlAt(5000, 5460), std::nullopt) << "the line";
    EXPECT_EQ(form.ControlAt(200, 2800), std::nullopt) << "hidden method label";
    form.Label1(0).Visible = true;
    EXPECT_EQ(form.ControlAt(200, 2800), (ControlRef{ControlName::Label1, 0}));
    EXPECT_EQ(form.ControlAt(-10, 100), std::nullopt);
    EXPECT_EQ(form.ControlAt(15240, 100), std::nullopt);
}

TEST(HitTest, StackingOrderDecidesAmongOverlappingPieces) {
    FormModel form;
    // Move piece 1 over piece 0: piece 1 was created above it.
    form.ImgMolecular(1).Left = form.ImgMolecular(0).Left;
    EXPECT_EQ(form.ControlAt(200, 100), (ControlRef{ControlName::ImgMolecular, 1}));
    form.BringToFront({ControlName::ImgMolecular, 0});
    EXPECT_EQ(form.ControlAt(200, 100), (ControlRef{ControlName::ImgMolecular, 0}));
    // The edges: left and top inside, right and bottom outside.
    EXPECT_EQ(form.ControlAt(180, 60), (ControlRef{ControlName::ImgMolecular, 0}));
    EXPECT_EQ(form.ControlAt(180 + 2235, 100), std::nullopt);
}

TEST_F(Delivery, PressesOutsideADragGoToThePieceUnderThePointer) {
    rec.startDragOnPress = false;
    form.MouseDown(200, 100, MouseButton::Right);
    form.MouseMove(300, 110);
    form.MouseUp(300, 110, MouseButton::Right);
    form.MouseDown(5000, 2000, MouseButton::Left);  // on a reaction picture: no handler
    form.MouseMove(5000, 2000);
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "MouseMove 0 120 50", "MouseUp 0 120 50"}));
}

TEST_F(Delivery, DragOverAndDropGoToTheTargetInItsOwnCoordinates) {
    form.MouseDown(200, 100, MouseButton::Left);
    EXPECT_TRUE(form.Dragging());
    form.MouseMove(210, 100);    // still over piece 0 itself
    form.MouseMove(1900, 1800);  // over box 0
    form.MouseMove(3000, 1800);  // over reaction 0
    form.MouseMove(100, 1300);   // over frame 0: the window
    form.MouseUp(3000, 2000, MouseButton::Left);
    EXPECT_FALSE(form.Dragging());
    form.MouseUp(3000, 2000, MouseButton::Left);  // nothing under it takes mouse events
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "ImgMolecular_DragOver 0 30 40",
                            "tCoefficient_DragOver 0 40 60", "ImgSyntactic_DragOver 0 1440 420",
                            "Form_DragOver -1 100 1300", "ImgSyntactic_DragDrop 0 1440 620"}));
}

TEST_F(Delivery, TheReleaseThatDropsDoesNotAlsoReachMouseUp) {
    form.MouseDown(200, 100, MouseButton::Middle);
    form.MouseUp(200, 100, MouseButton::Middle);
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "ImgMolecular_DragDrop 0 20 40"}));
}

TEST_F(Delivery, ASecondButtonDuringADragChangesNothing) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseDown(5000, 2000, MouseButton::Right);
    form.DblClick(5000, 2000, MouseButton::Right);
    EXPECT_TRUE(form.Dragging());
    EXPECT_EQ(rec.log.size(), 1u);
}

TEST_F(Delivery, EndDragRequestDropsUnderTheLastPointerPosition) {
    rec.endDragInDragOver = true;
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(3000, 1800);
    EXPECT_FALSE(form.Dragging());
    EXPECT_EQ(rec.log.back(), "ImgSyntactic_DragDrop 0 1440 420");
    form.EndDragWithDrop({ControlName::ImgMolecular, 0});  // no drag: nothing
    EXPECT_EQ(rec.log.size(), 3u);
}

TEST_F(Delivery, EndDragRequestForAnotherControlIsIgnored) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.EndDragWithDrop({ControlName::ImgMolecular, 5});
    EXPECT_TRUE(form.Dragging());
}

TEST_F(Delivery, ReleaseOutsideTheWindowAndInterruptionsDropOnTheWindow) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseUp(-3000, 20000, MouseButton::Left);
    EXPECT_EQ(rec.log.back(), "Form_DragDrop 0 -3000 20000");

    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(3000, 1800);
    form.InterruptDrag();
    EXPECT_FALSE(form.Dragging());
    EXPECT_EQ(rec.log.back(), "Form_DragDrop 0 3000 1800") << "even over a reaction picture";
    form.InterruptDrag();
    EXPECT_EQ(rec.log.back(), "Form_DragDrop 0 3000 1800");
    EXPECT_EQ(rec.log.size(), 5u);
}

// Points just outside the client area on every side, the menu bar above
// it, and the desktop far away: during a drag none raises anything.
struct Outside {
    const char* where;
    Twips x, y;
};
constexpr Outside kOutside[] = {
    {"left of the window", -0.5f, 2000},  // half a twip out
    {"right edge itself", 15240, 2000},   // the first twip past the last
    {"below the window", 3000, 9975},
    {"menu bar", 3000, -1},  // the bar lies just above the client area
    {"menu bar, its middle", 600, -150},
    {"desktop far away", -3000, 20000},
};

TEST_F(Delivery, LeavingTheClientAreaAndComingBackContinuesTheDrag) {
    for (const Outside& o : kOutside) {
        SCOPED_TRACE(o.where);
        rec.log.clear();
        form.MouseDown(200, 100, MouseButton::Left);
        form.MouseMove(3000, 1800);
        form.MouseMove(o.x, o.y);
        form.MouseMove(o.x, o.y);
        EXPECT_TRUE(form.Dragging());
        form.MouseMove(100, 1300);  // back in, over frame 0: the window again
        form.MouseUp(100, 1300, MouseButton::Left);
        EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "ImgSyntactic_DragOver 0 1440 420",
                                "Form_DragOver -1 100 1300", "Form_DragDrop 0 100 1300"}));
    }
}

TEST_F(Delivery, TheEdgeOfTheClientAreaStillRaisesDragOverOnTheWindow) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(15239.5f, 2000);
    form.MouseMove(0, 0);
    EXPECT_EQ(rec.log,
              (Log{"MouseDown 0 20 40", "Form_DragOver -1 15239 2000", "Form_DragOver -1 0 0"}));
}

TEST_F(Delivery, AJumpOutsideAndBackOntoAPictureDropsOnThePicture) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(14000, 6000);  // reaction 2, near the right edge
    form.MouseMove(15700, 6000);  // 30 pixels past it
    form.MouseMove(14000, 6100);
    form.MouseUp(14000, 6100, MouseButton::Left);
    EXPECT_EQ(rec.log,
              (Log{"MouseDown 0 20 40", "ImgSyntactic_DragOver 2 13880 360",
                   "ImgSyntactic_DragOver 2 13880 460", "ImgSyntactic_DragDrop 2 13880 460"}));
}

TEST_F(Delivery, AnInterruptionOutsideDropsOnTheWindow) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(3000, -150);  // over the menu bar
    form.InterruptDrag();
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "Form_DragDrop 0 3000 -150"}));
}

TEST_F(Delivery, ControlsWithoutDragHandlersCountAsTheWindow) {
    form.MouseDown(200, 100, MouseButton::Left);
    form.MouseMove(14000, 400);  // over the grade badge
    form.MouseUp(14000, 400, MouseButton::Left);
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "Form_DragOver -1 14000 400",
                            "Form_DragDrop 0 14000 400"}));
}

TEST_F(Delivery, DoubleClickIsAPressAndThenTheDoubleClick) {
    rec.startDragOnPress = false;
    form.DblClick(200, 100, MouseButton::Left);
    EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", "DblClick 0 0 0"}));
}

TEST_F(Delivery, TheDropGoesWhereTheDragOverWent) {
    form.Label1(1).Visible = true;
    const struct {
        Twips x, y;
        const char* over;
        const char* drop;
    } kTargets[] = {
        {1900, 1800, "tCoefficient_DragOver 0 40 60", "tCoefficient_DragDrop 0 40 60"},
        {200, 4800, "Label1_DragOver 1 20 120", "Label1_DragDrop 1 20 120"},
        {100, 1300, "Form_DragOver -1 100 1300", "Form_DragDrop 0 100 1300"},  // frame 0
    };
    for (const auto& t : kTargets) {
        SCOPED_TRACE(t.over);
        rec.log.clear();
        form.MouseDown(200, 100, MouseButton::Left);
        form.MouseMove(t.x, t.y);
        form.MouseUp(t.x, t.y, MouseButton::Left);
        EXPECT_EQ(rec.log, (Log{"MouseDown 0 20 40", t.over, t.drop}));
    }
}

TEST_F(Delivery, WithoutHandlersNothingIsRaisedButADragStillEnds) {
    form.SetEvents(nullptr);
    form.MouseDown(200, 100, MouseButton::Left);
    form.DblClick(200, 100, MouseButton::Left);
    EXPECT_FALSE(form.Dragging());

    form.BeginDrag({ControlName::ImgMolecular, 0}, form.DropIcon().Picture);
    form.MouseMove(3000, 1800);
    EXPECT_TRUE(form.Dragging());
    form.MouseUp(3000, 1800, MouseButton::Left);
    EXPECT_FALSE(form.Dragging()) << "the release ends the drag";

    form.BeginDrag({ControlName::ImgMolecular, 0}, form.DropIcon().Picture);
    form.InterruptDrag();
    EXPECT_FALSE(form.Dragging()) << "an interruption ends the drag";
    EXPECT_EQ(rec.log, Log{});
}

}  // namespace
}  // namespace alkynes
