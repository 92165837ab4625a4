#pragma once

// Worked cases of the problem forms as table rows: what is typed, which
// options are chosen, which buttons are pressed, and what must show — the
// result texts, the messages and the drawing — checked through a fresh,
// real form in both regional settings.

#include "problemform.h"
#include "testsupport.h"
#include "topics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <memory>

struct FormCase {
    Topic topic = Topic::Pontos;
    QStringList typed{}; ///< field, text, field, text, ...
    /// Option buttons to choose and buttons to click, in order; a step
    /// "Field=text" types into a field between two presses.
    QStringList pressed{};
    QStringList results{};  ///< result, text, ... as written with a decimal comma
    QStringList messages{}; ///< every message, in order; see withoutIcon
    QStringList drawing{};  ///< what the board must (or, with "!", must not) hold; see checkDrawing
};
Q_DECLARE_METATYPE(FormCase)

namespace FormCases {

/// The rows of one form's table, written as calls: row(typed, pressed,
/// results, messages, drawing).
struct Rows {
    Topic topic;
    FormCase operator()(QStringList typed, QStringList pressed, QStringList results = {},
                        QStringList messages = {}, QStringList drawing = {}) const {
        return {topic, typed, pressed, results, messages, drawing};
    }
};

inline const QString NotALine = QStringLiteral("A equação que indicou não é a de uma recta.");
inline const QString NotALineText = QStringLiteral("A equação não representa uma recta.");
inline const QString NotACircle = QStringLiteral("A equação não representa uma circunferência.");
inline const QString APoint = QStringLiteral("A equação representa um ponto.");
inline QString error(const QString& description) {
    return QStringLiteral("Erro:\n\n") + description;
}
inline const QString DivisionByZero = error(QStringLiteral("Divisão por zero."));

/// A message expected without the information icon that every message but
/// the generic error report carries.
inline const QString NoIcon = QStringLiteral("[sem ícone] ");
inline QString withoutIcon(const QString& text) {
    return NoIcon + text;
}

/// A result that reads as a number, a point or a text: never as a failed
/// computation, never an empty coordinate.
inline bool wellFormed(const QString& written) {
    for (const char* bad : {"inf", "nan", "( ,", ", )", "(,", ",)"})
        if (written.contains(QLatin1String(bad), Qt::CaseInsensitive)) return false;
    return true;
}

/// The same text as written with a decimal point: a comma between digits
/// is a decimal comma; " , " between coordinates stays.
inline QString withDecimalPoint(QString text) {
    static const QRegularExpression decimalComma(QStringLiteral("(\\d),(\\d)"));
    return text.replace(decimalComma, QStringLiteral("\\1.\\2"));
}

/// A number of a drawing line: a decimal or a fraction such as -123/14.
inline double numberOf(const QString& word) {
    const qsizetype slash = word.indexOf(QLatin1Char('/'));
    if (slash > 0) return word.left(slash).toDouble() / word.mid(slash + 1).toDouble();
    return word.toDouble();
}

/// Pen of a drawing line: colour letter (A blue, V red, P black), then the
/// width, then "." for a dotted 1-pixel pen: "V2", "A1.", "V".
struct PenSpec {
    QColor colour;
    int width = 0; ///< 0: any
    std::optional<DashStyle> style;
};

inline PenSpec penOf(const QString& word) {
    PenSpec pen;
    const QChar c = word.front();
    pen.colour = c == QLatin1Char('A') ? Azul : c == QLatin1Char('V') ? Vermelho : QBColor(0);
    if (word.size() > 1 && word[1].isDigit()) pen.width = word[1].digitValue();
    if (pen.width > 0)
        pen.style = word.endsWith(QLatin1Char('.')) ? DashStyle::Dotted : DashStyle::Solid;
    return pen;
}

/// How many primitives of a kind ("line", "dot", "circle", "text", or
/// "any" for all of them) the board holds in a pen.
inline int countOf(const Board& board, const QString& kind, const PenSpec& pen) {
    static const QStringList kinds{"window", "line", "dot", "circle", "text"}; // Primitive::Kind
    int n = 0;
    for (const Primitive& p : board.displayList())
        n += p.kind != Primitive::Kind::Window &&
             (kind == QLatin1String("any") || int(p.kind) == kinds.indexOf(kind)) &&
             p.color == pen.colour && (!pen.width || p.width == pen.width) &&
             (!pen.style || p.effectiveStyle() == *pen.style);
    return n;
}

/// Whether the board holds one drawing line:
///   "dot V x y"              a 7-pixel dot
///   "line V2 x1 y1 x2 y2"    a segment, either direction
///   "circle V2 x y r"        a circle outline
///   "text A  2 "             a printed text (everything after the pen)
///   "count V2 line 1"        exactly so many primitives of a kind in a pen
inline bool holds(const Board& board, const QString& line) {
    const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const PenSpec pen = penOf(w.value(1));
    const auto n = [&](int i) { return numberOf(w.value(i)); };
    const QString kind = w.value(0);
    if (kind == QLatin1String("count"))
        return countOf(board, w.value(2), pen) == w.value(3).toInt();
    if (kind == QLatin1String("dot")) return hasDot(board, {n(2), n(3)}, pen.colour);
    if (kind == QLatin1String("line"))
        return hasSegment(board, {n(2), n(3)}, {n(4), n(5)}, pen.colour, pen.width ? pen.width : 2,
                          pen.style);
    if (kind == QLatin1String("circle")) return hasCircle(board, {n(2), n(3)}, n(4), pen.colour);
    if (kind == QLatin1String("text")) {
        const QString text = line.section(QLatin1Char(' '), 2);
        for (const Primitive& p : primitives(board, Primitive::Kind::Text))
            if (p.text == text && p.color == pen.colour) return true;
        return false;
    }
    qFatal("unknown drawing line: %s", qPrintable(line));
}

inline void checkDrawing(const Board& board, const QStringList& drawing, bool comma) {
    for (const QString& line : drawing) {
        const bool absent = line.startsWith(QLatin1Char('!'));
        QString wanted = absent ? line.mid(1) : line;
        if (!comma && wanted.startsWith(QLatin1String("text"))) wanted = withDecimalPoint(wanted);
        QVERIFY2(holds(board, wanted) != absent, qPrintable(line));
    }
}

inline QString resultText(const QWidget& form, const QString& name) {
    if (auto* label = form.findChild<QLabel*>(name)) return label->text();
    auto* field = form.findChild<QLineEdit*>(name);
    return field ? field->text() : QStringLiteral("<no %1>").arg(name);
}

/// A fresh, real form whose messages are recorded, for the checks that
/// are not table rows.
struct OpenForm {
    explicit OpenForm(Topic topic)
        : widget(createTopicForm(topic))
        , form(qobject_cast<ProblemForm*>(widget.get())) {
        if (form) form->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QLineEdit* field(const QString& name) const { return form->findChild<QLineEdit*>(name); }
    /// Types each text into the field named before it.
    void type(const QStringList& namesAndTexts) const {
        for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2) {
            QLineEdit* f = field(namesAndTexts[i]);
            QVERIFY2(f, qPrintable(namesAndTexts[i]));
            f->setText(namesAndTexts[i + 1]);
        }
    }
    /// Chooses an option button or clicks a button.
    void press(const QString& name) const {
        auto* button = form->findChild<QAbstractButton*>(name);
        QVERIFY2(button, qPrintable(name));
        if (qobject_cast<QRadioButton*>(button))
            button->setChecked(true);
        else
            QTest::mouseClick(button, Qt::LeftButton);
    }
    const DisplayList& drawn() const { return form->board()->displayList(); }

    MessageRecorder messages;
    NavigationRecorder navigation;
    std::unique_ptr<QWidget> widget;
    ProblemForm* form;
};

inline void checkMessages(const MessageRecorder& recorder, const QStringList& expected) {
    QStringList texts;
    for (const QString& m : expected)
        texts << (m.startsWith(NoIcon) ? m.mid(NoIcon.size()) : m);
    QCOMPARE(recorder.texts(), texts);
    for (std::size_t i = 0; i < recorder.messages.size(); ++i) {
        const Message& m = recorder.messages[i];
        QCOMPARE(m.title, QStringLiteral("Ortoplano"));
        const bool iconless =
            m.text.startsWith(QLatin1String("Erro:")) || expected[qsizetype(i)].startsWith(NoIcon);
        QVERIFY2(m.icon == (iconless ? MessageIcon::None : MessageIcon::Information),
                 qPrintable(m.text));
    }
}

/// Runs one case on a fresh form in one regional setting.
inline void runOnce(const FormCase& c, bool comma) {
    useDecimalComma(comma);
    const OpenForm open(c.topic);
    QVERIFY(open.form);
    open.type(c.typed);
    for (const QString& step : c.pressed) {
        if (const qsizetype eq = step.indexOf(QLatin1Char('=')); eq > 0) {
            open.type({step.left(eq), step.mid(eq + 1)});
            continue;
        }
        open.press(step);
        QVERIFY2(!open.form->ModoResolver(), qPrintable(step));
    }
    for (qsizetype i = 0; i + 1 < c.results.size(); i += 2) {
        const QString expected = comma ? c.results[i + 1] : withDecimalPoint(c.results[i + 1]);
        QCOMPARE(resultText(*open.form, c.results[i]), expected);
    }
    checkMessages(open.messages, c.messages);
    checkDrawing(*open.form->board(), c.drawing, comma);
}

/// A form fits a 1366 × 768 screen with room for its title bar, and a
/// screen reader can name every field the user types into.
inline void checkLayout(Topic topic) {
    const OpenForm open(topic);
    QVERIFY(open.form->width() <= 1366 && open.form->height() + 30 <= 768);
    for (const QLineEdit* field : open.form->findChildren<QLineEdit*>())
        QVERIFY2(field->isHidden() || field->objectName().startsWith(QLatin1String("Resultado")) ||
                     !field->accessibleName().isEmpty(),
                 qPrintable(field->objectName()));
}

/// Runs one case in the Portuguese setting, then with a decimal point.
inline void run(const FormCase& c) {
    runOnce(c, true);
    if (QTest::currentTestFailed()) return;
    runOnce(c, false);
}

} // namespace FormCases
