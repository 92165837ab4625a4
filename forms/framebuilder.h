#pragma once

#include "frame.h"
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

/// A frame's caption as the forms and the index show it.
QString frameCaption(const exact::Frame& frame);

/// The frame's button of that kind, or null when it has none.
QPushButton* frameButton(const QGroupBox* frame, PressKind kind);

/// Runs a frame routine as one press of a button of `frame`, in solve mode
/// when `solving` is set.
using PressRunner =
    std::function<void(const std::function<void()>& routine, bool solving, QGroupBox* frame)>;

/// Builds the contents of one problem frame, row by row, from left to right:
/// the rows at the left, the frame's buttons in a column at the right. The
/// frame's fields and options are those its definition declares, laid out
/// in the order it declares them: each `point` and `field` is the next field
/// of the definition, each `option` its next option.
class FrameBuilder {
public:
    /// The tooltip of a "Resolver" button unless the frame gives another.
    static inline const QString ResolveTip = QString::fromUtf8("Resolve o problema.");

    /// Fills `box`, the frame of `definition`, whose buttons run their
    /// routines through `press`; `pointToolTips` gives the Abcissa and
    /// Ordenada fields their tooltips.
    FrameBuilder(QGroupBox* box, const exact::Frame& definition, PressRunner press,
                 bool pointToolTips);

    /// A new problem frame below the frames of a form's panel (or at
    /// `twips`: top, height; a height only when given), to be filled: the
    /// frame of `definition`, under its caption.
    static FrameBuilder addFrame(QWidget* panel, const QString& name,
                                 const exact::Frame& definition, QPoint twips, PressRunner press,
                                 bool pointToolTips);

    FrameBuilder& text(const QString& text);
    /// The next field, a point: "(" Abcissa<n> "," Ordenada<n> ")" with
    /// their initial texts, the fields named for a screen reader after the
    /// point they hold ("Abcissa de A").
    FrameBuilder& point(const char* x, const char* y, const QString& pointName);
    /// The same, with the two fields' spoken names given.
    FrameBuilder& point(const char* x, const char* y, const QString& spokenX,
                        const QString& spokenY);
    /// The next field, an equation (wide) or a number (narrow).
    FrameBuilder& field(const QString& initial, const QString& spoken);
    /// The next option button.
    FrameBuilder& option(const QString& caption, const QString& spoken, bool checked = false);
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
    /// A text field of that name; `wide` for equations, narrow for numbers.
    void addField(const QString& name, const QString& initial, const QString& spoken, bool wide);
    /// The definition's next field, which must be a point or must not.
    const exact::FrameField& nextField(bool point);
    QHBoxLayout* currentRow();
    void add(QWidget* widget, int stretch = 0);
    /// A button of the column at the right that runs the routine as one press.
    void pressButton(PressKind kind, const QString& name, const QString& tip,
                     std::function<void()> routine, bool solving);
    /// A result, named for a screen reader by the caption just before it.
    void addResult(QWidget* result, const QString& name);

    QGroupBox* m_box;
    const exact::Frame* m_definition;
    std::size_t m_fields = 0;  ///< the definition's fields laid out so far
    std::size_t m_options = 0; ///< and its options
    PressRunner m_press;
    bool m_pointToolTips;
    QVBoxLayout* m_rows;
    QVBoxLayout* m_buttons;
    QHBoxLayout* m_row = nullptr;
    QLabel* m_caption = nullptr; ///< the text just added, if the last item was one
};
