// bench_soak: a day in class without a restart, in one process with the real
// windows (offscreen). Each round opens every form in turn and presses every
// button of every frame ("Dados" and "Resolver", with each option), with the
// window "Resolução" open and following the form, the projector mode on for
// every other form (on for the others in the next round), then closes the
// form. The first two rounds warm up (fonts, pictures, the caches of texts,
// each form in each mode); from then on resident memory should stay flat and
// every press answer within 50 ms.
//
//   bench_soak [--rounds N] [--quick]
//
// --rounds 1000 by default, warm-up included (about 25 minutes); --quick runs
// three, to check that the scenario still runs. Nothing here passes or fails
// on a figure: a non-zero exit only means the scenario could not run.

#include "formdriver.h"
#include "solutionview.h"
#include "solutionwindow.h"

#include <QAction>
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <malloc.h>

namespace {

using namespace Bench;

// The goals the figures are held to.
constexpr double GoalGrowthMb = 2.0;
constexpr double GoalPressMs = 50.0;
/// The projector mode alternates from one form to the next and from one round
/// to the next: two rounds show every form once in each mode.
constexpr int WarmUpRounds = 2;

/// Bytes the allocator has handed out and not had back, in MB: what the
/// program holds, without the pages the allocator keeps for later.
double heapMb() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

struct Slowest {
    double wall = 0, cpu = 0;
    QString what;
};

/// The presses counted, and the slowest on the wall clock and in processor time.
struct Figures {
    long presses = 0;
    Slowest wall{}, cpu{};
    long overWall = 0, overCpu = 0; ///< presses past the goal on each clock
};

struct Soak {
    Shell& shell;
    Figures figures{};

    /// Every button of every frame of the form, the pre-filled example and
    /// then each option.
    void pressEverything(ProblemForm& form, QWidget* solution) {
        for (const Frame& frame : framesOf(form)) {
            QRadioButton* preset = nullptr;
            for (QRadioButton* o : frame.options)
                if (o->isChecked()) preset = o;
            for (QRadioButton* option : variants(frame)) {
                if (option) option->setChecked(true);
                for (QPushButton* button : frame.buttons)
                    note(timedPress(button, form.board(), solution), form, button, option);
            }
            if (preset) preset->setChecked(true);
        }
    }

    void note(const PressTime& t, const ProblemForm& form, const QPushButton* button,
              const QRadioButton* option) {
        ++figures.presses;
        figures.overWall += t.wall >= GoalPressMs;
        figures.overCpu += t.cpu >= GoalPressMs;
        const auto what = [&] {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(form.objectName(), button->parentWidget()->objectName(), button->objectName(),
                     option ? option->objectName() : QString())
                .trimmed();
        };
        if (t.wall > figures.wall.wall) figures.wall = {t.wall, t.cpu, what()};
        if (t.cpu > figures.cpu.cpu) figures.cpu = {t.wall, t.cpu, what()};
    }

    /// The projector mode as the teacher sets it: F8's check item on the form.
    static void setProjector(ProblemForm& form, bool on) {
        auto* f8 = form.findChild<QAction*>(QStringLiteral("ModoProjeccao"));
        require(f8, QStringLiteral("Modo de projecção on %1").arg(form.objectName()));
        if (f8->isChecked() != on) f8->trigger();
    }

    /// The window "Resolução" open beside the form and following it.
    QWidget* solutionBeside(ProblemForm& form) {
        SolutionWindow* window = shell.solutionWindow();
        if (!window || !window->isVisible() || window->followed() != &form)
            shell.showSolution(&form);
        return shell.solutionWindow()->view();
    }

    void round(int number) {
        for (std::size_t i = 0; i < Topics.size(); ++i) {
            showForm(shell, Topics[i]);
            ProblemForm& form = *formOf(shell, Topics[i]);
            setProjector(form, (std::size_t(number) + i) % 2 == 1);
            pressEverything(form, solutionBeside(form));
            closeForm(shell, Topics[i]);
        }
    }
};

struct Options {
    int rounds = 1000;
};

Options parse(const QStringList& args) {
    Options o;
    if (args.contains(QLatin1String("--quick"))) o.rounds = WarmUpRounds + 1;
    const qsizetype at = args.indexOf(QLatin1String("--rounds"));
    if (at >= 0 && at + 1 < args.size()) o.rounds = args.at(at + 1).toInt();
    o.rounds = std::max(WarmUpRounds + 1, o.rounds);
    return o;
}

const char* verdict(double value, double goal) {
    return value < goal ? "met" : "MISSED";
}

/// Memory after a round, and its growth since the warm-up.
struct Sample {
    Memory memory;
    double heap = 0;
};

Sample sample() {
    return {memory(), heapMb()};
}

void printRound(int round, const Sample& now, const Sample& base) {
    std::printf("  %8d %9.1f %+8.2f %9.1f %+8.2f %9.1f %+8.2f\n", round, now.memory.rss,
                now.memory.rss - base.memory.rss, now.memory.anon,
                now.memory.anon - base.memory.anon, now.heap, now.heap - base.heap);
}

void printSlowest(const char* clock, double ms, const Slowest& s, long over) {
    std::printf("  slowest press, %s: %.2f ms (wall %.2f ms, processor %.2f ms; %s); "
                "%ld presses of %.0f ms or more   goal < %.0f ms: %s\n",
                clock, ms, s.wall, s.cpu, qPrintable(s.what), over, GoalPressMs, GoalPressMs,
                verdict(ms, GoalPressMs));
}

int run(const Options& o) {
    recordMessages();
    Shell shell;
    showMainWindow(shell);
    Soak soak{shell};
    const Clock::time_point start = Clock::now();
    for (int r = 0; r < WarmUpRounds; ++r)
        soak.round(r);
    const Slowest warmUp = std::exchange(soak.figures, {}).cpu;
    const Sample base = sample();
    std::printf("bench_soak: %d rounds of the nine forms, every button of every frame, "
                "\"Resolução\" open, projector mode on for every other form; platform %s\n",
                o.rounds, qPrintable(QGuiApplication::platformName()));
    std::printf("  warm-up (%d rounds, each form once in each mode): %.1f s, slowest press %.1f ms "
                "of processor time\n",
                WarmUpRounds, msSince(start) / 1e3, warmUp.cpu);
    std::printf("  MB after each round: resident (VmRSS), the process's own resident pages "
                "(RssAnon), heap in use (malloc)\n");
    std::printf("  %8s %9s %8s %9s %8s %9s %8s\n", "round", "resident", "growth", "own", "growth",
                "heap", "growth");
    printRound(WarmUpRounds, base, base);
    const int every = std::max(1, o.rounds / 20);
    double highest = 0;
    for (int r = WarmUpRounds; r < o.rounds; ++r) {
        soak.round(r);
        const Sample now = sample();
        highest = std::max(
            {highest, now.memory.rss - base.memory.rss, now.memory.anon - base.memory.anon});
        if ((r + 1) % every == 0 || r + 1 == o.rounds) printRound(r + 1, now, base);
    }
    const Sample end = sample();
    const double growth =
        std::max(end.memory.rss - base.memory.rss, end.memory.anon - base.memory.anon);
    std::printf("  %ld presses and %d openings of a form after the warm-up, in %.0f s\n",
                soak.figures.presses, int(Topics.size()) * (o.rounds - WarmUpRounds),
                msSince(start) / 1e3);
    std::printf("  resident memory growth after the warm-up (the larger of resident and own): "
                "%.2f MB, highest %.2f MB   goal < %.0f MB: %s\n",
                growth, highest, GoalGrowthMb, verdict(std::max(growth, highest), GoalGrowthMb));
    printSlowest("processor time", soak.figures.cpu.cpu, soak.figures.cpu, soak.figures.overCpu);
    printSlowest("wall clock", soak.figures.wall.wall, soak.figures.wall, soak.figures.overWall);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    quietPlatformNotes();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // no settings of the user read or written
    QApplication app(argc, argv);
    try {
        return run(parse(QCoreApplication::arguments()));
    } catch (const Broken& broken) {
        std::fprintf(stderr, "bench_soak: could not run %s\n", qPrintable(broken.what));
        return 1;
    }
}
