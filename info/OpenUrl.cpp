// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "info/OpenUrl.h"

#include <QDesktopServices>

#include <utility>

namespace alkynes::info {
namespace {

bool OpenWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

UrlOpener& CurrentOpener() {
    static UrlOpener opener = OpenWithDesktop;
    return opener;
}

}  // namespace

void OpenUrl(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid()) {
        return;
    }
    try {
        (void)CurrentOpener()(url);
    } catch (...) {
        // The student is told nothing: a link that cannot be opened just does nothing.
    }
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    if (!opener) {
        opener = OpenWithDesktop;
    }
    return std::exchange(CurrentOpener(), std::move(opener));
}

}  // namespace alkynes::info
