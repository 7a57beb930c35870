// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/BoardAccessible.h"

#include <QAccessible>
#include <QHash>
#include <QObject>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "content/Layout.h"
#include "content/Spoken.h"
#include "form1/Form1.h"
#include "model/Design.h"
#include "speech/Sentences.h"
#include "speech/Vocabulary.h"
#include "ui/Announcer.h"
#include "ui/BoardInterface.h"
#include "ui/BoardWidget.h"

namespace alkynes {
namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The logic of each board it was given for.
QHash<const QObject*, Form1*>& Logics() {
    static QHash<const QObject*, Form1*> logics;
    return logics;
}

QAccessibleInterface* BoardFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardWidget::staticMetaObject.className())) {
        return nullptr;
    }
    Form1* logic = Logics().value(object);
    return logic != nullptr ? new BoardInterface(static_cast<BoardWidget*>(object), *logic)
                            : nullptr;
}

}  // namespace

// Read from the pictures' own descriptions once: they never change.
const speech::Vocabulary& SpokenVocabulary() {
    static const speech::Vocabulary words = [] {
        speech::Vocabulary v;
        for (int k = 0; k < kCompounds; ++k) {
            v.formulas[static_cast<std::size_t>(k)] =
                content::SpokenFormula(content::CompoundFormula(k)).toStdString();
        }
        using Part = content::SpokenPart;
        using Term = speech::Term;
        for (int r = 0; r < design::kReactions; ++r) {
            for (const Part& part : content::SpokenParts(content::LayoutOfReaction(r))) {
                const Term::Kind kind = part.kind == Part::Kind::Text    ? Term::Kind::Text
                                        : part.kind == Part::Kind::Blank ? Term::Kind::Blank
                                                                         : Term::Kind::Coefficient;
                v.equations[static_cast<std::size_t>(r)].push_back(
                    {kind, part.text.toStdString(), static_cast<std::int16_t>(part.index)});
            }
        }
        return v;
    }();
    return words;
}

void DescribeCoefficientBox(QWidget& box, int j) {
    box.setAccessibleName(Text(speech::BoxName(j)));
    box.setAccessibleDescription(Text(speech::BoxDescription(SpokenVocabulary(), j)));
}

void InstallBoardAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

void AttachBoardAccessible(BoardWidget& board, Form1& logic) {
    InstallBoardAccessible();
    Logics().insert(&board, &logic);
    QObject::connect(&board, &QObject::destroyed, [object = static_cast<QObject*>(&board)] {
        Logics().remove(object);
    });
    // An interface Qt made before, a plain widget's, goes: the next
    // question is the factory's.  (Qt makes none while nobody listens.)
    if (!AccessibleEventsListened()) {
        return;
    }
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&board);
        made != nullptr && dynamic_cast<BoardInterface*>(made) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

void ObserveBoardAccessible(std::function<void(QAccessibleEvent&)> observer) {
    SetAccessibleEventObserver(std::move(observer));
}

namespace {

BoardInterface* InterfaceOf(BoardWidget& board) {
    if (!AccessibleEventsListened() || !Logics().contains(&board)) {
        return nullptr;
    }
    return dynamic_cast<BoardInterface*>(QAccessible::queryAccessibleInterface(&board));
}

}  // namespace

void BoardAccessibleChanged(BoardWidget& board) {
    if (BoardInterface* iface = InterfaceOf(board)) {
        iface->Update();
    }
}

void BoardAccessibleNoBoxes(BoardWidget& board) {
    if (BoardInterface* iface = InterfaceOf(board)) {
        iface->NoBoxesToReach();
    }
}

}  // namespace alkynes
