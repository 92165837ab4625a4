// The index pages: every problem of the nine topics, by topic.

#include "framebuilder.h"
#include "helpcontent.h"
#include "topictable.h"

namespace Help {
namespace {

/// Every topic of the topic table with the captions of its form's frames.
std::vector<IndexTopic> makeTopics() {
    std::vector<IndexTopic> topics;
    for (const TopicRow& row : TopicTable) {
        QStringList problems;
        for (const exact::Frame& frame : exact::frames())
            if (frame.topic == row.topic) problems << frameCaption(frame);
        topics.push_back({row.topic, topicText(row.indexHeading), problems});
    }
    return topics;
}

/// The topics of one index page, each as a heading and a list.
std::vector<Block> topicBlocks(std::size_t first, std::size_t last) {
    std::vector<Block> blocks;
    const std::vector<IndexTopic> topics = indexTopics();
    for (std::size_t i = first; i < last; ++i) {
        blocks.push_back(heading(topics[i].heading));
        blocks.push_back(bullets(topics[i].problems));
    }
    return blocks;
}

constexpr std::size_t TopicsOnFirstPage = 5; // Pontos and the four line pages

} // namespace

std::vector<IndexTopic> indexTopics() {
    return makeTopics();
}

Book makeIndiceBook() {
    Page first{
        QT_TRANSLATE_NOOP("Help", "Índice"),
        {paragraph(QT_TRANSLATE_NOOP("Help", "Problemas contidos nas páginas deste programa"))}};
    for (Block& block : topicBlocks(0, TopicsOnFirstPage))
        first.blocks.push_back(std::move(block));
    Page second{QT_TRANSLATE_NOOP("Help", "Índice"),
                topicBlocks(TopicsOnFirstPage, indexTopics().size())};
    return {QT_TRANSLATE_NOOP("Help", "Índice"), {std::move(first), std::move(second)}};
}

} // namespace Help
