#include "accessiblewindow.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {

QSet<QString>& windowClasses() {
    static QSet<QString> classes;
    return classes;
}

/// Called for each class of an object, from the most derived one up.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || !windowClasses().contains(className)) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    return widget->isWindow() ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
}

} // namespace

void announceAsWindow(const char* className) {
    if (windowClasses().isEmpty()) QAccessible::installFactory(windowInterface);
    windowClasses().insert(QString::fromLatin1(className));
}
