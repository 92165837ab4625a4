// Whatever a student types into any field of any frame, every press ends:
// solve mode off, one message at most (besides the reports the routines
// make and go on from), and no result that reads "inf", "nan" or an empty
// coordinate.

#include "alltopics.h"
#include "formcase.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

const QStringList Hostile =
    QStringList{
        "",        "   ",       "abc",    "1/0",          "0/0",    "sqr(-1)",
        "log(0)",  "exp(1000)", "1E+300", "-1E+300",      "10^300", "((((((((((",
        "x",       "y",         "z",      "2^-1",         "==",     "=",
        "x^2+y^2", ">",         "<",      "\t\a\x1b\x7f", ",",      "9999999999999999999999"} +
    QStringList{QString(10000, QLatin1Char('(')), QString(100000, QLatin1Char('7')),
                QString::fromUtf8("ΔΣπ Ж 中文")};

/// Messages after which a routine goes on: a line that is no line, drawn;
/// axes that cannot be graduated.
bool reportAndGoOn(const QString& text) {
    return text == FormCases::NotALine || text.startsWith(QStringLiteral("Não se graduam"));
}

bool isResult(const QObject* w) {
    return w->objectName().startsWith(QLatin1String("Resultado"));
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void everyFieldOfEveryFrame_data() { addBuiltTopics(); }
    void everyFieldOfEveryFrame();
};

void TestHostileInput::everyFieldOfEveryFrame() {
    QFETCH(int, topic);
    useDecimalComma(true);
    MessageRecorder messages;
    NavigationRecorder navigation;
    std::unique_ptr<QWidget> form(createTopicForm(Topic(topic)));
    auto* problem = qobject_cast<ProblemForm*>(form.get());
    QVERIFY(problem);
    const auto* eixos = form->findChild<QGroupBox*>(QStringLiteral("FrameEixos"));
    QVERIFY(eixos && eixos->findChildren<QLineEdit*>().size() == 4);
    const QList<QLineEdit*> everyField = form->findChildren<QLineEdit*>();
    QStringList initial;
    for (QLineEdit* e : everyField)
        initial << e->text();
    int presses = 0;
    for (const QGroupBox* frame : form->findChildren<QGroupBox*>()) {
        if (frame == eixos) continue;
        QList<QLineEdit*> fields = eixos->findChildren<QLineEdit*>(); // every press reads them
        QList<QWidget*> results;
        for (QWidget* w : frame->findChildren<QWidget*>()) {
            if (isResult(w))
                results << w;
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                fields << e;
        }
        for (QPushButton* button : frame->findChildren<QPushButton*>())
            for (QLineEdit* field : fields)
                for (const QString& hostile : Hostile) {
                    for (qsizetype i = 0; i < everyField.size(); ++i)
                        everyField[i]->setText(initial[i]);
                    for (QWidget* r : results)
                        r->setProperty("text", QString());
                    field->setText(hostile);
                    messages.clear();
                    QTest::mouseClick(button, Qt::LeftButton);
                    ++presses;
                    const QString where = button->objectName() + ' ' + field->objectName() +
                                          " <- " + hostile.left(12).toHtmlEscaped() + ": " +
                                          messages.texts().join(" | ");
                    QVERIFY2(!problem->ModoResolver(), qPrintable(where));
                    int significant = 0;
                    for (const QString& m : messages.texts())
                        significant += !reportAndGoOn(m);
                    QVERIFY2(significant <= 1, qPrintable(where));
                    bool wrote = false;
                    for (QWidget* r : results) {
                        const QString written = r->property("text").toString();
                        wrote = wrote || !written.isEmpty();
                        QVERIFY2(FormCases::wellFormed(written), qPrintable(where + written));
                    }
                    if (!button->objectName().startsWith(QLatin1String("Dados")) &&
                        !results.isEmpty())
                        QVERIFY2(wrote || !messages.messages.empty(), qPrintable(where));
                }
    }
    QVERIFY(presses > 100);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
