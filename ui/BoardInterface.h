// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's own accessible interface (see BoardAccessible.h): the tree
// of its objects, their names and states, and the events for what changed.
// Made by the factory of BoardAccessible.cpp only.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QString>

#include <array>
#include <vector>

#include "form1/Form1.h"
#include "keyboard/KeyboardPlay.h"
#include "speech/Narrator.h"
#include "speech/Vocabulary.h"
#include "ui/Announcer.h"
#include "ui/BoardItems.h"

namespace alkynes {

class BoardWidget;

// How the pictures spell their formulas and equations, for speech/.
const speech::Vocabulary& SpokenVocabulary();

namespace a11y {

// What a screen reader was last told of one object.
struct Told {
    QString name;
    bool focused = false;
    bool pressed = false;
    bool disabled = false;
};

}  // namespace a11y

// The board's own interface: its painted objects first, then its child
// widgets (the coefficient boxes) in reading order among them, then the
// status line that speaks (Announcer.h).
class BoardInterface : public QAccessibleWidget, public a11y::ItemOwner {
  public:
    BoardInterface(BoardWidget* board, Form1& logic);
    ~BoardInterface() override;

    BoardInterface(const BoardInterface&) = delete;
    BoardInterface& operator=(const BoardInterface&) = delete;

    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    // What each object says and where it lies.
    QAccessibleInterface* Interface() override { return this; }
    QString Name(a11y::ItemRef ref) const override;
    QString Description(a11y::ItemRef ref) const override;
    QRect ScreenRect(a11y::ItemRef ref) const override;
    QAccessible::State State(a11y::ItemRef ref) const override;
    bool HoldsPiece(a11y::ItemRef ref) const override;
    void Act(a11y::ItemRef ref, BoardKey key) override;
    void FocusOn(a11y::ItemRef ref) override;

    // Sends what changed since it was last told.
    void Update();
    // The board has taken the keyboard's focus: its focused stop is
    // announced once the board itself has been.
    void FocusIn();
    // The key to the coefficient boxes found none shown: says so.
    void NoBoxesToReach();

  private:
    BoardWidget& View() const;
    const FormModel& Model() const { return logic_.Model(); }
    KeyboardPlay& Keys() const;
    QRect Rect(a11y::ItemRef ref) const;  // board pixels
    bool Present(a11y::ItemRef ref) const;
    void AddRow(int r, std::vector<QAccessibleInterface*>& children) const;
    std::vector<QAccessibleInterface*> Children() const;
    std::array<a11y::Told, a11y::kItems> Tell() const;
    void UpdatePresence();
    a11y::Item* ItemOf(a11y::ItemRef ref) const {
        return items_[static_cast<std::size_t>(a11y::ItemNumber(ref))];
    }

    // The window's logic, which owns the model the board paints and the
    // board state (what each slot holds, which compound rests in each cell).
    Form1& logic_;
    speech::Narrator narrator_;
    Announcer announcer_;
    std::array<a11y::Item*, a11y::kItems> items_{};
    std::array<QAccessible::Id, a11y::kItems> ids_{};
    std::array<a11y::Told, a11y::kItems> told_{};
    std::vector<QAccessible::Id> toldChildren_;
    // A child of the board: gone already when the board goes first.
    QPointer<QObject> watcher_;
};

}  // namespace alkynes
