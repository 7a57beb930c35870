// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The hook of the start-up measurement (bench/startup.py), shared by the
// program and the benchmark's minimal program so that both are measured
// alike: each quits as soon as its first frame has been painted, so that
// the wall time of a run is the time from start to first frame.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace alkynes {

class QuitAfterPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Queued: the paint under way is finished before the loop ends.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

// With the environment variable ALKYNES_QUIT_AFTER_FIRST_FRAME set (to any
// value, even empty), the application quits once `widget` has been painted
// for the first time.  Without it nothing changes.  It is meant for
// measuring and profiling the start-up (bench/startup.py, BENCHMARKS.md);
// this is the one place that reads it.
inline void QuitAfterFirstFrameIfAsked(QWidget* widget) {
    if (qEnvironmentVariableIsSet("ALKYNES_QUIT_AFTER_FIRST_FRAME")) {
        widget->installEventFilter(new QuitAfterPaint(widget));  // owned by the widget
    }
}

}  // namespace alkynes
