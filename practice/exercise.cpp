#include "exercise.h"

#include "circles2solutions.h"
#include "circles3solutions.h"
#include "circlesolutions.h"
#include "evaluation.h"
#include "frames.h"
#include "linesolutions.h"
#include "numbertext.h"
#include "pointsolutions.h"
#include "texts.h"
#include "trianglesolutions.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace practice {

std::uint64_t Rng::next() {
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Rng::in(int lo, int hi) {
    return lo + int(next() % std::uint64_t(hi - lo + 1));
}

int Rng::nonZero(int lo, int hi) {
    for (;;)
        if (const int v = in(lo, hi); v != 0) return v;
}

std::string_view levelName(Level level) {
    switch (level) {
    case Level::Basico:
        return "básico";
    case Level::Intermedio:
        return "intermédio";
    case Level::Avancado:
        return "avançado";
    }
    return {};
}

const std::vector<FrameDef>& frameTable() {
    static const std::vector<FrameDef> table = [] {
        std::vector<FrameDef> all;
        for (auto&& part :
             {pointAndFirstLineFrames(), lineFrames(), circleFrames(), triangleFrames()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return table;
}

const FrameDef& frameDef(FrameId id) {
    const auto& table = frameTable();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const FrameDef& f) { return f.id == id; });
    return it == table.end() ? table.front() : *it;
}

namespace {

bool inView(const exact::Number& n, double limit = 9.5) {
    return std::abs(n.toDouble()) <= limit;
}

bool inView(const exact::Point& p, double limit = 9.5) {
    return inView(p.x, limit) && inView(p.y, limit);
}

/// The data and the answer stand inside the default viewport, −10 to 10.
bool inView(const Exercise& ex) {
    for (const exact::Point& p : ex.data.points)
        if (!inView(p)) return false;
    for (const exact::Circle& c : ex.data.circles)
        if (!inView(c.centre) || c.radius.toDouble() < 0.4 ||
            std::abs(c.centre.x.toDouble()) + c.radius.toDouble() > 10.5 ||
            std::abs(c.centre.y.toDouble()) + c.radius.toDouble() > 10.5)
            return false;
    for (const exact::Line& l : ex.data.lines)
        if (l.isDegenerate() || !inView(exact::distance(exact::Point{0, 0}, l), 9)) return false;
    for (const Value& v : ex.expected.values)
        if (const auto* p = std::get_if<exact::Point>(&v); p && !inView(*p, 10)) return false;
    return true;
}

/// Whether the exercise may be shown: in view, and every slip that applies
/// gives an answer other than the right one.
bool acceptable(const FrameDef& def, const Exercise& ex) {
    if (!inView(ex) || ex.expected.values.empty()) return false;
    const auto& p = ex.data.points;
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = i + 1; j < p.size(); ++j)
            if (p[i] == p[j]) return false; // equal points make no segment, no line, no triangle
    int applicable = 0;
    for (const Slip& slip : def.slips) {
        const std::vector<Value> slipped = slip.apply(ex);
        if (!slipped.empty() && !sameValues(slipped, ex.expected.values)) ++applicable;
    }
    return applicable > 0 || def.slips.empty();
}

std::string joinedText(const Expected& expected) {
    std::string out;
    for (const Value& v : expected.values)
        out += (out.empty() ? "" : " ; ") + valueText(v, expected.form);
    return out;
}

Level supported(const FrameDef& def, Level level) {
    if (def.levels[std::size_t(level)]) return level;
    for (Level l : {Level::Intermedio, Level::Basico, Level::Avancado})
        if (def.levels[std::size_t(l)]) return l;
    return Level::Basico;
}

} // namespace

Exercise generate(FrameId frame, Level level, std::uint64_t seed) {
    const FrameDef& def = frameDef(frame);
    Exercise ex;
    for (std::uint64_t attempt = 0; attempt < 200; ++attempt) {
        ex = Exercise{};
        ex.frame = def.id;
        ex.level = supported(def, level);
        ex.seed = seed;
        ex.option = def.option;
        ex.dadosButton = def.dados;
        ex.resolverButton = def.resolver;
        Rng rng(seed * 1000003ULL + attempt * 0x632be59bd9b4e019ULL);
        try {
            def.make(rng, ex);
        } catch (...) {
            continue; // a division by zero or the like: another draw
        }
        if (acceptable(def, ex)) break;
    }
    ex.answerText = joinedText(ex.expected);
    return ex;
}

const std::vector<FrameId>& allFrames() {
    static const std::vector<FrameId> frames = [] {
        std::vector<FrameId> ids;
        for (const FrameDef& def : frameTable())
            ids.push_back(def.id);
        return ids;
    }();
    return frames;
}

std::vector<FrameId> framesOf(TopicId topic) {
    std::vector<FrameId> ids;
    for (const FrameId& id : allFrames())
        if (id.topic == topic) ids.push_back(id);
    return ids;
}

std::vector<FrameId> framesAt(Level level) {
    std::vector<FrameId> ids;
    for (const FrameDef& def : frameTable())
        if (def.levels[std::size_t(level)]) ids.push_back(def.id);
    return ids;
}

bool hasLevel(FrameId frame, Level level) {
    const FrameDef& def = frameDef(frame);
    return def.id == frame && def.levels[std::size_t(level)];
}

std::string caption(FrameId frame) {
    return frameDef(frame).caption;
}

namespace {

namespace solve = exact::solutions;
using MaybeSolution = std::optional<exact::Solution>;

/// A circle as the exercise typed it in `field`: its text and reading.
exact::GivenCircle typedConic(const Exercise& ex, const std::string& field) {
    for (const auto& [name, text] : ex.fields)
        if (name == field) return {exact::readCircle(text).conic, text};
    throw std::out_of_range(field);
}

/// The exercise's line `i` with the text typed for it: the i-th field of
/// an equation of a line, which reads as that line.
exact::GivenLine typedLine(const Exercise& ex, std::size_t i) {
    const exact::Line& line = ex.data.lines.at(i);
    std::size_t n = 0;
    for (const auto& [name, text] : ex.fields) {
        if (text.find('=') == std::string::npos || text.find('^') != std::string::npos) continue;
        if (n++ != i) continue;
        const exact::LineReading read = exact::readLine(text);
        if (read.refusal == exact::Refusal::None && exact::sameLine(read.line, line))
            return {read.line, text}; // as the form reads what was typed
    }
    return line;
}

MaybeSolution linesThree(const Exercise& ex) {
    const Data& d = ex.data;
    switch (ex.frame.frame) {
    case 0:
        return solve::solveCollinearity(d.points.at(0), d.points.at(1), d.points.at(2));
    case 1:
        return ex.frame.option == 0 ? solve::solveSlopeThroughPoints(d.points.at(0), d.points.at(1))
                                    : solve::solveSlopeOfLine(typedLine(ex, 0));
    case 2:
        return solve::solveRelativePosition(typedLine(ex, 0), typedLine(ex, 1));
    }
    return std::nullopt;
}

MaybeSolution linesFour(const Exercise& ex) {
    const Data& d = ex.data;
    if (ex.frame.frame == 1) return solve::solveBisectors(typedLine(ex, 0), typedLine(ex, 1));
    const exact::Point& p = d.points.at(0);
    switch (ex.frame.option) {
    case 0:
        return solve::solveParallelToXAxis(p);
    case 1:
        return solve::solveParallelToYAxis(p);
    case 2:
        return solve::solveLineWithInclination(p, d.numbers.at(0));
    case 3:
        return solve::solveLineWithSlope(p, d.numbers.at(0));
    case 4:
        return solve::solveLinesAtAngle(p, d.numbers.at(0), typedLine(ex, 0));
    }
    return std::nullopt;
}

MaybeSolution circlesOne(const Exercise& ex) {
    const Data& d = ex.data;
    switch (ex.frame.frame) {
    case 0:
        return ex.frame.option == 0
                   ? solve::solveCircleByEquation(typedConic(ex, "Text1"))
                   : solve::solveCircleByCentre(d.circles.at(0).centre, d.circles.at(0).radius);
    case 1:
        return solve::solveTangentCircle(d.points.at(0), typedLine(ex, 0));
    case 2:
        return solve::solveTangentAtPoint(d.points.at(0), typedConic(ex, "Text4"));
    case 3:
        return solve::solveLineAndCircle(typedLine(ex, 0), typedConic(ex, "Text7"));
    }
    return std::nullopt;
}

exact::solutions::Triangle triangleOf(const Data& d) {
    return {d.points.at(0), d.points.at(1), d.points.at(2)};
}

MaybeSolution triangle(const Exercise& ex) {
    const exact::solutions::Triangle t = triangleOf(ex.data);
    switch (ex.frame.frame) {
    case 0:
        switch (ex.frame.option) {
        case 0:
            return solve::solveCircumcentre(t);
        case 1:
            return solve::solveIncentre(t);
        case 2:
            return solve::solveOrthocentre(t);
        case 3:
            return solve::solveCentroid(t);
        }
        break;
    case 1:
        return solve::solveTriangleArea(t);
    case 2:
        return solve::solveRightTriangle(t);
    }
    return std::nullopt;
}

MaybeSolution circlesTwo(const Exercise& ex) {
    const Data& d = ex.data;
    switch (ex.frame.frame) {
    case 0:
        return ex.frame.option == 0 ? solve::solveIncircle(triangleOf(d))
                                    : solve::solveCircumcircle(triangleOf(d));
    case 1:
        return solve::solvePointCircleDistance(d.points.at(0), typedConic(ex, "Text9"));
    case 2:
        return solve::solveTangentCircle(d.points.at(0), typedLine(ex, 0));
    case 3:
        return solve::solveCircleThroughPoints(d.points.at(0), d.points.at(1), d.points.at(2));
    }
    return std::nullopt;
}

MaybeSolution circlesThree(const Exercise& ex) {
    const Data& d = ex.data;
    switch (ex.frame.frame) {
    case 0:
        return solve::solveTwoCircles(typedConic(ex, "Text6"), typedConic(ex, "Text7"));
    case 1:
        return solve::solveTangentsFromPoint(d.points.at(0), typedConic(ex, "Text9"));
    case 2:
        return solve::solveTouchingCircle(d.points.at(0), d.points.at(1), typedLine(ex, 0));
    }
    return std::nullopt;
}

} // namespace

std::optional<exact::Solution> workedSolution(const Exercise& ex) {
    namespace s = exact::solutions;
    const Data& d = ex.data;
    try {
        switch (ex.frame.topic) {
        case TopicId::Pontos:
            switch (ex.frame.frame) {
            case 0:
                return s::solvePoint(d.points.at(0));
            case 1:
                return s::solveMidpoint(d.points.at(0), d.points.at(1));
            case 2:
                return s::solveDistance(d.points.at(0), d.points.at(1));
            case 3:
                return s::solveBisector(d.points.at(0), d.points.at(1));
            }
            break;
        case TopicId::Recta1:
            switch (ex.frame.frame) {
            case 0:
                return s::solveTypedLine(typedLine(ex, 0));
            case 1:
                return s::solveLineThroughPoints(d.points.at(0), d.points.at(1));
            case 2:
                return s::solveParallelThrough(d.points.at(0), typedLine(ex, 0));
            case 3:
                return s::solvePerpendicularThrough(d.points.at(0), typedLine(ex, 0));
            }
            break;
        case TopicId::Recta2:
            switch (ex.frame.frame) {
            case 0:
                return s::solveIntersection(typedLine(ex, 0), typedLine(ex, 1));
            case 1:
                return s::solveParallelDistance(typedLine(ex, 0), typedLine(ex, 1));
            case 2:
                return s::solvePointLineDistance(d.points.at(0), typedLine(ex, 0));
            case 3:
                return s::solveAngle(typedLine(ex, 0), typedLine(ex, 1));
            }
            break;
        case TopicId::Recta3:
            return linesThree(ex);
        case TopicId::Recta4:
            return linesFour(ex);
        case TopicId::Circunferencia1:
            return circlesOne(ex);
        case TopicId::Circunferencia2:
            return circlesTwo(ex);
        case TopicId::Circunferencia3:
            return circlesThree(ex);
        case TopicId::Triangulo:
            return triangle(ex);
        }
    } catch (...) {
    }
    return std::nullopt;
}

std::string valueText(const Value& value, AskedForm form) {
    struct Writer {
        AskedForm form;
        std::string operator()(const exact::Number& n) const { return exact::text(n, ","); }
        std::string operator()(const exact::Point& p) const { return exact::text(p, ","); }
        std::string operator()(const exact::Line& l) const {
            if (form == AskedForm::ReducedEquation)
                if (auto r = exact::reducedEquationText(l, ",")) return *r;
            return exact::generalEquationText(l, ",");
        }
        std::string operator()(const exact::Circle& c) const {
            return exact::circleEquationText(c, ",");
        }
        std::string operator()(const Degrees& d) const {
            if (d.value.isInteger()) return d.value.rational().get_num().get_str() + "\u00ba";
            return texts::degrees(d.value);
        }
        std::string operator()(Words w) const {
            switch (w) {
            case Words::Yes:
                return "sim";
            case Words::No:
                return "não";
            case Words::Parallel:
                return "paralelas";
            case Words::Coincident:
                return "coincidentes";
            case Words::DoesNotExist:
                return "não existe";
            }
            return {};
        }
    };
    return std::visit(Writer{form}, value);
}

bool sameValue(const Value& a, const Value& b) {
    if (a.index() != b.index()) return false;
    if (const auto* n = std::get_if<exact::Number>(&a)) return *n == std::get<exact::Number>(b);
    if (const auto* p = std::get_if<exact::Point>(&a)) return *p == std::get<exact::Point>(b);
    if (const auto* l = std::get_if<exact::Line>(&a))
        return exact::sameLine(*l, std::get<exact::Line>(b));
    if (const auto* c = std::get_if<exact::Circle>(&a)) {
        const exact::Circle& d = std::get<exact::Circle>(b);
        return c->centre == d.centre && c->radiusSquared() == d.radiusSquared();
    }
    if (const auto* g = std::get_if<Degrees>(&a)) {
        const exact::Number& h = std::get<Degrees>(b).value;
        if (g->value.isExact() && h.isExact()) return g->value == h;
        return std::abs(g->value.toDouble() - h.toDouble()) < 1e-9;
    }
    return std::get<Words>(a) == std::get<Words>(b);
}

bool sameValues(const std::vector<Value>& a, const std::vector<Value>& b) {
    if (a.size() != b.size()) return false;
    std::vector<bool> used(b.size(), false);
    for (const Value& v : a) {
        bool found = false;
        for (std::size_t i = 0; i < b.size() && !found; ++i)
            if (!used[i] && sameValue(v, b[i])) used[i] = found = true;
        if (!found) return false;
    }
    return true;
}

} // namespace practice
