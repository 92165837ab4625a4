// The decisions on exact data past the limits a value keeps for writing, whole
// roots decided on the integer, signs settled within the work budget, and the
// 64-bit integers of the exact code on any platform.

#include "budget.h"
#include "exactcase.h"
#include "verdicts.h"

#include <cmath>

using exact::Line;
using exact::Number;
using exact::Point;
using namespace exactcase;
namespace verdict = exact::verdict;

namespace {

/// Two primes a little below 10^12: the product of their roots has a
/// radicand past 10^12.
constexpr long long P = 999999999989LL;
constexpr long long Q = 999999999959LL;

const std::optional<bool> yes = true, no = false;

Number root(long long n) {
    return exact::sqrt(Number(n));
}

Point plus(const Point& a, const Number& dx, const Number& dy) {
    return {a.x + dx, a.y + dy};
}

/// The data of a case, each value exact and within the limits.
void checkExact(std::initializer_list<Number> values) {
    for (const Number& n : values)
        QVERIFY(n.isExact());
}

/// The sign of a sum of k·√n, computed by the test with 2000-bit decimals.
int signAtHighPrecision(const std::vector<std::pair<mpq_class, unsigned long>>& terms) {
    mpf_class sum(0, 2000);
    for (const auto& [k, n] : terms)
        sum += mpf_class(k, 2000) * sqrt(mpf_class(n, 2000));
    return sgn(sum);
}

} // namespace

class tst_Verdicts : public QObject {
    Q_OBJECT
private slots:
    /// Products of the data pass the radicands a value keeps (√2·√999999999989), yet
    /// every verdict is decided exactly; the truth of each case is its construction.
    void pastTheLimits() {
        const Point a{0, 0};
        const Point b{root(2), root(P)};
        const Point c{3 * root(2), 3 * root(P)};
        checkExact({b.x, b.y, c.x, c.y});
        QVERIFY(((c.y - a.y) * (b.x - a.x)).isApproximate()); // past the limits as a Number
        QCOMPARE(verdict::collinear(a, b, c), yes);
        QCOMPARE(verdict::collinear(a, b, plus(c, 0, 1)), no);

        // r: √P x + √Q y + 1 = 0, s = 3r, the same line; s + 1, a parallel one; t, a perpendicular.
        const Line r{root(P), root(Q), 1};
        const Line s{3 * root(P), 3 * root(Q), 3};
        const Line t{root(Q), -root(P), root(2)};
        QCOMPARE(verdict::sameLine(r, s), yes);
        QCOMPARE(verdict::sameLine(r, {s.a, s.b, 4}), no);
        QCOMPARE(verdict::parallel(r, {s.a, s.b, 4}), yes);
        QCOMPARE(verdict::perpendicular(r, t), yes);
        QCOMPARE(verdict::perpendicular(r, {t.a, t.b + 1, t.c}), no);

        // A point whose differences from the centre are √P + √2 and √P − √2: the squares
        // hold √(2P) twice, which cancel; d² = 2P + 4.
        const Point o{0, 0};
        const Point far{root(P) + root(2), root(P) - root(2)};
        const auto circleOf = [](const Point& centre, const Number& r2) {
            return exact::Circle{centre, exact::sqrt(r2), r2};
        };
        QCOMPARE(verdict::circleSide(far, circleOf(o, 2 * Number(P) + 4)), std::optional<int>(0));
        QCOMPARE(verdict::insideCircle(far, circleOf(o, 2 * Number(P) + 5)), yes);
        QCOMPARE(verdict::circleSide(far, circleOf(o, 2 * Number(P) + 3)), std::optional<int>(1));
        // Two circles of r² = (P + 2)/2 at a distance √(2P + 4): touching.
        const Number half = (Number(P) + 2) / 2;
        QCOMPARE(verdict::circlesContact(circleOf(o, half), circleOf(far, half)),
                 std::optional<int>(0));
        QCOMPARE(verdict::circlesContact(circleOf(o, half), circleOf(far, half + 1)),
                 std::optional<int>(1));
        QCOMPARE(verdict::circlesContact(circleOf(o, half - 1), circleOf(far, half - 1)),
                 std::optional<int>(-1));
        // √P x + √2 y + c = 0 from the centre (√2 , −√P): a·x_C + b·y_C = √(2P) − √(2P) = 0,
        // so the line touches the circle of r² = P + 2 when |c| = P + 2.
        const exact::Circle c2 = circleOf({root(2), -root(P)}, Number(P) + 2);
        const exact::Conic conic{1, 1, 0, -2 * root(2), 2 * root(P), 0}; // x_C² + y_C² − r² = 0
        for (const auto& [shift, contact] : {std::pair{0, 0}, {1, 1}, {-1, -1}}) {
            const Line tangent{root(P), root(2), -Number(P + 2) + shift};
            QCOMPARE(verdict::lineAndCircle(tangent, c2), std::optional<int>(contact));
            QCOMPARE(verdict::lineAndCircle(tangent, conic), std::optional<int>(contact));
        }

        // A right angle at A between (√P , √Q) and (−√Q , √P).
        const Point A{root(2), root(3)};
        const Point B = plus(A, root(P), root(Q));
        const Point C = plus(A, -2 * root(Q), 2 * root(P));
        QCOMPARE(verdict::rightTriangle(A, B, C), yes);
        QCOMPARE(verdict::rightTriangle(A, B, plus(C, 1, 0)), no);
    }

    /// Whole roots are decided on the integer: a perfect square or not, however large.
    void wholeRoots_data() {
        QTest::addColumn<QString>("n");
        QTest::addColumn<bool>("whole");
        mpz_class k("1000000000000000"); // 10^15
        QTest::newRow("10^16 + 1") << "10000000000000001" << false;
        QTest::newRow("10^16") << "10000000000000000" << true;
        QTest::newRow("k²") << QString::fromStdString(mpz_class(k * k).get_str()) << true;
        QTest::newRow("k² − 1") << QString::fromStdString(mpz_class(k * k - 1).get_str()) << false;
        QTest::newRow("k² + 1") << QString::fromStdString(mpz_class(k * k + 1).get_str()) << false;
        QTest::newRow("9/4") << "9/4" << false;
        QTest::newRow("0") << "0" << true;
    }
    void wholeRoots() {
        QFETCH(QString, n);
        QFETCH(bool, whole);
        QCOMPARE(verdict::wholeRoot(read(qPrintable(n))), std::optional<bool>(whole));
    }

    /// The distance from A(0 , 0) to B(100000000 , 1) is not 100000000, nor written as if it were.
    void distanceOfANearSquare() {
        const Point a{0, 0}, b{100000000, 1};
        QCOMPARE(verdict::wholeDistance(a, b), no);
        QVERIFY(text(exact::distance(a, b)).startsWith(QStringLiteral("≈")));
        QCOMPARE(verdict::wholeDistance(a, Point{600000000, 800000000}), yes);
        // From (0 , 0) to √2 x + √2 y − 4 = 0: 4/2.
        QCOMPARE(verdict::wholeDistance(a, Line{root(2), root(2), -4}), yes);
        QCOMPARE(verdict::wholeDistance(a, Line{root(2), root(3), -4}), no);
    }

    /// Sums of many radicals, however small their scale, have their sign at once; the
    /// test finds it with 2000-bit decimals.
    void signsOfManyRadicals() {
        static const unsigned long primes[] = {2,  3,  5,  7,   11,  13,  17,  19,  23,  29, 31,
                                               37, 41, 43, 47,  53,  59,  61,  67,  71,  73, 79,
                                               83, 89, 97, 101, 103, 107, 109, 113, 127, 131};
        for (const int count : {16, 24, 32}) {
            std::string text = "(";
            std::vector<std::pair<mpq_class, unsigned long>> terms;
            for (int i = 0; i < count; ++i) {
                text += (i % 2 ? "-"
                         : i   ? "+"
                               : "") +
                        std::string("sqr(") + std::to_string(primes[i]) + ")";
                terms.emplace_back(mpq_class(i % 2 ? -1 : 1), primes[i]);
            }
            const Number n = read((text + ")/10^300").c_str());
            QVERIFY(n.isExact());
            QCOMPARE(n.sign(), signAtHighPrecision(terms));
            QCOMPARE(exact::abs(n).sign(), 1);
        }
    }

    /// A budget spent makes the values still to compute approximate, never false; a
    /// verdict has a budget of its own, the same in a press and in its solution, and past
    /// it leaves the decision to the doubles, which the solution then says.
    void budgetSpent() {
        const Point b{root(2), root(P)}, c{3 * root(2), 3 * root(P)};
        {
            const exact::WorkBudget budget(2000);
            Number sum = 0;
            for (int n = 2; n < 40; ++n)
                sum += Number(n % 3 - 1) * root(n) * root(n + 1);
            QVERIFY(sum.isApproximate());
            double expected = 0;
            for (int n = 2; n < 40; ++n)
                expected += (n % 3 - 1) * std::sqrt(double(n)) * std::sqrt(double(n + 1));
            QVERIFY(std::fabs(sum.toDouble() - expected) < 1e-9 * std::fabs(expected) + 1e-9);
            // Spent outside, the verdict still has its own.
            QVERIFY(exact::WorkBudget::spent());
            QCOMPARE(verdict::collinear({0, 0}, b, c), yes);
        }
        // Values of 32 radicals with coefficients of hundreds of digits: past the verdict's budget.
        const Number n = read("((1+sqr(2))*(1+sqr(3))*(1+sqr(5))*(1+sqr(7))*(1+sqr(11)))^100");
        QVERIFY(n.isExact());
        const Point p{0, 0}, q{n, n + 1}, r{n + 1, n};
        verdict::takeDecidedOnDecimals();
        QCOMPARE(verdict::collinear(p, q, r), std::nullopt);
        QVERIFY(verdict::takeDecidedOnDecimals());
        QVERIFY(!verdict::takeDecidedOnDecimals());
    }

    /// Integers of 64 bits go to GMP and back whatever the width of unsigned long.
    void integersOf64Bits() {
        for (const std::uint64_t v : {std::uint64_t(0), std::uint64_t(4294967296ULL),
                                      std::uint64_t(999999999989ULL), ~std::uint64_t(0)}) {
            const mpz_class z = exact::bigInteger(v);
            QCOMPARE(QString::fromStdString(z.get_str()), QString::number(qulonglong(v)));
            std::uint64_t back = 1;
            QVERIFY(exact::fitsIn64Bits(z, back));
            QCOMPARE(back, v);
        }
        std::uint64_t out = 0;
        QVERIFY(!exact::fitsIn64Bits(mpz_class("18446744073709551616"), out)); // 2^64
        QCOMPARE(text(root(P) * root(P)), QStringLiteral("999999999989"));
        QCOMPARE(text(root(P * 4)), QStringLiteral("2√999999999989"));
    }
};

QTEST_APPLESS_MAIN(tst_Verdicts)
#include "tst_verdicts.moc"
