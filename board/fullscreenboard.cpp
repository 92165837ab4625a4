#include "fullscreenboard.h"

#include "answertree.h"
#include "board.h"
#include "solutionlayout.h"
#include "textrules.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace {

FullScreenBoard::SolutionSteps& solutionSteps() {
    static FullScreenBoard::SolutionSteps steps;
    return steps;
}

} // namespace

FullScreenBoard::FullScreenBoard(FullScreenSource* form)
    : QWidget(form->ownerWindow(), Qt::Window)
    , m_source(form)
    , m_form(form->ownerWindow()) {
    setObjectName(QStringLiteral("QuadroEcraInteiro"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(tr("Quadro em ecrã inteiro — ORTOPLANO PLANA"));
    setAccessibleName(tr("Quadro em ecrã inteiro"));
    connect(form->board(), &Board::pictureChanged, this, qOverload<>(&QWidget::update));
    form->whenPressEnds(this, [this] {
        m_stepLayout.reset();
        showStep(1); // a new solution from its first step
        describe();  // the result it shows is the press's
    });
    describe();
}

void FullScreenBoard::setSolutionSteps(SolutionSteps steps) {
    solutionSteps() = std::move(steps);
}

bool FullScreenBoard::solutionOpen() {
    return solutionSteps().open && solutionSteps().open();
}

QGroupBox* FullScreenBoard::frame() const {
    return m_form ? m_source->lastFrame() : nullptr;
}

QStringList FullScreenBoard::resultLines() const {
    return m_form ? m_source->resultLines() : QStringList();
}

QPushButton* FullScreenBoard::button(PressKind kind) const {
    return m_form ? m_source->lastFrameButton(kind) : nullptr;
}

QString FullScreenBoard::keysHint() const {
    QStringList keys;
    if (button(PressKind::Dados)) keys << tr("D  Dados");
    if (button(PressKind::Resolver)) keys << tr("R ou Enter  Resolver");
    if (stepCount()) keys << tr("Espaço ou →  passo seguinte") << tr("←  passo anterior");
    keys << tr("Esc  voltar ao formulário");
    return keys.join(QStringLiteral("     "));
}

void FullScreenBoard::describe() {
    setAccessibleDescription(resultLines().join(QLatin1Char(' ')) + QStringLiteral(". ") +
                             keysHint());
}

QRectF FullScreenBoard::boardArea(QSizeF size) {
    // A little inside the screen's edges, which some projectors cut off.
    const double side = std::min(size.width(), size.height()) * 0.96;
    return {(size.width() - side) / 2, (size.height() - side) / 2, side, side};
}

void FullScreenBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintView(painter, size());
}

void FullScreenBoard::paintView(QPainter& painter, QSizeF size) const {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    if (!m_form) return;
    // 1. The board's picture, magnified as a whole and drawn at the screen's
    //    resolution from the display list.
    const QRectF area = boardArea(size);
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / Board::Side, area.height() / Board::Side);
    m_source->board()->paintHighlight(painter, QSizeF(Board::Side, Board::Side));
    m_source->board()->paintPicture(painter, QSizeF(Board::Side, Board::Side));
    m_source->board()->paintOverlay(painter, QSizeF(Board::Side, Board::Side));
    painter.restore();
    // 2. The answer of the frame, large; the step of its solution along the bottom.
    const Layout laid = layout(size);
    paintAnswer(painter, laid);
    paintStrip(painter, laid);
    // 3. The keys, small, along the bottom, above the strip.
    QFont hint = font();
    hint.setPixelSize(std::max(10, int(size.height() * 0.018)));
    painter.setFont(hint);
    painter.setPen(QColor(90, 90, 90));
    const double bottom = laid.strip.isEmpty() ? size.height() - 8 : laid.strip.top() - 4;
    const QRectF room(0, 0, size.width() - 12, bottom);
    const QRectF taken = painter.boundingRect(room, Qt::AlignRight | Qt::AlignBottom, keysHint());
    painter.fillRect(taken.adjusted(-8, -2, 8, 2), QColor(255, 255, 255, 225)); // over the board
    painter.drawText(room, Qt::AlignRight | Qt::AlignBottom, keysHint());
}

// --- the answer and the step strip --------------------------------------------

int FullScreenBoard::stepCount() const {
    const exact::Solution* solution = m_form ? m_source->solution() : nullptr;
    return solution ? int(solution->steps.size()) : 0;
}

Typeset::Style FullScreenBoard::style(double size) const {
    Typeset::Style style;
    style.size = size;
    style.separator = TextRules::localSeparator();
    style.ink = Qt::black;
    style.accent = m_source->board()->displayStyle().paint(QBColor(12));
    return style;
}

namespace {

/// A text as written by the program, to compare: no blanks, plain minus signs.
QString comparable(QString text) {
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text.remove(QLatin1Char(' '));
    return text;
}

} // namespace

/// Each value of the solution's answer, typeset, with the text of its label
/// where the form writes it otherwise; the frame's results as its labels
/// write them when the press has no worked solution.
std::vector<FullScreenBoard::AnswerRow>
FullScreenBoard::answerRows(const Typeset::Style& style) const {
    Typeset::Style coloured = style; // the answer in the solution's colour, as on the board
    coloured.ink = style.accent;
    const Typeset::Typesetter typesetter(coloured);
    std::vector<AnswerRow> rows;
    const exact::Solution* solution = m_form ? m_source->solution() : nullptr;
    const QGroupBox* frame = this->frame();
    if (solution && frame) {
        for (const exact::AnswerPart& part : solution->answer.parts()) {
            const QWidget* label = frame->findChild<QWidget*>(QString::fromStdString(part.label));
            const QString formText = label ? label->property("text").toString() : QString();
            const std::optional<exact::Math> tree = exact::answerTree(part.value);
            if (!tree) {
                if (!formText.isEmpty()) rows.push_back({typesetter.prose(formText), {}});
                continue;
            }
            Typeset::Box box = typesetter.layout(*tree);
            const bool same = comparable(box.text()) == comparable(formText) ||
                              comparable(formText).contains(comparable(box.text()));
            rows.push_back({std::move(box), same ? QString() : formText});
        }
        if (!rows.empty()) return rows;
    }
    const QStringList lines = resultLines();
    for (qsizetype i = 2; i < lines.size(); i += 2)
        rows.push_back({typesetter.prose(lines[i]), {}});
    return rows;
}

const SolutionLayout& FullScreenBoard::stepLayout(double width, double size) const {
    const exact::Solution* solution = m_source->solution();
    if (!m_stepLayout || m_laidOut != solution || m_laidOutWidth != width ||
        m_laidOutSize != size) {
        m_stepLayout = std::make_shared<SolutionLayout>(*solution, width, style(size));
        m_laidOut = solution;
        m_laidOutWidth = width;
        m_laidOutSize = size;
    }
    return *m_stepLayout;
}

FullScreenBoard::Layout FullScreenBoard::layout(QSizeF size) const {
    Layout laid;
    if (!m_form) return laid;
    const double factor = std::max(1.0, m_source->board()->displayStyle().scale);
    const double edge = laid.edge = size.height() * 0.02;
    // The step strip: the step at the projector's factor, no higher than
    // two fifths of the screen (smaller, not below its size at 1×, when it is).
    if (stepCount() > 0) {
        const double width = size.width() - 2 * edge;
        const double least = size.height() / 45;
        double body = least * factor;
        const auto heightAt = [&](double b) {
            const SolutionLayout& l = stepLayout(width, b);
            return l.stepRect(m_step - 1).height() + 2.2 * b;
        };
        while (body > least && heightAt(body) > size.height() * 0.4)
            body = std::max(least, body * 0.9);
        const double height = std::min(heightAt(body), size.height() * 0.4);
        laid.strip = QRectF(0, size.height() - height, size.width(), height);
        laid.stepSize = body;
    }
    // The answer: 1/25 of the height times the factor, as far as the width allows.
    const double least = size.height() / 25;
    double body = least * factor;
    const double room = size.width() - 2 * edge;
    for (;; body = std::max(least, body * 0.92)) {
        laid.answers = answerRows(style(body));
        double widest = 0;
        for (const AnswerRow& row : laid.answers)
            widest = std::max(widest, row.value.width);
        if (widest + 2 * edge <= room || body <= least) break;
    }
    laid.answerSize = body;
    double width = 0, height = body * 1.2; // the frame's caption
    for (const AnswerRow& row : laid.answers) {
        width = std::max(width, row.value.width);
        height += row.value.height() + body * 0.3 + (row.formText.isEmpty() ? 0 : body * 0.7);
    }
    const QRectF area = boardArea(size);
    const double beside = size.width() - area.right();
    width = std::max(width + 2 * edge, beside);
    laid.answerPanel = QRectF(size.width() - std::min(width, size.width()), 0,
                              std::min(width, size.width()), height + 2 * edge);
    return laid;
}

void FullScreenBoard::paintAnswer(QPainter& painter, const Layout& laid) const {
    if (laid.answers.empty()) return;
    const QStringList lines = resultLines();
    const double edge = laid.edge;
    painter.save();
    painter.fillRect(laid.answerPanel, QColor(255, 255, 255, 225));
    QPointF at = laid.answerPanel.topLeft() + QPointF(edge, edge);
    QFont small = font();
    small.setPixelSize(std::max(1, int(laid.answerSize * 0.5)));
    painter.setFont(small);
    painter.setPen(QColor(60, 60, 60));
    const QFontMetricsF metrics(small);
    if (!lines.isEmpty()) {
        painter.drawText(at + QPointF(0, metrics.ascent()), lines.front());
        at.ry() += laid.answerSize * 1.2;
    }
    for (const AnswerRow& row : laid.answers) {
        row.value.paint(painter, at + QPointF(0, row.value.ascent));
        at.ry() += row.value.height() + laid.answerSize * 0.3;
        if (row.formText.isEmpty()) continue;
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(at + QPointF(0, metrics.ascent()),
                         tr("no formulário: %1").arg(row.formText));
        at.ry() += laid.answerSize * 0.7;
    }
    painter.restore();
}

void FullScreenBoard::paintStrip(QPainter& painter, const Layout& laid) const {
    if (laid.strip.isEmpty()) return;
    const double edge = laid.edge;
    const SolutionLayout& steps = stepLayout(laid.strip.width() - 2 * edge, laid.stepSize);
    painter.save();
    painter.fillRect(laid.strip, QColor(255, 255, 255, 235));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.drawLine(laid.strip.topLeft(), laid.strip.topRight());
    QFont counter = font();
    counter.setPixelSize(std::max(1, int(laid.stepSize * 0.8)));
    counter.setBold(true);
    painter.setFont(counter);
    painter.setPen(style(laid.stepSize).accent);
    const QFontMetricsF metrics(counter);
    painter.drawText(laid.strip.topLeft() + QPointF(edge, laid.stepSize * 0.3 + metrics.ascent()),
                     tr("Passo %1 de %2").arg(step()).arg(stepCount()));
    painter.setClipRect(laid.strip);
    steps.paintStep(painter, laid.strip.topLeft() + QPointF(edge, laid.stepSize * 1.4), m_step - 1);
    painter.restore();
}

void FullScreenBoard::showStep(int step) {
    const int steps = stepCount();
    m_step = std::clamp(step, 1, std::max(1, steps));
    if (steps > 0) {
        if (solutionOpen() && solutionSteps().show)
            solutionSteps().show(m_step);
        else
            m_source->board()->setHighlight(
                m_source->solution()->steps[std::size_t(m_step - 1)].figures);
    }
    update();
}

bool FullScreenBoard::stepByKey(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        showStep(m_step + 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        showStep(m_step - 1);
        return true;
    case Qt::Key_Home:
        showStep(1);
        return true;
    case Qt::Key_End:
        showStep(stepCount());
        return true;
    default:
        return false;
    }
}

void FullScreenBoard::closeEvent(QCloseEvent* event) {
    if (m_form && !solutionOpen()) m_source->board()->setHighlight({});
    QWidget::closeEvent(event);
}

void FullScreenBoard::press(PressKind kind) {
    if (QPushButton* b = button(kind); b && b->isEnabled()) b->click();
}

void FullScreenBoard::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Escape || key == Qt::Key_F11)) {
        close();
        if (m_form) m_form->activateWindow();
    } else if (plain && key == Qt::Key_D) {
        press(PressKind::Dados);
    } else if (plain && (key == Qt::Key_R || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        press(PressKind::Resolver);
    } else if (plain && stepCount() > 0 && stepByKey(key)) {
        // the strip's step, and the window "Resolução" with it
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
