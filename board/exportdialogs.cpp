#include "exportdialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace ExportDialogs {

namespace {

ImageFileDialog& imageFileDialog() {
    static ImageFileDialog dialog = showImageFileDialog;
    return dialog;
}

PrintDialog& printDialog() {
    static PrintDialog dialog = showPrintPreview;
    return dialog;
}

std::size_t typeOfSuffix(const QString& suffix) {
    const auto& types = imageTypes();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].suffix == suffix) return i;
    return 0;
}

void labelInPortuguese(QFileDialog& dialog) {
    dialog.setLabelText(QFileDialog::LookIn, QObject::tr("Pasta:"));
    dialog.setLabelText(QFileDialog::FileName, QObject::tr("Nome:"));
    dialog.setLabelText(QFileDialog::FileType, QObject::tr("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QObject::tr("Guardar"));
    dialog.setLabelText(QFileDialog::Reject, QObject::tr("Cancelar"));
}

/// A "Escala:" list in the preview's tool bar, and "Com a resolução" when
/// there is a worked solution; a new choice redraws the pages.
void addChoices(QPrintPreviewDialog& preview, PrintChoice& choice) {
    auto* bar = preview.findChild<QToolBar*>();
    auto* page = preview.findChild<QPrintPreviewWidget*>();
    if (!bar || !page) return;
    auto* combo = new QComboBox(bar);
    combo->setObjectName(QStringLiteral("Escala"));
    combo->setAccessibleName(QObject::tr("Escala"));
    for (const ScaleChoice& scale : scaleChoices()) {
        combo->addItem(scale.caption);
        if (scale.scale == choice.scale) combo->setCurrentIndex(combo->count() - 1);
    }
    QObject::connect(combo, &QComboBox::currentIndexChanged, page, [&choice, page](int index) {
        choice.scale = scaleChoices().at(std::size_t(index)).scale;
        page->updatePreview();
    });
    // At the head of the bar, where a narrow window cannot hide them.
    QAction* first = bar->actions().value(0);
    bar->insertWidget(first, new QLabel(QObject::tr("Escala:") + QLatin1Char(' '), bar));
    bar->insertWidget(first, combo);
    if (choice.solutionOffered) {
        auto* solution = new QCheckBox(QObject::tr("Com a resolução"), bar);
        solution->setObjectName(QStringLiteral("ComResolucao"));
        solution->setToolTip(QObject::tr("Junta a resolução passo a passo, nas páginas seguintes"));
        solution->setChecked(choice.withSolution);
        QObject::connect(solution, &QCheckBox::toggled, page, [&choice, page](bool on) {
            choice.withSolution = on;
            page->updatePreview();
        });
        bar->insertWidget(first, solution);
    }
    bar->insertSeparator(first);
}

} // namespace

const std::vector<ImageType>& imageTypes() {
    static const std::vector<ImageType> types = {
        {QObject::tr("Desenho vectorial SVG (*.svg)"), ImageFormat::Svg, 1, QStringLiteral("svg")},
        {QObject::tr("Imagem PNG do tamanho do ecrã (*.png)"), ImageFormat::Png, 1,
         QStringLiteral("png")},
        {QObject::tr("Imagem PNG com o dobro da resolução (*.png)"), ImageFormat::Png, 2,
         QStringLiteral("png")},
        {QObject::tr("Imagem PNG com o quádruplo da resolução (*.png)"), ImageFormat::Png, 4,
         QStringLiteral("png")},
        {QObject::tr("Desenho vectorial SVG com a resolução (*.svg)"), ImageFormat::Svg, 1,
         QStringLiteral("svg"), true},
        {QObject::tr("Imagem PNG com a resolução, o dobro da resolução (*.png)"), ImageFormat::Png,
         2, QStringLiteral("png"), true},
    };
    return types;
}

ImageFile imageFileFor(const QString& path, std::size_t typeIndex) {
    const ImageType& type = imageTypes().at(std::min(typeIndex, imageTypes().size() - 1));
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) return {path, ImageFormat::Svg, 1, type.withSolution};
    if (suffix == QLatin1String("png"))
        return {path, ImageFormat::Png, type.format == ImageFormat::Png ? type.scale : 1,
                type.withSolution};
    return {path + QLatin1Char('.') + type.suffix, type.format, type.scale, type.withSolution};
}

const std::vector<ScaleChoice>& scaleChoices() {
    static const std::vector<ScaleChoice> choices = {
        {BoardExport::scaleText(10), {10, false}},
        {BoardExport::scaleText(20), {20, false}},
        {BoardExport::scaleText(5), {5, false}},
        {QObject::tr("Ajustar à página"), {10, true}},
    };
    return choices;
}

std::optional<ImageFile> askImageFile(QWidget* parent, const QString& suggestedPath,
                                      bool offerSolution) {
    return imageFileDialog()(parent, suggestedPath, offerSolution);
}

bool askPrint(QWidget* parent, QPrinter& printer, PrintChoice& choice, const SheetPainter& paint) {
    return printDialog()(parent, printer, choice, paint);
}

ImageFileDialog setImageFileDialog(ImageFileDialog dialog) {
    return std::exchange(imageFileDialog(), std::move(dialog));
}

PrintDialog setPrintDialog(PrintDialog dialog) {
    return std::exchange(printDialog(), std::move(dialog));
}

std::optional<ImageFile> showImageFileDialog(QWidget* parent, const QString& suggestedPath,
                                             bool offerSolution) {
    QFileDialog dialog(parent, QObject::tr("Guardar imagem como"), suggestedPath);
    dialog.setObjectName(QStringLiteral("GuardarImagemComo"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    labelInPortuguese(dialog);
    QStringList filters;
    std::vector<std::size_t> offered; // the index in imageTypes() of each filter
    for (std::size_t i = 0; i < imageTypes().size(); ++i) {
        if (imageTypes()[i].withSolution && !offerSolution) continue;
        filters << imageTypes()[i].filter;
        offered.push_back(i);
    }
    dialog.setNameFilters(filters);
    const std::size_t first = typeOfSuffix(QFileInfo(suggestedPath).suffix());
    dialog.selectNameFilter(imageTypes().at(first).filter);
    dialog.setDefaultSuffix(imageTypes().at(first).suffix);
    const auto typeOf = [&](const QString& filter) {
        return offered.at(std::size_t(std::max<qsizetype>(0, filters.indexOf(filter))));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(imageTypes().at(typeOf(filter)).suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return imageFileFor(dialog.selectedFiles().constFirst(), typeOf(dialog.selectedNameFilter()));
}

bool showPrintPreview(QWidget* parent, QPrinter& printer, PrintChoice& choice,
                      const SheetPainter& paint) {
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("Imprimir"));
    preview.setWindowTitle(QObject::tr("Imprimir"));
    addChoices(preview, choice);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        preview.resize(screen->availableSize() * 0.85);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { paint(*target, choice); });
    return preview.exec() == QDialog::Accepted;
}

} // namespace ExportDialogs
