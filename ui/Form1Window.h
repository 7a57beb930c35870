// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window, captioned with the program's title, on Qt Widgets: a fixed-size window
// with the menu bar of the window definition and the board widget as its
// client area.  It owns the plain Form1 (controls, board and handlers),
// runs its load handler before it is first shown, turns menu clicks into
// Form1's commands and ends the application when it is closed.  For a
// projector or a touch board it also shows the exercise on the whole
// screen (F11, the --fullscreen option), as large as the screen holds.
#pragma once

#include <QMainWindow>

#include <QMargins>
#include <QPointer>
#include <QRect>

#include <memory>
#include <optional>

#include "core/Random.h"
#include "form1/Form1.h"

class QAction;

namespace alkynes {

class BoardWidget;

class Form1Window : public QMainWindow {
    Q_OBJECT

  public:
    // `random` is the shuffle's source; by default the clock-seeded one.
    explicit Form1Window(std::unique_ptr<RandomSource> random = nullptr);
    ~Form1Window() override;  // (not copyable, as every QObject)

    Form1& Logic() { return form_; }
    BoardWidget* Board() const { return board_; }

    // The menu bar item of the given control name ("mnuHelp", ...), or null.
    QAction* MenuItem(const char* name) const;

    // The zoom the whole window is wanted at (the --scale option), applied
    // at once; none means zoom 1.  FitToScreen may reduce it.
    void SetWantedZoom(std::optional<qreal> zoom);

    // The one place that decides the window's zoom and where it lies, run
    // when it is first shown: the zoom wanted where the window then fits
    // its screen's available area, else the largest that fits, not below
    // half size (saying so on stderr when a wanted zoom was reduced); the
    // window centred in that area, or where even half size does not fit,
    // its top-left corner, title bar and menu bar at the area's top-left.
    void FitToScreen();

    // Shows the exercise on the whole screen, or the normal window again at
    // its zoom and place.  On the whole screen the window keeps its menu
    // bar and shows the board centred below it, at the largest zoom at
    // which both fit the screen, on the window's background colour.  F11
    // switches; Escape, when no tile is in hand, gives the normal window
    // back.  Before the window is first shown, it asks for the whole screen
    // from the start.
    void SetFullScreen(bool on);
    bool FullScreen() const { return fullScreen_; }

  signals:
    // The information commands of the menu; whoever shows help, opens the
    // worksheet or shows the about window connects here.
    void helpRequested();
    void sheetRequested();
    void aboutRequested();

  protected:
    bool event(QEvent* event) override;
    // Watches the window's own QWindow for the touch events that reach no
    // widget (a touch the system cancels).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateMenu();
    void Command(void (MenuEvents::*click)());
    void ApplyZoom(qreal zoom);
    // The largest zoom at which the menu bar and the board fit the screen.
    void FitFullScreen();
    // The window's size with its frame, as far as the platform knows it.
    QSize OuterSize() const;
    void EndApplication();

    Form1 form_;
    BoardWidget* board_ = nullptr;
    // Where the keyboard focus was before Alt gave it to the menu bar.
    QPointer<QWidget> beforeMenu_;
    bool ending_ = false;
    bool placed_ = false;
    std::optional<qreal> wantedZoom_;
    qreal toldZoom_ = 0;    // the reduced zoom last reported on stderr
    QMargins fittedFrame_;  // the frame FitToScreen last counted with
    bool fullScreen_ = false;
    // The normal window's zoom and place, to give it back from full screen;
    // none when it was never shown as a normal window.
    std::optional<qreal> normalZoom_;
    QRect normalPlace_;  // the client area's place on the screen
};

}  // namespace alkynes
