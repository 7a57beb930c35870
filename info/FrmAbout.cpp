#include "info/FrmAbout.h"

#include <QColor>
#include <QEvent>
#include <QGuiApplication>
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

#include "info/Artwork.h"
#include "info/OpenUrl.h"
#include "info/Texts.h"
#include "content/Twips.h"
#include "content/Pictures.h"

namespace alkynes::info {
namespace {

// The window's design, in twips of its client area.
const QSizeF kClientSize(8055, 5325);
const QRectF kLogo2(4020, 60, 4005, 4005);
const QRectF kLogo1(60, 60, 4005, 4005);
const QRectF kLabel1(165, 1260, 3705, 1665);
const QRectF kImage1(2460, 420, 3195, 3195);
const QRectF kCmdClose(3120, 4980, 1935, 315);
const QRectF kComment(60, 4080, 7995, 795);

constexpr QColor kBackground(64, 64, 64);
constexpr QColor kPanelWhite(255, 255, 255);
constexpr QColor kCreditGreen(0, 128, 0);

// Font sizes in points: the credit line, and the window's own text face
// (button and notice).
constexpr qreal kCreditPoints = 24;
constexpr qreal kWindowPoints = 8.25;

QFont WindowFont(qreal points, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(twips::FontPixelSize(points));
    font.setBold(bold);
    return font;
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
    }

  private:
    Draw draw_;
};

// Turns a control into a link: a left-button press and release over it runs
// the action, like a click on a button.  The control takes clicks over its
// whole rectangle, transparent parts of a picture included.
class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* control, std::function<void()> action)
        : QObject(control), action_(std::move(action)) {
        control->installEventFilter(this);
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
                        action_();
                    }
                }
                return true;
            }
            default:
                return false;
        }
    }

  private:
    std::function<void()> action_;
    bool pressed_ = false;
};

// Runs an action once, when the window is first exposed: only then has the
// window manager told the size of the frame around it.
class FirstExpose : public QObject {
  public:
    FirstExpose(QWindow* window, std::function<void()> action)
        : QObject(window), action_(std::move(action)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            action_();
        }
        return false;
    }

  private:
    std::function<void()> action_;
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

QRect Place(const QRectF& design) {
    return twips::ToPixelGrid(design);
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

    auto* window = new AboutWindow(parent, [this] { CentreOnScreen(); });
    window_ = window;
    window->setObjectName(QStringLiteral("frmAbout"));
    window->setWindowTitle(AboutCaption());
    window->setWindowIcon(content::WindowIcon());
    window->setFixedSize(Place(QRectF(QPointF(0, 0), kClientSize)).size());
    window->setFont(WindowFont(kWindowPoints, false));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kBackground);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // Closing by OK, the close box or Escape unloads the window.
    QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);

    const QCursor hand = content::HandCursor(window->devicePixelRatioF());

    // Controls from the bottom of the stacking order to the top.
    auto* logo2 = new Picture(window, DrawMakerLogo);
    logo2->setObjectName(QStringLiteral("logo2"));
    logo2->setGeometry(Place(kLogo2));
    logo2->setCursor(hand);
    logo2->setToolTip(Logo2ToolTip());
    new ClickFilter(logo2, [this] { logo2_Click(); });

    auto* logo1 = new QWidget(window);
    logo1->setObjectName(QStringLiteral("logo1"));
    logo1->setGeometry(Place(kLogo1));
    QPalette white = logo1->palette();
    white.setColor(QPalette::Window, kPanelWhite);
    logo1->setPalette(white);
    logo1->setAutoFillBackground(true);

    auto* label1 = new QLabel(CreditLine(), window);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(Place(kLabel1));
    label1->setFont(WindowFont(kCreditPoints, true));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1->setWordWrap(true);
    // Green text on the system's window-background colour (normally white).
    QPalette credit = label1->palette();
    credit.setColor(QPalette::WindowText, kCreditGreen);
    label1->setPalette(credit);
    label1->setBackgroundRole(QPalette::Base);
    label1->setForegroundRole(QPalette::WindowText);
    label1->setAutoFillBackground(true);
    label1->setCursor(hand);
    label1->setToolTip(Label1ToolTip());
    new ClickFilter(label1, [this] { Label1_Click(); });

    auto* image1 = new Picture(window, DrawEmblem);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(Place(kImage1));
    image1->setCursor(hand);
    image1->setToolTip(Image1ToolTip());
    new ClickFilter(image1, [this] { Image1_Click(); });

    auto* cmdClose = new QPushButton(QStringLiteral("OK"), window);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(Place(kCmdClose));
    cmdClose->setDefault(true);
    QObject::connect(cmdClose, &QPushButton::clicked, window, [this] { cmdClose_Click(); });

    auto* comment = new QPlainTextEdit(window);
    comment->setObjectName(QStringLiteral("Comment"));
    comment->setGeometry(Place(kComment));
    comment->setReadOnly(true);
    comment->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comment->setTabChangesFocus(true);

    QWidget::setTabOrder(cmdClose, comment);
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
    window_->move(CentredTopLeft(window_->frameGeometry().size(), screen->geometry()));
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
