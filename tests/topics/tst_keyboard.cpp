// Every problem form the build holds, worked with the keyboard alone: Tab
// meets the controls in reading order, the arrows choose between options,
// Space presses a frame's buttons.

#include "alltopics.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <memory>

namespace {

/// A group of options is one stop for Tab, at its chosen option; the arrow
/// keys move between the options.
bool takesTab(QWidget* w, QWidget* form) {
    const auto* option = qobject_cast<QRadioButton*>(w);
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled() &&
           (!option || option->isChecked());
}

/// Rows from top to bottom, each from left to right: widgets whose centres
/// lie within a few pixels of the first of a row share it.
QList<QWidget*> readingOrder(QList<QWidget*> widgets, QWidget* frame) {
    const auto centre = [frame](QWidget* w) { return w->mapTo(frame, w->rect().center()); };
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&](QWidget* a, QWidget* b) { return centre(a).y() < centre(b).y(); });
    QList<QWidget*> ordered;
    for (qsizetype start = 0; start < widgets.size();) {
        qsizetype end = start + 1;
        while (end < widgets.size() && centre(widgets[end]).y() - centre(widgets[start]).y() <= 8)
            ++end;
        QList<QWidget*> row = widgets.mid(start, end - start);
        std::stable_sort(row.begin(), row.end(),
                         [&](QWidget* a, QWidget* b) { return centre(a).x() < centre(b).x(); });
        ordered += row;
        start = end;
    }
    return ordered;
}

/// What Tab should meet: the "Eixos" frame, then each problem frame from the
/// top (its fields and options as read, then its buttons), then the row of
/// buttons from the left.
QList<QWidget*> expectedTabOrder(QWidget* form) {
    QList<QWidget*> order;
    QList<QGroupBox*> frames = form->findChildren<QGroupBox*>();
    std::stable_sort(frames.begin(), frames.end(), [form](QGroupBox* a, QGroupBox* b) {
        return a->mapTo(form, QPoint()).y() < b->mapTo(form, QPoint()).y();
    });
    for (QGroupBox* frame : frames) {
        QList<QWidget*> inputs, buttons;
        for (QWidget* w : frame->findChildren<QWidget*>())
            if (takesTab(w, form)) (qobject_cast<QPushButton*>(w) ? buttons : inputs) << w;
        order += readingOrder(inputs, frame) + readingOrder(buttons, frame);
    }
    QList<QWidget*> row;
    for (QWidget* w : form->findChild<QWidget*>(QStringLiteral("Botoes"))->findChildren<QWidget*>())
        if (takesTab(w, form)) row << w;
    return order + QList<QWidget*>{form->findChild<QWidget*>(QStringLiteral("Picture1"))} +
           readingOrder(row, form);
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList list;
    for (QWidget* w : widgets)
        list << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                           : w->objectName());
    return list;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void tabFollowsReadingOrder_data() { addBuiltTopics(); }
    void tabFollowsReadingOrder();
    void arrowsChooseBetweenOptions_data() { addBuiltTopics(); }
    void arrowsChooseBetweenOptions();
    void spacePressesEveryFrameButton_data() { addBuiltTopics(); }
    void spacePressesEveryFrameButton();

private:
    QWidget* showForm();

    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<QWidget> form;
};

void TestKeyboard::init() {
    nav = std::make_unique<NavigationRecorder>();
    messages = std::make_unique<MessageRecorder>();
}

void TestKeyboard::cleanup() {
    form.reset();
    messages.reset();
    nav.reset();
}

QWidget* TestKeyboard::showForm() {
    QFETCH(int, topic);
    form.reset(createTopicForm(Topic(topic)));
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    return form.get();
}

void TestKeyboard::tabFollowsReadingOrder() {
    QWidget* w = showForm();
    QVERIFY(w);
    const QList<QWidget*> expected = expectedTabOrder(w);
    QCOMPARE(names(expected.mid(0, 5)),
             QStringList({"Xmin", "Xmax", "Ymin", "Ymax", "DesenharGrelha"}));
    expected.first()->setFocus(Qt::TabFocusReason);
    QList<QWidget*> met{QApplication::focusWidget()};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        met << QApplication::focusWidget();
    }
    QCOMPARE(names(met), names(expected + QList<QWidget*>{expected.first()}));
}

void TestKeyboard::arrowsChooseBetweenOptions() {
    QWidget* w = showForm();
    QVERIFY(w);
    int groups = 0;
    for (QGroupBox* frame : w->findChildren<QGroupBox*>()) {
        const QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
        if (options.size() < 2) continue;
        ++groups;
        options[0]->click();
        options[0]->setFocus(Qt::TabFocusReason);
        // The arrow that points from one option to the next: down a column,
        // or across a row.
        const bool sideBySide = options[1]->y() == options[0]->y();
        QTest::keyClick(options[0], sideBySide ? Qt::Key_Right : Qt::Key_Down);
        QVERIFY(options[1]->isChecked() && options[1]->hasFocus());
        QVERIFY(!options[0]->isChecked());
        QTest::keyClick(options[1], sideBySide ? Qt::Key_Left : Qt::Key_Up);
        QVERIFY(options[0]->isChecked() && options[0]->hasFocus());
    }
    if (groups == 0) QSKIP("this form has no options");
}

void TestKeyboard::spacePressesEveryFrameButton() {
    QWidget* w = showForm();
    QVERIFY(w);
    auto* board = w->findChild<Board*>();
    for (QPushButton* button : w->findChildren<QPushButton*>()) {
        board->Cls();
        const std::size_t cleared = board->displayList().size();
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY2(board->displayList().size() > cleared + 10, qPrintable(button->objectName()));
    }
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
