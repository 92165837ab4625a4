#pragma once

#include "navigation.h"

#include <QString>
#include <vector>

/// One button of a problem form that leads to another topic.
struct TopicButton {
    QString name; ///< objectName, e.g. "Command8"
    Topic target;
    QString caption;
    QString toolTip;
    QString icon; ///< resource path of its picture
};

/// One of the buttons that every problem form carries besides the topics.
struct CommonButton {
    enum class Action { Help, Close, Quit };
    QString name;
    QString caption;
    QString toolTip;
    QString icon;
    Action action;
    HelpPage page = HelpPage::Instrucoes; ///< for Action::Help
};

/// The eight topic buttons of a form, in the order of the topics.
std::vector<TopicButton> topicButtons(Topic form);

/// "Instruções", "Índice", "Sintaxe", "Funções", "Fechar" and "Sair".
std::vector<CommonButton> commonButtons(Topic form);
