// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Random play through the window's dispatcher, as the board hands events on
// (through the pointer play, past the keyboard play): presses, moves,
// releases and double clicks in and around the window, mostly over controls,
// from the mouse and from devices that place without dragging; hovering
// moves, the board's keys and assistive technology's focus moves,
// interrupted drags, typing, checks and restarts (now and then as the menu
// sends them, after ending the drag).  After every event the board and the
// window agree and no tile is stranded (testing/Invariants.h).
//
// ALKYNES_RANDOM_EVENTS sets the number of events (default 1000000; the
// target random-10m plays 10000000), ALKYNES_SEED the seed (default
// 20261209).  A failure names both, which replay it:
//   ALKYNES_SEED=20261209 ALKYNES_RANDOM_EVENTS=5000 ./pointer_tests --gtest_filter='RandomPlay.*'
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
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

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const std::string_view text = std::getenv(name) != nullptr ? std::getenv(name) : "";
    std::uint64_t value = fallback;
    const char* end = std::from_chars(text.data(), text.data() + text.size(), value).ptr;
    EXPECT_EQ(end, text.data() + text.size()) << name << " is not a whole number: " << text;
    return value;
}

// The first four kinds are the pointer's events, in the order of kPointerEvents.
enum class Kind { Press, Move, Release, DblClick, Interrupt, Type, Check, Restart, Key, FocusOn };
constexpr PointerEvent kPointerEvents[] = {PointerEvent::Press, PointerEvent::Move,
                                           PointerEvent::Release, PointerEvent::DoubleClick};
// The name of each kind in a failure's replay.
constexpr const char* kKindNames[] = {"press", "move",  "release", "double click", "interrupt drag",
                                      "type",  "check", "restart", "key",          "focus on stop"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(Kind::FocusOn) + 1);

// Space comes twice, so that tiles are often picked up and put down.
constexpr BoardKey kKeys[] = {
    BoardKey::Next, BoardKey::Previous, BoardKey::Left,     BoardKey::Right,  BoardKey::Up,
    BoardKey::Down, BoardKey::Activate, BoardKey::Activate, BoardKey::Cancel, BoardKey::Remove};
constexpr const char* kKeyNames[] = {"Tab",  "Shift+Tab", "Left",  "Right",  "Up",
                                     "Down", "Space",     "Enter", "Escape", "Delete"};

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
    out << kKindNames[static_cast<std::size_t>(e.kind)];
    if (e.kind <= Kind::DblClick) {
        out << (e.kind == Kind::Move ? "" : " button " + std::to_string(static_cast<int>(e.button)))
            << " at (" << e.x << ", " << e.y << ")" << (e.places ? ", placing" : "")
            << (e.kind == Kind::Move && !e.down ? ", no button down" : "");
    } else if (e.kind == Kind::Type) {
        out << " \"" << kTexts[e.text] << "\" into box " << e.box;
    } else if (e.kind == Kind::Key || e.kind == Kind::FocusOn) {
        out << " " << (e.kind == Kind::Key ? kKeyNames[e.key] : std::to_string(e.key));
    }
    const bool command = e.kind == Kind::Check || e.kind == Kind::Restart;
    out << (command && e.viaMenu ? " from the menu" : "");
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
        if (Uniform() < (keys_.Carrying() ? 0.8 : 0.08)) {
            e.key = Index(std::size(kKeys) + 1);
            e.kind = Kind::Key;
            if (e.key == std::size(kKeys)) {
                e.kind = Kind::FocusOn;
                e.key = Index(kStops);
            }
            return e;
        }
        if (pointer_.Holding()) {
            // A held tile waits for the press (and release) that puts it
            // down; meanwhile the pointer hovers.
            e.kind = static_cast<Kind>(whileHeld_(rng_));
        } else if (Model().Dragging() && picked_ && Uniform() < 0.6) {
            // A placing press just picked a tile up: mostly a click or tap,
            // released within the drag distance of the press, or just past.
            e.kind = Kind::Release;
        } else {
            e.kind = static_cast<Kind>(Model().Dragging() ? whileDragging_(rng_) : atRest_(rng_));
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
        const bool command = e.kind == Kind::Check || e.kind == Kind::Restart;
        if (e.kind == Kind::Interrupt || (command && e.viaMenu)) {
            pointer_.Interrupt();
        }
        if (e.kind <= Kind::DblClick) {
            down_ = e.kind == Kind::Move ? e.down : e.kind != Kind::Release;
            pointer_.Deliver({kPointerEvents[static_cast<std::size_t>(e.kind)], e.x, e.y, e.button,
                              down_, e.places});
        } else if (e.kind == Kind::Key) {
            keys_.Press(kKeys[e.key]);
        } else if (e.kind == Kind::FocusOn) {
            keys_.FocusOn(StopOfNumber(static_cast<int>(e.key)));
        } else if (e.kind == Kind::Type) {
            model.tCoefficient(e.box).Text = kTexts[e.text];
        } else if (e.kind == Kind::Check) {
            form_.mnuCheck_Click();
        } else if (e.kind == Kind::Restart) {
            form_.mnuRestart_Click();
        }
        picked_ = e.kind == Kind::Press && e.places && !wasDragging && model.Dragging();
        pressed_ = {e.x, e.y};
    }

  private:
    FormModel& Model() { return form_.Model(); }
    double Uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    std::size_t Index(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    Twips Between(Twips low, Twips high) {
        return static_cast<Twips>(low + (high - low) * Uniform());
    }

    // Pointer positions come mostly on the pixel grid, as from the screen,
    // sometimes on half twips and sometimes anywhere.
    Twips Grid(Twips v) {
        const double u = Uniform();
        return u < 0.5 ? std::floor(v / 15) * 15 : u < 0.7 ? std::floor(v * 2) / 2 : v;
    }

    Spot Inside(Twips left, Twips top, Twips width, Twips height) {
        return {Grid(Between(left, left + width)), Grid(Between(top, top + height))};
    }
    Spot Inside(const Control& c) { return Inside(c.Left, c.Top, c.Width, c.Height); }

    Spot AnySpot(Kind kind) {
        FormModel& model = Model();
        const Board& board = form_.State();
        const double u = Uniform();
        // Presses go mostly to the palette, double clicks to placed pieces.
        const double palette = kind == Kind::Press ? 0.45 : 0.15;
        const double placed = palette + (kind == Kind::DblClick ? 0.45 : 0.10);
        if (u < palette) {
            const Point cell = PaletteCellPosition(model, board.PaletteOrder[Index(kCompounds)]);
            const Control& p0 = model.ImgMolecular(0);
            return Inside(cell.Left, cell.Top, p0.Width, p0.Height);
        }
        if (u < placed) {
            const std::size_t s = Index(kSlots);
            const std::int16_t piece = board.Slots[s].Piece;
            return Inside(piece != kEmpty
                              ? model.ImgMolecular(piece)
                              : model.ImgSyntactic(ReactionOfSlot(static_cast<int>(s))));
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
                return Inside(0, 5460, 11880, 0);  // the line
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
            return Inside(0, 0, design::kScaleWidth, design::kScaleHeight);
        }
        return Inside(-800, -800, design::kScaleWidth + 1600, design::kScaleHeight + 1600);
    }

    // Within a few hundred twips of an edge, on either side of the margin
    // and sometimes exactly on it or just outside the window.
    Spot NearEdge() {
        const Twips W = design::kScaleWidth;
        const Twips H = design::kScaleHeight;
        Twips depth = Grid(Between(-200, 400));
        if (Uniform() < 0.25) {
            depth = Index(2) == 0 ? 180 : 179.5f;
        }
        const Spot at = Inside(0, 0, W, H);
        const Spot spots[] = {{depth, at.y}, {W - depth, at.y}, {at.x, depth}, {at.x, H - depth}};
        return spots[Index(4)];
    }

    // Into a shown box; a hidden box takes no typing: the hand moves instead.
    void ChooseTyping(Event& e) {
        e.box = static_cast<int>(Index(design::kBoxes));
        e.text = Index(kTexts.size());
        if (!Model().tCoefficient(e.box).Visible) {
            e.kind = Kind::Move;
        }
    }

    Form1& form_;
    KeyboardPlay keys_;
    PointerPlay pointer_;
    std::mt19937_64 rng_;
    // How often each kind of event comes, in the order of Kind.
    std::discrete_distribution<int> whileHeld_{35, 40, 10, 5, 5, 5};
    std::discrete_distribution<int> whileDragging_{3, 55, 35, 2, 2, 3};
    std::discrete_distribution<int> atRest_{420, 150, 80, 40, 5, 298, 6, 1};
    bool placing_ = false;
    bool down_ = false;
    bool picked_ = false;  // the last event was a placing press that started a drag
    Spot pressed_{};
};

// What a run must have met per 100000 events, so that one that never fills
// a reaction or never removes a piece does not pass unnoticed.
// clang-format off
const std::pair<const char*, std::uint64_t> kMinimum[] = {
    {"placements", 1000}, {"removals by double click", 100}, {"reactions completed", 100},
    {"returns at the edge", 100}, {"drops back to the palette", 100},
    {"releases outside the window", 10}, {"checks", 100}, {"events with a full board", 10},
    {"placements by key", 50}, {"removals by key", 50}, {"tiles held", 100},
    {"placements by a click or tap", 50}};
// clang-format on

TEST(RandomPlay, BoardAndWindowAgreeAfterEveryEvent) {
    const std::uint64_t events = FromEnvironment("ALKYNES_RANDOM_EVENTS", 1'000'000);
    const std::uint64_t seed = FromEnvironment("ALKYNES_SEED", 20261209);
    std::cout << "random play: " << events << " events, seed " << seed << std::endl;

    Form1 form(
        std::make_unique<ScriptedRandom>(ScriptedRandom::ForOrder({4, 7, 0, 2, 8, 5, 1, 6, 3})));
    form.Form_Load();
    const std::optional<std::string> afterLoad = BoardViolation(form);
    ASSERT_FALSE(afterLoad.has_value()) << "after load: " << afterLoad.value_or("");

    Player player(form, seed);
    std::map<std::string_view, std::uint64_t> reached;
    std::array<Event, 12> history{};
    for (std::uint64_t n = 0; n < events; ++n) {
        const Event e = player.Next();
        history[n % history.size()] = e;
        const Board before = form.State();
        const bool wasDragging = form.Model().Dragging();
        const bool wasHeld = player.Pointer().Holding();

        player.Apply(e);

        std::optional<std::string> violation = BoardViolation(form);
        if (!violation) {
            violation = DragOwnerViolation(form.Model(), player.ButtonDown(),
                                           player.Keys().Carrying(), player.Pointer().Holding());
        }
        if (violation) {
            std::ostringstream recent;
            for (std::uint64_t i = n - std::min<std::uint64_t>(n, history.size() - 1); i <= n;
                 ++i) {
                recent << "\n  event " << i << ": " << Describe(history[i % history.size()]);
            }
            FAIL() << "seed " << seed << ", event " << n << " (" << Describe(e)
                   << "): " << *violation << "\nreplay with ALKYNES_SEED=" << seed
                   << " ALKYNES_RANDOM_EVENTS=" << n + 1 << "\nthe last events:" << recent.str();
        }

        const Board& board = form.State();
        const bool byKey = e.kind == Kind::Key;
        bool full = true;
        for (std::size_t s = 0; s < board.Slots.size(); ++s) {
            const std::int16_t was = before.Slots[s].Piece;
            const std::int16_t now = board.Slots[s].Piece;
            if (now != kEmpty && now != was) {
                ++reached["placements"];
                reached["placements by key"] += byKey ? 1 : 0;
                reached["placements by a click or tap"] += wasHeld ? 1 : 0;
            }
            if ((e.kind == Kind::DblClick || byKey) && now == kEmpty && was != kEmpty) {
                ++reached[byKey ? "removals by key" : "removals by double click"];
            }
            full = full && now != kEmpty;
        }
        reached["events with a full board"] += full ? 1 : 0;
        for (int r = 0; r < design::kReactions; ++r) {
            if (!ReactionFilled(before, r) && ReactionFilled(board, r)) {
                ++reached["reactions completed"];
            }
        }
        if (wasDragging && !form.Model().Dragging()) {
            const FormModel& model = form.Model();
            if (e.kind == Kind::Move) {
                ++reached["returns at the edge"];
            } else if (model.ImgMolecular(board.DragIndex).Top <= model.Container(0).Top) {
                ++reached["drops back to the palette"];
            }
            const bool outside =
                e.x < 0 || e.y < 0 || e.x >= design::kScaleWidth || e.y >= design::kScaleHeight;
            reached["releases outside the window"] += e.kind == Kind::Release && outside ? 1 : 0;
        }
        reached["checks"] += e.kind == Kind::Check ? 1 : 0;
        reached["tiles held"] += !wasHeld && player.Pointer().Holding() ? 1 : 0;
    }

    // A long run must have met every kind of situation.
    std::cout << "reached:";
    for (const auto& [what, minimum] : kMinimum) {
        std::cout << " " << reached[what] << " " << what << ",";
        EXPECT_GE(reached[what], minimum * (events / 100'000)) << what;
    }
    std::cout << std::endl;
}

}  // namespace
}  // namespace alkynes::testing
