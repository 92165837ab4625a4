#include "typeddata.h"

#include "numbered_error.h"

#include <QRegularExpression>
#include <algorithm>
#include <new>

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

std::optional<bool>
decideExactly(const TypedData& data,
              const std::function<std::optional<bool>(const TypedData&)>& verdict,
              bool wholeDoublesExact) {
    if (wholeDoublesExact && data.wholeNumbersOnly()) return std::nullopt;
    try {
        return verdict(data);
    } catch (const NumberedError&) { // a fault of the exact reading only: the doubles decide
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
