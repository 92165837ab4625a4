// bench_soak: a day in class without a restart, in one process with the real
// windows (offscreen). Each round opens every form in turn and presses every
// button of every frame ("Dados" and "Resolver", with each option), with the
// window "Resolução" open and following the form, the projector mode on for
// every other form, then closes the form. The first round warms up (fonts,
// pictures, the caches of texts); from then on resident memory should stay
// flat and every press answer within 50 ms.
//
//   bench_soak [--rounds N] [--quick]
//
// --rounds 1000 by default (about ten minutes); --quick runs two, to check that
// the scenario still runs. Nothing here passes or fails on a figure: a
// non-zero exit only means the scenario could not run.

#include "formdriver.h"
#include "solutionview.h"
#include "solutionwindow.h"

#include <QAccessible>
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
        const auto what = [&] {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(form.objectName(), button->parentWidget()->objectName(), button->objectName(),
                     option ? option->objectName() : QString());
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
    if (args.contains(QLatin1String("--quick"))) o.rounds = 2;
    const qsizetype at = args.indexOf(QLatin1String("--rounds"));
    if (at >= 0 && at + 1 < args.size()) o.rounds = args.at(at + 1).toInt();
    o.rounds = std::max(2, o.rounds);
    return o;
}

const char* verdict(double value, double goal) {
    return value < goal ? "met" : "MISSED";
}

int run(const Options& o) {
    recordMessages();
    Shell shell;
    showMainWindow(shell);
    Soak soak{shell};
    const Clock::time_point start = Clock::now();
    soak.round(0);
    const Slowest warmUp = std::exchange(soak.figures, {}).cpu;
    const double base = memory().rss, baseHeap = heapMb();
    std::printf("bench_soak: %d rounds of the nine forms, every button of every frame, "
                "\"Resolução\" open, projector mode on for every other form; platform %s%s\n",
                o.rounds, qPrintable(QGuiApplication::platformName()),
                QAccessible::isActive() ? ", accessibility active" : "");
    std::printf("  after the warm-up round (%.1f s, slowest press %.1f ms of processor time):"
                " resident %.1f MB, heap in use %.1f MB\n",
                msSince(start) / 1e3, warmUp.cpu, base, baseHeap);
    std::printf("  %8s %10s %12s %10s %12s\n", "round", "resident", "growth MB", "heap MB",
                "growth MB");
    const int every = std::max(1, o.rounds / 20);
    double highest = base;
    for (int r = 1; r < o.rounds; ++r) {
        soak.round(r);
        const double rss = memory().rss;
        highest = std::max(highest, rss);
        if (r % every == 0 || r + 1 == o.rounds)
            std::printf("  %8d %10.1f %+12.2f %10.1f %+12.2f\n", r + 1, rss, rss - base, heapMb(),
                        heapMb() - baseHeap);
    }
    const double growth = memory().rss - base;
    std::printf("  %ld presses and %d openings of a form in %.0f s\n", soak.figures.presses,
                9 * (o.rounds - 1), msSince(start) / 1e3);
    std::printf("  resident memory growth after the warm-up: %.2f MB (highest %.2f MB)   "
                "goal < %.0f MB: %s\n",
                growth, highest - base, GoalGrowthMb, verdict(growth, GoalGrowthMb));
    std::printf(
        "  slowest press, processor time: %.2f ms (wall %.2f ms; %s)   goal < %.0f ms: %s\n",
        soak.figures.cpu.cpu, soak.figures.cpu.wall, qPrintable(soak.figures.cpu.what), GoalPressMs,
        verdict(soak.figures.cpu.cpu, GoalPressMs));
    std::printf(
        "  slowest press, wall clock: %.2f ms (processor %.2f ms; %s)   goal < %.0f ms: %s\n",
        soak.figures.wall.wall, soak.figures.wall.cpu, qPrintable(soak.figures.wall.what),
        GoalPressMs, verdict(soak.figures.wall.wall, GoalPressMs));
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
