// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "content/Layout.h"
#include "content/Spoken.h"
#include "core/Board.h"
#include "core/Palette.h"
#include "keyboard/KeyboardPlay.h"
#include "model/Design.h"
#include "ui/BoardWidget.h"
#include "ui/Form1Window.h"

namespace alkynes {

class BoardAccessible;

namespace {

// --- What is said -------------------------------------------------------------

const QString kSlotName = QStringLiteral("Αντίδραση %1, θέση %2: %3");
const QString kSlotEmpty = QStringLiteral("κενή");
const QString kReactionDescription = QStringLiteral("Αντίδραση %1");
const QString kBoxName = QStringLiteral("Συντελεστής της θέσης %1 της αντίδρασης %2");
const QString kBoxBefore = QStringLiteral("Μπροστά από: %1");
const QString kBoxBeforeSlot = QStringLiteral("θέση %1");
const QString kBadgeDescription = QStringLiteral("Βαθμός");
const QString kRemoveAction = QStringLiteral("remove");
const QString kRemoveActionName = QStringLiteral("Αφαίρεση");
// Every tile says the same, and so does every slot: no description hints
// at where a compound belongs.
const QString kTileKeys = QStringLiteral(
    "Διάστημα ή Enter: παίρνετε την ένωση. Με Tab ή τα βέλη πηγαίνετε σε μια θέση και με "
    "Διάστημα ή Enter την αφήνετε εκεί. Escape: την επιστρέφετε.");
const QString kSlotKeys = QStringLiteral(
    "Διάστημα ή Enter: αφήνετε εδώ την ένωση που κρατάτε. Delete: βγάζετε την ένωση της θέσης.");

// The pictures never change: what they say is worked out once.
const QString& FormulaOf(int compound) {
    static const std::array<QString, kCompounds> formulas = [] {
        std::array<QString, kCompounds> spoken;
        for (int k = 0; k < kCompounds; ++k) {
            spoken[static_cast<std::size_t>(k)] =
                content::SpokenFormula(content::CompoundFormula(k));
        }
        return spoken;
    }();
    return formulas.at(static_cast<std::size_t>(compound));
}

const QString& EquationOf(int r) {
    static const std::array<QString, design::kReactions> equations = [] {
        std::array<QString, design::kReactions> spoken;
        for (int i = 0; i < design::kReactions; ++i) {
            spoken[static_cast<std::size_t>(i)] =
                content::SpokenPicture(content::LayoutOfReaction(i));
        }
        return spoken;
    }();
    return equations.at(static_cast<std::size_t>(r));
}

// Place n (from 0) of slot s in its reaction.
int PlaceOfSlot(int s) {
    const auto inReaction = SlotsOfReaction(ReactionOfSlot(s));
    return static_cast<int>(std::find(inReaction.begin(), inReaction.end(), s) -
                            inReaction.begin());
}

// The reaction of coefficient box j and its place there, from 0.
std::pair<int, int> PlaceOfBox(int j) {
    for (int r = 0; r < design::kReactions; ++r) {
        const auto boxes = ReactionBoxes(r);
        const auto it = std::find(boxes.begin(), boxes.end(), j);
        if (it != boxes.end()) {
            return {r, static_cast<int>(it - boxes.begin())};
        }
    }
    return {0, 0};
}

// What coefficient place n of reaction r stands before, as it is read: a
// printed formula, or a slot by its place.
QString TermAfterPlace(int r, int n) {
    const std::vector<content::Element>& elements = content::LayoutOfReaction(r).elements;
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        if (it->kind != content::ElementKind::CoefficientPlace || it->place != n ||
            it + 1 == elements.end()) {
            continue;
        }
        const content::Element& term = *(it + 1);
        return term.slot >= 0 ? kBoxBeforeSlot.arg(PlaceOfSlot(term.slot) + 1)
                              : content::SpokenFormula(term.text);
    }
    return {};
}

// --- Where events go ---------------------------------------------------------

std::function<void(QAccessibleEvent&)>& Observer() {
    static std::function<void(QAccessibleEvent&)> observer;
    return observer;
}

bool Listened() {
    return QAccessible::isActive() || Observer();
}

void Send(QAccessibleEvent& event) {
    if (Observer()) {
        Observer()(event);
    }
    QAccessible::updateAccessibility(&event);
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    Send(event);
}

// --- The objects --------------------------------------------------------------

enum class ItemKind : std::uint8_t { Tile, Badge, Reaction, Slot, Label };

struct ItemRef {
    ItemKind kind;
    int index;  // palette cell, reaction, slot or method label
    friend bool operator==(const ItemRef&, const ItemRef&) = default;
};

// Every painted object in one table: the tiles by palette cell, the badge,
// the reactions, the slots and the method labels.
constexpr int kItems = kTileStops + 1 + design::kReactions + kSlots + design::kMethodLabels;

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

// One painted object.  It has no QObject: the board's interface makes it,
// registers it and deletes it, and answers every question about it.
class Item : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    Item(BoardAccessible* board, ItemRef ref) : board_(board), ref_(ref) {}

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
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

  private:
    BoardAccessible* board_;
    ItemRef ref_;
};

// What a screen reader was last told of one object.
struct Told {
    QString name;
    bool focused = false;
    bool pressed = false;
    bool disabled = false;
};

}  // namespace

// The board's own interface: its painted objects first, then its child
// widgets (the coefficient boxes) in reading order among them.
class BoardAccessible : public QAccessibleWidget {
  public:
    BoardAccessible(BoardWidget* board, Form1& logic);
    ~BoardAccessible() override;

    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    BoardWidget& View() const { return *static_cast<BoardWidget*>(widget()); }

    // What each object says and where it lies.
    QString Name(ItemRef ref) const;
    QString Description(ItemRef ref) const;
    QRect Rect(ItemRef ref) const;  // board pixels
    QAccessible::State State(ItemRef ref) const;
    bool HoldsPiece(ItemRef ref) const;
    // Does what the key would do on the object's stop.
    void Act(ItemRef ref, BoardKey key);
    void FocusOn(ItemRef ref);

    // Sends what changed since it was last told.
    void Update();
    // Announces the focused tile or slot once the board itself has been
    // announced as focused.
    void FocusIn();

  private:
    const FormModel& Model() const { return logic_.Model(); }
    const Board& Exercise() const { return logic_.State(); }
    KeyboardPlay& Keys() const { return View().Keyboard(); }
    int CompoundAtCell(int cell) const;
    int CellOf(int compound) const;
    bool CellHoldsPiece(int cell) const;
    bool Present(ItemRef ref) const;
    std::vector<QAccessibleInterface*> Children() const;
    std::array<Told, kItems> Tell() const;
    Item* ItemOf(ItemRef ref) const { return items_[static_cast<std::size_t>(ItemNumber(ref))]; }

    // The window's logic, which owns the model the board paints and the
    // board state (what each slot holds, which compound rests in each cell).
    Form1& logic_;
    std::array<Item*, kItems> items_{};
    std::array<QAccessible::Id, kItems> ids_{};
    std::array<Told, kItems> told_{};
    std::vector<QAccessible::Id> toldChildren_;
    // A child of the board: gone already when the board goes first.
    QPointer<QObject> watcher_;
};

namespace {

// Sees the board take the keyboard focus.  Qt announces the board itself
// right after its focus-in event, so the focused stop follows afterwards.
class FocusWatcher : public QObject {
  public:
    FocusWatcher(BoardAccessible* board, QWidget* widget) : QObject(widget), board_(board) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            QMetaObject::invokeMethod(
                this, [this] { board_->FocusIn(); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    BoardAccessible* board_;
};

// --- Item ---------------------------------------------------------------------

bool Item::isValid() const {
    return board_->isValid();
}

QWindow* Item::window() const {
    return board_->window();
}

QAccessibleInterface* Item::parent() const {
    return board_;
}

QString Item::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return board_->Name(ref_);
        case QAccessible::Description:
            return board_->Description(ref_);
        default:
            return {};
    }
}

QRect Item::rect() const {
    const QRect r = board_->Rect(ref_);
    return QRect(board_->View().mapToGlobal(r.topLeft()), r.size());
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

QAccessible::State Item::state() const {
    return board_->State(ref_);
}

void* Item::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && StopOf(ref_)) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList Item::actionNames() const {
    QStringList names{pressAction(), setFocusAction()};
    if (board_->HoldsPiece(ref_)) {
        names.append(kRemoveAction);
    }
    return names;
}

QString Item::localizedActionName(const QString& name) const {
    return name == kRemoveAction ? kRemoveActionName
                                 : QAccessibleActionInterface::localizedActionName(name);
}

void Item::doAction(const QString& name) {
    if (name == pressAction()) {
        board_->Act(ref_, BoardKey::Activate);
    } else if (name == kRemoveAction) {
        board_->Act(ref_, BoardKey::Remove);
    } else if (name == setFocusAction()) {
        board_->FocusOn(ref_);
    }
}

QStringList Item::keyBindingsForAction(const QString& name) const {
    auto keys = [](std::initializer_list<Qt::Key> list) {
        QStringList names;
        for (const Qt::Key key : list) {
            names.append(QKeySequence(key).toString(QKeySequence::NativeText));
        }
        return names;
    };
    if (name == pressAction()) {
        return keys({Qt::Key_Space, Qt::Key_Return});
    }
    if (name == kRemoveAction) {
        return keys({Qt::Key_Delete, Qt::Key_Backspace});
    }
    return {};
}

}  // namespace

// --- BoardAccessible ----------------------------------------------------------

BoardAccessible::BoardAccessible(BoardWidget* board, Form1& logic)
    : QAccessibleWidget(board, QAccessible::Client), logic_(logic) {
    for (int i = 0; i < kItems; ++i) {
        const auto n = static_cast<std::size_t>(i);
        items_[n] = new Item(this, ItemAt(i));
        ids_[n] = QAccessible::registerAccessibleInterface(items_[n]);
    }
    told_ = Tell();
    for (QAccessibleInterface* child : Children()) {
        toldChildren_.push_back(QAccessible::uniqueId(child));
    }
    watcher_ = new FocusWatcher(this, board);
}

BoardAccessible::~BoardAccessible() {
    delete watcher_;
    for (const QAccessible::Id id : ids_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int BoardAccessible::CellOf(int compound) const {
    return Exercise().PaletteOrder[static_cast<std::size_t>(compound)];
}

bool BoardAccessible::CellHoldsPiece(int cell) const {
    const FormModel& model = Model();
    const Point at = PaletteCellPosition(model, cell);
    for (int p = CompoundAtCell(cell); p < model.PieceCount(); p += kCompounds) {
        const Control& piece = model.ImgMolecular(p);
        if (piece.Visible && piece.Left == at.Left && piece.Top == at.Top) {
            return true;
        }
    }
    return false;
}

int BoardAccessible::CompoundAtCell(int cell) const {
    const auto& order = Exercise().PaletteOrder;
    return static_cast<int>(std::find(order.begin(), order.end(), cell) - order.begin());
}

bool BoardAccessible::Present(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Badge:
            return Model().LGrade().Visible;
        case ItemKind::Label:
            return Model().Label1(ref.index).Visible;
        default:
            return true;
    }
}

bool BoardAccessible::HoldsPiece(ItemRef ref) const {
    return ref.kind == ItemKind::Slot &&
           Exercise().Slots[static_cast<std::size_t>(ref.index)].Piece != kEmpty;
}

std::vector<QAccessibleInterface*> BoardAccessible::Children() const {
    std::vector<QAccessibleInterface*> children;
    auto add = [&](ItemRef ref) {
        if (Present(ref)) {
            children.push_back(ItemOf(ref));
        }
    };
    for (int cell = 0; cell < kTileStops; ++cell) {
        add({ItemKind::Tile, cell});
    }
    add({ItemKind::Badge, 0});

    BoardWidget& board = View();
    for (int r = 0; r < design::kReactions; ++r) {
        add({ItemKind::Reaction, r});
        // The slots and the boxes over the coefficient places, left to right.
        std::vector<std::pair<int, QAccessibleInterface*>> row;
        for (const std::int16_t s : SlotsOfReaction(r)) {
            row.emplace_back(Rect({ItemKind::Slot, s}).left(), ItemOf({ItemKind::Slot, s}));
        }
        for (const std::int16_t j : ReactionBoxes(r)) {
            if (!Model().tCoefficient(j).Visible) {
                continue;  // and perhaps not made yet
            }
            QLineEdit* box = board.Box(j);
            if (!box->isHidden()) {
                row.emplace_back(box->geometry().left(),
                                 QAccessible::queryAccessibleInterface(box));
            }
        }
        std::stable_sort(row.begin(), row.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& entry : row) {
            children.push_back(entry.second);
        }
        // A frame's method text comes after the frame's last reaction.
        const std::int16_t label = MethodLabelOf(r);
        if (r + 1 == design::kReactions || MethodLabelOf(r + 1) != label) {
            add({ItemKind::Label, label});
        }
    }

    // Any other child widget that shows, after the board's own objects.
    for (QObject* object : board.children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget == nullptr || widget->isWindow() || widget->isHidden() ||
            qobject_cast<QLineEdit*>(widget) != nullptr) {
            continue;
        }
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget)) {
            children.push_back(iface);
        }
    }
    return children;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    const std::vector<QAccessibleInterface*> children = Children();
    return index >= 0 && index < static_cast<int>(children.size())
               ? children[static_cast<std::size_t>(index)]
               : nullptr;
}

int BoardAccessible::childCount() const {
    return static_cast<int>(Children().size());
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QAccessibleInterface*> children = Children();
    const auto it = std::find(children.begin(), children.end(), child);
    return it == children.end() ? -1 : static_cast<int>(it - children.begin());
}

// Later children lie over earlier ones (slots and boxes over their
// equation), so the last one under the point is the one seen there.
QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const std::vector<QAccessibleInterface*> children = Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->rect().contains(x, y)) {
            return *it;
        }
    }
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    if (View().hasFocus()) {
        const Stop focus = Keys().Focus();
        return ItemOf(
            {focus.kind == StopKind::Tile ? ItemKind::Tile : ItemKind::Slot, focus.index});
    }
    return QAccessibleWidget::focusChild();
}

// --- What each object says ----------------------------------------------------

QString BoardAccessible::Name(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Tile:
            return FormulaOf(CompoundAtCell(ref.index));
        case ItemKind::Badge:
            return QString::fromStdString(Model().LGrade().Text);
        case ItemKind::Label:
            return QString::fromStdString(Model().Label1(ref.index).Text);
        case ItemKind::Reaction:
            return EquationOf(ref.index);
        case ItemKind::Slot: {
            const std::int16_t piece = Exercise().Slots[static_cast<std::size_t>(ref.index)].Piece;
            return kSlotName.arg(ReactionOfSlot(ref.index) + 1)
                .arg(PlaceOfSlot(ref.index) + 1)
                .arg(piece == kEmpty ? kSlotEmpty : FormulaOf(CompoundOf(piece)));
        }
    }
    return {};
}

QString BoardAccessible::Description(ItemRef ref) const {
    switch (ref.kind) {
        case ItemKind::Tile:
            return kTileKeys;
        case ItemKind::Slot:
            return kSlotKeys;
        case ItemKind::Reaction:
            return kReactionDescription.arg(ref.index + 1);
        case ItemKind::Badge:
            return kBadgeDescription;
        case ItemKind::Label:
            break;
    }
    return {};
}

QRect BoardAccessible::Rect(ItemRef ref) const {
    const BoardWidget& board = View();
    if (const std::optional<Stop> stop = StopOf(ref)) {
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

QAccessible::State BoardAccessible::State(ItemRef ref) const {
    QAccessible::State s;
    const BoardWidget& board = View();
    if (!board.isVisible()) {
        s.invisible = true;
        s.offscreen = true;
    }
    const std::optional<Stop> stop = StopOf(ref);
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
                    CellOf(CompoundOf(model.DragSource().index)) == ref.index;
        s.disabled = !CellHoldsPiece(ref.index);
    }
    return s;
}

void BoardAccessible::Act(ItemRef ref, BoardKey key) {
    if (const std::optional<Stop> stop = StopOf(ref)) {
        View().setFocus(Qt::OtherFocusReason);
        Keys().FocusOn(*stop);
        Keys().Press(key);
    }
}

void BoardAccessible::FocusOn(ItemRef ref) {
    if (const std::optional<Stop> stop = StopOf(ref)) {
        View().setFocus(Qt::OtherFocusReason);
        Keys().FocusOn(*stop);
    }
}

// --- Telling what changed -----------------------------------------------------

std::array<Told, kItems> BoardAccessible::Tell() const {
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

void BoardAccessible::Update() {
    // Objects that left the board or came onto it.  They are told apart by
    // their ids, which outlive a box or widget deleted meanwhile.
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

    // What the objects say: a slot's new content, the badge's grade, a
    // tile's compound after a reshuffle, a tile picked up or put down.
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
            Send(event);
        }
        if (is.focused && !was.focused) {
            focused = i;
        }
    }
    told_ = now;
    if (focused) {
        Send(items_[*focused], QAccessible::Focus);
    }
}

void BoardAccessible::FocusIn() {
    if (QAccessibleInterface* focus = focusChild(); focus != nullptr && View().hasFocus()) {
        Send(focus, QAccessible::Focus);
    }
}

namespace {

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardWidget::staticMetaObject.className())) {
        return nullptr;
    }
    auto* board = static_cast<BoardWidget*>(object);
    auto* window = qobject_cast<Form1Window*>(board->window());
    return window != nullptr ? new BoardAccessible(board, window->Logic()) : nullptr;
}

}  // namespace

void DescribeCoefficientBox(QWidget& box, int j) {
    const auto [r, n] = PlaceOfBox(j);
    box.setAccessibleName(kBoxName.arg(n + 1).arg(r + 1));
    box.setAccessibleDescription(kBoxBefore.arg(TermAfterPlace(r, n)));
}

void InstallBoardAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

void ObserveBoardAccessible(std::function<void(QAccessibleEvent&)> observer) {
    Observer() = std::move(observer);
}

void BoardAccessibleChanged(BoardWidget& board) {
    if (!Listened()) {
        return;
    }
    if (auto* iface =
            dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board))) {
        iface->Update();
    }
}

}  // namespace alkynes
