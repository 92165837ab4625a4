#include "shell.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace {
/// Each form's topic buttons as "name:target", 0..8 for Pontos … Triângulo.
const char* const ButtonsOf[] = {
    "Command2:1 Command8:2 Command5:3 Command11:4 Command4:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:2 Command8:3 Command11:4 Command7:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:1 Command9:3 Command7:4 Command8:5 Command10:6 Command11:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command11:4 Command4:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:1 Command1:2 Command9:3 Command8:5 Command10:6 Command11:7 Command5:8",
    "Command2:0 Command7:1 Command6:2 Command9:3 Command8:4 Command10:6 Command11:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command9:3 Command11:4 Command4:5 Command10:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command9:3 Command6:4 Command4:5 Command10:6 Command7:8",
    "Command2:0 Command6:1 Command1:2 Command9:3 Command3:4 Command8:5 Command10:6 Command11:7"};

void click(QWidget* form, const QString& name) {
    auto* button = form->findChild<QAbstractButton*>(name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void everyButton_data() {
        QTest::addColumn<int>("form");
        for (int form = 0; form < int(std::size(ButtonsOf)); ++form)
            QTest::addRow("%d", form) << form;
    }
    /// A topic button leads to its topic and unloads its form, which comes back
    /// with its examples; the help buttons leave it loaded, "Fechar" unloads it,
    /// "Sair" ends the run.
    void everyButton() {
        QFETCH(int, form);
        MessageRecorder messages;
        int endRuns = 0;
        Shell shell({createTopicForm, [&endRuns] { ++endRuns; }});
        for (const QString& pair : QString(ButtonsOf[form]).split(' ')) {
            shell.showTopic(Topic(form));
            QPointer<QWidget> from = shell.topicForm(Topic(form));
            auto* field = from->findChild<QLineEdit*>("Abcissa1");
            if (!field) field = from->findChild<QLineEdit*>("Text1");
            const QString name = field->objectName(), example = field->text();
            field->setText("escrito");
            click(from, pair.section(':', 0, 0));
            QTRY_VERIFY2(from.isNull(), qPrintable(pair));
            QWidget* to = shell.topicForm(Topic(pair.section(':', 1).toInt()));
            QVERIFY2(to && to->isVisible() && !example.isEmpty(), qPrintable(pair));
            shell.showTopic(Topic(form));
            QCOMPARE(shell.topicForm(Topic(form))->findChild<QLineEdit*>(name)->text(), example);
        }
        QPointer<QWidget> window = shell.topicForm(Topic(form));
        for (int i = 0; i < 4; ++i) { // Command13 … Command16: Instruções, Índice, Sintaxe, Funções
            click(window, QString("Command%1").arg(13 + i));
            QVERIFY(shell.viewer(HelpPage(i)) && shell.viewer(HelpPage(i))->isVisible() && window);
        }
        click(window, "Command17");
        QTRY_VERIFY(window.isNull() && endRuns == 0);
        shell.showTopic(Topic(form));
        click(shell.topicForm(Topic(form)), "Sair");
        QCOMPARE(endRuns, 1);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
