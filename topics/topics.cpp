#include "topics.h"

#include "pointsform.h"
#include "triangleform.h"

namespace {
using Factory = QWidget* (*)();

Factory factoryFor(Topic topic) {
    switch (topic) {
    case Topic::Pontos:
        return []() -> QWidget* { return new PointsForm; };
    case Topic::Triangulo:
        return []() -> QWidget* { return new TriangleForm; };
    default:
        return nullptr;
    }
}
} // namespace

bool isTopicBuilt(Topic topic) {
    return factoryFor(topic) != nullptr;
}

QWidget* createTopicForm(Topic topic) {
    const Factory factory = factoryFor(topic);
    return factory ? factory() : nullptr;
}
