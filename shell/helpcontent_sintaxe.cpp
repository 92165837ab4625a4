// The syntax pages: how values are typed into the fields.

#include "helpcontent.h"
#include "numbered_error.h"

namespace Help {
namespace {

const QString Parenteses =
    QString::fromUtf8(QT_TRANSLATE_NOOP("Help", "Número de parênteses incorrecto."));
const QString Invalida = QString::fromUtf8(QT_TRANSLATE_NOOP("Help", "Expressão inválida"));

Page generalRules() {
    return {
        QT_TRANSLATE_NOOP("Help", "Regras gerais"),
        {paragraph(QT_TRANSLATE_NOOP(
             "Help", "Os argumentos das funções escrevem-se sempre entre parênteses: "
                     "`sen(1)`, `sqr(2)`, `log(10)`. Uma função de dois argumentos separa-os "
                     "por uma vírgula: `logn(8,2)`.")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Os nomes das funções são portugueses: `sen`, `cos`, `tg`, `cotg`, "
                     "`arcsen`, `arctg`… São aceites também alguns nomes ingleses: `sin`, "
                     "`arcsin`, `sinh`, `arcsinh` e `cotan`. A tangente escreve-se sempre "
                     "`tg`: o nome `tan` não é reconhecido.")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Os parênteses têm de estar equilibrados, tantos a abrir como a fechar, "
                     "e são todos do mesmo tipo, o que envolve os argumentos das funções: "
                     "`(` e `)`. Parênteses rectos e chavetas não agrupam nada: o programa "
                     "passa por cima deles.")),
         paragraph(QT_TRANSLATE_NOOP("Help", "Os parênteses desnecessários são ignorados.")),
         heading(QT_TRANSLATE_NOOP("Help", "Exemplos")),
         examples({value("sen(1)", "0,841470984807897"), value("logn(8,2)", "3"),
                   value("((2+3))*2", "10",
                         QT_TRANSLATE_NOOP("Help", "parênteses a mais não fazem mal")),
                   error("(1+2", Fault::Parentheses, Parenteses),
                   error("1+2)", Fault::Parentheses, Parenteses),
                   error("tan(1)", Fault::UndefinedFunction,
                         QT_TRANSLATE_NOOP("Help", "Função não definida: tan()"),
                         QT_TRANSLATE_NOOP("Help", "escreva tg(1)")),
                   error("sen()", Fault::MissingArgument,
                         QT_TRANSLATE_NOOP("Help", "Argumento inválido na expressão: sen()")),
                   misread("[2+3]*2", "8",
                           QT_TRANSLATE_NOOP("Help", "os parênteses rectos não contam: 2+3*2"))})}};
}

Page compositionAndConstants() {
    return {QT_TRANSLATE_NOOP("Help", "Composição, espaços e constantes"),
            {paragraph(QT_TRANSLATE_NOOP(
                 "Help", "**Composição.** O argumento de uma função pode ser qualquer expressão, "
                         "outra função incluída.")),
             examples({value("sen(cos(0))", "0,841470984807897"), value("sqr(3^2+4^2)", "5")}),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "**Espaços.** Os espaços são ignorados. **Maiúsculas e minúsculas** são "
                         "equivalentes.")),
             examples({value("1 000", "1000"), value("2 + 3", "5"), value("SQR(16)", "4")}),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "**Multiplicação.** O sinal `*` pode omitir-se entre um número e o que "
                         "se lhe segue: `2pi`, `3(1+1)`, `2sen(1)`. Não se pode omitir entre duas "
                         "funções ou duas variáveis: `sen(x)cos(x)` está errado, o certo é "
                         "`sen(x)*cos(x)`.")),
             examples({value("2pi", "6,28318530717958"), value("3(1+1)", "6"),
                       misread("sen(1)cos(1)", "0,841470984807897",
                               QT_TRANSLATE_NOOP("Help", "só conta sen(1)")),
                       value("sen(1)*cos(1)", "0,454648713412841")}),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "**Numerais decimais.** Pode usar a vírgula ou o ponto como separador "
                         "decimal: `2,5` ou `2.5`; dentro de uma função a vírgula separa os "
                         "argumentos: `logn(8,2)`.")),
             examples({value("2,5", "2,5"), value("2.5", "2,5"), value("logn(8,2)", "3")}),
             paragraph(QT_TRANSLATE_NOOP("Help", "**Constantes.** Há duas constantes com nome:")),
             formula("pi = 3,14159265358979\ne = 2,718281828"),
             examples({value("2e", "5,436563656")})}};
}

Page fieldValues() {
    return {QT_TRANSLATE_NOOP("Help", "Valores numéricos nos campos"),
            {paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Em cada campo numérico pode escrever-se um número ou qualquer expressão "
                         "cujo valor seja um número real. O programa calcula-a e usa o valor "
                         "obtido, sem o arredondar.")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Nos números decimais pode usar-se a **vírgula** ou o **ponto**. Entre os "
                         "parênteses de uma função a vírgula separa os argumentos: aí escreva o "
                         "ponto, ou ponha o número entre parênteses. Uma vírgula que não esteja "
                         "entre dois algarismos nem numa função é um erro.")),
             heading(QT_TRANSLATE_NOOP("Help", "Valores válidos")),
             examples({value("2/3", "0,666666666666667"), value("-2,5", "-2,5"),
                       value("(1,5+2)/2", "1,75"), value("sqr((2,25))", "1,5"),
                       value("sqr(2)/2", "0,707106781186548"), value("2^(-1)", "0,5"),
                       value("-2^2", "-4",
                             QT_TRANSLATE_NOOP("Help", "a potência calcula-se antes do sinal")),
                       value("2^3^2", "64",
                             QT_TRANSLATE_NOOP("Help", "da esquerda para a direita: (2^3)^2"))}),
             heading(QT_TRANSLATE_NOOP("Help", "Valores errados")),
             examples(
                 {misread("sqr(2,25)", "1,4142135623731",
                          QT_TRANSLATE_NOOP("Help", "na função a vírgula separa: é a raiz de 2")),
                  error("1,5,3", Fault::InvalidExpression, Invalida,
                        QT_TRANSLATE_NOOP("Help", "um número tem um só separador")),
                  error("2^-1", Fault::InvalidExpression, Invalida,
                        QT_TRANSLATE_NOOP("Help", "escreva 2^(-1)")),
                  error("3*", Fault::InvalidExpression, Invalida),
                  error("y+1", Fault::UndefinedVariable,
                        QT_TRANSLATE_NOOP("Help", "Variável não definida: y")),
                  fault("sqr(-4)", Fault::InvalidArgument), fault("1/0", Fault::DivisionByZero)})}};
}

Page operations() {
    return {QT_TRANSLATE_NOOP("Help", "Operações"),
            {paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Os espaços não têm qualquer significado. As operações escrevem-se com "
                         "estes símbolos:")),
             examples({value("2+3", "5", QT_TRANSLATE_NOOP("Help", "adição")),
                       value("7-10", "-3", QT_TRANSLATE_NOOP("Help", "subtracção")),
                       value("2*3.5", "7", QT_TRANSLATE_NOOP("Help", "multiplicação")),
                       value("7/2", "3,5", QT_TRANSLATE_NOOP("Help", "divisão")),
                       value("7\\2", "3", QT_TRANSLATE_NOOP("Help", "divisão inteira")),
                       value("7%3", "1", QT_TRANSLATE_NOOP("Help", "resto da divisão inteira")),
                       value("2^10", "1024", QT_TRANSLATE_NOOP("Help", "potência")),
                       value("sqr(16)", "4", QT_TRANSLATE_NOOP("Help", "raiz quadrada"))}),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Os operandos de `\\` e de `%` são arredondados às unidades antes da "
                         "divisão; um meio arredonda-se para o número par.")),
             examples({value("7.5\\2", "4", QT_TRANSLATE_NOOP("Help", "7,5 passa a 8")),
                       value("-7%3", "-1")}),
             heading(QT_TRANSLATE_NOOP("Help", "Prioridades")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Calculam-se primeiro as funções e o que está entre parênteses, depois "
                         "as potências, o sinal menos, a multiplicação e as divisões, o resto "
                         "(`%`) e por fim a adição e a subtracção. Operações da mesma prioridade "
                         "fazem-se da esquerda para a direita.")),
             examples({value("2+3*4", "14"), value("8/4/2", "1"), value("2*-3", "-6")}),
             heading(QT_TRANSLATE_NOOP("Help", "Outras raízes")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "A raiz quadrada é `sqr( )`; as outras escrevem-se como potências.")),
             examples({value("8^(1/3)", "2", QT_TRANSLATE_NOOP("Help", "raiz cúbica de 8"))})}};
}

} // namespace

Book makeSintaxeBook() {
    return {QT_TRANSLATE_NOOP("Help", "Sintaxe"),
            {generalRules(), compositionAndConstants(), fieldValues(), operations()}};
}

} // namespace Help
