#include "displaystyle.h"

#include "displaylist.h"
#include "textrules.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QSettings>
#include <cmath>

// --- the palette ------------------------------------------------------------

namespace ProjectorPalette {

// A dark blue and an orange-leaning red: far apart in lightness as well as
// in hue, so they stay apart when the projector washes the colours out and
// for a viewer who cannot tell red from green (red turns brown, blue stays
// blue); both read against white at normal text contrast.
QColor data() {
    return {10, 40, 160};
}

QColor solution() {
    return {185, 40, 0};
}

QColor grid() {
    return {100, 100, 100};
}

} // namespace ProjectorPalette

QColor DisplayStyle::paint(const QColor& recorded) const {
    if (!projector) return recorded;
    if (recorded == QBColor(9)) return ProjectorPalette::data();
    if (recorded == QBColor(12)) return ProjectorPalette::solution();
    if (recorded == QBColor(8)) return ProjectorPalette::grid();
    return recorded;
}

// --- the program-wide setting -------------------------------------------------

namespace {

/// Where the program keeps its settings.
QSettings settings() {
    return QSettings(QStringLiteral("Ortoplano"), QStringLiteral("Ortoplano"));
}

const QString ProjectorKey = QStringLiteral("classroom/projector");
const QString FactorKey = QStringLiteral("classroom/factor");
const QString NamesProjectorKey = QStringLiteral("classroom/namesInProjector");
const QString NamesUsualKey = QStringLiteral("classroom/namesUsual");

double nearestFactor(double factor) {
    double best = ClassroomDisplay::Factors.front();
    for (double f : ClassroomDisplay::Factors)
        if (std::fabs(f - factor) < std::fabs(best - factor)) best = f;
    return best;
}

} // namespace

ClassroomDisplay& ClassroomDisplay::instance() {
    static ClassroomDisplay* display = new ClassroomDisplay; // lives as long as the program
    return *display;
}

void ClassroomDisplay::rememberBetweenRuns() {
    m_remembered = true;
    const QSettings s = settings();
    apply(s.value(ProjectorKey, false).toBool(), s.value(FactorKey, 2.0).toDouble(),
          s.value(NamesProjectorKey, true).toBool(), s.value(NamesUsualKey, false).toBool());
}

void ClassroomDisplay::save() const {
    if (!m_remembered) return;
    QSettings s = settings();
    s.setValue(ProjectorKey, m_projector);
    s.setValue(FactorKey, m_factor);
    s.setValue(NamesProjectorKey, m_namesProjector);
    s.setValue(NamesUsualKey, m_namesUsual);
}

bool ClassroomDisplay::apply(bool projector, double factor, bool namesProjector, bool namesUsual) {
    factor = nearestFactor(factor);
    if (projector == m_projector && factor == m_factor && namesProjector == m_namesProjector &&
        namesUsual == m_namesUsual)
        return false;
    m_projector = projector;
    m_factor = factor;
    m_namesProjector = namesProjector;
    m_namesUsual = namesUsual;
    emit changed();
    return true;
}

DisplayStyle ClassroomDisplay::style() const {
    return {m_projector ? m_factor : 1.0, m_projector, pointNames()};
}

void ClassroomDisplay::setProjector(bool on) {
    if (apply(on, m_factor, m_namesProjector, m_namesUsual)) save();
}

void ClassroomDisplay::setFactor(double factor) {
    if (apply(m_projector, factor, m_namesProjector, m_namesUsual)) save();
}

void ClassroomDisplay::setPointNames(bool shown) {
    if (apply(m_projector, m_factor, m_projector ? shown : m_namesProjector,
              m_projector ? m_namesUsual : shown))
        save();
}

QString ClassroomDisplay::factorText(double factor) {
    return TextRules::number(factor, TextRules::localSeparator()) + QStringLiteral("×");
}

// --- actions that follow the setting ---------------------------------------

namespace {

/// Gives an item its text again in the new language when the widget that
/// holds it is told of a change of language.
class ItemText : public QObject {
public:
    ItemText(QAction* item, const char* source)
        : QObject(item)
        , m_item(item)
        , m_source(source) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            m_item->setText(ClassroomDisplay::tr(m_source));
        return false;
    }

private:
    QAction* m_item;
    const char* m_source;
};

/// A check item kept in step with one Boolean of the setting; `text` is
/// given untranslated (QT_TR_NOOP).
QAction* checkItem(QObject* parent, const QString& name, const char* text, const QKeySequence& keys,
                   bool (ClassroomDisplay::*get)() const, void (ClassroomDisplay::*set)(bool)) {
    ClassroomDisplay& display = ClassroomDisplay::instance();
    auto* action = new QAction(ClassroomDisplay::tr(text), parent);
    if (auto* holder = qobject_cast<QWidget*>(parent))
        holder->installEventFilter(new ItemText(action, text));
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setCheckable(true);
    action->setChecked((display.*get)());
    QObject::connect(action, &QAction::toggled, &display,
                     [set](bool on) { (ClassroomDisplay::instance().*set)(on); });
    QObject::connect(&display, &ClassroomDisplay::changed, action,
                     [action, get] { action->setChecked((ClassroomDisplay::instance().*get)()); });
    return action;
}

} // namespace

int ClassroomDisplay::listenerCount() const {
    return receivers(SIGNAL(changed()));
}

QAction* ClassroomDisplay::projectorAction(QObject* parent) {
    return checkItem(parent, QStringLiteral("ModoProjeccao"), QT_TR_NOOP("Modo de projecção"),
                     QKeySequence(Qt::Key_F8), &ClassroomDisplay::projector,
                     &ClassroomDisplay::setProjector);
}

QAction* ClassroomDisplay::namesAction(QObject* parent) {
    return checkItem(parent, QStringLiteral("NomesPontos"), QT_TR_NOOP("Nomes dos pontos"),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &ClassroomDisplay::pointNames,
                     &ClassroomDisplay::setPointNames);
}

QMenu* ClassroomDisplay::factorMenu(QWidget* parent) {
    auto* menu = new QMenu(tr("Ampliação na projecção"), parent);
    menu->setObjectName(QStringLiteral("AmpliacaoProjeccao"));
    menu->menuAction()->setObjectName(QStringLiteral("AmpliacaoProjeccao"));
    auto* group = new QActionGroup(menu);
    for (double f : Factors) {
        QAction* item = menu->addAction(factorText(f));
        item->setObjectName(QStringLiteral("Ampliacao%1").arg(QString::number(f * 10)));
        item->setCheckable(true);
        item->setChecked(f == m_factor);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [f] { instance().setFactor(f); });
        connect(this, &ClassroomDisplay::changed, item,
                [item, f] { item->setChecked(f == instance().factor()); });
    }
    return menu;
}
