#include "clsequation.h"
#include "functions.h"
#include "helpcontent.h"
#include "numbered_error.h"
#include "pagerenderer.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(Help::Example)

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void everyExampleIsTrue_data() {
        QTest::addColumn<Help::Example>("example");
        for (HelpPage which :
             {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes}) {
            const Help::Book& book = Help::book(which);
            for (std::size_t p = 0; p < book.pages.size(); ++p)
                for (const Help::Block& block : book.pages[p].blocks)
                    for (const Help::Example& example : block.examples)
                        QTest::addRow("%s %d: %s", qPrintable(book.title), int(p + 1),
                                      qPrintable(example.expression))
                            << example;
        }
    }
    /// Evaluated as a problem form reads a field: x is 0.
    void everyExampleIsTrue() {
        QFETCH(Help::Example, example);
        clsEquation equation;
        equation.setEquation(example.expression.toStdString());
        equation.setVar("x", 0.0);
        try {
            equation.Solve();
        } catch (const NumberedError& error) {
            QCOMPARE(QString("%1 %2").arg(error.number()).arg(error.description().c_str()),
                     QString("%1 %2").arg(example.error).arg(example.shown));
            return;
        }
        QVERIFY2(example.verdict != Help::Verdict::Error, "no error");
        const bool drawn = example.verdict == Help::Verdict::Draw;
        const double written = QString(example.shown).replace(',', '.').toDouble(); // 15 digits
        const auto right = [&](double value) {
            if (drawn)
                return value >= example.low && value < example.high &&
                       (!example.whole || value == std::floor(value));
            return written == 0 ? std::abs(value) < 1e-15
                                : std::abs(value - written) <= 1e-14 * std::abs(written);
        };
        for (int draw = 0; draw < (drawn ? 200 : 1); ++draw, equation.Solve())
            QVERIFY2(right(equation.Solution()), qPrintable(QString::number(equation.Solution())));
    }

    void everyPageFits() {
        for (HelpPage which :
             {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes})
            for (int i = 0; i < int(Help::book(which).pages.size()); ++i)
                QVERIFY2(Help::PageRenderer(Help::book(which), i).fits(),
                         qPrintable(QString("%1 %2").arg(Help::book(which).title).arg(i + 1)));
    }
    /// One entry for each of the 49 heads of the interpreter, in alphabetical order.
    void everyFunctionHasItsEntry() {
        QStringList names;
        for (const Help::FunctionEntry& entry : Help::functionEntries()) {
            names << entry.name;
            QVERIFY2(interp::findFunction((entry.name + '(').toStdString()),
                     qPrintable(entry.name));
        }
        QVERIFY(std::is_sorted(names.begin(), names.end()));
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 49);
        QCOMPARE(names.size(), 49);
    }
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
