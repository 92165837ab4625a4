// The exercises of the points page and of the two first pages of lines.

#include "makekit.h"
#include "translation.h"

#include <cstdlib>

namespace practice {

using namespace kit;
using exact::StepKind;

namespace {

// --- "Representação de um ponto" -------------------------------------------

void makePoint(Rng& rng, Exercise& ex) {
    Point a = somePoint(rng, ex.level, 8);
    if (ex.level == Level::Avancado)
        a.x = Number(rng.nonZero(-3, 3)) * exact::sqrt(N(rng.pick(std::array{2, 3, 5})));
    ex.data.points = {a};
    ex.data.numbers = {N(rng.coin() ? 1 : 0)}; // 1: the axis of abscissas
    pointFields(ex, 1, a);
    const bool onX = ex.data.numbers[0] == N(1);
    ex.statement = texts::sentence(
        onX ? TRANSLATABLE_NOOP("Practice",
                                "Represente o ponto {P} e indique as coordenadas da sua "
                                "projecção ortogonal sobre o eixo das abcissas.")
            : TRANSLATABLE_NOOP("Practice",
                                "Represente o ponto {P} e indique as coordenadas da sua "
                                "projecção ortogonal sobre o eixo das ordenadas."),
        {{"P", texts::point("P", a)}});
    expect(ex, AnswerKind::Point, {onX ? Point{a.x, N(0)} : Point{N(0), a.y}});
}

std::vector<Slip> pointSlips() {
    return {
        {"other-axis",
         TRANSLATABLE_NOOP("Practice", "Projectou o ponto sobre o outro eixo."),
         TRANSLATABLE_NOOP(
             "Practice",
             "a projecção sobre o eixo das abcissas conserva a abcissa e tem ordenada 0; sobre o "
             "eixo das ordenadas, o contrário."),
         "eixo",
         {StepKind::PointProjections, StepKind::PointOnXAxis, StepKind::PointOnYAxis},
         [](const Exercise& ex) {
             const Point& a = pt(ex, 0);
             return one(ex.data.numbers[0] == N(1) ? Point{N(0), a.y} : Point{a.x, N(0)});
         }},
        {"swapped",
         TRANSLATABLE_NOOP("Practice", "Trocou a abcissa com a ordenada."),
         TRANSLATABLE_NOOP("Practice", "a abcissa é a primeira coordenada e a ordenada a segunda."),
         "abcissa",
         {StepKind::PointCoordinates},
         [](const Exercise& ex) {
             const Point& a = pt(ex, 0);
             return one(ex.data.numbers[0] == N(1) ? Point{N(0), a.x} : Point{a.y, N(0)});
         }}};
}

// --- "Ponto médio de um segmento" ------------------------------------------

void makeMidpoint(Rng& rng, Exercise& ex) {
    Point a = somePoint(rng, ex.level, 7);
    Point b = somePoint(rng, ex.level, 7);
    if (ex.level == Level::Basico) {
        b.x = N(rng.in(-3, 3) * 2) - a.x; // whole midpoint: even sums
        b.y = N(rng.in(-3, 3) * 2) - a.y;
    } else if (ex.level == Level::Avancado) {
        const Number r = exact::sqrt(N(rng.pick(std::array{2, 3})));
        a.x = a.x * r;
        b.x = N(rng.in(-4, 4)) * r;
    }
    ex.data.points = {a, b};
    pointFields(ex, 2, a);
    pointFields(ex, 3, b);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do ponto médio M do segmento [AB], "
                                      "sendo {A} e {B}."),
        {{"A", texts::point("A", a)}, {"B", texts::point("B", b)}});
    expect(ex, AnswerKind::Point, {exact::midpoint(a, b)});
}

std::vector<Slip> midpointSlips() {
    return {
        {"no-halving",
         TRANSLATABLE_NOOP("Practice", "Somou as coordenadas dos extremos sem dividir por 2."),
         TRANSLATABLE_NOOP(
             "Practice", "cada coordenada do ponto médio é a média das coordenadas dos extremos."),
         "média",
         {StepKind::MidpointFormula},
         [](const Exercise& ex) {
             return one(Point{pt(ex, 0).x + pt(ex, 1).x, pt(ex, 0).y + pt(ex, 1).y});
         }},
        {"half-difference",
         TRANSLATABLE_NOOP("Practice",
                           "Dividiu por 2 a diferença das coordenadas, em vez da soma."),
         TRANSLATABLE_NOOP(
             "Practice",
             "o ponto médio é ((x_A + x_B)/2 , (y_A + y_B)/2): somam-se as coordenadas."),
         "x_A + x_B",
         {StepKind::MidpointFormula},
         [](const Exercise& ex) {
             return one(Point{(pt(ex, 1).x - pt(ex, 0).x) / 2, (pt(ex, 1).y - pt(ex, 0).y) / 2});
         }}};
}

// --- "Distância entre dois pontos" -----------------------------------------

void makeDistance(Rng& rng, Exercise& ex) {
    static const std::array<std::array<int, 2>, 4> triples{{{3, 4}, {6, 8}, {5, 12}, {8, 6}}};
    static const std::array<std::array<int, 2>, 2> oddTriples{{{3, 4}, {5, 12}}};
    const Point a = somePoint(rng, Level::Basico, 5);
    Point d;
    if (ex.level == Level::Avancado) {
        do
            d = {N(rng.nonZero(-7, 7)), N(rng.nonZero(-7, 7))};
        while (exact::sqrt(exact::square(d.x) + exact::square(d.y)).isRational());
    } else {
        // Halved at the intermediate level, a triple with an odd side: a fraction in the data.
        const auto t = ex.level == Level::Intermedio ? rng.pick(oddTriples) : rng.pick(triples);
        d = {N(rng.coin() ? t[0] : -t[0]), N(rng.coin() ? t[1] : -t[1])};
        if (rng.coin()) std::swap(d.x, d.y);
        if (ex.level == Level::Intermedio) d = {d.x / 2, d.y / 2};
    }
    const Point b{a.x + d.x, a.y + d.y};
    ex.data.points = {a, b};
    pointFields(ex, 4, a);
    pointFields(ex, 5, b);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Calcule a distância entre os pontos {A} e {B}. Apresente o "
                                      "valor exacto, simplificado."),
        {{"A", texts::point("A", a)}, {"B", texts::point("B", b)}});
    expect(ex, AnswerKind::Number, {exact::distance(a, b)});
}

std::vector<Slip> distanceSlips() {
    return {
        {"no-root",
         TRANSLATABLE_NOOP("Practice", "Esqueceu a raiz quadrada."),
         TRANSLATABLE_NOOP(
             "Practice",
             "a distância é a raiz quadrada da soma dos quadrados das diferenças das coordenadas."),
         "√",
         {StepKind::DistanceFormula},
         [](const Exercise& ex) { return one(exact::squaredDistance(pt(ex, 0), pt(ex, 1))); }},
        {"sum-for-difference",
         TRANSLATABLE_NOOP("Practice", "Somou as coordenadas em vez de as subtrair."),
         TRANSLATABLE_NOOP(
             "Practice",
             "em d(A, B) = √((x_B − x_A)² + (y_B − y_A)²) entram as diferenças das coordenadas."),
         "x_B − x_A",
         {StepKind::DistanceFormula},
         [](const Exercise& ex) {
             const Point o{N(0), N(0)};
             const Point s{pt(ex, 0).x + pt(ex, 1).x, pt(ex, 0).y + pt(ex, 1).y};
             return one(exact::distance(o, s));
         }},
        {"no-squares",
         TRANSLATABLE_NOOP("Practice", "Somou as diferenças sem as elevar ao quadrado."),
         TRANSLATABLE_NOOP("Practice", "a distância não é |Δx| + |Δy|: é √(Δx² + Δy²)."),
         "²",
         {StepKind::DistanceFormula},
         [](const Exercise& ex) {
             return one(exact::abs(pt(ex, 1).x - pt(ex, 0).x) +
                        exact::abs(pt(ex, 1).y - pt(ex, 0).y));
         }}};
}

// --- "Mediatriz de um segmento" --------------------------------------------

void makeBisector(Rng& rng, Exercise& ex) {
    const Point a = somePoint(rng, ex.level, 6);
    Point b = somePoint(rng, ex.level, 6);
    if (ex.level == Level::Basico)
        b = {a.x + N(2 * rng.nonZero(-3, 3)), a.y + N(2 * rng.nonZero(-3, 3))};
    ex.data.points = {a, b};
    pointFields(ex, 6, a);
    pointFields(ex, 7, b);
    const AskedForm form = ex.level == Level::Avancado || rng.coin() ? AskedForm::GeneralEquation
                                                                     : AskedForm::ReducedEquation;
    ex.statement = texts::sentence(
        byForm(form,
               TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da mediatriz do "
                                             "segmento [AB], sendo {A} e {B}."),
               TRANSLATABLE_NOOP("Practice", "Determine uma equação geral da mediatriz do "
                                             "segmento [AB], sendo {A} e {B}.")),
        {{"A", texts::point("A", a)}, {"B", texts::point("B", b)}});
    expect(ex, AnswerKind::Line, {exact::perpendicularBisector(a, b)}, form);
}

std::vector<Slip> bisectorSlips() {
    return {{"line-ab",
             TRANSLATABLE_NOOP("Practice", "Escreveu a equação da recta AB."),
             TRANSLATABLE_NOOP("Practice",
                               "a mediatriz é perpendicular ao segmento [AB] no seu ponto médio."),
             "mesma distância",
             {StepKind::BisectorDefinition},
             [](const Exercise& ex) { return one(exact::lineThrough(pt(ex, 0), pt(ex, 1))); }},
            {"through-a",
             TRANSLATABLE_NOOP("Practice", "Traçou a perpendicular a [AB] que passa em A."),
             TRANSLATABLE_NOOP("Practice",
                               "a mediatriz passa no ponto médio de [AB], não num dos extremos."),
             "mesma distância",
             {StepKind::BisectorDefinition},
             [](const Exercise& ex) {
                 const Point& a = pt(ex, 0);
                 const Point& b = pt(ex, 1);
                 return one(lineWithNormal(b.x - a.x, b.y - a.y, a));
             }}};
}

// --- "Recta de equação..." -------------------------------------------------

void makeTypedLine(Rng& rng, Exercise& ex) {
    Number m = N(rng.nonZero(-4, 4));
    Number k = N(rng.in(-6, 6));
    if (ex.level == Level::Intermedio) {
        m = Q(rng.nonZero(-5, 5), rng.pick(std::array{2, 3, 4}));
        k = Q(rng.in(-9, 9), rng.pick(std::array{2, 3}));
    } else if (ex.level == Level::Avancado) {
        m = R(rng.nonZero(-2, 2), rng.pick(std::array{2, 3}));
    }
    const Line r = exact::normalised({m, N(-1), k});
    ex.data.lines = {r};
    field(ex, "Text1", exact::typed::line(r));
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Escreva a equação reduzida da recta de equação {r}."),
        {{"r", texts::line(r)}});
    expect(ex, AnswerKind::Line, {r}, AskedForm::ReducedEquation);
}

std::vector<Slip> typedLineSlips() {
    return {{"slope-sign",
             TRANSLATABLE_NOOP("Practice", "Trocou o sinal do declive."),
             TRANSLATABLE_NOOP("Practice",
                               "de ax + by + c = 0 vem y = −(a/b)x − c/b: o declive é −a/b."),
             "declive",
             {StepKind::SlopeAndIntercept},
             [](const Exercise& ex) {
                 const Line& r = ln(ex, 0);
                 return one(Line{-r.a, r.b, r.c});
             }},
            {"constant-not-divided",
             TRANSLATABLE_NOOP("Practice", "Não dividiu o termo independente por b."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "ao isolar y, divide-se todo o membro por b: a ordenada na origem é −c/b."),
             "ordenada na origem",
             {StepKind::SlopeAndIntercept},
             [](const Exercise& ex) {
                 const Line& r = ln(ex, 0);
                 return one(Line{r.a / r.b, N(1), r.c});
             }}};
}

// --- "Recta que passa por dois pontos" -------------------------------------

void makeLineThroughPoints(Rng& rng, Exercise& ex) {
    Point a = somePoint(rng, ex.level, 5);
    Point b = somePoint(rng, ex.level, 5);
    if (ex.level == Level::Basico) {
        const int dx = rng.nonZero(-3, 3);
        b = {a.x + N(dx), a.y + N(dx * rng.nonZero(-2, 2))};
    } else if (ex.level == Level::Avancado) {
        const Number r = exact::sqrt(N(rng.pick(std::array{2, 3})));
        const int p = rng.in(-2, 2);
        a.x = N(p) * r; // the roots cancel in the ordinate at the origin
        b = {N(p + rng.nonZero(-3, 3)) * r, a.y + N(rng.nonZero(-4, 4))};
    }
    ex.data.points = {a, b};
    pointFields(ex, 1, a);
    pointFields(ex, 2, b);
    const AskedForm form = ex.level == Level::Intermedio && rng.coin() ? AskedForm::GeneralEquation
                                                                       : AskedForm::ReducedEquation;
    ex.statement = texts::sentence(
        byForm(form,
               TRANSLATABLE_NOOP("Practice",
                                 "Determine a equação reduzida da recta que passa nos pontos {A} e "
                                 "{B}."),
               TRANSLATABLE_NOOP("Practice",
                                 "Determine uma equação geral da recta que passa nos pontos {A} e "
                                 "{B}.")),
        {{"A", texts::point("A", a)}, {"B", texts::point("B", b)}});
    expect(ex, AnswerKind::Line, {exact::lineThrough(a, b)}, form);
}

std::vector<Slip> lineThroughPointsSlips() {
    auto withSlope = [](const Exercise& ex, bool inverse, bool negative) {
        const Point& a = pt(ex, 0);
        const Point& b = pt(ex, 1);
        if ((b.x - a.x).isZero() || (b.y - a.y).isZero()) return std::vector<Value>{};
        Number m = inverse ? (b.x - a.x) / (b.y - a.y) : (b.y - a.y) / (b.x - a.x);
        return one(lineWithSlope(negative ? -m : m, a));
    };
    return {{"swapped-differences",
             TRANSLATABLE_NOOP("Practice", "Trocou Δx com Δy no declive."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "o declive é m = (y_B − y_A)/(x_B − x_A): a diferença das ordenadas em cima."),
             "declive",
             {StepKind::SlopeOfSegment},
             [=](const Exercise& ex) { return withSlope(ex, true, false); }},
            {"slope-sign",
             TRANSLATABLE_NOOP("Practice", "Trocou o sinal do declive."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "em m = (y_B − y_A)/(x_B − x_A) subtraem-se as coordenadas pela mesma ordem."),
             "declive",
             {StepKind::SlopeOfSegment},
             [=](const Exercise& ex) { return withSlope(ex, false, true); }}};
}

// --- the parallel and the perpendicular through a point ---------------------

/// A given line that is neither vertical nor horizontal, and a point off it.
void givenLineAndPoint(Rng& rng, Exercise& ex, int n, const char* text) {
    Number m = N(rng.nonZero(-3, 3));
    if (ex.level != Level::Basico) m = Q(rng.nonZero(-4, 4), rng.pick(std::array{2, 3}));
    if (ex.level == Level::Avancado && rng.coin()) m = R(rng.nonZero(-1, 1), 3);
    const Line r = lineWithSlope(m, somePoint(rng, Level::Basico, 3));
    Point p = somePoint(rng, ex.level, 6);
    if (exact::contains(r, p)) p.y = p.y + N(1);
    ex.data.points = {p};
    ex.data.lines = {r};
    pointFields(ex, n, p);
    field(ex, text, exact::typed::line(r));
}

void makeParallel(Rng& rng, Exercise& ex) {
    givenLineAndPoint(rng, ex, 3, "Text5");
    const Point& p = pt(ex, 0);
    const Line& r = ln(ex, 0);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que passa em {P} e é "
                                      "paralela a r: {r}."),
        {{"P", texts::point("P", p)}, {"r", texts::line(r)}});
    expect(ex, AnswerKind::Line, {lineWithNormal(r.a, r.b, p)}, AskedForm::ReducedEquation);
}

void makePerpendicular(Rng& rng, Exercise& ex) {
    givenLineAndPoint(rng, ex, 4, "Text7");
    const Point& p = pt(ex, 0);
    const Line& r = ln(ex, 0);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Determine a equação reduzida da recta que passa em {Q} e é "
                                      "perpendicular a r: {r}."),
        {{"Q", texts::point("Q", p)}, {"r", texts::line(r)}});
    expect(ex, AnswerKind::Line, {lineWithNormal(r.b, -r.a, p)}, AskedForm::ReducedEquation);
}

std::vector<Value> throughWithSlope(const Exercise& ex, const Number& m) {
    return one(lineWithSlope(m, pt(ex, 0)));
}

std::vector<Slip> parallelSlips() {
    return {
        {"perpendicular",
         TRANSLATABLE_NOOP("Practice", "Usou o declive da perpendicular."),
         TRANSLATABLE_NOOP("Practice", "rectas paralelas têm o mesmo declive."),
         "paralelas",
         {StepKind::ParallelFamily},
         [](const Exercise& ex) { return throughWithSlope(ex, N(-1) / slope(ln(ex, 0))); }},
        {"given-line",
         TRANSLATABLE_NOOP("Practice", "Escreveu a própria recta r."),
         TRANSLATABLE_NOOP(
             "Practice",
             "a paralela tem de passar em P: substitua as coordenadas de P para achar a ordenada "
             "na origem."),
         "ponto P",
         {StepKind::FamilyThroughPoint},
         [](const Exercise& ex) { return one(ln(ex, 0)); }},
        {"ordinate-as-intercept",
         TRANSLATABLE_NOOP("Practice", "Tomou a ordenada de P como ordenada na origem."),
         TRANSLATABLE_NOOP("Practice", "a ordenada na origem b obtém-se de y_P = m·x_P + b."),
         "ordenada na origem",
         {StepKind::SlopesOfParallel, StepKind::FamilyThroughPoint},
         [](const Exercise& ex) {
             return one(Line{slope(ln(ex, 0)), N(-1), pt(ex, 0).y});
         }}};
}

std::vector<Slip> perpendicularSlips() {
    return {{"minus-m",
             TRANSLATABLE_NOOP("Practice", "Usou −m para o declive da perpendicular."),
             TRANSLATABLE_NOOP("Practice", "o declive da perpendicular é −1/m."),
             "declive",
             {StepKind::SlopesOfPerpendicular, StepKind::PerpendicularFamily},
             [](const Exercise& ex) { return throughWithSlope(ex, -slope(ln(ex, 0))); }},
            {"inverse-m",
             TRANSLATABLE_NOOP("Practice", "Usou 1/m para o declive da perpendicular."),
             TRANSLATABLE_NOOP(
                 "Practice", "o declive da perpendicular é −1/m: o inverso, com o sinal trocado."),
             "declive",
             {StepKind::SlopesOfPerpendicular, StepKind::PerpendicularFamily},
             [](const Exercise& ex) { return throughWithSlope(ex, N(1) / slope(ln(ex, 0))); }},
            {"parallel",
             TRANSLATABLE_NOOP("Practice", "Escreveu a paralela em vez da perpendicular."),
             TRANSLATABLE_NOOP("Practice", "o declive da perpendicular é −1/m."),
             "perpendicular",
             {StepKind::PerpendicularFamily},
             [](const Exercise& ex) { return throughWithSlope(ex, slope(ln(ex, 0))); }}};
}

} // namespace

std::vector<FrameDef> pointAndFirstLineFrames() {
    return {
        {problem("pontos-1"), "", "Resolver1", {true, true, true}, makePoint, pointSlips()},
        {problem("pontos-2"),
         "Dados3",
         "Resolver3",
         {true, true, true},
         makeMidpoint,
         midpointSlips()},
        {problem("pontos-3"),
         "Dados6",
         "Resolver6",
         {true, true, true},
         makeDistance,
         distanceSlips()},
        {problem("pontos-4"),
         "Dados7",
         "Resolver7",
         {true, true, true},
         makeBisector,
         bisectorSlips()},
        {problem("recta1-1"), "", "Command3", {true, true, true}, makeTypedLine, typedLineSlips()},
        {problem("recta1-2"),
         "Dados1",
         "Resolver1",
         {true, true, true},
         makeLineThroughPoints,
         lineThroughPointsSlips()},
        {problem("recta1-3"),
         "Dados4",
         "Resolver4",
         {true, true, true},
         makeParallel,
         parallelSlips()},
        {problem("recta1-4"),
         "Dados5",
         "Resolver5",
         {true, true, true},
         makePerpendicular,
         perpendicularSlips()},
    };
}

} // namespace practice
