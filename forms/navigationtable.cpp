#include "navigationtable.h"

namespace {
QString iconPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}
} // namespace

std::vector<CommonButton> commonButtons(const HelpTips& tips) {
    using A = CommonButton::Action;
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    return {
        {u("Command13"), u("Instruções"), u(tips.instructions), iconPath("instrucoes"), A::Help,
         HelpPage::Instrucoes},
        {u("Command14"), u("Índice"), u("Mostrar o índice deste programa"), iconPath("indice"),
         A::Help, HelpPage::Indice},
        {u("Command15"), u("Sintaxe"), u(tips.syntax), iconPath("sintaxe"), A::Help,
         HelpPage::Sintaxe},
        {u("Command16"), u("Funções"), u("Ver as Funções Definidas"), iconPath("funcoes"), A::Help,
         HelpPage::Funcoes},
        {u("Command17"), u("Fechar"), u(tips.close), iconPath("fechar"), A::Close},
        {u("Sair"), u("Sair"), u("Abandonar o programa"), iconPath("sair"), A::Quit},
    };
}
