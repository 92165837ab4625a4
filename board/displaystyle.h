#pragma once

#include <QColor>
#include <QObject>
#include <array>

class QAction;
class QMenu;
class QWidget;

/// How a board's picture is painted. The display list is the same whatever
/// the style: only the pens, dots, arrowheads, fonts, the pixel offsets of
/// labels and the colours change when it is painted.
struct DisplayStyle {
    double scale = 1.0;      ///< widths, dots, arrowheads, fonts and pixel offsets
    bool projector = false;  ///< the projector palette
    bool pointNames = false; ///< the names of the points written beside their dots

    /// The colour a recorded colour is painted in: itself, or its projector
    /// counterpart. Data stay blue and solutions red.
    QColor paint(const QColor& recorded) const;
    friend bool operator==(const DisplayStyle&, const DisplayStyle&) = default;
};

/// The colours of the projector palette: saturated and dark enough to keep
/// their difference on a washed-out projector and for red-green colour
/// blindness, and a grid that survives projection.
namespace ProjectorPalette {
QColor data();     ///< in place of the data blue
QColor solution(); ///< in place of the solution red
QColor grid();     ///< in place of the grid grey
} // namespace ProjectorPalette

/// The classroom display of the whole program: the projector mode with its
/// factor, and the names of the points. The names are on by default in
/// projector mode and off otherwise; each mode keeps its own choice. The
/// program remembers them between runs (QSettings); until it asks for that,
/// they start as usual and are kept for the run only.
class ClassroomDisplay : public QObject {
    Q_OBJECT
public:
    static ClassroomDisplay& instance();

    /// The factors a teacher chooses from.
    static constexpr std::array<double, 3> Factors{1.5, 2.0, 3.0};

    bool projector() const { return m_projector; }
    /// The factor chosen for projector mode (kept while the mode is off).
    double factor() const { return m_factor; }
    /// Whether the names of the points are shown in the mode in force.
    bool pointNames() const { return m_projector ? m_namesProjector : m_namesUsual; }
    /// The style boards paint with now.
    DisplayStyle style() const;

    void setProjector(bool on);
    /// One of Factors; any other value takes the nearest.
    void setFactor(double factor);
    /// For the mode in force.
    void setPointNames(bool shown);
    /// Reads the remembered choices and remembers every later change.
    void rememberBetweenRuns();

    /// "Modo de projecção" (F8), a check item that follows the setting.
    QAction* projectorAction(QObject* parent);
    /// "Nomes dos pontos" (Ctrl+Shift+N), a check item that follows the setting.
    QAction* namesAction(QObject* parent);
    /// "Ampliação na projecção": the factors as radio items ("1,5×", "2×", "3×").
    QMenu* factorMenu(QWidget* parent);

    /// "1,5×" with the regional decimal separator.
    static QString factorText(double factor);

    /// How many connections follow the setting (windows, check items, menu
    /// items): each goes with the object that made it.
    int listenerCount() const;

signals:
    void changed();

private:
    ClassroomDisplay() = default;
    void save() const;
    /// Takes these values; false when nothing changed.
    bool apply(bool projector, double factor, bool namesProjector, bool namesUsual);

    bool m_projector = false;
    double m_factor = 2.0;
    bool m_namesProjector = true;
    bool m_namesUsual = false;
    bool m_remembered = false;
};
