#include "topics.h"

#include "circles1form.h"
#include "circles2form.h"
#include "circles3form.h"
#include "lines1form.h"
#include "lines2form.h"
#include "lines3form.h"
#include "lines4form.h"
#include "pointsform.h"
#include "triangleform.h"

namespace {
using Factory = QWidget* (*)();

Factory factoryFor(Topic topic) {
    switch (topic) {
    case Topic::Pontos:
        return []() -> QWidget* { return new PointsForm; };
    case Topic::Circunferencia1:
        return []() -> QWidget* { return new Circles1Form; };
    case Topic::Recta1:
        return []() -> QWidget* { return new Lines1Form; };
    case Topic::Recta2:
        return []() -> QWidget* { return new Lines2Form; };
    case Topic::Triangulo:
        return []() -> QWidget* { return new TriangleForm; };
    case Topic::Recta3:
        return []() -> QWidget* { return new Lines3Form; };
    case Topic::Recta4:
        return []() -> QWidget* { return new Lines4Form; };
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
