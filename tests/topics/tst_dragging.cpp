// Exploring by dragging: a data point of every frame, a line or a circle dragged
// with the mouse, a finger or the keyboard lands on the grid, and the whole
// answer follows as a fresh press with the same data gives it; across degenerate
// places it never opens a box; the form's history undoes drags and typing exactly.

#include "boarddrag.h"
#include "datahistory.h"
#include "evaluation.h"
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

using Kind = BoardDrag::Handle::Kind;

Kind kindNamed(const QString& name) {
    static const QMap<QString, Kind> kinds{{"line", Kind::Line},
                                           {"turn", Kind::Turn},
                                           {"centre", Kind::Centre},
                                           {"radius", Kind::Radius}};
    return kinds.value(name);
}

/// The multiple of a half nearest to `value`, exactly: where the usual
/// board's grid takes a value.
exact::Number half(double value) {
    return exact::Number(std::llround(2 * value)) / 2;
}
exact::Point halves(QPointF p) {
    return {half(p.x()), half(p.y())};
}
QPointF doubles(const exact::Point& p) {
    return {p.x.toDouble(), p.y.toDouble()};
}

exact::Line lineOf(const QString& text) {
    return exact::readLine(text.toStdString()).line;
}

/// The line through two points.
exact::Line through(const exact::Point& p, const exact::Point& q) {
    const exact::Number a = q.y - p.y;
    const exact::Number b = p.x - q.x;
    return {a, b, -(a * p.x + b * p.y)};
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

    /// The handle of the `index`-th data point.
    BoardDrag::Handle pointHandle(int index) const {
        std::vector<BoardDrag::Handle> points;
        std::ranges::copy_if(form->drag().handles(), std::back_inserter(points), [](const auto& h) {
            return h.kind == BoardDrag::Handle::Kind::Point;
        });
        return points.at(std::size_t(index));
    }

    /// The handle of that kind of the line or circle of the field `name`.
    std::optional<BoardDrag::Handle> equationHandle(const QString& name, Kind kind) const {
        for (const BoardDrag::Handle& h : form->drag().handles())
            if (h.field == name && h.kind == kind) return h;
        return std::nullopt;
    }

    /// Drags what is at the world point `start` along `path` (world points),
    /// comparing the form with a fresh press at every step.
    void drag(const exact::FrameId& problem, PressKind kind, QPointF start,
              const QList<QPointF>& path, bool byTouch, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint from = pixelOf(board(), start);
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

    /// The circle the field `name` reads as.
    exact::Circle circleIn(const QString& name) const {
        return exact::readCircle(field(name)->text().toStdString()).circle;
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
        const QPointF at = pointHandle(index).at;
        const auto onTop = std::find_if(handles.rbegin(), handles.rend(),
                                        [&](const auto& h) { return h.at == at; });
        const BoardDrag::Handle handle = *onTop;
        QCOMPARE(handle.kind, BoardDrag::Handle::Kind::Point);

        // 3.6 and −2.15 are within a quarter of a unit of 3.5 and −2.
        drag(id, PressKind::Resolver, at, {{3.6, -2.15}}, false);
        QCOMPARE(field(handle.xField)->text(), QStringLiteral("3.5"));
        QCOMPARE(field(handle.yField)->text(), QStringLiteral("-2"));
        const QMap<QString, QString> dragged = frameTexts(*form, id);

        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(frameTexts(*form, id), before);
        QVERIFY(std::ranges::equal(drawnList(board()), picture, samePrimitive));
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(frameTexts(*form, id), dragged);
    }

    /// A point, a line taken along itself or by its grip, a circle by its
    /// centre or its grip, dragged by mouse or by finger across the places where
    /// a frame has no answer, or a degenerate one, and back out: a point onto the
    /// circle, two points onto each other, three in line, a right angle; a line
    /// through P or through the centre, a line turned onto the other, a circle
    /// shrunk to a point, moved over P or onto the other circle. No box, no stale
    /// answer, and the press's message said at the foot of the board while it
    /// holds. A line moved (up, or sideways when steep) or turned, a circle moved
    /// or resized, in every writing a pupil types: the equation is rewritten in
    /// the form it was typed in, with the regional decimal comma, and undo brings
    /// back the typed text exactly.
    void dragged_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("handle"); ///< "point N", or a field and its handle's kind
        QTest::addColumn<QString>("from");   ///< empty: the handle's own place
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("byTouch");
        QTest::addColumn<QString>("written"); ///< the field's text after, if it is checked
        const auto row = [](const char* name, const char* problem, const QString& typed,
                            const char* handle, const char* from, const char* path, bool touch,
                            const char* written = "") {
            QTest::newRow(name) << problem << typed << handle << from << path << touch << written;
        };
        row("P onto and into a circle", "circunferencia2-2",
            "Text9=x^2+y^2=4;Abcissa4=4;Ordenada4=0", "point 0", "", "2 0.1;1 0;0 0;3 0", false);
        row("A onto B, bisector", "pontos-4", "Abcissa6=0;Ordenada6=0;Abcissa7=2;Ordenada7=1",
            "point 0", "", "2 1;1 1", false);
        row("A onto B, line through them", "recta1-2",
            "Abcissa1=0;Ordenada1=0;Abcissa2=2;Ordenada2=1", "point 0", "", "1.9 1.1;-1 -1", true);
        row("vertices in line, circumcentre", "triangulo-1a",
            "Abcissa1=0;Ordenada1=0;Abcissa2=1;Ordenada2=1;Abcissa3=2;Ordenada3=3", "point 2", "",
            "2 2;-2 -2;4 0", true);
        row("right angle, then not", "triangulo-3",
            "Abcissa9=0;Ordenada9=0;Abcissa10=4;Ordenada10=0;Abcissa11=1;Ordenada11=3", "point 2",
            "", "0 3;0 0;1 1", true);
        row("line moved through P, distance", "recta2-3", "Abcissa1=2;Ordenada1=4;Text5=y=0,5x+1",
            "Text5 line", "-4 -1", "-4 0.1;-4 1.1;-4 2.1", false);
        row("line turned through the centre, tangent circle", "circunferencia1-2",
            "Abcissa1=2;Ordenada1=0;Text3=y=x", "Text3 turn", "", "2.1 0.1;2 -2", false);
        row("line turned onto the other, angle", "recta2-4", "Text6=y=x;Text7=y=3x", "Text6 turn",
            "", "1.1 2.9;2.9 1.1", true);
        row("circle shrunk to a point and grown, distance to P", "circunferencia2-2",
            "Abcissa4=4;Ordenada4=0;Text9=x^2+y^2-2x-3=0", "Text9 radius", "",
            "2.1 0.1;1.1 0.1;0.9 0.1;2.1 0.1", false);
        row("circle moved onto and over P, tangents", "circunferencia3-2",
            "Abcissa4=4;Ordenada4=0;Text9=x^2+y^2=4", "Text9 centre", "", "2.1 0.1;3.1 0.1;0.1 0.1",
            true);
        row("circle moved onto the other, two circles", "circunferencia3-1",
            "Text6=x^2+y^2=4;Text7=(x-3)^2+y^2=4", "Text7 centre", "", "0.1 0.1;-5.1 0.1", false);
        const QString line = "Abcissa1=-8;Ordenada1=8;Text5=";
        const QString circle = "Abcissa4=-8;Ordenada4=8;Text9=";
        // Up 1,1 is two halves: the ordinate at the origin goes up by 1.
        row("reduced line moved up", "recta2-3", line + "y=0,5x+1", "Text5 line", "-4 -1", "-4 0.1",
            false, "y=0,5x+2");
        row("general line moved up", "recta2-3", line + "x - 2y + 6 = 0", "Text5 line", "-4 1",
            "-4 2.1", false, "x-2y+8=0");
        // A steep line moves sideways: y = 2(x − 1) − 1.
        row("steep line moved sideways", "recta2-3", line + "y=2x-1", "Text5 line", "2 3", "3.1 3",
            false, "y=2x-3");
        row("line with a number on the right moved", "recta2-3", line + "3x - 4y = 24",
            "Text5 line", "-4 -9", "-4 -7.9", false, "3x-4y=20");
        // About (0 , −6), where it crosses the y-axis, through (2 , −2).
        row("line with a number on the right turned", "recta2-3", line + "3x - 4y = 24",
            "Text5 turn", "", "2.1 -2.1", false, "2x-y=6");
        row("line x = k moved", "recta2-3", line + "x=2", "Text5 line", "2 -5", "3.6 -5", false,
            "x=3,5");
        // y = x turns about the origin, where it crosses both axes.
        row("general line turned", "recta2-3", line + "x-y=0", "Text5 turn", "", "1.1 2.9", false,
            "3x-y=0");
        row("reduced line turned upright", "recta2-3", line + "y=x", "Text5 turn", "", "-0.1 2.9",
            false, "x=0");
        row("reduced line turned to a third", "recta2-3", line + "y=x", "Text5 turn", "", "2.9 1.1",
            false, "y=1/3x");
        row("reduced circle moved", "circunferencia2-2", circle + "(x-1)^2+(y+2)^2=4",
            "Text9 centre", "", "2.4 -1.4", false, "(x-2,5)^2+(y+1,5)^2=4");
        // Centre (−1, 2), r² = 4: x² + y² + 2x − 4y + 1 = 0.
        row("expanded circle moved", "circunferencia2-2", circle + "x^2+y^2-2x-3=0", "Text9 centre",
            "", "-1.1 2.1", false, "x^2+y^2+2x-4y+1=0");
        // Through (3,5 , 1): r² = 2,5² + 1² = 7,25, and 1 − 7,25 = −6,25.
        row("expanded circle resized", "circunferencia2-2", circle + "x^2+y^2-2x-3=0",
            "Text9 radius", "", "3.4 1.1", false, "x^2+y^2-2x-6,25=0");
        row("circle resized to its centre", "circunferencia2-2", circle + "(x-1)^2+(y+2)^2=4",
            "Text9 radius", "", "1.1 -1.9", false, "(x-1)^2+(y+2)^2=0");
    }
    void dragged() {
        QFETCH(QString, problem);
        QFETCH(QString, typed);
        QFETCH(QString, handle);
        QFETCH(QString, from);
        QFETCH(QString, path);
        QFETCH(bool, byTouch);
        QFETCH(QString, written);
        const exact::FrameId id = *exact::FrameId::named(problem.toStdString());
        openAndPress(id, typed, PressKind::Resolver);
        const QString what = handle.section(' ', 0, 0), which = handle.section(' ', 1);
        const std::optional<BoardDrag::Handle> h =
            what == "point" ? pointHandle(which.toInt()) : equationHandle(what, kindNamed(which));
        QVERIFY(h);
        const QString before = what == "point" ? QString() : field(what)->text();
        drag(id, PressKind::Resolver, from.isEmpty() ? h->at : pointsOf(from).first(),
             pointsOf(path), byTouch);
        if (written.isEmpty()) return;
        QCOMPARE(field(what)->text(), written);
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field(what)->text(), before);
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(field(what)->text(), written);
    }

    /// A line's pivot is where it crosses an axis nearer the board's centre,
    /// marked with a ring, and stays while the line turns about it; its grip,
    /// a square, is on it; a circle's grip is on it, on its right.
    void gripsMarked() {
        const exact::FrameId lines = *exact::FrameId::named("recta2-3");
        openAndPress(lines, "Abcissa1=-8;Ordenada1=8;Text5=y=0,5x+1", PressKind::Resolver);
        QCOMPARE(board().pivots(), std::vector<QPointF>{QPointF(0, 1)});
        QCOMPARE(board().grips().size(), std::size_t(1));
        const QPointF grip = board().grips().front();
        QVERIFY(near(grip.y(), 0.5 * grip.x() + 1, 1e-12));
        QVERIFY(grip.x() > 0);
        // Turned to y = −1,5x + 1, it keeps its pivot, though (2/3 , 0) is nearer the centre.
        drag(lines, PressKind::Resolver, grip, {{2.1, -1.9}}, false);
        QCOMPARE(field("Text5")->text(), QStringLiteral("y=-1,5x+1"));
        QCOMPARE(board().pivots(), std::vector<QPointF>{QPointF(0, 1)});
        const exact::FrameId circles = *exact::FrameId::named("circunferencia2-2");
        openAndPress(circles, "Abcissa4=-8;Ordenada4=8;Text9=(x-1)^2+(y+2)^2=6,25",
                     PressKind::Resolver);
        QCOMPARE(board().grips(), std::vector<QPointF>{QPointF(3.5, -2)});
        QVERIFY(board().pivots().empty());
        const QPoint onLine = pixelOf(board(), {-6, -2});
        QTest::mouseMove(&board(), onLine);
        QCOMPARE(board().cursor().shape(), Qt::ArrowCursor); // no line on this frame
    }

    /// Tab selects a line as it selects a point; the arrows move it by a
    /// division, with Shift a tenth, and its grip turns it about its pivot
    /// through the grid point a division from where the grip was; each move
    /// is said, and undone one by one.
    void keyboardMovesEquations() {
        const exact::FrameId id = *exact::FrameId::named("recta2-3");
        openAndPress(id, "Abcissa1=-8;Ordenada1=8;Text5=y=0,5x+1", PressKind::Resolver);
        board().setFocus(Qt::TabFocusReason);
        QTest::keyClick(&board(), Qt::Key_Tab);
        QCOMPARE(form->drag().selected(), 0);
        QVERIFY2(board().accessibleDescription().contains("y=0,5x+1"),
                 qPrintable(board().accessibleDescription()));
        QTest::keyClick(&board(), Qt::Key_Up);
        QCOMPARE(field("Text5")->text(), QStringLiteral("y=0,5x+1,5"));
        // A tenth of a division to the right: y = 0,5(x − 0,05) + 1,5.
        QTest::keyClick(&board(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(field("Text5")->text(), QStringLiteral("y=0,5x+1,475"));
        followsFreshPress(id, PressKind::Resolver);
        QVERIFY2(board().accessibleDescription().contains("y=0,5x+1,475"),
                 qPrintable(board().accessibleDescription()));

        QTest::keyClick(&board(), Qt::Key_Tab);
        const BoardDrag::Handle grip = form->drag().handles().at(1);
        QCOMPARE(grip.kind, Kind::Turn);
        QCOMPARE(board().marker(), std::optional<QPointF>(grip.at));
        QTest::keyClick(&board(), Qt::Key_Up);
        const exact::Point pivot{0, exact::Number(59) / 40};
        const exact::Point q{half(grip.at.x()), half(grip.at.y()) + exact::Number(1) / 2};
        QVERIFY(exact::sameLine(lineOf(field("Text5")->text()), through(pivot, q)));
        QVERIFY(field("Text5")->text().startsWith("y="));
        followsFreshPress(id, PressKind::Resolver);

        for (const char* back : {"y=0,5x+1,475", "y=0,5x+1,5", "y=0,5x+1"}) {
            QTest::keyClick(&board(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(field("Text5")->text(), QString(back));
        }
    }

    /// A circle's centre and its grip are selected with Tab as the points
    /// are; the arrows move the centre by a division and the grip by a tenth
    /// of one with Shift, through the grid point it lands on.
    void keyboardMovesCircle() {
        const exact::FrameId id = *exact::FrameId::named("circunferencia2-2");
        openAndPress(id, "Abcissa4=-8;Ordenada4=8;Text9=(x-1)^2+(y+2)^2=4", PressKind::Resolver);
        board().setFocus(Qt::TabFocusReason);
        QTest::keyClick(&board(), Qt::Key_Tab);
        QVERIFY2(board().accessibleDescription().contains("(1 , -2)"),
                 qPrintable(board().accessibleDescription()));
        QTest::keyClick(&board(), Qt::Key_Right);
        QCOMPARE(field("Text9")->text(), QStringLiteral("(x-1,5)^2+(y+2)^2=4"));
        QTest::keyClick(&board(), Qt::Key_Tab);
        QCOMPARE(board().marker(), std::optional<QPointF>(QPointF(3.5, -2)));
        // Through (3,5 , −1,95): r² = 2² + 0,05².
        QTest::keyClick(&board(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(field("Text9")->text(), QStringLiteral("(x-1,5)^2+(y+2)^2=4,0025"));
        followsFreshPress(id, PressKind::Resolver);
        QTest::keyClick(&board(), Qt::Key_Tab);
        QCOMPARE(form->drag().selected(), 2); // P, after the circle
    }

    /// A drag after "Dados" presses "Dados" again; with Shift a point, or a
    /// circle's centre, moves freely, to the hundredth a pixel of the usual board
    /// comes to, off the grid's halves; the circle keeps its radius.
    void shiftMovesFreely() {
        const auto landedNear = [this](QPointF landed, QPointF target) {
            const double pixel = board().window().width() / Board::Side;
            QVERIFY(std::abs(landed.x() - target.x()) <= 2 * pixel);
            QVERIFY(std::abs(landed.y() - target.y()) <= 2 * pixel);
            QVERIFY(landed != doubles(halves(target)));
        };
        const exact::FrameId points = *exact::FrameId::named("pontos-2");
        openAndPress(points, "Abcissa2=1;Ordenada2=1", PressKind::Dados);
        drag(points, PressKind::Dados, pointHandle(0).at, {{3.63, -2.17}}, false,
             Qt::ShiftModifier);
        QVERIFY(!form->solution());
        for (const QString& name : {QStringLiteral("Abcissa2"), QStringLiteral("Ordenada2")})
            QVERIFY2(field(name)->text().section('.', 1).size() <= 2,
                     qPrintable(field(name)->text()));
        landedNear({field("Abcissa2")->text().toDouble(), field("Ordenada2")->text().toDouble()},
                   {3.63, -2.17});

        const exact::FrameId circles = *exact::FrameId::named("circunferencia2-2");
        openAndPress(circles, "Abcissa4=-8;Ordenada4=8;Text9=(x-1)^2+(y+2)^2=4", PressKind::Dados);
        drag(circles, PressKind::Dados, {1, -2}, {{2.43, -1.37}}, false, Qt::ShiftModifier);
        const exact::Circle c = circleIn("Text9");
        QCOMPARE(c.radiusSquared(), exact::Number(4));
        QVERIFY2((c.centre.x * 100).isInteger() && (c.centre.y * 100).isInteger(),
                 qPrintable(field("Text9")->text()));
        landedNear(doubles(c.centre), {2.43, -1.37});
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
