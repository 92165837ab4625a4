#include "activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {
ActivationTracker* instance = nullptr;
constexpr char CompanionProperty[] = "ortoplanoCompanion";
} // namespace

void ActivationTracker::install() {
    if (instance) return;
    instance = new ActivationTracker;
    instance->setParent(qApp);
    qApp->installEventFilter(instance);
}

QWidget* ActivationTracker::previous() {
    return instance ? instance->m_previous.data() : nullptr;
}

QWidget* ActivationTracker::lastForm() {
    return instance ? instance->m_lastForm.data() : nullptr;
}

void ActivationTracker::markAsCompanion(QWidget* window) {
    window->setProperty(CompanionProperty, true);
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const bool modal = window->isModal() || window->windowModality() != Qt::NonModal;
        // A context menu or a tool tip is part of the window it opens from.
        const bool transient =
            window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip;
        const bool companion = window->property(CompanionProperty).toBool();
        if (window->isWindow() && !modal && !transient && !companion) {
            m_previous = m_current;
            m_current = window;
            if (window->inherits("ProblemForm")) m_lastForm = window;
        }
    }
    return QObject::eventFilter(watched, event);
}
