#pragma once

#include "topictable.h"

#include <QTest>

/// One data row for each topic of the topic table, with the column "topic".
inline void addEveryTopic() {
    QTest::addColumn<int>("topic");
    for (const TopicRow& row : TopicTable)
        QTest::newRow(row.indexHeading) << int(row.topic);
}
