// The exercises of the triangle page.

#include "makekit.h"
#include "translation.h"
#include "verdicts.h"

#include <stdexcept>

namespace practice {

using namespace kit;
using exact::StepKind;

namespace {

Point sum(const Exercise& ex) {
    return {pt(ex, 0).x + pt(ex, 1).x + pt(ex, 2).x, pt(ex, 0).y + pt(ex, 1).y + pt(ex, 2).y};
}

Number twiceSignedArea(const Exercise& ex) {
    const Point& a = pt(ex, 0);
    const Point& b = pt(ex, 1);
    const Point& c = pt(ex, 2);
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

/// Three lattice vertices, not collinear.
void someTriangle(Rng& rng, Exercise& ex) {
    do {
        ex.data.points = {somePoint(rng, ex.level, 6), somePoint(rng, ex.level, 6),
                          somePoint(rng, ex.level, 6)};
    } while (twiceSignedArea(ex).isZero());
}

void ask(Exercise& ex, const char* statement, const Point& answer) {
    triangleFields(ex, 1);
    ex.statement = texts::sentence(statement, vertexSlots(ex));
    expect(ex, AnswerKind::Point, {answer});
}

void makeCircumcentre(Rng& rng, Exercise& ex) {
    ask(ex,
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do circuncentro do triângulo de "
                                      "vértices {A}, {B} e {C}."),
        circumscribedTriangle(rng, ex));
}

void makeIncentre(Rng& rng, Exercise& ex) {
    ask(ex,
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do incentro do triângulo de "
                                      "vértices {A}, {B} e {C}."),
        rightTriangleIncircle(rng, ex).centre);
}

void makeOrthocentre(Rng& rng, Exercise& ex) {
    const Point o = circumscribedTriangle(rng, ex);
    const Point s = sum(ex);
    const Point h{s.x - 2 * o.x, s.y - 2 * o.y};
    // A right triangle's orthocentre is the vertex of its right angle, given
    // in the statement: nothing to find. Another draw.
    for (const Point& vertex : ex.data.points)
        if (vertex == h) throw std::domain_error("a right triangle");
    ask(ex,
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do ortocentro do triângulo de "
                                      "vértices {A}, {B} e {C}."),
        h);
    ex.data.numbers = {o.x, o.y};
}

void makeCentroid(Rng& rng, Exercise& ex) {
    someTriangle(rng, ex);
    if (ex.level == Level::Basico) { // whole coordinates
        Point& c = ex.data.points[2];
        const Point s = sum(ex);
        c.x = c.x - N(int(mpz_class(s.x.rational().get_num() % 3).get_si()));
        c.y = c.y - N(int(mpz_class(s.y.rational().get_num() % 3).get_si()));
        // Off the line AB, by steps of 3 that keep the sums whole thirds: a
        // step across, then one up, which leaves AB unless AB was vertical.
        if (twiceSignedArea(ex).isZero()) c.x = c.x + 3;
        if (twiceSignedArea(ex).isZero()) c.y = c.y + 3;
    }
    ask(ex,
        TRANSLATABLE_NOOP("Practice", "Determine as coordenadas do baricentro do triângulo de "
                                      "vértices {A}, {B} e {C}."),
        centroid(ex));
}

/// The centroid given for another notable point, found at the step that
/// says what that point is.
Slip centroidFor(const char* rule, const char* centre, StepKind method) {
    return {"centroid", TRANSLATABLE_NOOP("Practice", "Calculou o baricentro."), rule, centre,
            {method},   [](const Exercise& ex) {
                return one(centroid(ex)); }};
}

std::vector<Slip> centroidSlips() {
    return {{"no-division",
             TRANSLATABLE_NOOP("Practice", "Somou as coordenadas dos vértices sem dividir por 3."),
             TRANSLATABLE_NOOP("Practice", "o baricentro é a média dos três vértices: ((x_A + x_B "
                                           "+ x_C)/3 , (y_A + y_B + y_C)/3)."),
             "/3",
             {StepKind::CentroidFormula},
             [](const Exercise& ex) { return one(sum(ex)); }},
            {"halved",
             TRANSLATABLE_NOOP("Practice", "Dividiu por 2 em vez de 3."),
             TRANSLATABLE_NOOP("Practice",
                               "o baricentro é a média dos três vértices: divide-se por 3."),
             "/3",
             {StepKind::CentroidFormula},
             [](const Exercise& ex) {
                 const Point s = sum(ex);
                 return one(Point{s.x / 2, s.y / 2});
             }}};
}

// --- "Área de um triângulo" -------------------------------------------------

void makeArea(Rng& rng, Exercise& ex) {
    someTriangle(rng, ex);
    triangleFields(ex, 6);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice", "Calcule a área do triângulo de vértices {A}, {B} e {C}."),
        vertexSlots(ex));
    expect(ex, AnswerKind::Number, {exact::abs(twiceSignedArea(ex)) / 2});
}

std::vector<Slip> areaSlips() {
    return {
        {"no-half",
         TRANSLATABLE_NOOP("Practice", "Esqueceu a metade."),
         TRANSLATABLE_NOOP("Practice", "a área é metade do valor absoluto do determinante."),
         "metade",
         {StepKind::AreaFormula},
         [](const Exercise& ex) { return one(exact::abs(twiceSignedArea(ex))); }},
        {"negative",
         TRANSLATABLE_NOOP("Practice", "Deu uma área negativa."),
         TRANSLATABLE_NOOP(
             "Practice",
             "o determinante tem sinal (a ordem dos vértices): a área é o seu valor absoluto, a "
             "dividir por 2."),
         "valor absoluto",
         {StepKind::AreaFormula},
         [](const Exercise& ex) {
             const Number s = twiceSignedArea(ex) / 2;
             return one(s.sign() < 0 ? s : -s);
         }}};
}

// --- "Ver se são vértices de um triângulo rectângulo" -----------------------

void makeRightTriangle(Rng& rng, Exercise& ex) {
    const Point v = somePoint(rng, Level::Basico, 3);
    const Point u{N(rng.nonZero(-3, 3)), N(rng.in(-3, 3))};
    const int k = rng.nonZero(-2, 2);
    Point a = v, b{v.x + u.x, v.y + u.y}, c{v.x - u.y * k, v.y + u.x * k};
    if (ex.level == Level::Intermedio) b = {v.x + u.x / 2, v.y + u.y / 2};
    const bool yes = rng.coin();
    const int step = yes ? 0 : rng.coin() ? 1 : -1;
    ex.data.points = {b, a, c};
    // Moved by one unit, the right angle at A goes, but one may come at
    // another vertex (A(2 , 2), B(3 , −2), C(2 , −2)): the move is checked
    // again, and the other moves tried.
    for (const auto& [dx, dy] : {std::pair{step, 0}, {-step, 0}, {0, 1}, {0, -1}}) {
        if (yes) break;
        ex.data.points[2] = {c.x + dx, c.y + dy};
        if (!twiceSignedArea(ex).isZero() &&
            !exact::verdict::rightTriangle(b, a, ex.data.points[2]).value_or(true))
            break;
    }
    if (rng.coin()) std::swap(ex.data.points[0], ex.data.points[2]);
    triangleFields(ex, 9);
    ex.statement = texts::sentence(
        TRANSLATABLE_NOOP("Practice",
                          "O triângulo de vértices {A}, {B} e {C} é rectângulo? Responda sim ou "
                          "não."),
        vertexSlots(ex));
    expect(ex, AnswerKind::Words, {yes ? Words::Yes : Words::No});
}

std::vector<Slip> rightTriangleSlips() {
    return {{"opposite",
             TRANSLATABLE_NOOP("Practice", "A conclusão está trocada."),
             TRANSLATABLE_NOOP(
                 "Practice",
                 "o triângulo é rectângulo quando o quadrado de um lado é a soma dos quadrados dos "
                 "outros dois (teorema de Pitágoras)."),
             "quadrado",
             {StepKind::PythagorasHolds, StepKind::PythagorasFails},
             [](const Exercise& ex) {
                 const Words w = std::get<Words>(ex.expected.values.at(0));
                 return one(w == Words::Yes ? Words::No : Words::Yes);
             }}};
}

} // namespace

std::vector<FrameDef> triangleFrames() {
    return {
        {problem("triangulo-1a"),
         "Dados4",
         "Resolver4",
         {true, false, true},
         makeCircumcentre,
         {centroidFor(TRANSLATABLE_NOOP("Practice",
                                        "o circuncentro é o encontro das mediatrizes dos lados."),
                      "circuncentro", StepKind::CircumcentreMethod)}},
        {problem("triangulo-1b"),
         "Dados4",
         "Resolver4",
         {true, true, false},
         makeIncentre,
         {centroidFor(
             TRANSLATABLE_NOOP("Practice", "o incentro é o encontro das bissectrizes dos ângulos."),
             "incentro", StepKind::IncentreMethod)}},
        {problem("triangulo-1c"),
         "Dados4",
         "Resolver4",
         {true, false, true},
         makeOrthocentre,
         {centroidFor(TRANSLATABLE_NOOP("Practice", "o ortocentro é o encontro das alturas."),
                      "ortocentro", StepKind::OrthocentreMethod),
          {"circumcentre",
           TRANSLATABLE_NOOP("Practice", "Calculou o circuncentro."),
           TRANSLATABLE_NOOP("Practice",
                             "o ortocentro é o encontro das alturas, não das mediatrizes."),
           "alturas",
           {StepKind::OrthocentreMethod},
           [](const Exercise& ex) {
               return one(Point{ex.data.numbers.at(0), ex.data.numbers.at(1)});
           }}}},
        {problem("triangulo-1d"),
         "Dados4",
         "Resolver4",
         {true, true, false},
         makeCentroid,
         centroidSlips()},
        {problem("triangulo-2"), "Dados5", "Resolver5", {true, true, false}, makeArea, areaSlips()},
        {problem("triangulo-3"),
         "Dados7",
         "Resolver7",
         {true, true, false},
         makeRightTriangle,
         rightTriangleSlips()},
    };
}

} // namespace practice
