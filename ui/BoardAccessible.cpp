// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QHash>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "content/Layout.h"
#include "content/Spoken.h"
#include "form1/Form1.h"
#include "keyboard/KeyboardPlay.h"
#include "model/Design.h"
#include "speech/Narrator.h"
#include "speech/Sentences.h"
#include "ui/Announcer.h"
#include "ui/BoardItems.h"
#include "ui/BoardWidget.h"

namespace alkynes {
namespace {

using a11y::Item;
using a11y::ItemAt;
using a11y::ItemKind;
using a11y::ItemRef;
using a11y::kItems;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// How the pictures spell their formulas and equations, read from their own
// descriptions once: they never change.
const speech::Vocabulary& SpokenVocabulary() {
    static const speech::Vocabulary words = [] {
        speech::Vocabulary v;
        for (int k = 0; k < kCompounds; ++k) {
            v.formulas[static_cast<std::size_t>(k)] =
                content::SpokenFormula(content::CompoundFormula(k)).toStdString();
        }
        using Part = content::SpokenPart;
        using Term = speech::Term;
        for (int r = 0; r < design::kReactions; ++r) {
            for (const Part& part : content::SpokenParts(content::LayoutOfReaction(r))) {
                const Term::Kind kind = part.kind == Part::Kind::Text    ? Term::Kind::Text
                                        : part.kind == Part::Kind::Blank ? Term::Kind::Blank
                                                                         : Term::Kind::Coefficient;
                v.equations[static_cast<std::size_t>(r)].push_back(
                    {kind, part.text.toStdString(), static_cast<std::int16_t>(part.index)});
            }
        }
        return v;
    }();
    return words;
}

// The logic of each board it was given for.
QHash<const QObject*, Form1*>& Logics() {
    static QHash<const QObject*, Form1*> logics;
    return logics;
}

void Send(QAccessibleInterface* iface, QAccessible::Event type) {
    QAccessibleEvent event(iface, type);
    SendAccessibleEvent(event);
}

// What a screen reader was last told of one object.
struct Told {
    QString name;
    bool focused = false;
    bool pressed = false;
    bool disabled = false;
};

}  // namespace

// The board's own interface: its painted objects first, then its child
// widgets (the coefficient boxes) in reading order among them, then the
// status line that speaks (Announcer.h).
class BoardAccessible : public QAccessibleWidget, public a11y::ItemOwner {
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

    // What each object says and where it lies.
    QAccessibleInterface* Interface() override { return this; }
    QString Name(ItemRef ref) const override;
    QString Description(ItemRef ref) const override;
    QRect ScreenRect(ItemRef ref) const override;
    QAccessible::State State(ItemRef ref) const override;
    bool HoldsPiece(ItemRef ref) const override;
    void Act(ItemRef ref, BoardKey key) override;
    void FocusOn(ItemRef ref) override;

    // Sends what changed since it was last told.
    void Update();
    // The board has taken the keyboard's focus: its focused stop is
    // announced once the board itself has been.
    void FocusIn();

  private:
    BoardWidget& View() const { return *static_cast<BoardWidget*>(widget()); }
    const FormModel& Model() const { return logic_.Model(); }
    KeyboardPlay& Keys() const { return View().Keyboard(); }
    QRect Rect(ItemRef ref) const;  // board pixels
    bool Present(ItemRef ref) const;
    void AddRow(int r, std::vector<QAccessibleInterface*>& children) const;
    std::vector<QAccessibleInterface*> Children() const;
    std::array<Told, kItems> Tell() const;
    void UpdatePresence();
    Item* ItemOf(ItemRef ref) const {
        return items_[static_cast<std::size_t>(a11y::ItemNumber(ref))];
    }

    // The window's logic, which owns the model the board paints and the
    // board state (what each slot holds, which compound rests in each cell).
    Form1& logic_;
    speech::Narrator narrator_;
    Announcer announcer_;
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
            Later();
        }
        return false;
    }
    void Later() {
        QMetaObject::invokeMethod(
            this, [this] { board_->FocusIn(); }, Qt::QueuedConnection);
    }

  private:
    BoardAccessible* board_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardWidget* board, Form1& logic)
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

BoardAccessible::~BoardAccessible() {
    delete watcher_;
    for (const QAccessible::Id id : ids_) {
        QAccessible::deleteAccessibleInterface(id);
    }
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
    const std::optional<Stop> stop = a11y::StopOf(ref);
    return stop && narrator_.HoldsPiece(*stop);
}

// Reaction r's equation, then its slots and the boxes over its coefficient
// places from left to right, then the frame's method text after the
// frame's last reaction.
void BoardAccessible::AddRow(int r, std::vector<QAccessibleInterface*>& children) const {
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

std::vector<QAccessibleInterface*> BoardAccessible::Children() const {
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

QString BoardAccessible::Description(ItemRef ref) const {
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

QRect BoardAccessible::Rect(ItemRef ref) const {
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

QRect BoardAccessible::ScreenRect(ItemRef ref) const {
    const QRect r = Rect(ref);
    return QRect(View().mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State BoardAccessible::State(ItemRef ref) const {
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

void BoardAccessible::Act(ItemRef ref, BoardKey key) {
    if (const std::optional<Stop> stop = a11y::StopOf(ref)) {
        View().setFocus(Qt::OtherFocusReason);
        Keys().FocusOn(*stop);
        Keys().Press(key);
    }
}

void BoardAccessible::FocusOn(ItemRef ref) {
    if (const std::optional<Stop> stop = a11y::StopOf(ref)) {
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

// Objects that left the board or came onto it.  They are told apart by
// their ids, which outlive a box or widget deleted meanwhile.
void BoardAccessible::UpdatePresence() {
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
void BoardAccessible::Update() {
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

void BoardAccessible::FocusIn() {
    if (QAccessibleInterface* focus = focusChild(); focus != nullptr && View().hasFocus()) {
        Send(focus, QAccessible::Focus);
        narrator_.FocusArrived();
        announcer_.Changed();
    }
}

namespace {

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardWidget::staticMetaObject.className())) {
        return nullptr;
    }
    Form1* logic = Logics().value(object);
    return logic != nullptr ? new BoardAccessible(static_cast<BoardWidget*>(object), *logic)
                            : nullptr;
}

}  // namespace

void DescribeCoefficientBox(QWidget& box, int j) {
    box.setAccessibleName(Text(speech::BoxName(j)));
    box.setAccessibleDescription(Text(speech::BoxDescription(SpokenVocabulary(), j)));
}

void InstallBoardAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

void AttachBoardAccessible(BoardWidget& board, Form1& logic) {
    InstallBoardAccessible();
    Logics().insert(&board, &logic);
    QObject::connect(&board, &QObject::destroyed, [object = static_cast<QObject*>(&board)] {
        Logics().remove(object);
    });
    // An interface Qt made before, a plain widget's, goes: the next
    // question is the factory's.  (Qt makes none while nobody listens.)
    if (!AccessibleEventsListened()) {
        return;
    }
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&board);
        made != nullptr && dynamic_cast<BoardAccessible*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void ObserveBoardAccessible(std::function<void(QAccessibleEvent&)> observer) {
    SetAccessibleEventObserver(std::move(observer));
}

void BoardAccessibleChanged(BoardWidget& board) {
    if (!AccessibleEventsListened() || !Logics().contains(&board)) {
        return;
    }
    if (auto* iface =
            dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&board))) {
        iface->Update();
    }
}

}  // namespace alkynes
