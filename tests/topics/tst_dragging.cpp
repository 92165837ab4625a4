// Exploring by dragging: a data point of every frame dragged with the mouse,
// a finger or the keyboard lands on the grid, and the whole answer follows
// as a fresh press with the same data gives it; across degenerate places it
// never opens a box; the form's history undoes drags and typing exactly.

#include "boarddrag.h"
#include "datahistory.h"
#include "frame.h"
#include "fullscreenboard.h"
#include "sentences.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {

/// "Field=text;Field=text" as pairs.
std::vector<std::pair<std::string, std::string>> textsOf(const QString& typed) {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const QString& item : typed.split(';', Qt::SkipEmptyParts))
        texts.emplace_back(item.section('=', 0, 0).toStdString(),
                           item.section('=', 1).toStdString());
    return texts;
}

/// "x y;x y" as world points.
QList<QPointF> pointsOf(const QString& path) {
    QList<QPointF> points;
    for (const QString& item : path.split(';', Qt::SkipEmptyParts)) {
        const QStringList xy = item.split(' ', Qt::SkipEmptyParts);
        points << QPointF(xy[0].toDouble(), xy[1].toDouble());
    }
    return points;
}

/// A form of the problem's topic with the problem's option marked and
/// `typed` typed.
std::unique_ptr<ProblemForm> formOf(const exact::FrameId& problem, const QString& typed) {
    std::unique_ptr<ProblemForm> form(createTopicForm(problem.topic()));
    form->enter(problem, textsOf(typed));
    return form;
}

QPushButton* buttonOf(ProblemForm& form, const exact::FrameId& problem, PressKind kind) {
    QPushButton* button = frameButton(form.frameOf(problem.frame()), kind);
    return button ? button : frameButton(form.frameOf(problem.frame()), PressKind::Resolver);
}

/// The texts of a frame's data fields and results, by name.
QMap<QString, QString> frameTexts(const ProblemForm& form, const exact::FrameId& problem) {
    QMap<QString, QString> texts;
    for (const QLineEdit* field : form.frameOf(problem.frame())->findChildren<QLineEdit*>())
        texts.insert(field->objectName(), field->text());
    for (const QLabel* label : form.frameOf(problem.frame())->findChildren<QLabel*>())
        if (isResult(label)) texts.insert(label->objectName(), label->text());
    return texts;
}

QString solutionText(const ProblemForm& form) {
    const exact::Solution* s = form.solution();
    return s ? QString::fromStdString(exact::plainText(*s, ",")) : QStringLiteral("(none)");
}

/// The pixel of a world point on the board, as a pointer reaches it.
QPoint pixelOf(const Board& board, QPointF world) {
    return board.toPixel(world).toPoint();
}

} // namespace

class TestDragging : public QObject {
    Q_OBJECT
    MessageRecorder messages;
    std::unique_ptr<ProblemForm> form;
    // Registered with the window system until the test deletes it.
    const std::unique_ptr<QPointingDevice> finger{QTest::createTouchDevice()};

    Board& board() const { return *form->board(); }
    QLineEdit* field(const QString& name) const { return form->findChild<QLineEdit*>(name); }

    /// Opens the form active on the screen, as a pupil has it, and presses.
    void openAndPress(const exact::FrameId& problem, const QString& typed, PressKind kind) {
        form = formOf(problem, typed);
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        buttonOf(*form, problem, kind)->click();
        messages.clear();
    }

    /// The dragged form shows what a press of the same data shows on a fresh
    /// form of its own: the same picture, results and worked solution; what
    /// the fresh press says in boxes is said at the foot of the dragged board.
    void followsFreshPress(const exact::FrameId& problem, PressKind kind) {
        QVERIFY2(messages.messages.empty(), qPrintable(messages.texts().join('|')));
        QString typed;
        const QMap<QString, QString> now = frameTexts(*form, problem);
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            if (!isResult(form->findChild<QWidget*>(it.key())))
                typed += it.key() + '=' + it.value() + ';';
        const std::unique_ptr<ProblemForm> fresh = formOf(problem, typed);
        // Pressed twice: a board keeps its pen and font from one press to
        // the next, as a pupil's board does from the press before the drag.
        buttonOf(*fresh, problem, kind)->click();
        messages.clear();
        buttonOf(*fresh, problem, kind)->click();
        QVERIFY(samePicture(board(), *fresh->board()));
        QCOMPARE(frameTexts(*form, problem), frameTexts(*fresh, problem));
        QCOMPARE(solutionText(*form), solutionText(*fresh));
        QCOMPARE(board().note().isEmpty(), messages.messages.empty());
        for (const QString& said : messages.texts())
            QVERIFY2(board().note().contains(said.section('\n', -1)), qPrintable(said));
        messages.clear();
    }

    /// Drags the point `index` along `path` (world points), comparing the form
    /// with a fresh press at every step.
    void drag(const exact::FrameId& problem, PressKind kind, int index, const QList<QPointF>& path,
              bool byTouch, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint from = pixelOf(board(), form->drag().handles().at(std::size_t(index)).at);
        if (byTouch)
            QTest::touchEvent(&board(), finger.get()).press(0, from);
        else
            QTest::mousePress(&board(), Qt::LeftButton, modifiers, from);
        QVERIFY(form->drag().dragging());
        for (QPointF target : path) {
            if (byTouch)
                QTest::touchEvent(&board(), finger.get()).move(0, pixelOf(board(), target));
            else
                QTest::mouseEvent(QTest::MouseMove, &board(), Qt::NoButton, modifiers,
                                  pixelOf(board(), target));
            form->repaint(); // painted as it moves, the note too
            followsFreshPress(problem, kind);
        }
        const QPoint to = pixelOf(board(), path.last());
        if (byTouch)
            QTest::touchEvent(&board(), finger.get()).release(0, to);
        else
            QTest::mouseRelease(&board(), Qt::LeftButton, modifiers, to);
        QVERIFY(!form->drag().dragging());
        QVERIFY2(messages.messages.empty(), "letting go is not an error");
    }

private slots:
    void init() {
        useDecimalComma(true);
        messages.clear();
    }
    void cleanup() { form.reset(); }

    /// Every point of every problem (the one on top of those in one place),
    /// dragged a little way off the grid,
    /// lands on the nearest half (the usual board's division): its fields
    /// say so, the answer is a fresh press's, and undo brings back the data
    /// and the picture exactly, redo the drag.
    void everyPointDragged_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<int>("index");
        for (const exact::FrameId& problem : exact::allFrames()) {
            int points = 0;
            for (const exact::FrameField& f : problem.fields())
                points += f.role == exact::Role::Point;
            for (int i = 0; i < points; ++i)
                QTest::addRow("%s point %d", problem.name().data(), i + 1)
                    << QString::fromUtf8(problem.name().data(), qsizetype(problem.name().size()))
                    << i;
        }
    }
    void everyPointDragged() {
        QFETCH(QString, problem);
        QFETCH(int, index);
        const exact::FrameId id = *exact::FrameId::named(problem.toStdString());
        openAndPress(id, {}, PressKind::Resolver);
        const QMap<QString, QString> before = frameTexts(*form, id);
        const DisplayList picture = drawnList(board());
        // Of points in one place, the one drawn last, on top, is taken.
        const std::vector<BoardDrag::Handle> handles = form->drag().handles();
        const auto onTop = std::find_if(handles.rbegin(), handles.rend(), [&](const auto& h) {
            return h.at == handles.at(std::size_t(index)).at;
        });
        const BoardDrag::Handle handle = *onTop;

        // 3.6 and −2.15 are within a quarter of a unit of 3.5 and −2.
        drag(id, PressKind::Resolver, index, {{3.6, -2.15}}, false);
        QCOMPARE(field(handle.xField)->text(), QStringLiteral("3.5"));
        QCOMPARE(field(handle.yField)->text(), QStringLiteral("-2"));
        const QMap<QString, QString> dragged = frameTexts(*form, id);

        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(frameTexts(*form, id), before);
        QVERIFY(std::ranges::equal(drawnList(board()), picture, samePrimitive));
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(frameTexts(*form, id), dragged);
    }

    /// Across the places where a frame has no answer (a point onto the
    /// circle, two points onto each other, three in line) and back out, by
    /// mouse and by finger: no box, no stale answer, and the press's message
    /// said at the foot of the board while it holds.
    void degeneratePlaces_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("byTouch");
        const QString circle = "Text9=x^2+y^2=4;Abcissa4=4;Ordenada4=0";
        QTest::newRow("P onto and into a circle")
            << "circunferencia2-2" << circle << 0 << "2 0.1;1 0;0 0;3 0" << false;
        QTest::newRow("P onto and into a circle, tangents")
            << "circunferencia3-2" << circle << 0 << "2 0.1;0.5 0.5;4 1" << true;
        QTest::newRow("P into the circle of the form's own equation, tangents")
            << "circunferencia3-2"
            << "Abcissa4=-1;Ordenada4=0;Text9=x^2+y^2-2x-1=0" << 0
            << "-0.5 0.1;0 0.1;0.5 0.1;3.5 1.1" << false;
        QTest::newRow("A onto B, bisector")
            << "pontos-4"
            << "Abcissa6=0;Ordenada6=0;Abcissa7=2;Ordenada7=1" << 0 << "2 1;1 1" << false;
        QTest::newRow("A onto B, line through them")
            << "recta1-2"
            << "Abcissa1=0;Ordenada1=0;Abcissa2=2;Ordenada2=1" << 0 << "1.9 1.1;-1 -1" << true;
        QTest::newRow("three points in line")
            << "recta3-1"
            << "Abcissa1=0;Ordenada1=0;Abcissa2=1;Ordenada2=1;Abcissa3=2;Ordenada3=3" << 2
            << "2 2;2 2.5;3 3" << false;
        QTest::newRow("vertices in line, circumcentre")
            << "triangulo-1a"
            << "Abcissa1=0;Ordenada1=0;Abcissa2=1;Ordenada2=1;Abcissa3=2;Ordenada3=3" << 2
            << "2 2;-2 -2;4 0" << true;
        QTest::newRow("three points in line, circle through them")
            << "circunferencia2-4"
            << "Abcissa9=0;Ordenada9=0;Abcissa10=1;Ordenada10=1;Abcissa11=2;Ordenada11=3" << 1
            << "1 1.5;0 0;-1 2" << false;
        QTest::newRow("right angle, then not")
            << "triangulo-3"
            << "Abcissa9=0;Ordenada9=0;Abcissa10=4;Ordenada10=0;Abcissa11=1;Ordenada11=3" << 2
            << "0 3;0 0;1 1" << true;
    }
    void degeneratePlaces() {
        QFETCH(QString, problem);
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, path);
        QFETCH(bool, byTouch);
        const exact::FrameId id = *exact::FrameId::named(problem.toStdString());
        openAndPress(id, typed, PressKind::Resolver);
        drag(id, PressKind::Resolver, index, pointsOf(path), byTouch);
    }

    /// A drag after "Dados" presses "Dados" again; with Shift the point moves
    /// freely, to the hundredth a pixel of the usual board comes to.
    void dataPressAndFreeDrag() {
        const exact::FrameId id = *exact::FrameId::named("pontos-2");
        openAndPress(id, "Abcissa2=1;Ordenada2=1", PressKind::Dados);
        drag(id, PressKind::Dados, 0, {{3.63, -2.17}}, false, Qt::ShiftModifier);
        QVERIFY(!form->solution());
        for (const QString& name : {QStringLiteral("Abcissa2"), QStringLiteral("Ordenada2")}) {
            const QString text = field(name)->text();
            QVERIFY2(text.section('.', 1).size() <= 2, qPrintable(text)); // hundredths at most
        }
        const QPointF landed(field("Abcissa2")->text().toDouble(),
                             field("Ordenada2")->text().toDouble());
        const double pixel = board().window().width() / Board::Side;
        QVERIFY(std::abs(landed.x() - 3.63) <= 2 * pixel);
        QVERIFY(std::abs(landed.y() + 2.17) <= 2 * pixel);
        QVERIFY(landed != QPointF(3.5, -2)); // not on the grid's half
    }

    /// On the full-screen board a point is dragged as on the form's board,
    /// through the square the board is painted on.
    void fullScreenDrag() {
        const exact::FrameId id = *exact::FrameId::named("pontos-2");
        openAndPress(id, "Abcissa2=1;Ordenada2=1", PressKind::Resolver);
        form->showFullScreenBoard();
        QWidget* view = form->fullScreenBoard();
        QVERIFY(view && QTest::qWaitForWindowExposed(view));
        const QRectF area = FullScreenBoard::boardArea(view->size());
        const auto onView = [&](QPointF world) {
            return (area.topLeft() + board().toPixel(world) * (area.width() / Board::Side))
                .toPoint();
        };
        QTest::mousePress(view, Qt::LeftButton, {}, onView({1, 1}));
        QVERIFY(form->drag().dragging());
        QTest::mouseMove(view, onView({-4.1, 2.9}));
        QTest::mouseRelease(view, Qt::LeftButton, {}, onView({-4.1, 2.9}));
        QCOMPARE(field("Abcissa2")->text(), QStringLiteral("-4"));
        QCOMPARE(field("Ordenada2")->text(), QStringLiteral("3"));
        followsFreshPress(id, PressKind::Resolver);
    }

    /// The cursor shows what can be grabbed: an open hand over a data point
    /// once the board shows them, a closed one while dragging.
    void cursorShowsWhatCanBeGrabbed() {
        const exact::FrameId id = *exact::FrameId::named("pontos-3");
        openAndPress(id, "Abcissa4=1;Ordenada4=1", PressKind::Resolver);
        const QPoint onA = pixelOf(board(), {1, 1});
        QTest::mouseMove(&board(), onA + QPoint(3, 0));
        QCOMPARE(board().cursor().shape(), Qt::OpenHandCursor);
        QTest::mouseMove(&board(), onA + QPoint(40, 0));
        QCOMPARE(board().cursor().shape(), Qt::ArrowCursor);
        QTest::mousePress(&board(), Qt::LeftButton, {}, onA);
        QCOMPARE(board().cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseRelease(&board(), Qt::LeftButton, {}, onA);
    }

    /// Tab into the board, Tab from point to point, the arrows move the one
    /// selected by a division (Shift: a tenth) and it is said with its new
    /// coordinates; Tab past the last point leaves the board; the moves are
    /// undone one by one.
    void keyboardRoute() {
        const exact::FrameId id = *exact::FrameId::named("pontos-2");
        openAndPress(id, "Abcissa2=1;Ordenada2=1;Abcissa3=-3;Ordenada3=2", PressKind::Resolver);
        QWidget* before = board().previousInFocusChain();
        while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible())
            before = before->previousInFocusChain();
        before->setFocus(Qt::TabFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &board());
        QCOMPARE(form->drag().selected(), -1);
        QTest::keyClick(&board(), Qt::Key_Tab);
        QTest::keyClick(&board(), Qt::Key_Tab);
        QCOMPARE(form->drag().selected(), 1);
        QCOMPARE(board().marker(), std::optional<QPointF>(QPointF(-3, 2)));

        QTest::keyClick(&board(), Qt::Key_Right);
        QTest::keyClick(&board(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(field("Abcissa3")->text(), QStringLiteral("-2.5"));
        QCOMPARE(field("Ordenada3")->text(), QStringLiteral("2.05"));
        followsFreshPress(id, PressKind::Resolver);
        QCOMPARE(board().marker(), std::optional<QPointF>(QPointF(-2.5, 2.05)));
        QVERIFY2(board().accessibleDescription().contains("B"),
                 qPrintable(board().accessibleDescription()));
        QVERIFY2(board().accessibleDescription().contains("(-2,5 , 2,05)"),
                 qPrintable(board().accessibleDescription()));

        QTest::keyClick(&board(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != &board());
        QCOMPARE(board().marker(), std::nullopt);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field("Ordenada3")->text(), QStringLiteral("2"));
        QCOMPARE(field("Abcissa3")->text(), QStringLiteral("-2.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field("Abcissa3")->text(), QStringLiteral("-3"));
    }

    /// Ctrl+Z in a text field undoes the form's data, the typing of each
    /// field one change, in reverse order; the other form's data stay.
    void typingUndonePerForm() {
        const exact::FrameId id = *exact::FrameId::named("pontos-3");
        openAndPress(id, "Abcissa4=1;Ordenada4=1", PressKind::Resolver);
        const std::unique_ptr<ProblemForm> other = formOf(id, "Abcissa4=7");
        field("Abcissa4")->setFocus();
        field("Abcissa4")->selectAll();
        QTest::keyClicks(field("Abcissa4"), "12");
        field("Ordenada4")->setFocus();
        field("Ordenada4")->selectAll();
        QTest::keyClicks(field("Ordenada4"), "-5");
        QTest::keyClick(field("Ordenada4"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field("Ordenada4")->text(), QStringLiteral("1"));
        QCOMPARE(field("Abcissa4")->text(), QStringLiteral("12"));
        QTest::keyClick(field("Ordenada4"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field("Abcissa4")->text(), QStringLiteral("1"));
        QTest::keyClick(field("Ordenada4"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(field("Abcissa4")->text(), QStringLiteral("12"));
        QCOMPARE(other->findChild<QLineEdit*>("Abcissa4")->text(), QStringLiteral("7"));
        QCOMPARE(other->history().stack().count(), 0);
    }
};

QTEST_MAIN(TestDragging)
#include "tst_dragging.moc"
