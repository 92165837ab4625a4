#include "datafigures.h"

#include "choices.h"
#include "messages.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace worksheet {

namespace {

/// Types the fields and marks the option, as a pupil would.
void fill(ProblemForm& form, const practice::Exercise& exercise) {
    for (const auto& [name, text] : exercise.fields)
        if (auto* field = form.findChild<QLineEdit*>(QString::fromStdString(name)))
            field->setText(QString::fromStdString(text));
    if (exercise.option.empty()) return;
    if (auto* option = form.findChild<QAbstractButton*>(QString::fromStdString(exercise.option)))
        option->setChecked(true);
}

} // namespace

DataFigures::DataFigures() = default;
DataFigures::~DataFigures() = default;

ProblemForm& DataFigures::form(Topic topic) {
    std::unique_ptr<ProblemForm>& slot = m_forms[topic];
    if (!slot) {
        slot.reset(createTopicForm(topic));
        slot->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return *slot;
}

DisplayList DataFigures::draw(const practice::Exercise& exercise) {
    if (exercise.dadosButton.empty()) return {};
    ProblemForm& f = form(topicOf(exercise.frame));
    auto* dados = f.findChild<QAbstractButton*>(QString::fromStdString(exercise.dadosButton));
    if (!dados) return {};
    fill(f, exercise);
    // A press that refuses the data says so to nobody: the sheet has no figure.
    bool refused = false;
    const MessageHandler previous =
        setMessageHandler([&refused](QWidget*, const Message&) { refused = true; });
    dados->click();
    setMessageHandler(previous);
    if (refused) return {};
    return f.board()->displayList();
}

} // namespace worksheet
