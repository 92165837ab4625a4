#include "shell.h"

#include "activation.h"
#include "displaystyle.h"
#include "fullscreenboard.h"
#include "languages.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "problemform.h"
#include "solutionwindow.h"
#include "topictable.h"
#include "viewers.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <array>

namespace {

constexpr std::size_t index(Topic topic) {
    return std::size_t(topic);
}
constexpr std::size_t index(HelpPage page) {
    return std::size_t(page);
}

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

/// The icon of every window, the launcher the desktop matches them with, and
/// the names the program's settings are kept under.
void presentToTheDesktop() {
    QCoreApplication::setOrganizationName(QStringLiteral("Ortoplano"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("escola.pt"));
    QCoreApplication::setApplicationName(QStringLiteral("Ortoplano"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/" ORTOPLANO_APP_ID ".svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORTOPLANO_APP_ID));
}

/// The window "Resolução" in the classroom display: its text grown by the
/// projector factor, in the projector's colours; F8 and Ctrl+Shift+N work
/// there too.
void followClassroomDisplay(SolutionWindow& window) {
    ClassroomDisplay& display = ClassroomDisplay::instance();
    const auto apply = [&window] {
        const DisplayStyle style = ClassroomDisplay::instance().style();
        const Typeset::Style usual;
        window.setDisplayScale(style.scale);
        if (style.projector)
            window.setColours(Qt::black, ProjectorPalette::data(), QColor(60, 60, 60));
        else
            window.setColours(usual.ink, usual.accent, usual.faint);
    };
    apply();
    QObject::connect(&display, &ClassroomDisplay::changed, &window, apply);
    window.addAction(display.projectorAction(&window));
    window.addAction(display.namesAction(&window));
}

ShellHooks withDefaults(ShellHooks hooks) {
    if (!hooks.createTopicForm) hooks.createTopicForm = createTopicForm;
    if (!hooks.endRun) hooks.endRun = [] { QCoreApplication::exit(0); };
    return hooks;
}

} // namespace

struct Shell::Private {
    ShellHooks hooks;
    std::unique_ptr<MainWindow> main;
    std::array<QPointer<QWidget>, TopicCount> forms;
    std::array<std::unique_ptr<Viewer>, 4> viewers;
    std::unique_ptr<SolutionWindow> solution;
    std::unique_ptr<PracticeWindow> practice;
    bool quitting = false;

    /// The problem form active last, or else any open one.
    ProblemForm* lastForm() const {
        if (auto* form = qobject_cast<ProblemForm*>(ActivationTracker::lastForm())) return form;
        for (const QPointer<QWidget>& form : forms)
            if (auto* open = qobject_cast<ProblemForm*>(form.data())) return open;
        return nullptr;
    }
};

Shell::Shell()
    : Shell(ShellHooks{}) {}

Shell::Shell(ShellHooks hooks)
    : d(std::make_unique<Private>()) {
    d->hooks = withDefaults(std::move(hooks));
    presentToTheDesktop();
    setNavigation({[this](Topic topic) { showTopic(topic); },
                   [this](HelpPage page) { showHelp(page); }, [this] { quit(); },
                   [this](ProblemForm* form) { showSolution(form); },
                   [this](ProblemForm* form) { showPractice(form); }});
    ClassroomDisplay::instance().rememberBetweenRuns();
    FullScreenBoard::setSolutionSteps({[this] { return d->solution && d->solution->isVisible(); },
                                       [this](int step) {
                                           if (d->solution) d->solution->showStep(step);
                                       }});
    d->main = std::make_unique<MainWindow>();
}

Shell::~Shell() {
    FullScreenBoard::setSolutionSteps({});
    setNavigation({[](Topic) {}, [](HelpPage) {}, [] {}, [](ProblemForm*) {}});
    for (QPointer<QWidget>& form : d->forms)
        delete form.data();
}

void Shell::show() {
    d->main->show();
}

QWidget* Shell::openedForm(Topic topic) {
    QPointer<QWidget>& form = d->forms[index(topic)];
    if (!form) form = d->hooks.createTopicForm(topic);
    return form;
}

void Shell::showTopic(Topic topic) {
    if (QWidget* form = openedForm(topic)) bringUp(form);
}

void Shell::showHelp(HelpPage page) {
    std::unique_ptr<Viewer>& viewer = d->viewers[index(page)];
    if (!viewer) viewer.reset(createViewer(page));
    bringUp(viewer.get());
}

void Shell::showSolution(ProblemForm* form) {
    if (!d->solution) {
        d->solution.reset(new SolutionWindow);
        followClassroomDisplay(*d->solution);
    }
    d->solution->follow(form ? form : d->lastForm());
    bringUp(d->solution.get());
}

void Shell::showPractice(ProblemForm* form) {
    if (!d->practice) {
        PracticeWindow::Hooks hooks;
        hooks.openForm = [this](Topic topic) {
            // Shown, not activated: the keyboard stays in "Praticar".
            QWidget* form = openedForm(topic);
            if (form) {
                form->show();
                form->raise();
            }
            return qobject_cast<ProblemForm*>(form);
        };
        hooks.explain = [this](ProblemForm* solved, exact::Solution solution,
                               int step) -> QWidget* {
            showSolution(solved);
            d->solution->showInstead(solved, std::move(solution));
            if (step > 0) d->solution->showStep(step);
            return d->solution.get();
        };
        hooks.showSyntax = [this] { showHelp(HelpPage::Sintaxe); };
        d->practice = std::make_unique<PracticeWindow>(std::move(hooks));
    }
    if (form) d->practice->chooseTopic(form->topic());
    bringUp(d->practice.get());
}

PracticeWindow* Shell::practiceWindow() const {
    return d->practice.get();
}

/// Closes the forms (they delete themselves), hides the viewers and the
/// window "Resolução", closes the main window and leaves the event loop; a
/// second call does nothing.
void Shell::quit() {
    if (d->quitting) return;
    d->quitting = true;
    for (QPointer<QWidget>& form : d->forms)
        if (form) form->close();
    for (std::unique_ptr<Viewer>& viewer : d->viewers)
        if (viewer) viewer->hide();
    if (d->solution) d->solution->hide();
    if (d->practice) d->practice->hide();
    d->main->allowClose();
    d->main->close();
    d->hooks.endRun();
}

QMainWindow* Shell::mainWindow() const {
    return d->main.get();
}

QWidget* Shell::topicForm(Topic topic) const {
    return d->forms[index(topic)];
}

QWidget* Shell::viewer(HelpPage page) const {
    return d->viewers[index(page)].get();
}

SolutionWindow* Shell::solutionWindow() const {
    return d->solution.get();
}
