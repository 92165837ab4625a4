// The topic table is the one list of topics: the index, the forms' titles and
// every form's row of buttons show each of its rows as the row says, and each
// form shows the frame table's frames of its topic, in the table's order.
// Every field and option of every frame is typed by name in tst_practiceforms.

#include "helpcontent.h"
#include "shell.h"
#include "testsupport.h"
#include "topictable.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
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

    /// Its form (which its menu entry opens, tst_mainwindow) is titled as the row says,
    /// and the index lists the form's frames under the row's heading.
    void menuIndexAndForm() {
        QFETCH_GLOBAL(int, topic);
        const TopicRow& row = TopicTable[topic];
        Shell shell(ShellHooks{{}, [] {}});
        shell.showTopic(row.topic);
        auto* form = qobject_cast<ProblemForm*>(shell.topicForm(row.topic));
        QVERIFY(form && form->isVisible() && form->topic() == row.topic);
        QCOMPARE(form->objectName(), text(row.form));
        QCOMPARE(form->findChild<QLabel*>("Titulo")->text(), text(row.title));
        const Help::IndexTopic index = Help::indexTopics().at(std::size_t(topic));
        QVERIFY(index.topic == row.topic);
        QCOMPARE(index.heading, text(row.indexHeading));
        QCOMPARE(index.problems, frameCaptions(form));
    }

    /// On every other form the button to the topic (where each button leads,
    /// tst_navigation) is named, worded and pictured as the rows say; the form's own
    /// help buttons carry its tooltips.
    void buttonsOfTheOtherForms() {
        QFETCH_GLOBAL(int, topic);
        const TopicRow& row = TopicTable[topic];
        const TopicButtonText& b = row.button;
        for (const TopicRow& other : TopicTable) {
            std::unique_ptr<ProblemForm> form(createTopicForm(other.topic));
            form->setAttribute(Qt::WA_DeleteOnClose, false);
            if (other.topic == row.topic) {
                const HelpTips& tips = row.helpTips;
                for (const auto& [name, tip] : {std::pair{"Command13", tips.instructions},
                                                {"Command15", tips.syntax},
                                                {"Command17", tips.close}})
                    QCOMPARE(form->findChild<QToolButton*>(name)->toolTip(), text(tip));
                continue;
            }
            const QString name =
                text(other.buttonNames).split(' ').value(topic, "Ir" + text(row.form));
            auto* button = form->findChild<QWidget*>("Botoes")->findChild<QToolButton*>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(),
                     text(other.topic == Topic::Pontos && b.captionOnPontos ? b.captionOnPontos
                                                                            : b.caption));
            QCOMPARE(button->toolTip(),
                     text(other.topic == Topic::Recta1 && b.tipOnRecta1 ? b.tipOnRecta1 : b.tip));
            QVERIFY(QFile::exists(QString(":/icons/%1.svg").arg(b.icon)));
        }
    }
};

QTEST_MAIN(TestTopicTable)
#include "tst_topictable.moc"
