#include "fullscreenboard.h"

#include "board.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace {

FullScreenBoard::SolutionSteps& solutionSteps() {
    static FullScreenBoard::SolutionSteps steps;
    return steps;
}

/// The largest font up to `pixels` high in which every text fits `width`.
QFont fitted(QFont font, double pixels, const QStringList& texts, double width) {
    for (;; pixels *= 0.9) {
        font.setPixelSize(std::max(1, int(pixels)));
        const QFontMetricsF metrics(font);
        const bool fits = std::all_of(texts.begin(), texts.end(), [&](const QString& t) {
            return metrics.horizontalAdvance(t) <= width;
        });
        if (fits || pixels < 8) return font;
    }
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
        update();
        describe(); // the result it shows is the press's
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
    if (solutionOpen()) keys << tr("Espaço ou →  passo seguinte") << tr("←  passo anterior");
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
    // 2. The result of the frame, large.
    paintResult(painter, size);
    // 3. The keys, small, along the bottom.
    QFont hint = font();
    hint.setPixelSize(std::max(10, int(size.height() * 0.018)));
    painter.setFont(hint);
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(0, 0, size.width() - 12, size.height() - 8),
                     Qt::AlignRight | Qt::AlignBottom, keysHint());
}

void FullScreenBoard::paintResult(QPainter& painter, QSizeF size) const {
    const QStringList lines = resultLines();
    if (lines.isEmpty()) return;
    // In the top right corner: beside the board when the screen is wide
    // enough, over the board's corner otherwise.
    const QRectF area = boardArea(size);
    const double beside = size.width() - area.right();
    const bool over = beside < 0.18 * size.width();
    const QRectF room =
        over ? QRectF(size.width() * 0.55, 0, size.width() * 0.45, size.height() * 0.3)
             : QRectF(area.right(), 0, beside, size.height() * 0.6);
    const double margin = room.height() * 0.05 + 12;
    const double width = room.width() - 2 * margin;
    const DisplayStyle& style = m_source->board()->displayStyle();
    QStringList answers, captions{lines.front()};
    for (qsizetype i = 1; i + 1 < lines.size(); i += 2) {
        captions << lines[i];
        answers << lines[i + 1];
    }
    const double unit = std::max(size.height(), 400.0) / 40;
    QFont small = fitted(font(), unit, captions, width);
    QFont large = fitted(font(), unit * 2.4, answers, width);
    large.setBold(true);
    large = fitted(large, large.pixelSize(), answers, width);
    painter.save();
    if (over) painter.fillRect(room, QColor(255, 255, 255, 225));
    QPointF at = room.topLeft() + QPointF(margin, margin);
    const auto line = [&](const QFont& f, const QColor& colour, const QString& text) {
        painter.setFont(f);
        painter.setPen(colour);
        const QFontMetricsF metrics(f);
        painter.drawText(at + QPointF(0, metrics.ascent()), text);
        at.ry() += metrics.lineSpacing();
    };
    line(small, QColor(60, 60, 60), lines.front());
    at.ry() += unit * 0.5;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (!captions[i + 1].isEmpty()) line(small, Qt::black, captions[i + 1]);
        line(large, style.paint(QBColor(12)), answers[i]);
    }
    painter.restore();
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
    } else if (plain && solutionOpen() && solutionSteps().step && solutionSteps().step(key)) {
        // the worked solution's window took it
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
