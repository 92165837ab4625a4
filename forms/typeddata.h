#pragma once

#include "given.h"

#include <QHash>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>

/// The texts a frame's fields held at a press, read exactly: what a worked
/// solution starts from and what the frame's verdicts are decided on. Each
/// field is read once, on first use, and the press and its worked solution
/// share the readings. A text that leaves the exact set reads as an
/// approximate value; a fault of the exact reading propagates.
class TypedData {
public:
    explicit TypedData(QHash<QString, QString> typed)
        : m_typed(std::move(typed)) {}

    /// The field's value as the input reader takes it.
    const exact::Number& number(const QString& field) const;
    /// The point of the fields Abcissa<n> and Ordenada<n>.
    exact::Point point(int n) const;
    const exact::LineReading& line(const QString& field) const;
    const exact::CircleReading& circle(const QString& field) const;
    /// The line and the circle of a field with the text typed, as the
    /// worked solutions write what the pupil typed.
    exact::GivenLine givenLine(const QString& field) const;
    exact::GivenCircle givenCircle(const QString& field) const;

    /// Whether every text holds only small whole numbers, x, y, "+", "-",
    /// "=" and blanks (digit runs of at most 4, at most 40 characters):
    /// then the program's doubles of sums and products of them, its readings
    /// of the equations included, are the exact values, and a verdict on
    /// them needs no exact reading.
    bool wholeNumbersOnly() const;

private:
    std::string text(const QString& field) const;
    QHash<QString, QString> m_typed;
    mutable std::optional<bool> m_wholeNumbersOnly;
    mutable std::map<QString, exact::Number> m_numbers;
    mutable std::map<QString, exact::LineReading> m_lines;
    mutable std::map<QString, exact::CircleReading> m_circles;
};

/// A verdict decided on the exact data, such as
/// `[](const TypedData& d) { return exact::verdict::equal(d.point(1), d.point(2)); }`;
/// nothing when a value it needs is not exact or its exact reading faults:
/// the frame then compares its doubles, as it always has. Nothing either,
/// without reading, when the frame's doubles are already exact:
/// `wholeDoublesExact` says that the frame computes the verdict's values with
/// sums and products only, so that small whole numbers typed
/// (TypedData::wholeNumbersOnly) give exact doubles.
std::optional<bool>
decideExactly(const TypedData& data,
              const std::function<std::optional<bool>(const TypedData&)>& verdict,
              bool wholeDoublesExact = true);
