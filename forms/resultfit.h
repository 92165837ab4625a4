#pragma once

class QFont;
class QGroupBox;
class QWidget;

/// The results of a form in the size of the classroom display: in projector
/// mode each as large as the factor asks, or as its frame's room allows, the
/// frame's layout unchanged; otherwise in the form's own font.
namespace ResultFit {

/// The results of one frame; `usual` is the form's font.
void fitFrame(QGroupBox* frame, const QFont& usual);
/// The results of every frame of the panel.
void fitPanel(QWidget* panel, const QFont& usual);

} // namespace ResultFit
