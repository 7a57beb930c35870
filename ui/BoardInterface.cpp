// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardInterface.h"

#include <QEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "model/Design.h"
#include "speech/Sentences.h"
#include "ui/BoardWidget.h"

namespace alkynes {
namespace {

using a11y::Item;
using a11y::ItemAt;
using a11y::ItemKind;
using a11y::ItemRef;
using a11y::kItems;
using a11y::Told;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    SendAccessibleEvent(event);
}

// Sees the board take the keyboard focus.  Qt announces the board itself
// right after its focus-in event, so the focused stop follows afterwards.
class FocusWatcher : public QObject {
  public:
    FocusWatcher(BoardInterface* board, QWidget* widget) : QObject(widget), board_(board) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            Later();
        }
        return false;
    }
    void Later() {
        QMetaObject::invokeMethod(
            this, [this] { board_->FocusIn(); }, Qt::QueuedConnection);
    }

  private:
    BoardInterface* board_;
};

}  // namespace

BoardInterface::BoardInterface(BoardWidget* board, Form1& logic)
    : QAccessibleWidget(board, QAccessible::Client),
      logic_(logic),
      narrator_(logic, board->Keyboard(), SpokenVocabulary()),
      announcer_(this, [this] { return narrator_.Update(View().hasFocus()); }) {
    for (int i = 0; i < kItems; ++i) {
        const auto n = static_cast<std::size_t>(i);
        items_[n] = new Item(this, ItemAt(i));
        ids_[n] = QAccessible::registerAccessibleInterface(items_[n]);
    }
    told_ = Tell();
    for (QAccessibleInterface* child : Children()) {
        toldChildren_.push_back(QAccessible::uniqueId(child));
    }
    auto* watcher = new FocusWatcher(this, board);
    watcher_ = watcher;
    if (board->hasFocus()) {
        watcher->Later();  // the focus came before this interface was asked for
    }
}

BoardInterface::~BoardInterface() {
    delete watcher_;
    for (const QAccessible::Id id : ids_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

BoardWidget& BoardInterface::View() const {
    return *static_cast<BoardWidget*>(widget());
}

KeyboardPlay& BoardInterface::Keys() const {
    return View().Keyboard();
}

bool BoardInterface::Present(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Badge:
            return Model().LGrade().Visible;
        case ItemKind::Label:
            return Model().Label1(ref.index).Visible;
        default:
            return true;
    }
}

bool BoardInterface::HoldsPiece(ItemRef ref) const {
    const std::optional<Stop> stop = a11y::StopOf(ref);
    return stop && narrator_.HoldsPiece(*stop);
}

// Reaction r's equation, then its slots and the boxes over its coefficient
// places from left to right, then the frame's method text after the
// frame's last reaction.
void BoardInterface::AddRow(int r, std::vector<QAccessibleInterface*>& children) const {
    if (Present({ItemKind::Reaction, r})) {
        children.push_back(ItemOf({ItemKind::Reaction, r}));
    }
    std::vector<std::pair<int, QAccessibleInterface*>> row;
    for (const std::int16_t s : SlotsOfReaction(r)) {
        row.emplace_back(Rect({ItemKind::Slot, s}).left(), ItemOf({ItemKind::Slot, s}));
    }
    for (const std::int16_t j : ReactionBoxes(r)) {
        if (!Model().tCoefficient(j).Visible) {
            continue;  // and perhaps not made yet
        }
        QLineEdit* box = View().Box(j);
        if (!box->isHidden()) {
            row.emplace_back(box->geometry().left(), QAccessible::queryAccessibleInterface(box));
        }
    }
    std::stable_sort(row.begin(), row.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : row) {
        children.push_back(entry.second);
    }
    const std::int16_t label = MethodLabelOf(r);
    if ((r + 1 == design::kReactions || MethodLabelOf(r + 1) != label) &&
        Present({ItemKind::Label, label})) {
        children.push_back(ItemOf({ItemKind::Label, label}));
    }
}

std::vector<QAccessibleInterface*> BoardInterface::Children() const {
    std::vector<QAccessibleInterface*> children;
    for (int cell = 0; cell < kTileStops; ++cell) {
        children.push_back(ItemOf({ItemKind::Tile, cell}));
    }
    if (Present({ItemKind::Badge, 0})) {
        children.push_back(ItemOf({ItemKind::Badge, 0}));
    }
    for (int r = 0; r < design::kReactions; ++r) {
        AddRow(r, children);
    }
    // Any other child widget that shows, after the board's own objects.
    for (QObject* object : View().children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget == nullptr || widget->isWindow() || widget->isHidden() ||
            qobject_cast<QLineEdit*>(widget) != nullptr) {
            continue;
        }
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget)) {
            children.push_back(iface);
        }
    }
    if (QAccessibleInterface* line = announcer_.StatusLine()) {
        children.push_back(line);
    }
    return children;
}

QAccessibleInterface* BoardInterface::child(int index) const {
    const std::vector<QAccessibleInterface*> children = Children();
    return index >= 0 && index < static_cast<int>(children.size())
               ? children[static_cast<std::size_t>(index)]
               : nullptr;
}

int BoardInterface::childCount() const {
    return static_cast<int>(Children().size());
}

int BoardInterface::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QAccessibleInterface*> children = Children();
    const auto it = std::find(children.begin(), children.end(), child);
    return it == children.end() ? -1 : static_cast<int>(it - children.begin());
}

// Later children lie over earlier ones (slots and boxes over their
// equation), so the last one under the point is the one seen there.
QAccessibleInterface* BoardInterface::childAt(int x, int y) const {
    const std::vector<QAccessibleInterface*> children = Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->rect().contains(x, y)) {
            return *it;
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardInterface::focusChild() const {
    if (View().hasFocus()) {
        const Stop focus = Keys().Focus();
        return ItemOf(
            {focus.kind == StopKind::Tile ? ItemKind::Tile : ItemKind::Slot, focus.index});
    }
    return QAccessibleWidget::focusChild();
}

// --- What each object says ----------------------------------------------------

QString BoardInterface::Name(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Tile:
            return Text(narrator_.TileName(ref.index));
        case ItemKind::Badge:
            return Text(narrator_.BadgeName());
        case ItemKind::Label:
            return Text(narrator_.MethodName(ref.index));
        case ItemKind::Reaction:
            return Text(narrator_.EquationName(ref.index));
        case ItemKind::Slot:
            return Text(narrator_.SlotName(ref.index));
    }
    return {};
}

QString BoardInterface::Description(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Slot:
            return Text(narrator_.SlotDescription(ref.index));
        case ItemKind::Reaction:
            return Text(speech::ReactionDescription(ref.index));
        case ItemKind::Badge:
            return QString::fromUtf8(speech::kBadgeDescription);
        default:
            return {};
    }
}

QRect BoardInterface::Rect(ItemRef ref) const {
    const BoardWidget& board = View();
    if (const std::optional<Stop> stop = a11y::StopOf(ref)) {
        return board.StopPixelRect(*stop);  // what the focus ring surrounds
    }
    switch (ref.kind) {
        case ItemKind::Badge:
            return board.PaintRect(Model().LGrade());
        case ItemKind::Label:
            return board.PaintRect(Model().Label1(ref.index));
        case ItemKind::Reaction:
            return board.PaintRect(Model().ImgSyntactic(ref.index));
        default:
            return {};
    }
}

QRect BoardInterface::ScreenRect(ItemRef ref) const {
    const QRect r = Rect(ref);
    return QRect(View().mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State BoardInterface::State(ItemRef ref) const {
    QAccessible::State s;
    const BoardWidget& board = View();
    if (!board.isVisible()) {
        s.invisible = true;
        s.offscreen = true;
    }
    const std::optional<Stop> stop = a11y::StopOf(ref);
    if (!stop) {
        s.readOnly = true;
        return s;
    }
    s.focusable = true;
    s.focused = board.hasFocus() && Keys().Focus() == *stop;
    if (ref.kind == ItemKind::Tile) {
        // The tile whose piece is being dragged, by any device, is down; a
        // cell whose every piece has been placed offers nothing.
        const FormModel& model = Model();
        s.pressed = model.Dragging() && model.DragSource().name == ControlName::ImgMolecular &&
                    logic_.State().PaletteOrder[static_cast<std::size_t>(
                        CompoundOf(model.DragSource().index))] == ref.index;
        s.disabled = !narrator_.HoldsPiece(*stop);
    }
    return s;
}

void BoardInterface::Act(ItemRef ref, BoardKey key) {
    if (const std::optional<Stop> stop = a11y::StopOf(ref)) {
        View().setFocus(Qt::OtherFocusReason);
        Keys().FocusOn(*stop);
        Keys().Press(key);
    }
}

void BoardInterface::FocusOn(ItemRef ref) {
    if (const std::optional<Stop> stop = a11y::StopOf(ref)) {
        View().setFocus(Qt::OtherFocusReason);
        Keys().FocusOn(*stop);
    }
}

// --- Telling what changed -----------------------------------------------------

std::array<Told, kItems> BoardInterface::Tell() const {
    std::array<Told, kItems> told;
    for (int i = 0; i < kItems; ++i) {
        const ItemRef ref = ItemAt(i);
        Told& t = told[static_cast<std::size_t>(i)];
        if (Present(ref)) {
            const QAccessible::State s = State(ref);
            t = {Name(ref), bool(s.focused), bool(s.pressed), bool(s.disabled)};
        }
    }
    return told;
}

// Objects that left the board or came onto it.  They are told apart by
// their ids, which outlive a box or widget deleted meanwhile.
void BoardInterface::UpdatePresence() {
    std::vector<QAccessible::Id> children;
    for (QAccessibleInterface* child : Children()) {
        children.push_back(QAccessible::uniqueId(child));
    }
    const std::vector<QAccessible::Id> before = std::exchange(toldChildren_, children);
    auto among = [](const std::vector<QAccessible::Id>& list, QAccessible::Id id) {
        return std::find(list.begin(), list.end(), id) != list.end();
    };
    for (const QAccessible::Id id : before) {
        QAccessibleInterface* child = QAccessible::accessibleInterface(id);
        if (child != nullptr && !among(children, id)) {
            Send(child, QAccessible::ObjectHide);
            Send(child, QAccessible::ObjectDestroyed);
        }
    }
    for (const QAccessible::Id id : children) {
        if (!among(before, id)) {
            Send(QAccessible::accessibleInterface(id), QAccessible::ObjectCreated);
            Send(QAccessible::accessibleInterface(id), QAccessible::ObjectShow);
        }
    }
}

// What the objects say: a slot's new content, an equation's, the badge's
// grade, a tile's compound after a reshuffle, a tile picked up or put
// down; then the focus, and in a moment what happened.
void BoardInterface::Update() {
    UpdatePresence();
    const std::array<Told, kItems> now = Tell();
    std::optional<std::size_t> focused;
    for (std::size_t i = 0; i < now.size(); ++i) {
        const Told& was = told_[i];
        const Told& is = now[i];
        if (is.name != was.name && !is.name.isEmpty()) {
            Send(items_[i], QAccessible::NameChanged);
        }
        QAccessible::State changed;
        changed.pressed = is.pressed != was.pressed;
        changed.disabled = is.disabled != was.disabled;
        if (changed.pressed || changed.disabled) {
            QAccessibleStateChangeEvent event(items_[i], changed);
            SendAccessibleEvent(event);
        }
        if (is.focused && !was.focused) {
            focused = i;
        }
    }
    told_ = now;
    if (focused) {
        Send(items_[*focused], QAccessible::Focus);
    }
    announcer_.Changed();
}

void BoardInterface::NoBoxesToReach() {
    narrator_.NoBoxesToReach();
    announcer_.Changed();
}

void BoardInterface::FocusIn() {
    if (QAccessibleInterface* focus = focusChild(); focus != nullptr && View().hasFocus()) {
        Send(focus, QAccessible::Focus);
        narrator_.FocusArrived();
        announcer_.Changed();
    }
}

}  // namespace alkynes
