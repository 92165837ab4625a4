#include "functions.h"

#include "checked.h"
#include "randomgen.h"

#include <iterator>
#include <unordered_map>

namespace interp {

namespace {

using namespace checked;

double sgn(double a) {
    return a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0);
}

/// The argument of a direct trigonometric function, in radians.
double radians(double a, bool degrees) {
    return degrees ? mul(a, kDegreesToRadians) : a;
}
/// The result of an inverse trigonometric function, in the angle unit.
double angle(double radians, bool degrees) {
    return degrees ? mul(radians, kRadiansToDegrees) : radians;
}

/// 2·atan(1), the quarter turn of the inverse functions' formulas.
double quarterTurn() {
    return mul(2, std::atan(1.0));
}
/// 1 - a·a, computed as (-a)·a + 1.
double oneMinusSquare(double a) {
    return add(mul(-a, a), 1);
}
/// atan(a / sqrt(a·a - 1)), shared by arcsec( and arccosec(.
double atanOverRootOfSquareMinusOne(double a) {
    return std::atan(div(a, root(sub(mul(a, a), 1))));
}

double sine(double a, bool degrees) {
    return std::sin(radians(a, degrees));
}
double cosine(double a, bool degrees) {
    return std::cos(radians(a, degrees));
}
double tangent(double a, bool degrees) {
    return finite(std::tan(radians(a, degrees)));
}
/// atan(a / √(1 − a·a)), the quarter turn itself at a = ±1, where the
/// quotient grows without bound: arcsen(1) is π/2, arccos(-1) is π.
double atanOverRootOfOneMinusSquare(double a) {
    const double root = checked::root(oneMinusSquare(a));
    return root == 0 ? std::copysign(quarterTurn(), a) : std::atan(div(a, root));
}
double arcsine(double a, bool degrees) {
    return angle(atanOverRootOfOneMinusSquare(a), degrees);
}
double sinh(double a) {
    return div(sub(expo(a), expo(-a)), 2);
}
double arcsinh(double a) {
    return ln(add(root(add(mul(a, a), 1)), a));
}

/// Re-seeds from the clock and draws r in [0, 1).
double freshDraw() {
    randomgen::reseedFromClock();
    return randomgen::next();
}

constexpr bool kOne = false;
constexpr bool kTwo = true;
constexpr Dependence kPlain = Dependence::None;
constexpr Dependence kAngle = Dependence::AngleUnit;
constexpr Dependence kRandom = Dependence::RandomDraw;

// The library, in the order in which heads are listed to users. a is the
// first value, b the last, g the degree mode.
constexpr FunctionInfo kFunctions[] = {
    {"abs(", kOne, kPlain, [](double a, double, bool) { return std::fabs(a); }},
    {"arctg(", kOne, kAngle, [](double a, double, bool g) { return angle(std::atan(a), g); }},
    {"cos(", kOne, kAngle, [](double a, double, bool g) { return cosine(a, g); }},
    {"exp(", kOne, kPlain, [](double a, double, bool) { return expo(a); }},
    {"fix(", kOne, kPlain, [](double a, double, bool) { return std::trunc(a); }},
    {"int(", kOne, kPlain, [](double a, double, bool) { return std::floor(a); }},
    {"log(", kOne, kPlain, [](double a, double, bool) { return ln(a); }},
    {"rnd(", kOne, kRandom,
     [](double a, double, bool) {
         randomgen::reseedFromClock();
         return static_cast<double>(randomgen::draw(a));
     }},
    {"sgn(", kOne, kPlain, [](double a, double, bool) { return sgn(a); }},
    {"sin(", kOne, kAngle, [](double a, double, bool g) { return sine(a, g); }},
    {"sen(", kOne, kAngle, [](double a, double, bool g) { return sine(a, g); }},
    {"sqr(", kOne, kPlain, [](double a, double, bool) { return root(a); }},
    {"tg(", kOne, kAngle, [](double a, double, bool g) { return tangent(a, g); }},
    {"min(", kTwo, kPlain, [](double a, double b, bool) { return a < b ? a : b; }},
    {"max(", kTwo, kPlain, [](double a, double b, bool) { return a > b ? a : b; }},
    {"random(", kTwo, kRandom,
     [](double a, double b, bool) { return add(mul(freshDraw(), sub(b, a)), a); }},
    {"mod(", kTwo, kPlain, [](double a, double b, bool) { return intRemainder(a, b); }},
    {"logn(", kTwo, kPlain, [](double a, double b, bool) { return div(ln(a), ln(b)); }},
    {"rand(", kOne, kRandom,
     [](double a, double, bool) { return std::floor(mul(freshDraw(), a)); }},
    {"sec(", kOne, kAngle, [](double a, double, bool g) { return div(1, cosine(a, g)); }},
    {"cosec(", kOne, kAngle, [](double a, double, bool g) { return div(1, sine(a, g)); }},
    {"cotan(", kOne, kAngle, [](double a, double, bool g) { return div(1, tangent(a, g)); }},
    {"cotg(", kOne, kAngle, [](double a, double, bool g) { return div(1, tangent(a, g)); }},
    {"arcsin(", kOne, kAngle, [](double a, double, bool g) { return arcsine(a, g); }},
    {"arcsen(", kOne, kAngle, [](double a, double, bool g) { return arcsine(a, g); }},
    {"arccos(", kOne, kAngle,
     [](double a, double, bool g) {
         return angle(add(atanOverRootOfOneMinusSquare(-a), quarterTurn()), g);
     }},
    {"arcsec(", kOne, kAngle,
     [](double a, double, bool g) {
         const double correction = mul(mul(sgn(sub(a, 1)), 2), std::atan(1.0));
         return angle(add(atanOverRootOfSquareMinusOne(a), correction), g);
     }},
    {"arccosec(", kOne, kAngle,
     [](double a, double, bool g) {
         const double correction = mul(mul(sub(sgn(a), 1), 2), std::atan(1.0));
         return angle(add(atanOverRootOfSquareMinusOne(a), correction), g);
     }},
    {"arccotg(", kOne, kAngle,
     [](double a, double, bool g) { return angle(sub(quarterTurn(), std::atan(a)), g); }},
    {"sinh(", kOne, kPlain, [](double a, double, bool) { return sinh(a); }},
    {"senh(", kOne, kPlain, [](double a, double, bool) { return sinh(a); }},
    {"cosh(", kOne, kPlain, [](double a, double, bool) { return div(add(expo(a), expo(-a)), 2); }},
    {"tgh(", kOne, kPlain,
     [](double a, double, bool) { return div(sub(expo(a), expo(-a)), add(expo(-a), expo(a))); }},
    {"sech(", kOne, kPlain, [](double a, double, bool) { return div(2, add(expo(a), expo(-a))); }},
    {"cosech(", kOne, kPlain,
     [](double a, double, bool) { return div(2, sub(expo(a), expo(-a))); }},
    {"cotgh(", kOne, kPlain,
     [](double a, double, bool) { return div(add(expo(a), expo(-a)), sub(expo(a), expo(-a))); }},
    {"arcsinh(", kOne, kPlain, [](double a, double, bool) { return arcsinh(a); }},
    {"arcsenh(", kOne, kPlain, [](double a, double, bool) { return arcsinh(a); }},
    {"arccosh(", kOne, kPlain,
     [](double a, double, bool) { return ln(add(root(sub(mul(a, a), 1)), a)); }},
    {"arctgh(", kOne, kPlain,
     [](double a, double, bool) { return div(ln(div(add(a, 1), sub(1, a))), 2); }},
    {"arcsech(", kOne, kPlain,
     [](double a, double, bool) { return ln(div(add(root(oneMinusSquare(a)), 1), a)); }},
    {"arccosech(", kOne, kPlain,
     [](double a, double, bool) {
         return ln(div(add(mul(sgn(a), root(add(mul(a, a), 1))), 1), a));
     }},
    {"arccotgh(", kOne, kPlain,
     [](double a, double, bool) { return div(ln(div(add(a, 1), sub(a, 1))), 2); }},
    {"log10(", kOne, kPlain, [](double a, double, bool) { return div(ln(a), ln(10)); }},
    {"log2(", kOne, kPlain, [](double a, double, bool) { return div(ln(a), ln(2)); }},
    {"ln(", kOne, kPlain, [](double a, double, bool) { return ln(a); }},
    {"graus(", kOne, kPlain, [](double a, double, bool) { return mul(a, kRadiansToDegrees); }},
    {"rad(", kOne, kPlain, [](double a, double, bool) { return mul(a, kDegreesToRadians); }},
    {"mant(", kOne, kPlain, [](double a, double, bool) { return sub(a, std::floor(a)); }},
};

static_assert(std::size(kFunctions) < 256, "function numbers are 8-bit");

} // namespace

const FunctionInfo* findFunction(std::string_view head) {
    static const auto table = [] {
        std::unordered_map<std::string_view, const FunctionInfo*> map;
        for (const FunctionInfo& f : kFunctions)
            map.emplace(f.head, &f);
        return map;
    }();
    const auto it = table.find(head);
    return it == table.end() ? nullptr : it->second;
}

std::uint8_t functionNumber(const FunctionInfo& function) {
    return static_cast<std::uint8_t>(&function - kFunctions);
}

const FunctionInfo& functionByNumber(std::uint8_t number) {
    return kFunctions[number];
}

} // namespace interp
