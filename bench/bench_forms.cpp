// bench_forms: how quickly Ortoplano's windows come up and answer a press,
// and how much memory they hold.
//
//   bench_forms [--runs N] [--presses N] [--quick] [--form NAME] [--hostile]
//
// Cold figures (the main window, the first showing of each form, memory)
// come from fresh child processes of this program, one per run and figure.
// Press and axes figures are measured in this process on warm forms, the
// first press of every button reported apart; then the presses that give a
// worked solution again, with the window "Resolução" open and repainted. The figures are medians
// (the presses show their best, worst and processor time too, to tell a slow press from a busy
// machine). Nothing here passes or fails on a time: a non-zero exit only means a scenario could not
// run (a window that never painted, a form without a solve button). --form Form7 measures the
// presses of that form alone, as a short run to profile. --hostile measures
// instead every press with the window "Resolução" open and each field holding
// one of the slowest texts known (sums of 16 to 32 radicals, coefficients of
// hundreds of digits): each must answer within 50 ms.

#include "formdriver.h"
#include "pressrecord.h"
#include "solutionview.h"
#include "solutionwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

using namespace Bench;

constexpr std::array<HelpPage, 4> Viewers = {HelpPage::Indice, HelpPage::Instrucoes,
                                             HelpPage::Sintaxe, HelpPage::Funcoes};

// The goals the figures are held to.
constexpr double GoalPressMs = 2.0;
constexpr double GoalSolvedPressMs = 3.0;   ///< with the window "Resolução" open
constexpr double GoalHostilePressMs = 50.0; ///< the slowest texts a field accepts
constexpr double GoalMainWindowMs = 100.0;
constexpr double GoalStartMb = 50.0;
constexpr double GoalPeakMb = 80.0;

struct Options {
    int runs = 10;    ///< fresh processes per cold figure
    int presses = 30; ///< timed presses per button, after the first
    int axes = 200;   ///< timed DesenharEixos calls
    bool quick = false;
    bool hostile = false; ///< the presses on the slowest texts, nothing else
    QString form;         ///< only the presses of this form ("Form7"), for profiling
};

struct PressFigure {
    QString form, frame, button, variant;
    double first = 0, median = 0, best = 0, worst = 0, cpu = 0;
    int messages = 0;
};

/// The first press apart, then `presses` more of the same button; with the
/// worked solution's view repainted too when `solution` is given.
PressFigure measurePress(ProblemForm& form, QPushButton* button, QRadioButton* option, int presses,
                         QWidget* solution = nullptr) {
    QRadioButton* preset = nullptr;
    for (QRadioButton* o : button->parentWidget()->findChildren<QRadioButton*>())
        if (o->isChecked()) preset = o;
    if (option) option->setChecked(true);
    PressFigure figure{form.objectName(), button->parentWidget()->objectName(),
                       button->objectName(), option ? option->objectName() : QString()};
    messageCount() = 0;
    figure.first = timedPress(button, form.board(), solution).wall;
    figure.messages = messageCount();
    std::vector<double> wall, cpu;
    for (int i = 0; i < presses; ++i) {
        const PressTime t = timedPress(button, form.board(), solution);
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    figure.median = median(wall);
    figure.best = *std::min_element(wall.begin(), wall.end());
    figure.worst = maximum(wall);
    figure.cpu = median(cpu);
    if (preset) preset->setChecked(true);
    return figure;
}

/// Every solve button of a topic's form (when its name is `only`, if given).
std::vector<PressFigure> measurePresses(Shell& shell, Topic topic, int presses,
                                        const QString& only) {
    showForm(shell, topic);
    ProblemForm& form = *formOf(shell, topic);
    if (!only.isEmpty() && form.objectName() != only) {
        closeForm(shell, topic);
        return {};
    }
    const std::vector<Frame> frames = framesOf(form);
    require(!frames.empty(),
            QStringLiteral("solve buttons of %1").arg(topicRow(topic).indexHeading));
    std::vector<PressFigure> figures;
    for (const Frame& frame : frames)
        for (QPushButton* button : frame.solvers)
            for (QRadioButton* option : variants(frame))
                figures.push_back(measurePress(form, button, option, presses));
    closeForm(shell, topic);
    return figures;
}

/// Every solve button of a topic's form that gives a worked solution, with
/// the window "Resolução" open beside the form.
std::vector<PressFigure> measureSolvedPresses(Shell& shell, Topic topic, int presses,
                                              const QString& only) {
    showForm(shell, topic);
    ProblemForm& form = *formOf(shell, topic);
    std::vector<PressFigure> figures;
    if (only.isEmpty() || form.objectName() == only) {
        shell.showSolution(&form);
        SolutionWindow* window = shell.solutionWindow();
        PaintWatch watch(window->view());
        require(processUntil([&] { return watch.painted(); }), QStringLiteral("Resolução"));
        const auto givesSolution = [&form](const Frame& frame, QPushButton* button,
                                           QRadioButton* option) {
            QRadioButton* preset = nullptr;
            for (QRadioButton* o : frame.options)
                if (o->isChecked()) preset = o;
            if (option) option->setChecked(true);
            QTest::mouseClick(button, Qt::LeftButton);
            if (preset) preset->setChecked(true);
            return form.solution() != nullptr;
        };
        for (const Frame& frame : framesOf(form))
            for (QPushButton* button : frame.solvers)
                for (QRadioButton* option : variants(frame))
                    if (givesSolution(frame, button, option))
                        figures.push_back(
                            measurePress(form, button, option, presses, window->view()));
        window->hide();
    }
    closeForm(shell, topic);
    return figures;
}

// --- presses on the slowest texts a field accepts ----------------------------

/// A sum of n radicals of alternating signs: √2 − √3 + √5 − …
QString alternatingRoots(int n) {
    static const int primes[] = {2,  3,  5,  7,   11,  13,  17,  19,  23,  29, 31,
                                 37, 41, 43, 47,  53,  59,  61,  67,  71,  73, 79,
                                 83, 89, 97, 101, 103, 107, 109, 113, 127, 131};
    QString sum;
    for (int i = 0; i < n; ++i)
        sum += (i % 2 ? QLatin1String("-")
                : i   ? QLatin1String("+")
                      : QLatin1String("")) +
               QStringLiteral("sqr(%1)").arg(primes[i]);
    return sum;
}

/// The texts: a number, and what an equation field gets from it.
struct Hostile {
    const char* name;
    QString number;
};

std::vector<Hostile> hostileTexts() {
    const QString five = QStringLiteral("(1+sqr(2))*(1+sqr(3))*(1+sqr(5))*(1+sqr(7))*(1+sqr(11))");
    return {{"16 radicals / 10^300", "abs((" + alternatingRoots(16) + ")/10^300)"},
            {"24 radicals / 10^300", "abs((" + alternatingRoots(24) + ")/10^300)"},
            {"32 radicals / 10^300", "abs((" + alternatingRoots(32) + ")/10^300)"},
            {"32 radicals, 300 digits", "(" + five + ")^60"},
            {"32 radicals, inverse", "1/(" + five + ")^20"},
            {"radicand 10^12 - 11", QStringLiteral("3*sqr(999999999989)+sqr(2)")}};
}

/// The text for a field: the number, or an equation made of it where the
/// field holds an equation (a circle where it holds a circle).
QString hostileField(const QString& current, QString number) {
    if (!current.contains(QLatin1Char('='))) return number;
    number.replace(QLatin1String("10^300"),
                   QLatin1String("10^150/10^150")); // no "^3" in an equation
    if (current.contains(QLatin1String("^2")))
        return "x^2+y^2-(" + number + ")*x=(" + number + ")^2";
    return "y=(" + number + ")*x+(" + number + ")";
}

struct HostileFigure {
    QString form, frame, button, variant;
    double worst = 0, cpu = 0;
    const char* text = "";
};

/// Every solve button of a form pressed with each hostile text in every
/// field of its frame, the window "Resolução" open: the slowest of the presses.
std::vector<HostileFigure> measureHostilePresses(Shell& shell, Topic topic, int presses) {
    showForm(shell, topic);
    ProblemForm& form = *formOf(shell, topic);
    shell.showSolution(&form);
    QWidget* view = shell.solutionWindow()->view();
    std::vector<HostileFigure> figures;
    for (const Frame& frame : framesOf(form))
        for (QPushButton* button : frame.solvers)
            for (QRadioButton* option : variants(frame)) {
                QRadioButton* preset = nullptr;
                for (QRadioButton* o : frame.options)
                    if (o->isChecked()) preset = o;
                if (option) option->setChecked(true);
                const QList<QLineEdit*> all = button->parentWidget()->findChildren<QLineEdit*>();
                const std::vector<QLineEdit*> fields(all.begin(), all.end());
                std::vector<QString> typed;
                for (QLineEdit* f : fields)
                    typed.push_back(f->text());
                HostileFigure worst{form.objectName(), button->parentWidget()->objectName(),
                                    button->objectName(),
                                    option ? option->objectName() : QString()};
                for (const Hostile& h : hostileTexts()) {
                    for (std::size_t i = 0; i < fields.size(); ++i)
                        if (!isResult(fields[i]))
                            fields[i]->setText(hostileField(typed[i], h.number));
                    for (int k = 0; k < presses; ++k) {
                        const PressTime t = timedPress(button, form.board(), view);
                        if (t.wall > worst.worst) {
                            worst.worst = t.wall;
                            worst.cpu = t.cpu;
                            worst.text = h.name;
                        }
                    }
                }
                for (std::size_t i = 0; i < fields.size(); ++i)
                    fields[i]->setText(typed[i]);
                if (preset) preset->setChecked(true);
                figures.push_back(worst);
            }
    shell.solutionWindow()->hide();
    closeForm(shell, topic);
    return figures;
}

const char* verdict(double value, double goal);

int runHostile(const Options& o) {
    recordMessages();
    Shell shell;
    showMainWindow(shell);
    std::printf("Presses with the slowest texts in every field, the window \"Resolução\" open: "
                "the slowest of %d presses per text, over %zu texts\n",
                o.presses, hostileTexts().size());
    std::printf("  %-6s %-7s %-10s %-8s %8s %8s  %s\n", "form", "frame", "button", "option",
                "worst", "cpu", "text");
    double highest = 0.0;
    int count = 0;
    for (Topic topic : Topics)
        for (const HostileFigure& f : measureHostilePresses(shell, topic, o.presses)) {
            std::printf("  %-6s %-7s %-10s %-8s %8.2f %8.2f  %s\n", qPrintable(f.form),
                        qPrintable(f.frame), qPrintable(f.button), qPrintable(f.variant), f.worst,
                        f.cpu, f.text);
            highest = std::max(highest, f.cpu);
            ++count;
        }
    std::printf(
        "  slowest processor time of %d buttons and options: %.2f ms   goal <= %.0f ms: %s\n",
        count, highest, GoalHostilePressMs, verdict(highest, GoalHostilePressMs));
    return 0;
}

// --- the child processes: one cold figure set each ---------------------------

void put(const char* key, double value) {
    std::printf("%s %.4f\n", key, value);
}

/// Whether a shared library of that name is loaded in this process.
bool loaded(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

/// What exists once the main window shows: nothing but the main window.
void countWindows() {
    int forms = 0, viewers = 0, pages = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        forms += qobject_cast<ProblemForm*>(w) != nullptr;
        viewers += qobject_cast<Viewer*>(w) != nullptr;
        pages += qobject_cast<PageView*>(w) != nullptr;
    }
    put("start_forms", forms);
    put("start_viewers", viewers);
    put("start_pages", pages);
    put("start_svg_engine", loaded("libqsvgicon"));
}

/// The main window in a fresh process, and the memory held right after.
void childStart(Shell& shell, Clock::time_point built) {
    showMainWindow(shell);
    put("mainwindow_total_ms", msSince(built));
    const Memory m = memory();
    put("start_rss_mb", m.rss);
    put("start_peak_mb", m.peak);
    countWindows();
}

/// A form's first construction and showing, the main window already up.
void childForm(Shell& shell, Topic topic, const double& constructMs) {
    showMainWindow(shell);
    const Clock::time_point start = Clock::now();
    showForm(shell, topic);
    put("form_shown_ms", msSince(start));
    put("form_constructed_ms", constructMs);
}

/// Everything open at once, then one press of every solve button.
void childMemory(Shell& shell) {
    showMainWindow(shell);
    put("main_rss_mb", memory().rss);
    for (Topic topic : Topics)
        showForm(shell, topic);
    put("forms_rss_mb", memory().rss);
    for (HelpPage page : Viewers)
        showViewer(shell, page);
    const Memory open = memory();
    put("all_open_rss_mb", open.rss);
    put("all_open_peak_mb", open.peak);
    for (Topic topic : Topics) {
        ProblemForm& form = *formOf(shell, topic);
        for (const Frame& frame : framesOf(form))
            for (QPushButton* button : frame.solvers)
                timedPress(button, form.board());
    }
    const Memory pressed = memory();
    put("all_pressed_rss_mb", pressed.rss);
    put("all_pressed_peak_mb", pressed.peak);
}

int runChild(int argc, char** argv, const QString& scenario, int topicIndex) {
    const Clock::time_point start = Clock::now();
    QApplication app(argc, argv);
    put("qapplication_ms", msSince(start));
    recordMessages();
    double constructMs = 0.0;
    ShellHooks hooks;
    hooks.createTopicForm = [&constructMs](Topic topic) {
        const Clock::time_point begin = Clock::now();
        QWidget* form = createTopicForm(topic);
        constructMs = msSince(begin);
        return form;
    };
    const Clock::time_point built = Clock::now();
    Shell shell(hooks);
    put("mainwindow_constructed_ms", msSince(built));
    if (scenario == QLatin1String("start")) childStart(shell, built);
    if (scenario == QLatin1String("form")) childForm(shell, Topics.at(topicIndex), constructMs);
    if (scenario == QLatin1String("memory")) childMemory(shell);
    std::fflush(stdout);
    return 0;
}

// --- the parent: runs the children and gathers their figures -----------------

using Samples = QMap<QString, std::vector<double>>;

/// Runs this program as a child `runs` times; the figures of every run.
Samples runChildren(const QStringList& arguments, int runs) {
    Samples samples;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + arguments);
        require(child.waitForFinished(120000) && child.exitCode() == 0,
                QStringLiteral("child %1").arg(arguments.join(' ')));
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                samples[QString::fromLatin1(parts[0])].push_back(parts[1].toDouble());
        }
    }
    return samples;
}

double med(const Samples& samples, const char* key) {
    return median(samples.value(QString::fromLatin1(key)));
}

const char* verdict(double value, double goal) {
    return value <= goal ? "met" : "MISSED";
}

void printStart(const Samples& s) {
    std::printf("\nStart-up, fresh process per run\n");
    std::printf("  QApplication constructed               %8.2f ms\n", med(s, "qapplication_ms"));
    std::printf("  main window constructed                %8.2f ms\n",
                med(s, "mainwindow_constructed_ms"));
    const double shown = med(s, "mainwindow_total_ms");
    std::printf("  main window constructed, shown, painted%8.2f ms   goal <= %.0f ms: %s\n", shown,
                GoalMainWindowMs, verdict(shown, GoalMainWindowMs));
    const double rss = med(s, "start_rss_mb");
    std::printf("  resident memory after start            %8.1f MB   goal <= %.0f MB: %s\n", rss,
                GoalStartMb, verdict(rss, GoalStartMb));
    std::printf("  peak memory (VmHWM) after start        %8.1f MB\n", med(s, "start_peak_mb"));
    std::printf(
        "  made before the main window showed:    %.0f problem forms, %.0f viewers, %.0f help "
        "pages; SVG icon engine %s\n",
        maximum(s.value("start_forms")), maximum(s.value("start_viewers")),
        maximum(s.value("start_pages")),
        maximum(s.value("start_svg_engine")) > 0 ? "loaded" : "not loaded");
}

void printForms(const std::vector<Samples>& cold, const std::vector<double>& warm) {
    std::printf("\nFirst showing of each form, fresh process per run, main window already shown\n");
    std::printf("  %-18s %14s %22s %18s\n", "form", "constructed ms", "constructed+shown ms",
                "again, warm ms");
    for (std::size_t i = 0; i < Topics.size(); ++i)
        std::printf(
            "  %s %14.2f %22.2f %18.2f\n",
            qPrintable(QString::fromUtf8(topicRow(Topics[i]).indexHeading).leftJustified(18)),
            med(cold[i], "form_constructed_ms"), med(cold[i], "form_shown_ms"), warm[i]);
}

void printPresses(const std::vector<PressFigure>& figures, int presses) {
    std::printf("\nPress \"Resolver\" to repainted board: the first press, then %d more: their "
                "median, best and worst, and the median processor time of the press\n",
                presses);
    std::printf("  %-6s %-7s %-10s %-8s %8s %8s %8s %8s %8s %4s\n", "form", "frame", "button",
                "option", "first", "median", "best", "worst", "cpu", "msgs");
    double highest = 0.0;
    for (const PressFigure& f : figures) {
        std::printf("  %-6s %-7s %-10s %-8s %8.3f %8.3f %8.3f %8.3f %8.3f %4d\n",
                    qPrintable(f.form), qPrintable(f.frame), qPrintable(f.button),
                    qPrintable(f.variant), f.first, f.median, f.best, f.worst, f.cpu, f.messages);
        highest = std::max(highest, f.median);
    }
    std::printf("  (milliseconds; msgs: messages the press showed)\n");
    std::printf("  highest median of %zu buttons and options: %.3f ms   goal <= %.0f ms: %s\n",
                figures.size(), highest, GoalPressMs, verdict(highest, GoalPressMs));
}

void printSolvedPresses(const std::vector<PressFigure>& figures) {
    std::printf("\nThe same with the window \"Resolução\" open: press to repainted board and "
                "worked solution, every button that gives one\n");
    std::printf("  %-6s %-7s %-10s %-8s %8s %8s %8s %8s %8s\n", "form", "frame", "button", "option",
                "first", "median", "best", "worst", "cpu");
    double highest = 0.0;
    for (const PressFigure& f : figures) {
        std::printf("  %-6s %-7s %-10s %-8s %8.3f %8.3f %8.3f %8.3f %8.3f\n", qPrintable(f.form),
                    qPrintable(f.frame), qPrintable(f.button), qPrintable(f.variant), f.first,
                    f.median, f.best, f.worst, f.cpu);
        highest = std::max(highest, f.median);
    }
    std::printf("  highest median of %zu buttons and options: %.3f ms   goal <= %.0f ms: %s\n",
                figures.size(), highest, GoalSolvedPressMs, verdict(highest, GoalSolvedPressMs));
}

void printMemory(const Samples& s) {
    std::printf("\nMain window, nine forms and four viewers open (fresh process per run)\n");
    std::printf("  resident memory, main window shown     %8.1f MB\n", med(s, "main_rss_mb"));
    std::printf("  resident memory, and the nine forms    %8.1f MB\n", med(s, "forms_rss_mb"));
    std::printf("  resident memory, and the four viewers  %8.1f MB\n", med(s, "all_open_rss_mb"));
    const double peak = med(s, "all_open_peak_mb");
    std::printf("  peak memory (VmHWM), all open          %8.1f MB   goal <= %.0f MB: %s\n", peak,
                GoalPeakMb, verdict(peak, GoalPeakMb));
    const double pressed = med(s, "all_pressed_peak_mb");
    std::printf("  peak memory after one press of each    %8.1f MB   goal <= %.0f MB: %s\n",
                pressed, GoalPeakMb, verdict(pressed, GoalPeakMb));
}

// --- warm figures, in this process -------------------------------------------

/// Second and later showings of a form in one process: fonts, styles and
/// pictures are already loaded.
double warmShowing(Shell& shell, Topic topic, int runs) {
    showForm(shell, topic); // the first showing in this process is not counted
    closeForm(shell, topic);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        showForm(shell, topic);
        times.push_back(msSince(start));
        closeForm(shell, topic);
    }
    return median(times);
}

/// DesenharEixos with the grid on the default viewport, alone and with the
/// board repainted after it.
void measureAxes(Shell& shell, int calls) {
    showForm(shell, Topic::Pontos);
    ProblemForm& form = *formOf(shell, Topic::Pontos);
    form.findChild<QCheckBox*>(QStringLiteral("DesenharGrelha"))->setChecked(true);
    std::vector<double> alone, painted;
    for (int i = 0; i < calls; ++i) {
        Clock::time_point start = Clock::now();
        form.DesenharEixos();
        alone.push_back(msSince(start));
        start = Clock::now();
        form.DesenharEixos();
        form.board()->repaint();
        painted.push_back(msSince(start));
        QCoreApplication::processEvents();
    }
    std::printf("\nDesenharEixos, grid on, default viewport (-10..10), median of %d\n", calls);
    std::printf("  recorded                               %8.3f ms (%zu primitives)\n",
                median(alone), form.board()->displayList().size());
    std::printf("  recorded and board repainted           %8.3f ms\n", median(painted));
    closeForm(shell, Topic::Pontos);
}

Options parse(const QStringList& args) {
    Options o;
    const auto number = [&](const char* flag, int fallback) {
        const qsizetype at = args.indexOf(QLatin1String(flag));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
    };
    o.quick = args.contains(QLatin1String("--quick"));
    o.hostile = args.contains(QLatin1String("--hostile"));
    if (o.quick) {
        o.runs = 1;
        o.presses = 2;
        o.axes = 5;
    }
    o.runs = std::max(1, number("--runs", o.runs));
    o.presses = std::max(1, number("--presses", o.presses));
    const qsizetype form = args.indexOf(QLatin1String("--form"));
    if (form >= 0 && form + 1 < args.size()) o.form = args.at(form + 1);
    return o;
}

std::vector<PressFigure> measureAllPresses(Shell& shell, const Options& o) {
    std::vector<PressFigure> figures;
    for (Topic topic : Topics)
        for (PressFigure& f : measurePresses(shell, topic, o.presses, o.form))
            figures.push_back(std::move(f));
    return figures;
}

/// After the presses with the window closed: it is created by the first of these.
std::vector<PressFigure> measureAllSolvedPresses(Shell& shell, const Options& o) {
    std::vector<PressFigure> figures;
    for (Topic topic : Topics)
        for (PressFigure& f : measureSolvedPresses(shell, topic, o.presses, o.form))
            figures.push_back(std::move(f));
    require(!figures.empty() || !o.form.isEmpty(),
            QStringLiteral("a press that gives a worked solution"));
    return figures;
}

/// The press figures of one form alone, nothing else: a short run to
/// profile (valgrind --tool=callgrind --toggle-collect='*timedPress*').
int runOneForm(const Options& o) {
    recordMessages();
    Shell shell;
    showMainWindow(shell);
    const std::vector<PressFigure> figures = measureAllPresses(shell, o);
    require(!figures.empty(), QStringLiteral("a form named %1").arg(o.form));
    printPresses(figures, o.presses);
    printSolvedPresses(measureAllSolvedPresses(shell, o));
    return 0;
}

int runParent(int argc, char** argv) {
    QApplication app(argc, argv);
    const Options o = parse(QCoreApplication::arguments());
    if (o.hostile) return runHostile(o);
    if (!o.form.isEmpty()) return runOneForm(o);
    std::printf("Ortoplano benchmark: medians of %d fresh processes per cold figure, platform %s\n",
                o.runs, qPrintable(QGuiApplication::platformName()));
    printStart(runChildren({"start"}, o.runs));
    std::vector<Samples> cold;
    for (std::size_t i = 0; i < Topics.size(); ++i)
        cold.push_back(runChildren({"form", QString::number(i)}, o.runs));
    const Samples all = runChildren({"memory"}, o.runs);

    recordMessages();
    Shell shell;
    showMainWindow(shell);
    std::vector<double> warm;
    for (Topic topic : Topics)
        warm.push_back(warmShowing(shell, topic, o.runs));
    printForms(cold, warm);
    printPresses(measureAllPresses(shell, o), o.presses);
    printSolvedPresses(measureAllSolvedPresses(shell, o));
    measureAxes(shell, o.axes);
    printMemory(all);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // lines stay whole beside Qt's warnings
    quietPlatformNotes();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(
        true); // the window "Resolução" keeps no settings of the user
    try {
        if (argc >= 3 && QByteArray(argv[1]) == "--child")
            return runChild(argc, argv, QString::fromLatin1(argv[2]),
                            argc >= 4 ? std::atoi(argv[3]) : 0);
        return runParent(argc, argv);
    } catch (const Broken& broken) {
        std::fprintf(stderr, "bench_forms: could not measure %s\n", qPrintable(broken.what));
        return 1;
    }
}
