// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers of the information tests: watching the URLs the program asks
// for, and acting on a modal window while it runs its own event loop.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>
#include <utility>

#include "info/OpenUrl.h"

namespace alkynes::info::testing {

// Records every URL handed to the opener while it lives; the real opener
// is put back afterwards.
class UrlRecorder {
  public:
    explicit UrlRecorder(bool accept = true) {
        previous_ = SetUrlOpener([this, accept](const QUrl& url) {
            urls.append(url.toString(QUrl::FullyEncoded));
            return accept;
        });
    }
    ~UrlRecorder() { SetUrlOpener(std::move(previous_)); }
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    QStringList urls;

  private:
    UrlOpener previous_;
};

// Waits (processing events) until the application's modal window is up and
// exposed, and returns it; null after five seconds without one.
inline QWidget* WaitForModal() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->windowHandle() != nullptr &&
            modal->windowHandle()->isExposed()) {
            QTest::qWait(20);  // let the first expose be handled completely
            return modal;
        }
        QTest::qWait(10);
    }
    return nullptr;
}

// Arranges for `body` to run on the modal window once a modal loop has
// started (call it just before the call that shows the window modally).
// Whatever `body` does, the modal window is closed afterwards so the loop
// ends.  `ran` tells whether a modal window was found.
inline void WhenModal(std::function<void(QWidget*)> body, bool* ran = nullptr) {
    QTimer::singleShot(0, [body = std::move(body), ran] {
        QPointer<QWidget> modal = WaitForModal();
        if (ran != nullptr) {
            *ran = !modal.isNull();
        }
        if (modal.isNull()) {
            // Never leave a modal loop running: the test would hang.
            if (QWidget* stuck = QApplication::activeModalWidget()) {
                stuck->close();
            }
            return;
        }
        body(modal);
        if (!modal.isNull() && modal->isVisible()) {
            modal->close();
        }
    });
}

}  // namespace alkynes::info::testing

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* out) {
    *out << s.width() << " x " << s.height();
}
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << '(' << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
inline void PrintTo(const QColor& c, std::ostream* out) {
    *out << c.name().toStdString();
}
