// Copying, saving and printing the board of the solved midpoint (Points
// form), and which windows leave its drawing in place.

#include "boardmenu.h"
#include "pointsform.h"
#include "sheettext.h"
#include "testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace ExportDialogs;

namespace {
QImage rendered(QSvgRenderer&& svg) {
    QImage picture(svg.viewBox().size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    svg.render(&painter);
    return picture;
}

/// What is wrong with a picture of the solved midpoint at `scale` times the
/// board's size: M must be red over the blue ends and segment, and the
/// picture white where nothing is drawn.
QString midpointFault(const QImage& picture, int scale) {
    const auto at = [&](double x, double y) { // the world window runs from -10.8 to 10.8
        const QPointF pixel = QPointF(x + 10.8, 10.8 - y) * (631.0 / 21.6) + QPointF(0.5, 0.5);
        return picture.pixel((pixel * scale).toPoint());
    };
    const auto red = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; };
    const auto blue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; };
    if (!red(at(-3, 1))) return "M";
    if (!blue(at(2, -2)) || !blue(at(-8, 4)) || !blue(at(-0.5, -0.5))) return "AB";
    return at(5, 5) == qRgb(255, 255, 255) ? QString() : "ground";
}

constexpr double PxPerMm = 150 / 25.4; // a printed page read back at 150 dots per inch

/// Where the grey or black lines at least 8 cm long start, across a page.
std::vector<int> longLines(const QImage& page) {
    std::vector<int> starts;
    for (int x = 0, was = 0; x < page.width(); ++x) {
        int dark = 0;
        for (int y = 0; y < page.height(); ++y) {
            const QColor c = page.pixelColor(x, y);
            dark += c.value() < 225 && c.hsvSaturation() < 40;
        }
        const bool line = dark >= 80 * PxPerMm;
        if (line && !was) starts.push_back(x);
        was = line;
    }
    return starts;
}

} // namespace

class TestBoardExport : public QObject {
    Q_OBJECT
    MessageRecorder messages;
    std::unique_ptr<PointsForm> form;
    // The save dialog answers `saveAs`; the print dialog prints to `pdf`, or
    // is cancelled when there is none.
    std::optional<ImageFile> saveAs;
    QString pdf;
    int printDialogs = 0;
    bool printWithSolution = false; ///< the print dialog's answer to "Com a resolução"
    bool solutionOffered = false;   ///< whether the last dialog offered it

    BoardMenu& menu() const { return *form->boardMenu(); }
    bool midpointShown() const { return hasDot(*form->board(), {-3, 1}, Vermelho); }
    std::size_t drawn() const { return form->board()->displayList().size(); }

private slots:
    void init() {
        useDecimalComma(true);
        messages.clear();
        saveAs.reset();
        pdf.clear();
        printDialogs = 0;
        printWithSolution = false;
        solutionOffered = false;
        setImageFileDialog([this](QWidget*, const QString&, bool offered) {
            solutionOffered = offered;
            return saveAs;
        });
        setPrintDialog(
            [this](QWidget*, QPrinter& printer, PrintChoice& choice, const SheetPainter& paint) {
                ++printDialogs;
                solutionOffered = choice.solutionOffered;
                choice.withSolution = printWithSolution;
                printer.setOutputFileName(pdf);
                printer.setPageSize(QPageSize(QPageSize::A4));
                if (!pdf.isEmpty()) paint(printer, choice);
                return !pdf.isEmpty();
            });
        form = std::make_unique<PointsForm>();
        QTest::mouseClick(form->findChild<QPushButton*>("Resolver3"), Qt::LeftButton);
        QVERIFY(midpointShown());
    }

    /// Saved as SVG or as a PNG twice the board's size, or copied as both; saved
    /// with the solution below the drawing, the drawing as it was above it.
    void pictures_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("withSolution");
        for (const char* how : {"svg file", "png file", "copied image", "copied svg"})
            QTest::newRow(how) << QString(how) << false;
        for (const char* how : {"svg file", "png file"})
            QTest::addRow("%s with the solution", how) << QString(how) << true;
    }
    void pictures() {
        QFETCH(QString, how);
        QFETCH(bool, withSolution);
        const int scale = how.contains("svg") ? 1 : 2;
        QTemporaryDir dir;
        const ImageFormat format = how == "svg file" ? ImageFormat::Svg : ImageFormat::Png;
        saveAs =
            ImageFile{dir.filePath("a." + how.section(" ", 0, 0)), format, scale, withSolution};
        QGuiApplication::clipboard()->clear();
        (how.startsWith("copied") ? menu().copyAction() : menu().saveAction())->trigger();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        const QImage picture = how == "copied image" ? qvariant_cast<QImage>(copied->imageData())
                               : how == "copied svg"
                                   ? rendered(QSvgRenderer(copied->data("image/svg+xml")))
                               : how == "svg file" ? rendered(QSvgRenderer(saveAs->path))
                                                   : QImage(saveAs->path, "PNG");
        const int side = 631 * scale;
        QCOMPARE(picture.width(), side);
        QCOMPARE(picture.height() > side, withSolution);
        QCOMPARE(midpointFault(picture.copy(0, 0, side, side), scale), QString());
        QVERIFY(messages.messages.empty());
        QCOMPARE(solutionOffered, !how.startsWith("copied"));
        if (how != "svg file") return;
        QFile file(saveAs->path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).contains("Aplicamos"), withSolution);
    }

    /// Cancelled, or refused with a message naming the file: nothing else changes.
    void saveRefused_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("cancelled") << "";
        QTest::newRow("missing folder") << "nao-existe/desenho.svg";
        QTest::newRow("folder is a file") << "ficheiro.txt/desenho.svg";
        QTest::newRow("name of a folder") << "pasta";
    }
    void saveRefused() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("ficheiro.txt")).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkpath("pasta"));
        if (!relative.isEmpty()) saveAs = ImageFile{dir.filePath(relative), ImageFormat::Svg, 1};
        const std::size_t before = drawn();
        menu().saveAction()->trigger();
        menu().printAction()->trigger(); // and the print dialog cancelled
        const QString text = "Não foi possível guardar a imagem em «%1».\n\nVerifique se a pasta "
                             "existe e se tem permissão para escrever nela.";
        QCOMPARE(messages.messages,
                 relative.isEmpty()
                     ? std::vector<Message>{}
                     : std::vector<Message>{{text.arg(QDir::toNativeSeparators(saveAs->path))}});
        QVERIFY(drawn() == before && printDialogs == 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"ficheiro.txt", "pasta"}));
    }

    void prints_data() {
        QTest::addColumn<int>("half");  // the viewport runs from -half to half, with its grid
        QTest::addColumn<double>("mm"); // for one unit
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<bool>("chosen"); // "Com a resolução" in the print preview
        QTest::addColumn<bool>("offered");
        QTest::newRow("1 cm a unit") << 5 << 10.0 << "Escala: 1 unidade = 1 cm"
                                     << "Resolver3" << false << true;
        QTest::newRow("too wide: fits the 18 cm between the margins")
            << 10 << 180 / 21.6 << "Escala: ajustada à página, 1 unidade = 8,33 mm"
            << "Resolver3" << false << true;
        QTest::newRow("solved, the solution chosen") << 0 << 0.0 << "Escala:"
                                                     << "Resolver3" << true << true;
        QTest::newRow("data only") << 0 << 0.0 << "Escala:"
                                   << "Dados3" << true << false;
    }
    /// On A4, read back at 150 dots per inch: the board's frame, the grid and
    /// the axes where the scale puts them, within 1 mm; the scale written below.
    /// The worked solution goes on the pages after the sheet, when there is one
    /// and it is chosen; the sheet itself is the same either way.
    void prints() {
        QFETCH(int, half);
        QFETCH(double, mm);
        QFETCH(QString, scale);
        QFETCH(QString, pressed);
        QFETCH(bool, chosen);
        QFETCH(bool, offered);
        QTemporaryDir dir;
        pdf = dir.filePath("folha.pdf");
        printWithSolution = chosen;
        if (half)
            for (const auto& [bound, value] :
                 {std::pair{"Xmin", -half}, {"Ymin", -half}, {"Xmax", half}, {"Ymax", half}})
                form->findChild<QLineEdit*>(bound)->setText(QString::number(value));
        form->findChild<QAbstractButton*>("DesenharGrelha")->setChecked(half != 0);
        QTest::mouseClick(form->findChild<QPushButton*>(pressed), Qt::LeftButton);
        menu().printAction()->trigger();
        QVERIFY(printDialogs == 1 && messages.messages.empty());
        QCOMPARE(solutionOffered, offered);
        const QString text = QString::fromUtf8(SheetText::output("pdftotext", {pdf, "-"}));
        QVERIFY2(!text.isEmpty(), "no text read back (pdftotext of poppler-utils)");
        const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.front().contains("Ponto médio: (-3 , 1)") && pages.front().contains(scale));
        const bool added = chosen && offered;
        QCOMPARE(pages.size() > 1, added);
        QCOMPARE(text.contains("Aplicamos a fórmula do ponto médio"), added);
        if (added) {
            QVERIFY(pages[1].contains("PONTOS — Resolução"));
            QVERIFY(pages[1].contains("Ponto médio de [AB]"));
            QVERIFY(pages.back().contains("O ponto médio de [AB] é"));
        }
        if (!half) return;
        const QImage page =
            QImage::fromData(SheetText::output("pdftoppm", {"-r", "150", "-png", pdf}));
        QVERIFY2(!page.isNull(), "no page read back (pdftoppm of poppler-utils)");
        for (const QImage& turned : {page, page.transformed(QTransform().rotate(90))}) {
            const std::vector<int> lines = longLines(turned);
            QCOMPARE(lines.size(), std::size_t(2 * half + 3));
            for (int i = -half - 1; i <= half + 1; ++i) { // the frame 1.08 half from the axis
                const double units = std::clamp(double(i), -1.08 * half, 1.08 * half);
                const int at = lines[std::size_t(i + half + 1)] - lines[std::size_t(half + 1)];
                QVERIFY2(std::abs(at - units * mm * PxPerMm) <= PxPerMm,
                         qPrintable(QString("%1 px for %2 units").arg(at).arg(units)));
            }
        }
    }

    /// Coming back from another window of the program is an activation of the
    /// form: it redraws the bare axes. The board's menu and the form's own modal
    /// windows, each closed by a timer, are not: the drawing stays.
    void onlyAnotherWindowClearsTheBoard() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const std::size_t bareAxes = drawn();
        QTest::mouseClick(form->findChild<QPushButton*>("Resolver3"), Qt::LeftButton);
        QStringList closed; // the caption, text and icon of each modal window closed
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&closed] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                closed << dialog->windowTitle() + '|' + dialog->property("text").toString() + '|' +
                              dialog->property("icon").toString();
                dialog->close();
            }
        });
        closer.start(100);
        const auto comeBack = [this] {
            form->activateWindow();
            return QTest::qWaitForWindowActive(form.get());
        };
        menu().menu()->popup(form->board()->mapToGlobal(QPoint(50, 50)));
        QTRY_VERIFY(menu().menu()->isVisible());
        QEvent activate(QEvent::WindowActivate); // as a window system may do
        QApplication::sendEvent(menu().menu(), &activate);
        menu().menu()->close();
        QVERIFY(comeBack() && midpointShown());
        showModalMessageBox(form.get(), {"O ponto não pertence à circunferência."});
        QVERIFY(comeBack() && midpointShown());
        QVERIFY(!showImageFileDialog(form.get(), QDir::temp().filePath("x.svg"), true));
        QVERIFY(comeBack() && midpointShown());
        setPrintDialog(showPrintPreview);
        menu().printAction()->trigger();
        QVERIFY(comeBack() && midpointShown() && messages.messages.empty());
        QCOMPARE(closed,
                 QStringList({"Ortoplano|O ponto não pertence à circunferência.|Information",
                              "Guardar imagem como||", "Imprimir||"}));
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(comeBack() && !midpointShown() && drawn() == bareAxes);
    }
};

QTEST_MAIN(TestBoardExport)
#include "tst_boardexport.moc"
