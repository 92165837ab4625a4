#pragma once

#include <QString>
#include <functional>

class QWidget;

/// The nine topics, each with its problem form.
enum class Topic {
    Pontos,
    Recta1,
    Recta2,
    Recta3,
    Recta4,
    Circunferencia1,
    Circunferencia2,
    Circunferencia3,
    Triangulo,
};
inline constexpr int TopicCount = 9;

/// The four reference viewers.
enum class HelpPage { Instrucoes, Indice, Sintaxe, Funcoes };

/// What a problem form needs from the application around it. The shell
/// provides these at start-up; tests provide their own.
struct Navigation {
    std::function<void(Topic)> showTopic;
    std::function<void(HelpPage)> showHelp;
    std::function<bool(Topic)> isAvailable; ///< whether the topic's form exists
    std::function<void()> quit;             ///< end the whole program at once
};

void setNavigation(Navigation navigation);
const Navigation& navigation();
