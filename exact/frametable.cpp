// Every problem frame of the forms in the order of the topics: each topic's
// rows stand beside the worked solutions they explain with (framerows.h).

#include "framerows.h"

namespace exact {

const std::vector<Frame>& frames() {
    static const std::vector<Frame> all = [] {
        namespace s = solutions;
        std::vector<Frame> table;
        for (auto* topic :
             {s::pointFrames, s::lines1Frames, s::lines2Frames, s::lines3Frames, s::lines4Frames,
              s::circles1Frames, s::circles2Frames, s::circles3Frames, s::triangleFrames})
            for (Frame& f : topic())
                table.push_back(std::move(f));
        return table;
    }();
    return all;
}

} // namespace exact
