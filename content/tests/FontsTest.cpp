// The faces of the program and the stand-ins for the window's fonts.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

#include "content/Fonts.h"
#include "content/Pictures.h"

namespace alkynes::content {
namespace {

TEST(Fonts, FormulaFaceHasArialsMetricsAndGreekLetters) {
    EXPECT_TRUE(QFontDatabase::writingSystems(FormulaFamily()).contains(QFontDatabase::Greek));
    QFont font = FormulaFont();
    font.setPixelSize(1000);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), FormulaFamily());
    const QFontMetricsF metrics(font);
    // Arial Bold's advance widths, in thousandths of the size.
    EXPECT_NEAR(metrics.horizontalAdvance(u'H'), 722, 6);
    EXPECT_NEAR(metrics.horizontalAdvance(u'l'), 278, 6);
    EXPECT_NEAR(metrics.horizontalAdvance(QStringLiteral("NaOH")), 2778, 20);
    EXPECT_TRUE(metrics.inFontUcs4(U'λ'));
    EXPECT_TRUE(metrics.inFontUcs4(U'ό'));
}

TEST(Fonts, WindowFacesResolveToTheStandIns) {
    InstallFontSubstitutions();
    InstallFontSubstitutions();  // a second call changes nothing
    EXPECT_TRUE(QFontDatabase::writingSystems(DialogFamily()).contains(QFontDatabase::Greek));
    QFont dialog(QStringLiteral("MS Sans Serif"));
    dialog.setPixelSize(16);
    dialog.setBold(true);
    EXPECT_EQ(QFontInfo(dialog).family(), DialogFamily());
    const QStringList substitutes = QFont::substitutes(QStringLiteral("MS Sans Serif"));
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
