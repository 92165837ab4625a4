#pragma once

#include "board.h"
#include "geometry.h"
#include "navigation.h"

#include <QGroupBox>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>

class BoardMenu;
class clsEquation;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;
class SpinArrows;

/// The data colour and the solution colour.
inline const QColor Azul = QBColor(9);
inline const QColor Vermelho = QBColor(12);

/// What sets one problem form apart from the others in its common part.
struct FormTraits {
    Topic topic = Topic::Pontos;
    QString objectName;               ///< "Form1"
    QString title;                    ///< the label above the board, "PONTOS"
    int boardLeft = 60;               ///< twips
    bool warnWhenUngraduated = false; ///< message when the axes go ungraduated
    QString scratchName = QStringLiteral("TextA");
    QRect eixos{120, 210, 5385, 1695}; ///< the viewport frame, twips in the panel
    bool spinToolTips = false;
    bool pointToolTips = true; ///< the Abcissa/Ordenada fields explain themselves
};

/// Viewport values left by DesenharEixos.
struct Viewport {
    float Xmin = -10, Xmax = 10, Ymin = -10, Ymax = 10;
    float PassoX = 0.4f, PassoY = 0.4f;
    double PixelX = 0, PixelY = 0;
};

/// The problem frame of a press and what its fields held when it was
/// pressed: the data of the drawing that press leaves on the board.
struct PressRecord {
    QPointer<QGroupBox> frame;
    QHash<QString, QString> typed; ///< input field name -> its text at the press
    QSet<QString> checked;         ///< the option buttons marked at the press
};

/// The text of a board's drawing for a printed sheet: the form's title, the
/// caption of the frame that drew it and that frame's rows as text.
struct BoardSheet {
    QString title;
    QString caption;
    QStringList lines;
};

class ProblemForm;

/// Builds the contents of one problem frame, row by row, from left to right.
class FrameBuilder {
public:
    FrameBuilder(ProblemForm* form, QGroupBox* box, QVBoxLayout* rows, QVBoxLayout* buttons);

    FrameBuilder& text(const QString& text);
    /// "(" abscissa "," ordinate ")", the fields named for a screen reader
    /// after the point they hold ("Abcissa de A").
    FrameBuilder& point(const QString& abscissa, const QString& x, const QString& ordinate,
                        const QString& y, const QString& pointName);
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
    FrameBuilder&
    dadosResolver(int n, std::function<void()> routine,
                  const QString& resolverTip = QString::fromUtf8("Resolve o propblema."));
    /// A lone "Resolver" button whose routine runs without solve mode.
    FrameBuilder& resolverOnly(const QString& name, std::function<void()> routine,
                               const QString& tip = QString::fromUtf8("Resolve o propblema."));

private:
    QHBoxLayout* currentRow();
    void add(QWidget* widget, int stretch = 0);
    /// A button of the column at the right that runs the routine as one press.
    void pressButton(const QString& caption, const QString& name, const QString& tip,
                     std::function<void()> routine, bool solving);
    /// The caption just before a result names it for a screen reader.
    void labelResult(QWidget* result);

    ProblemForm* m_form;
    QGroupBox* m_box;
    QVBoxLayout* m_rows;
    QVBoxLayout* m_buttons;
    QHBoxLayout* m_row = nullptr;
    QLabel* m_caption = nullptr; ///< the text just added, if the last item was one
};

/// The common part of the nine problem forms: title, board, viewport frame,
/// navigation and exit buttons, and the press pipeline that runs a frame's
/// routine in data or solve mode. Subclasses add their frames and routines.
class ProblemForm : public QWidget {
    Q_OBJECT
public:
    explicit ProblemForm(const FormTraits& traits, QWidget* parent = nullptr);
    ~ProblemForm() override;

    Topic topic() const { return m_traits.topic; }
    Board* board() const { return m_board; }
    bool ModoResolver() const { return m_modoResolver; }
    const Viewport& viewport() const { return m_view; }

    /// Clears the board and draws axes, arrowheads, graduation and grid for
    /// the viewport typed in the "Eixos" frame.
    void DesenharEixos();

    /// Runs a frame routine as one press: a fresh interpreter, solve mode for
    /// the press only, and every fault turned into the generic error report.
    /// `frame` is the problem frame whose button was pressed.
    void press(const std::function<void()>& routine, bool solve, QGroupBox* frame = nullptr);

    /// The frame of the press whose drawing the board shows, with its data as
    /// typed for that press; no frame while the board shows the bare axes.
    QGroupBox* lastPressedFrame() const { return m_boardPress.frame; }
    /// The title, the last pressed frame's caption and its rows as text
    /// (fields as typed for the press, results as they read now).
    BoardSheet sheet() const;
    BoardMenu* boardMenu() const { return m_boardMenu; }

    // --- services of the press, for the equation readers ------------------
    /// The interpreter of the current press.
    clsEquation& interpreter();
    /// The hidden field that holds the rewritten equation text.
    QLineEdit* scratch() const { return m_scratch; }
    /// Deletes every blank of an equation field and writes the text back.
    QString prepareEquation(QLineEdit* field);
    /// Shows an information message and ends the press.
    [[noreturn]] void stop(const QString& text);

protected:
    /// A problem frame below the previous one (or at `twips`: top, height).
    FrameBuilder addFrame(const QString& name, const QString& caption, QPoint twips = {});

    template <typename T = QLineEdit>
    T* control(const QString& name) const {
        return findChild<T*>(name);
    }
    QLineEdit* fieldNamed(const QString& name) const;
    QLabel* labelNamed(const QString& name) const;
    bool isChecked(const QString& optionName) const;

    // --- reading the data -------------------------------------------------
    Real LerCampo(QLineEdit* field);
    Real LerCampo(const QString& name) { return LerCampo(fieldNamed(name)); }
    Pt LerPonto(const QString& abscissa, const QString& ordinate);
    /// Refuses a line text holding ">", "<", "^3" or "^2".
    void checkLineText(const QString& text);
    Line sampleLine(const QString& text);
    Line LerEquacaoRecta(QLineEdit* field);
    /// Two line fields: both prepared, then both checked, then both sampled.
    std::array<Line, 2> LerEquacoesRecta(QLineEdit* first, QLineEdit* second);

    // --- drawing ----------------------------------------------------------
    void pen(const QColor& colour, int width, DashStyle style = DashStyle::Solid);
    void dot(Pt p);               ///< DrawWidth 7 and PSet
    void guides(Pt p);            ///< dotted 1-pixel perpendiculars to the axes
    void axisLabels(Pt p);        ///< the coordinates printed beside the axes
    void segment(Pt from, Pt to); ///< Line in the current pen
    void circle(const Circle& c); ///< Circle in the current pen
    void DesenharRecta(const Line& line);
    bool graduated() const; ///< |Xmax - Xmin| <= 50

    // --- answers ----------------------------------------------------------
    QString sep() const;
    void setResult(const QString& name, const QString& text);
    void inform(const QString& text, bool withIcon = true);
    bool event(QEvent* event) override;
    /// Up and Down in a viewport field act as the field's spin arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FrameBuilder;
    void buildCommonPart();
    void buildButtonRow();
    void buildEixosFrame(QWidget* panel);
    void addBoundField(QGridLayout* grid, int index);
    void readViewport();
    void drawAxes();
    void drawGraduation();
    void drawGrid();
    void stepSpin(int index, int delta);
    void focusFirstField();
    void arrangeTabOrder();

    FormTraits m_traits;
    Board* m_board;
    QWidget* m_panel = nullptr;
    QWidget* m_buttonRow = nullptr;
    QLineEdit* m_scratch = nullptr;
    QCheckBox* m_grid = nullptr;
    std::array<QLineEdit*, 4> m_bounds{}; ///< Xmin, Xmax, Ymin, Ymax
    Viewport m_view;
    bool m_modoResolver = false;
    clsEquation* m_interpreter = nullptr;
    int m_nextFrameTop = 0;   ///< twips
    PressRecord m_press;      ///< the press running now
    PressRecord m_boardPress; ///< the press whose drawing the board shows
    BoardMenu* m_boardMenu = nullptr;
};

/// Thrown to end a press quietly after its message has been shown.
struct PressEnded {};
