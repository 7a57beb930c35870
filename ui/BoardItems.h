// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's painted objects as a screen reader finds them: one
// accessible object for each tile, the grade badge, each equation, each
// slot and each method text.  They have no QObject of their own; the
// board's interface (BoardAccessible.cpp) owns them and answers every
// question about them.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>

#include <cstdint>
#include <optional>
#include <utility>

#include "core/Board.h"
#include "keyboard/KeyboardPlay.h"
#include "model/Design.h"

namespace alkynes::a11y {

enum class ItemKind : std::uint8_t { Tile, Badge, Reaction, Slot, Label };

struct ItemRef {
    ItemKind kind;
    int index;  // palette cell, reaction, slot or method label
    friend bool operator==(const ItemRef&, const ItemRef&) = default;
};

// Every painted object in one table: the tiles by palette cell, the badge,
// the reactions, the slots and the method labels.
inline constexpr int kItems = kTileStops + 1 + design::kReactions + kSlots + design::kMethodLabels;

constexpr ItemRef ItemAt(int i) {
    constexpr std::pair<ItemKind, int> kRuns[] = {{ItemKind::Tile, kTileStops},
                                                  {ItemKind::Badge, 1},
                                                  {ItemKind::Reaction, design::kReactions},
                                                  {ItemKind::Slot, kSlots},
                                                  {ItemKind::Label, design::kMethodLabels}};
    for (const auto& [kind, count] : kRuns) {
        if (i < count) {
            return {kind, i};
        }
        i -= count;
    }
    return {ItemKind::Label, -1};
}

constexpr int ItemNumber(ItemRef ref) {
    for (int i = 0; i < kItems; ++i) {
        if (ItemAt(i) == ref) {
            return i;
        }
    }
    return -1;
}

// The keyboard's stop for a tile or slot.
std::optional<Stop> StopOf(ItemRef ref);

// What the objects ask of the board's interface.
class ItemOwner {
  public:
    virtual QAccessibleInterface* Interface() = 0;
    virtual QString Name(ItemRef ref) const = 0;
    virtual QString Description(ItemRef ref) const = 0;
    virtual QRect ScreenRect(ItemRef ref) const = 0;
    virtual QAccessible::State State(ItemRef ref) const = 0;
    virtual bool HoldsPiece(ItemRef ref) const = 0;
    // Does what the key would do on the object's stop.
    virtual void Act(ItemRef ref, BoardKey key) = 0;
    virtual void FocusOn(ItemRef ref) = 0;

  protected:
    ~ItemOwner() = default;
};

class Item : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    Item(ItemOwner* owner, ItemRef ref) : owner_(owner), ref_(ref) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return owner_->ScreenRect(ref_); }
    QAccessible::Role role() const override;
    QAccessible::State state() const override { return owner_->State(ref_); }
    void* interface_cast(QAccessible::InterfaceType type) override;

    // No key bindings: a screen reader reads them out with every stop
    // ("push button return").  The keys are taught once, by what is said.
    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    ItemOwner* owner_;
    ItemRef ref_;
};

}  // namespace alkynes::a11y
