// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The information items of the main window's menu: "Βοήθεια" (help),
// "Φύλλο εργασίας" (worksheet) and "Περί..." (about).  None of them reads or
// changes the exercise.
#pragma once

#include <QMessageBox>
#include <QWidget>

#include <memory>

namespace alkynes::info {

// Shows the help text in a modal information box titled "Βοήθεια" with one
// OK button over `parent` (may be null); returns when the student presses OK.
void mnuHelp_Click(QWidget* parent);

// Opens the printable worksheet (a PDF on the school's server) in the
// student's default handler and returns at once; failures do nothing.
void mnuSheet_Click();

// Shows the about window modally over `parent`; returns when it is closed.
void mnuAbout_Click(QWidget* parent);

// The help box as mnuHelp_Click shows it, not yet shown.
std::unique_ptr<QMessageBox> MakeHelpBox(QWidget* parent);

}  // namespace alkynes::info
