#include "boardpress.h"

#include <utility>

BoardPress::BoardPress(std::function<void()> changed)
    : m_changed(std::move(changed)) {}

void BoardPress::redrawn(const PressRecord& now, bool inPress) {
    const bool hadSolution = m_record.solution != nullptr;
    m_record = inPress ? now : PressRecord{};
    if (!hadSolution) return;
    m_replaced = true;
    if (!inPress) publish();
}

void BoardPress::explain(WorkedSolution::Builder build,
                         std::shared_ptr<const exact::FrameData> data) {
    m_record.solution = std::make_shared<const WorkedSolution>(std::move(build), std::move(data));
    m_replaced = true;
    publish();
}

void BoardPress::publish() {
    if (std::exchange(m_replaced, false)) m_changed();
}

const exact::Solution* BoardPress::solution() const {
    return m_record.solution ? m_record.solution->get() : nullptr;
}
