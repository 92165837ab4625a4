#pragma once

// What the practice tests share: the frame and level as test data, and one
// row for each frame at each of its levels.

#include "exercise.h"

#include <QTest>
#include <string>

Q_DECLARE_METATYPE(practice::FrameId)
Q_DECLARE_METATYPE(practice::Level)

/// The columns "frame" and "level", one row per frame at each of its levels.
inline void frameRows() {
    using namespace practice;
    QTest::addColumn<FrameId>("frame");
    QTest::addColumn<Level>("level");
    for (const FrameId& f : allFrames())
        for (Level l : AllLevels)
            if (hasLevel(f, l))
                QTest::newRow(qPrintable(
                    QString::fromStdString(caption(f) + " · " + std::string(levelName(l)))))
                    << f << l;
}
