#pragma once

#include "axes.h"

#include <QObject>
#include <array>

class Board;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QWidget;
struct FormLayout;

/// The "Eixos" frame of a form: the four limits of the viewport (Xmin, Xmax,
/// Ymin, Ymax), each with its spin arrows (UpDown1-UpDown4), the grid's check
/// box (DesenharGrelha) and its note; and the viewport they last drew. Up and
/// Down in a limit's field do what its spin arrows do.
class ViewportPanel : public QObject {
    Q_OBJECT
public:
    /// Builds the frame at the end of the panel's column.
    ViewportPanel(QWidget* panel, const FormLayout& layout);

    /// The viewport of the axes drawn last.
    const Viewport& viewport() const { return m_view; }
    /// The first limit's field, where the form's focus starts.
    QLineEdit* firstField() const { return m_bounds.front(); }

    /// Clears the board and draws its axes for the limits typed; whether the
    /// axes are graduated. A limit that is no number raises its fault.
    bool draw(Board& board);
    /// The first limit that is no number; none when all read, even if they
    /// make no window.
    QLineEdit* unreadableBound() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addBoundField(QGridLayout* grid, int index, bool spinToolTips);
    /// One arrow moves its own limit, then the paired one.
    void stepSpin(int index, int delta);

    std::array<QLineEdit*, 4> m_bounds{}; ///< Xmin, Xmax, Ymin, Ymax
    QCheckBox* m_grid = nullptr;
    Viewport m_view;
};
