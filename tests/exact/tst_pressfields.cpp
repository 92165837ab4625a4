// A press's fields read once: the doubles a frame's routine computes with,
// each read through the form (its interpreter, the field a fault is blamed
// on, the texts written back) from the text recorded at the press, and the
// exact values beside them, which the routine's readings leave alone.

#include "clsequation.h"
#include "numbered_error.h"
#include "pressfields.h"

#include <QStringList>
#include <QTest>

namespace {

/// A frame of a point, a number, an angle and two lines, which nothing explains.
const exact::Frame Fields{"teste-1",
                          Topic::Pontos,
                          "Campos",
                          {{exact::Role::Point, "1"},
                           {exact::Role::Number, "Text2"},
                           {exact::Role::Angle, "Text3"},
                           {exact::Role::Line, "Text4"},
                           {exact::Role::Line, "Text5"}},
                          {},
                          nullptr};

struct Refused {};

/// The form around the readings, as a log of what they asked of it.
class Host final : public exact::FieldHost {
public:
    clsEquation& interpreter() override { return m_interpreter; }
    void reading(const std::string& name, const std::function<void()>& read) override {
        log << QString::fromStdString("read " + name);
        try {
            read();
        } catch (...) {
            blamed = name;
            throw;
        }
    }
    void writeBack(const std::string& name, const std::string& text) override {
        log << QString::fromStdString("write " + name + " " + text);
    }
    void rewritten(const std::string& text) override {
        log << QString::fromStdString("scratch " + text);
    }
    [[noreturn]] void refuseLine() override {
        log << "refused";
        throw Refused{};
    }

    QStringList log;
    std::string blamed;

private:
    clsEquation m_interpreter;
};

exact::PressFields typed(exact::FrameData::Texts texts) {
    return exact::PressFields(exact::FrameData(Fields, 0, std::move(texts)));
}

} // namespace

class TestPressFields : public QObject {
    Q_OBJECT
private slots:
    /// Each field is read once, whatever the routine asks again: the second
    /// asking reads nothing and gives the same doubles.
    void eachFieldReadOnce() {
        exact::PressFields fields = typed({{"Abcissa1", " 1/2 "},
                                           {"Ordenada1", "2^3"},
                                           {"Text2", "sqr(9)"},
                                           {"Text3", "22,5 graus"},
                                           {"Text4", "2x - y + 3 = 0"}});
        Host host;
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(fields.LerPonto(0, host), (Pt{0.5, 8}));
            QCOMPARE(fields.number(0, host).value(), 3.0);
            QCOMPARE(fields.angle(0, host).value(), 22.5);
            QCOMPARE(fields.LerEquacaoRecta(0, host), (Line{2, -1, 3}));
            QCOMPARE(host.log, QStringList({"read Abcissa1", "read Ordenada1", "read Text2",
                                            "read Text3", "write Text4 2x-y+3=0", "read Text4",
                                            "read Text4", "scratch 2x-y+3-(0)"}));
        }
    }

    /// Two lines read together: both written back without blanks, then both
    /// checked, then both sampled; a refused second line stops before any sampling.
    void twoLinesStageByStage() {
        exact::PressFields fields = typed({{"Text4", "x + y = 1"}, {"Text5", "x-y=2"}});
        Host host;
        const auto [first, second] = fields.LerEquacoesRecta(host);
        QCOMPARE(first, (Line{1, 1, -1}));
        QCOMPARE(second, (Line{1, -1, -2}));
        QCOMPARE(host.log,
                 QStringList({"write Text4 x+y=1", "write Text5 x-y=2", "read Text4", "read Text5",
                              "read Text4", "scratch x+y-(1)", "read Text5", "scratch x-y-(2)"}));

        exact::PressFields refused = typed({{"Text4", "x+y=1"}, {"Text5", "y > x^2"}});
        Host refusing;
        QVERIFY_THROWS_EXCEPTION(Refused, refused.LerEquacoesRecta(refusing));
        QCOMPARE(refusing.blamed, std::string("Text5"));
        QCOMPARE(refusing.log, QStringList({"write Text4 x+y=1", "write Text5 y>x^2", "read Text4",
                                            "read Text5", "refused"}));
    }

    /// A fault of the doubles is the field's; a fault of the exact reading,
    /// asked before or after, leaves the doubles as the interpreter gives them.
    void faultsKeptApart() {
        Host host;
        exact::PressFields division = typed({{"Text2", "1/0"}});
        QVERIFY_THROWS_EXCEPTION(NumberedError, division.number(0, host));
        QCOMPARE(host.blamed, std::string("Text2"));

        const double nearlyZero = 0.1 + 0.2 - 0.3; // not 0 in doubles, 0 exactly
        for (const bool exactFirst : {true, false}) {
            exact::PressFields fields =
                typed({{"Abcissa1", "1/(0.1+0.2-0.3)"}, {"Ordenada1", "1"}});
            const auto exactPoint = [&] { return fields.exact().point(0); };
            if (exactFirst) QVERIFY_THROWS_EXCEPTION(NumberedError, exactPoint());
            QCOMPARE(fields.LerPonto(0, host), (Pt{1 / nearlyZero, 1}));
            if (!exactFirst) QVERIFY_THROWS_EXCEPTION(NumberedError, exactPoint());
        }
    }
};

QTEST_APPLESS_MAIN(TestPressFields)
#include "tst_pressfields.moc"
