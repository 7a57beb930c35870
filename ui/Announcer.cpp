// SPDX-FileCopyrightText: 2026 The alkynes authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Announcer.h"

#include <QAccessible>
#include <QtGlobal>

#include <cstddef>
#include <utility>
#include <vector>

namespace alkynes {
namespace {

std::function<void(QAccessibleEvent&)>& Observer() {
    static std::function<void(QAccessibleEvent&)> observer;
    return observer;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// An object of the status line: the status bar itself, or one of its
// notifications.  It has no QObject; the line makes, registers and deletes
// it.
class LineObject : public QAccessibleInterface {
  public:
    LineObject(QAccessibleInterface* parent, QAccessible::Role role)
        : parent_(parent), role_(role) {}

    void SetChildren(std::array<LineObject*, 2> children) { children_ = children; }
    void SetName(QString name) { name_ = std::move(name); }

    bool isValid() const override { return parent_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? children_[static_cast<std::size_t>(index)]
                                                  : nullptr;
    }
    int childCount() const override { return children_[0] != nullptr ? 2 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (children_[static_cast<std::size_t>(i)] == child) {
                return i;
            }
        }
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? name_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    // Nothing is painted for it: it lies, without a size, at the source's
    // bottom left corner.
    QRect rect() const override {
        const QRect source = parent_->rect();
        return QRect(source.bottomLeft(), QSize());
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

  private:
    QAccessibleInterface* parent_;
    QAccessible::Role role_;
    std::array<LineObject*, 2> children_{};
    QString name_;
};

#endif

}  // namespace

void SendAccessibleEvent(QAccessibleEvent& event) {
    if (Observer()) {
        Observer()(event);
    }
    QAccessible::updateAccessibility(&event);
}

bool AccessibleEventsListened() {
    return QAccessible::isActive() || Observer();
}

void SetAccessibleEventObserver(std::function<void(QAccessibleEvent&)> observer) {
    Observer() = std::move(observer);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// The status bar, its two notifications, and which one speaks next.
struct Announcer::Line {
    explicit Line(QAccessibleInterface* source)
        : bar(new LineObject(source, QAccessible::StatusBar)),
          notes{new LineObject(bar, QAccessible::Notification),
                new LineObject(bar, QAccessible::Notification)} {
        bar->SetChildren(notes);
        for (LineObject* object : {bar, notes[0], notes[1]}) {
            ids.push_back(QAccessible::registerAccessibleInterface(object));
        }
    }
    ~Line() {
        for (const QAccessible::Id id : ids) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    void Say(const QString& sentence) {
        LineObject* note = notes[next];
        next = 1 - next;
        note->SetName(sentence);
        QAccessibleEvent renamed(note, QAccessible::NameChanged);
        SendAccessibleEvent(renamed);
        QAccessibleEvent shown(note, QAccessible::ObjectShow);
        SendAccessibleEvent(shown);
    }

    LineObject* bar;
    std::array<LineObject*, 2> notes;
    std::vector<QAccessible::Id> ids;
    std::size_t next = 0;
};

#else

struct Announcer::Line {};

#endif

Announcer::Announcer(QAccessibleInterface* source, std::function<std::string()> sentence)
    : source_(source), sentence_(std::move(sentence)) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    line_ = std::make_unique<Line>(source);
#endif
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Say(); });
}

Announcer::~Announcer() = default;

void Announcer::Changed() {
    if (!timer_.isActive()) {
        timer_.start();
    }
}

QAccessibleInterface* Announcer::StatusLine() const {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    return line_->bar;
#else
    return nullptr;
#endif
}

void Announcer::Say() {
    const std::string said = sentence_();
    if (said.empty() || !AccessibleEventsListened()) {
        return;
    }
    const QString sentence = QString::fromStdString(said);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    line_->Say(sentence);
#else
    QAccessibleAnnouncementEvent event(source_, sentence);
    // It tells what the student's own key or click just did.
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    SendAccessibleEvent(event);
#endif
}

}  // namespace alkynes
