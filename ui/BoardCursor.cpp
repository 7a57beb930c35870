// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardCursor.h"

#include <QGuiApplication>
#include <QWidget>

#include <optional>

#include "content/Artwork.h"
#include "content/Twips.h"

namespace alkynes {

BoardCursor::~BoardCursor() {
    if (dragCursorShown_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void BoardCursor::Update(QWidget& board, const FormModel& model, QPointF pointer) {
    const qreal dpr = board.devicePixelRatioF();
    const bool dragging = model.Dragging();
    if (dragging != dragCursorShown_) {
        // The drag icon stays at the pointer wherever it goes, over the text
        // boxes and outside the window too.
        if (dragging) {
            // Drawn for the zoom too, as large as the board's other pictures.
            QGuiApplication::setOverrideCursor(
                QCursor(content::DragIconPixmap(dpr * twips::Zoom())));
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
        dragCursorShown_ = dragging;
    }

    // During a drag the drag icon stands for every cursor, and the model
    // has just hit-tested the pointer itself: no second hit test then.
    bool overPiece = false;
    if (!dragging) {
        const std::optional<ControlRef> hit =
            model.ControlAt(static_cast<Twips>(pointer.x()), static_cast<Twips>(pointer.y()));
        overPiece = hit && hit->name == ControlName::ImgMolecular;
    }
    const qreal ratio = dpr * twips::Zoom();
    if (overPiece && (!handShown_ || handRatio_ != ratio)) {
        if (handRatio_ != ratio) {
            hand_ = content::HandCursor(ratio);
            handRatio_ = ratio;
        }
        board.setCursor(hand_);
    } else if (!overPiece && handShown_) {
        board.unsetCursor();
    }
    handShown_ = overPiece;
}

}  // namespace alkynes
