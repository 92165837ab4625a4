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

/// Writes the rows of one form's table: row(name, typed, pressed, results, messages, drawing).
struct CaseOf {
    Topic topic;
    void operator()(const char* name, const QStringList& typed, const QStringList& pressed,
                    const QStringList& results = {}, const QStringList& messages = {},
                    const QStringList& drawing = {}) const {
        QTest::newRow(name) << FormCase{topic, typed, pressed, results, messages, drawing};
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
std::optional<QColor> colourOf(const QString& pen);

/// Whether a primitive is drawn in the pen a drawing line names: the colour
/// letter, then the width (else `width`; 0: any), then "." for a dotted
/// 1-pixel pen: "V2", "A1.", "V".
bool inPen(const Primitive& p, const QString& pen, int width);

inline const QStringList Kinds{"window", "line", "dot", "circle", "text"};

/// Whether one primitive is the one a drawing line describes:
///   "dot V x y"              a 7-pixel dot
///   "line V2 x1 y1 x2 y2"    a segment, either direction (2 pixels when no width is given)
///   "circle V2 x y r"        a circle outline (any pen when none is given)
///   "text A  2 "             a printed text (everything after the pen)
bool matches(const Primitive& p, const QStringList& w, const QString& line);

/// "red x y": the board, painted, shows red within a pixel of (x, y).
bool paintedRed(const Board& board, const QStringList& w);

/// Checks the drawing lines against the board as the presses left it. Marks in front of a line,
/// in this order: "@" checks the board as it stood when the first message was shown; ">" wants it
/// drawn after the thing the line before it matched; "!" wants it not drawn at all. "count V 0",
/// "count A dot 3", "count V2 line 1": how many things (of one kind, or "any") are in a pen.
void checkDrawing(const Board& board, const DisplayList& atMessage, const QStringList& drawing,
                  bool comma);

/// A message as the cases write it: marked when its icon is not the usual
/// one (none for the generic error report, information for the others) or
/// its title is not the program's.
QString described(const Message& m);

/// The text of a result label or field.
QString resultText(const QWidget& form, const QString& name);

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
std::vector<exact::Line> typedLines(const ProblemForm& form);

/// The circles typed in a form's equation fields, read exactly: the loci on
/// which the equations of a solution about them may hold.
std::vector<exact::Circle> typedCircles(const ProblemForm& form);

/// Whether a label shows its value rounded to 2 decimals: a point, the
/// distance between parallel lines, the distance from a point to a circle
/// and the radius of the circle through three points (a circle's label is
/// read through its rounding as it is written).
bool roundsItsLabel(Topic topic, const exact::AnswerPart& part);

/// The worked solution of the drawing a form shows, if any, holds line by
/// line, and its answer is what the form's labels show.
void checkWorkedSolution(Topic topic, const ProblemForm& form);

/// Runs one case on a fresh form, which fits a 1366 × 768 screen with room
/// for its title bar, in the Portuguese setting, then with a decimal point.
void run(const FormCase& c);

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
