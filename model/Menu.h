// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar of the main window: each item of the window definition with
// the click handler it raises.  The toolkit layer makes one menu entry per
// row and calls the row's handler on the window's events object, so no
// layer ever tells the items apart by name.
#pragma once

#include <array>

namespace alkynes {

// The click events of the menu items.  Form1 implements them; the
// information commands (help, worksheet, about) are passed on to whoever
// shows those windows.
class MenuEvents {
  public:
    virtual ~MenuEvents() = default;

    virtual void mnuHelp_Click() {}
    virtual void mnuCheck_Click() {}
    virtual void mnuRestart_Click() {}
    virtual void mnuSheet_Click() {}
    virtual void mnuAbout_Click() {}
    virtual void mnuExit_Click() {}
};

namespace design {

struct MenuDesign {
    const char* name;
    const char* caption;
    void (MenuEvents::*click)();  // null for the separator, which does nothing
};

// Left to right.
inline constexpr std::array<MenuDesign, 7> kMenu{{
    {"mnuHelp", "Βοήθεια", &MenuEvents::mnuHelp_Click},
    {"mnuCheck", "Έλεγχος", &MenuEvents::mnuCheck_Click},
    {"mnuRestart", "Απ' την αρχή", &MenuEvents::mnuRestart_Click},
    {"mnuSheet", "Φύλλο εργασίας", &MenuEvents::mnuSheet_Click},
    {"mnuVSeperator", "|", nullptr},
    {"mnuAbout", "Περί...", &MenuEvents::mnuAbout_Click},
    {"mnuExit", "Έξοδος", &MenuEvents::mnuExit_Click},
}};

}  // namespace design
}  // namespace alkynes
