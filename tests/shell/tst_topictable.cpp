// The topic table is the one list of topics: the menu, the index, the shell
// and every form's row of buttons show each of its rows as the row says.

#include "helpcontent.h"
#include "shell.h"
#include "testsupport.h"
#include "topictable.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <memory>

namespace {
QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// The captions of a form's problem frames, top to bottom.
QStringList frameCaptions(QWidget* form) {
    QList<QGroupBox*> frames = form->findChildren<QGroupBox*>();
    std::sort(frames.begin(), frames.end(), [form](QGroupBox* a, QGroupBox* b) {
        return a->mapTo(form, QPoint()).y() < b->mapTo(form, QPoint()).y();
    });
    QStringList captions;
    for (QGroupBox* frame : frames)
        if (frame->objectName() != QLatin1String("FrameEixos")) captions << frame->title();
    return captions;
}
} // namespace

class TestTopicTable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data() {
        QTest::addColumn<int>("topic");
        for (const TopicRow& row : TopicTable)
            QTest::newRow(row.indexHeading) << int(row.topic);
    }

    /// Its menu entry, in table order, opens its form, whose frames the index lists.
    void menuIndexAndForm() {
        QFETCH_GLOBAL(int, topic);
        const TopicRow& row = TopicTable[topic];
        Shell shell(ShellHooks{{}, [] {}});
        QAction* entry =
            shell.mainWindow()->menuBar()->actions().value(topic + 1); // "Ficheiro" first
        QVERIFY(entry && entry->isEnabled());
        QCOMPARE(entry->objectName() + ':' + entry->text(),
                 text(row.menuName) + ':' + text(row.menuCaption));
        entry->trigger();
        auto* form = qobject_cast<ProblemForm*>(shell.topicForm(row.topic));
        QVERIFY(form && form->isVisible() && form->topic() == row.topic);
        QCOMPARE(form->objectName(), text(row.form));
        QCOMPARE(form->findChild<QLabel*>("Titulo")->text(), text(row.title));
        const Help::IndexTopic index = Help::indexTopics().at(std::size_t(topic));
        QVERIFY(index.topic == row.topic);
        QCOMPARE(index.heading, text(row.indexHeading));
        QCOMPARE(index.problems, frameCaptions(form));
    }

    /// Every other form has one button that leads to the topic, named, worded and
    /// pictured as the rows say; the form's help buttons carry its tooltips.
    void buttonsOfTheOtherForms() {
        QFETCH_GLOBAL(int, topic);
        const TopicRow& row = TopicTable[topic];
        NavigationRecorder navigation;
        for (const TopicRow& other : TopicTable) {
            std::unique_ptr<ProblemForm> form(createTopicForm(other.topic));
            form->setAttribute(Qt::WA_DeleteOnClose, false);
            QList<QToolButton*> leading;
            for (QToolButton* button :
                 form->findChild<QWidget*>("Botoes")->findChildren<QToolButton*>()) {
                navigation.topics.clear();
                button->click();
                if (navigation.topics == std::vector<Topic>{row.topic}) leading << button;
            }
            QCOMPARE(leading.size(), other.topic == row.topic ? 0 : 1);
            if (leading.isEmpty()) { // the topic's own form: its help tooltips
                const HelpTips& tips = row.helpTips;
                for (const auto& [name, tip] : {std::pair{"Command13", tips.instructions},
                                                {"Command15", tips.syntax},
                                                {"Command17", tips.close}})
                    QCOMPARE(form->findChild<QToolButton*>(name)->toolTip(), text(tip));
                continue;
            }
            const QStringList names = text(other.buttonNames).split(' ');
            const TopicButtonText& b = row.button;
            QCOMPARE(leading[0]->objectName(), names.value(topic, "Ir" + text(row.form)));
            QCOMPARE(leading[0]->text(),
                     text(other.topic == Topic::Pontos && b.captionOnPontos ? b.captionOnPontos
                                                                            : b.caption));
            QCOMPARE(leading[0]->toolTip(),
                     text(other.topic == Topic::Recta1 && b.tipOnRecta1 ? b.tipOnRecta1 : b.tip));
            QVERIFY(QFile::exists(QString(":/icons/%1.svg").arg(b.icon)));
        }
    }
};

QTEST_MAIN(TestTopicTable)
#include "tst_topictable.moc"
