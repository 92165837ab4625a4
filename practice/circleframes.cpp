// The exercises of the three pages of circles and of the triangle page.

#include "makekit.h"
#include "translation.h"

namespace practice {

using exact::StepKind;

using namespace kit;

namespace {

const Circle& ci(const Exercise& ex, std::size_t i) {
    return ex.data.circles.at(i);
}

Number someRadiusSquared(Rng& rng, Level level) {
    if (level == Level::Avancado) return N(rng.pick(std::array{2, 5, 8, 10, 13}));
    return exact::square(N(rng.in(2, 5)));
}

Circle someCircle(Rng& rng, Level level) {
    const Number r2 = someRadiusSquared(rng, level);
    const Point c =
        somePoint(rng, level == Level::Intermedio ? Level::Intermedio : Level::Basico, 4);
    return {c, exact::sqrt(r2)};
}

/// The three vectors from a centre to lattice points of a circle of radius
/// √25 (or √5, √10 at the advanced level): distinct, so the points make a triangle.
std::array<Point, 3> threeOnCircle(Rng& rng, Level level) {
    const int r2 = level == Level::Avancado ? rng.pick(std::array{5, 10}) : 25;
    std::array<Point, 3> v{};
    for (std::size_t i = 0; i < 3; ++i) {
        bool fresh = false;
        while (!fresh) {
            v[i] = latticeVector(rng, r2);
            fresh = true;
            for (std::size_t j = 0; j < i; ++j)
                fresh = fresh && !(v[j] == v[i]);
        }
    }
    return v;
}

Point plus(const Point& p, const Point& v) {
    return {p.x + v.x, p.y + v.y};
}

/// Vertices on a circle round a lattice centre; returns the centre.
Point circumscribed(Rng& rng, Exercise& ex) {
    const Point o = somePoint(rng, Level::Basico, 3);
    const auto v = threeOnCircle(rng, ex.level);
    ex.data.points = {plus(o, v[0]), plus(o, v[1]), plus(o, v[2])};
    return o;
}

/// A right triangle with its legs on lines parallel to the axes and a whole
/// (or half) inradius; returns the incircle.
Circle rightTriangle(Rng& rng, Exercise& ex) {
    const auto legs =
        rng.pick(std::array<std::array<int, 3>, 3>{{{3, 4, 1}, {4, 3, 1}, {6, 8, 2}}});
    const Number scale = ex.level == Level::Intermedio ? Q(1, 2) : N(1);
    const Number sx = N(rng.coin() ? 1 : -1) * scale;
    const Number sy = N(rng.coin() ? 1 : -1) * scale;
    const Point v = somePoint(rng, Level::Basico, 3);
    ex.data.points = {v, {v.x + sx * legs[0], v.y}, {v.x, v.y + sy * legs[1]}};
    if (rng.coin()) std::swap(ex.data.points[0], ex.data.points[1]);
    return {{v.x + sx * legs[2], v.y + sy * legs[2]}, scale * legs[2]};
}

// --- slips shared by the circles -------------------------------------------

Slip radiusForSquare() {
    return {
        "radius-for-square",
        TRANSLATABLE_NOOP("Practice", "Escreveu o raio no segundo membro em vez do seu quadrado."),
        TRANSLATABLE_NOOP("Practice", "a equação reduzida é (x − a)² + (y − b)² = r²: o segundo "
                                      "membro é o quadrado do raio."),
        "raio",
        {StepKind::CircleSubstitute, StepKind::InscribedResult, StepKind::CircumscribedResult,
         StepKind::ThreePointsRadius, StepKind::TouchingCircleRadius},
        [](const Exercise& ex) {
            const Circle& c = std::get<Circle>(ex.expected.values.at(0));
            if (!c.radius.isRational()) return std::vector<Value>{}; // r would be a fourth root
            return one(Circle{c.centre, exact::sqrt(c.radius)});
        }};
}

Slip centreSigns() {
    return {"centre-signs",
            TRANSLATABLE_NOOP("Practice", "Trocou os sinais das coordenadas do centro."),
            TRANSLATABLE_NOOP(
                "Practice",
                "em (x − a)² + (y − b)² = r² o centro é (a , b): (x + 2)² corresponde a a = −2."),
            "centro",
            {StepKind::CompleteSquares, StepKind::CircleSubstitute},
            [](const Exercise& ex) {
                const Circle& c = std::get<Circle>(ex.expected.values.at(0));
                return one(Circle{{-c.centre.x, -c.centre.y}, c.radius});
            }};
}

/// The centroid for the centre, found at the step that says what the
/// centre is.
Slip centroidCentre(const char* what, const char* centre, std::vector<StepKind> method) {
    return {"centroid",
            TRANSLATABLE_NOOP("Practice", "Usou o baricentro do triângulo."),
            what,
            centre,
            std::move(method),
            [](const Exercise& ex) {
                const Point g = centroid(ex);
                if (ex.expected.kind == AnswerKind::Point) return one(g);
                const Circle& c = std::get<Circle>(ex.expected.values.at(0));
                return one(Circle{g, c.radius});
            }};
}

// --- "Circunferência de equação..." ----------------------------------------

void makeCentreAndRadius(Rng& rng, Exercise& ex) {
    const Circle c = someCircle(rng, ex.level);
    const bool expanded = ex.level != Level::Basico || rng.coin();
    ex.data.circles = {c};
    ex.data.numbers = {N(expanded ? 1 : 0)};
    field(ex, "Text1", exact::typed::circle(c, expanded));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Indique o centro e o raio da circunferência de equação {c}."),
        {{"c", texts::circle(c, expanded)}});
    expect(ex, AnswerKind::Point, {c.centre, c.radius});
}

std::vector<Slip> centreAndRadiusSlips() {
    return {
        {"centre-signs",
         TRANSLATABLE_NOOP("Practice", "Trocou os sinais das coordenadas do centro."),
         TRANSLATABLE_NOOP(
             "Practice",
             "em (x − a)² + (y − b)² = r² o centro é (a , b): (x + 2)² corresponde a a = −2."),
         "centro",
         {StepKind::CircleCentreRadius, StepKind::CircleSubstitute},
         [](const Exercise& ex) {
             const Circle& c = ci(ex, 0);
             return std::vector<Value>{Point{-c.centre.x, -c.centre.y}, c.radius};
         }},
        {"square-for-radius",
         TRANSLATABLE_NOOP("Practice", "Deu o quadrado do raio como raio."),
         TRANSLATABLE_NOOP(
             "Practice",
             "o segundo membro da equação reduzida é r²: o raio é a sua raiz quadrada."),
         "raio",
         {StepKind::CircleCentreRadius},
         [](const Exercise& ex) {
             const Circle& c = ci(ex, 0);
             return std::vector<Value>{c.centre, c.radiusSquared()};
         }},
        {"not-halved",
         TRANSLATABLE_NOOP("Practice", "Não dividiu por −2 os coeficientes de x e de y."),
         TRANSLATABLE_NOOP("Practice", "de x² + y² + Dx + Ey + F = 0 vem o centro (−D/2 , −E/2)."),
         "metade",
         {StepKind::CompleteSquares},
         [](const Exercise& ex) {
             if (ex.data.numbers.at(0).isZero()) return std::vector<Value>{};
             const Circle& c = ci(ex, 0);
             return std::vector<Value>{Point{-2 * c.centre.x, -2 * c.centre.y}, c.radius};
         }}};
}

void makeCircleEquation(Rng& rng, Exercise& ex) {
    const Circle c = someCircle(rng, ex.level);
    ex.data.circles = {c};
    field(ex, "Abcissa3", exact::typed::number(c.centre.x));
    field(ex, "Ordenada3", exact::typed::number(c.centre.y));
    field(ex, "Raio", exact::typed::number(c.radius));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Escreva a equação reduzida da circunferência de centro {C} e raio {r}."),
        {{"C", texts::point("C", c.centre)}, {"r", texts::number(c.radius)}});
    expect(ex, AnswerKind::Circle, {c}, AskedForm::ReducedEquation);
}

// --- circle of a given centre tangent to a line ----------------------------

void makeTangentCircle(Rng& rng, Exercise& ex, const char* lineField, int pointField) {
    const Point c =
        somePoint(rng, ex.level == Level::Intermedio ? Level::Intermedio : Level::Basico, 4);
    const Line r = lineAtNiceDistance(rng, ex.level, c);
    ex.data.points = {c};
    ex.data.lines = {r};
    field(ex, lineField, exact::typed::line(r));
    pointFields(ex, pointField, c);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Escreva a equação reduzida da circunferência de centro {P} tangente à "
                          "recta t: {t}."),
        {{"P", texts::point("P", c)}, {"t", texts::line(r)}});
    const Circle answer{c, exact::distance(c, r)};
    ex.data.circles = {answer};
    expect(ex, AnswerKind::Circle, {answer}, AskedForm::ReducedEquation);
}

std::vector<Slip> tangentCircleSlips() {
    return {
        radiusForSquare(),
        centreSigns(),
        {"no-norm",
         TRANSLATABLE_NOOP("Practice", "Tomou |ax₀ + by₀ + c| como raio, sem dividir pela norma."),
         TRANSLATABLE_NOOP("Practice",
                           "o raio é a distância do centro à recta: |ax₀ + by₀ + c| / √(a² + b²)."),
         "distância",
         {StepKind::TangentCircleRadius},
         [](const Exercise& ex) {
             const Line& r = ln(ex, 0);
             const Point& c = pt(ex, 0);
             return one(Circle{c, exact::abs(r.a * c.x + r.b * c.y + r.c)});
         }}};
}

// --- "Tangente a uma circunferência num dos seus pontos" -------------------

void makeTangentAtPoint(Rng& rng, Exercise& ex) {
    const int r2 = ex.level == Level::Avancado ? rng.pick(std::array{5, 10, 13}) : 25;
    const Point c = somePoint(rng, Level::Basico, 3);
    const Point v = latticeVector(rng, r2);
    const Point p = plus(c, v);
    ex.data.circles = {{c, exact::sqrt(N(r2))}};
    ex.data.points = {p};
    pointFields(ex, 2, p);
    field(ex, "Text4", exact::typed::circle(ci(ex, 0), true));
    const AskedForm form =
        ex.level == Level::Basico ? AskedForm::GeneralEquation : AskedForm::ReducedEquation;
    ex.statement = texts::sentence(
        byForm(form,
               TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta tangente à "
                                             "circunferência {c} no ponto {P}."),
               TRANSLATABLE_NOOP("Practice", "Determine uma equação geral da recta tangente à "
                                             "circunferência {c} no ponto {P}.")),
        {{"c", texts::circle(ci(ex, 0), true)}, {"P", texts::point("P", p)}});
    expect(ex, AnswerKind::Line, {lineWithNormal(v.x, v.y, p)}, form);
}

std::vector<Slip> tangentAtPointSlips() {
    return {
        {"radius-line",
         TRANSLATABLE_NOOP("Practice", "Escreveu a recta que passa pelo centro e por P."),
         TRANSLATABLE_NOOP("Practice", "a tangente em P é perpendicular ao raio [CP]."),
         "raio",
         {StepKind::TangentNormal},
         [](const Exercise& ex) { return one(exact::lineThrough(ci(ex, 0).centre, pt(ex, 0))); }},
        {"through-centre",
         TRANSLATABLE_NOOP("Practice", "Traçou a perpendicular ao raio pelo centro."),
         TRANSLATABLE_NOOP("Practice", "a tangente passa no ponto de tangência P."),
         "x_P",
         {StepKind::TangentEquation},
         [](const Exercise& ex) {
             const Point& c = ci(ex, 0).centre;
             const Point& p = pt(ex, 0);
             return one(lineWithNormal(p.x - c.x, p.y - c.y, c));
         }}};
}

// --- the points where a line, or a circle, meets a circle -------------------

Slip swappedPoints() {
    return {"swapped",
            TRANSLATABLE_NOOP("Practice", "Trocou a abcissa com a ordenada dos pontos."),
            TRANSLATABLE_NOOP("Practice", "cada ponto escreve-se (x , y): primeiro a abcissa."),
            "pontos",
            {StepKind::LineSecantToCircle, StepKind::CirclesSecant, StepKind::QuadraticRoots},
            [](const Exercise& ex) {
                std::vector<Value> out;
                for (const Value& v : ex.expected.values) {
                    const Point& p = std::get<Point>(v);
                    out.push_back(Point{p.y, p.x});
                }
                return out;
            }};
}

void makeLineCircle(Rng& rng, Exercise& ex) {
    const int r2 = ex.level == Level::Avancado ? rng.pick(std::array{5, 10}) : 25;
    const Point c =
        somePoint(rng, ex.level == Level::Intermedio ? Level::Intermedio : Level::Basico, 3);
    const Point v = latticeVector(rng, r2);
    Point w = latticeVector(rng, r2);
    while (w == v)
        w = latticeVector(rng, r2);
    const Point p = plus(c, v);
    const Point q = plus(c, w);
    const Line r = exact::normalised(exact::lineThrough(p, q));
    ex.data.circles = {{c, exact::sqrt(N(r2))}};
    ex.data.lines = {r};
    field(ex, "Text5", exact::typed::line(r));
    field(ex, "Text7", exact::typed::circle(ci(ex, 0), true));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "Determine os pontos de intersecção da recta r: {r} com a circunferência "
                          "{c}."),
        {{"r", texts::line(r)}, {"c", texts::circle(ci(ex, 0), true)}});
    expect(ex, AnswerKind::Point, {p, q});
}

void makeTwoCircles(Rng& rng, Exercise& ex) {
    const int r2 = ex.level == Level::Avancado ? rng.pick(std::array{5, 10}) : 25;
    const Point c1 = somePoint(rng, Level::Basico, 2);
    const Point v = latticeVector(rng, r2);
    Point w = latticeVector(rng, r2);
    while (w == v || (w.x == -v.x && w.y == -v.y))
        w = latticeVector(rng, r2);
    const Point p = plus(c1, v);
    const Point q = plus(c1, w);
    mpz_class dx = (q.x - p.x).rational().get_num(), dy = (q.y - p.y).rational().get_num();
    const mpz_class g = gcd(dx, dy);
    const int t = rng.nonZero(-2, 2);
    const Point c2{c1.x - Number(mpz_class(dy / g)) * t, c1.y + Number(mpz_class(dx / g)) * t};
    ex.data.circles = {{c1, exact::sqrt(N(r2))}, {c2, exact::distance(c2, p)}};
    ex.data.points = {p, q};
    field(ex, "Text6", exact::typed::circle(ci(ex, 0), true));
    field(ex, "Text7", exact::typed::circle(ci(ex, 1), true));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine os pontos de intersecção das circunferências {c1} "
                                      "e {c2}."),
        {{"c1", texts::circle(ci(ex, 0), true)}, {"c2", texts::circle(ci(ex, 1), true)}});
    expect(ex, AnswerKind::Point, {p, q});
}

// --- "Circunferência e triângulo", "Circunferência definida por três pontos" -

void makeInscribed(Rng& rng, Exercise& ex) {
    const Circle c = rightTriangle(rng, ex);
    triangleFields(ex, 1);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Escreva a equação da circunferência inscrita no triângulo "
                                      "de vértices {A}, {B} e {C}."),
        vertexSlots(ex));
    expect(ex, AnswerKind::Circle, {c}, AskedForm::AnyEquation);
}

void circleThroughThree(Rng& rng, Exercise& ex, int first, const char* statement) {
    const Point o = circumscribed(rng, ex);
    triangleFields(ex, first);
    ex.statement = texts::sentence(statement, vertexSlots(ex));
    expect(ex, AnswerKind::Circle, {Circle{o, exact::distance(o, pt(ex, 0))}},
           AskedForm::AnyEquation);
}

void makeCircumscribed(Rng& rng, Exercise& ex) {
    circleThroughThree(rng, ex, 1,
                       TRANSLATABLE_NOOP("Practice",
                                         "Escreva a equação da circunferência circunscrita ao "
                                         "triângulo de vértices {A}, {B} e {C}."));
}

void makeThroughThree(Rng& rng, Exercise& ex) {
    circleThroughThree(
        rng, ex, 9,
        TRANSLATABLE_NOOP(
            "Practice",
            "Escreva a equação da circunferência que passa nos pontos {A}, {B} e {C}."));
}

// --- "Distância de um ponto P a uma circunferência" -------------------------

void makePointCircleDistance(Rng& rng, Exercise& ex) {
    const Point c =
        somePoint(rng, ex.level == Level::Intermedio ? Level::Intermedio : Level::Basico, 3);
    Point v = latticeVector(rng, 25);
    Number r = N(rng.in(1, 3));
    if (ex.level == Level::Avancado) {
        const int k = rng.pick(std::array{3, 4});
        v = {N(rng.coin() ? k : -k), N(rng.coin() ? k : -k)};
        r = N(rng.in(1, 4));
    }
    const Point p = plus(c, v);
    ex.data.circles = {{c, r}};
    ex.data.points = {p};
    const bool expanded = ex.level != Level::Basico;
    field(ex, "Text9", exact::typed::circle(ci(ex, 0), expanded));
    pointFields(ex, 4, p);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Calcule a distância do ponto {P} à circunferência {c}."),
        {{"P", texts::point("P", p)}, {"c", texts::circle(ci(ex, 0), expanded)}});
    expect(ex, AnswerKind::Number, {exact::distance(c, p) - r});
}

std::vector<Slip> pointCircleSlips() {
    return {
        {"centre-distance",
         TRANSLATABLE_NOOP("Practice", "Calculou a distância de P ao centro."),
         TRANSLATABLE_NOOP(
             "Practice", "a distância de P à circunferência é a distância ao centro menos o raio."),
         "raio",
         {StepKind::PointCircleMethod},
         [](const Exercise& ex) { return one(exact::distance(ci(ex, 0).centre, pt(ex, 0))); }},
        {"farthest",
         TRANSLATABLE_NOOP("Practice", "Somou o raio em vez de o subtrair."),
         TRANSLATABLE_NOOP(
             "Practice",
             "o ponto da circunferência mais próximo de P está entre P e o centro: d(P, C) − r."),
         "diferença",
         {StepKind::PointCircleMethod},
         [](const Exercise& ex) {
             return one(exact::distance(ci(ex, 0).centre, pt(ex, 0)) + ci(ex, 0).radius);
         }}};
}

// --- "Rectas que passam por P e são tg a uma circunferência" ----------------

void makeTangentsFromPoint(Rng& rng, Exercise& ex) {
    const int r2 = ex.level == Level::Avancado ? 5 : 25;
    const Point c = somePoint(rng, Level::Basico, 2);
    const Point v = latticeVector(rng, r2);
    Point w = rng.coin() ? Point{-v.y, v.x} : Point{v.y, -v.x};
    if (ex.level == Level::Intermedio)
        while (w == v || (w.x == -v.x && w.y == -v.y))
            w = latticeVector(rng, r2);
    const Line t1 = lineWithNormal(v.x, v.y, plus(c, v));
    const Line t2 = lineWithNormal(w.x, w.y, plus(c, w));
    const Point p = exact::intersection(t1, t2);
    ex.data.circles = {{c, exact::sqrt(N(r2))}};
    ex.data.points = {p, plus(c, v), plus(c, w)};
    pointFields(ex, 4, p);
    field(ex, "Text9", exact::typed::circle(ci(ex, 0), true));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine equações gerais das rectas que passam em {P} e "
                                      "são tangentes à circunferência {c}."),
        {{"P", texts::point("P", p)}, {"c", texts::circle(ci(ex, 0), true)}});
    expect(ex, AnswerKind::Line, {t1, t2}, AskedForm::GeneralEquation);
}

std::vector<Slip> tangentsFromPointSlips() {
    return {
        {"radii",
         TRANSLATABLE_NOOP(
             "Practice", "Escreveu as rectas que passam pelo centro e pelos pontos de tangência."),
         TRANSLATABLE_NOOP(
             "Practice",
             "as tangentes passam em P e são perpendiculares aos raios nos pontos de tangência."),
         "raio",
         {StepKind::TangentsMethod},
         [](const Exercise& ex) {
             const Point& c = ci(ex, 0).centre;
             return std::vector<Value>{exact::lineThrough(c, pt(ex, 1)),
                                       exact::lineThrough(c, pt(ex, 2))};
         }}};
}

// --- "Circunferência que passa em P e é tg à recta no ponto Q" --------------

void makeThroughPTangentAtQ(Rng& rng, Exercise& ex) {
    const int r2 = ex.level == Level::Avancado ? rng.pick(std::array{5, 10}) : 25;
    const Point c = somePoint(rng, Level::Basico, 3);
    const Point v = latticeVector(rng, r2);
    Point w = latticeVector(rng, r2);
    while (w == v)
        w = latticeVector(rng, r2);
    const Point q = plus(c, v);
    const Point p = plus(c, w);
    const Line t = lineWithNormal(v.x, v.y, q);
    ex.data.points = {p, q};
    ex.data.lines = {t};
    pointFields(ex, 1, p);
    pointFields(ex, 2, q);
    field(ex, "Text12", exact::typed::line(t));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Escreva a equação da circunferência que passa em {P} e é "
                                      "tangente à recta t: {t} no ponto {Q}."),
        {{"P", texts::point("P", p)}, {"t", texts::line(t)}, {"Q", texts::point("Q", q)}});
    expect(ex, AnswerKind::Circle, {Circle{c, exact::sqrt(N(r2))}}, AskedForm::AnyEquation);
}

std::vector<Slip> throughPTangentAtQSlips() {
    return {radiusForSquare(),
            {"centre-q",
             TRANSLATABLE_NOOP("Practice", "Tomou Q como centro."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "Q é o ponto de tangência; o centro está na perpendicular à recta em Q, à mesma "
                 "distância de P e de Q."),
             "ponto de tangência",
             {StepKind::TouchingCircleMethod},
             [](const Exercise& ex) {
                 return one(Circle{pt(ex, 1), exact::distance(pt(ex, 0), pt(ex, 1))});
             }}};
}

} // namespace

/// Shared with the triangle page.
Point circumscribedTriangle(Rng& rng, Exercise& ex) {
    return circumscribed(rng, ex);
}
Circle rightTriangleIncircle(Rng& rng, Exercise& ex) {
    return rightTriangle(rng, ex);
}

std::vector<FrameDef> circleFrames() {
    const std::vector<Slip> twoPoints{swappedPoints()};
    const char* rule = TRANSLATABLE_NOOP(
        "Practice", "o centro da circunferência circunscrita é o circuncentro, o encontro das "
                    "mediatrizes dos lados.");
    const std::vector<StepKind> centreMethods{StepKind::CircumcentreMethod,
                                              StepKind::ThreePointsMethod};
    return {
        {problem("circunferencia1-1a"),
         "",
         "Resolver3",
         {true, true, true},
         makeCentreAndRadius,
         centreAndRadiusSlips()},
        {problem("circunferencia1-1b"),
         "",
         "Resolver3",
         {true, true, true},
         makeCircleEquation,
         {radiusForSquare(), centreSigns()}},
        {problem("circunferencia1-2"),
         "Dados1",
         "Resolver1",
         {true, true, true},
         [](Rng& rng, Exercise& ex) { makeTangentCircle(rng, ex, "Text3", 1); },
         tangentCircleSlips()},
        {problem("circunferencia1-3"),
         "Dados4",
         "Resolver4",
         {true, true, true},
         makeTangentAtPoint,
         tangentAtPointSlips()},
        {problem("circunferencia1-4"),
         "Dados5",
         "Resolver5",
         {true, true, true},
         makeLineCircle,
         twoPoints},
        {problem("circunferencia2-1a"),
         "Dados1",
         "Resolver1",
         {true, true, false},
         makeInscribed,
         {radiusForSquare(),
          centroidCentre(TRANSLATABLE_NOOP("Practice",
                                           "o centro da circunferência inscrita é o incentro, o "
                                           "encontro das bissectrizes dos ângulos."),
                         "incentro", {StepKind::IncentreMethod})}},
        {problem("circunferencia2-1b"),
         "Dados1",
         "Resolver1",
         {true, false, true},
         makeCircumscribed,
         {radiusForSquare(), centroidCentre(rule, "mediatriz", centreMethods)}},
        {problem("circunferencia2-2"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makePointCircleDistance,
         pointCircleSlips()},
        {problem("circunferencia2-3"),
         "Dados6",
         "Resolver6",
         {true, true, true},
         [](Rng& rng, Exercise& ex) { makeTangentCircle(rng, ex, "Text5", 6); },
         tangentCircleSlips()},
        {problem("circunferencia2-4"),
         "Dados7",
         "Resolver7",
         {true, false, true},
         makeThroughThree,
         {radiusForSquare(), centroidCentre(rule, "mediatriz", centreMethods)}},
        {problem("circunferencia3-1"),
         "Dados1",
         "Resolver1",
         {true, false, true},
         makeTwoCircles,
         twoPoints},
        {problem("circunferencia3-2"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeTangentsFromPoint,
         tangentsFromPointSlips()},
        {problem("circunferencia3-3"),
         "Dados11",
         "Resolver11",
         {true, false, true},
         makeThroughPTangentAtQ,
         throughPTangentAtQSlips()},
    };
}

} // namespace practice
