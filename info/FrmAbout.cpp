// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/FrmAbout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cmath>
#include <functional>
#include <utility>

#include "content/Look.h"
#include "content/Pictures.h"
#include "content/Twips.h"
#include "info/Artwork.h"
#include "info/OpenUrl.h"
#include "info/Texts.h"
#include "model/Design.h"

namespace alkynes::info {
namespace {

namespace about = design::about;

// Marks the controls that are links, for LinkFactory.
constexpr const char* kLinkProperty = "alkynesLink";

// The keyboard focus of a link: a white band along the inside of its
// rectangle and a black band inside that, two pixels each, so that it shows
// on the dark window, on the white panel and on the coloured logo alike.
// Nothing is painted without the focus, so the mouse-only look is unchanged.
void PaintFocusRing(QWidget* control) {
    if (!control->hasFocus()) {
        return;
    }
    QPainter painter(control);
    const QRect outer = control->rect();
    const QRect middle = outer.adjusted(2, 2, -2, -2);
    const QRect inner = middle.adjusted(2, 2, -2, -2);
    for (const QRect& band : QRegion(outer).subtracted(middle)) {
        painter.fillRect(band, Qt::white);
    }
    for (const QRect& band : QRegion(middle).subtracted(inner)) {
        painter.fillRect(band, Qt::black);
    }
}

// What a screen reader is told of a link: the role, and a press action
// that goes the keyboard's way (Space), so it opens what a click opens.
class LinkAccessible : public QAccessibleWidget {
  public:
    explicit LinkAccessible(QWidget* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &space);
    }
};

QAccessibleInterface* LinkFactory(const QString& /*className*/, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->property(kLinkProperty).toBool()) {
        return new LinkAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

// A picture control: draws its vector picture stretched to its rectangle and
// leaves the rest transparent.
class Picture : public QWidget {
  public:
    using Draw = std::function<void(QPainter&, const QRectF&)>;

    Picture(QWidget* parent, Draw draw) : QWidget(parent), draw_(std::move(draw)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        draw_(painter, QRectF(rect()));
        painter.end();
        PaintFocusRing(this);
    }

  private:
    Draw draw_;
};

// The credit line's label, with the focus ring of a link.
class LinkLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        PaintFocusRing(this);
    }
};

// Watches the events of one object, its parent, and runs an action when
// they call for it.
class ActionFilter : public QObject {
  public:
    ActionFilter(QObject* watched, std::function<void()> action)
        : QObject(watched), action_(std::move(action)) {
        watched->installEventFilter(this);
    }

  protected:
    void Run() const { action_(); }

  private:
    std::function<void()> action_;
};

// Turns a control into a link: a left-button press and release over it runs
// the action, like a click on a button.  The control takes clicks over its
// whole rectangle, transparent parts of a picture included.  Tab reaches
// it too (a click leaves the focus where it was), and Enter or Space on it
// runs the same action.
class ClickFilter : public ActionFilter {
  public:
    ClickFilter(QWidget* control, std::function<void()> action)
        : ActionFilter(control, std::move(action)) {
        control->setFocusPolicy(Qt::TabFocus);
        control->setProperty(kLinkProperty, true);
        // Qt makes and keeps a control's accessible interface as soon as
        // anything about it changes (a label's text in its constructor), so
        // the one made before it was marked as a link is dropped; the next
        // question comes to LinkFactory.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton) {
                    pressed_ = true;
                }
                return true;
            }
            case QEvent::MouseButtonRelease: {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton && pressed_) {
                    pressed_ = false;
                    if (control->rect().contains(mouse->position().toPoint())) {
                        Run();
                    }
                }
                return true;
            }
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool opens = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                    key->key() == Qt::Key_Space) &&
                                   (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
                // A held key opens the page once, not once per repeat.
                if (opens && !key->isAutoRepeat()) {
                    Run();
                }
                return opens;
            }
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                control->update();  // the focus ring
                return false;
            default:
                return false;
        }
    }

  private:
    bool pressed_ = false;
};

// Runs an action once, when the window is first exposed: only then has the
// window manager told the size of the frame around it.
class FirstExpose : public ActionFilter {
  public:
    FirstExpose(QWindow* window, std::function<void()> action)
        : ActionFilter(window, std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            Run();
        }
        return false;
    }
};

// The dialog window itself: fixed size, centred again once its frame is known.
class AboutWindow : public QDialog {
  public:
    AboutWindow(QWidget* parent, std::function<void()> onFirstExpose)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
          onFirstExpose_(std::move(onFirstExpose)) {}

  protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (onFirstExpose_ && windowHandle() != nullptr) {
            new FirstExpose(windowHandle(), std::exchange(onFirstExpose_, nullptr));
        }
    }

  private:
    std::function<void()> onFirstExpose_;
};

QRect Place(const design::Rect& r) {
    return twips::ToPixelGrid(QRectF(r.left, r.top, r.width, r.height));
}

// Makes `control` the link `name` at `rect`: the hand cursor, a tooltip
// and a name for screen readers, and `open` on a click, Enter or Space.
void MakeLink(QWidget* control, const char* name, const design::Rect& rect, const QCursor& hand,
              const QString& toolTip, const QString& accessibleName, std::function<void()> open) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(Place(rect));
    control->setCursor(hand);
    control->setToolTip(toolTip);
    control->setAccessibleName(accessibleName);
    new ClickFilter(control, std::move(open));
}

// The about window itself, empty, with its caption, size, font and
// colour; closing it by OK, the close box or Escape deletes it.
AboutWindow* NewAboutWindow(QWidget* parent, std::function<void()> centre) {
    auto* window = new AboutWindow(parent, std::move(centre));
    window->setObjectName(QStringLiteral("frmAbout"));
    window->setWindowTitle(AboutCaption());
    window->setWindowIcon(content::WindowIcon());
    window->setFixedSize(Place({0, 0, about::kClientSize.width, about::kClientSize.height}).size());
    window->setFont(content::ToFont(about::kFont));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, content::ToColor(about::kBackColor));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);
    return window;
}

// The white panel under the credit line.
void NewCreditPanel(QWidget* window) {
    auto* logo1 = new QWidget(window);
    logo1->setObjectName(QStringLiteral("logo1"));
    logo1->setGeometry(Place(about::kLogo1));
    QPalette white = logo1->palette();
    white.setColor(QPalette::Window, content::ToColor(about::kLogo1FillColor));
    logo1->setPalette(white);
    logo1->setAutoFillBackground(true);
}

// The credit line: centred, wrapped, green text on the system's
// window-background colour (normally white).
void StyleCredit(QLabel* label1) {
    label1->setFont(content::ToFont(about::kLabel1Font));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1->setWordWrap(true);
    QPalette credit = label1->palette();
    credit.setColor(QPalette::WindowText, content::ToColor(about::kLabel1ForeColor));
    label1->setPalette(credit);
    label1->setBackgroundRole(QPalette::Base);
    label1->setForegroundRole(QPalette::WindowText);
    label1->setAutoFillBackground(true);
}

// The usage notice: read-only, selectable, with its vertical scroll bar
// always shown; Tab leaves it instead of being typed into it.
QWidget* NewComment(QWidget* window) {
    auto* comment = new QPlainTextEdit(window);
    comment->setObjectName(QStringLiteral("Comment"));
    comment->setGeometry(Place(about::kComment));
    comment->setReadOnly(true);
    comment->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comment->setTabChangesFocus(true);
    return comment;
}

}  // namespace

QPoint CentredTopLeft(const QSize& outer, const QRect& screen) {
    const float left =
        static_cast<float>(screen.width()) / 2.0f - static_cast<float>(outer.width()) / 2.0f;
    const float top =
        static_cast<float>(screen.height()) / 2.0f - static_cast<float>(outer.height()) / 2.0f;
    return screen.topLeft() +
           QPoint(static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)));
}

FrmAbout::~FrmAbout() {
    Unload();
}

void FrmAbout::Show(QWidget* parent) {
    if (IsLoaded() && window_->isVisible()) {
        return;
    }
    Load(parent);
    // Runs until OK, the close box or Escape ends it (or the main window goes).
    window_->exec();
    Unload();
}

void FrmAbout::Load(QWidget* parent) {
    if (IsLoaded()) {
        return;
    }
    content::InstallFontSubstitutions();
    static const bool linkFactoryInstalled = (QAccessible::installFactory(LinkFactory), true);
    (void)linkFactoryInstalled;

    auto* window = NewAboutWindow(parent, [this] { CentreOnScreen(); });
    window_ = window;

    const QCursor hand = content::HandCursor(window->devicePixelRatioF());

    // Controls from the bottom of the stacking order to the top.
    auto* logo2 = new Picture(window, DrawMakerLogo);
    MakeLink(logo2, "logo2", about::kLogo2, hand, Logo2ToolTip(),
             QString::fromUtf8("Λογότυπο του κατασκευαστή"), [this] { logo2_Click(); });

    NewCreditPanel(window);

    auto* label1 = new LinkLabel(CreditLine(), window);
    MakeLink(label1, "Label1", about::kLabel1, hand, Label1ToolTip(), CreditLine(),
             [this] { Label1_Click(); });
    StyleCredit(label1);

    auto* image1 = new Picture(window, DrawEmblem);
    MakeLink(image1, "Image1", about::kImage1, hand, Image1ToolTip(),
             QString::fromUtf8("Έμβλημα του σχολείου"), [this] { Image1_Click(); });

    auto* cmdClose = new QPushButton(QStringLiteral("OK"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(Place(about::kCmdClose));
    cmdClose->setDefault(true);
    QObject::connect(cmdClose, &QPushButton::clicked, window, [this] { cmdClose_Click(); });

    QWidget* comment = NewComment(window);

    QWidget::setTabOrder(cmdClose, comment);
    // The links after the notice, in reading order, left to right: the
    // credit on the white panel, the emblem over the seam, the logo.
    QWidget::setTabOrder(comment, label1);
    QWidget::setTabOrder(label1, image1);
    QWidget::setTabOrder(image1, logo2);
    cmdClose->setFocus();

    Form_Load();
}

void FrmAbout::Unload() {
    delete window_.data();
}

void FrmAbout::Form_Load() {
    if (!IsLoaded()) {
        return;
    }
    CentreOnScreen();
    notice_ = BuildNotice();
    if (auto* comment = window_->findChild<QPlainTextEdit*>(QStringLiteral("Comment"))) {
        comment->setPlainText(ShownText(notice_));
    }
    // What a screen reader reads as the window opens, after its title: the
    // credit and the notice.  No label of the window holds them for it (the
    // credit is a link, the notice a text box read line by line).
    window_->setAccessibleDescription(CreditLine() + QLatin1Char('\n') +
                                      ShownText(notice_).trimmed());
}

void FrmAbout::CentreOnScreen() {
    if (!IsLoaded()) {
        return;
    }
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    // The window is laid out at the main window's zoom, which fits the
    // screen; where even that is too large, its title bar and top-left
    // corner stay on the screen.
    const QSize outer = window_->frameGeometry().size();
    const QRect room = screen->availableGeometry();
    if (outer.width() <= room.width() && outer.height() <= room.height()) {
        window_->move(CentredTopLeft(outer, screen->geometry()));
    } else {
        window_->move(room.topLeft());
    }
}

void FrmAbout::cmdClose_Click() {
    if (IsLoaded()) {
        window_->close();
    }
}

void FrmAbout::Image1_Click() {
    OpenUrl(SchoolHomeUrl());
}

void FrmAbout::Label1_Click() {
    OpenUrl(CollectionUrl());
}

void FrmAbout::logo2_Click() {
    OpenUrl(MakerProgramsUrl());
}

FrmAbout& frmAbout() {
    static FrmAbout instance;
    return instance;
}

}  // namespace alkynes::info
