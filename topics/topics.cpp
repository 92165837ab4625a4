#include "topics.h"

#include "circles2form.h"
#include "circles3form.h"
#include "pointsform.h"

namespace {
using Factory = QWidget* (*)();

Factory factoryFor(Topic topic) {
    switch (topic) {
    case Topic::Pontos:
        return []() -> QWidget* { return new PointsForm; };
    case Topic::Circunferencia2:
        return []() -> QWidget* { return new Circles2Form; };
    case Topic::Circunferencia3:
        return []() -> QWidget* { return new Circles3Form; };
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
