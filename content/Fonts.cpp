// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "content/Fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QRawFont>
#include <QStringDecoder>
#include <QStringList>

#include <initializer_list>

#include "model/Design.h"

namespace alkynes::content {
namespace {

constexpr const char* kArial = "Arial";

// Faces are tried in order; the first installed one that has Greek letters
// wins.  Liberation Sans and Arimo share Arial's metrics.
constexpr std::initializer_list<const char*> kFormulaCandidates = {
    kArial, "Liberation Sans", "Arimo", "Helvetica", "Nimbus Sans"};
constexpr std::initializer_list<const char*> kDialogCandidates = {
    "Microsoft Sans Serif", "Liberation Sans", "Arimo", kArial, "Nimbus Sans"};

QString FirstInstalled(std::initializer_list<const char*> candidates) {
    static const QStringList installed = QFontDatabase::families(QFontDatabase::Greek);
    for (const char* candidate : candidates) {
        const QString family = QString::fromLatin1(candidate);
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// The version string of a font file (entry 5 of its naming table), or an
// empty string where the file has none.
QString FileVersion(const QRawFont& raw) {
    const QByteArray table = raw.fontTable("name");
    const auto word = [&table](qsizetype at) {
        return at + 2 <= table.size() ? (static_cast<unsigned char>(table[at]) << 8) |
                                            static_cast<unsigned char>(table[at + 1])
                                      : -1;
    };
    constexpr int kVersionEntry = 5;
    const int count = word(2);
    const int strings = word(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 12 * static_cast<qsizetype>(i);
        const int platform = word(entry);
        const int length = word(entry + 8);
        const int offset = word(entry + 10);
        if (word(entry + 6) != kVersionEntry || length < 0 || offset < 0 || strings < 0) {
            continue;
        }
        const QByteArray text = table.mid(strings + offset, length);
        if (platform == 0 || platform == 3) {  // Unicode and Windows: UTF-16, big-endian
            QStringDecoder utf16(QStringDecoder::Utf16BE);
            return utf16(text);
        }
        return QString::fromLatin1(text);
    }
    return {};
}

}  // namespace

QString FormulaFamily() {
    static const QString family = FirstInstalled(kFormulaCandidates);
    return family;
}

QString DialogFamily() {
    static const QString family = FirstInstalled(kDialogCandidates);
    return family;
}

QFont FormulaFont() {
    QFont font(FormulaFamily());
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

void InstallFontSubstitutions() {
    QFont::insertSubstitution(QString::fromLatin1(design::kTextFace), DialogFamily());
    const QString arial = QString::fromLatin1(kArial);
    if (FormulaFamily().compare(arial, Qt::CaseInsensitive) != 0) {
        QFont::insertSubstitution(arial, FormulaFamily());
    }
}

QString FaceBuild(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    QString build = raw.familyName() + QLatin1Char(' ') + raw.styleName();
    const QString version = FileVersion(raw);
    if (!version.isEmpty()) {
        build += QStringLiteral(", ") + version;
    }
    return build;
}

}  // namespace alkynes::content
