// The help pages: what they say must be true, complete and fit its page.

#include "clsequation.h"
#include "helpcontent.h"
#include "numbered_error.h"
#include "pagerenderer.h"
#include "topics.h"

#include <QGroupBox>
#include <QTest>
#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(HelpPage)
Q_DECLARE_METATYPE(Help::Example)

namespace {

const HelpPage AllViewers[] = {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe,
                               HelpPage::Funcoes};

/// Evaluates a field's text as a problem form reads it: x is 0.
double evaluate(const QString& expression) {
    clsEquation equation;
    equation.setEquation(expression.toStdString());
    equation.setVar("x", 0.0);
    equation.Solve();
    return equation.Solution();
}

/// A value as the pages write it, with a decimal comma.
double stated(const QString& text) {
    bool ok = false;
    const double value = QString(text).replace(',', '.').toDouble(&ok);
    if (!ok) qFatal("not a number: %s", qPrintable(text));
    return value;
}

/// Equal in the 15 significant digits a page prints.
bool sameValue(double computed, double written) {
    if (written == 0.0) return std::abs(computed) < 1e-15;
    return std::abs(computed - written) <= 1e-14 * std::abs(written);
}

QStringList entryNames(const Help::Page& page) {
    QStringList names;
    for (const Help::Block& block : page.blocks)
        if (block.kind == Help::BlockKind::Entry) names << block.text;
    return names;
}

/// Every function head the interpreter defines, as the user types it.
const QStringList Heads{
    "abs",      "arctg",   "cos",     "exp",     "fix",    "int",     "log",
    "rnd",      "sgn",     "sin",     "sen",     "sqr",    "tg",      "min",
    "max",      "random",  "mod",     "logn",    "rand",   "sec",     "cosec",
    "cotan",    "cotg",    "arcsin",  "arcsen",  "arccos", "arcsec",  "arccosec",
    "arccotg",  "sinh",    "senh",    "cosh",    "tgh",    "sech",    "cosech",
    "cotgh",    "arcsinh", "arcsenh", "arccosh", "arctgh", "arcsech", "arccosech",
    "arccotgh", "log10",   "log2",    "ln",      "graus",  "rad",     "mant"};

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void pageCounts_data();
    void pageCounts();
    void everyPageFits_data();
    void everyPageFits();
    void everyExampleIsTrue_data();
    void everyExampleIsTrue();
    void syntaxPagesShowValidAndInvalidValues();
    void everyFunctionHasAnEntryInOrder();
    void functionListIsAlphabeticalAndComplete();
    void everyEntryShowsItsFunctionAtWork();
    void indexListsEveryProblem_data();
    void indexListsEveryProblem();
    void indexPagesSplitTheTopics();
    void indexMatchesTheBuiltForms();
    void instructionsCoverTheirSubjects_data();
    void instructionsCoverTheirSubjects();
    void plainTextCarriesNoMarkup();
};

void TestHelpPages::pageCounts_data() {
    QTest::addColumn<HelpPage>("which");
    QTest::addColumn<int>("pages");
    QTest::newRow("Instruções") << HelpPage::Instrucoes << 5;
    QTest::newRow("Índice") << HelpPage::Indice << 2;
    QTest::newRow("Sintaxe") << HelpPage::Sintaxe << 4;
    QTest::newRow("Funções definidas") << HelpPage::Funcoes << 23;
}

void TestHelpPages::pageCounts() {
    QFETCH(HelpPage, which);
    QFETCH(int, pages);
    QCOMPARE(int(Help::book(which).pages.size()), pages);
}

void TestHelpPages::everyPageFits_data() {
    QTest::addColumn<HelpPage>("which");
    QTest::addColumn<int>("index");
    for (HelpPage which : AllViewers)
        for (int i = 0; i < int(Help::book(which).pages.size()); ++i)
            QTest::addRow("%s %d", qPrintable(Help::book(which).title), i + 1) << which << i;
}

void TestHelpPages::everyPageFits() {
    QFETCH(HelpPage, which);
    QFETCH(int, index);
    const Help::PageRenderer page(Help::book(which), index);
    QVERIFY2(
        page.fits(),
        qPrintable(
            QStringLiteral("%1 of %2 units").arg(page.textHeight()).arg(page.textArea().height())));
    QVERIFY(!Help::book(which).pages[std::size_t(index)].title.isEmpty());
}

void TestHelpPages::everyExampleIsTrue_data() {
    QTest::addColumn<Help::Example>("example");
    for (HelpPage which : AllViewers) {
        const Help::Book& book = Help::book(which);
        for (std::size_t p = 0; p < book.pages.size(); ++p)
            for (const Help::Block& block : book.pages[p].blocks)
                for (const Help::Example& example : block.examples)
                    QTest::addRow("%s %d: %s", qPrintable(book.title), int(p + 1),
                                  qPrintable(example.expression))
                        << example;
    }
}

/// Checks what the page says an expression gives; returns what failed, or nothing.
static QString verify(const Help::Example& example) {
    switch (example.verdict) {
    case Help::Verdict::Value:
    case Help::Verdict::Misread: {
        const double value = evaluate(example.expression);
        if (!sameValue(value, stated(example.shown)))
            return QStringLiteral("computed %1").arg(value, 0, 'g', 17);
        return {};
    }
    case Help::Verdict::Error:
        try {
            return QStringLiteral("no error, value %1").arg(evaluate(example.expression));
        } catch (const NumberedError& error) {
            if (error.number() != example.error ||
                error.description() != example.shown.toStdString())
                return QStringLiteral("error %1: %2")
                    .arg(error.number())
                    .arg(QString::fromStdString(error.description()));
        }
        return {};
    case Help::Verdict::Draw:
        for (int draw = 0; draw < 200; ++draw) {
            const double value = evaluate(example.expression);
            if (value < example.low || value >= example.high ||
                (example.whole && value != std::floor(value)))
                return QStringLiteral("drew %1").arg(value, 0, 'g', 17);
        }
        return {};
    }
    return QStringLiteral("unknown verdict");
}

void TestHelpPages::everyExampleIsTrue() {
    QFETCH(Help::Example, example);
    QString failure;
    try {
        failure = verify(example);
    } catch (const NumberedError& error) {
        failure = QStringLiteral("unexpected error %1: %2")
                      .arg(error.number())
                      .arg(QString::fromStdString(error.description()));
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestHelpPages::syntaxPagesShowValidAndInvalidValues() {
    const Help::Page& fields = Help::book(HelpPage::Sintaxe).pages.at(2);
    int valid = 0, invalid = 0;
    for (const Help::Block& block : fields.blocks)
        for (const Help::Example& example : block.examples)
            (example.verdict == Help::Verdict::Value ? valid : invalid) += 1;
    QVERIFY(valid >= 5);
    QVERIFY(invalid >= 5);
}

void TestHelpPages::everyFunctionHasAnEntryInOrder() {
    QStringList sorted = Heads;
    std::sort(sorted.begin(), sorted.end());
    QStringList entries;
    for (const Help::FunctionEntry& entry : Help::functionEntries())
        entries << entry.name;
    QCOMPARE(entries, sorted);
    QStringList onPages;
    const Help::Book& book = Help::book(HelpPage::Funcoes);
    for (std::size_t p = 2; p < book.pages.size(); ++p) {
        const QStringList names = entryNames(book.pages[p]);
        QVERIFY2(!names.isEmpty(), qPrintable(QStringLiteral("page %1 is empty").arg(p + 1)));
        onPages << names;
    }
    QStringList expected;
    for (const QString& head : sorted)
        expected << head + QStringLiteral("( )");
    QCOMPARE(onPages, expected);
}

void TestHelpPages::functionListIsAlphabeticalAndComplete() {
    const Help::Page& list = Help::book(HelpPage::Funcoes).pages.at(1);
    const auto columns = std::find_if(list.blocks.begin(), list.blocks.end(), [](auto& block) {
        return block.kind == Help::BlockKind::Columns;
    });
    QVERIFY(columns != list.blocks.end());
    QStringList names;
    for (const QString& row : columns->items)
        names << row.section('|', 0, 0).remove(QStringLiteral("( )"));
    QStringList sorted = Heads;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(names, sorted);
    // each name points at the page that describes it
    const Help::Book& book = Help::book(HelpPage::Funcoes);
    for (const QString& row : columns->items) {
        const int page = row.section('|', 1, 1).toInt();
        QVERIFY(page >= 3 && page <= 23);
        QVERIFY2(entryNames(book.pages[std::size_t(page - 1)]).contains(row.section('|', 0, 0)),
                 qPrintable(row));
    }
}

void TestHelpPages::everyEntryShowsItsFunctionAtWork() {
    for (const Help::FunctionEntry& entry : Help::functionEntries()) {
        QVERIFY2(entry.formula.contains(entry.name), qPrintable(entry.name));
        QVERIFY2(!entry.description.isEmpty(), qPrintable(entry.name));
        const bool used = std::any_of(entry.examples.begin(), entry.examples.end(),
                                      [&](const Help::Example& example) {
                                          return example.verdict != Help::Verdict::Error &&
                                                 example.expression.contains(entry.name + '(');
                                      });
        QVERIFY2(used, qPrintable(entry.name));
    }
}

void TestHelpPages::indexListsEveryProblem_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("Pontos") << 0 << "Pontos"
                            << QStringList{
                                   "Representação de um ponto", "Ponto médio de um segmento",
                                   "Distância entre dois pontos", "Mediatriz de um segmento"};
    QTest::newRow("Recta 1") << 1 << "Recta 1"
                             << QStringList{
                                    "Recta de equação...", "Recta que passa por dois pontos",
                                    "Recta que passa por um ponto e é paralela a outra",
                                    "Recta que passa por um ponto e é perpendicular a outra"};
    QTest::newRow("Recta 2") << 2 << "Recta 2"
                             << QStringList{"Intersecção de duas rectas",
                                            "Distância entre rectas paralelas",
                                            "Distância de um ponto a uma recta",
                                            "Ângulo de duas rectas"};
    QTest::newRow("Recta 3") << 3 << "Recta 3"
                             << QStringList{"Ver se três pontos são colineares",
                                            "Coeficiente angular e inclinação de uma recta",
                                            "Posição relativa de duas rectas"};
    QTest::newRow("Recta 4") << 4 << "Recta 4"
                             << QStringList{"Recta que passa num ponto e ...",
                                            "Bissectrizes de duas rectas concorrentes"};
    QTest::newRow("Circunferência 1")
        << 5 << "Circunferência 1"
        << QStringList{"Circunferência de equação...",
                       "Circunferência com centro num ponto e tg a uma recta",
                       "Tangente a uma circunferência num dos seus pontos",
                       "Intersecção de uma recta com uma circunferência"};
    QTest::newRow("Circunferência 2")
        << 6 << "Circunferência 2"
        << QStringList{"Circunferência e triângulo", "Distância de um ponto P a uma circunferência",
                       "Circunferência de centro C e tangente a uma recta",
                       "Circunferência definida por três pontos"};
    QTest::newRow("Circunferência 3")
        << 7 << "Circunferência 3"
        << QStringList{"Intersecção de duas circunferências",
                       "Rectas que passam por P e são tg a uma circunferência",
                       "Circunferência que passa em P e é tg à recta no ponto Q"};
    QTest::newRow("Triângulo") << 8 << "Triângulo"
                               << QStringList{"Pontos notáveis de um triângulo",
                                              "Área de um triângulo",
                                              "Ver se são vértices de um triângulo rectângulo"};
}

void TestHelpPages::indexListsEveryProblem() {
    QFETCH(int, position);
    QFETCH(QString, heading);
    QFETCH(QStringList, problems);
    QCOMPARE(int(Help::indexTopics().size()), 9);
    const Help::IndexTopic& topic = Help::indexTopics().at(std::size_t(position));
    QCOMPARE(int(topic.topic), position);
    QCOMPARE(topic.heading, heading);
    QCOMPARE(topic.problems, problems);
}

void TestHelpPages::indexPagesSplitTheTopics() {
    const Help::Book& index = Help::book(HelpPage::Indice);
    const auto headings = [](const Help::Page& page) {
        QStringList found;
        for (const Help::Block& block : page.blocks)
            if (block.kind == Help::BlockKind::Heading) found << block.text;
        return found;
    };
    QCOMPARE(index.pages[0].title, QStringLiteral("Índice"));
    QCOMPARE(index.pages[0].blocks.front().text,
             QStringLiteral("Problemas contidos nas páginas deste programa"));
    QCOMPARE(headings(index.pages[0]),
             (QStringList{"Pontos", "Recta 1", "Recta 2", "Recta 3", "Recta 4"}));
    QCOMPARE(headings(index.pages[1]), (QStringList{"Circunferência 1", "Circunferência 2",
                                                    "Circunferência 3", "Triângulo"}));
}

void TestHelpPages::indexMatchesTheBuiltForms() {
    int checked = 0;
    for (const Help::IndexTopic& topic : Help::indexTopics()) {
        if (!isTopicBuilt(topic.topic)) continue;
        std::unique_ptr<QWidget> form(createTopicForm(topic.topic));
        QList<QGroupBox*> frames = form->findChildren<QGroupBox*>();
        std::sort(frames.begin(), frames.end(), [&](QGroupBox* a, QGroupBox* b) {
            return a->mapTo(form.get(), QPoint()).y() < b->mapTo(form.get(), QPoint()).y();
        });
        QStringList captions;
        for (QGroupBox* frame : frames)
            if (frame->title() != QStringLiteral("Eixos")) captions << frame->title();
        QCOMPARE(captions, topic.problems);
        ++checked;
    }
    if (checked == 0) QSKIP("no problem form is built yet");
}

void TestHelpPages::instructionsCoverTheirSubjects_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("versão") << 1 << "Versão 2.2";
    QTest::newRow("qualquer disposição") << 2 << "qualquer disposição";
    QTest::newRow("Dados a azul") << 2 << "Dados** desenha a azul";
    QTest::newRow("Resolver a vermelho") << 2 << "a vermelho";
    QTest::newRow("fracções") << 2 << "fracção";
    QTest::newRow("duas casas decimais") << 3 << "duas casas decimais";
    QTest::newRow("sem simplificação") << 3 << "2x+2y+2=0";
    QTest::newRow("eixos de −10 a 10") << 3 << "−10 a 10";
    QTest::newRow("graduação acima de 50") << 3 << "> 50";
    QTest::newRow("grelha") << 4 << "Desenhar grelha";
    QTest::newRow("monométrico") << 4 << "monométrico";
    QTest::newRow("dimétrico") << 4 << "dimétrico";
    QTest::newRow("exemplo da Circunferência 3") << 4 << "Circunferência 3";
    QTest::newRow("cópia gratuita") << 5 << "gratuitamente";
    QTest::newRow("autores") << 5 << "Os autores do Ortoplano";
}

void TestHelpPages::instructionsCoverTheirSubjects() {
    QFETCH(int, page);
    QFETCH(QString, phrase);
    const Help::Page& text = Help::book(HelpPage::Instrucoes).pages.at(std::size_t(page - 1));
    QString all = text.title;
    for (const Help::Block& block : text.blocks)
        all += '\n' + block.text + '\n' + block.items.join('\n');
    QVERIFY2(all.contains(phrase), qPrintable(phrase));
}

void TestHelpPages::plainTextCarriesNoMarkup() {
    for (HelpPage which : AllViewers)
        for (const Help::Page& page : Help::book(which).pages) {
            const QString text = Help::plainText(page);
            QVERIFY(text.startsWith(page.title));
            QVERIFY(!text.contains('`') && !text.contains(QStringLiteral("**")));
        }
}

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
