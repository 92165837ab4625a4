#include "solutionwindow.h"

#include "accessiblewindow.h"
#include "activation.h"
#include "board.h"
#include "languages.h"
#include "problemform.h"
#include "sentences.h"
#include "solutionview.h"
#include "textrules.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString SettingsGroup = QStringLiteral("Resolucao");
/// The window's width when it first opens.
constexpr int UsualWidth = 680;

/// The picture that goes to the clipboard: this wide, at twice the pixels.
constexpr double PictureWidth = 760.0;
constexpr double PicturePixelRatio = 2.0;

QPushButton* stepButton(QWidget* parent, const QString& name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    // The keys act on the steps wherever the focus is; Space must not press
    // whichever button was clicked last: Tab reaches the buttons, a click
    // does not leave the focus on them.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

SolutionWindow::SolutionWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_view(new SolutionView)
    , m_scroll(new QScrollArea(this)) {
    announceAsWindow("SolutionWindow");
    ActivationTracker::markAsCompanion(this);
    setObjectName(QStringLiteral("Resolucao"));
    m_view->setObjectName(QStringLiteral("Passos"));
    m_scroll->setObjectName(QStringLiteral("Pagina"));
    m_scroll->setWidget(m_view);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFrameShape(QFrame::NoFrame);
    // A scroll bar that comes and goes would change the width, and lay the
    // solution out again, at every press.
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scroll->setBackgroundRole(QPalette::Base);
    QPalette white = m_scroll->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_scroll->setPalette(white);
    m_scroll->viewport()->installEventFilter(this);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &SolutionWindow::updateCounter);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_scroll, 1);
    column->addWidget(buildButtons());
    addKeys();
    m_style.separator = TextRules::localSeparator();
    restoreSettings();
    applyStyle();
    setFocusProxy(m_view);
    qApp->installEventFilter(this); // the activation of another problem form
    retranslate();
}

/// The window's texts in the program's language; the solution's sentences
/// follow with its view.
void SolutionWindow::retranslate() {
    setWindowTitle(tr("Resolução"));
    m_view->setMessage(emptyMessage());
    m_previous->setText(tr("Anterior"));
    m_previous->setToolTip(tr("Esconde o último passo mostrado (←, Page Up)"));
    m_next->setText(tr("Seguinte"));
    m_next->setToolTip(tr("Mostra o passo seguinte (Espaço, →, Page Down)"));
    m_all->setText(tr("Tudo"));
    m_all->setToolTip(tr("Mostra todos os passos (End); Home volta ao primeiro"));
    for (auto [button, tip] : {std::pair{m_smaller, tr("Letra mais pequena (Ctrl+\u2212)")},
                               std::pair{m_larger, tr("Letra maior (Ctrl++)")}}) {
        button->setToolTip(tip);
        button->setAccessibleName(tip);
    }
    updateControls();
}

void SolutionWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

SolutionWindow::~SolutionWindow() {
    if (m_form) m_form->board()->setHighlight({});
}

QWidget* SolutionWindow::buildButtons() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Botoes"));
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(8, 6, 8, 8);
    rows->setSpacing(4);
    rows->addLayout(new QHBoxLayout); // the counter, on a projector
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    m_previous = stepButton(bar, QStringLiteral("Anterior"));
    m_next = stepButton(bar, QStringLiteral("Seguinte"));
    m_all = stepButton(bar, QStringLiteral("Tudo"));
    m_counter = new QLabel(bar);
    m_counter->setObjectName(QStringLiteral("Contador"));
    connect(m_previous, &QPushButton::clicked, this, &SolutionWindow::previous);
    connect(m_next, &QPushButton::clicked, this, &SolutionWindow::next);
    connect(m_all, &QPushButton::clicked, this, &SolutionWindow::all);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_all);
    row->addSpacing(12);
    row->addWidget(m_counter, 1);
    const auto zoomButton = [&](const QString& name, const QString& text,
                                void (SolutionWindow::*slot)()) {
        auto* button = new QToolButton(bar);
        button->setObjectName(name);
        button->setText(text);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, slot);
        row->addWidget(button);
        return button;
    };
    m_smaller =
        zoomButton(QStringLiteral("Diminuir"), QStringLiteral("A\u2212"), &SolutionWindow::zoomOut);
    m_larger =
        zoomButton(QStringLiteral("Aumentar"), QStringLiteral("A+"), &SolutionWindow::zoomIn);
    return bar;
}

void SolutionWindow::addKeys() {
    const auto add = [this](const QString& name, const QList<QKeySequence>& keys,
                            const std::function<void()>& act) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    add(QStringLiteral("PassoSeguinte"), {Qt::Key_Space, Qt::Key_Right, Qt::Key_PageDown},
        [this] { next(); });
    add(QStringLiteral("PassoAnterior"), {Qt::Key_Left, Qt::Key_PageUp}, [this] { previous(); });
    add(QStringLiteral("PrimeiroPasso"), {Qt::Key_Home}, [this] { first(); });
    add(QStringLiteral("TodosOsPassos"), {Qt::Key_End}, [this] { all(); });
    add(QStringLiteral("LetraMaior"),
        {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomIn(); });
    add(QStringLiteral("LetraMenor"), {QKeySequence::ZoomOut}, [this] { zoomOut(); });
    add(QStringLiteral("LetraNormal"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        [this] { setZoom(1.0); });
    add(QStringLiteral("CopiarResolucao"), {QKeySequence::Copy}, [this] { copySolution(); });
    add(QStringLiteral("Fechar"), {Qt::Key_Escape}, [this] { close(); });
}

QString SolutionWindow::emptyMessage() {
    return tr("Ainda não há resolução para mostrar.\nPrima «Resolver» num problema e a "
              "resolução aparece aqui, passo a passo.");
}

// --- following a form ---------------------------------------------------------

void SolutionWindow::showInstead(ProblemForm* form, exact::Solution solution) {
    follow(form);
    m_instead = std::move(solution);
    refresh();
}

void SolutionWindow::follow(ProblemForm* form) {
    if (form == m_form.data()) return;
    m_instead.reset();
    if (m_form) m_form->board()->setHighlight({});
    disconnect(m_pressConnection);
    disconnect(m_goneConnection);
    m_form = form;
    if (form) {
        m_pressConnection = connect(form, &ProblemForm::solutionChanged, this, [this] {
            if (m_instead && !replaces(m_form->solution())) return;
            m_instead.reset();
            refresh();
        });
        m_goneConnection = connect(form, &QObject::destroyed, this, [this] {
            m_form = nullptr;
            refresh();
        });
    }
    refresh();
}

/// Whether the form's solution takes the place of the one shown instead: a
/// solution of other data. The same data pressed again, or the board
/// cleared to its axes, leave it.
bool SolutionWindow::replaces(const exact::Solution* solution) const {
    return solution && !exact::sameTree(exact::title(*solution), exact::title(*m_instead));
}

ProblemForm* SolutionWindow::followed() const {
    return m_form;
}

bool SolutionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        if (auto* form = qobject_cast<ProblemForm*>(watched)) follow(form);
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        m_view->fitWidth(m_scroll->viewport()->width());
    return QWidget::eventFilter(watched, event);
}

/// The solution of the press the followed form's board shows; nothing while
/// the window is hidden (it catches up when shown).
void SolutionWindow::refresh() {
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    const exact::Solution* solution = m_instead ? &*m_instead
                                      : m_form  ? m_form->solution()
                                                : nullptr;
    if (solution) {
        const int steps = int(solution->steps.size());
        m_view->setSolution(*solution, m_showAll ? steps : std::min(1, steps));
    } else {
        m_view->setSolution(std::nullopt, 0);
    }
    m_scroll->verticalScrollBar()->setValue(0);
    updateHighlight();
    updateControls();
}

// --- the steps ------------------------------------------------------------

int SolutionWindow::shown() const {
    return m_view->shown();
}

void SolutionWindow::reveal(int shown) {
    const int steps = m_view->stepCount();
    if (steps == 0) return;
    m_view->setShown(std::clamp(shown, 1, steps));
    m_showAll = m_view->shown() == steps;
    updateHighlight();
    updateControls();
    scrollToShownStep();
}

void SolutionWindow::next() {
    reveal(shown() + 1);
}

void SolutionWindow::previous() {
    reveal(shown() - 1);
}

void SolutionWindow::first() {
    reveal(1);
}

void SolutionWindow::all() {
    reveal(m_view->stepCount());
}

void SolutionWindow::showStep(int step) {
    reveal(step);
}

int SolutionWindow::stepInView() const {
    const QRect seen(QPoint(0, m_scroll->verticalScrollBar()->value()),
                     m_scroll->viewport()->size());
    for (int step = shown(); step > 1; --step)
        if (m_view->stepRect(step - 1).intersects(seen)) return step;
    return std::min(1, shown());
}

void SolutionWindow::scrollToShownStep() {
    if (shown() == 0) return;
    const QRect step = m_view->stepRect(shown() - 1);
    m_scroll->ensureVisible(step.left(), step.bottom(), 0, m_view->margin());
}

/// The figures of the last step shown, on the followed form's board.
void SolutionWindow::updateHighlight() {
    if (!m_form) return;
    const exact::Solution* solution = m_view->solution();
    if (isVisible() && solution && shown() > 0)
        m_form->board()->setHighlight(solution->steps[std::size_t(shown() - 1)].figures);
    else
        m_form->board()->setHighlight({});
}

void SolutionWindow::updateControls() {
    const int steps = m_view->stepCount();
    m_previous->setEnabled(shown() > 1);
    m_next->setEnabled(shown() < steps);
    m_all->setEnabled(shown() < steps);
    updateCounter();
}

void SolutionWindow::updateCounter() {
    const int steps = m_view->stepCount();
    m_counter->setText(steps == 0 ? QString() : tr("Passo %1 de %2").arg(stepInView()).arg(steps));
}

// --- the size and colours of the text ------------------------------------

const std::vector<double>& SolutionWindow::zoomSteps() {
    static const std::vector<double> steps = {0.6, 0.7,  0.8, 0.9, 1.0, 1.15, 1.3,
                                              1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
    return steps;
}

void SolutionWindow::setZoom(double zoom) {
    const double z = std::clamp(zoom, zoomSteps().front(), zoomSteps().back());
    if (z == m_zoom) return;
    m_zoom = z;
    applyStyle();
    scrollToShownStep(); // the step last shown stays in view at the new size
    saveSettings();
}

void SolutionWindow::zoomIn() {
    const auto& steps = zoomSteps();
    const auto larger = std::upper_bound(steps.begin(), steps.end(), m_zoom + 1e-9);
    if (larger != steps.end()) setZoom(*larger);
}

void SolutionWindow::zoomOut() {
    const auto& steps = zoomSteps();
    const auto smaller = std::lower_bound(steps.begin(), steps.end(), m_zoom - 1e-9);
    if (smaller != steps.begin()) setZoom(*std::prev(smaller));
}

void SolutionWindow::setDisplayScale(double factor) {
    m_displayScale = std::max(0.25, factor);
    applyStyle();
    scaleControls();
    widenForScale();
}

/// Text grown for a projector needs room: the window takes at least half the
/// screen's width (no more than the usual width times the factor), and stays
/// on the screen. A window already wider keeps its width.
void SolutionWindow::widenForScale() {
    if (m_displayScale <= 1 || !screen()) return;
    const QRect room = screen()->availableGeometry();
    const int wanted = std::min(room.width() / 2, int(UsualWidth * m_displayScale));
    if (width() >= wanted) return;
    resize(wanted, height());
    if (geometry().right() > room.right()) move(std::max(room.left(), room.right() - wanted), y());
}

/// On a projector the step counter grows with the text, on a row of its
/// own above the buttons, which grow less (they must fit the window's width).
void SolutionWindow::scaleControls() {
    const double scale = std::max(1.0, m_displayScale);
    QFont usual = QApplication::font();
    QFont buttons = usual;
    buttons.setPointSizeF(usual.pointSizeF() * std::min(scale, 1.75));
    for (QWidget* w : m_counter->parentWidget()->findChildren<QAbstractButton*>())
        w->setFont(buttons);
    QFont counter = usual;
    counter.setPointSizeF(usual.pointSizeF() * scale);
    counter.setBold(scale > 1);
    m_counter->setFont(counter);
    auto* rows = static_cast<QVBoxLayout*>(m_counter->parentWidget()->layout());
    auto* buttonRow = static_cast<QHBoxLayout*>(rows->itemAt(rows->count() - 1)->layout());
    auto* counterRow = static_cast<QHBoxLayout*>(rows->itemAt(0)->layout());
    if (scale > 1 && buttonRow->indexOf(m_counter) >= 0) {
        buttonRow->removeWidget(m_counter);
        counterRow->addWidget(m_counter);
    } else if (scale <= 1 && counterRow->indexOf(m_counter) >= 0) {
        counterRow->removeWidget(m_counter);
        buttonRow->insertWidget(buttonRow->count() - 2, m_counter, 1);
    }
}

void SolutionWindow::setColours(const QColor& ink, const QColor& accent, const QColor& faint) {
    m_style.ink = ink;
    m_style.accent = accent;
    m_style.faint = faint;
    applyStyle();
}

void SolutionWindow::applyStyle() {
    m_style.size = BaseSize * m_zoom * m_displayScale;
    m_view->setTypesetStyle(m_style);
}

// --- copy -------------------------------------------------------------------

void SolutionWindow::copySolution() {
    const exact::Solution* solution = m_view->solution();
    if (!solution) return;
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(
        exact::plainText(*solution, m_style.separator.toStdString(), languages::sentences())));
    Typeset::Style style = m_style;
    style.size = BaseSize;
    data->setImageData(solutionImage(*solution, style, PictureWidth, PicturePixelRatio));
    QGuiApplication::clipboard()->setMimeData(data);
}

// --- showing, hiding, remembering ---------------------------------------------

void SolutionWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    widenForScale();
    m_style.separator = TextRules::localSeparator();
    if (m_stale || m_view->typesetStyle().separator != m_style.separator) {
        applyStyle();
        refresh();
    }
    updateHighlight();
}

void SolutionWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_form) m_form->board()->setHighlight({});
    saveSettings();
}

void SolutionWindow::saveSettings() const {
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    settings.setValue(QStringLiteral("geometria"), saveGeometry());
    settings.setValue(QStringLiteral("zoom"), m_zoom);
    settings.setValue(QStringLiteral("tudo"), m_showAll);
}

void SolutionWindow::restoreSettings() {
    QSettings settings;
    settings.beginGroup(SettingsGroup);
    if (!restoreGeometry(settings.value(QStringLiteral("geometria")).toByteArray()))
        resize(UsualWidth, 760);
    m_zoom = std::clamp(settings.value(QStringLiteral("zoom"), 1.0).toDouble(), zoomSteps().front(),
                        zoomSteps().back());
    m_showAll = settings.value(QStringLiteral("tudo"), true).toBool();
}
