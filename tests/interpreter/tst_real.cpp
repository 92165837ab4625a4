// Real, the checked arithmetic of the geometry: every operation either gives a
// finite value, the sign of a zero kept, or raises the fault a frame must end
// with: 5 (invalid argument), 6 (overflow) or 11 (division by zero).

#include "numbered_error.h"
#include "real.h"

#include <QMap>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

namespace {
constexpr double Max = std::numeric_limits<double>::max();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

using Operation = std::function<Real(double, double)>;
const QMap<QString, Operation> Operations{
    {"+", [](double a, double b) { return Real(a) + b; }},
    {"-", [](double a, double b) { return Real(a) - b; }},
    {"*", [](double a, double b) { return Real(a) * b; }},
    {"/", [](double a, double b) { return Real(a) / b; }},
    {"+=", [](double a, double b) { return Real(a) += b; }},
    {"/=", [](double a, double b) { return Real(a) /= b; }},
    {"neg", [](double a, double) { return -Real(a); }},
    {"sqrt", [](double a, double) { return sqrt(Real(a)); }},
    {"square", [](double a, double) { return square(Real(a)); }},
    {"abs", [](double a, double) { return abs(Real(a)); }},
    {"floor", [](double a, double) { return floor(Real(a)); }},
    {"trunc", [](double a, double) { return trunc(Real(a)); }},
    {"atan", [](double a, double) { return atan(Real(a)); }},
    {"tan", [](double a, double) { return tan(Real(a)); }},
    {"Real", [](double a, double) { return Real(a); }},
    {"==", [](double a, double b) { return Real(Real(a) == Real(b) ? 1 : 0); }},
};

struct Row {
    const char* op;
    double a, b;
    const char* expected;
};
// clang-format off
const Row Rows[] = {
    // Overflow: a result beyond the largest double, or a value that is not finite.
    {"+", Max, Max, "fault 6"}, {"-", -Max, Max, "fault 6"}, {"*", Max, 2, "fault 6"},
    {"/", Max, 0.5, "fault 6"}, {"+=", Max, Max, "fault 6"}, {"square", 1e200, 0, "fault 6"},
    {"Real", Inf, 0, "fault 6"}, {"Real", -Inf, 0, "fault 6"}, {"Real", NaN, 0, "fault 6"},
    // Division by zero, 0/0 and a negative zero divisor included; underflow is no fault.
    {"/", 1, 0, "fault 11"}, {"/", 0, 0, "fault 11"}, {"/", 1, -0.0, "fault 11"},
    {"/=", 5, 0, "fault 11"}, {"/", 1, 4, "0.25"}, {"*", 1e-300, 1e-300, "0"},
    // Invalid argument: the square root of a negative number, however small.
    {"sqrt", -1, 0, "fault 5"}, {"sqrt", -1e-300, 0, "fault 5"}, {"sqrt", 6.25, 0, "2.5"},
    // The sign of zero is kept where IEEE arithmetic keeps it, and equals +0.
    {"sqrt", -0.0, 0, "-0"}, {"neg", 0, 0, "-0"}, {"neg", -0.0, 0, "0"}, {"-", -0.0, 0, "-0"},
    {"-", 0, 0, "0"}, {"+", -0.0, -0.0, "-0"}, {"*", -1, 0, "-0"}, {"/", -0.0, 5, "-0"},
    {"trunc", -0.5, 0, "-0"}, {"floor", -0.5, 0, "-1"}, {"abs", -0.0, 0, "0"},
    {"Real", -0.0, 0, "-0"}, {"==", -0.0, 0, "1"}, {"atan", Max, 0, "1.5707963267948966"},
    {"tan", 0.25, 0, "0.25534192122103627"}};
// clang-format on

/// The value with 17 significant digits, "-0" for a negative zero, or "fault N".
QString outcome(const Operation& operation, double a, double b) {
    try {
        const double v = operation(a, b).value();
        return v == 0 && std::signbit(v) ? QStringLiteral("-0") : QString::number(v, 'g', 17);
    } catch (const NumberedError& e) {
        return QStringLiteral("fault %1").arg(e.number());
    }
}
} // namespace

class TestReal : public QObject {
    Q_OBJECT
private slots:
    void operations_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<QString>("expected");
        for (const Row& r : Rows)
            QTest::addRow("%s %g %g", r.op, r.a, r.b)
                << QString(r.op) << r.a << r.b << QString(r.expected);
    }
    void operations() {
        QFETCH(QString, op);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, expected);
        QCOMPARE(outcome(Operations.value(op), a, b), expected);
    }
};

QTEST_APPLESS_MAIN(TestReal)
#include "tst_real.moc"
