// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardItems.h"

#include "speech/Sentences.h"

namespace alkynes::a11y {
namespace {

const QString kRemoveAction = QStringLiteral("remove");

}  // namespace

std::optional<Stop> StopOf(ItemRef ref) {
    switch (ref.kind) {
        case ItemKind::Tile:
            return Stop{StopKind::Tile, static_cast<std::int16_t>(ref.index)};
        case ItemKind::Slot:
            return Stop{StopKind::Slot, static_cast<std::int16_t>(ref.index)};
        default:
            return std::nullopt;
    }
}

bool Item::isValid() const {
    return owner_->Interface()->isValid();
}

QWindow* Item::window() const {
    return owner_->Interface()->window();
}

QAccessibleInterface* Item::parent() const {
    return owner_->Interface();
}

QString Item::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return owner_->Name(ref_);
        case QAccessible::Description:
            return owner_->Description(ref_);
        default:
            return {};
    }
}

QAccessible::Role Item::role() const {
    switch (ref_.kind) {
        case ItemKind::Tile:
        case ItemKind::Slot:
            return QAccessible::Button;
        case ItemKind::Reaction:
            return QAccessible::Graphic;
        case ItemKind::Badge:
        case ItemKind::Label:
            break;
    }
    return QAccessible::StaticText;
}

void* Item::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && StopOf(ref_)) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList Item::actionNames() const {
    QStringList names{pressAction(), setFocusAction()};
    if (ref_.kind == ItemKind::Slot && owner_->HoldsPiece(ref_)) {
        names.append(kRemoveAction);
    }
    return names;
}

QString Item::localizedActionName(const QString& name) const {
    return name == kRemoveAction ? QString::fromUtf8(speech::kRemoveActionName)
                                 : QAccessibleActionInterface::localizedActionName(name);
}

void Item::doAction(const QString& name) {
    if (name == pressAction()) {
        owner_->Act(ref_, BoardKey::Activate);
    } else if (name == kRemoveAction) {
        owner_->Act(ref_, BoardKey::Remove);
    } else if (name == setFocusAction()) {
        owner_->FocusOn(ref_);
    }
}

}  // namespace alkynes::a11y
