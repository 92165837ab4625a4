#include "exercise.h"

#include "askedendings.h"
#include "budget.h"
#include "evaluation.h"
#include "frames.h"
#include "numbertext.h"
#include "splitmix64.h"
#include "texts.h"
#include "translation.h"
#include "verdicts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace practice {

std::uint64_t Rng::next() {
    return splitmix64::next(m_state);
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
        return TRANSLATABLE_NOOP("Practice", "básico");
    case Level::Intermedio:
        return TRANSLATABLE_NOOP("Practice", "intermédio");
    case Level::Avancado:
        return TRANSLATABLE_NOOP("Practice", "avançado");
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

FrameId problem(std::string_view name) {
    if (const std::optional<FrameId> id = FrameId::named(name)) return *id;
    throw std::out_of_range(std::string(name));
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

bool proven(const Exercise& ex);

/// The exercise of a seed: the first of its draws that stands in view, that
/// a slip can get wrong, and whose key the exact engine proves; nothing
/// when none of them does.
std::optional<Exercise> drawn(const FrameDef& def, Level level, std::uint64_t seed) {
    for (std::uint64_t attempt = 0; attempt < 200; ++attempt) {
        const exact::WorkBudget budget(exact::WorkBudget::Exercise);
        Exercise ex;
        ex.frame = def.id;
        ex.level = supported(def, level);
        ex.seed = seed;
        ex.option = def.id.optionButton();
        ex.dadosButton = def.dados;
        ex.resolverButton = def.resolver;
        Rng rng(seed * 1000003ULL + attempt * 0x632be59bd9b4e019ULL);
        try {
            def.make(rng, ex);
        } catch (...) {
            continue; // a division by zero or the like: another draw
        }
        if (!acceptable(def, ex) || !proven(ex)) continue;
        ex.answerText = joinedText(ex.expected);
        return ex;
    }
    return std::nullopt;
}

} // namespace

Exercise generate(FrameId frame, Level level, std::uint64_t seed) {
    const FrameDef& def = frameDef(frame);
    if (std::optional<Exercise> ex = drawn(def, level, seed)) return std::move(*ex);
    for (std::uint64_t fallback = 1; fallback <= kFallbackSeeds; ++fallback)
        if (std::optional<Exercise> ex = drawn(def, level, fallback)) {
            ex->seed = seed;
            return std::move(*ex);
        }
    throw NoExercise(caption(frame));
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

std::vector<FrameId> framesOf(Topic topic) {
    std::vector<FrameId> ids;
    for (const FrameId& id : allFrames())
        if (id.topic() == topic) ids.push_back(id);
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
    return translated("Frames", std::string(frame.caption()).c_str());
}

namespace {

namespace solve = exact::solutions;
using MaybeSolution = std::optional<exact::Solution>;

bool isCircleField(const std::string& text) {
    return text.find("^2") != std::string::npos;
}

/// The exercise's data as its fields read them, exactly as the form reads
/// them: the points of Abcissa<n> and Ordenada<n>, the lines and the
/// circles typed, and the other numbers, each in the order of the fields.
Data written(const Exercise& ex) {
    Data w;
    std::vector<std::string> pointNumbers; // the n of Abcissa<n>, in order
    for (const auto& [name, text] : ex.fields) {
        if (name.rfind("Abcissa", 0) == 0) {
            pointNumbers.push_back(name.substr(7));
        } else if (name.rfind("Ordenada", 0) == 0 || name.rfind("Xm", 0) == 0 ||
                   name.rfind("Ym", 0) == 0) {
            continue;
        } else if (text.find('=') == std::string::npos) {
            w.numbers.push_back(exact::readField(text));
        } else if (isCircleField(text)) {
            const exact::CircleReading r = exact::readCircle(text);
            if (r.refusal != exact::Refusal::None) throw std::domain_error("not a circle");
            w.circles.push_back(r.circle);
        } else {
            const exact::LineReading r = exact::readLine(text);
            if (r.refusal != exact::Refusal::None) throw std::domain_error("not a line");
            w.lines.push_back(r.line);
        }
    }
    const auto fieldText = [&ex](const std::string& name) {
        for (const auto& [n, text] : ex.fields)
            if (n == name) return text;
        throw std::out_of_range(name);
    };
    for (const std::string& n : pointNumbers)
        w.points.push_back({exact::readField(fieldText("Abcissa" + n)),
                            exact::readField(fieldText("Ordenada" + n))});
    return w;
}

/// Whether the exercise is of that frame ("triangulo-2"), whatever its option.
bool of(const Exercise& ex, std::string_view frame) {
    return ex.frame.frame().name == frame;
}

/// The worked solution of the exercise's problem, as the frame table
/// explains it from the texts of its fields.
MaybeSolution solved(const Exercise& ex) {
    return ex.frame.explain(
        exact::FrameData(ex.frame, exact::FrameData::Texts(ex.fields.begin(), ex.fields.end())));
}

// --- the key proven

/// The verdict a solution gives, in the words an exercise asks for.
std::optional<Words> wordsOf(exact::Verdict v) {
    switch (v) {
    case exact::Verdict::Collinear:
    case exact::Verdict::RightTriangle:
        return Words::Yes;
    case exact::Verdict::NotCollinear:
    case exact::Verdict::NotRightTriangle:
        return Words::No;
    case exact::Verdict::ParallelLines:
        return Words::Parallel;
    case exact::Verdict::CoincidentLines:
        return Words::Coincident;
    case exact::Verdict::NoSlope:
        return Words::DoesNotExist;
    default:
        return std::nullopt;
    }
}

/// The values a worked solution finds, as an exercise can ask for them: a
/// circle also as its centre and radius, an angle as its degrees, a
/// verdict in words; the area of a triangle without its sign.
std::vector<Value> foundValues(const Exercise& ex, const exact::Solution& s) {
    std::vector<Value> values;
    const bool area = of(ex, "triangulo-2");
    for (const exact::AnswerPart& part : s.answer.parts())
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, exact::Circle>) {
                    values.emplace_back(v);
                    values.emplace_back(v.centre);
                    values.emplace_back(v.radius);
                } else if constexpr (std::is_same_v<T, exact::Angle>) {
                    values.emplace_back(Degrees{v.degrees});
                } else if constexpr (std::is_same_v<T, exact::Verdict>) {
                    if (const auto w = wordsOf(v)) values.emplace_back(*w);
                } else if constexpr (std::is_same_v<T, exact::Number>) {
                    values.emplace_back(area ? exact::abs(v) : v);
                } else {
                    values.emplace_back(v);
                }
            },
            part.value);
    return values;
}

/// The orthogonal projection the point frame asks for, of the point as written.
std::vector<Value> projection(const Exercise& ex, const Data& w) {
    const exact::Point& a = w.points.at(0);
    const bool onX = ex.data.numbers.at(0) == exact::Number(1);
    return {onX ? exact::Point{a.x, 0} : exact::Point{0, a.y}};
}

/// Whether the data as written are degenerate for the frame: two equal
/// points, the vertices of a triangle (or three points of a circle) in a
/// straight line.
bool degenerate(const Exercise& ex, const Data& w) {
    const auto& p = w.points;
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = i + 1; j < p.size(); ++j)
            if (exact::verdict::equal(p[i], p[j]).value_or(true)) return true;
    for (const exact::Line& l : w.lines)
        if (exact::verdict::noLine(l).value_or(true)) return true;
    const bool triangle = ex.frame.topic() == Topic::Triangulo || of(ex, "circunferencia2-1") ||
                          of(ex, "circunferencia2-4");
    return triangle && exact::verdict::collinear(p.at(0), p.at(1), p.at(2)).value_or(true);
}

/// Whether the exact engine, solving the data as written, finds the key:
/// every value asked among those it finds, and its verdict the key's words.
bool proven(const Exercise& ex) {
    try {
        const Data w = written(ex);
        if (degenerate(ex, w)) return false;
        std::vector<Value> found;
        if (of(ex, "pontos-1")) {
            found = projection(ex, w);
        } else {
            const MaybeSolution s = solved(ex);
            if (!s || s->stopped) return false;
            found = foundValues(ex, *s);
        }
        const auto isFound = [&found](const Value& asked) {
            return std::any_of(found.begin(), found.end(),
                               [&asked](const Value& v) { return sameValue(v, asked); });
        };
        const bool words = std::any_of(found.begin(), found.end(), [](const Value& v) {
            return std::holds_alternative<Words>(v);
        });
        const bool asksWords =
            std::any_of(ex.expected.values.begin(), ex.expected.values.end(),
                        [](const Value& v) { return std::holds_alternative<Words>(v); });
        return !ex.expected.values.empty() && words == asksWords &&
               std::all_of(ex.expected.values.begin(), ex.expected.values.end(), isFound);
    } catch (const std::exception&) {
        return false; // a field that does not read, a fault of the arithmetic
    }
}

/// What the statement asks for where the frame's solution may end otherwise.
solve::Asked asked(const Exercise& ex) {
    if (ex.expected.kind == AnswerKind::Circle) return solve::Asked::ReducedCircle;
    if (ex.expected.kind == AnswerKind::Line)
        return ex.expected.form == AskedForm::ReducedEquation   ? solve::Asked::ReducedEquations
               : ex.expected.form == AskedForm::GeneralEquation ? solve::Asked::GeneralEquations
                                                                : solve::Asked::AsFound;
    const bool slope = of(ex, "recta3-2");
    return slope && ex.expected.kind == AnswerKind::Number ? solve::Asked::Slope
                                                           : solve::Asked::AsFound;
}

/// The solution ends on what the statement asks for.
void endOnAsked(const Exercise& ex, const Data& w, exact::Solution& s) {
    if (of(ex, "pontos-1"))
        solve::endOnProjection(s, w.points.at(0), ex.data.numbers.at(0) == exact::Number(1));
    else
        solve::endOnAsked(s, asked(ex));
    // A line through a point parallel or perpendicular to another: the pupil
    // who answers y = mx + b finds it through the slopes, and so does the solution.
    const bool parallel = of(ex, "recta1-3");
    if (parallel || of(ex, "recta1-4"))
        solve::slopesBeforeTheEnd(s, w.lines.at(0), w.points.at(0), parallel ? "P" : "Q",
                                  !parallel);
}

} // namespace

std::optional<exact::Solution> workedSolution(const Exercise& ex) {
    try {
        exact::verdict::takeDecidedOnDecimals();
        const Data w = written(ex);
        MaybeSolution s = solved(ex);
        if (s) endOnAsked(ex, w, *s);
        if (s && exact::verdict::takeDecidedOnDecimals())
            s->add(exact::StepKind::DecidedOnDecimals);
        return s;
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
