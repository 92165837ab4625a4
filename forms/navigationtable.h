#pragma once

#include "navigation.h"

#include <QCoreApplication>
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

/// The tooltips of "Instruções", "Sintaxe" and "Fechar", whose wording
/// varies from form to form.
struct HelpTips {
    const char* instructions;
    const char* syntax;
    const char* close;
};
inline constexpr HelpTips UsualHelpTips{QT_TRANSLATE_NOOP("HelpTips", "Ver as instruções"),
                                        QT_TRANSLATE_NOOP("HelpTips", "Ver a Sintaxe"),
                                        QT_TRANSLATE_NOOP("HelpTips", "Fechar esta janela")};

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

/// "Instruções", "Índice", "Sintaxe", "Funções", "Fechar" and "Sair".
std::vector<CommonButton> commonButtons(const HelpTips& tips);
