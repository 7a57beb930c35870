// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds on the board: the objects, their roles and
// names in reading order, names that never tell the answer, the events
// after a drop, a removal, a check, a restart and a move of the focus, and
// the sentences said for them.
#include "ui/tests/WindowFixture.h"

#include <QAccessible>

#include <optional>
#include <string>
#include <utility>

#include "testing/SpokenNames.h"
#include "keyboard/KeyboardPlay.h"
#include "ui/Announcer.h"
#include "ui/BoardAccessible.h"

namespace alkynes::testing {
namespace {

const auto& kTile = kSpokenTile;
const auto& kEquation = kSpokenEquation;

QString SlotName(int s, const char* holds) {
    return QStringLiteral("Αντίδραση %1, θέση %2: %3")
        .arg(ReactionOfSlot(s) + 1)
        .arg(s - SlotsOfReaction(ReactionOfSlot(s)).front() + 1)
        .arg(QString::fromUtf8(holds));
}

struct Heard {
    QAccessible::Event type;
    QString name;
};

// The sentence an event says, if it is one: a notification that shows (its
// name), or, from Qt 6.8, an announcement.
std::optional<QString> SaidBy(QAccessibleEvent& event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event.type() == QAccessible::Announcement) {
        return static_cast<QAccessibleAnnouncementEvent&>(event).message();
    }
#endif
    QAccessibleInterface* iface = event.accessibleInterface();
    if (event.type() == QAccessible::ObjectShow && iface != nullptr &&
        iface->role() == QAccessible::Notification) {
        return iface->text(QAccessible::Name);
    }
    return std::nullopt;
}

class AccessibleTest : public WindowTest {
  protected:
    void SetUp() override {
        ObserveBoardAccessible([this](QAccessibleEvent& event) {
            QAccessibleInterface* iface = event.accessibleInterface();
            heard_.push_back(
                {event.type(), iface != nullptr ? iface->text(QAccessible::Name) : QString()});
            if (const std::optional<QString> sentence = SaidBy(event)) {
                said_.push_back(*sentence);
                hints_ += sentence->contains(QString::fromUtf8(". Με Tab ή τα βέλη")) ? 1 : 0;
            }
        });
        WindowTest::SetUp();
        Hear();
        Listen();
    }
    void TearDown() override {
        WindowTest::TearDown();
        ObserveBoardAccessible({});
    }

    QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(View()); }
    // The board's objects, without the status line that speaks.
    std::vector<QAccessibleInterface*> Children() {
        std::vector<QAccessibleInterface*> children;
        QAccessibleInterface* board = Board();
        for (int i = 0; i < board->childCount(); ++i) {
            if (board->child(i)->role() != QAccessible::StatusBar) {
                children.push_back(board->child(i));
            }
        }
        return children;
    }
    // Waits for the sentences of what just happened, said a moment later.
    void Hear() { QTest::qWait(Announcer::kDelayMs * 2); }
    QAccessibleInterface* Named(const QString& name) {
        for (QAccessibleInterface* child : Children()) {
            if (child->text(QAccessible::Name) == name) {
                return child;
            }
        }
        return nullptr;
    }
    bool HeardThat(QAccessible::Event type, const QString& name) {
        return std::any_of(heard_.begin(), heard_.end(),
                           [&](const Heard& h) { return h.type == type && h.name == name; });
    }
    // From now on: what is heard and said after this.
    void Listen() {
        heard_.clear();
        said_.clear();
    }

    std::vector<Heard> heard_;
    std::vector<QString> said_;
    int hints_ = 0;  // how often the keys were taught, from the start
};

TEST_F(AccessibleTest, TheBoardReadsInReadingOrder) {
    std::vector<std::pair<QAccessible::Role, QString>> expected, read;
    for (int cell = 0; cell < 9; ++cell) {
        const auto k = std::find(kOrder.begin(), kOrder.end(), cell) - kOrder.begin();
        expected.emplace_back(QAccessible::Button, QString::fromUtf8(kTile[k]));
    }
    for (int r = 0; r < 5; ++r) {
        expected.emplace_back(QAccessible::Graphic, QString::fromUtf8(kEquation[r]));
        for (const std::int16_t s : SlotsOfReaction(r)) {
            expected.emplace_back(QAccessible::Button, SlotName(s, "κενή"));
        }
    }
    for (QAccessibleInterface* child : Children()) {
        read.emplace_back(child->role(), child->text(QAccessible::Name));
    }
    EXPECT_EQ(read, expected) << "no badge, method text or box before they show";
}

TEST_F(AccessibleTest, BoxesReadWhoseCoefficientTheyAreBetweenTheSlots) {
    FillReaction(1);
    const QString box = QStringLiteral("Συντελεστής της θέσης %1 της αντίδρασης 2");
    // After the equation, which reads its blanks with what they hold now.
    const std::vector<std::pair<QString, QString>> row = {
        {QString::fromUtf8("Ca C 2 + H 2 O → C H ≡ C H + Ca (O H) 2"), ""},
        {box.arg(1), "Μπροστά από: θέση 1"},
        {SlotName(2, kTile[2]), ""},
        {box.arg(2), "Μπροστά από: H 2 O"},
        {box.arg(3), "Μπροστά από: C H ≡ C H"},
        {box.arg(4), "Μπροστά από: θέση 2"},
        {SlotName(3, kTile[6]), ""},
    };
    const std::vector<QAccessibleInterface*> children = Children();
    const auto at = std::find(children.begin(), children.end(), Named(row[0].first));
    ASSERT_LT(at + static_cast<long>(row.size()), children.end());
    for (std::size_t i = 0; i < row.size(); ++i) {
        QAccessibleInterface* child = *(at + static_cast<long>(i));
        EXPECT_EQ(child->text(QAccessible::Name), row[i].first) << i;
        if (!row[i].second.isEmpty()) {
            EXPECT_EQ(child->role(), QAccessible::EditableText) << i;
            EXPECT_EQ(child->text(QAccessible::Description), row[i].second) << i;
        }
    }
}

// Right and wrong compounds in slots of every kind: what a slot says never
// depends on whether its compound is right.
struct Placed {
    int slot;
    int compound;
    bool right;
};
constexpr Placed kPlaced[] = {
    {0, 5, true},   {0, 7, false},  // a slot with one right compound
    {5, 8, true},   {5, 0, true},   // the paired slots take either of two
    {6, 6, false},  {10, 3, true},  // a wrong one in a paired slot, a right one elsewhere
    {12, 1, false},
};

TEST_F(AccessibleTest, NamesNeverTellWhereACompoundBelongs) {
    const QAccessibleInterface* empty = Named(SlotName(11, "κενή"));
    ASSERT_NE(empty, nullptr);
    for (const Placed& c : kPlaced) {
        DragCompound(c.compound, SlotSpot(c.slot));
        QAccessibleInterface* slot = Named(SlotName(c.slot, kTile[c.compound]));
        ASSERT_NE(slot, nullptr) << c.slot << " " << c.compound;
        EXPECT_EQ(slot->role(), empty->role()) << c.slot << " right " << c.right;
        EXPECT_EQ(slot->state(), empty->state()) << c.slot << " right " << c.right;
        // Its description is its own equation as the equation object reads it.
        const QAccessibleInterface* equation = Named(slot->text(QAccessible::Description));
        ASSERT_NE(equation, nullptr) << c.slot;
        EXPECT_EQ(equation->role(), QAccessible::Graphic);
        EXPECT_EQ(equation->text(QAccessible::Description),
                  QStringLiteral("Αντίδραση %1").arg(ReactionOfSlot(c.slot) + 1));
    }
}

TEST_F(AccessibleTest, ACheckShowsTheGradeAndTheMethodTextThenARestartTakesThemAway) {
    FillReaction(0);
    for (const auto& [j, text] : {std::pair{0, "2"}, {1, "1"}, {2, "3"}}) {
        Type(j, QString::fromLatin1(text));
    }
    Hear();
    Listen();
    ClickMenu("mnuCheck");
    const QString grade = QString::fromStdString(Model().LGrade().Text);
    QAccessibleInterface* badge = Named(grade);
    ASSERT_NE(badge, nullptr) << grade.toStdString();
    EXPECT_EQ(badge->role(), QAccessible::StaticText);
    EXPECT_TRUE(HeardThat(QAccessible::ObjectCreated, grade));
    EXPECT_TRUE(HeardThat(QAccessible::NameChanged, grade)) << "the new grade is announced";
    const QString method = QString::fromStdString(Model().Label1(0).Text);
    ASSERT_NE(Named(method), nullptr);
    EXPECT_EQ(Named(method)->role(), QAccessible::StaticText);
    Hear();
    ASSERT_EQ(said_.size(), 1u);
    EXPECT_TRUE(said_[0].startsWith(QString::fromUtf8("Βαθμός ") + grade)) << said_[0].toStdString();
    EXPECT_TRUE(said_[0].contains(method)) << "the method text that appeared";

    heard_.clear();
    ClickMenu("mnuRestart");
    EXPECT_EQ(Named(grade), nullptr);
    EXPECT_EQ(Named(method), nullptr);
    EXPECT_TRUE(HeardThat(QAccessible::ObjectDestroyed, grade));
    EXPECT_TRUE(HeardThat(QAccessible::NameChanged, SlotName(0, "κενή")));
    Hear();
    ASSERT_EQ(said_.size(), 2u);
    EXPECT_TRUE(said_[1].startsWith(QString::fromUtf8("Απ' την αρχή"))) << said_[1].toStdString();
    // The reshuffled palette: every tile says the compound now in its cell.
    for (int k = 0; k < 9; ++k) {
        const int cell = State().PaletteOrder[static_cast<std::size_t>(k)];
        EXPECT_EQ(Children()[static_cast<std::size_t>(cell)]->text(QAccessible::Name),
                  QString::fromUtf8(kTile[k]));
    }
}

TEST_F(AccessibleTest, TheFocusIsHeardOnTheTileOrSlotThatHasIt) {
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    View()->clearFocus();
    heard_.clear();
    View()->setFocus(Qt::TabFocusReason);
    Settle();
    QAccessibleInterface* focus = Board()->focusChild();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->role(), QAccessible::Button);
    EXPECT_TRUE(focus->state().focused);
    ASSERT_FALSE(heard_.empty());
    EXPECT_EQ(heard_.back().type, QAccessible::Focus) << "the stop, after the board itself";
    EXPECT_EQ(heard_.back().name, focus->text(QAccessible::Name));

    Hear();
    EXPECT_EQ(hints_, 1) << "the keys are taught when the board first has the focus";

    heard_.clear();
    QTest::keyClick(View(), Qt::Key_Right);
    const int next = Board()->indexOfChild(focus) + 1;
    EXPECT_TRUE(HeardThat(QAccessible::Focus, Children()[next]->text(QAccessible::Name)));
    EXPECT_FALSE(focus->state().focused);
    View()->clearFocus();
    View()->setFocus(Qt::TabFocusReason);
    Settle();
    Hear();
    EXPECT_EQ(hints_, 1) << "and only then";
}

// A drop and a removal, here by the objects' actions (which play as the
// keys do), rename the slot and its equation and are said.
TEST_F(AccessibleTest, ItsActionsPlayAsTheKeysDoAndAreHeard) {
    QAccessibleInterface* tile = Children()[static_cast<std::size_t>(kOrder[2])];
    ASSERT_NE(tile->actionInterface(), nullptr);
    EXPECT_TRUE(tile->actionInterface()
                    ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                    .isEmpty())
        << "no key names read out with every stop";
    EXPECT_TRUE(tile->text(QAccessible::Description).isEmpty());
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(View()->Keyboard().Carrying());
    EXPECT_TRUE(tile->state().pressed) << "the carried tile is down";

    QAccessibleInterface* slot = Named(SlotName(2, "κενή"));
    ASSERT_NE(slot, nullptr);
    Hear();
    Listen();
    slot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(tile->state().pressed);
    EXPECT_EQ(slot->text(QAccessible::Name), SlotName(2, "Ca C 2"));
    EXPECT_TRUE(HeardThat(QAccessible::NameChanged, SlotName(2, "Ca C 2")));
    EXPECT_TRUE(
        HeardThat(QAccessible::NameChanged, QString::fromUtf8("Ca C 2 + H 2 O → C H ≡ C H + κενό")))
        << "the equation says its blank";
    EXPECT_EQ(std::count_if(heard_.begin(), heard_.end(),
                            [](const Heard& h) { return h.type == QAccessible::NameChanged; }),
              2)
        << "only the slot and its equation changed";
    Hear();
    EXPECT_EQ(said_, std::vector<QString>{SlotName(2, "Ca C 2")});

    ASSERT_TRUE(slot->actionInterface()->actionNames().contains(QStringLiteral("remove")));
    Listen();
    slot->actionInterface()->doAction(QStringLiteral("remove"));
    EXPECT_TRUE(HeardThat(QAccessible::NameChanged, SlotName(2, "κενή")));
    Hear();
    EXPECT_EQ(said_, std::vector<QString>{SlotName(2, "κενή") +
                                          QString::fromUtf8(". Το Ca C 2 γύρισε στην παλέτα")});
    EXPECT_FALSE(slot->actionInterface()->actionNames().contains(QStringLiteral("remove")))
        << "an empty slot has nothing to take out";
}

}  // namespace
}  // namespace alkynes::testing
