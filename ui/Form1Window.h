// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window, captioned with the program's title, on Qt Widgets: a fixed-size window
// with the menu bar of the window definition and the board widget as its
// client area.  It owns the plain Form1 (controls, board and handlers),
// runs its load handler before it is first shown, turns menu clicks into
// Form1's commands and ends the application when it is closed.
#pragma once

#include <QMainWindow>

#include <QMargins>

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
    ~Form1Window() override;

    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

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
    // The window's size with its frame, as far as the platform knows it.
    QSize OuterSize() const;
    void EndApplication();

    Form1 form_;
    BoardWidget* board_ = nullptr;
    bool ending_ = false;
    bool placed_ = false;
    std::optional<qreal> wantedZoom_;
    qreal toldZoom_ = 0;    // the reduced zoom last reported on stderr
    QMargins fittedFrame_;  // the frame FitToScreen last counted with
};

}  // namespace alkynes
