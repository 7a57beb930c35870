// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Formula.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QTextLayout>

#include "content/Fonts.h"

namespace alkynes::content {
namespace {

// The typesetting of a formula, as fractions of its font size.
constexpr qreal kSubscriptScale = 0.55;    // atom counts: about half the height
constexpr qreal kSubscriptDrop = 0.22;     // their baseline below the main one
constexpr qreal kSuperscriptScale = 0.55;  // the small raised "o"
constexpr qreal kSuperscriptRise = 0.40;   // its baseline above the main one
constexpr qreal kBondLength = 0.50;        // the strokes of a triple bond
constexpr qreal kBondSideGap = 0.07;       // space between bond and letters
constexpr qreal kBondStroke = 0.075;       // thickness of one stroke
constexpr qreal kBondSpacing = 0.17;       // centre to centre of the strokes
constexpr qreal kBalanceNudge = 0.05;      // lift for the hanging atom counts

// Glyph outlines are taken at this pixel size, unhinted, and scaled down to
// em = 1, so that a formula keeps its exact proportions at every size.
constexpr int kReferencePixels = 1000;

QFont ReferenceFont(qreal scale) {
    QFont font = FormulaFont();
    font.setPixelSize(static_cast<int>(kReferencePixels * scale));
    return font;
}

bool IsAtomCountContext(QChar previous, RunKind previousKind) {
    return previous.isLetter() || previous == u')' ||
           (previousKind == RunKind::Subscript && previous.isDigit());
}

void Append(Formula& formula, RunKind kind, QChar c) {
    if (!formula.runs.empty() && formula.runs.back().kind == kind && kind != RunKind::TripleBond) {
        formula.runs.back().text.append(c);
        return;
    }
    formula.runs.push_back({kind, kind == RunKind::TripleBond ? QString() : QString(c)});
}

// The outlines of `text` in `font`, its baseline at y = 0, shaped as
// QPainterPath::addText would.  Formulas repeat a handful of letters, so
// each glyph's outline is taken from the font once and then reused.
QPainterPath TextOutline(const QFont& font, const QString& text) {
    static QHash<QPair<QString, quint32>, QPainterPath> glyphs;  // by face and glyph
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    QPainterPath outline;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QString face = raw.familyName() + QLatin1Char('/') + raw.styleName();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QPair<QString, quint32> key(face, indexes[i]);
            auto it = glyphs.find(key);
            if (it == glyphs.end()) {
                it = glyphs.insert(key, raw.pathForGlyph(indexes[i]));
            }
            outline.addPath(it->translated(positions[i].x(), positions[i].y() - line.ascent()));
        }
    }
    return outline;
}

// Adds `text` at (x, y) scaled by `scale` about its own origin.  The small
// atom counts and the raised "o" are the outlines of the normal size scaled
// down: unhinted outlines scale exactly, and one font serves every run.
void AddScaledText(QPainterPath& path, qreal x, qreal y, const QFont& font, const QString& text,
                   qreal scale) {
    path.addPath(QTransform(scale, 0, 0, scale, x, y).map(TextOutline(font, text)));
}

FormulaShape Typeset(const Formula& formula) {
    const QFont normal = ReferenceFont(1.0);
    const QFontMetricsF normalMetrics(normal);
    const qreal ref = kReferencePixels;
    static const qreal capHeight = normalMetrics.capHeight();  // of the one reference font

    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    qreal x = 0;
    for (const Run& run : formula.runs) {
        switch (run.kind) {
            case RunKind::Normal:
                AddScaledText(path, x, 0, normal, run.text, 1.0);
                x += normalMetrics.horizontalAdvance(run.text);
                break;
            case RunKind::Subscript:
                AddScaledText(path, x, kSubscriptDrop * ref, normal, run.text, kSubscriptScale);
                x += kSubscriptScale * normalMetrics.horizontalAdvance(run.text);
                break;
            case RunKind::Superscript:
                AddScaledText(path, x, -kSuperscriptRise * ref, normal, run.text,
                              kSuperscriptScale);
                x += kSuperscriptScale * normalMetrics.horizontalAdvance(run.text);
                break;
            case RunKind::TripleBond: {
                // The three strokes are centred on the middle of the capitals.
                const qreal left = x + kBondSideGap * ref;
                const qreal middle = -capHeight / 2;
                for (int i = -1; i <= 1; ++i) {
                    const qreal centre = middle + i * kBondSpacing * ref;
                    path.addRect(QRectF(left, centre - kBondStroke * ref / 2, kBondLength * ref,
                                        kBondStroke * ref));
                }
                x += (kBondLength + 2 * kBondSideGap) * ref;
                break;
            }
        }
    }
    FormulaShape shape;
    shape.path = QTransform::fromScale(1 / ref, 1 / ref).map(path);
    shape.advance = x / ref;
    shape.capHeight = capHeight / ref;
    return shape;
}

}  // namespace

Formula ParseFormula(QStringView notation) {
    Formula formula;
    QChar previous;
    RunKind previousKind = RunKind::Normal;
    for (qsizetype i = 0; i < notation.size(); ++i) {
        const QChar c = notation[i];
        RunKind kind = RunKind::Normal;
        QChar shown = c;
        if (c == u'≡') {
            kind = RunKind::TripleBond;
        } else if (c == u'^' && i + 1 < notation.size()) {
            kind = RunKind::Superscript;
            shown = notation[++i];
        } else if (c.isDigit() && IsAtomCountContext(previous, previousKind)) {
            kind = RunKind::Subscript;
        }
        Append(formula, kind, shown);
        previous = shown;
        previousKind = kind;
    }
    return formula;
}

QString ToUnicode(const Formula& formula) {
    QString text;
    for (const Run& run : formula.runs) {
        switch (run.kind) {
            case RunKind::Normal:
                text += run.text;
                break;
            case RunKind::Subscript:
                for (QChar c : run.text) {
                    text += QChar(u'₀' + c.digitValue());
                }
                break;
            case RunKind::Superscript:
                for (QChar c : run.text) {
                    text += u'^';
                    text += c;
                }
                break;
            case RunKind::TripleBond:
                text += u'≡';
                break;
        }
    }
    return text;
}

FormulaShape ShapeFormula(const Formula& formula) {
    // The pictures hold a few dozen distinct texts; each is typeset once.
    static QHash<QString, FormulaShape> shapes;
    const QString key = ToUnicode(formula);
    auto it = shapes.find(key);
    if (it == shapes.end()) {
        it = shapes.insert(key, Typeset(formula));
    }
    return it.value();
}

qreal BaselineFor(const FormulaShape& shape, qreal centre, qreal em) {
    return centre + em * (shape.capHeight / 2 - kBalanceNudge);
}

}  // namespace alkynes::content
