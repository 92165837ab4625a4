#include "labelledcombo.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

constexpr char NamedProperty[] = "ortoplanoNamedCombo";

class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty())
            return box()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    // The list of items, as the usual combo box has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedCombo(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (box && box->property(NamedProperty).toBool()) return new NamedComboAccessible(box);
    return nullptr;
}

} // namespace

void announceByName(QComboBox* box) {
    static const bool installed = [] {
        QAccessible::installFactory(namedCombo);
        return true;
    }();
    Q_UNUSED(installed);
    box->setProperty(NamedProperty, true);
}
