#include "pressrecord.h"

#include "budget.h"
#include "solution.h"
#include "verdicts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {

constexpr char ResultProperty[] = "ortoplanoResult";
constexpr char DefinitionProperty[] = "ortoplanoFrame";

/// The frame of no press: no fields, nothing to explain.
const exact::Frame NoFrame{"", Topic::Pontos, "", {}, {}, nullptr};

/// Which of the definition's options is marked: its place; 0 for a frame
/// without options, −1 when none is.
int markedOption(const exact::Frame& definition, const QSet<QString>& checked) {
    if (definition.options.empty()) return 0;
    for (std::size_t k = 0; k < definition.options.size(); ++k)
        if (checked.contains(QString::fromUtf8(definition.options[k].button))) return int(k);
    return -1;
}

/// One control of a frame as text on a sheet; buttons have none.
QString controlText(const QWidget* w, const PressRecord& record) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return isResult(field) ? field->text()
                               : record.typed.value(field->objectName(), field->text());
    if (auto* option = qobject_cast<const QRadioButton*>(w))
        return (record.checked.contains(option->objectName()) ? QStringLiteral("\u25CF ")
                                                              : QStringLiteral("\u25CB ")) +
               option->text();
    return {};
}

/// A row's texts side by side, with the point brackets closed up: "(2 , -2)".
QString joinRow(const QStringList& words) {
    QString row = words.join(QLatin1Char(' '));
    row.replace(QLatin1String("( "), QLatin1String("("));
    row.replace(QLatin1String(" )"), QLatin1String(")"));
    return row;
}

/// The frame's rows in reading order, one line each (the builder lays each
/// row out as a horizontal box inside nested vertical ones).
void collectRows(const QLayout* layout, const PressRecord& record, QStringList& lines) {
    QStringList words;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->layout()) collectRows(item->layout(), record, lines);
        if (item->widget()) {
            const QString text = controlText(item->widget(), record);
            if (!text.isEmpty()) words << text;
        }
    }
    if (!words.isEmpty()) lines << joinRow(words);
}

} // namespace

void markAsResult(QWidget* control) {
    control->setProperty(ResultProperty, true);
}

bool isResult(const QWidget* control) {
    return control->property(ResultProperty).toBool();
}

void declareFrame(QGroupBox* frame, const exact::Frame& definition) {
    frame->setProperty(DefinitionProperty,
                       QVariant::fromValue(static_cast<const void*>(&definition)));
}

const exact::Frame* definitionOf(const QGroupBox* frame) {
    return frame ? static_cast<const exact::Frame*>(
                       frame->property(DefinitionProperty).value<const void*>())
                 : nullptr;
}

PressRecord recordOf(QGroupBox* frame) {
    PressRecord record;
    record.frame = frame;
    if (!frame) return record;
    record.definition = definitionOf(frame);
    for (const QLineEdit* field : frame->findChildren<QLineEdit*>())
        if (!isResult(field)) record.typed.insert(field->objectName(), field->text());
    for (const QRadioButton* option : frame->findChildren<QRadioButton*>())
        if (option->isChecked()) record.checked.insert(option->objectName());
    if (record.definition) record.option = markedOption(*record.definition, record.checked);
    return record;
}

exact::PressFields& PressRecord::fields() {
    if (!readings) {
        exact::FrameData::Texts texts;
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            texts.emplace(it.key().toStdString(), it.value().toStdString());
        readings = std::make_shared<exact::PressFields>(
            exact::FrameData(definition ? *definition : NoFrame, option, std::move(texts)));
    }
    return *readings;
}

std::optional<exact::FrameId> PressRecord::problem() const {
    if (!definition || option < 0) return std::nullopt;
    return exact::FrameId(*definition, option);
}

BoardSheet sheetOf(const QString& title, const PressRecord& press) {
    BoardSheet sheet{title, {}, {}, {}};
    if (press.solution) sheet.solution = [solution = press.solution] { return solution->get(); };
    if (const QGroupBox* frame = press.frame) {
        sheet.caption = frame->title();
        collectRows(frame->layout(), press, sheet.lines);
    }
    return sheet;
}

WorkedSolution::WorkedSolution(Builder build, std::shared_ptr<const exact::FrameData> data)
    : m_build(std::move(build))
    , m_data(std::move(data)) {}

WorkedSolution::~WorkedSolution() = default;

const exact::Solution* WorkedSolution::get() const {
    if (!m_tried) {
        m_tried = true;
        const exact::WorkBudget budget(exact::WorkBudget::Solution, exact::WorkBudget::Kind::Fresh);
        try {
            exact::verdict::takeDecidedOnDecimals();
            m_built = std::make_unique<exact::Solution>(m_build(*m_data));
            if (exact::verdict::takeDecidedOnDecimals())
                m_built->add(exact::StepKind::DecidedOnDecimals);
        } catch (const std::exception&) {
            m_built.reset(); // the form's own answer stands; there is no worked solution
        }
    }
    return m_built.get();
}
