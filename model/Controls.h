// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of the main window as plain data.
//
// Every control of Form1 is described here without any toolkit: its kind,
// its name and index in its control array, its rectangle in twips, whether
// it is visible, its text and its picture.  The exercise logic reads and
// writes these values, and the Qt layer only paints them and keeps its real
// text boxes in step with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace alkynes {

// Positions and sizes are twips (1/1440 inch; 15 twips are one pixel at
// 96 dpi), measured in the window's client area, y downwards.
using Twips = float;

enum class ControlKind : std::uint8_t { Image, Label, Shape, Line, TextBox };

// The control names of the main window.  Arrays are addressed by index.
enum class ControlName : std::uint8_t {
    ImgMolecular,  // compound pieces: masters 0..8, copies 9..116 made at load
    ImgSyntactic,  // reaction pictures 0..4
    tCoefficient,  // coefficient boxes 0..21
    Container,     // reaction frames 0..2
    Label1,        // method labels 0..2
    LGrade,        // grade badge
    DropIcon,      // hidden holder of the drag icon
    Line1,         // decorative rule
};

// How many control names there are, for tables indexed by name.
inline constexpr std::size_t kControlNames = static_cast<std::size_t>(ControlName::Line1) + 1;

struct ControlRef {
    ControlName name;
    std::int16_t index = 0;

    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// What an image shows.  The pictures themselves are drawn by the content
// module; the model only says which one belongs to which control.
enum class PictureKind : std::uint8_t { None, Compound, Reaction, DragIcon };

struct PictureRef {
    PictureKind kind = PictureKind::None;
    std::int8_t index = 0;

    friend bool operator==(const PictureRef&, const PictureRef&) = default;
};

struct Control {
    ControlRef ref{ControlName::ImgMolecular, 0};
    ControlKind kind = ControlKind::Image;
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
    bool Visible = true;
    // The text of a text box or the caption of a label, UTF-8.
    std::string Text;
    std::string ToolTipText;
    PictureRef Picture;

    bool Contains(Twips x, Twips y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
};

}  // namespace alkynes
