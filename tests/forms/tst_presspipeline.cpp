// The press on its own, without a form: how each way a routine can end is
// reported, the order of the press's hooks and messages, solve mode for the
// press only, and the focus given back to the field whose reading failed.

#include "clsequation.h"
#include "numbered_error.h"
#include "presspipeline.h"
#include "testsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <new>

namespace {

/// How a routine ends.
enum class Ending { Normally, Stopped, Fault, OutOfMemory, FieldFault };

} // namespace

class TestPressPipeline : public QObject {
    Q_OBJECT

private slots:
    void eachEndingIsReportedOnce_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<bool>("solve");
        QTest::addColumn<QStringList>("events");
        const QString fault = "Erro:\n\nDivisão por zero.";
        const QString memory = "Erro:\n\nMemória insuficiente.";
        const auto row = [](const char* name, Ending e, bool solve, QStringList events) {
            QTest::newRow(name) << int(e) << solve << events;
        };
        row("normally", Ending::Normally, false, {"routine solving=0", "settle", "ended"});
        row("normally, solving", Ending::Normally, true, {"routine solving=1", "settle", "ended"});
        // A stop shows its own message, with its icon, after the outcome is settled.
        row("stopped", Ending::Stopped, true,
            {"routine solving=1", "settle", "message i Pare.", "settle", "ended"});
        row("a fault", Ending::Fault, true,
            {"routine solving=1", "settle", "message - " + fault, "ended"});
        row("out of memory", Ending::OutOfMemory, false,
            {"routine solving=0", "settle", "message - " + memory, "ended"});
        row("a field's fault", Ending::FieldFault, false,
            {"routine solving=0", "settle", "message - " + fault, "focus Campo", "ended"});
    }
    void eachEndingIsReportedOnce() {
        QFETCH(int, ending);
        QFETCH(bool, solve);
        QFETCH(QStringList, events);
        QWidget owner;
        auto* field = new QLineEdit("1/0", &owner);
        field->setObjectName("Campo");
        auto* other = new QLineEdit(&owner);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        other->setFocus();
        QStringList said;
        const MessageHandler previous = setMessageHandler([&](QWidget* parent, const Message& m) {
            QCOMPARE(parent, &owner);
            QCOMPARE(m.title, QString("Ortoplano"));
            said << QString("message %1 %2")
                        .arg(m.icon == MessageIcon::Information ? "i" : "-", m.text);
        });
        const auto ended = [&] {
            if (QApplication::focusWidget() == field) said << "focus " + field->objectName();
            said << "ended";
        };
        PressPipeline press(&owner, {.settle = [&] { said << "settle"; }, .ended = ended});
        press.run(
            [&] {
                QVERIFY(press.running());
                said << QString("routine solving=%1").arg(press.solving());
                switch (Ending(ending)) {
                case Ending::Normally:
                    return;
                case Ending::Stopped:
                    press.stop("Pare.");
                case Ending::Fault:
                    Fault::raise(Fault::DivisionByZero);
                case Ending::OutOfMemory:
                    throw std::bad_alloc();
                case Ending::FieldFault:
                    press.readingField(field, [&] {
                        clsEquation& eq = press.interpreter();
                        eq.setEquation(field->text().toStdString());
                        eq.Solve();
                    });
                }
            },
            solve);
        setMessageHandler(previous);
        QCOMPARE(said, events);
        QVERIFY(!press.running() && !press.solving());
        QCOMPARE(QApplication::focusWidget() == field, Ending(ending) == Ending::FieldFault);
        if (Ending(ending) == Ending::FieldFault) QCOMPARE(field->selectedText(), field->text());
    }
};

QTEST_MAIN(TestPressPipeline)
#include "tst_presspipeline.moc"
