// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: its design, its load and unload on every showing, its
// centring on the screen, its links and its modality.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "content/Twips.h"
#include "info/Commands.h"
#include "info/FrmAbout.h"
#include "info/Texts.h"
#include "info/tests/Support.h"

namespace alkynes::info {
namespace {

using testing::UrlRecorder;
using testing::WhenModal;

// Stands in for the main window: counts the mouse presses that reach it.
class MainStandIn : public QWidget {
  public:
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

// Clicks `window` at `pos` the way the window system does, so that modal
// blocking and the choice of the child under the pointer apply.
void SystemClick(QWidget* window, QPoint pos) {
    ASSERT_NE(window->windowHandle(), nullptr);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
}

// The pixel point of a twips position in the about window's client area.
QPoint Px(int x, int y) {
    return QPoint(x / 15, y / 15);
}

QPoint ExpectedTopLeft(const QWidget* window) {
    const QRect screen = window->screen()->geometry();
    const QSize outer = window->frameGeometry().size();
    return screen.topLeft() +
           QPoint(static_cast<int>(std::floor(screen.width() / 2.0 - outer.width() / 2.0)),
                  static_cast<int>(std::floor(screen.height() / 2.0 - outer.height() / 2.0)));
}

class AboutWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        main_.setGeometry(40, 30, 300, 200);  // well away from the screen's middle
        main_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main_));
    }
    void TearDown() override { frmAbout().Unload(); }

    // Loads the window and shows it without a modal loop.
    QDialog* LoadAndShow() {
        frmAbout().Load(&main_);
        QDialog* window = frmAbout().Window();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QTest::qWait(20);
        return window;
    }

    template <typename T = QWidget>
    static T* Control(const QDialog* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    MainStandIn main_;
};

TEST_F(AboutWindow, IsAFixedDialogWithItsCaptionSizeAndLook) {
    frmAbout().Load(&main_);
    QDialog* window = frmAbout().Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Παρασκευές αλκινίων, 2014"));
    EXPECT_EQ(window->size(), QSize(537, 355));
    EXPECT_EQ(window->minimumSize(), QSize(537, 355));
    EXPECT_EQ(window->maximumSize(), QSize(537, 355));
    EXPECT_FALSE(window->windowIcon().isNull());

    // A dialog of the main window (so not in the taskbar) with a close box
    // and neither minimize nor maximize buttons.
    EXPECT_EQ(window->windowType(), Qt::Dialog);
    EXPECT_EQ(window->parentWidget(), &main_);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);

    EXPECT_TRUE(window->autoFillBackground());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(64, 64, 64));
}

// At the zoom the main window chose (--scale 2), the whole window is twice
// as large.
TEST_F(AboutWindow, FollowsTheZoom) {
    twips::SetZoom(2);
    frmAbout().Load(&main_);
    const QSize size = frmAbout().Window()->size();
    frmAbout().Unload();
    twips::SetZoom(1);
    EXPECT_EQ(size, QSize(1074, 710));
}

TEST_F(AboutWindow, ControlsLieAtTheirRectanglesInStackingOrder) {
    frmAbout().Load(&main_);
    const QDialog* window = frmAbout().Window();
    ASSERT_NE(window, nullptr);

    struct Expected {
        const char* name;
        QRect rect;
    };
    const std::vector<Expected> expected = {
        {"logo2", QRect(268, 4, 267, 267)},     {"logo1", QRect(4, 4, 267, 267)},
        {"Label1", QRect(11, 84, 247, 111)},    {"Image1", QRect(164, 28, 213, 213)},
        {"cmdClose", QRect(208, 332, 129, 21)}, {"Comment", QRect(4, 272, 533, 53)},
    };
    QStringList order;
    for (const QObject* child : window->children()) {
        if (child->isWidgetType() && !child->objectName().startsWith(QLatin1String("qt_"))) {
            order << child->objectName();
        }
    }
    QStringList names;
    for (const Expected& e : expected) {
        names << QString::fromLatin1(e.name);
        const QWidget* control = Control(window, e.name);
        ASSERT_NE(control, nullptr) << e.name;
        EXPECT_EQ(control->geometry(), e.rect) << e.name;
    }
    EXPECT_EQ(order, names);  // bottom to top
}

TEST_F(AboutWindow, CreditPanelAndNoticeLookAsDesigned) {
    frmAbout().Load(&main_);
    const QDialog* window = frmAbout().Window();
    ASSERT_NE(window, nullptr);

    const QWidget* logo1 = Control(window, "logo1");
    EXPECT_TRUE(logo1->autoFillBackground());
    EXPECT_EQ(logo1->palette().color(logo1->backgroundRole()), QColor(255, 255, 255));

    const auto* label = Control<QLabel>(window, "Label1");
    EXPECT_EQ(label->text(), CreditLine());
    EXPECT_EQ(label->palette().color(label->foregroundRole()), QColor(0, 128, 0));
    EXPECT_EQ(label->backgroundRole(), QPalette::Base);  // the system's window background
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->font().pixelSize(), 32);
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);

    const auto* button = Control<QPushButton>(window, "cmdClose");
    EXPECT_EQ(button->text(), QStringLiteral("OK"));
    EXPECT_TRUE(button->isDefault());

    const auto* comment = Control<QPlainTextEdit>(window, "Comment");
    EXPECT_TRUE(comment->isReadOnly());
    EXPECT_EQ(comment->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(comment->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(frmAbout().Notice().endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(frmAbout().Notice(), BuildNotice());
    EXPECT_EQ(comment->toPlainText(), ShownText(frmAbout().Notice()));
    // The closing CR LF leaves an empty last line in the box.
    EXPECT_TRUE(comment->document()->lastBlock().text().isEmpty());
    EXPECT_FALSE(comment->document()->firstBlock().text().isEmpty());
    EXPECT_FALSE(comment->toPlainText().contains(QLatin1Char('\r')));

    for (const char* link : {"logo2", "Label1", "Image1"}) {
        const QCursor cursor = Control(window, link)->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << link;
        EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1)) << link;
    }
    EXPECT_EQ(Control(window, "logo2")->toolTip(), Logo2ToolTip());
    EXPECT_EQ(Control(window, "Label1")->toolTip(), Label1ToolTip());
    EXPECT_EQ(Control(window, "Image1")->toolTip(), Image1ToolTip());
    EXPECT_NE(Control(window, "logo1")->cursor().shape(), Qt::BitmapCursor);
}

TEST_F(AboutWindow, NoticeCannotBeEdited) {
    QDialog* window = LoadAndShow();
    auto* comment = Control<QPlainTextEdit>(window, "Comment");
    const QString before = comment->toPlainText();
    comment->setFocus();
    QTest::keyClicks(comment, QStringLiteral("xyz"));
    QTest::keyClick(comment, Qt::Key_Backspace);
    QTest::keyClick(comment, Qt::Key_Delete);
    EXPECT_EQ(comment->toPlainText(), before);
}

TEST_F(AboutWindow, LinksOpenTheirAddresses) {
    UrlRecorder recorder;
    QDialog* window = LoadAndShow();
    QTest::mouseClick(Control(window, "Image1"), Qt::LeftButton);
    QTest::mouseClick(Control(window, "Label1"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(Control(window, "logo2"), Qt::LeftButton, Qt::NoModifier, QPoint(250, 250));
    EXPECT_EQ(recorder.urls, QStringList({SchoolHomeUrl(), CollectionUrl(), MakerProgramsUrl()}));

    // Other buttons, and a press that is released elsewhere, open nothing.
    recorder.urls.clear();
    QWidget* image = Control(window, "Image1");
    QTest::mouseClick(image, Qt::RightButton);
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, QPoint(-30, 10));
    EXPECT_TRUE(recorder.urls.isEmpty());
}

TEST_F(AboutWindow, TabReachesTheLinksAfterTheNoticeAndEnterOrSpaceOpensThem) {
    UrlRecorder recorder;
    QDialog* window = LoadAndShow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Control(window, "cmdClose")->setFocus();
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({"Comment", "Label1", "Image1", "logo2", "cmdClose"}))
        << "the links in reading order, left to right";

    struct Press {
        const char* link;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        QString opens;  // empty: nothing
    };
    const std::vector<Press> presses = {
        {"Image1", Qt::Key_Return, Qt::NoModifier, false, SchoolHomeUrl()},
        {"Label1", Qt::Key_Space, Qt::NoModifier, false, CollectionUrl()},
        {"logo2", Qt::Key_Enter, Qt::KeypadModifier, false, MakerProgramsUrl()},
        {"Image1", Qt::Key_Return, Qt::NoModifier, true, {}},  // a held key opens once
        {"Image1", Qt::Key_Return, Qt::ControlModifier, false, {}},
        {"Label1", Qt::Key_Space, Qt::ShiftModifier, false, {}},
        {"logo2", Qt::Key_A, Qt::NoModifier, false, {}},
    };
    for (const Press& p : presses) {
        recorder.urls.clear();
        QWidget* link = Control(window, p.link);
        link->setFocus(Qt::TabFocusReason);
        QKeyEvent press(QEvent::KeyPress, p.key, p.modifiers, QString(), p.autoRepeat);
        QApplication::sendEvent(link, &press);
        EXPECT_EQ(recorder.urls, p.opens.isEmpty() ? QStringList() : QStringList({p.opens}))
            << p.link << " key " << p.key << " repeat " << p.autoRepeat;
    }
    EXPECT_TRUE(window->isVisible());  // Enter on a link is not the OK button's

    // A click opens the link but leaves the keyboard focus where it was.
    Control(window, "cmdClose")->setFocus();
    QTest::mouseClick(Control(window, "Image1"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Control(window, "cmdClose"));
}

TEST_F(AboutWindow, OnlyAFocusedLinkShowsItsRing) {
    QDialog* window = LoadAndShow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    for (const char* name : {"Image1", "Label1", "logo2"}) {
        QWidget* link = Control(window, name);
        Control(window, "cmdClose")->setFocus();
        const QImage plain = link->grab().toImage();
        link->setFocus(Qt::TabFocusReason);
        const QImage ringed = link->grab().toImage();
        const int h = ringed.height();
        // A white band outside a black one, two pixels each, on every side.
        for (const QPoint& p : {QPoint(0, h / 2), QPoint(1, 0), QPoint(ringed.width() - 1, h / 2),
                                QPoint(h / 2, h - 2)}) {
            EXPECT_EQ(ringed.pixelColor(p), QColor(Qt::white)) << name << " at " << p.x();
        }
        for (const QPoint& p : {QPoint(2, h / 2), QPoint(3, 3), QPoint(ringed.width() - 3, h / 2),
                                QPoint(h / 2, h - 4)}) {
            EXPECT_EQ(ringed.pixelColor(p), QColor(Qt::black)) << name << " at " << p.x();
        }
        EXPECT_EQ(ringed.pixelColor(ringed.rect().center()),
                  plain.pixelColor(plain.rect().center()))
            << name;
        Control(window, "cmdClose")->setFocus();
        EXPECT_EQ(link->grab().toImage(), plain) << name;  // no ring left behind
    }
}

TEST_F(AboutWindow, ScreenReadersReadNamedLinksThatTheirPressActionOpens) {
    UrlRecorder recorder;
    QDialog* window = LoadAndShow();
    struct Link {
        const char* name;
        QString accessibleName, description, url;
    };
    const std::vector<Link> links = {
        {"Image1", QString::fromUtf8("Έμβλημα του σχολείου"), Image1ToolTip(), SchoolHomeUrl()},
        {"Label1", CreditLine(), Label1ToolTip(), CollectionUrl()},
        {"logo2", QString::fromUtf8("Λογότυπο του κατασκευαστή"), Logo2ToolTip(),
         MakerProgramsUrl()},
    };
    for (const Link& link : links) {
        QAccessibleInterface* a11y =
            QAccessible::queryAccessibleInterface(Control(window, link.name));
        ASSERT_NE(a11y, nullptr) << link.name;
        EXPECT_EQ(a11y->role(), QAccessible::Link) << link.name;
        EXPECT_EQ(a11y->text(QAccessible::Name), link.accessibleName);
        EXPECT_EQ(a11y->text(QAccessible::Description), link.description);
        EXPECT_TRUE(a11y->state().focusable) << link.name;
        ASSERT_NE(a11y->actionInterface(), nullptr) << link.name;
        recorder.urls.clear();
        a11y->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(recorder.urls, QStringList({link.url})) << link.name;
    }
    // Opening, the window reads the credit and the notice after its title.
    const QString read = QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description);
    EXPECT_TRUE(read.startsWith(CreditLine())) << read.toStdString();
    for (const QString& line : ShownText(frmAbout().Notice()).split(QLatin1Char('\n'))) {
        EXPECT_TRUE(read.contains(line)) << line.toStdString();
    }
    // The white panel is no link.
    EXPECT_NE(QAccessible::queryAccessibleInterface(Control(window, "logo1"))->role(),
              QAccessible::Link);
}

TEST_F(AboutWindow, ClicksGoToTheTopmostControlUnderThePointer) {
    UrlRecorder recorder;
    QDialog* window = LoadAndShow();
    // Where the emblem overlaps the credit label, the emblem takes the click.
    SystemClick(window, Px(2460 + 30, 1260 + 30));
    SystemClick(window, Px(3150, 2100));
    SystemClick(window, Px(3870 - 30, 2925 - 30));
    EXPECT_EQ(recorder.urls, QStringList({SchoolHomeUrl(), SchoolHomeUrl(), SchoolHomeUrl()}));

    recorder.urls.clear();
    SystemClick(window, Px(1000, 2000));  // the label left of the emblem
    SystemClick(window, Px(7000, 2000));  // the logo right of the emblem
    SystemClick(window, Px(7000, 300));   // the logo above the emblem
    SystemClick(window, Px(1000, 500));   // the white panel: not a link
    SystemClick(window, Px(7000, 4950));  // the dark window background
    EXPECT_EQ(recorder.urls,
              QStringList({CollectionUrl(), MakerProgramsUrl(), MakerProgramsUrl()}));
}

TEST_F(AboutWindow, ShowingCentresOnTheScreenAndClosingUnloads) {
    QPointer<QDialog> first;
    QPoint firstPos, firstExpected;
    QString firstFocus, afterTab,
        afterSecondTab;  // names: the window is gone when they are checked
    WhenModal([&](QWidget* modal) {
        first = frmAbout().Window();
        EXPECT_EQ(modal, first.data());
        firstPos = modal->frameGeometry().topLeft();
        firstExpected = ExpectedTopLeft(modal);
        auto name = [](const QWidget* w) { return w != nullptr ? w->objectName() : QString(); };
        firstFocus = name(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        afterTab = name(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        afterSecondTab = name(QApplication::focusWidget());
        // The student moves the window and spoils the notice; then presses OK.
        modal->move(10, 15);
        Control<QPlainTextEdit>(first, "Comment")->setPlainText(QStringLiteral("changed"));
        QTest::qWait(20);
        QTest::mouseClick(Control(first, "cmdClose"), Qt::LeftButton);
    });
    frmAbout().Show(&main_);
    EXPECT_EQ(firstPos, firstExpected);
    EXPECT_EQ(firstFocus, QStringLiteral("cmdClose"));
    EXPECT_EQ(afterTab, QStringLiteral("Comment"));
    EXPECT_EQ(afterSecondTab, QStringLiteral("Label1"));  // the links follow the notice
    EXPECT_TRUE(first.isNull());                          // OK destroyed the window
    EXPECT_FALSE(frmAbout().IsLoaded());

    QPointer<QDialog> second;
    QPoint secondPos, secondExpected;
    QString secondText;
    WhenModal([&](QWidget* modal) {
        second = frmAbout().Window();
        secondPos = modal->frameGeometry().topLeft();
        secondExpected = ExpectedTopLeft(modal);
        secondText = Control<QPlainTextEdit>(second, "Comment")->toPlainText();
        modal->close();  // the close box
    });
    frmAbout().Show(&main_);
    ASSERT_FALSE(secondExpected.isNull());
    EXPECT_EQ(secondPos, secondExpected);  // centred again after the move
    EXPECT_NE(secondPos, QPoint(10, 15));
    EXPECT_EQ(secondText, ShownText(BuildNotice()));  // the load step ran again
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(frmAbout().IsLoaded());
}

TEST_F(AboutWindow, MainWindowTakesNoInputWhileItIsOpen) {
    SystemClick(&main_, QPoint(100, 100));
    ASSERT_EQ(main_.presses, 1);  // clicks do reach the main window

    int pressesWhileOpen = -1;
    bool ran = false;
    WhenModal(
        [&](QWidget* modal) {
            SystemClick(&main_, QPoint(100, 100));
            SystemClick(&main_, QPoint(20, 20));
            QTest::qWait(20);
            pressesWhileOpen = main_.presses;
            modal->close();
        },
        &ran);
    mnuAbout_Click(&main_);
    ASSERT_TRUE(ran);
    EXPECT_EQ(pressesWhileOpen, 1);

    SystemClick(&main_, QPoint(100, 100));
    EXPECT_EQ(main_.presses, 2);  // and reach it again once the window is closed
}

TEST(CentredTopLeft, HalvesTheScreenAndTheWindowFirst) {
    EXPECT_EQ(CentredTopLeft(QSize(543, 384), QRect(0, 0, 1280, 1024)), QPoint(368, 320));
    EXPECT_EQ(CentredTopLeft(QSize(537, 355), QRect(0, 0, 1280, 1024)), QPoint(371, 334));
    // A second screen to the right of the first.
    EXPECT_EQ(CentredTopLeft(QSize(537, 355), QRect(1280, 0, 1024, 768)), QPoint(1523, 206));
    // A window larger than the screen starts before the screen's origin.
    EXPECT_EQ(CentredTopLeft(QSize(537, 355), QRect(0, 0, 400, 300)), QPoint(-69, -28));
}

}  // namespace
}  // namespace alkynes::info
