// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Spoken.h"

#include <QStringList>

namespace alkynes::content {
namespace {

// Splits a formula into the words speech reads one by one.
class Words {
  public:
    void Normal(const QString& text) {
        for (const QChar c : text) {
            Character(c);
        }
    }
    // An atom count or a bond is a word of its own.
    void Apart(const QString& word) { Start(word); }
    // A raised small letter belongs to the word after it: the raised "o"
    // before the C of "1200 °C" is the degree sign.
    void Raised(const QString& text) {
        QString word = text;
        word.replace(u'o', u'°');
        Start(word);
        open_ = true;
        last_ = QChar();
    }
    QString Joined() const { return words_.join(u' '); }

  private:
    void Character(QChar c) {
        if (c.isSpace()) {
            last_ = QChar();
            open_ = false;
            return;
        }
        // An opening bracket or a raised letter takes the next character
        // whatever it is: "(O", "°C".
        if (open_) {
            Extend(c);
            open_ = c == u'(';
            return;
        }
        if (c == u'(') {
            Start(c);
            open_ = true;
        } else if (c == u')' && !last_.isNull()) {
            Extend(c);  // a closing bracket ends the word before it: "H)"
        } else if (c.isLetter()) {
            // A capital begins an element symbol; small letters go on with
            // a symbol ("Ca", "Cl") or a word ("ατμός").
            if (!c.isUpper() && last_.isLetter()) {
                Extend(c);
            } else {
                Start(c);
            }
        } else if (c.isDigit() && last_.isDigit()) {
            Extend(c);  // a number in the text, "1200"
        } else {
            Start(c);
        }
    }
    void Start(const QString& word) {
        words_.append(word);
        last_ = word.isEmpty() ? QChar() : word.back();
    }
    void Start(QChar c) { Start(QString(c)); }
    void Extend(QChar c) {
        words_.last().append(c);
        last_ = c;
    }

    QStringList words_;
    QChar last_;         // the last character of the last word, if it may go on
    bool open_ = false;  // the next character joins the last word
};

bool SameSpan(const Span& a, const Span& b) {
    return a.from == b.from && a.to == b.to;
}

}  // namespace

QString SpokenFormula(const Formula& formula) {
    Words words;
    for (const Run& run : formula.runs) {
        switch (run.kind) {
            case RunKind::Normal:
                words.Normal(run.text);
                break;
            case RunKind::Subscript:
                words.Apart(run.text);
                break;
            case RunKind::Superscript:
                words.Raised(run.text);
                break;
            case RunKind::TripleBond:
                words.Apart(QStringLiteral("≡"));
                break;
        }
    }
    return words.Joined();
}

std::vector<SpokenPart> SpokenParts(const PictureContent& picture) {
    std::vector<SpokenPart> said;
    // The words over and under the arrow are read together, after it.
    const Element* arrow = nullptr;
    QStringList conditions;
    auto sayConditions = [&] {
        if (!conditions.isEmpty()) {
            said.push_back({SpokenPart::Kind::Text, u'(' + conditions.join(u' ') + u')'});
            conditions.clear();
        }
    };
    for (const Element& element : picture.elements) {
        if (element.kind == ElementKind::Text && arrow != nullptr &&
            SameSpan(element.x, arrow->x)) {
            conditions.append(SpokenFormula(element.text));
            continue;
        }
        sayConditions();
        switch (element.kind) {
            case ElementKind::Tile:
                if (element.slot >= 0) {
                    said.push_back({SpokenPart::Kind::Blank, {}, element.slot});
                } else {
                    said.push_back({SpokenPart::Kind::Text, SpokenFormula(element.text)});
                }
                break;
            case ElementKind::Text:
                said.push_back({SpokenPart::Kind::Text, SpokenFormula(element.text)});
                break;
            case ElementKind::Arrow:
                said.push_back({SpokenPart::Kind::Text, QStringLiteral("→")});
                arrow = &element;
                break;
            case ElementKind::CoefficientPlace:
                said.push_back({SpokenPart::Kind::CoefficientPlace, {}, element.place});
                break;
            case ElementKind::Background:
                break;
        }
    }
    sayConditions();
    return said;
}

QString SpokenPicture(const PictureContent& picture) {
    QStringList said;
    for (const SpokenPart& part : SpokenParts(picture)) {
        switch (part.kind) {
            case SpokenPart::Kind::Text:
                said.append(part.text);
                break;
            case SpokenPart::Kind::Blank:
                said.append(QString::fromUtf16(kSpokenBlank));
                break;
            case SpokenPart::Kind::CoefficientPlace:
                break;
        }
    }
    return said.join(u' ');
}

}  // namespace alkynes::content
