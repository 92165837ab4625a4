// bench_drag: how quickly the answer follows a dragged point. On every
// problem whose data hold a point, with the window "Resolução" open, a
// synthetic drag of its first point; on every problem whose data hold a line
// or a circle given by an equation, a drag of the grip of the first (the
// line turned, the circle resized): a press, then N moves of the pointer
// each one grid division or more from the last (so that every move rewrites
// the fields and runs the press again), then the release. Each move is timed
// from the pointer event sent to the board until the board and the worked
// solution are repainted.
//
//   bench_drag [--moves N] [--quick]
//
// The figures are the median and the 99th percentile of the moves of each
// problem, and the slowest problem's. The goal is 8 ms at the median and
// 16 ms at the 99th percentile, a repaint every 60th of a second. Nothing
// here passes or fails on a time: a non-zero exit only means a scenario could
// not run; --quick (a few moves) is registered as a test of that.

#include "benchtools.h"
#include "boarddrag.h"
#include "cputime.h"
#include "frame.h"
#include "messages.h"
#include "problemform.h"
#include "shell.h"
#include "solutionview.h"
#include "solutionwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <cmath>
#include <cstdio>

namespace {

using namespace Bench;

constexpr double GoalMedianMs = 8.0;
constexpr double GoalP99Ms = 16.0;

struct Figure {
    std::string problem;
    double median = 0, p99 = 0, worst = 0;
    double cpuMedian = 0, cpuP99 = 0; ///< the processor time of this thread alone
    int presses = 0;
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const std::size_t i =
        std::min(values.size() - 1, std::size_t(std::ceil(p * values.size())) - 1);
    return values[i];
}

void send(QWidget* board, QEvent::Type type, QPointF at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, board->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(board, &event);
}

/// Where the n-th move goes: a figure of eight over some twelve divisions,
/// a division or more from the move before.
QPointF path(QPointF start, double division, int n) {
    const double t = n * 0.35;
    return start + division * QPointF(6 * std::sin(t), 4 * std::sin(2 * t));
}

using Kind = BoardDrag::Handle::Kind;

/// Drags the first handle of one of the `kinds`.
Figure dragFirst(Shell& shell, const exact::FrameId& problem, int moves,
                 const std::vector<Kind>& kinds) {
    shell.showTopic(problem.topic());
    auto* form = qobject_cast<ProblemForm*>(shell.topicForm(problem.topic()));
    form->enter(problem, {});
    shell.showSolution(form);
    QWidget* view = shell.solutionWindow()->view();
    PaintWatch watch(view);
    processUntil([&] { return watch.painted(); });
    // Pressed once the windows have come up: a form shows bare axes when it is activated.
    frameButton(form->frameOf(problem.frame()), PressKind::Resolver)->click();
    QCoreApplication::processEvents();
    Board* board = form->board();
    const std::vector<BoardDrag::Handle> handles = form->drag().handles();
    const auto first = std::ranges::find_if(handles, [&](const BoardDrag::Handle& h) {
        return std::ranges::find(kinds, h.kind) != kinds.end();
    });
    if (first == handles.end()) return {std::string(problem.name())}; // it presses nothing
    const QPointF start = board->toPixel(first->at);
    const double division = Board::Side / std::fabs(board->window().width()) * 0.5 * 1.2;

    Figure figure{std::string(problem.name()) + (first->kind == Kind::Point  ? ""
                                                 : first->kind == Kind::Turn ? " (recta)"
                                                                             : " (circ.)")};
    std::vector<double> times, cpu;
    send(board, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    int pressesBefore = 0;
    QObject::connect(form, &ProblemForm::pressEnded, [&] { ++pressesBefore; });
    for (int n = 1; n <= moves; ++n) {
        const double cpuBegin = threadSeconds();
        const Clock::time_point begin = Clock::now();
        send(board, QEvent::MouseMove, path(start, division, n), Qt::NoButton, Qt::LeftButton);
        board->repaint();
        view->repaint();
        times.push_back(msSince(begin));
        cpu.push_back((threadSeconds() - cpuBegin) * 1e3);
        QCoreApplication::processEvents(); // what the move left pending, untimed
    }
    send(board, QEvent::MouseButtonRelease, path(start, division, moves), Qt::LeftButton,
         Qt::NoButton);
    figure.presses = pressesBefore;
    figure.median = median(times);
    figure.p99 = percentile(times, 0.99);
    figure.worst = maximum(times);
    figure.cpuMedian = median(cpu);
    figure.cpuP99 = percentile(cpu, 0.99);
    shell.solutionWindow()->hide();
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return figure;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // A message a press shows (a triangle without area...) is counted, never waited for:
    // no one is there to close a box.
    int messages = 0;
    setMessageHandler([&messages](QWidget*, const Message&) { ++messages; });
    int moves = 1000;
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--quick"))) moves = 5;
    if (const qsizetype i = args.indexOf(QStringLiteral("--moves")); i >= 0 && i + 1 < args.size())
        moves = args[i + 1].toInt();

    Shell shell;
    shell.show();
    std::printf("A drag of the first point of each problem, and of the grip of its first line "
                "or circle, %d moves, the window \"Resolução\" open: each move to the board and "
                "the solution repainted (ms)\n",
                moves);
    std::printf("  %-26s %8s %8s %8s %10s %8s %8s\n", "problem", "median", "p99", "worst",
                "cpu median", "cpu p99", "presses");
    Figure slowest;
    const auto holds = [](const exact::FrameId& problem, std::initializer_list<exact::Role> roles) {
        const auto fields = problem.fields();
        return std::ranges::any_of(fields, [&](const exact::FrameField& f) {
            return std::ranges::find(roles, f.role) != roles.end();
        });
    };
    for (const exact::FrameId& problem : exact::allFrames()) {
        std::vector<std::vector<Kind>> drags;
        if (holds(problem, {exact::Role::Point})) drags.push_back({Kind::Point});
        if (holds(problem, {exact::Role::Line, exact::Role::Circle}))
            drags.push_back({Kind::Turn, Kind::Radius});
        for (const auto& kinds : drags) {
            const Figure f = dragFirst(shell, problem, moves, kinds);
            if (f.presses == 0) {
                std::fprintf(stderr, "bench_drag: the drag of %s pressed nothing\n",
                             f.problem.c_str());
                return 1;
            }
            std::printf("  %-26s %8.2f %8.2f %8.2f %10.2f %8.2f %8d\n", f.problem.c_str(), f.median,
                        f.p99, f.worst, f.cpuMedian, f.cpuP99, f.presses);
            if (f.p99 > slowest.p99) slowest = f;
        }
    }
    std::printf("Slowest problem: %s, median %.2f ms (goal %.0f), 99th percentile %.2f ms "
                "(goal %.0f); processor time %.2f and %.2f ms\n",
                slowest.problem.c_str(), slowest.median, GoalMedianMs, slowest.p99, GoalP99Ms,
                slowest.cpuMedian, slowest.cpuP99);
    return 0;
}
