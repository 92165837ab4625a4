#pragma once

// The topics of the program, one problem form each: plain, so that the forms,
// practice, the worksheets and the command line all name them the same way.

#include <cstddef>
#include <iterator>

/// The topics, in the order of the menu and of the index.
enum class Topic : int {
    Pontos,
    Recta1,
    Recta2,
    Recta3,
    Recta4,
    Circunferencia1,
    Circunferencia2,
    Circunferencia3,
    Triangulo,
    Last = Triangulo, ///< the last topic: move it along when adding one
};
inline constexpr int TopicCount = int(Topic::Last) + 1;

/// The name of each topic on the command line, which begins the names of
/// its frames ("recta2-3").
inline constexpr const char* TopicNames[] = {
    "pontos",          "recta1",          "recta2",          "recta3",    "recta4",
    "circunferencia1", "circunferencia2", "circunferencia3", "triangulo",
};
static_assert(std::size(TopicNames) == std::size_t(TopicCount), "a name for every topic");

constexpr const char* topicName(Topic topic) {
    return TopicNames[std::size_t(topic)];
}
