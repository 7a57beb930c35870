// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/Artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringList>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "content/Look.h"
#include "info/Texts.h"
#include "model/Design.h"

namespace alkynes::info {
namespace {

// The emblem is designed on a grid of 213 × 213 units, its natural size in
// pixels (2.22 inch at 96 dpi).
constexpr qreal kGrid = 213;
constexpr QPointF kCentre(kGrid / 2, kGrid / 2);
constexpr qreal kOuterRing = 103.5;
constexpr qreal kOuterHairline = 98.5;
constexpr qreal kInnerHairline = 75.5;
constexpr qreal kInnerRing = 71.5;
// The band of lettering lies between the two hairlines.
constexpr qreal kLetterInner = 79.5;
constexpr qreal kLetterOuter = 95;

// The large letter in the shield: Λ for Λύκειο.
const QString kShieldLetter = QString::fromUtf8("Λ");

constexpr qreal Radians(qreal degrees) {
    return degrees * std::numbers::pi / 180.0;
}

QPointF OnCircle(qreal radius, qreal degrees) {
    return kCentre +
           QPointF(radius * std::cos(Radians(degrees)), radius * std::sin(Radians(degrees)));
}

QFont LetteringFont(qreal pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setStyleHint(QFont::Serif, QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(true);
    return font;
}

// The angle in degrees that an arc of `length` takes on a circle of `radius`.
qreal ArcDegrees(qreal length, qreal radius) {
    return length / radius * 180 / std::numbers::pi;
}

// Letters `text` along the circle of radius `baseline`, centred on the
// angle `middle` (degrees, clockwise from 3 o'clock), spread over at most
// `span` degrees (the letters shrink to fit).  Along the top (`top` true)
// the letters stand outwards and run clockwise; along the bottom they stand
// inwards and run anticlockwise, so that both read from left to right.
void LetterAlongCircle(QPainter& painter, const QString& text, qreal baseline, qreal middle,
                       qreal span, bool top) {
    constexpr qreal kPixelSize = 15;
    constexpr qreal kTracking = 1.6;  // extra room between letters
    QFont font = LetteringFont(kPixelSize);
    QFontMetricsF metrics(font);
    auto width = [&text](const QFontMetricsF& m) {
        qreal w = 0;
        for (const QChar c : text) {
            w += m.horizontalAdvance(c) + kTracking;
        }
        return w - kTracking;
    };
    // Lengths along the lettering are measured halfway up the letters.
    const qreal half = metrics.capHeight() / 2;
    const qreal radius = top ? baseline + half : baseline - half;
    const qreal room = radius * Radians(span);
    if (width(metrics) > room) {
        font.setPixelSize(std::max(1, qRound(kPixelSize * room / width(metrics))));
        metrics = QFontMetricsF(font);
    }
    painter.setFont(font);

    const qreal direction = top ? 1 : -1;
    qreal angle = middle - direction * ArcDegrees(width(metrics), radius) / 2;
    for (const QChar c : text) {
        const qreal advance = metrics.horizontalAdvance(c);
        const qreal centre = angle + direction * ArcDegrees(advance / 2, radius);
        painter.save();
        painter.translate(OnCircle(baseline, centre));
        painter.rotate(centre + (top ? 90 : -90));
        painter.drawText(QPointF(-advance / 2, 0), QString(c));
        painter.restore();
        angle += direction * ArcDegrees(advance + kTracking, radius);
    }
}

// A five-pointed star of outer radius `radius` around `centre`.
QPainterPath Star(QPointF centre, qreal radius) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.42;
        const qreal a = Radians(-90 + 36 * i);
        const QPointF p = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            star.moveTo(p);
        } else {
            star.lineTo(p);
        }
    }
    star.closeSubpath();
    return star;
}

// A heater shield: flat top with rounded shoulders, sides curving to a point.
QPainterPath Shield(QRectF box) {
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    const qreal cx = box.center().x();
    const qreal h = box.height();
    QPainterPath shield;
    shield.moveTo(l, t + h * 0.06);
    shield.quadTo(cx, t - h * 0.05, r, t + h * 0.06);
    shield.lineTo(r, t + h * 0.45);
    shield.cubicTo(r, t + h * 0.75, cx + box.width() * 0.2, t + h * 0.9, cx, b);
    shield.cubicTo(cx - box.width() * 0.2, t + h * 0.9, l, t + h * 0.75, l, t + h * 0.45);
    shield.closeSubpath();
    return shield;
}

// The shield with its letter, in the emblem's grid.
void DrawShield(QPainter& painter, const QColor& ink) {
    const QRectF shieldBox(kCentre.x() - 40, kCentre.y() - 47, 80, 98);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(Shield(shieldBox));
    painter.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(Shield(shieldBox.adjusted(5.5, 6, -5.5, -8)));

    QFont letterFont = LetteringFont(62);
    painter.setFont(letterFont);
    painter.setPen(ink);
    const QFontMetricsF letter(letterFont);
    const QRectF glyph = letter.tightBoundingRect(kShieldLetter);
    const QPointF letterCentre(kCentre.x(), shieldBox.top() + shieldBox.height() * 0.44);
    painter.drawText(letterCentre - glyph.center(), kShieldLetter);
}

}  // namespace

void DrawEmblem(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kGrid, target.height() / kGrid);

    const QColor ink = content::ToColor(design::about::kEmblemColor);
    painter.setBrush(Qt::NoBrush);
    auto ring = [&](qreal radius, qreal width) {
        painter.setPen(QPen(ink, width));
        painter.drawEllipse(kCentre, radius, radius);
    };
    ring(kOuterRing, 4);
    ring(kOuterHairline, 1.2);
    ring(kInnerHairline, 1.2);
    ring(kInnerRing, 3);

    // The school's name: the place name along the bottom, the rest along the top.
    QStringList words = EmblemLettering().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString bottom = words.size() > 1 ? words.takeLast() : QString();
    const QString top = words.join(QLatin1Char(' '));
    painter.setPen(ink);
    LetterAlongCircle(painter, top, kLetterInner + 1, -90, 150, true);
    if (!bottom.isEmpty()) {
        LetterAlongCircle(painter, bottom, kLetterOuter - 1, 90, 100, false);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal starRadius = (kLetterOuter + kLetterInner) / 2;
    painter.drawPath(Star(OnCircle(starRadius, 180 - 8), 5));
    painter.drawPath(Star(OnCircle(starRadius, 8), 5));

    DrawShield(painter, ink);

    painter.restore();
}

void DrawMakerLogo(QPainter& painter, const QRectF& target) {
    // A small drawing, parsed afresh each time: the about window paints it rarely.
    QSvgRenderer renderer(QStringLiteral(":/info/maker-logo.svg"));
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    painter.save();
    renderer.render(&painter, target);
    painter.restore();
}

}  // namespace alkynes::info
