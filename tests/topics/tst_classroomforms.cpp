// Every problem form in the classroom display: the same
// drawing whatever the display, results as large as their frame allows, and
// the board alone on the whole screen, driven from the keyboard.

#include "alltopics.h"
#include "boardmenu.h"
#include "fullscreenboard.h"
#include "mathtypeset.h"
#include "paintlog.h"
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <memory>

namespace {

const QSet<QString> Letters{"A", "B", "C",  "M",  "P",  "Q",  "I", "O",
                            "H", "G", "P₁", "P₂", "P₃", "C₁", "C₂"};

std::vector<QPushButton*> buttonsOf(QWidget* form, PressKind kind) {
    std::vector<QPushButton*> found;
    for (QGroupBox* frame : form->findChildren<QGroupBox*>())
        if (QPushButton* b = frameButton(frame, kind)) found.push_back(b);
    return found;
}

/// Every press of the form: each frame's buttons, once for each of its options.
void pressEverything(QWidget* form, const std::function<void(QPushButton*)>& after) {
    for (QGroupBox* frame : form->findChildren<QGroupBox*>()) {
        QList<QRadioButton*> options = frame->findChildren<QRadioButton*>();
        if (options.isEmpty()) options << nullptr;
        for (QRadioButton* option : options) {
            if (option) option->setChecked(true);
            for (PressKind kind : {PressKind::Dados, PressKind::Resolver})
                if (QPushButton* b = frameButton(frame, kind)) {
                    b->click();
                    after(b);
                }
        }
    }
}

std::unique_ptr<PaintLog> boardPicture(ProblemForm& form) {
    auto log = std::make_unique<PaintLog>(QSize(Board::Side, Board::Side));
    QPainter painter(log.get());
    form.board()->paintPicture(painter, QSizeF(Board::Side, Board::Side));
    return log;
}

} // namespace

class TestClassroomForms : public QObject {
    Q_OBJECT

    NavigationRecorder nav;
    MessageRecorder messages;
    std::unique_ptr<ProblemForm> form;
    ClassroomDisplay& display = ClassroomDisplay::instance();

    /// The full-screen board of the line through two points (its solution has
    /// steps enough to go back and forth), these texts typed in its frame.
    FullScreenBoard* lineThroughTwoPointsInFull(const QStringList& typed = {}) {
        form.reset(createTopicForm(Topic::Recta1));
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
        QWidget* frame = form->findChild<QWidget*>("Frame4");
        for (const QString& text : typed)
            frame->findChild<QLineEdit*>(text.section('=', 0, 0))->setText(text.section('=', 1));
        frame->findChild<QLineEdit*>("Abcissa1")->setFocus();
        form->showFullScreenBoard();
        return form->fullScreenBoard();
    }

private slots:
    void init() {
        form.reset(createTopicForm(Topic::Pontos));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { // the display as the program starts
        display.setProjector(true);
        display.setPointNames(true);
        display.setFactor(2);
        display.setProjector(false);
        display.setPointNames(false);
        FullScreenBoard::setSolutionSteps({});
        form.reset();
    }

    void theDrawingIsTheSameInEveryDisplay_data() { addEveryTopic(); }
    /// Whatever is pressed, every point marked on a board carries the letter its frame
    /// gives it. The display changes how a board is painted, never what it records: the
    /// world coordinates a test reads are those of the usual display.
    void theDrawingIsTheSameInEveryDisplay() {
        QFETCH(int, topic);
        form.reset(createTopicForm(Topic(topic)));
        std::vector<DisplayList> usual;
        QSet<QString> seen;
        pressEverything(form.get(), [&](QPushButton* b) {
            usual.push_back(form->board()->displayList());
            for (const Primitive& dot : primitives(*form->board(), Primitive::Kind::Dot)) {
                QVERIFY2(Letters.contains(dot.text),
                         qPrintable(b->objectName() + ": «" + dot.text + "»"));
                seen << dot.text;
            }
        });
        QVERIFY(!seen.isEmpty());
        display.setProjector(true);
        display.setFactor(3);
        form.reset(createTopicForm(Topic(topic)));
        std::size_t press = 0;
        pressEverything(form.get(), [&](QPushButton* b) {
            const DisplayList& now = form->board()->displayList();
            QCOMPARE(now.size(), usual.at(press).size());
            for (std::size_t i = 0; i < now.size(); ++i)
                QVERIFY2(samePrimitive(now[i], usual[press][i]), qPrintable(b->objectName()));
            ++press;
        });
        QCOMPARE(press, usual.size());
    }

    void fullScreenDrawsWhatTheBoardDraws_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<bool>("projector");
        for (const TopicRow& row : TopicTable)
            for (bool projector : {false, true})
                QTest::addRow("%s%s", row.indexHeading, projector ? ", projector" : "")
                    << int(row.topic) << projector;
    }
    /// The full-screen board paints the board's own primitives, in order,
    /// magnified as a whole: same shapes, texts and colours, every size and
    /// width in proportion.
    void fullScreenDrawsWhatTheBoardDraws() {
        QFETCH(int, topic);
        QFETCH(bool, projector);
        display.setProjector(projector);
        form.reset(createTopicForm(Topic(topic)));
        buttonsOf(form.get(), PressKind::Resolver).back()->click();
        const auto board = boardPicture(*form);
        FullScreenBoard view(form.get());
        const QSizeF screen(1920, 1080);
        PaintLog full(screen.toSize());
        {
            QPainter painter(&full);
            view.paintView(painter, screen);
        }
        const QRectF area = FullScreenBoard::boardArea(screen);
        const double k = area.width() / Board::Side;
        QVERIFY(k > 1.6);
        QVERIFY(full.strokes.size() > board->strokes.size());
        const auto onScreen = [&](QRectF r) {
            return QRectF(area.topLeft() + r.topLeft() * k, r.size() * k);
        };
        for (std::size_t i = 0; i < board->strokes.size(); ++i) {
            const auto &a = board->strokes[i], &b = full.strokes[i + 1]; // after the white
            QCOMPARE(int(b.kind), int(a.kind));
            QCOMPARE(b.colour, a.colour);
            QCOMPARE(b.text, a.text);
            QVERIFY(near(b.width, a.width * k));
            const QRectF expected = onScreen(a.bounds);
            QVERIFY2(nearPoint(b.bounds.topLeft(), expected.topLeft(), 1e-6) &&
                         nearPoint(b.bounds.bottomRight(), expected.bottomRight(), 1e-6),
                     qPrintable(QString::number(i)));
            if (a.kind == PaintLog::Stroke::Kind::Text)
                QVERIFY(std::abs(b.font.pixelSize() - a.font.pixelSize() * k) <= 1);
        }
    }

    /// The lesson without the mouse: projector mode with the names (F8), the board
    /// alone on the whole screen (F11), the data (D), the solution (Return), whose
    /// answer the label that says the same does not repeat, back to the form
    /// (Escape) and its worked solution (Ctrl+R), the names off (Ctrl+Shift+N) and
    /// the usual display again (F8), all from the keyboard.
    void aLessonFromTheKeyboard() {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QWidget* field = QApplication::focusWidget();
        QVERIFY(field && form->isAncestorOf(field));
        while (field->objectName() != "Abcissa2") { // to the midpoint's frame
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != field);
            field = QApplication::focusWidget();
        }
        QTest::keyClick(field, Qt::Key_F8);
        QVERIFY(display.projector() && display.pointNames());
        QCOMPARE(form->board()->displayStyle(), (DisplayStyle{2, true, true}));
        QTest::keyClick(field, Qt::Key_F11);
        FullScreenBoard* view = form->fullScreenBoard();
        QVERIFY(view && QTest::qWaitForWindowActive(view));
        QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name),
                 "Quadro em ecrã inteiro");
        QCOMPARE(view->frame()->objectName(), "Frame6"); // where the focus was
        QTest::keyClick(view, Qt::Key_D);
        const auto coloured = [&](const QColor& colour) {
            const DisplayList& list = form->board()->displayList();
            return std::count_if(list.begin(), list.end(),
                                 [&](const Primitive& p) { return p.color == colour; });
        };
        QVERIFY(coloured(Azul) > 0);
        QCOMPARE(coloured(Vermelho), 0);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(coloured(Vermelho) > 0);
        QVERIFY(view->resultLines().size() >= 3);
        const QString shown = view->resultLines().last();
        QVERIFY(!shown.isEmpty());
        QVERIFY(view->layout(QSizeF(1920, 1080)).answers.at(0).formText.isEmpty()); // said once
        QVERIFY(QAccessible::queryAccessibleInterface(view)
                    ->text(QAccessible::Description)
                    .contains(shown));
        QCOMPARE(view->geometry(), form->screen()->geometry());
        QVERIFY(view->keysHint().contains("D  Dados") && view->keysHint().contains("Enter"));
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!form->fullScreenBoard());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(nav.solutionsAsked, std::vector<ProblemForm*>({form.get()}));
        QVERIFY(form->solution()); // the midpoint's, worked out step by step
        bool found = false;
        for (const QLabel* l : form->lastFrame()->findChildren<QLabel*>())
            found |= l->text() == shown;
        QVERIFY(found); // the large result is the frame's own
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_N,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!display.pointNames());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        QVERIFY(!display.projector());
        QCOMPARE(form->board()->displayStyle(), DisplayStyle{});
    }

    /// The keys of the worked solution step the strip along the bottom of the full-screen
    /// board, and the window "Resolução" with it while it is open; the strip names the step
    /// after every key, and without the window the board shows that step's figures wider.
    void solutionStepsOnTheFullScreenBoard() {
        bool open = false;
        QList<int> shown;
        FullScreenBoard::setSolutionSteps({[&] { return open; }, [&](int step) { shown << step; }});
        FullScreenBoard* view = lineThroughTwoPointsInFull();
        QVERIFY(view);
        QCOMPARE(view->step(), 0); // no solution yet: no strip
        QVERIFY(view->layout(QSizeF(1920, 1080)).strip.isEmpty());
        QVERIFY(!view->keysHint().contains("passo"));
        QTest::keyClick(view, Qt::Key_R);
        QVERIFY(form->solution());
        const int steps = int(form->solution()->steps.size());
        QVERIFY(steps >= 3);
        QCOMPARE(view->step(), 1);
        QVERIFY(view->keysHint().contains("passo seguinte"));
        int expected = 1;
        const QList<int> keys = {Qt::Key_Space,    Qt::Key_Right, Qt::Key_Left,
                                 Qt::Key_PageDown, Qt::Key_End,   Qt::Key_Space,
                                 Qt::Key_PageUp,   Qt::Key_Home,  Qt::Key_Left};
        for (int key : keys) {
            open = key != Qt::Key_Right; // the window open, or not
            const int before = shown.size();
            QTest::keyClick(view, Qt::Key(key));
            if (key == Qt::Key_Home)
                expected = 1;
            else if (key == Qt::Key_End)
                expected = steps;
            else if (key == Qt::Key_Left || key == Qt::Key_PageUp)
                expected = std::max(1, expected - 1);
            else
                expected = std::min(steps, expected + 1);
            QCOMPARE(view->step(), expected);
            if (open)
                QCOMPARE(shown.mid(before), QList<int>({expected}));
            else
                QCOMPARE(shown.size(), before);
        }
        QTest::keyClick(view, Qt::Key_R); // still the frame's: a new solution, from its first step
        QCOMPARE(view->step(), 1);
        view->close();
    }

    void answerAndStripSizes_data() {
        QTest::addColumn<double>("factor");
        QTest::newRow("1×") << 1.0;
        QTest::newRow("2×") << 2.0;
        QTest::newRow("3×") << 3.0;
    }
    /// On a 1920×1080 screen the answer is painted in the top right corner, whole, in the
    /// solution's colour, its text at least 1/25 of the height, times the projector factor as
    /// far as the width allows; it is the answer as the worked solution writes it (typeset,
    /// with a true minus sign); the step strip grows with the factor and keeps to the bottom two
    /// fifths.
    void answerAndStripSizes() {
        QFETCH(double, factor);
        display.setFactor(factor);
        display.setProjector(factor > 1);
        FullScreenBoard* view =
            lineThroughTwoPointsInFull({"Abcissa1=8", "Ordenada1=1", "Abcissa2=4", "Ordenada2=-2"});
        QVERIFY(view);
        QTest::keyClick(view, Qt::Key_R);
        const QSizeF screen(1920, 1080);
        const FullScreenBoard::Layout laid = view->layout(screen);
        QCOMPARE(laid.answers.size(), std::size_t(1));
        // 3x − 4y − 20 = 0 through (8 , 1) and (4 , −2): the test's own equation.
        QCOMPARE(laid.answers[0].value.text().remove(' ').replace(QChar(0x2212), '-'),
                 QString("3x-4y-20=0"));
        // The form writes it otherwise, with the other signs: its label stays beside it.
        QCOMPARE(laid.answers[0].formText, QString("-3x+4y+20=0"));
        const QColor red = form->board()->displayStyle().paint(Vermelho);
        double largest = 0;
        for (const auto& g : laid.answers[0].value.glyphs()) {
            QCOMPARE(g.colour, red);
            largest = std::max(largest, g.font.pixelSize() > 0 ? double(g.font.pixelSize())
                                                               : g.font.pointSizeF());
        }
        QVERIFY2(largest >= laid.answerSize * 0.99, qPrintable(QString::number(largest)));
        QVERIFY(laid.answerSize >= 1080.0 / 25);
        // Times the factor, unless the width stopped it.
        QVERIFY(laid.answerSize >= 1080.0 / 25 * factor * 0.999 ||
                laid.answers[0].value.width > screen.width() * 0.8);
        QVERIFY(QRectF(QPointF(0, 0), screen).contains(laid.answerPanel));
        QCOMPARE(laid.answerPanel.right(), screen.width());
        QCOMPARE(laid.answerPanel.top(), 0.0);
        QVERIFY(laid.answers[0].value.width <= laid.answerPanel.width());
        PaintLog full(screen.toSize()); // and it is painted
        {
            QPainter painter(&full);
            view->paintView(painter, screen);
        }
        QVERIFY(std::any_of(full.strokes.begin(), full.strokes.end(), [&](const auto& s) {
            return s.colour == red && laid.answerPanel.contains(s.bounds.center());
        }));
        QVERIFY(!laid.strip.isEmpty());
        QVERIFY(laid.strip.height() <= 1080 * 0.4 + 0.5);
        QCOMPARE(laid.strip.bottom(), 1080.0);
        QVERIFY(laid.stepSize >= 1080.0 / 45 - 1e-9);
        if (factor > 1) QVERIFY(laid.stepSize > 1080.0 / 45);
        QVERIFY(!laid.answerPanel.intersects(laid.strip));
        const QString picture = qEnvironmentVariable("ORTOPLANO_FULLSCREEN_SCREENSHOT");
        if (factor == 2 && !picture.isEmpty()) { // docs/quadro-passos.png
            QTest::keyClick(view, Qt::Key_Space);
            QImage image(1920, 1080, QImage::Format_RGB32);
            QPainter painter(&image);
            view->paintView(painter, screen);
            painter.end();
            QVERIFY(image.save(picture));
        }
        view->close();
    }

    void resultsGrowWithinTheirFrame_data() { addEveryTopic(); }
    /// In projector mode every result is larger, up to the factor, as far as
    /// its frame's room allows; nothing of the frame is cut. Off, results are
    /// as usual.
    void resultsGrowWithinTheirFrame() {
        QFETCH(int, topic);
        display.setProjector(true);
        form.reset(createTopicForm(Topic(topic)));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QPushButton* b : buttonsOf(form.get(), PressKind::Resolver))
            b->click();
        const int usual = form->font().pixelSize();
        int larger = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!isResult(w)) continue;
            QVERIFY(w->font().pixelSize() >= usual && w->font().pixelSize() <= 2 * usual);
            larger += w->font().pixelSize() > usual;
            QWidget* frame = w->parentWidget();
            for (QWidget* c : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (c->isVisibleTo(frame))
                    QVERIFY2(frame->contentsRect().contains(c->geometry()) &&
                                 c->height() >= c->minimumSizeHint().height(),
                             qPrintable(w->objectName() + " cuts " + c->objectName()));
            const QString text = w->property("text").toString();
            QVERIFY2(QFontMetrics(w->font()).horizontalAdvance(text) < w->width(),
                     qPrintable(text));
        }
        QVERIFY(larger > 0);
        display.setProjector(false);
        for (QWidget* w : form->findChildren<QWidget*>())
            if (isResult(w)) QCOMPARE(w->font(), form->font());
    }

    /// The board's menu offers the classroom display with its keys.
    void classroomEntries() {
        QStringList entries;
        for (QAction* a : form->boardMenu()->menu()->actions())
            if (!a->isSeparator())
                entries << a->text() +
                               (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString());
        QVERIFY2(entries.join('|').endsWith(
                     "Resolução passo a passo Ctrl+R|"
                     "Praticar Ctrl+E|Quadro em ecrã inteiro F11|Modo de projecção F8|"
                     "Ampliação na projecção|Nomes dos pontos Ctrl+Shift+N"),
                 qPrintable(entries.join('|')));
    }
};

QTEST_MAIN(TestClassroomForms)
#include "tst_classroomforms.moc"
