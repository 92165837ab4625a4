#include "circlereader.h"
#include "problemform.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <optional>

namespace {

/// A problem form with one circle field, read in its stages one after the
/// other; it records how far the reading got and what it gave.
class ReaderForm : public ProblemForm {
public:
    ReaderForm()
        : ProblemForm(spec()) {
        addFrame(QStringLiteral("Frame1"), QStringLiteral("Circunferência"))
            .field(QStringLiteral("Text1"), QStringLiteral("x^2+y^2=4"),
                   QStringLiteral("Equação da circunferência"))
            .newRow()
            .field(QStringLiteral("Depois"), QStringLiteral("0"), QStringLiteral("Depois"), false)
            .dadosResolver(1, [this] { read(); });
    }

    /// Types `text` into the circle field and presses "Dados".
    std::optional<Circle> readText(const QString& text) {
        fieldNamed(QStringLiteral("Text1"))->setText(text);
        QTest::mouseClick(findChild<QPushButton*>(QStringLiteral("Dados1")), Qt::LeftButton);
        return circle;
    }

    QString fieldText() const { return fieldNamed(QStringLiteral("Text1"))->text(); }
    QString scratchText() const { return scratch()->text(); }

    CircleRefusals refusals;
    bool staged = true; ///< the stages one by one, or LerEquacaoCircunferencia
    QStringList stagesDone;
    std::optional<Circle> circle;
    std::optional<Real> readAfter; ///< the field "Depois", read after the circle

private:
    static FormSpec spec() {
        FormSpec s;
        s.objectName = QStringLiteral("FormLeitor");
        s.title = QStringLiteral("LEITOR");
        return s;
    }

    void read() {
        stagesDone.clear();
        circle.reset();
        readAfter.reset();
        QLineEdit* field = fieldNamed(QStringLiteral("Text1"));
        if (staged) {
            CircleEquationReader reader(*this, field, refusals);
            reader.strip();
            stagesDone << QStringLiteral("strip");
            reader.checkCharacters();
            stagesDone << QStringLiteral("check");
            reader.sample();
            stagesDone << QStringLiteral("sample");
            circle = reader.radiusTest();
            stagesDone << QStringLiteral("radius");
        } else {
            circle = LerEquacaoCircunferencia(*this, field, refusals);
        }
        readAfter = LerCampo(QStringLiteral("Depois"));
    }
};

const QString NotACircle = QString::fromUtf8("A equação não representa uma circunferência.");
const QString APoint = QString::fromUtf8("A equação representa um ponto.");

} // namespace

class TestCircleReader : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void refusedByTheInterpreter_data();
    void refusedByTheInterpreter();
    void callerSuppliedRefusals_data();
    void callerSuppliedRefusals();
    void wholeReaderMatchesTheStages_data();
    void wholeReaderMatchesTheStages();
    void expandedAndCentredFormsAgree();
    void variablesStaySetForThePress();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<ReaderForm> form;
};

void TestCircleReader::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    form = std::make_unique<ReaderForm>();
}

void TestCircleReader::cleanup() {
    form.reset();
    messages.reset();
    useDecimalComma(true);
}

void TestCircleReader::accepted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stripped");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<double>("xc");
    QTest::addColumn<double>("yc");
    QTest::addColumn<double>("r");
    QTest::newRow("blanks deleted") << "x^2 + y^2 = 4"
                                    << "x^2+y^2=4"
                                    << "x^2+y^2-(4)" << 0.0 << 0.0 << 2.0;
    QTest::newRow("centre and radius") << "(x+1)^2+(y-2)^2=25"
                                       << "(x+1)^2+(y-2)^2=25"
                                       << "(x+1)^2+(y-2)^2-(25)" << -1.0 << 2.0 << 5.0;
    QTest::newRow("A = B = 2") << "2x^2+2y^2-8=0"
                               << "2x^2+2y^2-8=0"
                               << "2x^2+2y^2-8-(0)" << 0.0 << 0.0 << 2.0;
    QTest::newRow("general form") << "x^2+y^2-4x-6y-3=0"
                                  << "x^2+y^2-4x-6y-3=0"
                                  << "x^2+y^2-4x-6y-3-(0)" << 2.0 << 3.0 << 4.0;
    QTest::newRow("irrational radius") << "x^2+y^2-2x-2y-38=0"
                                       << "x^2+y^2-2x-2y-38=0"
                                       << "x^2+y^2-2x-2y-38-(0)" << 1.0 << 1.0 << std::sqrt(40.0);
    QTest::newRow("negative A") << "-x^2-y^2+9=0"
                                << "-x^2-y^2+9=0"
                                << "-x^2-y^2+9-(0)" << 0.0 << 0.0 << 3.0;
    QTest::newRow("terms on both sides") << " x^2 = 4 - y^2 "
                                         << "x^2=4-y^2"
                                         << "x^2-(4-y^2)" << 0.0 << 0.0 << 2.0;
    QTest::newRow("decimal data") << "(x-0.5)^2+(y+0.25)^2=2.25"
                                  << "(x-0.5)^2+(y+0.25)^2=2.25"
                                  << "(x-0.5)^2+(y+0.25)^2-(2.25)" << 0.5 << -0.25 << 1.5;
    QTest::newRow("products, not powers") << "x*x+y*y=1"
                                          << "x*x+y*y=1"
                                          << "x*x+y*y-(1)" << 0.0 << 0.0 << 1.0;
}

void TestCircleReader::accepted() {
    QFETCH(QString, text);
    QFETCH(QString, stripped);
    QFETCH(QString, rewritten);
    QFETCH(double, xc);
    QFETCH(double, yc);
    QFETCH(double, r);
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        messages->clear();
        const std::optional<Circle> c = form->readText(text);
        QVERIFY2(c.has_value(), qPrintable(messages->texts().join(QLatin1Char('|'))));
        QCOMPARE(form->fieldText(), stripped);
        QCOMPARE(form->scratchText(), rewritten);
        QCOMPARE(c->xc.value(), xc);
        QCOMPARE(c->yc.value(), yc);
        QCOMPARE(c->r.value(), r);
        QVERIFY(messages->messages.empty());
        QVERIFY(!form->ModoResolver());
    }
}

void TestCircleReader::refused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("stagesDone");
    const QStringList atCharacters{"strip"};
    const QStringList atShape{"strip", "check"};
    const QStringList atRadius{"strip", "check", "sample"};
    QTest::newRow("A differs from B") << "x^2+2y^2=4" << NotACircle << atShape;
    QTest::newRow("a product xy, C not 0") << "x^2+x*y+y^2=1" << NotACircle << atShape;
    QTest::newRow("A = 0") << "y^2=x" << NotACircle << atShape;
    QTest::newRow("B = 0") << "x^2=y" << NotACircle << atShape;
    QTest::newRow("a line") << "x+y=1" << NotACircle << atShape;
    QTest::newRow("no variable") << "0=0" << NotACircle << atShape;
    QTest::newRow("hyperbola") << "x^2-y^2=1" << NotACircle << atShape;
    QTest::newRow("imaginary circle") << "x^2+y^2+4=0" << NotACircle << atRadius;
    QTest::newRow("a point at the origin") << "x^2+y^2=0" << APoint << atRadius;
    QTest::newRow("a point elsewhere") << "(x-1)^2+(y+2)^2=0" << APoint << atRadius;
    QTest::newRow("fourth power") << "x^4+y^2=1" << NotACircle << atCharacters;
    QTest::newRow("third power") << "x^3+y^3=1" << NotACircle << atCharacters;
    QTest::newRow("less than") << "x^2+y^2<1" << NotACircle << atCharacters;
    QTest::newRow("greater than") << "x^2+y^2>1" << NotACircle << atCharacters;
    // The test looks at characters only: 10^30 holds "^3".
    QTest::newRow("an exponent that starts with 3")
        << "x^2+y^2=10^30" << NotACircle << atCharacters;
    QTest::newRow("refused even without =") << ">" << NotACircle << atCharacters;
}

void TestCircleReader::refused() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QStringList, stagesDone);
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        messages->clear();
        form->scratch()->setText(QStringLiteral("TextA"));
        QVERIFY(!form->readText(text).has_value());
        QCOMPARE(form->stagesDone, stagesDone);
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QCOMPARE(messages->messages[0], (Message{message, MessageIcon::Information}));
        QCOMPARE(form->fieldText(), text.remove(QLatin1Char(' ')));
        // A text refused for its characters is never rewritten or sampled.
        QCOMPARE(form->scratchText() == QLatin1String("TextA"), stagesDone.size() == 1);
        QVERIFY(!form->readAfter.has_value());
        QVERIFY(!form->ModoResolver());
    }
}

void TestCircleReader::refusedByTheInterpreter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    // "xy" is one variable name for the interpreter, not a product.
    QTest::newRow("xy is a name") << "x^2+xy+y^2=1"
                                  << QString::fromUtf8("Variável não definida: xy");
    QTest::newRow("other variable") << "x^2+z^2=1" << QString::fromUtf8("Variável não definida: z");
    QTest::newRow("no =") << "x^2+y^2"
                          << QString::fromUtf8("Argumento ou chamada de procedimento inválidos.");
    QTest::newRow("empty") << ""
                           << QString::fromUtf8("Argumento ou chamada de procedimento inválidos.");
    QTest::newRow("unbalanced") << "(x^2+y^2=1"
                                << QString::fromUtf8("Número de parênteses incorrecto.");
    QTest::newRow("overflowing coefficient")
        << "10^200*10^108*x^2+y^2=1" << QString::fromUtf8("Capacidade excedida.");
}

void TestCircleReader::refusedByTheInterpreter() {
    QFETCH(QString, text);
    QFETCH(QString, description);
    QVERIFY(!form->readText(text).has_value());
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages[0].text, QStringLiteral("Erro:\n\n") + description);
    QCOMPARE(messages->messages[0].icon, MessageIcon::None);
    QVERIFY(!form->ModoResolver());
}

void TestCircleReader::callerSuppliedRefusals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString mine = QString::fromUtf8("A primeira equação não representa uma circunferência.");
    const QString myPoint = QString::fromUtf8("A primeira equação representa um ponto.");
    QTest::newRow("characters") << "x^3+y^2=1" << mine;
    QTest::newRow("shape") << "x^2+2y^2=1" << mine;
    QTest::newRow("k < 0") << "x^2+y^2=-1" << mine;
    QTest::newRow("k = 0") << "x^2+y^2=0" << myPoint;
}

void TestCircleReader::callerSuppliedRefusals() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    form->refusals = {QString::fromUtf8("A primeira equação não representa uma circunferência."),
                      QString::fromUtf8("A primeira equação representa um ponto.")};
    for (bool staged : {true, false}) {
        form->staged = staged;
        messages->clear();
        QVERIFY(!form->readText(text).has_value());
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(messages->messages[0].icon, MessageIcon::Information);
    }
}

void TestCircleReader::wholeReaderMatchesTheStages_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("accepted") << "(x - 3)^2 + (y + 4)^2 = 36";
    QTest::newRow("shape") << "x^2+2y^2=4";
    QTest::newRow("point") << "x^2+y^2=0";
    QTest::newRow("characters") << "x^2+y^2<9";
    QTest::newRow("interpreter") << "x^2+y^2=w";
}

void TestCircleReader::wholeReaderMatchesTheStages() {
    QFETCH(QString, text);
    form->staged = true;
    const std::optional<Circle> staged = form->readText(text);
    const QStringList stagedMessages = messages->texts();
    const QString stagedScratch = form->scratchText();
    messages->clear();
    form->scratch()->setText(QStringLiteral("TextA"));
    form->staged = false;
    const std::optional<Circle> whole = form->readText(text);
    QCOMPARE(messages->texts(), stagedMessages);
    QCOMPARE(form->scratchText(), stagedScratch);
    QCOMPARE(whole.has_value(), staged.has_value());
    if (whole) {
        QCOMPARE(whole->xc.value(), staged->xc.value());
        QCOMPARE(whole->yc.value(), staged->yc.value());
        QCOMPARE(whole->r.value(), staged->r.value());
    }
}

void TestCircleReader::expandedAndCentredFormsAgree() {
    // Integer data keep every sample exact, so both arrangements of each
    // circle must give back its centre and radius exactly.
    for (int xc = -3; xc <= 3; ++xc) {
        for (int yc = -3; yc <= 3; ++yc) {
            for (int r : {1, 2, 7}) {
                const QString centred =
                    QStringLiteral("(x-(%1))^2+(y-(%2))^2=%3^2").arg(xc).arg(yc).arg(r);
                const QString expanded = QStringLiteral("x^2+y^2+(%1)*x+(%2)*y+(%3)=0")
                                             .arg(-2 * xc)
                                             .arg(-2 * yc)
                                             .arg(xc * xc + yc * yc - r * r);
                for (const QString& text : {centred, expanded}) {
                    const std::optional<Circle> c = form->readText(text);
                    QVERIFY2(c.has_value(), qPrintable(text));
                    QCOMPARE(c->xc.value(), double(xc));
                    QCOMPARE(c->yc.value(), double(yc));
                    QCOMPARE(c->r.value(), double(r));
                }
            }
        }
    }
    QVERIFY(messages->messages.empty());
}

void TestCircleReader::variablesStaySetForThePress() {
    // The last sample is taken at (1, 2): a field read after the circle sees
    // y = 2, while the input reader sets x to 0 itself.
    form->findChild<QLineEdit*>(QStringLiteral("Depois"))->setText(QStringLiteral("10*y+x+1"));
    QVERIFY(form->readText(QStringLiteral("x^2+y^2=1")).has_value());
    QCOMPARE(form->readAfter->value(), 21.0);
}

QTEST_MAIN(TestCircleReader)
#include "tst_circlereader.moc"
