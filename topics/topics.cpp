#include "topics.h"

#include "lines3form.h"
#include "lines4form.h"
#include "pointsform.h"

namespace {
using Factory = QWidget* (*)();

Factory factoryFor(Topic topic) {
    switch (topic) {
    case Topic::Pontos:
        return []() -> QWidget* { return new PointsForm; };
    case Topic::Recta3:
        return []() -> QWidget* { return new Lines3Form; };
    case Topic::Recta4:
        return []() -> QWidget* { return new Lines4Form; };
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
