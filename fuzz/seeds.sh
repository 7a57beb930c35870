# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The seeds of the fuzz targets.  Typed coefficients of every form the
# reading knows; and scripts of the window model's fuzz target, in its
# event encoding (fuzz/WindowModelFuzz.cpp): whole games the fuzzer starts
# from, so that it begins with full boards and graded checks instead of
# finding them first.  Sourced by fuzz/run.sh and fuzz/replay-seeds.sh.

write_number_seeds() {
  local seed
  for seed in "1" "2.5" "  3 " "&H1F" "&o17" "1.5D2" "-0.5" "1e5" "2,5" "abc"; do
    printf '%s' "$seed" > "$1/seed-$(printf '%s' "$seed" | md5sum | cut -c1-8)"
  done
}

# The bytes given as numbers.
seed_bytes() {
  local b
  for b; do
    printf "\\x$(printf %02x "$b")"
  done
}

# Event rows and aims, as numbered in kEvents and kAims.
readonly PRESS=0 MOVE=1 RELEASE=2 DBLCLICK=3 INTERRUPT=4 TYPE=5 MENU=6 SHUFFLE=7 KEY=8 FOCUS=9 ACTIVATE=10
readonly TAP_PRESS=11 TAP_RELEASE=12 TAP_DBLCLICK=13 HOVER=14 MENU_AFTER_DRAG=15
# Keys as numbered in BoardKey.
readonly TAB=0 DOWN=5 SPACE=6 ESCAPE=7 DELETE=8
readonly AT_CONTROL=0 AT_PALETTE=1 AT_SLOT=2 ANYWHERE=4
readonly LEFT=0 MNU_CHECK=1 MNU_RESTART=2

# Drags the topmost piece of compound $1 into the middle of slot $2.
seed_place() {
  seed_bytes "$PRESS" "$AT_PALETTE" "$1" 128 128 "$LEFT" \
    "$MOVE" "$AT_SLOT" "$2" 128 8 \
    "$RELEASE" "$AT_SLOT" "$2" 128 8 "$LEFT"
}

# Fills every slot with its right compound.
seed_fill_right() {
  local right=(5 7 2 6 1 8 0 4 8 0 3 8 0)
  local s
  for s in "${!right[@]}"; do
    seed_place "${right[$s]}" "$s"
  done
}

# Types the right coefficients into all 22 boxes (texts 1, 2 and 3 of
# kTexts are "1", "2" and "3"), or with $1 = wrong, a 2 for every 1.
seed_type_coefficients() {
  local coefficients=(2 1 3 1 2 1 1 1 2 1 2 2 1 2 1 2 2 1 2 1 2 2)
  local j c
  for j in "${!coefficients[@]}"; do
    c="${coefficients[$j]}"
    if [ "${1:-}" = wrong ] && [ "$c" = 1 ]; then
      c=2
    fi
    seed_bytes "$TYPE" "$j" "$c"
  done
}

write_window_seeds() {
  local dir="$1"
  # A right game, graded.
  { seed_fill_right; seed_type_coefficients; seed_bytes "$MENU" "$MNU_CHECK"; } \
    > "$dir/seed-right-game"
  # The same checked during a drag (from the menu's keyboard shortcut; a
  # press hides the method labels), and the piece dragged over the three
  # labels that the check revealed (the fifth array of the control aim) and
  # dropped on one.
  { seed_fill_right; seed_type_coefficients
    seed_bytes "$PRESS" "$AT_PALETTE" 4 128 128 "$LEFT" "$MENU" "$MNU_CHECK" \
      "$MOVE" "$AT_CONTROL" 4 0 128 128 "$MOVE" "$AT_CONTROL" 4 1 128 128 \
      "$MOVE" "$AT_CONTROL" 4 2 128 128 "$RELEASE" "$AT_CONTROL" 4 2 128 128 "$LEFT"
  } > "$dir/seed-over-labels"
  # A shuffled palette, a wrong game graded, then the restart from the menu.
  { seed_bytes "$SHUFFLE" 200 10 90 140 30 250 60 170 110
    seed_fill_right; seed_type_coefficients wrong; seed_bytes "$MENU" "$MNU_CHECK"
    seed_bytes "$MENU" "$MNU_RESTART"; } > "$dir/seed-wrong-game-restart"
  # Placed pieces taken out again by double clicks on the first two
  # (the master pieces 5 and 7 lie on top of their stacks).
  { seed_place 5 0; seed_place 7 1
    seed_bytes "$PRESS" "$AT_CONTROL" 0 5 128 128 "$LEFT" "$RELEASE" "$AT_CONTROL" 0 5 128 128 "$LEFT" \
      "$DBLCLICK" "$AT_CONTROL" 0 5 128 128 "$LEFT" "$RELEASE" "$AT_CONTROL" 0 5 128 128 "$LEFT"
    seed_bytes "$PRESS" "$AT_CONTROL" 0 7 128 128 "$LEFT" "$DBLCLICK" "$AT_CONTROL" 0 7 128 128 "$LEFT"
  } > "$dir/seed-remove"
  # A drag that leaves the window, comes back onto a slot and is dropped,
  # and one that is interrupted.
  { seed_bytes "$PRESS" "$AT_PALETTE" 3 128 128 "$LEFT" \
      "$MOVE" "$ANYWHERE" 0x00 0x80 0x00 0x10 \
      "$MOVE" "$AT_SLOT" 4 128 8 "$RELEASE" "$AT_SLOT" 4 128 8 "$LEFT" \
      "$PRESS" "$AT_PALETTE" 6 128 128 "$LEFT" "$MOVE" "$AT_SLOT" 9 128 8 "$INTERRUPT"
  } > "$dir/seed-leave-and-interrupt"
  # From the keyboard: a tile picked up, carried down and put into a slot,
  # taken out again; another carried and sent back with Escape, then a
  # mouse press in the middle of a third carry.
  { seed_bytes "$KEY" "$SPACE" "$KEY" "$DOWN" "$KEY" "$SPACE" "$KEY" "$DELETE" \
      "$FOCUS" 4 "$KEY" "$SPACE" "$KEY" "$TAB" "$KEY" "$ESCAPE" \
      "$KEY" "$SPACE" "$PRESS" "$AT_PALETTE" 2 128 128 "$LEFT"
  } > "$dir/seed-keys"
  # Assistive technology: the tile of palette cell 1 activated, then slot 2
  # (stop 11), where it is put down.
  seed_bytes "$ACTIVATE" 1 "$ACTIVATE" 11 > "$dir/seed-activate"
  # Taps: a tile held and put into slot 0, another held, hovered over
  # reaction 1 and put on the piece of slot 0 (which goes back), a third
  # held and sent back by a restart from the menu.
  { seed_bytes "$TAP_PRESS" "$AT_PALETTE" 2 128 128 "$LEFT" "$TAP_RELEASE" "$AT_PALETTE" 2 128 128 "$LEFT" \
      "$TAP_PRESS" "$AT_SLOT" 0 128 8 "$LEFT" "$TAP_RELEASE" "$AT_SLOT" 0 128 8 "$LEFT" \
      "$TAP_PRESS" "$AT_PALETTE" 5 128 128 "$LEFT" "$TAP_RELEASE" "$AT_PALETTE" 5 128 128 "$LEFT" \
      "$HOVER" "$AT_SLOT" 3 128 8 "$TAP_PRESS" "$AT_CONTROL" 0 2 128 128 "$LEFT" \
      "$TAP_RELEASE" "$AT_CONTROL" 0 2 128 128 "$LEFT" \
      "$TAP_PRESS" "$AT_PALETTE" 7 128 128 "$LEFT" "$TAP_RELEASE" "$AT_PALETTE" 7 128 128 "$LEFT" \
      "$MENU_AFTER_DRAG" "$MNU_RESTART"
  } > "$dir/seed-taps"
}
