// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Says the sentences that are no object's name: what a pick-up, a drop, a
// check or a restart did.
//
// Qt 6.8 has an event for exactly this, QAccessibleAnnouncementEvent,
// which a screen reader speaks as given.  Before it, the only thing Orca
// speaks away from the focus is an object of the role notification coming
// into view: it reads the object's name, and, when the notification lies in
// a status bar, nothing else (no "notification").  There the board carries
// a status line of its own, a status bar holding two notifications that
// take turns: each sentence becomes the name of one of them as it is
// shown, so that a screen reader still busy with the one before reads that
// one's own sentence.  (A name change, which Qt 6.4 sends for the focused
// slot, reaches Orca 43 without the name and is not spoken.)
//
// A sentence is asked for and said a moment after the change it tells:
// after the focus events that came with it (a menu gives the focus back
// only once its command has run), which a screen reader would otherwise
// speak over it.
#pragma once

#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QAccessibleEvent;
class QAccessibleInterface;

namespace alkynes {

// Sends an event of the board's objects to assistive technology, and to the
// observer (see ObserveBoardAccessible).
void SendAccessibleEvent(QAccessibleEvent& event);

// True while anyone listens: assistive technology, or the observer.
bool AccessibleEventsListened();

// The events go to `observer` too, and are sent even where the platform has
// no assistive technology to send them to (as on the offscreen platform).
void SetAccessibleEventObserver(std::function<void(QAccessibleEvent&)> observer);

class Announcer {
  public:
    // `source` is the object the sentences are about (the board); it holds
    // the status line.  `sentence` gives what is to be said now, or "".
    Announcer(QAccessibleInterface* source, std::function<std::string()> sentence);
    ~Announcer();

    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // Something changed: in a moment the sentence is asked for and said.
    void Changed();

    // The status line, the source's last child; null where the platform
    // speaks announcements (Qt 6.8).
    QAccessibleInterface* StatusLine() const;

    // How long a sentence waits after the first change it tells.
    static constexpr int kDelayMs = 100;

  private:
    void Say();

    QAccessibleInterface* source_;
    std::function<std::string()> sentence_;
    QTimer timer_;
    struct Line;
    std::unique_ptr<Line> line_;
};

}  // namespace alkynes
