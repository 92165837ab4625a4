#pragma once

#include "pressrecord.h"

#include <functional>

/// The press whose drawing the board shows, and its worked solution: what
/// the board's printed sheet and the window "Resolução" show. That the
/// solution changed is said once: at once outside a press, and in a press
/// when it explains, shows a message or ends (publish).
class BoardPress {
public:
    /// `changed` says that solution() may have changed.
    explicit BoardPress(std::function<void()> changed);

    /// The board was cleared for the press `now` (or for no frame, when the
    /// axes are redrawn outside a press).
    void redrawn(const PressRecord& now, bool inPress);
    /// The worked solution of the press running now, which drew the board.
    void explain(WorkedSolution::Builder build, std::shared_ptr<const exact::FrameData> data);
    /// Says that the solution changed, if it did since it was last said.
    void publish();

    /// The solution of the "Resolver" press that drew the board, built now
    /// if it was not yet; null when there is none.
    const exact::Solution* solution() const;
    /// The title, the caption of the frame whose press drew the board and
    /// its rows as text; no frame while the board shows the bare axes.
    BoardSheet sheet(const QString& title) const { return sheetOf(title, m_record); }
    /// The press whose drawing the board shows; no frame for bare axes.
    const PressRecord& record() const { return m_record; }

private:
    PressRecord m_record;
    bool m_replaced = false; ///< by the press running now
    std::function<void()> m_changed;
};
