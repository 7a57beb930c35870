// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations/Translations.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace alkynes::translations {

bool Install(QCoreApplication& app) {
    // Greek whatever the desktop's locale: the exercise itself is Greek only,
    // and a menu in the desktop's language would sit oddly inside it.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/translations/alkynes_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace alkynes::translations
