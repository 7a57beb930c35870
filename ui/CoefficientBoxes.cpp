// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CoefficientBoxes.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "content/Look.h"
#include "content/Twips.h"
#include "model/Design.h"
#include "ui/BoardAccessible.h"

namespace alkynes {
namespace {

// A line edit's undo history keeps a step for every character typed,
// pasted or pasted over, and never lets go of it: giant pastes, one after
// another, would grow it without end.  Past this length (far more than any
// coefficient) a box forgets its history after each edit.
constexpr int kUndoableLength = 64;

// Drops the undo history of `box`, keeping its text and cursor.
void ForgetHistory(QLineEdit* box) {
    const int cursor = box->cursorPosition();
    box->setText(box->text());
    box->setCursorPosition(cursor);
}

}  // namespace

CoefficientBoxes::CoefficientBoxes(QWidget& board, FormModel& model)
    : board_(board), model_(model), boxes_(design::kBoxes, nullptr) {}

QLineEdit* CoefficientBoxes::Box(int j) {
    QLineEdit*& box = boxes_.at(static_cast<std::size_t>(j));
    if (box == nullptr) {
        box = Create(j);
        ChainTabOrder();
    }
    return box;
}

std::optional<int> CoefficientBoxes::FocusedIndex() const {
    for (std::size_t j = 0; j < boxes_.size(); ++j) {
        if (boxes_[j] != nullptr && boxes_[j]->hasFocus()) {
            return static_cast<int>(j);
        }
    }
    return std::nullopt;
}

const QLineEdit* CoefficientBoxes::Focused() const {
    const std::optional<int> j = FocusedIndex();
    return j ? boxes_[static_cast<std::size_t>(*j)] : nullptr;
}

QLineEdit* CoefficientBoxes::Create(int j) {
    const Control& c = model_.tCoefficient(j);
    auto* box = new QLineEdit(&board_);
    box->setObjectName(QStringLiteral("tCoefficient_%1").arg(j));
    box->setGeometry(twips::ToPixelGrid(c));
    box->setAlignment(Qt::AlignCenter);
    box->setFrame(true);
    box->setMaxLength(design::kBoxMaxLength);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, content::ToColor(design::kBoxForeColor));
    box->setPalette(palette);
    box->setText(QString::fromStdString(c.Text));
    box->setHidden(!c.Visible);
    box->setAttribute(Qt::WA_TransparentForMouseEvents, pointerThrough_);
    DescribeCoefficientBox(*box, j);
    // What the student types is the box's text; nothing else reacts.
    QObject::connect(box, &QLineEdit::textEdited, box, [this, j, box](const QString& text) {
        model_.tCoefficient(j).Text = text.toStdString();
        if (text.size() > kUndoableLength) {
            // Once the line edit has finished the edit it is reporting.
            QMetaObject::invokeMethod(
                box, [box] { ForgetHistory(box); }, Qt::QueuedConnection);
        }
    });
    return box;
}

void CoefficientBoxes::ChainTabOrder() {
    std::vector<int> byTab;
    for (int k = 0; k < design::kBoxes; ++k) {
        if (boxes_[static_cast<std::size_t>(k)] != nullptr) {
            byTab.push_back(k);
        }
    }
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](int a, int b) { return design::TabIndex(a) < design::TabIndex(b); });
    auto box = [this](int k) { return boxes_[static_cast<std::size_t>(k)]; };
    QWidget::setTabOrder(&board_, box(byTab.front()));
    for (std::size_t i = 1; i < byTab.size(); ++i) {
        QWidget::setTabOrder(box(byTab[i - 1]), box(byTab[i]));
    }
}

void CoefficientBoxes::Sync() {
    for (int j = 0; j < design::kBoxes; ++j) {
        const Control& c = model_.tCoefficient(j);
        if (boxes_[static_cast<std::size_t>(j)] == nullptr && !c.Visible) {
            continue;  // made when it is first shown, with the text it has then
        }
        QLineEdit* box = Box(j);
        const QString text = QString::fromStdString(c.Text);
        if (box->text() != text) {
            box->setText(text);
        }
        if (box->isHidden() == c.Visible) {
            box->setHidden(!c.Visible);
        }
    }
}

void CoefficientBoxes::ApplyZoom() {
    for (int j = 0; j < design::kBoxes; ++j) {
        if (QLineEdit* box = boxes_[static_cast<std::size_t>(j)]) {
            box->setGeometry(twips::ToPixelGrid(model_.tCoefficient(j)));
        }
    }
}

void CoefficientBoxes::LetPointerThrough(bool through) {
    pointerThrough_ = through;
    for (QLineEdit* box : boxes_) {
        if (box != nullptr) {
            box->setAttribute(Qt::WA_TransparentForMouseEvents, through);
        }
    }
}

}  // namespace alkynes
