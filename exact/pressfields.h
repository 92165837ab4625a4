#pragma once

// The fields of a pressed frame, read once: each field, by its role and its
// place among the fields of that role, is read from the text recorded at the
// press into the double the form computes with (through the press's
// interpreter, when the frame's routine asks for it) and into its exact
// value (FrameData, only when a verdict or the worked solution asks for it).
// What the form does around a reading (the focus on a field that faults, the
// texts written back, the message refusing a line) is the form's business,
// which it gives as a FieldHost. Plain C++, no Qt.

#include "frame.h"
#include "geometry.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class clsEquation;

namespace exact {

/// What a form does around the readings of its fields' doubles.
class FieldHost {
public:
    /// The interpreter of the press.
    virtual clsEquation& interpreter() = 0;
    /// Runs `read`, one reading of the field `name` ("Abcissa2", "Text5"):
    /// a fault or a refusal that escapes it is that field's.
    virtual void reading(const std::string& name, const std::function<void()>& read) = 0;
    /// An equation field's text without its blanks, written back into the field.
    virtual void writeBack(const std::string& name, const std::string& text) = 0;
    /// An equation moved to one side for sampling, which the form keeps in
    /// its hidden scratch field.
    virtual void rewritten(const std::string& text) = 0;
    /// Refuses a line equation that holds ">", "<", "^3" or "^2": the form
    /// says so and the press ends.
    [[noreturn]] virtual void refuseLine() = 0;

protected:
    ~FieldHost() = default;
};

/// A press's fields, each read once, by role: the i-th point, number,
/// angle, line or circle of the problem pressed, in the frame's order.
class PressFields {
public:
    /// The fields as FrameData has them (the texts recorded at the press).
    explicit PressFields(FrameData data);

    /// The fields read exactly, each on first use; what the verdicts and the
    /// worked solution read.
    const FrameData& exact() const { return *m_exact; }
    std::shared_ptr<const FrameData> sharedExact() const { return m_exact; }

    // --- the doubles, each read once through `host` -------------------------
    /// The fields Abcissa<n> and Ordenada<n>, each evaluated with x = 0.
    Pt LerPonto(std::size_t i, FieldHost& host);
    Real number(std::size_t i, FieldHost& host);
    /// The leading number of the field, in degrees ("30 graus" is 30).
    Real angle(std::size_t i, FieldHost& host);
    /// A line equation: its blanks deleted (and written back), refused when
    /// it holds ">", "<", "^3" or "^2", then moved to one side and sampled.
    ::Line LerEquacaoRecta(std::size_t i, FieldHost& host);
    /// The first two lines, read together: both prepared, then both
    /// checked, then both sampled.
    std::array<::Line, 2> LerEquacoesRecta(FieldHost& host);

    // --- the stages of an equation, for a frame that runs them between those of another field
    /// The equation of the i-th field of `role` without its blanks, written
    /// back into the field the first time.
    const std::string& prepared(Role role, std::size_t i, FieldHost& host);
    /// Refuses the i-th line (prepared first) when it holds ">", "<", "^3" or "^2".
    void checkLine(std::size_t i, FieldHost& host);

    // --- circles, read by the form's own reader -------------------------------
    /// The i-th circle once the form has read it; null before.
    const ::Circle* circle(std::size_t i) const;
    /// Keeps the i-th circle the form has read, for any later asking.
    void keepCircle(std::size_t i, const ::Circle& c);

private:
    /// What has been read of one field, stage by stage.
    struct Field {
        std::optional<Real> value;
        std::optional<std::string> prepared;
        bool checked = false;
        std::optional<::Line> line;
        std::optional<::Circle> circle;
    };
    Field& field(const std::string& name) { return m_fields[name]; }
    /// The input reader: the field's trimmed text as the interpreter's
    /// equation, with x = 0, solved.
    Real LerCampo(const std::string& name, FieldHost& host);
    ::Line sampledLine(const std::string& name, FieldHost& host);

    std::shared_ptr<const FrameData> m_exact;
    std::map<std::string, Field, std::less<>> m_fields;
};

} // namespace exact
