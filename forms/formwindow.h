#pragma once

#include "navigationtable.h"
#include "twips.h"

#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class Board;
class QFont;
class QLineEdit;
class QWidget;

/// How one problem form lays out and words its common part, as the form
/// itself says.
struct FormLayout {
    int boardLeft = 60;               ///< twips
    bool warnWhenUngraduated = false; ///< message when the axes go ungraduated
    QString scratchName = QStringLiteral("TextA");
    QRect eixos{120, 210, 5385, 1695}; ///< the viewport frame, twips in the panel
    bool spinToolTips = false;
    bool pointToolTips = true; ///< the Abcissa/Ordenada fields explain themselves
};

/// What sets one problem form apart from the others in its common part: who
/// it is, as the topic table says, and its layout.
struct FormTraits {
    Topic topic{};
    QString objectName{};                    ///< "Form1"
    QString title{};                         ///< the label above the board, "PONTOS"
    std::vector<TopicButton> topicButtons{}; ///< the row's buttons to the other topics
    HelpTips helpTips = UsualHelpTips;
    FormLayout layout{};
};

/// The parts of a form's window that the rest of the form fills and reads.
struct FormWindow {
    QWidget* panel;     ///< the column at the right: the "Eixos" frame, then the problem frames
    QWidget* buttonRow; ///< the row of buttons to the other topics, the help and out
    QLineEdit* scratch; ///< the hidden field that holds the rewritten equation text
};

/// Builds the common window of a problem form around its board: its names,
/// its font, the title above the board, the panel beside it (`fillPanel`
/// puts the viewport's frame in it; the problem frames come later), the
/// hidden scratch field and the row of buttons, and fixes the window's size.
FormWindow buildFormWindow(QWidget* form, Board* board, const FormTraits& traits,
                           const std::function<void(QWidget* panel)>& fillPanel);
