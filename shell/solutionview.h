#pragma once

#include "solution.h"
#include "solutionlayout.h"

#include <QAccessible>
#include <QWidget>
#include <optional>
#include <vector>

/// A worked solution drawn as it is typeset: its title and the steps shown
/// so far, or a calm message when there is none. A screen reader meets it as
/// a list, one item per step, each named by the step's plain text.
class SolutionView : public QWidget {
    Q_OBJECT
public:
    explicit SolutionView(QWidget* parent = nullptr);
    ~SolutionView() override;

    /// Shows a solution with its first `shown` steps, or (nothing) the message.
    void setSolution(std::optional<exact::Solution> solution, int shown);
    const exact::Solution* solution() const { return m_solution ? &*m_solution : nullptr; }
    int stepCount() const;
    int shown() const { return m_shown; }
    void setShown(int shown);

    /// What is shown when there is no solution.
    void setMessage(const QString& text);
    QString message() const { return m_message; }
    /// Size, colours and decimal separator of the typesetting.
    void setTypesetStyle(const Typeset::Style& style);
    const Typeset::Style& typesetStyle() const { return m_style; }

    /// Lays the solution out for a width and takes the height it needs.
    void fitWidth(int width);
    const SolutionLayout& layout() const { return *m_layout; }
    /// The margin around the layout.
    int margin() const;

    /// The title as plain text, or the message.
    QString titleText() const;
    /// A step as plain text: its sentence, then its mathematics in linear notation.
    QString stepText(int step) const;
    /// Where a step lies in the view, shown or not.
    QRect stepRect(int step) const;

    QSize sizeHint() const override;

signals:
    /// The steps, the message or the number shown changed.
    void contentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    /// A new language: the sentences are written again in it.
    void changeEvent(QEvent* event) override;

private:
    void relayout();
    void forgetStepInterfaces();
    friend class SolutionListAccessible;
    QAccessibleInterface* stepInterface(int step) const;

    std::optional<exact::Solution> m_solution;
    std::optional<SolutionLayout> m_layout;
    Typeset::Style m_style;
    QString m_message;
    int m_shown = 0;
    int m_width = 400;
    mutable std::vector<QAccessible::Id> m_stepIds;
};
