// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts and addresses of the information commands.
#include <QUrl>

#include <gtest/gtest.h>

#include "info/InfoConfig.h"
#include "info/Texts.h"

namespace alkynes::info {
namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

const char* const kLine1 =
    "Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο πάνω μέρος του "
    "παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται σε κίτρινο πλαίσιο.";
const char* const kLine2 = "Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων.";
const char* const kLine3 = "Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας.";

TEST(HelpText, IsTheThreeSentencesJoinedByCrLf) {
    EXPECT_EQ(HelpLines(), QStringList({U(kLine1), U(kLine2), U(kLine3)}));
    EXPECT_EQ(HelpText(), U(kLine1) + "\r\n" + U(kLine2) + "\r\n" + U(kLine3));
    EXPECT_EQ(HelpTitle(), U("Βοήθεια"));

    const QString text = HelpText();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(text.count(QLatin1Char('\r')), 2);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 2);
    EXPECT_FALSE(text.startsWith(QLatin1Char('\r')) || text.startsWith(QLatin1Char('\n')));
    EXPECT_FALSE(text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')));
}

TEST(HelpText, ShownTextHasThreeLinesAndNoCarriageReturn) {
    const QString shown = ShownText(HelpText());
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
    EXPECT_EQ(shown.split(QLatin1Char('\n')), QStringList({U(kLine1), U(kLine2), U(kLine3)}));
}

TEST(ShownText, TurnsEveryLineBreakIntoOneLineFeed) {
    EXPECT_EQ(ShownText(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(ShownText(QStringLiteral("a\r\n\r\nb\r\n")), QStringLiteral("a\n\nb\n"));
    EXPECT_EQ(ShownText(QStringLiteral("a\rb")), QStringLiteral("a\nb"));
    EXPECT_EQ(ShownText(QStringLiteral("a\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(ShownText(QString()), QString());
}

TEST(Addresses, UseThePlainWebSchemeAndTheConfiguredHosts) {
    const QString school = QStringLiteral("http://") + U(config::kSchoolHost);
    const QString maker = QStringLiteral("http://") + U(config::kMakerHost);
    EXPECT_EQ(WorksheetUrl(), school + "/Lessons/04RIZAZARADA/Chemistry/Tessarine/QX/WS_OC_16.pdf");
    EXPECT_EQ(SchoolHomeUrl(), school + "/");
    EXPECT_EQ(ExerciseIri(), school + "/alkynes");
    EXPECT_EQ(CollectionUrl(),
              school + "/Lessons/04RIZAZARADA/Chemistry/Tessarine/QX/QXOrganicChemistryFrames.htm");
    EXPECT_EQ(MakerProgramsUrl(), maker + "/Free/GR/FreeFramesGR.htm");

    for (const QString& address :
         {WorksheetUrl(), SchoolHomeUrl(), CollectionUrl(), ExerciseIri()}) {
        const QUrl url(address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << address.toStdString();
        EXPECT_EQ(url.scheme(), QStringLiteral("http"));
        EXPECT_EQ(url.authority(), U(config::kSchoolHost));
    }
    const QUrl makerUrl(MakerProgramsUrl(), QUrl::StrictMode);
    EXPECT_TRUE(makerUrl.isValid());
    EXPECT_EQ(makerUrl.authority(), U(config::kMakerHost));
}

// The caption, the credit line and the tooltips are pinned as the about
// window shows them, for the default names and another school's, in
// FrmAboutTest.cpp and SchoolTest.cpp.

TEST(AboutTexts, NoticeNamesProgramUseAndMakerAndEndsWithCrLf) {
    const QString notice = BuildNotice();
    EXPECT_TRUE(notice.endsWith(QStringLiteral("\r\n")));
    EXPECT_FALSE(notice.endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_TRUE(notice.contains(U("Παρασκευές αλκινίων")));
    EXPECT_TRUE(notice.contains(U("οργανική χημεία")));
    EXPECT_TRUE(notice.contains(U("εκπαιδευτική")));
    EXPECT_TRUE(notice.contains(CreditLine()));
    EXPECT_TRUE(notice.contains(U(config::kSchoolName)));
    // Line breaks are CR LF throughout: no lone CR or LF.
    EXPECT_EQ(notice.count(QLatin1Char('\r')), notice.count(QStringLiteral("\r\n")));
    EXPECT_EQ(notice.count(QLatin1Char('\n')), notice.count(QStringLiteral("\r\n")));
    for (const QString& line : notice.chopped(2).split(QStringLiteral("\r\n"))) {
        EXPECT_FALSE(line.trimmed().isEmpty());
    }
}

TEST(CapitalsWithoutAccents, DropsAccentsKeepsDiaeresis) {
    EXPECT_EQ(CapitalsWithoutAccents(U("Γενικό Λύκειο Ορθάλιων")), U("ΓΕΝΙΚΟ ΛΥΚΕΙΟ ΟΡΘΑΛΙΩΝ"));
    EXPECT_EQ(CapitalsWithoutAccents(U("προϊόν")), U("ΠΡΟΪΟΝ"));
    EXPECT_EQ(CapitalsWithoutAccents(U("ΐ")), U("Ϊ"));
    EXPECT_EQ(CapitalsWithoutAccents(U("ἄνθρωπος")), U("ΑΝΘΡΩΠΟΣ"));
    EXPECT_EQ(CapitalsWithoutAccents(U("Lycée 7")), U("LYCEE 7"));
}

TEST(Lettering, KeepsAnOrdinalsEndingSmall) {
    const struct {
        const char* name;
        const char* lettering;
    } kCases[] = {
        {"Γενικό Λύκειο Ορθάλιων", "ΓΕΝΙΚΟ ΛΥΚΕΙΟ ΟΡΘΑΛΙΩΝ"},
        {"2ο Γενικό Λύκειο Πόλης", "2ο ΓΕΝΙΚΟ ΛΥΚΕΙΟ ΠΟΛΗΣ"},
        {"12ο Γυμνάσιο", "12ο ΓΥΜΝΑΣΙΟ"},
        {"1ος όροφος", "1ος ΟΡΟΦΟΣ"},
        {"3ΟΣ ΟΡΟΦΟΣ", "3ος ΟΡΟΦΟΣ"},        // final sigma, typed in capitals
        {"1ή Σχολή", "1η ΣΧΟΛΗ"},            // the ending loses its accent
        {"Λύκειο 2", "ΛΥΚΕΙΟ 2"},            // a digit at the end
        {"2 Λύκειο", "2 ΛΥΚΕΙΟ"},            // a space after the digit
        {"2ο/3ο Λύκειο", "2ο/3ο ΛΥΚΕΙΟ"},    // two ordinals
        {"Λύκειο-2ο Άνω", "ΛΥΚΕΙΟ-2ο ΑΝΩ"},  // after a hyphen
        {"", ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Lettering(U(c.name)), U(c.lettering)) << c.name;
    }
}

}  // namespace
}  // namespace alkynes::info
