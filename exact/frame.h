#pragma once

// The problem frames of the forms, each declared once (framerows.h): its
// name on the command line, its caption, its fields by role, its options and
// the routine that explains it exactly. The forms lay out and solve in
// doubles what is declared here (topics/), practice makes its exercises
// (practice/), and the index, "Praticar", the worksheets and the command line
// list it by these names and captions. Plain C++, no Qt.

#include "evaluation.h"
#include "given.h"
#include "solution.h"
#include "topic.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

/// What a field holds, and so how it is read.
enum class Role : std::uint8_t {
    Point,  ///< a point: the two fields Abcissa<n> and Ordenada<n>
    Line,   ///< an equation of a line
    Circle, ///< an equation of a circle
    Number, ///< a number: a radius, a slope, an inclination in degrees
    Angle,  ///< an amplitude in degrees, read up to the end of its leading number ("30 graus")
};

/// One field of a frame, or the two of a point.
struct FrameField {
    Role role;
    /// The number n of a point's fields Abcissa<n> and Ordenada<n>; the name
    /// of any other field ("Text5", "Raio").
    const char* name;
    /// The options (bit k for option k) whose problem reads it; 0: every one.
    unsigned options = 0;

    /// Whether the problem of `option` (−1: of no option) reads it.
    bool readBy(int option) const { return options == 0 || (option >= 0 && options >> option & 1); }
};

class FrameData;
/// A worked solution of a problem from its fields read exactly.
using Explanation = Solution (*)(const FrameData&);

/// One option button of a frame, and the problem it makes of the frame.
struct FrameOption {
    const char* name;   ///< on the command line: "recta4-1c"
    const char* button; ///< the option button's objectName: "Option3"
    const char*
        caption; ///< as practice lists it: "Recta que passa num ponto e tem uma inclinação dada"
    Explanation explain;
};

/// One problem frame of a form.
struct Frame {
    const char* name; ///< on the command line: its topic's name and its place from 1, "recta2-3"
    Topic topic;
    const char* caption;              ///< its title on the form and in the index
    std::vector<FrameField> fields;   ///< in the order the frame shows them
    std::vector<FrameOption> options; ///< in the order the frame shows them; none for most
    Explanation explain = nullptr;    ///< of a frame without options
};

/// The i-th field of that role among those the problem of `option` reads
/// (−1: those every option reads), in the frame's order; throws
/// std::out_of_range when there is none.
const FrameField& nthField(const Frame& frame, int option, Role role, std::size_t i);

/// Every frame of every form, in the order of the topics and, in each topic,
/// from the top of its form.
const std::vector<Frame>& frames();
/// The frame of that name ("recta2-3"); null for none.
const Frame* frameNamed(std::string_view name);

/// One problem: a frame, or one option of a frame that has options. What is
/// explained, practised and put on a worksheet; a value that compares by
/// the place of its frame and option in the table.
class FrameId {
public:
    /// The first frame's problem.
    FrameId();
    /// The problem of `frame` (with `option`, when it has options).
    explicit FrameId(const Frame& frame, int option = 0);
    /// The problem of that name ("triangulo-1b", "recta2-3"); nothing for none.
    static std::optional<FrameId> named(std::string_view name);

    const Frame& frame() const { return *m_frame; }
    /// The option counted from 0; 0 for a frame without options.
    int option() const { return m_option; }
    Topic topic() const { return m_frame->topic; }
    /// "triangulo-1b"; the frame's own name when it has no options.
    std::string_view name() const;
    /// The frame's caption, or its option's as practice lists it.
    std::string_view caption() const;
    /// The objectName of the option button to mark; "" for a frame without options.
    std::string_view optionButton() const;
    /// The fields the problem reads, in the frame's order.
    std::vector<FrameField> fields() const;
    /// The worked solution of the problem from its fields read exactly.
    Solution explain(const FrameData& data) const;

    friend bool operator==(const FrameId&, const FrameId&) = default;
    friend auto operator<=>(const FrameId&, const FrameId&) = default;

private:
    const Frame* m_frame;
    int m_option = 0;
};

/// Every problem, in the order of the table: the 31 frames are 41 problems.
const std::vector<FrameId>& allFrames();
/// The problems of a topic.
std::vector<FrameId> framesOf(Topic topic);

/// The texts of a frame's fields as typed, read exactly on first use, each
/// once, by role: the i-th point, line, circle, number or angle of the
/// problem, in the frame's order. What a worked solution starts from and
/// what a form's verdicts are decided on; a press's fields hold it beside
/// the doubles the form computes with (PressFields, pressfields.h). A text
/// that leaves the exact set reads as an approximate value; a fault of the
/// exact reading propagates.
class FrameData {
public:
    using Texts = std::map<std::string, std::string, std::less<>>;

    /// The fields of `frame` that the problem of `option` reads (−1: only
    /// those every option reads), with `texts` by field name ("Abcissa2",
    /// "Text5"), as typed: blanks at either end are left out here.
    FrameData(const Frame& frame, int option, Texts texts);
    FrameData(const FrameId& problem, Texts texts);

    Point point(std::size_t i) const;
    const Line& line(std::size_t i) const;
    const LineReading& lineReading(std::size_t i) const;
    const CircleReading& circle(std::size_t i) const;
    const Conic& conic(std::size_t i) const { return circle(i).conic; }
    /// The i-th line and circle with the text typed, as a worked solution
    /// writes what the pupil typed.
    GivenLine givenLine(std::size_t i) const;
    GivenCircle givenCircle(std::size_t i) const;
    /// Whether the i-th circle is written in general form, its equation
    /// ending in "= 0" (blanks aside), rather than reduced.
    bool generalCircle(std::size_t i) const;
    /// The field's value as the input reader takes it.
    const Number& number(std::size_t i) const;
    /// The leading number of the field in degrees, exact as its decimal
    /// digits are (30 is 30, 22.5 is 45/2); approximate past a double's digits.
    Number angle(std::size_t i) const;

    /// Whether every text holds only small whole numbers, x, y, "+", "-",
    /// "=" and blanks (digit runs of at most 4, at most 40 characters):
    /// then a form's doubles of sums and products of them, its readings
    /// of the equations included, are the exact values.
    bool wholeNumbersOnly() const;

    /// The name of the i-th field of that role: a point's number n of its
    /// fields Abcissa<n> and Ordenada<n> ("2"), any other field's own ("Text5").
    const char* fieldName(Role role, std::size_t i) const;
    /// A field's text as typed; throws std::out_of_range for a field it does not have.
    const std::string& typed(const std::string& name) const;
    /// The same without the blanks at either end, as a text field's trimming leaves it.
    std::string trimmed(const std::string& name) const;

private:
    const Number& numberNamed(const std::string& name) const;

    const Frame* m_frame;
    int m_option;
    Texts m_texts;
    mutable std::map<std::string, Number, std::less<>> m_numbers;
    mutable std::map<std::string, LineReading, std::less<>> m_lines;
    mutable std::map<std::string, CircleReading, std::less<>> m_circles;
};

} // namespace exact
