#include "datahistory.h"

#include "controls.h"
#include "pressrecord.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoCommand>

namespace {
/// The problem frame a field belongs to; null for the viewport's fields.
QGroupBox* frameOf(const QWidget* field) {
    for (QWidget* w = field->parentWidget(); w; w = w->parentWidget())
        if (auto* box = qobject_cast<QGroupBox*>(w); box && definitionOf(box)) return box;
    return nullptr;
}

bool isUndoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() ==
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}
} // namespace

/// One change of a frame's texts: written when it is done, and again when
/// it is redone or undone, each time telling the form.
class DataHistory::Change : public QUndoCommand {
public:
    Change(DataHistory& history, QGroupBox* frame, Texts before, Texts after)
        : m_history(history)
        , m_frame(frame)
        , m_before(std::move(before))
        , m_after(std::move(after)) {}

    void undo() override { apply(m_before); }
    void redo() override {
        if (std::exchange(m_done, true)) apply(m_after); // the first time it is already written
    }

private:
    void apply(const Texts& texts) {
        m_history.write(texts);
        m_history.m_changed(m_frame);
    }

    DataHistory& m_history;
    QPointer<QGroupBox> m_frame;
    Texts m_before;
    Texts m_after;
    bool m_done = false;
};

DataHistory::DataHistory(QWidget* form, std::function<void(QGroupBox*)> changed)
    : QObject(form)
    , m_form(form)
    , m_changed(std::move(changed))
    , m_undo(new QAction(tr("Anular"), form))
    , m_redo(new QAction(tr("Refazer"), form)) {
    m_undo->setObjectName(QStringLiteral("Anular"));
    m_redo->setObjectName(QStringLiteral("Refazer"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    for (QAction* action : {m_undo, m_redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        form->addAction(action);
    }
    connect(m_undo, &QAction::triggered, this, &DataHistory::undo);
    connect(m_redo, &QAction::triggered, this, &DataHistory::redo);
}

void DataHistory::watchFields() {
    for (QLineEdit* field : m_form->findChildren<QLineEdit*>()) {
        if (isResult(field) || field->isHidden() || m_committed.contains(field)) continue;
        m_committed.insert(field, field->text());
        field->installEventFilter(this);
    }
}

void DataHistory::write(const Texts& texts) {
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        QLineEdit* field = Controls::field(m_form, it.key());
        field->setText(it.value());
        m_committed.insert(field, it.value());
    }
}

void DataHistory::record(QGroupBox* frame, const Texts& before, const Texts& after) {
    commitTyping();
    if (before != after) m_stack.push(new Change(*this, frame, before, after));
}

void DataHistory::undo() {
    commitTyping();
    m_stack.undo();
}

void DataHistory::redo() {
    commitTyping();
    m_stack.redo();
}

void DataHistory::commitTyping() {
    if (auto* field = qobject_cast<QLineEdit*>(m_form->focusWidget())) commit(field);
}

void DataHistory::commit(QLineEdit* field) {
    const auto committed = m_committed.find(field);
    if (committed == m_committed.end() || *committed == field->text()) return;
    const QString before = std::exchange(*committed, field->text());
    m_stack.push(new Change(*this, frameOf(field), {{field->objectName(), before}},
                            {{field->objectName(), field->text()}}));
}

bool DataHistory::eventFilter(QObject* watched, QEvent* event) {
    // A field being destroyed is no longer a QLineEdit: it has nothing to commit.
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_committed.insert(field, field->text()); // what the program wrote meanwhile
        break;
    case QEvent::FocusOut:
        commit(field);
        break;
    case QEvent::ShortcutOverride:
        // The form's history, not the field's own, takes Ctrl+Z.
        if (isUndoKey(static_cast<QKeyEvent*>(event))) return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
