<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="pt">
<context>
    <name>Board</name>
    <message>
        <source>Quadro de desenho</source>
        <translation>Quadro de desenho</translation>
    </message>
</context>
<context>
    <name>BoardDrag</name>
    <message>
        <source>Ponto em %1</source>
        <translation>Ponto em %1</translation>
    </message>
    <message>
        <source>Ponto %1 em %2</source>
        <translation>Ponto %1 em %2</translation>
    </message>
    <message>
        <source>Recta %1</source>
        <translation>Reta %1</translation>
    </message>
    <message>
        <source>Recta %1, rodada em torno de %2</source>
        <translation>Reta %1, rodada em torno de %2</translation>
    </message>
    <message>
        <source>Circunferência %1, centro em %2</source>
        <translation>Circunferência %1, centro em %2</translation>
    </message>
    <message>
        <source>Circunferência %1, raio</source>
        <translation>Circunferência %1, raio</translation>
    </message>
</context>
<context>
    <name>BoardMenu</name>
    <message>
        <source>Copiar imagem</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Guardar imagem como…</source>
        <translation>Guardar imagem como…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Shift+F10 abre o menu para copiar, guardar ou imprimir o desenho.</source>
        <translation>Shift+F10 abre o menu para copiar, guardar ou imprimir o desenho.</translation>
    </message>
    <message>
        <source>Não foi possível guardar a imagem em «%1».

Verifique se a pasta existe e se tem permissão para escrever nela.</source>
        <translation>Não foi possível guardar a imagem em «%1».

Verifique se a pasta existe e se tem permissão para escrever nela.</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o desenho.</source>
        <translation>Não foi possível imprimir o desenho.</translation>
    </message>
</context>
<context>
    <name>Circles1Form</name>
    <message>
        <source>Circunferência dada pela equação</source>
        <translation>Circunferência dada pela equação</translation>
    </message>
    <message>
        <source>Equação da circunferência</source>
        <translation>Equação da circunferência</translation>
    </message>
    <message>
        <source>Circunferência dada pelo centro e pelo raio</source>
        <translation>Circunferência dada pelo centro e pelo raio</translation>
    </message>
    <message>
        <source>Centro:</source>
        <translation>Centro:</translation>
    </message>
    <message>
        <source>Abcissa do centro</source>
        <translation>Abcissa do centro</translation>
    </message>
    <message>
        <source>Ordenada do centro</source>
        <translation>Ordenada do centro</translation>
    </message>
    <message>
        <source>Raio:</source>
        <translation>Raio:</translation>
    </message>
    <message>
        <source>Raio</source>
        <translation>Raio</translation>
    </message>
    <message>
        <source>Recta:</source>
        <translation>Reta:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>P =</source>
        <translation>P =</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Equação da circunferência:</source>
        <translation>Equação da circunferência:</translation>
    </message>
    <message>
        <source>Circunferência:</source>
        <translation>Circunferência:</translation>
    </message>
    <message>
        <source>Equação da tangente:</source>
        <translation>Equação da tangente:</translation>
    </message>
    <message>
        <source>Equação da recta:</source>
        <translation>Equação da reta:</translation>
    </message>
    <message>
        <source>Intersecção:</source>
        <translation>Interseção:</translation>
    </message>
    <message>
        <source>O raio não pode ser zero.</source>
        <translation>O raio não pode ser zero.</translation>
    </message>
    <message>
        <source>A recta contém o centro da circunferência; esta reduz-se a um ponto.</source>
        <translation>A reta contém o centro da circunferência; esta reduz-se a um ponto.</translation>
    </message>
    <message>
        <source>O ponto não pertence à circunferência.</source>
        <translation>O ponto não pertence à circunferência.</translation>
    </message>
    <message>
        <source>A recta não intersecta a circunferência.</source>
        <translation>A reta não interseta a circunferência.</translation>
    </message>
</context>
<context>
    <name>Circles2Form</name>
    <message>
        <source>Inscrita</source>
        <translation>Inscrita</translation>
    </message>
    <message>
        <source>Circunferência inscrita</source>
        <translation>Circunferência inscrita</translation>
    </message>
    <message>
        <source>Circunscrita</source>
        <translation>Circunscrita</translation>
    </message>
    <message>
        <source>Circunferência circunscrita</source>
        <translation>Circunferência circunscrita</translation>
    </message>
    <message>
        <source>Vértices do triângulo:</source>
        <translation>Vértices do triângulo:</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Circunferência:</source>
        <translation>Circunferência:</translation>
    </message>
    <message>
        <source>Equação da circunferência</source>
        <translation>Equação da circunferência</translation>
    </message>
    <message>
        <source>P =</source>
        <translation>P =</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Distância:</source>
        <translation>Distância:</translation>
    </message>
    <message>
        <source>Recta:</source>
        <translation>Reta:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>Centro:</source>
        <translation>Centro:</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Coordenadas dos pontos:</source>
        <translation>Coordenadas dos pontos:</translation>
    </message>
    <message>
        <source>Raio:</source>
        <translation>Raio:</translation>
    </message>
    <message>
        <source>Os pontos são colineares, não definem um triângulo.</source>
        <translation>Os pontos são colineares, não definem um triângulo.</translation>
    </message>
    <message>
        <source>O ponto é interior à circunferência.</source>
        <translation>O ponto é interior à circunferência.</translation>
    </message>
    <message>
        <source>Os pontos não definem uma circunferência</source>
        <translation>Os pontos não definem uma circunferência</translation>
    </message>
</context>
<context>
    <name>Circles3Form</name>
    <message>
        <source>Circunferência:</source>
        <translation>Circunferência:</translation>
    </message>
    <message>
        <source>Equação da primeira circunferência</source>
        <translation>Equação da primeira circunferência</translation>
    </message>
    <message>
        <source>Equação da segunda circunferência</source>
        <translation>Equação da segunda circunferência</translation>
    </message>
    <message>
        <source>Intersecção:</source>
        <translation>Interseção:</translation>
    </message>
    <message>
        <source>P =</source>
        <translation>P =</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Equação da circunferência</source>
        <translation>Equação da circunferência</translation>
    </message>
    <message>
        <source>Rectas:</source>
        <translation>Retas:</translation>
    </message>
    <message>
        <source>Ponto</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Q =</source>
        <translation>Q =</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>da recta:</source>
        <translation>da reta:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>As circunferências não se intersectam.</source>
        <translation>As circunferências não se intersetam.</translation>
    </message>
    <message>
        <source>As circunferências são tangentes.</source>
        <translation>As circunferências são tangentes.</translation>
    </message>
    <message>
        <source>O ponto não é exterior à circunferência.</source>
        <translation>O ponto não é exterior à circunferência.</translation>
    </message>
    <message>
        <source>O ponto Q não pertence à recta.</source>
        <translation>O ponto Q não pertence à reta.</translation>
    </message>
    <message>
        <source>A primeira equação não representa uma circunferência.</source>
        <translation>A primeira equação não representa uma circunferência.</translation>
    </message>
    <message>
        <source>A primeira equação representa um ponto.</source>
        <translation>A primeira equação representa um ponto.</translation>
    </message>
    <message>
        <source>A segunda equação não representa uma circunferência.</source>
        <translation>A segunda equação não representa uma circunferência.</translation>
    </message>
    <message>
        <source>A segunda equação representa um ponto.</source>
        <translation>A segunda equação representa um ponto.</translation>
    </message>
</context>
<context>
    <name>ClassroomDisplay</name>
    <message>
        <source>Modo de projecção</source>
        <translation>Modo de projeção</translation>
    </message>
    <message>
        <source>Nomes dos pontos</source>
        <translation>Nomes dos pontos</translation>
    </message>
    <message>
        <source>Ampliação na projecção</source>
        <translation>Ampliação na projeção</translation>
    </message>
</context>
<context>
    <name>DataHistory</name>
    <message>
        <source>Anular</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Refazer</source>
        <translation>Refazer</translation>
    </message>
</context>
<context>
    <name>Fault</name>
    <message>
        <source>Argumento ou chamada de procedimento inválidos.</source>
        <translation>Argumento ou chamada de procedimento inválidos.</translation>
    </message>
    <message>
        <source>Capacidade excedida.</source>
        <translation>Capacidade excedida.</translation>
    </message>
    <message>
        <source>Memória insuficiente.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Divisão por zero.</source>
        <translation>Divisão por zero.</translation>
    </message>
    <message>
        <source>Tipos incompatíveis.</source>
        <translation>Tipos incompatíveis.</translation>
    </message>
    <message>
        <source>Número de parênteses incorrecto.</source>
        <translation>Número de parênteses incorreto.</translation>
    </message>
    <message>
        <source>Função não definida: </source>
        <translation>Função não definida: </translation>
    </message>
    <message>
        <source>Variável não definida: </source>
        <translation>Variável não definida: </translation>
    </message>
    <message>
        <source>Expressão inválida</source>
        <translation>Expressão inválida</translation>
    </message>
    <message>
        <source>Argumento inválido na expressão: </source>
        <translation>Argumento inválido na expressão: </translation>
    </message>
    <message>
        <source>Erro interno do interpretador.</source>
        <translation>Erro interno do interpretador.</translation>
    </message>
</context>
<context>
    <name>FieldReaders</name>
    <message>
        <source>A equação não representa uma recta.</source>
        <translation>A equação não representa uma reta.</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>Figura: uma circunferência, um raio e a tangente no seu extremo</source>
        <translation>Figura: uma circunferência, um raio e a tangente no seu extremo</translation>
    </message>
    <message>
        <source>Figura: um triângulo e a circunferência nele inscrita</source>
        <translation>Figura: um triângulo e a circunferência nele inscrita</translation>
    </message>
    <message>
        <source>Figura: duas rectas, o ângulo que formam e o ponto onde se cortam</source>
        <translation>Figura: duas retas, o ângulo que formam e o ponto onde se cortam</translation>
    </message>
    <message>
        <source>Figura: um segmento num referencial e o seu ponto médio</source>
        <translation>Figura: um segmento num referencial e o seu ponto médio</translation>
    </message>
</context>
<context>
    <name>Frames</name>
    <message>
        <source>Circunferência de equação...</source>
        <translation>Circunferência de equação...</translation>
    </message>
    <message>
        <source>Circunferência de equação...: centro e raio</source>
        <translation>Circunferência de equação...: centro e raio</translation>
    </message>
    <message>
        <source>Circunferência de equação...: equação</source>
        <translation>Circunferência de equação...: equação</translation>
    </message>
    <message>
        <source>Circunferência com centro num ponto e tg a uma recta</source>
        <translation>Circunferência com centro num ponto e tg a uma reta</translation>
    </message>
    <message>
        <source>Tangente a uma circunferência num dos seus pontos</source>
        <translation>Tangente a uma circunferência num dos seus pontos</translation>
    </message>
    <message>
        <source>Intersecção de uma recta com uma circunferência</source>
        <translation>Interseção de uma reta com uma circunferência</translation>
    </message>
    <message>
        <source>Circunferência e triângulo</source>
        <translation>Circunferência e triângulo</translation>
    </message>
    <message>
        <source>Circunferência e triângulo: inscrita</source>
        <translation>Circunferência e triângulo: inscrita</translation>
    </message>
    <message>
        <source>Circunferência e triângulo: circunscrita</source>
        <translation>Circunferência e triângulo: circunscrita</translation>
    </message>
    <message>
        <source>Distância de um ponto P a uma circunferência</source>
        <translation>Distância de um ponto P a uma circunferência</translation>
    </message>
    <message>
        <source>Circunferência de centro C e tangente a uma recta</source>
        <translation>Circunferência de centro C e tangente a uma reta</translation>
    </message>
    <message>
        <source>Circunferência definida por três pontos</source>
        <translation>Circunferência definida por três pontos</translation>
    </message>
    <message>
        <source>Intersecção de duas circunferências</source>
        <translation>Interseção de duas circunferências</translation>
    </message>
    <message>
        <source>Rectas que passam por P e são tg a uma circunferência</source>
        <translation>Retas que passam por P e são tg a uma circunferência</translation>
    </message>
    <message>
        <source>Circunferência que passa em P e é tg à recta no ponto Q</source>
        <translation>Circunferência que passa em P e é tg à reta no ponto Q</translation>
    </message>
    <message>
        <source>Recta de equação...</source>
        <translation>Reta de equação...</translation>
    </message>
    <message>
        <source>Recta que passa por dois pontos</source>
        <translation>Reta que passa por dois pontos</translation>
    </message>
    <message>
        <source>Recta que passa por um ponto e é paralela a outra</source>
        <translation>Reta que passa por um ponto e é paralela a outra</translation>
    </message>
    <message>
        <source>Recta que passa por um ponto e é perpendicular a outra</source>
        <translation>Reta que passa por um ponto e é perpendicular a outra</translation>
    </message>
    <message>
        <source>Intersecção de duas rectas</source>
        <translation>Interseção de duas retas</translation>
    </message>
    <message>
        <source>Distância entre rectas paralelas</source>
        <translation>Distância entre retas paralelas</translation>
    </message>
    <message>
        <source>Distância de um ponto a uma recta</source>
        <translation>Distância de um ponto a uma reta</translation>
    </message>
    <message>
        <source>Ângulo de duas rectas</source>
        <translation>Ângulo de duas retas</translation>
    </message>
    <message>
        <source>Ver se três pontos são colineares</source>
        <translation>Ver se três pontos são colineares</translation>
    </message>
    <message>
        <source>Coeficiente angular e inclinação de uma recta</source>
        <translation>Coeficiente angular e inclinação de uma reta</translation>
    </message>
    <message>
        <source>Coeficiente angular e inclinação de uma recta: dois pontos</source>
        <translation>Coeficiente angular e inclinação de uma reta: dois pontos</translation>
    </message>
    <message>
        <source>Coeficiente angular e inclinação de uma recta: equação</source>
        <translation>Coeficiente angular e inclinação de uma reta: equação</translation>
    </message>
    <message>
        <source>Posição relativa de duas rectas</source>
        <translation>Posição relativa de duas retas</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e ...</source>
        <translation>Reta que passa num ponto e ...</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e é paralela ao eixo das abcissas</source>
        <translation>Reta que passa num ponto e é paralela ao eixo das abcissas</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e é paralela ao eixo das ordenadas</source>
        <translation>Reta que passa num ponto e é paralela ao eixo das ordenadas</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e tem uma inclinação dada</source>
        <translation>Reta que passa num ponto e tem uma inclinação dada</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e tem um declive dado</source>
        <translation>Reta que passa num ponto e tem um declive dado</translation>
    </message>
    <message>
        <source>Recta que passa num ponto e faz um ângulo dado com outra</source>
        <translation>Reta que passa num ponto e faz um ângulo dado com outra</translation>
    </message>
    <message>
        <source>Bissectrizes de duas rectas concorrentes</source>
        <translation>Bissetrizes de duas retas concorrentes</translation>
    </message>
    <message>
        <source>Representação de um ponto</source>
        <translation>Representação de um ponto</translation>
    </message>
    <message>
        <source>Ponto médio de um segmento</source>
        <translation>Ponto médio de um segmento</translation>
    </message>
    <message>
        <source>Distância entre dois pontos</source>
        <translation>Distância entre dois pontos</translation>
    </message>
    <message>
        <source>Mediatriz de um segmento</source>
        <translation>Mediatriz de um segmento</translation>
    </message>
    <message>
        <source>Pontos notáveis de um triângulo</source>
        <translation>Pontos notáveis de um triângulo</translation>
    </message>
    <message>
        <source>Pontos notáveis de um triângulo: circuncentro</source>
        <translation>Pontos notáveis de um triângulo: circuncentro</translation>
    </message>
    <message>
        <source>Pontos notáveis de um triângulo: incentro</source>
        <translation>Pontos notáveis de um triângulo: incentro</translation>
    </message>
    <message>
        <source>Pontos notáveis de um triângulo: ortocentro</source>
        <translation>Pontos notáveis de um triângulo: ortocentro</translation>
    </message>
    <message>
        <source>Pontos notáveis de um triângulo: baricentro</source>
        <translation>Pontos notáveis de um triângulo: baricentro</translation>
    </message>
    <message>
        <source>Área de um triângulo</source>
        <translation>Área de um triângulo</translation>
    </message>
    <message>
        <source>Ver se são vértices de um triângulo rectângulo</source>
        <translation>Ver se são vértices de um triângulo retângulo</translation>
    </message>
</context>
<context>
    <name>FullScreenBoard</name>
    <message>
        <source>Quadro em ecrã inteiro — ORTOPLANO PLANA</source>
        <translation>Quadro em ecrã inteiro — ORTOPLANO PLANA</translation>
    </message>
    <message>
        <source>Quadro em ecrã inteiro</source>
        <translation>Quadro em ecrã inteiro</translation>
    </message>
    <message>
        <source>D  Dados</source>
        <translation>D  Dados</translation>
    </message>
    <message>
        <source>R ou Enter  Resolver</source>
        <translation>R ou Enter  Resolver</translation>
    </message>
    <message>
        <source>Espaço ou →  passo seguinte</source>
        <translation>Espaço ou →  passo seguinte</translation>
    </message>
    <message>
        <source>←  passo anterior</source>
        <translation>←  passo anterior</translation>
    </message>
    <message>
        <source>Esc  voltar ao formulário</source>
        <translation>Esc  voltar ao formulário</translation>
    </message>
    <message>
        <source>no formulário: %1</source>
        <translation>no formulário: %1</translation>
    </message>
    <message>
        <source>Passo %1 de %2</source>
        <translation>Passo %1 de %2</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>a em radianos</source>
        <translation>a em radianos</translation>
    </message>
    <message>
        <source>valor absoluto</source>
        <translation>valor absoluto</translation>
    </message>
    <message>
        <source>arco-co-seno, em radianos</source>
        <translation>arco-cosseno, em radianos</translation>
    </message>
    <message>
        <source>−1 ≤ a ≤ 1 (para a = ±1, o limite: arccos(1) = 0 e arccos(−1) = π)</source>
        <translation>−1 ≤ a ≤ 1 (para a = ±1, o limite: arccos(1) = 0 e arccos(−1) = π)</translation>
    </message>
    <message>
        <source>arco-co-secante, em radianos</source>
        <translation>arco-cossecante, em radianos</translation>
    </message>
    <message>
        <source>Atenção: esta fórmula não dá o valor principal habitual. O arco cuja co-secante é 2 é π/6, que se obtém com `arcsen(1/2)`.</source>
        <translation>Atenção: esta fórmula não dá o valor principal habitual. O arco cuja cossecante é 2 é π/6, que se obtém com `arcsen(1/2)`.</translation>
    </message>
    <message>
        <source>argumento da co-secante hiperbólica</source>
        <translation>argumento da cossecante hiperbólica</translation>
    </message>
    <message>
        <source>argumento do co-seno hiperbólico</source>
        <translation>argumento do cosseno hiperbólico</translation>
    </message>
    <message>
        <source>arco-co-tangente, em radianos</source>
        <translation>arco-cotangente, em radianos</translation>
    </message>
    <message>
        <source>argumento da co-tangente hiperbólica</source>
        <translation>argumento da cotangente hiperbólica</translation>
    </message>
    <message>
        <source>arco-secante, em radianos</source>
        <translation>arco-secante, em radianos</translation>
    </message>
    <message>
        <source>Atenção: esta fórmula não dá o valor principal habitual. O arco cuja secante é 2 é π/3, que se obtém com `arccos(1/2)`.</source>
        <translation>Atenção: esta fórmula não dá o valor principal habitual. O arco cuja secante é 2 é π/3, que se obtém com `arccos(1/2)`.</translation>
    </message>
    <message>
        <source>argumento da secante hiperbólica</source>
        <translation>argumento da secante hiperbólica</translation>
    </message>
    <message>
        <source>arco-seno, em radianos</source>
        <translation>arco-seno, em radianos</translation>
    </message>
    <message>
        <source>−1 ≤ a ≤ 1 (para a = ±1, o limite: arcsen(1) = π/2)</source>
        <translation>−1 ≤ a ≤ 1 (para a = ±1, o limite: arcsen(1) = π/2)</translation>
    </message>
    <message>
        <source>argumento do seno hiperbólico</source>
        <translation>argumento do seno hiperbólico</translation>
    </message>
    <message>
        <source>o mesmo que arcsen( ), com o nome inglês</source>
        <translation>o mesmo que arcsen( ), com o nome inglês</translation>
    </message>
    <message>
        <source>o mesmo que arcsenh( ), com o nome inglês</source>
        <translation>o mesmo que arcsenh( ), com o nome inglês</translation>
    </message>
    <message>
        <source>arco-tangente, em radianos</source>
        <translation>arco-tangente, em radianos</translation>
    </message>
    <message>
        <source>argumento da tangente hiperbólica</source>
        <translation>argumento da tangente hiperbólica</translation>
    </message>
    <message>
        <source>co-secante hiperbólica</source>
        <translation>cossecante hiperbólica</translation>
    </message>
    <message>
        <source>co-seno hiperbólico</source>
        <translation>cosseno hiperbólico</translation>
    </message>
    <message>
        <source>o mesmo que cotg( ), com o nome inglês</source>
        <translation>o mesmo que cotg( ), com o nome inglês</translation>
    </message>
    <message>
        <source>co-tangente hiperbólica</source>
        <translation>cotangente hiperbólica</translation>
    </message>
    <message>
        <source>Usa o valor exacto de e; a constante e tem só dez algarismos.</source>
        <translation>Usa o valor exato de e; a constante e tem só dez algarismos.</translation>
    </message>
    <message>
        <source>parte inteira, por truncatura</source>
        <translation>parte inteira, por truncatura</translation>
    </message>
    <message>
        <source>converte radianos em graus</source>
        <translation>converte radianos em graus</translation>
    </message>
    <message>
        <source>O factor de conversão tem doze algarismos, daí a diferença na última casa do segundo exemplo.</source>
        <translation>O fator de conversão tem doze algarismos, daí a diferença na última casa do segundo exemplo.</translation>
    </message>
    <message>
        <source>maior inteiro que não excede a</source>
        <translation>maior inteiro que não excede a</translation>
    </message>
    <message>
        <source>logaritmo natural (de base e)</source>
        <translation>logaritmo natural (de base e)</translation>
    </message>
    <message>
        <source>logaritmo natural, o mesmo que ln( )</source>
        <translation>logaritmo natural, o mesmo que ln( )</translation>
    </message>
    <message>
        <source>logaritmo decimal</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>log10(a) = ln(a) / ln(10)</source>
        <translation>log10(a) = ln(a) / ln(10)</translation>
    </message>
    <message>
        <source>logaritmo de base 2</source>
        <translation>logaritmo de base 2</translation>
    </message>
    <message>
        <source>log2(a) = ln(a) / ln(2)</source>
        <translation>log2(a) = ln(a) / ln(2)</translation>
    </message>
    <message>
        <source>logaritmo de a na base b</source>
        <translation>logaritmo de a na base b</translation>
    </message>
    <message>
        <source>parte fraccionária</source>
        <translation>parte fracionária</translation>
    </message>
    <message>
        <source>o maior de dois valores</source>
        <translation>o maior de dois valores</translation>
    </message>
    <message>
        <source>Só contam o primeiro e o último valor entre os parênteses.</source>
        <translation>Só contam o primeiro e o último valor entre os parênteses.</translation>
    </message>
    <message>
        <source>o 5 não conta</source>
        <translation>o 5 não conta</translation>
    </message>
    <message>
        <source>o menor de dois valores</source>
        <translation>o menor de dois valores</translation>
    </message>
    <message>
        <source>resto da divisão inteira</source>
        <translation>resto da divisão inteira</translation>
    </message>
    <message>
        <source>O resto tem o sinal de a; um meio arredonda-se para o número par mais próximo (7,5 passa a 8).</source>
        <translation>O resto tem o sinal de a; um meio arredonda-se para o número par mais próximo (7,5 passa a 8).</translation>
    </message>
    <message>
        <source>converte graus em radianos</source>
        <translation>converte graus em radianos</translation>
    </message>
    <message>
        <source>inteiro ao acaso</source>
        <translation>inteiro ao acaso</translation>
    </message>
    <message>
        <source>um dos inteiros 0, 1, 2, 3, 4 ou 5</source>
        <translation>um dos inteiros 0, 1, 2, 3, 4 ou 5</translation>
    </message>
    <message>
        <source>um inteiro de 1 a 6, como um dado</source>
        <translation>um inteiro de 1 a 6, como um dado</translation>
    </message>
    <message>
        <source>real ao acaso entre a e b</source>
        <translation>real ao acaso entre a e b</translation>
    </message>
    <message>
        <source>um número de [2 ; 4[</source>
        <translation>um número de [2 ; 4[</translation>
    </message>
    <message>
        <source>número ao acaso</source>
        <translation>número ao acaso</translation>
    </message>
    <message>
        <source>Sem parênteses, rnd é uma constante que vale um novo número ao acaso de cada vez.</source>
        <translation>Sem parênteses, rnd é uma constante que vale um novo número ao acaso de cada vez.</translation>
    </message>
    <message>
        <source>um número de [0 ; 1[</source>
        <translation>um número de [0 ; 1[</translation>
    </message>
    <message>
        <source>secante hiperbólica</source>
        <translation>secante hiperbólica</translation>
    </message>
    <message>
        <source>seno hiperbólico</source>
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <source>o mesmo que sen( ), com o nome inglês</source>
        <translation>o mesmo que sen( ), com o nome inglês</translation>
    </message>
    <message>
        <source>o mesmo que senh( ), com o nome inglês</source>
        <translation>o mesmo que senh( ), com o nome inglês</translation>
    </message>
    <message>
        <source>raiz quadrada</source>
        <translation>raiz quadrada</translation>
    </message>
    <message>
        <source>O nome inglês tan não é reconhecido: escreva tg.</source>
        <translation>O nome inglês tan não é reconhecido: escreva tg.</translation>
    </message>
    <message>
        <source>Função não definida: tan()</source>
        <translation>Função não definida: tan()</translation>
    </message>
    <message>
        <source>tangente hiperbólica</source>
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <source>Funções definidas</source>
        <translation>Funções definidas</translation>
    </message>
    <message>
        <source>Em qualquer campo numérico pode usar-se uma das funções destas páginas. O argumento escreve-se entre parênteses, logo a seguir ao nome: `sen(1)`, e não `sen 1`. As funções de dois argumentos separam-nos por uma vírgula: `logn(8,2)`.</source>
        <translation>Em qualquer campo numérico pode usar-se uma das funções destas páginas. O argumento escreve-se entre parênteses, logo a seguir ao nome: `sen(1)`, e não `sen 1`. As funções de dois argumentos separam-nos por uma vírgula: `logn(8,2)`.</translation>
    </message>
    <message>
        <source>Os ângulos estão sempre em **radianos**. Para usar graus, converta com `rad( )`: o seno de 90° escreve-se `sen(rad(90))`.</source>
        <translation>Os ângulos estão sempre em **radianos**. Para usar graus, converta com `rad( )`: o seno de 90° escreve-se `sen(rad(90))`.</translation>
    </message>
    <message>
        <source>Constantes</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Sem parênteses, `rnd` vale um número ao acaso de [0 ; 1[.</source>
        <translation>Sem parênteses, `rnd` vale um número ao acaso de [0 ; 1[.</translation>
    </message>
    <message>
        <source>Como ler as páginas seguintes</source>
        <translation>Como ler as páginas seguintes</translation>
    </message>
    <message>
        <source>Cada função tem o seu nome, a fórmula que a define e exemplos de expressões aceites, com os respectivos valores. Nas expressões o separador decimal é o ponto, que serve também dentro das funções; os valores aparecem com vírgula, como nos resultados do programa.</source>
        <translation>Cada função tem o seu nome, a fórmula que a define e exemplos de expressões aceites, com os respetivos valores. Nas expressões o separador decimal é o ponto, que serve também dentro das funções; os valores aparecem com vírgula, como nos resultados do programa.</translation>
    </message>
    <message>
        <source>Um argumento fora do domínio ou uma divisão por zero não dá valor: o programa mostra uma mensagem de erro.</source>
        <translation>Um argumento fora do domínio ou uma divisão por zero não dá valor: o programa mostra uma mensagem de erro.</translation>
    </message>
    <message>
        <source>Lista das funções</source>
        <translation>Lista das funções</translation>
    </message>
    <message>
        <source>Todas as funções que se podem escrever nos campos, por ordem alfabética, com o número da página em que cada uma é descrita. As funções com nome inglês (`arcsin`, `arcsinh`, `cotan`, `sin`, `sinh`) são iguais às portuguesas correspondentes.</source>
        <translation>Todas as funções que se podem escrever nos campos, por ordem alfabética, com o número da página em que cada uma é descrita. As funções com nome inglês (`arcsin`, `arcsinh`, `cotan`, `sin`, `sinh`) são iguais às portuguesas correspondentes.</translation>
    </message>
    <message>
        <source>Domínio: %1.</source>
        <translation>Domínio: %1.</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Problemas contidos nas páginas deste programa</source>
        <translation>Problemas contidos nas páginas deste programa</translation>
    </message>
    <message>
        <source>Ortoplano — geometria analítica plana</source>
        <translation>Ortoplano — geometria analítica plana</translation>
    </message>
    <message>
        <source>Para que serve</source>
        <translation>Para que serve</translation>
    </message>
    <message>
        <source>O Ortoplano apoia o ensino da geometria analítica plana no ensino secundário. Cada página tem uma janela de desenho com um referencial cartesiano e vários problemas clássicos: o ponto médio de um segmento, a recta que passa por dois pontos, a tangente a uma circunferência num dos seus pontos, os pontos notáveis de um triângulo e muitos outros.</source>
        <translation>O Ortoplano apoia o ensino da geometria analítica plana no ensino secundário. Cada página tem uma janela de desenho com um referencial cartesiano e vários problemas clássicos: o ponto médio de um segmento, a reta que passa por dois pontos, a tangente a uma circunferência num dos seus pontos, os pontos notáveis de um triângulo e muitos outros.</translation>
    </message>
    <message>
        <source>Cada problema traz um exemplo já preenchido. O professor pode mostrar primeiro os dados e só depois a solução; o aluno pode mudar os dados e confirmar os resultados a que chegou no caderno.</source>
        <translation>Cada problema traz um exemplo já preenchido. O professor pode mostrar primeiro os dados e só depois a solução; o aluno pode mudar os dados e confirmar os resultados a que chegou no caderno.</translation>
    </message>
    <message>
        <source>Como começar</source>
        <translation>Como começar</translation>
    </message>
    <message>
        <source>Escolha um tema no menu da janela principal: Pontos, Reta 1 a Reta 4, Circunferência 1 a 3 ou Triângulo. Os botões de cada página levam às outras páginas, a estas instruções, ao índice dos problemas, à sintaxe e à lista das funções.</source>
        <translation>Escolha um tema no menu da janela principal: Pontos, Reta 1 a Reta 4, Circunferência 1 a 3 ou Triângulo. Os botões de cada página levam às outras páginas, a estas instruções, ao índice dos problemas, à sintaxe e à lista das funções.</translation>
    </message>
    <message>
        <source>Versão 2.2</source>
        <translation>Versão 2.2</translation>
    </message>
    <message>
        <source>Alterações das últimas versões:</source>
        <translation>Alterações das últimas versões:</translation>
    </message>
    <message>
        <source>**2.2** — páginas de ajuda sobre a sintaxe e as funções definidas, e um índice de todos os problemas.</source>
        <translation>**2.2** — páginas de ajuda sobre a sintaxe e as funções definidas, e um índice de todos os problemas.</translation>
    </message>
    <message>
        <source>**2.1** — setas junto dos limites dos eixos, que mudam os limites aos pares e mantêm o referencial monométrico.</source>
        <translation>**2.1** — setas junto dos limites dos eixos, que mudam os limites aos pares e mantêm o referencial monométrico.</translation>
    </message>
    <message>
        <source>**2.0** — as equações das rectas e das circunferências podem ser escritas em qualquer disposição.</source>
        <translation>**2.0** — as equações das retas e das circunferências podem ser escritas em qualquer disposição.</translation>
    </message>
    <message>
        <source>Como escrever os dados</source>
        <translation>Como escrever os dados</translation>
    </message>
    <message>
        <source>Valores numéricos</source>
        <translation>Valores numéricos</translation>
    </message>
    <message>
        <source>Cada campo aceita um número ou uma expressão, como `2/3`, `sqr(2)` ou `2pi/3`. O separador decimal é a vírgula ou o ponto: `2,5` ou `2.5`. As regras completas estão na página Sintaxe.</source>
        <translation>Cada campo aceita um número ou uma expressão, como `2/3`, `sqr(2)` ou `2pi/3`. O separador decimal é a vírgula ou o ponto: `2,5` ou `2.5`. As regras completas estão na página Sintaxe.</translation>
    </message>
    <message>
        <source>Equações de rectas e de circunferências</source>
        <translation>Equações de retas e de circunferências</translation>
    </message>
    <message>
        <source>As equações podem escrever-se em qualquer disposição: com ou sem parênteses, com os termos semelhantes reduzidos ou não, com o segundo membro igual a zero ou a qualquer outra expressão. Estas equações descrevem a mesma recta:</source>
        <translation>As equações podem escrever-se em qualquer disposição: com ou sem parênteses, com os termos semelhantes reduzidos ou não, com o segundo membro igual a zero ou a qualquer outra expressão. Estas equações descrevem a mesma reta:</translation>
    </message>
    <message>
        <source>E estas, a mesma circunferência:</source>
        <translation>E estas, a mesma circunferência:</translation>
    </message>
    <message>
        <source>Os dois botões</source>
        <translation>Os dois botões</translation>
    </message>
    <message>
        <source>**Dados** desenha a azul os dados do problema.</source>
        <translation>**Dados** desenha a azul os dados do problema.</translation>
    </message>
    <message>
        <source>**Resolver** desenha os dados e depois, a vermelho, a solução, e escreve o resultado no quadro do problema.</source>
        <translation>**Resolver** desenha os dados e depois, a vermelho, a solução, e escreve o resultado no quadro do problema.</translation>
    </message>
    <message>
        <source>Porque não aparecem fracções</source>
        <translation>Porque não aparecem frações</translation>
    </message>
    <message>
        <source>O computador calcula com números decimais aproximados: 1/3 fica guardado como 0,333333333333333. Perante um resultado como 0,67 não há maneira segura de saber se vem de 2/3 ou de 67/100. Por isso o programa mostra o valor decimal e deixa ao aluno a passagem à fracção, quando ela existe.</source>
        <translation>O computador calcula com números decimais aproximados: 1/3 fica guardado como 0,333333333333333. Perante um resultado como 0,67 não há maneira segura de saber se vem de 2/3 ou de 67/100. Por isso o programa mostra o valor decimal e deixa ao aluno a passagem à fração, quando ela existe.</translation>
    </message>
    <message>
        <source>Resultados e eixos</source>
        <translation>Resultados e eixos</translation>
    </message>
    <message>
        <source>Arredondamento</source>
        <translation>Arredondamento</translation>
    </message>
    <message>
        <source>Os resultados que não são inteiros aparecem arredondados a duas casas decimais: 2/3 aparece como 0,67. Os resultados não são simplificados, e por isso podem surgir equações como</source>
        <translation>Os resultados que não são inteiros aparecem arredondados a duas casas decimais: 2/3 aparece como 0,67. Os resultados não são simplificados, e por isso podem surgir equações como</translation>
    </message>
    <message>
        <source>que o aluno simplificará para x+y+1=0. Assim vê-se de onde vem cada coeficiente.</source>
        <translation>que o aluno simplificará para x+y+1=0. Assim vê-se de onde vem cada coeficiente.</translation>
    </message>
    <message>
        <source>Os eixos</source>
        <translation>Os eixos</translation>
    </message>
    <message>
        <source>Ao abrir uma página, os dois eixos estão graduados de −10 a 10. Os limites mudam-se nos campos Xmínimo, Xmáximo, Ymínimo e Ymáximo do quadro Eixos; a nova janela aparece no próximo Dados ou Resolver.</source>
        <translation>Ao abrir uma página, os dois eixos estão graduados de −10 a 10. Os limites mudam-se nos campos Xmínimo, Xmáximo, Ymínimo e Ymáximo do quadro Eixos; a nova janela aparece no próximo Dados ou Resolver.</translation>
    </message>
    <message>
        <source>Quando deixa de haver graduação</source>
        <translation>Quando deixa de haver graduação</translation>
    </message>
    <message>
        <source>Se a diferença entre Xmáximo e Xmínimo passar de 50, os eixos deixam de ser graduados e não se desenha a grelha, porque os números e as linhas ficariam sobrepostos:</source>
        <translation>Se a diferença entre Xmáximo e Xmínimo passar de 50, os eixos deixam de ser graduados e não se desenha a grelha, porque os números e as linhas ficariam sobrepostos:</translation>
    </message>
    <message>
        <source>| Xmáximo − Xmínimo | &gt; 50   ⇒   sem graduação nem grelha</source>
        <translation>| Xmáximo − Xmínimo | &gt; 50   ⇒   sem graduação nem grelha</translation>
    </message>
    <message>
        <source>Só a largura conta: de −10 a 10 em x e de −100 a 100 em y, os dois eixos continuam graduados. Sem graduação, algumas páginas escrevem as coordenadas dos pontos junto dos eixos.</source>
        <translation>Só a largura conta: de −10 a 10 em x e de −100 a 100 em y, os dois eixos continuam graduados. Sem graduação, algumas páginas escrevem as coordenadas dos pontos junto dos eixos.</translation>
    </message>
    <message>
        <source>Grelha e referencial monométrico</source>
        <translation>Grelha e referencial monométrico</translation>
    </message>
    <message>
        <source>A grelha</source>
        <translation>A grelha</translation>
    </message>
    <message>
        <source>A caixa «Desenhar grelha» do quadro Eixos acrescenta uma grelha cinzenta de unidade em unidade.</source>
        <translation>A caixa «Desenhar grelha» do quadro Eixos acrescenta uma grelha cinzenta de unidade em unidade.</translation>
    </message>
    <message>
        <source>Porque o referencial deve ser monométrico</source>
        <translation>Porque o referencial deve ser monométrico</translation>
    </message>
    <message>
        <source>A janela de desenho é quadrada. Com a mesma amplitude nos dois eixos o referencial é monométrico e as figuras não se deformam; com amplitudes diferentes fica dimétrico e os ângulos rectos deixam de parecer rectos.</source>
        <translation>A janela de desenho é quadrada. Com a mesma amplitude nos dois eixos o referencial é monométrico e as figuras não se deformam; com amplitudes diferentes fica dimétrico e os ângulos retos deixam de parecer retos.</translation>
    </message>
    <message>
        <source>As setas junto dos limites</source>
        <translation>As setas junto dos limites</translation>
    </message>
    <message>
        <source>As pequenas setas mudam os limites aos pares, uma unidade de cada vez: as de Xmínimo e Ymínimo deslocam o canto inferior esquerdo da janela, as de Xmáximo e Ymáximo o canto superior direito. Um referencial quadrado continua quadrado; escrever os limites nos campos pode torná-lo dimétrico.</source>
        <translation>As pequenas setas mudam os limites aos pares, uma unidade de cada vez: as de Xmínimo e Ymínimo deslocam o canto inferior esquerdo da janela, as de Xmáximo e Ymáximo o canto superior direito. Um referencial quadrado continua quadrado; escrever os limites nos campos pode torná-lo dimétrico.</translation>
    </message>
    <message>
        <source>Exemplo: página Circunferência 3</source>
        <translation>Exemplo: página Circunferência 3</translation>
    </message>
    <message>
        <source>Com os eixos de −10 a 10, as tangentes são perpendiculares e tocam a circunferência.</source>
        <translation>Com os eixos de −10 a 10, as tangentes são perpendiculares e tocam a circunferência.</translation>
    </message>
    <message>
        <source>Quatro cliques na seta para baixo de Xmínimo levam Xmínimo e Ymínimo a −14: a figura fica mais pequena, mas fiel.</source>
        <translation>Quatro cliques na seta para baixo de Xmínimo levam Xmínimo e Ymínimo a −14: a figura fica mais pequena, mas fiel.</translation>
    </message>
    <message>
        <source>Escrevendo só Ymínimo = −4, a unidade vertical cresce: a circunferência continua redonda no ecrã, mas as tangentes esticam-se e já não parecem tocá-la nem ser perpendiculares.</source>
        <translation>Escrevendo só Ymínimo = −4, a unidade vertical cresce: a circunferência continua redonda no ecrã, mas as tangentes esticam-se e já não parecem tocá-la nem ser perpendiculares.</translation>
    </message>
    <message>
        <source>Cópia e autoria</source>
        <translation>Cópia e autoria</translation>
    </message>
    <message>
        <source>Distribuição</source>
        <translation>Distribuição</translation>
    </message>
    <message>
        <source>O Ortoplano é software livre, distribuído gratuitamente e sem fins comerciais, para uso no ensino. Escolas, professores e alunos podem copiá-lo, distribuí-lo e modificá-lo nos termos da Licença Pública Geral GNU (GPL), versão 3 ou posterior.</source>
        <translation>O Ortoplano é software livre, distribuído gratuitamente e sem fins comerciais, para uso no ensino. Escolas, professores e alunos podem copiá-lo, distribuí-lo e modificá-lo nos termos da Licença Pública Geral GNU (GPL), versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>Quem o distribuir deve acompanhá-lo do código-fonte e desta mesma licença, para que também quem o recebe o possa copiar livremente.</source>
        <translation>Quem o distribuir deve acompanhá-lo do código-fonte e desta mesma licença, para que também quem o recebe o possa copiar livremente.</translation>
    </message>
    <message>
        <source>O programa é fornecido tal como está, sem qualquer garantia. As sugestões e as correcções de professores e alunos são bem-vindas.</source>
        <translation>O programa é fornecido tal como está, sem qualquer garantia. As sugestões e as correções de professores e alunos são bem-vindas.</translation>
    </message>
    <message>
        <source>Autoria</source>
        <translation>Autoria</translation>
    </message>
    <message>
        <source>Ortoplano · Versão 2.2</source>
        <translation>Ortoplano · Versão 2.2</translation>
    </message>
    <message>
        <source>Os autores do Ortoplano</source>
        <translation>Os autores do Ortoplano</translation>
    </message>
    <message>
        <source>Distribuição livre para fins educativos</source>
        <translation>Distribuição livre para fins educativos</translation>
    </message>
    <message>
        <source>Instruções</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Número de parênteses incorrecto.</source>
        <translation>Número de parênteses incorreto.</translation>
    </message>
    <message>
        <source>Expressão inválida</source>
        <translation>Expressão inválida</translation>
    </message>
    <message>
        <source>Regras gerais</source>
        <translation>Regras gerais</translation>
    </message>
    <message>
        <source>Os argumentos das funções escrevem-se sempre entre parênteses: `sen(1)`, `sqr(2)`, `log(10)`. Uma função de dois argumentos separa-os por uma vírgula: `logn(8,2)`.</source>
        <translation>Os argumentos das funções escrevem-se sempre entre parênteses: `sen(1)`, `sqr(2)`, `log(10)`. Uma função de dois argumentos separa-os por uma vírgula: `logn(8,2)`.</translation>
    </message>
    <message>
        <source>Os nomes das funções são portugueses: `sen`, `cos`, `tg`, `cotg`, `arcsen`, `arctg`… São aceites também alguns nomes ingleses: `sin`, `arcsin`, `sinh`, `arcsinh` e `cotan`. A tangente escreve-se sempre `tg`: o nome `tan` não é reconhecido.</source>
        <translation>Os nomes das funções são portugueses: `sen`, `cos`, `tg`, `cotg`, `arcsen`, `arctg`… São aceites também alguns nomes ingleses: `sin`, `arcsin`, `sinh`, `arcsinh` e `cotan`. A tangente escreve-se sempre `tg`: o nome `tan` não é reconhecido.</translation>
    </message>
    <message>
        <source>Os parênteses têm de estar equilibrados, tantos a abrir como a fechar, e são todos do mesmo tipo, o que envolve os argumentos das funções: `(` e `)`. Parênteses rectos e chavetas não agrupam nada: o programa passa por cima deles.</source>
        <translation>Os parênteses têm de estar equilibrados, tantos a abrir como a fechar, e são todos do mesmo tipo, o que envolve os argumentos das funções: `(` e `)`. Parênteses retos e chavetas não agrupam nada: o programa passa por cima deles.</translation>
    </message>
    <message>
        <source>Os parênteses desnecessários são ignorados.</source>
        <translation>Os parênteses desnecessários são ignorados.</translation>
    </message>
    <message>
        <source>Exemplos</source>
        <translation>Exemplos</translation>
    </message>
    <message>
        <source>parênteses a mais não fazem mal</source>
        <translation>parênteses a mais não fazem mal</translation>
    </message>
    <message>
        <source>escreva tg(1)</source>
        <translation>escreva tg(1)</translation>
    </message>
    <message>
        <source>Argumento inválido na expressão: sen()</source>
        <translation>Argumento inválido na expressão: sen()</translation>
    </message>
    <message>
        <source>os parênteses rectos não contam: 2+3*2</source>
        <translation>os parênteses retos não contam: 2+3*2</translation>
    </message>
    <message>
        <source>Composição, espaços e constantes</source>
        <translation>Composição, espaços e constantes</translation>
    </message>
    <message>
        <source>**Composição.** O argumento de uma função pode ser qualquer expressão, outra função incluída.</source>
        <translation>**Composição.** O argumento de uma função pode ser qualquer expressão, outra função incluída.</translation>
    </message>
    <message>
        <source>**Espaços.** Os espaços são ignorados. **Maiúsculas e minúsculas** são equivalentes.</source>
        <translation>**Espaços.** Os espaços são ignorados. **Maiúsculas e minúsculas** são equivalentes.</translation>
    </message>
    <message>
        <source>**Multiplicação.** O sinal `*` pode omitir-se entre um número e o que se lhe segue: `2pi`, `3(1+1)`, `2sen(1)`. Não se pode omitir entre duas funções ou duas variáveis: `sen(x)cos(x)` está errado, o certo é `sen(x)*cos(x)`.</source>
        <translation>**Multiplicação.** O sinal `*` pode omitir-se entre um número e o que se lhe segue: `2pi`, `3(1+1)`, `2sen(1)`. Não se pode omitir entre duas funções ou duas variáveis: `sen(x)cos(x)` está errado, o certo é `sen(x)*cos(x)`.</translation>
    </message>
    <message>
        <source>só conta sen(1)</source>
        <translation>só conta sen(1)</translation>
    </message>
    <message>
        <source>**Numerais decimais.** Pode usar a vírgula ou o ponto como separador decimal: `2,5` ou `2.5`; dentro de uma função a vírgula separa os argumentos: `logn(8,2)`.</source>
        <translation>**Numerais decimais.** Pode usar a vírgula ou o ponto como separador decimal: `2,5` ou `2.5`; dentro de uma função a vírgula separa os argumentos: `logn(8,2)`.</translation>
    </message>
    <message>
        <source>**Constantes.** Há duas constantes com nome:</source>
        <translation>**Constantes.** Há duas constantes com nome:</translation>
    </message>
    <message>
        <source>Valores numéricos nos campos</source>
        <translation>Valores numéricos nos campos</translation>
    </message>
    <message>
        <source>Em cada campo numérico pode escrever-se um número ou qualquer expressão cujo valor seja um número real. O programa calcula-a e usa o valor obtido, sem o arredondar.</source>
        <translation>Em cada campo numérico pode escrever-se um número ou qualquer expressão cujo valor seja um número real. O programa calcula-a e usa o valor obtido, sem o arredondar.</translation>
    </message>
    <message>
        <source>Nos números decimais pode usar-se a **vírgula** ou o **ponto**. Entre os parênteses de uma função a vírgula separa os argumentos: aí escreva o ponto, ou ponha o número entre parênteses. Uma vírgula que não esteja entre dois algarismos nem numa função é um erro.</source>
        <translation>Nos números decimais pode usar-se a **vírgula** ou o **ponto**. Entre os parênteses de uma função a vírgula separa os argumentos: aí escreva o ponto, ou ponha o número entre parênteses. Uma vírgula que não esteja entre dois algarismos nem numa função é um erro.</translation>
    </message>
    <message>
        <source>Valores válidos</source>
        <translation>Valores válidos</translation>
    </message>
    <message>
        <source>a potência calcula-se antes do sinal</source>
        <translation>a potência calcula-se antes do sinal</translation>
    </message>
    <message>
        <source>da esquerda para a direita: (2^3)^2</source>
        <translation>da esquerda para a direita: (2^3)^2</translation>
    </message>
    <message>
        <source>Valores errados</source>
        <translation>Valores errados</translation>
    </message>
    <message>
        <source>na função a vírgula separa: é a raiz de 2</source>
        <translation>na função a vírgula separa: é a raiz de 2</translation>
    </message>
    <message>
        <source>um número tem um só separador</source>
        <translation>um número tem um só separador</translation>
    </message>
    <message>
        <source>escreva 2^(-1)</source>
        <translation>escreva 2^(-1)</translation>
    </message>
    <message>
        <source>Variável não definida: y</source>
        <translation>Variável não definida: y</translation>
    </message>
    <message>
        <source>Operações</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Os espaços não têm qualquer significado. As operações escrevem-se com estes símbolos:</source>
        <translation>Os espaços não têm qualquer significado. As operações escrevem-se com estes símbolos:</translation>
    </message>
    <message>
        <source>adição</source>
        <translation>adição</translation>
    </message>
    <message>
        <source>subtracção</source>
        <translation>subtração</translation>
    </message>
    <message>
        <source>multiplicação</source>
        <translation>multiplicação</translation>
    </message>
    <message>
        <source>divisão</source>
        <translation>divisão</translation>
    </message>
    <message>
        <source>divisão inteira</source>
        <translation>divisão inteira</translation>
    </message>
    <message>
        <source>potência</source>
        <translation>potência</translation>
    </message>
    <message>
        <source>Os operandos de `\` e de `%` são arredondados às unidades antes da divisão; um meio arredonda-se para o número par.</source>
        <translation>Os operandos de `\` e de `%` são arredondados às unidades antes da divisão; um meio arredonda-se para o número par.</translation>
    </message>
    <message>
        <source>7,5 passa a 8</source>
        <translation>7,5 passa a 8</translation>
    </message>
    <message>
        <source>Prioridades</source>
        <translation>Prioridades</translation>
    </message>
    <message>
        <source>Calculam-se primeiro as funções e o que está entre parênteses, depois as potências, o sinal menos, a multiplicação e as divisões, o resto (`%`) e por fim a adição e a subtracção. Operações da mesma prioridade fazem-se da esquerda para a direita.</source>
        <translation>Calculam-se primeiro as funções e o que está entre parênteses, depois as potências, o sinal menos, a multiplicação e as divisões, o resto (`%`) e por fim a adição e a subtração. Operações da mesma prioridade fazem-se da esquerda para a direita.</translation>
    </message>
    <message>
        <source>Outras raízes</source>
        <translation>Outras raízes</translation>
    </message>
    <message>
        <source>A raiz quadrada é `sqr( )`; as outras escrevem-se como potências.</source>
        <translation>A raiz quadrada é `sqr( )`; as outras escrevem-se como potências.</translation>
    </message>
    <message>
        <source>raiz cúbica de 8</source>
        <translation>raiz cúbica de 8</translation>
    </message>
    <message>
        <source>Sintaxe</source>
        <translation>Sintaxe</translation>
    </message>
    <message>
        <source>No problema «Rectas que passam por P e são tg a uma circunferência», com P&#xa0;=&#xa0;(−1&#xa0;,&#xa0;0) e a circunferência x^2+y^2−2x−1=0, o programa dá as tangentes y&#xa0;=&#xa0;x+1 e y&#xa0;=&#xa0;−x−1:</source>
        <translation>No problema «Retas que passam por P e são tg a uma circunferência», com P&#xa0;=&#xa0;(−1&#xa0;,&#xa0;0) e a circunferência x^2+y^2−2x−1=0, o programa dá as tangentes y&#xa0;=&#xa0;x+1 e y&#xa0;=&#xa0;−x−1:</translation>
    </message>
    <message>
        <source>erro: %1</source>
        <translation>erro: %1</translation>
    </message>
    <message>
        <source>co-seno</source>
        <translation>cosseno</translation>
    </message>
    <message>
        <source>co-secante</source>
        <translation>cossecante</translation>
    </message>
    <message>
        <source>co-tangente</source>
        <translation>cotangente</translation>
    </message>
    <message>
        <source>exponencial</source>
        <translation>exponencial</translation>
    </message>
    <message>
        <source>secante</source>
        <translation>secante</translation>
    </message>
    <message>
        <source>seno</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>sinal</source>
        <translation>sinal</translation>
    </message>
    <message>
        <source>tangente</source>
        <translation>tangente</translation>
    </message>
</context>
<context>
    <name>HelpTips</name>
    <message>
        <source>Instruções</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Mostrar o índice deste programa</source>
        <translation>Mostrar o índice deste programa</translation>
    </message>
    <message>
        <source>Sintaxe</source>
        <translation>Sintaxe</translation>
    </message>
    <message>
        <source>Funções</source>
        <translation>Funções</translation>
    </message>
    <message>
        <source>Ver as Funções Definidas</source>
        <translation>Ver as Funções Definidas</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Abandonar o programa</source>
        <translation>Abandonar o programa</translation>
    </message>
    <message>
        <source>Ver as instruções</source>
        <translation>Ver as instruções</translation>
    </message>
    <message>
        <source>Ver a Sintaxe</source>
        <translation>Ver a Sintaxe</translation>
    </message>
    <message>
        <source>Fechar esta janela</source>
        <translation>Fechar esta janela</translation>
    </message>
    <message>
        <source>Mostrar as Instruções</source>
        <translation>Mostrar as Instruções</translation>
    </message>
    <message>
        <source>Mostrar a Sintaxe</source>
        <translation>Mostrar a Sintaxe</translation>
    </message>
    <message>
        <source>Fechar esta página</source>
        <translation>Fechar esta página</translation>
    </message>
    <message>
        <source>Ver as Instruções</source>
        <translation>Ver as Instruções</translation>
    </message>
</context>
<context>
    <name>Lines1Form</name>
    <message>
        <source>Recta:</source>
        <translation>Reta:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>A =</source>
        <translation>A =</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>B =</source>
        <translation>B =</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Equação da recta:</source>
        <translation>Equação da reta:</translation>
    </message>
    <message>
        <source>P =</source>
        <translation>P =</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Equação da recta dada</source>
        <translation>Equação da reta dada</translation>
    </message>
    <message>
        <source>Q =</source>
        <translation>Q =</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Não há recta nessas condições. Altere as coordenadas dos pontos.</source>
        <translation>Não há reta nessas condições. Altere as coordenadas dos pontos.</translation>
    </message>
</context>
<context>
    <name>Lines2Form</name>
    <message>
        <source>Rectas:</source>
        <translation>Retas:</translation>
    </message>
    <message>
        <source>Equação da primeira recta</source>
        <translation>Equação da primeira reta</translation>
    </message>
    <message>
        <source>Equação da segunda recta</source>
        <translation>Equação da segunda reta</translation>
    </message>
    <message>
        <source>Intersecção:</source>
        <translation>Interseção:</translation>
    </message>
    <message>
        <source>Distância:</source>
        <translation>Distância:</translation>
    </message>
    <message>
        <source>Recta:</source>
        <translation>Reta:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>P =</source>
        <translation>P =</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Ângulo:</source>
        <translation>Ângulo:</translation>
    </message>
    <message>
        <source>As rectas são coincidentes.</source>
        <translation>As retas são coincidentes.</translation>
    </message>
    <message>
        <source>As rectas são paralelas.</source>
        <translation>As retas são paralelas.</translation>
    </message>
    <message>
        <source>As rectas não são paralelas.</source>
        <translation>As retas não são paralelas.</translation>
    </message>
    <message>
        <source>As rectas paralelas.</source>
        <translation>As retas paralelas.</translation>
    </message>
</context>
<context>
    <name>Lines3Form</name>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusão:</translation>
    </message>
    <message>
        <source>Passa nos pontos</source>
        <translation>Passa nos pontos</translation>
    </message>
    <message>
        <source>Passa nos pontos:</source>
        <translation>Passa nos pontos:</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Tem equação</source>
        <translation>Tem equação</translation>
    </message>
    <message>
        <source>Tem equação:</source>
        <translation>Tem equação:</translation>
    </message>
    <message>
        <source>Equação da recta</source>
        <translation>Equação da reta</translation>
    </message>
    <message>
        <source>Declive:</source>
        <translation>Declive:</translation>
    </message>
    <message>
        <source>Inclinação:</source>
        <translation>Inclinação:</translation>
    </message>
    <message>
        <source>Rectas</source>
        <translation>Retas</translation>
    </message>
    <message>
        <source>Equação da primeira recta</source>
        <translation>Equação da primeira reta</translation>
    </message>
    <message>
        <source>Equação da segunda recta</source>
        <translation>Equação da segunda reta</translation>
    </message>
    <message>
        <source>Posição:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Os pontos estão em linha recta.</source>
        <translation>Os pontos estão em linha reta.</translation>
    </message>
    <message>
        <source>Os pontos não estão em linha recta.</source>
        <translation>Os pontos não estão em linha reta.</translation>
    </message>
    <message>
        <source>As rectas são coincidentes.</source>
        <translation>As retas são coincidentes.</translation>
    </message>
    <message>
        <source>As rectas são paralelas.</source>
        <translation>As retas são paralelas.</translation>
    </message>
    <message>
        <source>As rectas são concorrentes em ( %1 , %2 )</source>
        <translation>As retas são concorrentes em ( %1 , %2 )</translation>
    </message>
</context>
<context>
    <name>Lines4Form</name>
    <message>
        <source>Ponto:</source>
        <translation>Ponto:</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>é paralela ao eixo das abcissas</source>
        <translation>é paralela ao eixo das abcissas</translation>
    </message>
    <message>
        <source>É paralela ao eixo das abcissas</source>
        <translation>É paralela ao eixo das abcissas</translation>
    </message>
    <message>
        <source>é paralela ao eixo das ordenadas</source>
        <translation>é paralela ao eixo das ordenadas</translation>
    </message>
    <message>
        <source>É paralela ao eixo das ordenadas</source>
        <translation>É paralela ao eixo das ordenadas</translation>
    </message>
    <message>
        <source>tem inclinação</source>
        <translation>tem inclinação</translation>
    </message>
    <message>
        <source>Tem inclinação</source>
        <translation>Tem inclinação</translation>
    </message>
    <message>
        <source>Inclinação em graus</source>
        <translation>Inclinação em graus</translation>
    </message>
    <message>
        <source>graus</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>tem coeficiente angular</source>
        <translation>tem coeficiente angular</translation>
    </message>
    <message>
        <source>Tem coeficiente angular</source>
        <translation>Tem coeficiente angular</translation>
    </message>
    <message>
        <source>Coeficiente angular</source>
        <translation>Coeficiente angular</translation>
    </message>
    <message>
        <source>(número real)</source>
        <translation>(número real)</translation>
    </message>
    <message>
        <source>faz um ângulo de</source>
        <translation>faz um ângulo de</translation>
    </message>
    <message>
        <source>Faz um ângulo</source>
        <translation>Faz um ângulo</translation>
    </message>
    <message>
        <source>Ângulo em graus</source>
        <translation>Ângulo em graus</translation>
    </message>
    <message>
        <source>com a recta:</source>
        <translation>com a reta:</translation>
    </message>
    <message>
        <source>Equação da recta dada</source>
        <translation>Equação da reta dada</translation>
    </message>
    <message>
        <source>Recta(s)</source>
        <translation>Reta(s)</translation>
    </message>
    <message>
        <source>Rectas:</source>
        <translation>Retas:</translation>
    </message>
    <message>
        <source>Equação da primeira recta</source>
        <translation>Equação da primeira reta</translation>
    </message>
    <message>
        <source>Equação da segunda recta</source>
        <translation>Equação da segunda reta</translation>
    </message>
    <message>
        <source>Bissectrizes:</source>
        <translation>Bissetrizes:</translation>
    </message>
    <message>
        <source>A inclinação de uma recta não pode ser negativa nem maior que 180 graus</source>
        <translation>A inclinação de uma reta não pode ser negativa nem maior que 180 graus</translation>
    </message>
    <message>
        <source>As rectas paralelas.</source>
        <translation>As retas paralelas.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Resolução passo a passo</source>
        <translation>Resolução passo a passo</translation>
    </message>
    <message>
        <source>Praticar</source>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Ficha de exercícios</source>
        <translation>Ficha de exercícios</translation>
    </message>
    <message>
        <source>Modo de projecção</source>
        <translation>Modo de projeção</translation>
    </message>
    <message>
        <source>Ampliação na projecção</source>
        <translation>Ampliação na projeção</translation>
    </message>
    <message>
        <source>Nomes dos pontos</source>
        <translation>Nomes dos pontos</translation>
    </message>
    <message>
        <source>Menu principal</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Ficheiro</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Abandonar o programa</source>
        <translation>Abandonar o programa</translation>
    </message>
    <message>
        <source>Ferramentas</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Língua</source>
        <translation>Língua</translation>
    </message>
    <message>
        <source>Versão 2.2</source>
        <translation>Versão 2.2</translation>
    </message>
    <message>
        <source>Um programa de</source>
        <translation>Um programa de</translation>
    </message>
    <message>
        <source>Os autores do Ortoplano</source>
        <translation>Os autores do Ortoplano</translation>
    </message>
    <message>
        <source>Distribuição livre para fins educativos</source>
        <translation>Distribuição livre para fins educativos</translation>
    </message>
</context>
<context>
    <name>PointsForm</name>
    <message>
        <source>Coordenadas do ponto:</source>
        <translation>Coordenadas do ponto:</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Coordenadas dos extremos:</source>
        <translation>Coordenadas dos extremos:</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Ponto médio:</source>
        <translation>Ponto médio:</translation>
    </message>
    <message>
        <source>Coordenadas dos pontos:</source>
        <translation>Coordenadas dos pontos:</translation>
    </message>
    <message>
        <source>Distância entre os pontos:</source>
        <translation>Distância entre os pontos:</translation>
    </message>
    <message>
        <source>Mediatriz:</source>
        <translation>Mediatriz:</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Escreveu o raio no segundo membro em vez do seu quadrado.</source>
        <translation>Escreveu o raio no segundo membro em vez do seu quadrado.</translation>
    </message>
    <message>
        <source>a equação reduzida é (x − a)² + (y − b)² = r²: o segundo membro é o quadrado do raio.</source>
        <translation>a equação reduzida é (x − a)² + (y − b)² = r²: o segundo membro é o quadrado do raio.</translation>
    </message>
    <message>
        <source>Trocou os sinais das coordenadas do centro.</source>
        <translation>Trocou os sinais das coordenadas do centro.</translation>
    </message>
    <message>
        <source>em (x − a)² + (y − b)² = r² o centro é (a , b): (x + 2)² corresponde a a = −2.</source>
        <translation>em (x − a)² + (y − b)² = r² o centro é (a , b): (x + 2)² corresponde a a = −2.</translation>
    </message>
    <message>
        <source>Usou o baricentro do triângulo.</source>
        <translation>Usou o baricentro do triângulo.</translation>
    </message>
    <message>
        <source>Deu o quadrado do raio como raio.</source>
        <translation>Deu o quadrado do raio como raio.</translation>
    </message>
    <message>
        <source>o segundo membro da equação reduzida é r²: o raio é a sua raiz quadrada.</source>
        <translation>o segundo membro da equação reduzida é r²: o raio é a sua raiz quadrada.</translation>
    </message>
    <message>
        <source>Não dividiu por −2 os coeficientes de x e de y.</source>
        <translation>Não dividiu por −2 os coeficientes de x e de y.</translation>
    </message>
    <message>
        <source>de x² + y² + Dx + Ey + F = 0 vem o centro (−D/2 , −E/2).</source>
        <translation>de x² + y² + Dx + Ey + F = 0 vem o centro (−D/2 , −E/2).</translation>
    </message>
    <message>
        <source>Tomou |ax₀ + by₀ + c| como raio, sem dividir pela norma.</source>
        <translation>Tomou |ax₀ + by₀ + c| como raio, sem dividir pela norma.</translation>
    </message>
    <message>
        <source>o raio é a distância do centro à recta: |ax₀ + by₀ + c| / √(a² + b²).</source>
        <translation>o raio é a distância do centro à reta: |ax₀ + by₀ + c| / √(a² + b²).</translation>
    </message>
    <message>
        <source>Escreveu a recta que passa pelo centro e por P.</source>
        <translation>Escreveu a reta que passa pelo centro e por P.</translation>
    </message>
    <message>
        <source>a tangente em P é perpendicular ao raio [CP].</source>
        <translation>a tangente em P é perpendicular ao raio [CP].</translation>
    </message>
    <message>
        <source>Traçou a perpendicular ao raio pelo centro.</source>
        <translation>Traçou a perpendicular ao raio pelo centro.</translation>
    </message>
    <message>
        <source>a tangente passa no ponto de tangência P.</source>
        <translation>a tangente passa no ponto de tangência P.</translation>
    </message>
    <message>
        <source>Trocou a abcissa com a ordenada dos pontos.</source>
        <translation>Trocou a abcissa com a ordenada dos pontos.</translation>
    </message>
    <message>
        <source>cada ponto escreve-se (x , y): primeiro a abcissa.</source>
        <translation>cada ponto escreve-se (x , y): primeiro a abcissa.</translation>
    </message>
    <message>
        <source>Calculou a distância de P ao centro.</source>
        <translation>Calculou a distância de P ao centro.</translation>
    </message>
    <message>
        <source>a distância de P à circunferência é a distância ao centro menos o raio.</source>
        <translation>a distância de P à circunferência é a distância ao centro menos o raio.</translation>
    </message>
    <message>
        <source>Somou o raio em vez de o subtrair.</source>
        <translation>Somou o raio em vez de o subtrair.</translation>
    </message>
    <message>
        <source>o ponto da circunferência mais próximo de P está entre P e o centro: d(P, C) − r.</source>
        <translation>o ponto da circunferência mais próximo de P está entre P e o centro: d(P, C) − r.</translation>
    </message>
    <message>
        <source>Escreveu as rectas que passam pelo centro e pelos pontos de tangência.</source>
        <translation>Escreveu as retas que passam pelo centro e pelos pontos de tangência.</translation>
    </message>
    <message>
        <source>as tangentes passam em P e são perpendiculares aos raios nos pontos de tangência.</source>
        <translation>as tangentes passam em P e são perpendiculares aos raios nos pontos de tangência.</translation>
    </message>
    <message>
        <source>Tomou Q como centro.</source>
        <translation>Tomou Q como centro.</translation>
    </message>
    <message>
        <source>Q é o ponto de tangência; o centro está na perpendicular à recta em Q, à mesma distância de P e de Q.</source>
        <translation>Q é o ponto de tangência; o centro está na perpendicular à reta em Q, à mesma distância de P e de Q.</translation>
    </message>
    <message>
        <source>o centro da circunferência circunscrita é o circuncentro, o encontro das mediatrizes dos lados.</source>
        <translation>o centro da circunferência circunscrita é o circuncentro, o encontro das mediatrizes dos lados.</translation>
    </message>
    <message>
        <source>o centro da circunferência inscrita é o incentro, o encontro das bissectrizes dos ângulos.</source>
        <translation>o centro da circunferência inscrita é o incentro, o encontro das bissetrizes dos ângulos.</translation>
    </message>
    <message>
        <source>básico</source>
        <translation>básico</translation>
    </message>
    <message>
        <source>intermédio</source>
        <translation>intermédio</translation>
    </message>
    <message>
        <source>avançado</source>
        <translation>avançado</translation>
    </message>
    <message>
        <source>Trocou a abcissa com a ordenada do ponto.</source>
        <translation>Trocou a abcissa com a ordenada do ponto.</translation>
    </message>
    <message>
        <source>o ponto de intersecção escreve-se (x , y): primeiro a abcissa.</source>
        <translation>o ponto de interseção escreve-se (x , y): primeiro a abcissa.</translation>
    </message>
    <message>
        <source>Passou o termo independente para o outro membro sem lhe trocar o sinal.</source>
        <translation>Passou o termo independente para o outro membro sem lhe trocar o sinal.</translation>
    </message>
    <message>
        <source>de ax + by + c = 0 vem ax + by = −c.</source>
        <translation>de ax + by + c = 0 vem ax + by = −c.</translation>
    </message>
    <message>
        <source>Não dividiu pela norma do vector normal.</source>
        <translation>Não dividiu pela norma do vetor normal.</translation>
    </message>
    <message>
        <source>d = |c₁ − c₂| / √(a² + b²), com as duas equações escritas com os mesmos a e b.</source>
        <translation>d = |c₁ − c₂| / √(a² + b²), com as duas equações escritas com os mesmos a e b.</translation>
    </message>
    <message>
        <source>Dividiu por a² + b² em vez de √(a² + b²).</source>
        <translation>Dividiu por a² + b² em vez de √(a² + b²).</translation>
    </message>
    <message>
        <source>no denominador está a norma do vector normal, √(a² + b²).</source>
        <translation>no denominador está a norma do vetor normal, √(a² + b²).</translation>
    </message>
    <message>
        <source>Subtraiu os termos independentes sem igualar primeiro os coeficientes de x e de y.</source>
        <translation>Subtraiu os termos independentes sem igualar primeiro os coeficientes de x e de y.</translation>
    </message>
    <message>
        <source>escreva as duas equações com os mesmos a e b antes de subtrair c₁ e c₂.</source>
        <translation>escreva as duas equações com os mesmos a e b antes de subtrair c₁ e c₂.</translation>
    </message>
    <message>
        <source>Esqueceu o valor absoluto.</source>
        <translation>Esqueceu o valor absoluto.</translation>
    </message>
    <message>
        <source>uma distância nunca é negativa: d = |ax₀ + by₀ + c| / √(a² + b²).</source>
        <translation>uma distância nunca é negativa: d = |ax₀ + by₀ + c| / √(a² + b²).</translation>
    </message>
    <message>
        <source>Esqueceu a raiz quadrada no denominador.</source>
        <translation>Esqueceu a raiz quadrada no denominador.</translation>
    </message>
    <message>
        <source>o denominador é √(a² + b²), a norma do vector normal.</source>
        <translation>o denominador é √(a² + b²), a norma do vetor normal.</translation>
    </message>
    <message>
        <source>Esqueceu o termo independente c.</source>
        <translation>Esqueceu o termo independente c.</translation>
    </message>
    <message>
        <source>substitua x e y pelas coordenadas de P em ax + by + c, sem esquecer c.</source>
        <translation>substitua x e y pelas coordenadas de P em ax + by + c, sem esquecer c.</translation>
    </message>
    <message>
        <source>Deu o ângulo obtuso.</source>
        <translation>Deu o ângulo obtuso.</translation>
    </message>
    <message>
        <source>o ângulo de duas rectas é agudo ou recto: cos θ = |u · v| / (‖u‖ ‖v‖), com valor absoluto.</source>
        <translation>o ângulo de duas retas é agudo ou reto: cos θ = |u · v| / (‖u‖ ‖v‖), com valor absoluto.</translation>
    </message>
    <message>
        <source>Deu o complemento do ângulo.</source>
        <translation>Deu o complemento do ângulo.</translation>
    </message>
    <message>
        <source>use os dois vectores directores (ou os dois normais), não um de cada.</source>
        <translation>use os dois vetores diretores (ou os dois normais), não um de cada.</translation>
    </message>
    <message>
        <source>A conclusão está trocada.</source>
        <translation>A conclusão está trocada.</translation>
    </message>
    <message>
        <source>Deu um ângulo negativo.</source>
        <translation>Deu um ângulo negativo.</translation>
    </message>
    <message>
        <source>a inclinação está entre 0º e 180º: quando o declive é negativo, soma-se 180º a arctg m.</source>
        <translation>a inclinação está entre 0º e 180º: quando o declive é negativo, soma-se 180º a arctg m.</translation>
    </message>
    <message>
        <source>Deu o ângulo com o eixo das ordenadas.</source>
        <translation>Deu o ângulo com o eixo das ordenadas.</translation>
    </message>
    <message>
        <source>a inclinação é o ângulo com o semieixo positivo das abcissas: tg α = m.</source>
        <translation>a inclinação é o ângulo com o semieixo positivo das abcissas: tg α = m.</translation>
    </message>
    <message>
        <source>Trocou Δx com Δy.</source>
        <translation>Trocou Δx com Δy.</translation>
    </message>
    <message>
        <source>o declive é m = (y_B − y_A)/(x_B − x_A).</source>
        <translation>o declive é m = (y_B − y_A)/(x_B − x_A).</translation>
    </message>
    <message>
        <source>Trocou o sinal do declive.</source>
        <translation>Trocou o sinal do declive.</translation>
    </message>
    <message>
        <source>subtraia as coordenadas pela mesma ordem em cima e em baixo.</source>
        <translation>subtraia as coordenadas pela mesma ordem em cima e em baixo.</translation>
    </message>
    <message>
        <source>de ax + by + c = 0 vem y = −(a/b)x − c/b: o declive é −a/b.</source>
        <translation>de ax + by + c = 0 vem y = −(a/b)x − c/b: o declive é −a/b.</translation>
    </message>
    <message>
        <source>Calculou −b/a em vez de −a/b.</source>
        <translation>Calculou −b/a em vez de −a/b.</translation>
    </message>
    <message>
        <source>o declive é o coeficiente de x depois de isolar y: −a/b.</source>
        <translation>o declive é o coeficiente de x depois de isolar y: −a/b.</translation>
    </message>
    <message>
        <source>Confundiu rectas paralelas com rectas coincidentes.</source>
        <translation>Confundiu retas paralelas com retas coincidentes.</translation>
    </message>
    <message>
        <source>com os coeficientes de x e de y proporcionais, as rectas são coincidentes se também os termos independentes o forem, e paralelas se não forem.</source>
        <translation>com os coeficientes de x e de y proporcionais, as retas são coincidentes se também os termos independentes o forem, e paralelas se não forem.</translation>
    </message>
    <message>
        <source>Trocou a abcissa com a ordenada do ponto de intersecção.</source>
        <translation>Trocou a abcissa com a ordenada do ponto de interseção.</translation>
    </message>
    <message>
        <source>o ponto escreve-se (x , y): primeiro a abcissa.</source>
        <translation>o ponto escreve-se (x , y): primeiro a abcissa.</translation>
    </message>
    <message>
        <source>os pontos A, B e C estão em linha recta quando os declives de [AB] e [AC] são iguais.</source>
        <translation>os pontos A, B e C estão em linha reta quando os declives de [AB] e [AC] são iguais.</translation>
    </message>
    <message>
        <source>Escreveu a paralela ao outro eixo.</source>
        <translation>Escreveu a paralela ao outro eixo.</translation>
    </message>
    <message>
        <source>a paralela ao eixo das abcissas é horizontal, y = y_P; a paralela ao eixo das ordenadas é vertical, x = x_P.</source>
        <translation>a paralela ao eixo das abcissas é horizontal, y = y_P; a paralela ao eixo das ordenadas é vertical, x = x_P.</translation>
    </message>
    <message>
        <source>o declive é a tangente da inclinação: m = tg α.</source>
        <translation>o declive é a tangente da inclinação: m = tg α.</translation>
    </message>
    <message>
        <source>Usou a tangente do complemento da inclinação.</source>
        <translation>Usou a tangente do complemento da inclinação.</translation>
    </message>
    <message>
        <source>a inclinação é o ângulo com o eixo das abcissas, e m = tg α.</source>
        <translation>a inclinação é o ângulo com o eixo das abcissas, e m = tg α.</translation>
    </message>
    <message>
        <source>Tomou a ordenada de P como ordenada na origem.</source>
        <translation>Tomou a ordenada de P como ordenada na origem.</translation>
    </message>
    <message>
        <source>a recta é y − y_P = m(x − x_P).</source>
        <translation>a reta é y − y_P = m(x − x_P).</translation>
    </message>
    <message>
        <source>Trocou o sinal da abcissa de P.</source>
        <translation>Trocou o sinal da abcissa de P.</translation>
    </message>
    <message>
        <source>a recta é y − y_P = m(x − x_P): subtrai-se a abcissa de P.</source>
        <translation>a reta é y − y_P = m(x − x_P): subtrai-se a abcissa de P.</translation>
    </message>
    <message>
        <source>Mediu o ângulo a partir do eixo das abcissas, não da recta r.</source>
        <translation>Mediu o ângulo a partir do eixo das abcissas, não da reta r.</translation>
    </message>
    <message>
        <source>o ângulo é o das rectas pedidas com r: rode o vector director de r, ou use a fórmula do ângulo de duas rectas.</source>
        <translation>o ângulo é o das retas pedidas com r: rode o vetor diretor de r, ou use a fórmula do ângulo de duas retas.</translation>
    </message>
    <message>
        <source>Somou e subtraiu as equações sem as dividir pelas normas.</source>
        <translation>Somou e subtraiu as equações sem as dividir pelas normas.</translation>
    </message>
    <message>
        <source>os pontos das bissectrizes estão à mesma distância das duas rectas: |a₁x + b₁y + c₁|/√(a₁² + b₁²) = |a₂x + b₂y + c₂|/√(a₂² + b₂²).</source>
        <translation>os pontos das bissetrizes estão à mesma distância das duas retas: |a₁x + b₁y + c₁|/√(a₁² + b₁²) = |a₂x + b₂y + c₂|/√(a₂² + b₂²).</translation>
    </message>
    <message>
        <source>Projectou o ponto sobre o outro eixo.</source>
        <translation>Projetou o ponto sobre o outro eixo.</translation>
    </message>
    <message>
        <source>a projecção sobre o eixo das abcissas conserva a abcissa e tem ordenada 0; sobre o eixo das ordenadas, o contrário.</source>
        <translation>a projeção sobre o eixo das abcissas conserva a abcissa e tem ordenada 0; sobre o eixo das ordenadas, o contrário.</translation>
    </message>
    <message>
        <source>Trocou a abcissa com a ordenada.</source>
        <translation>Trocou a abcissa com a ordenada.</translation>
    </message>
    <message>
        <source>a abcissa é a primeira coordenada e a ordenada a segunda.</source>
        <translation>a abcissa é a primeira coordenada e a ordenada a segunda.</translation>
    </message>
    <message>
        <source>Somou as coordenadas dos extremos sem dividir por 2.</source>
        <translation>Somou as coordenadas dos extremos sem dividir por 2.</translation>
    </message>
    <message>
        <source>cada coordenada do ponto médio é a média das coordenadas dos extremos.</source>
        <translation>cada coordenada do ponto médio é a média das coordenadas dos extremos.</translation>
    </message>
    <message>
        <source>Dividiu por 2 a diferença das coordenadas, em vez da soma.</source>
        <translation>Dividiu por 2 a diferença das coordenadas, em vez da soma.</translation>
    </message>
    <message>
        <source>o ponto médio é ((x_A + x_B)/2 , (y_A + y_B)/2): somam-se as coordenadas.</source>
        <translation>o ponto médio é ((x_A + x_B)/2 , (y_A + y_B)/2): somam-se as coordenadas.</translation>
    </message>
    <message>
        <source>Esqueceu a raiz quadrada.</source>
        <translation>Esqueceu a raiz quadrada.</translation>
    </message>
    <message>
        <source>a distância é a raiz quadrada da soma dos quadrados das diferenças das coordenadas.</source>
        <translation>a distância é a raiz quadrada da soma dos quadrados das diferenças das coordenadas.</translation>
    </message>
    <message>
        <source>Somou as coordenadas em vez de as subtrair.</source>
        <translation>Somou as coordenadas em vez de as subtrair.</translation>
    </message>
    <message>
        <source>em d(A, B) = √((x_B − x_A)² + (y_B − y_A)²) entram as diferenças das coordenadas.</source>
        <translation>em d(A, B) = √((x_B − x_A)² + (y_B − y_A)²) entram as diferenças das coordenadas.</translation>
    </message>
    <message>
        <source>Somou as diferenças sem as elevar ao quadrado.</source>
        <translation>Somou as diferenças sem as elevar ao quadrado.</translation>
    </message>
    <message>
        <source>a distância não é |Δx| + |Δy|: é √(Δx² + Δy²).</source>
        <translation>a distância não é |Δx| + |Δy|: é √(Δx² + Δy²).</translation>
    </message>
    <message>
        <source>Escreveu a equação da recta AB.</source>
        <translation>Escreveu a equação da reta AB.</translation>
    </message>
    <message>
        <source>a mediatriz é perpendicular ao segmento [AB] no seu ponto médio.</source>
        <translation>a mediatriz é perpendicular ao segmento [AB] no seu ponto médio.</translation>
    </message>
    <message>
        <source>Traçou a perpendicular a [AB] que passa em A.</source>
        <translation>Traçou a perpendicular a [AB] que passa em A.</translation>
    </message>
    <message>
        <source>a mediatriz passa no ponto médio de [AB], não num dos extremos.</source>
        <translation>a mediatriz passa no ponto médio de [AB], não num dos extremos.</translation>
    </message>
    <message>
        <source>Não dividiu o termo independente por b.</source>
        <translation>Não dividiu o termo independente por b.</translation>
    </message>
    <message>
        <source>ao isolar y, divide-se todo o membro por b: a ordenada na origem é −c/b.</source>
        <translation>ao isolar y, divide-se todo o membro por b: a ordenada na origem é −c/b.</translation>
    </message>
    <message>
        <source>Trocou Δx com Δy no declive.</source>
        <translation>Trocou Δx com Δy no declive.</translation>
    </message>
    <message>
        <source>o declive é m = (y_B − y_A)/(x_B − x_A): a diferença das ordenadas em cima.</source>
        <translation>o declive é m = (y_B − y_A)/(x_B − x_A): a diferença das ordenadas em cima.</translation>
    </message>
    <message>
        <source>em m = (y_B − y_A)/(x_B − x_A) subtraem-se as coordenadas pela mesma ordem.</source>
        <translation>em m = (y_B − y_A)/(x_B − x_A) subtraem-se as coordenadas pela mesma ordem.</translation>
    </message>
    <message>
        <source>Usou o declive da perpendicular.</source>
        <translation>Usou o declive da perpendicular.</translation>
    </message>
    <message>
        <source>rectas paralelas têm o mesmo declive.</source>
        <translation>retas paralelas têm o mesmo declive.</translation>
    </message>
    <message>
        <source>Escreveu a própria recta r.</source>
        <translation>Escreveu a própria reta r.</translation>
    </message>
    <message>
        <source>a paralela tem de passar em P: substitua as coordenadas de P para achar a ordenada na origem.</source>
        <translation>a paralela tem de passar em P: substitua as coordenadas de P para achar a ordenada na origem.</translation>
    </message>
    <message>
        <source>a ordenada na origem b obtém-se de y_P = m·x_P + b.</source>
        <translation>a ordenada na origem b obtém-se de y_P = m·x_P + b.</translation>
    </message>
    <message>
        <source>Usou −m para o declive da perpendicular.</source>
        <translation>Usou −m para o declive da perpendicular.</translation>
    </message>
    <message>
        <source>o declive da perpendicular é −1/m.</source>
        <translation>o declive da perpendicular é −1/m.</translation>
    </message>
    <message>
        <source>Usou 1/m para o declive da perpendicular.</source>
        <translation>Usou 1/m para o declive da perpendicular.</translation>
    </message>
    <message>
        <source>o declive da perpendicular é −1/m: o inverso, com o sinal trocado.</source>
        <translation>o declive da perpendicular é −1/m: o inverso, com o sinal trocado.</translation>
    </message>
    <message>
        <source>Escreveu a paralela em vez da perpendicular.</source>
        <translation>Escreveu a paralela em vez da perpendicular.</translation>
    </message>
    <message>
        <source>Certo.</source>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Errado. {what} Reveja o passo {step}: {rule}</source>
        <translation>Errado. {what} Reveja o passo {step}: {rule}</translation>
    </message>
    <message>
        <source>Errado. {what} Recorde: {rule}</source>
        <translation>Errado. {what} Recorde: {rule}</translation>
    </message>
    <message>
        <source>Errado. Veja a resolução com «Ver resolução».</source>
        <translation>Errado. Veja a resolução com «Ver resolução».</translation>
    </message>
    <message>
        <source>Errado. Esse é um valor aproximado: escreva o valor exacto.</source>
        <translation>Errado. Esse é um valor aproximado: escreva o valor exato.</translation>
    </message>
    <message>
        <source>Falta um ponto: a resposta tem dois, separados por «e», por exemplo (1 , 2) e (3 , −1).</source>
        <translation>Falta um ponto: a resposta tem dois, separados por «e», por exemplo (1 , 2) e (3 , −1).</translation>
    </message>
    <message>
        <source>Falta um valor: a resposta tem dois, separados por «;».</source>
        <translation>Falta um valor: a resposta tem dois, separados por «;».</translation>
    </message>
    <message>
        <source>Faltam valores: a resposta tem {count}, separados por «;».</source>
        <translation>Faltam valores: a resposta tem {count}, separados por «;».</translation>
    </message>
    <message>
        <source>Pede-se a amplitude em graus, minutos e segundos, com os segundos pelo menos às unidades, por exemplo 26º 33&apos; 54&apos;&apos;.</source>
        <translation>Pede-se a amplitude em graus, minutos e segundos, com os segundos pelo menos às unidades, por exemplo 26º 33&apos; 54&apos;&apos;.</translation>
    </message>
    <message>
        <source>escreva a amplitude em graus, minutos e segundos, por exemplo 26º 33&apos; 54&apos;&apos;.</source>
        <translation>escreva a amplitude em graus, minutos e segundos, por exemplo 26º 33&apos; 54&apos;&apos;.</translation>
    </message>
    <message>
        <source>Indique também o ponto: concorrentes em (a , b).</source>
        <translation>Indique também o ponto: concorrentes em (a , b).</translation>
    </message>
    <message>
        <source>Escreva a resposta antes de verificar.</source>
        <translation>Escreva a resposta antes de verificar.</translation>
    </message>
    <message>
        <source>A resposta é demasiado longa.</source>
        <translation>A resposta é demasiado longa.</translation>
    </message>
    <message>
        <source>Não consegui ler «{part}»: {why} {expected}</source>
        <translation>Não consegui ler «{part}»: {why} {expected}</translation>
    </message>
    <message>
        <source>Não consegui ler a resposta: {why} {expected}</source>
        <translation>Não consegui ler a resposta: {why} {expected}</translation>
    </message>
    <message>
        <source>{expected}</source>
        <translation>{expected}</translation>
    </message>
    <message>
        <source>há uma divisão por zero.</source>
        <translation>há uma divisão por zero.</translation>
    </message>
    <message>
        <source>há a raiz quadrada de um número negativo.</source>
        <translation>há a raiz quadrada de um número negativo.</translation>
    </message>
    <message>
        <source>há um número demasiado grande.</source>
        <translation>há um número demasiado grande.</translation>
    </message>
    <message>
        <source>tem nomes ou sinais que não se conseguem calcular.</source>
        <translation>tem nomes ou sinais que não se conseguem calcular.</translation>
    </message>
    <message>
        <source>os parênteses não fecham.</source>
        <translation>os parênteses não fecham.</translation>
    </message>
    <message>
        <source>falta um valor entre os separadores.</source>
        <translation>falta um valor entre os separadores.</translation>
    </message>
    <message>
        <source>um número não tem x nem y (numa equação, falta o sinal =).</source>
        <translation>um número não tem x nem y (numa equação, falta o sinal =).</translation>
    </message>
    <message>
        <source>falta o sinal = da equação.</source>
        <translation>falta o sinal = da equação.</translation>
    </message>
    <message>
        <source>uma equação tem um só sinal =.</source>
        <translation>uma equação tem um só sinal =.</translation>
    </message>
    <message>
        <source>a equação não tem x nem y.</source>
        <translation>a equação não tem x nem y.</translation>
    </message>
    <message>
        <source>a equação tem divisões por x ou y, raízes de x ou y, ou outros nomes.</source>
        <translation>a equação tem divisões por x ou y, raízes de x ou y, ou outros nomes.</translation>
    </message>
    <message>
        <source>a equação não representa uma recta.</source>
        <translation>a equação não representa uma reta.</translation>
    </message>
    <message>
        <source>a equação não representa uma circunferência.</source>
        <translation>a equação não representa uma circunferência.</translation>
    </message>
    <message>
        <source>a equação representa um ponto.</source>
        <translation>a equação representa um ponto.</translation>
    </message>
    <message>
        <source>a equação é do grau {degree}: não representa uma recta nem uma circunferência.</source>
        <translation>a equação é do grau {degree}: não representa uma reta nem uma circunferência.</translation>
    </message>
    <message>
        <source>um ponto tem duas coordenadas, e aqui há {count}.</source>
        <translation>um ponto tem duas coordenadas, e aqui há {count}.</translation>
    </message>
    <message>
        <source>não se sabe onde acaba a abcissa: separe as coordenadas com «;», por exemplo (0,5 ; 1).</source>
        <translation>não se sabe onde acaba a abcissa: separe as coordenadas com «;», por exemplo (0,5 ; 1).</translation>
    </message>
    <message>
        <source>falta a outra coordenada.</source>
        <translation>falta a outra coordenada.</translation>
    </message>
    <message>
        <source>não conheço a palavra «{word}».</source>
        <translation>não conheço a palavra «{word}».</translation>
    </message>
    <message>
        <source>a resposta diz «sim» e «não» ao mesmo tempo.</source>
        <translation>a resposta diz «sim» e «não» ao mesmo tempo.</translation>
    </message>
    <message>
        <source>diga se existe ou não existe.</source>
        <translation>diga se existe ou não existe.</translation>
    </message>
    <message>
        <source>uma amplitude escreve-se em graus, minutos e segundos.</source>
        <translation>uma amplitude escreve-se em graus, minutos e segundos.</translation>
    </message>
    <message>
        <source>as contas que pede são demasiado longas.</source>
        <translation>as contas que pede são demasiado longas.</translation>
    </message>
    <message>
        <source>Escreva um número, por exemplo 2√5, −3/4 ou 2sqr(5).</source>
        <translation>Escreva um número, por exemplo 2√5, −3/4 ou 2sqr(5).</translation>
    </message>
    <message>
        <source>Escreva um ponto, por exemplo (1 , −2) ou A(1/2 ; 3).</source>
        <translation>Escreva um ponto, por exemplo (1 , −2) ou A(1/2 ; 3).</translation>
    </message>
    <message>
        <source>Escreva dois pontos separados por «e», por exemplo (1 , 2) e (3 , −1).</source>
        <translation>Escreva dois pontos separados por «e», por exemplo (1 , 2) e (3 , −1).</translation>
    </message>
    <message>
        <source>Escreva o centro e o raio, por exemplo (1 , −2) ; 3.</source>
        <translation>Escreva o centro e o raio, por exemplo (1 , −2) ; 3.</translation>
    </message>
    <message>
        <source>Escreva uma equação de uma recta, por exemplo y = 2x − 1 ou 2x − y + 3 = 0.</source>
        <translation>Escreva uma equação de uma reta, por exemplo y = 2x − 1 ou 2x − y + 3 = 0.</translation>
    </message>
    <message>
        <source>Escreva duas equações separadas por «e», por exemplo y = 2x − 1 e x = 3.</source>
        <translation>Escreva duas equações separadas por «e», por exemplo y = 2x − 1 e x = 3.</translation>
    </message>
    <message>
        <source>Escreva uma equação de uma circunferência, por exemplo (x − 1)² + (y + 2)² = 5.</source>
        <translation>Escreva uma equação de uma circunferência, por exemplo (x − 1)² + (y + 2)² = 5.</translation>
    </message>
    <message>
        <source>Escreva uma amplitude em graus, por exemplo 45º.</source>
        <translation>Escreva uma amplitude em graus, por exemplo 45º.</translation>
    </message>
    <message>
        <source>Escreva uma amplitude em graus, minutos e segundos, por exemplo 26º 33&apos; 54&apos;&apos;.</source>
        <translation>Escreva uma amplitude em graus, minutos e segundos, por exemplo 26º 33&apos; 54&apos;&apos;.</translation>
    </message>
    <message>
        <source>Responda «sim» ou «não».</source>
        <translation>Responda «sim» ou «não».</translation>
    </message>
    <message>
        <source>Responda «paralelas», «coincidentes» ou «concorrentes em» e o ponto, por exemplo concorrentes em (1 , 2).</source>
        <translation>Responda «paralelas», «coincidentes» ou «concorrentes em» e o ponto, por exemplo concorrentes em (1 , 2).</translation>
    </message>
    <message>
        <source>simplifique o radical.</source>
        <translation>simplifique o radical.</translation>
    </message>
    <message>
        <source>racionalize o denominador.</source>
        <translation>racionalize o denominador.</translation>
    </message>
    <message>
        <source>reduza a fracção aos termos mínimos.</source>
        <translation>reduza a fração aos termos mínimos.</translation>
    </message>
    <message>
        <source>escreva o valor na forma mais simples.</source>
        <translation>escreva o valor na forma mais simples.</translation>
    </message>
    <message>
        <source>pede-se a equação reduzida, y = mx + b.</source>
        <translation>pede-se a equação reduzida, y = mx + b.</translation>
    </message>
    <message>
        <source>pede-se uma equação geral, ax + by + c = 0.</source>
        <translation>pede-se uma equação geral, ax + by + c = 0.</translation>
    </message>
    <message>
        <source>pede-se a equação reduzida, (x − a)² + (y − b)² = r².</source>
        <translation>pede-se a equação reduzida, (x − a)² + (y − b)² = r².</translation>
    </message>
    <message>
        <source>Calculou o baricentro.</source>
        <translation>Calculou o baricentro.</translation>
    </message>
    <message>
        <source>Somou as coordenadas dos vértices sem dividir por 3.</source>
        <translation>Somou as coordenadas dos vértices sem dividir por 3.</translation>
    </message>
    <message>
        <source>o baricentro é a média dos três vértices: ((x_A + x_B + x_C)/3 , (y_A + y_B + y_C)/3).</source>
        <translation>o baricentro é a média dos três vértices: ((x_A + x_B + x_C)/3 , (y_A + y_B + y_C)/3).</translation>
    </message>
    <message>
        <source>Dividiu por 2 em vez de 3.</source>
        <translation>Dividiu por 2 em vez de 3.</translation>
    </message>
    <message>
        <source>o baricentro é a média dos três vértices: divide-se por 3.</source>
        <translation>o baricentro é a média dos três vértices: divide-se por 3.</translation>
    </message>
    <message>
        <source>Esqueceu a metade.</source>
        <translation>Esqueceu a metade.</translation>
    </message>
    <message>
        <source>a área é metade do valor absoluto do determinante.</source>
        <translation>a área é metade do valor absoluto do determinante.</translation>
    </message>
    <message>
        <source>Deu uma área negativa.</source>
        <translation>Deu uma área negativa.</translation>
    </message>
    <message>
        <source>o determinante tem sinal (a ordem dos vértices): a área é o seu valor absoluto, a dividir por 2.</source>
        <translation>o determinante tem sinal (a ordem dos vértices): a área é o seu valor absoluto, a dividir por 2.</translation>
    </message>
    <message>
        <source>o triângulo é rectângulo quando o quadrado de um lado é a soma dos quadrados dos outros dois (teorema de Pitágoras).</source>
        <translation>o triângulo é retângulo quando o quadrado de um lado é a soma dos quadrados dos outros dois (teorema de Pitágoras).</translation>
    </message>
    <message>
        <source>o circuncentro é o encontro das mediatrizes dos lados.</source>
        <translation>o circuncentro é o encontro das mediatrizes dos lados.</translation>
    </message>
    <message>
        <source>o incentro é o encontro das bissectrizes dos ângulos.</source>
        <translation>o incentro é o encontro das bissetrizes dos ângulos.</translation>
    </message>
    <message>
        <source>o ortocentro é o encontro das alturas.</source>
        <translation>o ortocentro é o encontro das alturas.</translation>
    </message>
    <message>
        <source>Calculou o circuncentro.</source>
        <translation>Calculou o circuncentro.</translation>
    </message>
    <message>
        <source>o ortocentro é o encontro das alturas, não das mediatrizes.</source>
        <translation>o ortocentro é o encontro das alturas, não das mediatrizes.</translation>
    </message>
    <message>
        <source>Certo, mas {what}</source>
        <translation>Certo, mas {what}</translation>
    </message>
    <message>
        <source>Escreva a equação reduzida da recta, por exemplo y = 2x − 1.</source>
        <translation>Escreva a equação reduzida da reta, por exemplo y = 2x − 1.</translation>
    </message>
    <message>
        <source>Escreva uma equação geral da recta, por exemplo 2x − y + 3 = 0.</source>
        <translation>Escreva uma equação geral da reta, por exemplo 2x − y + 3 = 0.</translation>
    </message>
    <message>
        <source>um número: 2√5, −3/4</source>
        <translation>um número: 2√5, −3/4</translation>
    </message>
    <message>
        <source>um ponto (a , b): (1 , −2)</source>
        <translation>um ponto (a , b): (1 , −2)</translation>
    </message>
    <message>
        <source>dois pontos separados por «e»: (1 , 2) e (3 , −1)</source>
        <translation>dois pontos separados por «e»: (1 , 2) e (3 , −1)</translation>
    </message>
    <message>
        <source>o centro e o raio: (1 , −2) ; 3</source>
        <translation>o centro e o raio: (1 , −2) ; 3</translation>
    </message>
    <message>
        <source>uma equação: y = 2x − 1</source>
        <translation>uma equação: y = 2x − 1</translation>
    </message>
    <message>
        <source>a equação reduzida: y = 2x − 1</source>
        <translation>a equação reduzida: y = 2x − 1</translation>
    </message>
    <message>
        <source>uma equação geral: 2x − y + 3 = 0</source>
        <translation>uma equação geral: 2x − y + 3 = 0</translation>
    </message>
    <message>
        <source>duas equações separadas por «e»: y = 2x − 1 e x = 3</source>
        <translation>duas equações separadas por «e»: y = 2x − 1 e x = 3</translation>
    </message>
    <message>
        <source>uma equação: (x − 1)² + (y + 2)² = 5</source>
        <translation>uma equação: (x − 1)² + (y + 2)² = 5</translation>
    </message>
    <message>
        <source>uma amplitude em graus: 45º</source>
        <translation>uma amplitude em graus: 45º</translation>
    </message>
    <message>
        <source>uma amplitude em graus, minutos e segundos: 26º 33&apos; 54&apos;&apos;</source>
        <translation>uma amplitude em graus, minutos e segundos: 26º 33&apos; 54&apos;&apos;</translation>
    </message>
    <message>
        <source>sim ou não</source>
        <translation>sim ou não</translation>
    </message>
    <message>
        <source>paralelas, coincidentes, ou concorrentes em (1 , 2)</source>
        <translation>paralelas, coincidentes, ou concorrentes em (1 , 2)</translation>
    </message>
    <message>
        <source>Indique o centro e o raio da circunferência de equação {c}.</source>
        <translation>Indique o centro e o raio da circunferência de equação {c}.</translation>
    </message>
    <message>
        <source>Escreva a equação reduzida da circunferência de centro {C} e raio {r}.</source>
        <translation>Escreva a equação reduzida da circunferência de centro {C} e raio {r}.</translation>
    </message>
    <message>
        <source>Escreva a equação reduzida da circunferência de centro {P} tangente à recta t: {t}.</source>
        <translation>Escreva a equação reduzida da circunferência de centro {P} tangente à reta t: {t}.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta tangente à circunferência {c} no ponto {P}.</source>
        <translation>Determine a equação reduzida da reta tangente à circunferência {c} no ponto {P}.</translation>
    </message>
    <message>
        <source>Determine uma equação geral da recta tangente à circunferência {c} no ponto {P}.</source>
        <translation>Determine uma equação geral da reta tangente à circunferência {c} no ponto {P}.</translation>
    </message>
    <message>
        <source>Determine os pontos de intersecção da recta r: {r} com a circunferência {c}.</source>
        <translation>Determine os pontos de interseção da reta r: {r} com a circunferência {c}.</translation>
    </message>
    <message>
        <source>Determine os pontos de intersecção das circunferências {c1} e {c2}.</source>
        <translation>Determine os pontos de interseção das circunferências {c1} e {c2}.</translation>
    </message>
    <message>
        <source>Escreva a equação da circunferência inscrita no triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Escreva a equação da circunferência inscrita no triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Escreva a equação da circunferência circunscrita ao triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Escreva a equação da circunferência circunscrita ao triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Escreva a equação da circunferência que passa nos pontos {A}, {B} e {C}.</source>
        <translation>Escreva a equação da circunferência que passa nos pontos {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Calcule a distância do ponto {P} à circunferência {c}.</source>
        <translation>Calcule a distância do ponto {P} à circunferência {c}.</translation>
    </message>
    <message>
        <source>Determine equações gerais das rectas que passam em {P} e são tangentes à circunferência {c}.</source>
        <translation>Determine equações gerais das retas que passam em {P} e são tangentes à circunferência {c}.</translation>
    </message>
    <message>
        <source>Escreva a equação da circunferência que passa em {P} e é tangente à recta t: {t} no ponto {Q}.</source>
        <translation>Escreva a equação da circunferência que passa em {P} e é tangente à reta t: {t} no ponto {Q}.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do ponto de intersecção das rectas r: {r} e s: {s}.</source>
        <translation>Determine as coordenadas do ponto de interseção das retas r: {r} e s: {s}.</translation>
    </message>
    <message>
        <source>Calcule a distância entre as rectas paralelas r: {r} e s: {s}. Apresente o valor exacto.</source>
        <translation>Calcule a distância entre as retas paralelas r: {r} e s: {s}. Apresente o valor exato.</translation>
    </message>
    <message>
        <source>Calcule a distância do ponto {P} à recta r: {r}. Apresente o valor exacto, simplificado.</source>
        <translation>Calcule a distância do ponto {P} à reta r: {r}. Apresente o valor exato, simplificado.</translation>
    </message>
    <message>
        <source>Determine a amplitude, em graus, minutos e segundos, do ângulo das rectas r: {r} e s: {s}.</source>
        <translation>Determine a amplitude, em graus, minutos e segundos, do ângulo das retas r: {r} e s: {s}.</translation>
    </message>
    <message>
        <source>Determine a amplitude, em graus, do ângulo das rectas r: {r} e s: {s}.</source>
        <translation>Determine a amplitude, em graus, do ângulo das retas r: {r} e s: {s}.</translation>
    </message>
    <message>
        <source>Os pontos {A}, {B} e {C} estão em linha recta? Responda sim ou não.</source>
        <translation>Os pontos {A}, {B} e {C} estão em linha reta? Responda sim ou não.</translation>
    </message>
    <message>
        <source>Determine a inclinação, em graus, da recta que passa nos pontos {A} e {B}.</source>
        <translation>Determine a inclinação, em graus, da reta que passa nos pontos {A} e {B}.</translation>
    </message>
    <message>
        <source>Determine o declive da recta que passa nos pontos {A} e {B}.</source>
        <translation>Determine o declive da reta que passa nos pontos {A} e {B}.</translation>
    </message>
    <message>
        <source>Determine a inclinação, em graus, da recta r: {r}.</source>
        <translation>Determine a inclinação, em graus, da reta r: {r}.</translation>
    </message>
    <message>
        <source>Determine o declive da recta r: {r}.</source>
        <translation>Determine o declive da reta r: {r}.</translation>
    </message>
    <message>
        <source>Indique a posição relativa das rectas r: {r} e s: {s} (paralelas, coincidentes ou concorrentes; se forem concorrentes, o ponto de intersecção).</source>
        <translation>Indique a posição relativa das retas r: {r} e s: {s} (paralelas, coincidentes ou concorrentes; se forem concorrentes, o ponto de interseção).</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {P} e é paralela ao eixo das abcissas.</source>
        <translation>Determine a equação reduzida da reta que passa em {P} e é paralela ao eixo das abcissas.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {P} e é paralela ao eixo das ordenadas.</source>
        <translation>Determine a equação reduzida da reta que passa em {P} e é paralela ao eixo das ordenadas.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {P} e tem inclinação {alpha}º.</source>
        <translation>Determine a equação reduzida da reta que passa em {P} e tem inclinação {alpha}º.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {P} e tem declive {m}.</source>
        <translation>Determine a equação reduzida da reta que passa em {P} e tem declive {m}.</translation>
    </message>
    <message>
        <source>Determine as equações reduzidas das rectas que passam em {P} e fazem um ângulo de {alpha}º com a recta r: {r}.</source>
        <translation>Determine as equações reduzidas das retas que passam em {P} e fazem um ângulo de {alpha}º com a reta r: {r}.</translation>
    </message>
    <message>
        <source>Determine equações gerais das bissectrizes dos ângulos das rectas r: {r} e s: {s}.</source>
        <translation>Determine equações gerais das bissetrizes dos ângulos das retas r: {r} e s: {s}.</translation>
    </message>
    <message>
        <source>Represente o ponto {P} e indique as coordenadas da sua projecção ortogonal sobre o eixo das abcissas.</source>
        <translation>Represente o ponto {P} e indique as coordenadas da sua projeção ortogonal sobre o eixo das abcissas.</translation>
    </message>
    <message>
        <source>Represente o ponto {P} e indique as coordenadas da sua projecção ortogonal sobre o eixo das ordenadas.</source>
        <translation>Represente o ponto {P} e indique as coordenadas da sua projeção ortogonal sobre o eixo das ordenadas.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do ponto médio M do segmento [AB], sendo {A} e {B}.</source>
        <translation>Determine as coordenadas do ponto médio M do segmento [AB], sendo {A} e {B}.</translation>
    </message>
    <message>
        <source>Calcule a distância entre os pontos {A} e {B}. Apresente o valor exacto, simplificado.</source>
        <translation>Calcule a distância entre os pontos {A} e {B}. Apresente o valor exato, simplificado.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da mediatriz do segmento [AB], sendo {A} e {B}.</source>
        <translation>Determine a equação reduzida da mediatriz do segmento [AB], sendo {A} e {B}.</translation>
    </message>
    <message>
        <source>Determine uma equação geral da mediatriz do segmento [AB], sendo {A} e {B}.</source>
        <translation>Determine uma equação geral da mediatriz do segmento [AB], sendo {A} e {B}.</translation>
    </message>
    <message>
        <source>Escreva a equação reduzida da recta de equação {r}.</source>
        <translation>Escreva a equação reduzida da reta de equação {r}.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa nos pontos {A} e {B}.</source>
        <translation>Determine a equação reduzida da reta que passa nos pontos {A} e {B}.</translation>
    </message>
    <message>
        <source>Determine uma equação geral da recta que passa nos pontos {A} e {B}.</source>
        <translation>Determine uma equação geral da reta que passa nos pontos {A} e {B}.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {P} e é paralela a r: {r}.</source>
        <translation>Determine a equação reduzida da reta que passa em {P} e é paralela a r: {r}.</translation>
    </message>
    <message>
        <source>Determine a equação reduzida da recta que passa em {Q} e é perpendicular a r: {r}.</source>
        <translation>Determine a equação reduzida da reta que passa em {Q} e é perpendicular a r: {r}.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do circuncentro do triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Determine as coordenadas do circuncentro do triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do incentro do triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Determine as coordenadas do incentro do triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do ortocentro do triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Determine as coordenadas do ortocentro do triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Determine as coordenadas do baricentro do triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Determine as coordenadas do baricentro do triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>Calcule a área do triângulo de vértices {A}, {B} e {C}.</source>
        <translation>Calcule a área do triângulo de vértices {A}, {B} e {C}.</translation>
    </message>
    <message>
        <source>O triângulo de vértices {A}, {B} e {C} é rectângulo? Responda sim ou não.</source>
        <translation>O triângulo de vértices {A}, {B} e {C} é retângulo? Responda sim ou não.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Praticar</source>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Problema</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Nível</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Semente</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>ao acaso</source>
        <translation>ao acaso</translation>
    </message>
    <message>
        <source>Semente:</source>
        <translation>Semente:</translation>
    </message>
    <message>
        <source>Novo exercício</source>
        <translation>Novo exercício</translation>
    </message>
    <message>
        <source>Escolha o tema, o problema e o nível e carregue em «Novo exercício».</source>
        <translation>Escolha o tema, o problema e o nível e carregue em «Novo exercício».</translation>
    </message>
    <message>
        <source>Resposta:</source>
        <translation>Resposta:</translation>
    </message>
    <message>
        <source>Resposta</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Verificar</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Ver resolução</source>
        <translation>Ver resolução</translation>
    </message>
    <message>
        <source>qualquer um deste tema</source>
        <translation>qualquer um deste tema</translation>
    </message>
    <message>
        <source>Não foi possível criar um exercício deste problema.</source>
        <translation>Não foi possível criar um exercício deste problema.</translation>
    </message>
    <message>
        <source>Exercício %1 · semente %2 · %3</source>
        <translation>Exercício %1 · semente %2 · %3</translation>
    </message>
    <message>
        <source>%1 · %2: %3 tentado(s), %4 certo(s) à primeira</source>
        <translation>%1 · %2: %3 tentado(s), %4 certo(s) à primeira</translation>
    </message>
    <message>
        <source>Recomeçar a contagem</source>
        <translation>Recomeçar a contagem</translation>
    </message>
    <message>
        <source>Verifica a resposta (Enter)</source>
        <translation>Verifica a resposta (Enter)</translation>
    </message>
    <message>
        <source>Resolve o problema e mostra a resolução passo a passo (Ctrl+R)</source>
        <translation>Resolve o problema e mostra a resolução passo a passo (Ctrl+R)</translation>
    </message>
    <message>
        <source>Como se escreve</source>
        <translation>Como se escreve</translation>
    </message>
    <message>
        <source>Abre a página da sintaxe: números, pontos, equações e amplitudes</source>
        <translation>Abre a página da sintaxe: números, pontos, equações e amplitudes</translation>
    </message>
    <message>
        <source>Este problema não tem exercícios do nível %1: este é do nível %2.</source>
        <translation>Este problema não tem exercícios do nível %1: este é do nível %2.</translation>
    </message>
</context>
<context>
    <name>PressPipeline</name>
    <message>
        <source>Erro:</source>
        <translation>Erro:</translation>
    </message>
</context>
<context>
    <name>ProblemForm</name>
    <message>
        <source>Resolução passo a passo</source>
        <translation>Resolução passo a passo</translation>
    </message>
    <message>
        <source>Praticar</source>
        <translation>Praticar</translation>
    </message>
    <message>
        <source>Quadro em ecrã inteiro</source>
        <translation>Quadro em ecrã inteiro</translation>
    </message>
    <message>
        <source>Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.</source>
        <translation>Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.</translation>
    </message>
    <message>
        <source>A equação que indicou não é a de uma recta.</source>
        <translation>A equação que indicou não é a de uma reta.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 — Resolução</source>
        <translation>%1 — Resolução</translation>
    </message>
    <message>
        <source>1 unidade = %1 cm</source>
        <translation>1 unidade = %1 cm</translation>
    </message>
    <message>
        <source>1 unidade = %1 mm</source>
        <translation>1 unidade = %1 mm</translation>
    </message>
    <message>
        <source>Escala: ajustada à página, %1</source>
        <translation>Escala: ajustada à página, %1</translation>
    </message>
    <message>
        <source>Escala: %1</source>
        <translation>Escala: %1</translation>
    </message>
    <message>
        <source>Pasta:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Tipo:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Escala</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Escala:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Com a resolução</source>
        <translation>Com a resolução</translation>
    </message>
    <message>
        <source>Junta a resolução passo a passo, nas páginas seguintes</source>
        <translation>Junta a resolução passo a passo, nas páginas seguintes</translation>
    </message>
    <message>
        <source>Desenho vectorial SVG (*.svg)</source>
        <translation>Desenho vetorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Imagem PNG do tamanho do ecrã (*.png)</source>
        <translation>Imagem PNG do tamanho do ecrã (*.png)</translation>
    </message>
    <message>
        <source>Imagem PNG com o dobro da resolução (*.png)</source>
        <translation>Imagem PNG com o dobro da resolução (*.png)</translation>
    </message>
    <message>
        <source>Imagem PNG com o quádruplo da resolução (*.png)</source>
        <translation>Imagem PNG com o quádruplo da resolução (*.png)</translation>
    </message>
    <message>
        <source>Desenho vectorial SVG com a resolução (*.svg)</source>
        <translation>Desenho vetorial SVG com a resolução (*.svg)</translation>
    </message>
    <message>
        <source>Imagem PNG com a resolução, o dobro da resolução (*.png)</source>
        <translation>Imagem PNG com a resolução, o dobro da resolução (*.png)</translation>
    </message>
    <message>
        <source>Ajustar à página</source>
        <translation>Ajustar à página</translation>
    </message>
    <message>
        <source>Guardar imagem como</source>
        <translation>Guardar imagem como</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Escreva aqui o valor da abcissa do ponto</source>
        <translation>Escreva aqui o valor da abcissa do ponto</translation>
    </message>
    <message>
        <source>Escreva aqui o valor da ordenada do ponto</source>
        <translation>Escreva aqui o valor da ordenada do ponto</translation>
    </message>
    <message>
        <source>Abcissa de %1</source>
        <translation>Abcissa de %1</translation>
    </message>
    <message>
        <source>Ordenada de %1</source>
        <translation>Ordenada de %1</translation>
    </message>
    <message>
        <source>Desenha os dados do problema.</source>
        <translation>Desenha os dados do problema.</translation>
    </message>
    <message>
        <source>Dados</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Resolver</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Coordenadas dos vértices:</source>
        <translation>Coordenadas dos vértices:</translation>
    </message>
    <message>
        <source>O número de exercícios de «%1» deve ser um inteiro de 1 a %2.</source>
        <translation>O número de exercícios de «%1» deve ser um inteiro de 1 a %2.</translation>
    </message>
    <message>
        <source>Problema desconhecido: «%1».</source>
        <translation>Problema desconhecido: «%1».</translation>
    </message>
    <message>
        <source>Nível desconhecido: «%1». Use básico, intermédio ou avançado.</source>
        <translation>Nível desconhecido: «%1». Use básico, intermédio ou avançado.</translation>
    </message>
    <message>
        <source>O número de versões deve ser 1 ou 2, não «%1».</source>
        <translation>O número de versões deve ser 1 ou 2, não «%1».</translation>
    </message>
    <message>
        <source>A semente deve ser um número inteiro positivo, não «%1».</source>
        <translation>A semente deve ser um número inteiro positivo, não «%1».</translation>
    </message>
    <message>
        <source>Indique um só ficheiro de saída.</source>
        <translation>Indique um só ficheiro de saída.</translation>
    </message>
    <message>
        <source>O ficheiro «%1» deve terminar em .pdf ou .odt.</source>
        <translation>O ficheiro «%1» deve terminar em .pdf ou .odt.</translation>
    </message>
    <message>
        <source>A opção --%1 não leva valor.</source>
        <translation>A opção --%1 não leva valor.</translation>
    </message>
    <message>
        <source>Opção desconhecida: «--%1».</source>
        <translation>Opção desconhecida: «--%1».</translation>
    </message>
    <message>
        <source>Falta o valor da opção --%1.</source>
        <translation>Falta o valor da opção --%1.</translation>
    </message>
    <message>
        <source>Sem exercícios de nível %1: %2.</source>
        <translation>Sem exercícios de nível %1: %2.</translation>
    </message>
    <message>
        <source>Nenhum dos problemas escolhidos tem exercícios de nível %1.</source>
        <translation>Nenhum dos problemas escolhidos tem exercícios de nível %1.</translation>
    </message>
    <message>
        <source>Sem exercícios de nível %1, ficam de fora: %2.</source>
        <translation>Sem exercícios de nível %1, ficam de fora: %2.</translation>
    </message>
    <message>
        <source>Indique pelo menos um problema com --problema.</source>
        <translation>Indique pelo menos um problema com --problema.</translation>
    </message>
    <message>
        <source>Uma ficha tem no máximo %1 exercícios por versão.</source>
        <translation>Uma ficha tem no máximo %1 exercícios por versão.</translation>
    </message>
    <message>
        <source>Falta o ficheiro de saída (.pdf ou .odt).</source>
        <translation>Falta o ficheiro de saída (.pdf ou .odt).</translation>
    </message>
    <message>
        <source>O título está vazio.</source>
        <translation>O título está vazio.</translation>
    </message>
    <message>
        <source>Opção desconhecida: «%1».</source>
        <translation>Opção desconhecida: «%1».</translation>
    </message>
    <message>
        <source>ortoplano: não foi possível criar um exercício de «%1».
</source>
        <translation>ortoplano: não foi possível criar um exercício de «%1».
</translation>
    </message>
    <message>
        <source>Ficha guardada em «%1» (semente %2).
</source>
        <translation>Ficha guardada em «%1» (semente %2).
</translation>
    </message>
    <message>
        <source>Argumento desconhecido: «%1».</source>
        <translation>Argumento desconhecido: «%1».</translation>
    </message>
    <message>
        <source>Utilização:
  ortoplano                      abre as janelas do programa
  ortoplano ficha [opções] FICHEIRO
                                 escreve uma ficha de exercícios com as soluções
                                 e as resoluções (FICHEIRO.pdf ou FICHEIRO.odt)
  ortoplano --help               mostra esta ajuda

Opções de «ficha»:
  -p, --problema P[:N]   N exercícios (1 a %1; 1 sem :N) do problema P, ou de
                         cada problema do tema P, com ou sem acentos; repete-se
                         para juntar outros
  -n, --nivel NÍVEL      básico (o habitual), intermédio ou avançado
  -v, --versoes 1|2      uma versão, ou duas (A e B) com dados diferentes
  -s, --semente N        a semente (inteiro positivo): as mesmas opções e a
                         mesma semente dão a mesma ficha; sem ela, uma ao acaso
  -t, --titulo TEXTO     o título da ficha (habitual: «Ficha de exercícios»)
      --sem-figuras      sem as figuras dos dados (habitual: com figuras)
  -o, --saida FICHEIRO   o ficheiro a escrever, .pdf ou .odt

Exemplo:
  ortoplano ficha -p recta1-4:3 -p circunferencia3-2:2 -n intermédio -v 2 ficha.pdf

Problemas:
</source>
        <translation>Utilização:
  ortoplano                      abre as janelas do programa
  ortoplano ficha [opções] FICHEIRO
                                 escreve uma ficha de exercícios com as soluções
                                 e as resoluções (FICHEIRO.pdf ou FICHEIRO.odt)
  ortoplano --help               mostra esta ajuda

Opções de «ficha»:
  -p, --problema P[:N]   N exercícios (1 a %1; 1 sem :N) do problema P, ou de
                         cada problema do tema P, com ou sem acentos; repete-se
                         para juntar outros
  -n, --nivel NÍVEL      básico (o habitual), intermédio ou avançado
  -v, --versoes 1|2      uma versão, ou duas (A e B) com dados diferentes
  -s, --semente N        a semente (inteiro positivo): as mesmas opções e a
                         mesma semente dão a mesma ficha; sem ela, uma ao acaso
  -t, --titulo TEXTO     o título da ficha (habitual: «Ficha de exercícios»)
      --sem-figuras      sem as figuras dos dados (habitual: com figuras)
  -o, --saida FICHEIRO   o ficheiro a escrever, .pdf ou .odt

Exemplo:
  ortoplano ficha -p reta1-4:3 -p circunferencia3-2:2 -n intermédio -v 2 ficha.pdf

Problemas:
</translation>
    </message>
    <message>
        <source>Os problemas e as opções vêm em «ortoplano --help».</source>
        <translation>Os problemas e as opções vêm em «ortoplano --help».</translation>
    </message>
    <message>
        <source>Não foi possível guardar a ficha: a pasta «%1» não existe.</source>
        <translation>Não foi possível guardar a ficha: a pasta «%1» não existe.</translation>
    </message>
    <message>
        <source>Não foi possível guardar a ficha em «%1»: não tem permissão para escrever nessa pasta.</source>
        <translation>Não foi possível guardar a ficha em «%1»: não tem permissão para escrever nessa pasta.</translation>
    </message>
    <message>
        <source>Não foi possível guardar a ficha em «%1»: o disco está cheio. Nenhum ficheiro foi alterado.</source>
        <translation>Não foi possível guardar a ficha em «%1»: o disco está cheio. Nenhum ficheiro foi alterado.</translation>
    </message>
    <message>
        <source>Não foi possível guardar a ficha em «%1»: o nome do ficheiro não é aceite. Use um nome terminado em .pdf ou .odt, sem caracteres especiais.</source>
        <translation>Não foi possível guardar a ficha em «%1»: o nome do ficheiro não é aceite. Use um nome terminado em .pdf ou .odt, sem caracteres especiais.</translation>
    </message>
    <message>
        <source>Não foi possível guardar a ficha em «%1».</source>
        <translation>Não foi possível guardar a ficha em «%1».</translation>
    </message>
    <message>
        <source>recta</source>
        <comment>the topics of lines, in a name of --problema</comment>
        <translation>reta</translation>
    </message>
</context>
<context>
    <name>SolutionView</name>
    <message>
        <source>Passo %1 de %2</source>
        <translation>Passo %1 de %2</translation>
    </message>
    <message>
        <source>%1, ainda não mostrado</source>
        <translation>%1, ainda não mostrado</translation>
    </message>
    <message>
        <source>%1 de %2 passos mostrados</source>
        <translation>%1 de %2 passos mostrados</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Resolução</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Anterior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Esconde o último passo mostrado (←, Page Up)</source>
        <translation>Esconde o último passo mostrado (←, Page Up)</translation>
    </message>
    <message>
        <source>Seguinte</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Mostra o passo seguinte (Espaço, →, Page Down)</source>
        <translation>Mostra o passo seguinte (Espaço, →, Page Down)</translation>
    </message>
    <message>
        <source>Tudo</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Mostra todos os passos (End); Home volta ao primeiro</source>
        <translation>Mostra todos os passos (End); Home volta ao primeiro</translation>
    </message>
    <message>
        <source>Letra mais pequena (Ctrl+−)</source>
        <translation>Letra mais pequena (Ctrl+−)</translation>
    </message>
    <message>
        <source>Letra maior (Ctrl++)</source>
        <translation>Letra maior (Ctrl++)</translation>
    </message>
    <message>
        <source>Ainda não há resolução para mostrar.
Prima «Resolver» num problema e a resolução aparece aqui, passo a passo.</source>
        <translation>Ainda não há resolução para mostrar.
Prima «Resolver» num problema e a resolução aparece aqui, passo a passo.</translation>
    </message>
    <message>
        <source>Passo %1 de %2</source>
        <translation>Passo %1 de %2</translation>
    </message>
</context>
<context>
    <name>SpinArrows</name>
    <message>
        <source>Aumentar %1</source>
        <translation>Aumentar %1</translation>
    </message>
    <message>
        <source>Diminuir %1</source>
        <translation>Diminuir %1</translation>
    </message>
</context>
<context>
    <name>TopicTable</name>
    <message>
        <source>PONTOS</source>
        <translation>PONTOS</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Ponto</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Ir para Pontos</source>
        <translation>Ir para Pontos</translation>
    </message>
    <message>
        <source>Ir para pontos</source>
        <translation>Ir para pontos</translation>
    </message>
    <message>
        <source>RECTA - 1</source>
        <translation>RETA - 1</translation>
    </message>
    <message>
        <source>Reta 1</source>
        <translation>Reta 1</translation>
    </message>
    <message>
        <source>Recta 1</source>
        <translation>Reta 1</translation>
    </message>
    <message>
        <source>Rectas 1</source>
        <translation>Retas 1</translation>
    </message>
    <message>
        <source>Ir para Recta-1</source>
        <translation>Ir para Reta-1</translation>
    </message>
    <message>
        <source>RECTA - 2</source>
        <translation>RETA - 2</translation>
    </message>
    <message>
        <source>Reta 2</source>
        <translation>Reta 2</translation>
    </message>
    <message>
        <source>Recta 2</source>
        <translation>Reta 2</translation>
    </message>
    <message>
        <source>Rectas 2</source>
        <translation>Retas 2</translation>
    </message>
    <message>
        <source>Ir para Recta-2</source>
        <translation>Ir para Reta-2</translation>
    </message>
    <message>
        <source>Ir para Recta 2</source>
        <translation>Ir para Reta 2</translation>
    </message>
    <message>
        <source>RECTA - 3</source>
        <translation>RETA - 3</translation>
    </message>
    <message>
        <source>Reta 3</source>
        <translation>Reta 3</translation>
    </message>
    <message>
        <source>Recta 3</source>
        <translation>Reta 3</translation>
    </message>
    <message>
        <source>Rectas 3</source>
        <translation>Retas 3</translation>
    </message>
    <message>
        <source>Ir para Recta-3</source>
        <translation>Ir para Reta-3</translation>
    </message>
    <message>
        <source>Ir para Recta 3</source>
        <translation>Ir para Reta 3</translation>
    </message>
    <message>
        <source>RECTA - 4</source>
        <translation>RETA - 4</translation>
    </message>
    <message>
        <source>Reta 4</source>
        <translation>Reta 4</translation>
    </message>
    <message>
        <source>Recta 4</source>
        <translation>Reta 4</translation>
    </message>
    <message>
        <source>Rectas 4</source>
        <translation>Retas 4</translation>
    </message>
    <message>
        <source>Ir para Recta-4</source>
        <translation>Ir para Reta-4</translation>
    </message>
    <message>
        <source>Ir para Recta 4</source>
        <translation>Ir para Reta 4</translation>
    </message>
    <message>
        <source>CIRCUNFERÊNCIA - 1</source>
        <translation>CIRCUNFERÊNCIA - 1</translation>
    </message>
    <message>
        <source>Circunferência 1</source>
        <translation>Circunferência 1</translation>
    </message>
    <message>
        <source>Círculo 1</source>
        <translation>Círculo 1</translation>
    </message>
    <message>
        <source>Ir para Circunferência-1</source>
        <translation>Ir para Circunferência-1</translation>
    </message>
    <message>
        <source>Ir para Circunferência 1</source>
        <translation>Ir para Circunferência 1</translation>
    </message>
    <message>
        <source>CIRCUNFERÊNCIA - 2</source>
        <translation>CIRCUNFERÊNCIA - 2</translation>
    </message>
    <message>
        <source>Circunferência 2</source>
        <translation>Circunferência 2</translation>
    </message>
    <message>
        <source>Círculo 2</source>
        <translation>Círculo 2</translation>
    </message>
    <message>
        <source>Ir para Circunferência-2</source>
        <translation>Ir para Circunferência-2</translation>
    </message>
    <message>
        <source>Ir para Circunferência 2</source>
        <translation>Ir para Circunferência 2</translation>
    </message>
    <message>
        <source>CIRCUNFERÊNCIA - 3</source>
        <translation>CIRCUNFERÊNCIA - 3</translation>
    </message>
    <message>
        <source>Circunferência 3</source>
        <translation>Circunferência 3</translation>
    </message>
    <message>
        <source>Círculo 3</source>
        <translation>Círculo 3</translation>
    </message>
    <message>
        <source>Ir para Circunferência-3</source>
        <translation>Ir para Circunferência-3</translation>
    </message>
    <message>
        <source>Ir para Circunferência 3</source>
        <translation>Ir para Circunferência 3</translation>
    </message>
    <message>
        <source>TRIÂNGULO</source>
        <translation>TRIÂNGULO</translation>
    </message>
    <message>
        <source>Triângulo</source>
        <translation>Triângulo</translation>
    </message>
    <message>
        <source>Ir para Triângulo</source>
        <translation>Ir para Triângulo</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Instruções</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Sintaxe</source>
        <translation>Sintaxe</translation>
    </message>
    <message>
        <source>Funções definidas</source>
        <translation>Funções definidas</translation>
    </message>
</context>
<context>
    <name>TriangleForm</name>
    <message>
        <source>Coordenadas:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Área:</source>
        <translation>Área:</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusão:</translation>
    </message>
    <message>
        <source>Os três pontos são colineares, não definem um triângulo.</source>
        <translation>Os três pontos são colineares, não definem um triângulo.</translation>
    </message>
    <message>
        <source>Os pontos são colineares, não definem um triângulo.</source>
        <translation>Os pontos são colineares, não definem um triângulo.</translation>
    </message>
    <message>
        <source>O triângulo é rectângulo.</source>
        <translation>O triângulo é retângulo.</translation>
    </message>
    <message>
        <source>O triângulo não é rectângulo.</source>
        <translation>O triângulo não é retângulo.</translation>
    </message>
    <message>
        <source>Circuncentro (ponto de encontro das mediatrizes)</source>
        <translation>Circuncentro (ponto de encontro das mediatrizes)</translation>
    </message>
    <message>
        <source>Incentro (ponto de encontro das bissectrizes)</source>
        <translation>Incentro (ponto de encontro das bissetrizes)</translation>
    </message>
    <message>
        <source>Ortocentro (ponto de encontro das alturas)</source>
        <translation>Ortocentro (ponto de encontro das alturas)</translation>
    </message>
    <message>
        <source>Baricentro (ponto de encontro das medianas)</source>
        <translation>Baricentro (ponto de encontro das medianas)</translation>
    </message>
</context>
<context>
    <name>Viewer</name>
    <message>
        <source>Página %1 de %2: %3</source>
        <translation>Página %1 de %2: %3</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Página seguinte</source>
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Fechar esta janela</source>
        <translation>Fechar esta janela</translation>
    </message>
    <message>
        <source>Página</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>de  %1</source>
        <translation>de  %1</translation>
    </message>
    <message>
        <source>Índice — ORTOPLANO</source>
        <translation>Índice — ORTOPLANO</translation>
    </message>
</context>
<context>
    <name>ViewportPanel</name>
    <message>
        <source>Eixos</source>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Desenhar grelha</source>
        <translation>Desenhar grelha</translation>
    </message>
    <message>
        <source>Coloque a marca para que seja desenhada uma grelha na janela de desenho</source>
        <translation>Coloque a marca para que seja desenhada uma grelha na janela de desenho</translation>
    </message>
    <message>
        <source>(quando | Xmax-Xmin | &gt; 50, não se graduam os eixos nem existe grelha)</source>
        <translation>(quando | Xmax-Xmin | &gt; 50, não se graduam os eixos nem existe grelha)</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Ficha de exercícios</source>
        <translation>Ficha de exercícios</translation>
    </message>
    <message>
        <source>&amp;Abrir a ficha</source>
        <translation>&amp;Abrir a ficha</translation>
    </message>
    <message>
        <source>Abre o ficheiro no programa do ambiente de trabalho para PDF ou OpenDocument.</source>
        <translation>Abre o ficheiro no programa do ambiente de trabalho para PDF ou OpenDocument.</translation>
    </message>
    <message>
        <source>Não foi possível abrir «%1»: o ambiente de trabalho não tem um programa para este tipo de ficheiro.</source>
        <translation>Não foi possível abrir «%1»: o ambiente de trabalho não tem um programa para este tipo de ficheiro.</translation>
    </message>
    <message>
        <source>Ficha guardada em «%1».</source>
        <translation>Ficha guardada em «%1».</translation>
    </message>
    <message>
        <source>Problemas</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Problema</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Exercícios</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Exercícios de «%1»</source>
        <translation>Exercícios de «%1»</translation>
    </message>
    <message>
        <source>&amp;Título:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Nível:</source>
        <translation>&amp;Nível:</translation>
    </message>
    <message>
        <source>Uma versão</source>
        <translation>Uma versão</translation>
    </message>
    <message>
        <source>Duas versões (A e B)</source>
        <translation>Duas versões (A e B)</translation>
    </message>
    <message>
        <source>&amp;Versões:</source>
        <translation>&amp;Versões:</translation>
    </message>
    <message>
        <source>Outra</source>
        <translation>Outra</translation>
    </message>
    <message>
        <source>Escolhe outra semente: outros dados, a mesma estrutura.</source>
        <translation>Escolhe outra semente: outros dados, a mesma estrutura.</translation>
    </message>
    <message>
        <source>&amp;Semente:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>Incluir as &amp;figuras dos dados</source>
        <translation>Incluir as &amp;figuras dos dados</translation>
    </message>
    <message>
        <source>A mesma escolha com a mesma semente dá a mesma ficha. As soluções e as resoluções vêm depois dos exercícios, em páginas próprias.</source>
        <translation>A mesma escolha com a mesma semente dá a mesma ficha. As soluções e as resoluções vêm depois dos exercícios, em páginas próprias.</translation>
    </message>
    <message>
        <source>Pré-&amp;visualizar…</source>
        <translation>Pré-&amp;visualizar…</translation>
    </message>
    <message>
        <source>Guardar &amp;PDF…</source>
        <translation>Guardar &amp;PDF…</translation>
    </message>
    <message>
        <source>Guardar &amp;ODT…</source>
        <translation>Guardar &amp;ODT…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>1 exercício por versão</source>
        <translation>1 exercício por versão</translation>
    </message>
    <message>
        <source>%1 exercícios por versão</source>
        <translation>%1 exercícios por versão</translation>
    </message>
    <message>
        <source>Sem exercícios de nível %1.</source>
        <translation>Sem exercícios de nível %1.</translation>
    </message>
    <message>
        <source>Sem exercícios de nível %1, ficam de fora: %2.</source>
        <translation>Sem exercícios de nível %1, ficam de fora: %2.</translation>
    </message>
    <message>
        <source>Os problemas a cinzento não têm exercícios de nível %1.</source>
        <translation>Os problemas a cinzento não têm exercícios de nível %1.</translation>
    </message>
    <message>
        <source>Escolha pelo menos um problema.</source>
        <translation>Escolha pelo menos um problema.</translation>
    </message>
    <message>
        <source>Não foi possível criar um exercício de «%1».</source>
        <translation>Não foi possível criar um exercício de «%1».</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Texto OpenDocument (*.odt)</source>
        <translation>Texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Guardar a ficha</source>
        <translation>Guardar a ficha</translation>
    </message>
    <message>
        <source>Não foi possível imprimir a ficha.</source>
        <translation>Não foi possível imprimir a ficha.</translation>
    </message>
    <message>
        <source>Pré-visualização da ficha</source>
        <translation>Pré-visualização da ficha</translation>
    </message>
</context>
<context>
    <name>worksheet</name>
    <message>
        <source>página %1 de %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>Versão %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>nível %1 · semente %2</source>
        <translation>nível %1 · semente %2</translation>
    </message>
</context>
<context>
    <name>worksheet::Flow</name>
    <message>
        <source>Nome: </source>
        <translation>Nome: </translation>
    </message>
    <message>
        <source>Turma: %1   N.º: %2   Data: %3</source>
        <translation>Turma: %1   N.º: %2   Data: %3</translation>
    </message>
    <message>
        <source>Soluções</source>
        <translation>Soluções</translation>
    </message>
    <message>
        <source>Resoluções</source>
        <translation>Resoluções</translation>
    </message>
    <message>
        <source>Exercício %1</source>
        <translation>Exercício %1</translation>
    </message>
    <message>
        <source>Este exercício não tem resolução passo a passo.</source>
        <translation>Este exercício não tem resolução passo a passo.</translation>
    </message>
</context>
<context>
    <name>worksheet::Package</name>
    <message>
        <source>Nível</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Semente</source>
        <translation>Semente</translation>
    </message>
</context>
</TS>
