#pragma once

#include "fullscreensource.h"

#include <QPoint>
#include <QString>
#include <functional>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

/// The frame's button of that kind, or null when it has none.
QPushButton* frameButton(const QGroupBox* frame, PressKind kind);

/// Runs a frame routine as one press of a button of `frame`, in solve mode
/// when `solving` is set.
using PressRunner =
    std::function<void(const std::function<void()>& routine, bool solving, QGroupBox* frame)>;

/// Builds the contents of one problem frame, row by row, from left to right:
/// the rows at the left, the frame's buttons in a column at the right.
class FrameBuilder {
public:
    /// The tooltip of a "Resolver" button unless the frame gives another.
    static inline const QString ResolveTip = QString::fromUtf8("Resolve o problema.");

    /// Fills `box`, whose buttons run their routines through `press`;
    /// `pointToolTips` gives the Abcissa and Ordenada fields their tooltips.
    FrameBuilder(QGroupBox* box, PressRunner press, bool pointToolTips);

    /// A new problem frame below the frames of a form's panel (or at
    /// `twips`: top, height; a height only when given), to be filled.
    static FrameBuilder addFrame(QWidget* panel, const QString& name, const QString& caption,
                                 QPoint twips, PressRunner press, bool pointToolTips);

    FrameBuilder& text(const QString& text);
    /// "(" Abcissa<n> "," Ordenada<n> ")" with their initial texts, the fields
    /// named for a screen reader after the point they hold ("Abcissa de A").
    FrameBuilder& point(int n, const char* x, const char* y, const QString& pointName);
    /// A text field; `wide` for equations, narrow for numbers.
    FrameBuilder& field(const QString& name, const QString& initial, const QString& spoken,
                        bool wide = true);
    FrameBuilder& option(const QString& name, const QString& caption, const QString& spoken,
                         bool checked = false);
    FrameBuilder& result(const QString& name);
    /// A result written into an editable text field rather than a label.
    FrameBuilder& resultField(const QString& name);
    FrameBuilder& newRow();
    /// Empty room at the start of a row, to set it under the caption above.
    FrameBuilder& indent(int pixels = 20);
    /// The rows from here on run below the buttons, across the whole frame,
    /// for contents too wide to stand beside them.
    FrameBuilder& fullWidth();

    /// "Dados<n>" draws the data; "Resolver<n>" solves with the same routine.
    FrameBuilder& dadosResolver(int n, std::function<void()> routine,
                                const QString& resolverTip = ResolveTip);
    /// A lone "Resolver" button whose routine runs without solve mode.
    FrameBuilder& resolverOnly(const QString& name, std::function<void()> routine,
                               const QString& tip = ResolveTip);

private:
    QHBoxLayout* currentRow();
    void add(QWidget* widget, int stretch = 0);
    /// A button of the column at the right that runs the routine as one press.
    void pressButton(PressKind kind, const QString& name, const QString& tip,
                     std::function<void()> routine, bool solving);
    /// A result, named for a screen reader by the caption just before it.
    void addResult(QWidget* result, const QString& name);

    QGroupBox* m_box;
    PressRunner m_press;
    bool m_pointToolTips;
    QVBoxLayout* m_rows;
    QVBoxLayout* m_buttons;
    QHBoxLayout* m_row = nullptr;
    QLabel* m_caption = nullptr; ///< the text just added, if the last item was one
};
