// The window "Resolução" beside real Points forms: what it shows, how it
// follows presses and activations, its keys, zoom and remembered place, what
// it copies, what the board draws wider, what screen readers meet, and the
// three ways it opens.

#include "boardmenu.h"
#include "mainwindow.h"
#include "pointsform.h"
#include "sentences.h"
#include "shell.h"
#include "solutionview.h"
#include "solutionwindow.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

/// The index of the last step of a solution that speaks of some figure.
int lastStepWithFigures(const exact::Solution& s) {
    for (int i = int(s.steps.size()); i-- > 0;)
        if (!s.steps[std::size_t(i)].figures.empty()) return i;
    return -1;
}

/// Whether a band drawn beneath the board lies on a figure.
bool bandOn(const Primitive& band, const exact::Figure& f) {
    using K = exact::Figure::Kind;
    switch (f.kind) {
    case K::Point:
        return band.kind == Primitive::Kind::Dot && nearPoint(band.p1, {f.x1, f.y1});
    case K::Segment:
        return band.kind == Primitive::Kind::Line && nearPoint(band.p1, {f.x1, f.y1}) &&
               nearPoint(band.p2, {f.x2, f.y2});
    case K::Line: {
        const auto on = [&](QPointF p) {
            return std::abs(f.x1 * p.x() + f.y1 * p.y() + f.x2) < 1e-6;
        };
        return band.kind == Primitive::Kind::Line && on(band.p1) && on(band.p2);
    }
    case K::Circle:
        return band.kind == Primitive::Kind::Circle && nearPoint(band.p1, {f.x1, f.y1}) &&
               near(band.radius, f.x2);
    }
    return false;
}

std::vector<Primitive> bands(const Board& board) {
    std::vector<Primitive> found;
    for (const Primitive& p : board.highlight())
        if (p.kind != Primitive::Kind::Window) found.push_back(p);
    return found;
}

} // namespace

class TestSolutionWindow : public QObject {
    Q_OBJECT
    MessageRecorder messages;
    std::unique_ptr<PointsForm> form;
    std::unique_ptr<SolutionWindow> window;

    void press(const char* button, PointsForm* on = nullptr) {
        QTest::mouseClick((on ? on : form.get())->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    SolutionView& view() const { return *window->view(); }
    bool activate(QWidget* w) {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }
    QString label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
    bool enabled(const char* name) const {
        return window->findChild<QPushButton*>(name)->isEnabled();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // never the user's own settings
        QCoreApplication::setOrganizationName("Ortoplano");
        QCoreApplication::setApplicationName("Ortoplano");
        QSettings().clear();
        useDecimalComma(true);
    }

    void init() {
        form = std::make_unique<PointsForm>();
        QVERIFY(activate(form.get()));
        window = std::make_unique<SolutionWindow>();
        window->follow(form.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup() {
        window.reset();
        form.reset();
        QSettings().clear();
        QVERIFY(messages.messages.empty());
    }

    void followsEveryPress_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("data"); // the "Dados" button of the frame, if it has one
        QTest::addColumn<QString>("title");
        QTest::newRow("point") << "Resolver1"
                               << ""
                               << "Representação do ponto P(2 , 3)";
        QTest::newRow("bisector") << "Resolver7"
                                  << "Dados7"
                                  << "Mediatriz de [AB], A(−2 , −4), B(5 , 4)";
    }
    /// Each "Resolver" brings its solution; "Dados" leaves none to show. A hidden window
    /// does no work on a press; shown again, it catches up.
    void followsEveryPress() {
        QFETCH(QString, button);
        QFETCH(QString, data);
        QFETCH(QString, title);
        QCOMPARE(view().titleText(), SolutionWindow::emptyMessage());
        window->hide();
        press(qPrintable(button));
        QVERIFY(!view().solution());
        window->show();
        const exact::Solution* solution = form->solution();
        QVERIFY(solution);
        QCOMPARE(view().titleText(), title);
        QCOMPARE(view().stepCount(), int(solution->steps.size()));
        QCOMPARE(view().stepText(view().stepCount() - 1),
                 text(exact::stepText(solution->steps.back(), ",")));
        QCOMPARE(window->shown(), view().stepCount()); // the whole solution, until one steps
        if (data.isEmpty()) return;
        press(qPrintable(data));
        QCOMPARE(view().titleText(), SolutionWindow::emptyMessage());
        QCOMPARE(view().stepCount(), 0);
        press(qPrintable(button));
        QCOMPARE(view().titleText(), title);
    }

    /// It follows the form activated last. Going to the window and back is not
    /// leaving the form: its drawing, and the solution, stay.
    void followsTheActivatedForm() {
        auto other = std::make_unique<PointsForm>();
        QVERIFY(activate(other.get()));
        QCOMPARE(window->followed(), other.get());
        QCOMPARE(view().stepCount(), 0);
        press("Resolver3", other.get());
        QCOMPARE(view().titleText(), "Ponto médio de [AB], A(2 , −2), B(−8 , 4)");
        QVERIFY(activate(window.get()));
        QVERIFY(activate(other.get()));
        QVERIFY(hasDot(*other->board(), {-3, 1}, Vermelho));
        QCOMPARE(view().titleText(), "Ponto médio de [AB], A(2 , −2), B(−8 , 4)");
        QVERIFY(activate(form.get()));
        QCOMPARE(window->followed(), form.get());
        other.reset();
        QCOMPARE(window->followed(), form.get());
        press("Resolver6");
        QCOMPARE(view().stepCount(), int(form->solution()->steps.size()));
        form.reset(); // closed: nothing to show
        QCOMPARE(window->followed(), nullptr);
        QCOMPARE(view().titleText(), SolutionWindow::emptyMessage());
    }

    void keysRevealSteps_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("shown"); // 0: every step
        using K = QList<int>;
        QTest::newRow("Space") << K{Qt::Key_Space} << 2;
        QTest::newRow("Right Left") << K{Qt::Key_Right, Qt::Key_Left} << 1;
        QTest::newRow("Page Down twice, Page Up")
            << K{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp} << 2;
        QTest::newRow("End") << K{Qt::Key_End} << 0;
        QTest::newRow("Left, at the first") << K{Qt::Key_Left} << 1;
        QTest::newRow("End Right: no further") << K{Qt::Key_End, Qt::Key_Right} << 0;
        QTest::newRow("End Left") << K{Qt::Key_End, Qt::Key_Left} << -1;
    }
    /// From the first step, the keys show the steps one at a time; the
    /// buttons and the counter say where the pupil is.
    void keysRevealSteps() {
        QFETCH(QList<int>, keys);
        QFETCH(int, shown);
        press("Resolver6");
        const int steps = view().stepCount();
        const int expected = shown > 0 ? shown : steps + shown;
        QVERIFY(activate(window.get()));
        QTest::keyClick(&view(), Qt::Key_Home);
        QCOMPARE(window->shown(), 1);
        for (int key : keys)
            QTest::keyClick(&view(), Qt::Key(key));
        QCOMPARE(window->shown(), expected);
        QCOMPARE(view().shown(), expected);
        QCOMPARE(label("Contador"), QString("Passo %1 de %2").arg(expected).arg(steps));
        QCOMPARE(enabled("Anterior"), expected > 1);
        QCOMPARE(enabled("Seguinte"), expected < steps);
        QVERIFY(view().height() >= view().stepRect(expected - 1).bottom());
        if (expected < steps) QVERIFY(view().height() < view().stepRect(expected).bottom());
    }

    /// With every step shown and the page at its top, "Passo N de M" names a step in view:
    /// step N can be seen, the one after it cannot.
    void counterNamesTheStepInView() {
        window->resize(520, 360);
        QVERIFY(activate(window.get()));
        press("Resolver6");
        QTest::keyClick(&view(), Qt::Key_End);
        const int steps = view().stepCount();
        auto* scroll = window->findChild<QScrollArea*>("Pagina");
        scroll->verticalScrollBar()->setValue(0);
        const QRegularExpressionMatch m =
            QRegularExpression("^Passo (\\d+) de (\\d+)$").match(label("Contador"));
        QVERIFY2(m.hasMatch(), qPrintable(label("Contador")));
        QCOMPARE(m.captured(2).toInt(), steps);
        const int n = m.captured(1).toInt();
        const QRect seen(QPoint(0, 0), scroll->viewport()->size());
        QVERIFY(n >= 1 && n < steps);
        QVERIFY(view().stepRect(n - 1).intersects(seen));
        QVERIFY(!view().stepRect(n).intersects(seen));
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        QCOMPARE(label("Contador"), QString("Passo %1 de %1").arg(steps));
    }

    /// In projector mode the counter is larger, on a row of its own, whole; a
    /// narrow window widens to half the screen for the larger text.
    void counterOnAProjector() {
        press("Resolver6");
        auto* counter = window->findChild<QLabel*>("Contador");
        auto* next = window->findChild<QPushButton*>("Seguinte");
        QCOMPARE(counter->y(), next->y()); // beside the buttons
        window->resize(200, 500);
        window->setDisplayScale(3);
        QTest::qWait(20);
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(window->width() >= screen.width() / 2);
        QVERIFY(window->frameGeometry().right() <= screen.right() + 1);
        QVERIFY(counter->font().pointSizeF() >= 2.9 * QApplication::font().pointSizeF());
        QVERIFY(counter->geometry().bottom() < next->geometry().top()); // above them
        QVERIFY(counter->width() >= counter->sizeHint().width());
        window->setDisplayScale(1);
        QTest::qWait(20);
        QCOMPARE(counter->y(), next->y());
    }

    /// The buttons do what the keys do; after "Tudo" a new press comes whole,
    /// after stepping back it comes one step at a time.
    void buttonsAndTheNextPress() {
        press("Resolver7");
        const int steps = view().stepCount();
        QTest::mouseClick(window->findChild<QPushButton*>("Anterior"), Qt::LeftButton);
        QCOMPARE(window->shown(), steps - 1);
        press("Resolver6");
        QCOMPARE(window->shown(), 1);
        QTest::mouseClick(window->findChild<QPushButton*>("Seguinte"), Qt::LeftButton);
        QCOMPARE(window->shown(), 2);
        QTest::mouseClick(window->findChild<QPushButton*>("Tudo"), Qt::LeftButton);
        QCOMPARE(window->shown(), view().stepCount());
        press("Resolver3");
        QCOMPARE(window->shown(), view().stepCount());
    }

    /// Ctrl++ and Ctrl+− step the size of the text, within bounds; Ctrl+0 goes back.
    void zoomKeys() {
        press("Resolver6");
        QVERIFY(activate(window.get()));
        const double base = view().typesetStyle().size;
        const int height = view().height();
        QTest::keyClick(&view(), Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(&view(), Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(window->zoom() > 1.0);
        QCOMPARE(view().typesetStyle().size, base * window->zoom());
        QVERIFY(view().height() > height);
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(&view(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(window->zoom(), SolutionWindow::zoomSteps().front());
        QVERIFY(view().height() < height);
        QTest::keyClick(&view(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window->zoom(), 1.0);
        window->setDisplayScale(2.0); // as a projector would ask
        QCOMPARE(view().typesetStyle().size, 2 * base);
    }

    /// Its place, size and zoom come back in the next window, as the next run would see them.
    void remembersPlaceSizeAndZoom() {
        window->setZoom(1.5);
        window->setGeometry(130, 90, 520, 610);
        const QRect placed = window->geometry();
        window->close();
        window = std::make_unique<SolutionWindow>();
        QCOMPARE(window->zoom(), 1.5);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->geometry(), placed);
        QCOMPARE(view().typesetStyle().size, SolutionWindow::BaseSize * 1.5);
    }

    void copiesTheWholeSolution_data() {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QString>("last");
        QTest::newRow("decimal comma") << true << "d(A, B) = 2√58 ≈ 15,23";
        QTest::newRow("decimal point") << false << "d(A, B) = 2√58 ≈ 15.23";
    }
    /// Ctrl+C: the title and one numbered step a line, in linear notation,
    /// with the regional separator; and a picture of the whole solution.
    void copiesTheWholeSolution() {
        QFETCH(bool, comma);
        QFETCH(QString, last);
        useDecimalComma(comma);
        window->hide();
        window->show(); // a window shown again takes up the regional setting
        press("Resolver6");
        window->first(); // copied whole, whatever is shown
        QGuiApplication::clipboard()->clear();
        QVERIFY(activate(window.get()));
        QTest::keyClick(&view(), Qt::Key_C, Qt::ControlModifier);
        useDecimalComma(true);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        const QStringList lines = copied->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), int(form->solution()->steps.size()) + 1);
        QCOMPARE(lines.front(), "Distância entre dois pontos, A(−8 , −2), B(6 , 4)");
        QVERIFY(lines[2].startsWith("2. Substituímos"));
        QVERIFY(lines[2].endsWith("d(A, B) = √((6 − (−8))² + (4 − (−2))²)"));
        QVERIFY2(lines.back().startsWith("5. ") && lines.back().endsWith(last),
                 qPrintable(lines.back()));
        const QImage picture = qvariant_cast<QImage>(copied->imageData());
        QVERIFY(picture.width() >= 2 * 600 && picture.height() > picture.width() / 2);
        QVERIFY(picture.pixelColor(0, 0) == Qt::white);
    }

    /// While a step is the last one shown, the board draws its figures wider,
    /// beneath a drawing that stays as it was; a step without figures draws
    /// none; a closed window leaves the board as a press draws it.
    void boardShowsTheLastStepsFigures() {
        press("Resolver7");
        const exact::Solution& s = *form->solution();
        const DisplayList drawing = form->board()->displayList();
        for (int step = 0; step < int(s.steps.size()); ++step) {
            window->first();
            for (int i = 0; i < step; ++i)
                window->next();
            const auto& figures = s.steps[std::size_t(step)].figures;
            const std::vector<Primitive> drawn = bands(*form->board());
            QCOMPARE(drawn.size(), figures.size());
            for (std::size_t i = 0; i < figures.size(); ++i)
                QVERIFY2(bandOn(drawn[i], figures[i]),
                         qPrintable(QString("step %1").arg(step + 1)));
            QCOMPARE(form->board()->displayList().size(), drawing.size());
        }
        // On the picture: 3 pixels beside segment AB, within the band, while step 1 is shown.
        window->first();
        QVERIFY(!s.steps[0].figures.empty());
        const QImage board = form->board()->grab().toImage();
        const QPointF across = QPointF(8, 7) / std::hypot(8.0, 7.0); // AB runs 7 right, 8 up
        const QPointF beside = form->board()->toPixel({3.25, 2}) + 3 * across;
        QCOMPARE(board.pixelColor(beside.toPoint()), Board::highlightColour());
        window->close();
        QVERIFY(form->board()->highlight().empty());
        press("Resolver6");
        QVERIFY(form->board()->highlight().empty());
        QCOMPARE(form->board()->grab().toImage().pixelColor(beside.toPoint()), QColor(Qt::white));
        window->show();
        QCOMPARE(bands(*form->board()).size(),
                 form->solution()->steps[std::size_t(window->shown() - 1)].figures.size());
        QVERIFY(lastStepWithFigures(*form->solution()) >= 0);
    }

    /// Screen readers meet a list named by the title, one item per step, each
    /// named by the step's plain text and saying whether it is shown yet; the
    /// final value ends the last item's name.
    void stepsAreListItems() {
        press("Resolver6");
        window->first();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), view().titleText());
        const exact::Solution& s = *form->solution();
        QCOMPARE(list->childCount(), int(s.steps.size()));
        for (int i = 0; i < list->childCount(); ++i) {
            QAccessibleInterface* item = list->child(i);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name),
                     text(exact::stepText(s.steps[std::size_t(i)], ",")));
            QCOMPARE(item->state().invisible, i > 0);
            QCOMPARE(item->text(QAccessible::Description).contains("ainda não mostrado"), i > 0);
            QCOMPARE(list->indexOfChild(item), i);
            QCOMPARE(item->parent(), list);
        }
        QVERIFY(
            list->child(list->childCount() - 1)->text(QAccessible::Name).endsWith("2√58 ≈ 15,23"));
        window->all();
        QVERIFY(!list->child(list->childCount() - 1)->state().invisible);
        press("Resolver3");
        QCOMPARE(list->childCount(), int(form->solution()->steps.size()));
        QVERIFY(list->child(0)
                    ->text(QAccessible::Name)
                    .startsWith("Aplicamos a fórmula do ponto médio"));
    }

    /// Ctrl+R on a form, the board's menu and "Ferramentas" open it, each
    /// following the right form.
    void opensFromTheFormTheBoardAndTheMenu() {
        window.reset();
        form.reset();
        Shell shell(ShellHooks{{}, [] {}});
        shell.show();
        shell.showTopic(Topic::Pontos);
        auto* pontos = static_cast<PointsForm*>(shell.topicForm(Topic::Pontos));
        QVERIFY(activate(pontos));
        press("Resolver6", pontos);
        QTest::keyClick(pontos->findChild<QWidget*>("Abcissa4"), Qt::Key_R, Qt::ControlModifier);
        SolutionWindow* opened = shell.solutionWindow();
        QVERIFY(opened && opened->isVisible() && opened->followed() == pontos);
        QCOMPARE(opened->windowTitle(), "Resolução");
        QCOMPARE(opened->view()->stepCount(), int(pontos->solution()->steps.size()));
        opened->close();
        QAction* tool = nullptr;
        for (QAction* a : pontos->boardMenu()->menu()->actions())
            if (a->text() == "Resolução passo a passo") tool = a;
        QVERIFY(tool);
        tool->trigger();
        QVERIFY(opened->isVisible());
        opened->close();
        QVERIFY(activate(shell.mainWindow()));
        shell.mainWindow()->findChild<QAction*>("ResolucaoPassoAPasso")->trigger();
        QVERIFY(opened->isVisible() && opened->followed() == pontos);
        QCOMPARE(shell.solutionWindow(), opened); // one window, shown again
    }
};

QTEST_MAIN(TestSolutionWindow)
#include "tst_solutionwindow.moc"
