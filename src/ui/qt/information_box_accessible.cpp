#include "ui/qt/information_box_accessible.h"

#include <QAccessibleWidget>
#include <QMessageBox>

namespace quorvel::ui {
namespace {

// What Qt's own message-box interface gives, with the role of a dialog: the title as its name,
// the box's text as its value and description, so that it is still read whole.
class InformationBoxAccessible : public QAccessibleWidget {
public:
    explicit InformationBoxAccessible(QMessageBox* box)
        : QAccessibleWidget(box, QAccessible::Dialog) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        const auto* box = static_cast<const QMessageBox*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return box->windowTitle();
        case QAccessible::Value:
        case QAccessible::Description:
            return box->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* informationBoxes(const QString& className, QObject* object) {
    if (className != QLatin1String("QMessageBox") || !object->isWidgetType()) {
        return nullptr;
    }
    auto* box = static_cast<QMessageBox*>(object);
    return box->icon() == QMessageBox::Information ? new InformationBoxAccessible(box) : nullptr;
}

} // namespace

void exposeInformationBoxesAsDialogs() {
    // Qt keeps a factory once however often it is installed.
    QAccessible::installFactory(&informationBoxes);
}

} // namespace quorvel::ui
