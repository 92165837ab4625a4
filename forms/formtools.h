#pragma once

#include <functional>

class BoardMenu;
class QAction;
class QWidget;

/// What the form's tools open.
struct FormTools {
    std::function<void()> showSolution;   ///< the worked solution, step by step
    std::function<void()> showPractice;   ///< the window "Praticar" on the form's topic
    std::function<void()> showFullScreen; ///< the board alone on the whole screen
};

/// Adds the program's tools to a form's board menu, below the picture's
/// entries: "Resolução passo a passo" (Ctrl+R), "Praticar" (Ctrl+E),
/// "Quadro em ecrã inteiro" (F11), then the classroom display's "Modo de
/// projecção", its factors and "Nomes dos pontos". Gives the full-screen action.
QAction* addFormTools(BoardMenu& menu, QWidget* form, const FormTools& tools);

/// Lets the tools' keys reach the form from its text fields too: a field
/// keeps Ctrl+E for itself on some desktops (the end of the line), and
/// "Praticar" must open from anywhere on the form. Once its fields exist.
void letToolKeysThrough(QWidget* form);
