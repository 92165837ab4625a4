#include "boardexport.h"
#include "boardmenu.h"
#include "exportdialogs.h"
#include "pointsform.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTransform>
#include <QXmlStreamReader>
#include <memory>

using namespace BoardExport;
using namespace ExportDialogs;

namespace {

// --- the Points form ---------------------------------------------------------

void type(QWidget& form, const QString& field, const QString& text) {
    form.findChild<QLineEdit*>(field)->setText(text);
}

void press(QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

/// Where a world point of the default viewport lands on the 631-pixel
/// board: the window runs from -10.8 to 10.8 on both axes, y upwards, and
/// pixel centres sit half a pixel in.
QPointF boardPixel(QPointF world) {
    const double perUnit = 631.0 / 21.6;
    return {(world.x() + 10.8) * perUnit + 0.5, (10.8 - world.y()) * perUnit + 0.5};
}

bool close(QPointF a, QPointF b, double tolerance) {
    return std::hypot(a.x() - b.x(), a.y() - b.y()) <= tolerance;
}

// --- SVG -------------------------------------------------------------------

/// One shape of an SVG drawing with the presentation attributes it inherits
/// from its groups, and its points in board pixels.
struct SvgShape {
    QString tag;
    QHash<QString, QString> style;
    std::vector<QPointF> points; ///< a circle's centre, a polyline's vertices
    double radius = 0.0;
};

QTransform parseMatrix(const QString& transform) {
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const auto m = matrix.match(transform);
    if (!m.hasMatch()) return {};
    const QStringList v = m.captured(1).split(QLatin1Char(','));
    return QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                      v[4].toDouble(), v[5].toDouble());
}

std::vector<SvgShape> parseSvg(const QByteArray& svg, QString* error = nullptr) {
    std::vector<SvgShape> shapes;
    std::vector<std::pair<QHash<QString, QString>, QTransform>> groups{{{}, {}}};
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g")) groups.pop_back();
        if (!xml.isStartElement()) continue;
        auto [style, transform] = groups.back();
        for (const QXmlStreamAttribute& a : xml.attributes())
            style.insert(a.name().toString(), a.value().toString());
        if (xml.name() == QLatin1String("g")) {
            groups.emplace_back(style, parseMatrix(style.value(QStringLiteral("transform"))));
            continue;
        }
        SvgShape shape{xml.name().toString(), style, {}, 0.0};
        if (shape.tag == QLatin1String("circle")) {
            shape.points.push_back(
                transform.map(QPointF(style.value(QStringLiteral("cx")).toDouble(),
                                      style.value(QStringLiteral("cy")).toDouble())));
            shape.radius = style.value(QStringLiteral("r")).toDouble();
        }
        if (shape.tag == QLatin1String("polyline")) {
            for (const QString& pair : style.value(QStringLiteral("points"))
                                           .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                const QStringList xy = pair.split(QLatin1Char(','));
                shape.points.push_back(transform.map(QPointF(xy[0].toDouble(), xy[1].toDouble())));
            }
        }
        shapes.push_back(shape);
    }
    if (error && xml.hasError()) *error = xml.errorString();
    return shapes;
}

bool hasSvgDot(const std::vector<SvgShape>& shapes, QPointF at, const QString& colour) {
    for (const SvgShape& s : shapes)
        if (s.tag == QLatin1String("circle") && s.style.value(QStringLiteral("fill")) == colour &&
            s.radius == 3.5 && close(s.points.front(), at, 0.5))
            return true;
    return false;
}

bool hasSvgSegment(const std::vector<SvgShape>& shapes, QPointF a, QPointF b, const QString& colour,
                   const QString& width) {
    for (const SvgShape& s : shapes) {
        if (s.tag != QLatin1String("polyline") || s.points.size() != 2) continue;
        if (s.style.value(QStringLiteral("stroke")) != colour ||
            s.style.value(QStringLiteral("stroke-width")) != width)
            continue;
        const QPointF p = s.points[0], q = s.points[1];
        if ((close(p, a, 0.5) && close(q, b, 0.5)) || (close(p, b, 0.5) && close(q, a, 0.5)))
            return true;
    }
    return false;
}

// --- images ----------------------------------------------------------------

bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isBlue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}

/// The mean difference of two images of one size, per channel, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// --- printed pages ---------------------------------------------------------

/// Centres of the long grey or black lines of a page image, across (columns)
/// or down it (rows), in pixels: grid lines, axes and the board's frame.
std::vector<double> longLines(const QImage& page, bool vertical, int minimumLength) {
    const int across = vertical ? page.width() : page.height();
    const int along = vertical ? page.height() : page.width();
    std::vector<int> count(std::size_t(across), 0);
    for (int i = 0; i < across; ++i)
        for (int j = 0; j < along; ++j) {
            const QRgb c = vertical ? page.pixel(i, j) : page.pixel(j, i);
            const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
            const int lo = std::min({qRed(c), qGreen(c), qBlue(c)});
            count[std::size_t(i)] += hi < 225 && hi - lo < 40;
        }
    std::vector<double> centres;
    for (int i = 0; i < across;) {
        if (count[std::size_t(i)] < minimumLength) {
            ++i;
            continue;
        }
        double weight = 0, moment = 0;
        for (; i < across && count[std::size_t(i)] >= minimumLength; ++i) {
            weight += count[std::size_t(i)];
            moment += double(i) * count[std::size_t(i)];
        }
        centres.push_back(moment / weight);
    }
    return centres;
}

/// Routes the print dialog to a PDF file, as if the user printed at once.
struct PdfPrinting {
    explicit PdfPrinting(const QString& path) {
        previous = setPrintDialog([this, path](QWidget*, QPrinter& printer, PrintScale& scale,
                                               const SheetPainter& paint) {
            ++shown;
            startScale = scale;
            if (cancel) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            if (chosen) scale = *chosen;
            paint(printer, scale);
            return true;
        });
    }
    ~PdfPrinting() { setPrintDialog(previous); }
    PrintDialog previous;
    int shown = 0;
    bool cancel = false;
    std::optional<PrintScale> chosen;
    PrintScale startScale;
};

/// Routes the save dialog to a scripted answer, remembering what it suggested.
struct SaveAnswer {
    explicit SaveAnswer(std::optional<ImageFile> answer) {
        previous = setImageFileDialog([this, answer](QWidget*, const QString& suggestedPath) {
            suggested = suggestedPath;
            return answer;
        });
    }
    ~SaveAnswer() { setImageFileDialog(previous); }
    ImageFileDialog previous;
    QString suggested;
};

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestBoardExport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // pure rules
    void fileNames_data();
    void fileNames();
    void fileTypes_data();
    void fileTypes();
    void sheetLayout_data();
    void sheetLayout();
    void scaleTexts_data();
    void scaleTexts();

    // pictures of the solved midpoint
    void svgHoldsTheDrawing();
    void pngAtAnyScale_data();
    void pngAtAnyScale();
    void copyPutsImageAndSvgOnTheClipboard();

    // the menu and its keys
    void menuOpens_data();
    void menuOpens();
    void shortcutsOnlyWithBoardFocus_data();
    void shortcutsOnlyWithBoardFocus();
    void boardShowsItsFocusAndComesLast();

    // what the menu knows of the form
    void sheetFollowsTheDrawnPress();

    // saving
    void saveWritesTheChosenFile_data();
    void saveWritesTheChosenFile();
    void saveIntoAnUnwritablePlace_data();
    void saveIntoAnUnwritablePlace();
    void cancellingDoesNothing();

    // printing
    void printsATrueScaleSheet();
    void printFallsBackToThePage();

    // activation
    void menuAndDialogsKeepTheDrawing();

private:
    void solveMidpoint();

    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<PointsForm> form;
};

void TestBoardExport::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<PointsForm>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestBoardExport::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
}

void TestBoardExport::solveMidpoint() {
    press(*form, "Resolver3");
    QVERIFY(hasDot(*form->board(), {-3, 1}, Vermelho));
}

// --- pure rules ----------------------------------------------------------

void TestBoardExport::fileNames_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("name");
    QTest::newRow("accents") << "PONTOS"
                             << "Ponto médio de um segmento"
                             << "svg"
                             << "pontos-ponto-medio-de-um-segmento.svg";
    QTest::newRow("numbered topic")
        << "CIRCUNFERÊNCIA - 2"
        << "Circunferência que passa por três pontos"
        << "png"
        << "circunferencia-2-circunferencia-que-passa-por-tres-pontos.png";
    QTest::newRow("cedilla and punctuation") << "RECTA - 2"
                                             << "Intersecção: duas rectas (concorrentes)"
                                             << "svg"
                                             << "recta-2-interseccao-duas-rectas-concorrentes.svg";
    QTest::newRow("no frame pressed") << "TRIÂNGULO"
                                      << ""
                                      << "png"
                                      << "triangulo.png";
    QTest::newRow("nothing to go by") << ""
                                      << "  "
                                      << "svg"
                                      << "quadro.svg";
}

void TestBoardExport::fileNames() {
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, suffix);
    QFETCH(QString, name);
    QCOMPARE(fileName(title, caption, suffix), name);
}

void TestBoardExport::fileTypes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("scale");
    const int svg = int(ImageFormat::Svg), png = int(ImageFormat::Png);
    QTest::newRow("svg type, no suffix") << "/t/a" << 0 << "/t/a.svg" << svg << 1;
    QTest::newRow("png 2x, no suffix") << "/t/a" << 2 << "/t/a.png" << png << 2;
    QTest::newRow("png 4x, own suffix") << "/t/a.png" << 3 << "/t/a.png" << png << 4;
    QTest::newRow("svg name wins over png type") << "/t/a.SVG" << 3 << "/t/a.SVG" << svg << 1;
    QTest::newRow("png name under svg type") << "/t/a.png" << 0 << "/t/a.png" << png << 1;
    QTest::newRow("other suffix kept, type added") << "/t/a.b" << 1 << "/t/a.b.png" << png << 1;
}

void TestBoardExport::fileTypes() {
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(QString, path);
    QFETCH(int, format);
    QFETCH(int, scale);
    QCOMPARE(imageFileFor(typed, std::size_t(type)), (ImageFile{path, ImageFormat(format), scale}));
}

void TestBoardExport::sheetLayout_data() {
    // An A4 page with 15 mm margins leaves 180 x 267 mm; a title of 12 mm and
    // a text of 20 mm leave 267 - 12 - 6 - 6 - 20 = 223 mm for the board.
    QTest::addColumn<QSizeF>("world");
    QTest::addColumn<double>("asked");
    QTest::addColumn<bool>("fitPage");
    QTest::addColumn<double>("mmPerUnit");
    QTest::addColumn<bool>("fitted");
    QTest::addColumn<QRectF>("board");
    QTest::newRow("10-unit viewport at 1 cm")
        << QSizeF(10.4, 10.4) << 10.0 << false << 10.0 << false << QRectF(38, 18, 104, 104);
    QTest::newRow("default viewport too wide")
        << QSizeF(21.6, 21.6) << 10.0 << false << 180 / 21.6 << true << QRectF(0, 18, 180, 180);
    QTest::newRow("default viewport at 5 mm")
        << QSizeF(21.6, 21.6) << 5.0 << false << 5.0 << false << QRectF(36, 18, 108, 108);
    QTest::newRow("tall viewport fits by height")
        << QSizeF(10.4, 41.6) << 10.0 << false << 223 / 41.6 << true
        << QRectF(90 - 10.4 * 223 / 41.6 / 2, 18, 10.4 * 223 / 41.6, 223);
    QTest::newRow("wide viewport stays monometric")
        << QSizeF(104, 20.8) << 10.0 << false << 180 / 104.0 << true
        << QRectF(0, 18, 180, 20.8 * 180 / 104);
    QTest::newRow("fit page grows a small board")
        << QSizeF(5.2, 5.2) << 10.0 << true << 180 / 5.2 << true << QRectF(0, 18, 180, 180);
}

void TestBoardExport::sheetLayout() {
    QFETCH(QSizeF, world);
    QFETCH(double, asked);
    QFETCH(bool, fitPage);
    QFETCH(double, mmPerUnit);
    QFETCH(bool, fitted);
    QFETCH(QRectF, board);
    const SheetLayout l = layoutSheet({180, 267}, world, {asked, fitPage}, 12, 20);
    QVERIFY2(near(l.mmPerUnit, mmPerUnit, 1e-9), qPrintable(QString::number(l.mmPerUnit)));
    QCOMPARE(l.fitted, fitted);
    QVERIFY2(nearPoint(l.board.topLeft(), board.topLeft(), 1e-9) &&
                 nearPoint(l.board.bottomRight(), board.bottomRight(), 1e-9),
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(l.board.x())
                            .arg(l.board.y())
                            .arg(l.board.width())
                            .arg(l.board.height())));
    QCOMPARE(l.title, QRectF(0, 0, 180, 12));
    QVERIFY(near(l.text.top(), l.board.bottom() + 6));
    QVERIFY(l.text.bottom() <= 267 + 1e-9);
}

void TestBoardExport::scaleTexts_data() {
    QTest::addColumn<double>("mm");
    QTest::addColumn<QString>("text");
    QTest::newRow("one centimetre") << 10.0 << "1 unidade = 1 cm";
    QTest::newRow("two centimetres") << 20.0 << "1 unidade = 2 cm";
    QTest::newRow("five millimetres") << 5.0 << "1 unidade = 5 mm";
    QTest::newRow("fitted, rounded") << 180 / 21.6 << "1 unidade = 8,33 mm";
    QTest::newRow("not a whole centimetre") << 15.0 << "1 unidade = 15 mm";
}

void TestBoardExport::scaleTexts() {
    QFETCH(double, mm);
    QFETCH(QString, text);
    QCOMPARE(scaleText(mm), text);
}

// --- pictures of the solved midpoint ---------------------------------------

void TestBoardExport::svgHoldsTheDrawing() {
    solveMidpoint();
    QString error;
    const QByteArray data = svg(*form->board(), QStringLiteral("PONTOS"));
    const std::vector<SvgShape> shapes = parseSvg(data, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(shapes.front().tag, QStringLiteral("svg"));
    QCOMPARE(shapes.front().style.value(QStringLiteral("viewBox")), QStringLiteral("0 0 631 631"));
    // The red midpoint, the blue ends and the blue 2-pixel segment between them.
    QVERIFY(hasSvgDot(shapes, boardPixel({-3, 1}), QStringLiteral("#ff0000")));
    QVERIFY(hasSvgDot(shapes, boardPixel({2, -2}), QStringLiteral("#0000ff")));
    QVERIFY(hasSvgDot(shapes, boardPixel({-8, 4}), QStringLiteral("#0000ff")));
    QVERIFY(!hasSvgDot(shapes, boardPixel({-3, 1}), QStringLiteral("#0000ff")));
    QVERIFY(hasSvgSegment(shapes, boardPixel({2, -2}), boardPixel({-8, 4}),
                          QStringLiteral("#0000ff"), QStringLiteral("2")));
    // The guides of the midpoint: red, 1 pixel, dotted.
    bool dottedGuide = false;
    for (const SvgShape& s : shapes)
        dottedGuide |= s.tag == QLatin1String("polyline") &&
                       s.style.value(QStringLiteral("stroke")) == QLatin1String("#ff0000") &&
                       s.style.contains(QStringLiteral("stroke-dasharray")) &&
                       close(s.points.back(), boardPixel({-3, 1}), 0.5);
    QVERIFY(dottedGuide);
    // The graduation's font, with the family the screen draws in its place.
    QVERIFY(data.contains("font-family=\"'MS Serif', 'DejaVu Serif', serif\""));
}

void TestBoardExport::pngAtAnyScale_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("2x") << 2;
    QTest::newRow("4x") << 4;
}

void TestBoardExport::pngAtAnyScale() {
    QFETCH(int, scale);
    solveMidpoint();
    const QImage one = image(*form->board(), 1);
    const QImage big = image(*form->board(), scale);
    QCOMPARE(one.size(), QSize(631, 631));
    QCOMPARE(big.size(), QSize(631, 631) * scale);
    QCOMPARE(big.dotsPerMeterX(), one.dotsPerMeterX() * scale);
    QCOMPARE(one.dotsPerMeterX(), 3780); // 96 dots per inch
    // The same picture: red at the midpoint, blue on the segment a quarter
    // of the way from A, white where nothing is drawn.
    const auto at = [](const QImage& img, QPointF world, int k) {
        const QPointF p = boardPixel(world) * k;
        return img.pixel(int(p.x()), int(p.y()));
    };
    for (const auto& [img, k] : {std::pair{&one, 1}, std::pair{&big, scale}}) {
        QVERIFY(isRed(at(*img, {-3, 1}, k)));
        QVERIFY(isBlue(at(*img, {2 - 2.5, -2 + 1.5}, k)));
        QCOMPARE(at(*img, {5, 5}, k), qRgb(255, 255, 255));
    }
    // And loosely as a whole: the large one brought down to the screen's size.
    const QImage down = big.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(meanDifference(one, down) < 4.0,
             qPrintable(QString::number(meanDifference(one, down))));
    // A crisp large image is no magnified small one: its lines keep sharp edges.
    const QImage blown = one.scaled(big.size());
    QVERIFY(meanDifference(big, blown) > 0.1);
}

void TestBoardExport::copyPutsImageAndSvgOnTheClipboard() {
    solveMidpoint();
    QGuiApplication::clipboard()->clear();
    form->boardMenu()->copyAction()->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasImage());
    const QImage copied = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(copied.size(), QSize(631, 631) * BoardMenu::ClipboardScale);
    QVERIFY(isRed(copied.pixel((boardPixel({-3, 1}) * BoardMenu::ClipboardScale).toPoint())));
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
    const auto shapes = parseSvg(data->data(QStringLiteral("image/svg+xml")));
    QVERIFY(hasSvgDot(shapes, boardPixel({-3, 1}), QStringLiteral("#ff0000")));
    QVERIFY(messages->messages.empty());
}

// --- the menu and its keys -----------------------------------------------

void TestBoardExport::menuOpens_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QPoint>("where"); ///< on the board
    QTest::newRow("right button") << "mouse" << QPoint(100, 200);
    QTest::newRow("menu key") << "menu key" << QPoint(315, 315);
    QTest::newRow("Shift+F10") << "shift f10" << QPoint(315, 315);
}

void TestBoardExport::menuOpens() {
    QFETCH(QString, how);
    QFETCH(QPoint, where);
    Board* board = form->board();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    board->setFocus();
    if (how == QLatin1String("mouse")) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 200),
                                board->mapToGlobal(QPoint(100, 200)));
        QApplication::sendEvent(board, &event);
    } else if (how == QLatin1String("menu key")) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(-500, -500),
                                board->mapToGlobal(QPoint(-500, -500)));
        QApplication::sendEvent(board, &event);
    } else {
        QTest::keyClick(board, Qt::Key_F10, Qt::ShiftModifier);
    }
    QMenu* menu = form->boardMenu()->menu();
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), board->mapToGlobal(where));
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << a->text();
    QCOMPARE(texts, (QStringList{"Copiar imagem", "Guardar imagem como…", "Imprimir…"}));
    menu->close();
}

void TestBoardExport::shortcutsOnlyWithBoardFocus_data() {
    QTest::addColumn<bool>("boardFocused");
    QTest::newRow("board focused") << true;
    QTest::newRow("field focused") << false;
}

void TestBoardExport::shortcutsOnlyWithBoardFocus() {
    QFETCH(bool, boardFocused);
    QTemporaryDir dir;
    PdfPrinting printing(dir.filePath(QStringLiteral("folha.pdf")));
    printing.cancel = true;
    solveMidpoint();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QWidget* target = boardFocused ? static_cast<QWidget*>(form->board())
                                   : form->findChild<QLineEdit*>(QStringLiteral("Abcissa2"));
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_P, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data && data->hasFormat(QStringLiteral("image/svg+xml")), boardFocused);
    QCOMPARE(printing.shown, boardFocused ? 1 : 0);
}

void TestBoardExport::boardShowsItsFocusAndComesLast() {
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    Board* board = form->board();
    // The form opens with the focus on its first field, as it always did;
    // Tab reaches the board after the last control, Shift+Tab goes back.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Xmin"));
    auto* last = form->findChild<QPushButton*>(QStringLiteral("Resolver7"));
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Tab);
    QTRY_VERIFY(board->hasFocus());
    QTest::keyClick(board, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(last->hasFocus());
    QCOMPARE(board->focusPolicy(), Qt::StrongFocus);
    const QRgb highlight = board->palette().color(QPalette::Highlight).rgb();
    QCOMPARE(board->grab().toImage().pixel(2, 300), qRgb(255, 255, 255));
    board->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(board->hasFocus());
    QCOMPARE(board->grab().toImage().pixel(2, 300), highlight);
    // The pictures never carry the focus frame.
    QCOMPARE(image(*board, 1).pixel(2, 300), qRgb(255, 255, 255));
}

// --- what the menu knows of the form -------------------------------------

void TestBoardExport::sheetFollowsTheDrawnPress() {
    QCOMPARE(form->sheet().caption, QString());
    solveMidpoint();
    const QStringList solved{"Coordenadas dos extremos:", "(2 , -2) e (-8 , 4)",
                             "Ponto médio: (-3 , 1)"};
    QCOMPARE(form->sheet().title, QStringLiteral("PONTOS"));
    QCOMPARE(form->sheet().caption, QStringLiteral("Ponto médio de um segmento"));
    QCOMPARE(form->sheet().lines, solved);
    // A field typed after the press is not what the board shows.
    type(*form, QStringLiteral("Abcissa2"), QStringLiteral("7"));
    QCOMPARE(form->sheet().lines, solved);
    // A press that fails before it clears the board leaves it to the midpoint.
    type(*form, QStringLiteral("Abcissa4"), QStringLiteral("abc"));
    press(*form, "Dados6");
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(form->lastPressedFrame()->objectName(), QStringLiteral("Frame6"));
    // A press that draws takes the board over.
    press(*form, "Resolver7");
    QCOMPARE(form->sheet().caption, QStringLiteral("Mediatriz de um segmento"));
    QCOMPARE(form->sheet().lines.last(), QStringLiteral("Mediatriz: 14x+16y-21=0"));
    // The bare axes of an activation belong to no frame.
    form->DesenharEixos();
    QCOMPARE(form->lastPressedFrame(), nullptr);
    QVERIFY(form->sheet().lines.isEmpty());
}

// --- saving --------------------------------------------------------------

void TestBoardExport::saveWritesTheChosenFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("scale");
    QTest::newRow("svg") << "desenho.svg" << int(ImageFormat::Svg) << 1;
    QTest::newRow("png 1x") << "desenho.png" << int(ImageFormat::Png) << 1;
    QTest::newRow("png 2x") << "desenho.png" << int(ImageFormat::Png) << 2;
    QTest::newRow("png 4x") << "desenho.png" << int(ImageFormat::Png) << 4;
}

void TestBoardExport::saveWritesTheChosenFile() {
    QFETCH(QString, name);
    QFETCH(int, format);
    QFETCH(int, scale);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    SaveAnswer answer(ImageFile{path, ImageFormat(format), scale});
    solveMidpoint();
    form->boardMenu()->saveAction()->trigger();
    QVERIFY(messages->messages.empty());
    // Named after the form and the frame; the suffix is the last one saved.
    QCOMPARE(QFileInfo(answer.suggested).completeBaseName(),
             QStringLiteral("pontos-ponto-medio-de-um-segmento"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (ImageFormat(format) == ImageFormat::Svg) {
        QVERIFY(hasSvgDot(parseSvg(bytes), boardPixel({-3, 1}), QStringLiteral("#ff0000")));
    } else {
        const QImage saved = QImage::fromData(bytes, "PNG");
        QCOMPARE(saved.size(), QSize(631, 631) * scale);
        QVERIFY(isRed(saved.pixel((boardPixel({-3, 1}) * scale).toPoint())));
    }
    // The next save is offered in the same folder, in the same format.
    SaveAnswer again(std::nullopt);
    form->boardMenu()->saveAction()->trigger();
    QCOMPARE(QFileInfo(again.suggested).absolutePath(), QFileInfo(path).absolutePath());
    QCOMPARE(QFileInfo(again.suggested).suffix(), QFileInfo(path).suffix());
}

void TestBoardExport::saveIntoAnUnwritablePlace_data() {
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing folder") << "nao-existe/desenho.svg";
    QTest::newRow("folder is a file") << "ficheiro.txt/desenho.svg";
    QTest::newRow("name of a folder") << "pasta";
}

void TestBoardExport::saveIntoAnUnwritablePlace() {
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("ficheiro.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("guardado") == 8);
    plain.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("pasta")));
    const QString path = dir.filePath(relative);
    SaveAnswer answer(ImageFile{path, ImageFormat::Svg, 1});
    solveMidpoint();
    const DisplayList before = form->board()->displayList();
    form->boardMenu()->saveAction()->trigger();
    // One clear message, naming the file; nothing else changes.
    QCOMPARE(messages->messages.size(), std::size_t(1));
    const Message& m = messages->messages.front();
    QVERIFY(m.text.startsWith(QStringLiteral("Não foi possível guardar a imagem em «")));
    QVERIFY(m.text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(m.icon, MessageIcon::Information);
    QCOMPARE(m.title, QStringLiteral("Ortoplano"));
    QCOMPARE(form->board()->displayList().size(), before.size());
    QVERIFY(hasDot(*form->board(), {-3, 1}, Vermelho));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("pasta"))).isDir());
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), QByteArray("guardado"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);
}

void TestBoardExport::cancellingDoesNothing() {
    QTemporaryDir dir;
    SaveAnswer answer(std::nullopt);
    PdfPrinting printing(dir.filePath(QStringLiteral("folha.pdf")));
    printing.cancel = true;
    printing.chosen = PrintScale{20, false};
    solveMidpoint();
    const std::size_t drawn = form->board()->displayList().size();
    form->boardMenu()->saveAction()->trigger();
    form->boardMenu()->printAction()->trigger();
    QVERIFY(!answer.suggested.isEmpty());
    QCOMPARE(printing.shown, 1);
    QVERIFY(messages->messages.empty());
    QVERIFY(QDir(dir.path()).isEmpty());
    QCOMPARE(form->board()->displayList().size(), drawn);
    QCOMPARE(form->boardMenu()->printScale(), (PrintScale{10, false}));
}

// --- printing ------------------------------------------------------------

void TestBoardExport::printsATrueScaleSheet() {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils, installed by ./test) is missing");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("folha.pdf"));
    PdfPrinting printing(pdf);
    // A viewport of 10 units with its grid: lines 1 cm apart at true scale.
    for (const auto& [name, value] :
         {std::pair{"Xmin", "-5"}, {"Xmax", "5"}, {"Ymin", "-5"}, {"Ymax", "5"}})
        type(*form, QLatin1String(name), QLatin1String(value));
    form->findChild<QCheckBox*>(QStringLiteral("DesenharGrelha"))->setChecked(true);
    type(*form, QStringLiteral("Abcissa3"), QStringLiteral("-4"));
    press(*form, "Resolver3");
    form->boardMenu()->printAction()->trigger();
    QCOMPARE(printing.shown, 1);
    QCOMPARE(printing.startScale, (PrintScale{10, false}));
    QVERIFY(messages->messages.empty());
    // The page, rasterised at 150 dots per inch: an A4 sheet.
    constexpr double Dpi = 150, PxPerMm = Dpi / 25.4;
    runTool(pdftoppm, {"-r", "150", "-png", "-singlefile", pdf, dir.filePath(QStringLiteral("p"))});
    const QImage page(dir.filePath(QStringLiteral("p.png")));
    QVERIFY(!page.isNull());
    QVERIFY(std::abs(page.width() - 210 * PxPerMm) <= 1.5);
    QVERIFY(std::abs(page.height() - 297 * PxPerMm) <= 1.5);
    // Across and down: the board's frame at -5.4 and 5.4, grid lines and the
    // axis at -5 ... 5, each where 1 cm a unit puts it (within 1 mm). The
    // positions are symmetric, so the page's downward rows read the same.
    const std::vector<double> at{-5.4, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 5.4};
    for (bool vertical : {true, false}) {
        const std::vector<double> lines = longLines(page, vertical, int(80 * PxPerMm));
        QCOMPARE(lines.size(), at.size());
        const double centre = lines[6];
        for (std::size_t i = 0; i < at.size(); ++i) {
            const double expected = centre + at[i] * 10 * PxPerMm;
            QVERIFY2(std::abs(lines[i] - expected) <= PxPerMm,
                     qPrintable(QStringLiteral("line %1: %2 mm off")
                                    .arg(i)
                                    .arg((lines[i] - expected) / PxPerMm)));
        }
        QVERIFY(std::abs((lines[11] - lines[1]) / PxPerMm - 100) <= 1);
    }
    // The sheet explains itself.
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* line : {"PONTOS", "Ponto médio de um segmento",
                             "Coordenadas dos extremos:", "(2 , -2) e (-4 , 4)",
                             "Ponto médio: (-1 , 1)", "Escala: 1 unidade = 1 cm"})
        QVERIFY2(text.contains(QString::fromUtf8(line)), line);
}

void TestBoardExport::printFallsBackToThePage() {
    QTemporaryDir dir;
    PdfPrinting printing(dir.filePath(QStringLiteral("folha.pdf")));
    solveMidpoint();
    // The default viewport needs 21,6 cm at 1 cm a unit: more than the page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("direct.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    const auto layout = printSheet(printer, *form->board(), form->sheet(), {10, false});
    QVERIFY(layout.has_value());
    QVERIFY(layout->fitted);
    QVERIFY(near(layout->mmPerUnit, 180 / 21.6, 1e-3));
    QVERIFY(near(layout->board.width(), layout->board.height(), 1e-3));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("direct.pdf"))).size() > 0);
    // A printer that cannot start is reported once the user has printed.
    printing.chosen = PrintScale{5, false};
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(dir.filePath(QStringLiteral("nao-existe/folha.pdf")));
    QVERIFY(!printSheet(broken, *form->board(), form->sheet(), {10, false}).has_value());
    setPrintDialog([&](QWidget*, QPrinter& p, PrintScale& s, const SheetPainter& paint) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath(QStringLiteral("nao-existe/folha.pdf")));
        paint(p, s);
        return true;
    });
    form->boardMenu()->printAction()->trigger();
    QCOMPARE(messages->texts(), QStringList{"Não foi possível imprimir o desenho."});
}

// --- activation ----------------------------------------------------------

void TestBoardExport::menuAndDialogsKeepTheDrawing() {
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    solveMidpoint();
    const auto comeBack = [this] {
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    };
    const auto closeModalSoon = [] {
        QTimer::singleShot(100, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
    };
    // 1. The menu opens and closes, even if a window system activates it.
    QMenu* menu = form->boardMenu()->menu();
    menu->popup(form->board()->mapToGlobal(QPoint(50, 50)));
    QTRY_VERIFY(menu->isVisible());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(menu, &activate);
    menu->close();
    QVERIFY(comeBack());
    QVERIFY(hasDot(*form->board(), {-3, 1}, Vermelho));
    // 2. The real save dialog, closed without saving.
    closeModalSoon();
    QVERIFY(!showImageFileDialog(form.get(), QDir::temp().filePath(QStringLiteral("x.svg"))));
    QVERIFY(comeBack());
    QVERIFY(hasDot(*form->board(), {-3, 1}, Vermelho));
    // 3. The real print preview, closed without printing.
    closeModalSoon();
    setPrintDialog(showPrintPreview);
    form->boardMenu()->printAction()->trigger();
    QVERIFY(comeBack());
    QVERIFY(hasDot(*form->board(), {-3, 1}, Vermelho));
    QVERIFY(messages->messages.empty());
    // Another window of the program still brings the bare axes back.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(comeBack());
    QVERIFY(primitives(*form->board(), Primitive::Kind::Dot).empty());
}

QTEST_MAIN(TestBoardExport)
#include "tst_boardexport.moc"
