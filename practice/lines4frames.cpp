// The exercises of the fourth page of lines.

#include "makekit.h"
#include "translation.h"

namespace practice {

using exact::StepKind;

using namespace kit;

namespace {

Point givenPoint(Rng& rng, Exercise& ex) {
    const Point p =
        somePoint(rng, ex.level == Level::Intermedio ? Level::Intermedio : Level::Basico, 6);
    ex.data.points = {p};
    pointFields(ex, 1, p);
    return p;
}

/// The statement of a line through P, a whole sentence with the slot {P}
/// and the other slots given.
std::string through(const Point& p, const char* statement, texts::Slots slots = {}) {
    slots.emplace_back("P", texts::point("P", p));
    return texts::sentence(statement, slots);
}

// --- parallel to an axis ---------------------------------------------------

void makeParallelToX(Rng& rng, Exercise& ex) {
    const Point p = givenPoint(rng, ex);
    ex.statement =
        through(p, TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que passa "
                                                 "em {P} e é paralela ao eixo das abcissas."));
    expect(ex, AnswerKind::Line, {Line{N(0), N(1), -p.y}}, AskedForm::ReducedEquation);
}

void makeParallelToY(Rng& rng, Exercise& ex) {
    const Point p = givenPoint(rng, ex);
    ex.statement =
        through(p, TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que passa "
                                                 "em {P} e é paralela ao eixo das ordenadas."));
    expect(ex, AnswerKind::Line, {Line{N(1), N(0), -p.x}}, AskedForm::ReducedEquation);
}

std::vector<Slip> axisSlips() {
    return {{"other-axis",
             TRANSLATABLE_NOOP("Practice", "Escreveu a paralela ao outro eixo."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "a paralela ao eixo das abcissas é horizontal, y = y_P; a paralela ao eixo das "
                 "ordenadas é vertical, x = x_P."),
             "eixo",
             {StepKind::ParallelToXAxis, StepKind::ParallelToYAxis},
             [](const Exercise& ex) {
                 const Line& l = std::get<Line>(ex.expected.values.at(0));
                 const Point& p = pt(ex, 0);
                 return one(l.a.isZero() ? Line{N(1), N(0), -p.x} : Line{N(0), N(1), -p.y});
             }}};
}

// --- a given inclination, a given slope ------------------------------------

void makeInclination(Rng& rng, Exercise& ex) {
    const Point p = givenPoint(rng, ex);
    const int a = ex.level == Level::Avancado ? rng.pick(std::array{30, 60, 120, 150})
                                              : rng.pick(std::array{45, 135});
    ex.data.numbers = {N(a)};
    field(ex, "Text2", std::to_string(a));
    ex.statement =
        through(p,
                TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que "
                                              "passa em {P} e tem inclinação {alpha}º."),
                {{"alpha", std::to_string(a)}});
    expect(ex, AnswerKind::Line, {lineWithSlope(tangentOf(a), p)}, AskedForm::ReducedEquation);
}

std::vector<Slip> inclinationSlips() {
    return {{"supplement",
             TRANSLATABLE_NOOP("Practice", "Trocou o sinal do declive."),
             TRANSLATABLE_NOOP("Practice", "o declive é a tangente da inclinação: m = tg α."),
             "tangente",
             {StepKind::SlopeFromInclination},
             [](const Exercise& ex) {
                 const int a = int(ex.data.numbers.at(0).rational().get_num().get_si());
                 return one(lineWithSlope(tangentOf(180 - a), pt(ex, 0)));
             }},
            {"cotangent",
             TRANSLATABLE_NOOP("Practice", "Usou a tangente do complemento da inclinação."),
             TRANSLATABLE_NOOP("Practice",
                               "a inclinação é o ângulo com o eixo das abcissas, e m = tg α."),
             "tangente",
             {StepKind::SlopeFromInclination},
             [](const Exercise& ex) {
                 const int a = int(ex.data.numbers.at(0).rational().get_num().get_si());
                 return one(lineWithSlope(tangentOf(90 - a), pt(ex, 0)));
             }}};
}

void makeSlope(Rng& rng, Exercise& ex) {
    const Point p = givenPoint(rng, ex);
    Number m = N(rng.nonZero(-4, 4));
    if (ex.level == Level::Intermedio) m = Q(rng.nonZero(-5, 5), rng.pick(std::array{2, 3}));
    if (ex.level == Level::Avancado) m = R(rng.nonZero(-2, 2), rng.pick(std::array{2, 3}));
    ex.data.numbers = {m};
    field(ex, "Text6", exact::typed::number(m));
    ex.statement =
        through(p,
                TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que "
                                              "passa em {P} e tem declive {m}."),
                {{"m", texts::number(m)}});
    expect(ex, AnswerKind::Line, {lineWithSlope(m, p)}, AskedForm::ReducedEquation);
}

std::vector<Slip> slopeSlips() {
    return {{"ordinate-as-intercept",
             TRANSLATABLE_NOOP("Practice", "Tomou a ordenada de P como ordenada na origem."),
             TRANSLATABLE_NOOP("Practice", "a recta é y − y_P = m(x − x_P)."),
             "y_P",
             {StepKind::SlopeThroughPoint},
             [](const Exercise& ex) {
                 return one(Line{ex.data.numbers.at(0), N(-1), pt(ex, 0).y});
             }},
            {"abscissa-sign",
             TRANSLATABLE_NOOP("Practice", "Trocou o sinal da abcissa de P."),
             TRANSLATABLE_NOOP("Practice",
                               "a recta é y − y_P = m(x − x_P): subtrai-se a abcissa de P."),
             "x_P",
             {StepKind::SlopeThroughPoint},
             [](const Exercise& ex) {
                 const Point& p = pt(ex, 0);
                 return one(lineWithSlope(ex.data.numbers.at(0), Point{-p.x, p.y}));
             }}};
}

// --- a given angle with a given line ----------------------------------------

/// The normal n turned by ±a degrees (45, 30 or 60), scaled to stay simple.
Point turn(const Point& n, int a, int sign) {
    const Number r3 = exact::sqrt(N(3));
    const Number s = N(sign);
    if (a == 45) return {n.x - s * n.y, s * n.x + n.y};
    if (a == 60) return {n.x - s * r3 * n.y, s * r3 * n.x + n.y};
    return {r3 * n.x - s * n.y, s * n.x + r3 * n.y};
}

void makeAngleWithLine(Rng& rng, Exercise& ex) {
    const Point p = givenPoint(rng, ex);
    const int a = ex.level == Level::Avancado ? rng.pick(std::array{30, 60}) : 45;
    const Point n = smallNormal(rng);
    Line r = lineWithNormal(n.x, n.y, somePoint(rng, Level::Basico, 3));
    if (exact::contains(r, p)) r.c = r.c + 1;
    ex.data.lines = {r};
    ex.data.numbers = {N(a)};
    field(ex, "Text4", std::to_string(a));
    field(ex, "Text5", exact::typed::line(r));
    const Point n1 = turn(n, a, 1);
    const Point n2 = turn(n, a, -1);
    ex.statement =
        through(p,
                TRANSLATABLE_NOOP("Practice", "Determine as equações reduzidas das rectas que "
                                              "passam em {P} e fazem um ângulo de {alpha}º com a "
                                              "recta r: {r}."),
                {{"alpha", std::to_string(a)}, {"r", texts::line(r)}});
    expect(ex, AnswerKind::Line, {lineWithNormal(n1.x, n1.y, p), lineWithNormal(n2.x, n2.y, p)},
           AskedForm::ReducedEquation);
}

std::vector<Slip> angleWithLineSlips() {
    return {{"angle-with-x-axis",
             TRANSLATABLE_NOOP("Practice",
                               "Mediu o ângulo a partir do eixo das abcissas, não da recta r."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "o ângulo é o das rectas pedidas com r: rode o vector director de r, ou use a "
                 "fórmula do ângulo de duas rectas."),
             "ângulo",
             {StepKind::AngleLineTangent},
             [](const Exercise& ex) {
                 const int a = int(ex.data.numbers.at(0).rational().get_num().get_si());
                 return std::vector<Value>{lineWithSlope(tangentOf(a), pt(ex, 0)),
                                           lineWithSlope(tangentOf(180 - a), pt(ex, 0))};
             }}};
}

// --- "Bissectrizes de duas rectas concorrentes" -----------------------------

void makeBisectors(Rng& rng, Exercise& ex) {
    const Point u = latticeVector(rng, 25);
    // s is written as it is: never a line parallel to an axis ("10x − 20 = 0").
    Point v = latticeVector(rng, ex.level == Level::Avancado ? 5 : 25);
    while ((u.x * v.y - u.y * v.x).isZero() || v.x.isZero() || v.y.isZero())
        v = latticeVector(rng, ex.level == Level::Avancado ? 5 : 25);
    if (ex.level != Level::Avancado) v = {v.x * 2, v.y * 2}; // norms 5 and 10
    const Point i = somePoint(rng, Level::Basico, 3);
    const Line r = lineWithNormal(u.x, u.y, i);
    const Point j = ex.level == Level::Basico ? i : Point{i.x + 1, i.y};
    const Line s{v.x, v.y, -(v.x * j.x + v.y * j.y)};
    ex.data.lines = {r, s};
    field(ex, "Text9", exact::typed::line(r));
    field(ex, "Text10", exact::typed::line(s, false));
    const Number k1 = exact::sqrt(r.a * r.a + r.b * r.b);
    const Number k2 = exact::sqrt(s.a * s.a + s.b * s.b);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine equações gerais das bissectrizes dos ângulos das "
                                      "rectas r: {r} e s: {s}."),
        {{"r", texts::line(r)}, {"s", texts::line(s, false)}});
    expect(ex, AnswerKind::Line,
           {Line{k2 * r.a - k1 * s.a, k2 * r.b - k1 * s.b, k2 * r.c - k1 * s.c},
            Line{k2 * r.a + k1 * s.a, k2 * r.b + k1 * s.b, k2 * r.c + k1 * s.c}},
           AskedForm::GeneralEquation);
}

std::vector<Slip> bisectorsSlips() {
    return {
        {"not-normalised",
         TRANSLATABLE_NOOP("Practice", "Somou e subtraiu as equações sem as dividir pelas normas."),
         TRANSLATABLE_NOOP("Practice",
                           "os pontos das bissectrizes estão à mesma distância das duas rectas: "
                           "|a₁x + b₁y + c₁|/√(a₁² + b₁²) = |a₂x + b₂y + c₂|/√(a₂² + b₂²)."),
         "distância",
         {StepKind::BisectorsDefinition},
         [](const Exercise& ex) {
             const Line& r = ln(ex, 0);
             const Line& s = ln(ex, 1);
             return std::vector<Value>{Line{r.a - s.a, r.b - s.b, r.c - s.c},
                                       Line{r.a + s.a, r.b + s.b, r.c + s.c}};
         }}};
}

} // namespace

std::vector<FrameDef> lines4Frames() {
    return {
        {problem("recta4-1a"),
         "Dados3",
         "Resolver3",
         {true, true, false},
         makeParallelToX,
         axisSlips()},
        {problem("recta4-1b"),
         "Dados3",
         "Resolver3",
         {true, true, false},
         makeParallelToY,
         axisSlips()},
        {problem("recta4-1c"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeInclination,
         inclinationSlips()},
        {problem("recta4-1d"), "Dados3", "Resolver3", {true, true, true}, makeSlope, slopeSlips()},
        {problem("recta4-1e"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeAngleWithLine,
         angleWithLineSlips()},
        {problem("recta4-2"),
         "Dados7",
         "Resolver7",
         {true, true, true},
         makeBisectors,
         bisectorsSlips()},
    };
}

} // namespace practice
