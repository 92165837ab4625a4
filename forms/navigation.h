#pragma once

#include "topic.h"

#include <functional>

class ProblemForm;

/// The four reference viewers.
enum class HelpPage { Instrucoes, Indice, Sintaxe, Funcoes };

/// What a problem form needs from the application around it. The shell
/// provides these at start-up; tests provide their own.
struct Navigation {
    std::function<void(Topic)> showTopic;
    std::function<void(HelpPage)> showHelp;
    std::function<void()> quit; ///< end the whole program at once
    /// Show the worked solution of a form's last "Resolver", step by step
    /// (nullptr: of the form that was active last).
    std::function<void(ProblemForm*)> showSolution;
    /// Open the window "Praticar" on the topic of a form (nullptr: as it was).
    std::function<void(ProblemForm*)> showPractice = {};
};

void setNavigation(Navigation navigation);
const Navigation& navigation();
