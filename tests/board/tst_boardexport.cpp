// Copying, saving and printing the board of the solved midpoint (Points
// form), and which windows leave its drawing in place.

#include "boardmenu.h"
#include "pointsform.h"
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
#include <QProcess>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

using namespace ExportDialogs;

namespace {

QImage rendered(const QByteArray& svg) {
    QImage picture(631, 631, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QSvgRenderer(svg).render(&painter);
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
    if (picture.size() != QSize(631, 631) * scale) return "size";
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
    // The routed save dialog answers `saveAs`; the print dialog prints to
    // `pdf`, or is cancelled when there is none.
    struct {
        std::optional<ImageFile> saveAs;
        QString pdf;
        int printDialogs = 0;
    } dialogs;

    BoardMenu& menu() const { return *form->boardMenu(); }
    bool midpointShown() const { return hasDot(*form->board(), {-3, 1}, Vermelho); }
    std::size_t drawn() const { return form->board()->displayList().size(); }
    void press(const char* button) {
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        useDecimalComma(true);
        messages.clear();
        dialogs = {};
        setImageFileDialog([this](QWidget*, const QString&) { return dialogs.saveAs; });
        setPrintDialog([this](QWidget*, QPrinter& printer, BoardExport::PrintScale& scale,
                              const SheetPainter& paint) {
            ++dialogs.printDialogs;
            printer.setOutputFileName(dialogs.pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            if (!dialogs.pdf.isEmpty()) paint(printer, scale);
            return !dialogs.pdf.isEmpty();
        });
        form = std::make_unique<PointsForm>();
        press("Resolver3");
        QVERIFY(midpointShown());
    }

    /// Saved as SVG or as a PNG twice the board's size, or copied as both.
    void pictures_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("scale");
        for (const auto& [how, scale] :
             {std::pair{"svg file", 1}, {"png file", 2}, {"copied image", 2}, {"copied svg", 1}})
            QTest::newRow(how) << QString(how) << scale;
    }
    void pictures() {
        QFETCH(QString, how);
        QFETCH(int, scale);
        QTemporaryDir dir;
        const ImageFormat format = how == "svg file" ? ImageFormat::Svg : ImageFormat::Png;
        dialogs.saveAs =
            ImageFile{dir.filePath(format == ImageFormat::Svg ? "a.svg" : "a.png"), format, scale};
        QGuiApplication::clipboard()->clear();
        (how.startsWith("copied") ? menu().copyAction() : menu().saveAction())->trigger();
        QFile file(dialogs.saveAs->path);
        const QByteArray saved = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        const QImage picture = how == "svg file"       ? rendered(saved)
                               : how == "png file"     ? QImage::fromData(saved, "PNG")
                               : how == "copied image" ? qvariant_cast<QImage>(copied->imageData())
                                                       : rendered(copied->data("image/svg+xml"));
        QCOMPARE(midpointFault(picture, scale), QString());
        QVERIFY(messages.messages.empty());
    }

    /// A clear message naming the file, and nothing else changes.
    void saveIntoAnUnwritablePlace_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "nao-existe/desenho.svg";
        QTest::newRow("folder is a file") << "ficheiro.txt/desenho.svg";
        QTest::newRow("name of a folder") << "pasta";
    }
    void saveIntoAnUnwritablePlace() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("ficheiro.txt")).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkpath("pasta"));
        dialogs.saveAs = ImageFile{dir.filePath(relative), ImageFormat::Svg, 1};
        const std::size_t before = drawn();
        menu().saveAction()->trigger();
        const QString text = "Não foi possível guardar a imagem em «%1».\n\nVerifique se a pasta "
                             "existe e se tem permissão para escrever nela.";
        QCOMPARE(
            messages.messages,
            std::vector<Message>{{text.arg(QDir::toNativeSeparators(dir.filePath(relative)))}});
        QCOMPARE(drawn(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"ficheiro.txt", "pasta"}));
    }

    void cancellingDoesNothing() {
        const std::size_t before = drawn();
        menu().saveAction()->trigger();
        menu().printAction()->trigger();
        QVERIFY(dialogs.printDialogs == 1 && messages.messages.empty());
        QCOMPARE(drawn(), before);
    }

    void printsToScale_data() {
        QTest::addColumn<int>("half");  // the viewport runs from -half to half, with its grid
        QTest::addColumn<double>("mm"); // for one unit
        QTest::addColumn<QString>("scale");
        QTest::newRow("1 cm a unit") << 5 << 10.0 << "Escala: 1 unidade = 1 cm";
        QTest::newRow("too wide: fits the 18 cm between the margins")
            << 10 << 180 / 21.6 << "Escala: ajustada à página, 1 unidade = 8,33 mm";
    }
    /// On A4, read back at 150 dots per inch: the board's frame, the grid and
    /// the axes where the scale puts them, within 1 mm; the scale written below.
    void printsToScale() {
        QFETCH(int, half);
        QFETCH(double, mm);
        QFETCH(QString, scale);
        QTemporaryDir dir;
        dialogs.pdf = dir.filePath("folha.pdf");
        const QStringList bounds{"Xmin", "Ymin", "Xmax", "Ymax"};
        for (int i = 0; i < 4; ++i)
            form->findChild<QLineEdit*>(bounds[i])->setText(QString::number(i < 2 ? -half : half));
        form->findChild<QAbstractButton*>("DesenharGrelha")->setChecked(true);
        press("Resolver3");
        menu().printAction()->trigger();
        QVERIFY(dialogs.printDialogs == 1 && messages.messages.empty());
        const QStringList toPng{"-r", "150", "-png", "-singlefile", dialogs.pdf, dir.filePath("p")};
        if (QProcess::execute("pdftoppm", toPng) < 0) QSKIP("pdftoppm (poppler-utils) is missing");
        const QImage page(dir.filePath("p.png"));
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
        QProcess pdftotext;
        pdftotext.start("pdftotext", {dialogs.pdf, "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(text.contains("Ponto médio: (-3 , 1)") && text.contains(scale));
    }

    /// Coming back from another window of the program is an activation of the
    /// form: it redraws the bare axes. The board's menu and the form's own modal
    /// windows, each closed by a timer, are not: the drawing stays.
    void onlyAnotherWindowClearsTheBoard() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        press("Resolver3"); // after the first activation's bare axes
        QString box;        // the caption, text and icon of a message box closed
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&box] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (auto* m = qobject_cast<QMessageBox*>(dialog))
                box = m->windowTitle() + '|' + m->text() + '|' + QString::number(m->icon());
            if (dialog) dialog->close();
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
        QCOMPARE(box, "Ortoplano|O ponto não pertence à circunferência.|" +
                          QString::number(QMessageBox::Information));
        QVERIFY(comeBack() && midpointShown());
        QVERIFY(!showImageFileDialog(form.get(), QDir::temp().filePath("x.svg")));
        QVERIFY(comeBack() && midpointShown());
        setPrintDialog(showPrintPreview);
        menu().printAction()->trigger();
        QVERIFY(comeBack() && midpointShown() && messages.messages.empty());
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(comeBack() && !midpointShown());
        QVERIFY(hasSegment(*form->board(), {-10.4, 0}, {10.4, 0}, QBColor(0), 2));
    }
};

QTEST_MAIN(TestBoardExport)
#include "tst_boardexport.moc"
