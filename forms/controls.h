#pragma once

#include <QString>

class QLineEdit;
class QWidget;

/// The controls of a problem form by their names ("Abcissa2", "Opcao1",
/// "Resultado1"), as the frame routines speak of them.
namespace Controls {

/// The text field of that name; there must be one.
QLineEdit* field(const QWidget* form, const QString& name);
/// Writes a result, a label or a text field of that name, and gives it.
QWidget* setResult(const QWidget* form, const QString& name, const QString& text);

} // namespace Controls
