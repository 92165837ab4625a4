// bench_worksheet: a 20-exercise sheet with its figures, answer key and
// worked solutions, from the choices to the PDF and to the OpenDocument
// text, in memory. Prints medians; --quick runs each once.

#include "benchtools.h"
#include "composer.h"
#include "sheetfile.h"

#include <QApplication>
#include <QBuffer>
#include <cstdio>

namespace {

/// Twenty exercises, the practisable frames taken in turn, with figures.
worksheet::Choices twentyExercises(quint64 seed) {
    worksheet::Choices choices;
    const auto& frames = practice::allFrames();
    for (std::size_t i = 0; i < 20; ++i)
        choices.frames.push_back({frames[i % frames.size()], 1});
    choices.seed = seed;
    choices.figures = true;
    return choices;
}

struct Times {
    std::vector<double> compose, pdf, odt;
    std::size_t pdfBytes = 0, odtBytes = 0;
};

void once(Times& t, quint64 seed) {
    auto start = Bench::Clock::now();
    const worksheet::Sheet sheet = worksheet::compose(twentyExercises(seed));
    t.compose.push_back(Bench::msSince(start));
    for (const bool pdf : {true, false}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        start = Bench::Clock::now();
        const bool written =
            pdf ? worksheet::writePdf(sheet, buffer) : worksheet::writeOdt(sheet, buffer);
        (pdf ? t.pdf : t.odt).push_back(Bench::msSince(start));
        (pdf ? t.pdfBytes : t.odtBytes) = written ? std::size_t(buffer.size()) : 0;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int runs = quick ? 1 : 9;
    Times t;
    for (int i = 0; i < runs; ++i)
        once(t, quint64(1000 + i));
    const double sheet = Bench::median(t.compose) + Bench::median(t.pdf);
    std::printf("20-exercise sheet, figures, key and worked solutions (median of %d):\n", runs);
    std::printf("  exercises, solutions and figures  %8.1f ms\n", Bench::median(t.compose));
    std::printf("  PDF written                       %8.1f ms  (%zu kB)\n", Bench::median(t.pdf),
                t.pdfBytes / 1024);
    std::printf("  OpenDocument text written         %8.1f ms  (%zu kB)\n", Bench::median(t.odt),
                t.odtBytes / 1024);
    std::printf("  choices to PDF                    %8.1f ms  (goal: at most 1000 ms)\n", sheet);
    return t.pdfBytes > 0 && t.odtBytes > 0 ? 0 : 1;
}
