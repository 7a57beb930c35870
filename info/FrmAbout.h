// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window frmAbout: the exercise's title, the author's credit, the
// school's emblem, the maker's logo and a usage notice, with three links.
//
// There is one frmAbout object for the life of the application (frmAbout()).
// Its window exists only while it is shown: Load creates the window and runs
// Form_Load, closing it (OK or the close box) unloads it, and the next
// showing loads it afresh, so it is centred on the screen every time.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace alkynes::info {

class FrmAbout {
  public:
    FrmAbout() = default;
    FrmAbout(const FrmAbout&) = delete;
    FrmAbout& operator=(const FrmAbout&) = delete;
    ~FrmAbout();

    // Loads the window over `parent`, shows it modally (the rest of the
    // application takes no input meanwhile) and returns once it is closed
    // and unloaded.  Does nothing while the window is already shown.
    void Show(QWidget* parent);

    // Creates the window and its controls over `parent` and runs Form_Load.
    // Nothing happens when it is loaded already.
    void Load(QWidget* parent);
    // Destroys the window; nothing happens when it is not loaded.
    void Unload();

    // The loaded window, or null while unloaded.  Its controls carry their
    // names as object names: logo2, logo1, Label1, Image1, cmdClose, Comment.
    QDialog* Window() const { return window_.data(); }
    bool IsLoaded() const { return !window_.isNull(); }

    // The usage notice as Form_Load built it (ends with CR LF).
    const QString& Notice() const { return notice_; }

    // Event handlers.
    void Form_Load();       // centre on the screen, fill the notice
    void cmdClose_Click();  // close (and so unload) the window
    void Image1_Click();    // the school's home page
    void Label1_Click();    // the author's collection of exercises
    void logo2_Click();     // the maker's page of free programs

    // Puts the window's outer rectangle (frame included, as far as the
    // window system has told it) in the middle of its screen, or, where it
    // does not fit the screen's available area, at that area's top-left.
    void CentreOnScreen();

  private:
    QPointer<QDialog> window_;
    QString notice_;
};

// The one about window of the application, created on first use.
FrmAbout& frmAbout();

// The top-left corner that centres an outer size on a screen rectangle:
// screen origin + (SW / 2 − w / 2, SH / 2 − h / 2), each half taken first in
// single precision, then rounded down to whole pixels.  A window larger
// than the screen gets a position before the screen's origin.
QPoint CentredTopLeft(const QSize& outer, const QRect& screen);

}  // namespace alkynes::info
