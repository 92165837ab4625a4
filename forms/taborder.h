#pragma once

class QWidget;

/// The order Tab follows through a form, as the window is read: the panel's
/// controls (the viewport, then the frames), then the board they draw on,
/// then the row of buttons that lead elsewhere. The row is built before the
/// frames, so Tab would otherwise reach it first.
void arrangeTabOrder(QWidget* form, QWidget* panel, QWidget* board, QWidget* buttonRow);
