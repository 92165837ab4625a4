#include "navigationtable.h"

namespace {
QString iconPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}
} // namespace

std::vector<CommonButton> commonButtons(const HelpTips& tips) {
    using A = CommonButton::Action;
    const auto u = [](const char* s) { return QString::fromUtf8(s); };
    const auto t = [](const char* s) { return QCoreApplication::translate("HelpTips", s); };
    return {
        {u("Command13"), QCoreApplication::translate("HelpTips", "Instruções"),
         t(tips.instructions), iconPath("instrucoes"), A::Help, HelpPage::Instrucoes},
        {u("Command14"), QCoreApplication::translate("HelpTips", "Índice"),
         QCoreApplication::translate("HelpTips", "Mostrar o índice deste programa"),
         iconPath("indice"), A::Help, HelpPage::Indice},
        {u("Command15"), QCoreApplication::translate("HelpTips", "Sintaxe"), t(tips.syntax),
         iconPath("sintaxe"), A::Help, HelpPage::Sintaxe},
        {u("Command16"), QCoreApplication::translate("HelpTips", "Funções"),
         QCoreApplication::translate("HelpTips", "Ver as Funções Definidas"), iconPath("funcoes"),
         A::Help, HelpPage::Funcoes},
        {u("Command17"), QCoreApplication::translate("HelpTips", "Fechar"), t(tips.close),
         iconPath("fechar"), A::Close},
        {u("Sair"), QCoreApplication::translate("HelpTips", "Sair"),
         QCoreApplication::translate("HelpTips", "Abandonar o programa"), iconPath("sair"),
         A::Quit},
    };
}
