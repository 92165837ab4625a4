#pragma once

#include "boardexport.h"
#include "pressfields.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace exact {
struct Solution;
}

class QGroupBox;
class QWidget;

/// The worked solution of a "Resolver" press, built the first time it is
/// asked for: a press with no window showing it costs only the capture of
/// its fields' texts.
class WorkedSolution {
public:
    using Builder = std::function<exact::Solution(const exact::FrameData&)>;
    WorkedSolution(Builder build, std::shared_ptr<const exact::FrameData> data);
    ~WorkedSolution();
    WorkedSolution(const WorkedSolution&) = delete;
    WorkedSolution& operator=(const WorkedSolution&) = delete;

    /// The solution, built now if it was not yet; null when building it
    /// failed (a fault of the exact arithmetic).
    const exact::Solution* get() const;

private:
    Builder m_build;
    std::shared_ptr<const exact::FrameData> m_data;
    mutable std::unique_ptr<exact::Solution> m_built;
    mutable bool m_tried = false;
};

/// The problem frame of a press and what its fields held when it was
/// pressed: the data of the drawing that press leaves on the board.
struct PressRecord {
    QPointer<QGroupBox> frame;
    const exact::Frame* definition = nullptr; ///< the frame as the frame table declares it
    int option = -1;                          ///< its option marked (0 for a frame without options)
    bool solving = false;                     ///< pressed in solve mode ("Resolver")
    QHash<QString, QString> typed;            ///< input field name -> its text at the press
    QSet<QString> checked;                    ///< the option buttons marked at the press
    std::shared_ptr<const WorkedSolution> solution; ///< of a "Resolver" press that gave one
    std::shared_ptr<exact::PressFields> readings;   ///< its fields read, once asked for

    /// The fields as typed for this press, each read once when first asked
    /// for: in doubles for the frame's routine, exactly for its verdicts and
    /// its worked solution.
    exact::PressFields& fields();
    /// The fields read exactly (fields().exact()).
    const exact::FrameData& exactData() { return fields().exact(); }
    /// The problem of the press: its frame with the option marked; nothing
    /// for a press of no frame, or with no option marked.
    std::optional<exact::FrameId> problem() const;
};

/// Gives a frame its definition, which its presses record.
void declareFrame(QGroupBox* frame, const exact::Frame& definition);
/// The definition of a problem frame; null for a box that is none.
const exact::Frame* definitionOf(const QGroupBox* frame);

/// Marks a label or field as holding a result rather than data.
void markAsResult(QWidget* control);
bool isResult(const QWidget* control);

/// What a frame's input fields and option buttons hold now; an empty record
/// for no frame.
PressRecord recordOf(QGroupBox* frame);

/// The sheet of the drawing a press left: the frame's rows in reading order,
/// its fields as typed for that press and its results as they read now.
BoardSheet sheetOf(const QString& title, const PressRecord& press);
