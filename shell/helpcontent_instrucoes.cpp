// The instruction pages: what the program is for and how it is used.

#include "helpcontent.h"

namespace Help {
namespace {

Page purpose() {
    return {
        QT_TRANSLATE_NOOP("Help", "Ortoplano — geometria analítica plana"),
        {heading(QT_TRANSLATE_NOOP("Help", "Para que serve")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "O Ortoplano apoia o ensino da geometria analítica plana no ensino "
                     "secundário. Cada página tem uma janela de desenho com um referencial "
                     "cartesiano e vários problemas clássicos: o ponto médio de um segmento, a "
                     "recta que passa por dois pontos, a tangente a uma circunferência num dos "
                     "seus pontos, os pontos notáveis de um triângulo e muitos outros.")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Cada problema traz um exemplo já preenchido. O professor pode mostrar "
                     "primeiro os dados e só depois a solução; o aluno pode mudar os dados e "
                     "confirmar os resultados a que chegou no caderno.")),
         heading(QT_TRANSLATE_NOOP("Help", "Como começar")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Escolha um tema no menu da janela principal: Pontos, Reta 1 a Reta 4, "
                     "Circunferência 1 a 3 ou Triângulo. Os botões de cada página levam às "
                     "outras páginas, a estas instruções, ao índice dos problemas, à sintaxe e "
                     "à lista das funções.")),
         heading(QT_TRANSLATE_NOOP("Help", "Versão 2.2")),
         paragraph(QT_TRANSLATE_NOOP("Help", "Alterações das últimas versões:")),
         bullets(
             {QT_TRANSLATE_NOOP(
                  "Help", "**2.2** — páginas de ajuda sobre a sintaxe e as funções definidas, e um "
                          "índice de todos os problemas."),
              QT_TRANSLATE_NOOP(
                  "Help", "**2.1** — setas junto dos limites dos eixos, que mudam os limites aos "
                          "pares e mantêm o referencial monométrico."),
              QT_TRANSLATE_NOOP(
                  "Help",
                  "**2.0** — as equações das rectas e das circunferências podem ser escritas "
                  "em qualquer disposição.")})}};
}

Page typingData() {
    return {
        QT_TRANSLATE_NOOP("Help", "Como escrever os dados"),
        {heading(QT_TRANSLATE_NOOP("Help", "Valores numéricos")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Cada campo aceita um número ou uma expressão, como `2/3`, `sqr(2)` ou "
                     "`2pi/3`. O separador decimal é a vírgula ou o ponto: `2,5` ou "
                     "`2.5`. As regras completas estão na página Sintaxe.")),
         heading(QT_TRANSLATE_NOOP("Help", "Equações de rectas e de circunferências")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "As equações podem escrever-se em qualquer disposição: com ou sem "
                     "parênteses, com os termos semelhantes reduzidos ou não, com o segundo "
                     "membro igual a zero ou a qualquer outra expressão. Estas equações "
                     "descrevem a mesma recta:")),
         typed("y=2x+1      2x-y+1=0      2x+3=y+2"),
         paragraph(QT_TRANSLATE_NOOP("Help", "E estas, a mesma circunferência:")),
         typed("(x+1)^2+(y-2)^2=25\nx^2+y^2+2x-4y-20=0\nx^2+2x+y^2=4y+20"),
         heading(QT_TRANSLATE_NOOP("Help", "Os dois botões")),
         bullets({QT_TRANSLATE_NOOP("Help", "**Dados** desenha a azul os dados do problema."),
                  QT_TRANSLATE_NOOP(
                      "Help", "**Resolver** desenha os dados e depois, a vermelho, a solução, e "
                              "escreve o resultado no quadro do problema.")}),
         heading(QT_TRANSLATE_NOOP("Help", "Porque não aparecem fracções")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "O computador calcula com números decimais aproximados: 1/3 fica "
                     "guardado como 0,333333333333333. Perante um resultado como 0,67 não há "
                     "maneira segura de saber se vem de 2/3 ou de 67/100. Por isso o programa "
                     "mostra o valor decimal e deixa ao aluno a passagem à fracção, quando ela "
                     "existe."))}};
}

Page resultsAndAxes() {
    return {QT_TRANSLATE_NOOP("Help", "Resultados e eixos"),
            {heading(QT_TRANSLATE_NOOP("Help", "Arredondamento")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Os resultados que não são inteiros aparecem arredondados a duas casas "
                         "decimais: 2/3 aparece como 0,67. Os resultados não são simplificados, "
                         "e por isso podem surgir equações como")),
             typed("2x+2y+2=0"),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "que o aluno simplificará para x+y+1=0. Assim vê-se de onde vem cada "
                         "coeficiente.")),
             heading(QT_TRANSLATE_NOOP("Help", "Os eixos")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Ao abrir uma página, os dois eixos estão graduados de −10 a 10. Os "
                         "limites mudam-se nos campos Xmínimo, Xmáximo, Ymínimo e Ymáximo do "
                         "quadro Eixos; a nova janela aparece no próximo Dados ou Resolver.")),
             heading(QT_TRANSLATE_NOOP("Help", "Quando deixa de haver graduação")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Se a diferença entre Xmáximo e Xmínimo passar de 50, os eixos deixam "
                         "de ser graduados e não se desenha a grelha, porque os números e as "
                         "linhas ficariam sobrepostos:")),
             formula(QT_TRANSLATE_NOOP(
                 "Help", "| Xmáximo − Xmínimo | > 50   ⇒   sem graduação nem grelha")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Só a largura conta: de −10 a 10 em x e de −100 a 100 em y, os dois "
                         "eixos continuam graduados. Sem graduação, algumas páginas escrevem as "
                         "coordenadas dos pontos junto dos eixos."))}};
}

Page gridAndFrames() {
    return {
        QT_TRANSLATE_NOOP("Help", "Grelha e referencial monométrico"),
        {heading(QT_TRANSLATE_NOOP("Help", "A grelha")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "A caixa «Desenhar grelha» do quadro Eixos acrescenta uma grelha cinzenta "
                     "de unidade em unidade.")),
         heading(QT_TRANSLATE_NOOP("Help", "Porque o referencial deve ser monométrico")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "A janela de desenho é quadrada. Com a mesma amplitude nos dois eixos o "
                     "referencial é monométrico e as figuras não se deformam; com amplitudes "
                     "diferentes fica dimétrico e os ângulos rectos deixam de parecer rectos.")),
         heading(QT_TRANSLATE_NOOP("Help", "As setas junto dos limites")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "As pequenas setas mudam os limites aos pares, uma unidade de cada vez: "
                     "as de Xmínimo e Ymínimo deslocam o canto inferior esquerdo da janela, as "
                     "de Xmáximo e Ymáximo o canto superior direito. Um referencial quadrado "
                     "continua quadrado; escrever os limites nos campos pode torná-lo "
                     "dimétrico.")),
         heading(QT_TRANSLATE_NOOP("Help", "Exemplo: página Circunferência 3")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "No problema «Rectas que passam por P e são tg a uma circunferência», "
                     "com P\u00a0=\u00a0(−1\u00a0,\u00a0"
                     "0) e a circunferência x^2+y^2−2x−1=0, o "
                     "programa dá as tangentes y\u00a0=\u00a0x+1 e y\u00a0=\u00a0−x−1:")),
         typed("2x-2y+2 = 0      -2x-2y-2=0"),
         bullets(
             {QT_TRANSLATE_NOOP(
                  "Help", "Com os eixos de −10 a 10, as tangentes são perpendiculares e tocam a "
                          "circunferência."),
              QT_TRANSLATE_NOOP(
                  "Help", "Quatro cliques na seta para baixo de Xmínimo levam Xmínimo e Ymínimo a "
                          "−14: a figura fica mais pequena, mas fiel."),
              QT_TRANSLATE_NOOP(
                  "Help", "Escrevendo só Ymínimo = −4, a unidade vertical cresce: a circunferência "
                          "continua redonda no ecrã, mas as tangentes esticam-se e já não parecem "
                          "tocá-la nem ser perpendiculares.")})}};
}

Page copying() {
    return {QT_TRANSLATE_NOOP("Help", "Cópia e autoria"),
            {heading(QT_TRANSLATE_NOOP("Help", "Distribuição")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "O Ortoplano é software livre, distribuído gratuitamente e sem fins "
                         "comerciais, para uso no ensino. Escolas, professores e alunos podem "
                         "copiá-lo, distribuí-lo e modificá-lo nos termos da Licença Pública Geral "
                         "GNU (GPL), versão 3 ou posterior.")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Quem o distribuir deve acompanhá-lo do código-fonte e desta mesma "
                         "licença, para que também quem o recebe o possa copiar livremente.")),
             paragraph(QT_TRANSLATE_NOOP(
                 "Help", "O programa é fornecido tal como está, sem qualquer garantia. As "
                         "sugestões e as correcções de professores e alunos são bem-vindas.")),
             heading(QT_TRANSLATE_NOOP("Help", "Autoria")),
             signature({QT_TRANSLATE_NOOP("Help", "Ortoplano · Versão 2.2"),
                        QT_TRANSLATE_NOOP("Help", "Os autores do Ortoplano"),
                        QT_TRANSLATE_NOOP("Help", "Distribuição livre para fins educativos")})}};
}

} // namespace

Book makeInstrucoesBook() {
    return {QT_TRANSLATE_NOOP("Help", "Instruções"),
            {purpose(), typingData(), resultsAndAxes(), gridAndFrames(), copying()}};
}

} // namespace Help
