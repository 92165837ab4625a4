#include "makekit.h"

namespace practice::kit {

Number coordinate(Rng& rng, Level level, int range) {
    if (level == Level::Intermedio) {
        const int twice = rng.in(-2 * range, 2 * range);
        return twice % 2 == 0 && rng.coin() ? Number(-std::abs(twice / 2)) : Q(twice, 2);
    }
    return N(rng.in(-range, range));
}

Point somePoint(Rng& rng, Level level, int range) {
    return {coordinate(rng, level, range), coordinate(rng, level, range)};
}

void pointFields(Exercise& ex, int n, const Point& p) {
    field(ex, "Abcissa" + std::to_string(n), exact::typed::number(p.x));
    field(ex, "Ordenada" + std::to_string(n), exact::typed::number(p.y));
}

void field(Exercise& ex, const std::string& name, std::string text) {
    ex.fields.emplace_back(name, std::move(text));
}

void expect(Exercise& ex, AnswerKind kind, std::vector<Value> values, AskedForm form) {
    ex.expected = {kind, form, std::move(values)};
}

const char* byForm(AskedForm form, const char* reduced, const char* general) {
    return form == AskedForm::ReducedEquation ? reduced : general;
}

Line lineWithNormal(const Number& a, const Number& b, const Point& through) {
    return exact::normalised({a, b, -(a * through.x + b * through.y)});
}

Line lineWithSlope(const Number& m, const Point& p) {
    return lineWithNormal(m, N(-1), p);
}

Number slope(const Line& l) {
    return -l.a / l.b;
}

Point centroid(const Exercise& ex) {
    const Point& a = pt(ex, 0);
    const Point& b = pt(ex, 1);
    const Point& c = pt(ex, 2);
    return {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3};
}

void triangleFields(Exercise& ex, int first) {
    for (int i = 0; i < 3; ++i)
        pointFields(ex, first + i, ex.data.points[std::size_t(i)]);
}

texts::Slots vertexSlots(const Exercise& ex) {
    return {{"A", texts::point("A", pt(ex, 0))},
            {"B", texts::point("B", pt(ex, 1))},
            {"C", texts::point("C", pt(ex, 2))}};
}

Line perpendicularThrough(const Line& l, const Point& p) {
    return lineWithNormal(l.b, -l.a, p);
}

Number tangentOf(int degrees) {
    switch ((degrees % 180 + 180) % 180) {
    case 0:
        return N(0);
    case 30:
        return exact::sqrt(N(3)) / 3;
    case 45:
        return N(1);
    case 60:
        return exact::sqrt(N(3));
    case 120:
        return -exact::sqrt(N(3));
    case 135:
        return N(-1);
    case 150:
        return -exact::sqrt(N(3)) / 3;
    }
    return N(0);
}

Point smallNormal(Rng& rng) {
    static const std::array<std::array<int, 2>, 10> normals{
        {{1, 1}, {1, -1}, {2, 1}, {1, 2}, {1, -2}, {2, -1}, {3, 1}, {1, 3}, {3, -2}, {2, 3}}};
    const auto n = rng.pick(normals);
    return {N(n[0]), N(n[1])};
}

Line lineAtNiceDistance(Rng& rng, Level level, const Point& p) {
    Point n = latticeVector(rng, 25);
    if (level == Level::Avancado) n = smallNormal(rng);
    const Number norm = exact::sqrt(n.x * n.x + n.y * n.y);
    const Number value =
        level == Level::Basico ? norm * rng.nonZero(-3, 3) : N(rng.nonZero(-12, 12));
    return exact::normalised({n.x, n.y, value - n.x * p.x - n.y * p.y});
}

Point latticeVector(Rng& rng, int squaredLength) {
    static const std::array<std::array<int, 2>, 3> five{{{3, 4}, {4, 3}, {5, 0}}};
    static const std::array<std::array<int, 2>, 2> small{{{1, 2}, {2, 1}}};
    std::array<int, 2> v{};
    switch (squaredLength) {
    case 25:
        v = rng.pick(five);
        break;
    case 10:
        v = rng.coin() ? std::array<int, 2>{1, 3} : std::array<int, 2>{3, 1};
        break;
    case 13:
        v = rng.coin() ? std::array<int, 2>{2, 3} : std::array<int, 2>{3, 2};
        break;
    default:
        v = rng.pick(small);
        break;
    }
    return {N(rng.coin() ? v[0] : -v[0]), N(rng.coin() ? v[1] : -v[1])};
}

} // namespace practice::kit
