// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes one PNG showing every picture of the exercise: the nine compound
// tiles and the five equations at 1× and 2× (empty, and with the right
// pieces snapped into their slots and the coefficient boxes outlined), and
// the window icon, hand cursor and drag icon, magnified to show their
// pixels.
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>

#include "content/DrawingApplication.h"
#include "content/Look.h"
#include "content/Pictures.h"
#include "content/Twips.h"
#include "core/AnswerKey.h"
#include "core/Board.h"
#include "drag/Placement.h"
#include "model/Design.h"
#include "model/FormModel.h"

namespace {

using namespace alkynes;
using content::PictureCache;
using content::ShownSize;

constexpr int kMargin = 16;
constexpr int kGap = 10;

struct Sheet {
    QImage image;
    QPainter painter;
    int y = kMargin;

    explicit Sheet(QSize size) : image(size, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
    }

    void Heading(const QString& text) {
        QFont font(QString::fromLatin1(design::kTextFace));
        font.setPixelSize(16);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(kMargin, y + 14), text);
        y += 24;
    }
};

const design::ControlDesign* Find(ControlName name, int index) {
    for (const design::ControlDesign& control : design::Controls()) {
        if (control.name == name && control.index == index) {
            return &control;
        }
    }
    return nullptr;
}

// Draws a device-pixel copy of `pixmap` at `at`, one sheet pixel per device pixel.
void Blit(QPainter& painter, QPointF at, QPixmap pixmap, int magnify = 1) {
    pixmap.setDevicePixelRatio(1);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QRectF(at, QSizeF(pixmap.size() * magnify)), pixmap, pixmap.rect());
    painter.restore();
}

void Tiles(Sheet& sheet, PictureCache& cache, double dpr) {
    const QSize logical = ShownSize({PictureKind::Compound, 0});  // every tile's
    int x = kMargin;
    for (int k = 0; k < design::kMasterPieces; ++k) {
        const QPixmap& tile =
            cache.Pixmap({PictureKind::Compound, static_cast<std::int8_t>(k)}, logical, dpr);
        if (x + tile.width() > sheet.image.width() - kMargin) {
            x = kMargin;
            sheet.y += tile.height() + kGap;
        }
        Blit(sheet.painter, QPointF(x, sheet.y), tile);
        x += tile.width() + kGap;
    }
    sheet.y += static_cast<int>(logical.height() * dpr) + 2 * kGap;
}

// One equation on a strip of its frame's pale yellow; with `pieces`, the
// right compounds lie in its slots and the coefficient boxes are outlined.
void Equation(Sheet& sheet, PictureCache& cache, int r, double dpr, bool pieces) {
    const design::ControlDesign* picture = Find(ControlName::ImgSyntactic, r);
    const PictureRef reaction{PictureKind::Reaction, static_cast<std::int8_t>(r)};
    const QPixmap& equation = cache.Pixmap(reaction, ShownSize(reaction), dpr);
    const QRectF strip(kMargin - 6, sheet.y - 6, equation.width() + 12, equation.height() + 12);
    sheet.painter.fillRect(strip, content::ToColor(design::kFrame.fill));
    Blit(sheet.painter, QPointF(kMargin, sheet.y), equation);
    if (pieces) {
        // Where the drag rules snap each slot's piece, and what the answer
        // key puts there.
        static const FormModel form;
        const auto places = SlotsOfReaction(r);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const Point at = SlotPosition(form, places[i], 0);
            const double left = at.Left - picture->left;
            const double top = at.Top - picture->top;
            const PictureRef compound{
                PictureKind::Compound,
                static_cast<std::int8_t>(kAnswerKey[static_cast<std::size_t>(r)].compounds[i])};
            const QPixmap& piece = cache.Pixmap(compound, ShownSize(compound), dpr);
            Blit(sheet.painter,
                 QPointF(kMargin, sheet.y) + twips::ToPixels(QPointF(left, top), 1) * dpr, piece);
        }
        sheet.painter.setPen(QPen(Qt::red, 1));
        sheet.painter.setBrush(Qt::NoBrush);
        for (const design::ControlDesign& box : design::Controls()) {
            if (box.name != ControlName::tCoefficient || box.top < picture->top ||
                box.top >= picture->top + picture->height) {
                continue;
            }
            const QRectF at = twips::ToPixels(
                QRectF(box.left - picture->left, box.top - picture->top, box.width, box.height), 1);
            sheet.painter.drawRect(QRectF(kMargin + at.x() * dpr, sheet.y + at.y() * dpr,
                                          at.width() * dpr - 1, at.height() * dpr - 1));
        }
    }
    sheet.y += equation.height() + 2 * kGap;
}

void Artwork(Sheet& sheet) {
    int x = kMargin;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        Blit(sheet.painter, QPointF(x, sheet.y), content::WindowIconPixmap(size));
        x += size + kGap;
    }
    x += 2 * kGap;
    // The hand cursor and the drag icon, at 1× and 2×, magnified so their
    // pixels show; the cursor's hot spot is marked by a red cross.
    for (double dpr : {1.0, 2.0}) {
        const int magnify = dpr == 1.0 ? 6 : 3;
        const QCursor cursor = content::HandCursor(dpr);
        sheet.painter.fillRect(QRectF(x, sheet.y, 192, 192), QColor(200, 220, 200));
        Blit(sheet.painter, QPointF(x, sheet.y), cursor.pixmap(), magnify);
        const QPointF hot(x + (cursor.hotSpot().x() + 0.5) * dpr * magnify,
                          sheet.y + (cursor.hotSpot().y() + 0.5) * dpr * magnify);
        sheet.painter.setPen(QPen(Qt::red, 1));
        sheet.painter.drawLine(hot - QPointF(4, 0), hot + QPointF(4, 0));
        sheet.painter.drawLine(hot - QPointF(0, 4), hot + QPointF(0, 4));
        x += 192 + kGap;
        sheet.painter.fillRect(QRectF(x, sheet.y, 192, 192), QColor(200, 200, 220));
        Blit(sheet.painter, QPointF(x, sheet.y), content::DragIconPixmap(dpr), magnify);
        x += 192 + kGap;
    }
    sheet.y += 256 + kGap;
}

}  // namespace

int main(int argc, char** argv) {
    const content::DrawingApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact_sheet <file.png>\n");
        return 2;
    }

    PictureCache cache;
    Sheet sheet(QSize(2 * 998 + 2 * kMargin, 4000));
    for (double dpr : {1.0, 2.0}) {
        sheet.Heading(QStringLiteral("Compound tiles at %1×").arg(dpr));
        Tiles(sheet, cache, dpr);
    }
    for (double dpr : {1.0, 2.0}) {
        sheet.Heading(QStringLiteral("Equations at %1×").arg(dpr));
        for (int r = 0; r < design::kReactions; ++r) {
            Equation(sheet, cache, r, dpr, false);
        }
        sheet.Heading(
            QStringLiteral("With the right pieces and the coefficient boxes, %1×").arg(dpr));
        for (int r = 0; r < design::kReactions; ++r) {
            Equation(sheet, cache, r, dpr, true);
        }
    }
    sheet.Heading(QStringLiteral("Window icon 16–256, hand cursor and drag icon at 1× and 2×"));
    Artwork(sheet);
    sheet.painter.end();

    const QImage used = sheet.image.copy(0, 0, sheet.image.width(), sheet.y + kMargin);
    if (!used.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("contact sheet written to %s (%d × %d)\n", argv[1], used.width(), used.height());
    return 0;
}
