#pragma once

#include "exercise.h"

#include <QString>
#include <array>

/// What a pupil has practised, per topic and level: the exercises tried and
/// those right at the first answer that could be read (seeing the solution
/// first counts as tried). Kept in the settings from one use of the program
/// to the next, until it is reset.
class PracticeTally {
public:
    struct Count {
        int tried = 0;
        int firstTry = 0;
        friend bool operator==(const Count&, const Count&) = default;
    };

    /// The tally as the settings keep it.
    static PracticeTally load();
    /// One more exercise of a topic and level, right at the first try or not;
    /// saved at once.
    void add(Topic topic, practice::Level level, bool right);
    /// Everything back to zero, in the settings too.
    void reset();
    Count count(Topic topic, practice::Level level) const;
    /// One line per topic and level tried: "Recta 1 · básico: 3 tentados, 2 certos à primeira".
    QString text() const;

private:
    void save() const;
    std::array<std::array<Count, 3>, TopicCount> m_counts{};
};
