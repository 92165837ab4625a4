#pragma once

#include <functional>

/// A topic of the program: one problem form and one entry of the menu. The
/// topics are listed in the topic table (topics/topictable.h); the framework
/// only carries them from a button to the application that shows them.
enum class Topic : int;

/// The four reference viewers.
enum class HelpPage { Instrucoes, Indice, Sintaxe, Funcoes };

/// What a problem form needs from the application around it. The shell
/// provides these at start-up; tests provide their own.
struct Navigation {
    std::function<void(Topic)> showTopic;
    std::function<void(HelpPage)> showHelp;
    std::function<void()> quit; ///< end the whole program at once
};

void setNavigation(Navigation navigation);
const Navigation& navigation();
