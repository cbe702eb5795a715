#include "ui/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace quorvel::ui {
namespace {

QAccessibleInterface* notificationInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(NotificationArea::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

class NotificationAnnouncer final : public Announcer {
public:
    explicit NotificationAnnouncer(QWidget* window)
        : area_(new NotificationArea(window)) {
        static const bool installed = [] {
            QAccessible::installFactory(notificationInterface);
            return true;
        }();
        static_cast<void>(installed);
    }

    void announce(const QString& message) override {
        area_->hide();
        area_->setAccessibleName(message);
        area_->show();
    }

private:
    NotificationArea* area_;
};

} // namespace

NotificationArea::NotificationArea(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("announcement"));
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

std::unique_ptr<Announcer> makeAnnouncer(QWidget* window) {
    return std::make_unique<NotificationAnnouncer>(window);
}

} // namespace quorvel::ui
