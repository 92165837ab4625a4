#include "navigationtable.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<Topic, TopicCount> AllTopics = {
    Topic::Pontos,          Topic::Recta1,          Topic::Recta2,
    Topic::Recta3,          Topic::Recta4,          Topic::Circunferencia1,
    Topic::Circunferencia2, Topic::Circunferencia3, Topic::Triangulo};

struct TopicText {
    const char* caption;      ///< on every form but the Points form
    const char* pointsForm;   ///< on the Points form
    const char* toolTip;      ///< on every form but the Lines 1 form
    const char* linesOneForm; ///< on the Lines 1 form
    const char* icon;
};

const TopicText& textOf(Topic target) {
    static const std::array<TopicText, TopicCount> texts = {{
        {"Ponto", "", "Ir para Pontos", "Ir para pontos", "ponto"},
        {"Recta 1", "Rectas 1", "Ir para Recta-1", "Ir para Recta-1", "recta1"},
        {"Recta 2", "Rectas 2", "Ir para Recta-2", "Ir para Recta 2", "recta2"},
        {"Recta 3", "Rectas 3", "Ir para Recta-3", "Ir para Recta 3", "recta3"},
        {"Recta 4", "Rectas 4", "Ir para Recta-4", "Ir para Recta 4", "recta4"},
        {"Círculo 1", "Círculo 1", "Ir para Circunferência-1", "Ir para Circunferência 1",
         "circulo1"},
        {"Círculo 2", "Círculo 2", "Ir para Circunferência-2", "Ir para Circunferência 2",
         "circulo2"},
        {"Círculo 3", "Círculo 3", "Ir para Circunferência-3", "Ir para Circunferência 3",
         "circulo3"},
        {"Triângulo", "Triângulo", "Ir para Triângulo", "Ir para Triângulo", "triangulo"},
    }};
    return texts.at(static_cast<std::size_t>(target));
}

/// The button names of each form, indexed by target topic (empty for itself).
const std::array<const char*, TopicCount>& namesOn(Topic form) {
    using Names = std::array<const char*, TopicCount>;
    // Targets in order: Pontos, Recta 1-4, Circunferência 1-3, Triângulo.
    static const std::array<Names, TopicCount> names = {{
        {"", "Command2", "Command8", "Command5", "Command11", "Command4", "Command9", "Command10",
         "Command12"},
        {"Command2", "", "Command6", "Command8", "Command11", "Command7", "Command9", "Command10",
         "Command12"},
        {"Command2", "Command6", "", "Command9", "Command7", "Command8", "Command10", "Command11",
         "Command12"},
        {"Command5", "Command2", "Command8", "", "Command11", "Command4", "Command9", "Command10",
         "Command12"},
        {"Command2", "Command6", "Command1", "Command9", "", "Command8", "Command10", "Command11",
         "Command5"},
        {"Command2", "Command7", "Command6", "Command9", "Command8", "", "Command10", "Command11",
         "Command12"},
        {"Command5", "Command2", "Command8", "Command9", "Command11", "Command4", "", "Command10",
         "Command12"},
        {"Command5", "Command2", "Command8", "Command9", "Command6", "Command4", "Command10", "",
         "Command7"},
        {"Command2", "Command6", "Command1", "Command9", "Command3", "Command8", "Command10",
         "Command11", ""},
    }};
    return names.at(static_cast<std::size_t>(form));
}

QString iconPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

/// Tooltips of "Instruções", "Sintaxe" and "Fechar", which vary by form.
struct HelpWording {
    const char* instructions;
    const char* syntax;
    const char* close;
};

HelpWording wordingOn(Topic form) {
    switch (form) {
    case Topic::Circunferencia2:
        return {"Mostrar as Instruções", "Mostrar a Sintaxe", "Fechar esta página"};
    case Topic::Circunferencia3:
        return {"Ver as Instruções", "Mostrar a Sintaxe", "Fechar esta página"};
    default:
        return {"Ver as instruções", "Ver a Sintaxe", "Fechar esta janela"};
    }
}

} // namespace

std::vector<TopicButton> topicButtons(Topic form) {
    std::vector<TopicButton> buttons;
    for (Topic target : AllTopics) {
        if (target == form) continue;
        const TopicText& text = textOf(target);
        const bool onPoints = form == Topic::Pontos;
        const bool onLinesOne = form == Topic::Recta1;
        buttons.push_back({QString::fromLatin1(namesOn(form).at(std::size_t(target))), target,
                           QString::fromUtf8(onPoints ? text.pointsForm : text.caption),
                           QString::fromUtf8(onLinesOne ? text.linesOneForm : text.toolTip),
                           iconPath(text.icon)});
    }
    return buttons;
}

std::vector<CommonButton> commonButtons(Topic form) {
    using A = CommonButton::Action;
    const HelpWording w = wordingOn(form);
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    return {
        {u("Command13"), u("Instruções"), u(w.instructions), iconPath("instrucoes"), A::Help,
         HelpPage::Instrucoes},
        {u("Command14"), u("Índice"), u("Mostrar o índice deste programa"), iconPath("indice"),
         A::Help, HelpPage::Indice},
        {u("Command15"), u("Sintaxe"), u(w.syntax), iconPath("sintaxe"), A::Help,
         HelpPage::Sintaxe},
        {u("Command16"), u("Funções"), u("Ver as Funções Definidas"), iconPath("funcoes"), A::Help,
         HelpPage::Funcoes},
        {u("Command17"), u("Fechar"), u(w.close), iconPath("fechar"), A::Close},
        {u("Sair"), u("Sair"), u("Abandonar o programa"), iconPath("sair"), A::Quit},
    };
}
