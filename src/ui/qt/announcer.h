#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace quorvel::ui {

// Says a short message to assistive technology, which speaks it at once. The one place to change
// when the announcement event of newer Qt versions (QAccessibleAnnouncementEvent, Qt 6.8) is
// available.
class Announcer {
public:
    Announcer() = default;
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    Announcer(Announcer&&) = delete;
    Announcer& operator=(Announcer&&) = delete;
    virtual ~Announcer() = default;

    virtual void announce(const QString& message) = 0;
};

// Qt 6.4 has no announcement event; screen readers do speak an object with the notification role
// each time it becomes shown, its accessible name being the message.
std::unique_ptr<Announcer> makeAnnouncer(QWidget* window);

// The object that becomes shown: it draws nothing, takes no input and no focus.
class NotificationArea : public QWidget {
    Q_OBJECT
public:
    explicit NotificationArea(QWidget* parent);
};

} // namespace quorvel::ui
