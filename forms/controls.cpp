#include "controls.h"

#include <QLabel>
#include <QLineEdit>

namespace Controls {

QLineEdit* field(const QWidget* form, const QString& name) {
    auto* field = form->findChild<QLineEdit*>(name);
    Q_ASSERT_X(field, "ProblemForm::fieldNamed", qPrintable(name));
    return field;
}

QWidget* setResult(const QWidget* form, const QString& name, const QString& text) {
    if (auto* label = form->findChild<QLabel*>(name)) {
        label->setText(text);
        return label;
    }
    QLineEdit* result = field(form, name);
    result->setText(text);
    return result;
}

} // namespace Controls
