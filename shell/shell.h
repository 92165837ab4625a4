#pragma once

#include "navigation.h"

#include <functional>
#include <memory>

class ProblemForm;
class QMainWindow;
class QWidget;
class PracticeWindow;
class SolutionWindow;

/// What the shell needs from outside; the defaults are the program's own.
struct ShellHooks {
    std::function<QWidget*(Topic)> createTopicForm; ///< default: createTopicForm()
    std::function<void()> endRun; ///< default: leave the event loop (QCoreApplication::exit)
};

/// The application around the problem forms: the main window, the single
/// instances of the forms and viewers, and the navigation between them.
/// Forms and viewers are created on first use; problem forms delete
/// themselves when closed, viewers are only hidden.
class Shell {
public:
    Shell();
    explicit Shell(ShellHooks hooks);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    void show();

    /// Creates the topic's form if needed, then shows, raises and activates it.
    void showTopic(Topic topic);
    /// Creates the viewer if needed, then shows, raises and activates it.
    void showHelp(HelpPage viewer);
    /// Creates the window "Resolução" if needed, makes it follow `form` (or
    /// the problem form active last), then shows, raises and activates it.
    void showSolution(ProblemForm* form);
    /// Creates the window "Praticar" if needed, chooses the topic of `form`
    /// (when given), then shows, raises and activates it.
    void showPractice(ProblemForm* form);
    /// Ends the run at once: every window closes, nothing is asked.
    void quit();

    QMainWindow* mainWindow() const;
    /// The open form of a topic, or nullptr.
    QWidget* topicForm(Topic topic) const;
    /// The viewer of a help page once it has been created, or nullptr.
    QWidget* viewer(HelpPage viewer) const;
    /// The window "Resolução" once it has been created, or nullptr.
    SolutionWindow* solutionWindow() const;
    /// The window "Praticar" once it has been created, or nullptr.
    PracticeWindow* practiceWindow() const;

private:
    /// The topic's form, created if needed.
    QWidget* openedForm(Topic topic);

    struct Private;
    std::unique_ptr<Private> d;
};
