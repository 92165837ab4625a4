#include "formtools.h"

#include "boardmenu.h"
#include "displaystyle.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

namespace {

/// The tools whose keys a text field may not keep.
const QStringList ToolNames = {QStringLiteral("ResolucaoPassoAPasso"), QStringLiteral("Praticar"),
                               QStringLiteral("QuadroEcraInteiro")};

/// On the fields of a form: a tool's key is the tool's, not the field's.
class ToolKeys : public QObject {
public:
    explicit ToolKeys(QWidget* form)
        : QObject(form)
        , m_form(form) {
        setObjectName(Name);
    }
    static inline const QString Name = QStringLiteral("ToolKeys");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        QAction* tool = toolOf(*static_cast<QKeyEvent*>(event));
        if (!tool) return QObject::eventFilter(watched, event);
        if (override)
            event->ignore(); // the shortcut goes to the tool
        else
            tool->trigger(); // the field kept the key all the same
        return true;
    }

private:
    QAction* toolOf(const QKeyEvent& key) const {
        const QKeySequence pressed(key.keyCombination());
        for (QAction* action : m_form->actions())
            if (action->isEnabled() && ToolNames.contains(action->objectName()) &&
                action->shortcut() == pressed)
                return action;
        return nullptr;
    }

    QWidget* m_form;
};

} // namespace

QAction* addFormTools(BoardMenu& menu, QWidget* form, const FormTools& tools) {
    menu.addTool(QStringLiteral("ResolucaoPassoAPasso"),
                 QCoreApplication::translate("ProblemForm", "Resolução passo a passo"),
                 QKeySequence(Qt::CTRL | Qt::Key_R), tools.showSolution);
    menu.addTool(QStringLiteral("Praticar"), QCoreApplication::translate("ProblemForm", "Praticar"),
                 QKeySequence(Qt::CTRL | Qt::Key_E), tools.showPractice);
    ClassroomDisplay& display = ClassroomDisplay::instance();
    QAction* fullScreen =
        menu.addTool(QStringLiteral("QuadroEcraInteiro"),
                     QCoreApplication::translate("ProblemForm", "Quadro em ecrã inteiro"),
                     QKeySequence(Qt::Key_F11), tools.showFullScreen);
    menu.addTool(display.projectorAction(form));
    menu.addTool(display.factorMenu(menu.menu())->menuAction());
    menu.addTool(display.namesAction(form));
    return fullScreen;
}

void letToolKeysThrough(QWidget* form) {
    QObject* keys = form->findChild<QObject*>(ToolKeys::Name, Qt::FindDirectChildrenOnly);
    if (!keys) keys = new ToolKeys(form);
    for (QLineEdit* field : form->findChildren<QLineEdit*>()) {
        field->removeEventFilter(keys);
        field->installEventFilter(keys);
    }
}
