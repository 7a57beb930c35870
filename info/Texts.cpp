// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/Texts.h"

#include <QRegularExpression>

#include "info/InfoConfig.h"
#include "model/Design.h"

namespace alkynes::info {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

QString OnServer(const char* host, const char* path) {
    return QStringLiteral("http://") + Utf8(host) + Utf8(path);
}

}  // namespace

QStringList HelpLines() {
    return {
        Utf8("Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο πάνω "
             "μέρος του παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται σε κίτρινο "
             "πλαίσιο."),
        Utf8("Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων."),
        Utf8("Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας."),
    };
}

QString HelpText() {
    return HelpLines().join(kCrLf);
}

QString HelpTitle() {
    return Utf8("Βοήθεια");
}

QString ShownText(const QString& text) {
    QString shown = text;
    shown.replace(kCrLf, QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString WorksheetUrl() {
    return OnServer(config::kSchoolHost,
                    "/Lessons/04RIZAZARADA/Chemistry/Tessarine/QX/WS_OC_16.pdf");
}

QString SchoolHomeUrl() {
    return OnServer(config::kSchoolHost, "/");
}

QString CollectionUrl() {
    return OnServer(config::kSchoolHost,
                    "/Lessons/04RIZAZARADA/Chemistry/Tessarine/QX/QXOrganicChemistryFrames.htm");
}

QString ExerciseIri() {
    return OnServer(config::kSchoolHost, "/alkynes");
}

QString MakerProgramsUrl() {
    return OnServer(config::kMakerHost, "/Free/GR/FreeFramesGR.htm");
}

QString AboutCaption() {
    return Utf8(design::kTitle) + Utf8(", 2014");
}

QString CreditLine() {
    return Utf8("Δρ. ") + Utf8(config::kAuthor) + Utf8(", Χημικός");
}

QString Image1ToolTip() {
    return Utf8("κλικ για να συνδεθείτε με την ιστοσελίδα του ") + Utf8(config::kSchoolGenitive);
}

QString Label1ToolTip() {
    return Utf8("κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων ") +
           Utf8(config::kAuthorArticle) + QLatin1Char(' ') + Utf8(config::kAuthorGenitive);
}

QString Logo2ToolTip() {
    return Utf8("κλικ για να συνδεθείτε με την ") + Utf8(config::kMakerHost);
}

QString BuildNotice() {
    const QStringList lines = {
        Utf8("«") + Utf8(design::kTitle) +
            Utf8("»: φύλλο εργασίας για την εισαγωγή στην οργανική χημεία."),
        Utf8("Πρόγραμμα για εκπαιδευτική χρήση, στην τάξη και στο σπίτι."),
        Utf8("Δημιουργός: ") + CreditLine() + Utf8(" — ") + Utf8(config::kSchoolName) +
            QLatin1Char('.'),
    };
    return lines.join(kCrLf) + kCrLf;
}

QString EmblemLettering() {
    return Lettering(Utf8(config::kSchoolName));
}

QString Lettering(const QString& name) {
    // The letters right after a digit are an ordinal's ending ("2ο", "1ης").
    static const QRegularExpression ordinal(QStringLiteral("(?<=\\d)\\p{L}+"));
    QString lettering;
    qsizetype done = 0;
    for (auto matches = ordinal.globalMatch(name); matches.hasNext();) {
        const QRegularExpressionMatch ending = matches.next();
        lettering += CapitalsWithoutAccents(name.mid(done, ending.capturedStart() - done));
        QString small = WithoutAccents(ending.captured().toLower());
        if (small.endsWith(QChar(0x03C3))) {  // σ at the end of a word is ς
            small.back() = QChar(0x03C2);
        }
        lettering += small;
        done = ending.capturedEnd();
    }
    return lettering + CapitalsWithoutAccents(name.mid(done));
}

QString CapitalsWithoutAccents(const QString& text) {
    return WithoutAccents(text.toUpper());
}

QString WithoutAccents(const QString& text) {
    // Decompose, drop the accent and breathing marks (keeping the diaeresis),
    // compose again.
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString bare;
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing || c == QChar(0x0308)) {
            bare += c;
        }
    }
    return bare.normalized(QString::NormalizationForm_C);
}

}  // namespace alkynes::info
