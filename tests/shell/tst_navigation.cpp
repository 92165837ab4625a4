// Every navigation button of every problem form: it leads to its topic,
// unloads its own form, and a form opened again comes back with its examples.

#include "shell.h"
#include "testsupport.h"
#include "topics.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace {

/// The topic buttons of each form, as "name:target" for targets 0..8
/// (Pontos, Recta 1-4, Circunferência 1-3, Triângulo).
const char* const ButtonsOf[TopicCount] = {
    "Command2:1 Command8:2 Command5:3 Command11:4 Command4:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:2 Command8:3 Command11:4 Command7:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:1 Command9:3 Command7:4 Command8:5 Command10:6 Command11:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command11:4 Command4:5 Command9:6 Command10:7 Command12:8",
    "Command2:0 Command6:1 Command1:2 Command9:3 Command8:5 Command10:6 Command11:7 Command5:8",
    "Command2:0 Command7:1 Command6:2 Command9:3 Command8:4 Command10:6 Command11:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command9:3 Command11:4 Command4:5 Command10:7 Command12:8",
    "Command5:0 Command2:1 Command8:2 Command9:3 Command6:4 Command4:5 Command10:6 Command7:8",
    "Command2:0 Command6:1 Command1:2 Command9:3 Command3:4 Command8:5 Command10:6 Command11:7"};

QLineEdit* firstField(QWidget* form) {
    for (QLineEdit* field : form->findChildren<QLineEdit*>())
        if (!field->isHidden() && field->objectName() != QLatin1String("Xmin")) return field;
    return nullptr;
}

void click(QWidget* form, const QString& name) {
    auto* button = form->findChild<QAbstractButton*>(name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setMessageHandler([](QWidget*, const Message&) {});
    }
    void topicButtons_data();
    void topicButtons();
    void closeAndHelpButtons_data();
    void closeAndHelpButtons();
};

void TestNavigation::topicButtons_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("target");
    for (int form = 0; form < TopicCount; ++form)
        for (const QString& pair : QString::fromLatin1(ButtonsOf[form]).split(QLatin1Char(' '))) {
            const QString name = pair.section(QLatin1Char(':'), 0, 0);
            const int target = pair.section(QLatin1Char(':'), 1).toInt();
            QTest::addRow("%d %s", form, qPrintable(name)) << form << name << target;
        }
}

void TestNavigation::topicButtons() {
    QFETCH(int, form);
    QFETCH(QString, button);
    QFETCH(int, target);
    int endRuns = 0;
    Shell shell({isTopicBuilt, createTopicForm, [&endRuns] { ++endRuns; }});
    shell.showTopic(Topic(form));
    QPointer<QWidget> from = shell.topicForm(Topic(form));
    QVERIFY(from);
    QLineEdit* field = firstField(from);
    const QString example = field->text();
    const QString fieldName = field->objectName();
    field->setText(QStringLiteral("typed"));

    click(from, button);
    QTRY_VERIFY(from.isNull()); // unloaded
    QWidget* to = shell.topicForm(Topic(target));
    QVERIFY(to && to->isVisible());
    QCOMPARE(shell.topicForm(Topic(form)), nullptr);

    shell.showTopic(Topic(form)); // back from the menu: a fresh form
    QCOMPARE(shell.topicForm(Topic(form))->findChild<QLineEdit*>(fieldName)->text(), example);
    QCOMPARE(endRuns, 0);
}

void TestNavigation::closeAndHelpButtons_data() {
    QTest::addColumn<int>("form");
    for (int form = 0; form < TopicCount; ++form)
        QTest::addRow("%d", form) << form;
}

void TestNavigation::closeAndHelpButtons() {
    QFETCH(int, form);
    int endRuns = 0;
    Shell shell({isTopicBuilt, createTopicForm, [&endRuns] { ++endRuns; }});
    shell.showTopic(Topic(form));
    QPointer<QWidget> window = shell.topicForm(Topic(form));
    const std::pair<const char*, HelpPage> help[] = {{"Command13", HelpPage::Instrucoes},
                                                     {"Command14", HelpPage::Indice},
                                                     {"Command15", HelpPage::Sintaxe},
                                                     {"Command16", HelpPage::Funcoes}};
    for (const auto& [name, page] : help) {
        click(window, QLatin1String(name));
        QVERIFY2(shell.viewer(page) && shell.viewer(page)->isVisible(), name);
        QVERIFY(window); // the form stays loaded
    }
    click(window, QStringLiteral("Command17"));
    QTRY_VERIFY(window.isNull());
    shell.showTopic(Topic(form));
    click(shell.topicForm(Topic(form)), QStringLiteral("Sair"));
    QCOMPARE(endRuns, 1);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
