// bench_worksheet: the sheets a teacher makes, from the choices to the file
// in memory. First the largest: every frame, two versions, advanced level,
// as OpenDocument text (and as PDF), with the process's peak memory right
// after it; then a 20-exercise sheet with its figures, key and worked
// solutions, as PDF and as OpenDocument text. Prints medians; --quick runs
// each once.

#include "benchtools.h"
#include "composer.h"
#include "sheetfile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

namespace {

/// Every practisable frame once (those without the level give none).
worksheet::Choices everyFrame(quint64 seed) {
    worksheet::Choices choices;
    for (const practice::FrameId& frame : practice::allFrames())
        choices.frames.push_back({frame, 1});
    choices.level = practice::Level::Avancado;
    choices.versions = 2;
    choices.seed = seed;
    return choices;
}

/// Twenty exercises, the practisable frames taken in turn, with figures.
worksheet::Choices twentyExercises(quint64 seed) {
    worksheet::Choices choices;
    const auto& frames = practice::allFrames();
    for (std::size_t i = 0; i < 20; ++i)
        choices.frames.push_back({frames[i % frames.size()], 1});
    choices.seed = seed;
    return choices;
}

using Writer = std::function<bool(const worksheet::Sheet&, QIODevice&)>;

/// The times of a sheet made from its choices, then written.
struct Times {
    std::vector<double> compose, pdf, odt;
    std::size_t pdfBytes = 0, odtBytes = 0;

    void once(const worksheet::Choices& choices) {
        auto start = Bench::Clock::now();
        const worksheet::Sheet sheet = worksheet::compose(choices);
        compose.push_back(Bench::msSince(start));
        write(sheet, worksheet::writeOdt, odt, odtBytes);
        write(sheet, worksheet::writePdf, pdf, pdfBytes);
    }
    static void write(const worksheet::Sheet& sheet, const Writer& writer,
                      std::vector<double>& times, std::size_t& bytes) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const auto start = Bench::Clock::now();
        const bool written = writer(sheet, buffer);
        times.push_back(Bench::msSince(start));
        bytes = written ? std::size_t(buffer.size()) : 0;
    }
    double toPdf() const { return Bench::median(compose) + Bench::median(pdf); }
    double toOdt() const { return Bench::median(compose) + Bench::median(odt); }
    bool written() const { return pdfBytes > 0 && odtBytes > 0; }
};

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int runs = quick ? 1 : 9;

    Times large;
    for (int i = 0; i < runs; ++i)
        large.once(everyFrame(quint64(2000 + i)));
    const Bench::Memory memory = Bench::memory();
    std::printf("Every frame, two versions, advanced level (median of %d):\n", runs);
    std::printf("  choices to OpenDocument text      %8.1f ms  (%zu kB; goal: 1000 ms, 3 MB)\n",
                large.toOdt(), large.odtBytes / 1024);
    std::printf("  choices to PDF                    %8.1f ms  (%zu kB)\n", large.toPdf(),
                large.pdfBytes / 1024);
    std::printf("  peak memory of the process        %8.1f MB  (goal: 150 MB)\n", memory.peak);

    Times twenty;
    for (int i = 0; i < runs; ++i)
        twenty.once(twentyExercises(quint64(1000 + i)));
    std::printf("20-exercise sheet, figures, key and worked solutions (median of %d):\n", runs);
    std::printf("  exercises, solutions and figures  %8.1f ms\n", Bench::median(twenty.compose));
    std::printf("  PDF written                       %8.1f ms  (%zu kB)\n",
                Bench::median(twenty.pdf), twenty.pdfBytes / 1024);
    std::printf("  OpenDocument text written         %8.1f ms  (%zu kB)\n",
                Bench::median(twenty.odt), twenty.odtBytes / 1024);
    std::printf("  choices to PDF                    %8.1f ms  (goal: 300 ms)\n", twenty.toPdf());
    std::printf("  choices to OpenDocument text      %8.1f ms  (goal: 300 ms)\n", twenty.toOdt());
    return large.written() && twenty.written() ? 0 : 1;
}
