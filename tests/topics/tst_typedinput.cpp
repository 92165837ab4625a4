// What a pupil types into any field of any frame: a decimal comma reads as
// the decimal point it stands for, and a field whose text cannot be read gets
// the focus, its text selected, once the error report is closed.

#include "alltopics.h"
#include "formcase.h"

namespace {

/// What a press left: the result texts, the messages, the other fields (the
/// equation readers write them back) and the board's drawing, exactly; a
/// change of world window without the pen, which an earlier press left.
QStringList outcomeOf(const FormCases::OpenForm& open, const QList<QWidget*>& results,
                      const QList<QLineEdit*>& fields, const QLineEdit* typed) {
    QStringList said;
    for (const QWidget* r : results)
        said << r->objectName() + '=' + r->property("text").toString();
    for (const Message& m : open.messages)
        said << FormCases::described(m);
    for (const QLineEdit* f : fields)
        if (f != typed) said << f->objectName() + '=' + f->text();
    const auto n = [](double v) { return QString::number(v, 'g', 17); };
    for (Primitive p : open.form->board()->displayList()) {
        if (p.kind == Primitive::Kind::Window) p.color = {}, p.width = 0, p.style = {};
        said << QStringList{QString::number(int(p.kind)),
                            n(p.p1.x()),
                            n(p.p1.y()),
                            n(p.p2.x()),
                            n(p.p2.y()),
                            n(p.radius),
                            p.color.name(),
                            QString::number(p.width),
                            QString::number(int(p.style)),
                            p.text}
                    .join(' ');
    }
    return said;
}

/// A decimal number as a field of this kind takes it: alone, or in an
/// equation added to its right-hand side ("x^2+y^2=2,5+4").
QString withNumber(const QString& initial, const QString& number) {
    if (!initial.contains(QLatin1Char('='))) return number;
    return QString(initial).replace(initial.indexOf(QLatin1Char('=')), 1, '=' + number + '+');
}

} // namespace

class TestTypedInput : public QObject {
    Q_OBJECT
private slots:
    void decimalCommaReadsAsAPoint_data() { addEveryTopic(); }
    void decimalCommaReadsAsAPoint();
    void fieldThatFailedGetsTheFocus_data() { addEveryTopic(); }
    void fieldThatFailedGetsTheFocus();
};

/// "2,5" in any field (2,5 added to an equation's right-hand side) gives, press for press,
/// the very results, messages and drawing that "2.5" gives, in both regional settings.
void TestTypedInput::decimalCommaReadsAsAPoint() {
    QFETCH(int, topic);
    for (const bool comma : {true, false}) {
        useDecimalComma(comma);
        FormCases::OpenForm open{Topic(topic)};
        QVERIFY(open.form);
        int presses = 0;
        FormCases::forEveryFieldOfEveryFrame(open, [&](const FormCases::FieldPress& p) {
            QStringList outcome[2];
            for (const int i : {0, 1}) {
                p.reset();
                open.messages.clear();
                p.field->setText(withNumber(p.initial, i == 0 ? "2,5" : "2.5"));
                QTest::mouseClick(p.button, Qt::LeftButton);
                outcome[i] = outcomeOf(open, p.results, p.fields, p.field);
            }
            ++presses;
            QVERIFY2(outcome[0] == outcome[1],
                     qPrintable(p.button->objectName() + ' ' + p.field->objectName() + ": " +
                                outcome[0].join(" | ").left(300) + " <> " +
                                outcome[1].join(" | ").left(300)));
        });
        QVERIFY(presses > 10);
    }
}

/// "abc" in any field: when the press ends in the error report, the focus is in that field
/// with its text selected (the report itself is unchanged); when the press does not read
/// the field, the focus stays on the button.
void TestTypedInput::fieldThatFailedGetsTheFocus() {
    QFETCH(int, topic);
    useDecimalComma(true);
    FormCases::OpenForm open{Topic(topic)};
    QVERIFY(open.form);
    const QRegularExpression generic("^Erro:\n\n(Variável não definida: abc|Tipos incompatíveis\\.|"
                                     "Argumento ou chamada de procedimento inválidos\\.)$");
    int presses = 0, reported = 0;
    FormCases::forEveryFieldOfEveryFrame(open, [&](const FormCases::FieldPress& p) {
        p.reset();
        open.messages.clear();
        p.field->setText(QStringLiteral("abc"));
        QTest::mouseClick(p.button, Qt::LeftButton);
        ++presses;
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
    });
    QVERIFY(reported > presses / 2);
}

QTEST_MAIN(TestTypedInput)
#include "tst_typedinput.moc"
