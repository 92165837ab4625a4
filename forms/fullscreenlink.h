#pragma once

#include "fullscreenboard.h"

#include <QPointer>
#include <QStringList>

class QGroupBox;
class QWidget;

/// A form's side of its full-screen board: the frame whose keys it presses
/// and whose results it shows, and the board opened on the form's screen.
class FullScreenLink {
public:
    /// `panel` holds the form's problem frames.
    explicit FullScreenLink(QWidget* panel)
        : m_panel(panel) {}

    /// A button of `frame` was pressed (none: a press of no frame).
    void pressed(QGroupBox* frame);
    /// The problem frame pressed last, or the first one before any press.
    QGroupBox* lastFrame() const;
    /// Shows the board of `form` alone on the whole screen, or brings it back
    /// up; its keys then press the frame the focus is in, if it is in one.
    void show(FullScreenSource& form);
    /// The full-screen board while it is open.
    FullScreenBoard* board() const { return m_fullScreen; }

    /// A frame's caption, then each of its results that is not empty as its
    /// caption and its text ("Ponto médio:", "(-3 , 1)"); nothing without a frame.
    static QStringList resultLines(const QGroupBox* frame);

private:
    QWidget* m_panel;
    QPointer<QGroupBox> m_lastFrame;
    QPointer<FullScreenBoard> m_fullScreen;
};
