// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The faces of the program and the stand-ins for the window's fonts.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>

#include <algorithm>

#include "content/Fonts.h"
#include "content/Pictures.h"
#include "model/Design.h"

namespace alkynes::content {
namespace {

QFont FormulaFontAt1000() {
    QFont font = FormulaFont();
    font.setPixelSize(1000);
    return font;
}

TEST(Fonts, FormulaFaceIsBoldWithGreekLetters) {
    EXPECT_TRUE(QFontDatabase::writingSystems(FormulaFamily()).contains(QFontDatabase::Greek));
    const QFont font = FormulaFontAt1000();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), FormulaFamily());
    const QFontMetricsF metrics(font);
    EXPECT_TRUE(metrics.inFontUcs4(U'λ'));
    EXPECT_TRUE(metrics.inFontUcs4(U'ό'));
}

TEST(Fonts, FormulaFaceHasArialsMetrics) {
    // The widths are Arial Bold's, which only Arial and the faces made to
    // its metrics have; with any other face they say nothing of this code.
    const QFont font = FormulaFontAt1000();
    const QString face = QRawFont::fromFont(font).familyName();
    const bool arialMetrics = face == QStringLiteral("Arial") ||
                              face == QStringLiteral("Liberation Sans") ||
                              face == QStringLiteral("Arimo");
    if (!arialMetrics) {
        GTEST_SKIP() << "the widths checked are Arial Bold's, but the formulas are drawn with "
                     << face.toStdString()
                     << " here; install Arial or Liberation Sans (fonts-liberation) to run it";
    }
    const QFontMetricsF metrics(font);
    // Arial Bold's advance widths, in thousandths of the size.
    EXPECT_NEAR(metrics.horizontalAdvance(u'H'), 722, 6);
    EXPECT_NEAR(metrics.horizontalAdvance(u'l'), 278, 6);
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("NaOH")), 2778, 20);
}

TEST(Fonts, FaceBuildNamesTheFileThatDraws) {
    const QFont font = FormulaFontAt1000();
    const QRawFont raw = QRawFont::fromFont(font);
    const QString build = FaceBuild(font);
    EXPECT_TRUE(build.startsWith(raw.familyName() + QLatin1Char(' ') + raw.styleName() +
                                 QStringLiteral(", ")))
        << build.toStdString();
    // The version as font files write it in their naming table.
    EXPECT_TRUE(build.contains(QRegularExpression(QStringLiteral(", Version \\d"))))
        << build.toStdString();
}

TEST(Fonts, WindowFacesResolveToTheStandIns) {
    InstallFontSubstitutions();
    InstallFontSubstitutions();  // a second call changes nothing
    EXPECT_TRUE(QFontDatabase::writingSystems(DialogFamily()).contains(QFontDatabase::Greek));
    const QString textFace = QString::fromLatin1(design::kTextFace);
    QFont dialog(textFace);
    dialog.setPixelSize(16);
    dialog.setBold(true);
    EXPECT_EQ(QFontInfo(dialog).family(), DialogFamily());
    const QStringList substitutes = QFont::substitutes(textFace);
    EXPECT_EQ(std::count_if(substitutes.begin(), substitutes.end(),
                            [](const QString& s) {
                                return s.compare(DialogFamily(), Qt::CaseInsensitive) == 0;
                            }),
              1);
    QFont arial(QStringLiteral("Arial"));
    arial.setBold(true);
    const QString resolved = QFontInfo(arial).family();
    EXPECT_TRUE(resolved == FormulaFamily() || resolved == QStringLiteral("Arial"))
        << resolved.toStdString();
}

TEST(Fonts, PicturesLookTheSameAtEveryLogicalDpi) {
    // Texts are sized in the picture's own units, never in points, so the
    // resolution a device claims does not change them.
    auto render = [](int dotsPerInch) {
        QImage image(998, 74, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254));
        image.fill(Qt::transparent);
        QPainter painter(&image);
        DrawPicture(painter, {PictureKind::Reaction, 4}, QRectF(0, 0, 998, 74));
        return image;
    };
    const QImage at96 = render(96);
    EXPECT_EQ(at96, render(144));
    EXPECT_EQ(at96, render(192));
}

}  // namespace
}  // namespace alkynes::content
