#include "formtools.h"

#include "boardmenu.h"
#include "displaystyle.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

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
