// Every problem form the build holds, as assistive technology and the
// keyboard meet it. Read through Qt's accessibility interfaces (what the
// accessibility bus publishes): the window says its topic, every control is
// named, every field says which value it holds, every result is announced as
// a result. With the keyboard alone: Tab meets the controls in reading order,
// the arrows choose between options, Space presses a frame's buttons.

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

QList<QWidget*> named(QWidget* form, const QString& pattern) {
    return form->findChildren<QWidget*>(QRegularExpression('^' + pattern + '$'));
}

QGroupBox* frameOf(QWidget* w) {
    return qobject_cast<QGroupBox*>(w->parentWidget());
}

/// A group of options is one stop for Tab, at its chosen option; the arrow
/// keys move between the options.
bool takesTab(QWidget* w, QWidget* form) {
    const auto* option = qobject_cast<QRadioButton*>(w);
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled() &&
           (!option || option->isChecked());
}

/// The part of the window a Tab stop belongs to, in reading order: each
/// frame from the top, its fields and options before its buttons; then the
/// board; then the row of buttons.
std::pair<int, bool> part(QWidget* w, QWidget* form) {
    for (QWidget* p = w->parentWidget(); p != form; p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p))
            return {p->mapTo(form, QPoint()).y(), qobject_cast<QPushButton*>(w) != nullptr};
    return {w->objectName() == QLatin1String("Picture1") ? 100000 : 100001, false};
}

/// Whether `a` is read before `b`: by part, then rows from the top (centres
/// within a few pixels share a row), each row from the left.
bool readBefore(QWidget* a, QWidget* b, QWidget* form) {
    if (part(a, form) != part(b, form)) return part(a, form) < part(b, form);
    const QPoint ca = a->mapTo(form, a->rect().center()), cb = b->mapTo(form, b->rect().center());
    return std::abs(ca.y() - cb.y()) > 8 ? ca.y() < cb.y() : ca.x() < cb.x();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    NavigationRecorder nav;
    MessageRecorder messages;
    std::unique_ptr<QWidget> form;

    QWidget* shownForm() {
        QFETCH(int, topic);
        form.reset(createTopicForm(Topic(topic)));
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get()) ? form.get() : nullptr;
    }

private slots:
    void windowAndControlsAreNamed_data() { addBuiltTopics(); }
    /// The window says its topic; every field, button, option, label and
    /// frame a user meets says something; the arrows say what they change.
    void windowAndControlsAreNamed() {
        QWidget* w = shownForm();
        QVERIFY(w);
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
        QCOMPARE(spoken(w), w->findChild<QLabel*>("Titulo")->text() + " — ORTOPLANO PLANA");
        QCOMPARE(w->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
        QList<QWidget*> controls;
        for (QWidget* c : w->findChildren<QWidget*>())
            if (c->isVisibleTo(w) &&
                (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c) ||
                 qobject_cast<QLabel*>(c) || qobject_cast<QGroupBox*>(c)))
                controls << c;
        QVERIFY(controls.size() > 40);
        for (QWidget* c : controls)
            QVERIFY2(!spoken(c).trimmed().isEmpty(), qPrintable(c->objectName()));
        QCOMPARE(spoken(w->findChild<QWidget*>("Picture1")), QStringLiteral("Quadro de desenho"));
        QStringList arrows;
        for (QWidget* arrow : named(w, "UpDown\\d_(up|down)"))
            arrows << spoken(arrow);
        arrows.sort();
        QCOMPARE(arrows, QStringList({"Aumentar Xmáximo", "Aumentar Xmínimo", "Aumentar Ymáximo",
                                      "Aumentar Ymínimo", "Diminuir Xmáximo", "Diminuir Xmínimo",
                                      "Diminuir Ymáximo", "Diminuir Ymínimo"}));
    }

    void fieldsSayWhatTheyHold_data() { addBuiltTopics(); }
    /// The two coordinates of a point name the same point; no two fields of
    /// a frame sound alike, and none is named after its frame only.
    void fieldsSayWhatTheyHold() {
        QWidget* w = shownForm();
        QVERIFY(w);
        const QList<QWidget*> abscissas = named(w, "Abcissa\\d+");
        QVERIFY(!abscissas.isEmpty());
        for (QWidget* abscissa : abscissas) {
            auto* ordinate = w->findChild<QWidget*>("Ordenada" + abscissa->objectName().mid(7));
            QVERIFY2(ordinate && frameOf(ordinate) == frameOf(abscissa),
                     qPrintable(abscissa->objectName()));
            const QString name = spoken(abscissa);
            QVERIFY2(name.startsWith(QLatin1String("Abcissa ")), qPrintable(name));
            QCOMPARE(spoken(ordinate), "Ordenada " + name.mid(8));
        }
        for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
            QStringList names;
            for (QLineEdit* field : frame->findChildren<QLineEdit*>())
                if (field->isVisibleTo(w)) names << spoken(field);
            QVERIFY2(!names.contains(frame->title()), qPrintable(frame->title()));
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        }
    }

    void resultsAreAnnouncedAsResults_data() { addBuiltTopics(); }
    /// A result reads its answer (a label's as its name, a field's as its
    /// value), is described as a result, and is labelled by the caption
    /// before it ("Ponto médio:", "Recta(s)").
    void resultsAreAnnouncedAsResults() {
        QWidget* w = shownForm();
        QVERIFY(w);
        QSet<QGroupBox*> framesLabelled;
        const QList<QWidget*> results = named(w, "Resultado\\d+");
        for (QWidget* result : results) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(result);
            QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Resultado"));
            QVERIFY(result->accessibleName().isEmpty());
            const bool label = qobject_cast<QLabel*>(result);
            result->setProperty("text", "(1 , 2)");
            QCOMPARE(iface->text(label ? QAccessible::Name : QAccessible::Value), "(1 , 2)");
            for (const auto& [other, relation] : iface->relations(QAccessible::Label))
                if (qobject_cast<QLabel*>(other->object()) &&
                    !other->text(QAccessible::Name).isEmpty())
                    framesLabelled << frameOf(result); // not only by the frame's title
        }
        for (QWidget* result : results)
            QVERIFY2(framesLabelled.contains(frameOf(result)), qPrintable(result->objectName()));
    }

    void tabFollowsReadingOrder_data() { addBuiltTopics(); }
    /// From "Xmin", Tab meets every stop once, each after the one before it
    /// in reading order, and comes back.
    void tabFollowsReadingOrder() {
        QWidget* w = shownForm();
        QVERIFY(w);
        QSet<QWidget*> stops;
        for (QWidget* child : w->findChildren<QWidget*>())
            if (takesTab(child, w)) stops << child;
        QWidget* first = w->findChild<QWidget*>(QStringLiteral("Xmin"));
        first->setFocus(Qt::TabFocusReason);
        QSet<QWidget*> met{first};
        for (qsizetype i = 1; i <= stops.size(); ++i) {
            QWidget* before = QApplication::focusWidget();
            QTest::keyClick(before, Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (i == stops.size())
                QCOMPARE(now, first);
            else
                QVERIFY2(readBefore(before, now, w),
                         qPrintable(before->objectName() + " > " + now->objectName()));
            met << now;
        }
        QCOMPARE(met, stops);
    }

    void arrowsChooseBetweenOptions_data() { addBuiltTopics(); }
    void arrowsChooseBetweenOptions() {
        QWidget* w = shownForm();
        QVERIFY(w);
        int groups = 0;
        for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
            const QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
            if (options.size() < 2) continue;
            ++groups;
            options[0]->click();
            options[0]->setFocus(Qt::TabFocusReason);
            // The arrow that points from one option to the next: down a column, or across a row.
            const bool sideBySide = options[1]->y() == options[0]->y();
            QTest::keyClick(options[0], sideBySide ? Qt::Key_Right : Qt::Key_Down);
            QVERIFY(options[1]->isChecked() && options[1]->hasFocus() && !options[0]->isChecked());
            QTest::keyClick(options[1], sideBySide ? Qt::Key_Left : Qt::Key_Up);
            QVERIFY(options[0]->isChecked() && options[0]->hasFocus());
        }
        if (groups == 0) QSKIP("this form has no options");
    }

    void spacePressesEveryFrameButton_data() { addBuiltTopics(); }
    void spacePressesEveryFrameButton() {
        QWidget* w = shownForm();
        QVERIFY(w);
        auto* board = w->findChild<Board*>();
        for (QPushButton* button : w->findChildren<QPushButton*>()) {
            board->Cls();
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY2(board->displayList().size() > 10, qPrintable(button->objectName()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
