// The topic table is the one list of topics: the menu, the index, the shell
// and every form's row of buttons show each of its rows as the row says; and
// the frame table is the one list of frames: every form lays out its frames
// with the captions, fields and options the table declares.

#include "framebuilder.h"
#include "helpcontent.h"
#include "shell.h"
#include "testsupport.h"
#include "topictable.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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

    /// The form's frames are the table's frames of the topic, from the top,
    /// each with its fields and options named and ordered as declared.
    void framesAsTheTableDeclares() {
        QFETCH_GLOBAL(int, topic);
        std::unique_ptr<ProblemForm> form(createTopicForm(Topic(topic)));
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        QStringList declared, built;
        for (const exact::Frame& f : exact::frames())
            if (f.topic == Topic(topic)) declared << f.name;
        for (QGroupBox* box : form->findChildren<QGroupBox*>()) {
            const exact::Frame* f = definitionOf(box);
            if (!f) continue;
            built << f->name;
            QCOMPARE(box->title(), frameCaption(*f));
            QStringList fields, options;
            for (const exact::FrameField& field : f->fields)
                fields << (field.role == exact::Role::Point
                               ? QStringList{QString("Abcissa") + field.name,
                                             QString("Ordenada") + field.name}
                               : QStringList{field.name});
            for (const exact::FrameOption& option : f->options)
                options << option.button;
            QStringList laidOut, marked;
            for (QLineEdit* field : box->findChildren<QLineEdit*>())
                if (!isResult(field)) laidOut << field->objectName();
            for (QRadioButton* option : box->findChildren<QRadioButton*>())
                marked << option->objectName();
            QCOMPARE(laidOut, fields);
            QCOMPARE(marked, options);
        }
        std::sort(built.begin(), built.end());
        std::sort(declared.begin(), declared.end());
        QCOMPARE(built, declared);
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
