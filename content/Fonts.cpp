#include "content/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <initializer_list>

namespace alkynes::content {
namespace {

// Faces are tried in order; the first installed one that has Greek letters
// wins.  Liberation Sans and Arimo share Arial's metrics.
constexpr std::initializer_list<const char*> kFormulaCandidates = {
    "Arial", "Liberation Sans", "Arimo", "Helvetica", "Nimbus Sans"};
constexpr std::initializer_list<const char*> kDialogCandidates = {
    "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial", "Nimbus Sans"};

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
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), DialogFamily());
    if (FormulaFamily().compare(QStringLiteral("Arial"), Qt::CaseInsensitive) != 0) {
        QFont::insertSubstitution(QStringLiteral("Arial"), FormulaFamily());
    }
}

}  // namespace alkynes::content
