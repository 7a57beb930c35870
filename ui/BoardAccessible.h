// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds on the board: the Qt side of it.
//
// The board paints its tiles, equations, slots, grade badge and method
// texts itself, so Qt knows nothing of them.  The board's accessible
// interface gives each of them an object of its own, in reading order: the
// nine palette tiles as buttons named by their formulas, then the grade
// badge while it shows, then reaction by reaction its equation, its slots
// and coefficient boxes from left to right and, after the last reaction of
// a frame, the frame's method text while it shows.
//
// Every name and every sentence comes from the narrator (speech/), which
// reads the window's logic; this layer only asks it and tells Qt.  When the
// board has brought the screen in step with the model, the layer compares
// what the objects say now with what they said before and sends the events
// a screen reader needs (a slot's new content, objects that appear or
// leave, the focus moving among the tiles and slots), and has the sentence
// for the change said (Announcer.h).
#pragma once

#include <functional>

class QAccessibleEvent;
class QWidget;

namespace alkynes {

class BoardWidget;
class Form1;

// Names coefficient box j for assistive technology: whose coefficient it
// is, counted as the student counts, from 1, and the term it stands before.
void DescribeCoefficientBox(QWidget& box, int j);

// Lets the boards that AttachBoardAccessible was given have the accessible
// interface of this layer.  Once is enough; further calls do nothing.
void InstallBoardAccessible();

// Gives `board` its screen-reader objects and speech, read from `logic`,
// whose model the board paints.  Until then, and for a board never given
// one, assistive technology sees a plain widget.
void AttachBoardAccessible(BoardWidget& board, Form1& logic);

// Sends the events for what changed on `board` since the last call: names,
// presence, focus and the carried tile, and has what happened said.  Does
// nothing while no assistive technology listens.
void BoardAccessibleChanged(BoardWidget& board);

// The key to the coefficient boxes was pressed on `board` while none shows:
// has the reason said.
void BoardAccessibleNoBoxes(BoardWidget& board);

// Hands every event of the board's objects to `observer` too (or to none
// when it is empty), and sends them even where the platform has no
// assistive technology to send them to, as on the offscreen platform.
void ObserveBoardAccessible(std::function<void(QAccessibleEvent&)> observer);

}  // namespace alkynes
