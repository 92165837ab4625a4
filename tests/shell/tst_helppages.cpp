// The help pages: what they say must be true, complete and fit its page.

#include "clsequation.h"
#include "functions.h"
#include "helpcontent.h"
#include "numbered_error.h"
#include "pagerenderer.h"
#include "topics.h"

#include <QGroupBox>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(Help::Example)

namespace {
const HelpPage AllViewers[] = {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe,
                               HelpPage::Funcoes};

/// Evaluates a field's text as a problem form reads it: x is 0.
double evaluate(const QString& expression) {
    clsEquation equation;
    equation.setEquation(expression.toStdString());
    equation.setVar("x", 0.0);
    return equation.Solution();
}

/// What is wrong with what a page says an expression gives, or nothing.
QString falsehood(const Help::Example& example) {
    if (example.verdict == Help::Verdict::Draw) {
        for (int draw = 0; draw < 200; ++draw) {
            const double value = evaluate(example.expression);
            if (value < example.low || value >= example.high ||
                (example.whole && value != std::floor(value)))
                return QString("drew %1").arg(value, 0, 'g', 17);
        }
        return {};
    }
    try {
        const double value = evaluate(example.expression);
        // The value as the page writes it: 15 digits, decimal comma.
        const double written = QString(example.shown).replace(',', '.').toDouble();
        const bool same = written == 0 ? std::abs(value) < 1e-15
                                       : std::abs(value - written) <= 1e-14 * std::abs(written);
        if (example.verdict == Help::Verdict::Error)
            return QString("no error, value %1").arg(value);
        return same ? QString() : QString("computed %1").arg(value, 0, 'g', 17);
    } catch (const NumberedError& error) {
        if (example.verdict == Help::Verdict::Error && error.number() == example.error &&
            error.description() == example.shown.toStdString())
            return {};
        return QString("error %1: %2").arg(error.number()).arg(error.description().c_str());
    }
}
} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void everyExampleIsTrue_data() {
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
    void everyExampleIsTrue() {
        QFETCH(Help::Example, example);
        const QString failure = falsehood(example);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void everyPageFits() {
        for (HelpPage which : AllViewers)
            for (int i = 0; i < int(Help::book(which).pages.size()); ++i) {
                const Help::PageRenderer page(Help::book(which), i);
                QVERIFY2(page.fits(), qPrintable(QString("%1 %2: %3 of %4 units")
                                                     .arg(Help::book(which).title)
                                                     .arg(i + 1)
                                                     .arg(page.textHeight())
                                                     .arg(page.textArea().height())));
            }
    }

    // One entry for each of the 49 heads of the interpreter, in alphabetical order.
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

    // The index lists, topic by topic, the frame captions of the live forms.
    void indexMatchesTheForms() {
        int position = 0;
        for (const Help::IndexTopic& topic : Help::indexTopics()) {
            QCOMPARE(int(topic.topic), position++);
            std::unique_ptr<QWidget> form(createTopicForm(topic.topic));
            QList<QGroupBox*> frames = form->findChildren<QGroupBox*>();
            std::sort(frames.begin(), frames.end(), [&](QGroupBox* a, QGroupBox* b) {
                return a->mapTo(form.get(), QPoint()).y() < b->mapTo(form.get(), QPoint()).y();
            });
            QStringList captions;
            for (QGroupBox* frame : frames)
                if (frame->title() != "Eixos") captions << frame->title();
            QCOMPARE(captions, topic.problems);
        }
        QCOMPARE(position, TopicCount);
    }
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
