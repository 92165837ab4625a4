#include "clsequation.h"
#include "clsequation_inspector.h"
#include "faults.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

/// "x=3;y=-2" as variables; "graus" sets the degree unit.
void setUp(clsEquation& equation, const QString& variables) {
    for (const QString& item : variables.split(';', Qt::SkipEmptyParts)) {
        if (item == QLatin1String("graus")) {
            equation.setGraus(true);
            continue;
        }
        const QStringList pair = item.split('=');
        equation.setVar(pair[0].toStdString(), std::stod(pair[1].toStdString())); // keeps -0
    }
}

/// The value as the program writes numbers: 15 significant digits.
QString shown(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15G", value); // the C library keeps the sign of -0
    return QString::fromLatin1(text);
}

std::optional<NumberedError> errorOf(clsEquation& equation) {
    try {
        equation.Solve();
    } catch (const NumberedError& error) {
        return error;
    }
    return std::nullopt;
}

/// Solves "text" or "text|variables"; "graus" among the variables sets degrees.
QString solved(const QString& row, const QString& extra = {}) {
    clsEquation equation;
    setUp(equation, row.section('|', 1) + ';' + extra);
    equation.setEquation(row.section('|', 0, 0).toStdString());
    return shown(equation.Solution());
}

using Cases = std::initializer_list<std::pair<const char*, const char*>>;

void addRows(Cases cases) {
    for (const auto& [text, expected] : cases)
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

/// A finite value or one of the interpreter's own errors, never a crash or a hang.
bool valueOrNumberedError(const std::string& text) {
    static const QSet<int> known{5, 6, 11, 1100, 1101, 1102, 1103, 1104};
    clsEquation equation;
    equation.setVar("x", 1.5);
    equation.setEquation(text);
    const auto error = errorOf(equation);
    if (!error) return std::isfinite(equation.Solution());
    return known.contains(error->number()) && error->source() == "Interpretador";
}

} // namespace

class tst_ClsEquation : public QObject {
    Q_OBJECT
private slots:
    void values_data() {
        QTest::addColumn<QString>("text"); // "text|variables"
        QTest::addColumn<QString>("expected");
        // clang-format off
        // Priorities: "^" 5, "~" 4, "*" "/" "\" 3, "%" 2, "+" "-" 1; all group from the left.
        addRows({{"2+3*4", "14"}, {"2*3%4", "2"}, {"2+7%4", "5"}, {"7\\2*3", "9"},
                 {"2-3-4", "-5"}, {"2^3^2", "64"}, {"8/4/2", "1"}, {"-2^2", "-4"}, {"(-2)^2", "4"},
                 {"2^(-1)", "0.5"}, {"2--3", "5"}, {"-(-2)", "2"}, {"2*-3", "-6"},
                 {"2*-3^2", "-18"}});
        // Walk orders: neighbours found past emptied slots, left-over values, groups.
        addRows({{"1-2-3*4", "-13"}, {"-(2+3)*2", "-10"}, {"2*-x^2|x=3", "-18"},
                 {"x^y^2|x=2;y=3", "64"}, {"-sqr(4)^2", "-4"}, {"max(1+1,2*3)", "6"},
                 {"min(2,1+5,0)", "0"}, {"1+(2,3)", "3"}, {"2*(3,4)+1", "6"}, {"3(2)(4)", "6"},
                 {"(2)sqr(4)", "2"}, {"2sqr(4)", "4"}, {"max(1,2)(3)", "2"}, {"(())", "0"},
                 {"2+()", "2"}, {"-(-(-2))", "-2"}});
        // Implicit multiplication after a numeral only; no exponent notation.
        addRows({{"2x|x=3", "6"}, {"2 x|x=3", "6"}, {"2(3+1)", "8"}, {"2pi", "6.28318530717958"},
                 {"2e", "5.436563656"}, {"xy|xy=7", "7"}, {"1e5|e5=4", "4"}});
        // "\" and "%" round halves to even, within 32 bits.
        addRows({{"7.5\\2", "4"}, {"6.5\\2", "3"}, {"-7%3", "-1"}, {"x\\y|x=7.5;y=2", "4"},
                 {"x%y|x=-7;y=3", "-1"}, {"2147483647.4\\1", "2147483647"},
                 {"x\\1|x=-2147483648.5", "-2147483648"}});
        // Empty groups, literals, skipped characters, case.
        addRows({{"()", "0"}, {"2*()", "0"}, {"1 000", "1000"}, {"1.5", "1.5"}, {".5", "0.5"},
                 {"5.", "5"}, {"2#3", "23"}, {"s en(0)", "0"}, {"SEN(0)", "0"}});
        // Only the first occupied slot counts.
        addRows({{"sen(0)cos(0)", "0"}, {"(2)(3)", "2"}, {"5,3", "5"}, {"max(1,5,3)", "3"}});
        // Constants and variables; the sign of zero.
        addRows({{"pi", "3.14159265358979"}, {"e", "2.718281828"}, {"exp(1)", "2.71828182845905"},
                 {"x+1|X=3", "4"}, {"x-0|x=-0", "-0"}, {"x-(-0)|x=-0", "0"}, {"x*1/1|x=-0", "-0"},
                 {"x^2+y^2-4x-6y-3-(0)-(-3)|x=2;y=-1", "3"}, {"2x-3y+4-(0)-(4)|x=1.5;y=1", "0"}});
        // clang-format on
        // Token positions and priorities are 16-bit: 32767 tokens, 4680 levels of 7.
        QTest::newRow("32767 tokens") << "1" + QString("+1").repeated(16383) << "16384";
        QTest::newRow("4680 levels") << QString(4680, '(') + "1" + QString(4680, ')') << "1";
    }
    void values() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(solved(text), expected);
    }

    // One row per head, in both angle units where the unit matters; the values
    // were computed apart from this program.
    void functions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // clang-format off
        const char* trigonometry[][3] = { // radians, degrees
            {"arctg(0.3)", "0.291456794477867", "16.6992442339988"},
            {"cos(0.3)", "0.955336489125606", "0.999986292247427"},
            {"sin(0.3)", "0.29552020666134", "0.00523596383142159"},
            {"sen(0.3)", "0.29552020666134", "0.00523596383142159"},
            {"tg(0.3)", "0.309336249609623", "0.00523603560570214"},
            {"sec(0.3)", "1.04675160153809", "1.00001370794048"},
            {"cosec(0.3)", "3.38386336182412", "190.986804377618"},
            {"cotan(0.3)", "3.23272814376583", "190.984186377759"},
            {"cotg(0.3)", "3.23272814376583", "190.984186377759"},
            {"arcsin(0.3)", "0.304692654015398", "17.4576031237275"},
            {"arcsen(0.3)", "0.304692654015398", "17.4576031237275"},
            {"arccos(0.3)", "1.2661036727795", "72.5423968763003"},
            {"arcsec(-2)", "-2.42786827464503", "-139.106605350912"},
            {"arccosec(-2)", "-3.99866460143992", "-229.10660535094"},
            {"arccotg(0.3)", "1.27933953231703", "73.300755766029"},
            {"arccotg(0)", "1.5707963267949", "90.0000000000278"},
            {"arcsen(1)", "1.5707963267949", "90.0000000000278"},
            {"arctg(1)", "0.785398163397448", "45.0000000000139"},
            {"sen(pi/2)", "1", "0.0274121335920548"},
            {"sen(90)", "0.893996663600558", "1"}};
        // clang-format on
        for (const auto& [call, radians, degrees] : trigonometry) {
            QTest::newRow(call) << QString::fromUtf8(call) << QString::fromUtf8(radians);
            QTest::addRow("%s in degrees", call) << QString(call) + "|graus" << QString(degrees);
        }
        // clang-format off
        addRows({{"arccotg(1)", "0.785398163397448"}, {"arccotg(-1)", "2.35619449019234"},
                 {"arcsen(-1)", "-1.5707963267949"}, {"arccos(1)", "0"},
                 {"arccos(-1)", "3.14159265358979"}, {"arcsec(2)", "2.42786827464503"},
                 {"arccosec(2)", "0.857071947850131"}, {"exp(0)|graus", "1"}});
        addRows({{"abs(-0.3)", "0.3"}, {"exp(0.3)", "1.349858807576"}, {"fix(-2.5)", "-2"},
                 {"int(-2.5)", "-3"}, {"log(1)", "0"}, {"log(0.3)", "-1.20397280432594"},
                 {"ln(0.3)", "-1.20397280432594"}, {"sgn(-0.1)+sgn(0)*10", "-1"},
                 {"sqr(2)", "1.4142135623731"}, {"min(3,1)", "1"}, {"max(3,1)", "3"},
                 {"mod(7.5,2)", "0"}, {"mod(-7,3)", "-1"}, {"mod(-7.5,2)", "0"},
                 {"mod(17,-5)", "2"},
                 {"logn(8,2)", "3"}, {"sinh(0.3)", "0.304520293447143"},
                 {"senh(0.3)", "0.304520293447143"}, {"cosh(0.3)", "1.04533851412886"},
                 {"tgh(0.3)", "0.291312612451591"}, {"sech(0.3)", "0.956627911900248"},
                 {"cosech(0.3)", "3.28385339669842"}, {"cotgh(0.3)", "3.43273843032174"},
                 {"arcsinh(0.3)", "0.295673047563422"}, {"arcsenh(0.3)", "0.295673047563422"},
                 {"arccosh(2)", "1.31695789692482"}, {"arctgh(0.3)", "0.309519604203112"},
                 {"arcsech(0.3)", "1.87382024252741"}, {"arccosech(-0.3)", "-1.91889647209853"},
                 {"arccotgh(2)", "0.549306144334055"}, {"log10(1000)", "3"},
                 {"log2(0.3)", "-1.73696559416621"}, {"graus(pi)", "180.000000000055"},
                 {"rad(180)", "3.141592653591"}, {"mant(-2.25)", "0.75"},
                 {"max(sqr(16),abs(-3))", "4"}});
        // clang-format on
    }
    void functions() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(solved(text), expected);
        // The same with arguments known only when solving: "sen(x*0+0.3)".
        QCOMPARE(solved(QString(text).replace("(", "(x*0+"), QStringLiteral("x=1")), expected);
    }

    void errors_data() {
        QTest::addColumn<QString>("text"); // "text|variables"
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description"); // empty: the standard one of the number
        const auto fault = [](std::initializer_list<const char*> texts, int number,
                              const char* description = "") {
            for (const char* text : texts)
                QTest::newRow(*text ? text : "(empty)") << text << number << description;
        };
        fault({"(1+2", "1+2)", "sen(1", "x("}, 1100, "Número de parênteses incorrecto.");
        fault({"tan(1)"}, 1101, "Função não definida: tan()");
        fault({"x(2)|x=1"}, 1101, "Função não definida: x()");
        fault({"y+1"}, 1102, "Variável não definida: y");
        fault({"1e5"}, 1102, "Variável não definida: e5");
        fault({"5,z"}, 1102, "Variável não definida: z");
        fault({"sen()", "sen(,)"}, 1104, "Argumento inválido na expressão: sen()");
        fault({"max(,)"}, 1104, "Argumento inválido na expressão: max()");
        fault({"tan()"}, 1104, "Argumento inválido na expressão: tan()");
        fault({"2^-1", "--2", "+2", "2*", "*", "1,2+", "1.2.3", ".", "", "  ", ")("}, 1103);
        // The walk meets faults in its own order.
        fault({"y+1/0", "y+.", "tan(y)"}, 1102, "Variável não definida: y");
        fault({"(1/0)+y"}, 11);
        fault({"x+.|x=1", "tan(.)"}, 1103);
        // Arithmetic.
        fault({"1/0", "0/0", "1/x|x=0", "5\\0.4", "5%x|x=0.5", "mod(1,0.4)", "0^(-1)", "cosech(0)",
               "arctgh(1)", "logn(5,1)"},
              11);
        fault({"x*x|x=1e200", "10^400", "x^2|x=1e200", "exp(1000)", "cosh(1000)", "tgh(1000)",
               "2147483647.5\\1", "-2147483648\\-1", "mod(3000000000,2)"},
              6);
        QTest::newRow("400 nines") << QString(400, '9') << 6 << "";
        QTest::newRow("32768 tokens") << "1" + QString("+1").repeated(16383) + "," << 6 << "";
        QTest::newRow("4681 levels") << QString(4681, '(') + "1" + QString(4681, ')') << 6 << "";
        QTest::newRow("4681 closings")
            << QString(4681, ')') << 1100 << "Número de parênteses incorrecto.";
        QTest::newRow("4682 closings") << QString(4682, ')') << 6 << "";
        fault({"sqr(-1)", "log(0)", "log(x)|x=-1", "arcsin(2)", "arccosh(0.5)", "x^0.5|x=-8"}, 5);
    }
    void errors() {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(QString, description);
        if (description.isEmpty())
            description = number == 1103
                              ? QStringLiteral("Expressão inválida")
                              : QString::fromStdString(Fault::standardDescription(number));
        QVERIFY(!description.isEmpty());
        try {
            solved(text);
            QFAIL("no error");
        } catch (const NumberedError& error) {
            QCOMPARE(error.number(), number);
            QCOMPARE(QString::fromStdString(error.description()), description);
            QCOMPARE(error.source(), std::string("Interpretador"));
        }
    }

    void handlerMapsNumbers_data() {
        QTest::addColumn<int>("raised");
        QTest::addColumn<bool>("duringLookup");
        QTest::addColumn<int>("seen");
        const int rows[][3] = {{5, 0, 5},       {5, 1, 1102},    {6, 0, 6},      {6, 1, 6},
                               {11, 0, 11},     {13, 0, 1103},   {7, 0, 1103},   {1099, 0, 1103},
                               {1100, 0, 1100}, {1105, 0, 1105}, {1106, 0, 1103}};
        for (const auto& r : rows)
            QTest::addRow("%d%s", r[0], r[1] ? " while looking up" : "")
                << r[0] << bool(r[1]) << r[2];
    }
    void handlerMapsNumbers() {
        QFETCH(int, raised);
        QFETCH(bool, duringLookup);
        QFETCH(int, seen);
        const NumberedError error = interp::translate(interp::EvalFault{raised, "w", duringLookup});
        QCOMPARE(error.number(), seen);
        QVERIFY(!error.description().empty());
        if (seen == 1102) QCOMPARE(error.description(), std::string("Variável não definida: w"));
    }

    void lifecycle() {
        clsEquation equation; // Dirty false: 0 without solving; solving the empty text fails
        QCOMPARE(equation.Solution(), 0.0);
        QCOMPARE(errorOf(equation)->number(), 1103);
        equation.setGraus(false); // no change: still not out of date
        QCOMPARE(equation.Solution(), 0.0);
        equation.setGraus(true);
        QVERIFY_THROWS_EXCEPTION(NumberedError, equation.Solution());
        equation.setEquation("SEN(90)+ÁREA");
        QCOMPARE(equation.Equation(), std::string("sen(90)+área"));
        equation.setEquation("sen(90)");
        QCOMPARE(equation.Solution(), 1.0);
        equation.setGraus(false);
        QCOMPARE(shown(equation.Solution()), QStringLiteral("0.893996663600558"));
        // A failed Solve keeps the value out of date: reading fails again.
        equation.setEquation("y");
        QVERIFY(errorOf(equation).has_value());
        QVERIFY_THROWS_EXCEPTION(NumberedError, equation.Solution());
        equation.setVar("y", 2);
        QCOMPARE(equation.Solution(), 2.0);
    }

    void variableTable() {
        clsEquation equation;
        QCOMPARE(equation.Var("nunca"), 0.0);
        equation.setVar("pi", 5); // constants hide variables
        equation.setEquation("pi");
        QCOMPARE(shown(equation.Solution()), QStringLiteral("3.14159265358979"));
        QCOMPARE(equation.Var("pi"), 5.0);
        equation.setVar("a", 1);
        equation.setVar("b", 2);
        equation.setVar("c", 3);
        equation.setEquation("a+10b+100c");
        QCOMPARE(equation.Solution(), 321.0);
        equation.VarRemove("A"); // moves c into a's place in the table
        QCOMPARE(errorOf(equation)->number(), 1102);
        equation.setVar("a", 4);
        QCOMPARE(equation.Solution(), 324.0);
        equation.setVar("b", 5);
        QCOMPARE(equation.Solution(), 354.0);
        equation.VarRemove("ausente");
        equation.setEquation("a*2"); // variables outlive the text
        QCOMPARE(equation.Solution(), 8.0);
        equation.VarClear();
        QCOMPARE(errorOf(equation)->description(), std::string("Variável não definida: a"));
        equation.setEquation("x");
        QCOMPARE(errorOf(equation)->description(), std::string("Variável não definida: x"));
    }

    void parseIsReusedAcrossSolves() {
        clsEquation equation;
        equation.setEquation("x^2+y^2-4x-6y-3-(0)-(-3)");
        for (int i = 0; i < 20; ++i) {
            equation.setVar("x", i);
            equation.setVar("y", -i);
            equation.Solve();
            QCOMPARE(equation.Solution(), double(2 * i * i + 2 * i));
        }
        QCOMPARE(clsEquationInspector::parseCount(equation), 1u);
        equation.setEquation("(1+2");
        QVERIFY(errorOf(equation).has_value());
        QVERIFY(errorOf(equation).has_value());
        QCOMPARE(clsEquationInspector::parseCount(equation), 3u); // a failed parse is retried
    }

    void randomRules() {
        clsEquation equation;
        const auto value = [&](const char* text) {
            equation.setEquation(text);
            return equation.Solution();
        };
        // rnd(a < 0) depends on a alone, in single precision; rnd(0) repeats the last draw.
        const double minusThree = value("rnd(-3)");
        QVERIFY(minusThree != value("rnd(-5)"));
        QCOMPARE(value("rnd(-3)"), minusThree);
        QVERIFY(minusThree >= 0 && minusThree < 1 && double(float(minusThree)) == minusThree);
        const double drawn = value("rnd");
        QCOMPARE(value("rnd(0)"), drawn);
        const double next = value("rnd(1)");
        QCOMPARE(value("rnd(0)"), next);
        // rand(6) gives every face 0..5; random(2,4) stays in [2, 4).
        QSet<double> faces;
        for (int i = 0; i < 3000; ++i) {
            faces.insert(value("rand(6)"));
            const double r = value("random(2,4)");
            QVERIFY(r >= 2 && r < 4);
        }
        QCOMPARE(faces, (QSet<double>{0, 1, 2, 3, 4, 5}));
    }

    void hostileInputs_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("1 MB of digits") << QByteArray(1 << 20, '7');
        QTest::newRow("1 MB fraction") << "0." + QByteArray(1 << 20, '0') + "1";
        QTest::newRow("1 MB name") << QByteArray(1 << 20, 'q');
        QTest::newRow("5000 nested groups") << QByteArray(5000, '(') + "1" + QByteArray(5000, ')');
        QTest::newRow("4000 nested calls")
            << QByteArray("sen(").repeated(4000) + "x" + QByteArray(4000, ')');
        for (const char c : {'+', '(', ')', ','})
            QTest::addRow("100000 '%c'", c) << QByteArray(100000, c);
        QTest::newRow("100000 minus signs") << QByteArray(100000, '-') + "1";
        QTest::newRow("10000 unary minus") << "1" + QByteArray("*-1").repeated(10000);
        QTest::newRow("long product") << "x" + QByteArray("*x").repeated(16000);
        QTest::newRow("control bytes") << QByteArray("\0\x01\x7f\xff\xfe(", 6);
    }
    void hostileInputs() {
        QFETCH(QByteArray, text);
        QVERIFY(valueOrNumberedError(text.toStdString()));
    }

    void randomBytes() {
        QRandomGenerator random(20240601);
        for (int i = 0; i < 3000; ++i) {
            std::string text(random.bounded(1, 300), '\0');
            for (char& c : text)
                c = static_cast<char>(random.bounded(256));
            QVERIFY2(valueOrNumberedError(text), QByteArray::fromStdString(text).toHex());
        }
    }
};

QTEST_APPLESS_MAIN(tst_ClsEquation)
#include "tst_clsequation.moc"
