// The exercises of the second, third and fourth pages of lines.

#include "makekit.h"
#include "translation.h"

#include <cmath>

namespace practice {

using namespace kit;
using exact::StepKind;

namespace {

/// Two different normals, not parallel.
std::pair<Point, Point> twoNormals(Rng& rng) {
    const Point n = smallNormal(rng);
    Point m = smallNormal(rng);
    while ((n.x * m.y - n.y * m.x).isZero())
        m = smallNormal(rng);
    return {n, m};
}

// --- "Intersecção de duas rectas" ------------------------------------------

void makeIntersection(Rng& rng, Exercise& ex) {
    Point i = somePoint(rng, ex.level, 6);
    if (ex.level == Level::Avancado) i.x = R(rng.nonZero(-3, 3), 2);
    const auto [n, m] = twoNormals(rng);
    const Line r = lineWithNormal(n.x, n.y, i);
    const Line s = lineWithNormal(m.x, m.y, i);
    ex.data.lines = {r, s};
    field(ex, "Text1", exact::typed::line(r));
    field(ex, "Text2", exact::typed::line(s));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do ponto de intersecção das rectas "
                                      "r: {r} e s: {s}."),
        {{"r", texts::line(r)}, {"s", texts::line(s)}});
    expect(ex, AnswerKind::Point, {i});
}

std::vector<Slip> intersectionSlips() {
    return {
        {"swapped",
         TRANSLATABLE_NOOP("Practice", "Trocou a abcissa com a ordenada do ponto."),
         TRANSLATABLE_NOOP("Practice",
                           "o ponto de intersecção escreve-se (x , y): primeiro a abcissa."),
         "ponto",
         {StepKind::IntersectionResult},
         [](const Exercise& ex) {
             const Point p = exact::intersection(ln(ex, 0), ln(ex, 1));
             return one(Point{p.y, p.x});
         }},
        {"constant-sign",
         TRANSLATABLE_NOOP(
             "Practice", "Passou o termo independente para o outro membro sem lhe trocar o sinal."),
         TRANSLATABLE_NOOP("Practice", "de ax + by + c = 0 vem ax + by = −c."),
         "sistema",
         {StepKind::IntersectionSystem},
         [](const Exercise& ex) {
             const Point p = exact::intersection(ln(ex, 0), ln(ex, 1));
             return one(Point{-p.x, -p.y});
         }}};
}

// --- "Distância entre rectas paralelas" ------------------------------------

void makeParallelDistance(Rng& rng, Exercise& ex) {
    Point n = latticeVector(rng, 25);
    if (ex.level == Level::Avancado) n = smallNormal(rng);
    const int k = ex.level == Level::Basico ? 1 : rng.pick(std::array{2, -2, 3});
    // s is written times k, as it is: never a line parallel to an axis ("15x − 15 = 0").
    while (k != 1 && (n.x.isZero() || n.y.isZero()))
        n = latticeVector(rng, 25);
    if (n.x.sign() < 0 || (n.x.isZero() && n.y.sign() < 0)) n = {-n.x, -n.y}; // r as written
    const Number norm = exact::sqrt(n.x * n.x + n.y * n.y);
    const Number c1 = N(rng.in(-20, 20));
    const Number c2 =
        ex.level == Level::Basico ? c1 + norm * rng.nonZero(-3, 3) : c1 + rng.nonZero(-12, 12);
    const Line r{n.x, n.y, c1};
    const Line s{n.x * k, n.y * k, c2 * k};
    ex.data.lines = {r, s};
    const bool axis = n.x.isZero() || n.y.isZero(); // then k is 1: written x = k or y = k
    field(ex, "Text3", exact::typed::line(r));
    field(ex, "Text4", exact::typed::line(s, axis));
    ex.data.numbers = {N(k)};
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Calcule a distância entre as rectas paralelas r: {r} e s: "
                                      "{s}. Apresente o valor exacto."),
        {{"r", texts::line(r)}, {"s", texts::line(s, axis)}});
    expect(ex, AnswerKind::Number, {exact::abs(c1 - c2) / norm});
}

std::vector<Slip> parallelDistanceSlips() {
    auto parts = [](const Exercise& ex) {
        const Line& r = ln(ex, 0);
        const Number k = ex.data.numbers.at(0);
        return std::tuple{r.a * r.a + r.b * r.b, r.c, ln(ex, 1).c / k, k};
    };
    return {
        {"no-norm",
         TRANSLATABLE_NOOP("Practice", "Não dividiu pela norma do vector normal."),
         TRANSLATABLE_NOOP(
             "Practice",
             "d = |c₁ − c₂| / √(a² + b²), com as duas equações escritas com os mesmos a e b."),
         "√(a",
         {StepKind::DistanceToLineFormula},
         [=](const Exercise& ex) {
             const auto [n2, c1, c2, k] = parts(ex);
             return one(exact::abs(c1 - c2));
         }},
        {"no-root",
         TRANSLATABLE_NOOP("Practice", "Dividiu por a² + b² em vez de √(a² + b²)."),
         TRANSLATABLE_NOOP("Practice", "no denominador está a norma do vector normal, √(a² + b²)."),
         "√(a",
         {StepKind::DistanceToLineFormula},
         [=](const Exercise& ex) {
             const auto [n2, c1, c2, k] = parts(ex);
             return one(exact::abs(c1 - c2) / n2);
         }},
        {"not-equalised",
         TRANSLATABLE_NOOP(
             "Practice",
             "Subtraiu os termos independentes sem igualar primeiro os coeficientes de x e de y."),
         TRANSLATABLE_NOOP(
             "Practice", "escreva as duas equações com os mesmos a e b antes de subtrair c₁ e c₂."),
         "coeficientes",
         {StepKind::LinesParallel},
         [=](const Exercise& ex) {
             const auto [n2, c1, c2, k] = parts(ex);
             if (k == N(1)) return std::vector<Value>{};
             return one(exact::abs(c1 - c2 * k) / exact::sqrt(n2));
         }}};
}

// --- "Distância de um ponto a uma recta" -----------------------------------

void makePointLineDistance(Rng& rng, Exercise& ex) {
    const Point p =
        somePoint(rng, ex.level == Level::Intermedio ? Level::Intermedio : Level::Basico, 6);
    const Line r = lineAtNiceDistance(rng, ex.level, p);
    ex.data.points = {p};
    ex.data.lines = {r};
    field(ex, "Text5", exact::typed::line(r));
    pointFields(ex, 1, p);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Calcule a distância do ponto {P} à recta r: {r}. Apresente "
                                      "o valor exacto, simplificado."),
        {{"P", texts::point("P", p)}, {"r", texts::line(r)}});
    expect(ex, AnswerKind::Number, {exact::distance(p, r)});
}

std::vector<Slip> pointLineDistanceSlips() {
    auto value = [](const Exercise& ex, bool withC) {
        const Line& r = ln(ex, 0);
        const Point& p = pt(ex, 0);
        return r.a * p.x + r.b * p.y + (withC ? r.c : N(0));
    };
    auto norm2 = [](const Exercise& ex) {
        return ln(ex, 0).a * ln(ex, 0).a + ln(ex, 0).b * ln(ex, 0).b;
    };
    return {
        {"no-absolute-value",
         TRANSLATABLE_NOOP("Practice", "Esqueceu o valor absoluto."),
         TRANSLATABLE_NOOP("Practice",
                           "uma distância nunca é negativa: d = |ax₀ + by₀ + c| / √(a² + b²)."),
         "|a",
         {StepKind::DistanceToLineFormula},
         [=](const Exercise& ex) {
             const Number v = value(ex, true);
             if (v.sign() >= 0) return std::vector<Value>{};
             return one(v / exact::sqrt(norm2(ex)));
         }},
        {"no-root",
         TRANSLATABLE_NOOP("Practice", "Esqueceu a raiz quadrada no denominador."),
         TRANSLATABLE_NOOP("Practice", "o denominador é √(a² + b²), a norma do vector normal."),
         "√(a",
         {StepKind::DistanceToLineFormula},
         [=](const Exercise& ex) { return one(exact::abs(value(ex, true)) / norm2(ex)); }},
        {"no-constant",
         TRANSLATABLE_NOOP("Practice", "Esqueceu o termo independente c."),
         TRANSLATABLE_NOOP(
             "Practice", "substitua x e y pelas coordenadas de P em ax + by + c, sem esquecer c."),
         "coeficientes",
         {StepKind::SubstitutePointAndLine},
         [=](const Exercise& ex) {
             return one(exact::abs(value(ex, false)) / exact::sqrt(norm2(ex)));
         }}};
}

// --- "Ângulo de duas rectas" -----------------------------------------------

/// The normal n turned by a notable angle, times a factor that keeps it simple.
Point turned(const Point& n, int degrees) {
    const Number r3 = exact::sqrt(N(3));
    switch (degrees) {
    case 45:
        return {n.x - n.y, n.x + n.y};
    case 60:
        return {n.x - r3 * n.y, r3 * n.x + n.y};
    case 30:
        return {r3 * n.x - n.y, n.x + r3 * n.y};
    }
    return n;
}

Number acuteAngle(const Line& r, const Line& s) {
    const double t = ((r.a * s.b - s.a * r.b) / (r.a * s.a + r.b * s.b)).toDouble();
    return Number::approximate(std::atan(std::abs(t)) * 45 / std::atan(1.0));
}

void makeAngle(Rng& rng, Exercise& ex) {
    Point n = smallNormal(rng);
    // At the basic level no line parallel to an axis: its angle could only be 45º.
    while (ex.level == Level::Basico && (n.x == n.y || n.x == -n.y))
        n = smallNormal(rng);
    Point m = turned(n, 45);
    Number amplitude = N(45);
    if (ex.level == Level::Basico && rng.coin()) { // or perpendicular: two answers to tell apart
        m = {-n.y, n.x};
        amplitude = N(90);
    } else if (ex.level == Level::Avancado) {
        const int a = rng.coin() ? 30 : 60;
        m = turned(n, a);
        amplitude = N(a);
    } else if (ex.level == Level::Intermedio) {
        // Neither parallel nor perpendicular, nor at 30º, 45º or 60º: an
        // amplitude in degrees, minutes and seconds.
        const auto notable = [&n](const Point& k) {
            const Number dot = n.x * k.x + n.y * k.y;
            const Number c2 = dot * dot / ((n.x * n.x + n.y * n.y) * (k.x * k.x + k.y * k.y));
            return c2 == 0 || c2 == Q(1, 4) || c2 == Q(1, 2) || c2 == Q(3, 4) || c2 == 1;
        };
        m = smallNormal(rng);
        while (notable(m))
            m = smallNormal(rng);
    }
    const Line r = lineWithNormal(n.x, n.y, somePoint(rng, Level::Basico, 3));
    const Line s = lineWithNormal(m.x, m.y, somePoint(rng, Level::Basico, 3));
    if (ex.level == Level::Intermedio) amplitude = acuteAngle(r, s);
    ex.data.lines = {r, s};
    field(ex, "Text6", exact::typed::line(r));
    field(ex, "Text7", exact::typed::line(s));
    ex.statement = texts::sentence(
        ex.level == Level::Intermedio
            ? TRANSLATABLE_NOOP("Practice", "Determine a amplitude, em graus, minutos e segundos, "
                                            "do ângulo das rectas r: {r} e s: {s}.")
            : TRANSLATABLE_NOOP("Practice",
                                "Determine a amplitude, em graus, do ângulo das rectas r: {r} e s: "
                                "{s}."),
        {{"r", texts::line(r)}, {"s", texts::line(s)}});
    expect(ex, AnswerKind::Angle, {Degrees{amplitude}});
}

std::vector<Slip> angleSlips() {
    auto from = [](const Exercise& ex) {
        return std::get<Degrees>(ex.expected.values.at(0)).value;
    };
    return {
        {"obtuse",
         TRANSLATABLE_NOOP("Practice", "Deu o ângulo obtuso."),
         TRANSLATABLE_NOOP(
             "Practice",
             "o ângulo de duas rectas é agudo ou recto: cos θ = |u · v| / (‖u‖ ‖v‖), com valor "
             "absoluto."),
         "agudo",
         {StepKind::AngleFormula},
         [=](const Exercise& ex) { return one(Degrees{N(180) - from(ex)}); }},
        {"complement",
         TRANSLATABLE_NOOP("Practice", "Deu o complemento do ângulo."),
         TRANSLATABLE_NOOP("Practice",
                           "use os dois vectores directores (ou os dois normais), não um de cada."),
         "vector director",
         {StepKind::DirectionVectors},
         [=](const Exercise& ex) { return one(Degrees{N(90) - from(ex)}); }}};
}

// --- "Ver se três pontos são colineares" -----------------------------------

std::vector<Slip> oppositeVerdict(const char* rule) {
    return {{"opposite",
             TRANSLATABLE_NOOP("Practice", "A conclusão está trocada."),
             rule,
             "declive",
             {StepKind::CollinearSlopes, StepKind::CollinearVectors},
             [](const Exercise& ex) {
                 const Words w = std::get<Words>(ex.expected.values.at(0));
                 return one(w == Words::Yes ? Words::No : Words::Yes);
             }}};
}

void makeCollinear(Rng& rng, Exercise& ex) {
    const Point a = somePoint(rng, Level::Basico, 4);
    Point d{N(rng.nonZero(-2, 2)), N(rng.in(-2, 2))};
    if (ex.level == Level::Intermedio) d.x = d.x / 2;
    const int s = rng.nonZero(-2, 2);
    int t = rng.nonZero(-3, 3);
    while (t == s)
        t = rng.nonZero(-3, 3);
    const Point b{a.x + d.x * s, a.y + d.y * s};
    Point c{a.x + d.x * t, a.y + d.y * t};
    const bool yes = rng.coin();
    if (!yes) c.y = c.y + (rng.coin() ? 1 : -1);
    ex.data.points = {a, b, c};
    for (int i = 0; i < 3; ++i)
        pointFields(ex, i + 1, ex.data.points[std::size_t(i)]);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Os pontos {A}, {B} e {C} estão em linha recta? Responda sim ou não."),
        vertexSlots(ex));
    expect(ex, AnswerKind::Words, {yes ? Words::Yes : Words::No});
}

// --- "Coeficiente angular e inclinação de uma recta" -----------------------

/// A slope for the level, and at the advanced level a notable inclination.
std::pair<Number, int> someSlope(Rng& rng, Level level) {
    if (level == Level::Avancado) { // a slope with a root: 45º is one of the basic level's
        const int a = rng.pick(std::array{30, 60, 120, 150});
        return {tangentOf(a), a};
    }
    if (level == Level::Intermedio)
        return {Q(rng.nonZero(-5, 5), rng.pick(std::array{2, 3, 4})), 0};
    return {N(rng.nonZero(-3, 3)), 0};
}

/// Asks the inclination when there is one, with the first statement, or
/// else the slope, with the second.
void askSlopeOrInclination(Exercise& ex, const Number& m, int inclination,
                           std::pair<const char*, const char*> statements,
                           const texts::Slots& slots) {
    if (inclination) {
        ex.statement = texts::sentence(statements.first, slots);
        expect(ex, AnswerKind::Angle, {Degrees{N(inclination)}});
    } else {
        ex.statement = texts::sentence(statements.second, slots);
        expect(ex, AnswerKind::Number, {m});
    }
}

void makeSlopeFromPoints(Rng& rng, Exercise& ex) {
    const auto [m, inclination] = someSlope(rng, ex.level);
    const Point a = somePoint(rng, Level::Basico, 4);
    Number dx = N(rng.nonZero(-3, 3));
    if (m.terms().size() == 1 && m.terms()[0].radicand == 3)
        dx = dx * exact::sqrt(N(3)); // lattice ordinates
    if (ex.level == Level::Intermedio) dx = dx * m.rational().get_den().get_si();
    const Point b{a.x + dx, a.y + m * dx};
    ex.data.points = {a, b};
    ex.data.numbers = {m};
    pointFields(ex, 4, a);
    pointFields(ex, 5, b);
    askSlopeOrInclination(
        ex, m, inclination,
        {TRANSLATABLE_NOOP("Practice",
                           "Determine a inclinação, em graus, da recta que passa nos pontos {A} e "
                           "{B}."),
         TRANSLATABLE_NOOP("Practice",
                           "Determine o declive da recta que passa nos pontos {A} e {B}.")},
        {{"A", texts::point("A", a)}, {"B", texts::point("B", b)}});
}

void makeSlopeFromEquation(Rng& rng, Exercise& ex) {
    const auto [m, inclination] = someSlope(rng, ex.level);
    const Line r = lineWithSlope(m, somePoint(rng, Level::Basico, 4));
    ex.data.lines = {r};
    ex.data.numbers = {m};
    field(ex, "Text9", exact::typed::line(r));
    askSlopeOrInclination(
        ex, m, inclination,
        {TRANSLATABLE_NOOP("Practice", "Determine a inclinação, em graus, da recta r: {r}."),
         TRANSLATABLE_NOOP("Practice", "Determine o declive da recta r: {r}.")},
        {{"r", texts::line(r)}});
}

std::vector<Value> slopeOrAngle(const Exercise& ex, const Number& m) {
    if (ex.expected.kind != AnswerKind::Number) return {};
    return one(m);
}

std::vector<Value> angleSlip(const Exercise& ex, bool complement) {
    if (ex.expected.kind != AnswerKind::Angle) return {};
    const Number a = std::get<Degrees>(ex.expected.values.at(0)).value;
    if (complement) return one(Degrees{N(90) - a});
    if (a <= N(90)) return {};
    return one(Degrees{a - N(180)});
}

std::vector<Slip> inclinationSlips() {
    return {
        {"negative-inclination",
         TRANSLATABLE_NOOP("Practice", "Deu um ângulo negativo."),
         TRANSLATABLE_NOOP("Practice", "a inclinação está entre 0º e 180º: quando o declive é "
                                       "negativo, soma-se 180º a arctg m."),
         "inclinação",
         {StepKind::InclinationTangent, StepKind::InclinationObtuse},
         [](const Exercise& ex) { return angleSlip(ex, false); }},
        {"complement",
         TRANSLATABLE_NOOP("Practice", "Deu o ângulo com o eixo das ordenadas."),
         TRANSLATABLE_NOOP(
             "Practice", "a inclinação é o ângulo com o semieixo positivo das abcissas: tg α = m."),
         "inclinação",
         {StepKind::InclinationTangent, StepKind::InclinationInverse},
         [](const Exercise& ex) { return angleSlip(ex, true); }}};
}

std::vector<Slip> slopeFromPointsSlips() {
    std::vector<Slip> slips = inclinationSlips();
    slips.push_back(
        {"swapped-differences",
         TRANSLATABLE_NOOP("Practice", "Trocou Δx com Δy."),
         TRANSLATABLE_NOOP("Practice", "o declive é m = (y_B − y_A)/(x_B − x_A)."),
         "declive",
         {StepKind::SlopeOfSegment},
         [](const Exercise& ex) { return slopeOrAngle(ex, N(1) / ex.data.numbers.at(0)); }});
    slips.push_back(
        {"slope-sign",
         TRANSLATABLE_NOOP("Practice", "Trocou o sinal do declive."),
         TRANSLATABLE_NOOP("Practice",
                           "subtraia as coordenadas pela mesma ordem em cima e em baixo."),
         "declive",
         {StepKind::SlopeOfSegment, StepKind::SlopeOfReduced},
         [](const Exercise& ex) { return slopeOrAngle(ex, -ex.data.numbers.at(0)); }});
    return slips;
}

std::vector<Slip> slopeFromEquationSlips() {
    std::vector<Slip> slips = inclinationSlips();
    slips.push_back({"slope-sign",
                     TRANSLATABLE_NOOP("Practice", "Trocou o sinal do declive."),
                     TRANSLATABLE_NOOP(
                         "Practice", "de ax + by + c = 0 vem y = −(a/b)x − c/b: o declive é −a/b."),
                     "declive",
                     {StepKind::SlopeOfSegment, StepKind::SlopeOfReduced},
                     [](const Exercise& ex) { return slopeOrAngle(ex, -ex.data.numbers.at(0)); }});
    slips.push_back(
        {"b-over-a",
         TRANSLATABLE_NOOP("Practice", "Calculou −b/a em vez de −a/b."),
         TRANSLATABLE_NOOP("Practice", "o declive é o coeficiente de x depois de isolar y: −a/b."),
         "declive",
         {StepKind::SlopeOfReduced},
         [](const Exercise& ex) { return slopeOrAngle(ex, N(-1) / ex.data.numbers.at(0)); }});
    return slips;
}

// --- "Posição relativa de duas rectas" -------------------------------------

void makeRelativePosition(Rng& rng, Exercise& ex) {
    const auto [n, m] = twoNormals(rng);
    const Point p = somePoint(rng, Level::Basico, 5);
    const Line r = lineWithNormal(n.x, n.y, p);
    const int kind = rng.in(0, 2);
    const int k = ex.level == Level::Intermedio ? rng.pick(std::array{2, -2, 3, -1}) : 1;
    Line s = lineWithNormal(m.x, m.y, p);
    if (kind > 0) s = {r.a * k, r.b * k, (r.c + (kind == 1 ? rng.nonZero(-6, 6) : 0)) * k};
    ex.data.lines = {r, s};
    field(ex, "Text5", exact::typed::line(r));
    field(ex, "Text6", exact::typed::line(s, false));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Indique a posição relativa das rectas r: {r} e s: {s} (paralelas, "
                          "coincidentes ou concorrentes; se forem concorrentes, o ponto de "
                          "intersecção)."),
        {{"r", texts::line(r)}, {"s", texts::line(s, false)}});
    if (kind == 0)
        expect(ex, AnswerKind::Words, {p}); // words or the point: nothing given away
    else
        expect(ex, AnswerKind::Words, {kind == 1 ? Words::Parallel : Words::Coincident});
}

std::vector<Slip> relativePositionSlips() {
    return {
        {"parallel-or-coincident",
         TRANSLATABLE_NOOP("Practice", "Confundiu rectas paralelas com rectas coincidentes."),
         TRANSLATABLE_NOOP("Practice", "com os coeficientes de x e de y proporcionais, as rectas "
                                       "são coincidentes se também os "
                                       "termos independentes o forem, e paralelas se não forem."),
         "coeficientes",
         {StepKind::PositionCompare},
         [](const Exercise& ex) {
             const Words* w = std::get_if<Words>(&ex.expected.values.at(0));
             if (!w) return std::vector<Value>{};
             return one(*w == Words::Parallel ? Words::Coincident : Words::Parallel);
         }},
        {"swapped",
         TRANSLATABLE_NOOP("Practice", "Trocou a abcissa com a ordenada do ponto de intersecção."),
         TRANSLATABLE_NOOP("Practice", "o ponto escreve-se (x , y): primeiro a abcissa."),
         "ponto",
         {StepKind::PositionConcurrent},
         [](const Exercise& ex) {
             const Point* p = std::get_if<Point>(&ex.expected.values.at(0));
             if (!p) return std::vector<Value>{};
             return one(Point{p->y, p->x});
         }}};
}

} // namespace

std::vector<FrameDef> lineFrames() {
    std::vector<FrameDef> frames = {
        {problem("recta2-1"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeIntersection,
         intersectionSlips()},
        {problem("recta2-2"),
         "Dados1",
         "Resolver1",
         {true, true, true},
         makeParallelDistance,
         parallelDistanceSlips()},
        {problem("recta2-3"),
         "Dados4",
         "Resolver4",
         {true, true, true},
         makePointLineDistance,
         pointLineDistanceSlips()},
        {problem("recta2-4"), "Dados5", "Resolver5", {true, true, true}, makeAngle, angleSlips()},
        {problem("recta3-1"),
         "Dados1",
         "Resolver1",
         {true, true, false},
         makeCollinear,
         oppositeVerdict(TRANSLATABLE_NOOP(
             "Practice",
             "os pontos A, B e C estão em linha recta quando os declives de [AB] e [AC] "
             "são iguais."))},
        {problem("recta3-2a"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeSlopeFromPoints,
         slopeFromPointsSlips()},
        {problem("recta3-2b"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeSlopeFromEquation,
         slopeFromEquationSlips()},
        {problem("recta3-3"),
         "",
         "Resolver6",
         {true, true, false},
         makeRelativePosition,
         relativePositionSlips()},
    };
    std::vector<FrameDef> fourth = lines4Frames();
    frames.insert(frames.end(), fourth.begin(), fourth.end());
    return frames;
}

} // namespace practice
