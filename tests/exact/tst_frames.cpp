// The frame table: the names of its problems, which the command line, the
// worksheets and a teacher's notes keep, and a frame's fields read by role.

#include "exactcase.h"
#include "frame.h"

#include <QSet>
#include <QTest>
#include <algorithm>

using namespace exact;

namespace {

/// The recta4-1 frame's problem of an option, with every field of the frame typed.
FrameData lineThroughPoint(int option) {
    return FrameData(*frameNamed("recta4-1"), option,
                     {{"Abcissa1", " 1/2 "},
                      {"Ordenada1", "sqr(8)"},
                      {"Text2", "\u00a030\u2003"},
                      {"Text6", "-3/4"},
                      {"Text4", "22.5 graus"},
                      {"Text5", "2x-y+3=0"}});
}

} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    /// The names of the problems never change, whatever moves in the table:
    /// every name kept is there, with its topic; a new frame adds its own.
    void namesStay() {
        QStringList problems;
        for (const FrameId& id : allFrames())
            problems << QString::fromUtf8(id.name().data(), id.name().size());
        const QStringList kept =
            QString("pontos-1 pontos-2 pontos-3 pontos-4 recta1-1 recta1-2 recta1-3 "
                    "recta1-4 recta2-1 recta2-2 recta2-3 recta2-4 recta3-1 recta3-2a "
                    "recta3-2b recta3-3 recta4-1a recta4-1b recta4-1c recta4-1d "
                    "recta4-1e recta4-2 circunferencia1-1a circunferencia1-1b "
                    "circunferencia1-2 circunferencia1-3 circunferencia1-4 "
                    "circunferencia2-1a circunferencia2-1b circunferencia2-2 "
                    "circunferencia2-3 circunferencia2-4 circunferencia3-1 "
                    "circunferencia3-2 circunferencia3-3 triangulo-1a triangulo-1b "
                    "triangulo-1c triangulo-1d triangulo-2 triangulo-3")
                .split(' ');
        for (const QString& name : kept)
            QVERIFY2(problems.contains(name), qPrintable(name));
        QCOMPARE(QSet<QString>(problems.begin(), problems.end()).size(), problems.size());
        for (const FrameId& id : allFrames()) {
            QVERIFY(FrameId::named(id.name()) == id);
            QVERIFY(std::string_view(id.frame().name).starts_with(topicName(id.topic())));
        }
        QVERIFY(!FrameId::named("recta4-1")); // a frame with options is no one problem
        QVERIFY(frameNamed("recta4-1") && !frameNamed("recta4-1a"));
    }

    /// A problem reads the fields of every option and those of its own, each
    /// kind counted in the frame's order, blanks at either end left out.
    void fieldsByRole() {
        QCOMPARE(exactcase::text(lineThroughPoint(2).point(0).x), QString("1/2"));
        QCOMPARE(exactcase::text(lineThroughPoint(2).point(0).y), QString("2√2"));
        QCOMPARE(exactcase::text(lineThroughPoint(2).number(0)), QString("30"));
        QCOMPARE(exactcase::text(lineThroughPoint(3).number(0)), QString("−3/4"));
        QCOMPARE(exactcase::text(lineThroughPoint(4).angle(0)), QString("45/2"));
        QVERIFY(sameLine(lineThroughPoint(4).line(0), Line{Number(2), Number(-1), Number(3)}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, lineThroughPoint(2).line(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, lineThroughPoint(0).number(0));
        const FrameData circle(FrameId(*frameNamed("circunferencia1-3")),
                               {{"Abcissa2", "3"}, {"Ordenada2", "-5"}, {"Text4", "x^2+y^2=4"}});
        QVERIFY(circle.circle(0).refusal == Refusal::None && circle.circle(0).circle.radius == 2);
        const auto general = [](const char* text) {
            return FrameData(FrameId(*frameNamed("circunferencia1-3")), {{"Text4", text}})
                .generalCircle(0);
        };
        QVERIFY(!general("x^2+y^2=4"));
        QVERIFY(!general("(x-1)^2+y^2=4"));
        QVERIFY(general("x^2+y^2-4=0"));
        QVERIFY(general(" x^2 + y^2 - 4 = 0 "));
        QVERIFY(!general("x^2+y^2=10"));
    }

    /// Texts of small whole numbers give a form exact doubles: its verdicts read nothing.
    void wholeNumbersOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("an equation") << "2x + 3y - 4 = 0" << true;
        QTest::newRow("a coordinate") << "-8" << true;
        QTest::newRow("four digits") << "9999x=1" << true;
        QTest::newRow("five digits") << "99999x=1" << false;
        QTest::newRow("a decimal") << "0.5" << false;
        QTest::newRow("a fraction") << "1/2" << false;
        QTest::newRow("a product") << "2*3" << false;
        QTest::newRow("a root") << "sqr(4)" << false;
        QTest::newRow("pi") << "pi" << false;
        QTest::newRow("too long") << QString("1+").repeated(20) + "1" << false;
    }
    void wholeNumbersOnly() {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        const FrameData typed(*frameNamed("recta1-1"), 0,
                              {{"Abcissa1", "2"}, {"Text1", text.toStdString()}});
        QCOMPARE(typed.wholeNumbersOnly(), whole);
    }
};

QTEST_APPLESS_MAIN(TestFrames)
#include "tst_frames.moc"
