#include "worksheetdialog.h"

#include "composer.h"
#include "languages.h"
#include "messages.h"
#include "sheetdocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int FrameRole = Qt::UserRole; ///< the frame's place in practice::allFrames()

QString freshSeed() {
    return QString::number(QRandomGenerator::global()->bounded(quint64(1), quint64(1000000)));
}

practice::FrameId frameOf(const QTreeWidgetItem* item) {
    return practice::allFrames().at(std::size_t(item->data(0, FrameRole).toInt()));
}

QSpinBox* countOf(const QTreeWidget* tree, QTreeWidgetItem* item) {
    return qobject_cast<QSpinBox*>(tree->itemWidget(item, 1));
}

} // namespace

WorksheetDialog::WorksheetDialog(QWidget* parent)
    : QDialog(parent)
    , m_tree(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("FichaDeExercicios"));
    setWindowTitle(tr("Ficha de exercícios"));
    buildTree();
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_tree, 3);
    columns->addWidget(buildOptions(), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buildSavedRow());
    layout->addWidget(buildButtons());
    m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (m_folder.isEmpty() || !QDir(m_folder).exists()) m_folder = QDir::homePath();
    resize(1000, 600);
    updateLevel();
    updateTotal();
}

QLayout* WorksheetDialog::buildSavedRow() {
    m_saved = new QLabel;
    m_saved->setObjectName(QStringLiteral("Guardada"));
    m_saved->setWordWrap(true);
    m_saved->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_open = new QPushButton(tr("&Abrir a ficha"));
    m_open->setObjectName(QStringLiteral("Abrir"));
    m_open->setAutoDefault(false);
    m_open->setToolTip(tr("Abre o ficheiro no programa do ambiente de trabalho para PDF ou "
                          "OpenDocument."));
    m_open->hide();
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_savedPath)))
            showMessage(this, {tr("Não foi possível abrir «%1»: o ambiente de trabalho não tem "
                                  "um programa para este tipo de ficheiro.")
                                   .arg(QDir::toNativeSeparators(m_savedPath))});
    });
    auto* row = new QHBoxLayout;
    row->addWidget(m_saved, 1);
    row->addWidget(m_open);
    return row;
}

void WorksheetDialog::showSaved(const QString& path) {
    m_savedPath = path;
    m_saved->setText(tr("Ficha guardada em «%1».").arg(QDir::toNativeSeparators(path)));
    m_open->show();
}

void WorksheetDialog::showDialog() {
    static QPointer<WorksheetDialog> dialog;
    if (dialog && !dialog->isVisible() && languages::madeInAnother(dialog)) delete dialog;
    if (!dialog) {
        dialog = new WorksheetDialog;
        languages::markLanguage(dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void WorksheetDialog::buildTree() {
    m_tree->setObjectName(QStringLiteral("Problemas"));
    m_tree->setAccessibleName(tr("Problemas"));
    m_tree->setHeaderLabels({tr("Problema"), tr("Exercícios")});
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setStretchLastSection(false);
    const std::vector<practice::FrameId>& frames = practice::allFrames();
    for (const TopicRow& row : TopicTable) {
        auto* topic = new QTreeWidgetItem(m_tree, {topicText(row.indexHeading)});
        topic->setFlags(topic->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        topic->setCheckState(0, Qt::Unchecked);
        topic->setHidden(true); // until it has a frame to practise
        for (std::size_t i = 0; i < frames.size(); ++i)
            if (worksheet::topicOf(frames[i]) == row.topic) addFrameItem(topic, int(i));
    }
    m_tree->expandAll();
    m_tree->resizeColumnToContents(1);
    connect(m_tree, &QTreeWidget::itemChanged, this, &WorksheetDialog::updateTotal);
}

void WorksheetDialog::addFrameItem(QTreeWidgetItem* topic, int index) {
    const practice::FrameId id = practice::allFrames().at(std::size_t(index));
    auto* frame = new QTreeWidgetItem(topic, {worksheet::frameCaption(id)});
    frame->setFlags(frame->flags() | Qt::ItemIsUserCheckable);
    frame->setCheckState(0, Qt::Unchecked);
    frame->setData(0, FrameRole, index);
    frame->setToolTip(0, worksheet::frameName(id));
    topic->setHidden(false);
    auto* count = new QSpinBox;
    count->setRange(1, worksheet::MaxPerFrame);
    count->setAccessibleName(tr("Exercícios de «%1»").arg(frame->text(0)));
    m_tree->setItemWidget(frame, 1, count);
    connect(count, &QSpinBox::valueChanged, this, &WorksheetDialog::updateTotal);
}

QWidget* WorksheetDialog::buildOptions() {
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    m_title = new QLineEdit(tr("Ficha de exercícios"));
    m_title->setObjectName(QStringLiteral("Titulo"));
    form->addRow(tr("&Título:"), m_title);
    m_level = new QComboBox;
    m_level->setObjectName(QStringLiteral("Nivel"));
    for (practice::Level level : practice::AllLevels)
        m_level->addItem(worksheet::levelText(level), int(level));
    form->addRow(tr("&Nível:"), m_level);
    m_levelNote = new QLabel;
    m_levelNote->setObjectName(QStringLiteral("NotaNivel"));
    m_levelNote->setWordWrap(true);
    form->addRow(m_levelNote);
    connect(m_level, &QComboBox::currentIndexChanged, this, [this] {
        updateLevel();
        updateTotal();
    });
    m_versions = new QComboBox;
    m_versions->setObjectName(QStringLiteral("Versoes"));
    m_versions->addItems({tr("Uma versão"), tr("Duas versões (A e B)")});
    form->addRow(tr("&Versões:"), m_versions);
    m_seed = new QLineEdit(freshSeed());
    m_seed->setObjectName(QStringLiteral("Semente"));
    m_seed->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9][0-9]{0,17}")), m_seed));
    auto* fresh = new QPushButton(tr("Outra"));
    fresh->setToolTip(tr("Escolhe outra semente: outros dados, a mesma estrutura."));
    connect(fresh, &QPushButton::clicked, this, [this] { m_seed->setText(freshSeed()); });
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(m_seed, 1);
    seedRow->addWidget(fresh);
    auto* seedLabel = new QLabel(tr("&Semente:"));
    seedLabel->setBuddy(m_seed);
    form->addRow(seedLabel, seedRow);
    m_figures = new QCheckBox(tr("Incluir as &figuras dos dados"));
    m_figures->setObjectName(QStringLiteral("Figuras"));
    m_figures->setChecked(true);
    form->addRow(m_figures);
    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("Total"));
    form->addRow(m_total);
    auto* note =
        new QLabel(tr("A mesma escolha com a mesma semente dá a mesma ficha. As soluções e "
                      "as resoluções vêm depois dos exercícios, em páginas próprias."));
    note->setWordWrap(true);
    form->addRow(note);
    return panel;
}

QWidget* WorksheetDialog::buildButtons() {
    auto* box = new QDialogButtonBox;
    const auto add = [&](const QString& name, const QString& text, auto slot) {
        QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
    };
    add(QStringLiteral("PreVisualizar"), tr("Pré-&visualizar…"), [this] { preview(); });
    add(QStringLiteral("GuardarPdf"), tr("Guardar &PDF…"),
        [this] { saveAs(worksheet::FileFormat::Pdf); });
    add(QStringLiteral("GuardarOdt"), tr("Guardar &ODT…"),
        [this] { saveAs(worksheet::FileFormat::Odt); });
    add(QStringLiteral("Imprimir"), tr("&Imprimir…"), [this] { print(); });
    QPushButton* close = box->addButton(QDialogButtonBox::Close);
    close->setText(tr("Fechar"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return box;
}

QTreeWidgetItem* WorksheetDialog::frameItem(practice::FrameId id) const {
    for (int t = 0; t < m_tree->topLevelItemCount(); ++t) {
        QTreeWidgetItem* topic = m_tree->topLevelItem(t);
        for (int f = 0; f < topic->childCount(); ++f)
            if (frameOf(topic->child(f)) == id) return topic->child(f);
    }
    return nullptr;
}

void WorksheetDialog::choose(practice::FrameId id, int count) {
    QTreeWidgetItem* item = frameItem(id);
    if (!item) return;
    if (count > 0) countOf(m_tree, item)->setValue(count);
    item->setCheckState(0, count > 0 ? Qt::Checked : Qt::Unchecked);
}

worksheet::Choices WorksheetDialog::choices() const {
    worksheet::Choices choices;
    for (int t = 0; t < m_tree->topLevelItemCount(); ++t) {
        QTreeWidgetItem* topic = m_tree->topLevelItem(t);
        for (int f = 0; f < topic->childCount(); ++f) {
            QTreeWidgetItem* frame = topic->child(f);
            if (frame->checkState(0) != Qt::Checked || frame->isDisabled()) continue;
            choices.frames.push_back({frameOf(frame), countOf(m_tree, frame)->value()});
        }
    }
    choices.level = practice::Level(m_level->currentData().toInt());
    choices.versions = m_versions->currentIndex() + 1;
    choices.seed = std::max<quint64>(1, m_seed->text().toULongLong());
    choices.title =
        m_title->text().trimmed().isEmpty() ? tr("Ficha de exercícios") : m_title->text();
    choices.figures = m_figures->isChecked();
    return choices;
}

void WorksheetDialog::updateTotal() {
    int total = 0;
    for (const worksheet::FrameCount& f : choices().frames)
        total += f.count;
    m_total->setText(total == 1 ? tr("1 exercício por versão")
                                : tr("%1 exercícios por versão").arg(total));
}

void WorksheetDialog::updateLevel() {
    const auto level = practice::Level(m_level->currentData().toInt());
    const QString name = worksheet::levelText(level);
    QStringList without;
    int greyed = 0;
    for (int t = 0; t < m_tree->topLevelItemCount(); ++t) {
        QTreeWidgetItem* topic = m_tree->topLevelItem(t);
        for (int f = 0; f < topic->childCount(); ++f) {
            QTreeWidgetItem* frame = topic->child(f);
            const bool has = practice::hasLevel(frameOf(frame), level);
            frame->setDisabled(!has);
            frame->setToolTip(0, has ? worksheet::frameName(frameOf(frame))
                                     : tr("Sem exercícios de nível %1.").arg(name));
            greyed += has ? 0 : 1;
            if (!has && frame->checkState(0) == Qt::Checked) without << frame->text(0);
        }
    }
    if (!without.isEmpty())
        m_levelNote->setText(
            tr("Sem exercícios de nível %1, ficam de fora: %2.").arg(name, without.join(u"; ")));
    else if (greyed > 0)
        m_levelNote->setText(
            tr("Os problemas a cinzento não têm exercícios de nível %1.").arg(name));
    else
        m_levelNote->clear();
}

std::optional<worksheet::Sheet> WorksheetDialog::sheet() {
    const worksheet::Choices chosen = choices();
    if (chosen.frames.empty()) {
        showMessage(this, {tr("Escolha pelo menos um problema.")});
        return std::nullopt;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::optional<worksheet::Sheet> made;
    try {
        made = worksheet::compose(chosen);
    } catch (const practice::NoExercise& none) { // the tests show it never happens
        QApplication::restoreOverrideCursor();
        showMessage(this, {tr("Não foi possível criar um exercício de «%1».")
                               .arg(QString::fromUtf8(none.what()))});
        return std::nullopt;
    }
    QApplication::restoreOverrideCursor();
    return made;
}

bool WorksheetDialog::saveTo(const QString& path) {
    const std::optional<worksheet::Sheet> made = sheet();
    if (!made) return false;
    const worksheet::SaveFault fault = worksheet::save(*made, path);
    if (fault != worksheet::SaveFault::None) {
        showMessage(this, {worksheet::faultMessage(fault, path)});
        return false;
    }
    m_folder = QFileInfo(path).absolutePath();
    showSaved(path);
    return true;
}

void WorksheetDialog::saveAs(worksheet::FileFormat format) {
    if (choices().frames.empty()) { // said before the teacher picks a file
        showMessage(this, {tr("Escolha pelo menos um problema.")});
        return;
    }
    const bool pdf = format == worksheet::FileFormat::Pdf;
    const QString suffix = pdf ? QStringLiteral(".pdf") : QStringLiteral(".odt");
    const QString filter = pdf ? tr("Documento PDF (*.pdf)") : tr("Texto OpenDocument (*.odt)");
    const QString name = QStringLiteral("ficha-%1%2").arg(m_seed->text(), suffix);
    QString path = QFileDialog::getSaveFileName(this, tr("Guardar a ficha"),
                                                QDir(m_folder).filePath(name), filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    saveTo(path);
}

void WorksheetDialog::paint(QPrinter* printer, const worksheet::Sheet& made) {
    worksheet::SheetDocument::setUpPage(*printer);
    const worksheet::SheetDocument document(made);
    if (!document.paint(*printer)) showMessage(this, {tr("Não foi possível imprimir a ficha.")});
}

void WorksheetDialog::preview() {
    const std::optional<worksheet::Sheet> made = sheet();
    if (!made) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(made->title);
    worksheet::SheetDocument::setUpPage(printer);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Pré-visualização da ficha"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this, &made](QPrinter* target) { paint(target, *made); });
    dialog.exec();
}

void WorksheetDialog::print() {
    const std::optional<worksheet::Sheet> made = sheet();
    if (!made) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(made->title);
    worksheet::SheetDocument::setUpPage(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) paint(&printer, *made);
}
