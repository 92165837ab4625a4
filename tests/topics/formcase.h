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
#include <algorithm>
#include <memory>

struct FormCase {
    Topic topic = Topic::Pontos;
    QStringList typed{}; ///< field, text, field, text, ...
    /// Option buttons to choose and buttons to click, in order; a step
    /// "Field=text" types into a field between two presses.
    QStringList pressed{};
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

inline const QString NotALine = QStringLiteral("A equação que indicou não é a de uma recta.");
inline const QString NotALineText = QStringLiteral("A equação não representa uma recta.");
inline const QString NotACircle = QStringLiteral("A equação não representa uma circunferência.");
inline const QString APoint = QStringLiteral("A equação representa um ponto.");
inline QString error(const QString& description) {
    return QStringLiteral("Erro:\n\n") + description;
}
inline const QString DivisionByZero = error(QStringLiteral("Divisão por zero."));

/// The fields Abcissa<n>, Ordenada<n> from n = first on, typed with the
/// coordinates x, y of one point after another.
inline QStringList pointFields(int first, const QStringList& coordinates) {
    QStringList typed;
    for (qsizetype i = 0; i + 1 < coordinates.size(); i += 2)
        typed << QStringLiteral("Abcissa%1").arg(first + i / 2) << coordinates[i]
              << QStringLiteral("Ordenada%1").arg(first + i / 2) << coordinates[i + 1];
    return typed;
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

/// Whether one primitive is the one a drawing line describes:
///   "dot V x y"              a 7-pixel dot
///   "line V2 x1 y1 x2 y2"    a segment, either direction (2 pixels when no width is given)
///   "circle V2 x y r"        a circle outline (any pen when none is given)
///   "text A  2 "             a printed text (everything after the pen)
inline bool matches(const Primitive& p, const QStringList& w, const QString& line) {
    const PenSpec pen = penOf(w.value(1));
    const auto n = [&](int i) { return numberOf(w.value(i)); };
    const auto penIs = [&](int width) {
        return p.width == width && (!pen.style || p.effectiveStyle() == *pen.style);
    };
    if (p.color != pen.colour) return false;
    const QString kind = w.value(0);
    if (kind == QLatin1String("dot"))
        return p.kind == Primitive::Kind::Dot && p.width == 7 && nearPoint(p.p1, {n(2), n(3)});
    if (kind == QLatin1String("line")) {
        const QPointF a(n(2), n(3)), b(n(4), n(5));
        return p.kind == Primitive::Kind::Line && penIs(pen.width ? pen.width : 2) &&
               ((nearPoint(p.p1, a) && nearPoint(p.p2, b)) ||
                (nearPoint(p.p1, b) && nearPoint(p.p2, a)));
    }
    if (kind == QLatin1String("circle"))
        return p.kind == Primitive::Kind::Circle && (!pen.width || penIs(pen.width)) &&
               nearPoint(p.p1, {n(2), n(3)}) && near(p.radius, n(4), 1e-6);
    if (kind == QLatin1String("text"))
        return p.kind == Primitive::Kind::Text && p.text == line.section(QLatin1Char(' '), 2);
    qFatal("unknown drawing line: %s", qPrintable(line));
}

/// Where a drawing line is first drawn at or after `from`; -1 when it is not.
inline qsizetype find(const DisplayList& list, const QString& line, qsizetype from) {
    const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = std::max<qsizetype>(from, 0); i < qsizetype(list.size()); ++i)
        if (matches(list[std::size_t(i)], w, line)) return i;
    return -1;
}

/// "count V 0", "count A dot 3", "count V2 line 1": how many things (of one
/// kind, or "any") are drawn in a pen.
inline qsizetype count(const DisplayList& list, const QStringList& w) {
    static const QStringList kinds{"window", "line", "dot", "circle", "text"};
    const PenSpec pen = penOf(w.value(1));
    const qsizetype kind = w.size() > 3 ? kinds.indexOf(w[2]) : -1;
    return std::count_if(list.begin(), list.end(), [&](const Primitive& p) {
        return p.kind != Primitive::Kind::Window && p.color == pen.colour &&
               (kind < 0 || qsizetype(p.kind) == kind) && (!pen.width || p.width == pen.width) &&
               (!pen.style || p.effectiveStyle() == *pen.style);
    });
}

/// Checks the drawing lines against the board as the presses left it. Marks
/// in front of a line, in this order: "@" checks the board as it stood when
/// the first message was shown; ">" wants it drawn after the thing the line
/// before it matched; "!" wants it not drawn at all.
inline void checkDrawing(const DisplayList& end, const DisplayList& atMessage,
                         const QStringList& drawing, bool comma) {
    qsizetype previous = -1;
    for (const QString& entry : drawing) {
        QString line = entry;
        const auto marked = [&line](char mark) {
            const bool m = line.startsWith(QLatin1Char(mark));
            if (m) line.remove(0, 1);
            return m;
        };
        const DisplayList& list = marked('@') ? atMessage : end;
        const bool after = marked('>');
        const bool absent = marked('!');
        if (!comma && line.startsWith(QLatin1String("text"))) line = withDecimalPoint(line);
        const QStringList w = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.value(0) == QLatin1String("count")) {
            const qsizetype n = count(list, w);
            QVERIFY2(n == w.last().toInt(), qPrintable(entry + QStringLiteral(": %1").arg(n)));
            continue;
        }
        const qsizetype at = find(list, line, after ? previous + 1 : 0);
        QVERIFY2((at >= 0) != absent, qPrintable(entry));
        if (at >= 0) previous = at;
    }
}

/// A message as the cases write it: marked when its icon is not the usual
/// one (none for the generic error report, information for the others).
inline QString described(const Message& m) {
    const bool report = m.text.startsWith(QLatin1String("Erro:"));
    if (report == (m.icon == MessageIcon::None)) return m.text;
    return (m.icon == MessageIcon::None ? QStringLiteral("[no icon] ")
                                        : QStringLiteral("[icon] ")) +
           m.text;
}
inline QString noIcon(const QString& text) {
    return QStringLiteral("[no icon] ") + text;
}
inline QString withoutIcon(const QString& text) {
    return noIcon(text);
}

inline QString resultText(const QWidget& form, const QString& name) {
    if (auto* label = form.findChild<QLabel*>(name)) return label->text();
    auto* field = form.findChild<QLineEdit*>(name);
    return field ? field->text() : QStringLiteral("<no %1>").arg(name);
}

/// A fresh, real form whose messages are recorded (with the drawing as it
/// stood at the first of them), for the rows and the checks that are not rows.
struct OpenForm {
    explicit OpenForm(Topic topic)
        : widget(createTopicForm(topic))
        , form(qobject_cast<ProblemForm*>(widget.get())) {
        if (form) form->setAttribute(Qt::WA_DeleteOnClose, false);
        previous = setMessageHandler([this](QWidget*, const Message& m) {
            if (messages.messages.empty()) atFirstMessage = form->board()->displayList();
            messages.messages.push_back(m);
        });
    }
    ~OpenForm() { setMessageHandler(previous); }
    OpenForm(const OpenForm&) = delete;
    OpenForm& operator=(const OpenForm&) = delete;

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
    DisplayList atFirstMessage;
    MessageHandler previous;
};

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
    QStringList said;
    for (const Message& m : open.messages.messages) {
        QCOMPARE(m.title, QStringLiteral("Ortoplano"));
        said << described(m);
    }
    QCOMPARE(said, c.messages);
    checkDrawing(open.drawn(), open.atFirstMessage, c.drawing, comma);
}

/// A form fits a 1366 × 768 screen with room for its title bar.
inline void checkLayout(Topic topic) {
    const OpenForm open(topic);
    QVERIFY(open.form->width() <= 1366 && open.form->height() + 30 <= 768);
}

/// Runs one case in the Portuguese setting, then with a decimal point.
inline void run(const FormCase& c) {
    runOnce(c, true);
    if (QTest::currentTestFailed()) return;
    runOnce(c, false);
}

} // namespace FormCases
