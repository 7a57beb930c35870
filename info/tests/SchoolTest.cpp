// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window as a copy built for one school shows it: the tooltips,
// the notice, the emblem's lettering and the links name that school and its
// author.  Compiled twice, against the default names and against the names
// of the README's example of a build for another school
// (ALKYNES_README_EXAMPLE).
#include <QDialog>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "info/FrmAbout.h"
#include "info/Texts.h"
#include "info/tests/Support.h"

namespace alkynes::info {
namespace {

struct School {
    const char* emblemToolTip;
    const char* creditToolTip;
    const char* logoToolTip;
    const char* credit;
    const char* noticeMaker;  // the notice's last line
    const char* lettering;
    const char* homePage;
};

#if defined(ALKYNES_README_EXAMPLE)
#define ALKYNES_SCHOOL_SUITE AboutWindowForTheReadmeExample
constexpr School kSchool = {
    "κλικ για να συνδεθείτε με την ιστοσελίδα του 2ου Γενικού Λυκείου Πόλης",
    "κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων της Μαρίας Νικολάου",
    "κλικ για να συνδεθείτε με την www.mymaker.gr",
    "Δρ. Μαρία Νικολάου, Χημικός",
    "Δημιουργός: Δρ. Μαρία Νικολάου, Χημικός — 2ο Γενικό Λύκειο Πόλης.",
    "2ο ΓΕΝΙΚΟ ΛΥΚΕΙΟ ΠΟΛΗΣ",
    "http://www.myschool.gr/",
};
#else
#define ALKYNES_SCHOOL_SUITE AboutWindowForTheDefaultSchool
constexpr School kSchool = {
    "κλικ για να συνδεθείτε με την ιστοσελίδα του Λυκείου Ορθάλιων",
    "κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων του Γιώργου Παπαδόπουλου",
    "κλικ για να συνδεθείτε με την www.logismika-orthalion.example",
    "Δρ. Γιώργος Παπαδόπουλος, Χημικός",
    "Δημιουργός: Δρ. Γιώργος Παπαδόπουλος, Χημικός — Γενικό Λύκειο Ορθάλιων.",
    "ΓΕΝΙΚΟ ΛΥΚΕΙΟ ΟΡΘΑΛΙΩΝ",
    "http://www.lykeio-orthalion.example/",
};
#endif

QString U(const char* text) {
    return QString::fromUtf8(text);
}

TEST(ALKYNES_SCHOOL_SUITE, NamesTheSchoolAndItsAuthor) {
    QWidget main;
    frmAbout().Load(&main);
    const QDialog* window = frmAbout().Window();
    ASSERT_NE(window, nullptr);
    auto tip = [window](const char* control) {
        const auto* widget = window->findChild<QWidget*>(QString::fromLatin1(control));
        return widget != nullptr ? widget->toolTip() : QStringLiteral("<no %1>").arg(control);
    };
    EXPECT_EQ(tip("Image1"), U(kSchool.emblemToolTip));
    EXPECT_EQ(tip("Label1"), U(kSchool.creditToolTip));
    EXPECT_EQ(tip("logo2"), U(kSchool.logoToolTip));

    const auto* comment = window->findChild<QPlainTextEdit*>(QStringLiteral("Comment"));
    ASSERT_NE(comment, nullptr);
    const QStringList lines = comment->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.at(lines.size() - 2), U(kSchool.noticeMaker));
    EXPECT_EQ(CreditLine(), U(kSchool.credit));
    EXPECT_EQ(EmblemLettering(), U(kSchool.lettering));

    testing::UrlRecorder recorder;
    frmAbout().Image1_Click();
    EXPECT_EQ(recorder.urls, QStringList{U(kSchool.homePage)});
    frmAbout().Unload();
}

}  // namespace
}  // namespace alkynes::info
