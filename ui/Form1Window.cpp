// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1Window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWindow>

#include <algorithm>
#include <cstdio>

#include "ui/BoardWidget.h"
#include "content/Artwork.h"
#include "content/Fonts.h"
#include "content/Look.h"
#include "content/Twips.h"
#include "model/Design.h"

namespace alkynes {
namespace {

// The application's own style, except that the menu bar item chosen from
// the keyboard (after Alt) is drawn as an opened one, in the highlight
// colour: Fusion draws the keyboard's choice exactly like an idle item.
// With the mouse, and with the bar not in use, nothing changes.
class KeyboardCueStyle : public QProxyStyle {
  public:
    KeyboardCueStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item != nullptr && widget != nullptr &&
            widget->hasFocus() && (item->state & State_Selected)) {
            QStyleOptionMenuItem chosen(*item);
            chosen.state |= State_Sunken;
            QProxyStyle::drawControl(element, &chosen, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// What lies round the board when the window fills the screen: the
// window's background colour.  Painted rather than set as the palette's
// window colour, which every child would inherit: the coefficient boxes
// draw their frames from it.
class Stage : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter(this).fillRect(rect(), content::ToColor(design::kFormBackColor));
    }
};

}  // namespace

Form1Window::Form1Window(std::unique_ptr<RandomSource> random)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      form_(std::move(random)) {
    // Before any font of the window is resolved.
    content::InstallFontSubstitutions();

    setWindowTitle(QString::fromUtf8(design::kCaption));
    setWindowIcon(content::WindowIcon());

    // The board lies centred on a stage of the window's background colour,
    // which is just the board's size until the window fills the screen.
    auto* stage = new Stage(this);
    stage->setObjectName(QStringLiteral("stage"));
    auto* centre = new QGridLayout(stage);
    centre->setContentsMargins(0, 0, 0, 0);
    board_ = new BoardWidget(form_.Model(), stage);
    board_->setFixedSize(board_->sizeHint());
    centre->addWidget(board_, 0, 0, Qt::AlignCenter);
    setCentralWidget(stage);
    CreateMenu();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == menuBar() && old != nullptr && old->window() == this) {
            beforeMenu_ = old;
        }
    });

    auto* full = new QAction(this);
    full->setObjectName(QStringLiteral("fullScreen"));
    full->setShortcut(Qt::Key_F11);
    full->setShortcutContext(Qt::WindowShortcut);
    connect(full, &QAction::triggered, this, [this] { SetFullScreen(!fullScreen_); });
    addAction(full);

    // The window is as large as its menu bar and client area, and the user
    // cannot change that.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();

    form_.SetCloseRequest([this] { EndApplication(); });
    form_.SetInfoRequests({[this] { emit helpRequested(); }, [this] { emit sheetRequested(); },
                           [this] { emit aboutRequested(); }});
    form_.Form_Load();
    board_->Refresh();
}

Form1Window::~Form1Window() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    form_.SetCloseRequest(nullptr);
    form_.SetInfoRequests({});
    // The board paints and edits form_'s model: it goes before form_ does.
    delete board_;
    board_ = nullptr;
}

void Form1Window::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);  // the menu stays in the window on every desktop
    // Alt and the arrow keys walk the items; the item chosen shows.
    auto* style = new KeyboardCueStyle;
    style->setParent(bar);
    bar->setStyle(style);
    for (const design::MenuDesign& item : design::kMenu) {
        // Items have no access keys: a literal '&' is escaped.
        QString caption = QString::fromUtf8(item.caption);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setMenuRole(QAction::NoRole);

        if (item.click != nullptr) {
            connect(action, &QAction::triggered, this,
                    [this, click = item.click] { Command(click); });
        }
    }
}

QAction* Form1Window::MenuItem(const char* name) const {
    for (QAction* action : menuBar()->actions()) {
        if (action->objectName() == QLatin1String(name)) {
            return action;
        }
    }
    return nullptr;
}

void Form1Window::Command(void (MenuEvents::*click)()) {
    // A tile carried from the keyboard goes back to the palette before a
    // command runs (a mouse drag holds the button down, so it never meets
    // one).
    board_->InterruptDrag();
    // A command chosen from the keyboard gives the focus back to where it
    // was before Alt.  The menu bar does so only while the window is still
    // active: after a dialog the window manager activates it again later,
    // and the window would give the focus back to the menu bar, where the
    // arrow keys do nothing.
    const QPointer<QWidget> back = menuBar()->hasFocus() ? beforeMenu_ : nullptr;
    (static_cast<MenuEvents&>(form_).*click)();
    if (!ending_) {
        board_->Refresh();
        if (back != nullptr) {
            back->setFocus(Qt::MenuBarFocusReason);
        }
    }
}

void Form1Window::SetWantedZoom(std::optional<qreal> zoom) {
    wantedZoom_ = zoom;
    ApplyZoom(zoom.value_or(1));
}

void Form1Window::ApplyZoom(qreal zoom) {
    if (zoom == twips::Zoom()) {
        return;
    }
    twips::SetZoom(zoom);
    board_->ApplyZoom();
    // The menu bar's texts follow from the toolkit's own menu font.
    QMenuBar* bar = menuBar();
    QFont font = QApplication::font(bar);
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * zoom)));
    } else {
        font.setPointSizeF(font.pointSizeF() * zoom);
    }
    bar->setFont(font);
    // The stage first, so that the window's layout finds the board's new
    // size at once (FitToScreen measures right after).
    centralWidget()->layout()->activate();
    layout()->activate();
    if (!fullScreen_) {
        adjustSize();
    }
}

void Form1Window::FitFullScreen() {
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (where == nullptr) {
        return;
    }
    const qreal zoom =
        twips::FitZoom(twips::kLargestZoom, where->geometry().size(), [this](qreal z) {
            ApplyZoom(z);
            const QSize board = board_->sizeHint();
            return QSize(board.width(), menuBar()->sizeHint().height() + board.height());
        });
    ApplyZoom(zoom);
}

void Form1Window::SetFullScreen(bool on) {
    if (on == fullScreen_) {
        return;
    }
    if (on) {
        if (placed_) {
            normalZoom_ = twips::Zoom();
            normalPlace_ = geometry();
        }
        fullScreen_ = true;
        // The window may take any size now: the screen's.
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        FitFullScreen();
        if (placed_) {
            showFullScreen();
        } else {
            setWindowState(windowState() | Qt::WindowFullScreen);
        }
        return;
    }
    fullScreen_ = false;
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (normalZoom_) {
        ApplyZoom(*normalZoom_);
        layout()->activate();
        adjustSize();
        // The client area where it was: the frame, which a window manager
        // gives back in its own time, is counted around it.
        setGeometry(QRect(normalPlace_.topLeft(), size()));
    } else {
        layout()->activate();
        adjustSize();
        FitToScreen();  // never shown as a normal window: placed as at start
    }
}

QSize Form1Window::OuterSize() const {
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    // The size the layout fixes, which the window takes: coming back from
    // the whole screen, the window may still have the screen's size.
    return sizeHint().grownBy(frame);
}

void Form1Window::FitToScreen() {
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (where == nullptr) {
        return;
    }
    const QRect room = where->availableGeometry();
    // The offscreen platform draws for tests and measurements; its screen
    // stands for no display anyone looks at, so the zoom stays as asked.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        const qreal wanted = wantedZoom_.value_or(1);
        const qreal zoom = twips::FitZoom(wanted, room.size(), [this](qreal z) {
            ApplyZoom(z);
            return OuterSize();
        });
        ApplyZoom(zoom);
        if (wantedZoom_ && zoom < wanted && zoom != toldZoom_) {
            toldZoom_ = zoom;
            std::fprintf(stderr, "%s\n",
                         QString::fromUtf8("alkynes: με --scale %1 το παράθυρο δεν χωράει στην "
                                           "οθόνη (%2×%3)· ανοίγει με --scale %4.")
                             .arg(wanted)
                             .arg(room.width())
                             .arg(room.height())
                             .arg(zoom)
                             .toLocal8Bit()
                             .constData());
        }
    }
    fittedFrame_ = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize outer = OuterSize();
    if (outer.width() <= room.width() && outer.height() <= room.height()) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, room).topLeft());
    } else {
        move(room.topLeft());
    }
}

void Form1Window::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        windowHandle()->installEventFilter(this);
        if (fullScreen_) {
            FitFullScreen();
        } else {
            FitToScreen();
        }
    }
    QMainWindow::showEvent(event);
}

bool Form1Window::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowBlocked:     // a modal window opened
        case QEvent::WindowDeactivate:  // another window took the input
        case QEvent::Hide:
            if (board_ != nullptr) {
                board_->InterruptDrag();
            }
            break;
        default:
            break;
    }
    return QMainWindow::event(event);
}

// A finger on the board reaches it as the mouse that Qt makes of it.  When
// the system takes a touch away (a gesture of its own, another window),
// Qt tells the window and then releases that mouse where the finger last
// was, which would drop the tile there: the drag ends first, like a lost
// grab, so the release finds none.
//
// Under a window manager the frame around the window is known only once
// the window is on the screen: if the window does not fit with it, the
// fit is made again then.
bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::TouchCancel && board_ != nullptr) {
            board_->InterruptDrag();
        } else if (event->type() == QEvent::Expose && !fullScreen_ && windowHandle()->isExposed() &&
                   windowHandle()->frameMargins() != fittedFrame_) {
            const QScreen* where = screen();
            const QSize outer = OuterSize();
            if (where != nullptr && (outer.width() > where->availableGeometry().width() ||
                                     outer.height() > where->availableGeometry().height())) {
                FitToScreen();
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    // Escape puts a tile in hand back first; with none, it leaves the
    // whole screen.
    if (event->key() == Qt::Key_Escape && board_ != nullptr) {
        if (form_.Model().Dragging()) {
            board_->InterruptDrag();
        } else if (fullScreen_) {
            SetFullScreen(false);
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!ending_) {
        form_.Form_Unload();
    }
}

// Form_Unload ends the application at once: every window closes, nothing
// is asked and nothing is saved.
void Form1Window::EndApplication() {
    if (ending_) {
        return;
    }
    ending_ = true;
    board_->InterruptDrag();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

}  // namespace alkynes
