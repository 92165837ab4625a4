#include "problemform.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
/// A form with one frame whose second half runs below its buttons.
class WideRowsForm : public ProblemForm {
public:
    WideRowsForm()
        : ProblemForm(FormSpec{}) {
        addFrame(QStringLiteral("Frame1"), QStringLiteral("Opções longas"))
            .text(QStringLiteral("Beside"))
            .fullWidth()
            .option(QStringLiteral("Option1"),
                    QStringLiteral("Circuncentro (ponto de encontro das mediatrizes)"),
                    QStringLiteral("Opção"), true)
            .newRow()
            .text(QStringLiteral("Below"))
            .dadosResolver(1, [] {});
    }
};

QRect inFrame(const QWidget* widget) {
    const auto* frame = widget->parentWidget();
    return QRect(widget->mapTo(frame, QPoint(0, 0)), widget->size());
}

QLabel* labelWithText(const QWidget& form, const QString& text) {
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label->text() == text) return label;
    return nullptr;
}
} // namespace

class TestFrameBuilder : public QObject {
    Q_OBJECT
private slots:
    void fullWidthRowsRunBelowTheButtons();
};

void TestFrameBuilder::fullWidthRowsRunBelowTheButtons() {
    WideRowsForm form;
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect dados = inFrame(form.findChild<QPushButton*>(QStringLiteral("Dados1")));
    const QRect resolver = inFrame(form.findChild<QPushButton*>(QStringLiteral("Resolver1")));
    const QRect beside = inFrame(labelWithText(form, QStringLiteral("Beside")));
    const QRect option = inFrame(form.findChild<QRadioButton*>(QStringLiteral("Option1")));
    const QRect below = inFrame(labelWithText(form, QStringLiteral("Below")));

    QVERIFY(beside.top() < resolver.bottom() && beside.right() < dados.left());
    QVERIFY(option.top() > resolver.bottom());
    QVERIFY(below.top() > option.bottom());
    // The option keeps the width its caption needs, past the buttons' left edge.
    auto* radio = form.findChild<QRadioButton*>(QStringLiteral("Option1"));
    QVERIFY(option.width() >= radio->sizeHint().width());
    QVERIFY(option.right() > dados.left());
}

QTEST_MAIN(TestFrameBuilder)
#include "tst_framebuilder.moc"
