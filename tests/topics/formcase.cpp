// The worked cases of the problem forms: what every form's test shares,
// compiled once.

#include "formcase.h"

namespace FormCases {

std::optional<QColor> colourOf(const QString& pen) {
    const qsizetype i = pen.isEmpty() ? -1 : QStringLiteral("AVP").indexOf(pen.front());
    return i < 0 ? std::nullopt : std::optional<QColor>(std::array{Azul, Vermelho, QBColor(0)}[i]);
}

bool inPen(const Primitive& p, const QString& pen, int width) {
    if (p.color != colourOf(pen)) return false;
    if (pen.size() > 1 && pen[1].isDigit()) width = pen[1].digitValue();
    const DashStyle style = pen.endsWith(QLatin1Char('.')) ? DashStyle::Dotted : DashStyle::Solid;
    return !width || (p.width == width && p.effectiveStyle() == style);
}

bool matches(const Primitive& p, const QStringList& w, const QString& line) {
    using K = Primitive::Kind;
    const auto at = [&](QPointF q, int i) {
        return nearPoint(q, {numberOf(w.value(i)), numberOf(w.value(i + 1))});
    };
    if (p.kind != K(Kinds.indexOf(w[0]))) return false;
    if (!inPen(p, w[1], p.kind == K::Dot ? 7 : p.kind == K::Line ? 2 : 0)) return false;
    if (p.kind == K::Line) return (at(p.p1, 2) && at(p.p2, 4)) || (at(p.p1, 4) && at(p.p2, 2));
    if (p.kind == K::Text) return p.text == line.section(QLatin1Char(' '), 2);
    return at(p.p1, 2) && (p.kind == K::Dot || near(p.radius, numberOf(w.value(4)), 1e-6));
}

bool paintedRed(const Board& board, const QStringList& w) {
    QImage image(Board::Side, Board::Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    board.render(painter, QSizeF(Board::Side, Board::Side));
    const QPoint at = board.toPixel({numberOf(w.value(1)), numberOf(w.value(2))}).toPoint();
    for (int i = 0; i < 9; ++i) {
        const QColor c = image.pixelColor(at + QPoint(i % 3 - 1, i / 3 - 1));
        if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
    }
    return false;
}

void checkDrawing(const Board& board, const DisplayList& atMessage, const QStringList& drawing,
                  bool comma) {
    static const QRegularExpression marks(QStringLiteral("^(@?)(>?)(!?)(.*)"));
    qsizetype previous = -1;
    for (const QString& entry : drawing) {
        const QRegularExpressionMatch marked = marks.match(entry);
        const DisplayList& list = marked.capturedLength(1) ? atMessage : board.displayList();
        const bool after = marked.capturedLength(2), absent = marked.capturedLength(3);
        const QString line = comma ? marked.captured(4) : withDecimalPoint(marked.captured(4));
        const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(w[0] == QLatin1String("red") || colourOf(w.value(1)),
                 qPrintable(entry + QStringLiteral(": no such colour")));
        if (w[0] == QLatin1String("count")) {
            const qsizetype kind = w.size() > 3 ? Kinds.indexOf(w[2]) : -1;
            const auto n = std::count_if(list.begin(), list.end(), [&](const Primitive& p) {
                return p.kind != Primitive::Kind::Window &&
                       (kind < 0 || qsizetype(p.kind) == kind) && inPen(p, w[1], 0);
            });
            QVERIFY2(n == w.last().toInt(), qPrintable(entry + QStringLiteral(": %1").arg(n)));
        } else if (w[0] == QLatin1String("red")) {
            QVERIFY2(paintedRed(board, w) != absent, qPrintable(entry));
        } else {
            QVERIFY2(Kinds.indexOf(w[0]) > 0, qPrintable(entry));
            const auto at = std::find_if(list.begin() + (after ? previous + 1 : 0), list.end(),
                                         [&](const Primitive& p) { return matches(p, w, line); });
            QVERIFY2((at != list.end()) != absent, qPrintable(entry));
            if (at != list.end()) previous = at - list.begin();
        }
    }
}

QString described(const Message& m) {
    const bool none = m.icon == MessageIcon::None;
    QString text = m.title == QLatin1String("Ortoplano") ? m.text : '[' + m.title + "] " + m.text;
    if (m.text.startsWith(QLatin1String("Erro:")) != none)
        text.prepend(none ? "[no icon] " : "[icon] ");
    return text;
}

QString resultText(const QWidget& form, const QString& name) {
    const auto* result = form.findChild<QWidget*>(name);
    return result ? result->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

namespace {

/// What a reader makes of the texts typed in a form's equation fields, for those it reads.
template <typename Reading, typename Locus>
std::vector<Locus> typedLoci(const ProblemForm& form, Reading (*read)(std::string_view),
                             Locus Reading::*locus) {
    std::vector<Locus> loci;
    for (const QLineEdit* field : form.findChildren<QLineEdit*>())
        if (field->objectName().startsWith(QLatin1String("Text")) && field->text().contains('='))
            try {
                const Reading reading = read(field->text().toStdString());
                if (reading.refusal == exact::Refusal::None) loci.push_back(reading.*locus);
            } catch (const NumberedError&) {
            }
    return loci;
}

} // namespace

std::vector<exact::Line> typedLines(const ProblemForm& form) {
    return typedLoci(form, &exact::readLine, &exact::LineReading::line);
}

std::vector<exact::Circle> typedCircles(const ProblemForm& form) {
    return typedLoci(form, &exact::readCircle, &exact::CircleReading::circle);
}

bool roundsItsLabel(Topic topic, const exact::AnswerPart& part) {
    return std::holds_alternative<exact::Point>(part.value) ||
           ((topic == Topic::Recta2 || topic == Topic::Recta3) && part.label == "Resultado2") ||
           (topic == Topic::Circunferencia2 &&
            (part.label == "Resultado2" || part.label == "Resultado5"));
}

void checkWorkedSolution(Topic topic, const ProblemForm& form) {
    const exact::Solution* s = form.solution();
    if (!s) return;
    const QString failed = solutioncheck::failedLine(*s, typedLines(form), typedCircles(form));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    if (s->stopped) return; // the frame's verdict: the cases check its message
    for (const exact::AnswerPart& part : s->answer.parts()) {
        // A label a later press emptied (a refused equation) no longer shows the answer.
        const QString label = resultText(form, QString::fromStdString(part.label));
        if (part.label.empty() || label.isEmpty()) continue;
        const QString why = solutioncheck::disagreement(part, label, roundsItsLabel(topic, part));
        QVERIFY2(why.isEmpty(),
                 qPrintable(why + "\n" + QString::fromStdString(exact::plainText(*s, ","))));
    }
}

void run(const FormCase& c) {
    for (const bool comma : {true, false}) {
        useDecimalComma(comma);
        const OpenForm open(c.topic);
        QVERIFY(open.form && open.form->width() <= 1366 && open.form->height() + 30 <= 768);
        for (qsizetype i = 0; i + 1 < c.typed.size(); i += 2)
            open.press(c.typed[i] + QLatin1Char('=') + c.typed[i + 1]);
        for (const QString& step : c.pressed)
            open.press(step);
        for (qsizetype i = 0; i + 1 < c.results.size(); i += 2)
            QCOMPARE(resultText(*open.form, c.results[i]),
                     comma ? c.results[i + 1] : withDecimalPoint(c.results[i + 1]));
        QStringList said;
        for (const Message& m : open.messages)
            said << described(m);
        QCOMPARE(said, c.messages);
        checkDrawing(*open.form->board(), open.atFirstMessage, c.drawing, comma);
        checkWorkedSolution(c.topic, *open.form);
        if (QTest::currentTestFailed()) return;
    }
}

} // namespace FormCases
