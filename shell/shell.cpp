#include "shell.h"

#include "mainwindow.h"
#include "topictable.h"
#include "viewers.h"

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

/// The icon of every window, and the launcher the desktop matches them with.
void presentToTheDesktop() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/" ORTOPLANO_APP_ID ".svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORTOPLANO_APP_ID));
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
    bool quitting = false;
};

Shell::Shell()
    : Shell(ShellHooks{}) {}

Shell::Shell(ShellHooks hooks)
    : d(std::make_unique<Private>()) {
    d->hooks = withDefaults(std::move(hooks));
    presentToTheDesktop();
    setNavigation({[this](Topic topic) { showTopic(topic); },
                   [this](HelpPage page) { showHelp(page); }, [this] { quit(); }});
    d->main = std::make_unique<MainWindow>();
}

Shell::~Shell() {
    setNavigation({[](Topic) {}, [](HelpPage) {}, [] {}});
    for (QPointer<QWidget>& form : d->forms)
        delete form.data();
}

void Shell::show() {
    d->main->show();
}

void Shell::showTopic(Topic topic) {
    QPointer<QWidget>& form = d->forms[index(topic)];
    if (!form) form = d->hooks.createTopicForm(topic);
    if (form) bringUp(form);
}

void Shell::showHelp(HelpPage page) {
    std::unique_ptr<Viewer>& viewer = d->viewers[index(page)];
    if (!viewer) viewer.reset(createViewer(page));
    bringUp(viewer.get());
}

/// Closes the forms (they delete themselves), hides the viewers, closes the
/// main window and leaves the event loop; a second call does nothing.
void Shell::quit() {
    if (d->quitting) return;
    d->quitting = true;
    for (QPointer<QWidget>& form : d->forms)
        if (form) form->close();
    for (std::unique_ptr<Viewer>& viewer : d->viewers)
        if (viewer) viewer->hide();
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
