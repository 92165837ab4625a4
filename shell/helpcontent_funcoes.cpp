// The defined-function pages: an introduction, the alphabetical list and one
// entry per function, grouped two or three to a page.

#include "helpcontent.h"
#include "numbered_error.h"

#include <QCoreApplication>

namespace Help {
namespace {

const QString Radianos = QString::fromUtf8(QT_TRANSLATE_NOOP("Help", "a em radianos"));

std::vector<FunctionEntry> makeEntries() {
    using E = std::vector<Example>;
    return {
        {"abs",
         QT_TRANSLATE_NOOP("Help", "valor absoluto"),
         "abs(a) = |a|",
         {},
         {},
         E{value("abs(-3.5)", "3,5"), value("abs(2-7)", "5")}},
        {"arccos",
         QT_TRANSLATE_NOOP("Help", "arco-co-seno, em radianos"),
         "arccos(a) = arctg(−a / √(1 − a²)) + π/2",
         QT_TRANSLATE_NOOP("Help",
                           "−1 ≤ a ≤ 1 (para a = ±1, o limite: arccos(1) = 0 e arccos(−1) = π)"),
         {},
         E{value("arccos(0)", "1,5707963267949"), value("arccos(0.5)", "1,0471975511966"),
           value("arccos(1)", "0"), value("arccos(-1)", "3,14159265358979"),
           fault("arccos(2)", Fault::InvalidArgument)}},
        {"arccosec", QT_TRANSLATE_NOOP("Help", "arco-co-secante, em radianos"),
         "arccosec(a) = arctg(a / √(a² − 1)) + (sgn(a) − 1) · π/2", "|a| > 1",
         QT_TRANSLATE_NOOP(
             "Help",
             "Atenção: esta fórmula não dá o valor principal habitual. O arco cuja co-secante é 2 "
             "é π/6, que se obtém com `arcsen(1/2)`."),
         E{value("arccosec(2)", "0,857071947850131"), value("arcsen(1/2)", "0,523598775598299")}},
        {"arccosech",
         QT_TRANSLATE_NOOP("Help", "argumento da co-secante hiperbólica"),
         "arccosech(a) = ln((sgn(a) · √(a² + 1) + 1) / a)",
         "a ≠ 0",
         {},
         E{value("arccosech(1)", "0,881373587019543"), value("arccosech(2)", "0,481211825059603"),
           fault("arccosech(0)", Fault::DivisionByZero)}},
        {"arccosh",
         QT_TRANSLATE_NOOP("Help", "argumento do co-seno hiperbólico"),
         "arccosh(a) = ln(√(a² − 1) + a)",
         "a ≥ 1",
         {},
         E{value("arccosh(1)", "0"), value("arccosh(2)", "1,31695789692482"),
           fault("arccosh(0.5)", Fault::InvalidArgument)}},
        {"arccotg",
         QT_TRANSLATE_NOOP("Help", "arco-co-tangente, em radianos"),
         "arccotg(a) = π/2 − arctg(a)",
         {},
         {},
         E{value("arccotg(0)", "1,5707963267949"), value("arccotg(1)", "0,785398163397448"),
           value("arccotg(-1)", "2,35619449019234")}},
        {"arccotgh",
         QT_TRANSLATE_NOOP("Help", "argumento da co-tangente hiperbólica"),
         "arccotgh(a) = ln((a + 1) / (a − 1)) / 2",
         "|a| > 1",
         {},
         E{value("arccotgh(2)", "0,549306144334055"), value("arccotgh(3)", "0,346573590279973")}},
        {"arcsec", QT_TRANSLATE_NOOP("Help", "arco-secante, em radianos"),
         "arcsec(a) = arctg(a / √(a² − 1)) + sgn(a − 1) · π/2", "|a| > 1",
         QT_TRANSLATE_NOOP(
             "Help",
             "Atenção: esta fórmula não dá o valor principal habitual. O arco cuja secante é 2 é "
             "π/3, que se obtém com `arccos(1/2)`."),
         E{value("arcsec(2)", "2,42786827464503"), value("arccos(1/2)", "1,0471975511966")}},
        {"arcsech",
         QT_TRANSLATE_NOOP("Help", "argumento da secante hiperbólica"),
         "arcsech(a) = ln((√(1 − a²) + 1) / a)",
         "0 < a ≤ 1",
         {},
         E{value("arcsech(1)", "0"), value("arcsech(0.5)", "1,31695789692482")}},
        {"arcsen",
         QT_TRANSLATE_NOOP("Help", "arco-seno, em radianos"),
         "arcsen(a) = arctg(a / √(1 − a²))",
         QT_TRANSLATE_NOOP("Help", "−1 ≤ a ≤ 1 (para a = ±1, o limite: arcsen(1) = π/2)"),
         {},
         E{value("arcsen(0.5)", "0,523598775598299"), value("6arcsen(0.5)", "3,14159265358979"),
           value("arcsen(1)", "1,5707963267949")}},
        {"arcsenh",
         QT_TRANSLATE_NOOP("Help", "argumento do seno hiperbólico"),
         "arcsenh(a) = ln(√(a² + 1) + a)",
         {},
         {},
         E{value("arcsenh(0)", "0"), value("arcsenh(1)", "0,881373587019543")}},
        {"arcsin",
         QT_TRANSLATE_NOOP("Help", "o mesmo que arcsen( ), com o nome inglês"),
         "arcsin(a) = arctg(a / √(1 − a²))",
         "−1 < a < 1",
         {},
         E{value("arcsin(0.5)", "0,523598775598299")}},
        {"arcsinh",
         QT_TRANSLATE_NOOP("Help", "o mesmo que arcsenh( ), com o nome inglês"),
         "arcsinh(a) = ln(√(a² + 1) + a)",
         {},
         {},
         E{value("arcsinh(1)", "0,881373587019543")}},
        {"arctg",
         QT_TRANSLATE_NOOP("Help", "arco-tangente, em radianos"),
         "arctg(a) = o ângulo de ]−π/2 ; π/2[ cuja tangente é a",
         {},
         {},
         E{value("arctg(1)", "0,785398163397448"), value("4arctg(1)", "3,14159265358979")}},
        {"arctgh",
         QT_TRANSLATE_NOOP("Help", "argumento da tangente hiperbólica"),
         "arctgh(a) = ln((a + 1) / (1 − a)) / 2",
         "−1 < a < 1",
         {},
         E{value("arctgh(0.5)", "0,549306144334055"), fault("arctgh(1)", Fault::DivisionByZero)}},
        {"cos",
         QT_TRANSLATE_NOOP("Help", "co-seno"),
         "cos(a), " + Radianos,
         {},
         {},
         E{value("cos(0)", "1"), value("cos(pi)", "-1"), value("cos(1)", "0,54030230586814")}},
        {"cosec",
         QT_TRANSLATE_NOOP("Help", "co-secante"),
         "cosec(a) = 1 / sen(a), " + Radianos,
         "sen(a) ≠ 0",
         {},
         E{value("cosec(pi/2)", "1"), value("cosec(1)", "1,18839510577812"),
           fault("cosec(0)", Fault::DivisionByZero)}},
        {"cosech",
         QT_TRANSLATE_NOOP("Help", "co-secante hiperbólica"),
         "cosech(a) = 2 / (e^{a} − e^{−a})",
         "a ≠ 0",
         {},
         E{value("cosech(1)", "0,850918128239322"), fault("cosech(0)", Fault::DivisionByZero)}},
        {"cosh",
         QT_TRANSLATE_NOOP("Help", "co-seno hiperbólico"),
         "cosh(a) = (e^{a} + e^{−a}) / 2",
         {},
         {},
         E{value("cosh(0)", "1"), value("cosh(1)", "1,54308063481524")}},
        {"cotan",
         QT_TRANSLATE_NOOP("Help", "o mesmo que cotg( ), com o nome inglês"),
         "cotan(a) = 1 / tg(a)",
         "tg(a) ≠ 0",
         {},
         E{value("cotan(1)", "0,642092615934331")}},
        {"cotg",
         QT_TRANSLATE_NOOP("Help", "co-tangente"),
         "cotg(a) = 1 / tg(a), " + Radianos,
         "tg(a) ≠ 0",
         {},
         E{value("cotg(1)", "0,642092615934331"), fault("cotg(0)", Fault::DivisionByZero)}},
        {"cotgh",
         QT_TRANSLATE_NOOP("Help", "co-tangente hiperbólica"),
         "cotgh(a) = (e^{a} + e^{−a}) / (e^{a} − e^{−a})",
         "a ≠ 0",
         {},
         E{value("cotgh(1)", "1,31303528549933")}},
        {"exp",
         QT_TRANSLATE_NOOP("Help", "exponencial"),
         "exp(a) = e^{a}",
         {},
         QT_TRANSLATE_NOOP("Help", "Usa o valor exacto de e; a constante e tem só dez algarismos."),
         E{value("exp(0)", "1"), value("exp(1)", "2,71828182845905"),
           value("exp(2)", "7,38905609893065")}},
        {"fix",
         QT_TRANSLATE_NOOP("Help", "parte inteira, por truncatura"),
         "fix(a) = a sem a parte decimal (aproxima-se do zero)",
         {},
         {},
         E{value("fix(2.7)", "2"), value("fix(-2.5)", "-2")}},
        {"graus",
         QT_TRANSLATE_NOOP("Help", "converte radianos em graus"),
         "graus(a) = a · 57,2957795131",
         {},
         QT_TRANSLATE_NOOP(
             "Help", "O factor de conversão tem doze algarismos, daí a diferença na última casa do "
                     "segundo exemplo."),
         E{value("graus(1)", "57,2957795131"), value("graus(arctg(1))", "45,0000000000139")}},
        {"int",
         QT_TRANSLATE_NOOP("Help", "maior inteiro que não excede a"),
         "int(a) = ⌊a⌋",
         {},
         {},
         E{value("int(2.7)", "2"), value("int(-2.5)", "-3")}},
        {"ln",
         QT_TRANSLATE_NOOP("Help", "logaritmo natural (de base e)"),
         "ln(a) = log_{e}(a)",
         "a > 0",
         {},
         E{value("ln(1)", "0"), value("ln(exp(2))", "2"), fault("ln(0)", Fault::InvalidArgument)}},
        {"log",
         QT_TRANSLATE_NOOP("Help", "logaritmo natural, o mesmo que ln( )"),
         "log(a) = ln(a)",
         "a > 0",
         {},
         E{value("log(10)", "2,30258509299405"), fault("log(-1)", Fault::InvalidArgument)}},
        {"log10",
         QT_TRANSLATE_NOOP("Help", "logaritmo decimal"),
         QT_TRANSLATE_NOOP("Help", "log10(a) = ln(a) / ln(10)"),
         "a > 0",
         {},
         E{value("log10(1000)", "3"), value("log10(2)", "0,301029995663981")}},
        {"log2",
         QT_TRANSLATE_NOOP("Help", "logaritmo de base 2"),
         QT_TRANSLATE_NOOP("Help", "log2(a) = ln(a) / ln(2)"),
         "a > 0",
         {},
         E{value("log2(8)", "3"), value("log2(10)", "3,32192809488736")}},
        {"logn",
         QT_TRANSLATE_NOOP("Help", "logaritmo de a na base b"),
         "logn(a,b) = ln(a) / ln(b)",
         "a > 0, b > 0, b ≠ 1",
         {},
         E{value("logn(8,2)", "3"), value("logn(81,3)", "4"),
           fault("logn(5,1)", Fault::DivisionByZero)}},
        {"mant",
         QT_TRANSLATE_NOOP("Help", "parte fraccionária"),
         "mant(a) = a − int(a), sempre em [0 ; 1[",
         {},
         {},
         E{value("mant(3.75)", "0,75"), value("mant(-2.25)", "0,75")}},
        {"max",
         QT_TRANSLATE_NOOP("Help", "o maior de dois valores"),
         "max(a,b) = a se a > b; b nos outros casos",
         {},
         QT_TRANSLATE_NOOP("Help", "Só contam o primeiro e o último valor entre os parênteses."),
         E{value("max(3,1)", "3"), value("max(-2,-7)", "-2"),
           misread("max(1,5,3)", "3", QT_TRANSLATE_NOOP("Help", "o 5 não conta"))}},
        {"min",
         QT_TRANSLATE_NOOP("Help", "o menor de dois valores"),
         "min(a,b) = a se a < b; b nos outros casos",
         {},
         {},
         E{value("min(3,1)", "1"), value("min(-2,-7)", "-7")}},
        {"mod",
         QT_TRANSLATE_NOOP("Help", "resto da divisão inteira"),
         "mod(a,b) = resto da divisão de a por b,\ncom a e b arredondados às unidades",
         {},
         QT_TRANSLATE_NOOP(
             "Help",
             "O resto tem o sinal de a; um meio arredonda-se para o número par mais próximo "
             "(7,5 passa a 8)."),
         E{value("mod(7,3)", "1"), value("mod(-7,3)", "-1"), value("mod(7.5,2)", "0"),
           fault("mod(7,0)", Fault::DivisionByZero)}},
        {"rad",
         QT_TRANSLATE_NOOP("Help", "converte graus em radianos"),
         "rad(a) = a · 0,01745329251995",
         {},
         {},
         E{value("rad(180)", "3,141592653591"), value("sen(rad(90))", "1")}},
        {"rand",
         QT_TRANSLATE_NOOP("Help", "inteiro ao acaso"),
         "rand(a) = int(r · a), com r ao acaso em [0 ; 1[",
         {},
         {},
         E{draw("rand(6)", 0, 6, true,
                QT_TRANSLATE_NOOP("Help", "um dos inteiros 0, 1, 2, 3, 4 ou 5")),
           draw("rand(6)+1", 1, 7, true,
                QT_TRANSLATE_NOOP("Help", "um inteiro de 1 a 6, como um dado"))}},
        {"random",
         QT_TRANSLATE_NOOP("Help", "real ao acaso entre a e b"),
         "random(a,b) = r · (b − a) + a, com r ao acaso em [0 ; 1[",
         {},
         {},
         E{draw("random(2,4)", 2, 4, false, QT_TRANSLATE_NOOP("Help", "um número de [2 ; 4["))}},
        {"rnd",
         QT_TRANSLATE_NOOP("Help", "número ao acaso"),
         "rnd(a) = um número de [0 ; 1[\nrnd(a) com a < 0 dá sempre o mesmo número para o "
         "mesmo a\nrnd(0) repete o último número sorteado",
         {},
         QT_TRANSLATE_NOOP(
             "Help",
             "Sem parênteses, rnd é uma constante que vale um novo número ao acaso de cada vez."),
         E{draw("rnd(1)", 0, 1, false, QT_TRANSLATE_NOOP("Help", "um número de [0 ; 1[")),
           draw("rnd", 0, 1, false, QT_TRANSLATE_NOOP("Help", "um número de [0 ; 1["))}},
        {"sec",
         QT_TRANSLATE_NOOP("Help", "secante"),
         "sec(a) = 1 / cos(a), " + Radianos,
         "cos(a) ≠ 0",
         {},
         E{value("sec(0)", "1"), value("sec(1)", "1,85081571768093")}},
        {"sech",
         QT_TRANSLATE_NOOP("Help", "secante hiperbólica"),
         "sech(a) = 2 / (e^{a} + e^{−a})",
         {},
         {},
         E{value("sech(0)", "1"), value("sech(1)", "0,648054273663885")}},
        {"sen",
         QT_TRANSLATE_NOOP("Help", "seno"),
         "sen(a), " + Radianos,
         {},
         {},
         E{value("sen(pi/2)", "1"), value("sen(1)", "0,841470984807897"),
           value("sen(rad(90))", "1")}},
        {"senh",
         QT_TRANSLATE_NOOP("Help", "seno hiperbólico"),
         "senh(a) = (e^{a} − e^{−a}) / 2",
         {},
         {},
         E{value("senh(0)", "0"), value("senh(1)", "1,1752011936438")}},
        {"sgn",
         QT_TRANSLATE_NOOP("Help", "sinal"),
         "sgn(a) = −1 se a < 0;  0 se a = 0;  1 se a > 0",
         {},
         {},
         E{value("sgn(-5)", "-1"), value("sgn(0)", "0"), value("sgn(2.5)", "1")}},
        {"sin",
         QT_TRANSLATE_NOOP("Help", "o mesmo que sen( ), com o nome inglês"),
         "sin(a), " + Radianos,
         {},
         {},
         E{value("sin(1)", "0,841470984807897")}},
        {"sinh",
         QT_TRANSLATE_NOOP("Help", "o mesmo que senh( ), com o nome inglês"),
         "sinh(a) = (e^{a} − e^{−a}) / 2",
         {},
         {},
         E{value("sinh(1)", "1,1752011936438")}},
        {"sqr",
         QT_TRANSLATE_NOOP("Help", "raiz quadrada"),
         "sqr(a) = √a",
         "a ≥ 0",
         {},
         E{value("sqr(16)", "4"), value("sqr(2)", "1,4142135623731"),
           fault("sqr(-4)", Fault::InvalidArgument)}},
        {"tg",
         QT_TRANSLATE_NOOP("Help", "tangente"),
         "tg(a) = sen(a) / cos(a), " + Radianos,
         {},
         QT_TRANSLATE_NOOP("Help", "O nome inglês tan não é reconhecido: escreva tg."),
         E{value("tg(0)", "0"), value("tg(1)", "1,5574077246549"),
           error("tan(1)", Fault::UndefinedFunction,
                 QT_TRANSLATE_NOOP("Help", "Função não definida: tan()"))}},
        {"tgh",
         QT_TRANSLATE_NOOP("Help", "tangente hiperbólica"),
         "tgh(a) = (e^{a} − e^{−a}) / (e^{a} + e^{−a})",
         {},
         {},
         E{value("tgh(0)", "0"), value("tgh(1)", "0,761594155955765")}},
    };
}

/// How many entries stand on each of the pages 3 to 23.
constexpr int EntriesPerPage[] = {2, 2, 2, 2, 3, 3, 2, 2, 3, 2, 2, 3, 3, 2, 2, 2, 2, 2, 3, 3, 2};

Page introduction() {
    return {
        QT_TRANSLATE_NOOP("Help", "Funções definidas"),
        {paragraph(QT_TRANSLATE_NOOP(
             "Help", "Em qualquer campo numérico pode usar-se uma das funções destas páginas. "
                     "O argumento escreve-se entre parênteses, logo a seguir ao nome: "
                     "`sen(1)`, e não `sen 1`. As funções de dois argumentos separam-nos por "
                     "uma vírgula: `logn(8,2)`.")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Os ângulos estão sempre em **radianos**. Para usar graus, converta com "
                     "`rad( )`: o seno de 90° escreve-se `sen(rad(90))`.")),
         heading(QT_TRANSLATE_NOOP("Help", "Constantes")),
         formula("pi = 3,14159265358979\ne = 2,718281828"),
         paragraph(QT_TRANSLATE_NOOP("Help",
                                     "Sem parênteses, `rnd` vale um número ao acaso de [0 ; 1[.")),
         examples({value("2pi", "6,28318530717958"), value("e", "2,718281828"),
                   draw("rnd", 0, 1, false, QT_TRANSLATE_NOOP("Help", "um número de [0 ; 1["))}),
         heading(QT_TRANSLATE_NOOP("Help", "Como ler as páginas seguintes")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Cada função tem o seu nome, a fórmula que a define e exemplos de "
                     "expressões aceites, com os respectivos valores. Nas expressões o "
                     "separador decimal é o ponto, que serve também dentro das funções; os "
                     "valores aparecem com vírgula, como nos resultados do programa.")),
         paragraph(QT_TRANSLATE_NOOP(
             "Help", "Um argumento fora do domínio ou uma divisão por zero não dá valor: o "
                     "programa mostra uma mensagem de erro.")),
         examples({fault("sqr(-4)", Fault::InvalidArgument),
                   fault("cosec(0)", Fault::DivisionByZero)})}};
}

/// The page (numbered from 1) on which each entry stands.
std::vector<int> entryPages() {
    std::vector<int> pages;
    int page = 3;
    for (int count : EntriesPerPage) {
        pages.insert(pages.end(), std::size_t(count), page);
        ++page;
    }
    return pages;
}

Page alphabeticalList() {
    QStringList rows;
    const std::vector<int> pages = entryPages();
    for (std::size_t i = 0; i < functionEntries().size(); ++i)
        rows << functionEntries()[i].name + QStringLiteral("( )|") + QString::number(pages.at(i));
    return {QT_TRANSLATE_NOOP("Help", "Lista das funções"),
            {paragraph(QT_TRANSLATE_NOOP(
                 "Help", "Todas as funções que se podem escrever nos campos, por ordem alfabética, "
                         "com o número da página em que cada uma é descrita. As funções com nome "
                         "inglês (`arcsin`, `arcsinh`, `cotan`, `sin`, `sinh`) são iguais às "
                         "portuguesas correspondentes.")),
             columns(rows)}};
}

std::vector<Block> entryBlocks(const FunctionEntry& entry) {
    std::vector<Block> blocks;
    blocks.push_back(
        {BlockKind::Entry, entry.name + QStringLiteral("( )"), {entry.description}, {}});
    blocks.push_back(formula(entry.formula));
    if (!entry.domain.isEmpty())
        blocks.push_back(paragraph(
            QCoreApplication::translate("Help", "Domínio: %1.").arg(translated(entry.domain))));
    if (!entry.note.isEmpty()) blocks.push_back(paragraph(entry.note));
    blocks.push_back(examples(entry.examples));
    return blocks;
}

Page entryPage(std::size_t first, int count) {
    const auto& entries = functionEntries();
    Page page;
    for (std::size_t i = first; i < first + std::size_t(count); ++i) {
        page.title += (page.title.isEmpty() ? "" : " · ") + entries[i].name;
        for (Block& block : entryBlocks(entries[i]))
            page.blocks.push_back(std::move(block));
    }
    return page;
}

} // namespace

const std::vector<FunctionEntry>& functionEntries() {
    static const std::vector<FunctionEntry> entries = makeEntries();
    return entries;
}

Book makeFuncoesBook() {
    Book book{QT_TRANSLATE_NOOP("Help", "Funções definidas"), {introduction(), alphabeticalList()}};
    std::size_t next = 0;
    for (int count : EntriesPerPage) {
        book.pages.push_back(entryPage(next, count));
        next += std::size_t(count);
    }
    return book;
}

} // namespace Help
