#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <functional>

class QAction;
class QGroupBox;
class QLineEdit;

/// The history of a form's data: what the pupil typed into its fields and
/// each drag of a point on its board, undone and redone one change at a
/// time (Ctrl+Z, Ctrl+Shift+Z), apiece for each form. The keys undo the
/// form's data even in a text field, whose typing is one change of its own.
class DataHistory : public QObject {
    Q_OBJECT
public:
    /// Texts of fields, by field name.
    using Texts = QHash<QString, QString>;

    /// `form` holds the fields and takes the keys; `changed` is told of a
    /// frame (null: no frame, the viewport) whose texts an undo or redo wrote.
    DataHistory(QWidget* form, std::function<void(QGroupBox* frame)> changed);

    /// Follows what is typed into the form's data fields (every text field
    /// but the results and the hidden ones); once the form is built.
    void watchFields();
    /// Writes `texts` into the fields of those names, as the program's own
    /// change (not typing).
    void write(const Texts& texts);
    /// Records a change the program made to the fields of `frame` (a drag),
    /// already written: from `before` to `after`.
    void record(QGroupBox* frame, const Texts& before, const Texts& after);

    void undo();
    void redo();
    const QUndoStack& stack() const { return m_stack; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Change;
    /// The focused field's text, when it was typed since it was last
    /// recorded, as one change.
    void commitTyping();
    void commit(QLineEdit* field);

    QWidget* m_form;
    std::function<void(QGroupBox*)> m_changed;
    QUndoStack m_stack;
    QHash<QLineEdit*, QString> m_committed; ///< each data field's text as last recorded
    QAction* m_undo;
    QAction* m_redo;
};
