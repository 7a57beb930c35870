// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Handing a web address to the user's default handler (normally the web
// browser).  Every link and the worksheet command of the program go through
// OpenUrl; nothing is reported to the student when it fails.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace alkynes::info {

// Asks the desktop to open `address` and returns at once.  An address that
// is not a valid URL, a missing handler or a failed launch all do nothing.
void OpenUrl(const QString& address);

// What OpenUrl hands the URL to.  The default is QDesktopServices::openUrl,
// which launches the desktop's handler directly (never through a shell).
// Returns whether the handler accepted the URL; OpenUrl ignores the answer.
using UrlOpener = std::function<bool(const QUrl&)>;

// Replaces the opener (for tests, which watch the URLs asked for without a
// browser); an empty function restores the default.  Returns the previous.
UrlOpener SetUrlOpener(UrlOpener opener);

}  // namespace alkynes::info
