// Copying, saving and printing the board of the solved midpoint (Points
// form), and which windows leave its drawing in place.

#include "boardmenu.h"
#include "exportdialogs.h"
#include "pointsform.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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
#include <QStandardPaths>
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

/// Centres of the long grey or black lines across (columns) or down (rows) a page image.
std::vector<double> longLines(const QImage& page, bool vertical, int minimumLength) {
    const int across = vertical ? page.width() : page.height();
    std::vector<double> centres;
    double weight = 0, moment = 0;
    for (int i = 0; i <= across; ++i) {
        int count = 0;
        for (int j = 0; i < across && j < (vertical ? page.height() : page.width()); ++j) {
            const QRgb c = vertical ? page.pixel(i, j) : page.pixel(j, i);
            const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
            count += hi < 225 && hi - std::min({qRed(c), qGreen(c), qBlue(c)}) < 40;
        }
        if (count >= minimumLength) {
            weight += count;
            moment += double(i) * count;
        } else if (weight > 0) {
            centres.push_back(moment / weight);
            weight = moment = 0;
        }
    }
    return centres;
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestBoardExport : public QObject {
    Q_OBJECT

    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<PointsForm> form;
    // The save and print dialogs, routed: the save dialog remembers the name
    // it was offered and answers `saveAs`; the print dialog prints to `pdf`,
    // or is cancelled when there is none.
    std::optional<ImageFile> saveAs;
    QString offered, pdf;
    int printDialogs = 0;

    BoardMenu& menu() const { return *form->boardMenu(); }
    bool midpointShown() const { return hasDot(*form->board(), {-3, 1}, Vermelho); }
    std::size_t drawn() const { return form->board()->displayList().size(); }
    void press(const char* button) {
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    bool print(QPrinter& printer, BoardExport::PrintScale& scale, const SheetPainter& paint) {
        ++printDialogs;
        if (pdf.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        paint(printer, scale);
        return true;
    }

private slots:
    void init() {
        useDecimalComma(true);
        saveAs.reset();
        offered.clear();
        pdf.clear();
        printDialogs = 0;
        setImageFileDialog([this](QWidget*, const QString& path) {
            offered = path;
            return saveAs;
        });
        setPrintDialog([this](QWidget*, QPrinter& printer, BoardExport::PrintScale& scale,
                              const SheetPainter& paint) { return print(printer, scale, paint); });
        messages = std::make_unique<MessageRecorder>();
        nav = std::make_unique<NavigationRecorder>();
        form = std::make_unique<PointsForm>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        press("Resolver3");
        QVERIFY(midpointShown());
    }
    void cleanup() {
        form.reset();
        nav.reset();
        messages.reset();
    }

    void saveWritesTheChosenFile_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("scale");
        QTest::newRow("svg") << int(ImageFormat::Svg) << 1;
        QTest::newRow("png 2x") << int(ImageFormat::Png) << 2;
    }
    void saveWritesTheChosenFile() {
        QFETCH(int, format);
        QFETCH(int, scale);
        const bool svg = format == int(ImageFormat::Svg);
        QTemporaryDir dir;
        const QString path = dir.filePath(svg ? "a.svg" : "a.png");
        saveAs = ImageFile{path, ImageFormat(format), scale};
        menu().saveAction()->trigger();
        QVERIFY(messages->messages.empty());
        QCOMPARE(QFileInfo(offered).completeBaseName(), "pontos-ponto-medio-de-um-segmento");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(midpointFault(svg ? rendered(bytes) : QImage::fromData(bytes, "PNG"), scale),
                 QString());
    }

    void copyPutsImageAndSvgOnTheClipboard() {
        QGuiApplication::clipboard()->clear();
        menu().copyAction()->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasImage() && data->hasFormat("image/svg+xml"));
        QCOMPARE(midpointFault(qvariant_cast<QImage>(data->imageData()), BoardMenu::ClipboardScale),
                 QString());
        QCOMPARE(midpointFault(rendered(data->data("image/svg+xml")), 1), QString());
        QVERIFY(messages->messages.empty());
    }

    void saveIntoAnUnwritablePlace_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "nao-existe/desenho.svg";
        QTest::newRow("folder is a file") << "ficheiro.txt/desenho.svg";
        QTest::newRow("name of a folder") << "pasta";
    }
    /// One clear message naming the file; nothing else changes.
    void saveIntoAnUnwritablePlace() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QFile plain(dir.filePath("ficheiro.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("guardado") == 8);
        plain.close();
        QVERIFY(QDir(dir.path()).mkpath("pasta"));
        const QString path = dir.filePath(relative);
        saveAs = ImageFile{path, ImageFormat::Svg, 1};
        const std::size_t before = drawn();
        menu().saveAction()->trigger();
        QCOMPARE(messages->messages.size(), std::size_t(1));
        const Message& m = messages->messages.front();
        QVERIFY(m.text.startsWith("Não foi possível guardar a imagem em «") &&
                m.text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(m.icon == MessageIcon::Information && m.title == "Ortoplano");
        QCOMPARE(drawn(), before);
        QVERIFY(plain.open(QIODevice::ReadOnly) && plain.readAll() == "guardado");
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList({"ficheiro.txt", "pasta"}));
    }

    void cancellingDoesNothing() {
        const std::size_t before = drawn();
        menu().saveAction()->trigger();
        menu().printAction()->trigger();
        QVERIFY(!offered.isEmpty() && printDialogs == 1 && messages->messages.empty());
        QCOMPARE(drawn(), before);
    }

    // A viewport of 10 units with its grid, printed on A4 at 1 cm a unit and
    // rasterised at 150 dots per inch: every line where the scale puts it.
    void printsATrueScaleSheet() {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils, installed by ./test) is missing");
        QTemporaryDir dir;
        pdf = dir.filePath("folha.pdf");
        for (const char* field : {"Xmin=-5", "Xmax=5", "Ymin=-5", "Ymax=5", "Abcissa3=-4"})
            form->findChild<QLineEdit*>(QString(field).section('=', 0, 0))
                ->setText(QString(field).section('=', 1));
        form->findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        press("Resolver3");
        menu().printAction()->trigger();
        QVERIFY(printDialogs == 1 && messages->messages.empty());
        constexpr double PxPerMm = 150 / 25.4;
        QProcess::execute(pdftoppm, {"-r", "150", "-png", "-singlefile", pdf, dir.filePath("p")});
        const QImage page(dir.filePath("p.png"));
        QVERIFY(std::abs(page.width() - 210 * PxPerMm) <= 1.5 &&
                std::abs(page.height() - 297 * PxPerMm) <= 1.5);
        // The board's frame at -5.4 and 5.4, the grid and the axis at -5 ... 5, within 1 mm;
        // the positions are symmetric, so the page's downward rows read the same.
        const std::vector<double> at{-5.4, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 5.4};
        for (bool vertical : {true, false}) {
            const std::vector<double> lines = longLines(page, vertical, int(80 * PxPerMm));
            QCOMPARE(lines.size(), at.size());
            for (std::size_t i = 0; i < at.size(); ++i)
                QVERIFY2(std::abs(lines[i] - lines[6] - at[i] * 10 * PxPerMm) <= PxPerMm,
                         qPrintable(QString("line %1 at %2 px").arg(i).arg(lines[i] - lines[6])));
        }
        QProcess::execute("pdftotext", {pdf, dir.filePath("p.txt")});
        const QString text = readText(dir.filePath("p.txt"));
        for (const char* line : {"PONTOS", "Ponto médio de um segmento", "(2 , -2) e (-4 , 4)",
                                 "Ponto médio: (-1 , 1)", "Escala: 1 unidade = 1 cm"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
    }

    // Coming back from another window of the program is an activation of the
    // form: it redraws the bare axes. Neither the menu nor the real modal
    // windows (a message box, the save and print dialogs), each closed by a
    // timer, count as another window: coming back from them keeps the drawing.
    void onlyAnotherWindowClearsTheBoard() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        press("Resolver3"); // after the first activation's bare axes
        const auto comeBack = [this] {
            form->activateWindow();
            return QTest::qWaitForWindowActive(form.get());
        };
        QString box; // caption, text and icon of the message box closed
        const auto closeModalSoon = [&box] {
            QTimer::singleShot(100, [&box] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (auto* message = qobject_cast<QMessageBox*>(dialog)) {
                    box = message->windowTitle() + '|' + message->text() + '|' +
                          QString::number(message->icon());
                    message->button(QMessageBox::Ok)->click();
                } else if (dialog)
                    dialog->close();
            });
        };
        menu().menu()->popup(form->board()->mapToGlobal(QPoint(50, 50)));
        QTRY_VERIFY(menu().menu()->isVisible());
        QEvent activate(QEvent::WindowActivate); // as a window system may do
        QApplication::sendEvent(menu().menu(), &activate);
        menu().menu()->close();
        QVERIFY(comeBack() && midpointShown());
        closeModalSoon();
        showModalMessageBox(form.get(), {"O ponto não pertence à circunferência."});
        QCOMPARE(box, "Ortoplano|O ponto não pertence à circunferência.|" +
                          QString::number(QMessageBox::Information));
        QVERIFY(comeBack() && midpointShown());
        closeModalSoon();
        QVERIFY(!showImageFileDialog(form.get(), QDir::temp().filePath("x.svg")));
        QVERIFY(comeBack() && midpointShown());
        closeModalSoon();
        setPrintDialog(showPrintPreview);
        menu().printAction()->trigger();
        QVERIFY(comeBack() && midpointShown() && messages->messages.empty());
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(comeBack() && !midpointShown());
        QVERIFY(hasSegment(*form->board(), {-10.4, 0}, {10.4, 0}, QBColor(0), 2));
    }
};

QTEST_MAIN(TestBoardExport)
#include "tst_boardexport.moc"
