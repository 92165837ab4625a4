// Every problem form the build holds, as a screen reader and the keyboard meet
// it inside the process (tests/desktop/test_endtoend.py meets the real one).

#include "alltopics.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <memory>

namespace {

QString spoken(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

QGroupBox* frameOf(QWidget* w) {
    return qobject_cast<QGroupBox*>(w->parentWidget());
}

/// Reading order: frames from the top, each with its buttons last; the board; the button
/// row. Within a part, rows from the top (centres 8 pixels apart share one), each from the left.
bool readBefore(QWidget* a, QWidget* b, QWidget* form) {
    const auto part = [form](QWidget* w) -> std::pair<int, bool> {
        if (QGroupBox* frame = frameOf(w))
            return {frame->mapTo(form, QPoint()).y(), qobject_cast<QPushButton*>(w) != nullptr};
        return {w->objectName() == QLatin1String("Picture1") ? 100000 : 100001, false};
    };
    if (part(a) != part(b)) return part(a) < part(b);
    const QPoint ca = a->mapTo(form, a->rect().center()), cb = b->mapTo(form, b->rect().center());
    return std::abs(ca.y() - cb.y()) > 8 ? ca.y() < cb.y() : ca.x() < cb.x();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    NavigationRecorder nav;
    MessageRecorder messages;
    std::unique_ptr<QWidget> form;

private slots:
    void initTestCase_data() { addEveryTopic(); }
    void init() {
        QFETCH_GLOBAL(int, topic);
        form.reset(createTopicForm(Topic(topic)));
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    /// Every control says something; the two coordinates of a point name the same
    /// point, and no field sounds like another of its frame or like the frame alone.
    void controlsAreNamed() {
        QCOMPARE(QAccessible::queryAccessibleInterface(form.get())->role(), QAccessible::Window);
        QCOMPARE(spoken(form.get()),
                 form->findChild<QLabel*>("Titulo")->text() + " — ORTOPLANO PLANA");
        QCOMPARE(spoken(form->findChild<QWidget*>("Picture1")), "Quadro de desenho");
        QWidgetList controls;
        for (QWidget* c : form->findChildren<QWidget*>())
            if (c->isVisibleTo(form.get()) &&
                (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c) ||
                 qobject_cast<QLabel*>(c) || qobject_cast<QGroupBox*>(c)))
                controls << c;
        QVERIFY(controls.size() > 40);
        for (QWidget* c : controls)
            QVERIFY2(!spoken(c).trimmed().isEmpty(), qPrintable(c->objectName()));
        const QWidgetList xs = form->findChildren<QWidget*>(QRegularExpression("^Abcissa\\d+$"));
        QVERIFY(!xs.isEmpty());
        for (QWidget* x : xs) {
            auto* y = form->findChild<QWidget*>("Ordenada" + x->objectName().mid(7));
            QVERIFY2(y && frameOf(y) == frameOf(x), qPrintable(x->objectName()));
            const QString point = spoken(x).section(' ', 1); // "de A"
            QCOMPARE(QStringList({spoken(x), spoken(y)}),
                     QStringList({"Abcissa " + point, "Ordenada " + point}));
        }
        for (QGroupBox* frame : form->findChildren<QGroupBox*>()) {
            QStringList names{frame->title()};
            for (QLineEdit* field : frame->findChildren<QLineEdit*>())
                if (field->isVisibleTo(form.get())) names << spoken(field);
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }
    }

    /// A result reads its answer and is described as a result; the first of each frame
    /// is labelled by the caption before it ("Ponto médio:"), not only by the frame.
    void resultsAreAnnouncedAsResults() {
        QSet<QWidget*> framesWithResults, captioned;
        for (QWidget* result :
             form->findChildren<QWidget*>(QRegularExpression("^Resultado\\d+$"))) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(result);
            QCOMPARE(iface->text(QAccessible::Description), "Resultado");
            QVERIFY(result->accessibleName().isEmpty());
            result->setProperty("text", "(1 , 2)");
            const bool label = qobject_cast<QLabel*>(result);
            QCOMPARE(iface->text(label ? QAccessible::Name : QAccessible::Value), "(1 , 2)");
            framesWithResults << frameOf(result);
            for (const auto& [other, relation] : iface->relations(QAccessible::Label))
                if (qobject_cast<QLabel*>(other->object()) && !spoken(other->object()).isEmpty())
                    captioned << frameOf(result);
        }
        QCOMPARE(captioned, framesWithResults);
    }

    /// From "Xmin", Tab meets every stop once, in reading order, and comes back (a group
    /// of options is one stop, at its chosen option); arrows move between options;
    /// Space presses every frame button.
    void keyboardReachesEverything() {
        QSet<QWidget*> stops;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const auto* option = qobject_cast<QRadioButton*>(w);
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form.get()) && w->isEnabled() &&
                (!option || option->isChecked()))
                stops << w;
        }
        QWidget* first = form->findChild<QWidget*>("Xmin");
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> met{first};
        for (qsizetype i = 1; i < stops.size(); ++i) {
            QWidget* before = QApplication::focusWidget();
            QTest::keyClick(before, Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            QVERIFY2(readBefore(before, now, form.get()),
                     qPrintable(before->objectName() + " > " + now->objectName()));
            met << now;
        }
        QCOMPARE(met, stops);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first);

        for (QGroupBox* frame : form->findChildren<QGroupBox*>()) {
            const QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
            if (options.size() < 2) continue;
            options[0]->click();
            options[0]->setFocus(Qt::TabFocusReason);
            const bool row = options[1]->y() == options[0]->y();
            QTest::keyClick(options[0], row ? Qt::Key_Right : Qt::Key_Down);
            QVERIFY(options[1]->isChecked() && options[1]->hasFocus() && !options[0]->isChecked());
            QTest::keyClick(options[1], row ? Qt::Key_Left : Qt::Key_Up);
            QVERIFY(options[0]->isChecked() && options[0]->hasFocus());
        }

        auto* board = form->findChild<Board*>();
        for (QPushButton* button : form->findChildren<QPushButton*>()) {
            board->Cls();
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY2(board->displayList().size() > 10, qPrintable(button->objectName()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
