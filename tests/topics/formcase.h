#pragma once

// Worked cases of the problem forms as table rows: what is typed and pressed,
// and what must show (results, messages, drawing), on a fresh, real form.

#include "numbered_error.h"
#include "problemform.h"
#include "solution.h"
#include "solutioncheck.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>

struct FormCase {
    Topic topic = Topic::Pontos;
    QStringList typed{};    ///< field, text, field, text, ...
    QStringList pressed{};  ///< options chosen, buttons clicked; "Field=text" types between them
    QStringList results{};  ///< result, text, ... as written with a decimal comma
    QStringList messages{}; ///< every message, in order; see described
    QStringList drawing{};  ///< what the board must (or, with "!", must not) hold; see checkDrawing
};
Q_DECLARE_METATYPE(FormCase)

namespace FormCases {

/// Writes the rows of one form's table: row(typed, pressed, results, messages, drawing).
struct CaseOf {
    Topic topic;
    FormCase operator()(const QStringList& typed, const QStringList& pressed,
                        const QStringList& results = {}, const QStringList& messages = {},
                        const QStringList& drawing = {}) const {
        return {topic, typed, pressed, results, messages, drawing};
    }
};

inline const auto error = [](const QString& description) { return "Erro:\n\n" + description; };
inline const auto undefined = [](const QString& name) {
    return error("Variável não definida: " + name);
};
inline const QString NotALine = "A equação que indicou não é a de uma recta.";
inline const QString NotALineText = "A equação não representa uma recta.";
inline const QString NotACircle = "A equação não representa uma circunferência.";
inline const QString APoint = "A equação representa um ponto.";
inline const QString Parallel = "As rectas são paralelas.";
inline const QString Coincident = "As rectas são coincidentes.";
inline const QString NoVerb = "As rectas paralelas.";
inline const QString NoTriangle = "Os pontos são colineares, não definem um triângulo.";
inline const QString DivisionByZero = error("Divisão por zero.");
inline const QString Invalid = error("Argumento ou chamada de procedimento inválidos.");
/// A viewport too wide for graduated axes: coordinates are printed beside them.
inline const QStringList Wide{"Xmin", "-30", "Xmax", "30", "Ymin", "-30", "Ymax", "30"};

/// Abcissa<n>, Ordenada<n> from n = first on, typed with x, y of one point after another.
inline QStringList pointFields(int first, const QStringList& coordinates) {
    QStringList typed;
    for (qsizetype i = 0; i + 1 < coordinates.size(); i += 2)
        typed << QStringLiteral("Abcissa%1").arg(first + i / 2) << coordinates[i]
              << QStringLiteral("Ordenada%1").arg(first + i / 2) << coordinates[i + 1];
    return typed;
}

/// With a decimal point: a comma between digits is a decimal comma; " , " stays.
inline QString withDecimalPoint(QString text) {
    return text.replace(QRegularExpression("(\\d),(\\d)"), "\\1.\\2");
}

/// A number of a drawing line: a decimal or a fraction such as -123/14.
inline double numberOf(const QString& word) {
    const QStringList parts = word.split(QLatin1Char('/'));
    return parts[0].toDouble() / parts.value(1, QStringLiteral("1")).toDouble();
}

/// The colour a pen's first letter names: A blue, V red, P black; none for any other.
inline std::optional<QColor> colourOf(const QString& pen) {
    const qsizetype i = pen.isEmpty() ? -1 : QStringLiteral("AVP").indexOf(pen.front());
    return i < 0 ? std::nullopt : std::optional<QColor>(std::array{Azul, Vermelho, QBColor(0)}[i]);
}

/// Whether a primitive is drawn in the pen a drawing line names: the colour
/// letter, then the width (else `width`; 0: any), then "." for a dotted
/// 1-pixel pen: "V2", "A1.", "V".
inline bool inPen(const Primitive& p, const QString& pen, int width) {
    if (p.color != colourOf(pen)) return false;
    if (pen.size() > 1 && pen[1].isDigit()) width = pen[1].digitValue();
    const DashStyle style = pen.endsWith(QLatin1Char('.')) ? DashStyle::Dotted : DashStyle::Solid;
    return !width || (p.width == width && p.effectiveStyle() == style);
}

inline const QStringList Kinds{"window", "line", "dot", "circle", "text"};

/// Whether one primitive is the one a drawing line describes:
///   "dot V x y"              a 7-pixel dot
///   "line V2 x1 y1 x2 y2"    a segment, either direction (2 pixels when no width is given)
///   "circle V2 x y r"        a circle outline (any pen when none is given)
///   "text A  2 "             a printed text (everything after the pen)
inline bool matches(const Primitive& p, const QStringList& w, const QString& line) {
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

/// "red x y": the board, painted, shows red within a pixel of (x, y).
inline bool paintedRed(const Board& board, const QStringList& w) {
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

/// Checks the drawing lines against the board as the presses left it. Marks in front of a line,
/// in this order: "@" checks the board as it stood when the first message was shown; ">" wants it
/// drawn after the thing the line before it matched; "!" wants it not drawn at all. "count V 0",
/// "count A dot 3", "count V2 line 1": how many things (of one kind, or "any") are in a pen.
inline void checkDrawing(const Board& board, const DisplayList& atMessage,
                         const QStringList& drawing, bool comma) {
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

/// A message as the cases write it: marked when its icon is not the usual
/// one (none for the generic error report, information for the others) or
/// its title is not the program's.
inline QString described(const Message& m) {
    const bool none = m.icon == MessageIcon::None;
    QString text = m.title == QLatin1String("Ortoplano") ? m.text : '[' + m.title + "] " + m.text;
    if (m.text.startsWith(QLatin1String("Erro:")) != none)
        text.prepend(none ? "[no icon] " : "[icon] ");
    return text;
}

/// The text of a result label or field.
inline QString resultText(const QWidget& form, const QString& name) {
    const auto* result = form.findChild<QWidget*>(name);
    return result ? result->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

/// A fresh, real form whose messages are recorded, with the drawing as it
/// stood at the first of them.
struct OpenForm {
    explicit OpenForm(Topic topic)
        : previous(setMessageHandler([this](QWidget*, const Message& m) {
            if (messages.empty()) atFirstMessage = form->board()->displayList();
            messages.push_back(m);
        }))
        , form(qobject_cast<ProblemForm*>(createTopicForm(topic))) {
        if (form) form->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    ~OpenForm() { setMessageHandler(previous); }

    /// Types "Field=text", chooses an option button or clicks a button.
    void press(const QString& step) const {
        if (step.contains(QLatin1Char('='))) {
            auto* field = form->findChild<QLineEdit*>(step.section(QLatin1Char('='), 0, 0));
            QVERIFY2(field, qPrintable(step));
            return field->setText(step.section(QLatin1Char('='), 1));
        }
        auto* button = form->findChild<QAbstractButton*>(step);
        QVERIFY2(button, qPrintable(step));
        qobject_cast<QRadioButton*>(button) ? button->setChecked(true)
                                            : QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(!form->ModoResolver(), qPrintable(step));
    }

    NavigationRecorder navigation;
    std::vector<Message> messages;
    DisplayList atFirstMessage;
    MessageHandler previous;
    std::unique_ptr<ProblemForm> form;
};

/// The lines typed in a form's equation fields, read exactly: the loci on
/// which the equations of a solution about them may hold.
inline std::vector<exact::Line> typedLines(const ProblemForm& form) {
    std::vector<exact::Line> lines;
    for (const QLineEdit* field : form.findChildren<QLineEdit*>())
        if (field->objectName().startsWith(QLatin1String("Text")) && field->text().contains('='))
            try {
                const exact::LineReading l = exact::readLine(field->text().toStdString());
                if (l.refusal == exact::Refusal::None) lines.push_back(l.line);
            } catch (const NumberedError&) {
            }
    return lines;
}

/// The circles typed in a form's equation fields, read exactly: the loci on
/// which the equations of a solution about them may hold.
inline std::vector<exact::Circle> typedCircles(const ProblemForm& form) {
    std::vector<exact::Circle> circles;
    for (const QLineEdit* field : form.findChildren<QLineEdit*>())
        if (field->objectName().startsWith(QLatin1String("Text")) && field->text().contains('='))
            try {
                const exact::CircleReading c = exact::readCircle(field->text().toStdString());
                if (c.refusal == exact::Refusal::None) circles.push_back(c.circle);
            } catch (const NumberedError&) {
            }
    return circles;
}

/// Whether a label shows its value rounded to 2 decimals: a point, the
/// distance between parallel lines, the distance from a point to a circle
/// and the radius of the circle through three points (a circle's label is
/// read through its rounding as it is written).
inline bool roundsItsLabel(Topic topic, const exact::AnswerPart& part) {
    return std::holds_alternative<exact::Point>(part.value) ||
           ((topic == Topic::Recta2 || topic == Topic::Recta3) && part.label == "Resultado2") ||
           (topic == Topic::Circunferencia2 &&
            (part.label == "Resultado2" || part.label == "Resultado5"));
}

/// The worked solution of the drawing a form shows, if any, holds line by
/// line, and its answer is what the form's labels show.
inline void checkWorkedSolution(Topic topic, const ProblemForm& form) {
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

/// Runs one case on a fresh form, which fits a 1366 × 768 screen with room
/// for its title bar, in the Portuguese setting, then with a decimal point.
inline void run(const FormCase& c) {
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

/// One press to try: a frame's button and one field it may read (the viewport's or the
/// frame's own), with the frame's fields and results.
struct FieldPress {
    QPushButton* button;
    QLineEdit* field;
    QString initial;          ///< the field's text when the form opened
    QList<QLineEdit*> fields; ///< the viewport's four, then the frame's
    QList<QWidget*> results;
    /// The form's initial texts, empty results, a clear board in pixels (no world window
    /// or pen of an earlier press in its drawing), and the focus on the button.
    std::function<void()> reset;
};

/// Every button of every frame of an open form, with every field it may read.
template <typename Visit>
void forEveryFieldOfEveryFrame(const OpenForm& open, Visit&& visit) {
    const auto* eixos = open.form->findChild<QGroupBox*>(QStringLiteral("FrameEixos"));
    QVERIFY(eixos && eixos->findChildren<QLineEdit*>().size() == 4);
    const QList<QLineEdit*> everyField = open.form->findChildren<QLineEdit*>();
    QStringList initial;
    for (const QLineEdit* e : everyField)
        initial << e->text();
    for (const QGroupBox* frame : open.form->findChildren<QGroupBox*>()) {
        if (frame == eixos) continue;
        FieldPress press{nullptr, nullptr, {}, eixos->findChildren<QLineEdit*>(), {}, {}};
        for (QWidget* w : frame->findChildren<QWidget*>()) {
            if (w->objectName().startsWith(QLatin1String("Resultado")))
                press.results << w;
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                press.fields << e;
        }
        press.reset = [&] {
            for (qsizetype i = 0; i < everyField.size(); ++i)
                everyField[i]->setText(initial[i]);
            for (QWidget* r : press.results)
                r->setProperty("text", QString());
            open.form->board()->ScaleModePixels();
            open.form->board()->Cls();
            press.button->setFocus();
        };
        for (QPushButton* button : frame->findChildren<QPushButton*>())
            for (QLineEdit* field : std::as_const(press.fields)) {
                press.button = button;
                press.field = field;
                press.initial = initial[everyField.indexOf(field)];
                visit(std::as_const(press));
                if (QTest::currentTestFailed()) return;
            }
    }
}

} // namespace FormCases

/// The test of one form: the rows its `rows()` adds, each run by FormCases::run.
class FormTest : public QObject {
    Q_OBJECT
protected:
    virtual void rows() = 0;
private slots:
    void cases_data() {
        QTest::addColumn<FormCase>("c");
        rows();
    }
    void cases() {
        QFETCH(FormCase, c);
        FormCases::run(c);
    }
};
