// The index pages: every problem of the nine topics, by topic.

#include "helpcontent.h"

namespace Help {
namespace {

std::vector<IndexTopic> makeTopics() {
    return {
        {Topic::Pontos,
         "Pontos",
         {"Representação de um ponto", "Ponto médio de um segmento", "Distância entre dois pontos",
          "Mediatriz de um segmento"}},
        {Topic::Recta1,
         "Recta 1",
         {"Recta de equação...", "Recta que passa por dois pontos",
          "Recta que passa por um ponto e é paralela a outra",
          "Recta que passa por um ponto e é perpendicular a outra"}},
        {Topic::Recta2,
         "Recta 2",
         {"Intersecção de duas rectas", "Distância entre rectas paralelas",
          "Distância de um ponto a uma recta", "Ângulo de duas rectas"}},
        {Topic::Recta3,
         "Recta 3",
         {"Ver se três pontos são colineares", "Coeficiente angular e inclinação de uma recta",
          "Posição relativa de duas rectas"}},
        {Topic::Recta4,
         "Recta 4",
         {"Recta que passa num ponto e ...", "Bissectrizes de duas rectas concorrentes"}},
        {Topic::Circunferencia1,
         "Circunferência 1",
         {"Circunferência de equação...", "Circunferência com centro num ponto e tg a uma recta",
          "Tangente a uma circunferência num dos seus pontos",
          "Intersecção de uma recta com uma circunferência"}},
        {Topic::Circunferencia2,
         "Circunferência 2",
         {"Circunferência e triângulo", "Distância de um ponto P a uma circunferência",
          "Circunferência de centro C e tangente a uma recta",
          "Circunferência definida por três pontos"}},
        {Topic::Circunferencia3,
         "Circunferência 3",
         {"Intersecção de duas circunferências",
          "Rectas que passam por P e são tg a uma circunferência",
          "Circunferência que passa em P e é tg à recta no ponto Q"}},
        {Topic::Triangulo,
         "Triângulo",
         {"Pontos notáveis de um triângulo", "Área de um triângulo",
          "Ver se são vértices de um triângulo rectângulo"}},
    };
}

/// The topics of one index page, each as a heading and a list.
std::vector<Block> topicBlocks(std::size_t first, std::size_t last) {
    std::vector<Block> blocks;
    for (std::size_t i = first; i < last; ++i) {
        blocks.push_back(heading(indexTopics()[i].heading));
        blocks.push_back(bullets(indexTopics()[i].problems));
    }
    return blocks;
}

constexpr std::size_t TopicsOnFirstPage = 5; // Pontos and the four line pages

} // namespace

const std::vector<IndexTopic>& indexTopics() {
    static const std::vector<IndexTopic> topics = makeTopics();
    return topics;
}

Book makeIndiceBook() {
    Page first{"Índice", {paragraph("Problemas contidos nas páginas deste programa")}};
    for (Block& block : topicBlocks(0, TopicsOnFirstPage))
        first.blocks.push_back(std::move(block));
    Page second{"Índice", topicBlocks(TopicsOnFirstPage, indexTopics().size())};
    return {"Índice", {std::move(first), std::move(second)}};
}

} // namespace Help
