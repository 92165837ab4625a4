#pragma once

// Driving the real windows for the benchmarks of the forms: windows shown
// and waited for until painted, the buttons of a form's problem frames, and a
// press timed from the click to the repainted picture. Messages are counted,
// never shown.

#include "benchtools.h"
#include "messages.h"
#include "problemform.h"
#include "shell.h"
#include "topictable.h"
#include "viewers.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <array>
#include <ctime>
#include <optional>
#include <vector>

namespace Bench {

/// Every topic of the topic table, in its order.
constexpr std::array<Topic, TopicCount> Topics = [] {
    std::array<Topic, TopicCount> topics{};
    for (std::size_t i = 0; i < topics.size(); ++i)
        topics[i] = TopicTable[i].topic;
    return topics;
}();

/// Thrown when a scenario cannot be measured at all.
struct Broken {
    QString what;
};

inline void require(bool condition, const QString& what) {
    if (!condition) throw Broken{what};
}

// --- windows shown and painted -----------------------------------------------

/// Messages are counted, never shown: nothing may wait on a modal box.
inline int& messageCount() {
    static int count = 0;
    return count;
}

inline void recordMessages() {
    setMessageHandler([](QWidget*, const Message&) { ++messageCount(); });
}

inline ProblemForm* formOf(const Shell& shell, Topic topic) {
    return qobject_cast<ProblemForm*>(shell.topicForm(topic));
}

/// Shows the main window and waits until it has been painted.
inline void showMainWindow(Shell& shell) {
    PaintWatch watch(shell.mainWindow());
    shell.show();
    require(processUntil([&] { return watch.painted(); }), QStringLiteral("main window"));
}

/// Shows a topic's form (creating it if needed) and waits until its board
/// has been painted with the axes its activation draws.
inline void showForm(Shell& shell, Topic topic) {
    std::optional<PaintWatch> watch;
    if (ProblemForm* open = formOf(shell, topic)) watch.emplace(open->board());
    shell.showTopic(topic);
    ProblemForm* form = formOf(shell, topic);
    require(form, QStringLiteral("form %1").arg(topicRow(topic).indexHeading));
    Board* board = form->board();
    if (!watch) watch.emplace(board, [board] { return board->displayList().size() > 2; });
    require(processUntil([&] { return watch->painted(); }),
            QStringLiteral("board of %1").arg(topicRow(topic).indexHeading));
}

/// Shows a viewer and waits until its first page has been painted.
inline void showViewer(Shell& shell, HelpPage page) {
    shell.showHelp(page);
    auto* viewer = static_cast<Viewer*>(shell.viewer(page));
    PaintWatch watch(viewer->pageView(viewer->visiblePage()));
    require(processUntil([&] { return watch.painted(); }), viewer->objectName());
}

inline void closeForm(Shell& shell, Topic topic) {
    shell.topicForm(topic)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    require(!shell.topicForm(topic),
            QStringLiteral("closing %1").arg(topicRow(topic).indexHeading));
}

// --- the buttons of a form's problem frames -----------------------------------

/// One problem frame: its solve buttons, all its buttons ("Dados" too) and
/// its option buttons.
struct Frame {
    std::vector<QPushButton*> solvers;
    std::vector<QPushButton*> buttons;
    std::vector<QRadioButton*> options;
};

/// "Resolver…" buttons, or the frame's only button when none is so named.
inline std::vector<QPushButton*> solveButtons(QGroupBox* box) {
    const auto buttons = box->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    std::vector<QPushButton*> solvers;
    for (QPushButton* b : buttons)
        if (b->objectName().startsWith(QLatin1String("Resolver"))) solvers.push_back(b);
    if (solvers.empty() && buttons.size() == 1) solvers.push_back(buttons.front());
    return solvers;
}

inline std::vector<Frame> framesOf(const ProblemForm& form) {
    std::vector<Frame> frames;
    for (QGroupBox* box : form.findChildren<QGroupBox*>()) {
        std::vector<QPushButton*> solvers = solveButtons(box);
        if (solvers.empty()) continue;
        const auto buttons = box->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        const auto options = box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        frames.push_back({std::move(solvers),
                          {buttons.begin(), buttons.end()},
                          {options.begin(), options.end()}});
    }
    return frames;
}

/// The pre-filled example, then each option that is not the default.
inline std::vector<QRadioButton*> variants(const Frame& frame) {
    std::vector<QRadioButton*> list{nullptr};
    for (QRadioButton* option : frame.options)
        if (!option->isChecked()) list.push_back(option);
    return list;
}

// --- one press, timed --------------------------------------------------------

/// Milliseconds of processor time this thread has used: unlike the clock on
/// the wall, it does not count the time other programs held the processor.
inline double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct PressTime {
    double wall = 0, cpu = 0;
};

/// A real click, then the board repainted (and the worked solution, when
/// its window is open): done when the picture is.
inline PressTime timedPress(QPushButton* button, Board* board, QWidget* solution = nullptr) {
    const double cpu = threadCpuMs();
    const Clock::time_point start = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    board->repaint();
    if (solution) solution->repaint();
    const PressTime time{msSince(start), threadCpuMs() - cpu};
    QCoreApplication::processEvents(); // what the press left pending, untimed
    return time;
}

/// The offscreen platform's notes on what it cannot do (raise a window,
/// pass size hints) say nothing about the program.
inline void quietPlatformNotes() {
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (text.startsWith(QLatin1String("This plugin does not support")) ||
                text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
                return;
            standard(type, context, text);
        });
}

} // namespace Bench
