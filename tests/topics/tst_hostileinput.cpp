// Whatever a student types into any field of any frame, every press ends:
// solve mode off, one message at most (besides the reports the routines
// make and go on from), and no result that reads "inf", "nan" or an empty
// coordinate.

#include "formcase.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

QStringList hostileTexts() {
    return {QString(),
            QStringLiteral("   "),
            QStringLiteral("abc"),
            QStringLiteral("1/0"),
            QStringLiteral("0/0"),
            QStringLiteral("sqr(-1)"),
            QStringLiteral("log(0)"),
            QStringLiteral("exp(1000)"),
            QStringLiteral("1E+300"),
            QStringLiteral("-1E+300"),
            QStringLiteral("10^300"),
            QStringLiteral("(((((((((("),
            QString(10000, QLatin1Char('(')),
            QString(100000, QLatin1Char('7')),
            QStringLiteral("x"),
            QStringLiteral("y"),
            QStringLiteral("z"),
            QStringLiteral("2^-1"),
            QStringLiteral("=="),
            QStringLiteral("="),
            QStringLiteral("x^2+y^2"),
            QStringLiteral(">"),
            QStringLiteral("<"),
            QString::fromUtf8("ΔΣπ Ж 中文"),
            QStringLiteral("\t\a\x1b\x7f"),
            QStringLiteral(","),
            QStringLiteral("9999999999999999999999")};
}

/// Messages after which a routine goes on: a line that is no line, drawn;
/// axes that cannot be graduated.
bool reportAndGoOn(const QString& text) {
    return text == FormCases::NotALine || text.startsWith(QStringLiteral("Não se graduam"));
}

struct Frame {
    QString name;
    QList<QLineEdit*> fields;
    QList<QPushButton*> buttons;
    QList<QWidget*> results;
};

bool isResult(const QObject* w) {
    return w->objectName().startsWith(QLatin1String("Resultado"));
}

std::vector<Frame> framesOf(QWidget& form) {
    std::vector<Frame> frames;
    for (QGroupBox* box : form.findChildren<QGroupBox*>()) {
        Frame f{box->objectName(), {}, box->findChildren<QPushButton*>(), {}};
        for (QLineEdit* e : box->findChildren<QLineEdit*>())
            (isResult(e) ? static_cast<void>(f.results << e) : static_cast<void>(f.fields << e));
        for (QLabel* l : box->findChildren<QLabel*>())
            if (isResult(l)) f.results << l;
        frames.push_back(f);
    }
    return frames;
}

QString text(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return static_cast<QLineEdit*>(w)->text();
}

void clear(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        l->clear();
    else
        static_cast<QLineEdit*>(w)->clear();
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT
private slots:
    void everyFieldOfEveryFrame_data();
    void everyFieldOfEveryFrame();
};

void TestHostileInput::everyFieldOfEveryFrame_data() {
    QTest::addColumn<int>("topic");
    for (int t = 0; t < TopicCount; ++t)
        QTest::newRow(qPrintable(QStringLiteral("topic %1").arg(t))) << t;
}

void TestHostileInput::everyFieldOfEveryFrame() {
    QFETCH(int, topic);
    useDecimalComma(true);
    MessageRecorder messages;
    NavigationRecorder navigation;
    std::unique_ptr<QWidget> form(createTopicForm(Topic(topic)));
    auto* problem = qobject_cast<ProblemForm*>(form.get());
    QVERIFY(problem);
    const std::vector<Frame> frames = framesOf(*form);
    const Frame* eixos = nullptr;
    QList<QLineEdit*> everyField;
    for (const Frame& f : frames) {
        everyField << f.fields;
        if (f.name == QLatin1String("FrameEixos")) eixos = &f;
    }
    QVERIFY(eixos && eixos->fields.size() == 4);
    QStringList initial;
    for (QLineEdit* e : everyField)
        initial << e->text();

    int presses = 0;
    for (const Frame& frame : frames) {
        if (&frame == eixos) continue;
        // The frame's own fields, and the viewport's, which every press reads.
        const QList<QLineEdit*> fields = frame.fields + eixos->fields;
        for (QLineEdit* field : fields) {
            for (const QString& hostile : hostileTexts()) {
                for (QPushButton* button : frame.buttons) {
                    for (qsizetype i = 0; i < everyField.size(); ++i)
                        everyField[i]->setText(initial[i]);
                    for (QWidget* r : frame.results)
                        clear(r);
                    field->setText(hostile);
                    messages.clear();
                    QTest::mouseClick(button, Qt::LeftButton);
                    ++presses;
                    const QString where = QStringLiteral("%1 %2 <- %3")
                                              .arg(button->objectName(), field->objectName(),
                                                   hostile.left(12).toHtmlEscaped());
                    QVERIFY2(!problem->ModoResolver(), qPrintable(where));
                    int significant = 0;
                    for (const QString& m : messages.texts())
                        significant += !reportAndGoOn(m);
                    QVERIFY2(significant <= 1,
                             qPrintable(where + QLatin1String(": ") +
                                        messages.texts().join(QLatin1String(" | "))));
                    bool wrote = false;
                    for (QWidget* r : frame.results) {
                        const QString written = text(r);
                        wrote = wrote || !written.isEmpty();
                        QVERIFY2(FormCases::wellFormed(written),
                                 qPrintable(where + QLatin1String(": ") + written));
                    }
                    const bool solving = !button->objectName().startsWith(QLatin1String("Dados"));
                    if (solving && !frame.results.isEmpty())
                        QVERIFY2(wrote || !messages.messages.empty(), qPrintable(where));
                }
            }
        }
    }
    QVERIFY(presses > 100);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
