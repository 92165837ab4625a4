// Every frame's worked solution laid out in the window "Resolução" at its
// default width: for the form's default data and for random data typed into
// the frame, no line may be wider than the column (the window would need a
// horizontal scroll bar) and no vector's arrow narrower than its name.
// Twenty random rounds per frame; n times as many with ORTOPLANO_LONG_ROUNDS=n.
// With ORTOPLANO_SOLUTION_SHOTS naming a folder, the window of each frame's
// default data is saved there as a picture.

#include "formcase.h"
#include "framesundertest.h"
#include "rounds.h"
#include "solutionview.h"
#include "solutionwindow.h"
#include "textbookcheck.h"

#include <QFontMetricsF>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>

using namespace FormCases;
using namespace FramesUnderTest;

namespace {

const int kRounds = rounds(20);

double advance(const Typeset::Box::Glyphs& g) {
    return QFontMetricsF(g.font).horizontalAdvance(g.text);
}

/// The arrows over the vectors' names in a box: each a shaft (a rule) and a
/// head (a small closed shape) ending on the same height.
std::vector<QRectF> arrows(const Typeset::Box& box) {
    std::vector<QRectF> found;
    for (const Typeset::Box::Shape& s : box.shapes()) {
        const QRectF head = s.path.boundingRect();
        if (s.path.elementCount() != 5 || head.height() > head.width() * 1.5) continue;
        for (const Typeset::Box::Rule& r : box.rules())
            if (std::abs(r.rect.center().y() - head.center().y()) < 0.5 &&
                r.rect.right() >= head.left() - 0.5 && r.rect.right() <= head.right() + 0.5)
                found.push_back(r.rect | head);
    }
    return found;
}

/// What is wrong with the layout of the solution the window shows: a piece
/// of a step beyond the column, an arrow narrower than its name, an arrow
/// missing. Empty when nothing is.
QString layoutFault(const SolutionView& view, double column) {
    const SolutionLayout& layout = view.layout();
    for (int step = 0; step < layout.stepCount(); ++step) {
        const Typeset::Box& box = layout.stepBox(step);
        const QString text = view.stepText(step);
        std::vector<std::pair<double, QString>> rights; // of every piece of the step
        for (const Typeset::Box::Glyphs& g : box.glyphs())
            rights.emplace_back(g.at.x() + advance(g), g.text);
        for (const Typeset::Box::Rule& r : box.rules())
            rights.emplace_back(r.rect.right(), QStringLiteral("a rule"));
        for (const Typeset::Box::Shape& s : box.shapes())
            rights.emplace_back(s.path.boundingRect().right(), QStringLiteral("a shape"));
        for (const auto& [right, what] : rights)
            if (right > column + 0.5)
                return QString::asprintf("step %d reaches %g at \"%s\" (column %g): %s", step + 1,
                                         right, qUtf8Printable(what), column, qUtf8Printable(text));
        // One arrow over each vector's name (its linear text: the name, then U+20D7).
        const std::vector<QRectF> drawn = arrows(box);
        if (qsizetype(drawn.size()) != text.count(QChar(0x20D7)))
            return QString::asprintf("step %d: %zu arrows for %lld vectors: %s", step + 1,
                                     drawn.size(), qlonglong(text.count(QChar(0x20D7))),
                                     qUtf8Printable(text));
        for (const QRectF& arrow : drawn) {
            const Typeset::Box::Glyphs* name = nullptr; // the letters right under the arrow
            for (const Typeset::Box::Glyphs& g : box.glyphs())
                if (std::abs(g.at.x() - arrow.left()) < 0.3 * g.font.pixelSize() &&
                    g.at.y() > arrow.bottom() && g.at.y() - arrow.bottom() < g.font.pixelSize() &&
                    (!name || g.at.y() < name->at.y()))
                    name = &g;
            if (!name) return QStringLiteral("step %1: an arrow over nothing").arg(step + 1);
            if (arrow.width() < 0.95 * advance(*name))
                return QString::asprintf("step %d: the arrow over %s is %g wide, the name %g",
                                         step + 1, qUtf8Printable(name->text), arrow.width(),
                                         advance(*name));
        }
    }
    if (layout.width() > column + 0.5)
        return QString::asprintf("the title is %g wide for a column of %g: %s", layout.width(),
                                 column, qUtf8Printable(view.titleText()));
    return {};
}

} // namespace

class tst_SolutionLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().remove(QString()); // the window's default place, size and zoom
        useDecimalComma(true);
    }

    void everyFrame_data() { everyProblem(); }

    /// The form's default data, then random data, each solved and laid out
    /// in the window at its default width.
    void everyFrame() {
        QFETCH(int, frame);
        FrameOnForm on(frame);
        QVERIFY(on.box);
        const FrameUnderTest& f = on.f;
        SolutionWindow window;
        window.follow(on.open.form.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* scroll = window.findChild<QScrollArea*>();
        QVERIFY(scroll);
        const SolutionView& view = *window.view();
        Typing typing(301 + unsigned(frame));
        int laid = 0;
        for (int round = -1; round < kRounds; ++round) { // -1: the default data
            const QStringList texts = round < 0 ? QStringList() : randomTexts(f, typing);
            on.solve(texts);
            QCoreApplication::processEvents();
            if (!view.solution()) {
                QVERIFY2(round >= 0, "the default data have a worked solution");
                continue;
            }
            const QString data =
                round < 0 ? QStringLiteral("the default data") : texts.join(QStringLiteral("; "));
            // ORTOPLANO_SOLUTION_SHOTS=<folder>: the window of the default data
            // kept as a picture per frame, to read as a teacher would.
            if (const QString shots = qEnvironmentVariable("ORTOPLANO_SOLUTION_SHOTS");
                round < 0 && !shots.isEmpty())
                window.grab().save(shots + QStringLiteral("/%1.png").arg(f.name().data()));
            const double column = scroll->viewport()->width() - 2 * view.margin();
            const QString fault = layoutFault(view, column);
            QVERIFY2(fault.isEmpty(), qPrintable(data + QStringLiteral(": ") + fault));
            QVERIFY2(scroll->horizontalScrollBar()->maximum() == 0, qPrintable(data));
            // As a textbook writes it, where the data are exact (with π the
            // coefficients are decimals that no normal form applies to).
            if (!data.contains(QLatin1String("pi"))) {
                const QString said = textbookcheck::fault(*view.solution());
                QVERIFY2(said.isEmpty(), qPrintable(data + QStringLiteral(": ") + said));
            }
            ++laid;
        }
        QVERIFY(laid > 0);
    }
};

QTEST_MAIN(tst_SolutionLayout)
#include "tst_solutionlayout.moc"
