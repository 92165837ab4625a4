#include "activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
ActivationTracker* instance = nullptr;
}

void ActivationTracker::install() {
    if (instance) return;
    instance = new ActivationTracker;
    instance->setParent(qApp);
    qApp->installEventFilter(instance);
}

QWidget* ActivationTracker::previous() {
    return instance ? instance->m_previous.data() : nullptr;
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const bool modal = window->isModal() || window->windowModality() != Qt::NonModal;
        // A context menu or a tool tip is part of the window it opens from.
        const bool transient =
            window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip;
        if (window->isWindow() && !modal && !transient) {
            // A window a form owns (its full-screen board) is part of it.
            while (window->parentWidget())
                window = window->parentWidget()->window();
            m_previous = m_current;
            m_current = window;
        }
    }
    return QObject::eventFilter(watched, event);
}
