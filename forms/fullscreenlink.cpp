#include "fullscreenlink.h"

#include "activation.h"
#include "framebuilder.h"
#include "fullscreenboard.h"
#include "pressrecord.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace {

/// A result's text, from a label or a field.
QString textOf(const QWidget* result) {
    if (auto* label = qobject_cast<const QLabel*>(result)) return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(result)) return field->text();
    return {};
}

/// The caption that names a result ("Ponto médio:"), if it has one.
QString captionOf(const QGroupBox* frame, const QWidget* result) {
    for (const QLabel* label : frame->findChildren<QLabel*>())
        if (label->buddy() == result) return label->text();
    return {};
}

} // namespace

void FullScreenLink::pressed(QGroupBox* frame) {
    if (frame) m_lastFrame = frame;
}

QGroupBox* FullScreenLink::lastFrame() const {
    if (m_lastFrame) return m_lastFrame;
    for (QGroupBox* frame : m_panel->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        if (frameButton(frame, PressKind::Resolver)) return frame;
    return nullptr;
}

void FullScreenLink::show(FullScreenSource& form) {
    QWidget* window = form.ownerWindow();
    // The frame the teacher was typing in is the one its keys then press.
    for (QWidget* w = QApplication::focusWidget(); w && window->isAncestorOf(w);
         w = w->parentWidget())
        if (auto* frame = qobject_cast<QGroupBox*>(w);
            frame && frame->parentWidget() == m_panel && frameButton(frame, PressKind::Resolver)) {
            m_lastFrame = frame;
            break;
        }
    if (!m_fullScreen) {
        m_fullScreen = new FullScreenBoard(&form);
        // Going to it and back is not leaving the form: the form keeps its drawing.
        ActivationTracker::markAsCompanion(m_fullScreen);
        // The screen the form is on, whole, even where no window manager
        // takes the request for full screen.
        if (QScreen* here = window->screen()) {
            m_fullScreen->setScreen(here);
            m_fullScreen->setGeometry(here->geometry());
        }
        m_fullScreen->showFullScreen();
    }
    m_fullScreen->raise();
    m_fullScreen->activateWindow();
    m_fullScreen->setFocus(Qt::ActiveWindowFocusReason);
}

QStringList FullScreenLink::resultLines(const QGroupBox* frame) {
    if (!frame) return {};
    QStringList lines{frame->title()};
    for (const QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!isResult(w) || textOf(w).isEmpty()) continue;
        lines << captionOf(frame, w) << textOf(w);
    }
    return lines;
}
