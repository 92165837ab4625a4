#include "accessiblewindow.h"

#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {

QSet<QString>& windowClasses() {
    static QSet<QString> classes;
    return classes;
}

int& liveInterfaces() {
    static int count = 0;
    return count;
}

/// A widget announced as a window, counted while it exists.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Window) {
        ++liveInterfaces();
    }
    ~WindowInterface() override { --liveInterfaces(); }
    WindowInterface(const WindowInterface&) = delete;
    WindowInterface& operator=(const WindowInterface&) = delete;
};

/// Called for each class of an object, from the most derived one up.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType() || !windowClasses().contains(className)) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    return widget->isWindow() ? new WindowInterface(widget) : nullptr;
}

} // namespace

void announceAsWindow(const char* className) {
    if (windowClasses().isEmpty()) QAccessible::installFactory(windowInterface);
    windowClasses().insert(QString::fromLatin1(className));
}

int announcedWindowCount() {
    return liveInterfaces();
}
