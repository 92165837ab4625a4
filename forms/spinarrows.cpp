#include "spinarrows.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* arrowButton(Qt::ArrowType type, const QString& name, const QString& spoken,
                         QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(type);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus); // the field's own Up and Down keys do the same
    button->setAccessibleName(spoken);
    return button;
}
} // namespace

SpinArrows::SpinArrows(const QString& name, const QString& bound, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up =
        arrowButton(Qt::UpArrow, name + QLatin1String("_up"), tr("Aumentar %1").arg(bound), this);
    QToolButton* down = arrowButton(Qt::DownArrow, name + QLatin1String("_down"),
                                    tr("Diminuir %1").arg(bound), this);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}
