// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The help and worksheet commands and the one URL opener of the program.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include <gtest/gtest.h>

#include <stdexcept>

#include "info/Commands.h"
#include "info/OpenUrl.h"
#include "info/Texts.h"
#include "info/tests/Support.h"

namespace alkynes::info {
namespace {

using testing::UrlRecorder;
using testing::WhenModal;

// With the program's Greek catalogue of Qt's texts installed (TestMain),
// the button still reads OK.
TEST(HelpBox, IsAnInformationBoxWithOneOkButton) {
    const auto box = MakeHelpBox(nullptr);
    EXPECT_EQ(box->windowTitle(), HelpTitle());
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(box->text(), ShownText(HelpText()));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(HelpBox, ShowsThreeLinesWithTheFirstWrapped) {
    const auto box = MakeHelpBox(nullptr);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->text().contains(QLatin1Char('\r')));
    EXPECT_EQ(label->text().split(QLatin1Char('\n')), HelpLines());
    // The long first sentence takes more than one line of the box: the text
    // is taller than three lines.
    const int lineHeight = label->fontMetrics().lineSpacing();
    EXPECT_TRUE(label->wordWrap());
    EXPECT_GE(label->height(), 4 * lineHeight);
    box->close();
}

TEST(HelpCommand, IsModalAndReturnsOnOk) {
    bool ran = false;
    bool modal = false;
    QString title;
    WhenModal(
        [&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            modal = box->isModal() && box->windowModality() == Qt::ApplicationModal;
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        },
        &ran);
    mnuHelp_Click(nullptr);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, HelpTitle());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WorksheetCommand, AsksForTheWorksheetOnce) {
    UrlRecorder recorder;
    mnuSheet_Click();
    EXPECT_EQ(recorder.urls, QStringList({WorksheetUrl()}));
}

TEST(WorksheetCommand, FailingOpenerShowsNothing) {
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    UrlRecorder refusing(/*accept=*/false);
    mnuSheet_Click();
    EXPECT_EQ(refusing.urls.size(), 1);
    {
        const UrlOpener previous =
            SetUrlOpener([](const QUrl&) -> bool { throw std::runtime_error("no browser"); });
        EXPECT_NO_THROW(mnuSheet_Click());
        SetUrlOpener(previous);
    }
    QApplication::processEvents();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(OpenUrl, PassesValidAddressesOnly) {
    UrlRecorder recorder;
    OpenUrl(QStringLiteral("http://www.example.org/a%20b.htm"));
    OpenUrl(QStringLiteral("http://exa mple.org/"));  // not a URL: nothing is opened
    OpenUrl(QString());
    EXPECT_EQ(recorder.urls, QStringList({QStringLiteral("http://www.example.org/a%20b.htm")}));
}

TEST(OpenUrl, SetUrlOpenerHandsBackTheReplacedOpener) {
    UrlRecorder recorder;
    // An empty opener puts the desktop's one back; the recorder no longer hears.
    const UrlOpener replaced = SetUrlOpener(nullptr);
    OpenUrl(QStringLiteral("http://www.example.org/"));
    EXPECT_TRUE(recorder.urls.isEmpty());
    // What came back is the recorder's opener; installing it again restores it.
    SetUrlOpener(replaced);
    OpenUrl(QStringLiteral("http://www.example.org/"));
    EXPECT_EQ(recorder.urls, QStringList({QStringLiteral("http://www.example.org/")}));
}

}  // namespace
}  // namespace alkynes::info
