// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Random play through the window's dispatcher: presses, moves, releases and
// double clicks anywhere in and around the window (mostly over controls),
// from the mouse and from devices that place without dragging (a finger,
// click-to-place), hovering moves, the board's keys and the focus moves of
// assistive technology, interrupted drags, typed coefficients, checks and
// restarts (now and then as the menu sends them, after ending the drag).
// Pointer events reach the model the way the board hands them on, through
// the pointer play and past the keyboard play.  After every event the board
// and the window must agree and no tile may be stranded
// (testing/Invariants.h, the invariants the fuzz target of the window model
// checks too).
//
// ALKYNES_RANDOM_EVENTS sets the number of events (default 1000000; the
// target random-10m plays 10000000) and ALKYNES_SEED the seed (default
// below).  A failure names the seed and the
// event, and the same two variables replay it, e.g.
//
//   ALKYNES_SEED=20261209 ALKYNES_RANDOM_EVENTS=5000 ./pointer_tests --gtest_filter='RandomPlay.*'
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Palette.h"
#include "form1/Form1.h"
#include "keyboard/KeyboardPlay.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "pointer/PointerPlay.h"
#include "testing/FormFixture.h"
#include "testing/Invariants.h"
#include "testing/ScriptedRandom.h"

namespace alkynes::testing {
namespace {

constexpr std::uint64_t kDefaultEvents = 1'000'000;
constexpr std::uint64_t kDefaultSeed = 20261209;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0') {
        ADD_FAILURE() << name << " is not a whole number: " << text;
        return fallback;
    }
    return value;
}

enum class Kind : std::uint8_t {
    Press,
    Move,
    Release,
    DblClick,
    Interrupt,
    Type,
    Check,
    Restart,
    Key,
    FocusOn
};

// Space comes twice, so that tiles are often picked up and put down.
constexpr BoardKey kKeys[] = {
    BoardKey::Next, BoardKey::Previous, BoardKey::Left,     BoardKey::Right,  BoardKey::Up,
    BoardKey::Down, BoardKey::Activate, BoardKey::Activate, BoardKey::Cancel, BoardKey::Remove};
constexpr const char* kKeyNames[] = {"Tab",  "Shift+Tab", "Left",  "Right",  "Up",
                                     "Down", "Space",     "Enter", "Escape", "Delete"};

// The name of each kind in a failure's replay, in the order of Kind.
constexpr const char* kKindNames[] = {"press", "move",  "release", "double click", "interrupt drag",
                                      "type",  "check", "restart", "key",          "focus on stop"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(Kind::FocusOn) + 1);

const char* NameOf(Kind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

// How often each kind of event comes: a kind is drawn while a uniform draw
// lies below its bound (the last one takes the rest).
struct Share {
    double below;
    Kind kind;
};
constexpr Share kWhileHeld[] = {{0.40, Kind::Move},      {0.75, Kind::Press},
                                {0.85, Kind::Release},   {0.90, Kind::DblClick},
                                {0.95, Kind::Interrupt}, {1.0, Kind::Type}};
constexpr Share kWhileDragging[] = {{0.55, Kind::Move},      {0.90, Kind::Release},
                                    {0.93, Kind::Press},     {0.95, Kind::DblClick},
                                    {0.97, Kind::Interrupt}, {1.0, Kind::Type}};
constexpr Share kAtRest[] = {{0.42, Kind::Press},      {0.57, Kind::Move},  {0.65, Kind::Release},
                             {0.69, Kind::DblClick},   {0.988, Kind::Type}, {0.994, Kind::Check},
                             {0.999, Kind::Interrupt}, {1.0, Kind::Restart}};

template <std::size_t N>
Kind Pick(double u, const Share (&shares)[N]) {
    for (const Share& share : shares) {
        if (u < share.below) {
            return share.kind;
        }
    }
    return shares[N - 1].kind;
}

// Texts typed into the boxes: right and wrong numbers, blanks, rubbish.
const std::vector<std::string> kTexts{"",    "1", "2",   "3",   "4",     "6",  " 2 ", "0",   "-1",
                                      "2.5", "x", "&H2", "1e5", "40000", "  ", "1 2", "2,5", "abc"};

struct Event {
    Kind kind = Kind::Move;
    Twips x = 0;
    Twips y = 0;
    MouseButton button = MouseButton::Left;
    int box = 0;
    std::size_t text = 0;
    std::size_t key = 0;   // into kKeys; for FocusOn, the stop number
    bool places = false;   // from a finger or the mouse with click-to-place
    bool down = true;      // for a move: a button is down
    bool viaMenu = false;  // a check or restart: ends the drag first, as the menu does
};

std::string Describe(const Event& e) {
    std::ostringstream out;
    out << NameOf(e.kind);
    switch (e.kind) {
        case Kind::Press:
        case Kind::Release:
        case Kind::DblClick:
            out << " button " << static_cast<int>(e.button);
            [[fallthrough]];
        case Kind::Move:
            out << " at (" << e.x << ", " << e.y << ")" << (e.places ? ", placing" : "")
                << (e.kind == Kind::Move && !e.down ? ", no button down" : "");
            break;
        case Kind::Check:
        case Kind::Restart:
            out << (e.viaMenu ? " from the menu" : "");
            break;
        case Kind::Type:
            out << " \"" << kTexts[e.text] << "\" into box " << e.box;
            break;
        case Kind::Key:
            out << " " << kKeyNames[e.key];
            break;
        case Kind::FocusOn:
            out << " " << e.key;
            break;
        default:
            break;
    }
    return out.str();
}

// Chooses the events, mostly aimed at the controls.
class Player {
  public:
    Player(Form1& form, std::uint64_t seed)
        : form_(form), keys_(form.Model()), pointer_(form.Model(), keys_), rng_(seed) {}

    const KeyboardPlay& Keys() const { return keys_; }
    const PointerPlay& Pointer() const { return pointer_; }
    // The last pointer event had a button down.
    bool ButtonDown() const { return down_; }

    Event Next() {
        Event e;
        // A tile carried by the keyboard is mostly played on by keys; the
        // keys come now and then besides the pointer otherwise.
        const double k = Uniform();
        if (k < (keys_.Carrying() ? 0.8 : 0.08)) {
            e.key = static_cast<std::size_t>(Index(static_cast<int>(std::size(kKeys)) + 1));
            e.kind = Kind::Key;
            if (e.key == std::size(kKeys)) {
                e.kind = Kind::FocusOn;
                e.key = static_cast<std::size_t>(Index(kStops));
            }
            return e;
        }
        const double u = Uniform();
        if (pointer_.Holding()) {
            // A held tile waits for the press (and release) that puts it
            // down; meanwhile the pointer hovers.
            e.kind = Pick(u, kWhileHeld);
        } else if (Model().Dragging() && picked_ && Uniform() < 0.6) {
            // A placing press just picked a tile up: mostly a click or tap,
            // released within the drag distance of the press, or just past.
            e.kind = Kind::Release;
        } else if (Model().Dragging()) {
            e.kind = Pick(u, kWhileDragging);
        } else {
            e.kind = Pick(u, kAtRest);
        }
        const double b = Uniform();
        e.button = b < 0.8 ? MouseButton::Left : b < 0.9 ? MouseButton::Right : MouseButton::Middle;
        Spot at = AnySpot(e.kind);
        if (picked_ && e.kind == Kind::Release) {
            at = {pressed_.x + Between(-100, 100), pressed_.y + Between(-60, 60)};
        }
        e.x = at.x;
        e.y = at.y;
        // Placing devices come in turns with the mouse, a gesture at a time;
        // a held tile mostly meets hovering moves, a drag now and then a
        // move that lost its release.
        if (e.kind == Kind::Press || e.kind == Kind::DblClick) {
            placing_ = Uniform() < 0.35;
        }
        e.places = placing_;
        e.down = Uniform() < (pointer_.Holding() ? 0.3 : 0.97) ? down_ : !down_;
        e.viaMenu = Uniform() < 0.5;
        if (e.kind == Kind::Type) {
            ChooseTyping(e);
        }
        return e;
    }

    void Apply(const Event& e) {
        FormModel& model = Model();
        const bool wasDragging = model.Dragging();
        const auto point = [&](PointerEvent event, bool down) {
            down_ = down;
            pointer_.Deliver({event, e.x, e.y, e.button, down, e.places});
        };
        if ((e.kind == Kind::Check || e.kind == Kind::Restart) && e.viaMenu) {
            pointer_.Interrupt();
        }
        switch (e.kind) {
            case Kind::Press:
                point(PointerEvent::Press, true);
                break;
            case Kind::Move:
                point(PointerEvent::Move, e.down);
                break;
            case Kind::Release:
                point(PointerEvent::Release, false);
                break;
            case Kind::DblClick:
                point(PointerEvent::DoubleClick, true);
                break;
            case Kind::Key:
                keys_.Press(kKeys[e.key]);
                break;
            case Kind::FocusOn:
                keys_.FocusOn(StopOfNumber(static_cast<int>(e.key)));
                break;
            case Kind::Interrupt:
                pointer_.Interrupt();
                break;
            case Kind::Type:
                model.tCoefficient(e.box).Text = kTexts[e.text];
                break;
            case Kind::Check:
                form_.mnuCheck_Click();
                break;
            case Kind::Restart:
                form_.mnuRestart_Click();
                break;
        }
        picked_ = e.kind == Kind::Press && e.places && !wasDragging && model.Dragging();
        pressed_ = {e.x, e.y};
    }

  private:
    FormModel& Model() { return form_.Model(); }
    double Uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    int Index(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    Twips Between(Twips low, Twips high) {
        return static_cast<Twips>(low + (high - low) * Uniform());
    }

    // Pointer positions come mostly on the pixel grid, as from the screen,
    // sometimes on half twips and sometimes anywhere.
    Twips Grid(Twips v) {
        const double u = Uniform();
        if (u < 0.5) {
            return std::floor(v / 15) * 15;
        }
        if (u < 0.7) {
            return std::floor(v * 2) / 2;
        }
        return v;
    }

    Spot Inside(const Control& c) {
        return {Grid(Between(c.Left, c.Left + c.Width)), Grid(Between(c.Top, c.Top + c.Height))};
    }

    Spot AnySpot(Kind kind) {
        FormModel& model = Model();
        const Board& board = form_.State();
        const double u = Uniform();
        // Presses go mostly to the palette, double clicks to placed pieces.
        const double palette = kind == Kind::Press ? 0.45 : 0.15;
        const double placed = palette + (kind == Kind::DblClick ? 0.45 : 0.10);
        if (u < palette) {
            const int k = Index(kCompounds);
            const Point cell =
                PaletteCellPosition(model, board.PaletteOrder[static_cast<std::size_t>(k)]);
            const Control& p0 = model.ImgMolecular(0);
            return {Grid(Between(cell.Left, cell.Left + p0.Width)),
                    Grid(Between(cell.Top, cell.Top + p0.Height))};
        }
        if (u < placed) {
            const int s = Index(kSlots);
            const std::int16_t piece = board.Slots[static_cast<std::size_t>(s)].Piece;
            if (piece != kEmpty) {
                return Inside(model.ImgMolecular(piece));
            }
            return Inside(model.ImgSyntactic(ReactionOfSlot(s)));
        }
        // During a drag the pointer heads for the reactions more often.
        const double pictures = Model().Dragging() ? 0.35 : 0.22;
        if (u < placed + pictures) {
            const Control& picture = model.ImgSyntactic(Index(design::kReactions));
            Spot at = Inside(picture);
            if (Uniform() < 0.2) {
                // The boundaries between slots, exactly and half a twip off.
                const Twips X[] = {picture.Width / 2, picture.Width / 2 - 0.5f,
                                   11880 - picture.Left, 11880 - picture.Left + 0.5f};
                at.x = picture.Left + X[Index(4)];
            }
            return at;
        }
        if (u < placed + pictures + 0.10) {
            return Inside(model.tCoefficient(Index(design::kBoxes)));
        }
        if (u < placed + pictures + 0.15) {
            const double v = Uniform();
            if (v < 0.3) {
                return {Grid(Between(0, 11880)), 5460};  // the line
            }
            if (v < 0.6) {
                return Inside(model.Label1(Index(design::kMethodLabels)));
            }
            return Inside(model.Container(Index(design::kFrames)));
        }
        if (u < placed + pictures + 0.25) {
            return NearEdge();
        }
        if (u < placed + pictures + 0.38) {
            return {Grid(Between(0, design::kScaleWidth)), Grid(Between(0, design::kScaleHeight))};
        }
        return {Grid(Between(-800, design::kScaleWidth + 800)),
                Grid(Between(-800, design::kScaleHeight + 800))};
    }

    // Within a few hundred twips of an edge, on either side of the margin
    // and sometimes exactly on it or just outside the window.
    Spot NearEdge() {
        const Twips W = design::kScaleWidth;
        const Twips H = design::kScaleHeight;
        const double u = Uniform();
        Twips depth = Grid(Between(-200, 400));
        if (u < 0.25) {
            depth = Index(2) == 0 ? 180 : 179.5f;
        }
        switch (Index(4)) {
            case 0:
                return {depth, Grid(Between(0, H))};
            case 1:
                return {W - depth, Grid(Between(0, H))};
            case 2:
                return {Grid(Between(0, W)), depth};
            default:
                return {Grid(Between(0, W)), H - depth};
        }
    }

    // Into a shown box; hidden boxes take no typing.
    void ChooseTyping(Event& e) {
        std::vector<int> shown;
        for (int j = 0; j < design::kBoxes; ++j) {
            if (Model().tCoefficient(j).Visible) {
                shown.push_back(j);
            }
        }
        if (shown.empty()) {
            e.kind = Kind::Move;  // nothing to type into: the hand moves instead
            return;
        }
        e.box = shown[static_cast<std::size_t>(Index(static_cast<int>(shown.size())))];
        e.text = static_cast<std::size_t>(Index(static_cast<int>(kTexts.size())));
    }

    Form1& form_;
    KeyboardPlay keys_;
    PointerPlay pointer_;
    std::mt19937_64 rng_;
    bool placing_ = false;
    bool down_ = false;
    bool picked_ = false;  // the last event was a placing press that started a drag
    Spot pressed_{};
};

// What the random play reached, so that a run that never fills a reaction
// or never removes a piece does not pass unnoticed.
struct Reached {
    std::uint64_t placements = 0;    // a slot got a new piece
    std::uint64_t removals = 0;      // a double click emptied a slot
    std::uint64_t boxesShown = 0;    // a reaction's boxes appeared
    std::uint64_t edgeReturns = 0;   // a move ended the drag
    std::uint64_t windowDrops = 0;   // a release or interruption put the piece back
    std::uint64_t outsideDrops = 0;  // a release outside the window during a drag
    std::uint64_t checks = 0;
    std::uint64_t fullBoard = 0;       // events after which every slot was filled
    std::uint64_t keyPlacements = 0;   // a key put a piece into a slot
    std::uint64_t keyRemovals = 0;     // a key emptied a slot
    std::uint64_t holds = 0;           // a click or tap took a tile into hold
    std::uint64_t heldPlacements = 0;  // the release that ended a hold filled a slot
};

TEST(RandomPlay, BoardAndWindowAgreeAfterEveryEvent) {
    const std::uint64_t events = FromEnvironment("ALKYNES_RANDOM_EVENTS", kDefaultEvents);
    const std::uint64_t seed = FromEnvironment("ALKYNES_SEED", kDefaultSeed);
    std::cout << "random play: " << events << " events, seed " << seed << std::endl;

    Form1 form(
        std::make_unique<ScriptedRandom>(ScriptedRandom::ForOrder({4, 7, 0, 2, 8, 5, 1, 6, 3})));
    form.Form_Load();
    const std::optional<std::string> afterLoad = BoardViolation(form);
    ASSERT_FALSE(afterLoad.has_value()) << "after load: " << afterLoad.value_or("");

    Player player(form, seed);
    Reached reached;
    constexpr std::size_t kHistory = 12;
    std::array<Event, kHistory> history{};

    for (std::uint64_t n = 0; n < events; ++n) {
        const Event e = player.Next();
        history[n % kHistory] = e;

        const bool wasDragging = form.Model().Dragging();
        const bool wasHeld = player.Pointer().Holding();
        std::array<std::int16_t, kSlots> before{};
        std::array<bool, design::kReactions> filledBefore{};
        for (int s = 0; s < kSlots; ++s) {
            before[static_cast<std::size_t>(s)] =
                form.State().Slots[static_cast<std::size_t>(s)].Piece;
        }
        for (int r = 0; r < design::kReactions; ++r) {
            filledBefore[static_cast<std::size_t>(r)] = ReactionFilled(form.State(), r);
        }

        player.Apply(e);

        std::optional<std::string> violation = BoardViolation(form);
        if (!violation) {
            violation = DragOwnerViolation(form.Model(), player.ButtonDown(),
                                           player.Keys().Carrying(), player.Pointer().Holding());
        }
        if (violation) {
            std::ostringstream recent;
            const std::uint64_t first = n + 1 >= kHistory ? n + 1 - kHistory : 0;
            for (std::uint64_t i = first; i <= n; ++i) {
                recent << "\n  event " << i << ": " << Describe(history[i % kHistory]);
            }
            FAIL() << "seed " << seed << ", event " << n << " (" << Describe(e)
                   << "): " << *violation << "\nreplay with ALKYNES_SEED=" << seed
                   << " ALKYNES_RANDOM_EVENTS=" << n + 1 << "\nthe last events:" << recent.str();
        }

        const Board& board = form.State();
        bool full = true;
        for (int s = 0; s < kSlots; ++s) {
            const std::int16_t now = board.Slots[static_cast<std::size_t>(s)].Piece;
            const bool byKey = e.kind == Kind::Key;
            if (now != kEmpty && now != before[static_cast<std::size_t>(s)]) {
                ++reached.placements;
                reached.keyPlacements += byKey ? 1 : 0;
                reached.heldPlacements += wasHeld ? 1 : 0;
            }
            if ((e.kind == Kind::DblClick || byKey) && now == kEmpty &&
                before[static_cast<std::size_t>(s)] != kEmpty) {
                ++(byKey ? reached.keyRemovals : reached.removals);
            }
            full = full && now != kEmpty;
        }
        reached.fullBoard += full ? 1 : 0;
        for (int r = 0; r < design::kReactions; ++r) {
            if (!filledBefore[static_cast<std::size_t>(r)] && ReactionFilled(board, r)) {
                ++reached.boxesShown;
            }
        }
        if (wasDragging && !form.Model().Dragging()) {
            const bool inPalette =
                form.Model().ImgMolecular(board.DragIndex).Top <= form.Model().Container(0).Top;
            if (e.kind == Kind::Move) {
                ++reached.edgeReturns;
            } else if (inPalette) {
                ++reached.windowDrops;
            }
            const bool outside =
                e.x < 0 || e.y < 0 || e.x >= design::kScaleWidth || e.y >= design::kScaleHeight;
            if (e.kind == Kind::Release && outside) {
                ++reached.outsideDrops;
            }
        }
        reached.checks += e.kind == Kind::Check ? 1 : 0;
        reached.holds += !wasHeld && player.Pointer().Holding() ? 1 : 0;
    }

    std::cout << "reached: " << reached.placements << " placements, " << reached.removals
              << " removals, " << reached.boxesShown << " reactions completed, "
              << reached.edgeReturns << " returns at the edge, " << reached.windowDrops
              << " drops back to the palette, " << reached.outsideDrops
              << " releases outside the window, " << reached.checks << " checks, "
              << reached.fullBoard << " events with a full board, " << reached.keyPlacements
              << " placements and " << reached.keyRemovals << " removals by key, " << reached.holds
              << " tiles held, " << reached.heldPlacements << " placements by a click or tap"
              << std::endl;

    // A long run must have met every kind of situation.
    if (events >= 100'000) {
        const std::uint64_t scale = events / 100'000;
        EXPECT_GE(reached.placements, 1000 * scale);
        EXPECT_GE(reached.removals, 100 * scale);
        EXPECT_GE(reached.boxesShown, 100 * scale);
        EXPECT_GE(reached.edgeReturns, 100 * scale);
        EXPECT_GE(reached.windowDrops, 100 * scale);
        EXPECT_GE(reached.outsideDrops, 10 * scale);
        EXPECT_GE(reached.fullBoard, 10 * scale);
        EXPECT_GE(reached.keyPlacements, 50 * scale);
        EXPECT_GE(reached.keyRemovals, 50 * scale);
        EXPECT_GE(reached.holds, 100 * scale);
        EXPECT_GE(reached.heldPlacements, 50 * scale);
    }
}

}  // namespace
}  // namespace alkynes::testing
