// Every problem form the build holds, worked with the keyboard alone: Tab
// meets the controls in reading order, the arrows choose between options,
// Space presses a frame's buttons.

#include "alltopics.h"
#include "testsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {

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

class TestKeyboard : public QObject {
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

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
