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
        <source>Circunferência de equação...</source>
        <translation>Circunferência de equação...</translation>
    </message>
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
        <source>Circunferência com centro num ponto e tg a uma recta</source>
        <translation>Circunferência com centro num ponto e tg a uma reta</translation>
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
        <source>Tangente a uma circunferência num dos seus pontos</source>
        <translation>Tangente a uma circunferência num dos seus pontos</translation>
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
        <source>Intersecção de uma recta com uma circunferência</source>
        <translation>Interseção de uma reta com uma circunferência</translation>
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
        <source>Circunferência e triângulo</source>
        <translation>Circunferência e triângulo</translation>
    </message>
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
        <source>Distância de um ponto P a uma circunferência</source>
        <translation>Distância de um ponto P a uma circunferência</translation>
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
        <source>Circunferência de centro C e tangente a uma recta</source>
        <translation>Circunferência de centro C e tangente a uma reta</translation>
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
        <source>Circunferência definida por três pontos</source>
        <translation>Circunferência definida por três pontos</translation>
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
        <source>Intersecção de duas circunferências</source>
        <translation>Interseção de duas circunferências</translation>
    </message>
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
        <source>Rectas que passam por P e são tg a uma circunferência</source>
        <translation>Retas que passam por P e são tg a uma circunferência</translation>
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
        <source>Circunferência que passa em P e é tg à recta no ponto Q</source>
        <translation>Circunferência que passa em P e é tg à reta no ponto Q</translation>
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
    <name>FieldReaders</name>
    <message>
        <source>A equação não representa uma recta.</source>
        <translation>A equação não representa uma reta.</translation>
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
        <source>Recta de equação...</source>
        <translation>Reta de equação...</translation>
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
        <source>Recta que passa por dois pontos</source>
        <translation>Reta que passa por dois pontos</translation>
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
        <source>Recta que passa por um ponto e é paralela a outra</source>
        <translation>Reta que passa por um ponto e é paralela a outra</translation>
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
        <source>Recta que passa por um ponto e é perpendicular a outra</source>
        <translation>Reta que passa por um ponto e é perpendicular a outra</translation>
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
        <source>Intersecção de duas rectas</source>
        <translation>Interseção de duas retas</translation>
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
        <source>Intersecção:</source>
        <translation>Interseção:</translation>
    </message>
    <message>
        <source>Distância entre rectas paralelas</source>
        <translation>Distância entre retas paralelas</translation>
    </message>
    <message>
        <source>Distância:</source>
        <translation>Distância:</translation>
    </message>
    <message>
        <source>Distância de um ponto a uma recta</source>
        <translation>Distância de um ponto a uma reta</translation>
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
        <source>Ângulo de duas rectas</source>
        <translation>Ângulo de duas retas</translation>
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
        <source>Ver se três pontos são colineares</source>
        <translation>Ver se três pontos são colineares</translation>
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
        <source>Conclusão:</source>
        <translation>Conclusão:</translation>
    </message>
    <message>
        <source>Coeficiente angular e inclinação de uma recta</source>
        <translation>Coeficiente angular e inclinação de uma reta</translation>
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
        <source>Posição relativa de duas rectas</source>
        <translation>Posição relativa de duas retas</translation>
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
        <source>As rectas são concorrentes em ( </source>
        <translation>As retas são concorrentes em ( </translation>
    </message>
</context>
<context>
    <name>Lines4Form</name>
    <message>
        <source>Recta que passa num ponto e ...</source>
        <translation>Reta que passa num ponto e ...</translation>
    </message>
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
        <source>Bissectrizes de duas rectas concorrentes</source>
        <translation>Bissetrizes de duas retas concorrentes</translation>
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
        <source>Representação de um ponto</source>
        <translation>Representação de um ponto</translation>
    </message>
    <message>
        <source>Coordenadas do ponto:</source>
        <translation>Coordenadas do ponto:</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Ponto médio de um segmento</source>
        <translation>Ponto médio de um segmento</translation>
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
        <source>Distância entre dois pontos</source>
        <translation>Distância entre dois pontos</translation>
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
        <source>Mediatriz de um segmento</source>
        <translation>Mediatriz de um segmento</translation>
    </message>
    <message>
        <source>Mediatriz:</source>
        <translation>Mediatriz:</translation>
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
        <source>%1: %2 tentado(s), %3 certo(s) à primeira</source>
        <translation>%1: %2 tentado(s), %3 certo(s) à primeira</translation>
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
        <source>Ver se três pontos são colineares</source>
        <translation>Ver se três pontos são colineares</translation>
    </message>
    <message>
        <source>Coeficiente angular e inclinação de uma recta</source>
        <translation>Coeficiente angular e inclinação de uma reta</translation>
    </message>
    <message>
        <source>Posição relativa de duas rectas</source>
        <translation>Posição relativa de duas retas</translation>
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
        <source>Recta que passa num ponto e ...</source>
        <translation>Reta que passa num ponto e ...</translation>
    </message>
    <message>
        <source>Bissectrizes de duas rectas concorrentes</source>
        <translation>Bissetrizes de duas retas concorrentes</translation>
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
        <source>Circunferência de equação...</source>
        <translation>Circunferência de equação...</translation>
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
        <source>Circunferência e triângulo</source>
        <translation>Circunferência e triângulo</translation>
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
        <source>Pontos notáveis de um triângulo</source>
        <translation>Pontos notáveis de um triângulo</translation>
    </message>
    <message>
        <source>Área de um triângulo</source>
        <translation>Área de um triângulo</translation>
    </message>
    <message>
        <source>Ver se são vértices de um triângulo rectângulo</source>
        <translation>Ver se são vértices de um triângulo retângulo</translation>
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
        <source>Pontos notáveis de um triângulo</source>
        <translation>Pontos notáveis de um triângulo</translation>
    </message>
    <message>
        <source>Coordenadas:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Área de um triângulo</source>
        <translation>Área de um triângulo</translation>
    </message>
    <message>
        <source>Área:</source>
        <translation>Área:</translation>
    </message>
    <message>
        <source>Ver se são vértices de um triângulo rectângulo</source>
        <translation>Ver se são vértices de um triângulo retângulo</translation>
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
