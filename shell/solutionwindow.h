#pragma once

#include "mathtypeset.h"
#include "solution.h"

#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

class ProblemForm;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;
class SolutionView;

/// The window "Resolução": the worked solution of the last "Resolver" of
/// the problem form it follows, step by step. It follows every press of that
/// form and the activation of another form, and while a step is the last one
/// shown, the form's board draws wider the figures that step speaks of. A
/// window of its own, not modal (it can stand on the projector's screen while
/// the form stays on the laptop's), that remembers its place, size and zoom.
class SolutionWindow : public QWidget {
    Q_OBJECT
public:
    explicit SolutionWindow(QWidget* parent = nullptr);
    ~SolutionWindow() override;

    /// Shows the worked solutions of this form from now on (nullptr: none).
    void follow(ProblemForm* form);
    /// Follows `form` and shows `solution` in place of its last press's (an
    /// exercise's solution, which ends on what the exercise asks), until the
    /// form solves other data.
    void showInstead(ProblemForm* form, exact::Solution solution);
    ProblemForm* followed() const;
    SolutionView* view() const { return m_view; }

    // --- showing the steps one at a time ---------------------------------
    int shown() const;
    void next();
    void previous();
    void first();
    void all();
    /// Shows the steps up to `step` (1 is the first).
    void showStep(int step);
    /// The step "Passo N de M" names: the last one shown that is in view.
    int stepInView() const;

    // --- the size of the text --------------------------------------------
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    /// A factor for the whole text on top of the zoom (1 normally; larger on a projector).
    void setDisplayScale(double factor);
    double displayScale() const { return m_displayScale; }
    /// The colours of the text: mathematics and sentences, titles and
    /// numbers, the message shown when there is no solution.
    void setColours(const QColor& ink, const QColor& accent, const QColor& faint);
    /// The text size at zoom 1, in logical pixels.
    static constexpr double BaseSize = 19.0;
    /// The zooms Ctrl++ and Ctrl+− step through.
    static const std::vector<double>& zoomSteps();

    /// The whole solution on the clipboard: plain text, one step a line, and a picture.
    void copySolution();

    /// What the window says when there is no solution to show.
    static QString emptyMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildButtons();
    void addKeys();
    void retranslate();
    void refresh();
    void reveal(int shown);
    void applyStyle();
    void updateHighlight();
    void updateControls();
    void updateCounter();
    void scaleControls();
    void widenForScale();
    bool replaces(const exact::Solution* solution) const;
    void scrollToShownStep();
    void saveSettings() const;
    void restoreSettings();

    QPointer<ProblemForm> m_form;
    QMetaObject::Connection m_pressConnection;
    QMetaObject::Connection m_goneConnection;
    SolutionView* m_view;
    QScrollArea* m_scroll;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_all = nullptr;
    QToolButton* m_smaller = nullptr;
    QToolButton* m_larger = nullptr;
    QLabel* m_counter = nullptr;
    Typeset::Style m_style;
    double m_zoom = 1.0;
    double m_displayScale = 1.0;
    bool m_showAll = true; ///< a new solution comes whole, or only its first step
    bool m_stale = true;   ///< presses came while the window was hidden
    std::optional<exact::Solution>
        m_instead; ///< shown in place of the form's, until its next press
};
