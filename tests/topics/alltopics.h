#pragma once

#include "topics.h"

#include <QTest>

/// One data row for each topic whose problem form the build holds, with the
/// column "topic"; forms merged later join the tables by themselves.
inline void addBuiltTopics() {
    static const char* const names[TopicCount] = {
        "Pontos",           "Recta 1",          "Recta 2",          "Recta 3",  "Recta 4",
        "Circunferência 1", "Circunferência 2", "Circunferência 3", "Triângulo"};
    QTest::addColumn<int>("topic");
    for (int t = 0; t < TopicCount; ++t)
        if (isTopicBuilt(Topic(t))) QTest::newRow(names[t]) << t;
}
