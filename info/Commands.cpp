// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/Commands.h"

#include "info/FrmAbout.h"
#include "info/OpenUrl.h"
#include "info/Texts.h"

#include <QPointer>

namespace alkynes::info {

std::unique_ptr<QMessageBox> MakeHelpBox(QWidget* parent) {
    // The text keeps its CR LF breaks; the box is given what it displays, so
    // the CR never shows up as a stray glyph.
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, HelpTitle(),
                                             ShownText(HelpText()), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

void mnuHelp_Click(QWidget* parent) {
    // Guarded: should the main window go away meanwhile, it takes the box with it.
    const QPointer<QMessageBox> box = MakeHelpBox(parent).release();
    box->exec();
    delete box.data();
}

void mnuSheet_Click() {
    OpenUrl(WorksheetUrl());
}

void mnuAbout_Click(QWidget* parent) {
    frmAbout().Show(parent);
}

}  // namespace alkynes::info
