#include "solutionview.h"

#include "languages.h"
#include "sentences.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

/// One step of the list, for assistive technology: named by its plain text.
class StepAccessible : public QAccessibleInterface {
public:
    StepAccessible(SolutionView* view, int index)
        : m_view(view)
        , m_index(index) {}

    bool isValid() const override { return m_view && m_index < m_view->stepCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    bool revealed() const { return isValid() && m_index < m_view->shown(); }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return m_view->stepText(m_index);
        if (t != QAccessible::Description) return {};
        const QString which =
            SolutionView::tr("Passo %1 de %2").arg(m_index + 1).arg(m_view->stepCount());
        return revealed() ? which : SolutionView::tr("%1, ainda não mostrado").arg(which);
    }

    QRect rect() const override {
        if (!revealed()) return {};
        const QRect r = m_view->stepRect(m_index);
        return QRect(m_view->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !revealed();
        s.offscreen = !revealed();
        return s;
    }

private:
    QPointer<SolutionView> m_view;
    int m_index;
};

} // namespace

/// The view as a list of steps, named by the solution's title.
class SolutionListAccessible : public QAccessibleWidget {
public:
    explicit SolutionListAccessible(SolutionView* view)
        : QAccessibleWidget(view, QAccessible::List) {}

    SolutionView* view() const { return static_cast<SolutionView*>(widget()); }

    int childCount() const override { return view()->stepCount(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? view()->stepInterface(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* item) const override {
        for (int i = 0; i < childCount(); ++i)
            if (view()->stepInterface(i) == item) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = view()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < std::min(view()->shown(), childCount()); ++i)
            if (view()->stepRect(i).contains(at)) return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return view()->titleText();
        if (t == QAccessible::Description && view()->stepCount() > 0)
            return SolutionView::tr("%1 de %2 passos mostrados")
                .arg(view()->shown())
                .arg(view()->stepCount());
        return QAccessibleWidget::text(t);
    }
};

namespace {

QAccessibleInterface* viewInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("SolutionView") && object && object->isWidgetType())
        return new SolutionListAccessible(static_cast<SolutionView*>(object));
    return nullptr;
}

} // namespace

SolutionView::SolutionView(QWidget* parent)
    : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(viewInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Resolucao"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    relayout();
}

SolutionView::~SolutionView() {
    forgetStepInterfaces();
}

int SolutionView::stepCount() const {
    return m_solution ? int(m_solution->steps.size()) : 0;
}

int SolutionView::margin() const {
    return std::max(12, int(std::lround(0.9 * m_style.size)));
}

void SolutionView::setSolution(std::optional<exact::Solution> solution, int shown) {
    forgetStepInterfaces();
    m_solution = std::move(solution);
    m_shown = std::clamp(shown, 0, stepCount());
    relayout();
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

void SolutionView::setShown(int shown) {
    const int n = std::clamp(shown, 0, stepCount());
    if (n == m_shown) return;
    const int from = std::min(n, m_shown), to = std::max(n, m_shown);
    m_shown = n;
    fitWidth(m_width);
    if (QAccessible::isActive()) {
        for (int i = from; i < to; ++i) {
            QAccessible::State changed;
            changed.invisible = true;
            QAccessibleStateChangeEvent event(stepInterface(i), changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void SolutionView::setMessage(const QString& text) {
    m_message = text;
    if (!m_solution) relayout();
}

void SolutionView::setTypesetStyle(const Typeset::Style& style) {
    m_style = style;
    relayout();
}

void SolutionView::relayout() {
    const double width = std::max(1, m_width - 2 * margin());
    if (m_solution)
        m_layout.emplace(*m_solution, width, m_style);
    else
        m_layout.emplace(SolutionLayout::message(m_message, width, m_style));
    fitWidth(m_width);
}

void SolutionView::fitWidth(int width) {
    if (width != m_width) {
        m_width = width;
        relayout();
        return;
    }
    const int m = margin();
    const QSize size(std::max(width, int(std::ceil(m_layout->width())) + 2 * m),
                     int(std::ceil(m_layout->height(m_shown))) + 2 * m);
    if (size != this->size()) resize(size);
    update();
    emit contentChanged();
}

QString SolutionView::titleText() const {
    if (!m_solution) return m_message;
    return fromUtf8(exact::linearText(exact::title(*m_solution, languages::sentences()),
                                      m_style.separator.toStdString()));
}

QString SolutionView::stepText(int step) const {
    if (step < 0 || step >= stepCount()) return {};
    return fromUtf8(exact::stepText(m_solution->steps[std::size_t(step)],
                                    m_style.separator.toStdString(), languages::sentences()));
}

QRect SolutionView::stepRect(int step) const {
    if (step < 0 || step >= stepCount()) return {};
    const QRectF r = m_layout->stepRect(step).translated(margin(), margin());
    return r.toAlignedRect();
}

QSize SolutionView::sizeHint() const {
    return size();
}

void SolutionView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_solution) relayout();
}

void SolutionView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    m_layout->paint(painter, QPointF(margin(), margin()), m_shown, event->rect());
}

QAccessibleInterface* SolutionView::stepInterface(int step) const {
    if (m_stepIds.size() != std::size_t(stepCount())) {
        for (QAccessible::Id id : m_stepIds)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        m_stepIds.assign(std::size_t(stepCount()), 0);
    }
    QAccessible::Id& id = m_stepIds[std::size_t(step)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(
            new StepAccessible(const_cast<SolutionView*>(this), step));
    return QAccessible::accessibleInterface(id);
}

void SolutionView::forgetStepInterfaces() {
    for (QAccessible::Id id : m_stepIds)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    m_stepIds.clear();
}
