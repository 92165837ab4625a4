// A day in class without a restart: every form and every tool window opened
// and closed many times, as a teacher and a screen reader use them, leaves
// the program's process-wide registries as it found them, and nothing that
// stays keeps hold of a form that is gone.

#include "accessiblewindow.h"
#include "activation.h"
#include "buttonicons.h"
#include "displaystyle.h"
#include "practicewindow.h"
#include "problemform.h"
#include "shell.h"
#include "solutionwindow.h"
#include "testsupport.h"
#include "topictable.h"
#include "worksheetdialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>

namespace {

/// The sizes of what lives as long as the program and that a window may
/// register in.
struct Registries {
    int listeners = 0;  ///< connections that follow the classroom display
    int interfaces = 0; ///< accessible interfaces of announced windows
    int icons = 0;      ///< icons the program holds for its buttons
    int shown = 0;      ///< different icons the buttons have shown
    int windows = 0;    ///< top-level widgets
    int owned = 0;      ///< objects the application owns
    friend bool operator==(const Registries&, const Registries&) = default;
};

char* toString(const Registries& r) {
    return qstrdup(qPrintable(
        QString::asprintf("listeners %d, interfaces %d, icons %d, shown %d, windows %d, owned %d",
                          r.listeners, r.interfaces, r.icons, r.shown, r.windows, r.owned)));
}

/// Every icon a button has shown, by its key: an icon that each window made
/// for itself would be a new one at each opening.
QSet<qint64>& iconsShown() {
    static QSet<qint64> keys;
    return keys;
}

/// Counted once what closed has been deleted.
Registries registries() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {ClassroomDisplay::instance().listenerCount(),
            announcedWindowCount(),
            buttonIconCount(),
            int(iconsShown().size()),
            int(QApplication::topLevelWidgets().size()),
            int(qApp->children().size())};
}

/// A window that comes up: a screen reader asks for its interface, the
/// screen shows the icons of its buttons.
void announce(QWidget* window) {
    QVERIFY(QAccessible::queryAccessibleInterface(window));
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (!button->icon().isNull()) iconsShown().insert(button->icon().cacheKey());
}

/// A topic's form, opened and announced.
ProblemForm* openForm(Shell& shell, Topic topic) {
    shell.showTopic(topic);
    auto* form = qobject_cast<ProblemForm*>(shell.topicForm(topic));
    if (form) announce(form);
    return form;
}

/// Closes a form and checks that what outlives it lets it go.
void closeForm(Shell& shell, ProblemForm* form) {
    const QPointer<ProblemForm> gone = form;
    const Topic topic = form->topic();
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(gone.isNull() && !shell.topicForm(topic));
    QVERIFY(!ActivationTracker::lastForm());
    if (SolutionWindow* solution = shell.solutionWindow()) QVERIFY(!solution->followed());
}

/// The form in class: its worked solution beside it, its first frame solved,
/// the projector mode switched on and off from its board's menu.
void useForm(Shell& shell, Topic topic) {
    ProblemForm* form = openForm(shell, topic);
    QVERIFY(form);
    shell.showSolution(form);
    announce(shell.solutionWindow());
    QVERIFY(shell.solutionWindow()->followed() == form);
    const auto buttons = form->findChildren<QPushButton*>();
    const auto solve = std::ranges::find_if(buttons, [](const QPushButton* b) {
        return b->objectName().startsWith(QLatin1String("Resolver"));
    });
    QVERIFY(solve != buttons.end());
    QTest::mouseClick(*solve, Qt::LeftButton);
    auto* projector = form->findChild<QAction*>("ModoProjeccao");
    QVERIFY(projector);
    projector->trigger();
    projector->trigger();
    closeForm(shell, form);
}

void useFullScreenBoard(Shell& shell) {
    ProblemForm* form = openForm(shell, Topic(0));
    QVERIFY(form);
    form->showFullScreenBoard();
    QPointer<QWidget> board = form->fullScreenBoard();
    QVERIFY(board && board->isVisible());
    announce(board);
    board->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(board.isNull());
    closeForm(shell, form);
}

void useSolutionWindow(Shell& shell) {
    shell.showSolution(nullptr);
    announce(shell.solutionWindow());
    shell.solutionWindow()->close();
}

/// "Praticar" opens the form of the exercise it makes up; both are closed.
void usePractice(Shell& shell) {
    shell.showPractice(nullptr);
    PracticeWindow* practice = shell.practiceWindow();
    announce(practice);
    QTest::mouseClick(practice->findChild<QPushButton*>("NovoExercicio"), Qt::LeftButton);
    for (const TopicRow& row : TopicTable)
        if (auto* form = qobject_cast<ProblemForm*>(shell.topicForm(row.topic)))
            closeForm(shell, form);
    practice->close();
}

void useWorksheetDialog(Shell&) {
    WorksheetDialog::showDialog();
    QWidget* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("FichaDeExercicios")) dialog = window;
    QVERIFY(dialog && dialog->isVisible());
    announce(dialog);
    dialog->close();
}

void useViewer(Shell& shell, HelpPage page) {
    shell.showHelp(page);
    announce(shell.viewer(page));
    shell.viewer(page)->close();
}

using Use = std::function<void(Shell&)>;

} // namespace

Q_DECLARE_METATYPE(Use)

class TestLifetimes : public QObject {
    Q_OBJECT

    MessageRecorder messages; // nothing waits on a message box

private slots:
    void registriesComeBack_data() {
        QTest::addColumn<Use>("use");
        for (const TopicRow& row : TopicTable)
            QTest::newRow(row.indexHeading) << Use([t = row.topic](Shell& s) { useForm(s, t); });
        QTest::newRow("Resolução") << Use(useSolutionWindow);
        QTest::newRow("Praticar") << Use(usePractice);
        QTest::newRow("Ficha de exercícios") << Use(useWorksheetDialog);
        QTest::newRow("Quadro em ecrã inteiro") << Use(useFullScreenBoard);
        for (HelpPage page :
             {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes})
            QTest::addRow("viewer %d", int(page)) << Use([page](Shell& s) { useViewer(s, page); });
    }
    /// The first use makes what is kept for the whole run (the tool windows,
    /// the pictures); twenty more leave every registry as the first left it.
    void registriesComeBack() {
        QFETCH(Use, use);
        Shell shell({createTopicForm, [] {}});
        use(shell);
        if (QTest::currentTestFailed()) return;
        const Registries before = registries();
        for (int i = 0; i < 20 && !QTest::currentTestFailed(); ++i) {
            use(shell);
            QCoreApplication::processEvents(); // the windows shown, painted and hidden
        }
        QCOMPARE(registries(), before);
    }
};

QTEST_MAIN(TestLifetimes)
#include "tst_lifetimes.moc"
