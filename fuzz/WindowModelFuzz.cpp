// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target over the whole window model: the input is a script of
// window events (presses, moves, releases, double clicks, interrupted drags,
// typed coefficients, menu commands, restarts, the board's keys, and the
// presses and releases of devices that place without dragging, hovering
// moves and menu commands that end the drag first, as the menu does) played
// through Form1 and its model's dispatcher, the way the Qt layer delivers
// them: pointer events through the pointer play and past the keyboard play,
// keys through the keyboard play.  After every event the board invariants
// of testing/Invariants.h must hold, and no tile may be stranded; a
// violation prints the events played so far and aborts.
//
// The script is read front to back, one event after another: a byte chooses
// the row of kEvents, and the row reads its own operands.  Past the end every
// read gives zero, so every byte string is a script.  A new kind of event is
// one more row.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Palette.h"
#include "core/Random.h"
#include "drag/Placement.h"
#include "form1/Form1.h"
#include "keyboard/KeyboardPlay.h"
#include "model/Design.h"
#include "model/FormModel.h"
#include "model/Menu.h"
#include "testing/Aims.h"
#include "pointer/PointerPlay.h"
#include "testing/Invariants.h"

namespace alkynes::fuzz {
namespace {

class Script {
  public:
    explicit Script(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Done() const { return next_ >= bytes_.size(); }
    std::uint8_t Byte() { return Done() ? 0 : bytes_[next_++]; }
    std::int16_t Signed16() {
        const std::uint16_t low = Byte();
        return static_cast<std::int16_t>(low | static_cast<std::uint16_t>(Byte() << 8));
    }
    // A byte as a fraction of [0, 1).
    double Fraction() { return Byte() / 256.0; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

// The shuffle's draws.  A restart event queues the draws it read from the
// script; once they are used up (and at load) the draws walk through the
// cells 0, 1, 2, ... so that the shuffle always ends.
class ScriptedShuffle final : public RandomSource {
  public:
    void Queue(std::vector<double> draws) {
        draws_ = std::move(draws);
        next_ = 0;
    }
    void SeedFromClock() override {}
    double Next() override {
        if (next_ < draws_.size()) {
            return draws_[next_++];
        }
        return (static_cast<double>(walk_++ % kCompounds) + 0.5) / kCompounds;
    }

  private:
    std::vector<double> draws_;
    std::size_t next_ = 0;
    std::uint64_t walk_ = 0;
};

// Texts that the coefficient rules tell apart: the right coefficients, other
// numbers, the literal forms, blanks and rubbish.
const std::vector<std::string> kTexts{
    "",    "1",   "2",   "3",   "4",  "6",   " 2 ", "0",     "-1",    "2.5", "x",
    "&",   "&H",  "&H2", "&O2", "&h", "1e5", "1E",  "40000", "32768", "  ",  "1 2",
    "2,5", "abc", "+2",  "2.",  ".5", "1D0", "\t1", "2\n",   "٢",     "٠٢",
};

struct Spot {
    Twips x;
    Twips y;
};

// One game in progress: the window, its shuffle, and the trace of the
// events when a failing script is played again for the report.
class Game {
  public:
    explicit Game(bool tracing) : tracing_(tracing) {
        auto shuffle = std::make_unique<ScriptedShuffle>();
        shuffle_ = shuffle.get();
        form_ = std::make_unique<Form1>(std::move(shuffle));
        form_->Form_Load();
        keys_ = std::make_unique<KeyboardPlay>(form_->Model());
        pointer_ = std::make_unique<PointerPlay>(form_->Model(), *keys_);
    }

    Form1& form() { return *form_; }
    KeyboardPlay& keys() { return *keys_; }
    PointerPlay& pointer() { return *pointer_; }
    bool buttonDown() const { return down_; }

    // A pointer event as the board hands it on; `places` for a finger or
    // the mouse with click-to-place.
    void Point(PointerEvent event, Spot at, MouseButton button, bool down, bool places) {
        down_ = down;
        pointer_->Deliver({event, at.x, at.y, button, down, places});
    }
    FormModel& model() { return form_->Model(); }
    const Board& board() const { return form_->State(); }
    ScriptedShuffle& shuffle() { return *shuffle_; }

    void Trace(const std::string& text) {
        if (tracing_) {
            trace_ += text;
        }
    }
    const std::string& trace() const { return trace_; }

    Spot ReadSpot(Script& in);
    MouseButton ReadButton(Script& in) {
        constexpr MouseButton kButtons[] = {MouseButton::Left, MouseButton::Right,
                                            MouseButton::Middle};
        const MouseButton b = kButtons[in.Byte() % 3];
        Trace(" button " + std::to_string(static_cast<int>(b)));
        return b;
    }

  private:
    bool tracing_;
    std::string trace_;
    ScriptedShuffle* shuffle_ = nullptr;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<KeyboardPlay> keys_;
    std::unique_ptr<PointerPlay> pointer_;
    bool down_ = false;  // the last pointer event had a button down
};

// --- Where the pointer is ------------------------------------------------------

// A coordinate between `low` and `high` from one byte, reaching a little
// beyond both ends (bytes below 16 and above 239).
Twips Across(Script& in, Twips low, Twips high) {
    return static_cast<Twips>(low + (high - low) * ((in.Byte() - 16) / 224.0));
}

// Aims at any control of the window, hidden ones included.
Spot AimAtControl(Game& g, Script& in) {
    struct Array {
        ControlName name;
        int count;
    };
    constexpr Array kArrays[] = {
        {ControlName::ImgMolecular, design::kPieces},
        {ControlName::ImgSyntactic, design::kReactions},
        {ControlName::tCoefficient, design::kBoxes},
        {ControlName::Container, design::kFrames},
        {ControlName::Label1, design::kMethodLabels},
        {ControlName::LGrade, 1},
        {ControlName::DropIcon, 1},
        {ControlName::Line1, 1},
    };
    const Array& a = kArrays[in.Byte() % std::size(kArrays)];
    const int index = in.Byte() % a.count;
    const Control& c = g.model().Get({a.name, static_cast<std::int16_t>(index)});
    const Twips x = Across(in, c.Left, c.Left + c.Width);
    return {x, Across(in, c.Top, c.Top + c.Height)};
}

// Aims at the palette cell of a compound, where a press takes up its
// topmost resting piece.
Spot AimAtPalette(Game& g, Script& in) {
    const int k = in.Byte() % kCompounds;
    const Point cell = PaletteCellPosition(g.model(), g.board().PaletteOrder[k]);
    const Control& p0 = g.model().ImgMolecular(0);
    const Twips x = static_cast<Twips>(cell.Left + p0.Width * in.Fraction());
    return {x, static_cast<Twips>(cell.Top + p0.Height * in.Fraction())};
}

// Aims at the part of a reaction picture whose drops fill slot s.
Spot AimAtSlot(Game& g, Script& in) {
    const int s = in.Byte() % kSlots;
    const Control& picture = g.model().ImgSyntactic(ReactionOfSlot(s));
    const testing::Band band = testing::SlotBand(g.model(), s);
    const Twips x = static_cast<Twips>(picture.Left + band.low +
                                       (band.high - band.low) * in.Fraction());
    return {x, static_cast<Twips>(picture.Top + picture.Height * in.Fraction())};
}

// Within about 2000 twips of an edge, either side of it, to a sixteenth
// of a twip.
Spot AimNearEdge(Game&, Script& in) {
    const int side = in.Byte() % 4;
    const Twips depth = static_cast<Twips>(in.Signed16() / 16.0);
    const Twips W = design::kScaleWidth;
    const Twips H = design::kScaleHeight;
    const double along = in.Fraction();
    switch (side) {
        case 0:
            return {depth, static_cast<Twips>(H * along)};
        case 1:
            return {W - depth, static_cast<Twips>(H * along)};
        case 2:
            return {static_cast<Twips>(W * along), depth};
        default:
            return {static_cast<Twips>(W * along), H - depth};
    }
}

// Anywhere from -16384 to 16383.5 twips on both axes, in half twips.
Spot AimAnywhere(Game&, Script& in) {
    const Twips x = static_cast<Twips>(in.Signed16() / 2.0);
    return {x, static_cast<Twips>(in.Signed16() / 2.0)};
}

constexpr Spot (*kAims[])(Game&, Script&) = {AimAtControl, AimAtPalette, AimAtSlot, AimNearEdge,
                                             AimAnywhere};

// A spot: one byte chooses the aim (low bits) and the rounding (high
// bits): to the pixel grid as from the screen, to half twips, or none.
Spot Game::ReadSpot(Script& in) {
    const std::uint8_t mode = in.Byte();
    Spot at = kAims[mode % std::size(kAims)](*this, in);
    switch (mode >> 6) {
        case 0:
        case 1:
            at = {std::floor(at.x / design::kTwipsPerPixel) * design::kTwipsPerPixel,
                  std::floor(at.y / design::kTwipsPerPixel) * design::kTwipsPerPixel};
            break;
        case 2:
            at = {std::floor(at.x * 2) / 2, std::floor(at.y * 2) / 2};
            break;
        default:
            break;
    }
    Trace(" at (" + std::to_string(at.x) + ", " + std::to_string(at.y) + ")");
    return at;
}

// --- What is typed ---------------------------------------------------------------

// A text from one byte: below 64 one of kTexts, up to 254 that many less 64
// bytes of the script as they are, 255 a long text: a count (two bytes) of
// repeats of a pattern of 1 to 8 script bytes.
std::string ReadText(Script& in) {
    const std::uint8_t form = in.Byte();
    if (form < 64) {
        return kTexts[form % kTexts.size()];
    }
    std::string text;
    if (form < 255) {
        for (int n = form - 64; n > 0 && !in.Done(); --n) {
            text.push_back(static_cast<char>(in.Byte()));
        }
        return text;
    }
    const auto repeats = static_cast<std::uint16_t>(in.Signed16());
    std::string pattern;
    for (int n = in.Byte() % 8 + 1; n > 0; --n) {
        pattern.push_back(static_cast<char>(in.Byte()));
    }
    text.reserve(repeats * pattern.size());
    for (int n = 0; n < repeats; ++n) {
        text += pattern;
    }
    return text;
}

// Types a text into one of the shown boxes, the way the toolkit's line
// edits hand their text to the model; hidden boxes take no typing.
void TypeIntoBox(Game& g, Script& in) {
    std::vector<int> shown;
    for (int j = 0; j < design::kBoxes; ++j) {
        if (g.model().tCoefficient(j).Visible) {
            shown.push_back(j);
        }
    }
    const std::uint8_t choice = in.Byte();
    std::string text = ReadText(in);
    if (shown.empty()) {
        g.Trace(" (no box is shown)");
        return;
    }
    const int j = shown[choice % shown.size()];
    g.Trace(" box " + std::to_string(j) + ", " + std::to_string(text.size()) + " bytes \"" +
            text.substr(0, 40) + (text.size() > 40 ? "...\"" : "\""));
    g.model().tCoefficient(j).Text = std::move(text);
}

// --- The events ------------------------------------------------------------------

struct EventKind {
    const char* name;
    void (*play)(Game&, Script&);
};

constexpr EventKind kEvents[] = {
    {"press",
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::Press, at, g.ReadButton(in), true, false);
     }},
    {"move",  // with the button down
     [](Game& g, Script& in) { g.Point(PointerEvent::Move, g.ReadSpot(in), {}, true, false); }},
    {"release",
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::Release, at, g.ReadButton(in), false, false);
     }},
    {"double click",  // the second press of a double click
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::DoubleClick, at, g.ReadButton(in), true, false);
     }},
    {"drag interrupted", [](Game& g, Script&) { g.pointer().Interrupt(); }},
    {"type", TypeIntoBox},
    {"menu",  // any item of the menu bar, as the toolkit's menu raises it
     [](Game& g, Script& in) {
         const design::MenuDesign& item = design::kMenu[in.Byte() % design::kMenu.size()];
         g.Trace(std::string(" ") + item.name);
         if (item.click != nullptr) {
             MenuEvents& menu = g.form();
             (menu.*item.click)();
         }
     }},
    {"restart with a shuffle",  // nine draws of the shuffle, then the restart
     [](Game& g, Script& in) {
         std::vector<double> draws;
         for (int k = 0; k < kCompounds; ++k) {
             draws.push_back(in.Fraction());
         }
         g.shuffle().Queue(std::move(draws));
         g.form().mnuRestart_Click();
     }},
    {"key",  // one of the board's keys, in the order of BoardKey
     [](Game& g, Script& in) {
         const auto key =
             static_cast<BoardKey>(in.Byte() % (static_cast<int>(BoardKey::Remove) + 1));
         g.Trace(" " + std::to_string(static_cast<int>(key)));
         g.keys().Press(key);
     }},
    {"focus on stop",  // assistive technology moves the focus
     [](Game& g, Script& in) {
         const int n = in.Byte() % kStops;
         g.Trace(" " + std::to_string(n));
         g.keys().FocusOn(StopOfNumber(n));
     }},
    {"activate stop",  // assistive technology's default action on a stop
     [](Game& g, Script& in) {
         const int n = in.Byte() % kStops;
         g.Trace(" " + std::to_string(n));
         g.keys().Activate(StopOfNumber(n));
     }},
    {"placing press",  // a finger, or the mouse with click-to-place
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::Press, at, g.ReadButton(in), true, true);
     }},
    {"placing release",
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::Release, at, g.ReadButton(in), false, true);
     }},
    {"placing double click",
     [](Game& g, Script& in) {
         const Spot at = g.ReadSpot(in);
         g.Point(PointerEvent::DoubleClick, at, g.ReadButton(in), true, true);
     }},
    {"hover",  // a move with no button down
     [](Game& g, Script& in) { g.Point(PointerEvent::Move, g.ReadSpot(in), {}, false, true); }},
    {"menu after the drag",  // as the menu bar sends a command: the drag ends first
     [](Game& g, Script& in) {
         const design::MenuDesign& item = design::kMenu[in.Byte() % design::kMenu.size()];
         g.Trace(std::string(" ") + item.name);
         g.pointer().Interrupt();
         if (item.click != nullptr) {
             MenuEvents& menu = g.form();
             (menu.*item.click)();
         }
     }},
};

// Plays the script; returns the first violation with the number of the
// event after which it showed.
std::optional<std::string> Play(Game& g, Script& in) {
    if (auto v = testing::BoardViolation(g.form())) {
        return "after load: " + *v;
    }
    for (std::size_t n = 0; !in.Done(); ++n) {
        const EventKind& kind = kEvents[in.Byte() % std::size(kEvents)];
        g.Trace("\n  event " + std::to_string(n) + ": " + kind.name);
        kind.play(g, in);
        auto v = testing::BoardViolation(g.form());
        if (!v) {
            v = testing::DragOwnerViolation(g.model(), g.buttonDown(), g.keys().Carrying(),
                                            g.pointer().Holding());
        }
        if (v) {
            return "after event " + std::to_string(n) + " (" + kind.name + "): " + *v;
        }
    }
    return std::nullopt;
}

}  // namespace
}  // namespace alkynes::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace alkynes::fuzz;
    const std::span<const std::uint8_t> bytes(data, size);
    Game game(false);
    Script script(bytes);
    if (const auto violation = Play(game, script)) {
        // Once more with the trace, for the report.
        Game traced(true);
        Script again(bytes);
        Play(traced, again);
        std::fprintf(stderr, "board invariant broken %s\nevents:%s\n", violation->c_str(),
                     traced.trace().c_str());
        std::abort();
    }
    return 0;
}
