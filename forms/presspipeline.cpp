#include "presspipeline.h"

#include "budget.h"
#include "clsequation.h"
#include "messages.h"
#include "numbered_error.h"

#include <QLineEdit>
#include <QScopeGuard>
#include <new>

PressPipeline::PressPipeline(QWidget* owner, Hooks hooks)
    : m_owner(owner)
    , m_hooks(std::move(hooks)) {}

void PressPipeline::run(const std::function<void()>& routine, bool solve, QGroupBox* frame) {
    m_record = recordOf(frame);
    m_record.solving = solve;
    m_failedField = nullptr;
    clsEquation pressInterpreter;
    m_interpreter = &pressInterpreter;
    const exact::WorkBudget budget(exact::WorkBudget::Press); // its exact readings and verdicts
    m_solving = solve;
    const auto endOfPress = qScopeGuard([this] {
        m_solving = false;
        m_interpreter = nullptr;
    });
    QString fault;
    try {
        routine();
    } catch (const PressEnded&) {
    } catch (const NumberedError& error) {
        fault = faultText(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        fault = faultText(Fault::OutOfMemory, Fault::description(Fault::OutOfMemory));
    }
    m_hooks.settle();
    if (!fault.isNull())
        showMessage(m_owner, {tr("Erro:") + QLatin1String("\n\n") + fault, MessageIcon::None});
    focusFailedField();
    m_hooks.ended();
}

void PressPipeline::focusFailedField() {
    QLineEdit* const field = std::exchange(m_failedField, nullptr);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

clsEquation& PressPipeline::interpreter() {
    Q_ASSERT_X(m_interpreter, "ProblemForm::interpreter", "used outside a press");
    return *m_interpreter;
}

void PressPipeline::inform(const QString& text, bool withIcon) {
    m_hooks.settle(); // the window shows what the board shows while the pupil reads
    showMessage(m_owner, {text, withIcon ? MessageIcon::Information : MessageIcon::None});
}

void PressPipeline::stop(const QString& text) {
    inform(text);
    throw PressEnded{};
}
