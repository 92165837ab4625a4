#include "functions.h"

#include "checked.h"
#include "randomgen.h"

#include <unordered_map>

namespace interp {

namespace {

using namespace checked;

struct Entry {
    std::string_view head;
    FunctionInfo info;
};

constexpr bool kOne = false;
constexpr bool kTwo = true;
constexpr Dependence kPlain = Dependence::None;
constexpr Dependence kAngle = Dependence::AngleUnit;
constexpr Dependence kRandom = Dependence::RandomDraw;

constexpr Entry kFunctions[] = {
    {"abs(", {Function::Abs, kOne, kPlain}},
    {"arctg(", {Function::Arctg, kOne, kAngle}},
    {"cos(", {Function::Cos, kOne, kAngle}},
    {"exp(", {Function::Exp, kOne, kPlain}},
    {"fix(", {Function::Fix, kOne, kPlain}},
    {"int(", {Function::Int, kOne, kPlain}},
    {"log(", {Function::Log, kOne, kPlain}},
    {"rnd(", {Function::Rnd, kOne, kRandom}},
    {"sgn(", {Function::Sgn, kOne, kPlain}},
    {"sin(", {Function::Sin, kOne, kAngle}},
    {"sen(", {Function::Sin, kOne, kAngle}},
    {"sqr(", {Function::Sqr, kOne, kPlain}},
    {"tg(", {Function::Tg, kOne, kAngle}},
    {"min(", {Function::Min, kTwo, kPlain}},
    {"max(", {Function::Max, kTwo, kPlain}},
    {"random(", {Function::Random, kTwo, kRandom}},
    {"mod(", {Function::Mod, kTwo, kPlain}},
    {"logn(", {Function::Logn, kTwo, kPlain}},
    {"rand(", {Function::Rand, kOne, kRandom}},
    {"sec(", {Function::Sec, kOne, kAngle}},
    {"cosec(", {Function::Cosec, kOne, kAngle}},
    {"cotan(", {Function::Cotg, kOne, kAngle}},
    {"cotg(", {Function::Cotg, kOne, kAngle}},
    {"arcsin(", {Function::Arcsin, kOne, kAngle}},
    {"arcsen(", {Function::Arcsin, kOne, kAngle}},
    {"arccos(", {Function::Arccos, kOne, kAngle}},
    {"arcsec(", {Function::Arcsec, kOne, kAngle}},
    {"arccosec(", {Function::Arccosec, kOne, kAngle}},
    {"arccotg(", {Function::Arccotg, kOne, kAngle}},
    {"sinh(", {Function::Sinh, kOne, kPlain}},
    {"senh(", {Function::Sinh, kOne, kPlain}},
    {"cosh(", {Function::Cosh, kOne, kPlain}},
    {"tgh(", {Function::Tgh, kOne, kPlain}},
    {"sech(", {Function::Sech, kOne, kPlain}},
    {"cosech(", {Function::Cosech, kOne, kPlain}},
    {"cotgh(", {Function::Cotgh, kOne, kPlain}},
    {"arcsinh(", {Function::Arcsinh, kOne, kPlain}},
    {"arcsenh(", {Function::Arcsinh, kOne, kPlain}},
    {"arccosh(", {Function::Arccosh, kOne, kPlain}},
    {"arctgh(", {Function::Arctgh, kOne, kPlain}},
    {"arcsech(", {Function::Arcsech, kOne, kPlain}},
    {"arccosech(", {Function::Arccosech, kOne, kPlain}},
    {"arccotgh(", {Function::Arccotgh, kOne, kPlain}},
    {"log10(", {Function::Log10, kOne, kPlain}},
    {"log2(", {Function::Log2, kOne, kPlain}},
    {"ln(", {Function::Log, kOne, kPlain}},
    {"graus(", {Function::Graus, kOne, kPlain}},
    {"rad(", {Function::Rad, kOne, kPlain}},
    {"mant(", {Function::Mant, kOne, kPlain}},
};

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

double draw() {
    randomgen::reseedFromClock();
    return randomgen::next();
}

double trigonometric(Function f, double a, bool degrees) {
    const double x = radians(a, degrees);
    switch (f) {
    case Function::Cos:
        return std::cos(x);
    case Function::Sin:
        return std::sin(x);
    case Function::Tg:
        return finite(std::tan(x));
    case Function::Sec:
        return div(1, std::cos(x));
    case Function::Cosec:
        return div(1, std::sin(x));
    default:
        return div(1, finite(std::tan(x))); // Cotg
    }
}

double inverseTrigonometric(Function f, double a, bool degrees) {
    switch (f) {
    case Function::Arctg:
        return angle(std::atan(a), degrees);
    case Function::Arcsin:
        return angle(std::atan(div(a, root(oneMinusSquare(a)))), degrees);
    case Function::Arccos:
        return angle(add(std::atan(div(-a, root(oneMinusSquare(a)))), quarterTurn()), degrees);
    case Function::Arcsec:
        return angle(
            add(atanOverRootOfSquareMinusOne(a), mul(mul(sgn(sub(a, 1)), 2), std::atan(1.0))),
            degrees);
    case Function::Arccosec:
        return angle(
            add(atanOverRootOfSquareMinusOne(a), mul(mul(sub(sgn(a), 1), 2), std::atan(1.0))),
            degrees);
    default:
        return angle(add(std::atan(a), quarterTurn()), degrees); // Arccotg
    }
}

double hyperbolic(Function f, double a) {
    switch (f) {
    case Function::Sinh:
        return div(sub(expo(a), expo(-a)), 2);
    case Function::Cosh:
        return div(add(expo(a), expo(-a)), 2);
    case Function::Tgh:
        return div(sub(expo(a), expo(-a)), add(expo(-a), expo(a)));
    case Function::Sech:
        return div(2, add(expo(a), expo(-a)));
    case Function::Cosech:
        return div(2, sub(expo(a), expo(-a)));
    default:
        return div(add(expo(a), expo(-a)), sub(expo(a), expo(-a))); // Cotgh
    }
}

double inverseHyperbolic(Function f, double a) {
    switch (f) {
    case Function::Arcsinh:
        return ln(add(root(add(mul(a, a), 1)), a));
    case Function::Arccosh:
        return ln(add(root(sub(mul(a, a), 1)), a));
    case Function::Arctgh:
        return div(ln(div(add(a, 1), sub(1, a))), 2);
    case Function::Arcsech:
        return ln(div(add(root(oneMinusSquare(a)), 1), a));
    case Function::Arccosech:
        return ln(div(add(mul(sgn(a), root(add(mul(a, a), 1))), 1), a));
    default:
        return div(ln(div(add(a, 1), sub(a, 1))), 2); // Arccotgh
    }
}

double randomFunction(Function f, double a, double b) {
    switch (f) {
    case Function::Rnd:
        randomgen::reseedFromClock();
        return randomgen::draw(a);
    case Function::Random:
        return add(mul(draw(), sub(b, a)), a);
    default:
        return std::floor(mul(draw(), a)); // Rand
    }
}

double elementary(Function f, double a, double b) {
    switch (f) {
    case Function::Abs:
        return std::fabs(a);
    case Function::Exp:
        return expo(a);
    case Function::Fix:
        return std::trunc(a);
    case Function::Int:
        return std::floor(a);
    case Function::Log:
        return ln(a);
    case Function::Sgn:
        return sgn(a);
    case Function::Sqr:
        return root(a);
    case Function::Min:
        return a < b ? a : b;
    case Function::Max:
        return a > b ? a : b;
    case Function::Mod:
        return intRemainder(a, b);
    case Function::Logn:
        return div(ln(a), ln(b));
    case Function::Log10:
        return div(ln(a), ln(10));
    case Function::Log2:
        return div(ln(a), ln(2));
    case Function::Graus:
        return mul(a, kRadiansToDegrees);
    case Function::Rad:
        return mul(a, kDegreesToRadians);
    default:
        return sub(a, std::floor(a)); // Mant
    }
}

} // namespace

const FunctionInfo* findFunction(std::string_view head) {
    static const auto table = [] {
        std::unordered_map<std::string_view, FunctionInfo> map;
        for (const Entry& e : kFunctions)
            map.emplace(e.head, e.info);
        return map;
    }();
    const auto it = table.find(head);
    return it == table.end() ? nullptr : &it->second;
}

double evaluate(Function f, double a, double b, bool degrees) {
    switch (f) {
    case Function::Cos:
    case Function::Sin:
    case Function::Tg:
    case Function::Sec:
    case Function::Cosec:
    case Function::Cotg:
        return trigonometric(f, a, degrees);
    case Function::Arctg:
    case Function::Arcsin:
    case Function::Arccos:
    case Function::Arcsec:
    case Function::Arccosec:
    case Function::Arccotg:
        return inverseTrigonometric(f, a, degrees);
    case Function::Sinh:
    case Function::Cosh:
    case Function::Tgh:
    case Function::Sech:
    case Function::Cosech:
    case Function::Cotgh:
        return hyperbolic(f, a);
    case Function::Arcsinh:
    case Function::Arccosh:
    case Function::Arctgh:
    case Function::Arcsech:
    case Function::Arccosech:
    case Function::Arccotgh:
        return inverseHyperbolic(f, a);
    case Function::Rnd:
    case Function::Random:
    case Function::Rand:
        return randomFunction(f, a, b);
    default:
        return elementary(f, a, b);
    }
}

} // namespace interp
