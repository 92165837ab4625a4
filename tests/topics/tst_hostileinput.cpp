// Whatever a student types into any field of any frame, every press ends: solve mode off, one
// message at most (besides the reports the routines make and go on from), and no result that
// reads "inf", "nan" or an empty coordinate. A field whose text cannot be read gets the focus,
// its text selected, once the error report is closed.

#include "alltopics.h"
#include "formcase.h"

namespace {

/// "abc" pressed: when the press ends in the error report, the focus is in the field with its
/// text selected (the report itself is unchanged); when the press does not read the field, the
/// focus stays on the button.
void focusAfterAbc(const FormCases::OpenForm& open, const FormCases::FieldPress& p, int& reported) {
    static const QRegularExpression generic(
        "^Erro:\n\n(Variável não definida: abc|Tipos incompatíveis\\.|"
        "Argumento ou chamada de procedimento inválidos\\.)$");
    QStringList said;
    for (const Message& m : open.messages)
        said << FormCases::described(m);
    const QString where =
        p.button->objectName() + ' ' + p.field->objectName() + ": " + said.join('|');
    if (said.isEmpty() || !said.last().startsWith(QLatin1String("Erro:"))) {
        QVERIFY2(open.form->focusWidget() == p.button, qPrintable(where)); // not read
        return;
    }
    ++reported;
    QVERIFY2(said.size() == 1 && generic.match(said.last()).hasMatch(), qPrintable(where));
    QVERIFY2(open.form->focusWidget() == p.field, qPrintable(where));
    QCOMPARE(p.field->selectedText(), QStringLiteral("abc"));
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void everyFieldOfEveryFrame_data() { addEveryTopic(); }
    void everyFieldOfEveryFrame();
};

void TestHostileInput::everyFieldOfEveryFrame() {
    const QStringList hostile =
        QStringList{
            "",        "   ",       "abc",    "1/0",          "0/0",    "sqr(-1)",
            "log(0)",  "exp(1000)", "1E+300", "-1E+300",      "10^300", "((((((((((",
            "x",       "y",         "z",      "2^-1",         "==",     "=",
            "x^2+y^2", ">",         "<",      "\t\a\x1b\x7f", ",",      "9999999999999999999999"} +
        QStringList{QString(10000, '('), QString(100000, '7'), QString::fromUtf8("ΔΣπ Ж 中文")};
    // Reports a routine goes on from: a line that is no line, drawn; axes that cannot be graduated.
    const QRegularExpression goesOn("^(" + FormCases::NotALine + "$|Não se graduam)");
    const QRegularExpression illFormed("inf|nan|\\( ?,|, ?\\)",
                                       QRegularExpression::CaseInsensitiveOption);
    QFETCH(int, topic);
    useDecimalComma(true);
    FormCases::OpenForm open{Topic(topic)};
    QVERIFY(open.form);
    int presses = 0, reported = 0;
    FormCases::forEveryFieldOfEveryFrame(open, [&](const FormCases::FieldPress& p) {
        for (const QString& text : hostile) {
            p.reset();
            p.field->setText(text);
            open.messages.clear();
            QTest::mouseClick(p.button, Qt::LeftButton);
            ++presses;
            QStringList said, written;
            for (const Message& m : open.messages)
                if (!goesOn.match(m.text).hasMatch()) said << m.text;
            for (QWidget* r : p.results)
                written << r->property("text").toString();
            const QString where = p.button->objectName() + ' ' + p.field->objectName() + " <- " +
                                  text.left(12).toHtmlEscaped() + ": " + said.join(" | ") + " => " +
                                  written.join(" | ");
            QVERIFY2(!open.form->ModoResolver() && said.size() <= 1, qPrintable(where));
            QVERIFY2(!written.join('\n').contains(illFormed), qPrintable(where));
            const bool data = p.button->objectName().startsWith(QLatin1String("Dados"));
            QVERIFY2(data || p.results.isEmpty() || !written.join("").isEmpty() ||
                         !open.messages.empty(),
                     qPrintable(where));
            if (text == QLatin1String("abc")) focusAfterAbc(open, p, reported);
        }
    });
    QVERIFY(presses > 100);
    QVERIFY(reported > presses / int(hostile.size()) / 2);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
