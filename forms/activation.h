#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

/// Remembers which window of the program was active before the current one.
/// Modal windows (message boxes, file and print dialogs), context menus and
/// tool tips do not count: when one of them closes, its owner becomes active
/// again without having been left for another window of the program.
class ActivationTracker : public QObject {
public:
    /// Installs the tracker on the application (once).
    static void install();
    /// The program window that was active before the one now activating: the
    /// window itself when it only comes back from one of its modal dialogs.
    static QWidget* previous();
    /// The problem form that was active last, while it is open.
    static QWidget* lastForm();
    /// A window that works beside the forms (the worked solution): going to
    /// it and back is not leaving a form for another window, so its own
    /// activation is not counted.
    static void markAsCompanion(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ActivationTracker() = default;
    QPointer<QWidget> m_previous;
    QPointer<QWidget> m_current;
    QPointer<QWidget> m_lastForm;
};
