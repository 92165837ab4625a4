// Every exercise typed into its real form: "Dados" draws the data, the
// form's own "Resolver" succeeds, and what it writes is the exercise's answer.

#include "answer.h"
#include "exercise.h"
#include "practicerows.h"
#include "problemform.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <memory>

using namespace practice;

namespace {

constexpr int Seeds = 15;

bool close(double a, double b) {
    return std::abs(a - b) <= 0.011 * std::max(1.0, std::abs(b));
}

/// The line scaled so that its largest coefficient is 1, first non-zero positive.
std::array<double, 3> unit(const exact::Line& l) {
    std::array<double, 3> c{l.a.toDouble(), l.b.toDouble(), l.c.toDouble()};
    double big = 0;
    for (double v : c)
        big = std::abs(v) > std::abs(big) ? v : big;
    for (double& v : c)
        v /= big;
    return c;
}

/// What a label shows, against a value of the answer: as the label rounds it.
bool roughly(const Value& shown, const Value& want) {
    if (shown.index() != want.index()) return false;
    if (const auto* n = std::get_if<exact::Number>(&want))
        return close(std::abs(std::get<exact::Number>(shown).toDouble()), std::abs(n->toDouble()));
    if (const auto* d = std::get_if<Degrees>(&want))
        return close(std::get<Degrees>(shown).value.toDouble(), d->value.toDouble());
    if (const auto* p = std::get_if<exact::Point>(&want)) {
        const auto& q = std::get<exact::Point>(shown);
        return close(q.x.toDouble(), p->x.toDouble()) && close(q.y.toDouble(), p->y.toDouble());
    }
    if (const auto* l = std::get_if<exact::Line>(&want)) {
        const auto a = unit(std::get<exact::Line>(shown)), b = unit(*l);
        return close(a[0], b[0]) && close(a[1], b[1]) && close(a[2], b[2]);
    }
    if (const auto* c = std::get_if<exact::Circle>(&want)) {
        const auto& s = std::get<exact::Circle>(shown);
        return close(s.centre.x.toDouble(), c->centre.x.toDouble()) &&
               close(s.centre.y.toDouble(), c->centre.y.toDouble()) &&
               close(s.radiusSquared().toDouble(), c->radiusSquared().toDouble());
    }
    return true;
}

/// The values of the result labels (and the result field) of the frame of a button.
std::vector<Value> shownValues(const QWidget* frame, AnswerKind kind) {
    std::vector<Value> values;
    for (const QWidget* w : frame->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("Resultado"))) continue;
        const QString text = w->property("text").toString();
        if (text.isEmpty()) continue;
        const TypedAnswer read = readAnswer(text.toStdString(), kind);
        for (const TypedValue& v : read.values)
            values.push_back(v.value);
        if (kind == AnswerKind::Angle)
            for (Value& v : values)
                if (const auto* n = std::get_if<exact::Number>(&v)) v = Degrees{*n};
    }
    return values;
}

} // namespace

class TestPracticeForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useDecimalComma(true); }

    void onTheForm_data() { frameRows(); }
    void onTheForm() {
        QFETCH(FrameId, frame);
        QFETCH(Level, level);
        const NavigationRecorder navigation;
        const MessageRecorder messages;
        for (int seed = 1; seed <= Seeds; ++seed) {
            const Exercise ex = generate(frame, level, std::uint64_t(seed) * 7919);
            std::unique_ptr<ProblemForm> form(
                qobject_cast<ProblemForm*>(createTopicForm(frame.topic())));
            form->setAttribute(Qt::WA_DeleteOnClose, false);
            for (const auto& [name, text] : ex.fields) {
                auto* field = form->findChild<QLineEdit*>(QString::fromStdString(name));
                QVERIFY2(field, name.c_str());
                field->setText(QString::fromStdString(text));
            }
            if (!ex.option.empty()) {
                auto* option = form->findChild<QRadioButton*>(QString::fromStdString(ex.option));
                QVERIFY2(option, ex.option.c_str());
                option->setChecked(true);
            }
            if (!ex.dadosButton.empty()) {
                auto* dados =
                    form->findChild<QAbstractButton*>(QString::fromStdString(ex.dadosButton));
                QVERIFY2(dados, ex.dadosButton.c_str());
                QTest::mouseClick(dados, Qt::LeftButton);
                QVERIFY2(messages.messages.empty(), qPrintable(messages.texts().join('|')));
            }
            auto* resolver =
                form->findChild<QAbstractButton*>(QString::fromStdString(ex.resolverButton));
            QVERIFY2(resolver, ex.resolverButton.c_str());
            QTest::mouseClick(resolver, Qt::LeftButton);
            QVERIFY2(messages.messages.empty(), qPrintable(QString::fromStdString(ex.statement) +
                                                           " → " + messages.texts().join('|')));
            QVERIFY(!primitives(*form->board(), Primitive::Kind::Line).empty() ||
                    !primitives(*form->board(), Primitive::Kind::Circle).empty());
            if (ex.expected.kind == AnswerKind::Words) continue;
            const std::vector<Value> shown =
                shownValues(resolver->parentWidget(), ex.expected.kind);
            const std::string_view name = frame.frame().name;
            const bool onlyDraws =
                name == "pontos-1" || name == "recta1-1" || name == "circunferencia1-1";
            QVERIFY2(onlyDraws != !shown.empty(), (ex.statement + " → " + ex.answerText).c_str());
            if (onlyDraws) continue;
            for (const Value& want : ex.expected.values) {
                const bool found = std::any_of(shown.begin(), shown.end(),
                                               [&](const Value& s) { return roughly(s, want); });
                QVERIFY2(found, (ex.statement + " → " + ex.answerText).c_str());
            }
        }
    }
};

QTEST_MAIN(TestPracticeForms)
#include "tst_practiceforms.moc"
