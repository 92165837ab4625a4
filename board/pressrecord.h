#pragma once

#include "given.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace exact {
struct Solution;
}

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

class QGroupBox;
class QWidget;

/// The worked solution of a "Resolver" press, built the first time it is
/// asked for: a press with no window showing it costs only the capture of
/// its exact data.
class WorkedSolution {
public:
    using Builder = std::function<exact::Solution(const TypedData&)>;
    WorkedSolution(Builder build, std::shared_ptr<const TypedData> data);
    ~WorkedSolution();
    WorkedSolution(const WorkedSolution&) = delete;
    WorkedSolution& operator=(const WorkedSolution&) = delete;

    /// The solution, built now if it was not yet; null when building it
    /// failed (a fault of the exact arithmetic).
    const exact::Solution* get() const;

private:
    Builder m_build;
    std::shared_ptr<const TypedData> m_data;
    mutable std::unique_ptr<exact::Solution> m_built;
    mutable bool m_tried = false;
};

/// The problem frame of a press and what its fields held when it was
/// pressed: the data of the drawing that press leaves on the board.
struct PressRecord {
    QPointer<QGroupBox> frame;
    QHash<QString, QString> typed;                  ///< input field name -> its text at the press
    QSet<QString> checked;                          ///< the option buttons marked at the press
    std::shared_ptr<const WorkedSolution> solution; ///< of a "Resolver" press that gave one
    std::shared_ptr<const TypedData> data;          ///< the fields read exactly, once asked for
};

/// The text of a board's drawing for a printed sheet: the form's title, the
/// caption of the frame that drew it and that frame's rows as text.
struct BoardSheet {
    QString title;
    QString caption;
    QStringList lines;
    /// The worked solution of the press that drew the board, if it gave one.
    std::shared_ptr<const WorkedSolution> solution{};

    /// That solution, built now if it was not yet; null when there is none.
    const exact::Solution* workedSolution() const { return solution ? solution->get() : nullptr; }
};

/// Marks a label or field as holding a result rather than data.
void markAsResult(QWidget* control);
bool isResult(const QWidget* control);

/// What a frame's input fields and option buttons hold now; an empty record
/// for no frame.
PressRecord recordOf(QGroupBox* frame);

/// The sheet of the drawing a press left: the frame's rows in reading order,
/// its fields as typed for that press and its results as they read now.
BoardSheet sheetOf(const QString& title, const PressRecord& press);
