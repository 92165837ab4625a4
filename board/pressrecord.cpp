#include "pressrecord.h"

#include "solution.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr char ResultProperty[] = "ortoplanoResult";

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

PressRecord recordOf(QGroupBox* frame) {
    PressRecord record;
    record.frame = frame;
    if (!frame) return record;
    for (const QLineEdit* field : frame->findChildren<QLineEdit*>())
        if (!isResult(field)) record.typed.insert(field->objectName(), field->text());
    for (const QRadioButton* option : frame->findChildren<QRadioButton*>())
        if (option->isChecked()) record.checked.insert(option->objectName());
    return record;
}

BoardSheet sheetOf(const QString& title, const PressRecord& press) {
    BoardSheet sheet{title, {}, {}, press.solution};
    if (const QGroupBox* frame = press.frame) {
        sheet.caption = frame->title();
        collectRows(frame->layout(), press, sheet.lines);
    }
    return sheet;
}

std::string TypedData::text(const QString& field) const {
    Q_ASSERT_X(m_typed.contains(field), "TypedData", "not a field of the pressed frame");
    return m_typed.value(field).trimmed().toStdString();
}

const exact::Number& TypedData::number(const QString& field) const {
    auto it = m_numbers.find(field);
    if (it == m_numbers.end()) it = m_numbers.emplace(field, exact::readField(text(field))).first;
    return it->second;
}

exact::Point TypedData::point(int n) const {
    return {number(QStringLiteral("Abcissa%1").arg(n)),
            number(QStringLiteral("Ordenada%1").arg(n))};
}

const exact::LineReading& TypedData::line(const QString& field) const {
    auto it = m_lines.find(field);
    if (it == m_lines.end()) it = m_lines.emplace(field, exact::readLine(text(field))).first;
    return it->second;
}

exact::GivenLine TypedData::givenLine(const QString& field) const {
    return {line(field).line, text(field)};
}

exact::GivenCircle TypedData::givenCircle(const QString& field) const {
    return {circle(field).conic, text(field)};
}

const exact::CircleReading& TypedData::circle(const QString& field) const {
    auto it = m_circles.find(field);
    if (it == m_circles.end()) it = m_circles.emplace(field, exact::readCircle(text(field))).first;
    return it->second;
}

bool TypedData::wholeNumbersOnly() const {
    if (!m_wholeNumbersOnly) {
        static const QRegularExpression whole(QStringLiteral("^(?:[ xXyY+=-]|\\d{1,4}(?!\\d))*$"));
        m_wholeNumbersOnly = std::all_of(m_typed.cbegin(), m_typed.cend(), [](const QString& t) {
            return t.size() <= 40 && whole.match(t).hasMatch();
        });
    }
    return *m_wholeNumbersOnly;
}

WorkedSolution::WorkedSolution(Builder build, std::shared_ptr<const TypedData> data)
    : m_build(std::move(build))
    , m_data(std::move(data)) {}

WorkedSolution::~WorkedSolution() = default;

const exact::Solution* WorkedSolution::get() const {
    if (!m_tried) {
        m_tried = true;
        try {
            m_built = std::make_unique<exact::Solution>(m_build(*m_data));
        } catch (const std::exception&) {
            m_built.reset(); // the form's own answer stands; there is no worked solution
        }
    }
    return m_built.get();
}
